#pragma once

#include "core/shared/messages.h"

class QWidget;

namespace velmora {

// Messages in Qt message boxes, over the window that is active at the time.
class QtMessages final : public Messages {
public:
    void showMessage(const QString& text) override;
    void reportError(const QString& text) override;
    bool askYesNo(const QString& title, const QString& text) override;
};

}  // namespace velmora
