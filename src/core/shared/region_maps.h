#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <vector>

#include "core/shared/palette.h"

namespace velmora {

class Messages;

// The three maps of Spain that share one region file: the communities and the two finer
// divisions of vocational training.
enum class RegionMap { Communities, C, M };

// What "puntos3" holds and why it was refused.
struct RegionFileCheck {
    enum class Fault { None, Missing, WrongSize, ValueOutOfRange };
    Fault fault = Fault::None;
    qint64 size = 0;  // bytes found (WrongSize)
    int record = 0;   // x of the first bad value, from 1 (ValueOutOfRange)
    int value = 0;    // position of the bad value in its record, from 1
    std::int32_t found = 0;

    bool ok() const { return fault == Fault::None; }
    QString reason() const;  // for the data checker
};

struct MarkerPoint {
    int x;
    int y;
};

// One step of the pulsing community markers: draw an ellipse in each rectangle with the canvas's
// current pen and brush, then set them to `nextPen` and `nextBrush` for the following step.
struct MarkerStep {
    struct Ellipse {
        int left, top, right, bottom;
    };
    int size = 0;
    std::vector<Ellipse> ellipses;
    Rgb nextPen;
    Rgb nextBrush;
};

// The region grids of the three maps, the region under the cursor, the community markers and
// the step counter of their animation, all shared by every screen that shows a map.
class RegionMaps {
  public:
    static constexpr int kWidth = 281;
    static constexpr int kCommunityHeight = 196;
    static constexpr int kDivisionHeight = 220;
    static constexpr int kValuesPerRecord = kCommunityHeight + 2 * kDivisionHeight;  // 636
    static constexpr qint64 kFileSize = qint64{kWidth} * kValuesPerRecord * 4;       // 714864
    static constexpr int kCommunities = 19;

    RegionMaps();

    // Cell height and the last region number a map uses (regions run from 1).
    static int Height(RegionMap map);
    static int LastRegion(RegionMap map);
    static bool InUsedRange(RegionMap map, int region) {
        return region >= 1 && region <= LastRegion(map);
    }

    // Reads "puntos3" and checks every value without storing anything.
    static RegionFileCheck CheckRegionFile(const QString& path);

    // LoadRegionGrids: fills the three grids from "puntos3". A missing file, one of the wrong
    // size or one with a value outside 0..255 is refused alike: "Faltan ficheros", the stop
    // flag, and the grids stay as they were.
    bool LoadRegionGrids(const QString& path, Messages& messages, bool& stopFlag);

    // RegionAt: the number in cell (x, y), or nothing when x or y lies outside the map's range
    // (1..281 and 1..196 or 1..220). A number outside the used range means no region.
    std::optional<int> RegionAt(RegionMap map, int x, int y) const;

    // A pointer move at (x, y) of a map's picture. Outside the map it changes nothing and gives
    // nothing; inside, the cell becomes the region under the cursor, and the answer says whether
    // it names a region (name panel and pointing hand) or not (panel emptied, arrow).
    std::optional<bool> PointerMoved(RegionMap map, int x, int y);

    // Read by the click handlers: a click acts on the region the last pointer move left.
    int regionUnderCursor = 1;

    // The community marker points, set at start-up.
    void SetMarkerPoints();
    MarkerPoint markerPoint(int community) const { return markers_.at(community); }

    // Marker flags, index 1..19; set by the screens that want a community highlighted.
    std::array<bool, kCommunities + 1> markerFlags{};

    // For the data checker: the communities whose marker point (and the pixel the marker is drawn
    // round, cell (x + 1, y + 1)) does not lie in the community, and the region numbers of the
    // map's used range that a grid holds.
    std::vector<int> MisplacedMarkers() const;
    std::set<int> RegionsIn(RegionMap map) const;

    // TimerEstrellasTimer: advances the step counter shared by every screen and says what to
    // draw on the communities map.
    MarkerStep NextMarkerStep();
    // The step of size 1..3 for the communities whose flag is set: the screens whose markers
    // pulse with counters and flags of their own draw these.
    MarkerStep MarkerStepAt(int size, const std::array<bool, kCommunities + 1>& flags) const;
    int markerStepCounter() const { return step_; }

  private:
    std::vector<std::uint8_t>& grid(RegionMap map);
    const std::vector<std::uint8_t>& grid(RegionMap map) const;

    std::vector<std::uint8_t> communities_;
    std::vector<std::uint8_t> c_;
    std::vector<std::uint8_t> m_;
    std::array<MarkerPoint, kCommunities + 1> markers_{};
    int step_ = 0;
};

}  // namespace velmora
