#pragma once

#include <QString>
#include <optional>
#include <string_view>
#include <vector>

#include "core/shared/screen_view.h"

namespace velmora {

// The controls of the professions screen whose state the model decides; the widget names its
// controls (objectName) with ProfessionsControlName().
enum class ProfessionsControl {
    ListCues,
    PanelFrase,
    LabelFrase0,
    LabelFrase,
    imageIcono,
    BotSi,
    BotNo,
    BotFraRet,
    BotFraSig,
    PanelSelTit0,
    LabelTit0,
    ListSel,
    PanelResul,
    LabelTitulo,
    LabelActi,
    LabelTitExpli,
    LabelTit1,
    Labeltit2,
    LabelTit3,
    ListResulAct,
    ListResulProf,
    ListTit,
    ListResProf,
    BotImp,
    BotAcabar,
};
inline constexpr int kProfessionsControlCount = static_cast<int>(ProfessionsControl::BotAcabar) + 1;

std::string_view ProfessionsControlName(ProfessionsControl control);
std::optional<ProfessionsControl> ProfessionsControlNamed(std::string_view name);

// The screen's three timers: the statement panel growing into place (1 ms), the pages' title
// sliding in (50 ms) and the results' titles sliding in (50 ms).
enum class ProfessionsTimer { Frase, Tit0, Titles };

// The persistent state the professions screen shows.
struct ProfessionsView {
    ControlStates<ProfessionsControl, kProfessionsControlCount> controls;
    QString windowTitle;

    // ListCues: the statements with their icons, ticked ones highlighted.
    std::vector<Cell> statementRows;
    // imageIcono: the statement's icon in the main menu's icon list, -1 for none.
    int statementIcon = -1;
    // PanelFrase's top and height while it grows into place.
    int fraseTop = 0;
    int fraseHeight = 0;
    // ListSel: the phrases of a page or the chosen phrases, ticked ones highlighted.
    std::vector<Cell> phraseRows;
    // The left edges of the sliding titles: LabelTit0 in PanelSelTit0, LabelTit1 and LabelActi
    // in PanelResul.
    int tit0Left = 0;
    int tit1Left = 0;
    int actiLeft = 0;
    // ListResulAct and ListResulProf: a header row, then the ranked activities or the linked
    // professions; the row shown selected (from 0; -1 for none).
    std::vector<Cell> activityRows;
    std::vector<Cell> professionRows;
    int activitySelected = -1;
    int professionSelected = -1;
    // ListTit: the studies of the profession under the pointer; ListResProf: the professions of
    // the activity under it.
    std::vector<Cell> studyRows;
    std::vector<Cell> activityProfessionRows;

    std::array<bool, 3> timers{};  // by ProfessionsTimer
    bool running(ProfessionsTimer timer) const { return timers[static_cast<size_t>(timer)]; }
};

struct ProfessionsChanges {
    enum Part : unsigned {
        Controls = 1u << 0,  // visibility, enabled, captions, cursors, window title
        StatementRows = 1u << 1,
        StatementIcon = 1u << 2,
        Frase = 1u << 3,  // fraseTop, fraseHeight
        PhraseRows = 1u << 4,
        Titles = 1u << 5,  // the sliding titles' positions
        ResultRows = 1u << 6,
        Selection = 1u << 7,  // activitySelected, professionSelected
        StudyRows = 1u << 8,
        ActivityProfessionRows = 1u << 9,
        Timers = 1u << 10,
    };
    unsigned parts = 0;
    std::optional<ProfessionsControl> focus;

    bool any() const { return parts != 0 || focus; }
    bool has(Part part) const { return (parts & part) != 0; }
};

}  // namespace velmora
