#pragma once

#include <QWidget>

#include "core/shared/bar_chart.h"

namespace velmora {

// Paints a bar chart the statistics screens' models compute: the background, the bars and
// boxes framed in black, the connectors, the texts in the chart's font with their icons.
class BarChartView : public QWidget {
    Q_OBJECT

  public:
    explicit BarChartView(QWidget* parent = nullptr);

    const ChartPicture& picture() const { return picture_; }
    void setPicture(const ChartPicture& picture);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ChartPicture picture_;
};

}  // namespace velmora
