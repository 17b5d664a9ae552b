#include <gtest/gtest.h>

#include <QLocale>
#include <clocale>
#include <optional>

#include "platform/base/VbError.h"
#include "platform/text/VbConv.h"

namespace {

TEST(VbFormat, NumberPatterns) {
    struct Case {
        double value;
        const char* pattern;
        const char* expected;
        const char* what;
    } cases[] = {
        {80026, "###,###", "80,026", "grouping"},
        {0, "###,###", "", "zero shows no digit"},
        {0.4, "###,###", "", "rounds to zero"},
        {0.5, "###,###", "1", "half rounds away from zero"},
        {2.5, "###,###", "3", "half away from zero, not to even"},
        {80.026, "###,###", "80", "a size quotient"},
        {999.5, "###,###", "1,000", "carry into a new group"},
        {1234567890, "###,###", "1,234,567,890", "more digits than places"},
        {1e20, "###,###", "100,000,000,000,000,000,000", "past 64 bits"},
        {1024, "###,###,###", "1,024", "drive size"},
        {0, "###,###,###", "", "drive size zero"},
        {-1234, "###,###", "-1,234", "negative"},
        {-0.4, "###,###", "", "negative rounding to zero has no sign"},
        {0.49999999999999994, "###,###", "1", "just below a half: its 15 digits are a half"},
        {1.4999999999999998, "#,##0", "2", "just below a half, above one"},
        {2.5000000000000004, "#,##0", "3", "just above a half"},
        {523.76, "###,###", "524", "a size in MB"},
        {42, "000,000", "000,042", "zero places pad, then group"},
        {-42.4, "#,##0", "-42", "negative whole places"},
        {-0.4, "#,##0", "0", "a zero place, no sign"},
        {9999999999999.4, "###,###", "9,999,999,999,999", "thirteen digits"},
        {123456789012345.0, "###,###", "123,456,789,012,345", "fifteen digits"},
        {5, "00", "05", "zero places pad"},
        {123, "0", "123", "plain"},
        {0, "#,##0", "0", "a zero place shows zero"},
        {1234.5678, "#,##0.00", "1,234.57", "decimals"},
        {1.005, "0.00", "1.01", "rounds on 15 significant digits"},
        {2.5, "0.0#", "2.5", "optional decimal place"},
        {5, "#.##", "5.", "the point stays"},
        {0.5, "0.0%", "50.0%", "percent"},
        {1234567, "#,,", "1", "commas before the end scale by 1000"},
        {1234567, "000-0000", "123-4567", "literal between places"},
        {5, "\\$0", "$5", "escaped literal"},
        {5, "0\"個\"", "5個", "quoted literal"},
        {-5, "0;(0)", "(5)", "negative section"},
        {0, "0;-0;\"なし\"", "なし", "zero section"},
        {0.2, "0;-0;\"なし\"", "なし", "zero as shown"},
        {1234.5, "", "1234.5", "empty pattern"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vb::Format(c.value, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.expected))
            << c.what << ": Format(" << c.value << ", \"" << c.pattern << "\")";
}

TEST(VbFormat, IgnoresTheProcessLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char* cLocale = std::setlocale(LC_ALL, nullptr);
    const std::string savedC = cLocale ? cLocale : "C";
    std::setlocale(LC_ALL, "de_DE.UTF-8");  // may not exist here; the Qt default alone is a test too
    EXPECT_EQ(vb::Format(1234.5, "#,##0.00"), "1,234.50");
    EXPECT_EQ(vb::numberText(0.5), "0.5");
    EXPECT_DOUBLE_EQ(vb::CDbl("1,234.5"), 1234.5);
    EXPECT_EQ(vb::Format(QDateTime(QDate(2005, 4, 1), QTime(0, 0)), "Long Date"), QStringLiteral("2005年4月1日"));
    std::setlocale(LC_ALL, savedC.c_str());
    QLocale::setDefault(saved);
}

TEST(VbNumberText, WritesNumbersAsCStrDoes) {
    struct Case {
        double value;
        const char* expected;
    } cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {0.5, "0.5"},
        {-0.5, "-0.5"},
        {80026, "80026"},
        {1234.5, "1234.5"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {1.5e20, "1.5E+20"},
        {-1e100, "-1E+100"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {2147483647.0, "2147483647"},
    };
    for (const auto& c : cases) EXPECT_EQ(vb::numberText(c.value), c.expected) << c.value;
}

TEST(VbDateText, DateWithTimeOnlyWhenThereIsOne) {
    EXPECT_EQ(vb::dateText(QDateTime(QDate(2005, 12, 4), QTime(0, 0))), "2005/12/04");
    EXPECT_EQ(vb::dateText(QDateTime(QDate(2005, 12, 4), QTime(9, 5, 7))), "2005/12/04 9:05:07");
    EXPECT_EQ(vb::dateText(QDateTime(QDate(2005, 1, 2), QTime(23, 59, 59))), "2005/01/02 23:59:59");
    EXPECT_EQ(vb::dateText(QDateTime(QDate(1899, 12, 30), QTime(13, 0))), "13:00:00");  // a time alone
    EXPECT_EQ(vb::dateText(QDateTime()), "");
}

TEST(VbFormat, DatePatterns) {
    const QDateTime v(QDate(2005, 4, 1), QTime(9, 5, 7));
    struct Case {
        const char* pattern;
        const char* expected;
    } cases[] = {
        {"yyyy/mm/dd", "2005/04/01"},
        {"yyyy/mm/dd hh:nn:ss", "2005/04/01 09:05:07"},
        {"yyyy/mm/dd h:mm:ss", "2005/04/01 9:05:07"},  // m after an hour is minutes
        {"yyyy年m月d日", "2005年4月1日"},
        {"yy/m/d", "05/4/1"},
        {"YYYY/MM/DD", "2005/04/01"},
        {"\"日付:\"yyyy", "日付:2005"},
        {"Short Date", "2005/04/01"},
        {"Long Date", "2005年4月1日"},
        {"General Date", "2005/04/01 9:05:07"},
        {"Short Time", "09:05"},
        {"Long Time", "9:05:07"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vb::Format(v, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.expected)) << c.pattern;
}

TEST(VbCDate, AcceptsTheJapaneseFormsStrictly) {
    struct Case {
        const char* text;
        std::optional<QDateTime> expected;
    } cases[] = {
        {"2005/12/04", QDateTime(QDate(2005, 12, 4), QTime(0, 0))},
        {"2005-12-04", QDateTime(QDate(2005, 12, 4), QTime(0, 0))},
        {"2005/1/4", QDateTime(QDate(2005, 1, 4), QTime(0, 0))},
        {" 2005/12/04 ", QDateTime(QDate(2005, 12, 4), QTime(0, 0))},
        {"2005/12/04 9:05", QDateTime(QDate(2005, 12, 4), QTime(9, 5))},
        {"2005/12/04 09:05:07", QDateTime(QDate(2005, 12, 4), QTime(9, 5, 7))},
        {"2005年12月4日", QDateTime(QDate(2005, 12, 4), QTime(0, 0))},
        {"9:05:07", QDateTime(QDate(1899, 12, 30), QTime(9, 5, 7))},
        {"05/12/04", QDateTime(QDate(2005, 12, 4), QTime(0, 0))},
        {"29/01/01", QDateTime(QDate(2029, 1, 1), QTime(0, 0))},
        {"30/01/01", QDateTime(QDate(1930, 1, 1), QTime(0, 0))},
        {"2004/02/29", QDateTime(QDate(2004, 2, 29), QTime(0, 0))},
        {"2005/02/29", std::nullopt},
        {"2005/02/31", std::nullopt},
        {"2005/13/01", std::nullopt},
        {"2005/00/01", std::nullopt},
        {"2005/12/32", std::nullopt},
        {"2005/12-04", std::nullopt},
        {"2005/12/04 25:00", std::nullopt},
        {"2005/12/04 9:60", std::nullopt},
        {"2005/12", std::nullopt},
        {"12/04", std::nullopt},
        {"0099/01/01", std::nullopt},
        {"2005/12/4x", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(vb::IsDate(text), c.expected.has_value()) << c.text;
        if (c.expected) {
            EXPECT_EQ(vb::CDate(text), *c.expected) << c.text;
        } else {
            try {
                (void)vb::CDate(text);
                ADD_FAILURE() << "CDate(\"" << c.text << "\") raised nothing";
            } catch (const vb::Error& e) {
                EXPECT_EQ(e.number(), 13) << c.text;
            }
        }
    }
}

TEST(VbCDate, RoundTripsThroughDateText) {
    for (const char* t : {"2005/12/04", "2005/12/04 9:05:07", "13:00:00"}) EXPECT_EQ(vb::dateText(vb::CDate(t)), t);
}

}  // namespace
