// The single-instance lock, seen from a second process: the test binary starts itself with
// VONDARI_LOCK_CHILD set, and the child test below does what the variable says.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QThread>
#include <cstdio>

#include "platform/ui/SingleInstance.h"

namespace {

QString uniqueLock(const char* what) {
    return QStringLiteral("vondari-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(what);
}

// "hold:NAME" takes the lock, says "held" and waits to be killed; "probe:NAME" says "busy" or "free".
TEST(SingleInstanceChild, Run) {
    const QString spec = qEnvironmentVariable("VONDARI_LOCK_CHILD");
    if (spec.isEmpty()) GTEST_SKIP() << "only run as the child of the single-instance tests";
    const QString mode = spec.section(':', 0, 0);
    const QString name = spec.section(':', 1);
    const bool busy = ui::anotherInstanceRunning(name);
    std::printf("%s\n", busy ? "busy" : (mode == "hold" ? "held" : "free"));
    std::fflush(stdout);
    if (mode == "hold" && !busy)
        for (;;) QThread::sleep(1);
}

class Child {
public:
    Child(const QString& mode, const QString& name) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VONDARI_LOCK_CHILD", mode + ":" + name);
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(QCoreApplication::applicationFilePath(),
                        {"--gtest_filter=SingleInstanceChild.Run", "--gtest_brief=1"});
    }
    ~Child() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    // The first word the child printed.
    QString answer() {
        QByteArray out;
        for (int i = 0; i < 100 && !out.contains('\n'); ++i) {
            m_process.waitForReadyRead(100);
            out += m_process.readAllStandardOutput();
        }
        for (const QByteArray& line : out.split('\n'))
            if (line == "busy" || line == "held" || line == "free") return QString::fromLatin1(line);
        return QString::fromLatin1(out);
    }
    void crash() {
        m_process.kill();  // SIGKILL: no clean-up runs in the child
        m_process.waitForFinished(5000);
    }
    bool finished() { return m_process.waitForFinished(10000); }

private:
    QProcess m_process;
};

TEST(SingleInstance, ASecondCopySeesTheFirstAndTheFirstKeepsItsLock) {
    const QString name = uniqueLock("first");
    EXPECT_FALSE(ui::anotherInstanceRunning(name));
    EXPECT_FALSE(ui::anotherInstanceRunning(name));  // asking again in the holding process
    Child second("probe", name);
    EXPECT_EQ(second.answer(), "busy");
    EXPECT_TRUE(second.finished());
    EXPECT_FALSE(ui::anotherInstanceRunning(name));  // untouched by the refused copy
    Child third("probe", name);
    EXPECT_EQ(third.answer(), "busy");
}

TEST(SingleInstance, ACrashedCopyLeavesNoLockBehind) {
    const QString name = uniqueLock("crash");
    Child first("hold", name);
    ASSERT_EQ(first.answer(), "held");
    EXPECT_TRUE(ui::anotherInstanceRunning(name));
    first.crash();
    EXPECT_FALSE(ui::anotherInstanceRunning(name));  // we start, and now hold it
    Child later("probe", name);
    EXPECT_EQ(later.answer(), "busy");
}

TEST(SingleInstance, DifferentNamesDoNotMeet) {
    Child holder("hold", uniqueLock("a"));
    ASSERT_EQ(holder.answer(), "held");
    EXPECT_FALSE(ui::anotherInstanceRunning(uniqueLock("b")));
}

}  // namespace
