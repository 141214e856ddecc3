#include "core/shared/region_maps.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <utility>

#include "core/shared/messages.h"

namespace velmora {
namespace {

constexpr MarkerPoint kMarkerPoints[RegionMaps::kCommunities] = {
    {102, 141}, {156, 73},  {82, 41},  {221, 100}, {204, 162}, {111, 42}, {128, 108},
    {100, 68},  {188, 64},  {77, 111}, {58, 49},   {131, 60},  {114, 89}, {148, 133},
    {143, 52},  {160, 107}, {130, 47}, {83, 171},  {136, 174},
};

constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kWhite{255, 255, 255};

// The file's values in file order; they are stored little-endian.
using RegionValues = std::vector<std::int32_t>;

// Reads the file and checks it whole; `values` holds it when the answer is ok.
RegionFileCheck ReadRegionFile(const QString& path, RegionValues& values) {
    RegionFileCheck check;
    const QFileInfo info(path);
    if (!info.isFile()) {
        check.fault = RegionFileCheck::Fault::Missing;
        return check;
    }
    // The size is looked at before reading, so a stray large file is never read into memory.
    if (info.size() != RegionMaps::kFileSize) {
        check.fault = RegionFileCheck::Fault::WrongSize;
        check.size = info.size();
        return check;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        check.fault = RegionFileCheck::Fault::Missing;
        return check;
    }
    values.resize(static_cast<size_t>(RegionMaps::kFileSize / 4));
    const qint64 read = file.read(reinterpret_cast<char*>(values.data()), RegionMaps::kFileSize);
    if (read != RegionMaps::kFileSize || !file.atEnd()) {
        check.fault = RegionFileCheck::Fault::WrongSize;
        check.size = read;
        return check;
    }
    for (size_t i = 0; i < values.size(); ++i) {
        const std::int32_t v = qFromLittleEndian(values[i]);
        values[i] = v;
        if (v < 0 || v > 255) {
            check.fault = RegionFileCheck::Fault::ValueOutOfRange;
            check.record = static_cast<int>(i / RegionMaps::kValuesPerRecord) + 1;
            check.value = static_cast<int>(i % RegionMaps::kValuesPerRecord) + 1;
            check.found = v;
            return check;
        }
    }
    return check;
}

size_t CellIndex(RegionMap map, int x, int y) {
    return static_cast<size_t>(x - 1) * static_cast<size_t>(RegionMaps::Height(map)) +
           static_cast<size_t>(y - 1);
}

}  // namespace

QString RegionFileCheck::reason() const {
    switch (fault) {
        case Fault::None:
            return {};
        case Fault::Missing:
            return QStringLiteral("falta el fichero");
        case Fault::WrongSize:
            return QStringLiteral("tiene %1 bytes y debe tener %2")
                .arg(size)
                .arg(RegionMaps::kFileSize);
        case Fault::ValueOutOfRange:
            return QStringLiteral("el valor %1 del registro %2 es %3, fuera de 0..255")
                .arg(value)
                .arg(record)
                .arg(found);
    }
    return {};
}

RegionMaps::RegionMaps()
    : communities_(static_cast<size_t>(kWidth * kCommunityHeight)),
      c_(static_cast<size_t>(kWidth * kDivisionHeight)),
      m_(static_cast<size_t>(kWidth * kDivisionHeight)) {}

int RegionMaps::Height(RegionMap map) {
    return map == RegionMap::Communities ? kCommunityHeight : kDivisionHeight;
}

int RegionMaps::LastRegion(RegionMap map) {
    switch (map) {
        case RegionMap::Communities:
            return 19;
        case RegionMap::C:
            return 41;
        case RegionMap::M:
            return 28;
    }
    return 0;
}

std::vector<std::uint8_t>& RegionMaps::grid(RegionMap map) {
    return const_cast<std::vector<std::uint8_t>&>(std::as_const(*this).grid(map));
}

const std::vector<std::uint8_t>& RegionMaps::grid(RegionMap map) const {
    switch (map) {
        case RegionMap::C:
            return c_;
        case RegionMap::M:
            return m_;
        default:
            return communities_;
    }
}

RegionFileCheck RegionMaps::CheckRegionFile(const QString& path) {
    RegionValues values;
    return ReadRegionFile(path, values);
}

bool RegionMaps::LoadRegionGrids(const QString& path, Messages& messages, bool& stopFlag) {
    RegionValues values;
    if (!ReadRegionFile(path, values).ok()) {
        // A short, long or out-of-range file cannot fill the grids; the school gets the same
        // answer as for a missing one: reinstall.
        messages.showMessage(QStringLiteral("Faltan ficheros"));
        stopFlag = true;
        return false;
    }
    // Record x holds column x of the three grids, one after the other, in the cells' own order.
    for (int x = 1; x <= kWidth; ++x) {
        const auto* record = values.data() + static_cast<size_t>(x - 1) * kValuesPerRecord;
        std::copy(record, record + kCommunityHeight,
                  communities_.begin() +
                      static_cast<std::ptrdiff_t>(CellIndex(RegionMap::Communities, x, 1)));
        std::copy(record + kCommunityHeight, record + kCommunityHeight + kDivisionHeight,
                  c_.begin() + static_cast<std::ptrdiff_t>(CellIndex(RegionMap::C, x, 1)));
        std::copy(record + kCommunityHeight + kDivisionHeight, record + kValuesPerRecord,
                  m_.begin() + static_cast<std::ptrdiff_t>(CellIndex(RegionMap::M, x, 1)));
    }
    return true;
}

std::optional<int> RegionMaps::RegionAt(RegionMap map, int x, int y) const {
    if (x < 1 || x > kWidth || y < 1 || y > Height(map)) return std::nullopt;
    return grid(map)[CellIndex(map, x, y)];
}

std::optional<bool> RegionMaps::PointerMoved(RegionMap map, int x, int y) {
    const std::optional<int> region = RegionAt(map, x, y);
    if (!region) return std::nullopt;
    regionUnderCursor = *region;
    return InUsedRange(map, *region);
}

void RegionMaps::SetMarkerPoints() {
    for (int i = 1; i <= kCommunities; ++i) markers_[static_cast<size_t>(i)] = kMarkerPoints[i - 1];
}

std::vector<int> RegionMaps::MisplacedMarkers() const {
    std::vector<int> out;
    for (int c = 1; c <= kCommunities; ++c) {
        const MarkerPoint p = markers_[static_cast<size_t>(c)];
        if (RegionAt(RegionMap::Communities, p.x, p.y) != c ||
            RegionAt(RegionMap::Communities, p.x + 1, p.y + 1) != c)
            out.push_back(c);
    }
    return out;
}

std::set<int> RegionMaps::RegionsIn(RegionMap map) const {
    std::set<int> out;
    for (const std::uint8_t v : grid(map))
        if (InUsedRange(map, v)) out.insert(v);
    return out;
}

MarkerStep RegionMaps::NextMarkerStep() {
    ++step_;
    MarkerStep out = MarkerStepAt(step_, markerFlags);
    if (step_ >= 3) step_ = 0;
    return out;
}

MarkerStep RegionMaps::MarkerStepAt(int size, const std::array<bool, kCommunities + 1>& flags) const {
    MarkerStep out;
    out.size = size;
    for (int i = 1; i <= kCommunities; ++i) {
        if (!flags[static_cast<size_t>(i)]) continue;
        const MarkerPoint p = markers_[static_cast<size_t>(i)];
        out.ellipses.push_back({p.x - size, p.y - size, p.x + size, p.y + size});
    }
    out.nextPen = kWhite;
    switch (size) {
        case 1:
            out.nextBrush = kYellow;
            break;
        case 2:
            out.nextBrush = ColourOf(PaletteColour::Navy);
            break;
        default:
            out.nextBrush = ColourOf(PaletteColour::Maroon);
            break;
    }
    return out;
}

}  // namespace velmora
