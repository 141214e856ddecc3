#include "ui/printing/qt_printing.h"

#include <QApplication>
#include <QPrintDialog>

namespace velmora {

QtPrinting::QtPrinting(Messages& messages, const QString& pictureFolder)
    : output_(messages, pictureFolder) {}

bool QtPrinting::Print(const Report& report) {
    // The layouts are drawn for one orientation each; the dialog shows it and printing keeps it.
    printer_.setPageOrientation(report.orientation() == Orientation::Landscape
                                    ? QPageLayout::Landscape
                                    : QPageLayout::Portrait);
    printer_.setDocName(report.documentName);
    QPrintDialog dialog(&printer_, QApplication::activeWindow());
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    if (dialog.exec() != QDialog::Accepted) return false;
    return output_.PrintOn(printer_, report);
}

}  // namespace velmora
