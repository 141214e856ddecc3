#pragma once

#include <QPoint>
#include <QString>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "core/shared/screen_view.h"

namespace velmora {

// The controls of the ESO screen whose state the model decides; the widget names its controls
// (objectName) with EsoControlName().
enum class EsoControl {
    // The menu panel and its popup.
    PanelMenu,
    botCuestio,
    BotLOMCE,
    BitAcabarLogse,
    PanelMenu2,
    BotCuestio1,
    BotCuestio2,
    BotCuestio3,
    // The questionnaire: its caption bar, the panel with the questions or the result, and the
    // panel's buttons.
    PanelItiner,
    PanelCuestio,
    Gcuestio,
    ListresCues,
    BotResCues,
    AcabarCues,
    ImpResul,
    grabar,
    BotContinuar,
    // The studies of a ranked group.
    PanelCar,
    ListCar,
    BotCerrar,
    BotImpTit,
    // The hover hint over the result, the year and the school.
    LabelAviso,
    LabelAno,
    LabelNom,
};
inline constexpr int kEsoControlCount = static_cast<int>(EsoControl::LabelNom) + 1;

std::string_view EsoControlName(EsoControl control);
std::optional<EsoControl> EsoControlNamed(std::string_view name);

using EsoEffect = PanelEffect<EsoControl>;

// One row of the question grid: the question, the label of its answer and its stars.
struct QuestionRow {
    QString question;
    QString answer;
    QString stars;

    friend bool operator==(const QuestionRow&, const QuestionRow&) = default;
};

// The persistent state the ESO screen shows.
struct EsoView {
    ControlStates<EsoControl, kEsoControlCount> controls;
    QString windowTitle;
    int schoolNamePoints = 22;  // LabelNom's size, by the name's length

    // Gcuestio: the header, then question q in row q - 1 of `questionRows`. The grid shows the
    // first `gridRows` of them.
    std::array<QString, 3> gridHeader;
    std::vector<QuestionRow> questionRows;
    int gridRows = 0;

    // ListresCues: result line k in row k - 1, in Courier New bold at `resultPixels`.
    std::vector<Cell> resultRows;
    int resultPixels = 14;
    // The result of the full questionnaire is on show: its ranked lines answer the pointer.
    bool fullResult = false;

    // ListCar: the studies of a ranked group.
    std::vector<Cell> studyRows;

    // LabelAviso's top left in the window, when shown.
    QPoint avisoAt;
};

// The parts of the view a handler changed, and the one-shot requests it made.
struct EsoChanges : ScreenRequests<EsoControl> {
    enum Part : unsigned {
        Controls = 1u << 0,  // visibility, enabled, captions, hints, pointers, window title
        Grid = 1u << 1,      // the whole grid: header, rows, row count
        Results = 1u << 2,
        Studies = 1u << 3,
        Aviso = 1u << 4,
        Help = 1u << 5,  // the help panel's model
    };
    unsigned parts = 0;
    // Grid rows (question numbers) whose answer changed, when the grid was not refilled.
    std::vector<int> answeredRows;
    std::vector<EsoEffect> effects;

    bool any() const {
        return parts != 0 || !answeredRows.empty() || !effects.empty() || !scrolls.empty() || focus;
    }
    bool has(Part part) const { return (parts & part) != 0; }
};

}  // namespace velmora
