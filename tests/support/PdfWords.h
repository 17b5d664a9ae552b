#pragma once
// Reads a PDF back as positioned words through poppler-utils' "pdftotext -bbox" (a test-only package).
// Positions are millimetres from the top left of each page's media box.
#include <QString>
#include <vector>

namespace testsupport {

struct PdfWord {
    int page = 1;                                   // from 1
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;  // mm
    QString text;
};

// The words of every page in the order pdftotext gives them; empty when the file cannot be read.
// pdftotext splits words at blanks and U+3000, and may give a kanji as its Kangxi radical form: those
// (U+2E80-U+2FDF) are mapped back to the unified ideographs.
[[nodiscard]] std::vector<PdfWord> pdfWords(const QString& path);
// Pages in the file, 0 when it cannot be read.
[[nodiscard]] int pdfPageCount(const QString& path);

}  // namespace testsupport
