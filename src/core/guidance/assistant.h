#pragma once

#include <QRect>
#include <QString>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/shared/palette.h"
#include "core/shared/section_back.h"

namespace velmora {

class Enlace;
class MenuNavigation;
class Sound;
struct AssistantSide;
struct SectionTarget;

// The controls of the assistant TForm5. The widget names its controls (objectName) with
// ControlName().
enum class AssistantControl {
    // The start panel and the buttons along the bottom.
    PInicio,
    ImagenInicio,  // the picture of PInicio, tiled with "parte"
    Panel9,
    Textoinicio,
    Panel2,
    Panel3,
    BotEso,
    BotBachi,
    BotRetroAsis,
    // The ESO panel.
    PanelEso,
    L41,
    LabelCentro,
    p4,
    LabelT1,
    LabelT2,
    LabelT3,
    Panel1,
    texto4,
    Image4,
    Image3,
    Image2,
    he,
    BcBachi,
    BotProfe,
    BtGM,
    Biti,
    CatTit,
    BGarantia,
    BDejar,
    BotDiversi,
    // The Bachillerato panel.
    PanelBachi,
    Lb1,
    LabelCentroB,
    Pb,
    LabelT5,
    LabelT6,
    LabelT7,
    Panel5,
    TextoBa,
    Image8,
    Image7,
    Image6,
    HeB,
    BConsejoAsis,
    BotProfeB,
    BFpTitGsAsis,
    BiCar,
    CatTitB,
    BitiB,
    BotFP,
    BotFP2,
    // The two lists, over everything else.
    PanelDiversifi,
    ListBox1,
    BotCerrar,
    PanelFP2,
    ListFP2,
    BotCerrar2,
};
inline constexpr int kAssistantControlCount = static_cast<int>(AssistantControl::BotCerrar2) + 1;

std::string_view ControlName(AssistantControl control);
std::optional<AssistantControl> AssistantControlNamed(std::string_view name);

// What kind of widget stands for a control.
enum class AssistantKind {
    Panel,       // a coloured panel
    Picture,     // tiled with "parte"
    Label,       // a text on the control's colour, word-wrapped
    Title,       // a clickable title label
    Tile,        // a clickable coloured tile with a large caption
    Button,      // a push button with a hand pointer
    Arrow,       // a clickable blinking arrow pointing right
    Helicopter,  // "heli.bmp", its white ground transparent
    List,        // a list of plain rows
    School,      // the school's name, shrunk to fit
};

// Where a control sits (in its parent, or in the window when it has none) and how it looks.
struct AssistantPlace {
    AssistantControl control;
    std::optional<AssistantControl> parent;
    QRect rect;
    AssistantKind kind;
    std::optional<Rgb> colour;  // the background, when the control has one
};
std::span<const AssistantPlace> AssistantLayout();
const AssistantPlace& PlaceOf(AssistantControl control);

// The timers of the assistant; the screen runs one QTimer of each and calls tick() when it
// fires.
enum class AssistantTimer { Welcome, Start, Step, Flight };
inline constexpr int kAssistantTimerCount = 4;
int IntervalOf(AssistantTimer timer);  // milliseconds

// What the assistant shows.
struct AssistantView {
    std::array<bool, kAssistantControlCount> visible{};
    std::array<QRect, kAssistantControlCount> geometry{};
    std::array<QString, kAssistantControlCount> caption{};
    std::array<QString, kAssistantControlCount> hint{};
    QString windowTitle;
    std::vector<QString> diversification;  // ListBox1
    std::vector<QString> transition;       // ListFP2
};

// What changed since the widget last looked.
struct AssistantChanges {
    enum Part : unsigned {
        Visibility = 1u << 0,
        Geometry = 1u << 1,
        Captions = 1u << 2,  // captions, hints and the window title
        Lists = 1u << 3,
    };
    unsigned parts = 0;
    // The assistant opened another screen, or was left: the widget hides it.
    bool hideScreen = false;

    bool any() const { return parts != 0 || hideScreen; }
    bool has(Part part) const { return (parts & part) != 0; }
};

// The model of the assistant TForm5: a guided entry that asks whether the student is in ESO or
// in Bachillerato, tells in three animated text boxes what can be done from there, flies a
// helicopter to the buttons of the step whose arrow was clicked, and opens the screen of each
// button. While it is in use the program is in assistant mode (Enlace::assistantMode): the screens
// it opens come back here.
class Assistant {
  public:
    enum class Panel { Start, Eso, Bachillerato };

    static constexpr int kFlightMoves = 26;
    static constexpr int kFlightStep = 4;     // pixels right per move
    static constexpr int kFlightDescent = 2;  // pixels down per move, for the lower arrows
    static constexpr int kBoxStep = 4;        // pixels left per tick of the start timer
    static constexpr int kScrollStep = 2;     // pixels up per tick of the texts
    static constexpr int kStillTicks = 5;     // ticks before a step's text starts to move
    static constexpr int kBlinkEvery = 3;     // ticks between two blinks of a step's arrow
    static constexpr int kWelcomeStep = 6;    // the step counter while the welcome scrolls
    static constexpr int kWelcomeArrow = 9;
    static constexpr int kStepTexts = 20;

    Assistant(Enlace& enlace, MenuNavigation& navigation, Sound& sound);

    // FormCreate: captions, hints and the colours' places; the hint delay becomes zero.
    void FormCreate();
    // Each time the window is shown: the step texts and hints again, both lists hidden; until a
    // panel has been chosen, the welcome panel with its scrolling text.
    void FormActivate();
    // The home screen opened the assistant: assistant mode on.
    void openedFromMenu();

    // Panel2, BotEso and L41; Panel3, BotBachi and Lb1.
    void ChooseEso();
    void ChooseBachillerato();
    // A click on one of the six arrows.
    void ArrowClick(AssistantControl arrow);
    // A button that opens another screen; false when this build has no such screen (the
    // assistant then stays).
    bool OpenClick(AssistantControl button);
    void BotDiversiClick();
    void BotFPClick();
    void BotFP2Click();
    void BotCerrarClick();
    void BotCerrar2Click();
    // Leaving the assistant: assistant mode off; where the program goes.
    LeaveTo BotRetroAsisClick();

    void tick(AssistantTimer timer);
    bool timerRunning(AssistantTimer timer) const { return running_[Index(timer)]; }

    const AssistantView& view() const { return view_; }
    AssistantChanges takeChanges();
    bool visible(AssistantControl control) const { return view_.visible[Index(control)]; }

    Panel panel() const { return panel_; }
    bool firstTime() const { return firstTime_; }
    int step() const { return step_; }
    int currentArrow() const { return currentArrow_; }
    int flightMoves() const { return moves_; }
    // Step text k (1..20), as built when the window was last shown.
    const std::string& stepText(int k) const { return texts_.at(static_cast<size_t>(k)); }

    // The screen a button opens and what is set on it first; nullptr for a control that opens
    // none.
    static const SectionTarget* TargetOf(AssistantControl button);
    // The buttons an arrow's flight leads to.
    static std::span<const AssistantControl> ButtonsOf(AssistantControl arrow);

  private:
    template <typename E>
    static size_t Index(E e) {
        return static_cast<size_t>(e);
    }
    // The controls of the panel in use: ESO or Bachillerato.
    const AssistantSide& side() const;

    void buildTexts();
    void setVisible(AssistantControl control, bool on);
    void setGeometry(AssistantControl control, const QRect& rect);
    void moveTo(AssistantControl control, int left, int top);
    void setCaption(AssistantControl control, const QString& text);
    void stopTimers();
    void run(AssistantTimer timer, bool on) { running_[Index(timer)] = on; }
    void choose(Panel panel);
    void welcomeTick();
    void startTick();
    void stepTick();
    void flightTick();
    void loadStep();
    void touch(AssistantChanges::Part part) { changes_.parts |= part; }

    Enlace& enlace_;
    MenuNavigation& navigation_;
    Sound& sound_;
    AssistantView view_;
    AssistantChanges changes_;
    std::array<bool, kAssistantTimerCount> running_{};
    std::array<std::string, kStepTexts + 1> texts_;

    Panel panel_ = Panel::Start;
    bool firstTime_ = true;
    int step_ = 0;   // 0 idle, 1-3 the steps, 6 the welcome
    int ticks_ = 0;  // of the step in progress
    int currentArrow_ = 0;
    AssistantControl flyingTo_ = AssistantControl::Image4;
    int moves_ = 0;
};

}  // namespace velmora
