#pragma once

#include <QFrame>
#include <array>
#include <functional>
#include <string_view>

#include "core/university/degree_diagram.h"

class QLabel;
class QPushButton;
class QTimer;
class QToolButton;

namespace velmora {

// PanelGradosT: the diagram of the structure of degrees over the whole window, on a gradient
// from white to navy. It paints the boxes and arrows of the model, holds the labels, the white
// covers and the sentence, and runs the two timers while the model says they run.
class DegreeDiagramPanel final : public QFrame {
  public:
    struct Handlers {
        std::function<void()> grado, frase, forward, finish;
    };

    DegreeDiagramPanel(QWidget* parent, Handlers handlers);

    // Shows what the model holds and starts or stops the timers to match; no timer runs while
    // the panel is not `shown`.
    void apply(const DegreeDiagram& diagram, bool shown);

    QLabel* label(std::string_view name) const;

    std::array<QFrame*, DegreeDiagram::kCovers> covers{};
    QWidget* sentenceClip;  // LabelGTexto shows as far as this is wide
    QLabel* LabelGTexto;
    QToolButton* BotAvanza;
    QPushButton* BotAcabarG;
    QTimer* Timergrado;
    QTimer* Timerfrase;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<QLabel*> labels_;
};

}  // namespace velmora
