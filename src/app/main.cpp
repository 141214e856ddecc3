#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include "app/check_data.h"
#include "app/main_sequence.h"
#include "app/options.h"
#include "core/shared/settings_store.h"

namespace {

QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
    const velmora::ProgramOptions options = velmora::ReadProgramOptions(Arguments(argc, argv));
    QTextStream err(stderr);
    if (!options.error.isEmpty()) {
        err << options.error << '\n';
        return 2;
    }
    // The tools need no display: they run before any window system is touched.
    if (options.checkData) {
        QCoreApplication core(argc, argv);
        return velmora::RunDataCheck(*options.checkData);
    }
    if (options.school) {
        QCoreApplication core(argc, argv);
        velmora::SettingsStore store;
        if (!store.SaveSchoolName(*options.school)) {
            err << "No se ha podido guardar el nombre del centro en " << store.file() << '\n';
            return 1;
        }
        QTextStream(stdout) << "Nombre del centro: «" << options.school->trimmed() << "» ("
                            << store.file() << ")\n";
        return 0;
    }
    return velmora::RunVelmora(argc, argv, options);
}
