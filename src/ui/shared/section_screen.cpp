#include "ui/shared/section_screen.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "core/shared/display_mode.h"
#include "ui/shared/screen_parts.h"

namespace velmora {

SectionScreen::SectionScreen(const char* className, const SharedPictures& pictures, QWidget* parent)
    : QWidget(parent), pictures_(pictures) {
    setObjectName(QString::fromLatin1(className));
    setFixedSize(kScreenMode.width, kScreenMode.height);
    move(0, 0);
    setMouseTracking(true);
}

void SectionScreen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintSectionFrame(p, pictures_);
}

void SectionScreen::mouseMoveEvent(QMouseEvent* event) {
    if (ready_ && !childAt(event->position().toPoint())) backgroundMouseMove();
    QWidget::mouseMoveEvent(event);
}


}  // namespace velmora
