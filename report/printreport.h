#pragma once

#include "report.h"

#include <string>
#include <vector>

class QPrintDialog;
class QPrinter;
class QWidget;

// The print dialog as the report wants it: no page range (its entries stay disabled even where
// Qt's dialog would enable them for the print server), printing to a file (PDF) offered, the
// selection preselected (it changes nothing that is printed), copies left to the printer.
void SetUpReportPrintDialog(QPrintDialog& dialog);

// The printer resolution the report is laid out in. Its header space is 100 device pixels and
// the logo's height a fraction of the page width: at 300 pixels per inch the logo stays clear
// of the rule, at 1200 it would cross it. Qt hands the pages to the print system as vector
// output, so the resolution only sets the coordinates.
inline constexpr int kReportResolution = 300;

// Prints the report's lines under the header `title` on `printer`, as one document named
// after the application, in the report's resolution. No dialog.
void PrintReportOn(QPrinter& printer, const std::vector<ReportLine>& lines,
                   const std::string& title);

// The Print button: shows the print dialog for `printer` and, when the user confirms it,
// prints the report there. False when the user cancels; nothing is printed then.
bool PrintReport(QWidget* parent, QPrinter& printer, const std::vector<ReportLine>& lines,
                 const std::string& title);
// The same on a printer of its own.
bool PrintReport(QWidget* parent, const std::vector<ReportLine>& lines, const std::string& title);
