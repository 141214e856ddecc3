#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/shared/screen_view.h"
#include "core/vocational/level_screen.h"

namespace velmora {

class AddressOpener;

// The controls the higher-level screen has beyond the shared ones: its start menu, the menu of a
// chosen title, the statistics buttons, the community's web site and the school's label.
enum class HigherControl {
    PanelFP,
    MenuFP1,
    MenuFP2,
    menuFP3,
    PanelFpTit,
    MenuFpTit1,
    MenuFpTit2,
    MenuFpTit3,
    MenuFpTit4,
    MenuFpTit5,
    MenuFpTit6,
    MenuFPTitEst,
    PanelEstadistica,
    ButtonEstad1,
    ButtonEstad2,
    ButtonEstad3,
    BotInternetC,
    labelCentro,
};
inline constexpr int kHigherControlCount = static_cast<int>(HigherControl::labelCentro) + 1;
std::string_view HigherName(HigherControl control);

// The seven entries of a title's menu, in order.
inline constexpr std::array<HigherControl, 7> kTitleMenu = {
    HigherControl::MenuFpTit1,  HigherControl::MenuFpTit2, HigherControl::MenuFpTit3,
    HigherControl::MenuFpTit4,  HigherControl::MenuFpTit5, HigherControl::MenuFpTit6,
    HigherControl::MenuFPTitEst};

// What the screen shows of its own controls (LevelChanges::Own).
struct HigherView : ControlStates<HigherControl, kHigherControlCount> {
    // The entries of the title menu already pressed, drawn purple and italic (kTitleMenu order).
    std::array<bool, kTitleMenu.size()> visited{};
};

// The statistics window of vocational training, as the screen opens it: one of its three views,
// then the window itself.
class StatisticsWindow {
  public:
    virtual ~StatisticsWindow() = default;
    // Centres per title, centred on title `title` (a line of "fp").
    virtual void labelEstad1Click(int title) = 0;
    // Employment per family, and students against jobs per family, centred on `family`.
    virtual void labelEstad3Click(int family) = 0;
    virtual void labelEstad4Click(int family) = 0;
    virtual void show() = 0;
};

// The higher-level screen TForm8: the shared level screen on the GS tables with a start menu
// (by title, by place, back), a menu of seven entries for a chosen title (where to study,
// requirements, subjects, access, print, another title, statistics), the statistics window,
// the community's education web site and its report details.
class HigherScreen final : public LevelScreen {
  public:
    // The texts of a title: its access routes, its subjects, the access to university.
    enum class TitleTexts { Requirements = 2, Subjects = 3, Access = 4 };
    // The family the statistics of a title without one are centred on.
    static constexpr int kDefaultStatisticsFamily = 5;

    HigherScreen(Enlace& enlace, Printing& printing, AddressOpener& opener);

    const HigherView& ownView() const { return own_; }
    void attachStatistics(StatisticsWindow* statistics) { statistics_ = statistics; }
    // Asked by the statistics buttons: the screen hides while the statistics window is shown.
    bool takeHandOver();

    // The main menu's door and the assistant show LabelFP1 and PanelFP before they show the
    // screen; the screen's state follows.
    void SectionOpened(bool labelShown, bool menuShown);

    // --- The start menu ------------------------------------------------------------------------
    void MenuFP1Click();
    void MenuFP2Click();
    Leave menuFP3Click();

    // --- A title -------------------------------------------------------------------------------
    void ListTitFPClick(int position) { ListTitClick(position); }
    void MenuFpTit1Click();
    void MenuFpTit2Click();
    void MenuFpTit3Click();
    void MenuFpTit4Click();
    void MenuFpTit5Click();
    void MenuFpTit6Click();
    void MenuFPTitEstClick();
    void ButtonEstad1Click();
    void ButtonEstad2Click();
    void ButtonEstad3Click();

    // --- A place -------------------------------------------------------------------------------
    void BotInternetCMouseUp();
    void botTodaFPMouseUp() { BotTodoFPClick(); }

    // The lines of a title's texts, as the list shows them or as the report prints them.
    std::vector<std::string> titleTexts(TitleTexts kind) const;

  protected:
    void setOwnCaptions() override;
    void showTitleButtons(TitleSource source) override;
    void hideTitleButtons() override;
    void showStartScreen() override;
    void composeTitleSections() override;
    void groupsShownAgain() override;
    bool backToTitleMenu() override;
    void showPlaceButtons() override;
    void hidePlaceButtons() override;
    void printPickingStarted() override;
    void printPickingEnded() override;
    void goingBack() override;

  private:
    void setOwnVisible(HigherControl control, bool on);
    // A title-menu entry pressed: the statistics panel goes, the entry is marked.
    void pressed(HigherControl entry);
    void showTitleTexts(TitleTexts kind);
    // The statistics window on one of its views, the screen handed over to it.
    void openStatistics(void (StatisticsWindow::*open)(int), int on);
    int statisticsFamily() const;

    AddressOpener& opener_;
    HigherView own_;
    StatisticsWindow* statistics_ = nullptr;
    bool handOver_ = false;
};

// The higher-level screen's description: its tables, control names, texts and options.
const LevelDescription& HigherDescription();

}  // namespace velmora
