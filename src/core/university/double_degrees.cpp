#include "core/university/double_degrees.h"

#include <algorithm>

#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/university/degrees_screen.h"

namespace velmora {
namespace {

using C = DegreesControl;
using Row = std::array<std::string, 2>;

constexpr int kDoubleDegreesText = 242;
constexpr int kWhereToStudyText = 593;
constexpr int kNoDoublesText = 393;
constexpr int kBranchNameBase = 514;  // branch b is interface text 514 + b
constexpr size_t kShortNameWidth = 20;
constexpr size_t kOtherNameWidth = 45;
constexpr size_t kNameColumn = 47;  // "+ " and the other degree's name
constexpr size_t kTagWidth = 4;
const std::string kIndent(5, ' ');

// Calls `line(other)` for each side of each entry of `group` that names `degree`: first the
// first degree's side, then the second's, so an entry naming it twice gives two lines.
template <typename Line>
void ForEachSide(const DoubleDegreeGroup& group, int degree, Line&& line) {
    for (const DoubleDegreeEntry& entry : group.entries) {
        if (entry.degreeA == degree) line(entry, entry.degreeB);
        if (entry.degreeB == degree) line(entry, entry.degreeA);
    }
}

std::string TrimmedName(const DegreeTables& tables, int degree) {
    return std::string(Trim(tables.degreeNames[degree]));
}

}  // namespace

DoublesMenu BuildDoublesMenu(const DegreeTables& tables, const InterfaceTexts& texts) {
    const int n = tables.degreeCount();
    std::vector<bool> marked(static_cast<size_t>(n) + 1);
    // Sides that name no degree (a code the file could not resolve) mark nothing.
    auto mark = [&](int degree) {
        if (degree >= 1 && degree <= n) marked[static_cast<size_t>(degree)] = true;
    };
    for (const DoubleDegreeGroup& group : tables.doubleDegrees)
        for (const DoubleDegreeEntry& entry : group.entries) {
            mark(entry.degreeA);
            mark(entry.degreeB);
        }

    DoublesMenu menu;
    for (int b = 1; b <= 5; ++b) {
        menu.rows.push_back("- " + std::string(Trim(texts[kBranchNameBase + b])));
        menu.rowDegree.push_back(0);
        for (int d = 1; d <= n; ++d) {
            if (!marked[static_cast<size_t>(d)] || tables.degreeBranch[static_cast<size_t>(d)] != b)
                continue;
            menu.rows.push_back(tables.degreeNames[d]);
            menu.rowDegree.push_back(d);
        }
    }
    return menu;
}

std::vector<HeadedLine> DoublesByUniversity(const DegreeTables& tables, int degree) {
    std::vector<HeadedLine> lines;
    const std::string shortName(Trim(tables.degreeNames[degree].substr(0, kShortNameWidth)));
    for (const DoubleDegreeGroup& group : tables.doubleDegrees) {
        bool first = true;
        ForEachSide(group, degree, [&](const DoubleDegreeEntry& entry, int other) {
            if (first) {
                first = false;
                lines.push_back({"", false});
                lines.push_back({std::string(8, ' ') + std::string(TrimRight(group.name)), true});
            }
            lines.push_back(
                {shortName + ". + " + TrimmedName(tables, other) + " >" + entry.tag, false});
        });
    }
    return lines;
}

// An empty line stays a plain empty paragraph: a bullet alone would stand for nothing.
RichText DoublesByUniversityText(const std::vector<HeadedLine>& lines) {
    RichText text;
    text.pointSize = 9;
    for (const HeadedLine& line : lines) {
        const QString shown = cp1252::Decode(line.text);
        if (line.heading)
            text.add(shown, ColourOf(PaletteColour::Red), false, false);
        else
            text.add(shown, ColourOf(PaletteColour::Navy), false, !line.text.empty());
    }
    return text;
}

std::array<bool, 20> DoublesCommunities(const DegreeTables& tables, int degree) {
    std::array<bool, 20> marked{};
    for (const DoubleDegreeGroup& group : tables.doubleDegrees) {
        if (group.code < 1 || group.code > DegreeTables::kCommunities) continue;
        ForEachSide(group, degree, [&](const DoubleDegreeEntry&, int) {
            marked[static_cast<size_t>(group.code)] = true;
        });
    }
    return marked;
}

std::vector<std::string> DoublesOfDegree(const DegreeTables& tables, int degree, int community) {
    std::vector<std::string> lines;
    for (const DoubleDegreeGroup& group : tables.doubleDegrees) {
        if (community != 0 && group.code != community) continue;
        bool first = true;
        ForEachSide(group, degree, [&](const DoubleDegreeEntry& entry, int other) {
            if (first) {
                first = false;
                lines.push_back("- " + std::string(TrimRight(group.name)));
            }
            lines.push_back("+ " + FitToWidth(tables.degreeNames[other], kOtherNameWidth) +
                            entry.tag);
        });
    }
    return lines;
}

std::vector<Row> DoublesGrid(const DegreeTables& tables, const InterfaceTexts& texts, int degree,
                             int community) {
    const std::string name = "- " + TrimmedName(tables, degree);
    const std::string title = kIndent + texts[kDoubleDegreesText] + " de...";
    const std::string where = kIndent + texts[kWhereToStudyText] + "...";
    std::vector<Row> rows;
    if (community == 0) {
        const std::array<bool, 20> marked = DoublesCommunities(tables, degree);
        if (std::none_of(marked.begin(), marked.end(), [](bool m) { return m; }))
            return {{title, ""}, {name, ""}, {"", ""}, {kIndent + texts[kNoDoublesText], ""}};
        rows = {{name, ""}, {where, ""}, {"", ""}};
    } else {
        rows = {{title, ""}, {name, ""}, {where, ""}};
    }
    for (const std::string& line : DoublesOfDegree(tables, degree, community)) {
        const std::string tag =
            line.size() > kNameColumn ? line.substr(kNameColumn, kTagWidth) : "";
        rows.push_back({line.substr(0, kNameColumn), " " + tag});
    }
    return rows;
}

// --- The degrees screen's double-degree views ------------------------------------------------

void DegreesScreen::BotMenuDoblesClick() {
    Handler h(*this);
    setVisible(C::PanelMenu2, false);
    state_.doublesMode = true;
    state_.otherStudiesMode = false;
    state_.plasticArtsMode = false;
    // The star map belongs to the views of one degree.
    hideStarMap();

    DoublesMenu menu = BuildDoublesMenu(enlace_.degreeTables, enlace_.texts);
    setVisible(C::PanelMenu, false);
    setTitleBar(enlace_.texts[kDoubleDegreesText]);
    for (C c : {C::PanelSelTit, C::PanelSel, C::BotRetroceder}) setVisible(c, true);
    state_.doublesRowDegree = std::move(menu.rowDegree);
    setCommunityLines(std::move(menu.rows));
    setVisible(C::ListComunidad, true);
    scroll(C::ListComunidad, 0, true);
    state_.degreeListMode = true;
}

void DegreesScreen::doublesListClick(int row) {
    if (row < 0 || static_cast<size_t>(row) >= state_.doublesRowDegree.size()) return;
    const int degree = state_.doublesRowDegree[static_cast<size_t>(row)];
    // A branch heading stands for no degree.
    if (degree < 1 || degree > enlace_.degreeTables.degreeCount()) return;
    Handler h(*this);
    setVisible(C::BotImprimir, true);
    state_.doublesLines = DoublesByUniversity(enlace_.degreeTables, degree);
    setTitleBar(enlace_.texts[kDoubleDegreesText]);
    // listSel2 takes the place of the other views of the detail panel.
    for (C c : {C::ListSel, C::GridNotas, C::RichSalidas}) setVisible(c, false);
    setVisible(C::listSel2, true);
    setListSel2(DoublesByUniversityText(state_.doublesLines));
    changes_.panelSelTransition = TransitionKind::Roll;
}

void DegreesScreen::BotDoblesCarMouseUp() {
    if (state_.pickedFlag) state_.currentDegree = state_.pickedDegree;
    const int degree = state_.currentDegree;
    if (degree < 1 || degree > enlace_.degreeTables.degreeCount()) return;
    Handler h(*this);
    state_.doublesMode = true;
    setTitleBar(enlace_.texts[kDoubleDegreesText]);
    setVisible(C::RichSalidas, false);
    const std::array<bool, 20> marked = DoublesCommunities(enlace_.degreeTables, degree);
    for (int c = 1; c <= DegreesState::kCommunities; ++c)
        enlace_.regionMaps.markerFlags[static_cast<size_t>(c)] = marked[static_cast<size_t>(c)];
    showDoublesOfCurrentDegree(0);
    showStarMap();
}

void DegreesScreen::showDoublesOfCurrentDegree(int community) {
    const int degree = state_.currentDegree;
    if (degree < 1 || degree > enlace_.degreeTables.degreeCount()) return;
    Handler h(*this);
    state_.gridDegree.clear();
    setGridCells(DoublesGrid(enlace_.degreeTables, enlace_.texts, degree, community));
    setVisible(C::ListSel, false);
    setVisible(C::GridNotas, true);
    scroll(C::GridNotas, 0, true);
}

}  // namespace velmora
