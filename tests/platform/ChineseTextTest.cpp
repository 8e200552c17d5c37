#include "platform/ChineseText.h"

#include <gtest/gtest.h>

namespace {
QString U(const char* text) { return QString::fromUtf8(text); }

TEST(ChineseText, ConvertsCharacterByCharacterKeepingTheLength) {
    struct Case {
        const char* simplified;
        const char* traditional;
    } cases[] = {
        {"春风吹过", "春風吹過"},
        // Character by character, never by phrase: 头发 keeps two characters.
        {"头发", "頭發"},
        {"Love 爱你 2026!", "Love 愛你 2026!"},
        {"", ""},
    };
    for (const Case& c : cases) {
        const QString traditional = ToTraditional(U(c.simplified));
        EXPECT_EQ(traditional, U(c.traditional)) << c.simplified;
        EXPECT_EQ(traditional.size(), U(c.simplified).size()) << c.simplified;
        EXPECT_EQ(ToSimplified(U(c.traditional)), U(c.simplified)) << c.traditional;
    }
    EXPECT_TRUE(ChineseTextError().isEmpty()) << ChineseTextError().toStdString();
}

TEST(ChineseText, LeavesCharactersOutsideTheBasicPlaneAndLoneSurrogatesAlone) {
    const QString text = U("春😀") + QChar(0xD800) + U("风");
    const QString traditional = ToTraditional(text);
    EXPECT_EQ(traditional.size(), text.size());
    EXPECT_EQ(traditional, U("春😀") + QChar(0xD800) + U("風"));
}
}  // namespace
