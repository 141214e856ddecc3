#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

#include "core/shared/palette.h"

namespace velmora {

// The horizontal bar charts of the statistics screens, as draw data: the models compute every
// row, bar, box and text in the chart's own pixels, and one widget paints them (BarChartView).

// The picture list a chart takes its icons from: the degrees screen's 40 x 40 branch icons, or
// the main menu's 30 x 30 family icons.
enum class ChartIcons { Branches, Families };

// A filled rectangle from (left, top) to (right, bottom), the right and bottom edges outside it,
// framed in black.
struct ChartBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    Rgb fill;
    friend bool operator==(const ChartBox&, const ChartBox&) = default;
};

// A line from (x1, y) to (x2, y).
struct ChartLine {
    int x1 = 0;
    int x2 = 0;
    int y = 0;
    friend bool operator==(const ChartLine&, const ChartLine&) = default;
};

// A text with its top at `top`: starting at `x`, or ending at `x` when `alignRight`. Its icon,
// when it has one, goes `iconOffset` away from the text's left end and its top.
struct ChartText {
    QString text;
    int x = 0;
    int top = 0;
    bool alignRight = false;
    Rgb colour;
    int icon = -1;
    QPoint iconOffset;
    friend bool operator==(const ChartText&, const ChartText&) = default;
};

// A whole chart: cleared with `background`, then its boxes, lines and texts in that order, in
// Arial of `fontPoints` points, bold.
struct ChartPicture {
    Rgb background;
    ChartIcons icons = ChartIcons::Families;
    int fontPoints = 10;
    std::vector<ChartBox> boxes;
    std::vector<ChartLine> lines;
    std::vector<ChartText> texts;

    bool empty() const { return boxes.empty() && lines.empty() && texts.empty(); }
    friend bool operator==(const ChartPicture&, const ChartPicture&) = default;
};

// The colours of the charts.
inline constexpr Rgb kChartBarGreen{0, 128, 0};
inline constexpr Rgb kChartBarRed{255, 0, 0};
inline constexpr Rgb kChartBoxYellow{255, 255, 0};

// One bar of a chart with what follows it: a 15-pixel connector from its right end at
// mid-height, then a yellow box `boxWidth` wide as high as the bar, and the value written in red
// `textInset` pixels inside the box.
struct ChartBar {
    static constexpr int kConnector = 15;

    int from = 0;  // the bar's left end
    int to = 0;    // its right end
    int top = 0;
    int height = 20;
    Rgb colour = kChartBarGreen;
    int boxWidth = 60;
    int textInset = 3;
    QString value;
};
// The bar alone, or the bar with its connector, box and value.
void AddBarOnly(ChartPicture& picture, const ChartBar& bar);
void AddBar(ChartPicture& picture, const ChartBar& bar);

// A row's label, ending at `right`, its top at `top`; with an icon `iconOffset` away from its
// left end when `icon` >= 0.
void AddLabel(ChartPicture& picture, const QString& text, int right, int top, Rgb colour,
              int icon = -1, QPoint iconOffset = {});

// A number written with one decimal and a point, whatever the machine's language: 5.3 -> "5.3".
QString OneDecimal(double value);

}  // namespace velmora
