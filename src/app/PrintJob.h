#pragma once
// One printed page: the print dialog, a portrait page drawn on CellCanvas, and a message when
// the printer lets the job down. Every printout of the program goes through here.

#include <QString>

#include <functional>

class QWidget;

// Rounds a quotient to the nearest integer, halves to the even neighbour.
int RoundQuotient(double numerator, double denominator);

// Shows the print dialog (through its test seam) for a job of the given title; when the user
// confirms, prints one portrait page drawn by paint with CellCanvas on the printer, the page's
// width and height given in printer pixels. A printer that fails to start or to finish shows
// a message. True only when the page was printed; a cancelled dialog prints nothing.
bool PrintOnePage(QWidget* parent, const QString& jobTitle, const std::function<void(int pageWidth, int pageHeight)>& paint);

// Printer pixels per inch of a page: two-pixel lines then print as a firm line.
constexpr int PrintResolution = 300;

inline constexpr const char* PrinterNotStartedMessage =
    "The printer could not be started, so nothing was printed.  Please check the printer and try again.";
inline constexpr const char* PrinterNotFinishedMessage =
    "The printer could not finish the print job, so the page may not have been printed.  Please check the printer and try again.";
