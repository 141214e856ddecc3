#pragma once

#include "core/printing/printing.h"
#include "core/printing/report.h"
#include "core/printing/report_buffer.h"

namespace velmora {

class Enlace;

// The two report prints every screen uses. The header takes the school name from the settings
// and its label from interface text 175; bold lines come from the shared bold-line list, which
// every print empties when it ends, printed or not, so that the next report starts clean.
class ReportPrinter {
public:
    ReportPrinter(Enlace& enlace, Printing& printing);

    // Single-column portrait report of lines 1..count at fontSize (10 or 12). Entries past count
    // are emptied. True when it was printed.
    bool PrintTextReport(ReportBuffer& buffer, int count, bool monospaced, int fontSize);

    // Three-column landscape list; under 75 lines it prints as a portrait report in "Courier New"
    // at size 10 whatever `monospaced` says.
    bool PrintListReport(ReportBuffer& buffer, int count, bool monospaced);

    // The same for a composed report: put in the shared buffer (each line cut to 65
    // characters, at most 1500 lines) with its bold lines, then printed.
    bool PrintTextReport(const ResultReport& report, bool monospaced, int fontSize);
    bool PrintListReport(const ResultReport& report, bool monospaced);

private:
    // Puts a composed report in the shared buffer; the number of its lines there.
    int Fill(const ResultReport& report);
    // The report as it goes to the printer (count is kept within 0..1500).
    Report Compose(const ReportBuffer& buffer, int count, ReportLayout layout, bool monospaced,
                   int fontSize) const;
    bool Print(ReportBuffer& buffer, int count, ReportLayout layout, bool monospaced,
               int fontSize);

    Enlace& enlace_;
    Printing& printing_;
};

}  // namespace velmora
