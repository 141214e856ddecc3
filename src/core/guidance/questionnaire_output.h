#pragma once

#include <QString>
#include <string>
#include <vector>

#include "core/printing/report_buffer.h"
#include "core/shared/result_file.h"

namespace velmora {

class Enlace;
class Notice;
class Printing;
class SaveDialog;
class StudentName;

// What every questionnaire screen does with a result: the student's name asked with the notice
// dialog, the report printed through the shared report buffer and the print dialog, and the
// result saved as a text file through the save dialog.
class QuestionnaireOutput {
  public:
    QuestionnaireOutput(Enlace& enlace, Notice& notice, Printing& printing, SaveDialog& saveDialog);

    StudentName& studentName();
    Notice& notice() { return notice_; }

    // Puts the report in the shared buffer (each line cut to 65 characters, at most 1500 lines)
    // with its bold lines, and prints it in the portrait layout or the three-column list. False
    // when the student cancelled the print dialog or nothing could be printed.
    bool PrintText(const ResultReport& report, bool monospaced, int fontSize);
    bool PrintList(const ResultReport& report, bool monospaced);

    // Saves the lines as a Windows-1252 text file with CR LF, proposing the file name `name`.
    SaveOutcome Save(const QString& name, const std::vector<std::string>& lines);

  private:
    Enlace& enlace_;
    Notice& notice_;
    Printing& printing_;
    SaveDialog& saveDialog_;
};

}  // namespace velmora
