#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>

#include "core/Mdl_IP.h"
#include "core/Mdl_Sub.h"

namespace {

TEST(MdlSub, GetNumericReadsTheDigitsInTheirOrder) {
    struct Case {
        const char* text;
        qint32 expected;
    } cases[] = {
        {"", 0},
        {"GB", 0},
        {"0", 0},
        {"40 GB", 40},
        {"1,024 MB", 1024},
        {"1.5", 15},
        {"-3", 3},
        {"007", 7},
        {"12 34", 1234},
        {"１２3", 3},  // full-width digits are skipped
        {"2147483647", 2147483647},
        {"2147483648", 147483648},   // the leading 2 would pass the limit and is skipped
        {"12345678901", 345678901},  // last ten digits too large: the last nine
        {"1000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "000000000000000000000000000000005",
         5},  // a place value past the double range adds nothing
    };
    for (const auto& c : cases) EXPECT_EQ(fnc_Get_Numeric(QString::fromUtf8(c.text)), c.expected) << c.text;
}

TEST(MdlSub, LenBAnsiCountsCp932Bytes) {
    EXPECT_EQ(fnc_LenB_Ansi("abc"), 3);
    EXPECT_EQ(fnc_LenB_Ansi(QStringLiteral("漢字表")), 6);
    EXPECT_EQ(fnc_LenB_Ansi(QStringLiteral("ｱｲｳ")), 3);
    EXPECT_EQ(fnc_LenB_Ansi(QStringLiteral("Office 表計算")), 13);
    EXPECT_EQ(fnc_LenB_Ansi(QString()), 0);
}

TEST(MdlSub, FocusColourPaintsTheInputBackground) {
    QLineEdit box;
    const QColor before = box.palette().color(QPalette::Base);
    for (qint16 mode : {0, 3, -1}) {
        sub_Focus_Color(&box, mode);
        EXPECT_EQ(box.palette().color(QPalette::Base), before) << "mode " << mode;
    }
    sub_Focus_Color(&box, 1);
    EXPECT_EQ(box.palette().color(QPalette::Base), QColor(128, 255, 255));
    sub_Focus_Color(&box, 3);
    EXPECT_EQ(box.palette().color(QPalette::Base), QColor(128, 255, 255));
    sub_Focus_Color(&box, 2);
    EXPECT_EQ(box.palette().color(QPalette::Base), QColor(255, 255, 255));

    QComboBox combo;
    combo.setEditable(true);
    sub_Focus_Color(&combo, 1);
    EXPECT_EQ(combo.palette().color(QPalette::Base), QColor(128, 255, 255));

    sub_Focus_Color(nullptr, 1);  // no control: nothing happens
}

TEST(MdlIP, Hex2PadsOneCharacterOnly) {
    EXPECT_EQ(fnc_Hex2(""), "");
    EXPECT_EQ(fnc_Hex2("7"), "07");
    EXPECT_EQ(fnc_Hex2("A"), "0A");
    EXPECT_EQ(fnc_Hex2("FF"), "FF");
    EXPECT_EQ(fnc_Hex2("123"), "123");
}

TEST(MdlIP, AddressKeyAsGlibcInetAddrReadsIt) {
    struct Case {
        const char* text;
        const char* key;
        const char* what;
    } cases[] = {
        {"", "", "empty text"},
        {"192.168.1.10", "C0A8010A", "dotted quad"},
        {"10.0.0.1", "0A000001", "leading zero of each octet kept"},
        {"1.2.3.4", "01020304", "one-digit octets"},
        {"0.0.0.0", "00000000", "zero"},
        {"255.255.255.255", "FFFFFFFF", "all ones"},
        {"abc", "FFFFFFFF", "no address"},
        {"10.1", "0A000001", "short form a.b"},
        {"127.1", "7F000001", "short form a.b"},
        {"1.2.3", "01020003", "short form a.b.c"},
        {"1", "00000001", "one number"},
        {"192.168.01.010", "C0A80108", "octal octets"},
        {"010.0.0.1", "08000001", "octal first octet"},
        {"0x7f.1", "7F000001", "hexadecimal"},
        {"1.2.3.4 xyz", "01020304", "text after a blank ignored"},
        {"1.2.3.4\txyz", "01020304", "text after a tab ignored"},
        {"1.2.3.4x", "FFFFFFFF", "text right after the address"},
        {" 1.2.3.4", "FFFFFFFF", "a blank before the address"},
        {"256.1.1.1", "FFFFFFFF", "octet too large"},
        {"1.2.3.256", "FFFFFFFF", "last octet too large"},
        {"08.1.1.1", "FFFFFFFF", "8 is no octal digit"},
        {"1.2.3.4.5", "FFFFFFFF", "five parts"},
        {"1..2.3", "FFFFFFFF", "empty part"},
        {"1.2.3.", "FFFFFFFF", "trailing point"},
        {"１.２.３.４", "FFFFFFFF", "full-width digits"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fnc_IP_To_Hex(QString::fromUtf8(c.text)), QString::fromLatin1(c.key)) << c.what << ": " << c.text;
}

}  // namespace
