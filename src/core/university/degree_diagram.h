#pragma once

#include <QRect>
#include <QString>
#include <array>
#include <span>
#include <string_view>

namespace velmora {

class InterfaceTexts;

// The parts of the diagram of the structure of university studies, in PanelGradosT (which fills
// the window). The boxes and arrows are painted by the widget from DiagramShapes(); the labels
// carry interface texts; seven white covers hide what the steps reveal.
struct DegreeDiagramLabel {
    std::string_view name;
    QRect rect;
    int points;
    bool bold;
};

// A box (filled, with a border) or an arrow from `from` to `to`.
struct DegreeDiagramShape {
    enum class Kind { Board, Box, Arrow, YearMark };
    Kind kind;
    QRect rect;  // boxes; arrows: the line from rect.topLeft() to rect.bottomRight()
};

// The diagram of how university studies are organised: access, Grado, the world of work,
// Máster and the doctorate, uncovered one part per step while a sentence under the diagram
// explains it. Two 10 ms timers run it: one moves the step's cover away, the other then
// unrolls the step's sentence. The widget owns the timers and asks this model whether each
// runs.
class DegreeDiagram {
  public:
    static constexpr int kTickMs = 10;
    static constexpr int kLastStep = 9;
    static constexpr int kCovers = 7;
    static constexpr int kSentenceStep = 2;     // pixels the sentence widens per tick
    static constexpr int kSentenceWidth = 600;  // it stops once wider than this
    static constexpr QRect kPanel{0, 0, 1024, 768};
    static constexpr QRect kLabelGTexto{210, 604, 604, 64};  // the sentence, at most 602 wide
    static constexpr QRect kBotAvanza{784, 692, 84, 40};
    static constexpr QRect kBotAcabarG{884, 692, 110, 40};

    // The fifteen labels LabelG0..LabelG12, LabelGT, with their places.
    static std::span<const DegreeDiagramLabel> Labels();
    static std::span<const DegreeDiagramShape> Shapes();
    // PanelMueve1, panelmueve2, Panelmueve3..7 at their design places.
    static std::span<const QRect, kCovers> DesignCovers();

    // botinfo1: captions from the texts, every cover in place, step 0 and the step timer on.
    void Start(const InterfaceTexts& texts);
    void TimergradoTimer();
    void TimerfraseTimer();
    void BotAvanzaClick();
    // BotAcabarG: both timers stop; the forward button is enabled for the next time.
    void BotAcabarGClick();

    int step() const { return step_; }
    const std::array<QRect, kCovers>& covers() const { return covers_; }
    QString caption(std::string_view label) const;
    const QString& sentence() const { return sentence_; }
    int sentenceWidth() const { return sentenceWidth_; }
    bool gradoRunning() const { return gradoRunning_; }
    bool fraseRunning() const { return fraseRunning_; }
    bool forwardEnabled() const { return forwardEnabled_; }
    const QString& finishCaption() const { return finish_; }

  private:
    std::array<QString, 15> captions_;
    std::array<QString, kLastStep> sentences_;  // by step 0..8
    QString finish_;
    std::array<QRect, kCovers> covers_{};
    int step_ = 0;
    QString sentence_;
    int sentenceWidth_ = 0;
    bool gradoRunning_ = false;
    bool fraseRunning_ = false;
    bool forwardEnabled_ = true;
};

}  // namespace velmora
