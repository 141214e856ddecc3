#include "core/menu/configuration.h"

#include <gtest/gtest.h>

#include <QFile>

#include "core/shared/enlace.h"
#include "menu_fixture.h"

namespace velmora {
namespace {

using testing::MenuFixture;

class ConfigurationTest : public ::testing::Test, protected MenuFixture {
protected:
    ConfigurationTest() {
        store = std::make_unique<SettingsStore>(folder.file(QStringLiteral("config/velmora.ini")));
        enlace->settings.languageCode = 2;
        enlace->settings.animation = true;
    }
    void WriteSceneLibraries() {
        folder.write(QStringLiteral("segdxg1.DXG"), "x");
        folder.write(QStringLiteral("vector.DXG"), "x");
    }
    Configuration panel() { return Configuration(*enlace, *store); }

    std::unique_ptr<SettingsStore> store;
};

TEST_F(ConfigurationTest, OpensOnTheStoredValues) {
    WriteSceneLibraries();
    Configuration config = panel();
    config.open();
    EXPECT_TRUE(config.visible());
    EXPECT_EQ(config.checkedLanguage(), 2);
    EXPECT_EQ(config.languageCaption(), QStringLiteral("Galego"));
    EXPECT_TRUE(config.animationRowVisible());
    EXPECT_TRUE(config.animationChecked());
    EXPECT_EQ(config.animationCaption(), QStringLiteral("t141"));
    config.chooseLanguage(1);
    config.chooseAnimation(false);
    EXPECT_EQ(config.languageCaption(), QString::fromUtf8("Català/Valencià"));
    EXPECT_EQ(config.animationCaption(), QStringLiteral("t140"));
}

TEST_F(ConfigurationTest, WithEitherSceneLibraryMissingOnlyTheLanguageIsOffered) {
    folder.write(QStringLiteral("segdxg1.DXG"), "x");
    Configuration config = panel();
    config.open();
    EXPECT_FALSE(config.animationRowVisible());
    QFile::remove(folder.file(QStringLiteral("segdxg1.DXG")));
    folder.write(QStringLiteral("vector.DXG"), "x");
    config.open();
    EXPECT_FALSE(config.animationRowVisible());
}

TEST_F(ConfigurationTest, SavingUnchangedValuesShowsNothing) {
    WriteSceneLibraries();
    Configuration config = panel();
    config.open();
    config.save();
    EXPECT_FALSE(config.visible());
    EXPECT_TRUE(messages.shown.isEmpty());
    const Settings saved = store->Read();
    EXPECT_EQ(saved.languageCode, 2);
    EXPECT_TRUE(saved.animation);
}

TEST_F(ConfigurationTest, AChangedValueIsSavedForTheNextStartAndSaysSo) {
    WriteSceneLibraries();
    Configuration config = panel();
    config.open();
    config.chooseAnimation(false);
    config.save();
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("t607")});
    EXPECT_FALSE(store->Read().animation);
    // The language in force stays until the next start.
    EXPECT_EQ(enlace->paths.languageCode(), 0);

    // Opened again, the panel shows what was saved, and saving it again says nothing.
    config.open();
    EXPECT_FALSE(config.animationChecked());
    config.chooseLanguage(3);
    config.chooseLanguage(2);
    config.save();
    EXPECT_EQ(messages.shown.size(), 1);

    config.open();
    config.chooseLanguage(0);
    config.save();
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(store->Read().languageCode, 0);
}

TEST_F(ConfigurationTest, WithoutTheAnimationRowTheStoredAnimationIsKept) {
    Configuration config = panel();
    config.open();
    config.chooseAnimation(false);  // not on screen: the row is hidden
    config.chooseLanguage(0);
    config.save();
    EXPECT_TRUE(store->Read().animation);
}

TEST_F(ConfigurationTest, ASaveThatFailsSaysSoAndChangesNothing) {
    folder.write(QStringLiteral("blocked"), "a file where the folder should be");
    store = std::make_unique<SettingsStore>(folder.file(QStringLiteral("blocked/velmora.ini")));
    Configuration config = panel();
    config.open();
    config.chooseLanguage(1);
    config.save();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("No se ha podido guardar")));
    EXPECT_EQ(enlace->settings.languageCode, 2);
}

}  // namespace
}  // namespace velmora
