#pragma once

#include <QString>

namespace velmora {

// The modal messages and questions the core raises. The ui shows them in message boxes; tests
// record them and answer for the user.
class Messages {
public:
    virtual ~Messages() = default;

    // A modal message box with one button.
    virtual void showMessage(const QString& text) = 0;

    // The program's general error report: a failure that abandons the screen set-up in progress.
    virtual void reportError(const QString& text) = 0;

    // A yes/no question box; true for yes.
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
};

}  // namespace velmora
