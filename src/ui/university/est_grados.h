#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

#include "core/university/degree_statistics.h"

class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;
class QTextEdit;

namespace velmora {

class AddressOpener;
class BarChartView;
class Enlace;

// TFormEstGra: the degree statistics screen. The degrees screen hides itself and shows it from
// its information menu: students enrolled and the success rate by branch of knowledge as bar
// charts, the employment of graduates by degree as a table with its explanation, the documents
// behind the figures and the ministry's report. Its back button shows the degrees screen again.
class TFormEstGra : public QWidget {
    Q_OBJECT

  public:
    TFormEstGra(Enlace& enlace, AddressOpener& opener, QWidget* parent = nullptr);
    ~TFormEstGra() override;

    DegreeStatistics& model() { return *model_; }
    // The screen that opens this one and that leaving it shows again.
    void setOwner(QWidget* screen) { owner_ = screen; }
    QWidget* control(DegreeStatisticsControl which) const {
        return controls_[static_cast<size_t>(which)];
    }

    QFrame* PanelEst1;
    QLabel* LabelEst1;
    QLabel* LabelEst2;
    BarChartView* PaintEst;
    QPushButton* ButtonMatricula;
    QPushButton* ButtonDific;
    QPushButton* ButtonTrabajo;
    QLabel* LabelMas;
    std::array<QPushButton*, 7> documents{};  // ButtonMas1..3, 21, 22, 31, 32
    QLabel* LabelWeb;
    QPushButton* ButtonRetroEsta;
    QFrame* PanelInsercion;
    QLabel* LabelInser;
    QLabel* LabelInser2;
    QTableWidget* reja;
    QTextEdit* RichSalidas;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void connectControls();
    void apply(const DegreeStatisticsChanges& changes);

    std::unique_ptr<DegreeStatistics> model_;
    std::array<QWidget*, kDegreeStatisticsControlCount> controls_{};
    QPointer<QWidget> owner_;
    bool applying_ = false;
    bool closing_ = false;  // closed from its title bar: Qt hides it
};

}  // namespace velmora
