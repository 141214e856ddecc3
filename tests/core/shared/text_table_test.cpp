#include <gtest/gtest.h>

#include "core/shared/enlace.h"
#include "core/shared/interface_texts.h"
#include "core/shared/keyed_lines.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"

namespace velmora {
namespace {

using testing::RecordingMessages;
using testing::TempFolder;

// A "textos" whose line N reads "L<N>" followed by dots up to `length` characters.
std::string NumberedTexts(int lines, size_t length) {
    std::string out;
    for (int n = 1; n <= lines; ++n) {
        std::string line = "L" + std::to_string(n);
        line.resize(std::max(length, line.size()), '.');
        out += line + "\r\n";
    }
    return out;
}

TEST(SlotWidthTest, FollowsTheRunsAndTheExclusions) {
    EXPECT_EQ(InterfaceTexts::SlotWidth(1), 0);
    EXPECT_EQ(InterfaceTexts::SlotWidth(2), 6);
    EXPECT_EQ(InterfaceTexts::SlotWidth(4), 25);
    EXPECT_EQ(InterfaceTexts::SlotWidth(82), 40);
    EXPECT_EQ(InterfaceTexts::SlotWidth(175), 10);
    EXPECT_EQ(InterfaceTexts::SlotWidth(188), 2);
    EXPECT_EQ(InterfaceTexts::SlotWidth(234), 80);
    EXPECT_EQ(InterfaceTexts::SlotWidth(253), 35);
    EXPECT_EQ(InterfaceTexts::SlotWidth(749), 45);
    EXPECT_EQ(InterfaceTexts::SlotWidth(750), 0);
    int distributed = 0;
    for (int n : {172, 554, 573, 574, 613, 617, 621, 672, 675, 676, 699, 705, 710})
        EXPECT_EQ(InterfaceTexts::SlotWidth(n), 0) << n;
    for (int n = 0; n <= 1100; ++n) distributed += InterfaceTexts::IsDistributed(n);
    EXPECT_EQ(distributed, 748 - 4 - 9 - 3 - 12);
}

class TextTableTest : public ::testing::Test {
protected:
    Enlace& enlace() {
        if (!enlace_) enlace_ = std::make_unique<Enlace>(messages, DataPaths::ForDataFolder(folder.path()));
        return *enlace_;
    }
    TempFolder folder;
    RecordingMessages messages;
    std::unique_ptr<Enlace> enlace_;
};

TEST_F(TextTableTest, DistributionCutsEachLineToItsSlotAndSkipsTheExclusions) {
    folder.write(QStringLiteral("cas/textos"), NumberedTexts(1100, 30));
    ASSERT_TRUE(enlace().LoadInterfaceTexts());
    const InterfaceTexts& texts = enlace().texts;
    EXPECT_EQ(texts[3], "L3" + std::string(23, '.'));  // 30 characters into a slot of 25
    EXPECT_EQ(texts[7], "L7" + std::string(28, '.'));  // fits its 35
    EXPECT_EQ(texts[2], "L2....");
    EXPECT_EQ(texts[1], "");
    EXPECT_EQ(texts[172], "");
    EXPECT_EQ(texts[750], "");
    EXPECT_EQ(enlace().textTable.entry(172).substr(0, 4), "L172");  // read but copied nowhere
    EXPECT_EQ(enlace().textTable.entry(1).substr(0, 2), "L1");
}

TEST_F(TextTableTest, Line234KeepsItsWhole75CharacterEntry) {
    folder.write(QStringLiteral("cas/textos"), NumberedTexts(300, 90));
    ASSERT_TRUE(enlace().LoadInterfaceTexts());
    EXPECT_EQ(enlace().texts[234].size(), 75u);
}

TEST_F(TextTableTest, AShortFileLeavesTheRemainingSlotsEmpty) {
    folder.write(QStringLiteral("cas/textos"), NumberedTexts(10, 4));
    ASSERT_TRUE(enlace().LoadInterfaceTexts());
    EXPECT_EQ(enlace().texts[10], "L10.");
    EXPECT_EQ(enlace().texts[11], "");
    EXPECT_EQ(enlace().texts[749], "");
}

TEST_F(TextTableTest, TheLanguageCodeChoosesTheFolder) {
    folder.write(QStringLiteral("cas/textos"), "\r\nCastellano\r\n");
    folder.write(QStringLiteral("galego/textos"), "\r\nGalego\r\n");
    enlace().setLanguage(2);
    EXPECT_TRUE(enlace().nonCastilian);
    ASSERT_TRUE(enlace().LoadInterfaceTexts());
    EXPECT_EQ(enlace().texts[2], "Galego");
    EXPECT_EQ(QString::fromStdString(enlace().textTable.entry(0)), folder.file(QStringLiteral("galego/textos")).left(75));
}

TEST_F(TextTableTest, AMissingTextosStopsBeforeDistributing) {
    EXPECT_FALSE(enlace().LoadInterfaceTexts());
    EXPECT_TRUE(enlace().stopFlag);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].contains(folder.file(QStringLiteral("cas/textos"))));
}

TEST_F(TextTableTest, KeyedLinesAreSixtyCharactersAndSelectedByKeyInFileOrder) {
    folder.write(QStringLiteral("cas/informa_l"), " 5Primera\r\n13Otra\r\n 5Segunda\r\n\r\n13\r\n");
    folder.write(QStringLiteral("cas/materias_l"), "10Lengua\r\n");
    enlace().LoadKeyedLines();
    EXPECT_FALSE(enlace().stopFlag);
    const KeyedLines& informa = enlace().informa;
    EXPECT_EQ(informa.count(), 5);
    EXPECT_EQ(informa.table().entry(3), std::string(59, ' '));
    EXPECT_EQ(informa.table().entry(4), "13" + std::string(58, ' '));
    const auto five = informa.linesForKey(5);
    ASSERT_EQ(five.size(), 2u);
    EXPECT_EQ(five[0], "Primera" + std::string(51, ' '));
    EXPECT_EQ(five[1].substr(0, 7), "Segunda");
    EXPECT_EQ(informa.linesForKey("13").size(), 2u);
    EXPECT_EQ(enlace().materias.linesForKey(10).size(), 1u);
    EXPECT_TRUE(informa.linesForKey(99).empty());
}

TEST_F(TextTableTest, PositionalLinesReadCharactersFourOnwardsTrimmed) {
    folder.write(QStringLiteral("cas/informa_l"), "00   Cabecera del panel   \r\n00\r\n");
    folder.write(QStringLiteral("cas/materias_l"), "");
    enlace().LoadKeyedLines();
    EXPECT_EQ(enlace().informa.positional(1), "Cabecera del panel");
    EXPECT_EQ(enlace().informa.positional(2), "");
    EXPECT_EQ(enlace().informa.positional(3), "");
}

TEST_F(TextTableTest, AMissingKeyedFileSetsTheStopFlagAndLeavesTheTableEmpty) {
    folder.write(QStringLiteral("cas/informa_l"), " 5Texto\r\n");
    enlace().LoadKeyedLines();
    EXPECT_TRUE(enlace().stopFlag);
    EXPECT_EQ(enlace().informa.count(), 1);
    EXPECT_EQ(enlace().materias.count(), 0);
    EXPECT_EQ(messages.shown.size(), 1);
}

}  // namespace
}  // namespace velmora
