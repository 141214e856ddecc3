#include "core/guidance/star_map.h"

#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/university/where_to_study.h"

namespace velmora {

StarMap::StarMap(Enlace& enlace) : enlace_(enlace) {}

bool StarMap::takeRedrawRequest() {
    const bool redraw = redraw_;
    redraw_ = false;
    return redraw;
}

void StarMap::show() {
    view_.visible = true;
    view_.timerRunning = true;
    redraw_ = true;
    notify();
}

void StarMap::hide() {
    if (!view_.visible && !view_.timerRunning) return;
    view_.visible = false;
    view_.timerRunning = false;
    notify();
}

MarkerStep StarMap::tick() { return enlace_.regionMaps.NextMarkerStep(); }

void StarMap::MapaEstrellasMouseMove(int x, int y) {
    const std::optional<bool> named =
        enlace_.regionMaps.PointerMoved(RegionMap::Communities, x, y);
    if (!named) return;
    view_.panelVisible = true;
    view_.panelAt = QPoint(x, y);
    view_.panelText = *named ? communityName(enlace_.regionMaps.regionUnderCursor) : QString();
    notify();
}

void StarMap::MapaEstrellasClick() {
    const int c = enlace_.regionMaps.regionUnderCursor;
    if (c < 1 || c > RegionMaps::kCommunities) return;
    view_.clickedCommunity = c;
    if (host_) {
        if (!host_->starMapDoublesMode()) {
            const int row = host_->starMapFirstRow(c);
            if (row > 0) host_->starMapScrollTo(row);
        } else {
            host_->starMapDoublesCommunity(c);
        }
    }
    notify();
}

QString StarMap::communityName(int community) const {
    return cp1252::Decode(CommunityName(enlace_.degreeTables, community));
}

void StarMap::notify() {
    if (onChange_) onChange_();
}

}  // namespace velmora
