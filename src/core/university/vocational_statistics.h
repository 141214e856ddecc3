#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/shared/bar_chart.h"
#include "core/shared/screen_view.h"
#include "core/vocational/higher_screen.h"

namespace velmora {

class AddressOpener;
class Enlace;
struct TextLines;
struct VocationalTables;

// The titles of "fp" as the statistics window lists them: the lines trimmed, at most 200, up to
// the first empty line or the first "-!" line (kept, not counted); a "-|" line loses its "|".
// Line t is title t, with the number of family headings met up to it (its own included).
struct StatisticsTitles {
    static constexpr int kCapacity = 200;
    std::vector<std::string> lines{std::string()};  // entry 0 unused
    std::vector<int> families{0};
    int count = 0;  // the titles counted (a final "-!" line is not one)
};
StatisticsTitles ReadStatisticsTitles(const TextLines& fp);

// A file's lines with their blanks trimmed at both ends, up to the first empty one, at most
// `capacity`; entry 0 unused.
std::vector<std::string> TrimmedLines(const TextLines& file, size_t capacity);

// How many places of the four centre lists teach each title of the higher level: entry t for
// title t (1..titles), a title listed twice by one place counted twice.
std::vector<int> CentresPerTitle(const VocationalTables& tables, int titles);

// A percentage of "fami_estad.txt": a decimal number written with a point ("5.3", "17"); nothing
// for anything else ("5,3", "", "abc").
std::optional<double> ReadPercent(std::string_view text);

// The two percentages of family line `line` (trimmed): columns 1-5 and 6-10, trimmed.
std::array<std::string, 2> PercentFields(std::string_view line);

// Throws DataError (file, line, reason) for the first of the 26 family lines of
// "fami_estad.txt" that is missing or holds a field that is no percentage: the data checker's
// rule for the file.
void CheckFamilyStatisticsFile(const QString& path);

// The controls of TEstadisticas whose state the model decides.
enum class StatisticsControl {
    PanelEst1,
    PanelEst2,
    LabelEst1,
    LabelEst2,
    LabelExplica1,
    LabelExplica2,
    LabelExplica3,
    LabelInfo2,
    LabelVerde,
    LabelRojo,
    ButtonRetroEsta,
};
inline constexpr int kStatisticsControlCount =
    static_cast<int>(StatisticsControl::ButtonRetroEsta) + 1;
std::string_view StatisticsName(StatisticsControl control);

// A scroll bar's range and position.
struct ScrollRange {
    int minimum = 1;
    int maximum = 1;
    int position = 1;
    friend bool operator==(const ScrollRange&, const ScrollRange&) = default;
};

// What the statistics window shows.
struct StatisticsView {
    ControlStates<StatisticsControl, kStatisticsControlCount> controls;
    bool visible = false;  // the window
    QString windowTitle;
    std::array<ScrollRange, 2> scrollBars;  // ScrollBar1 (PanelEst1), ScrollBar2 (PanelEst2)
    std::array<ChartPicture, 2> charts;     // the chart of each panel
    bool infoUnderlined = false;            // LabelInfo2 under the pointer
    std::array<bool, 2> timers{};           // Timer1, Timer2
};

struct StatisticsChanges : OwnedWindowChanges {
    enum Part : unsigned {
        Window = 1u << 0,
        Controls = 1u << 1,
        Charts = 1u << 2,
        ScrollBars = 1u << 3,
        Timers = 1u << 4,
        Info = 1u << 5,
    };
};

// The model of TEstadisticas, the statistics window of vocational training that the higher-level
// screen opens: how many centres teach each title, the employment percentage of each family, and
// per family the share of students against the share of jobs. Each view is a bar chart of 15
// rows, scrolled so that the title or family the student came from is in view, its bar growing.
class VocationalStatistics final : public ScreenPublisher<StatisticsView, StatisticsChanges>,
                                   public StatisticsWindow {
  public:
    enum class View { None, Centres, Employment, Comparison };
    enum class Timer { Timer1, Timer2 };

    static constexpr int kRows = 15;
    static constexpr int kFamilies = 26;
    static constexpr int kTimer1Ms = 200;
    static constexpr int kTimer2Ms = 100;
    static constexpr std::string_view kNoDecimals = "problema decimales";
    // The employment report on the program's site (LabelInfoClick).
    static constexpr std::string_view kReportPath =
        "/materiales/est/Resumen-infoempleo-adecco-2018.pdf";

    VocationalStatistics(Enlace& enlace, AddressOpener& opener);

    // FormCreate: the captions, the titles of "fp", the families and "fami_estad.txt". False
    // when a file was refused.
    bool FormCreate();

    // StatisticsWindow: the three views, then showing the window.
    void labelEstad1Click(int title) override;
    void labelEstad3Click(int family) override;
    void labelEstad4Click(int family) override;
    void show() override;

    void ScrollBar1Change(int position);
    void ScrollBar2Change(int position);
    // The mouse wheel: `delta` in eighths of a degree, 120 a step; forward scrolls up.
    void FormMouseWheel(int delta);
    void tick(Timer timer);
    void ButtonRetroEstaClick();
    void FormClose();
    void LabelInfoClick();
    void LabelInfo2MouseMove();
    void PanelMouseMove();

    View shownView() const { return shown_; }
    int current() const { return current_; }
    const StatisticsTitles& titles() const { return titles_; }
    // StatValues and StatPercentText of the view last opened, entry i for row item i.
    const std::vector<int>& values() const { return values_; }
    const std::vector<QString>& percentTexts() const { return percentTexts_; }

  private:
    void setVisible(StatisticsControl control, bool on);
    void setCaption(StatisticsControl control, const QString& text);
    void setTimer(Timer timer, bool on);
    // The family percentages of column `field` (0 or 1), with "problema decimales" for a field
    // that is no number (its value 0).
    std::vector<double> familyPercents(int field);
    QString familyLabel(int family) const;
    void openSingleChart(View view, int current, int maximum);
    void drawSingle();
    void drawComparison();
    // The growing bar of the current row: where it starts, its full end and how far it has got.
    void startAnimation(Timer timer);
    int fullEnd() const;

    Enlace& enlace_;
    AddressOpener& opener_;
    StatisticsTitles titles_;
    std::vector<std::string> families_;     // labels, entry f for family f
    std::vector<std::string> familyLines_;  // "fami_estad.txt", trimmed
    View shown_ = View::None;
    int current_ = 0;
    std::vector<int> values_;
    std::vector<QString> percentTexts_;
    std::vector<double> first_;
    std::vector<double> second_;
    int grown_ = 0;  // pixels the current row's bar has grown
};

}  // namespace velmora
