#include "ui/shared/hand_over.h"

#include <QWidget>

#include "ui/shared/qt_display.h"

namespace velmora {

void ShowInFront(QWidget* screen) {
    if (!screen) return;
    if (screen->isHidden()) CentreOnScreen(screen);
    screen->show();
    screen->raise();
    screen->activateWindow();
}

void HandOver(QWidget* from, std::string_view to, const ScreenFinder& find) {
    QWidget* next = find ? find(to) : nullptr;
    if (!next && find) next = find("Tform0");
    if (next == from) return;
    from->hide();
    ShowInFront(next);
}

}  // namespace velmora
