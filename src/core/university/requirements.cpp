#include "core/university/requirements.h"

#include <array>
#include <span>

#include "core/shared/enlace.h"
#include "core/university/degrees_screen.h"
#include "core/vocational/cutoff_window.h"

namespace velmora {
namespace {

using C = DegreesControl;

constexpr int kCaption = 277;  // BotReq's caption, the text's heading
constexpr int kDemandHeading = 674;
constexpr int kLowDemand = 720;
constexpr int kHighDemand = 721;
constexpr int kMixedDemand = 722;
constexpr int kBranchIntro = 723;
constexpr int kBranchIs = 724;
constexpr int kBranchNameBase = 514;  // branch b is interface text 514 + b
constexpr int kSubjectsHeading = 725;
constexpr int kOwnSubjects = 726;
constexpr int kOwnTestText = 55;  // its own entrance test: subjects vary
constexpr int kRecommended = 727;
constexpr int kVaryByDegree = 728;  // what branch 1 recommends: it depends on the degree
constexpr int kSeeWeightings = 730;
constexpr int kFromHigherVocational[] = {731, 732};
constexpr int kAccessHeading = 717;
constexpr int kAccessAdvice[] = {711, 712, 713, 714, 715};

// Windows-1252 bullet.
constexpr std::string_view kBullet = "\x95  ";

// The subjects usually weighed for each branch, in the order they are recommended. Branch 1
// (arts and humanities) has none in common: its degrees differ too much.
constexpr int kBranch2[] = {3, 21, 11, 19};
constexpr int kBranch3[] = {9, 20, 12, 18};
constexpr int kBranch4[] = {19, 21, 11, 7, 9};
constexpr int kBranch5[] = {3, 21, 19, 11};

std::span<const int> RecommendedFor(int branch) {
    switch (branch) {
        case 2:
            return kBranch2;
        case 3:
            return kBranch3;
        case 4:
            return kBranch4;
        case 5:
            return kBranch5;
        default:
            return {};
    }
}

}  // namespace

std::string Demand::averageText() const {
    if (marks == 0) return {};
    // Tenths of a point, rounded half up: (2 sum + n) / 2n.
    const int tenths = (2 * sum + marks) / (2 * marks);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

Demand ComputeDemand(const DegreeTables& tables, int degree) {
    Demand d;
    if (degree < 1 || degree > tables.degreeCount()) return d;
    const ByteGrid& marks = tables.offerings.cutOffTenths;
    const int n = marks.at(degree, 0);
    for (int i = 1; i <= n; ++i) {
        const int mark = marks.at(degree, i);
        if (mark < Demand::kLowestCounted) continue;
        ++d.marks;
        d.sum += mark;
        if (mark > Demand::kSomeHigh) ++d.aboveHigh;
        if (mark > Demand::kPassMark) ++d.abovePass;
    }
    if (d.marks == 0) return d;
    // Whole numbers throughout: average >= 60 is sum >= 60 n, a share above 0.2 is 5 k > n.
    d.high = d.sum >= Demand::kHighAverage * d.marks;
    d.low = !d.high;
    d.mixed = d.low && d.aboveHigh > 0 && 5 * d.abovePass > d.marks;
    return d;
}

std::vector<std::string> RequirementsText(const DegreeTables& tables, const InterfaceTexts& texts,
                                          int degree, RequirementsForm form) {
    std::vector<std::string> lines;
    if (degree < 1 || degree > tables.degreeCount()) return lines;
    const Demand demand = ComputeDemand(tables, degree);
    const int branch = tables.attribute(degree, DegreeTables::kBranch);

    lines.push_back("-     " + texts[kCaption]);
    lines.emplace_back();
    lines.push_back(texts[kDemandHeading]);
    if (demand.low) lines.push_back(texts[kLowDemand]);
    if (demand.high) lines.push_back(texts[kHighDemand] + " " + demand.averageText());
    if (demand.mixed) lines.push_back(texts[kMixedDemand]);
    lines.emplace_back();
    lines.push_back(texts[kBranchIntro]);
    lines.push_back(texts[kBranchIs]);
    lines.push_back(branch >= 1 && branch <= 5 ? texts[kBranchNameBase + branch] : std::string());
    lines.emplace_back();
    lines.push_back("-  " + texts[kSubjectsHeading]);
    lines.push_back(texts[kOwnSubjects]);

    // Subjects 1..30 are the ones weighed; anything else in the table is not a subject here.
    std::array<bool, DegreeTables::kWeightedSubjects + 1> listed{};
    const auto subject = [&](int s) -> const std::string* {
        if (s < 1 || s > DegreeTables::kWeightedSubjects || s > tables.subjectCount())
            return nullptr;
        return &tables.subjects[s];
    };
    for (int f = DegreeTables::kFirstSubject; f <= DegreeTables::kLastSubject; ++f) {
        const int v = tables.attribute(degree, f);
        if (v == DegreeTables::kOwnEntranceTest) {
            lines.push_back("    " + texts[kOwnTestText]);
            break;
        }
        if (const std::string* text = subject(v)) {
            lines.push_back(std::string(kBullet) + *text);
            listed[static_cast<size_t>(v)] = true;
        }
    }
    lines.emplace_back();
    lines.push_back(texts[kRecommended]);
    if (branch == 1) lines.push_back(std::string(kBullet) + texts[kVaryByDegree]);
    for (int s : RecommendedFor(branch)) {
        const std::string* text = subject(s);
        if (!text || listed[static_cast<size_t>(s)]) continue;
        lines.push_back(std::string(kBullet) + *text);
    }
    lines.emplace_back();
    lines.push_back(texts[kSeeWeightings]);
    if (form == RequirementsForm::Short) return lines;

    for (int n : kFromHigherVocational) lines.push_back(texts[n]);
    lines.emplace_back();
    lines.push_back("- " + texts[kAccessHeading]);
    for (int n : kAccessAdvice) lines.push_back(texts[n]);
    return lines;
}

// --- The degrees screen's requirements view and its hand-over to the cut-off window ----------

void DegreesScreen::attachCutOffWindow(CutOffWindow* window) {
    cutOffWindow_ = window;
}

void DegreesScreen::BotReqClick() {
    Handler h(*this);
    state_.doublesMode = false;
    if (state_.pickedFlag) state_.currentDegree = state_.pickedDegree;
    setVisible(C::GridNotas, false);
    setVisible(C::RichSalidas, false);
    hideStarMap();
    const DegreeTables& tables = enlace_.degreeTables;
    const int degree = state_.currentDegree;
    setTitleBar(std::string(Trim(tables.degreeNames[degree])));
    if (state_.printCollect) {
        state_.printLines.emplace_back();
        state_.requirementsStart = static_cast<int>(state_.printLines.size()) - 1;
    }
    std::vector<std::string> lines =
        RequirementsText(tables, enlace_.texts, degree, RequirementsForm::Full);
    if (lines.empty()) return;  // no degree
    if (state_.printCollect) {
        state_.printLines.insert(state_.printLines.end(), lines.begin(), lines.end());
        return;
    }
    setSelLines(std::move(lines));
    setVisible(C::ListSel, true);
    changes_.panelSelTransition = TransitionKind::Radial;
}

void DegreesScreen::handOverToCutOffWindow(bool weightings) {
    // Without the window there is nowhere to go: the screen stays as it is.
    if (!cutOffWindow_) return;
    Handler h(*this);
    setVisible(C::GridNotas, false);
    state_.doublesMode = false;
    hideStarMap();
    changes_.hideScreen = true;
    cutOffWindow_->show();
    if (weightings)
        cutOffWindow_->ShowWeightingsPanel();
    else
        cutOffWindow_->ShowCutOffPanel();
}

void DegreesScreen::BotCorteMouseUp() {
    handOverToCutOffWindow(false);
}

void DegreesScreen::BotPondeMouseUp() {
    handOverToCutOffWindow(true);
}

}  // namespace velmora
