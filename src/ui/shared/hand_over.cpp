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

namespace {

void ShowInPlaceOf(QWidget* window, QWidget* screen) {
    if (screen)
        window->move(screen->pos());
    else
        CentreOnScreen(window);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void FollowWindowState(QWidget* window, QWidget* screen, bool shown, bool closing,
                       bool showScreen) {
    if (shown && window->isHidden())
        ShowInPlaceOf(window, screen);
    else if (!shown && !window->isHidden() && !closing)
        window->hide();
    if (showScreen && screen) ShowInPlaceOf(screen, window);
}

void HandOver(QWidget* from, std::string_view to, const ScreenFinder& find) {
    QWidget* next = find ? find(to) : nullptr;
    if (!next && find) next = find("Tform0");
    if (next == from) return;
    from->hide();
    ShowInFront(next);
}

}  // namespace velmora
