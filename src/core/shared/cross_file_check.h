#pragma once

#include <QFileInfo>
#include <QString>
#include <optional>
#include <vector>

#include "core/shared/data_check.h"
#include "core/shared/data_paths.h"
#include "core/shared/data_error.h"
#include "core/shared/messages.h"
#include "core/shared/text_file.h"

namespace velmora {

// The cross-file rules read files again with the program's readers; what a reader says about a
// missing or broken file is the catalogue pass's to report, so they read through these.
class QuietMessages final : public Messages {
  public:
    void showMessage(const QString&) override {}
    void reportError(const QString&) override {}
    bool askYesNo(const QString&, const QString&) override { return false; }
};

// A file for a rule to look at, or nothing when it is absent or unreadable: the catalogue pass
// has reported that already.
inline std::optional<TextLines> TryRead(const QString& path) {
    if (!QFileInfo(path).isFile()) return std::nullopt;
    try {
        return ReadTextFile(path);
    } catch (const DataError&) {
        return std::nullopt;
    }
}

// What every data set's cross-file checker shares: the folder's paths and the list it adds to.
class CrossFileCheck {
  protected:
    CrossFileCheck(const DataPaths& paths, std::vector<DataProblem>& problems)
        : paths_(paths), problems_(problems) {}

    void add(const QString& file, int line, const QString& reason) {
        problems_.push_back({file, line, reason});
    }
    QString dataFile(const char* name) const { return paths_.dataFile(QLatin1String(name)); }
    QString languageFile(int code, const char* name) const {
        return paths_.languageFolder(code) + QLatin1String(name);
    }

    const DataPaths& paths_;
    std::vector<DataProblem>& problems_;
};

}  // namespace velmora
