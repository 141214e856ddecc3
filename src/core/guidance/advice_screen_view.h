#pragma once

#include <QString>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "core/shared/screen_view.h"

namespace velmora {

// The controls of the advice screen whose state the model decides; the widget names its
// controls (objectName) with AdviceControlName().
enum class AdviceControl {
    PanelMenuCon,
    Menucua,
    MenuGus,
    MenuMedia,
    MenuRetroCon,
    PanelListCon,
    ListCua,
    Listint,
    PanelResCon,
    ListResul,
    VerResul,
    revisa,
    acabarCua,
    ImpResul,
    grabar,
    PanelResul,
    ListCarreras,
    BotCerrar,
    LabelAviso,
    labelCentro,
};
inline constexpr int kAdviceControlCount = static_cast<int>(AdviceControl::labelCentro) + 1;

std::string_view AdviceControlName(AdviceControl control);
std::optional<AdviceControl> AdviceControlNamed(std::string_view name);

// The three menu entries that open a ranking; a visited one is drawn purple and italic.
enum class AdviceMenu { Qualities, Interests, Average };

// A reveal or hide effect the widget plays once on a panel.
using AdviceEffect = PanelEffect<AdviceControl>;

// The persistent state the advice screen shows.
struct AdviceView {
    ControlStates<AdviceControl, kAdviceControlCount> controls;
    QString windowTitle;
    std::array<bool, 3> visited{};  // by AdviceMenu

    // ListCua and Listint: one row per item; a ticked item is drawn highlighted.
    std::vector<Cell> qualityRows;
    std::vector<Cell> interestRows;
    // ListResul: 12 rows of two cells, the group's icon at the left of column 0.
    std::vector<GridRow> resultRows;
    // ListCarreras: the studies of a group.
    std::vector<Cell> studyRows;
    // LabelAviso's top in the window, when shown.
    int avisoTop = 0;
};

// The parts of the view a handler changed, and the effects it asked for.
struct AdviceChanges {
    enum Part : unsigned {
        Controls = 1u << 0,  // visibility, captions, cursors, window title
        Menu = 1u << 1,      // visited
        QualityRows = 1u << 2,
        InterestRows = 1u << 3,
        ResultRows = 1u << 4,
        StudyRows = 1u << 5,
        Aviso = 1u << 6,
        Help = 1u << 7,  // the help panel's model
    };
    unsigned parts = 0;
    std::vector<AdviceEffect> effects;
    std::optional<AdviceControl> focus;

    bool any() const { return parts != 0 || !effects.empty() || focus; }
    bool has(Part part) const { return (parts & part) != 0; }
};

}  // namespace velmora
