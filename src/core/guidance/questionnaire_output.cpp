#include "core/guidance/questionnaire_output.h"

#include "core/printing/report_printer.h"
#include "core/shared/enlace.h"

namespace velmora {

QuestionnaireOutput::QuestionnaireOutput(Enlace& enlace, Notice& notice, Printing& printing,
                                         SaveDialog& saveDialog)
    : enlace_(enlace), notice_(notice), printing_(printing), saveDialog_(saveDialog) {}

StudentName& QuestionnaireOutput::studentName() {
    return enlace_.studentName;
}

bool QuestionnaireOutput::PrintText(const ResultReport& report, bool monospaced, int fontSize) {
    return ReportPrinter(enlace_, printing_).PrintTextReport(report, monospaced, fontSize);
}

bool QuestionnaireOutput::PrintList(const ResultReport& report, bool monospaced) {
    return ReportPrinter(enlace_, printing_).PrintListReport(report, monospaced);
}

SaveOutcome QuestionnaireOutput::Save(const QString& name, const std::vector<std::string>& lines) {
    return SaveResultLines(saveDialog_, enlace_.messages, name, lines);
}

}  // namespace velmora
