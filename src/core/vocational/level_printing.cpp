// The level screens' reports: a title with its texts and the centres of every community that
// teach it (or of the communities the student picks when that is too long), and a place with its
// centres and their titles. Both go through the shared report buffer and the list layout.
#include "core/printing/report_printer.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/vocational/level_screen.h"

namespace velmora {
namespace {

using C = LevelControl;

constexpr int kWhereToStudyText = 317;
constexpr int kOfferText = 289;
constexpr size_t kCommunityNameWidth = 30;  // columns 3-32 of "comunida"
constexpr size_t kPlaceColumn = 44;         // a place's report line: its first 44 characters

QString Text(std::string_view bytes) {
    return cp1252::Decode(bytes);
}

}  // namespace

void LevelScreen::BotImprimirClick() {
    if (!state_.byTitle && !state_.byPlace) return;
    // A place's report needs a place: a province open on its localities, a comarca or district,
    // or a zone.
    const bool noPlace =
        !state_.localityMode || (description_.placeWaitsForChoice && state_.placeSelected < 0);
    if (state_.byPlace && (state_.inCatalonia ? state_.catalanArea == 0
                           : state_.inMadrid  ? state_.madridZone == 0
                                              : noPlace))
        return;
    Handler h(*this);
    eraseBubble();
    state_.printCollect = true;
    state_.printLines.clear();
    state_.printBold.clear();
    if (state_.byTitle) {
        printByTitle();
    } else {
        printByPlace();
    }
    state_.printCollect = false;
}

void LevelScreen::printByTitle() {
    const VocationalTables& t = enlace_.vocational;
    const LineTable& communities = enlace_.degreeTables.communities;
    // The title as chosen: the title bar blinks, the report does not.
    state_.printLines.push_back({titleText() + " (" + text(description_.levelText) + ")", {}});
    composeTitleSections();
    printLine(std::string(static_cast<size_t>(description_.ruleIndent), ' ') +
              std::string(static_cast<size_t>(description_.ruleLength), '_'));
    printLine({});
    printLine("-" + cp1252::Upper(text(kWhereToStudyText)), description_.whereToStudyBold);
    printLine({});

    const bool firstPass = !state_.printPicking;
    std::vector<int> list;
    if (firstPass) {
        for (int c = 1; c <= LevelState::kCommunities; ++c) list.push_back(c);
    } else {
        list = state_.printCommunities;
    }
    for (const int c : list) {
        const CommunityProvinces p = ProvincesOfCommunity(communities, c);
        std::vector<std::string> codes;
        for (int k = 0; k < p.count(); ++k) codes.emplace_back(ProvinceCode(t, p.firstCode + k));
        const std::vector<ListingRow> rows = CentresTeaching(
            t, description_.level, codes, p.names, state_.selectedTitle,
            description_.closingRowFillsBothColumns ? std::string(60, ' ') : std::string());
        if (rows.empty()) continue;
        const std::string& line = communities[c];
        const std::string name =
            line.size() > 2 ? std::string(std::string_view(line).substr(2, kCommunityNameWidth))
                            : std::string();
        printLine("***  " + cp1252::Upper(name) + std::string(description_.communityHeadingEnd));
        printLine({});
        for (const ListingRow& row : rows) printLine(row[0] + row[1]);
    }

    if (firstPass && static_cast<int>(state_.printLines.size()) - 1 > LevelState::kLongReport) {
        // Too long for every community: the student picks the communities to print.
        setVisible(C::PanelImp, true);
        setVisible(C::PanelEstrellas, true);
        state_.printCommunities.clear();
        state_.picked.fill(false);
        view_.pickRows.clear();
        touch(LevelChanges::PickRows);
        state_.printPicking = true;
        printPickingStarted();
        return;
    }
    state_.printPicking = false;
    // The preview shows what will be printed, in the printer's font.
    std::vector<std::string> preview;
    for (size_t i = 1; i < state_.printLines.size(); ++i)
        preview.push_back(std::string(Bounded(state_.printLines[i][0] + state_.printLines[i][1],
                                              ReportBuffer::kEntryCapacity)));
    showTextList(std::move(preview), TextStyle::Preview);
    for (size_t i = 1; i < state_.printLines.size(); ++i)
        if (state_.printLines[i][0].starts_with("***"))
            state_.printBold.push_back(static_cast<int>(i));
    printCollected();
}

void LevelScreen::printByPlace() {
    // A place's report is its listing as the grid shows it, every centre and title.
    const QString caption =
        state_.inCatalonia ? Text(TrimRight(enlace_.vocational.comarcas
                                                .entries[static_cast<size_t>(state_.catalanArea)]
                                                .name))
                           : Text(TrimRight(state_.selectionCaption));
    std::string title = text(kOfferText) + ": " + cp1252::Encode(caption);
    if (description_.placeReportNamesLevel) title += " - " + text(description_.levelText);
    state_.printLines.push_back({title, {}});
    ListSelLugFPClick(state_.placeSelected);
    for (size_t i = 1; i < state_.printLines.size(); ++i) {
        ListingRow& row = state_.printLines[i];
        row[0] = std::string(Bounded(row[0], kPlaceColumn)) + row[1];
        row[1].clear();
        if (description_.placeReportCentresBold && row[0].starts_with('-'))
            state_.printBold.push_back(static_cast<int>(i));
    }
    printCollected();
}

void LevelScreen::printCollected() {
    ReportState& report = enlace_.report;
    report.buffer.setTitle(state_.printLines.front()[0]);
    const int count = static_cast<int>(state_.printLines.size()) - 1;
    for (int i = 1; i <= count; ++i)
        report.buffer.set(i, state_.printLines[static_cast<size_t>(i)][0] +
                                 state_.printLines[static_cast<size_t>(i)][1]);
    report.boldLines.Clear();
    for (const int line : state_.printBold) report.boldLines.Add(line);
    ReportPrinter printer(enlace_, printing_);
    if (description_.textReportSize > 0) {
        printer.PrintTextReport(report.buffer, count, true, description_.textReportSize);
    } else {
        printer.PrintListReport(report.buffer, count, true);
    }
}

void LevelScreen::ListImpClick(int row) {
    if (row < 0 || static_cast<size_t>(row) >= state_.printCommunities.size()) return;
    Handler h(*this);
    // The community can be picked again once it is taken off the list.
    state_.picked[static_cast<size_t>(state_.printCommunities[static_cast<size_t>(row)])] = false;
    state_.printCommunities.erase(state_.printCommunities.begin() + row);
    view_.pickRows.erase(view_.pickRows.begin() + row);
    touch(LevelChanges::PickRows);
}

void LevelScreen::BotAceptarClick() {
    if (!state_.printPicking) return;
    Handler h(*this);
    setVisible(C::PanelImp, false);
    view_.pickRows.clear();
    touch(LevelChanges::PickRows);
    printPickingEnded();
    state_.printCollect = true;
    state_.printLines.clear();
    state_.printBold.clear();
    printByTitle();
    state_.printCollect = false;
}

}  // namespace velmora
