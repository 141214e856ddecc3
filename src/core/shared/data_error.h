#pragma once

#include <QString>
#include <stdexcept>
#include <string>

namespace velmora {

// A data file that cannot be used: missing, unreadable, or breaking a rule of its format. It
// carries the file and, where there is one, the line (from 1; 0 when the fault is the whole file).
class DataError : public std::runtime_error {
  public:
    enum class Kind { Missing, Unreadable, Conversion, Format, Capacity };

    DataError(Kind kind, QString file, int line, QString reason);

    // The two faults every reader refuses: a rule of the format broken, a capacity exceeded.
    static DataError Format(const QString& file, int line, const QString& reason) {
        return DataError(Kind::Format, file, line, reason);
    }
    static DataError Capacity(const QString& file, int line, const QString& reason) {
        return DataError(Kind::Capacity, file, line, reason);
    }

    Kind kind() const { return kind_; }
    const QString& file() const { return file_; }
    int line() const { return line_; }
    const QString& reason() const { return reason_; }

    // The text of the general error report: file, line and reason.
    QString report() const;

  private:
    Kind kind_;
    QString file_;
    int line_;
    QString reason_;
};

}  // namespace velmora
