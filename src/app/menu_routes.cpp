#include "app/menu_routes.h"

#include <QWidget>

#include "app/screens.h"
#include "core/menu/doors.h"
#include "core/shared/enlace.h"
#include "ui/menu/section_targets.h"
#include "ui/shared/hand_over.h"

namespace velmora {

bool MenuRoutes::openSection(const SectionTarget& target) {
    QWidget* screen = context_ ? context_->screen(target.screen) : nullptr;
    if (!screen) return false;  // a section this build does not have yet: the menu stays
    PrepareSection(screen, target, context_->enlace.intermediateFirstOpening);
    ShowInFront(screen);
    return true;
}

bool MenuRoutes::returnToScene() {
    QWidget* scene = context_ ? context_->screen("Tform9") : nullptr;
    if (!scene) return false;
    scene->show();
    scene->raise();
    scene->activateWindow();
    return true;
}

}  // namespace velmora
