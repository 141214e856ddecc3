#pragma once

#include <QString>
#include <string>

namespace velmora {

class InterfaceTexts;
class Notice;

// The name under which one student's questionnaire results are printed and saved. One text of
// at most 45 characters, kept in Enlace and shared by every questionnaire screen: empty until
// the student is asked for it before the first print or save, emptied when a new run starts.
class StudentName {
  public:
    static constexpr int kCapacity = 45;

    const QString& text() const { return text_; }
    bool empty() const { return text_.isEmpty(); }
    void clear() { text_.clear(); }
    // Keeps the first 45 characters (a character outside the 16-bit range is never split).
    void set(const QString& text);

    // The name as the report buffer and the result files hold it: Windows-1252, with "?" for
    // a character that encoding lacks.
    std::string bytes() const;

    // Asks for the name with the notice dialog in name mode (interface text 339), proposing
    // `proposal`, until a name that is not blank is given or the student cancels. On a name,
    // the name followed by `suffix` (the ESO screen's course) becomes the student name; false
    // when cancelled, with the name left as it was.
    bool Ask(Notice& notice, const InterfaceTexts& texts, const QString& proposal,
             const QString& suffix = {});
    // Asks only while the name is empty, with an empty field; true when there is a name.
    bool Ensure(Notice& notice, const InterfaceTexts& texts, const QString& suffix = {});

  private:
    QString text_;
};

}  // namespace velmora
