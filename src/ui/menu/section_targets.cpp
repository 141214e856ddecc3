#include "ui/menu/section_targets.h"

#include <QMetaObject>
#include <QTimer>
#include <QWidget>
#include <string>

#include "core/menu/doors.h"

namespace velmora {
namespace {

QString NameOf(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

void PrepareSection(QWidget* screen, const SectionTarget& target, bool intermediateFirstOpening) {
    using K = TargetStep::Kind;
    for (const TargetStep& step : target.steps) {
        const QString name = NameOf(step.control);
        switch (step.kind) {
            case K::Show:
            case K::Hide:
                if (auto* control = screen->findChild<QWidget*>(name))
                    control->setVisible(step.kind == K::Show);
                break;
            case K::FillScreen:
                if (auto* control = screen->findChild<QWidget*>(name))
                    control->setGeometry(0, 0, 1024, 768);
                break;
            case K::RunHandler:
                QMetaObject::invokeMethod(screen, std::string(step.control).c_str(),
                                          Qt::DirectConnection);
                break;
            case K::StartTimerOnFirstOpening:
                if (auto* timer = screen->findChild<QTimer*>(name)) {
                    if (intermediateFirstOpening) {
                        timer->start();
                    } else {
                        timer->stop();
                    }
                }
                break;
            case K::OpenedFromMenu:
                QMetaObject::invokeMethod(screen, "openedFromMenu", Qt::DirectConnection);
                break;
        }
    }
}

}  // namespace velmora
