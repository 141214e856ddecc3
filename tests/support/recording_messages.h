#pragma once

#include <QString>
#include <QStringList>

#include "core/shared/messages.h"

namespace velmora::testing {

// Records every message instead of showing it, and answers questions as told.
class RecordingMessages final : public Messages {
public:
    void showMessage(const QString& text) override { shown << text; }
    void reportError(const QString& text) override { errors << text; }
    bool askYesNo(const QString& title, const QString& text) override {
        questions << (title.isEmpty() ? text : title + QStringLiteral(": ") + text);
        return answer;
    }

    QStringList shown;
    QStringList errors;
    QStringList questions;
    bool answer = true;
};

}  // namespace velmora::testing
