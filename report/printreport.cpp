#include "printreport.h"

#include "lineprinter.h"
#include "qcp1252.h"
#include "qtprintsurface.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>

void SetUpReportPrintDialog(QPrintDialog& dialog) {
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
    dialog.setPrintRange(QAbstractPrintDialog::Selection);
}

void PrintReportOn(QPrinter& printer, const std::vector<ReportLine>& lines,
                   const std::string& title) {
    printer.setResolution(kReportResolution);
    QtPrintSurface surface(printer);
    PrintReportLines(surface, title, ToCp1252(QCoreApplication::applicationName()), lines);
}

bool PrintReport(QWidget* parent, QPrinter& printer, const std::vector<ReportLine>& lines,
                 const std::string& title) {
    QPrintDialog dialog(&printer, parent);
    SetUpReportPrintDialog(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    PrintReportOn(printer, lines, title);
    return true;
}

bool PrintReport(QWidget* parent, const std::vector<ReportLine>& lines, const std::string& title) {
    QPrinter printer;
    return PrintReport(parent, printer, lines, title);
}
