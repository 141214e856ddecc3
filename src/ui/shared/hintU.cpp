#include "ui/shared/hintU.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>

#include "ui/shared/look.h"

namespace velmora {
namespace {

QColor Grey(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The first widget from `w` up its parents, inside its window, that has a hint.
QWidget* WithHint(QWidget* w) {
    for (; w; w = w->parentWidget()) {
        if (!w->toolTip().isEmpty()) return w;
        if (w->isWindow()) break;
    }
    return nullptr;
}

}  // namespace

TMonHint::TMonHint(HintPause& pause)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      pause_(pause) {
    setObjectName(QStringLiteral("TMonHint"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(ArialFont(9));
}

QPainterPath TMonHint::Shape(const HintBubble& bubble) {
    QPainterPath path;
    path.addRoundedRect(
        QRectF(bubble.body.x(), bubble.body.y(), bubble.body.width(), bubble.body.height()),
        HintBubble::kCornerSize / 2.0, HintBubble::kCornerSize / 2.0);
    QPainterPath pointer;
    pointer.moveTo(bubble.pointer[0]);
    pointer.lineTo(bubble.pointer[1]);
    pointer.lineTo(bubble.pointer[2]);
    pointer.closeSubpath();
    return path.united(pointer);
}

void TMonHint::showText(const QPoint& tip, const QString& text) {
    text_ = text;
    const QRect measured = QFontMetrics(font()).boundingRect(
        QRect(0, 0, HintBubble::kMaxTextWidth, 100000), Qt::TextWordWrap, text);
    bubble_ = BubbleFor(measured.size());
    resize(bubble_.window);
    move(tip - bubble_.pointer[1]);
    shaped_ = false;
    show();
    raise();
    update();
}

void TMonHint::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The window takes the bubble's shape when it is first shown with its size.
    if (!shaped_) {
        setMask(QRegion(Shape(bubble_).toFillPolygon().toPolygon()));
        shaped_ = true;
    }
}

void TMonHint::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPainterPath shape = Shape(bubble_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillPath(shape, ToQColor(PaletteColour::LightYellow));
    // Both outlines lie inside the shape: 2 pixels of grey, the outer one of them light grey.
    p.setClipPath(shape);
    p.strokePath(shape, QPen(Grey(HintBubble::kOuterOutline), 4));
    p.strokePath(shape, QPen(Grey(HintBubble::kInnerOutline), 2));
    p.setClipping(false);
    p.fillRect(bubble_.textArea, ToQColor(PaletteColour::LightYellow));
    p.setPen(Qt::black);
    // No prefix processing: an "&" shows as it is. The last line may reach past the area.
    p.drawText(bubble_.textArea, Qt::TextWordWrap | Qt::TextDontClip, text_);
    pause_.bubblePainted();
}

HintInstaller::HintInstaller(HintPause& pause, QObject* parent)
    : QObject(parent), pause_(pause), window_(std::make_unique<TMonHint>(pause)) {
    wait_.setSingleShot(true);
    hide_.setSingleShot(true);
    connect(&wait_, &QTimer::timeout, this, &HintInstaller::showNow);
    connect(&hide_, &QTimer::timeout, this, [this] { window_->hide(); });
    qApp->installEventFilter(this);
}

HintInstaller::~HintInstaller() {
    if (qApp) qApp->removeEventFilter(this);
}

void HintInstaller::cancel() {
    wait_.stop();
    hide_.stop();
    window_->hide();
    if (target_) wait_.start(pause_.milliseconds());
}

void HintInstaller::showNow() {
    QWidget* target = target_.data();
    if (target == nullptr || !target->isVisible() || target->toolTip().isEmpty()) return;
    window_->showText(QCursor::pos() + QPoint(0, 18), target->toolTip());
    hide_.start(pause_.shownFor());  // leaving the control hides the bubble sooner
}

bool HintInstaller::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ToolTip:
            return true;  // the bubble shows hints, never the toolkit's tool tip
        case QEvent::Enter:
        case QEvent::MouseMove: {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (!widget || widget == window_.get()) break;
            QWidget* owner = WithHint(widget);
            if (owner != target_) {
                window_->hide();
                hide_.stop();
                target_ = owner;
                if (owner)
                    wait_.start(pause_.milliseconds());
                else
                    wait_.stop();
            }
            break;
        }
        case QEvent::Leave:
            if (watched == target_) {
                wait_.stop();
                hide_.stop();
                window_->hide();
                target_ = nullptr;
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::Wheel:
            wait_.stop();
            window_->hide();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace velmora
