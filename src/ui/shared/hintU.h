#pragma once

#include <QPainterPath>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "core/shared/hint_bubble.h"

namespace velmora {

// The speech-bubble hint window of the whole program: a rounded box below a pointer at its top
// left, outlined twice, with the hint's text word-wrapped inside.
class TMonHint final : public QWidget {
    Q_OBJECT

  public:
    explicit TMonHint(HintPause& pause);

    // Shows `text` with the pointer's tip at `tip` (global coordinates).
    void showText(const QPoint& tip, const QString& text);

    const HintBubble& bubble() const { return bubble_; }
    const QString& text() const { return text_; }

    // The bubble's outline as a painter path in window coordinates.
    static QPainterPath Shape(const HintBubble& bubble);

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    HintPause& pause_;
    HintBubble bubble_;
    QString text_;
    bool shaped_ = false;
};

// Shows every control's hint (its tool tip text) in the bubble after the program's hint delay,
// instead of the toolkit's own tool tips. One is installed on the application at start-up.
class HintInstaller final : public QObject {
    Q_OBJECT

  public:
    explicit HintInstaller(HintPause& pause, QObject* parent = nullptr);
    ~HintInstaller() override;

    // Hides the bubble; the pointer's next rest shows the hint again (a screen whose hint
    // changes with the row under the pointer calls it).
    void cancel();

    TMonHint& window() { return *window_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showNow();

    HintPause& pause_;
    std::unique_ptr<TMonHint> window_;
    QPointer<QWidget> target_;
    QTimer wait_;
    QTimer hide_;
};

}  // namespace velmora
