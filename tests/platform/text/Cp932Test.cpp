#include <gtest/gtest.h>

#include "platform/text/Cp932.h"

namespace {

QByteArray hex(const char* h) { return QByteArray::fromHex(h); }

struct RoundTrip {
    const char* what;
    QString text;
    const char* bytes;
};

class Cp932RoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(Cp932RoundTrip, EncodesAndDecodesBackUnchanged) {
    const RoundTrip& c = GetParam();
    EXPECT_EQ(cp932::encode(c.text).toHex(), hex(c.bytes).toHex()) << c.what;
    bool ok = false;
    EXPECT_EQ(cp932::decode(hex(c.bytes), &ok), c.text) << c.what;
    EXPECT_TRUE(ok) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Cp932RoundTrip,
    ::testing::Values(RoundTrip{"ASCII", QStringLiteral("abc 123"), "61626320313233"},
                      RoundTrip{"backslash stays a backslash, not the yen sign", QStringLiteral("C:\\dir\\"),
                                "433a5c6469725c"},
                      RoundTrip{"tilde stays a tilde, not the overline", QStringLiteral("~"), "7e"},
                      RoundTrip{"kanji whose trail byte is 0x5C", QStringLiteral("表ソ十能予"), "955c835c8f5c945c975c"},
                      RoundTrip{"0x5C trail kanji next to a real backslash", QStringLiteral("表\\"), "955c5c"},
                      RoundTrip{"half-width katakana take one byte", QStringLiteral("ｱｲｳ"), "b1b2b3"},
                      RoundTrip{"hiragana and kanji", QStringLiteral("設置場所"), "90dd92758fea8f8a"},
                      RoundTrip{"Windows forms of the dashes and tilde", QStringLiteral("～―－∥"), "8160815c817c8161"},
                      RoundTrip{"NEC special row (circled digits)", QStringLiteral("①Ⅰ"), "87408754"},
                      RoundTrip{"IBM extension kanji", QStringLiteral("髙纊ⅰ"), "fbfcfa5cfa40"},
                      RoundTrip{"ideographic space", QStringLiteral("\u3000"), "8140"},
                      RoundTrip{"empty text", QString(), ""}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(Cp932, UnmappableCharactersBecomeOneQuestionMarkEach) {
    struct Case {
        const char* what;
        QString text;
        QByteArray expected;
    } cases[] = {
        {"euro sign", QStringLiteral("a€b"), "a?b"},
        {"accented Latin letter", QStringLiteral("café"), "caf?"},
        {"a character outside the BMP counts once", QStringLiteral("x😀y"), "x?y"},
        {"a lone surrogate", QString(QChar(0xD800)) + QStringLiteral("z"), "?z"},
        {"several in a row, kanji after them intact", QStringLiteral("€€表"), QByteArray("??") + hex("955c")},
    };
    for (const auto& c : cases) EXPECT_EQ(cp932::encode(c.text), c.expected) << c.what;
}

TEST(Cp932, SignsWindowsFoldsOntoAsciiEncodeAsAscii) {
    // What Windows' best-fit mapping also does: U+00A5 and U+203E go to the ASCII bytes they share.
    EXPECT_EQ(cp932::encode(QStringLiteral("¥‾")), QByteArray("\\~"));
    EXPECT_EQ(cp932::encode(QStringLiteral("〜")), hex("8160"));  // WAVE DASH written as Windows' tilde
}

TEST(Cp932, BytesThatAreNoCp932DecodeToReplacementAndReportIt) {
    struct Case {
        const char* what;
        QByteArray bytes;
        QString expected;
    } cases[] = {
        {"lead byte cut off at the end", QByteArray("a") + hex("95"), QStringLiteral("a\uFFFD")},
        {"byte 0xA0", QByteArray("x") + hex("a0") + "y", QStringLiteral("x\uFFFDy")},
        {"byte 0xFD", hex("fd") + hex("955c"), QStringLiteral("\uFFFD表")},
    };
    for (const auto& c : cases) {
        bool ok = true;
        EXPECT_EQ(cp932::decode(c.bytes, &ok), c.expected) << c.what;
        EXPECT_FALSE(ok) << c.what;
    }
}

TEST(Cp932, LongTextsConvertWhole) {
    QString text;
    for (int i = 0; i < 5000; ++i) text += QStringLiteral("表a");
    const QByteArray bytes = cp932::encode(text);
    EXPECT_EQ(bytes.size(), 15000);
    EXPECT_EQ(cp932::decode(bytes), text);
}

TEST(Cp932, ByteLengthCountsCodePageBytes) {
    EXPECT_EQ(cp932::byteLength(QString()), 0);
    EXPECT_EQ(cp932::byteLength(QStringLiteral("abc")), 3);
    EXPECT_EQ(cp932::byteLength(QStringLiteral("漢字表")), 6);
    EXPECT_EQ(cp932::byteLength(QStringLiteral("ｱｲ")), 2);
    EXPECT_EQ(cp932::byteLength(QStringLiteral("€")), 1);  // written as "?"
}

TEST(Cp932, LeftBytesNeverSplitsACharacter) {
    struct Case {
        const char* what;
        QString text;
        int max;
        QString expected;
    } cases[] = {
        {"fits whole", QStringLiteral("abc"), 3, QStringLiteral("abc")},
        {"ASCII cut", QStringLiteral("abcdef"), 4, QStringLiteral("abcd")},
        {"kanji would straddle the limit", QStringLiteral("a表表"), 4, QStringLiteral("a表")},
        {"kanji exactly at the limit", QStringLiteral("a表表"), 5, QStringLiteral("a表表")},
        {"half-width katakana count one", QStringLiteral("ｱｲｳｴ"), 3, QStringLiteral("ｱｲｳ")},
        {"a pair outside the BMP counts as one '?'", QStringLiteral("😀ab"), 2, QStringLiteral("😀a")},
        {"zero bytes", QStringLiteral("abc"), 0, QString()},
    };
    for (const auto& c : cases) EXPECT_EQ(cp932::leftBytes(c.text, c.max), c.expected) << c.what;
}

}  // namespace
