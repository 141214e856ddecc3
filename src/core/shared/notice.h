#pragma once

#include <QString>
#include <optional>

namespace velmora {

// The notice dialog (TForm4) as the screens use it: a yes/no question, or a name to type.
class Notice {
  public:
    virtual ~Notice() = default;

    // Question mode: true for yes.
    virtual bool question(const QString& text) = 0;

    // Name mode: shows `prompt` with the name field filled with `proposal`, again and again
    // until the user answers yes with a name that is not blank, or answers no (nothing).
    virtual std::optional<QString> askName(const QString& prompt, const QString& proposal) = 0;
};

}  // namespace velmora
