#include "core/university/degree_statistics.h"

#include <algorithm>

#include "core/menu/menu_texts.h"
#include "core/printing/printer_page.h"
#include "core/shared/address_opener.h"
#include "core/shared/cp1252.h"
#include "core/shared/data_error.h"
#include "core/shared/documents.h"
#include "core/shared/enlace.h"
#include "core/shared/setup_guard.h"
#include "core/shared/text_file.h"
#include "core/shared/web_hosts.h"

namespace velmora {
namespace {

using D = DegreeStatisticsControl;

constexpr std::array<std::string_view, kDegreeStatisticsControlCount> kNames = {
    "PanelEst1",   "LabelEst1",       "LabelEst2",      "PaintEst",    "ButtonMatricula",
    "ButtonDific", "ButtonTrabajo",   "LabelMas",       "ButtonMas1",  "ButtonMas2",
    "ButtonMas3",  "ButtonMas21",     "ButtonMas22",    "ButtonMas31", "ButtonMas32",
    "LabelWeb",    "ButtonRetroEsta", "PanelInsercion", "LabelInser",  "LabelInser2",
    "reja",        "RichSalidas"};

constexpr D kDocuments[] = {D::ButtonMas1,  D::ButtonMas2,  D::ButtonMas3, D::ButtonMas21,
                            D::ButtonMas22, D::ButtonMas31, D::ButtonMas32};

// The chart: rows 35 pixels apart from 10, bars 20 high, labels ending at 340.
constexpr int kTop = 10;
constexpr int kPitch = 35;
constexpr int kLabelEdge = 340;
constexpr int kBarGap = 10;
constexpr int kEnrolmentExtra = 20;
constexpr int kOtherIcon = 6;
constexpr QPoint kIconOffset{-42, -12};  // 42 left of the label, 10 above the row

// The branch label of each position (interface texts) and its icon in the branch list.
constexpr std::array<int, 6> kBranchTexts = {0, 517, 518, 515, 519, 516};
constexpr std::array<int, 6> kBranchIcons = {kOtherIcon, 1, 4, 0, 2, 5};

// The program's figures: students enrolled and the success rate, by branch position.
const std::vector<BranchFigure> kEnrolment = {
    {1, 46.5, "46,5%"}, {2, 17.7, "17,7%"}, {3, 10.3, "10,3%"}, {4, 19.0, "19%"}, {5, 6.4, "6,4%"}};
const std::vector<BranchFigure> kPerformance = {{1, 79.5, "79.50%"},
                                                {2, 67.5, "67.50%"},
                                                {3, 76.6, "76.60%"},
                                                {4, 84.7, "84.70%"},
                                                {5, 74.1, "74.10%"}};
constexpr std::string_view kCourse = "2018-19";

constexpr size_t kColumns[5][2] = {{1, 39}, {40, 4}, {45, 6}, {52, 4}, {57, 4}};
constexpr int kSecondHeading = 21;
constexpr int kRankGap = 59;  // the last twenty of a ranking of a hundred

const char* const kHints[6] = {
    "20 Grados primeros y los 20 últimos",
    "Ordenados por el Índice de clasificación",
    "(1) el índice de clasificación",
    "(2) el salario",
    "(3) el porcentaje que ha encontrado trabajo",
    "(4) y si el trabajo es de nivel universitario (en %)",
};
const char* const kMarkedPhrases[] = {"SALIDAS PROFESIONALES - INSERCIÓN LABORAL",
                                      "Explicaciones de la TABLA", "La puntuación"};

std::string Columns(std::string_view line, size_t first, size_t width) {
    if (first > line.size()) return {};
    return std::string(Trim(line.substr(first - 1, width)));
}

}  // namespace

std::string_view DegreeStatisticsName(DegreeStatisticsControl control) {
    return kNames[static_cast<size_t>(control)];
}

int BranchIcon(int position) {
    return position >= 1 && position <= 5 ? kBranchIcons[static_cast<size_t>(position)]
                                          : kOtherIcon;
}

std::vector<BranchFigure> SortedFromLargest(std::vector<BranchFigure> figures) {
    std::stable_sort(
        figures.begin(), figures.end(),
        [](const BranchFigure& a, const BranchFigure& b) { return a.figure > b.figure; });
    return figures;
}

ChartPicture DegreeChart(const std::vector<DegreeBarRow>& rows, int extraLength) {
    ChartPicture picture;
    picture.background = ColourOf(PaletteColour::LightPeach);
    picture.icons = ChartIcons::Branches;
    for (size_t k = 0; k < rows.size(); ++k) {
        const DegreeBarRow& row = rows[k];
        const int y = static_cast<int>(k) * kPitch + kTop;
        if (row.position < 0) {
            AddLabel(picture, row.label, kLabelEdge, y + 2, ColourOf(PaletteColour::Navy));
            continue;
        }
        AddLabel(picture, row.label, kLabelEdge, y + 2, ColourOf(PaletteColour::Black),
                 BranchIcon(row.position), kIconOffset);
        ChartBar bar;
        bar.from = kLabelEdge + kBarGap;
        bar.to = kLabelEdge + 2 * RoundHalfEven(row.figure) + extraLength;
        bar.top = y;
        bar.value = row.value;
        AddBar(picture, bar);
    }
    return picture;
}

InsertionTable ReadInsertion(const QString& path) {
    const TextLines file = ReadTextFile(path);
    InsertionTable table;
    for (const std::string_view raw : file.lines) {
        const std::string_view line = Trim(raw);
        if (line.empty()) break;
        if (static_cast<int>(table.lines.size()) == InsertionTable::kLines) {
            table.cut = true;
            break;
        }
        table.lines.emplace_back(line);
    }
    return table;
}

std::vector<std::array<QString, 6>> InsertionGrid(const std::vector<std::string>& lines) {
    std::vector<std::array<QString, 6>> rows;
    for (size_t r = 0; r < lines.size(); ++r) {
        std::array<QString, 6> row;
        const int rank = static_cast<int>(r);
        if (rank != 0 && rank != kSecondHeading)
            row[0] = QString::number(rank < kSecondHeading ? rank : rank + kRankGap);
        for (size_t c = 0; c < 5; ++c)
            row[c + 1] = cp1252::Decode(Columns(lines[r], kColumns[c][0], kColumns[c][1]));
        rows.push_back(std::move(row));
    }
    return rows;
}

void CheckInsertionFile(const QString& path) {
    if (ReadInsertion(path).cut)
        throw DataError::Capacity(path, InsertionTable::kLines + 1,
                                  QStringLiteral("más de %1 líneas antes de la primera vacía")
                                      .arg(InsertionTable::kLines));
}

QString DegreeStatistics::ColumnHint(int column) {
    return column >= 0 && column < 6 ? QString::fromUtf8(kHints[column]) : QString();
}

// --- The model -----------------------------------------------------------------------------------

DegreeStatistics::DegreeStatistics(Enlace& enlace, AddressOpener& opener)
    : enlace_(enlace), opener_(opener) {
    for (D hidden : kDocuments) view_.controls.visible[static_cast<size_t>(hidden)] = false;
    for (D hidden : {D::LabelMas, D::PanelInsercion})
        view_.controls.visible[static_cast<size_t>(hidden)] = false;
    for (D hand : kDocuments) view_.controls.cursor[static_cast<size_t>(hand)] = CursorKind::Hand;
    for (D hand :
         {D::ButtonMatricula, D::ButtonDific, D::ButtonTrabajo, D::LabelWeb, D::ButtonRetroEsta})
        view_.controls.cursor[static_cast<size_t>(hand)] = CursorKind::Hand;
    view_.chart.background = ColourOf(PaletteColour::LightPeach);
}

QString DegreeStatistics::text(int n) const {
    return CaptionText(enlace_.texts[n]);
}

void DegreeStatistics::setVisible(D control, bool on) {
    ScreenPublisher::setVisible(control, on);
}

void DegreeStatistics::setCaption(D control, const QString& caption) {
    ScreenPublisher::setCaption(control, caption);
}

void DegreeStatistics::FormCreate() {
    Handler h(*this);
    view_.windowTitle = text(408);
    setCaption(D::ButtonRetroEsta, text(82));
    setCaption(D::ButtonTrabajo, text(404));
    setCaption(D::ButtonMatricula, text(406));
    setCaption(D::ButtonDific, text(651));
    setCaption(D::LabelWeb, text(173));
    view_.controls.setHint(D::LabelWeb, text(174));
    setCaption(D::LabelMas, text(43));
    setCaption(D::ButtonMas1, text(603));
    setCaption(D::ButtonMas2, text(604));
    setCaption(D::ButtonMas3, text(605));
    setCaption(D::ButtonMas21, text(407));
    setCaption(D::ButtonMas22, text(346));
    setCaption(D::ButtonMas31, QStringLiteral("Resumen del País"));
    setCaption(D::ButtonMas32, QStringLiteral("Estudio completo"));
    setCaption(D::LabelInser, QStringLiteral("Explicaciones de la Tabla"));
    setCaption(D::LabelInser2, QStringLiteral("Tabla - Resumen"));
    setCaption(D::LabelEst1, text(408));
    setCaption(D::LabelEst2, QStringLiteral("\n") + text(409) + QStringLiteral(". ") + text(175) +
                                 QLatin1Char(' ') + QLatin1String(kCourse));
    touch(DegreeStatisticsChanges::Window);
}

void DegreeStatistics::show() {
    Handler h(*this);
    if (view_.visible) return;
    view_.visible = true;
    touch(DegreeStatisticsChanges::Window);
}

void DegreeStatistics::showDocuments(std::initializer_list<D> buttons) {
    setVisible(D::LabelMas, true);
    for (D button : kDocuments)
        setVisible(button, std::find(buttons.begin(), buttons.end(), button) != buttons.end());
}

void DegreeStatistics::ButtonMatriculaClick() {
    Handler h(*this);
    shown_ = View::Enrolment;
    setVisible(D::PanelInsercion, false);
    setCaption(D::LabelEst1, text(418) + QStringLiteral("   ") + QLatin1String(kCourse));
    setCaption(D::LabelEst2, text(419) + QLatin1Char(' ') + text(kBranchTexts[1]) +
                                 QLatin1Char('\n') + text(420) + QStringLiteral(" 84,6%"));
    showDocuments({D::ButtonMas1, D::ButtonMas2, D::ButtonMas3});
    std::vector<DegreeBarRow> rows = {{text(375) + QStringLiteral("..."), {}, -1, 0}};
    for (const BranchFigure& b : SortedFromLargest(kEnrolment))
        rows.push_back({text(kBranchTexts[static_cast<size_t>(b.position)]),
                        QString::fromLatin1(b.text), b.position, b.figure});
    rows.push_back({text(421), {}, -1, 0});
    rows.push_back({text(402), QStringLiteral("84,6%"), 0, 84.6});
    rows.push_back({text(403), QStringLiteral("15,4%"), 0, 15.4});
    view_.chart = DegreeChart(rows, kEnrolmentExtra);
    touch(DegreeStatisticsChanges::Chart);
}

void DegreeStatistics::ButtonDificClick() {
    Handler h(*this);
    shown_ = View::Performance;
    setVisible(D::PanelInsercion, false);
    setCaption(D::LabelEst1, text(422) + QStringLiteral(" 2017-18"));
    setCaption(D::LabelEst2, text(423) + QLatin1Char('\n') + text(424) + QLatin1Char('\n') +
                                 text(425) + QStringLiteral(" 77.80%"));
    showDocuments({D::ButtonMas21, D::ButtonMas22});
    std::vector<DegreeBarRow> rows = {{text(375), {}, -1, 0}};
    for (const BranchFigure& b : SortedFromLargest(kPerformance))
        rows.push_back({text(kBranchTexts[static_cast<size_t>(b.position)]),
                        QString::fromLatin1(b.text), b.position, b.figure});
    rows.push_back({text(426), QStringLiteral("77.80%"), 0, 77.8});
    rows.push_back({text(421), {}, -1, 0});
    rows.push_back({text(402), QStringLiteral("76.50%"), 0, 76.5});
    rows.push_back({text(403), QStringLiteral("85.40%"), 0, 85.4});
    view_.chart = DegreeChart(rows, 0);
    touch(DegreeStatisticsChanges::Chart);
}

void DegreeStatistics::ButtonTrabajoClick() {
    Handler h(*this);
    shown_ = View::Employment;
    setVisible(D::PanelInsercion, true);
    // The headings say what the table is, not what the chart behind it was.
    setCaption(D::LabelEst1, text(404));
    setCaption(D::LabelEst2, {});
    showDocuments({D::ButtonMas31, D::ButtonMas32});
    view_.chart = ChartPicture{};
    view_.chart.background = ColourOf(PaletteColour::LightPeach);
    touch(DegreeStatisticsChanges::Chart);
    view_.gridRows.clear();
    view_.salidas = RichText{};
    view_.salidas.pointSize = 11;
    touch(DegreeStatisticsChanges::Grid);
    touch(DegreeStatisticsChanges::Rich);
    const QString folder = enlace_.paths.dataFile(QStringLiteral("pdf/est/"));
    RunSetUp(enlace_.messages, [&] {
        view_.gridRows = InsertionGrid(ReadInsertion(folder + QStringLiteral("insercion")).lines);
    });
    RunSetUp(enlace_.messages, [&] {
        const TextLines resins = ReadTextFile(folder + QStringLiteral("resins"));
        for (const std::string_view line : resins.lines)
            view_.salidas.add(cp1252::Decode(line), ColourOf(PaletteColour::Black), false, false);
        for (const char* phrase : kMarkedPhrases)
            view_.salidas.colourWord(QString::fromUtf8(phrase), ColourOf(PaletteColour::Maroon),
                                     true);
    });
}

void DegreeStatistics::ButtonRetroEstaClick() {
    Handler h(*this);
    view_.visible = false;
    touch(DegreeStatisticsChanges::Window);
    changes_.showOwner = true;
    setVisible(D::LabelMas, false);
    for (D button : kDocuments) setVisible(button, false);
}

void DegreeStatistics::FormClose() {
    ButtonRetroEstaClick();
}

void DegreeStatistics::openDocument(const char* name) {
    OpenDocument(opener_, enlace_.messages,
                 enlace_.paths.dataFile(QStringLiteral("pdf/est/") + QLatin1String(name)));
}

void DegreeStatistics::LabelWebClick() {
    opener_.open(QLatin1String(kUniversitiesMinistry) + QLatin1String(kReportPath));
}

void DegreeStatistics::LabelWebMouseMove() {
    if (view_.webUnderlined) return;
    Handler h(*this);
    view_.webUnderlined = true;
    touch(DegreeStatisticsChanges::Web);
}

void DegreeStatistics::FormMouseMove() {
    if (!view_.webUnderlined) return;
    Handler h(*this);
    view_.webUnderlined = false;
    touch(DegreeStatisticsChanges::Web);
}

}  // namespace velmora
