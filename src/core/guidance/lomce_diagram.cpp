#include "core/guidance/lomce_diagram.h"

#include "core/menu/menu_texts.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"

namespace velmora {
namespace {

constexpr int kTitleIcon = 3;  // the degrees screen's row icon of a title
constexpr int kTitleLine = 42;
constexpr int kArrowsLine = 43;

size_t At(int element) {
    return static_cast<size_t>(element);
}

}  // namespace

Cell LomceDiagram::Row(std::string_view bytes) {
    Cell cell;
    const std::string_view shown = TrimRight(bytes);
    if (shown.starts_with("  ")) {
        cell.colour = ColourOf(PaletteColour::HoverRed);
        cell.text = cp1252::Decode(shown);
    } else if (shown.starts_with('-')) {
        cell.kind = RowKind::Icon;
        cell.icon = kTitleIcon;
        cell.iconLeft = 2;
        cell.textLeft = 20;
        cell.text = cp1252::Decode(shown.substr(1));
    } else {
        cell.text = cp1252::Decode(shown);
    }
    return cell;
}

LomceDiagram::LomceDiagram(Enlace& enlace) : enlace_(enlace) {
    const size_t n = DiagramElements().size();
    view_.visible.assign(n, false);
    view_.caption.assign(n, QString());
    view_.hint.assign(n, QString());
    for (size_t i = 0; i < n; ++i) view_.visible[i] = DiagramElements()[i].step == 0;
}

DiagramChanges LomceDiagram::takeChanges() {
    DiagramChanges out = changes_;
    changes_ = DiagramChanges{};
    return out;
}

void LomceDiagram::FormCreate() {
    const InterfaceTexts& t = enlace_.texts;
    const KeyedLines& informa = enlace_.informa;
    const std::span<const DiagramElement> elements = DiagramElements();
    for (size_t i = 0; i < elements.size(); ++i) {
        const DiagramCaption& c = elements[i].caption;
        if (elements[i].kind != DiagramKind::Label) continue;
        switch (c.from) {
            case DiagramCaption::From::Literal:
                view_.caption[i] =
                    QString::fromLatin1(c.literal.data(), static_cast<qsizetype>(c.literal.size()));
                break;
            case DiagramCaption::From::Text:
                view_.caption[i] = CaptionText(t[c.line]);
                break;
            case DiagramCaption::From::Informa:
                view_.caption[i] = cp1252::Decode(informa.positional(c.line));
                break;
        }
    }
    view_.labelLOMCE = cp1252::Decode(informa.positional(kTitleLine));
    view_.labelFle = cp1252::Decode(informa.positional(kArrowsLine));
    view_.retro = CaptionText(t[82]);
    view_.cerrar = CaptionText(t[13]);
    view_.windowTitle = view_.labelLOMCE + QStringLiteral("  ") + enlace_.settings.schoolName;
    touch(DiagramChanges::Captions);
    showStep(0);
    enableArrows();
}

void LomceDiagram::FormActivate() {
    view_.explanation.clear();
    for (const std::string& line : enlace_.informa.linesForKey(kExplanationKey))
        view_.explanation.push_back(Row(line));
    touch(DiagramChanges::Explanation);
}

void LomceDiagram::setVisible(int element, bool on) {
    if (element == kDiagramBackArrow) {
        if (view_.backVisible == on) return;
        view_.backVisible = on;
    } else {
        if (view_.visible[At(element)] == on) return;
        view_.visible[At(element)] = on;
    }
    touch(DiagramChanges::Visibility);
}

void LomceDiagram::enableArrows() {
    view_.backEnabled = step_ > 0;
    view_.forwardEnabled = step_ < kLastStep;
    touch(DiagramChanges::Visibility);
}

void LomceDiagram::explain(int s) {
    const KeyedLines& informa = enlace_.informa;
    view_.explanation.clear();
    for (const std::string& line : informa.linesForKey(kExplanationKey + s))
        view_.explanation.push_back(Row(line));
    view_.explanation.push_back(Row(""));
    if (s != kLastStep) view_.explanation.push_back(Row("       " + informa.positional(kGoOnLine)));
    touch(DiagramChanges::Explanation);
}

// A step shown before the last one has finished blinking leaves its elements in view: whatever
// the toggles had reached, they stay.
void LomceDiagram::finishBlink() {
    if (!blinking_) return;
    blinking_ = false;
    for (const int element : BlinkGroup(blinkStep_)) setVisible(element, true);
    if (blinkStep_ == 1) {
        setVisible(*DiagramElementNamed("BitFleESO1"), true);
        setVisible(*DiagramElementNamed("BitFleESO2"), true);
    }
}

void LomceDiagram::showStep(int s) {
    finishBlink();
    explain(s);
    const std::span<const DiagramElement> elements = DiagramElements();
    // The steps whose new elements appear at once; the others' come in with the blinking.
    if (s == 6 || s == 7 || s == 8) {
        for (size_t i = 0; i < elements.size(); ++i) {
            const DiagramElement& e = elements[i];
            if (e.step == s && (e.kind != DiagramKind::Button || s == 7))
                setVisible(static_cast<int>(i), true);
        }
    }
    if (s == kLastStep) showEverything();
    blinkStep_ = s;
    blinkCounter_ = 0;
    blinking_ = true;
}

void LomceDiagram::showEverything() {
    const std::span<const int> buttons = DiagramButtons();
    for (size_t k = 0; k < buttons.size(); ++k)
        view_.hint[At(buttons[k])] =
            cp1252::Decode(enlace_.informa.positional(static_cast<int>(k) + 1));
    touch(DiagramChanges::Hints);
    for (size_t i = 0; i < DiagramElements().size(); ++i) setVisible(static_cast<int>(i), true);
    setVisible(kDiagramBackArrow, true);
}

void LomceDiagram::tick() {
    if (!blinking_) return;
    const std::vector<int> group = BlinkGroup(blinkStep_);
    if (blinkCounter_ >= kBlinks) {
        finishBlink();  // the sixth tick: the group stays
        return;
    }
    for (const int element : group) {
        const bool shown = element == kDiagramBackArrow ? view_.backVisible : visible(element);
        setVisible(element, !shown);
    }
    ++blinkCounter_;
}

void LomceDiagram::BitFleDeClick() {
    if (step_ < kLastStep) ++step_;
    if (!view_.labelFleVisible) {
        view_.labelFleVisible = true;
        touch(DiagramChanges::Visibility);
    }
    enableArrows();
    showStep(step_);
}

void LomceDiagram::BitFleIzClick() {
    if (step_ > 0) --step_;
    enableArrows();
    showStep(step_);
}

void LomceDiagram::ElementClick(int element) {
    const std::span<const DiagramElement> elements = DiagramElements();
    if (element < 0 || At(element) >= elements.size()) return;
    const DiagramElement& e = elements[At(element)];
    if (e.kind != DiagramKind::Button) return;
    const KeyedLines& lines = e.panel.subjects ? enlace_.materias : enlace_.informa;
    view_.panel.clear();
    if (e.panel.subjects)
        view_.panel.push_back(Row(" " + enlace_.informa.positional(kSubjectsHeadingLine)));
    for (const std::string& line : lines.linesForKey(e.panel.key)) view_.panel.push_back(Row(line));
    if (e.panel.secondKey != 0) {
        view_.panel.push_back(Row(""));
        for (const std::string& line : lines.linesForKey(e.panel.secondKey))
            view_.panel.push_back(Row(line));
    }
    touch(DiagramChanges::Panel);
    view_.panelVisible = true;
    changes_.panelTransition = true;
}

void LomceDiagram::BotCerrarClick() {
    view_.panelVisible = false;
    changes_.panelTransition = false;
    // The whole diagram and its explanation; the arrows go on from the step the student is at.
    finishBlink();
    explain(kLastStep);
    showEverything();
}

}  // namespace velmora
