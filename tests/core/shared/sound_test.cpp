#include "core/shared/sound.h"

#include <gtest/gtest.h>

#include <QDir>

#include "core/shared/data_paths.h"
#include "support/recording_sound.h"
#include "support/temp_folder.h"

namespace velmora {
namespace {

using testing::RecordingSound;
using testing::TempFolder;

// Runs in another working folder for the life of the object.
class InFolder {
  public:
    explicit InFolder(const QString& path) : saved_(QDir::currentPath()) { QDir::setCurrent(path); }
    ~InFolder() { QDir::setCurrent(saved_); }

  private:
    QString saved_;
};

TEST(PlayMotorSoundTest, PlaysTheDataFolderCopyFirstThenTheWorkingFolderOnesAndOnlyWhenAsked) {
    TempFolder data;
    TempFolder working;
    InFolder in(working.path());
    const DataPaths paths = DataPaths::ForDataFolder(data.path());
    RecordingSound sound;

    PlayMotorSound(sound, paths, true);  // neither copy: silence, no message
    EXPECT_TRUE(sound.played.isEmpty());

    const QString local = working.write(QStringLiteral("motor.wav"), "RIFF");
    PlayMotorSound(sound, paths, true);
    ASSERT_EQ(sound.played.size(), 1);
    EXPECT_EQ(QFileInfo(sound.played[0]).canonicalFilePath(), QFileInfo(local).canonicalFilePath());

    const QString installed = data.write(QStringLiteral("motor.wav"), "RIFF");
    PlayMotorSound(sound, paths, true);
    ASSERT_EQ(sound.played.size(), 2);
    EXPECT_EQ(sound.played[1], installed);

    PlayMotorSound(sound, paths, false);
    EXPECT_EQ(sound.played.size(), 2);
    EXPECT_EQ(sound.stops, 0);
}

}  // namespace
}  // namespace velmora
