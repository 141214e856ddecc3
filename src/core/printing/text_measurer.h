#pragma once

#include <QString>

#include "core/printing/draw_ops.h"

namespace velmora {

// Measures text as the printer in use will draw it. The ui measures with the printer's own font
// metrics; tests use a deterministic fake.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;

    // Width of `text` in `font`, in device pixels of the printer.
    virtual int TextWidth(const QString& text, const PrintFont& font) = 0;
};

}  // namespace velmora
