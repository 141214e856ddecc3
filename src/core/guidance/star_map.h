#pragma once

#include <QPoint>
#include <QString>
#include <functional>

#include "core/shared/region_maps.h"

namespace velmora {

class Enlace;

// What the star map asks of the screen it accompanies (the degrees screen).
class StarMapHost {
public:
    virtual ~StarMapHost() = default;
    virtual bool starMapDoublesMode() const = 0;
    // The grid row of community c's heading in the where-to-study view; 0 when c has none.
    virtual int starMapFirstRow(int community) const = 0;
    // Scroll GridNotas so that `row` is its top row.
    virtual void starMapScrollTo(int row) = 0;
    // A click on community c in the double-degrees view.
    virtual void starMapDoublesCommunity(int community) = 0;
};

// What TForm7 shows.
struct StarMapView {
    bool visible = false;
    bool timerRunning = false;  // TimerEstrellas
    bool panelVisible = false;  // PanelMapa
    QPoint panelAt;             // in the window's client area
    QString panelText;
    int clickedCommunity = 0;   // the community last clicked, 0 before any
};

// The model of TForm7: the small window with the communities map and its pulsing stars, shown
// beside the degrees screen while it lists where a degree is offered.
class StarMap {
public:
    static constexpr int kTop = 0;
    static constexpr int kWidth = RegionMaps::kWidth;                 // 281
    static constexpr int kHeight = RegionMaps::kCommunityHeight + 10;  // 206
    static constexpr int kLeft = 1024 - RegionMaps::kWidth / 2;       // 884
    static constexpr int kPanelWidth = 115;
    static constexpr int kTimerInterval = 200;  // ms
    static constexpr const char* kTitle = " ";

    explicit StarMap(Enlace& enlace);

    // The screen it serves; set once when both exist (the star map is created first).
    void attach(StarMapHost* host) { host_ = host; }

    const StarMapView& view() const { return view_; }

    // Called after every change of the view (show, hide, pointer move, click).
    void setOnChange(std::function<void()> listener) { onChange_ = std::move(listener); }

    // True once after a show: the widget draws the clean map bitmap again (markers gone).
    bool takeRedrawRequest();

    // Shown by the degrees screen: the map redrawn, TimerEstrellas started.
    void show();
    // Hidden by the degrees screen: the timer stopped.
    void hide();

    // TimerEstrellasTimer: the next step of the shared marker animation, to draw over the map
    // with RegionMapView::drawMarkerStep. Draws for the communities whose marker flag is set.
    MarkerStep tick();

    // Pointer at (x, y) of MapaEstrellas, pixel coordinates from 1. Outside 1..281 x 1..196 it
    // changes nothing.
    void MapaEstrellasMouseMove(int x, int y);
    // A click: acts on the region the last pointer move on any map left under the cursor.
    void MapaEstrellasClick();

    // The name of community c (1..19) from "comunida", column 3 on, right blanks removed.
    QString communityName(int community) const;

private:
    void notify();

    Enlace& enlace_;
    StarMapHost* host_ = nullptr;
    StarMapView view_;
    bool redraw_ = false;
    std::function<void()> onChange_;
};

}  // namespace velmora
