// Every window of the ledger, opened as the program opens it: no label, check box, option button or
// button shows a text larger than its box (at 96 dpi, with the fonts the windows map to), no label's text
// runs into a control beside it, and every grid's header captions fit their columns. A window added to
// the program is held to it too: every registered window must have its row in the table.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <functional>
#include <optional>
#include <set>

#include "app/AllForms.h"
#include "core/Mdl_gData.h"
#include "core/frm_Main.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/TabStrip.h"
#include "tests/support/LedgerFixture.h"

namespace {

// The text as shown: a mnemonic "&" is dropped and "&&" shows one "&".
QString shownText(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

struct CutText {
    QString control;
    QString text;
    QRect ink;  // where the text's glyphs land, in the box's coordinates
    QSize box;
};

// Where the glyphs of a text land in a box, laid out as a label or button lays it out: one line per
// line break, placed by the alignment. What counts is the ink: the advance of the last glyph may end
// past the box by its blank side without a dot of it being cut.
QRect inkOf(const QString& shown, const QFontMetrics& fm, QSize box, Qt::Alignment align) {
    const QStringList lines = shown.split(u'\n');
    const int total = int(lines.size()) * fm.lineSpacing() - fm.leading();
    int y = 0;
    if (align & Qt::AlignBottom)
        y = box.height() - total;
    else if (align & Qt::AlignVCenter)
        y = (box.height() - total) / 2;
    QRect ink;
    for (const QString& line : lines) {
        const QRect glyphs = fm.tightBoundingRect(line);
        if (!glyphs.isEmpty()) {
            const int advance = fm.horizontalAdvance(line);
            int x = 0;
            if (align & Qt::AlignRight)
                x = box.width() - advance;
            else if (align & Qt::AlignHCenter)
                x = (box.width() - advance) / 2;
            ink |= glyphs.translated(x, y + fm.ascent());
        }
        y += fm.lineSpacing();
    }
    return ink;
}

struct LabelInk {
    QRect ink;  // in the box's coordinates
    QRect box;  // where the label draws its text, in the label's coordinates
};

// Where a label's text lands, or nothing for a label without plain text.
std::optional<LabelInk> labelInk(const QLabel* label) {
    const QString text = label->text();
    if (text.isEmpty() || label->textFormat() == Qt::RichText) return std::nullopt;
    const QRect box =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    if (label->wordWrap()) {
        // Lines broken to the width: the height they need, beside the frame and margins.
        const int needed = label->heightForWidth(label->width()) - (label->height() - box.height());
        return LabelInk{QRect(0, 0, box.width(), needed), box};
    }
    // A label shows "&" as a mnemonic only when it has a partner control.
    return LabelInk{
        inkOf(label->buddy() ? shownText(text) : text, QFontMetrics(label->font()), box.size(), label->alignment()),
        box};
}

// The ink of the control's text and the box the control draws it in.
std::optional<CutText> measure(QWidget* w) {
    const QFontMetrics fm(w->font());
    QString text;
    QRect ink;
    QRect box;
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const auto drawn = labelInk(label);
        if (!drawn) return std::nullopt;
        text = label->text();
        ink = drawn->ink;
        box = drawn->box;
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        text = button->text();
        if (text.isEmpty()) return std::nullopt;
        QStyle::SubElement contents;
        Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
        if (qobject_cast<QCheckBox*>(w)) {
            contents = QStyle::SE_CheckBoxContents;
        } else if (qobject_cast<QRadioButton*>(w)) {
            contents = QStyle::SE_RadioButtonContents;
        } else if (qobject_cast<QPushButton*>(w)) {
            contents = QStyle::SE_PushButtonContents;
            align = Qt::AlignCenter;
        } else {
            return std::nullopt;
        }
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        box = button->style()->subElementRect(contents, &option, button);
        ink = inkOf(shownText(text), fm, box.size(), align);
    } else {
        return std::nullopt;
    }
    // The outermost pixel of a glyph is its anti-aliased edge, rounded outward: one of it may fall outside.
    if (QRect(QPoint(0, 0), box.size()).adjusted(-1, -1, 1, 1).contains(ink)) return std::nullopt;
    return CutText{w->objectName(), text, ink, box.size()};
}

// The window's own controls carry their names; Qt's inner parts (scroll arrows, ...) carry none.
bool ownControl(const QWidget* w) {
    return w->isVisible() && !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"));
}

// Every text cut off in the window as it is shown now.
std::vector<CutText> cutTexts(QWidget* window) {
    std::vector<CutText> cut;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!ownControl(w)) continue;
        if (auto c = measure(w)) cut.push_back(*c);
    }
    return cut;
}

QRect inWindow(const QWidget* w, QRect r, const QWidget* window) { return r.translated(w->mapTo(window, QPoint())); }

// A frame, tab strip or picture box: the controls laid over it belong to it.
bool isContainer(const QWidget* w) {
    return qobject_cast<const QGroupBox*>(w) || qobject_cast<const ui::TabStrip*>(w) ||
           (w->metaObject() == &QFrame::staticMetaObject && !w->findChildren<QWidget*>().isEmpty());
}

// What a control covers in the window: a label its text's ink (its box is blank around it, unless it
// has a border), anything else its box. Nothing for a label that draws nothing.
std::optional<QRect> coverOf(const QWidget* w, const QWidget* window) {
    if (auto* label = qobject_cast<const QLabel*>(w); label && label->frameShape() == QFrame::NoFrame) {
        const auto drawn = labelInk(label);
        if (!drawn) return std::nullopt;
        return inWindow(label, drawn->ink.translated(drawn->box.topLeft()) & label->rect(), window);
    }
    return inWindow(w, w->rect(), window);
}

struct Overlap {
    QString label;
    QString text;
    QString neighbour;
    QRect ink;    // the label's, in the window
    QRect cover;  // the neighbour's, in the window
};

// Every label whose text runs into a control beside it: one on the same parent, or beside the frame
// or picture box that holds it. The container that holds the label is not beside it.
std::vector<Overlap> overlaps(QWidget* window) {
    std::vector<Overlap> found;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!ownControl(label)) continue;
        const auto ink = coverOf(label, window);
        if (!ink || ink->isEmpty()) continue;
        for (QWidget* level = label; level && level != window; level = level->parentWidget()) {
            QWidget* parent = level->parentWidget();
            if (!parent) break;
            for (QObject* o : parent->children()) {
                auto* w = qobject_cast<QWidget*>(o);
                if (!w || w == level || !ownControl(w) || w->isWindow()) continue;
                const auto cover = coverOf(w, window);
                if (!cover) continue;
                if (isContainer(w) && cover->contains(*ink)) continue;
                // Glyphs next to a box's edge touch it: one blank pixel must part them above and below, and
                // three beside it, where closer glyphs read as one word with the box's text.
                constexpr int kBeside = 3;
                if (cover->intersects(ink->adjusted(-kBeside, -1, kBeside, 1)))
                    found.push_back({label->objectName(), label->text(), w->objectName(), *ink, *cover});
            }
        }
    }
    return found;
}

struct CutHeader {
    QString grid;
    int col;
    QString caption;
    int inkWidth;
    int cellWidth;
};

// Every header caption of a grid that does not fit its column (the cell's text margins taken off).
std::vector<CutHeader> cutHeaders(QWidget* window) {
    std::vector<CutHeader> cut;
    for (ui::FlexGrid* grid : window->findChildren<ui::FlexGrid*>()) {
        if (!ownControl(grid) || grid->FixedRows() < 1) continue;
        for (int col = 0; col < grid->Cols(); ++col) {
            const QString caption = grid->TextMatrix(0, col);
            const ui::FlexGrid::CellArea area = grid->cellArea(0, col);
            if (caption.isEmpty() || !area.widget) continue;
            const QRect inner = area.rect.adjusted(2, 1, -3, -2);  // as the grid paints a cell
            const QFontMetrics fm(area.widget->font());
            const QRect ink = inkOf(caption, fm, inner.size(), Qt::AlignLeft | Qt::AlignVCenter);
            if (ink.right() > inner.width())
                cut.push_back({grid->objectName(), col, caption, ink.right() + 1, inner.width()});
        }
    }
    return cut;
}

// Overlaps the windows' own twips give on purpose, and header captions wider than the column the
// window gives them; each with its reason. `neighbour` names the control, or for a grid the caption.
struct OnPurpose {
    const char* window;
    const char* control;
    const char* neighbour;
    const char* why;
};
// The main list gives every column a view chooses the same width, whatever its caption.
constexpr const char* kViewColumnWidth = "a view's columns are all 1500 twips wide";
const std::vector<OnPurpose> kOnPurpose = {
    {"frm_Main", "MSFlexGrid_Main", "ページファイル全容量", kViewColumnWidth},
    {"frm_Main", "MSFlexGrid_Main", "ページファイル使用量", kViewColumnWidth},
    {"frm_Main", "MSFlexGrid_Main", "ページファイル空容量", kViewColumnWidth},
    {"frm_Main", "MSFlexGrid_Main", "システムDiskドライブ名", kViewColumnWidth},
    {"frm_Main", "MSFlexGrid_Main", "システムDisk空容量", kViewColumnWidth},
    {"frm_Main", "MSFlexGrid_Main", "コンピュータの説明", kViewColumnWidth},
};

bool onPurpose(const QString& window, const QString& control, const QString& neighbour, std::set<int>& used) {
    for (int i = 0; i < int(kOnPurpose.size()); ++i) {
        const OnPurpose& p = kOnPurpose[i];
        if (window == QLatin1String(p.window) && control == QString::fromUtf8(p.control) &&
            neighbour == QString::fromUtf8(p.neighbour)) {
            used.insert(i);
            return true;
        }
    }
    return false;
}

struct WindowCase {
    const char* className;
    std::function<void()> prepare;  // the shared state the window's opener sets
    const char* what = "";
};

class LayoutTest : public testsupport::LedgerTest {
    static constexpr int kViewColumns = 76;  // the column catalogue's, past its blank first one

protected:
    void SetUp() override {
        LedgerTest::SetUp();
        registerAllForms();
        // A small ledger: a row in every list, so every grid shows its header captions.
        for (const auto& [table, name] : {std::pair{"tbl_Section", "総務部"},
                                          {"tbl_Division", "庶務課"},
                                          {"tbl_Location", "本社2F"},
                                          {"tbl_Manufacturer", "メーカー"},
                                          {"tbl_Model", "モデル"}})
            addMaster(table, 1, name);
        addUser(1, "山田 太郎", 1, 1);
        addPc({1, "PC-0001", 1, 1, 0, 1});
        sql("INSERT INTO tbl_License_Key ([Key], Application_Name, Unit_Num) VALUES (1, 'Office', 10)");
        sql("INSERT INTO tbl_License_Dat ([Key], Application_Code, Computer_Code, ProductID, Licence_No, "
            "Install_Key) VALUES (1, 1, 1, 'P-1', 'L-1', 'K-1')");
        sql("INSERT INTO tbl_Mail_Management ([Key], User_Code, Conputer_Code, beat_loginID) VALUES (1, 1, 1, 'id')");
        sql("INSERT INTO tbl_NetworkUnit ([Key], Computer_Name, IPAddress, MacAddress, Deleted_Flug) VALUES "
            "(1, 'PC-0001', '192.168.1.1', '00:0D:60:12:34:56', 0)");
        sql("INSERT INTO tbl_ApplicationsList ([Key], Application_Name, Application_Version) VALUES (1, 'Office', "
            "'1.0')");
        sql("INSERT INTO tbl_NetworkList ([Key], Computer_Name, IPAddress, MacAddress) VALUES (1, 'PC-0001', "
            "'192.168.1.1', '00:0D:60:12:34:56')");
        // The main list shows every column a view can choose.
        QStringList view{"[0]", QString("MSFlexGrit_SelectNum=%1").arg(kViewColumns)};
        for (int i = 1; i <= kViewColumns; ++i) view << QString("MSFlexGrit_Select%1=%1").arg(i);
        writeIni(view);
        sql("INSERT INTO tbl_Printer_Management ([Key], Printer_Name, PrinterPorts_Name) VALUES (1, 'LP-1', 'LPT1:')");
    }

    // Opens the window modeless (a modal one would hold the test), hands it to `report` on every page of
    // its tab strips, then unloads it.
    void check(const WindowCase& c, const std::function<void(ui::Form*, const QString& where)>& report) {
        SCOPED_TRACE(std::string(c.className) + " " + c.what);
        if (c.prepare) c.prepare();
        ui::Form* f = ui::showForm(QString::fromLatin1(c.className), ui::vbModeless);
        ASSERT_NE(f, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
        const auto strips = f->findChildren<ui::TabStrip*>();
        if (strips.isEmpty()) report(f, QString());
        for (ui::TabStrip* strip : strips) {
            for (int tab = 1; tab <= strip->tabCount(); ++tab) {
                strip->setSelectedIndex(tab);
                QCoreApplication::processEvents();
                report(f, QString("tab %1: ").arg(strip->tabCaption(tab)));
            }
        }
        if (QString::fromLatin1(c.className) != "frm_Main") f->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Every window in the table, the main window first: the others take their geometry from it, as when
    // it opens them. Fails for a registered window without its row.
    void checkEveryWindow(const std::function<void(const WindowCase&, ui::Form*, const QString& where)>& report) {
        ASSERT_NE(ui::showForm("frm_Main", ui::vbModeless), nullptr);
        auto masterTable = [](int index) {
            return [index] {
                gEditTableIndex = index;
                gEditTableCaption = gMasterTable[index].Caption;
                gEditTableName = gMasterTable[index].TableName;
            };
        };
        auto selectPc = [] {
            gSelMainKey = 1;
            gSelRow = 1;
        };
        const WindowCase windows[] = {
            {"frm_Main", {}},
            {"frm_Open", {}},
            {"frm_SelectView", {}},
            {"frm_Edit_Table", masterTable(1), "(部)"},
            {"frm_Edit_Table", masterTable(2), "(課)"},
            {"frm_Edit_Table", masterTable(3), "(設置場所)"},
            {"frm_Edit_Table", masterTable(4), "(メーカー)"},
            {"frm_Edit_Table", masterTable(5), "(モデル)"},
            {"frm_Edit_User", {}},
            {"frmAbout", {}},
            {"frm_Edit_Computer", selectPc},
            {"frm_Inport", {}},
            {"frm_Edit_License", {}},
            {"frm_Add_License", {}},
            {"frm_List_Application", {}},
            {"frm_Edit_Mail", {}},
            {"frm_Edit_Network", {}},
            {"frm_List_Printer", {}},
        };
        std::set<QString> covered;
        for (const WindowCase& c : windows) {
            check(c, [&](ui::Form* f, const QString& where) { report(c, f, where); });
            covered.insert(QString::fromLatin1(c.className));
        }
        for (const QString& name : ui::registeredForms())
            EXPECT_TRUE(covered.count(name)) << name.toStdString() << " has no row in the table of windows";
    }
};

TEST_F(LayoutTest, NoWindowCutsOffTheTextOfALabelOrButton) {
    checkEveryWindow([](const WindowCase&, ui::Form* f, const QString& where) {
        for (const CutText& cut : cutTexts(f))
            ADD_FAILURE() << where.toStdString() << cut.control.toStdString() << " \"" << cut.text.toStdString()
                          << "\": its glyphs cover x " << cut.ink.left() << ".." << cut.ink.right() << ", y "
                          << cut.ink.top() << ".." << cut.ink.bottom() << " of a box " << cut.box.width() << "x"
                          << cut.box.height() << " px";
    });
}

std::string describe(QRect r) {
    return "x " + std::to_string(r.left()) + ".." + std::to_string(r.right()) + ", y " + std::to_string(r.top()) +
           ".." + std::to_string(r.bottom());
}

// A label's text stays clear of the controls beside it, and a grid's header captions fit their columns,
// on every page; what the windows' own twips give on purpose is listed in kOnPurpose with its reason.
TEST_F(LayoutTest, NoLabelRunsIntoItsNeighboursAndEveryHeaderFits) {
    std::set<int> used;
    std::set<std::string> reported;  // a control outside the tab pages shows on every page: once
    checkEveryWindow([&](const WindowCase& c, ui::Form* f, const QString& where) {
        const QString window = QString::fromLatin1(c.className);
        auto once = [&](const QString& key) {
            return reported.insert(std::string(c.className) + c.what + "|" + key.toStdString()).second;
        };
        for (const Overlap& o : overlaps(f)) {
            if (onPurpose(window, o.label, o.neighbour, used) || !once(o.label + "|" + o.neighbour)) continue;
            ADD_FAILURE() << where.toStdString() << o.label.toStdString() << " \"" << o.text.toStdString()
                          << "\": its glyphs (" << describe(o.ink) << ") run into " << o.neighbour.toStdString() << " ("
                          << describe(o.cover) << ")";
        }
        for (const CutHeader& h : cutHeaders(f)) {
            const QString column = QString("col %1").arg(h.col);
            if (onPurpose(window, h.grid, h.caption, used) || !once(h.grid + "|" + column)) continue;
            ADD_FAILURE() << where.toStdString() << h.grid.toStdString() << " " << column.toStdString() << " \""
                          << h.caption.toStdString() << "\": its glyphs need " << h.inkWidth << " px of a column "
                          << h.cellWidth << " px wide";
        }
    });
    for (int i = 0; i < int(kOnPurpose.size()); ++i)
        EXPECT_TRUE(used.count(i)) << kOnPurpose[i].window << " " << kOnPurpose[i].control << " / "
                                   << kOnPurpose[i].neighbour << " is listed but overlaps no longer";
}

}  // namespace

namespace {

// Not a test: a picture of every window with its frame, on every tab page, for a look under a window
// manager. Writes them to the folder in VONDARI_SCREENSHOT (default /tmp/vondari-windows):
//   QT_QPA_PLATFORM=xcb test_app --gtest_also_run_disabled_tests --gtest_filter=*DISABLED_Screenshots
TEST_F(LayoutTest, DISABLED_Screenshots) {
    const QString dir = qEnvironmentVariable("VONDARI_SCREENSHOT", QStringLiteral("/tmp/vondari-windows"));
    ASSERT_TRUE(QDir().mkpath(dir));
    int n = 0;
    checkEveryWindow([&](const WindowCase& c, ui::Form* f, const QString& where) {
        QTest::qWait(300);  // the window manager frames it
        const QRect frame = f->frameGeometry();
        const QPixmap shot = f->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        QString name = QString::fromLatin1(c.className) + QString::fromUtf8(c.what) + where;
        name.remove(QRegularExpression(QStringLiteral("[: ]")));
        EXPECT_TRUE(shot.save(QStringLiteral("%1/%2-%3.png").arg(dir).arg(++n, 2, 10, QLatin1Char('0')).arg(name)));
    });
}

}  // namespace
