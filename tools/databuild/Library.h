#pragma once
// Writing a template library tree: parameter and movie containers, the closing movie, the
// start-up animation and the combination archives, under ROOT/lumdata/ as the program
// expects them beside its executable:
//
//   lumdata/wj_0_or_2/wjj_01/<id>.rar      parameter INI (GBK) in 20 layers
//   lumdata/wj_0_or_2/wjj_02/<id>.rar      movie in 20 layers (same relative path)
//   lumdata/wj_0_or_3_3/wj_0_or_3_3_d.rar  closing movie in 16 layers
//   lumdata/wj_0_or_2_2/wj_0_or_2_2_d.rar  start-up animation in 13 layers, 29954 bytes
//   lumdata/wj_0_or_9_9/wj_0_or_9_9_<p>.rar  combination archives in 3 layers
//
// A template's id may hold "/" to place both its containers in a sub-folder. Both halves use
// the same relative paths, so a walk in name order pairs them by position.

#include <QString>
#include <QStringList>
#include <QVector>

#include "tools/databuild/Combinations.h"
#include "tools/databuild/TemplateSource.h"

namespace databuild {

inline constexpr int kTemplateLayers = 20;

// What a build wrote, as full paths.
struct LibraryFiles {
    QString root;                     // the folder that holds lumdata/
    QStringList parameterContainers;  // in the order the templates were given
    QStringList movieContainers;
    QString closingMovie;
    QString startupArchive;
    QStringList combinations;  // wj_0_or_9_9_1.rar, _2, ...
};

QString ParameterFolder(const QString& root);  // ROOT/lumdata/wj_0_or_2/wjj_01
QString MovieFolder(const QString& root);      // ROOT/lumdata/wj_0_or_2/wjj_02
QString ClosingMoviePath(const QString& root);
QString StartupArchivePath(const QString& root);
QString CombinationPath(const QString& root, int number);

// Writes `bytes` to `path`, creating the folders on the way.
bool WriteFile(const QString& path, const QByteArray& bytes, QString& error);

// Writes both containers of every template.
bool WriteTemplates(const QVector<TemplateSource>& templates, const QString& root,
                    LibraryFiles& files, QString& error);
bool WriteClosingMovie(const QString& root, int frames, LibraryFiles& files, QString& error);
bool WriteStartupAnimation(const QString& root, const QByteArray& movie, LibraryFiles& files,
                           QString& error);
bool WriteCombinations(const QString& root, const QVector<QVector<CombinationMember>>& lists,
                       LibraryFiles& files, QString& error);

// The template descriptions of DATA/templates/*.json, in file-name order, checked as a
// library: every name unique.
bool LoadTemplateSources(const QString& dataDir, QVector<TemplateSource>& templates,
                         QString& error);

// The whole shipped library from DATA (templates/*.json and combinations.json) into ROOT.
// Removes the containers of an earlier build first, so a removed template disappears.
bool BuildShippedLibrary(const QString& dataDir, const QString& root, LibraryFiles& files,
                         QString& error);

}  // namespace databuild
