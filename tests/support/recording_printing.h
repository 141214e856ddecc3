#pragma once

#include <vector>

#include "core/printing/printing.h"
#include "core/printing/report_layout.h"
#include "core/printing/text_measurer.h"

namespace velmora::testing {

// Widths that depend only on the characters, the size, the family and the weight, so a test can
// work out every position by hand: per character and point, "Courier New" takes 6 device pixels,
// any other family 5, and bold one more.
class FakeTextMeasurer final : public TextMeasurer {
public:
    int TextWidth(const QString& text, const PrintFont& font) override {
        const int perPoint = (font.family == QStringLiteral("Courier New") ? 6 : 5) + font.bold;
        return static_cast<int>(text.size()) * font.size * perPoint;
    }
};

// A US Letter page at 600 dpi with quarter-inch margins: 8 x 10.5 inches printable in portrait.
inline PageMetrics LetterMetrics(Orientation orientation) {
    if (orientation == Orientation::Landscape) return {6300, 4800, 600, 600};
    return {4800, 6300, 600, 600};
}

// Records every report instead of printing it and answers as the user would: printed, or
// cancelled when `answer` is false.
class RecordingPrinting final : public Printing {
public:
    bool Print(const Report& report) override {
        reports.push_back(report);
        return answer;
    }

    // The last report laid out on a Letter page with the fake measurer.
    PrintedDocument LastDocument() const {
        FakeTextMeasurer measurer;
        const Report& report = reports.back();
        return LayOutReport(report, LetterMetrics(report.orientation()), measurer);
    }

    std::vector<Report> reports;
    bool answer = true;
};

}  // namespace velmora::testing
