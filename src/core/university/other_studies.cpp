#include "core/university/other_studies.h"

#include "core/menu/menu_texts.h"
#include "core/shared/address_opener.h"
#include "core/shared/cp1252.h"
#include "core/shared/documents.h"
#include "core/shared/enlace.h"
#include "core/shared/setup_guard.h"
#include "core/shared/text_file.h"
#include "core/shared/web_hosts.h"
#include "core/university/degrees_screen.h"

namespace velmora {
namespace {

using C = DegreesControl;

constexpr int kPageLines = 50;
constexpr size_t kBlankWidth = 16;  // a page line is blank when this much of it is
constexpr int kDocumentRow = 2;
constexpr const char* kSportsCentresDocument = "pdf/est/DeportesCentros.pdf";
constexpr const char* kPortalPaths[] = {"/cursos-superiores/", "/cursos-formacion/",
                                        "/centros/centros-estudios-no-reglados/"};
constexpr const char* kRegisteredDegreesPath = "/ListadoTitulos/";
constexpr const char* kUniversityPage = "/velmora/index.php?id=universidad";
constexpr const char* kGrantsPage = "/velmora/index.php?id=becas";
constexpr int kOtherStudiesText = 300;
constexpr int kOpensInBrowserText = 174;
constexpr int kMastersText = 551;
constexpr size_t kReportWidth = 65;

// Windows-1252 bullet.
constexpr std::string_view kBullet = "\x95 ";

bool IsBlankPageLine(const std::string& line) {
    return Bounded(line, kBlankWidth).find_first_not_of(' ') == std::string_view::npos;
}

bool IsBullet(const std::string& line) {
    return !line.empty() && line[0] == '*';
}

bool IsHeading(const std::string& line) {
    return !line.empty() && line[0] == '-';
}

std::string_view WithoutBulletMark(const std::string& line) {
    return std::string_view(line).substr(std::min<size_t>(2, line.size()));
}

QString Address(const char* host, const char* path) {
    return QString::fromLatin1(host) + QString::fromLatin1(path);
}

}  // namespace

std::vector<std::string> OtherStudyPage(const BlockTable& blocks, int block) {
    std::vector<std::string> lines;
    for (int i = 1; i <= kPageLines; ++i) {
        const std::string& line = blocks.field(block, i - 1);
        // Two blank lines in a row end the page, the first of them with it.
        if (i > 1 && IsBlankPageLine(line) && IsBlankPageLine(blocks.field(block, i - 2))) {
            lines.pop_back();
            break;
        }
        lines.emplace_back(TrimRight(line));
    }
    return lines;
}

OtherStudyRow KindOfOtherStudyRow(int row, const std::string& text) {
    // The document row is known by its place, whatever it says.
    if (row == kDocumentRow) return OtherStudyRow::Document;
    const std::string_view start = Bounded(text, 3);
    if (start == "   ") return OtherStudyRow::Nothing;
    if (start == "  1") return OtherStudyRow::Portal1;
    if (start == "  2") return OtherStudyRow::Portal2;
    if (start == "  3") return OtherStudyRow::Portal3;
    return OtherStudyRow::Page;
}

RichText MastersText(const std::vector<std::string>& lines) {
    RichText text;
    text.pointSize = 9;
    for (const std::string& line : lines) {
        if (IsBullet(line))
            text.add(cp1252::Decode(WithoutBulletMark(line)), ColourOf(PaletteColour::Navy), false,
                     true);
        else if (IsHeading(line))
            text.add(cp1252::Decode(line), ColourOf(PaletteColour::Maroon), true, false);
        else
            text.add(cp1252::Decode(line), ColourOf(PaletteColour::Black), false, false);
    }
    return text;
}

std::vector<HeadedLine> MastersPrintLines(const std::vector<std::string>& lines) {
    std::vector<HeadedLine> out;
    for (const std::string& line : lines) {
        const bool bullet = IsBullet(line);
        const std::string paragraph =
            bullet ? std::string(kBullet) + std::string(WithoutBulletMark(line)) : line;
        for (std::string& part : WrapWords(paragraph, kReportWidth, bullet ? "  " : ""))
            out.push_back({std::move(part), IsHeading(line)});
    }
    return out;
}

std::vector<std::string> WrapWords(std::string_view text, size_t width, std::string_view indent) {
    if (indent.size() >= width) indent = {};
    text = TrimRight(text);
    // The paragraph's own leading blanks stay on its first line.
    const size_t lead = std::min(text.find_first_not_of(' '), text.size());
    std::vector<std::string> lines;
    std::string line(text.substr(0, std::min(lead, width - 1)));
    bool empty = true;  // no word on `line` yet
    auto next = [&] {
        lines.push_back(std::move(line));
        line.assign(indent);
        empty = true;
    };
    size_t at = lead;
    while (at < text.size()) {
        const size_t end = std::min(text.find(' ', at), text.size());
        std::string_view word = text.substr(at, end - at);
        at = std::min(text.find_first_not_of(' ', end), text.size());
        if (word.empty()) continue;
        if (!empty) {
            // A word too long for any line starts where it is and goes on in pieces.
            const bool fits = line.size() + 1 + word.size() <= width;
            if (!fits && (word.size() <= width - indent.size() || line.size() + 1 >= width))
                next();
            else
                line += ' ';
        }
        while (line.size() + word.size() > width) {
            const size_t room = width - line.size();
            line += word.substr(0, room);
            word.remove_prefix(room);
            next();
        }
        line += word;
        empty = false;
    }
    if (!empty || lines.empty()) lines.push_back(std::move(line));
    return lines;
}

// --- The degrees screen's other studies, masters and information pages -----------------------

void DegreesScreen::BotMenuDeporClick() {
    Handler h(*this);
    state_.otherStudiesMode = true;
    state_.plasticArtsMode = false;
    state_.degreeListMode = false;
    state_.doublesMode = false;
    state_.otherStudyShown = 0;
    for (C c : {C::PanelMenu, C::PanelMenu2, C::PanelMenu4}) setVisible(c, false);
    for (C c : {C::ListSel, C::PanelSel, C::PanelSelTit, C::BotRetroceder}) setVisible(c, true);
    setTitleBar(enlace_.texts[kOtherStudiesText]);
    setSelLines({});
    std::vector<std::string> rows;
    const LineTable& studies = enlace_.degreeTables.otherStudies;
    for (int k = 1; k <= studies.count; ++k) rows.push_back(studies[k]);
    setCommunityLines(std::move(rows));
    setVisible(C::ListComunidad, true);
    scroll(C::ListComunidad, 0, true);
}

void DegreesScreen::otherStudiesClick(int row) {
    Handler h(*this);
    setVisible(C::BotImprimir, false);
    state_.otherStudyShown = 0;
    if (row < 0 || static_cast<size_t>(row) >= state_.communityLines.size()) return;
    const std::string& text = state_.communityLines[static_cast<size_t>(row)];
    switch (KindOfOtherStudyRow(row, text)) {
        case OtherStudyRow::Document:
            OpenDocument(opener_, enlace_.messages,
                         enlace_.paths.dataFile(QString::fromLatin1(kSportsCentresDocument)));
            return;
        case OtherStudyRow::Nothing:
            return;
        case OtherStudyRow::Portal1:
        case OtherStudyRow::Portal2:
        case OtherStudyRow::Portal3: {
            const int portal = static_cast<int>(KindOfOtherStudyRow(row, text)) -
                               static_cast<int>(OtherStudyRow::Portal1);
            opener_.open(Address(kStudiesPortal, kPortalPaths[portal]));
            return;
        }
        case OtherStudyRow::Page:
            break;
    }
    setTitleBar(std::string(Trim(text)));
    setVisible(C::ListSel, true);
    setVisible(C::BotImprimir, true);
    ShowOtherStudyBlock(row + 1);
}

void DegreesScreen::ShowOtherStudyBlock(int block) {
    Handler h(*this);
    state_.otherStudyShown = block;
    setSelLines(OtherStudyPage(enlace_.degreeTables.otherStudyBlocks, block));
    scroll(C::ListSel, 0, true);
    changes_.panelSelTransition = TransitionKind::Roll;
}

void DegreesScreen::BotMasterClick() {
    Handler h(*this);
    state_.mastersMode = true;
    setVisible(C::PanelMenu, false);
    setVisible(C::PanelMenu2, false);
    for (C c : {C::ListSel, C::GridNotas, C::listSel2}) setVisible(c, false);
    // The title bar says what the panel holds.
    for (C c : {C::PanelSel, C::PanelSelTit, C::LabelMaster, C::LabelMaster2}) setVisible(c, true);
    const InterfaceTexts& t = enlace_.texts;
    view_.caption[static_cast<size_t>(C::LabelMaster2)] =
        Address(kRegisteredDegrees, kRegisteredDegreesPath);
    view_.hint[static_cast<size_t>(C::LabelMaster2)] =
        CaptionText("Clic~Clic - " + t[kOpensInBrowserText]);
    touch(DegreesChanges::Captions);
    setCursor(C::LabelMaster2, CursorKind::Hand);
    setTitleBar(t[kMastersText]);
    state_.richSalidasBeforeMasters = view_.richSalidasPlace;
    setRichSalidasPlace(RichSalidasPlace::BelowMaster2);
    setVisible(C::RichSalidas, true);
    changes_.focus = C::RichSalidas;

    // Read at every opening; a file that cannot be read is reported with its path and leaves
    // the box empty, and the screen goes on.
    state_.mastersLines.clear();
    RunSetUp(enlace_.messages, [this] {
        const TextLines file =
            ReadTextFile(enlace_.paths.languageFile(QStringLiteral("master.txt")));
        for (std::string_view line : file.lines) state_.mastersLines.emplace_back(line);
    });
    setRichSalidas(MastersText(state_.mastersLines));
    setVisible(C::BotRetroceder, true);
    setVisible(C::BotImprimir, true);
}

void DegreesScreen::LabelMaster2MouseUp() {
    if (!state_.mastersMode) return;
    Handler h(*this);
    opener_.open(Address(kRegisteredDegrees, kRegisteredDegreesPath));
}

void DegreesScreen::botinfo1Click() {
    Handler h(*this);
    setVisible(C::PanelMenu2, false);
    diagram_.Start(enlace_.texts);
    setVisible(C::PanelGradosT, true);
    touch(DegreesChanges::Diagram);
}

void DegreesScreen::TimergradoTimer() {
    Handler h(*this);
    diagram_.TimergradoTimer();
    touch(DegreesChanges::Diagram);
}

void DegreesScreen::TimerfraseTimer() {
    Handler h(*this);
    diagram_.TimerfraseTimer();
    touch(DegreesChanges::Diagram);
}

void DegreesScreen::BotAvanzaClick() {
    Handler h(*this);
    diagram_.BotAvanzaClick();
    touch(DegreesChanges::Diagram);
}

void DegreesScreen::BotAcabarGClick() {
    Handler h(*this);
    diagram_.BotAcabarGClick();
    setVisible(C::PanelGradosT, false);
    touch(DegreesChanges::Diagram);
}

void DegreesScreen::botinfo2Click() {
    Handler h(*this);
    opener_.open(Address(kProgramSite, kUniversityPage));
}

void DegreesScreen::botinfo3Click() {
    Handler h(*this);
    opener_.open(Address(kProgramSite, kGrantsPage));
}

}  // namespace velmora
