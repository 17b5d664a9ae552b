#include <gtest/gtest.h>

#include <QFile>

#include "core/Mdl_gData.h"
#include "core/mdl_ini.h"
#include "platform/base/VbError.h"
#include "platform/text/Cp932.h"
#include "platform/ui/Dialogs.h"
#include "tests/support/AppFolder.h"

namespace {

using std::nullopt;

const QString kIniFailed = QStringLiteral("iniファイル書き込み失敗");

class MdlIni : public ::testing::Test {
protected:
    testsupport::AppFolder folder{false};
    QString ini = folder.file("DB.ini");

    void SetUp() override {
        resetGlobals();
        testsupport::armDialogScript();
    }
    void TearDown() override {
        QFile::setPermissions(ini, QFile::ReadOwner | QFile::WriteOwner);
        testsupport::checkDialogScript();
        resetGlobals();
    }

    void put(const QByteArray& bytes) {
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    [[nodiscard]] QByteArray bytes() const {
        QFile f(ini);
        if (!f.open(QIODevice::ReadOnly)) return "<no file>";
        return f.readAll();
    }
    void makeReadOnly() { ASSERT_TRUE(QFile::setPermissions(ini, QFile::ReadOwner | QFile::ReadGroup)); }
    [[nodiscard]] static int iniFailedBoxes() {
        int n = 0;
        for (const auto& s : ui::script::shown()) {
            if (s.kind != ui::script::Shown::Kind::MsgBox) continue;
            EXPECT_EQ(s.prompt, kIniFailed);
            EXPECT_EQ(s.buttons, ui::vbOKOnly);
            EXPECT_EQ(s.title, ui::kAppTitle);
            ++n;
        }
        return n;
    }
};

TEST_F(MdlIni, GetReadsTheProgramFoldersDbIni) {
    EXPECT_EQ(fnc_Get_Ini("Main", "FormTop"), "");
    EXPECT_FALSE(QFile::exists(ini));  // reading creates nothing
    put(QByteArray("[Main]\r\nFormTop=120\r\nSectionName0=  ") + cp932::encode(QStringLiteral("営業")) + "  \r\n");
    EXPECT_EQ(fnc_Get_Ini("Main", "FormTop"), "120");
    EXPECT_EQ(fnc_Get_Ini("main", "FORMTOP"), "120");
    EXPECT_EQ(fnc_Get_Ini("Main", "SectionName0"), QStringLiteral("営業"));
    EXPECT_EQ(fnc_Get_Ini("Main", "FormLeft"), "");
}

TEST_F(MdlIni, GetCutsLongValuesAt255Bytes) {
    put(QByteArray("[Main]\r\nSectionName1=") + cp932::encode(QString(130, QChar(0x55B6))) + "\r\n");  // 営 x130
    EXPECT_EQ(fnc_Get_Ini("Main", "SectionName1"), QString(127, QChar(0x55B6)));
}

TEST_F(MdlIni, SetWritesTrimmedValuesAndCreatesTheFile) {
    EXPECT_NE(fnc_Set_Ini("Main", QString("FormTop"), QString("50")), 0);
    EXPECT_NE(fnc_Set_Ini("Main", QString("SectionName0"), QString("  経理  ")), 0);
    EXPECT_NE(fnc_Set_Ini("Main", QString("SectionName1"), QString("   ")), 0);
    EXPECT_EQ(bytes(), QByteArray("[Main]\r\nFormTop=50\r\nSectionName0=") + cp932::encode(QStringLiteral("経理")) +
                           "\r\nSectionName1=\r\n");
    // A name of blanks only is stored empty: the reader's default applies to it.
    EXPECT_EQ(fnc_Get_Ini("Main", "SectionName1"), "");
}

TEST_F(MdlIni, AbsentKeyDeletesTheWholeSection) {
    put("[Main]\r\nSectionNumber=2\r\n\r\n[2]\r\nOptDel=1\r\nMSFlexGrit_Select9=4\r\n");
    EXPECT_NE(fnc_Set_Ini("2", nullopt, QString("ignored")), 0);
    EXPECT_EQ(bytes(), QByteArray("[Main]\r\nSectionNumber=2\r\n\r\n"));
    EXPECT_EQ(fnc_Get_Ini("2", "OptDel"), "");
}

TEST_F(MdlIni, RefusedWriteOutsideACommandShowsTheBoxForEachWrite) {
    put("[Main]\r\nFormTop=50\r\n");
    makeReadOnly();
    ui::script::answerMsgBox(ui::vbOK);
    ui::script::answerMsgBox(ui::vbOK);
    EXPECT_EQ(fnc_Set_Ini("Main", QString("FormTop"), QString("60")), 0);
    EXPECT_EQ(fnc_Set_Ini("Main", QString("FormLeft"), QString("60")), 0);
    EXPECT_EQ(iniFailedBoxes(), 2);
    EXPECT_EQ(fnc_Get_Ini("Main", "FormTop"), "50");
}

TEST_F(MdlIni, RefusedWritesInsideOneCommandShowTheBoxOnce) {
    put("[Main]\r\nFormTop=50\r\n");
    makeReadOnly();
    ui::script::answerMsgBox(ui::vbOK);
    {
        IniCommandScope command;
        EXPECT_FALSE(IniCommandScope::failed());
        EXPECT_EQ(fnc_Set_Ini("Main", QString("FormTop"), QString("1")), 0);
        EXPECT_EQ(fnc_Set_Ini("Main", QString("FormLeft"), QString("2")), 0);
        {
            IniCommandScope nested;  // a helper that opens its own scope still counts as the same command
            EXPECT_EQ(fnc_Set_Ini("Main", QString("FormSizeWidth"), QString("3")), 0);
        }
        EXPECT_EQ(fnc_Set_Ini("Main", QString("FormSizeHight"), QString("4")), 0);
        EXPECT_TRUE(IniCommandScope::failed());
    }
    EXPECT_EQ(iniFailedBoxes(), 1);

    // The next command reports its own failure again.
    ui::script::answerMsgBox(ui::vbOK);
    {
        IniCommandScope command;
        EXPECT_FALSE(IniCommandScope::failed());
        EXPECT_EQ(fnc_Set_Ini("2", nullopt, nullopt), 0);
        EXPECT_EQ(fnc_Set_Ini("2", QString("OptDel"), QString("0")), 0);
    }
    EXPECT_EQ(iniFailedBoxes(), 2);
    EXPECT_EQ(bytes(), QByteArray("[Main]\r\nFormTop=50\r\n"));
}

TEST_F(MdlIni, ReadOnlyFolderWithoutTheFileRefusesTheFirstWrite) {
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    ui::script::answerMsgBox(ui::vbOK);
    {
        IniCommandScope command;
        EXPECT_EQ(fnc_Set_Ini("Main", QString("FormTop"), QString("50")), 0);
        EXPECT_EQ(fnc_Set_Ini("Main", QString("FormLeft"), QString("50")), 0);
    }
    EXPECT_EQ(iniFailedBoxes(), 1);
    EXPECT_FALSE(QFile::exists(ini));
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(MdlIni, SuccessfulWritesInsideACommandShowNothing) {
    IniCommandScope command;
    EXPECT_NE(fnc_Set_Ini("Main", QString("FormTop"), QString("50")), 0);
    EXPECT_NE(fnc_Set_Ini("Main", QString("FormLeft"), QString("60")), 0);
    EXPECT_FALSE(IniCommandScope::failed());
    EXPECT_TRUE(ui::script::shown().empty());
}

// ---- fnc_Read_ViewSetting -------------------------------------------------------------------------

TEST_F(MdlIni, ReadViewSettingWithoutDbIniGivesTheDefaults) {
    gKeyAscDesc = {"ASC", "DESC", "ASC", ""};
    gOptDel = 1;
    gSelectNumber = 2;
    gKeyName = {"a", "b", "c", ""};
    gKeyCaption = {"A", "B", "C", ""};
    fnc_Read_ViewSetting();
    EXPECT_EQ(gOptDel, 0);
    EXPECT_EQ(gSelectNumber, 0);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(gKeyName[k], "") << k;
        EXPECT_EQ(gKeyCaption[k], "") << k;
    }
    EXPECT_EQ(gKeyAscDesc[0], "ASC");  // directions are kept
    EXPECT_EQ(gKeyAscDesc[1], "DESC");
    EXPECT_EQ(gSelColumnCount, 0);
    EXPECT_FALSE(QFile::exists(ini));
}

TEST_F(MdlIni, ReadViewSettingLoadsTheCurrentViewsSection) {
    put(QByteArray("[Main]\r\nSectionNumber=3\r\n\r\n[3]\r\nOptDel=1\r\nSelectNumber=2\r\n"
                   "KeyName0=Location_Name\r\nKeyName1=tbl_Computer_List.Update\r\nKeyName2=\r\n"
                   "KeyCaption0=") +
        cp932::encode(QStringLiteral("設置場所")) +
        "\r\nKeyCaption1=x\r\nKeyCaption2=\r\nKeyASCDESC0=ASC\r\nKeyASCDESC1=DESC\r\nKeyASCDESC2=DESC\r\n"
        "MSFlexGrit_SelectNum=3\r\nMSFlexGrit_Select1=2\r\nMSFlexGrit_Select2=5\r\nMSFlexGrit_Select3=76\r\n");
    gSectionNumber = 3;
    fnc_Read_ViewSetting();
    EXPECT_EQ(gOptDel, 1);
    EXPECT_EQ(gSelectNumber, 2);
    EXPECT_EQ(gKeyName[0], "Location_Name");
    EXPECT_EQ(gKeyName[1], "tbl_Computer_List.Update");
    EXPECT_EQ(gKeyName[2], "");
    EXPECT_EQ(gKeyCaption[0], QStringLiteral("設置場所"));
    EXPECT_EQ(gKeyAscDesc[0], "ASC");
    EXPECT_EQ(gKeyAscDesc[1], "DESC");
    EXPECT_EQ(gKeyAscDesc[2], "DESC");
    EXPECT_EQ(gSelColumnCount, 3);
    EXPECT_EQ(gSelColumn[0], 0);
    EXPECT_EQ(gSelColumn[1], 2);
    EXPECT_EQ(gSelColumn[2], 5);
    EXPECT_EQ(gSelColumn[3], 76);
}

TEST_F(MdlIni, ReadViewSettingEdgeCases) {
    put("[0]\r\nOptDel=\r\nSelectNumber=1\r\nKeyName0=User_Name\r\nKeyASCDESC0=DESC\r\n"
        "MSFlexGrit_SelectNum=3\r\nMSFlexGrit_Select1=4\r\nMSFlexGrit_Select3=9\r\n");

    // An empty "OptDel" is 0; a missing "KeyASCDESC1" keeps the direction held before.
    gOptDel = 1;
    gKeyAscDesc = {"ASC", "ASC", "DESC", ""};
    gSectionNumber = 0;
    fnc_Read_ViewSetting();
    EXPECT_EQ(gOptDel, 0);
    EXPECT_EQ(gKeyAscDesc[0], "DESC");
    EXPECT_EQ(gKeyAscDesc[1], "ASC");
    EXPECT_EQ(gKeyAscDesc[2], "DESC");
    // A missing column key in the middle reads as 0.
    EXPECT_EQ(gSelColumnCount, 3);
    EXPECT_EQ(gSelColumn[1], 4);
    EXPECT_EQ(gSelColumn[2], 0);
    EXPECT_EQ(gSelColumn[3], 9);

    // Switching to a view never saved clears keys and columns (the catalogue is filled by then) but keeps
    // the directions of the view shown before.
    gColumnDefLast = 76;
    gSelColumn[60] = 60;
    gSectionNumber = 5;
    fnc_Read_ViewSetting();
    EXPECT_EQ(gSelectNumber, 0);
    EXPECT_EQ(gKeyName[0], "");
    EXPECT_EQ(gKeyAscDesc[0], "DESC");
    EXPECT_EQ(gSelColumnCount, 0);
    for (int i = 1; i <= 76; ++i) EXPECT_EQ(gSelColumn[i], 0) << i;
}

TEST_F(MdlIni, ReadViewSettingAtStartUpClearsNoColumnsBeforeTheCatalogueExists) {
    put("[0]\r\nMSFlexGrit_SelectNum=1\r\nMSFlexGrit_Select1=4\r\n");
    gColumnDefLast = 0;
    gSelColumn[5] = 9;  // cannot happen at start-up; shows that only gColumnDefLast bounds the clearing
    fnc_Read_ViewSetting();
    EXPECT_EQ(gSelColumn[1], 4);
    EXPECT_EQ(gSelColumn[5], 9);
}

TEST_F(MdlIni, ReadViewSettingRaisesConversionErrorsToTheCaller) {
    struct Case {
        const char* what;
        QByteArray file;
        long error;
    } cases[] = {
        {"OptDel no number", "[0]\r\nOptDel=abc\r\n", vb::errTypeMismatch},
        {"SelectNumber past 16 bits", "[0]\r\nSelectNumber=40000\r\n", vb::errOverflow},
        {"column count no number", "[0]\r\nMSFlexGrit_SelectNum=x\r\n", vb::errTypeMismatch},
        {"column index past 16 bits", "[0]\r\nMSFlexGrit_SelectNum=1\r\nMSFlexGrit_Select1=99999\r\n", vb::errOverflow},
        {"more columns than the list holds", "[0]\r\nMSFlexGrit_SelectNum=300\r\n", vb::errSubscript},
    };
    for (const auto& c : cases) {
        put(c.file);
        resetGlobals();
        try {
            fnc_Read_ViewSetting();
            ADD_FAILURE() << c.what << ": no error";
        } catch (const vb::Error& e) {
            EXPECT_EQ(e.number(), c.error) << c.what;
        }
    }
}

TEST_F(MdlIni, ViewSettingsRoundTripThroughTheSectionRewrite) {
    // What the view window's apply does with a shorter column list: the old keys must not survive.
    put("[Main]\r\nSectionNumber=2\r\n\r\n[2]\r\nMSFlexGrit_SelectNum=3\r\nMSFlexGrit_Select1=1\r\n"
        "MSFlexGrit_Select2=2\r\nMSFlexGrit_Select3=3\r\n");
    {
        IniCommandScope apply;
        EXPECT_NE(fnc_Set_Ini("2", nullopt, nullopt), 0);
        EXPECT_NE(fnc_Set_Ini("2", QString("MSFlexGrit_SelectNum"), QString("1")), 0);
        EXPECT_NE(fnc_Set_Ini("2", QString("MSFlexGrit_Select1"), QString("7")), 0);
    }
    EXPECT_EQ(fnc_Get_Ini("2", "MSFlexGrit_Select3"), "");
    gSectionNumber = 2;
    gColumnDefLast = 76;
    gSelColumn[3] = 3;
    fnc_Read_ViewSetting();
    EXPECT_EQ(gSelColumnCount, 1);
    EXPECT_EQ(gSelColumn[1], 7);
    EXPECT_EQ(gSelColumn[3], 0);
}

}  // namespace
