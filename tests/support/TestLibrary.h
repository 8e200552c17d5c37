#pragma once
// A small template library for tests, built into a folder the way the program expects it
// beside its executable (ROOT/lumdata/...), with short movies so tests run fast.
//
//   TempDir dir;
//   const TestLibrary library = BuildTestLibrary(dir.path());            // a sound library
//   TestLibraryOptions broken;  broken.wrongMarker = true;
//   BuildTestLibrary(dir.path(), broken);                                // a damaged one
//
// The sound library holds four templates, in scan order (file names mb_01 ... mb_04, the
// same relative paths in wjj_01 and wjj_02, so a walk in name order pairs them):
//   0 "测试横照"  one horizontal slot xp_1, 1920 x 1080           class heng
//   1 "测试竖照"  one vertical slot xp_1, 720 x 1080              class shu
//   2 "测试随意"  one slot xp_1 of either orientation, width 0    class shuheng
//   3 "测试组合"  xp_1, xp_2 horizontal 800 x 450, xp_3 vertical 400 x 600, and the item
//                 xp_1_bj (1920 x 1080, not a photo slot) fed by xp_1  class gaojimoban, 2 + 1
// each `frames` frames long; the closing movie (16 layers); the start-up animation (13
// layers, exactly 29954 bytes); two combination archives: 1 = 测试横照, 测试组合 (3 + 1),
// 2 = 测试竖照 (0 + 1); the interface pictures.

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

#include "tools/databuild/Library.h"

struct TestLibraryOptions {
    int frames = 5;         // frame count of every template movie
    int closingFrames = 5;  // frame count of the closing movie
    bool closingMovie = true;
    bool startupAnimation = true;
    bool combinations = true;
    bool interfacePictures = true;

    // Damaged cases; each concerns template 1 (the second in scan order) unless said.
    bool emptyContainer = false;      // its parameter container is 0 bytes
    bool wrongMarker = false;         // its INI carries the marker "x_x_x"
    bool brokenContainer = false;     // its parameter container does not inflate
    bool unequalHalves = false;       // one movie container more (mb_99.rar) than parameters
    bool mixedCaseExtension = false;  // an extra pair "mb_05.Rar", which the scan must skip
    bool upperCaseExtension = false;  // template 2's containers are named "mb_03.RAR"
    bool nestedFolders = false;       // templates 1 and 2 in sub-folders: "sub/mb_02" and
                                      // "sub/zz_deeper/mb_03" (name order still 0, 1, 2, 3)
    QString startupMarkerValue;       // another answer of the start-up movie (empty: right)
    int startupArchiveSize = 29954;   // another size: padded, or cut short
};

struct TestLibrary {
    bool ok = false;
    QString error;
    databuild::LibraryFiles files;  // paths as written; files.root is the folder given
    QVector<databuild::TemplateSource> templates;  // in scan order (with their frames)
};

// Builds the library into `root` (created when missing). The templates of the sound
// library, as above, for tests that want their facts.
TestLibrary BuildTestLibrary(const QString& root, const TestLibraryOptions& options = {});
QVector<databuild::TemplateSource> TestTemplates(int frames = 5);

// The sections and keys of a GBK INI text, lower-cased names, as a test reads the library's
// parameter and combination files: sections[section][key] = value.
using IniSections = QMap<QString, QMap<QString, QString>>;
IniSections ReadGbkIni(const QByteArray& bytes);

// The items of a bar list "|a|b|c|".
QStringList BarItems(const QString& list);
