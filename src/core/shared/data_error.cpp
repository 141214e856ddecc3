#include "core/shared/data_error.h"

namespace velmora {

DataError::DataError(Kind kind, QString file, int line, QString reason)
    : std::runtime_error((file + QStringLiteral(": ") + reason).toStdString()),
      kind_(kind),
      file_(std::move(file)),
      line_(line),
      reason_(std::move(reason)) {}

QString DataError::report() const {
    QString where = file_;
    if (line_ > 0) where += QStringLiteral(", línea %1").arg(line_);
    return QStringLiteral("Error en el fichero %1: %2").arg(where, reason_);
}

}  // namespace velmora
