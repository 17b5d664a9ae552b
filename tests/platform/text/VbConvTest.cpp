#include <gtest/gtest.h>

#include <QStringList>
#include <chrono>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "platform/base/VbError.h"
#include "platform/text/VbConv.h"

namespace {

// The VB error number a call raises, or nullopt when it returns.
template <typename F>
std::optional<long> errorOf(F&& f) {
    try {
        (void)f();
    } catch (const vb::Error& e) {
        return e.number();
    }
    return std::nullopt;
}

constexpr long kOverflow = 6;
constexpr long kMismatch = 13;

struct IntCase {
    const char* text;
    qint64 expected;  // ignored when error is set
    std::optional<long> error;
};

TEST(VbCInt, TextConversionFollowsVbRules) {
    const IntCase cases[] = {
        {"12", 12, {}},
        {" 12 ", 12, {}},
        {"\t-7\t", -7, {}},
        {"+5", 5, {}},
        {"007", 7, {}},
        {"-0", 0, {}},
        // a fraction rounds half to even, on the digits as written
        {"2.5", 2, {}},
        {"3.5", 4, {}},
        {"-2.5", -2, {}},
        {"-3.5", -4, {}},
        {"0.5", 0, {}},
        {"1.5", 2, {}},
        {"2.4", 2, {}},
        {"2.6", 3, {}},
        {"2.50000000000000000001", 3, {}},  // a double would make this 2.5 and round it down
        {".5", 0, {}},
        {"5.", 5, {}},
        // the range, checked after rounding
        {"32767", 32767, {}},
        {"32767.4", 32767, {}},
        {"32767.5", 0, kOverflow},
        {"-32768", -32768, {}},
        {"-32768.5", -32768, {}},
        {"-32769", 0, kOverflow},
        {"99999999999999999999999", 0, kOverflow},
        // accepted: thousands separators after the first digit, exponents
        {"1,234", 1234, {}},
        {"1,2", 12, {}},
        {"12,", 12, {}},
        {"1E3", 1000, {}},
        {"2.5e1", 25, {}},
        {"25e-1", 2, {}},
        {"1e5", 0, kOverflow},
        // not accepted
        {"", 0, kMismatch},
        {"   ", 0, kMismatch},
        {"abc", 0, kMismatch},
        {"12abc", 0, kMismatch},
        {"1 2", 0, kMismatch},
        {"- 5", 0, kMismatch},
        {"5-", 0, kMismatch},
        {"(5)", 0, kMismatch},
        {"&H10", 0, kMismatch},
        {"&O17", 0, kMismatch},
        {",5", 0, kMismatch},
        {"1.2.3", 0, kMismatch},
        {"1.234,5", 0, kMismatch},
        {"+", 0, kMismatch},
        {"-", 0, kMismatch},
        {".", 0, kMismatch},
        {"1e", 0, kMismatch},
        {"e3", 0, kMismatch},
        {"\\100", 0, kMismatch},
        {"１２", 0, kMismatch},  // full-width digits
        {"\u30001", 0, kMismatch},
    };
    for (const auto& c : cases) {
        const auto err = errorOf([&] { return vb::CInt(QString::fromUtf8(c.text)); });
        EXPECT_EQ(err, c.error) << "CInt(\"" << c.text << "\")";
        if (!c.error && !err) {
            EXPECT_EQ(vb::CInt(QString::fromUtf8(c.text)), c.expected) << c.text;
        }
    }
}

TEST(VbCLng, TextConversionUses32BitRange) {
    const IntCase cases[] = {
        {"14835", 14835, {}},
        {"80,026", 80026, {}},
        {"2147483647", 2147483647, {}},
        {"2147483647.5", 0, kOverflow},
        {"2147483648", 0, kOverflow},
        {"-2147483648", std::numeric_limits<qint32>::min(), {}},
        {"-2147483648.5", std::numeric_limits<qint32>::min(), {}},
        {"-2147483649", 0, kOverflow},
        {"40000", 40000, {}},
        {"6.5", 6, {}},
        {"7.5", 8, {}},
        {"x", 0, kMismatch},
        {"", 0, kMismatch},
    };
    for (const auto& c : cases) {
        const auto err = errorOf([&] { return vb::CLng(QString::fromUtf8(c.text)); });
        EXPECT_EQ(err, c.error) << "CLng(\"" << c.text << "\")";
        if (!c.error && !err) {
            EXPECT_EQ(vb::CLng(QString::fromUtf8(c.text)), c.expected) << c.text;
        }
    }
}

// A typed whole number: digits with a sign and blanks around; anything else is "abc" to the caller.
TEST(VbCIntWhole, TakesDigitsOnlyAndRefusesWhatCIntWouldRound) {
    const IntCase cases[] = {
        {"120", 120, {}},
        {" -5 ", -5, {}},
        {"+7", 7, {}},
        {"007", 7, {}},
        {"32767", 32767, {}},
        {"-32768", -32768, {}},
        {"40000", 0, kOverflow},
        {"1.5", 0, kMismatch},
        {"1e2", 0, kMismatch},
        {"1,234", 0, kMismatch},
        {"abc", 0, kMismatch},
        {"", 0, kMismatch},
        {" ", 0, kMismatch},
        {"&H10", 0, kMismatch},
        {"- 5", 0, kMismatch},
        {"\t5", 0, kMismatch},
        {"\xef\xbc\x95", 0, kMismatch},  // a full-width 5
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(errorOf([&] { return vb::CIntWhole(text); }), c.error) << "CIntWhole(\"" << c.text << "\")";
        if (!c.error) {
            EXPECT_EQ(vb::CIntWhole(text), c.expected) << c.text;
        }
        // The same text rule for 32 bits; only the range differs.
        const std::optional<long> longError = c.error == kOverflow ? std::nullopt : c.error;
        EXPECT_EQ(errorOf([&] { return vb::CLngWhole(text); }), longError) << "CLngWhole(\"" << c.text << "\")";
    }
    EXPECT_EQ(vb::CLngWhole("40000"), 40000);
    EXPECT_EQ(errorOf([] { return vb::CLngWhole("2147483648"); }), kOverflow);
}

TEST(VbCDbl, TextConversion) {
    EXPECT_DOUBLE_EQ(vb::CDbl("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(vb::CDbl(" -2.25e2 "), -225.0);
    EXPECT_DOUBLE_EQ(vb::CDbl("1,234.5"), 1234.5);
    EXPECT_DOUBLE_EQ(vb::CDbl("0.1"), 0.1);
    EXPECT_DOUBLE_EQ(vb::CDbl("1e308"), 1e308);
    EXPECT_EQ(vb::CDbl("1e-400"), 0.0);
    EXPECT_EQ(errorOf([] { return vb::CDbl("1e309"); }), kOverflow);
    EXPECT_EQ(errorOf([] { return vb::CDbl("abc"); }), kMismatch);
    EXPECT_EQ(errorOf([] { return vb::CDbl(""); }), kMismatch);
}

TEST(VbCInt, NumberConversionRoundsHalfToEven) {
    EXPECT_EQ(vb::CInt(2.5), 2);
    EXPECT_EQ(vb::CInt(3.5), 4);
    EXPECT_EQ(vb::CInt(-0.5), 0);
    EXPECT_EQ(vb::CInt(-1.5), -2);
    EXPECT_EQ(vb::CInt(32767.4), 32767);
    EXPECT_EQ(errorOf([] { return vb::CInt(32767.5); }), kOverflow);
    EXPECT_EQ(errorOf([] { return vb::CInt(std::nan("")); }), kOverflow);
    EXPECT_EQ(vb::CLng(2147483646.5), 2147483646);
    EXPECT_EQ(errorOf([] { return vb::CLng(2147483647.5); }), kOverflow);
    EXPECT_EQ(errorOf([] { return vb::CLng(1e300); }), kOverflow);
}

TEST(VbInt16, ArithmeticRaisesOverflowInsteadOfWrapping) {
    EXPECT_EQ(vb::addInt16(32766, 1), 32767);
    EXPECT_EQ(vb::addInt16(100, 200), 300);
    EXPECT_EQ(vb::addInt16(-32767, -1), -32768);
    EXPECT_EQ(errorOf([] { return vb::addInt16(32767, 1); }), kOverflow);
    EXPECT_EQ(errorOf([] { return vb::addInt16(-32768, -1); }), kOverflow);
    EXPECT_EQ(errorOf([] { return vb::toInt16(32768); }), kOverflow);
    EXPECT_EQ(vb::toInt16(-32768), -32768);
    EXPECT_EQ(errorOf([] { return vb::toInt32(2147483648LL); }), kOverflow);
    EXPECT_EQ(vb::toInt32(-2147483648LL), std::numeric_limits<qint32>::min());
}

TEST(VbConversions, ErrorsCarryTheJapaneseDescription) {
    try {
        (void)vb::CInt("x");
        FAIL() << "no error";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.description(), QStringLiteral("型が一致しません。"));
    }
    try {
        (void)vb::CInt("40000");
        FAIL() << "no error";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.description(), QStringLiteral("オーバーフローしました。"));
    }
}

TEST(VbVal, ReadsTheLeadingNumber) {
    struct Case {
        const char* text;
        double expected;
    } cases[] = {
        {"  -12.5abc", -12.5}, {" 2 45 7", 2457},  // blanks are dropped wherever they stand
        {"24 and 57", 24},     {"1,000", 1},      {"", 0},        {"abc", 0},     {"-", 0},
        {".5", 0.5},           {"-.5", -0.5},     {"1.2.3", 1.2}, {"1e3x", 1000}, {"1e", 1},
        {"1D2", 100},          {"5.", 5},         {"&HFF", 255},  {"&HFFFF", -1}, {"&H10000", 65536},
        {"&HFFFFFFFF", -1},    {"&O17", 15},      {"&17", 15},    {"&Hxyz", 0},   {"\t7\n", 7},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(vb::Val(QString::fromUtf8(c.text)), c.expected) << c.text;
    EXPECT_EQ(errorOf([] { return vb::Val("1e400"); }), kOverflow);
}

TEST(VbIsNumeric, AgreesWithCDbl) {
    for (const char* yes : {"12", " 1,234.5 ", "1E3", "-0.5", ".5"}) EXPECT_TRUE(vb::IsNumeric(yes)) << yes;
    for (const char* no : {"", " ", "abc", "&H10", "1e999", "12a", "1 2"}) EXPECT_FALSE(vb::IsNumeric(no)) << no;
}

TEST(VbLike, WildcardsListsAndRanges) {
    struct Case {
        const char* text;
        const char* pattern;
        bool expected;
        const char* what;
    } cases[] = {
        {"abc", "abc", true, "plain"},
        {"abc", "ABC", false, "case counts"},
        {"abc", "ab", false, "the whole text must match"},
        {"abc", "a?c", true, "? one character"},
        {"ac", "a?c", false, "? is never empty"},
        {"abc", "a*", true, "* run"},
        {"a", "a*", true, "* may be empty"},
        {"", "*", true, "* on empty text"},
        {"", "", true, "empty on empty"},
        {"x", "", false, "empty pattern"},
        {"abcabc", "*b*c", true, "backtracking"},
        {"abcabd", "*b*c", false, "backtracking fails"},
        {"a1b", "a#b", true, "# digit"},
        {"axb", "a#b", false, "# no letter"},
        {"a１b", "a#b", false, "# no full-width digit"},
        {"b", "[a-c]", true, "range"},
        {"d", "[a-c]", false, "outside range"},
        {"d", "[!a-c]", true, "negated"},
        {"b", "[!a-c]", false, "negated inside"},
        {"q", "[xqz]", true, "list"},
        {"*", "[*]", true, "* in brackets is itself"},
        {"a", "[*]", false, "[*] is no wildcard"},
        {"?", "[?]", true, "? in brackets"},
        {"#", "[#]", true, "# in brackets"},
        {"[", "[[]", true, "[ in brackets"},
        {"-", "[a-]", true, "- last is itself"},
        {"-", "[-a]", true, "- first is itself"},
        {"]", "]", true, "] outside brackets is itself"},
        {"ab", "a[]b", true, "[] is zero width"},
        {"x", "[!]", true, "[!] is any one character"},
        {"abc", "[abc", false, "unclosed bracket matches nothing"},
        {"[abc", "[abc", false, "unclosed bracket is no literal either"},
        {"b", "[c-a]", false, "a backward range matches nothing"},
        {"表示名", "表*", true, "kanji"},
        {"ｱ", "ア", false, "width counts"},
        {"Ａ", "A", false, "full-width letter is not the ASCII one"},
        {"😀x", "?x", true, "a character outside the BMP is one character"},
        {"Tokyo", "tok*", false, "search word, other case"},
        {"Tokyo", "Tok*", true, "search word"},
        {"PC-012", "PC-#*", true, "search with #"},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*a*c", false, "no blow-up"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vb::Like(QString::fromUtf8(c.text), QString::fromUtf8(c.pattern)), c.expected)
            << c.what << ": \"" << c.text << "\" Like \"" << c.pattern << "\"";
}

TEST(VbTrim, RemovesOnlyTheAsciiBlank) {
    EXPECT_EQ(vb::Trim("  a b  "), "a b");
    EXPECT_EQ(vb::LTrim("  a "), "a ");
    EXPECT_EQ(vb::RTrim(" a  "), " a");
    EXPECT_EQ(vb::Trim("   "), "");
    EXPECT_EQ(vb::Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(vb::Trim(QStringLiteral("\u3000a\u3000")), QStringLiteral("\u3000a\u3000"));
}

TEST(VbSqlQuote, DoublesEveryApostrophe) {
    EXPECT_EQ(vb::sqlQuote("O'Brien"), "O''Brien");
    EXPECT_EQ(vb::sqlQuote("''"), "''''");
    EXPECT_EQ(vb::sqlQuote("x' --"), "x'' --");
    EXPECT_EQ(vb::sqlQuote("plain"), "plain");
    EXPECT_EQ(vb::sqlQuote(QStringLiteral("表'示")), QStringLiteral("表''示"));
}

// A text holding a NUL is one cast of its UTF-8 bytes, apostrophes and all, between the caller's apostrophes:
// the same two joins whatever the number and places of its NULs.
TEST(VbSqlQuote, WritesATextHoldingANulAsOneCastOfItsUtf8) {
    const QChar nul(0);
    const struct {
        QString text;
        const char* quoted;
    } cases[] = {
        {QString(nul), "'||CAST(X'00' AS TEXT)||'"},
        {QString("ab") + nul + "c", "'||CAST(X'61620063' AS TEXT)||'"},
        {QString("a") + nul + nul + nul + "'b" + nul, "'||CAST(X'61000000276200' AS TEXT)||'"},
        {QStringLiteral("表") + nul + QChar(0xD83D) + QChar(0xDE00), "'||CAST(X'e8a1a800f09f9880' AS TEXT)||'"},
    };
    for (const auto& c : cases) EXPECT_EQ(vb::sqlQuote(c.text).toStdString(), c.quoted) << c.quoted;
    QString separate;
    for (int i = 0; i < 1000; ++i) separate += QStringLiteral("x") + nul;
    for (const QString& text : {separate, QString(100000, nul)})
        EXPECT_EQ(vb::sqlQuote(text).count(QStringLiteral("||")), 2) << text.size();
}

}  // namespace
