#include "tests/support/AppFolder.h"

#include <gtest/gtest.h>

#include <QFile>

#include "platform/base/AppPath.h"
#include "platform/ui/Dialogs.h"

namespace testsupport {

QString templateDb() { return qEnvironmentVariable("VONDARI_TEMPLATE_DB", QStringLiteral(VONDARI_TEMPLATE_DB)); }
QString samplesDir() { return qEnvironmentVariable("VONDARI_SAMPLES", QStringLiteral(VONDARI_SAMPLES)); }

AppFolder::AppFolder(bool withDatabase) {
    if (withDatabase) {
        EXPECT_TRUE(QFile::copy(templateDb(), dbPath())) << "no template database at " << templateDb().toStdString();
        QFile::setPermissions(dbPath(), QFile::ReadOwner | QFile::WriteOwner);
    }
    vb::setAppPath(m_dir.path());
}

AppFolder::~AppFolder() { vb::setAppPath(QString()); }

void armDialogScript() {
    ui::script::enable(true);
    ui::script::reset();
    ui::script::onUnscripted([](const ui::script::Shown& s) {
        ADD_FAILURE() << "unscripted dialog: " << s.prompt.toStdString() << " [" << s.title.toStdString() << "]";
    });
}

void checkDialogScript() {
    EXPECT_EQ(ui::script::pending(), 0) << "scripted answers left unused";
    ui::script::reset();
}

}  // namespace testsupport
