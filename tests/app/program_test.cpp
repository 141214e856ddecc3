// The program itself, started as a school would start it, on the data folder beside it.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "support/temp_folder.h"

namespace velmora {
namespace {

using testing::TempFolder;

class ProgramTest : public ::testing::Test {
  protected:
    // Runs velmora in its measurement mode with its own settings and lock folders.
    int run(const QStringList& arguments, QString* errors = nullptr) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(VELMORA_PROGRAM),
                      QStringList{QStringLiteral("--measure-startup")} + arguments);
        EXPECT_TRUE(program.waitForFinished(30000));
        if (errors) *errors = QString::fromLocal8Bit(program.readAllStandardError());
        return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    }
    TempFolder config;
    TempFolder runtime;
};

TEST_F(ProgramTest, StartsOnTheBundledDataAndReachesTheHomeScreen) {
    QString errors;
    EXPECT_EQ(run({QStringLiteral("A")}, &errors), 0) << errors.toStdString();
    EXPECT_TRUE(errors.contains(QStringLiteral("Programa Velmora actualizado")))
        << errors.toStdString();
    EXPECT_FALSE(errors.contains(QStringLiteral("Faltan ficheros"))) << errors.toStdString();
}

TEST_F(ProgramTest, StartsOnTheSceneWhenAnimationIsAskedFor) {
    QString errors;
    EXPECT_EQ(run({QStringLiteral("S")}, &errors), 0) << errors.toStdString();
    EXPECT_FALSE(errors.contains(QStringLiteral("No funcionará la animación."))) << errors.toStdString();
    EXPECT_FALSE(errors.contains(QStringLiteral("Faltan ficheros"))) << errors.toStdString();
}

TEST_F(ProgramTest, ASecondCopySaysSoAndEnds) {
    const QByteArray lock =
        QFile::encodeName(runtime.file(QStringLiteral("VelmoraWindows20_21.exe.lock")));
    const int fd = ::open(lock.constData(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);  // a first copy holds the lock
    QString errors;
    EXPECT_EQ(run({}, &errors), 0);
    EXPECT_TRUE(errors.contains(QStringLiteral("¡¡ El Velmora ya está funcionando !!")))
        << errors.toStdString();
    ::close(fd);
}

TEST_F(ProgramTest, TheSchoolNameIsStoredTrimmed) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    env.remove(QStringLiteral("DISPLAY"));  // needs no display
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(VELMORA_PROGRAM),
                  {QStringLiteral("--school"), QStringLiteral("  IES Velmora ")});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0);
    QFile ini(config.file(QStringLiteral("Velmora/velmora20_21.ini")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("school=IES Velmora\n"));
}

}  // namespace
}  // namespace velmora
