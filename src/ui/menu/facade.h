#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <functional>

#include "core/menu/main_menu.h"

namespace velmora {

// `mosaico`: the front of the building, the "parte" picture repeated from (0, 0), with the
// door that grows over it during a door sequence.
class Facade : public QWidget {
    Q_OBJECT
public:
    explicit Facade(QWidget* parent = nullptr);

    void setTiles(const QImage& parte);
    // The growing door and the figure over it; nothing when the zoom is not active.
    void setZoom(const ZoomView& zoom, const QImage& figure);
    void onPointerMove(std::function<void()> handler) { pointerMoved_ = std::move(handler); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage parte_;
    // The front is painted tile by tile: a composed full-window copy would cost 3 MB.
    QPixmap tile_;
    ZoomView zoom_;
    QImage figure_;
    std::function<void()> pointerMoved_;
};

}  // namespace velmora
