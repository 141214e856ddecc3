#pragma once

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "core/shared/region_maps.h"

namespace velmora {

// A map of Spain on a screen (`mapa`, `mapac` or `mapam`): shows the map's picture, hands
// every pointer move to the shared hit test, shows the region's name in the floating panel and
// draws the pulsing community markers over the picture.
//
// Pixel column c and row r of the picture are cell (c + 1, r + 1) of the region grid, so the
// pointer move over a pixel asks the grid for that very pixel: what the student sees and what
// the hit test answers agree pixel for pixel.
class RegionMapView final : public QWidget {
    Q_OBJECT

  public:
    RegionMapView(RegionMaps& maps, RegionMap which, QWidget* parent = nullptr);

    // The map's picture, from the shared pictures; the view keeps a copy to draw markers on.
    void setPicture(const QImage& picture);
    // Draws the picture again without markers.
    void redrawClean();
    const QImage& image() const { return image_; }

    // The floating name panel (`PanelMapa`): a label in `host`, placed at (x, y + offsetY) of the
    // pointer in the view, `width` pixels wide (115; 250 on the Madrid map). Names come from
    // `name(region)` for a region in the map's used range.
    void setNamePanel(QWidget* host, int offsetY, int width, std::function<QString(int)> name);
    QLabel* namePanel() const { return panel_; }

    // Whether the pointer becomes the hand over a region and the arrow elsewhere (the default),
    // or keeps the cursor the screen gave the map.
    void setCursorFollowsRegions(bool follows) { cursorFollowsRegions_ = follows; }

    // One step of the community markers: the ellipses with the current pen and brush, then the
    // pen and brush for the next step.
    void drawMarkerStep(const MarkerStep& step);
    // TimerEstrellasTimer: the next step of the shared counter, drawn.
    void stepMarkers() { drawMarkerStep(maps_.NextMarkerStep()); }

  Q_SIGNALS:
    // A click; the region is the one the last pointer move left under the cursor.
    void clicked(int region);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    RegionMaps& maps_;
    RegionMap which_;
    QImage clean_;
    QImage image_;
    QColor pen_ = Qt::black;
    QColor brush_ = Qt::white;
    QPointer<QLabel> panel_;
    int panelOffset_ = 0;
    std::function<QString(int)> name_;
    bool cursorFollowsRegions_ = true;
};

}  // namespace velmora
