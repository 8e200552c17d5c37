// The small test library other tests start the program on: sound, and each damaged case
// as its option says.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include "templates/Container.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestLibrary.h"

namespace {

QByteArray Stripped(const QString& path, int layers) {
    QByteArray bytes = ReadBytes(path);
    if (!StripLayers(bytes, layers)) return {};
    return bytes;
}

QString Marker(const QString& parameterContainer) {
    return ReadGbkIni(Stripped(parameterContainer, 20))
        .value("l_x_l_u_m_r_w_j_s_y")
        .value("l_x_l_u_m_r_w_j_s_y");
}

}  // namespace

TEST(TestLibrary, SoundLibraryHoldsFourPairedTemplatesAndTheSpecialFiles) {
    TempDir dir;
    const TestLibrary library = BuildTestLibrary(dir.path());
    ASSERT_TRUE(library.ok) << library.error.toStdString();
    const auto& f = library.files;
    ASSERT_EQ(f.parameterContainers.size(), 4);
    ASSERT_EQ(f.movieContainers.size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Marker(f.parameterContainers[i]), "l_u_m_r_s_y_l_x");
        const QJsonObject movie =
            QJsonDocument::fromJson(Stripped(f.movieContainers[i], 20)).object();
        EXPECT_EQ(movie["op"].toInt(), 5);
        EXPECT_EQ(movie["variables"].toObject()["k_r_d_o_k_p_w_r_w"].toString(),
                  "k_r_d_a_b_p_w_e_o_o_kr_w_u_i");
    }
    const IniSections advanced = ReadGbkIni(Stripped(f.parameterContainers[3], 20));
    EXPECT_EQ(advanced["1"]["xpjpgmc"], "|xp_1_bj|xp_1|xp_2|xp_3|");
    EXPECT_EQ(advanced["1"]["szhz"], "|heng|heng|heng|shu|");
    EXPECT_EQ(QFileInfo(f.startupArchive).size(), 29954);
    EXPECT_EQ(CountLayers(ReadBytes(f.closingMovie)), 16);
    ASSERT_EQ(f.combinations.size(), 2);
    EXPECT_EQ(ReadGbkIni(Stripped(f.combinations[0], 3))["zuhemoban_canshu"]["canshu_2"],
              "测试组合~2~1~");
    EXPECT_TRUE(QFileInfo::exists(dir.file("lumdata/jiemian/jiemian_01.png")));
}

TEST(TestLibrary, DamagedCasesAreWhatTheirOptionsSay) {
    struct Case {
        const char* name;
        void (*set)(TestLibraryOptions&);
        void (*check)(const TestLibrary&);
    };
    const Case cases[] = {
        {"empty container", [](TestLibraryOptions& o) { o.emptyContainer = true; },
         [](const TestLibrary& l) {
             EXPECT_EQ(QFileInfo(l.files.parameterContainers[1]).size(), 0);
         }},
        {"wrong marker", [](TestLibraryOptions& o) { o.wrongMarker = true; },
         [](const TestLibrary& l) {
             EXPECT_EQ(Marker(l.files.parameterContainers[1]), "x_x_x");
             EXPECT_EQ(Marker(l.files.parameterContainers[0]), "l_u_m_r_s_y_l_x");
         }},
        {"broken container", [](TestLibraryOptions& o) { o.brokenContainer = true; },
         [](const TestLibrary& l) {
             QByteArray bytes = ReadBytes(l.files.parameterContainers[1]);
             EXPECT_FALSE(StripLayer(bytes));
         }},
        {"unequal halves", [](TestLibraryOptions& o) { o.unequalHalves = true; },
         [](const TestLibrary& l) {
             EXPECT_EQ(QDir(databuild::MovieFolder(l.files.root)).entryList(QDir::Files).size(), 5);
             EXPECT_EQ(QDir(databuild::ParameterFolder(l.files.root)).entryList(QDir::Files).size(),
                       4);
         }},
        {"mixed-case extension", [](TestLibraryOptions& o) { o.mixedCaseExtension = true; },
         [](const TestLibrary& l) {
             EXPECT_TRUE(
                 QFileInfo::exists(databuild::ParameterFolder(l.files.root) + "/mb_05.Rar"));
         }},
        {"upper-case extension", [](TestLibraryOptions& o) { o.upperCaseExtension = true; },
         [](const TestLibrary& l) {
             EXPECT_TRUE(l.files.parameterContainers[2].endsWith("mb_03.RAR"));
             EXPECT_TRUE(QFileInfo::exists(l.files.movieContainers[2]));
         }},
        {"nested folders", [](TestLibraryOptions& o) { o.nestedFolders = true; },
         [](const TestLibrary& l) {
             EXPECT_TRUE(l.files.parameterContainers[2].endsWith("wjj_01/sub/zz_deeper/mb_03.rar"));
             EXPECT_TRUE(l.files.movieContainers[1].endsWith("wjj_02/sub/mb_02.rar"));
         }},
        {"startup marker", [](TestLibraryOptions& o) { o.startupMarkerValue = "wrong"; },
         [](const TestLibrary& l) {
             const QJsonObject movie =
                 QJsonDocument::fromJson(Stripped(l.files.startupArchive, 13)).object();
             EXPECT_EQ(movie["variables"].toObject()["k_r_d_p_w_t_g_r_w"].toString(), "wrong");
             EXPECT_EQ(QFileInfo(l.files.startupArchive).size(), 29954);
         }},
        {"startup size", [](TestLibraryOptions& o) { o.startupArchiveSize = 29953; },
         [](const TestLibrary& l) { EXPECT_EQ(QFileInfo(l.files.startupArchive).size(), 29953); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        TestLibraryOptions options;
        c.set(options);
        const TestLibrary library = BuildTestLibrary(dir.path(), options);
        ASSERT_TRUE(library.ok) << library.error.toStdString();
        c.check(library);
    }
}
