#include "inventory_read/frm_Open.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <cmath>

#include "core/frm_Main.h"
#include "inventory_read/FileControls.h"
#include "platform/base/AppPath.h"
#include "platform/base/VbError.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Events.h"

using inventory::LabelSet;

frm_Open::frm_Open(QWidget* parent) : ui::Form(QStringLiteral("frm_Open"), parent) {
    setCaption(QStringLiteral("データ読み込み"));
    buildControls();
    buildMenu();
}

frm_Open::~frm_Open() = default;

void frm_Open::buildControls() {
    // Left, top, width, height in twips, as the window was laid out.
    Frame1 = place(new QGroupBox(QStringLiteral("ファイル名：")), "Frame1", 120, 100, 5775, 915);
    lblCurName = new QLabel(Frame1);
    lblCurName->setObjectName("lblCurName");
    lblCurName->setGeometry(ui::px(120), ui::px(240), ui::px(5415), ui::px(555));
    lblCurName->setWordWrap(true);
    lblCurName->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label1 = place(new QLabel(QStringLiteral("ドライブ(&D)：")), "Label1", 240, 1035, 1515, 255);
    Drive1 = place(new inventory::DriveListBox, "Drive1", 240, 1300, 2715, 300);
    Label2 = place(new QLabel(QStringLiteral("フォルダ(&R)：")), "Label2", 240, 1750, 2475, 255);
    Dir1 = place(new inventory::DirListBox, "Dir1", 240, 2000, 2715, 2400);
    Label3 = place(new QLabel(QStringLiteral("ファイル(&N)：")), "Label3", 3180, 1035, 2175, 255);
    File1 = place(new inventory::FileListBox, "File1", 3120, 1300, 2715, 3150);
    ProgressBar1 = place(new ui::ProgressBar, "ProgressBar1", 240, 4500, 5535, 200);
    // The "&" letter moves the focus to the list beside the label, as the original's labels did.
    Label1->setBuddy(Drive1);
    Label2->setBuddy(Dir1);
    Label3->setBuddy(File1);

    ui::bind(Drive1, &inventory::DriveListBox::Change, this, &frm_Open::Drive1_Change);
    ui::bind(Dir1, &inventory::DirListBox::Change, this, &frm_Open::Dir1_Change);
    ui::bind(File1, &inventory::FileListBox::Click, this, &frm_Open::File1_Click);
}

void frm_Open::buildMenu() {
    Mnu_File = addMenu("Mnu_File", QStringLiteral("ファイル  　　　　　"));
    Mnu_ReadCSV = addItem(Mnu_File, "Mnu_ReadCSV", QStringLiteral("Harvik ファイル読込み　"));
    addSeparator(Mnu_File);
    Mnu_File->actions().constLast()->setObjectName("separator01");
    Mnu_Read_English = addItem(Mnu_File, "Mnu_Read_English", QStringLiteral("Read Harvik Data (English) "));
    addSeparator(Mnu_File);
    Mnu_File->actions().constLast()->setObjectName("separator02");
    Mnu_Close = addItem(Mnu_File, "Mnu_Close", QStringLiteral("閉じる"), QKeySequence(QStringLiteral("Ctrl+W")));

    ui::bind(Mnu_ReadCSV, &QAction::triggered, this, &frm_Open::Mnu_ReadCSV_Click);
    ui::bind(Mnu_Read_English, &QAction::triggered, this, &frm_Open::Mnu_Read_English_Click);
    ui::bind(Mnu_Close, &QAction::triggered, this, &frm_Open::Mnu_Close_Click);
}

void frm_Open::Form_Load() {
    lngFormWidth = 6165;
    lngFormHeight = 5430;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect s = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    lngFormTop = qint32(std::floor((ui::twips(s.height()) - 5430) / 2.0));
    lngFormLeft = qint32(std::floor((ui::twips(s.width()) - 6165) / 2.0));
    setWidth(lngFormWidth);
    setHeight(lngFormHeight);
    setTop(lngFormTop);
    setLeft(lngFormLeft);

    fnc_SetCurrentPath(vb::App_Path());
    // The current folder decides which folder a drive change opens; a folder that cannot be made current
    // still opens the lists.
    QDir::setCurrent(strCurPath);

    Drive1->setVolumes(inventory::DriveListBox::mountedVolumes());
    Drive1->setDrive(strCurPath);
    try {
        Dir1->setPath(strCurDir);
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
    }
    File1->setPath(strCurDir);
    File1->setPattern(QStringLiteral("*.csv"));

    Mnu_ReadCSV->setEnabled(false);
    ProgressBar1->setVisible(false);
}

void frm_Open::Form_Resize() {
    if (lngFormWidth == 0) return;  // not loaded yet
    keepOuterSize(lngFormWidth, lngFormHeight);
}

bool frm_Open::Form_QueryUnload(int /*unloadMode*/) {
    // Every way of closing ends in fnc_Form_Close, whose unload is the one already under way here.
    return false;
}

void frm_Open::fnc_Form_Close() { Unload(); }

void frm_Open::Mnu_Close_Click() {
    ui::guarded([this] { fnc_Form_Close(); });
}

void frm_Open::fnc_SetCurrentPath(const QString& path) {
    strCurPath = path;
    const QFileInfo info(path);
    if (info.isDir()) {
        strCurDir = path;
    } else {
        // The file title stands for what the original asked of the system: the last part of the path.
        const QString title = info.fileName();
        if (!title.isEmpty()) strCurDir = path.left(path.size() - title.size());
    }
    lblCurName->setText(strCurPath);
}

void frm_Open::Drive1_Change() {
    ui::guarded([&] {
        const QString root = Drive1->Drive();
        try {
            if (!QFileInfo::exists(root)) throw vb::Error(68, vb::describe(68));  // device unavailable
            Dir1->setPath(Drive1->currentFolderOf(root));
        } catch (const vb::Error& e) {
            // The drive list keeps the chosen drive; the folder, the file list and the label stay as they were.
            if (e.number() == 71 || e.number() == 68) {
                ui::MsgBox(QStringLiteral("ディスクをセットしてください"), ui::vbOKOnly);
            } else {
                // The original ended the program here, losing unsaved edits in other windows.
                ui::ShowStdError(e);
            }
        }
    });
}

void frm_Open::Dir1_Change() {
    ui::guarded([&] {
        File1->setPath(Dir1->Path());
        strCurPath = Dir1->Path();
        strCurDir = Dir1->Path();
        lblCurName->setText(strCurPath);
    });
}

void frm_Open::File1_Click() {
    ui::guarded([&] {
        const QString name = File1->FileName();
        if (name.isEmpty()) return;
        fnc_SetCurrentPath(inventory::fnc_MakeFullPath(File1->Path(), name));
        if (!Mnu_ReadCSV->isEnabled()) Mnu_ReadCSV->setEnabled(true);
    });
}

void frm_Open::Mnu_ReadCSV_Click() {
    ui::guarded([this] { readCommand(LabelSet::Japanese); });
}

void frm_Open::Mnu_Read_English_Click() {
    ui::guarded([this] { readCommand(LabelSet::English); });
}

void frm_Open::readCommand(LabelSet set) {
    if (File1->ListCount() == 0) return;
    const bool japanese = set == LabelSet::Japanese;

    inventory::ReadRun run;
    try {
        Mnu_ReadCSV->setEnabled(false);
        if (japanese) {
            ProgressBar1->setVisible(true);
            ProgressBar1->setMax(File1->ListCount() - 1);
            ProgressBar1->setMin(0);
        }
        inventory::FileListSource files;
        files.folder = File1->Path();
        files.count = File1->ListCount();
        files.name = [this](int i) { return File1->List(i); };
        files.selected = [this](int i) { return File1->Selected(i); };
        std::function<void(int)> onIndex;
        if (japanese) {
            onIndex = [this](int i) {
                ProgressBar1->setValueVb(i);
                ProgressBar1->repaint();
            };
        }
        run = inventory::runReadLoop(files, set, onIndex);
    } catch (const std::exception& e) {
        // Before the first file was staged: nothing was imported, nothing is refreshed.
        ui::ShowStdError(e);
        return;
    }

    // Once a file was staged the command goes on past every failure; with none staged an error ends it
    // with the standard error box, as before.
    try {
        auto step = [&run](const std::function<void()>& body) { inventory::fnc_Read_Step(run.staged, body); };
        // The database refused a file and the run stopped there: its own words first.
        if (run.stopped) step([&] { ui::ShowStdError(run.errorNumber, run.errorDescription); });
        step([&] {
            ui::MsgBox(japanese ? QStringLiteral("読み込みが完了しました。") : QStringLiteral("Process Comprete"),
                       ui::vbOKOnly);
        });
        step([&] {
            // The completion text is the command's own; files that did not become a PC are named here.
            const QString skipped = inventory::skippedFilesMessage(run.skipped);
            if (!skipped.isEmpty()) ui::MsgBox(skipped, ui::vbOKOnly);
        });
        step([&] { refreshMainList(); });
        step([&] { Mnu_ReadCSV->setEnabled(false); });
    } catch (const std::exception& e) {
        ui::ShowStdError(e);
    }
}

void frm_Open::refreshMainList() {
    frm_Main* main = frm_Main::instance();
    if (!main) return;
    main->fnc_View_PClist();      // the current list query, result ignored
    main->fnc_Reset_Selection();  // no selection survives the refill
}
