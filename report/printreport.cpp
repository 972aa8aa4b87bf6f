#include "printreport.h"

#include "lineprinter.h"
#include "qcp1252.h"
#include "qtprintsurface.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

namespace {

// Qt's Unix print dialog, built with CUPS, enables its "Pages from ... to" entry as it is shown
// whenever the PrintPageRange option is off, whatever the order of the options, the dialog's
// minimum and maximum pages or the printer's page range, and passes a chosen range on to the
// print server instead of the printer (a PDF file then gets every page). Its "Pages" entry is
// meant for the print server too. These are the controls of both, by the names Qt gives them.
constexpr const char* kPageRangeControls[] = {"printRange", "from", "to", "pagesRadioButton",
                                              "pagesLineEdit"};

// Keeps the controls it watches disabled, whenever the dialog enables them.
class DisabledKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange) {
            auto* control = static_cast<QWidget*>(watched);
            if (control->isEnabled())
                control->setEnabled(false);
        }
        return false;
    }
};

} // namespace

void SetUpReportPrintDialog(QPrintDialog& dialog) {
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
    dialog.setPrintRange(QAbstractPrintDialog::Selection);
    auto* keeper = new DisabledKeeper(&dialog);
    for (const char* name : kPageRangeControls) {
        if (auto* control = dialog.findChild<QWidget*>(QLatin1String(name))) {
            control->setEnabled(false);
            control->installEventFilter(keeper);
        }
    }
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
