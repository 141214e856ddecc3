#include "core/guidance/assistant.h"

#include <algorithm>
#include <initializer_list>

#include "core/menu/doors.h"
#include "core/menu/menu_navigation.h"
#include "core/menu/menu_texts.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/shared/sound.h"

namespace velmora {
namespace {

using C = AssistantControl;
using K = AssistantKind;
using S = TargetStep::Kind;

constexpr std::array<std::string_view, kAssistantControlCount> kNames = {
    "PInicio",      "ImagenInicio", "Panel9",     "Textoinicio",
    "Panel2",       "Panel3",       "BotEso",     "BotBachi",
    "BotRetroAsis", "PanelEso",     "L41",        "LabelCentro",
    "p4",           "LabelT1",      "LabelT2",    "LabelT3",
    "Panel1",       "texto4",       "Image4",     "Image3",
    "Image2",       "he",           "BcBachi",    "BotProfe",
    "BtGM",         "Biti",         "CatTit",     "BGarantia",
    "BDejar",       "BotDiversi",   "PanelBachi", "Lb1",
    "LabelCentroB", "Pb",           "LabelT5",    "LabelT6",
    "LabelT7",      "Panel5",       "TextoBa",    "Image8",
    "Image7",       "Image6",       "HeB",        "BConsejoAsis",
    "BotProfeB",    "BFpTitGsAsis", "BiCar",      "CatTitB",
    "BitiB",        "BotFP",        "BotFP2",     "PanelDiversifi",
    "ListBox1",     "BotCerrar",    "PanelFP2",   "ListFP2",
    "BotCerrar2",
};

constexpr Rgb kPeach{241, 217, 192};
constexpr Rgb kYellow{255, 255, 157};

// The step boxes and labels, the arrows and the helicopter's start, in one place so that the
// flight ends beside the buttons it leads to.
constexpr QRect kPanel{42, 34, 940, 640};  // both panels: centred, 30 pixels above the centre
constexpr QRect kPicture{0, 40, 460, 500};
constexpr QSize kBox{300, 80};
constexpr int kBoxStartLeft = 160;
constexpr QRect kTopLabel{20, 30, 300, 80};
constexpr QRect kMiddleLabel{20, 210, 300, 80};
constexpr QRect kBottomLabel{20, 390, 300, 80};
constexpr QRect kTopArrow{340, 50, 60, 40};
constexpr QRect kMiddleArrow{340, 230, 60, 40};
constexpr QRect kBottomArrow{340, 410, 60, 40};
constexpr QSize kHelicopter{64, 64};
constexpr int kButtonsLeft = 640;
constexpr QSize kButton{270, 34};
constexpr int kButtonPitch = 42;
constexpr QRect Button(int top) {
    return {kButtonsLeft, top, kButton.width(), kButton.height()};
}

constexpr QRect kDiversification{410, 0, 280, 200};
constexpr QSize kTransition{560, 230};
constexpr int kTransitionLeftGS = 360;
constexpr int kTransitionLeftGM = 400;

constexpr AssistantPlace kLayout[] = {
    {C::PInicio, std::nullopt, {212, 154, 600, 460}, K::Panel, kPeach},
    {C::ImagenInicio, C::PInicio, {0, 0, 600, 460}, K::Picture, std::nullopt},
    {C::Panel9, C::PInicio, {150, 30, 300, 260}, K::Panel, kYellow},
    {C::Textoinicio, C::Panel9, {10, 10, 280, 220}, K::Label, std::nullopt},
    {C::Panel2, C::PInicio, {150, 320, 140, 100}, K::Tile, kYellow},
    {C::Panel3, C::PInicio, {310, 320, 140, 100}, K::Tile, kYellow},
    {C::BotEso, std::nullopt, {300, 704, 150, 36}, K::Button, std::nullopt},
    {C::BotBachi, std::nullopt, {462, 704, 150, 36}, K::Button, std::nullopt},
    {C::BotRetroAsis, std::nullopt, {850, 704, 150, 36}, K::Button, std::nullopt},

    {C::PanelEso, std::nullopt, kPanel, K::Panel, kYellow},
    {C::L41, C::PanelEso, {20, 6, 420, 30}, K::Title, std::nullopt},
    {C::LabelCentro, C::PanelEso, {450, 6, 470, 30}, K::School, kYellow},
    {C::p4, C::PanelEso, kPicture, K::Picture, std::nullopt},
    {C::LabelT1, C::p4, kBottomLabel, K::Label, kYellow},
    {C::LabelT2, C::p4, kMiddleLabel, K::Label, kYellow},
    {C::LabelT3, C::p4, kTopLabel, K::Label, kYellow},
    {C::Panel1,
     C::p4,
     {kBoxStartLeft, kBottomLabel.top(), kBox.width(), kBox.height()},
     K::Panel,
     kYellow},
    {C::texto4,
     C::Panel1,
     {6, kBox.height(), kBox.width() - 12, kBox.height()},
     K::Label,
     std::nullopt},
    {C::Image4, C::p4, kBottomArrow, K::Arrow, std::nullopt},
    {C::Image3, C::p4, kMiddleArrow, K::Arrow, std::nullopt},
    {C::Image2, C::p4, kTopArrow, K::Arrow, std::nullopt},
    {C::he,
     C::PanelEso,
     {kPicture.width(), kPicture.top(), kHelicopter.width(), kHelicopter.height()},
     K::Helicopter,
     std::nullopt},
    {C::BcBachi, C::PanelEso, Button(520), K::Button, std::nullopt},
    {C::BotProfe, C::PanelEso, Button(520 + kButtonPitch), K::Button, std::nullopt},
    {C::BtGM, C::PanelEso, Button(270), K::Button, std::nullopt},
    {C::Biti, C::PanelEso, Button(270 + kButtonPitch), K::Button, std::nullopt},
    {C::CatTit, C::PanelEso, Button(270 + 2 * kButtonPitch), K::Button, std::nullopt},
    {C::BGarantia, C::PanelEso, Button(40), K::Button, std::nullopt},
    {C::BDejar, C::PanelEso, Button(40 + kButtonPitch), K::Button, std::nullopt},
    {C::BotDiversi, C::PanelEso, Button(40 + 2 * kButtonPitch), K::Button, std::nullopt},

    {C::PanelBachi, std::nullopt, kPanel, K::Panel, kPeach},
    {C::Lb1, C::PanelBachi, {20, 6, 420, 30}, K::Title, std::nullopt},
    {C::LabelCentroB, C::PanelBachi, {450, 6, 470, 30}, K::School, kYellow},
    {C::Pb, C::PanelBachi, kPicture, K::Picture, std::nullopt},
    {C::LabelT5, C::Pb, kBottomLabel, K::Label, kYellow},
    {C::LabelT6, C::Pb, kMiddleLabel, K::Label, kYellow},
    {C::LabelT7, C::Pb, kTopLabel, K::Label, kYellow},
    {C::Panel5,
     C::Pb,
     {kBoxStartLeft, kBottomLabel.top(), kBox.width(), kBox.height()},
     K::Panel,
     kYellow},
    {C::TextoBa,
     C::Panel5,
     {6, kBox.height(), kBox.width() - 12, kBox.height()},
     K::Label,
     std::nullopt},
    {C::Image8, C::Pb, kBottomArrow, K::Arrow, std::nullopt},
    {C::Image7, C::Pb, kMiddleArrow, K::Arrow, std::nullopt},
    {C::Image6, C::Pb, kTopArrow, K::Arrow, std::nullopt},
    {C::HeB,
     C::PanelBachi,
     {kPicture.width(), kPicture.top(), kHelicopter.width(), kHelicopter.height()},
     K::Helicopter,
     std::nullopt},
    {C::BConsejoAsis, C::PanelBachi, Button(500), K::Button, std::nullopt},
    {C::BotProfeB, C::PanelBachi, Button(500 + kButtonPitch), K::Button, std::nullopt},
    {C::BFpTitGsAsis, C::PanelBachi, Button(250), K::Button, std::nullopt},
    {C::BiCar, C::PanelBachi, Button(250 + kButtonPitch), K::Button, std::nullopt},
    {C::CatTitB, C::PanelBachi, Button(250 + 2 * kButtonPitch), K::Button, std::nullopt},
    {C::BitiB, C::PanelBachi, Button(250 + 3 * kButtonPitch), K::Button, std::nullopt},
    {C::BotFP, C::PanelBachi, Button(80), K::Button, std::nullopt},
    {C::BotFP2, C::PanelBachi, Button(80 + kButtonPitch), K::Button, std::nullopt},

    {C::PanelDiversifi, std::nullopt, kDiversification, K::Panel, kYellow},
    {C::ListBox1,
     C::PanelDiversifi,
     {4, 4, kDiversification.width() - 8, 166},
     K::List,
     std::nullopt},
    {C::BotCerrar, C::PanelDiversifi, {208, 174, 68, 24}, K::Button, std::nullopt},
    {C::PanelFP2,
     std::nullopt,
     {kTransitionLeftGS, 0, kTransition.width(), kTransition.height()},
     K::Panel,
     kYellow},
    {C::ListFP2,
     C::PanelFP2,
     {4, 4, kTransition.width() - 8, kTransition.height() - 36},
     K::List,
     std::nullopt},
    {C::BotCerrar2,
     C::PanelFP2,
     {kTransition.width() - 76, kTransition.height() - 29, 72, 26},
     K::Button,
     std::nullopt},
};
static_assert(std::size(kLayout) == kAssistantControlCount);

// Shown from creation; everything else waits for a handler.
constexpr C kShownAtStart[] = {C::ImagenInicio, C::Panel9,       C::Textoinicio, C::Panel2,
                               C::Panel3,       C::BotEso,       C::BotBachi,    C::BotRetroAsis,
                               C::L41,          C::LabelCentro,  C::p4,          C::texto4,
                               C::Lb1,          C::LabelCentroB, C::Pb,          C::TextoBa,
                               C::ListBox1,     C::BotCerrar,    C::ListFP2,     C::BotCerrar2};

constexpr C kEsoTop[] = {C::BGarantia, C::BDejar, C::BotDiversi};
constexpr C kEsoMiddle[] = {C::BtGM, C::Biti, C::CatTit};
constexpr C kEsoBottom[] = {C::BcBachi, C::BotProfe};
constexpr C kBachTop[] = {C::BotFP, C::BotFP2};
constexpr C kBachMiddle[] = {C::BFpTitGsAsis, C::BiCar, C::CatTitB, C::BitiB};
constexpr C kBachBottom[] = {C::BConsejoAsis, C::BotProfeB};

// The screens the buttons open, with what the home screen's doors set on them as well.
const SectionTarget kQuestionnaire{
    0, "TForm2", {{S::Hide, "BotLOMCE"}, {S::Show, "botCuestio"}, {S::FillScreen, "degradeIti"}}};
const SectionTarget kItineraries{0, "TForm2", {{S::Show, "BotLOMCE"}, {S::Hide, "botCuestio"}}};
const SectionTarget kProfessions{0, "Tprofe", {{S::RunHandler, "BotCuestioClick"}}};
const SectionTarget kIntermediate{0, "TForm3", {{S::StartTimerOnFirstOpening, "heli"}}};
const SectionTarget kCatalogue{0, "TFormCat", {}};
const SectionTarget kBasic{
    0, "TFIniPro", {{S::Show, "ListSelFp"}, {S::Show, "BotLug"}, {S::Show, "BotRetrocederFP"}}};
const SectionTarget kCertificates{0, "TCertifica", {}};
const SectionTarget kAdvice{0, "TFormCon", {}};
const SectionTarget kHigher{0, "TForm8", {{S::Show, "LabelFP1"}, {S::Show, "PanelFP"}}};
const SectionTarget kDegrees{0, "TForm1", {{S::RunHandler, "botinformacionClick"}}};

std::string Joined(const InterfaceTexts& t, std::initializer_list<int> lines) {
    std::string out;
    bool first = true;
    for (const int n : lines) {
        if (!first) out += '\n';
        first = false;
        if (n > 0) out += t[n];  // 0 stands for an empty line
    }
    return out;
}

QString Shown(std::string_view bytes) {
    return CaptionText(bytes);
}

}  // namespace

// The two panels' controls, side by side.
struct AssistantSide {
    C panel, picture, box, boxLabel, helicopter;
    std::array<C, 3> labels;  // steps 1, 2, 3: bottom, middle, top
    std::array<C, 3> arrows;
    std::array<int, 3> arrowNumbers;
    std::array<int, 3> texts;  // the step texts
};
constexpr AssistantSide kEso{C::PanelEso,
                             C::p4,
                             C::Panel1,
                             C::texto4,
                             C::he,
                             {C::LabelT1, C::LabelT2, C::LabelT3},
                             {C::Image4, C::Image3, C::Image2},
                             {4, 3, 2},
                             {1, 2, 3}};
constexpr AssistantSide kBachillerato{C::PanelBachi,
                                      C::Pb,
                                      C::Panel5,
                                      C::TextoBa,
                                      C::HeB,
                                      {C::LabelT5, C::LabelT6, C::LabelT7},
                                      {C::Image8, C::Image7, C::Image6},
                                      {8, 7, 6},
                                      {10, 11, 12}};

std::string_view ControlName(AssistantControl control) {
    return kNames[static_cast<size_t>(control)];
}

std::optional<AssistantControl> AssistantControlNamed(std::string_view name) {
    const auto found = std::find(kNames.begin(), kNames.end(), name);
    if (found == kNames.end()) return std::nullopt;
    return static_cast<AssistantControl>(found - kNames.begin());
}

std::span<const AssistantPlace> AssistantLayout() {
    return kLayout;
}

const AssistantPlace& PlaceOf(AssistantControl control) {
    return kLayout[static_cast<size_t>(control)];
}

int IntervalOf(AssistantTimer timer) {
    switch (timer) {
        case AssistantTimer::Welcome:
            return 70;
        case AssistantTimer::Start:
            return 50;
        case AssistantTimer::Step:
        case AssistantTimer::Flight:
            return 100;
    }
    return 100;
}

const SectionTarget* Assistant::TargetOf(AssistantControl button) {
    switch (button) {
        case C::BcBachi:
            return &kQuestionnaire;
        case C::Biti:
        case C::BitiB:
            return &kItineraries;
        case C::BotProfe:
        case C::BotProfeB:
            return &kProfessions;
        case C::BtGM:
            return &kIntermediate;
        case C::CatTit:
        case C::CatTitB:
            return &kCatalogue;
        case C::BGarantia:
            return &kBasic;
        case C::BDejar:
            return &kCertificates;
        case C::BConsejoAsis:
            return &kAdvice;
        case C::BFpTitGsAsis:
            return &kHigher;
        case C::BiCar:
            return &kDegrees;
        default:
            return nullptr;
    }
}

std::span<const AssistantControl> Assistant::ButtonsOf(AssistantControl arrow) {
    switch (arrow) {
        case C::Image2:
            return kEsoTop;
        case C::Image3:
            return kEsoMiddle;
        case C::Image4:
            return kEsoBottom;
        case C::Image6:
            return kBachTop;
        case C::Image7:
            return kBachMiddle;
        case C::Image8:
            return kBachBottom;
        default:
            return {};
    }
}

Assistant::Assistant(Enlace& enlace, MenuNavigation& navigation, Sound& sound)
    : enlace_(enlace), navigation_(navigation), sound_(sound) {
    for (const AssistantPlace& place : kLayout) view_.geometry[Index(place.control)] = place.rect;
    for (const C control : kShownAtStart) view_.visible[Index(control)] = true;
}

const AssistantSide& Assistant::side() const {
    return panel_ == Panel::Bachillerato ? kBachillerato : kEso;
}

AssistantChanges Assistant::takeChanges() {
    AssistantChanges out = changes_;
    changes_ = AssistantChanges{};
    return out;
}

void Assistant::setVisible(C control, bool on) {
    bool& v = view_.visible[Index(control)];
    if (v == on) return;
    v = on;
    touch(AssistantChanges::Visibility);
}

void Assistant::setGeometry(C control, const QRect& rect) {
    QRect& g = view_.geometry[Index(control)];
    if (g == rect) return;
    g = rect;
    touch(AssistantChanges::Geometry);
}

void Assistant::moveTo(C control, int left, int top) {
    QRect rect = view_.geometry[Index(control)];
    rect.moveTo(left, top);
    setGeometry(control, rect);
}

void Assistant::setCaption(C control, const QString& text) {
    view_.caption[Index(control)] = text;
    touch(AssistantChanges::Captions);
}

void Assistant::stopTimers() {
    running_.fill(false);
}

// --- Creation and activation -----------------------------------------------------------------

void Assistant::FormCreate() {
    const InterfaceTexts& t = enlace_.texts;
    // The school's name with the school year, as the section screens show it.
    const QString year =
        QString::fromLatin1(kSchoolYear.data(), static_cast<qsizetype>(kSchoolYear.size()));
    const QString name = enlace_.settings.schoolName.trimmed();
    const QString school = name.isEmpty() ? year : name + QStringLiteral(" - ") + year;
    view_.windowTitle = Shown(t[338] + "  ") + enlace_.settings.schoolName;
    auto caption = [&](C c, std::string_view bytes) { setCaption(c, Shown(bytes)); };
    auto hint = [&](C c, std::string_view bytes) { view_.hint[Index(c)] = Shown(bytes); };

    caption(C::BotEso, t[12]);
    caption(C::BotBachi, t[33]);
    caption(C::BotRetroAsis, t[82]);
    caption(C::Panel2, "ESO");
    caption(C::Panel3, "BACHILL.");
    caption(C::L41, t[601]);
    caption(C::Lb1, t[602]);
    setCaption(C::LabelCentro, school);
    setCaption(C::LabelCentroB, school);

    caption(C::BcBachi, t[600]);
    caption(C::BotProfe, t[623]);
    caption(C::BtGM, t[113]);
    caption(C::Biti, t[21]);
    caption(C::CatTit, t[103]);
    caption(C::BGarantia, t[263]);
    caption(C::BDejar, t[587] + " " + t[588]);
    caption(C::BotDiversi, t[555]);
    caption(C::BotCerrar, t[13]);

    caption(C::BConsejoAsis, t[52]);
    caption(C::BotProfeB, t[623]);
    caption(C::BFpTitGsAsis, t[47]);
    caption(C::BiCar, t[46]);
    caption(C::CatTitB, t[103]);
    caption(C::BitiB, t[21]);
    caption(C::BotFP, "de FP_GS a " + t[46]);
    caption(C::BotFP2, "de FP_GM a FP_GS");
    caption(C::BotCerrar2, t[13]);

    hint(C::BotProfe, t[641]);
    hint(C::BotProfeB, t[641]);
    hint(C::CatTit, t[224]);
    hint(C::CatTitB, t[224]);
    hint(C::BConsejoAsis, t[557]);
    hint(C::BotFP, t[320]);
    hint(C::BFpTitGsAsis, Joined(t, {472, 473, 474, 475}));
    hint(C::BiCar, Joined(t, {476, 477, 478, 479}));

    // Hints come at once on this screen: the student is led by them.
    enlace_.hintPause.set(0);
}

void Assistant::buildTexts() {
    const InterfaceTexts& t = enlace_.texts;
    texts_.fill({});
    texts_[1] = Joined(t, {498, 499});
    texts_[2] = t[492];
    texts_[3] = Joined(t, {485, 486});
    texts_[6] = Joined(t, {494, 495, 496, 497});
    texts_[8] = Joined(t, {504, 505, 506, 507, 508});
    texts_[9] = Joined(t, {509, 510});
    texts_[10] = texts_[1];
    texts_[11] = texts_[2];
    texts_[12] = t[484];
    texts_[19] = Joined(t, {457, 0, 458, 459, 460, 0, 461, 462, 463, 464, 465});
}

void Assistant::FormActivate() {
    buildTexts();
    const InterfaceTexts& t = enlace_.texts;
    auto hint = [&](C c, std::string_view bytes) { view_.hint[Index(c)] = Shown(bytes); };
    auto captionOf = [&](C c) { return cp1252::Encode(view_.caption[Index(c)]); };
    for (const AssistantSide* s : {&kEso, &kBachillerato})
        for (size_t k = 0; k < 3; ++k) setCaption(s->labels[k], Shown(stepText(s->texts[k])));
    setCaption(C::Textoinicio, Shown(stepText(19)));
    hint(C::Image4, Joined(t, {466, 467, 468, 469, 470, 471}));
    hint(C::Image3, t[21] + "\n" + t[113] + "\n" + captionOf(C::CatTit));
    hint(C::Image2, captionOf(C::BDejar) + "\n" + t[263] + "\n" + t[555]);
    hint(C::Image8, captionOf(C::BConsejoAsis));
    hint(C::Image7, captionOf(C::BiCar) + "\n" + captionOf(C::BFpTitGsAsis) + "\n" +
                        captionOf(C::BitiB) + "\n" + captionOf(C::CatTitB));
    hint(C::Image6, stepText(12));
    hint(C::BtGM, stepText(6));
    hint(C::Biti, stepText(8));
    hint(C::BitiB, stepText(8));
    hint(C::BcBachi, stepText(9));
    touch(AssistantChanges::Captions);

    setVisible(C::PanelFP2, false);
    setVisible(C::PanelDiversifi, false);
    if (firstTime_) {
        setVisible(C::PInicio, true);
        currentArrow_ = kWelcomeArrow;
        step_ = kWelcomeStep;
        run(AssistantTimer::Welcome, true);
    }
}

void Assistant::openedFromMenu() {
    enlace_.assistantMode = true;
}

// --- The welcome ----------------------------------------------------------------------------

void Assistant::welcomeTick() {
    if (step_ != kWelcomeStep) {
        run(AssistantTimer::Welcome, false);
        return;
    }
    QRect text = view_.geometry[Index(C::Textoinicio)];
    text.translate(0, -kScrollStep);
    // Once the whole text has passed the top, it comes in again from the bottom of its box.
    if (text.top() <= -text.height()) text.moveTop(PlaceOf(C::Panel9).rect.height());
    setGeometry(C::Textoinicio, text);
}

// --- The two panels and their steps ---------------------------------------------------------

void Assistant::ChooseEso() {
    choose(Panel::Eso);
}

void Assistant::ChooseBachillerato() {
    choose(Panel::Bachillerato);
}

void Assistant::choose(Panel panel) {
    stopTimers();
    panel_ = panel;
    firstTime_ = false;
    setVisible(C::PanelEso, panel == Panel::Eso);
    setVisible(C::PanelBachi, panel == Panel::Bachillerato);
    setVisible(C::PInicio, false);
    const AssistantSide& s = side();
    // The box comes in from the right again, whatever the last visit left.
    moveTo(s.box, kBoxStartLeft, kBottomLabel.top());
    setVisible(s.box, true);
    setVisible(s.boxLabel, false);
    step_ = 0;
    ticks_ = 0;
    run(AssistantTimer::Start, true);
}

void Assistant::startTick() {
    const AssistantSide& s = side();
    const QRect box = view_.geometry[Index(s.box)];
    if (box.left() >= kBottomLabel.left()) {
        moveTo(s.box, box.left() - kBoxStep, box.top());
        return;
    }
    run(AssistantTimer::Start, false);
    setVisible(s.boxLabel, true);
    step_ = 1;
    loadStep();
    run(AssistantTimer::Step, true);
}

// The box sits on the step's label, and its label, back at the box's bottom edge, holds the
// step's text.
void Assistant::loadStep() {
    const AssistantSide& s = side();
    const size_t k = static_cast<size_t>(step_ - 1);
    const QRect label = PlaceOf(s.labels[k]).rect;
    moveTo(s.box, label.left(), label.top());
    moveTo(s.boxLabel, PlaceOf(s.boxLabel).rect.left(), kBox.height());
    setCaption(s.boxLabel, Shown(stepText(s.texts[k])));
    ticks_ = 0;
}

void Assistant::stepTick() {
    const AssistantSide& s = side();
    if (step_ < 1 || step_ > 3) {
        run(AssistantTimer::Step, false);
        step_ = 0;
        setVisible(s.box, false);
        return;
    }
    const size_t k = static_cast<size_t>(step_ - 1);
    ++ticks_;
    QRect text = view_.geometry[Index(s.boxLabel)];
    if (ticks_ > kStillTicks) {
        text.translate(0, -kScrollStep);
        setGeometry(s.boxLabel, text);
    }
    if (ticks_ % kBlinkEvery == 0) setVisible(s.arrows[k], !visible(s.arrows[k]));
    setVisible(s.labels[k], true);
    if (text.top() < 0) {
        setVisible(s.arrows[k], true);
        ++step_;
        if (step_ <= 3) loadStep();
    }
}

// --- The arrows and the helicopter ------------------------------------------------------------

void Assistant::ArrowClick(AssistantControl arrow) {
    const AssistantSide& s = side();
    const auto found = std::find(s.arrows.begin(), s.arrows.end(), arrow);
    if (panel_ == Panel::Start || found == s.arrows.end()) return;
    stopTimers();
    currentArrow_ = s.arrowNumbers[static_cast<size_t>(found - s.arrows.begin())];
    for (const C a : s.arrows) setVisible(a, true);
    PlayMotorSound(sound_, enlace_.paths, true);

    // The helicopter leaves the right edge of the picture at the arrow's height.
    const QRect picture = PlaceOf(s.picture).rect;
    const QRect arrowAt = PlaceOf(arrow).rect.translated(picture.topLeft());
    int top = picture.top();
    switch (arrow) {
        case C::Image3:
            top = picture.top() + picture.height() / 2;
            break;
        case C::Image4:
            top = picture.bottom() + 1 - 25;
            break;
        case C::Image6:
            top = arrowAt.top() + 10;
            break;
        case C::Image7:
        case C::Image8:
            top = arrowAt.top();
            break;
        default:
            break;
    }
    moveTo(s.helicopter, picture.left() + picture.width(), top);
    setVisible(s.helicopter, true);
    flyingTo_ = arrow;
    moves_ = 0;
    run(AssistantTimer::Flight, true);
}

void Assistant::flightTick() {
    const AssistantSide& s = side();
    const bool descends =
        flyingTo_ == C::Image4 || flyingTo_ == C::Image7 || flyingTo_ == C::Image8;
    const QRect at = view_.geometry[Index(s.helicopter)];
    moveTo(s.helicopter, at.left() + kFlightStep, at.top() + (descends ? kFlightDescent : 0));
    if (++moves_ < kFlightMoves) return;
    run(AssistantTimer::Flight, false);
    for (const C button : ButtonsOf(flyingTo_)) setVisible(button, true);
}

void Assistant::tick(AssistantTimer timer) {
    if (!timerRunning(timer)) return;
    switch (timer) {
        case AssistantTimer::Welcome:
            welcomeTick();
            break;
        case AssistantTimer::Start:
            startTick();
            break;
        case AssistantTimer::Step:
            stepTick();
            break;
        case AssistantTimer::Flight:
            flightTick();
            break;
    }
}

// --- The buttons ------------------------------------------------------------------------------

bool Assistant::OpenClick(AssistantControl button) {
    const SectionTarget* target = TargetOf(button);
    if (!target) return false;
    stopTimers();
    // The intermediate screen plays its helicopter introduction each time the assistant opens it.
    if (button == C::BtGM) enlace_.intermediateFirstOpening = true;
    if (!navigation_.openSection(*target)) return false;
    changes_.hideScreen = true;
    return true;
}

void Assistant::BotDiversiClick() {
    stopTimers();
    view_.diversification.clear();
    for (const std::string& line : enlace_.informa.linesForKey(" 5"))
        view_.diversification.push_back(cp1252::Decode(TrimRight(line)));
    touch(AssistantChanges::Lists);
    setVisible(C::PanelDiversifi, true);
}

void Assistant::BotFPClick() {
    stopTimers();
    const InterfaceTexts& t = enlace_.texts;
    view_.transition.clear();
    for (int n = 711; n <= 715; ++n) view_.transition.push_back(cp1252::Decode(t[n]));
    touch(AssistantChanges::Lists);
    moveTo(C::PanelFP2, kTransitionLeftGS, 0);
    setVisible(C::PanelFP2, true);
}

void Assistant::BotFP2Click() {
    stopTimers();
    const InterfaceTexts& t = enlace_.texts;
    view_.transition.clear();
    for (const int n : {480, 481, 482, 0, 483})
        view_.transition.push_back(n > 0 ? cp1252::Decode(t[n]) : QString());
    for (const std::string& line : enlace_.informa.linesForKey("17"))
        view_.transition.push_back(cp1252::Decode(TrimRight(line)));
    touch(AssistantChanges::Lists);
    moveTo(C::PanelFP2, kTransitionLeftGM, 0);
    setVisible(C::PanelFP2, true);
}

void Assistant::BotCerrarClick() {
    stopTimers();
    setVisible(C::PanelDiversifi, false);
}

void Assistant::BotCerrar2Click() {
    stopTimers();
    setVisible(C::PanelFP2, false);
}

LeaveTo Assistant::BotRetroAsisClick() {
    enlace_.assistantMode = false;
    stopTimers();
    changes_.hideScreen = true;
    return SectionBack(enlace_);
}

}  // namespace velmora
