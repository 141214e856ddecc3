#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/vocational/helicopter_intro.h"
#include "core/vocational/level_screen.h"

namespace velmora {

class Sound;

// The intermediate screen TForm3: the shared level screen on the GM tables, with its start
// screen of three buttons brought in by the helicopter intro, the three texts of a title
// (requirements, jobs, subjects) and the hooks of its questionnaire view.
class IntermediateScreen final : public LevelScreen {
  public:
    // The questionnaire view of the screen (IntermediateQuestionnaire), opened instead of the
    // start screen while the questionnaire mode is on.
    class QuestionnaireView {
      public:
        virtual ~QuestionnaireView() = default;
        virtual void open() = 0;
    };

    IntermediateScreen(Enlace& enlace, Printing& printing, Sound& sound);
    ~IntermediateScreen() override;

    bool FormCreate() override;
    // Showing the screen: the questionnaire view in questionnaire mode (when there is one);
    // otherwise the intro when it is wanted (the first opening from the main menu, every opening
    // from the assistant), which clears the wish, else the three start buttons.
    void FormActivate();

    void botTit2Click();
    void botLug2Click();
    Leave botSalirClick();
    void BotRequisitosClick();
    void BotPuestoClick();
    void botAsigClick();

    // The intro's timers, `heli` and `piloto`.
    void tick(HelicopterIntro::Timer timer);
    using LevelScreen::tick;
    const HelicopterIntro& intro() const { return intro_; }
    // Set by the intro's ticks and by anything that erases its bubbles; taken by the widget.
    bool takeIntroChanged();

    void setQuestionnaireView(QuestionnaireView* view) { questionnaireView_ = view; }

    // The requirement lines of the chosen title, by its catalogue generation.
    std::vector<std::string> requirementLines() const;

  protected:
    void setOwnCaptions() override;
    void showTitleButtons(TitleSource source) override;
    void hideTitleButtons() override;
    void showStartScreen() override;
    void eraseBubble() override;
    void composeTitleSections() override;

  private:
    friend class IntermediateQuestionnaire;

    void leaveStartScreen();
    // Hides every control but the screen's headings and what follows their panels.
    void hideAllButHeadings();
    // Entries first..last of the chosen title's block.
    std::vector<std::string> blockEntries(int first, int last) const;

    Sound& sound_;
    HelicopterIntro intro_;
    QuestionnaireView* questionnaireView_ = nullptr;
    bool introChanged_ = false;
};

}  // namespace velmora
