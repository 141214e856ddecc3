#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

#include "core/university/vocational_statistics.h"

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;

namespace velmora {

class AddressOpener;
class BarChartView;
class Enlace;

// TEstadisticas: the statistics window of vocational training. The higher-level screen hides
// itself and shows it on one of its three charts: the centres that teach each title, the
// employment of each professional family, and per family the share of students against the share
// of jobs. Its button (or closing it) shows that screen again.
class TEstadisticas : public QWidget {
    Q_OBJECT

  public:
    TEstadisticas(Enlace& enlace, AddressOpener& opener, QWidget* parent = nullptr);
    ~TEstadisticas() override;

    VocationalStatistics& model() { return *model_; }
    // The screen that opens this window and that leaving it shows again.
    void setOwner(QWidget* screen) { owner_ = screen; }
    QWidget* control(StatisticsControl which) const {
        return controls_[static_cast<size_t>(which)];
    }

    QFrame* PanelEst1;
    QFrame* PanelEst2;
    BarChartView* chart1;
    BarChartView* chart2;
    QScrollBar* ScrollBar1;
    QScrollBar* ScrollBar2;
    QLabel* LabelEst1;
    QLabel* LabelEst2;
    QLabel* LabelExplica1;
    QLabel* LabelExplica2;
    QLabel* LabelExplica3;
    QLabel* LabelInfo2;
    QLabel* LabelVerde;
    QLabel* LabelRojo;
    QPushButton* ButtonRetroEsta;
    QTimer* Timer1;
    QTimer* Timer2;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void connectControls();
    void apply(const StatisticsChanges& changes);

    std::unique_ptr<VocationalStatistics> model_;
    std::array<QWidget*, kStatisticsControlCount> controls_{};
    QPointer<QWidget> owner_;
    bool applying_ = false;
    bool closing_ = false;  // closed from its title bar: Qt hides it
};

}  // namespace velmora
