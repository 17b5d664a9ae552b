// The About box: its texts and layout, the system-information message, OK / Enter / Esc, the web link.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "core/frmAbout.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "tests/core/editors/EditorsFixture.h"

namespace editors {
namespace {

// Stands in for the desktop's browser: records the addresses it is asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class AboutTest : public EditorsTest {
protected:
    AboutTest() { m_openDb = false; }
    frmAbout* open() {
        m_box = static_cast<frmAbout*>(ui::showForm("frmAbout", ui::vbModeless));
        return m_box;
    }
    frmAbout* m_box = nullptr;
};

TEST_F(AboutTest, TextsAndLayout) {
    open();
    ASSERT_NE(m_box, nullptr);
    EXPECT_EQ(m_box->windowTitle(), "Vondariのバージョン情報");
    EXPECT_EQ(m_box->lblTitle->text(), "Vondari");
    EXPECT_EQ(m_box->lblVersion->text(), "バージョン 1.3.9");
    EXPECT_EQ(m_box->lblDescription->text(), "Vondari");
    EXPECT_EQ(m_box->cmdOK->text(), "OK");
    EXPECT_EQ(m_box->cmdSysInfo->text(), "ｼｽﾃﾑ情報(&S)...");
    EXPECT_EQ(m_box->ScaleWidth(), 5730);
    EXPECT_EQ(m_box->ScaleHeight(), 3555);
    EXPECT_EQ(m_box->cmdOK->geometry(), QRect(ui::px(4245), ui::px(2625), ui::px(1380), ui::px(345)));
    EXPECT_EQ(m_box->lbr_URL->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_FALSE(m_box->picIcon->pixmap().isNull());

    // The maker's line (two lines) and address are the project's own.
    EXPECT_EQ(m_box->lblDisclaimer->text().count('\n'), 1);
    EXPECT_TRUE(m_box->lblDisclaimer->text().contains("Vondari"));
    const QUrl url(m_box->lbr_URL->text());
    EXPECT_TRUE(url.isValid());
    EXPECT_TRUE(url.host().endsWith(".invalid"));
}

TEST_F(AboutTest, SystemInformationIsNotAvailable) {
    open();
    ui::script::answerMsgBox(ui::vbOK);
    m_box->cmdSysInfo->click();
    ASSERT_EQ(ui::script::shown().size(), 1u);
    const auto& box = ui::script::shown()[0];
    EXPECT_EQ(box.prompt, "現時点ではｼｽﾃﾑ情報を使用できません");
    EXPECT_EQ(box.buttons, ui::vbOKOnly);
    EXPECT_EQ(box.title, "Vondari");
    EXPECT_EQ(ui::findForm("frmAbout"), m_box);  // the box stays open
}

TEST_F(AboutTest, OkEnterAndEscCloseTheBox) {
    struct Case {
        const char* what;
        std::function<void(frmAbout*)> act;
    };
    const Case cases[] = {
        {"OK clicked", [](frmAbout* b) { b->cmdOK->click(); }},
        {"Enter", [](frmAbout* b) { QTest::keyClick(b->cmdOK, Qt::Key_Return); }},
        {"Esc", [](frmAbout* b) { QTest::keyClick(b->cmdOK, Qt::Key_Escape); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        open();
        ASSERT_NE(m_box, nullptr);
        m_box->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_box));
        m_box->cmdOK->setFocus();
        c.act(m_box);
        settle();
        EXPECT_EQ(ui::findForm("frmAbout"), nullptr);
    }
    // Enter on the focused system-information button presses that one.
    open();
    m_box->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_box));
    m_box->cmdSysInfo->setFocus();
    ui::script::answerMsgBox(ui::vbOK);
    QTest::keyClick(m_box->cmdSysInfo, Qt::Key_Return);
    EXPECT_EQ(msgBoxPrompts(), QStringList({"現時点ではｼｽﾃﾑ情報を使用できません"}));
    EXPECT_EQ(ui::findForm("frmAbout"), m_box);
}

TEST_F(AboutTest, ClickOnTheAddressOpensIt) {
    UrlCatcher browser;
    QDesktopServices::setUrlHandler("https", &browser, "open");
    open();
    QTest::mouseClick(m_box->lbr_URL, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("https");
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened[0], QUrl(m_box->lbr_URL->text()));
    EXPECT_TRUE(ui::script::shown().empty());
    EXPECT_EQ(ui::findForm("frmAbout"), m_box);
}

}  // namespace
}  // namespace editors

#include "AboutTest.moc"
