#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace velmora {

class CoursesBrowser;
class SharedPictures;
class ShadowLabel;
struct MenuTexts;
enum class CourseGrid;

// `PanelEspeG`: the specialisation courses over the whole screen, in the frame of the section
// screens, with their links to the courses' pages.
class CoursesPanel : public QWidget {
    Q_OBJECT
public:
    CoursesPanel(CoursesBrowser& model, const MenuTexts& texts, const SharedPictures& pictures,
                 QWidget* parent);

    // LabelCurEspClick.
    void LabelCurEspClick();

    QWidget* degradeini;
    QWidget* TilArr;
    QWidget* TilIzq;
    QWidget* TilDer;
    ShadowLabel* RxLabelEspe;
    ShadowLabel* RxLabelAno;
    QWidget* panelsel;
    QTableWidget* reja;
    QTableWidget* reja2;
    QPushButton* ButtonRetroEspe;

    // The link icon of the course column: the globe of the icon list.
    static constexpr int kLinkIcon = 11;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ButDondeClick();
    void fill(QTableWidget* grid, CourseGrid which);
    // The grid's row and column under a point of its viewport; row 0 is the header.
    static bool CellAt(QTableWidget* grid, QPoint point, int& row, int& column);

    CoursesBrowser& model_;
    const MenuTexts& texts_;
};

}  // namespace velmora
