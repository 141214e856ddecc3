#pragma once

#include <array>
#include <string_view>

#include "core/vocational/level_screen_view.h"
#include "core/vocational/vocational_tables.h"

namespace velmora {

// What one vocational level screen keeps of the machinery the three share (LevelScreen): its
// tables, the names of its controls, its texts and sizes, and the options its listings have.
// Behaviour that differs beyond these values is a virtual hook of LevelScreen.
struct LevelDescription {
    Level level = Level::Intermediate;
    // The screen's name of each control; empty for a control it does not have.
    std::array<std::string_view, kLevelControlCount> names{};
    // The screen's copy of the family groups.
    FamilyGroups VocationalTables::*groups = &VocationalTables::intermediateFamilyGroups;

    int levelText = 113;      // the level's name, in the title of a title's report
    int ownTitlesText = 390;  // "only this level" of the place listing
    int allTitlesText = 391;  // "all vocational training"
    // ImageListIconos index of each group, by list position.
    std::array<int, FamilyGroups::kGroups> groupIcons{1, 2, 35, 12, 0, 9, 19, 16, 21};
    int familyListHeight = 169;  // ListPreFam while it shows a group's families
    int groupListHeight = 301;   // while it shows the groups (or a long group's families)
    int mapPanelOffset = 220;    // PanelMapa sits this far below the pointer's map position
    int mapNameWidth = 45;       // columns of a community's name shown over the map (3 on)

    int comarcaCommunity = 9;         // the community whose places are chosen on `mapac`
    int zoneCommunity = 13;           // and on `mapam`
    bool areaMaps = true;             // the two finer maps exist
    bool allTitlesOption = true;      // the place listing can show every level's titles
    bool gridOpensTitles = true;      // a double click on a title row chooses it
    bool singleProvinceOpens = true;  // a community of one province opens it at once
    // Listing A: the second column of a province's closing row ("" or 60 blanks), and whether
    // "none" (text 292) is also shown in the text list when no centre teaches the title.
    bool closingRowFillsBothColumns = false;
    bool noneInTextList = true;
    // Listing B: the row that closes a centre (empty, or 60 blanks).
    bool placeClosingRowBlank = false;
    // A place's report names the level after the place.
    bool placeReportNamesLevel = true;
    // Province code entry `entry` is listed by place as entry `searchedAs` (0: none): without
    // the comarca map, the city of Barcelona, whose centres the area codes moved to the
    // comarcas' province character, is found under the comarcas' code.
    struct {
        int entry = 0;
        int searchedAs = 0;
    } provinceAlias;
    // The reports print as a text report in "Courier New" at this size; 0: as a list.
    int textReportSize = 0;

    // Choosing a title shows at once the map with the communities that teach it; otherwise the
    // level shows the map when asked (LevelScreen::showTitleMap).
    bool titleShowsMap = true;
    // A click on the list of places does nothing until a province (or, in Catalonia and Madrid,
    // a comarca, district or zone) has been chosen.
    bool placeWaitsForChoice = false;
    // A place's report prints its centres in bold.
    bool placeReportCentresBold = false;
    // A title's report: the rule before the centres (`ruleIndent` blanks and `ruleLength` "_"),
    // whether the heading of the centres is bold, and how a community's heading ends.
    int ruleIndent = 0;
    int ruleLength = 34;
    bool whereToStudyBold = false;
    std::string_view communityHeadingEnd = "  ***";
};

// The intermediate screen, TForm3.
const LevelDescription& IntermediateDescription();

}  // namespace velmora
