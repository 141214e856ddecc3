#pragma once

#include <QPrinter>
#include <memory>

#include "core/printing/printing.h"
#include "ui/printing/report_output.h"

namespace velmora {

// The one print flow of every screen: the system print dialog over the active window, and the
// report printed where the user confirms (a printer through CUPS, or a PDF file); nothing on
// cancel. The printer is made at the first print (making it reaches the print system, which a
// student who never prints should not wait for at start-up) and then lives as long as the
// program, so the dialog offers the last choice again.
class QtPrinting final : public Printing {
public:
    QtPrinting(Messages& messages, const QString& pictureFolder);

    bool Print(const Report& report) override;

    QPrinter& printer();

private:
    std::unique_ptr<QPrinter> printer_;
    ReportOutput output_;
};

}  // namespace velmora
