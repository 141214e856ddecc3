#pragma once

#include <QPrinter>

#include "core/printing/printing.h"
#include "ui/printing/report_output.h"

namespace velmora {

// The one print flow of every screen: the system print dialog over the active window, and the
// report printed where the user confirms (a printer through CUPS, or a PDF file); nothing on
// cancel. The printer lives as long as the program, so the dialog offers the last choice again.
class QtPrinting final : public Printing {
public:
    QtPrinting(Messages& messages, const QString& pictureFolder);

    bool Print(const Report& report) override;

    QPrinter& printer() { return printer_; }

private:
    QPrinter printer_{QPrinter::HighResolution};
    ReportOutput output_;
};

}  // namespace velmora
