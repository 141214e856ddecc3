#pragma once

#include <QPoint>
#include <QString>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "core/shared/region_maps.h"
#include "core/shared/screen_view.h"

namespace velmora {

// The controls of a vocational level screen whose visibility, caption, hint or cursor the model
// decides, by their names on the intermediate screen. A level names them on its own screen in
// its description (LevelDescription::names); a control a level does not have has no name there.
enum class LevelControl {
    // The map of communities with its two help lines, the two finer maps at its place, and the
    // floating name panel.
    PanelEstrellas,
    mapa,
    LabelSelCom1,
    LabelSelCom2,
    mapac,
    mapam,
    PanelMapa,
    // The choice of a family group, a family and a title.
    ListPreFam,
    ListTit,
    Labeltitulo,
    // The lists of a selection and the two caption bars over them.
    PanelSelec,
    listSelFP,
    reja,
    PanelSelTit,
    PanelCarSel,
    // The provinces and localities of a community, the districts of Barcelona.
    ListSelLugFP,
    listBarcelona,
    BotCerrar,
    // The communities picked for a long report.
    PanelImp,
    ListImp,
    BotAceptar,
    // The buttons of a title and of a place.
    BotRequisitos,
    BotPuesto,
    botAsig,
    BotImprimir,
    BotRetrocederFP,
    BotTodoFP,
    // The start screen.
    botTit2,
    botLug2,
    botSalir,
    // The headings of the screen.
    LabelFP1,
    LabelFPGM,
    LabelAno,
    // The questionnaire view's help line and helicopter, which choosing a title hides.
    LabAyuGM,
    HeliPeque,
};
inline constexpr int kLevelControlCount = static_cast<int>(LevelControl::HeliPeque) + 1;

// The intermediate screen's name of each control (its enumerator's name).
std::string_view IntermediateName(LevelControl control);

// The timers of the shared machinery: the pulsing stars on the map and the blinking title.
enum class LevelTimer { Estrellas, Parpadeo };
inline constexpr int kLevelTimerCount = 2;
inline constexpr int kLevelTimerInterval = 200;  // milliseconds, both

// What a level screen shows. The widget redraws the parts named by the changes it takes from the
// model (LevelScreen::takeChanges).
struct LevelView : ControlStates<LevelControl, kLevelControlCount> {
    QString windowTitle;

    // ListPreFam: the nine groups or a group's families, its height and the one selected row
    // (-1 for none).
    std::vector<Cell> familyRows;
    int familyListHeight = 0;
    int familySelected = -1;
    // ListTit: the titles of the chosen family.
    std::vector<Cell> titleRows;
    // listSelFP: a title's texts or the print preview, the preview in "Courier New".
    std::vector<Cell> textRows;
    bool textMonospaced = false;
    // ListSelLugFP: the provinces of a community or the localities of a province.
    std::vector<Cell> placeRows;
    // reja: the centres of a community or of a place.
    std::vector<GridRow> gridRows;
    // listBarcelona and ListImp.
    std::vector<QString> districtRows;
    std::vector<QString> pickRows;

    // PanelMapa (visible[PanelMapa]): top left in the screen's client area, width, text.
    QPoint mapPanelAt;
    int mapPanelWidth = 115;
    QString mapPanelText;

    std::array<bool, kLevelTimerCount> timers{};
};

// The parts of the view a handler changed, and the one-shot requests it made. Taken (and
// cleared) by the widget after each call.
struct LevelChanges : ScreenRequests<LevelControl> {
    enum Part : unsigned {
        Visibility = 1u << 0,  // visible[]
        Captions = 1u << 1,    // caption[], hint[], windowTitle
        Cursors = 1u << 2,
        FamilyRows = 1u << 3,  // familyRows, familyListHeight, familySelected
        TitleRows = 1u << 4,
        TextRows = 1u << 5,  // textRows, textMonospaced
        PlaceRows = 1u << 6,
        GridRows = 1u << 7,
        DistrictRows = 1u << 8,
        PickRows = 1u << 9,
        MapPanel = 1u << 10,
        Timers = 1u << 11,
        Own = 1u << 12,  // what a level draws of its own (the intermediate screen's intro)
    };
    unsigned parts = 0;

    // PanelSelec hidden behind this effect, its new contents set, then shown the same way: a roll
    // for the grid, a circle for the text lists.
    std::optional<TransitionKind> selectionTransition;
    // The map of communities drawn again without stars, before the steps below.
    bool mapClean = false;
    // Steps of the stars to draw on the map of communities, in order.
    std::vector<MarkerStep> markerSteps;

    bool any() const {
        return parts != 0 || !scrolls.empty() || focus || selectionTransition || mapClean ||
               !markerSteps.empty();
    }
    bool has(Part part) const { return (parts & part) != 0; }
};

}  // namespace velmora
