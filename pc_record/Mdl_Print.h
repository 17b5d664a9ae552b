#pragma once
// The PC record sheet: what the open PC record editor shows, printed on the printer chosen in the print
// dialog (ui::sharedPrinter()), in rows of one line height, with a header and a footer on every page.
// It never reads the database. A failure raises and abandons the document: nothing is printed then.
#include <QtGlobal>

// The print state, recomputed by every print.
extern qint32 glPrtLineHeight;    // LH, whole millimetres
extern qint32 glPrtLinesPerPage;  // LPP
extern qint32 glPrtBodyHeight;    // LPP x LH, millimetres
extern qint32 glPrtRightEdge;     // right end of right-aligned texts and of the rules, millimetres
extern qint16 giPrtPage;          // the page being printed, from 1

void Print_PCSheet();
void Print_Setup();
void Print_PageHeader(qint16& page);
void Print_PCSheetBody();
