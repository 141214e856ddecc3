#pragma once

#include <QString>
#include <optional>

namespace velmora {

// The system's save dialog as the screens see it. The ui shows it; tests answer for the user.
class SaveDialog {
  public:
    virtual ~SaveDialog() = default;

    // Asks where to save a file, proposing `proposedName` (a file name without a folder). The
    // dialog adds `defaultSuffix` to a name typed without one and asks before replacing an
    // existing file. The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> askSavePath(const QString& proposedName,
                                               const QString& defaultSuffix) = 0;
};

}  // namespace velmora
