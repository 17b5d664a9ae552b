#include "pc_record/Mdl_Print.h"

#include <QDateTime>
#include <QLabel>
#include <cmath>
#include <functional>

#include "pc_record/frm_Edit_Computer.h"
#include "platform/base/VbError.h"
#include "platform/text/VbConv.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DropDownCombo.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Names.h"
#include "platform/ui/Printer.h"
#include "platform/ui/TextBox.h"

qint32 glPrtLineHeight = 0;
qint32 glPrtLinesPerPage = 0;
qint32 glPrtBodyHeight = 0;
qint32 glPrtRightEdge = 0;
qint16 giPrtPage = 0;

namespace {

constexpr double kLeft = 10;      // header, footer, rules and section headings
constexpr double kItemLeft = 15;  // item and list lines

ui::Printer* printer = nullptr;  // the document of the print in progress

frm_Edit_Computer& editor() {
    auto* f = static_cast<frm_Edit_Computer*>(ui::findForm(QStringLiteral("frm_Edit_Computer")));
    if (!f) throw vb::Error(91, QStringLiteral("オブジェクト変数または With ブロック変数が設定されていません。"));
    return *f;
}

ui::Printer& out() {
    if (!printer) throw vb::Error(482, QStringLiteral("プリンタ エラーです。"));
    return *printer;
}

void printAt(double x, double y, const QString& text) {
    out().CurrentX = x;
    out().CurrentY = y;
    out().Print(text);
}

// Row r's text has its top at r x LH.
void printRow(double x, qint32 row, const QString& text) { printAt(x, double(row) * glPrtLineHeight, text); }

QString itemLine(const QString& label, const QString& value) {
    QString separator = QStringLiteral(": ");
    if (label == QStringLiteral("部") || label == QStringLiteral("課"))
        separator = QStringLiteral(": ") + ui::kIdeo.repeated(4);
    else if (label == QStringLiteral("モデル"))
        separator = QStringLiteral(":") + ui::kIdeo + QStringLiteral(" ");
    return QStringLiteral("□ ") + label + separator + value;
}

void breakPage() {
    out().NewPage();
    giPrtPage = vb::addInt16(giPrtPage, 1);
    Print_PageHeader(giPrtPage);
}

// A heading that would stand on the footer's row or below goes to the next page.
bool headingFits(qint32 row) { return row < glPrtLinesPerPage - 1; }

}  // namespace

void Print_PCSheet() {
    ui::Printer document;
    printer = &document;
    struct Done {
        ~Done() { printer = nullptr; }
    } done;
    Print_Setup();
    giPrtPage = 1;
    Print_PageHeader(giPrtPage);
    Print_PCSheetBody();
    document.EndDoc();
}

void Print_Setup() {
    const QFont font = editor().tbx_Dat[0]->font();
    out().setFontName(font.family());
    out().setFontSize(font.pointSizeF());
    out().setScaleMode(ui::vbMillimeters);
    glPrtLineHeight = vb::CLng(out().TextHeight(QStringLiteral("A")));
    if (glPrtLineHeight == 0) throw vb::Error(11, QStringLiteral("0 で除算しました。"));
    glPrtLinesPerPage = vb::CLng(std::floor(out().ScaleHeight() / glPrtLineHeight));
    glPrtBodyHeight = vb::toInt32(qint64(glPrtLinesPerPage) * glPrtLineHeight);
    glPrtRightEdge = vb::CLng(out().ScaleWidth() - 10);
}

void Print_PageHeader(qint16& page) {
    frm_Edit_Computer& f = editor();
    ui::Printer& p = out();
    const double lh = glPrtLineHeight;
    const double re = glPrtRightEdge;
    const double footer = double(glPrtLinesPerPage - 1) * lh;
    p.setFontBold(true);
    p.setFontItalic(true);
    p.setDrawWidth(3);
    printAt(kLeft, lh, f.tbx_Dat[0]->text());
    const QString pageText = QString::number(page) + QStringLiteral("ページ");
    printAt(re - p.TextWidth(pageText), lh, pageText);
    p.Line(kLeft, 2 * lh, re, 2 * lh);
    printAt(kLeft, footer, ui::kAppTitle);
    const QString today = vb::Format(QDateTime::currentDateTime(), QStringLiteral("Short Date"));
    printAt(re - p.TextWidth(today), footer, today);
    p.Line(kLeft, double(glPrtBodyHeight) - lh, re, double(glPrtBodyHeight) - lh);
    p.setFontBold(false);
    p.setFontItalic(false);
}

void Print_PCSheetBody() {
    frm_Edit_Computer& f = editor();
    auto dat = [&](int i) { return f.tbx_Dat[std::size_t(i)]->text(); };
    struct Fixed {
        qint16 row;
        const char* label;  // a section heading when value is empty
        std::function<QString()> value;
    };
    const Fixed fixed[] = {
        {3, "[ユーザー]", {}},
        {4, "ユーザ名", [&] { return f.tbx_User->text(); }},
        {5, "部", [&] { return f.tbx_Section->text(); }},
        {6, "課", [&] { return f.tbx_Division->text(); }},
        {7, "設置場所", [&] { return f.cmb_Dat[3]->currentText(); }},
        {9, "メーカー", [&] { return f.cmb_Dat[4]->currentText(); }},
        {10, "モデル", [&] { return f.cmb_Dat[5]->currentText(); }},
        {11, "マシンタイプ", [&] { return dat(3); }},
        {12, "シリアル", [&] { return dat(4); }},
        {14, "OS", [&] { return dat(54); }},
        {15, "Product ID", [&] { return dat(39); }},
        {16, "OEM 製造業者", [&] { return dat(37); }},
        {17, "OEM モデル名", [&] { return dat(38); }},
        {18, "Product Key", [&] { return dat(40); }},
        {19, "CPU", [&] { return dat(6); }},
        {20, "メモリ", [&] { return f.tbx_Drive[0]->text(); }},
        {21, "Cドライブ", [&] { return f.tbx_Drive[2]->text(); }},
        {23, "[ネットワーク]", {}},
        {24, "コンピュータ名", [&] { return dat(0); }},
        {25, "ワークグループ", [&] { return dat(1); }},
        {27, "IPアドレス", [&] { return dat(2); }},
        {28, "サブネットマスク", [&] { return dat(28); }},
        {29, "デフォルトゲートウェイ", [&] { return dat(29); }},
        {30, "DNSサーバ", [&] { return dat(33); }},
        {31, "DNSサーバ(2)", [&] { return dat(34); }},
        {32, "Macアドレス", [&] { return dat(36); }},
        {33, "ネットワークカード", [&] { return dat(26); }},
        {34, "接続先HUB", [&] { return dat(35); }},
        {36, "DHCPサーバ", [&] { return dat(30); }},
        {37, "WINSサーバ", [&] { return dat(31); }},
        {38, "WINSサーバ(2)", [&] { return dat(32); }},
        {40, "ユーザ名", [&] { return dat(20); }},
        {41, "パスワード", [&] { return dat(21); }},
        {42, "ホスト名", [&] { return dat(22); }},
        {43, "ドメイン", [&] { return dat(23); }},
        {45, "[アプリケーション]", {}},
    };
    const qint32 lpp = glPrtLinesPerPage;

    // The fixed part keeps its rows on a page of 47 rows or more; on a shorter page a row that would
    // reach the footer goes on in row 3 of the next page.
    qint16 row = 3;
    qint16 designRow = 3;
    for (const Fixed& x : fixed) {
        row = vb::addInt16(row, x.row - designRow);
        designRow = x.row;
        if (!headingFits(row)) {
            breakPage();
            row = 3;
        }
        const QString label = QString::fromUtf8(x.label);
        if (x.value)
            printRow(kItemLeft, row, itemLine(label, x.value()));
        else
            printRow(kLeft, row, label);
    }
    qint16 next = vb::addInt16(row, 1);

    // Applications: name, and the version in parentheses when there is one.
    const ui::FlexGrid* apps = f.MSGrid_Application;
    const qint16 lastApp = vb::toInt16(apps->Rows() - 1);
    for (int i = 1; i <= lastApp; ++i) {
        qint16 r = next;
        if (r + 3 > lpp) {
            breakPage();
            r = 3;
        }
        const QString version = apps->TextMatrix(i, 3);
        QString text = QStringLiteral("□ ") + apps->TextMatrix(i, 1);
        if (!version.isEmpty()) text += QStringLiteral(" (") + version + QStringLiteral(")");
        printRow(kItemLeft, r, text);
        next = vb::addInt16(r, 1);
    }

    // Printers: name and port, the parentheses even for an empty port.
    qint16 heading = vb::addInt16(next, 2);
    if (!headingFits(heading)) {
        breakPage();
        heading = 3;
    }
    printRow(kLeft, heading, QStringLiteral("[プリンター]"));
    next = vb::addInt16(heading, 1);
    const ui::FlexGrid* printers = f.MSFlexGrid_Printer;
    const qint16 lastPrinter = vb::toInt16(printers->Rows() - 1);
    for (int i = 1; i <= lastPrinter; ++i) {
        qint16 r = next;
        if (r + 3 > lpp) {
            breakPage();
            r = 4;
        }
        printRow(kItemLeft, r,
                 QStringLiteral("□ ") + printers->TextMatrix(i, 1) + QStringLiteral(" (") + printers->TextMatrix(i, 2) +
                     QStringLiteral(")"));
        next = vb::addInt16(r, 1);
    }

    // Leasing data.
    qint16 r = next;
    if (r + 3 > lpp) {
        breakPage();
        r = 3;
    }
    heading = vb::addInt16(r, 2);
    if (!headingFits(heading)) {
        breakPage();
        heading = 5;
    }
    printRow(kLeft, heading, QStringLiteral("[資産管理]"));
    const struct {
        const char* label;
        int box;
    } leasing[] = {
        {"購入先", 44}, {"リース契約番号", 46}, {"リース会社", 45}, {"リース開始日", 47}, {"リース終了日", 48}};
    qint16 p = heading;
    for (const auto& item : leasing) {
        if (p + 3 > lpp) {
            breakPage();
            p = 3;
        }
        p = vb::addInt16(p, 1);
        printRow(kItemLeft, p, itemLine(QString::fromUtf8(item.label), dat(item.box)));
    }
}
