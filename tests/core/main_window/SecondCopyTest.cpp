// A second start while the program runs: the second copy (a child process on the same program folder
// and the same lock) shows its box and ends before any window shows; the first copy goes on untouched.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QEvent>
#include <QFile>
#include <QProcess>
#include <QWidget>
#include <cstdio>

#include "core/Mdl_Access_mdb.h"
#include "core/Mdl_gData.h"
#include "platform/base/AppPath.h"
#include "platform/db/Ado.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "tests/core/main_window/MainWindowFixture.h"

namespace mainwindow {
namespace {

constexpr char kFolderVariable[] = "VONDARI_SECOND_COPY_FOLDER";

void say(const QString& line) {
    std::fputs((line + "\n").toUtf8().constData(), stdout);
    std::fflush(stdout);
}

// Reports every window that becomes visible in the child.
class ShowSpy : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            say("SHOWN|" + watched->objectName());
        return false;
    }
};

// The second copy itself; run only by the test below, in a process of its own.
TEST(SecondCopyChild, DISABLED_Run) {
    const QString folder = qEnvironmentVariable(kFolderVariable);
    ASSERT_FALSE(folder.isEmpty());
    vb::setAppPath(folder);
    ui::script::enable(true);
    ui::script::reset();
    ui::script::onUnscripted(
        [](const ui::script::Shown& s) { say(QString("BOX|%1|%2|%3").arg(s.prompt, s.title).arg(s.buttons)); });
    ShowSpy spy;
    qApp->installEventFilter(&spy);
    auto* main = new frm_Main;
    main->Show(ui::vbModeless);
    say("STILL RUNNING");
}

QByteArray fileHash(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

class SecondCopyTest : public MainWindowTest {};

TEST_F(SecondCopyTest, SecondStartShowsTheBoxAndEndsBeforeAnyWindow) {
    addPc({1, "PC-1"});
    writeIni({"[Main]", "FormTop=1500", "FormLeft=3000"});
    const QByteArray iniBefore = iniBytes();
    frm_Main* first = start();
    first->Show(ui::vbModeless);
    ASSERT_EQ(gRowCount, 1);
    const QByteArray dbBefore = fileHash(m_folder->dbPath());

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kFolderVariable, m_folder->path());
    env.insert("XDG_RUNTIME_DIR", instanceLockFolder());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_also_run_disabled_tests", "--gtest_filter=SecondCopyChild.DISABLED_Run"});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString out = QString::fromUtf8(child.readAllStandardOutput());

    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0);
    EXPECT_TRUE(out.contains(QString("BOX|既に起動済みです。|Vondari|%1").arg(ui::vbOKOnly))) << out.toStdString();
    EXPECT_EQ(out.count("BOX|"), 1) << out.toStdString();
    EXPECT_FALSE(out.contains("SHOWN|")) << out.toStdString();
    EXPECT_FALSE(out.contains("STILL RUNNING")) << out.toStdString();
    EXPECT_FALSE(out.contains("[  PASSED  ]")) << "the child ran on to its end: " << out.toStdString();

    // The first copy: still loaded, its connection and list as they were, the files untouched.
    EXPECT_EQ(frm_Main::instance(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(gCn_ptr && gCn_ptr->State() == ado::adStateOpen);
    EXPECT_EQ(gRowCount, 1);
    EXPECT_EQ(iniBytes(), iniBefore);
    EXPECT_EQ(fileHash(m_folder->dbPath()), dbBefore);
}

}  // namespace
}  // namespace mainwindow
