#include "core/university/vocational_statistics.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/menu/courses.h"
#include "core/menu/menu_texts.h"
#include "core/printing/printer_page.h"
#include "core/shared/address_opener.h"
#include "core/shared/cp1252.h"
#include "core/shared/data_error.h"
#include "core/shared/enlace.h"
#include "core/shared/messages.h"
#include "core/shared/readers.h"
#include "core/shared/setup_guard.h"
#include "core/shared/text_file.h"
#include "core/shared/web_hosts.h"

namespace velmora {
namespace {

using S = StatisticsControl;

constexpr std::array<std::string_view, kStatisticsControlCount> kNames = {
    "PanelEst1",     "PanelEst2",  "LabelEst1",  "LabelEst2", "LabelExplica1",  "LabelExplica2",
    "LabelExplica3", "LabelInfo2", "LabelVerde", "LabelRojo", "ButtonRetroEsta"};

constexpr size_t kFamilyCapacity = 200;
constexpr size_t kPercentWidth = 5;
constexpr int kFallbackTitle = 2;  // a title beyond the list
constexpr int kCentredRow = 8;     // the current item's row when the list can be scrolled so
constexpr int kComparisonRow = 5;  // in the comparison chart
constexpr int kComparisonLast = 17;

// The single-bar charts: rows 30 pixels apart, bars 20 high, 10 after the label's edge.
constexpr int kRowPitch = 30;
constexpr int kBarGap = 10;
constexpr int kBoxWidth = 50;
constexpr int kCentresEdge = 450;
constexpr int kFamilyEdge = 350;
constexpr int kCentresInset = 6;
constexpr int kPercentInset = 3;
// The comparison chart: 50 pixels a row, the two bars of a family one under the other.
constexpr int kComparisonPitch = 50;
constexpr int kComparisonEdge = 400;
constexpr int kComparisonExtra = 11;
// Icons 33 pixels left of their label, their top 10 above the row's.
constexpr QPoint kIconOffset{-33, -12};
// How far the growing bar runs past its end before it stops.
constexpr int kTimer1Overrun = 20;
constexpr int kTimer2Overrun = 10;
constexpr int kLeastGrowth = 3;

constexpr Rgb kPanel = ColourOf(PaletteColour::PaleBlue);
constexpr Rgb kNavy = ColourOf(PaletteColour::Navy);
constexpr Rgb kHeadingRed = ColourOf(PaletteColour::Red);

QString Decode(std::string_view bytes) {
    return cp1252::Decode(bytes);
}

int Clamp(int value, int low, int high) {
    return std::max(low, std::min(value, std::max(low, high)));
}

// A percentage's text as its box shows it; none for a family without figures.
QString Percent(const QString& text) {
    return text.isEmpty() ? QString() : text + QLatin1Char('%');
}

// The bar of a title taught at `centres` places, from its label's edge.
int CentresLength(int centres) {
    return RoundHalfEven((centres + 40) / 3.4);
}

}  // namespace

std::string_view StatisticsName(StatisticsControl control) {
    return kNames[static_cast<size_t>(control)];
}

// --- Reading -------------------------------------------------------------------------------------

StatisticsTitles ReadStatisticsTitles(const TextLines& fp) {
    StatisticsTitles out;
    int headings = 0;
    for (const std::string_view raw : fp.lines) {
        if (static_cast<int>(out.lines.size()) > StatisticsTitles::kCapacity) break;
        std::string line(Trim(raw));
        if (line.empty()) break;
        if (line.starts_with("-|")) line.erase(1, 1);
        if (line.starts_with('-')) ++headings;
        const bool last = line.starts_with("-!");
        out.lines.push_back(std::move(line));
        out.families.push_back(headings);
        // The sports teachings after the "!" heading are no vocational training.
        if (last) break;
        ++out.count;
    }
    return out;
}

std::vector<std::string> TrimmedLines(const TextLines& file, size_t capacity) {
    std::vector<std::string> out{std::string()};
    for (const std::string_view raw : file.lines) {
        if (out.size() > capacity) break;
        const std::string_view line = Trim(raw);
        if (line.empty()) break;
        out.emplace_back(line);
    }
    return out;
}

std::vector<int> CentresPerTitle(const VocationalTables& tables, int titles) {
    std::vector<int> counts(static_cast<size_t>(std::max(titles, 0)) + 1, 0);
    for (int list = 0; list < VocationalTables::kCentreLists; ++list) {
        const IntGrid& offers = tables.offersGS[static_cast<size_t>(list)];
        const int centres =
            std::min(tables.centreLists[static_cast<size_t>(list)].count, offers.rows() - 1);
        for (int c = 1; c <= centres; ++c) {
            const int n = std::min(offers.at(c, 0), offers.columns() - 1);
            for (int j = 1; j <= n; ++j) {
                const int t = offers.at(c, j);
                if (t >= 1 && t <= titles) ++counts[static_cast<size_t>(t)];
            }
        }
    }
    return counts;
}

std::optional<double> ReadPercent(std::string_view text) {
    if (text.empty()) return std::nullopt;
    // Digits with at most one point; a comma is the mistake the message is for.
    int points = 0;
    int digits = 0;
    for (const char c : text) {
        if (c == '.') {
            ++points;
        } else if (c >= '0' && c <= '9') {
            ++digits;
        } else {
            return std::nullopt;
        }
    }
    if (points > 1 || digits == 0) return std::nullopt;
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::array<std::string, 2> PercentFields(std::string_view line) {
    auto field = [&](size_t first) {
        return first < line.size() ? std::string(Trim(line.substr(first, kPercentWidth)))
                                   : std::string();
    };
    return {field(0), field(kPercentWidth)};
}

void CheckFamilyStatisticsFile(const QString& path) {
    const TextLines file = ReadTextFile(path);
    const std::vector<std::string> lines = TrimmedLines(file, kFamilyCapacity);
    for (int f = 1; f <= VocationalStatistics::kFamilies; ++f) {
        if (f >= static_cast<int>(lines.size()))
            throw DataError::Format(path, f,
                                    QStringLiteral("falta la línea de la familia %1").arg(f));
        for (const std::string& field : PercentFields(lines[static_cast<size_t>(f)]))
            if (!ReadPercent(field))
                throw DataError::Format(path, f,
                                        QStringLiteral("«%1» no es un porcentaje con punto decimal")
                                            .arg(Decode(field)));
    }
}

// --- The model -----------------------------------------------------------------------------------

VocationalStatistics::VocationalStatistics(Enlace& enlace, AddressOpener& opener)
    : enlace_(enlace), opener_(opener) {
    for (S hidden : {S::PanelEst1, S::PanelEst2, S::LabelInfo2, S::LabelExplica1, S::LabelExplica2,
                     S::LabelVerde, S::LabelRojo})
        view_.controls.visible[static_cast<size_t>(hidden)] = false;
    for (S hand : {S::LabelInfo2, S::ButtonRetroEsta})
        view_.controls.cursor[static_cast<size_t>(hand)] = CursorKind::Hand;
    for (ChartPicture& chart : view_.charts) chart.background = kPanel;
}

void VocationalStatistics::setVisible(S control, bool on) {
    ScreenPublisher::setVisible(control, on);
}

void VocationalStatistics::setCaption(S control, const QString& text) {
    ScreenPublisher::setCaption(control, text);
}

void VocationalStatistics::setTimer(Timer timer, bool on) {
    bool& running = view_.timers[static_cast<size_t>(timer)];
    if (running == on) return;
    running = on;
    touch(StatisticsChanges::Timers);
}

bool VocationalStatistics::FormCreate() {
    Handler h(*this);
    const InterfaceTexts& t = enlace_.texts;
    view_.windowTitle = CaptionText(t[227]);
    setCaption(S::ButtonRetroEsta, CaptionText(t[82]));
    setCaption(S::LabelExplica3, CaptionText(t[233]));
    setCaption(S::LabelExplica1, CaptionText(t[234] + " " + t[235]));
    setCaption(S::LabelExplica2, CaptionText(t[236] + " " + t[237]));
    setCaption(S::LabelInfo2, CaptionText(t[43]));
    view_.controls.setHint(S::LabelInfo2, CaptionText(t[174]));
    setCaption(S::LabelVerde, CaptionText(t[400]));
    setCaption(S::LabelRojo, CaptionText(t[401]));
    touch(StatisticsChanges::Window);

    // "fp" and "familias" are the program's own files: without them it cannot go on.
    for (const char* name : {"fp", "familias"}) {
        const QString path = enlace_.paths.languageFile(QLatin1String(name));
        if (!FileReadable(path)) {
            enlace_.messages.showMessage(Readers::MissingFileMessage(path));
            enlace_.stopFlag = true;
            return false;
        }
    }
    return RunSetUp(enlace_.messages, [this] {
        titles_ =
            ReadStatisticsTitles(ReadTextFile(enlace_.paths.languageFile(QStringLiteral("fp"))));
        families_ = TrimmedLines(
            ReadTextFile(enlace_.paths.languageFile(QStringLiteral("familias"))), kFamilyCapacity);
        for (std::string& family : families_)
            family = family.size() > 1 ? family.substr(1) : std::string();
        familyLines_ =
            TrimmedLines(ReadTextFile(enlace_.paths.dataFile(QStringLiteral("fami_estad.txt"))),
                         kFamilyCapacity);
    });
}

QString VocationalStatistics::familyLabel(int family) const {
    return family >= 1 && family < static_cast<int>(families_.size())
               ? Decode(families_[static_cast<size_t>(family)])
               : QString();
}

std::vector<double> VocationalStatistics::familyPercents(int field) {
    std::vector<double> out(kFamilies + 1, 0.0);
    percentTexts_.assign(kFamilies + 1, QString());
    // A family beyond the file's end has no figures; the checker names the missing lines, and
    // a file missing altogether was reported when the window was made.
    const int lines = std::min(kFamilies, static_cast<int>(familyLines_.size()) - 1);
    for (int f = 1; f <= lines; ++f) {
        const std::string text =
            PercentFields(familyLines_[static_cast<size_t>(f)])[static_cast<size_t>(field)];
        percentTexts_[static_cast<size_t>(f)] = Decode(text);
        const std::optional<double> value = ReadPercent(text);
        // A bar of another view's number would mislead: an unreadable field draws none.
        if (value)
            out[static_cast<size_t>(f)] = *value;
        else
            enlace_.messages.showMessage(QLatin1String(kNoDecimals));
    }
    return out;
}

// --- The three views -----------------------------------------------------------------------------

void VocationalStatistics::openSingleChart(View view, int current, int maximum) {
    shown_ = view;
    current_ = current;
    setVisible(S::PanelEst1, true);
    setVisible(S::PanelEst2, false);
    setVisible(S::LabelVerde, false);
    setVisible(S::LabelRojo, false);
    view_.scrollBars[0] = {1, std::max(1, maximum), Clamp(current - kCentredRow, 1, maximum)};
    touch(StatisticsChanges::ScrollBars);
    startAnimation(Timer::Timer1);
    drawSingle();
}

void VocationalStatistics::labelEstad1Click(int title) {
    Handler h(*this);
    const InterfaceTexts& t = enlace_.texts;
    const int current = title >= 1 && title <= titles_.count ? title : kFallbackTitle;
    setVisible(S::LabelInfo2, false);
    setVisible(S::LabelExplica1, true);
    setVisible(S::LabelExplica2, false);
    setCaption(S::LabelEst1, CaptionText(t[228]));
    const std::string line = current < static_cast<int>(titles_.lines.size())
                                 ? titles_.lines[static_cast<size_t>(current)]
                                 : std::string();
    setCaption(S::LabelEst2, CaptionText(t[325] + ": " + line));
    values_ = CentresPerTitle(enlace_.vocational, titles_.count);
    openSingleChart(View::Centres, current, titles_.count - (kRows - 1));
}

void VocationalStatistics::labelEstad3Click(int family) {
    Handler h(*this);
    const InterfaceTexts& t = enlace_.texts;
    setVisible(S::LabelInfo2, true);
    setVisible(S::LabelExplica1, false);
    setVisible(S::LabelExplica2, true);
    setCaption(S::LabelEst1, CaptionText(t[231]));
    setCaption(S::LabelEst2, CaptionText(t[583] + ": ") + familyLabel(family));
    const std::vector<double> percents = familyPercents(0);
    values_.assign(kFamilies + 1, 0);
    for (int f = 1; f <= kFamilies; ++f)
        values_[static_cast<size_t>(f)] = RoundHalfEven(percents[static_cast<size_t>(f)] * 10);
    openSingleChart(View::Employment, family, kFamilies - (kRows - 1));
}

void VocationalStatistics::labelEstad4Click(int family) {
    Handler h(*this);
    const InterfaceTexts& t = enlace_.texts;
    shown_ = View::Comparison;
    current_ = family;
    setVisible(S::LabelInfo2, true);
    setVisible(S::LabelExplica1, false);
    setVisible(S::LabelExplica2, true);
    setVisible(S::PanelEst1, false);
    setVisible(S::PanelEst2, true);
    setVisible(S::LabelVerde, true);
    setVisible(S::LabelRojo, true);
    setCaption(S::LabelEst1, CaptionText(t[232]));
    setCaption(S::LabelEst2, CaptionText(t[583] + ": ") + familyLabel(family));
    first_ = familyPercents(0);
    const std::vector<QString> firstTexts = percentTexts_;
    second_ = familyPercents(1);
    percentTexts_ = firstTexts;
    view_.scrollBars[1] = {1, kComparisonLast, Clamp(family - kComparisonRow, 1, kComparisonLast)};
    touch(StatisticsChanges::ScrollBars);
    startAnimation(Timer::Timer2);
    drawComparison();
}

void VocationalStatistics::show() {
    Handler h(*this);
    if (view_.visible) return;
    view_.visible = true;
    touch(StatisticsChanges::Window);
}

// --- Drawing -------------------------------------------------------------------------------------

int VocationalStatistics::fullEnd() const {
    const auto at = static_cast<size_t>(current_);
    switch (shown_) {
        case View::Centres:
            return kCentresEdge + (at < values_.size() ? CentresLength(values_[at]) : 0);
        case View::Employment:
            return kFamilyEdge + (at < values_.size() ? values_[at] : 0) + kComparisonExtra;
        case View::Comparison:
            return kComparisonEdge + (at < second_.size() ? RoundHalfEven(second_[at] * 10) : 0) +
                   kComparisonExtra;
        case View::None:
            break;
    }
    return 0;
}

void VocationalStatistics::startAnimation(Timer timer) {
    grown_ = 0;
    setTimer(timer, true);
    setTimer(timer == Timer::Timer1 ? Timer::Timer2 : Timer::Timer1, false);
}

void VocationalStatistics::drawSingle() {
    ChartPicture picture;
    picture.background = kPanel;
    picture.icons = ChartIcons::Families;
    const bool centres = shown_ == View::Centres;
    const int edge = centres ? kCentresEdge : kFamilyEdge;
    const int items = centres ? titles_.count : kFamilies;
    const bool growing = view_.timers[static_cast<size_t>(Timer::Timer1)];
    int icon = -1;
    for (int r = 1; r <= kRows; ++r) {
        const int item = view_.scrollBars[0].position + r - 1;
        if (item < 1 || item > items) continue;  // nothing beyond the list
        const int top = kRowPitch * r;
        const auto at = static_cast<size_t>(item);
        const int value = at < values_.size() ? values_[at] : 0;
        QString label;
        Rgb colour = kNavy;
        bool heading = false;
        if (centres) {
            const std::string& line = titles_.lines[at];
            label = Decode(line);
            heading = line.starts_with('-');
            if (heading) {
                colour = kHeadingRed;
                icon = FamilyIcon(titles_.families[at], icon);
            }
        } else {
            label = familyLabel(item);
            icon = FamilyIcon(item, icon);
        }
        const bool withIcon = heading || !centres;
        AddLabel(picture, label, edge, top + 2, colour, withIcon ? icon : -1, kIconOffset);
        // A family heading among the titles is no title: it has no bar of centres.
        if (heading) continue;
        ChartBar bar;
        bar.from = edge + kBarGap;
        bar.to = edge + (centres ? CentresLength(value) : value + kComparisonExtra);
        bar.top = top;
        bar.boxWidth = kBoxWidth;
        bar.textInset = centres ? kCentresInset : kPercentInset;
        if (item == current_ && growing) {
            bar.to = std::min(bar.to, bar.from + grown_);
            AddBarOnly(picture, bar);
            continue;
        }
        if (centres)
            bar.value = value == 0 ? QStringLiteral("----") : QString::number(value);
        else if (item == current_)
            bar.value = OneDecimal(value / 10.0) + QLatin1Char('%');
        else
            bar.value = Percent(percentTexts_[at]);
        AddBar(picture, bar);
    }
    view_.charts[0] = std::move(picture);
    touch(StatisticsChanges::Charts);
}

void VocationalStatistics::drawComparison() {
    ChartPicture picture;
    picture.background = kPanel;
    picture.icons = ChartIcons::Families;
    const bool growing = view_.timers[static_cast<size_t>(Timer::Timer2)];
    int icon = -1;
    for (int r = 1; r <= kRows; ++r) {
        const int family = view_.scrollBars[1].position + r - 1;
        if (family < 1 || family > kFamilies) continue;
        const auto at = static_cast<size_t>(family);
        const int y = kComparisonPitch * r - 20;
        icon = FamilyIcon(family, icon);
        AddLabel(picture, familyLabel(family), kComparisonEdge, y + 2, kNavy, icon, kIconOffset);
        ChartBar first;
        first.from = kComparisonEdge + kBarGap;
        first.to = kComparisonEdge + RoundHalfEven(first_[at] * 10) + kComparisonExtra;
        first.top = y - 10;
        first.boxWidth = kBoxWidth;
        first.value = Percent(percentTexts_[at]);
        AddBar(picture, first);
        ChartBar second = first;
        second.colour = kChartBarRed;
        second.to = kComparisonEdge + RoundHalfEven(second_[at] * 10) + kComparisonExtra;
        second.top = y + 10;
        second.value =
            at < familyLines_.size() ? OneDecimal(second_[at]) + QLatin1Char('%') : QString();
        if (family == current_ && growing) {
            second.to = std::min(second.to, second.from + grown_);
            AddBarOnly(picture, second);
        } else {
            AddBar(picture, second);
        }
    }
    view_.charts[1] = std::move(picture);
    touch(StatisticsChanges::Charts);
}

// --- Scrolling, the animation and leaving
// ----------------------------------------------------------

void VocationalStatistics::ScrollBar1Change(int position) {
    const ScrollRange& bar = view_.scrollBars[0];
    const int clamped = Clamp(position, bar.minimum, bar.maximum);
    if (clamped == bar.position || (shown_ != View::Centres && shown_ != View::Employment)) return;
    Handler h(*this);
    view_.scrollBars[0].position = clamped;
    touch(StatisticsChanges::ScrollBars);
    drawSingle();
}

void VocationalStatistics::ScrollBar2Change(int position) {
    const ScrollRange& bar = view_.scrollBars[1];
    const int clamped = Clamp(position, bar.minimum, bar.maximum);
    if (clamped == bar.position || shown_ != View::Comparison) return;
    Handler h(*this);
    view_.scrollBars[1].position = clamped;
    touch(StatisticsChanges::ScrollBars);
    drawComparison();
}

void VocationalStatistics::FormMouseWheel(int delta) {
    const int steps = delta / 120;
    if (steps == 0) return;
    if (shown_ == View::Comparison)
        ScrollBar2Change(view_.scrollBars[1].position - steps);
    else
        ScrollBar1Change(view_.scrollBars[0].position - steps);
}

void VocationalStatistics::tick(Timer timer) {
    if (!view_.timers[static_cast<size_t>(timer)]) return;
    Handler h(*this);
    const int start = (shown_ == View::Comparison ? kComparisonEdge
                       : shown_ == View::Centres  ? kCentresEdge
                                                  : kFamilyEdge) +
                      kBarGap;
    const int end = fullEnd();
    grown_ += std::max((end - start) / 10, kLeastGrowth);
    const int overrun = timer == Timer::Timer1 ? kTimer1Overrun : kTimer2Overrun;
    if (start + grown_ > end + overrun) setTimer(timer, false);
    if (shown_ == View::Comparison)
        drawComparison();
    else
        drawSingle();
}

void VocationalStatistics::ButtonRetroEstaClick() {
    Handler h(*this);
    setTimer(Timer::Timer1, false);
    setTimer(Timer::Timer2, false);
    view_.visible = false;
    touch(StatisticsChanges::Window);
    changes_.showOwner = true;
}

void VocationalStatistics::FormClose() {
    // Closed from its title bar: back to the screen it came from, as with its button.
    ButtonRetroEstaClick();
}

void VocationalStatistics::LabelInfoClick() {
    opener_.open(QLatin1String(kProgramSite) + QLatin1String(kReportPath));
}

void VocationalStatistics::LabelInfo2MouseMove() {
    if (view_.infoUnderlined) return;
    Handler h(*this);
    view_.infoUnderlined = true;
    touch(StatisticsChanges::Info);
}

void VocationalStatistics::PanelMouseMove() {
    if (!view_.infoUnderlined) return;
    Handler h(*this);
    view_.infoUnderlined = false;
    touch(StatisticsChanges::Info);
}

}  // namespace velmora
