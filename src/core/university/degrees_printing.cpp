// The degrees screen's two print buttons: the full report of a degree or an arts kind's whole
// content (BotImprimirN), and what the list and grid show (BotImprimir). Every report goes
// through the shared buffer and the print dialog; a cancelled dialog prints nothing.
#include "core/printing/report_printer.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/shared/tables.h"
#include "core/university/degrees_screen.h"
#include "core/university/other_studies.h"

namespace velmora {
namespace {

using C = DegreesControl;

constexpr int kDegreeText = 522;
constexpr int kOutputsText = 278;
constexpr int kDoubleDegreesOfText = 242;
constexpr int kOtherStudyText = 290;
constexpr int kOfferText = 289;
constexpr int kDegreesColumnText = 48;
constexpr int kMarkColumnText = 296;
constexpr size_t kFullNameFrom = 50;  // a name this long is its own title
constexpr size_t kPlaceNameColumn = 50;
constexpr size_t kReportWidth = ReportBuffer::kEntryCapacity;
constexpr const char* kMastersTitle = "Master";

bool IsHeadingLine(std::string_view line) {
    return line.starts_with('-');
}

}  // namespace

void DegreesScreen::printReport(std::string_view title, const std::vector<std::string>& lines,
                                const std::vector<bool>& bold, ReportShape shape) {
    ReportState& report = enlace_.report;
    report.buffer.setTitle(title);
    const int count = static_cast<int>(std::min<size_t>(lines.size(), ReportBuffer::kMaxLines));
    report.boldLines.Clear();
    for (int i = 1; i <= count; ++i) {
        const size_t k = static_cast<size_t>(i - 1);
        report.buffer.set(i, lines[k]);
        if (k < bold.size() && bold[k]) report.boldLines.Add(i);
    }
    ReportPrinter printer(enlace_, printing_);
    switch (shape) {
        case ReportShape::List:
            printer.PrintListReport(report.buffer, count, false);
            break;
        case ReportShape::Proportional10:
            printer.PrintTextReport(report.buffer, count, false, 10);
            break;
        case ReportShape::Proportional12:
            printer.PrintTextReport(report.buffer, count, false, 12);
            break;
        case ReportShape::Monospaced10:
            printer.PrintTextReport(report.buffer, count, true, 10);
            break;
    }
}

void DegreesScreen::BotImprimirNClick() {
    Handler h(*this);
    if (state_.artsMode) {
        printArts();
        return;
    }
    if (state_.pickedFlag) state_.currentDegree = state_.pickedDegree;
    const DegreeTables& tables = enlace_.degreeTables;
    const int degree = state_.currentDegree;
    if (degree < 1 || degree > tables.degreeCount()) return;

    const std::string& name = tables.degreeNames[degree];
    const std::string title =
        Trim(name).size() >= kFullNameFrom ? name : enlace_.texts[kDegreeText] + ": " + name;

    // The where-to-study and requirements views write their lines here instead of showing them;
    // the profile view then fills RichSalidas as it always does.
    state_.printLines.clear();
    state_.printCollect = true;
    BotUniClick();
    BotReqClick();
    state_.printCollect = false;
    BotSalClick();

    std::vector<std::string> lines = std::move(state_.printLines);
    state_.printLines.clear();
    std::vector<bool> bold(lines.size(), false);
    // Every heading line, and the where-to-study heading row and its column title.
    for (size_t k = 0; k < lines.size(); ++k) bold[k] = IsHeadingLine(lines[k]);
    for (size_t k : {size_t{1}, size_t{2}})
        if (const size_t at = static_cast<size_t>(state_.whereToStudyStart) + k; at < bold.size())
            bold[at] = true;

    lines.push_back(std::string(13, ' ') + enlace_.texts[kOutputsText]);
    bold.push_back(true);
    // A paragraph of the profile goes on as many lines as it needs: nothing is cut.
    for (const std::string& paragraph : state_.profileLines)
        for (std::string& line : WrapWords(paragraph, kReportWidth, "")) {
            lines.push_back(std::move(line));
            bold.push_back(false);
        }
    printReport(title, lines, bold, ReportShape::List);
}

void DegreesScreen::printArts() {
    const ArtsKind kind = artsKind();
    const std::string title = enlace_.texts[ArtsCaptionText(kind)];
    std::vector<std::string> lines = ArtsReportLines(kind, state_.artsFile, enlace_.degreeTables);
    std::vector<bool> bold;
    for (const std::string& line : lines) bold.push_back(IsHeadingLine(line));

    // The list shows what is printed, and goes on showing it if the print is cancelled.
    std::vector<std::string> shown{title};
    shown.insert(shown.end(), lines.begin(), lines.end());
    setSelLines(std::move(shown));
    scroll(C::ListSel, 0, true);
    printReport(title, lines, bold, ReportShape::Proportional12);
}

void DegreesScreen::BotImprimirClick(int selectedRow) {
    Handler h(*this);
    const DegreeTables& tables = enlace_.degreeTables;
    const InterfaceTexts& t = enlace_.texts;
    const bool rowSelected =
        selectedRow >= 0 && static_cast<size_t>(selectedRow) < state_.communityLines.size();

    if (state_.mastersMode) {
        // The text sends the reader to the register's address shown above it: the printout
        // shows it above too.
        std::vector<std::string> lines{
            cp1252::Encode(view_.caption[static_cast<size_t>(C::LabelMaster2)]), ""};
        std::vector<bool> bold{false, false};
        for (HeadedLine& line : MastersPrintLines(state_.mastersLines)) {
            lines.push_back(std::move(line.text));
            bold.push_back(line.heading);
        }
        printReport(kMastersTitle, lines, bold, ReportShape::Proportional10);
        return;
    }

    if (state_.doublesMode) {
        if (!rowSelected || static_cast<size_t>(selectedRow) >= state_.doublesRowDegree.size())
            return;
        const int degree = state_.doublesRowDegree[static_cast<size_t>(selectedRow)];
        if (degree < 1 || degree > tables.degreeCount()) return;
        std::vector<std::string> lines;
        std::vector<bool> bold;
        for (const HeadedLine& line : DoublesByUniversity(tables, degree))
            for (std::string& part : WrapWords(line.text, kReportWidth, "    ")) {
                lines.push_back(std::move(part));
                bold.push_back(line.heading);
            }
        printReport(t[kDoubleDegreesOfText] + ": " + std::string(Trim(tables.degreeNames[degree])),
                    lines, bold, ReportShape::Proportional10);
        return;
    }

    if (!rowSelected) return;
    const std::string& row = state_.communityLines[static_cast<size_t>(selectedRow)];

    if (state_.otherStudiesMode) {
        if (KindOfOtherStudyRow(selectedRow, row) != OtherStudyRow::Page) return;
        std::vector<std::string> lines = OtherStudyPage(tables.otherStudyBlocks, selectedRow + 1);
        std::vector<bool> bold;
        for (const std::string& line : lines) bold.push_back(IsHeadingLine(line));
        printReport(t[kOtherStudyText] + ": " + std::string(Trim(row)), lines, bold,
                    ReportShape::Monospaced10);
        return;
    }

    // The degrees of a place, as the grid lists them.
    if (static_cast<size_t>(selectedRow) >= state_.placeOfRow.size()) return;
    const int place = state_.placeOfRow[static_cast<size_t>(selectedRow)];
    if (place < 1 || place > tables.placeCount()) return;
    std::vector<std::string> lines{std::string(4, ' ') + t[kDegreesColumnText] +
                                   std::string(24, ' ') + t[kMarkColumnText]};
    std::vector<bool> bold{true};
    for (const std::array<std::string, 2>& cells : state_.gridCells) {
        std::string line = PadToWidth(cells[0], kPlaceNameColumn).substr(0, kPlaceNameColumn);
        line += cells[1];
        bold.push_back(IsHeadingLine(line) || line.starts_with("   "));
        lines.push_back(std::move(line));
    }
    printReport(t[kOfferText] + ": " + std::string(Trim(tables.place(place).name)), lines, bold,
                ReportShape::Monospaced10);
    state_.printCollect = false;
}

}  // namespace velmora
