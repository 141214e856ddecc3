#include "ui/shared/bar_chart_view.h"

#include <QPainter>

#include "ui/shared/look.h"
#include "ui/shared/picture_lists.h"

namespace velmora {

BarChartView::BarChartView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void BarChartView::setPicture(const ChartPicture& picture) {
    if (picture == picture_) return;
    picture_ = picture;
    update();
}

void BarChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(picture_.background));
    p.setPen(Qt::black);
    for (const ChartBox& box : picture_.boxes) {
        // The right and bottom edges lie outside the box, as its frame's.
        const QRect area(QPoint(box.left, box.top), QPoint(box.right - 1, box.bottom - 1));
        if (area.width() <= 0) continue;
        p.setBrush(ToQColor(box.fill));
        p.drawRect(area.adjusted(0, 0, -1, -1));
    }
    for (const ChartLine& line : picture_.lines) p.drawLine(line.x1, line.y, line.x2, line.y);

    const PictureList& icons =
        picture_.icons == ChartIcons::Branches ? ImageListRamas() : ImageListIconos();
    p.setFont(ArialFont(picture_.fontPoints, true));
    const QFontMetrics metrics = p.fontMetrics();
    for (const ChartText& text : picture_.texts) {
        const int left = text.alignRight ? text.x - metrics.horizontalAdvance(text.text) : text.x;
        if (text.icon >= 0) icons.draw(p, QPoint(left, text.top) + text.iconOffset, text.icon);
        p.setPen(ToQColor(text.colour));
        p.drawText(left, text.top + metrics.ascent(), text.text);
    }
}

}  // namespace velmora
