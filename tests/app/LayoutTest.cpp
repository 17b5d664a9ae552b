// Every window of the ledger, opened as the program opens it: no label, check box, option button or
// button shows a text larger than its box (at 96 dpi, with the fonts the windows map to). A window added
// to the program is held to it too: every registered window must have its row in the table.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <functional>
#include <optional>
#include <set>

#include "app/AllForms.h"
#include "core/Mdl_gData.h"
#include "core/frm_Main.h"
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

// The ink of the control's text and the box the control draws it in.
std::optional<CutText> measure(QWidget* w) {
    const QFontMetrics fm(w->font());
    QString text;
    QRect ink;
    QRect box;
    if (auto* label = qobject_cast<QLabel*>(w)) {
        text = label->text();
        if (text.isEmpty() || label->textFormat() == Qt::RichText) return std::nullopt;
        box = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
        if (label->wordWrap()) {
            // Lines broken to the width: the height they need, beside the frame and margins.
            const int needed = label->heightForWidth(label->width()) - (label->height() - box.height());
            ink = QRect(0, 0, box.width(), needed);
        } else {
            // A label shows "&" as a mnemonic only when it has a partner control.
            ink = inkOf(label->buddy() ? shownText(text) : text, fm, box.size(), label->alignment());
        }
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

// Every text cut off in the window as it is shown now.
std::vector<CutText> cutTexts(QWidget* window) {
    std::vector<CutText> cut;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        // The window's own controls carry their names; Qt's inner parts (scroll arrows, ...) carry none.
        if (!w->isVisible() || w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
        if (auto c = measure(w)) cut.push_back(*c);
    }
    return cut;
}

struct WindowCase {
    const char* className;
    std::function<void()> prepare;  // the shared state the window's opener sets
    const char* what = "";
};

class LayoutTest : public testsupport::LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        registerAllForms();
        addPc({1, "PC-0001"});
    }

    // Opens the window modeless (a modal one would hold the test), checks it on every page of its tab
    // strips, then unloads it.
    void check(const WindowCase& c) {
        SCOPED_TRACE(std::string(c.className) + " " + c.what);
        if (c.prepare) c.prepare();
        ui::Form* f = ui::showForm(QString::fromLatin1(c.className), ui::vbModeless);
        ASSERT_NE(f, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
        auto report = [&](const QString& where) {
            for (const CutText& cut : cutTexts(f))
                ADD_FAILURE() << where.toStdString() << cut.control.toStdString() << " \"" << cut.text.toStdString()
                              << "\": its glyphs cover x " << cut.ink.left() << ".." << cut.ink.right() << ", y "
                              << cut.ink.top() << ".." << cut.ink.bottom() << " of a box " << cut.box.width() << "x"
                              << cut.box.height() << " px";
        };
        const auto strips = f->findChildren<ui::TabStrip*>();
        if (strips.isEmpty()) report(QString());
        for (ui::TabStrip* strip : strips) {
            for (int tab = 1; tab <= strip->tabCount(); ++tab) {
                strip->setSelectedIndex(tab);
                QCoreApplication::processEvents();
                report(QString("tab %1: ").arg(strip->tabCaption(tab)));
            }
        }
        if (QString::fromLatin1(c.className) != "frm_Main") f->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(LayoutTest, NoWindowCutsOffTheTextOfALabelOrButton) {
    // The main window first: the others take their geometry from it, as when it opens them.
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
        check(c);
        covered.insert(QString::fromLatin1(c.className));
    }
    for (const QString& name : ui::registeredForms())
        EXPECT_TRUE(covered.count(name)) << name.toStdString() << " has no row in the table of windows";
}

}  // namespace
