#include "core/printing/draw_ops.h"

#include <ostream>

namespace velmora {

std::ostream& operator<<(std::ostream& out, const PrintFont& font) {
    return out << font.family.toStdString() << ' ' << font.size << (font.bold ? " bold" : "");
}

std::ostream& operator<<(std::ostream& out, const DeviceRect& rect) {
    return out << '(' << rect.left << ", " << rect.top << ")-(" << rect.right << ", "
               << rect.bottom << ')';
}

std::ostream& operator<<(std::ostream& out, const TextOp& op) {
    return out << "text \"" << op.text.toStdString() << "\" at (" << op.x << ", " << op.y
               << ") in " << op.font;
}

std::ostream& operator<<(std::ostream& out, const RectOp& op) { return out << "rect " << op.rect; }

std::ostream& operator<<(std::ostream& out, const EllipseOp& op) {
    return out << "ellipse " << op.rect;
}

std::ostream& operator<<(std::ostream& out, const PictureOp& op) {
    return out << "picture " << op.name.toStdString() << " in " << op.rect;
}

std::ostream& operator<<(std::ostream& out, const DrawOp& op) {
    std::visit([&out](const auto& o) { out << o; }, op);
    return out;
}

}  // namespace velmora
