#include "ui/menu/roll_transition.h"

#include <QPointer>
#include <QRegion>
#include <QVariantAnimation>
#include <QWidget>

namespace velmora {
namespace {

int gDuration = 300;

const char* const kAnimationName = "velmoraRoll";

void Roll(QWidget* widget, bool opening, std::function<void()> done) {
    // A roll still running on this widget gives way to the new one.
    if (auto* running = widget->findChild<QVariantAnimation*>(QString::fromLatin1(kAnimationName),
                                                              Qt::FindDirectChildrenOnly)) {
        QObject::disconnect(running, nullptr, nullptr, nullptr);
        delete running;
    }
    if (gDuration <= 0) {
        widget->clearMask();
        widget->setVisible(opening);
        if (done) done();
        return;
    }
    auto* animation = new QVariantAnimation(widget);
    animation->setObjectName(QString::fromLatin1(kAnimationName));
    animation->setDuration(gDuration);
    animation->setStartValue(opening ? 1 : widget->height());
    animation->setEndValue(opening ? widget->height() : 1);
    QPointer<QWidget> target(widget);
    QObject::connect(animation, &QVariantAnimation::valueChanged, widget,
                     [target](const QVariant& value) {
                         if (target) target->setMask(QRegion(0, 0, target->width(), value.toInt()));
                     });
    QObject::connect(animation, &QVariantAnimation::finished, widget,
                     [target, opening, done = std::move(done)] {
                         if (!target) return;
                         target->clearMask();
                         if (!opening) target->hide();
                         if (done) done();
                     });
    if (opening) {
        widget->setMask(QRegion(0, 0, widget->width(), 1));
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
    Roll(widget, true, {});
}

void RollTransition::Close(QWidget* widget, std::function<void()> done) {
    if (widget->isHidden()) {
        if (done) done();
        return;
    }
    Roll(widget, false, std::move(done));
}

}  // namespace velmora
