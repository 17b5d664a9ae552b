#include "core/frmAbout.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>
#include <cmath>

#include "platform/ui/Dialogs.h"
#include "platform/ui/Events.h"

namespace {

// The application's version: major, minor, revision.
constexpr int kMajor = 1;
constexpr int kMinor = 3;
constexpr int kRevision = 9;

const QString kNoSysInfo = QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません");

// The 32 x 32 picture kept with the window: a small monitor.
QPixmap aboutIcon() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QColor(64, 64, 64));
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(3, 3, 25, 19);
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(6, 6, 19, 13);
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(12, 23, 7, 3);
    p.drawRect(7, 26, 17, 3);
    return pm;
}

}  // namespace

const QString frmAbout::kMakerLine = QStringLiteral("Vondari プロジェクト\nPC台帳管理");
const QString frmAbout::kMakerUrl = QStringLiteral("https://vondari.example.invalid/");

void fnc_Open_URL(const QString& address) {
    // The result is not looked at: a failure shows nothing.
    (void)QDesktopServices::openUrl(QUrl(address));
}

frmAbout::frmAbout(QWidget* parent) : ui::Form(QStringLiteral("frmAbout"), parent) {
    // Fixed dialog border, no minimise or maximise button.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setClientSize(kClientWidth, kClientHeight);

    picIcon = place(new QLabel, QStringLiteral("picIcon"), 240, 240, 480, 480);
    picIcon->setPixmap(aboutIcon());
    lblTitle = place(new QLabel, QStringLiteral("lblTitle"), 1560, 240, 3885, 480);
    lblVersion = place(new QLabel, QStringLiteral("lblVersion"), 1560, 780, 3885, 225);
    lblDescription = place(new QLabel, QStringLiteral("lblDescription"), 1560, 1125, 3885, 930);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDescription->setWordWrap(true);

    // The etched separator: a grey line with a white one of 2 pixels just below.
    Line1[0] = place(new QFrame, QStringLiteral("Line1(0)"), 120, 2460, 5684 - 120, ui::twips(1));
    Line1[1] = place(new QFrame, QStringLiteral("Line1(1)"), 105, 2460 + ui::twips(1), 5654 - 105, ui::twips(2));
    const QColor lineColour[2] = {QColor(128, 128, 128), QColor(255, 255, 255)};
    for (int i = 0; i < 2; ++i) {
        Line1[i]->setAutoFillBackground(true);
        QPalette pal = Line1[i]->palette();
        pal.setColor(QPalette::Window, lineColour[i]);
        Line1[i]->setPalette(pal);
    }

    lblDisclaimer = place(new QLabel, QStringLiteral("lblDisclaimer"), 240, 2625, 3870, 345);
    lbr_URL = place(new QLabel, QStringLiteral("lbr_URL"), 240, 3120, 3855, 375);
    {
        QPalette pal = lbr_URL->palette();
        pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
        lbr_URL->setPalette(pal);
    }
    lbr_URL->installEventFilter(this);

    cmdOK = place(new QPushButton(QStringLiteral("OK")), QStringLiteral("cmdOK"), 4245, 2625, 1380, 345);
    cmdSysInfo =
        place(new QPushButton(QStringLiteral("ｼｽﾃﾑ情報(&S)...")), QStringLiteral("cmdSysInfo"), 4260, 3075, 1380, 345);
    // Enter presses the button that has the focus, the default one when it has it; Esc is OK too.
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdSysInfo->setAutoDefault(true);
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    ui::bind(esc, &QShortcut::activated, this, &frmAbout::cmdOK_Click);
    ui::bind(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    ui::bind(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load() {
    setCaption(ui::kAppTitle + QStringLiteral("のバージョン情報"));
    lblVersion->setText(QStringLiteral("バージョン %1.%2.%3").arg(kMajor).arg(kMinor).arg(kRevision));
    lblTitle->setText(ui::kAppTitle);
    lblDescription->setText(QStringLiteral("Vondari"));
    // The two lines of the maker's line; a Qt label breaks on LF (VB's label on CR LF).
    lblDisclaimer->setText(kMakerLine);
    lbr_URL->setText(kMakerUrl);

    // Centred, but an edge whose result is not above 0 is left where it is.
    const long left = std::lround((ui::screenWidth() - Width()) / 2.0);
    if (left > 0) setLeft(int(left));
    const long top = std::lround((ui::screenHeight() - Height()) / 2.0);
    if (top > 0) setTop(int(top));
    setFixedSize(size());
    cmdOK->setFocus();
}

void frmAbout::StartSysInfo() {
    // There is neither a registry to find the system-information program in nor such a program here:
    // the box says so, as it does when the program cannot be found.
    ui::MsgBox(kNoSysInfo, ui::vbOKOnly);
}

void frmAbout::cmdOK_Click() {
    ui::guarded([this] { Unload(); });
}
void frmAbout::cmdSysInfo_Click() {
    ui::guarded([this] { StartSysInfo(); });
}
void frmAbout::lbr_URL_Click() {
    ui::guarded([] { fnc_Open_URL(kMakerUrl); });
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lbr_URL && event->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton && lbr_URL->rect().contains(me->position().toPoint())) lbr_URL_Click();
    }
    return ui::Form::eventFilter(watched, event);
}
