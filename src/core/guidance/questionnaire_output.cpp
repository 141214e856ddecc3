#include "core/guidance/questionnaire_output.h"

#include <algorithm>

#include "core/printing/report_printer.h"
#include "core/shared/enlace.h"

namespace velmora {

void ResultReport::add(std::string line, bool bold) {
    lines.push_back(std::move(line));
    if (bold) boldLines.push_back(count());
}

QuestionnaireOutput::QuestionnaireOutput(Enlace& enlace, Notice& notice, Printing& printing,
                                         SaveDialog& saveDialog)
    : enlace_(enlace), notice_(notice), printing_(printing), saveDialog_(saveDialog) {}

StudentName& QuestionnaireOutput::studentName() {
    return enlace_.studentName;
}

int QuestionnaireOutput::Compose(const ResultReport& report) {
    ReportState& state = enlace_.report;
    const int count = std::min(report.count(), ReportBuffer::kMaxLines);
    state.buffer.setTitle(report.title);
    for (int k = 1; k <= count; ++k) state.buffer.set(k, report.lines[static_cast<size_t>(k - 1)]);
    state.boldLines.Clear();
    for (const int line : report.boldLines)
        if (line >= 1 && line <= count) state.boldLines.Add(line);
    return count;
}

bool QuestionnaireOutput::PrintText(const ResultReport& report, bool monospaced, int fontSize) {
    const int count = Compose(report);
    return ReportPrinter(enlace_, printing_)
        .PrintTextReport(enlace_.report.buffer, count, monospaced, fontSize);
}

bool QuestionnaireOutput::PrintList(const ResultReport& report, bool monospaced) {
    const int count = Compose(report);
    return ReportPrinter(enlace_, printing_)
        .PrintListReport(enlace_.report.buffer, count, monospaced);
}

SaveOutcome QuestionnaireOutput::Save(const QString& name, const std::vector<std::string>& lines) {
    return SaveResultLines(saveDialog_, enlace_.messages, name, lines);
}

}  // namespace velmora
