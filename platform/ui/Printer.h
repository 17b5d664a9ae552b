#pragma once
// The printer object of a VB program over QPainter on a QPrinter (sharedPrinter() by default), in
// millimetres from the top left of the printable area. A text is printed with its top at CurrentY;
// heights are the font's line height (ascent + descent) on the printer, not the ink of the glyphs.
//
// The document is kept page by page until EndDoc, which sends it to the printer in one go; KillDoc, or
// a Printer destroyed before EndDoc, abandons it, so nothing of a print that failed part-way reaches the
// printer or leaves a file. A printer that fails while the document is sent (a PDF file that cannot be
// written, for instance) raises 482 and leaves no file.
//
// Every document is also written to a log (printerLog()): what was drawn where, page by page, and
// whether it was sent or abandoned. Tests read it as they read the dialog facade's record. The log holds
// the latest document: the first drawing of a new one (on a new Printer, or after EndDoc or KillDoc)
// starts it afresh, so it does not grow with every sheet printed.
#include <QFont>
#include <QString>
#include <vector>

class QPrinter;

namespace ui {

enum : int { vbTwips = 1, vbPoints = 2, vbPixels = 3, vbMillimeters = 6 };

struct PrintLogEntry {
    enum class Kind { Text, Line, NewPage, EndDoc, KillDoc };
    Kind kind = Kind::Text;
    int page = 1;
    double x = 0;  // mm: a text's left and top, a line's start
    double y = 0;
    double x2 = 0;  // a line's end
    double y2 = 0;
    QString text;
    QString fontName;
    double fontSize = 0;
    bool bold = false;
    bool italic = false;
    int drawWidth = 1;
};

[[nodiscard]] const std::vector<PrintLogEntry>& printerLog();
void clearPrinterLog();

class Printer {
public:
    explicit Printer(QPrinter& device);
    Printer();  // sharedPrinter()
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    void setFontName(const QString& name);
    void setFontSize(double points);
    void setFontBold(bool on);
    void setFontItalic(bool on);
    [[nodiscard]] QString FontName() const { return m_font.family(); }
    [[nodiscard]] double FontSize() const { return m_font.pointSizeF(); }
    [[nodiscard]] bool FontBold() const { return m_font.bold(); }
    [[nodiscard]] bool FontItalic() const { return m_font.italic(); }

    // Only millimetres are kept; any other scale raises 380.
    void setScaleMode(int mode);
    // The printable area, mm.
    [[nodiscard]] double ScaleWidth() const;
    [[nodiscard]] double ScaleHeight() const;

    double CurrentX = 0;
    double CurrentY = 0;

    // In the current font on this printer, mm.
    [[nodiscard]] double TextWidth(const QString& text) const;
    [[nodiscard]] double TextHeight(const QString& text) const;

    // Prints at CurrentX, CurrentY (the text's top), then moves to the start of the next line.
    void Print(const QString& text);
    // Rules are drawn DrawWidth printer pixels wide.
    void setDrawWidth(int pixels);
    [[nodiscard]] int DrawWidth() const { return m_drawWidth; }
    void Line(double x1, double y1, double x2, double y2);
    void NewPage();
    [[nodiscard]] int Page() const { return m_page; }

    // Sends the document; 482 when the printer fails (nothing is left of it then).
    void EndDoc();
    // Abandons the document: nothing reaches the printer.
    void KillDoc();

private:
    struct Op {
        PrintLogEntry entry;
        QFont font;
    };
    void record(PrintLogEntry entry);
    [[nodiscard]] double dpi() const;

    QPrinter& m_device;
    QFont m_font;
    int m_drawWidth = 1;
    int m_page = 1;
    bool m_open = false;  // something was printed and neither EndDoc nor KillDoc ran
    std::vector<Op> m_ops;
};

}  // namespace ui
