#include "core/shared/settings_store.h"

#include <gtest/gtest.h>

#include <QDir>

#include "support/temp_folder.h"

namespace velmora {
namespace {

using testing::TempFolder;

class SettingsStoreTest : public ::testing::Test {
  protected:
    Settings readFile(std::string_view content) {
        folder.write(QStringLiteral("velmora.ini"), content);
        return store.Read();
    }
    TempFolder folder;
    SettingsStore store{folder.file(QStringLiteral("velmora.ini"))};
};

TEST_F(SettingsStoreTest, NoFileGivesTheDefaults) {
    const Settings s = store.Read();
    EXPECT_TRUE(s.schoolName.isEmpty());
    EXPECT_EQ(s.languageCode, 0);
    EXPECT_FALSE(s.animation);
    EXPECT_FALSE(s.fillScreen);
}

TEST_F(SettingsStoreTest, ReadsWhatWasSavedWithTheNameTrimmed) {
    ASSERT_TRUE(store.SaveSchoolName(QStringLiteral("  IES Rosalía de Castro \t")));
    ASSERT_TRUE(store.SaveLanguageAndAnimation(3, true));
    const Settings s = store.Read();
    EXPECT_EQ(s.schoolName, QStringLiteral("IES Rosalía de Castro"));
    EXPECT_EQ(s.languageCode, 3);
    EXPECT_TRUE(s.animation);
    // Saving language and animation keeps the name, and the other way round.
    ASSERT_TRUE(store.SaveLanguageAndAnimation(1, false));
    EXPECT_EQ(store.Read().schoolName, QStringLiteral("IES Rosalía de Castro"));
    ASSERT_TRUE(store.SaveSchoolName(QStringLiteral("CEIP Otro")));
    EXPECT_EQ(store.Read().languageCode, 1);
}

TEST_F(SettingsStoreTest, AFileEditedByHandKeepsCommasAndBlanks) {
    const Settings s = readFile(
        "[velmora]\nschool=  Colegio San Jos\xC3\xA9, Madrid  \nlanguage= 2 \nanimation=true\n"
        "fill_screen=true\n");
    EXPECT_EQ(s.schoolName, QStringLiteral("Colegio San José, Madrid"));
    EXPECT_EQ(s.languageCode, 2);
    EXPECT_TRUE(s.animation);
    EXPECT_TRUE(s.fillScreen);
    // The configuration panel's save keeps a hand-set presentation.
    ASSERT_TRUE(store.SaveLanguageAndAnimation(0, false));
    EXPECT_TRUE(store.Read().fillScreen);
}

TEST_F(SettingsStoreTest, NonsenseValuesFallBackOneByOne) {
    Settings s = readFile("[velmora]\nschool=IES A\nlanguage=cuatro\nanimation=quiz\xC3\xA1s\n");
    EXPECT_EQ(s.schoolName, QStringLiteral("IES A"));
    EXPECT_EQ(s.languageCode, 0);
    EXPECT_FALSE(s.animation);
    s = readFile("[velmora]\nlanguage=7\nanimation=1\n");
    EXPECT_EQ(s.languageCode, 0);
    EXPECT_TRUE(s.animation);
    s = readFile("[velmora]\nlanguage=-1\nfill_screen=s\xC3\xAD\n");
    EXPECT_EQ(s.languageCode, 0);
    EXPECT_FALSE(s.fillScreen);
}

TEST_F(SettingsStoreTest, AFileOfGarbageOrAFolderInItsPlaceGivesTheDefaults) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 131) % 256);
    const Settings s = readFile(garbage);
    EXPECT_EQ(s.languageCode, 0);
    EXPECT_FALSE(s.animation);

    SettingsStore folderStore(folder.file(QStringLiteral("adir")));
    QDir().mkpath(folderStore.file());
    EXPECT_EQ(folderStore.Read().languageCode, 0);
    EXPECT_FALSE(folderStore.SaveLanguageAndAnimation(1, true));  // reported, not hidden
}

}  // namespace
}  // namespace velmora
