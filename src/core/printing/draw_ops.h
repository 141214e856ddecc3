#pragma once

#include <QString>
#include <iosfwd>
#include <variant>
#include <vector>

namespace velmora {

// What the printer reports for its current page: the printable area in device pixels and the
// resolution in pixels per inch. Positions count from the printable area's top-left corner.
struct PageMetrics {
    int width = 0;
    int height = 0;
    int resolutionX = 0;
    int resolutionY = 0;
    bool operator==(const PageMetrics&) const = default;
};

enum class Orientation { Portrait, Landscape };

// A font as the reports name it: family, size in points, bold or normal.
struct PrintFont {
    QString family;
    int size = 10;
    bool bold = false;
    bool operator==(const PrintFont&) const = default;
};

// Two device corners; right and bottom lie just outside the area, as in a device rectangle.
struct DeviceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const DeviceRect&) const = default;
};

// Text whose top-left corner is at (x, y): y is the top of the text, not its baseline.
struct TextOp {
    int x = 0;
    int y = 0;
    QString text;
    PrintFont font;
    bool operator==(const TextOp&) const = default;
};

// Outlined with a one-pixel black pen and filled white, as a fresh printer canvas draws.
struct RectOp {
    DeviceRect rect;
    bool operator==(const RectOp&) const = default;
};

struct EllipseOp {
    DeviceRect rect;
    bool operator==(const EllipseOp&) const = default;
};

// The whole picture, found by its file name in the data folder, stretched into the rectangle.
struct PictureOp {
    DeviceRect rect;
    QString name;
    bool operator==(const PictureOp&) const = default;
};

using DrawOp = std::variant<TextOp, RectOp, EllipseOp, PictureOp>;
using PrintedPage = std::vector<DrawOp>;

// One printer document, page by page, for the metrics it was laid out on.
struct PrintedDocument {
    QString name;
    Orientation orientation = Orientation::Portrait;
    PageMetrics metrics;
    std::vector<PrintedPage> pages;
};

// Readable test failures.
std::ostream& operator<<(std::ostream& out, const PrintFont& font);
std::ostream& operator<<(std::ostream& out, const DeviceRect& rect);
std::ostream& operator<<(std::ostream& out, const TextOp& op);
std::ostream& operator<<(std::ostream& out, const RectOp& op);
std::ostream& operator<<(std::ostream& out, const EllipseOp& op);
std::ostream& operator<<(std::ostream& out, const PictureOp& op);
std::ostream& operator<<(std::ostream& out, const DrawOp& op);

}  // namespace velmora
