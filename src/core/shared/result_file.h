#pragma once

#include <QString>
#include <string>
#include <vector>

namespace velmora {

class Messages;
class SaveDialog;

// Writes lines of Windows-1252 bytes to `path`, each ended by CR LF, replacing the file. The
// file is written beside the target and moved over it only once complete, so a failure leaves
// an earlier file as it was and never a half-written one. Empty on success, otherwise why not.
QString WriteResultFile(const QString& path, const std::vector<std::string>& lines);

// A file name made of a text the user typed (the student's name): characters that cannot stand
// in a file name (folder separators, control characters, and those some systems refuse) become
// "_", surrounding blanks and dots go. "resultado" when nothing is left.
QString SafeFileName(const QString& text);

enum class SaveOutcome { Saved, Cancelled, Failed };

// The save flow of a questionnaire result: the save dialog (default extension "TXT", proposing
// the name as a file name, overwrite prompt), then the lines written. A failed write is told to
// the user with its path and the reason; what the screen shows is not touched either way.
SaveOutcome SaveResultLines(SaveDialog& dialog, Messages& messages, const QString& proposedName,
                            const std::vector<std::string>& lines);

}  // namespace velmora
