#include "core/printing/report_printer.h"

#include <algorithm>

#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"

namespace velmora {
namespace {
constexpr int kHeaderLabelText = 175;
constexpr int kFewestListLines = 75;
}  // namespace

ReportPrinter::ReportPrinter(Enlace& enlace, Printing& printing)
    : enlace_(enlace), printing_(printing) {}

bool ReportPrinter::PrintTextReport(ReportBuffer& buffer, int count, bool monospaced,
                                    int fontSize) {
    return Print(buffer, count, ReportLayout::Text, monospaced, fontSize);
}

bool ReportPrinter::PrintListReport(ReportBuffer& buffer, int count, bool monospaced) {
    if (count < kFewestListLines) return Print(buffer, count, ReportLayout::Text, true, 10);
    return Print(buffer, count, ReportLayout::List, monospaced, 8);
}

int ReportPrinter::Fill(const ResultReport& report) {
    ReportState& state = enlace_.report;
    const int count = std::min(report.count(), ReportBuffer::kMaxLines);
    state.buffer.setTitle(report.title);
    for (int k = 1; k <= count; ++k) state.buffer.set(k, report.lines[static_cast<size_t>(k - 1)]);
    state.boldLines.Clear();
    for (const int line : report.boldLines)
        if (line >= 1 && line <= count) state.boldLines.Add(line);
    return count;
}

bool ReportPrinter::PrintTextReport(const ResultReport& report, bool monospaced, int fontSize) {
    const int count = Fill(report);
    return PrintTextReport(enlace_.report.buffer, count, monospaced, fontSize);
}

bool ReportPrinter::PrintListReport(const ResultReport& report, bool monospaced) {
    const int count = Fill(report);
    return PrintListReport(enlace_.report.buffer, count, monospaced);
}

Report ReportPrinter::Compose(const ReportBuffer& buffer, int count, ReportLayout layout,
                              bool monospaced, int fontSize) const {
    count = std::clamp(count, 0, ReportBuffer::kMaxLines);
    const BoldLines& bold = enlace_.report.boldLines;
    Report report;
    report.layout = layout;
    report.monospaced = monospaced;
    report.fontSize = fontSize;
    report.title = cp1252::Decode(buffer.title());
    report.lines.reserve(static_cast<size_t>(count));
    for (int i = 1; i <= count; ++i)
        report.lines.push_back({cp1252::Decode(buffer[i]), bold.Contains(i)});
    report.schoolName = enlace_.settings.schoolName;
    report.headerLabel = cp1252::Decode(enlace_.texts[kHeaderLabelText]);
    return report;
}

bool ReportPrinter::Print(ReportBuffer& buffer, int count, ReportLayout layout, bool monospaced,
                          int fontSize) {
    count = std::clamp(count, 0, ReportBuffer::kMaxLines);
    buffer.EmptyFrom(count + 1);
    const bool printed = printing_.Print(Compose(buffer, count, layout, monospaced, fontSize));
    enlace_.report.boldLines.Clear();
    return printed;
}

}  // namespace velmora
