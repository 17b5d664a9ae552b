#include "platform/ui/Printer.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include "platform/base/VbError.h"
#include "platform/ui/Dialogs.h"

namespace ui {

namespace {

constexpr double kMmPerInch = 25.4;

std::vector<PrintLogEntry>& log() {
    static std::vector<PrintLogEntry> entries;
    return entries;
}

[[noreturn]] void printerError() { throw vb::Error(482, QStringLiteral("プリンタ エラーです。")); }

}  // namespace

const std::vector<PrintLogEntry>& printerLog() { return log(); }
void clearPrinterLog() { log().clear(); }

Printer::Printer(QPrinter& device) : m_device(device) {}
Printer::Printer() : Printer(sharedPrinter()) {}

Printer::~Printer() {
    if (m_open) KillDoc();
}

void Printer::setFontName(const QString& name) { m_font.setFamily(name); }
void Printer::setFontSize(double points) {
    if (!(points > 0)) throw vb::Error(380, QStringLiteral("プロパティの値が不正です。"));
    m_font.setPointSizeF(points);
}
void Printer::setFontBold(bool on) { m_font.setBold(on); }
void Printer::setFontItalic(bool on) { m_font.setItalic(on); }

void Printer::setScaleMode(int mode) {
    if (mode != vbMillimeters) throw vb::Error(380, QStringLiteral("プロパティの値が不正です。"));
}

double Printer::ScaleWidth() const { return m_device.pageLayout().paintRect(QPageLayout::Millimeter).width(); }
double Printer::ScaleHeight() const { return m_device.pageLayout().paintRect(QPageLayout::Millimeter).height(); }

double Printer::dpi() const { return double(m_device.resolution()); }

double Printer::TextWidth(const QString& text) const {
    return QFontMetricsF(m_font, &m_device).horizontalAdvance(text) / dpi() * kMmPerInch;
}

double Printer::TextHeight(const QString&) const {
    return QFontMetricsF(m_font, &m_device).height() / dpi() * kMmPerInch;
}

void Printer::record(PrintLogEntry entry) {
    // The first drawing of a document starts the log afresh: it holds the latest document only.
    if (!m_open) log().clear();
    entry.page = m_page;
    entry.fontName = m_font.family();
    entry.fontSize = m_font.pointSizeF();
    entry.bold = m_font.bold();
    entry.italic = m_font.italic();
    entry.drawWidth = m_drawWidth;
    log().push_back(entry);
    m_ops.push_back({entry, m_font});
    m_open = true;
}

void Printer::Print(const QString& text) {
    PrintLogEntry e;
    e.kind = PrintLogEntry::Kind::Text;
    e.x = CurrentX;
    e.y = CurrentY;
    e.text = text;
    record(e);
    const double height = TextHeight(text);
    CurrentX = 0;
    CurrentY += height;
}

void Printer::setDrawWidth(int pixels) {
    if (pixels < 1) throw vb::Error(380, QStringLiteral("プロパティの値が不正です。"));
    m_drawWidth = pixels;
}

void Printer::Line(double x1, double y1, double x2, double y2) {
    PrintLogEntry e;
    e.kind = PrintLogEntry::Kind::Line;
    e.x = x1;
    e.y = y1;
    e.x2 = x2;
    e.y2 = y2;
    record(e);
    CurrentX = x2;
    CurrentY = y2;
}

void Printer::NewPage() {
    PrintLogEntry e;
    e.kind = PrintLogEntry::Kind::NewPage;
    record(e);
    ++m_page;
    CurrentX = 0;
    CurrentY = 0;
}

void Printer::KillDoc() {
    m_ops.clear();
    m_open = false;
    m_page = 1;
    PrintLogEntry e;
    e.kind = PrintLogEntry::Kind::KillDoc;
    e.page = m_page;
    log().push_back(e);
}

void Printer::EndDoc() {
    if (!m_open) return;
    std::vector<Op> ops;
    ops.swap(m_ops);
    m_open = false;
    m_page = 1;

    const double k = dpi() / kMmPerInch;  // device pixels per mm
    QPainter painter;
    if (!painter.begin(&m_device)) {
        PrintLogEntry e;
        e.kind = PrintLogEntry::Kind::KillDoc;
        log().push_back(e);
        printerError();
    }
    bool ok = true;
    for (const Op& op : ops) {
        const PrintLogEntry& e = op.entry;
        if (e.kind == PrintLogEntry::Kind::Text) {
            painter.setFont(op.font);
            // Qt draws at the baseline; the text's top stands at y.
            const double ascent = QFontMetricsF(op.font, &m_device).ascent();
            painter.setPen(Qt::black);
            painter.drawText(QPointF(e.x * k, e.y * k + ascent), e.text);
        } else if (e.kind == PrintLogEntry::Kind::Line) {
            painter.setPen(QPen(Qt::black, e.drawWidth));
            painter.drawLine(QPointF(e.x * k, e.y * k), QPointF(e.x2 * k, e.y2 * k));
        } else if (e.kind == PrintLogEntry::Kind::NewPage) {
            if (!m_device.newPage()) {
                ok = false;
                break;
            }
        }
    }
    const bool ended = painter.end();
    PrintLogEntry last;
    if (!ok || !ended) {
        // The PDF writer has no abort of its own: what it wrote is removed.
        if (!m_device.outputFileName().isEmpty()) QFile::remove(m_device.outputFileName());
        last.kind = PrintLogEntry::Kind::KillDoc;
        log().push_back(last);
        printerError();
    }
    last.kind = PrintLogEntry::Kind::EndDoc;
    log().push_back(last);
}

}  // namespace ui
