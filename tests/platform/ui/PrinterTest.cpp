// The printer over a PDF file: positions in millimetres from the printable area's top left, text tops at
// CurrentY, heights from the font's line height, pages, the log, and documents that are abandoned or fail.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>

#include "platform/base/VbError.h"
#include "platform/ui/Printer.h"
#include "tests/support/PdfWords.h"

namespace {

constexpr double kLeft = 12;  // margins, mm
constexpr double kTop = 15;

class PrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui::clearPrinterLog();
        device.setOutputFormat(QPrinter::PdfFormat);
        device.setOutputFileName(pdf());
        device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(kLeft, kTop, 8, 20),
                                         QPageLayout::Millimeter));
    }
    [[nodiscard]] QString pdf() const { return dir.path() + "/sheet.pdf"; }

    // The first word on `page` whose text is `text`; fails when there is none.
    testsupport::PdfWord word(const std::vector<testsupport::PdfWord>& words, int page, const QString& text) {
        for (const auto& w : words)
            if (w.page == page && w.text == text) return w;
        ADD_FAILURE() << "no word " << text.toStdString() << " on page " << page;
        return {};
    }

    QTemporaryDir dir;
    QPrinter device{QPrinter::HighResolution};
};

TEST_F(PrinterTest, ScaleIsThePrintableAreaAndHeightsAreTheLineHeight) {
    ui::Printer p(device);
    p.setScaleMode(ui::vbMillimeters);
    EXPECT_NEAR(p.ScaleWidth(), 210 - kLeft - 8, 0.01);
    EXPECT_NEAR(p.ScaleHeight(), 297 - kTop - 20, 0.01);

    p.setFontName("IPAGothic");
    p.setFontSize(9);
    QFont f("IPAGothic");
    f.setPointSizeF(9);
    const double lineHeight = QFontMetricsF(f, &device).height() / device.resolution() * 25.4;
    EXPECT_DOUBLE_EQ(p.TextHeight("A"), lineHeight);
    EXPECT_DOUBLE_EQ(p.TextHeight("あ"), lineHeight);
    // The IPA faces at 9 points: about 3.4 mm, so a sheet's whole-millimetre line height is 3.
    EXPECT_GT(lineHeight, 3.2);
    EXPECT_LT(lineHeight, 3.5);
    EXPECT_GT(p.TextWidth("ABCD"), p.TextWidth("AB"));
    EXPECT_NEAR(p.TextWidth("あ"), 2 * p.TextWidth("A"), 0.05);  // fixed pitch: full width is two cells

    EXPECT_THROW(p.setScaleMode(ui::vbTwips), vb::Error);
}

TEST_F(PrinterTest, TextTopsAndLeftsLandWhereTheyWerePut) {
    {
        ui::Printer p(device);
        p.setFontName("IPAGothic");
        p.setFontSize(9);
        const struct {
            double x, y;
            const char* text;
        } texts[] = {{10, 3, "Vondari"}, {15, 30, "□"}, {120.5, 60, "山田"}, {15, 250, "ThinkPad"}};
        for (const auto& t : texts) {
            p.CurrentX = t.x;
            p.CurrentY = t.y;
            p.Print(QString::fromUtf8(t.text));
        }
        // Print moves to the next line's start.
        EXPECT_DOUBLE_EQ(p.CurrentX, 0);
        EXPECT_DOUBLE_EQ(p.CurrentY, 250 + p.TextHeight("A"));
        p.setFontBold(true);
        p.setFontItalic(true);
        p.CurrentX = 40;
        p.CurrentY = 100;
        p.Print("Bold1");
        p.EndDoc();

        const auto words = testsupport::pdfWords(pdf());
        for (const auto& t : texts) {
            const auto w = word(words, 1, QString::fromUtf8(t.text));
            EXPECT_NEAR(w.yMin, kTop + t.y, 0.3) << t.text;
            EXPECT_NEAR(w.xMin, kLeft + t.x, 0.3) << t.text;
        }
        EXPECT_NEAR(word(words, 1, "Bold1").yMin, kTop + 100, 0.3);
    }
    const auto& log = ui::printerLog();
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[4].text, "Bold1");
    EXPECT_TRUE(log[4].bold);
    EXPECT_TRUE(log[4].italic);
    EXPECT_FALSE(log[0].bold);
    EXPECT_EQ(log[2].text, "山田");
    EXPECT_DOUBLE_EQ(log[2].x, 120.5);
    EXPECT_EQ(log[2].fontName, "IPAGothic");
    EXPECT_DOUBLE_EQ(log[2].fontSize, 9);
    EXPECT_EQ(log.back().kind, ui::PrintLogEntry::Kind::EndDoc);
}

TEST_F(PrinterTest, PagesLinesAndTheLog) {
    ui::Printer p(device);
    p.setFontName("IPAGothic");
    p.setFontSize(9);
    p.CurrentX = 10;
    p.CurrentY = 3;
    p.Print("Page1");
    p.setDrawWidth(3);
    p.Line(10, 6, 180, 6);
    p.NewPage();
    EXPECT_EQ(p.Page(), 2);
    p.CurrentX = 10;
    p.CurrentY = 9;
    p.Print("Page2");
    p.EndDoc();

    EXPECT_EQ(testsupport::pdfPageCount(pdf()), 2);
    const auto words = testsupport::pdfWords(pdf());
    EXPECT_NEAR(word(words, 2, "Page2").yMin, kTop + 9, 0.3);

    using K = ui::PrintLogEntry::Kind;
    const auto& log = ui::printerLog();
    ASSERT_EQ(log.size(), 5u);
    const struct {
        K kind;
        int page;
    } expected[] = {{K::Text, 1}, {K::Line, 1}, {K::NewPage, 1}, {K::Text, 2}, {K::EndDoc, 1}};
    for (std::size_t i = 0; i < log.size(); ++i) {
        EXPECT_EQ(log[i].kind, expected[i].kind) << i;
        EXPECT_EQ(log[i].page, expected[i].page) << i;
    }
    EXPECT_EQ(log[1].drawWidth, 3);
    EXPECT_DOUBLE_EQ(log[1].x2, 180);
    EXPECT_DOUBLE_EQ(log[1].y2, 6);
}

// The log holds the latest document only: each new document, sent or abandoned, on the same printer or a
// new one, starts it afresh, so printing sheet after sheet does not make it grow.
TEST_F(PrinterTest, TheLogHoldsTheLatestDocument) {
    using K = ui::PrintLogEntry::Kind;
    auto texts = [] {
        QStringList out;
        for (const auto& e : ui::printerLog())
            out << (e.kind == K::Text      ? e.text
                    : e.kind == K::Line    ? QString("line")
                    : e.kind == K::NewPage ? QString("page")
                    : e.kind == K::EndDoc  ? QString("end")
                                           : QString("kill"));
        return out;
    };
    {
        ui::Printer p(device);
        p.Print("One");
        p.EndDoc();
        EXPECT_EQ(texts(), QStringList({"One", "end"}));
        for (int sheet = 0; sheet < 20; ++sheet) {
            p.Print("Two");
            p.Line(0, 5, 10, 5);
            p.NewPage();
            p.Print("Two");
            p.EndDoc();
        }
        EXPECT_EQ(texts(), QStringList({"Two", "line", "page", "Two", "end"}));
        EXPECT_EQ(ui::printerLog()[3].page, 2);
        p.Print("Three");
        p.KillDoc();
        EXPECT_EQ(texts(), QStringList({"Three", "kill"}));
        p.EndDoc();  // nothing open: nothing sent, the log stays
        EXPECT_EQ(texts(), QStringList({"Three", "kill"}));
    }
    ui::Printer next(device);
    next.Print("Four");
    EXPECT_EQ(texts(), QStringList({"Four"}));
    next.EndDoc();
    EXPECT_EQ(texts(), QStringList({"Four", "end"}));
    EXPECT_EQ(testsupport::pdfPageCount(pdf()), 1);
}

// Nothing of an abandoned or failed document is left: no file, and the log ends in KillDoc.
TEST_F(PrinterTest, AbandonedAndFailedDocumentsLeaveNoFile) {
    using K = ui::PrintLogEntry::Kind;
    {
        ui::Printer p(device);
        p.Print("x");
        p.KillDoc();
    }
    EXPECT_FALSE(QFile::exists(pdf()));
    EXPECT_EQ(ui::printerLog().back().kind, K::KillDoc);

    ui::clearPrinterLog();
    {
        ui::Printer p(device);
        p.Print("x");
    }  // destroyed before EndDoc
    EXPECT_FALSE(QFile::exists(pdf()));
    ASSERT_FALSE(ui::printerLog().empty());
    EXPECT_EQ(ui::printerLog().back().kind, K::KillDoc);

    ui::clearPrinterLog();
    device.setOutputFileName(dir.path() + "/no such folder/sheet.pdf");
    ui::Printer p(device);
    p.Print("x");
    try {
        p.EndDoc();
        ADD_FAILURE() << "EndDoc succeeded on a file that cannot be written";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), 482);
    }
    EXPECT_FALSE(QFile::exists(dir.path() + "/no such folder/sheet.pdf"));
    EXPECT_EQ(ui::printerLog().back().kind, K::KillDoc);

    // EndDoc with nothing printed sends nothing.
    ui::clearPrinterLog();
    device.setOutputFileName(pdf());
    ui::Printer empty(device);
    empty.EndDoc();
    EXPECT_FALSE(QFile::exists(pdf()));
    EXPECT_TRUE(ui::printerLog().empty());
}

}  // namespace
