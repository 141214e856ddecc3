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

    // Question mode with a second line under the question (`LabelNombre2`), for a question that
    // needs a word of explanation. A notice that has no such line asks the question alone.
    virtual bool questionWithNote(const QString& text, const QString& note) {
        (void)note;
        return question(text);
    }

    // Name mode: shows `prompt` with the name field filled with `proposal`, again and again
    // until the user answers yes with a name that is not blank, or answers no (nothing).
    virtual std::optional<QString> askName(const QString& prompt, const QString& proposal) = 0;
};

}  // namespace velmora
