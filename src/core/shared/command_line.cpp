#include "core/shared/command_line.h"

#include "core/shared/fields.h"

namespace velmora {
namespace {

// Options of the program that take a value; see app/options.
bool TakesValue(const QString& option) {
    return option == QLatin1String("--check-data") || option == QLatin1String("--school");
}

}  // namespace

CommandLineEffect ReadCommandLine(const QStringList& parameters) {
    CommandLineEffect effect;
    if (parameters.isEmpty()) return effect;
    const QString& first = parameters[0];
    if (first == QLatin1String("A")) effect.showUpdated = true;
    if (first == QLatin1String("S")) effect.animation = true;
    if (first == QLatin1String("N")) effect.animation = false;
    if (first.isEmpty() || parameters.size() < 2 || parameters[1].isEmpty()) return effect;

    const QString& second = parameters[1];
    for (int code = 0; code <= 3; ++code) {
        if (second == QString::number(code)) effect.languageFolder = code;
    }
    // A value that is no whole number counts as Castilian.
    const std::optional<std::int32_t> number = ToInteger(second.toStdString());
    effect.nonCastilian = number.has_value() && *number >= 1;
    return effect;
}

QStringList PositionalParameters(const QStringList& arguments) {
    QStringList out;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a.startsWith(QLatin1String("--"))) {
            if (TakesValue(a)) ++i;
            continue;
        }
        out << a;
    }
    return out;
}

}  // namespace velmora
