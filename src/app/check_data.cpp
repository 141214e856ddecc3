#include "app/check_data.h"

#include <QTextStream>

#include "core/shared/data_check.h"

namespace velmora {

int RunDataCheck(const QString& dataFolder) {
    QTextStream out(stdout);
    const DataCheckResult result = CheckDataFolder(dataFolder);
    for (const DataProblem& problem : result.problems) out << problem.toString() << '\n';
    out << result.summary() << '\n';
    return result.clean() ? 0 : 1;
}

}  // namespace velmora
