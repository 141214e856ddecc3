#pragma once

#include <QString>
#include <vector>

namespace velmora {

// One fault of a data folder: the file, the line where there is one (0 for the whole file), why.
struct DataProblem {
    QString file;
    int line = 0;
    QString reason;

    QString toString() const;  // "file:line: reason", as compilers print
};

struct DataCheckResult {
    std::vector<DataProblem> problems;
    std::vector<QString> notReadYet;  // absent files that only screens still to come will read
    int filesRead = 0;

    bool clean() const { return problems.empty(); }

    // The closing line for the technician, in the language of the problems:
    // "206 ficheros leídos, 0 problemas", "1 fichero leído, 1 problema".
    QString summary() const;
};

// Reads every file of the catalogue in every language folder with its own reader, exactly as
// the program will, and collects every missing file and every broken rule.
DataCheckResult CheckDataFolder(const QString& dataFolder);

}  // namespace velmora
