#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/shared/enlace.h"
#include "core/vocational/intermediate_screen.h"
#include "core/vocational/vocational_fixture.h"
#include "support/recording_messages.h"
#include "support/recording_printing.h"
#include "support/recording_sound.h"

namespace velmora::testing {

// The vocational folder of VocationalFolder with what a level screen needs besides: provinces in
// "comunida" (Aragon with four, Cataluna and Madrid with six), more centres in Huesca, districts
// of Barcelona, the Castilian interface texts, requirement lines keyed 13, 22 and 23, and a
// "puntos3" whose regions are vertical bands (RegionX gives a column inside each).
//
// GM titles: 2 "Ciclo medio 01.1" (family 1), 4 and 5 (family 2), 8 (family 4), 54 (the "|"
// generation), 56 (the "!" one). Centres of GM title 2: Huesca (IES Sierra de Guara, also GM 4,
// GS 2 and basic 2), Jaca, Oviedo, a Madrid zone-2 centre, Barcelona (district Ciutat Vella) and
// Terrassa (comarca 41, which also lists a title number beyond the file). GM 4: Huesca, Zaragoza
// and Madrid zone 1. GM 8: Girona. IES Pirineos (Huesca) teaches only GS 5.
class LevelFolder : public VocationalFolder {
  public:
    LevelFolder();
    // Rewrites the GM offers of the centre lists (each line "n;t1;...;tn"), lu1..lu4 in order.
    void gmOffers(const std::vector<std::string>& lines) const { data("datluggmphp", lines); }
    std::vector<std::string> offersGMLines;
};

// The x of a cell of `region` on the generated maps (y anywhere from 1 to 196).
int RegionX(RegionMap map, int region);

// The intermediate screen (or another level's screen) over a LevelFolder, loaded as the start-up
// loads it, with recording seams.
class LevelScreenFixture {
  public:
    LevelScreenFixture();
    // The tables as the start-up reads them, then the screen created.
    void load();
    void create();
    // A level's screen created instead, its FormCreate run.
    template <typename Screen>
    std::unique_ptr<Screen> createLevel(std::unique_ptr<Screen> made) {
        level = made.get();
        made->FormCreate();
        return made;
    }

    // The pointer on region r of a map, then a click.
    void clickCommunity(int community);
    void clickComarca(int comarca);
    void clickZone(int zone);
    // The intermediate texts.
    std::string text(int n) const { return enlace.texts[n]; }
    QString qtext(int n) const;
    // Column 0 of the grid's rows, as bytes.
    std::vector<std::string> gridColumn(int column = 0) const;
    std::vector<std::string> placeTexts() const;
    // The report lines the last print sent (title first), as bytes.
    std::vector<std::string> printedLines() const;

    LevelFolder folder;
    RecordingMessages messages;
    Enlace enlace{messages, DataPaths::ForDataFolder(folder.path())};
    RecordingPrinting printing;
    RecordingSound sound;
    std::unique_ptr<IntermediateScreen> screen;
    // The screen the helpers above act on.
    LevelScreen* level = nullptr;
};

}  // namespace velmora::testing
