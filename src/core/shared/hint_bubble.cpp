#include "core/shared/hint_bubble.h"

namespace velmora {

HintBubble BubbleFor(QSize textSize) {
    HintBubble b;
    b.window = QSize(textSize.width() + 10, textSize.height() + 30);
    const int w = b.window.width();
    const int h = b.window.height();
    b.body = QRect(QPoint(0, HintBubble::kPointerHeight), QPoint(w - 1, h - 1));
    b.pointer = {QPoint(18, 20), QPoint(23, 0), QPoint(33, 20)};
    // The client area inset by 5, its top moved down by 22 more.
    b.textArea = QRect(QPoint(5, 5 + 22), QPoint(w - 1 - 5, h - 1 - 5));
    return b;
}

}  // namespace velmora
