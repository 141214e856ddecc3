#pragma once

#include <QFrame>
#include <array>

class QLabel;
class QTimer;

namespace velmora {

class HelpPanel;

// The help panel of the questionnaire screens (`HelpPanel`, known as `payuda`): eight labels
// `LabelAyu1`..`LabelAyu8` and the girl `chica`, typed by a 200 ms timer that ticks the model.
class HelpPanelView : public QFrame {
    Q_OBJECT
  public:
    HelpPanelView(HelpPanel& model, QWidget* parent);

    // Shows what the model holds now and runs the timer while the model types.
    void refresh();
    // Types the rest of the set at once; a click on the panel does it.
    void finishTyping();

    std::array<QLabel*, 8> labels{};
    QLabel* chica = nullptr;
    QTimer* timer = nullptr;

  Q_SIGNALS:
    // The girl has told every line.
    void finished();

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    HelpPanel& model_;
};

}  // namespace velmora
