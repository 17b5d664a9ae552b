// Not part of the suite: draws the register with the office's accounts into a PNG for a look by eye.
//   test_registers_mail --gtest_also_run_disabled_tests --gtest_filter=*DISABLED_Screenshot
// writes /tmp/vondari-mail.png (or the path in VONDARI_SCREENSHOT).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include "platform/ui/TextBox.h"
#include "tests/registers/mail/MailFixture.h"

namespace mail {
namespace {

class MailLook : public MailTest {};

TEST_F(MailLook, DISABLED_Screenshot) {
    seedOffice();
    ASSERT_NE(startMain(), nullptr);
    QTest::qWait(1);
    withRegister([&](frm_Edit_Mail* w) {
        clickRow(w, 3);
        w->tbx_tbl_Mail[3]->setFocus();
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        testsupport::saveScreenshot(w, QStringLiteral("/tmp/vondari-mail.png"));
    });
}

}  // namespace
}  // namespace mail
