#include "app/bare_menu.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "app/screens.h"
#include "core/shared/display_mode.h"
#include "core/shared/enlace.h"
#include "core/shared/shutdown.h"
#include "ui/shared/look.h"
#include "ui/shared/qt_display.h"

namespace velmora {

BareMenu::BareMenu(ScreenContext& context) : context_(context) {
    setObjectName(QStringLiteral("Tform0"));
    setWindowTitle(
        context.enlace.settings.schoolName.isEmpty()
            ? QStringLiteral("Velmora 2020/21")
            : QStringLiteral("Velmora 2020/21 - %1").arg(context.enlace.settings.schoolName));
    setFixedSize(kScreenMode.width, kScreenMode.height);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(PaletteColour::PaleBlue));
    setPalette(colours);
    CheckDisplayMode(false, context.enlace, context.display);
}

void BareMenu::closeEvent(QCloseEvent* event) {
    if (context_.shutdown.closeHome()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void BareMenu::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace velmora
