#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "core/shared/save_dialog.h"

namespace velmora::testing {

// Answers the save dialog as the user would: with `path`, or cancelled when it is empty. Keeps
// the names and extensions it was asked with.
class RecordingSaveDialog final : public SaveDialog {
  public:
    std::optional<QString> askSavePath(const QString& proposedName,
                                       const QString& defaultSuffix) override {
        proposed << proposedName;
        suffixes << defaultSuffix;
        if (path.isEmpty()) return std::nullopt;
        return path;
    }

    QString path;
    QStringList proposed;
    QStringList suffixes;
};

}  // namespace velmora::testing
