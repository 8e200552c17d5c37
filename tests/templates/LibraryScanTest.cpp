// The library walk and the parameter file.

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "platform/GbkText.h"
#include "templates/LibraryScan.h"
#include "templates/ParameterFile.h"
#include "templates/TemplateTables.h"
#include "tests/support/TempDir.h"

namespace {
QStringList Relative(const TempDir& dir, const QStringList& paths) {
    QStringList out;
    for (const QString& p : paths)
        out.append(QDir::fromNativeSeparators(p).mid(dir.path().size() + 1));
    return out;
}
}  // namespace

TEST(ScanContainerFiles, WalksDepthFirstInNameOrderAndTakesOnlyExactExtensions) {
    TempDir dir;
    // Written in an order unlike the name order, so a walk that followed creation or
    // directory order would show.
    for (const char* name : {"lib/z.rar", "lib/b/2.rar", "lib/a.RAR", "lib/b/1.rar",
                             "lib/b/c/deep.rar", "lib/m.Rar", "lib/n.rar.txt", "lib/c.rAR",
                             "lib/aa/x.rar", "lib/norar", "lib/b/0.ini"})
        dir.write(name, "x");
    QDir().mkpath(dir.file("lib/empty"));
    EXPECT_EQ(Relative(dir, ScanContainerFiles(dir.file("lib"))),
              QStringList({"lib/a.RAR", "lib/aa/x.rar", "lib/b/1.rar", "lib/b/2.rar",
                           "lib/b/c/deep.rar", "lib/z.rar"}));
}

TEST(ScanContainerFiles, FindsNothingInAMissingFolderAndSkipsLinkedFolders) {
    TempDir dir;
    EXPECT_TRUE(ScanContainerFiles(dir.file("missing")).isEmpty());
    dir.write("lib/a.rar", "x");
    // A link back to the folder itself would make a walk that follows links endless.
    ASSERT_TRUE(QFile::link(dir.file("lib"), dir.file("lib/loop")));
    EXPECT_EQ(Relative(dir, ScanContainerFiles(dir.file("lib"))), QStringList({"lib/a.rar"}));
}

TEST(ParameterFile, ReadsEveryColumnFromGbkTextWhateverTheCase) {
    TempDir dir;
    const QString ini = dir.write(
        "t.ini",
        EncodeGbk("[L_X_L_U_M_R_W_J_S_Y]\r\nl_x_l_u_m_r_w_j_s_y=l_u_m_r_s_y_l_x\r\n"
                  "L_X_L_U_M_R_W_J_S_Y_M_C=春日花园\r\n[1]\r\nmblx=单张\r\nmbfl=风景\r\n"
                  "xpsl=1\r\nxpkd=|800|\r\nxpgd=|450|\r\nSZHZ=|heng|\r\nxpjpgmc=|hua_1|\r\n"
                  "mbdx=250\r\n[0]\r\nsl=1\r\n"));
    const ParameterFile file = ReadParameterFile(ini);
    EXPECT_TRUE(file.hasLibraryMarker());
    EXPECT_EQ(ParameterRow(file, "/m/1.rar", 4),
              QStringList({"单张", "风景", "1", "|800|", "|450|", "|heng|", "|hua_1|", "/m/1.rar",
                           "", "4", "250", "春日花园", "1"}));
}

TEST(ParameterFile, AMissingOrEmptyFileHasNoMarkerAndEmptyColumns) {
    TempDir dir;
    for (const QString& path : {dir.file("missing.ini"), dir.write("empty.ini", "")}) {
        const ParameterFile file = ReadParameterFile(path);
        EXPECT_FALSE(file.hasLibraryMarker());
        const QStringList row = ParameterRow(file, "m", 0);
        EXPECT_EQ(row.size(), ParameterTable::Col::ColumnCount);
        EXPECT_EQ(row[ParameterTable::Col::Name], "");
    }
    const QString wrong = dir.write("wrong.ini", "[l_x_l_u_m_r_w_j_s_y]\nl_x_l_u_m_r_w_j_s_y=other\n");
    EXPECT_FALSE(ReadParameterFile(wrong).hasLibraryMarker());
}
