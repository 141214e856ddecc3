#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/guidance/help_panel.h"
#include "core/vocational/level_screen.h"

namespace velmora {

class Sound;

// The basic screen's controls besides the ones the level screens share: the nine groups, the
// jobs preview of the title under the pointer, the groups' caption bar and the button that
// looks for centres by place. The help panel (`PanelAyuda`) is a HelpPanel of its own.
enum class BasicControl { ListSelFp, ListFPExpli, PanelSelTit0, BotLug };
inline constexpr int kBasicControlCount = static_cast<int>(BasicControl::BotLug) + 1;

std::string_view BasicControlName(BasicControl control);

// What the basic screen shows of its own (LevelChanges::Own).
struct BasicView {
    ControlStates<BasicControl, kBasicControlCount> controls;
    // ListSelFp: the nine groups, and the one selected (-1 for none).
    std::vector<Cell> groupRows;
    int groupSelected = -1;
    // ListTitFP's row under the pointer (-1 for none).
    int titleSelected = -1;
    // ListFPExpli: the jobs of the title under the pointer.
    std::vector<Cell> previewRows;
    // TimerAyu blinks PanelSelTit0's caption.
    bool blinking = false;
};

// The basic screen, TFIniPro: the level screens' model on the basic tables. A student picks one
// of nine groups (a group without families looks for centres by place), a family and a title,
// with a preview of each title's jobs under the pointer; the title's communities light on the
// map and a click lists a community's centres. Its reports print as text: a title with the one
// community last clicked, or a place with its centres.
class BasicScreen final : public LevelScreen {
  public:
    static constexpr int kGroupRowHeight = 30;  // ListSelFp
    static constexpr int kTitleRowHeight = 22;  // ListTitFP
    static constexpr int kBlinkInterval = 200;  // TimerAyu
    static constexpr int kReportSize = 10;      // the reports' "Courier New"

    BasicScreen(Enlace& enlace, Printing& printing, Sound& sound);

    bool FormCreate() override;
    // Showing the screen: by title, the nine groups with their blinking caption and the help,
    // as the main menu, the scene and the assistant open it.
    void FormActivate();

    const BasicView& own() const { return own_; }
    const HelpPanel& help() const { return help_; }
    HelpPanel& help() { return help_; }

    // The pointer over row `row` of ListSelFp (-1: no row), and a click on a row.
    void listSelFPMouseMove(int row);
    void ListSelFpMouseUp(int row);
    // A family of the chosen group (row of ListPreFam).
    void ListPreFamMouseDown(int row) override;
    // The pointer over row `row` of ListTitFP, and a click on it.
    void ListTitFPMouseMove(int row);
    void ListTitFPMouseUp(int row) { ListTitClick(row); }

    void BotLugClick();
    void BotRequisitosClick();
    void botAsigClick();
    void BotTraClick();
    void BotRetrocederFPClick() override;
    // Closing the window: the way back once, then the screen is left; where to.
    Leave FormClose();
    // Where the last handler left the screen for, once.
    std::optional<Leave> takeLeave();

    void tickAyu();

  protected:
    void setOwnCaptions() override;
    void showTitleButtons(TitleSource source) override;
    void hideTitleButtons() override;
    void showStartScreen() override;
    TitleRange familyTitles(int header) const override;
    void communityCentresShown(bool found) override;
    void printByTitle() override;

  private:
    void setOwnVisible(BasicControl control, bool on);
    void setOwnCaption(BasicControl control, const QString& text);
    void setBlinking(bool on);
    // The screen hidden, and left for where the marks say.
    void leaveScreen();
    // The jobs, subjects and requirements of the chosen title as the text list shows them.
    std::vector<std::string> jobLines() const;
    std::vector<std::string> subjectLines() const;

    Sound& sound_;
    BasicView own_;
    HelpPanel help_;
    bool groupChosen_ = false;      // GroupChosen: hover highlighting has stopped
    int hoverGroup_ = -1;           // HoverGroup
    int hoverTitle_ = -1;           // HoverTitle
    bool communityChosen_ = false;  // CommunityChosen
    int blinkCount_ = 0;
    std::optional<Leave> leave_;
};

// The basic screen's description: the basic tables, its control names, group icons and texts.
const LevelDescription& BasicDescription();

}  // namespace velmora
