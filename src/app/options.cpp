#include "app/options.h"

namespace velmora {

ProgramOptions ReadProgramOptions(const QStringList& arguments) {
    ProgramOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (a == QLatin1String("--check-data") || a == QLatin1String("--school")) {
            if (!hasValue) {
                options.error = QStringLiteral("%1 needs a value").arg(a);
                continue;
            }
            (a == QLatin1String("--school") ? options.school : options.checkData) = arguments[++i];
        } else if (a == QLatin1String("--measure-startup")) {
            options.measureStartup = true;
        } else if (a == QLatin1String("--fill-screen")) {
            options.fillScreen = true;
        } else if (a == QLatin1String("--window")) {
            options.fillScreen = false;
        }
    }
    return options;
}

}  // namespace velmora
