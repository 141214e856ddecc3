#include "core/shared/bar_chart.h"

namespace velmora {

void AddBarOnly(ChartPicture& picture, const ChartBar& bar) {
    picture.boxes.push_back({bar.from, bar.top, bar.to, bar.top + bar.height, bar.colour});
}

void AddBar(ChartPicture& picture, const ChartBar& bar) {
    AddBarOnly(picture, bar);
    const int boxLeft = bar.to + ChartBar::kConnector;
    picture.lines.push_back({bar.to, boxLeft, bar.top + bar.height / 2});
    picture.boxes.push_back(
        {boxLeft, bar.top, boxLeft + bar.boxWidth, bar.top + bar.height, kChartBoxYellow});
    if (!bar.value.isEmpty())
        picture.texts.push_back(
            {bar.value, boxLeft + bar.textInset, bar.top + 2, false, kChartBarRed, -1, {}});
}

void AddLabel(ChartPicture& picture, const QString& text, int right, int top, Rgb colour, int icon,
              QPoint iconOffset) {
    picture.texts.push_back({text, right, top, true, colour, icon, iconOffset});
}

QString OneDecimal(double value) {
    return QString::number(value, 'f', 1);
}

}  // namespace velmora
