#include "core/frm_SelectView.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <cmath>
#include <optional>

#include "core/Mdl_gData.h"
#include "core/ViewQuery.h"
#include "core/frm_Main.h"
#include "core/mdl_ini.h"
#include "platform/base/VbError.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/Events.h"
#include "platform/ui/Names.h"
#include "platform/ui/StatusBar.h"

using ui::controlName;
using ui::kIdeo;

namespace {

const QString kMain = QStringLiteral("Main");

// Places a control inside a frame; positions are relative to the frame, as VB's are.
template <class W>
W* inFrame(QWidget* frame, W* w, const QString& name, int left, int top, int width, int height) {
    w->setParent(frame);
    w->setObjectName(name);
    w->setGeometry(ui::px(left), ui::px(top), ui::px(width), ui::px(height));
    return w;
}

// A view number as the settings file's section name.
QString sectionOf(qint16 n) { return QString::number(n); }

// A menu caption as typed, with no "&" taken for an access key.
QString plainCaption(QString text) { return text.replace(QLatin1Char('&'), QStringLiteral("&&")); }

}  // namespace

frm_SelectView::frm_SelectView(QWidget* parent) : ui::Form(QStringLiteral("frm_SelectView"), parent) {
    setCaption(QStringLiteral("表示設定"));
    Lst_Select = place(new QListWidget, QStringLiteral("Lst_Select"), 120, 120, 3255, 4890);
    // Each click toggles one row.
    Lst_Select->setSelectionMode(QAbstractItemView::MultiSelection);

    Frame1 = place(new QGroupBox(QStringLiteral("表示")), QStringLiteral("Frame1"), 3480, 120, 4215, 735);
    OptDel[0] = inFrame(Frame1, new QRadioButton(QStringLiteral("設置")), controlName(QStringLiteral("OptDel"), 0), 480,
                        360, 1455, 255);
    OptDel[1] = inFrame(Frame1, new QRadioButton(QStringLiteral("撤去")), controlName(QStringLiteral("OptDel"), 1),
                        2520, 360, 1455, 255);

    Label1 = place(new QLabel(QStringLiteral("最優先されるキー")), QStringLiteral("Label1"), 3600, 1065, 2055, 300);
    Label2 =
        place(new QLabel(QStringLiteral("2番目に優先されるキー")), QStringLiteral("Label2"), 3600, 2025, 1815, 300);
    Label3 =
        place(new QLabel(QStringLiteral("3番目に優先されるキー")), QStringLiteral("Label3"), 3600, 2985, 2055, 300);

    constexpr int kRowTop[3] = {1320, 2280, 3240};
    constexpr int kFrameTop[3] = {1200, 2160, 3120};
    constexpr int kHolderTop[3] = {3840, 4200, 4560};
    for (int k = 0; k < 3; ++k) {
        cmb_Order[k] =
            place(new ui::DropDownCombo, controlName(QStringLiteral("cmb_Order"), k), 3480, kRowTop[k], 2000, 300);
        Frm_ASC_DESC[k] =
            place(new QGroupBox, controlName(QStringLiteral("Frm_ASC_DESC"), k), 5640, kFrameTop[k], 2055, 615);
        Opt_ASC_DESC[2 * k] = inFrame(Frm_ASC_DESC[k], new QRadioButton(QStringLiteral("昇順")),
                                      controlName(QStringLiteral("Opt_ASC_DESC"), 2 * k), 120, 240, 855, 255);
        Opt_ASC_DESC[2 * k + 1] = inFrame(Frm_ASC_DESC[k], new QRadioButton(QStringLiteral("降順")),
                                          controlName(QStringLiteral("Opt_ASC_DESC"), 2 * k + 1), 1080, 240, 855, 255);
        cmb_key[k] = place(new QLineEdit, controlName(QStringLiteral("cmb_key"), k), 4080, kHolderTop[k], 1815, 300);
        cmb_key[k]->setVisible(false);
    }
    StatusBar1 = new ui::StatusBar(QStringLiteral("StatusBar1"), 0, 1);  // nothing writes to it
    setStatusBar(StatusBar1);

    // The column list, the three key boxes, then the filter and the direction options.
    QWidget* order[] = {Lst_Select,      cmb_Order[0],    cmb_Order[1],    cmb_Order[2],
                        OptDel[0],       OptDel[1],       Opt_ASC_DESC[0], Opt_ASC_DESC[1],
                        Opt_ASC_DESC[2], Opt_ASC_DESC[3], Opt_ASC_DESC[4], Opt_ASC_DESC[5]};
    for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

    Mnu_File = addMenu(QStringLiteral("Mnu_File"), QStringLiteral("ファイル") + kIdeo.repeated(6));
    Mnu_Close = addItem(Mnu_File, QStringLiteral("Mnu_Close"), QStringLiteral("閉じる") + kIdeo.repeated(6),
                        QKeySequence(Qt::CTRL | Qt::Key_W));
    Mnu_Edit = addMenu(QStringLiteral("Mnu_Edit"), QStringLiteral("編集") + kIdeo.repeated(8));
    Mnu_SelectAll =
        addItem(Mnu_Edit, QStringLiteral("Mnu_SelectAll"), QStringLiteral("リスト全選択") + kIdeo.repeated(3));
    Mnu_deSelect_All = addItem(Mnu_Edit, QStringLiteral("Mnu_deSelect_All"), QStringLiteral("リスト全解除"));
    sepalate02 = addSeparator(Mnu_Edit, QStringLiteral("sepalate02"));
    Mnu_Update = addItem(Mnu_Edit, QStringLiteral("Mnu_Update"), QStringLiteral("条件を適用"));
    Mnu_View = addMenu(QStringLiteral("Mnu_View"), QStringLiteral("表示") + kIdeo.repeated(6));
    Mnu_SetNameStr = addItem(Mnu_View, QStringLiteral("Mnu_SetNameStr"), QStringLiteral("名称を変更"));
    sepalate03 = addSeparator(Mnu_View, QStringLiteral("sepalate03"));
    for (int i = 0; i < 8; ++i) {
        Mnu_ViewSelect[i] = addItem(Mnu_View, controlName(QStringLiteral("Mnu_ViewSelect"), i), QString::number(i));
        Mnu_ViewSelect[i]->setCheckable(true);
    }

    ui::bind(Mnu_Close, &QAction::triggered, this, &frm_SelectView::Mnu_Close_Click);
    ui::bind(Mnu_SelectAll, &QAction::triggered, this, &frm_SelectView::Mnu_SelectAll_Click);
    ui::bind(Mnu_deSelect_All, &QAction::triggered, this, &frm_SelectView::Mnu_deSelect_All_Click);
    ui::bind(Mnu_SetNameStr, &QAction::triggered, this, &frm_SelectView::Mnu_SetNameStr_Click);
    ui::bind(Mnu_Update, &QAction::triggered, this, &frm_SelectView::Mnu_Update_Click);
    for (int i = 0; i < 8; ++i)
        ui::bind(Mnu_ViewSelect[i], &QAction::triggered, this, &frm_SelectView::Mnu_ViewSelect_Click, i);

    ui::bind(Lst_Select, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_settingList) Lst_Select_Click();
    });
    for (int k = 0; k < 3; ++k) {
        ui::bind(cmb_Order[k], &ui::DropDownCombo::DropDown, this, &frm_SelectView::cmb_Order_DropDown, k);
        ui::bind(cmb_Order[k], &ui::DropDownCombo::Click, this, &frm_SelectView::cmb_Order_Click, k);
        // Typing undoes a pick, as VB's list index goes back to none: the row keeps its stored key.
        ui::bind(cmb_Order[k], &ui::DropDownCombo::Change, this, [this, k] { m_picked[k] = -1; });
    }
    // clicked, not toggled: the window's own choices raise no click.
    for (int i = 0; i < 6; ++i)
        ui::bind(Opt_ASC_DESC[i], &QRadioButton::clicked, this, &frm_SelectView::Opt_ASC_DESC_Click, i);
    for (int i = 0; i < 2; ++i) ui::bind(OptDel[i], &QRadioButton::clicked, this, &frm_SelectView::OptDel_Click, i);
}

frm_SelectView::~frm_SelectView() = default;

// ---- load, resize, close

void frm_SelectView::Form_Load() {
    setWidth(kWidth);
    setHeight(kHeight);
    setLeft(int(std::floor((ui::screenWidth() - kWidth) / 2.0)));
    setTop(int(std::floor((ui::screenHeight() - kHeight) / 2.0)));

    m_settingList = true;
    Lst_Select->clear();
    for (int i = 1; i <= gColumnDefLast; ++i) {
        auto* item = new QListWidgetItem(gColumnDef[i].Caption, Lst_Select);
        item->setData(Qt::UserRole, i);
    }
    m_settingList = false;

    fnc_Set_SelectColumns();
    fnc_Set_OptDel();
    fnc_Set_SortKeys();
    fnc_Set_ASC_DESC();
    Mnu_Update->setEnabled(false);
    fnc_Set_ViewMenu();
}

void frm_SelectView::Form_Resize() { keepOuterSize(kWidth, kHeight); }

// The close box writes nothing.
bool frm_SelectView::Form_QueryUnload(int) { return false; }

void frm_SelectView::fnc_Form_Close() { Unload(); }

void frm_SelectView::Mnu_Close_Click() {
    ui::guarded([&] {
        {
            IniCommandScope ini;
            fnc_Set_Ini(kMain, QStringLiteral("SectionNumber"), QString::number(gSectionNumber));
        }
        fnc_Form_Close();
    });
}

// ---- state to window

void frm_SelectView::fnc_Set_SelectColumns() {
    m_settingList = true;
    Lst_Select->clearSelection();
    const int last = std::min<int>(gSelColumnCount, int(gSelColumn.size()) - 1);
    for (int k = 0; k <= last; ++k) {
        const int row = gSelColumn[k] - 1;
        // An index the catalogue does not offer (a hand-edited file) has no row to choose.
        if (gSelColumn[k] > 0 && row < Lst_Select->count()) Lst_Select->item(row)->setSelected(true);
    }
    m_settingList = false;
}

void frm_SelectView::fnc_Set_OptDel() {
    if (gOptDel == 0 || gOptDel == 1) OptDel[gOptDel]->setChecked(true);
}

void frm_SelectView::fnc_Set_SortKeys() {
    for (int k = 0; k < 3; ++k) {
        cmb_Order[k]->setEditText(gKeyCaption[k]);
        cmb_key[k]->setText(gKeyName[k]);
        m_picked[k] = -1;  // the row's key is the one in its holder again
    }
}

void frm_SelectView::fnc_Set_ASC_DESC() {
    const int rows = std::clamp<int>(gSelectNumber, 0, 3);
    for (int k = 0; k < rows; ++k) {
        if (gKeyAscDesc[k] == QStringLiteral("DESC"))
            Opt_ASC_DESC[2 * k + 1]->setChecked(true);
        else
            Opt_ASC_DESC[2 * k]->setChecked(true);
    }
}

void frm_SelectView::fnc_Set_ViewMenu() {
    for (int i = 0; i < 8; ++i) {
        Mnu_ViewSelect[i]->setChecked(false);
        Mnu_ViewSelect[i]->setText(plainCaption(QString::number(i) + QStringLiteral(":") + gSectionName[i]));
    }
    if (gSectionNumber >= 0 && gSectionNumber < 8) Mnu_ViewSelect[gSectionNumber]->setChecked(true);
}

// ---- window to state

void frm_SelectView::fnc_Get_SelectColumns() {
    gSelColumnCount = 0;
    for (int i = 1; i <= gColumnDefLast && i < int(gSelColumn.size()); ++i) gSelColumn[i] = 0;
    for (int r = 0; r < Lst_Select->count(); ++r) {
        if (!Lst_Select->item(r)->isSelected()) continue;
        if (gSelColumnCount >= 256) break;
        ++gSelColumnCount;
        gSelColumn[gSelColumnCount] = qint16(r + 1);
    }
}

void frm_SelectView::fnc_Get_OptDel() {
    if (OptDel[0]->isChecked())
        gOptDel = 0;
    else if (OptDel[1]->isChecked())
        gOptDel = 1;
}

void frm_SelectView::fnc_Get_SortKeys() {
    // Rows with a key move up over rows without one, keeping their order and their own directions.
    int count = 0;
    auto drop = [&](int slot) {
        gKeyName[slot].clear();
        gKeyCaption[slot] = QStringLiteral(" ");
        cmb_key[slot]->clear();
    };
    for (int i = 0; i < 3; ++i) {
        gKeyAscDesc[count] = Opt_ASC_DESC[2 * i + 1]->isChecked() ? QStringLiteral("DESC") : QStringLiteral("ASC");
        const int p = m_picked[i];
        if (p >= 1 && p <= gColumnDefLast) {
            gKeyName[count] = gColumnDef[p].FieldName;
            gKeyCaption[count] = gColumnDef[p].Caption;
            cmb_key[count]->setText(gColumnDef[p].FieldName);
            ++count;
        } else if (p == 0) {
            drop(count);
        } else if (cmb_key[i]->text().isEmpty()) {
            drop(count);
        } else {
            // Nothing picked: the row keeps its key; text typed into the box is ignored.
            const QString name = cmb_key[i]->text();
            const QString caption = gKeyCaption[i];
            gKeyName[count] = name;
            gKeyCaption[count] = caption;
            cmb_key[count]->setText(name);
            ++count;
        }
    }
    gSelectNumber = qint16(count);
    for (int k = count; k <= 2; ++k) {
        drop(k);
        gKeyAscDesc[k] = QStringLiteral("DESC");
        Opt_ASC_DESC[2 * k]->setChecked(true);
    }
}

// ---- events

void frm_SelectView::Lst_Select_Click() { Mnu_Update->setEnabled(true); }

void frm_SelectView::cmb_Order_DropDown(int Index) {
    ui::guarded([&] {
        ui::DropDownCombo* box = cmb_Order[Index];
        box->refill([&] {
            box->addListItem(QStringLiteral(" "), 0);
            for (int i = 1; i <= gColumnDefLast; ++i) box->addListItem(gColumnDef[i].Caption, i);
        });
        m_picked[Index] = -1;
    });
}

void frm_SelectView::cmb_Order_Click(int Index) {
    ui::guarded([&] {
        m_picked[Index] = cmb_Order[Index]->currentIndex();
        Mnu_Update->setEnabled(true);
    });
}

void frm_SelectView::Opt_ASC_DESC_Click(int) { Mnu_Update->setEnabled(true); }

void frm_SelectView::OptDel_Click(int Index) {
    ui::guarded([&] {
        OptDel[Index]->setChecked(true);
        Mnu_Update->setEnabled(true);
        fnc_Set_SortKeys();
    });
}

void frm_SelectView::setAllRows(bool chosen) {
    m_settingList = true;
    for (int r = 0; r < Lst_Select->count() && r < gColumnDefLast; ++r) Lst_Select->item(r)->setSelected(chosen);
    m_settingList = false;
    Lst_Select_Click();
}

void frm_SelectView::Mnu_SelectAll_Click() { setAllRows(true); }
void frm_SelectView::Mnu_deSelect_All_Click() { setAllRows(false); }

void frm_SelectView::refillMainList() {
    if (frm_Main* main = frm_Main::instance()) {
        (void)main->fnc_View_PClist();
        main->fnc_Reset_Selection();
    }
}

void frm_SelectView::Mnu_Update_Click() {
    ui::guarded([&] {
        const qint16 n = gSectionNumber;
        fnc_Get_SelectColumns();
        fnc_Get_OptDel();
        fnc_Get_SortKeys();
        gSetSQLVal();
        {
            IniCommandScope ini;
            const QString section = sectionOf(n);
            fnc_Set_Ini(section, std::nullopt, std::nullopt);  // the view's old keys go first
            fnc_Set_Ini(section, QStringLiteral("OptDel"), QString::number(gOptDel));
            fnc_Set_Ini(section, QStringLiteral("SelectNumber"), QString::number(gSelectNumber));
            for (int k = 0; k < 3; ++k) fnc_Set_Ini(section, QStringLiteral("KeyName%1").arg(k), gKeyName[k]);
            for (int k = 0; k < 3; ++k) fnc_Set_Ini(section, QStringLiteral("KeyCaption%1").arg(k), gKeyCaption[k]);
            for (int k = 0; k < 3; ++k) fnc_Set_Ini(section, QStringLiteral("KeyASCDESC%1").arg(k), gKeyAscDesc[k]);
            fnc_Set_Ini(section, QStringLiteral("MSFlexGrit_SelectNum"), QString::number(gSelColumnCount));
            for (int i = 1; i <= gSelColumnCount; ++i)
                fnc_Set_Ini(section, QStringLiteral("MSFlexGrit_Select%1").arg(i), QString::number(gSelColumn[i]));
            fnc_Set_Ini(kMain, QStringLiteral("SectionNumber"), QString::number(n));
            for (int i = 0; i < 8; ++i) fnc_Set_Ini(kMain, QStringLiteral("SectionName%1").arg(i), gSectionName[i]);
        }
        refillMainList();
        fnc_Set_OptDel();
        fnc_Set_SortKeys();
        fnc_Set_ASC_DESC();
        Mnu_Update->setEnabled(false);
        fnc_Set_ViewMenu();
    });
}

void frm_SelectView::Mnu_ViewSelect_Click(int Index) {
    ui::guarded([&] {
        gSectionNumber = qint16(Index);
        try {
            fnc_Read_ViewSetting();
        } catch (const std::exception& e) {
            // A hand-edited value that is no number: say so, then show what the state now holds.
            ui::ShowStdError(e);
        }
        gSetSQLVal();
        refillMainList();
        fnc_Set_SelectColumns();
        fnc_Set_OptDel();
        fnc_Set_SortKeys();
        fnc_Set_ASC_DESC();
        fnc_Set_ViewMenu();
        Mnu_Update->setEnabled(false);
    });
}

void frm_SelectView::Mnu_SetNameStr_Click() {
    ui::guarded([&] {
        const qint16 n = gSectionNumber;
        if (n < 0 || n >= qint16(gSectionName.size())) return;  // no name slot for it (a hand-edited file)
        if (n <= 7) {
            const QString answer =
                ui::InputBox(QStringLiteral("項目") + QString::number(n) + QStringLiteral("に名前をつけてください"),
                             QStringLiteral("名称変更"), QString());
            if (!answer.isEmpty()) gSectionName[n] = answer;
        }
        {
            IniCommandScope ini;
            fnc_Set_Ini(kMain, QStringLiteral("SectionName") + QString::number(n), gSectionName[n]);
        }
        fnc_Set_ViewMenu();
    });
}
