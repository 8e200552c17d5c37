#include "platform/GbkText.h"

#include <gtest/gtest.h>

TEST(GbkText, RoundTripsChineseText) {
    const QString text = QString::fromUtf8("模板名称=春日花园 l_u_m_r_s_y_l_x");
    const QByteArray gbk = EncodeGbk(text);
    EXPECT_EQ(gbk.left(8), QByteArray("\xC4\xA3\xB0\xE5\xC3\xFB\xB3\xC6"));  // 模板名称
    EXPECT_EQ(DecodeGbk(gbk), text);
}

TEST(GbkText, ReplacesWhatItCannotConvertAndGoesOn) {
    // A lead byte without a trail byte, in the middle and at the end, and a character GBK
    // has no code for.
    EXPECT_EQ(DecodeGbk(QByteArray("ab\x81 cd")), QString::fromUtf8("ab\uFFFD cd"));
    EXPECT_EQ(DecodeGbk(QByteArray("ab\x81")), QString::fromUtf8("ab\uFFFD"));
    EXPECT_EQ(EncodeGbk(QString::fromUtf8("春😀天")), QByteArray("\xB4\xBA?\xCC\xEC"));
}

TEST(DecodeTextFile, ReadsEveryEncodingLyricsComeIn) {
    const QString text = QString::fromUtf8("[00:01.00]春风");
    QByteArray utf16le("\xFF\xFE");
    for (QChar c : text) utf16le.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
    QByteArray utf16be("\xFE\xFF");
    for (QChar c : text) utf16be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
    struct Case {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"GBK", EncodeGbk(text)},
        {"UTF-8", text.toUtf8()},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + text.toUtf8()},
        {"UTF-16LE with BOM", utf16le},
        {"UTF-16BE with BOM", utf16be},
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeTextFile(c.bytes), text) << c.what;
}

TEST(DecodeTextFile, AByteOrderMarkDecidesOnlyWhenTheRestIsValid) {
    // GBK text behind bytes that look like a mark: UTF-8's mark before bytes that are no
    // UTF-8, and UTF-16's mark before an odd number of bytes.
    const QByteArray gbk = EncodeGbk(QString::fromUtf8("春风"));
    const QByteArray cases[] = {
        QByteArray("\xEF\xBB\xBF") + gbk,
        QByteArray("\xFF\xFE") + gbk + "a",
        QByteArray("\xFE\xFF") + gbk + "a",
    };
    for (const QByteArray& bytes : cases) EXPECT_EQ(DecodeTextFile(bytes), DecodeGbk(bytes)) << bytes.toHex().constData();
}
