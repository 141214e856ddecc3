#pragma once

#include <QString>
#include <vector>

#include "core/shared/data_check.h"
#include "core/shared/data_paths.h"
#include "core/shared/messages.h"

namespace velmora {

// The cross-file rules read files again with the program's readers; what a reader says about a
// missing or broken file is the catalogue pass's to report, so they read through these.
class QuietMessages final : public Messages {
  public:
    void showMessage(const QString&) override {}
    void reportError(const QString&) override {}
    bool askYesNo(const QString&, const QString&) override { return false; }
};

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
