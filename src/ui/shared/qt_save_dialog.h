#pragma once

#include "core/shared/save_dialog.h"

namespace velmora {

// The system's save dialog over the active window. It opens in the user's documents folder the
// first time and in the folder last chosen afterwards.
class QtSaveDialog final : public SaveDialog {
  public:
    std::optional<QString> askSavePath(const QString& proposedName,
                                       const QString& defaultSuffix) override;

  private:
    QString folder_;
};

}  // namespace velmora
