#include "ui/shared/roll_transition.h"

#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QRegion>
#include <QVariantAnimation>
#include <QWidget>
#include <cmath>

namespace velmora {
namespace {

int gDuration = 300;

const char* const kAnimationName = "velmoraRoll";

// The part of the widget shown at `step` of `full` steps.
QRegion Shown(const QWidget* widget, RollTransition::Shape shape, int step, int full) {
    if (shape == RollTransition::Shape::Roll) return QRegion(0, 0, widget->width(), step);
    const int radius = full <= 0 ? 0 : step;
    const QPoint centre = widget->rect().center();
    return QRegion(centre.x() - radius, centre.y() - radius, 2 * radius + 1, 2 * radius + 1,
                   QRegion::Ellipse);
}

void Run(QWidget* widget, bool opening, RollTransition::Shape shape, int milliseconds,
         std::function<void()> done) {
    // A transition still running on this widget gives way to the new one.
    if (auto* running = widget->findChild<QVariantAnimation*>(QString::fromLatin1(kAnimationName),
                                                              Qt::FindDirectChildrenOnly)) {
        QObject::disconnect(running, nullptr, nullptr, nullptr);
        delete running;
    }
    if (gDuration <= 0 || milliseconds <= 0) {
        widget->clearMask();
        widget->setVisible(opening);
        if (done) done();
        return;
    }
    // A radial reveal grows to the half diagonal, so that the last corner is shown too.
    const int full =
        shape == RollTransition::Shape::Roll
            ? widget->height()
            : static_cast<int>(std::ceil(std::hypot(widget->width(), widget->height()) / 2));
    auto* animation = new QVariantAnimation(widget);
    animation->setObjectName(QString::fromLatin1(kAnimationName));
    animation->setDuration(milliseconds);
    animation->setStartValue(opening ? 1 : full);
    animation->setEndValue(opening ? full : 1);
    QPointer<QWidget> target(widget);
    QObject::connect(animation, &QVariantAnimation::valueChanged, widget,
                     [target, shape, full](const QVariant& value) {
                         if (!target) return;
                         target->setMask(Shown(target, shape, value.toInt(), full));
                         // The children's contents may have changed while hidden: the newly
                         // shown band is painted again, children included.
                         target->update();
                     });
    QObject::connect(animation, &QVariantAnimation::finished, widget,
                     [target, opening, done = std::move(done)] {
                         if (!target) return;
                         target->clearMask();
                         // Repainting the panel alone leaves some children (the item views'
                         // viewports) with what they showed before the roll: every one is
                         // painted again.
                         target->update();
                         for (QWidget* child : target->findChildren<QWidget*>()) child->update();
                         if (!opening) target->hide();
                         if (done) done();
                     });
    if (opening) {
        widget->setMask(Shown(widget, shape, 1, full));
        widget->show();
        widget->raise();
    }
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

}  // namespace

void RollTransition::SetDuration(int milliseconds) {
    gDuration = milliseconds;
}
int RollTransition::Duration() {
    return gDuration;
}

void RollTransition::Open(QWidget* widget) {
    Run(widget, true, Shape::Roll, gDuration, {});
}

void RollTransition::Close(QWidget* widget, std::function<void()> done) {
    Close(widget, Shape::Roll, gDuration, std::move(done));
}

void RollTransition::Open(QWidget* widget, Shape shape, int milliseconds) {
    Run(widget, true, shape, milliseconds, {});
}

void RollTransition::Close(QWidget* widget, Shape shape, int milliseconds,
                           std::function<void()> done) {
    if (widget->isHidden()) {
        if (done) done();
        return;
    }
    Run(widget, false, shape, milliseconds, std::move(done));
}

void RollTransition::Refill(QWidget* panel, const QPixmap& leaving, Shape shape, int milliseconds,
                            std::function<bool()> stillWanted) {
    if (leaving.isNull()) {
        panel->hide();
        Open(panel, shape, milliseconds);
        return;
    }
    // The old contents roll away over the new ones, then the new ones roll in.
    auto* old = new QLabel(panel->parentWidget());
    old->setPixmap(leaving);
    old->setGeometry(panel->geometry());
    old->show();
    old->raise();
    panel->hide();
    QPointer<QWidget> target(panel);
    Close(old, shape, milliseconds,
          [target, old, shape, milliseconds, stillWanted = std::move(stillWanted)] {
              old->deleteLater();
              if (target && (!stillWanted || stillWanted())) Open(target, shape, milliseconds);
          });
}

void PlayPanelEffect(QWidget* panel, PanelEffectKind kind, int milliseconds) {
    if (!panel) return;
    const int ms = RollTransition::Duration() > 0 ? milliseconds : 0;
    const auto shape = RollTransition::Shape::Roll;
    switch (kind) {
        case PanelEffectKind::Open:
            RollTransition::Open(panel, shape, ms);
            break;
        case PanelEffectKind::Close:
            RollTransition::Close(panel, shape, ms);
            break;
        case PanelEffectKind::CloseThenOpen:
            RollTransition::Close(panel, shape, ms / 2, [panel, shape, ms] {
                RollTransition::Open(panel, shape, ms / 2);
            });
            break;
    }
}

}  // namespace velmora
