#include "ui/printing/qt_printing.h"

#include <QApplication>
#include <QPrintDialog>

namespace velmora {

QtPrinting::QtPrinting(Messages& messages, const QString& pictureFolder)
    : output_(messages, pictureFolder) {}

QPrinter& QtPrinting::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool QtPrinting::Print(const Report& report) {
    QPrinter& target = printer();
    // The layouts are drawn for one orientation each; the dialog shows it and printing keeps it.
    target.setPageOrientation(report.orientation() == Orientation::Landscape
                                  ? QPageLayout::Landscape
                                  : QPageLayout::Portrait);
    target.setDocName(report.documentName);
    QPrintDialog dialog(&target, QApplication::activeWindow());
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    if (dialog.exec() != QDialog::Accepted) return false;
    return output_.PrintOn(target, report);
}

}  // namespace velmora
