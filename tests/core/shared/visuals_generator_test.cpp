// The committed pictures, maps, grids and comarca files are exactly what tools/make_visuals.py
// draws from tools/sources: regenerated into a temporary folder they come out byte for byte.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "support/temp_folder.h"

namespace velmora {
namespace {

const QString kRepository = QStringLiteral(VELMORA_BUNDLED_DATA "../../");

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(VisualsGeneratorTest, RegeneratingWritesTheCommittedFilesAgain) {
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty()) GTEST_SKIP() << "python3 is not installed";
    testing::TempFolder out;
    QProcess run;
    run.start(python, {kRepository + QStringLiteral("tools/make_visuals.py"),
                       QStringLiteral("--data"), out.file(QStringLiteral("data")),
                       QStringLiteral("--pictures"), out.file(QStringLiteral("pictures"))});
    ASSERT_TRUE(run.waitForFinished(300000));
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();

    const struct {
        const char* generated;
        const char* committed;
    } folders[] = {{"data", "data/velmora20_21"}, {"pictures", "src/ui/shared/pictures"}};
    int compared = 0;
    for (const auto& f : folders) {
        const QDir dir(out.file(QLatin1String(f.generated)));
        for (const QString& name : dir.entryList(QDir::Files)) {
            const QByteArray fresh = Read(dir.filePath(name));
            const QByteArray kept =
                Read(kRepository + QLatin1String(f.committed) + QLatin1Char('/') + name);
            EXPECT_FALSE(kept.isEmpty()) << name.toStdString() << " is not committed";
            EXPECT_TRUE(fresh == kept)
                << name.toStdString() << " differs from what the sources draw";
            ++compared;
        }
    }
    EXPECT_EQ(compared, 17 + 8);
}

}  // namespace
}  // namespace velmora
