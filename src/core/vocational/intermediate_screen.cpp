#include "core/vocational/intermediate_screen.h"

#include "core/menu/menu_texts.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/shared/setup_guard.h"
#include "core/shared/sound.h"
#include "core/vocational/vocational_load.h"
#include "core/vocational/vocational_queries.h"

namespace velmora {
namespace {

using C = LevelControl;

constexpr C kStartButtons[HelicopterIntro::kButtons] = {C::botTit2, C::botLug2, C::botSalir};
constexpr int kJobsText = 199;
constexpr int kSubjectsText = 312;
constexpr int kRequirementsText = 29;
constexpr int kInterestText = 595;
constexpr int kTitlesText = 190;
constexpr int kJobEntries = 5;
constexpr int kLastEntry = 25;
constexpr int kTrailingBlanksDropped = 11;

bool Blank(std::string_view line) {
    return Trim(line).empty();
}

}  // namespace

IntermediateScreen::IntermediateScreen(Enlace& enlace, Printing& printing, Sound& sound)
    : LevelScreen(enlace, IntermediateDescription(), printing),
      sound_(sound),
      intro_(sound, enlace.paths, enlace.texts) {}

IntermediateScreen::~IntermediateScreen() {
    intro_.stop();
}

bool IntermediateScreen::FormCreate() {
    Handler h(*this);
    // The screen's own copy of the nine family groups; "familias" was read with the degrees
    // screen's tables.
    const bool loaded =
        RunSetUp(enlace_.messages, [this] { LoadIntermediateFamilyGroups(enlace_); });
    LevelScreen::FormCreate();
    return loaded;
}

void IntermediateScreen::setOwnCaptions() {
    const InterfaceTexts& t = enlace_.texts;
    auto caption = [&](C control, const std::string& bytes) {
        view_.caption[static_cast<size_t>(control)] = CaptionText(bytes);
    };
    caption(C::botTit2, t[kTitlesText]);
    caption(C::botLug2, t[276]);
    caption(C::botSalir, t[54]);
    caption(C::BotRequisitos, t[kRequirementsText]);
    caption(C::BotPuesto, t[191]);
    caption(C::botAsig, t[30]);
    caption(C::LabelFP1, t[512]);
    caption(C::LabelAno, t[175] + "  " + std::string(kSchoolYear));
    view_.caption[static_cast<size_t>(C::LabelFPGM)] = enlace_.settings.schoolName.trimmed();
}

bool IntermediateScreen::takeIntroChanged() {
    const bool changed = introChanged_;
    introChanged_ = false;
    return changed;
}

// --- Opening, the intro and the start screen -------------------------------------------------

void IntermediateScreen::FormActivate() {
    Handler h(*this);
    if (enlace_.questionnaireMode && questionnaireView_) {
        questionnaireView_->open();
        return;
    }
    if (enlace_.intermediateFirstOpening) {
        intro_.start();
        enlace_.intermediateFirstOpening = false;
    } else {
        intro_.reset();
    }
    for (int b = 0; b < HelicopterIntro::kButtons; ++b)
        setVisible(kStartButtons[b], intro_.picture().buttonShown[static_cast<size_t>(b)]);
    introChanged_ = true;
    touch(LevelChanges::Own);
}

void IntermediateScreen::tick(HelicopterIntro::Timer timer) {
    if (!intro_.running(timer)) return;
    Handler h(*this);
    intro_.tick(timer);
    for (int b = 0; b < HelicopterIntro::kButtons; ++b)
        setVisible(kStartButtons[b], intro_.picture().buttonShown[static_cast<size_t>(b)]);
    introChanged_ = true;
    touch(LevelChanges::Own);
}

void IntermediateScreen::eraseBubble() {
    if (!intro_.erase()) return;
    introChanged_ = true;
    touch(LevelChanges::Own);
}

void IntermediateScreen::leaveStartScreen() {
    intro_.stop();
    eraseBubble();
    introChanged_ = true;
    touch(LevelChanges::Own);
    for (C c : kStartButtons) setVisible(c, false);
}

void IntermediateScreen::showStartScreen() {
    intro_.stop();
    intro_.reset();
    introChanged_ = true;
    touch(LevelChanges::Own);
    for (C c : kStartButtons) setVisible(c, true);
}

void IntermediateScreen::botTit2Click() {
    Handler h(*this);
    leaveStartScreen();
    state_.byTitle = true;
    state_.byPlace = false;
    fillProvinceCodes();
    setCaption(C::PanelSelTit, CaptionText(text(kInterestText)));
    setVisible(C::PanelSelTit, true);
    setVisible(C::reja, false);
    setTextLines({}, TextStyle::Plain);
    showGroups();
    setVisible(C::ListPreFam, true);
    setVisible(C::BotRetrocederFP, true);
}

void IntermediateScreen::botLug2Click() {
    Handler h(*this);
    leaveStartScreen();
    state_.byPlace = true;
    state_.byTitle = false;
    changes_.mapClean = true;
    setTimer(LevelTimer::Estrellas, false);
    setTimer(LevelTimer::Parpadeo, false);
    setVisible(C::PanelEstrellas, true);
    setCaption(C::PanelSelTit,
               CaptionText(text(kTitlesText) + " - " + text(description_.ownTitlesText)));
    setVisible(C::PanelSelTit, true);
    setGridCells({});
    state_.gridTitles.clear();
    setVisible(C::PanelSelec, true);
    setVisible(C::listSelFP, false);
    setVisible(C::reja, true);
    fillProvinceCodes();
    state_.gridClickable = true;
    state_.allTitles = false;
    // The way back to the start screen from the map.
    setVisible(C::BotRetrocederFP, true);
}

LevelScreen::Leave IntermediateScreen::botSalirClick() {
    Handler h(*this);
    hideAllButHeadings();
    return leaveTarget();
}

void IntermediateScreen::hideAllButHeadings() {
    intro_.stop();
    eraseBubble();
    hideForLeaving();
}

// --- The title's buttons and texts -----------------------------------------------------------

void IntermediateScreen::showTitleButtons(TitleSource source) {
    if (source == TitleSource::Questionnaire) {
        setCaption(C::LabAyuGM, cp1252::Decode(titleText()));
        setVisible(C::LabAyuGM, true);
        return;
    }
    for (C c : {C::BotPuesto, C::BotRequisitos, C::botAsig, C::BotImprimir, C::BotRetrocederFP})
        setVisible(c, true);
}

void IntermediateScreen::hideTitleButtons() {
    for (C c : {C::BotRequisitos, C::BotPuesto, C::botAsig, C::LabAyuGM, C::HeliPeque})
        setVisible(c, false);
}

std::vector<std::string> IntermediateScreen::requirementLines() const {
    return GMRequirementLines(enlace_.vocational, enlace_.informa, state_.selectedTitle);
}

std::vector<std::string> IntermediateScreen::blockEntries(int first, int last) const {
    return BlockEntries(enlace_.vocational.blocksGM, state_.selectedTitle, first, last);
}

void IntermediateScreen::BotRequisitosClick() {
    if (state_.selectedTitle == 0) return;
    Handler h(*this);
    eraseBubble();
    setCaption(C::PanelSelTit, {});
    showTextList(requirementLines(), TextStyle::Plain);
}

void IntermediateScreen::BotPuestoClick() {
    if (state_.selectedTitle == 0) return;
    Handler h(*this);
    eraseBubble();
    setCaption(C::PanelSelTit, CaptionText(text(kJobsText)));
    showTextList(blockEntries(1, kJobEntries), TextStyle::Plain);
}

void IntermediateScreen::botAsigClick() {
    if (state_.selectedTitle == 0) return;
    Handler h(*this);
    eraseBubble();
    setCaption(C::PanelSelTit, CaptionText(text(kSubjectsText)));
    std::vector<std::string> lines = blockEntries(kJobEntries + 1, kLastEntry);
    // The heading of the subjects stands apart from the first of them.
    if (lines.size() > 1 && !Blank(lines[1])) lines.insert(lines.begin() + 1, std::string());
    showTextList(std::move(lines), TextStyle::Subjects);
}

void IntermediateScreen::composeTitleSections() {
    auto heading = [&](int n) { printLine("** " + text(n) + " **", true); };
    heading(kRequirementsText);
    for (std::string& line : requirementLines()) printLine(std::move(line));
    printLine({});
    heading(kJobsText);
    for (std::string& line : blockEntries(1, kJobEntries)) printLine(std::move(line));
    printLine({});
    heading(kSubjectsText);
    for (std::string& line : blockEntries(kJobEntries + 1, kLastEntry)) printLine(std::move(line));
    for (int dropped = 0; dropped < kTrailingBlanksDropped && state_.printLines.size() > 1 &&
                          Blank(state_.printLines.back()[0]);
         ++dropped)
        state_.printLines.pop_back();
}

}  // namespace velmora
