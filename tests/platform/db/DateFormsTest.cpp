// Dates as the recordset reads and shows them: the stored form read without the general rule, every other
// text through it, and a date's text as CStr gives it.
#include <gtest/gtest.h>

#include <optional>

#include "platform/db/Ado.h"
#include "platform/db/SqliteSupport.h"

namespace {

using ado::detail::parseCanonicalDate;
using ado::detail::parseJetDate;

struct DateCase {
    const char* text;
    std::optional<QDateTime> expected;  // nullopt: no date
    bool storedForm;                    // read by the stored form's own reader
};

QDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) { return {QDate(y, mo, d), QTime(h, mi, s)}; }

TEST(DateForms, TheStoredFormReadsAsTheGeneralRuleReadsIt) {
    const DateCase cases[] = {
        {"2005-04-01 00:00:00", at(2005, 4, 1), true},
        {"2006-01-02 09:05:03", at(2006, 1, 2, 9, 5, 3), true},
        {"0100-01-01 00:00:00", at(100, 1, 1), true},
        {"9999-12-31 23:59:59", at(9999, 12, 31, 23, 59, 59), true},
        // The stored shape without a Jet date: none by either reader.
        {"0099-12-31 00:00:00", std::nullopt, false},
        {"2005-02-29 00:00:00", std::nullopt, false},
        {"2005-13-01 00:00:00", std::nullopt, false},
        {"2005-04-01 24:00:00", std::nullopt, false},
        {"2005-04-01 12:60:00", std::nullopt, false},
        // Other forms: the general rule only.
        {"2005/04/01 00:00:00", at(2005, 4, 1), false},
        {" 2005-04-01 00:00:00", at(2005, 4, 1), false},
        {"2005-04-01 00:00:00 ", at(2005, 4, 1), false},
        {"2005-04-01T09:05:03", at(2005, 4, 1, 9, 5, 3), false},
        {"2005-4-1 9:05", at(2005, 4, 1, 9, 5), false},
        {"05-04-01", at(2005, 4, 1), false},
        {"9:05:03", at(1899, 12, 30, 9, 5, 3), false},
        {"2005-04-01 00:00:0x", std::nullopt, false},
        {"2005-04-01+00:00:00", std::nullopt, false},
        {"", std::nullopt, false},
    };
    for (const DateCase& c : cases) {
        const QByteArray utf8(c.text);
        EXPECT_EQ(parseJetDate(QString::fromUtf8(utf8)), c.expected) << c.text;
        EXPECT_EQ(parseCanonicalDate(utf8.constData(), utf8.size()), c.storedForm ? c.expected : std::nullopt)
            << c.text;
    }
}

TEST(DateForms, ADateShowsAsCStrShowsIt) {
    const struct {
        QDateTime value;
        const char* text;
    } cases[] = {
        {at(2005, 4, 1), "2005/04/01"},
        {at(2006, 1, 2, 9, 5, 3), "2006/01/02 9:05:03"},
        {at(2006, 1, 2, 23, 59, 59), "2006/01/02 23:59:59"},
        {at(2006, 1, 2, 0, 0, 1), "2006/01/02 0:00:01"},
        {at(1899, 12, 30, 9, 5, 3), "9:05:03"},  // a time alone
        {at(1899, 12, 30), "1899/12/30"},
        {at(100, 1, 1), "0100/01/01"},
    };
    for (const auto& c : cases) EXPECT_EQ(ado::Value(c.value).toText(), QString::fromUtf8(c.text)) << c.text;

    // Across Jet's range, the text is the one the date and time formats give.
    for (int y = 100; y <= 9999; y += 97)
        for (int step = 0; step < 5; ++step) {
            const QDateTime v(QDate(y, 1 + (y + step) % 12, 1 + (y * 7 + step) % 28),
                              QTime((y + step * 5) % 24, (y * 3) % 60, (step * 13) % 60));
            QString expected = v.date().toString(QStringLiteral("yyyy/MM/dd"));
            if (v.time() != QTime(0, 0)) expected += u' ' + v.time().toString(QStringLiteral("H:mm:ss"));
            EXPECT_EQ(ado::Value(v).toText(), expected) << qPrintable(expected);
        }

    // An invalid date keeps the general formatting's text: nothing, not zeros.
    EXPECT_EQ(ado::Value(QDateTime(QDate(), QTime(9, 5, 3))).toText(),
              QDate().toString(QStringLiteral("yyyy/MM/dd")) + u' ' + QStringLiteral("9:05:03"));
}

}  // namespace
