#pragma once

#include <QString>
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/shared/bar_chart.h"
#include "core/shared/rich_text.h"
#include "core/shared/screen_view.h"

namespace velmora {

class AddressOpener;
class Enlace;

// One row of a degree statistics chart: a heading (icon position -1) or a branch with its value.
struct DegreeBarRow {
    QString label;
    QString value;      // as its box shows it
    int position = -1;  // 1..5 a branch, 0 a row of its own, -1 a heading
    double figure = 0;
};

// The enrolment or performance chart: row k (from 1) with its top at (k - 1) x 35 + 10, its label
// ending at x = 340, a bar from 350 to 340 + 2 x (the figure rounded, halves to even) +
// `extraLength`, a connector, a box 60 wide and the value in it; each branch's icon from the
// degrees screen's branch list beside its label.
ChartPicture DegreeChart(const std::vector<DegreeBarRow>& rows, int extraLength);

// The icon of a branch position (1..5) in the degrees screen's branch list; 6 for the others.
int BranchIcon(int position);

// The five branches (positions 1..5) with their figures, sorted from the largest; equal figures
// keep their order.
struct BranchFigure {
    int position;
    double figure;
    const char* text;
};
std::vector<BranchFigure> SortedFromLargest(std::vector<BranchFigure> figures);

// "insercion": the lines trimmed at both ends up to the first that is then empty, at most 49;
// `cut` when a 50th followed.
struct InsertionTable {
    static constexpr int kLines = 49;
    std::vector<std::string> lines;
    bool cut = false;
};
InsertionTable ReadInsertion(const QString& path);
// The grid of the employment view: per line its rank (r up to row 20, r + 59 from row 22, none
// for the headings in rows 0 and 21) and its five fields (columns 1-39, 40-43, 45-50, 52-55 and
// 57-60).
std::vector<std::array<QString, 6>> InsertionGrid(const std::vector<std::string>& lines);
// The data checker's rule: the file holds at most 49 lines before its first empty one.
void CheckInsertionFile(const QString& path);

// The controls of TFormEstGra whose state the model decides.
enum class DegreeStatisticsControl {
    PanelEst1,
    LabelEst1,
    LabelEst2,
    PaintEst,  // the chart
    ButtonMatricula,
    ButtonDific,
    ButtonTrabajo,
    LabelMas,  // "more information", over the document buttons
    ButtonMas1,
    ButtonMas2,
    ButtonMas3,
    ButtonMas21,
    ButtonMas22,
    ButtonMas31,
    ButtonMas32,
    LabelWeb,
    ButtonRetroEsta,
    PanelInsercion,  // the employment panel
    LabelInser,
    LabelInser2,
    reja,
    RichSalidas,
};
inline constexpr int kDegreeStatisticsControlCount =
    static_cast<int>(DegreeStatisticsControl::RichSalidas) + 1;
std::string_view DegreeStatisticsName(DegreeStatisticsControl control);

struct DegreeStatisticsView {
    ControlStates<DegreeStatisticsControl, kDegreeStatisticsControlCount> controls;
    bool visible = false;  // the window
    QString windowTitle;
    ChartPicture chart;
    std::vector<std::array<QString, 6>> gridRows;  // reja
    RichText salidas;                              // RichSalidas
    bool webUnderlined = false;
};

struct DegreeStatisticsChanges : OwnedWindowChanges {
    enum Part : unsigned {
        Window = 1u << 0,
        Controls = 1u << 1,
        Chart = 1u << 2,
        Grid = 1u << 3,
        Rich = 1u << 4,
        Web = 1u << 5,
    };
};

// The model of TFormEstGra, the degree statistics screen the degrees screen opens from its
// information menu: enrolment and performance by branch of knowledge as bar charts from the
// program's figures, the employment of graduates by degree from "insercion" and "resins", the
// documents of "pdf/est" and the ministry's report.
class DegreeStatistics final
    : public ScreenPublisher<DegreeStatisticsView, DegreeStatisticsChanges> {
  public:
    enum class View { Intro, Enrolment, Performance, Employment };
    static constexpr int kColumnWidths[6] = {25, 265, 40, 60, 40, 40};
    static constexpr int kRowHeight = 18;
    static constexpr std::string_view kReportPath =
        "/stfls/MICINN/Universidades/Ficheros/Estadisticas/"
        "Informe_Datos_Cifras_Sistema_Universitario_Espanol_2019-2020.pdf";

    DegreeStatistics(Enlace& enlace, AddressOpener& opener);

    // FormCreate: the captions.
    void FormCreate();
    View shownView() const { return shown_; }

    // The degrees screen shows the screen.
    void show();
    void ButtonMatriculaClick();
    void ButtonDificClick();
    void ButtonTrabajoClick();
    void ButtonMas1Click() { openDocument("PreciosMatricula.pdf"); }
    void ButtonMas2Click() { openDocument("NotaMedia.pdf"); }
    void ButtonMas3Click() { openDocument("Movilidad.pdf"); }
    void ButtonMas21Click() { openDocument("Tasa_Rendimiento.pdf"); }
    void ButtonMas22Click() { openDocument("Becas.pdf"); }
    void ButtonMas31Click() { openDocument("ResumenInsercion.pdf"); }
    void ButtonMas32Click() { openDocument("CompletoInsercion.pdf"); }
    void ButtonRetroEstaClick();
    void FormClose();
    void LabelWebClick();
    void LabelWebMouseMove();
    void FormMouseMove();
    // The hint of a column of the employment grid (fixed texts).
    static QString ColumnHint(int column);

  private:
    void setVisible(DegreeStatisticsControl control, bool on);
    void setCaption(DegreeStatisticsControl control, const QString& text);
    // Shows exactly these document buttons with the more-information label.
    void showDocuments(std::initializer_list<DegreeStatisticsControl> buttons);
    void openDocument(const char* name);
    QString text(int n) const;

    Enlace& enlace_;
    AddressOpener& opener_;
    View shown_ = View::Intro;
};

}  // namespace velmora
