#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include "platform/GbkText.h"
#include "tests/support/TempDir.h"

namespace {

TEST(IniFile, LooksValuesUpLikeTheClassicProfileApi) {
    const IniFile ini(QString::fromUtf8(
        "[l_x_l_u_m_r_w_j_s_y]\r\n"
        "l_x_l_u_m_r_w_j_s_y=l_u_m_r_s_y_l_x\r\n"
        "[1]\n"
        "  mbdx =  250  \n"
        "Name=first\n"
        "NAME=second\n"
        "quoted=\"  spaced  \"\n"
        "single='x'\n"
        "inner=a\"b\"c\n"
        "half=\"abc\n"
        "semicolon=a;b ;c\n"
        "hash=#not a comment\n"
        "; comment=hidden\n"
        "#hashkey=visible\n"
        "   indented=yes\n"
        "\tafterTab=also\n"
        "noequals\n"
        "empty=\n"
        "[ Spaced Section ]\n"
        "k=v\n"
        "[1]\n"
        "mbdx=999\n"
        "extra=from the second [1]\n"));
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"l_x_l_u_m_r_w_j_s_y", "l_x_l_u_m_r_w_j_s_y", "l_u_m_r_s_y_l_x"},  // CRLF lines
        {"L_X_L_U_M_R_W_J_S_Y", "L_x_L_u_m_r_w_j_s_y", "l_u_m_r_s_y_l_x"},  // any case
        {"1", "mbdx", "250"},                     // blanks around name and value dropped
        {"1", "name", "first"},                   // the first of two wins
        {"1", "quoted", "  spaced  "},            // quotes go, what they enclose stays
        {"1", "single", "x"},
        {"1", "inner", "a\"b\"c"},
        {"1", "half", "\"abc"},
        {"1", "semicolon", "a;b ;c"},             // no inline comments
        {"1", "hash", "#not a comment"},
        {"1", "comment", ""},                     // a ";" line is a comment
        {"1", "#hashkey", "visible"},             // a "#" line is not
        {"1", "indented", "yes"},                 // not a continuation of the line before
        {"1", "aftertab", "also"},
        {"1", "noequals", ""},
        {"1", "empty", ""},
        {"Spaced Section", "k", "v"},
        {"1", "extra", "from the second [1]"},    // a repeated section adds its keys
        {"1", "missing", ""},
        {"missing", "mbdx", ""},
        {"", "k", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ini.value(c.section, c.key), QString::fromUtf8(c.value)) << c.section << " / " << c.key;
    EXPECT_TRUE(ini.contains("1", "EMPTY"));
    EXPECT_FALSE(ini.contains("1", "noequals"));
    EXPECT_TRUE(ini.error().isEmpty());
}

TEST(IniFile, ReadsLongLinesWhole) {
    // Lines past inih's built-in 200 bytes: a long bar list with "=" and ";" in it, and
    // section names that agree in their first 60 bytes.
    QString barList = "|";
    for (int i = 1; i <= 400; ++i) barList += QString("zhaopian_%1=a;b|").arg(i);
    const QString longSectionA = QString(60, 'S') + "A";
    const QString longSectionB = QString(60, 'S') + "B";
    const QString text = "[1]\nxpjpgmc=" + barList + "\nafter=1\n[" + longSectionA + "]\nk=a\n[" +
                         longSectionB + "]\nk=b\n";
    const IniFile ini(text);
    EXPECT_EQ(ini.value("1", "xpjpgmc"), barList);
    EXPECT_EQ(ini.value("1", "after"), "1");
    EXPECT_FALSE(ini.contains("1", "zhaopian_10"));  // no tail of the long line became a key
    EXPECT_EQ(ini.value(longSectionA, "k"), "a");
    EXPECT_EQ(ini.value(longSectionB, "k"), "b");
    EXPECT_TRUE(ini.error().isEmpty());

    // Every length around the built-in limit.
    for (int length = 190; length <= 210; ++length) {
        const QString value(length, 'v');
        EXPECT_EQ(IniFile("[s]\nk=" + value + "\nnext=n").value("s", "k"), value) << length;
    }
}

TEST(IniFile, ReadsAGbkFileWithChineseText) {
    TempDir dir;
    const QString text = QString::fromUtf8(
        "[l_x_l_u_m_r_w_j_s_y]\r\n"
        "l_x_l_u_m_r_w_j_s_y_m_c=春日花园\r\n"
        "[1]\r\n"
        "mbfl=风景|人物\r\n"
        "[中文节]\r\n"
        "名称=\"长 城\"\r\n");
    const QString path = dir.write("t.ini", EncodeGbk(text));
    const IniFile ini = IniFile::fromGbkFile(path);
    EXPECT_TRUE(ini.error().isEmpty());
    EXPECT_EQ(ini.value("l_x_l_u_m_r_w_j_s_y", "l_x_l_u_m_r_w_j_s_y_m_c"), QString::fromUtf8("春日花园"));
    EXPECT_EQ(ini.value("1", "mbfl"), QString::fromUtf8("风景|人物"));
    EXPECT_EQ(ini.value(QString::fromUtf8("中文节"), QString::fromUtf8("名称")), QString::fromUtf8("长 城"));
}

TEST(IniFile, AFileThatCannotBeReadHasNoKeysAndSaysWhy) {
    TempDir dir;
    const IniFile missing = IniFile::fromGbkFile(dir.file("missing.ini"));
    EXPECT_TRUE(missing.error().startsWith(QString::fromUtf8("无法打开INI文件："))) << missing.error().toStdString();
    EXPECT_EQ(missing.value("1", "mbdx"), "");

    // Bytes that are no INI at all read as a file without keys, not as an error.
    const IniFile binary = IniFile::fromGbkFile(dir.write("b.ini", QByteArray("\x00\xFF\x81\n=\n[", 7)));
    EXPECT_TRUE(binary.error().isEmpty());
    EXPECT_FALSE(binary.contains("1", "mbdx"));
}

}  // namespace
