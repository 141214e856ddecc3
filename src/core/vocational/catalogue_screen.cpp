#include "core/vocational/catalogue_screen.h"

#include <algorithm>
#include <climits>

#include "core/menu/menu_texts.h"
#include "core/printing/report_printer.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/shared/keyed_lines.h"
#include "core/shared/section_back.h"
#include "core/university/requirements.h"
#include "core/vocational/vocational_queries.h"

namespace velmora {
namespace {

using C = CatControl;
using L = CatalogueList;

constexpr std::array<std::string_view, kCatControlCount> kNames = {
    "ListFam",   "ListCat1", "ListCat2", "ListCat3",  "ListCat4",    "ListCat5",
    "Label1",    "Label2",   "Label3",   "Label4",    "Label5",      "LabelFami",
    "LabelAyu0", "panelsel", "ListSel",  "botcerrar", "BotImprimir", "BotRetroceder"};

// The captions of the five lists: degrees, GS, GM, basic, certificates.
constexpr std::array<int, kCatalogueLists> kListTexts = {299, 47, 113, 263, 580};
constexpr int kCloseText = 13;
constexpr int kPrintText = 36;
constexpr int kBackText = 82;
constexpr int kFamiliesText = 575;
constexpr int kChooseFamilyText = 578;
constexpr int kSeeAllText = 442;
constexpr int kCatalogueText = 103;
constexpr int kAccessText = 29;
constexpr int kRequirementsText = 277;
constexpr int kJobsText = 271;
constexpr int kHoursText = 582;
constexpr int kLomceText = 438;
// The extra information line of the sports and the arts families, for GS and GM.
constexpr char kSportsKey = '1';
constexpr char kArtsKey = '5';
constexpr std::array<int, 2> kSportsLines = {181, 182};
constexpr std::array<int, 2> kArtsLines = {176, 177};
// The informative lines of the earlier GS titles' access, and of the basic titles' access.
constexpr std::string_view kLomceKey = "18";
constexpr std::string_view kBasicAccessKey = " 8";
constexpr int kJobEntries = 5;
constexpr int kBlankJob = 5;  // a basic title's job whose first five characters are blank is none
constexpr int kListLimit = 600;

QString Text(std::string_view bytes) {
    return cp1252::Decode(bytes);
}

std::string Shown(std::string_view line) {
    return std::string(TrimRight(line));
}

}  // namespace

std::string_view CatControlName(CatControl control) {
    return kNames[static_cast<size_t>(control)];
}

CatalogueScreen::CatalogueScreen(Enlace& enlace, Printing& printing)
    : enlace_(enlace), printing_(printing) {
    for (C c : {C::ListFam, C::ListCat1, C::ListCat2, C::ListCat3, C::ListCat4, C::ListCat5,
                C::botcerrar, C::BotImprimir, C::BotRetroceder})
        view_.controls.setCursor(c, CursorKind::Hand);
    view_.controls.setVisible(C::panelsel, false);
    view_.controls.setVisible(C::BotImprimir, false);
    view_.helpLeft = kHelpStart;
}

void CatalogueScreen::FormCreate() {
    const InterfaceTexts& t = enlace_.texts;
    view_.windowTitle = VocationalWindowTitle(t, enlace_.settings.schoolName);
    const C labels[] = {C::Label1, C::Label2, C::Label3, C::Label4, C::Label5};
    for (int k = 0; k < kCatalogueLists; ++k)
        setCaption(labels[k], CaptionText(t[kListTexts[static_cast<size_t>(k)]]));
    setCaption(C::LabelFami, CaptionText(t[kFamiliesText]));
    setCaption(C::LabelAyu0,
               CaptionText(std::string(TrimRight(t[kChooseFamilyText])) + " " + t[kSeeAllText]));
    setCaption(C::botcerrar, CaptionText(t[kCloseText]));
    setCaption(C::BotImprimir, CaptionText(t[kPrintText]));
    setCaption(C::BotRetroceder, CaptionText(t[kBackText]));

    const VocationalTables& v = enlace_.vocational;
    view_.familyRows.clear();
    for (int k = 1; k <= VocationalTables::kFamilies; ++k) {
        const std::string& line = v.families[k];
        Cell cell;
        cell.text =
            Text(TrimRight(std::string_view(line).substr(std::min<size_t>(1, line.size()))));
        cell.kind = RowKind::Icon;
        cell.icon = FamilyIconIndex(k);
        cell.iconLeft = 0;
        cell.textLeft = 32;
        cell.textTop = 5;
        view_.familyRows.push_back(std::move(cell));
    }
    touch(CatalogueChanges::FamilyRows);
    touch(CatalogueChanges::Controls);
}

void CatalogueScreen::FormActivate() {
    view_.helpLeft = kHelpStart;
    view_.sliding = true;
    touch(CatalogueChanges::Places);
}

void CatalogueScreen::tickSlide() {
    if (!view_.sliding) return;
    view_.helpLeft -= kSlideStep;
    if (view_.helpLeft <= kHelpEnd) view_.sliding = false;
    touch(CatalogueChanges::Places);
}

// --- A family ----------------------------------------------------------------------------------

void CatalogueScreen::add(CatalogueList list, int entry, std::string_view text) {
    std::vector<int>& entries = entries_[static_cast<size_t>(list)];
    if (static_cast<int>(entries.size()) >= kListLimit) return;
    entries.push_back(entry);
    texts_[static_cast<size_t>(list)].push_back(Shown(text));
    Cell cell;
    cell.text = Text(texts_[static_cast<size_t>(list)].back());
    cell.textLeft = 2;
    view_.lists[static_cast<size_t>(list)].push_back(std::move(cell));
}

void CatalogueScreen::ListFamClick(int row) {
    if (row < 0 || row >= static_cast<int>(view_.familyRows.size())) return;
    const VocationalTables& v = enlace_.vocational;
    const DegreeTables& d = enlace_.degreeTables;
    const std::string& line = v.families[row + 1];
    key_ = line.empty() ? ' ' : line[0];
    family_ = FamilyNumberOfKey(key_);
    familyName_ = Shown(std::string_view(line).substr(std::min<size_t>(1, line.size())));
    view_.familySelected = row;
    touch(CatalogueChanges::FamilyRows);
    botcerrarClick();
    for (auto& entries : entries_) entries.clear();
    for (auto& texts : texts_) texts.clear();
    for (auto& rows : view_.lists) rows.clear();
    // A line of "familias" without a family key lists nothing.
    if (family_ > 0) {
        for (int t = 1; t <= d.degreeCount(); ++t)
            if (d.attribute(t, DegreeTables::kCatalogueCategory) == family_)
                add(L::Degrees, t, d.degreeNames[t]);
        for (int t = 1; t <= std::min(v.titlesGS.count, VocationalTables::kTitles); ++t)
            if (v.factsOfGS(t).family == family_) add(L::Higher, t, v.titlesGS[t]);
        for (int t = 1; t <= std::min(v.titlesGM.count, VocationalTables::kTitles); ++t)
            if (v.factsOfGM(t).family == family_) add(L::Intermediate, t, v.titlesGM[t]);
        // The last family's basic titles run to the end of the file.
        const TitleRange basic =
            TitlesOfFamily(v.basicHeaders, v.basicHeaderCount, family_, v.titlesBasic.count);
        for (int t = basic.first; t <= basic.last; ++t) add(L::Basic, t, v.titlesBasic[t]);
        for (int c = 1; c <= v.certificates.count; ++c) {
            const std::string& cert = v.certificates[c];
            if (cert.size() >= 2 && cert[0] == key_ && cert[1] != '-')
                add(L::Certificates, c, std::string_view(cert).substr(1));
        }
    }
    // The sports and the arts families point to the titles taught outside vocational training;
    // their line stands for no title, so a click on it shows nothing.
    const std::array<int, 2>* extra = key_ == kSportsKey ? &kSportsLines
                                      : key_ == kArtsKey ? &kArtsLines
                                                         : nullptr;
    if (extra) {
        add(L::Higher, 0, enlace_.texts[(*extra)[0]]);
        add(L::Intermediate, 0, enlace_.texts[(*extra)[1]]);
    }
    touch(CatalogueChanges::Lists);
    setVisible(C::BotImprimir, true);
}

// --- The details of an entry -------------------------------------------------------------------

void CatalogueScreen::showDetails(CatalogueList list,
                                  std::vector<std::pair<std::string, bool>> lines) {
    RichText text;
    text.pointSize = 9;
    for (const auto& [line, heading] : lines)
        text.add(Text(Shown(line)), ColourOf(heading ? PaletteColour::Green : PaletteColour::Black),
                 heading, false);
    view_.details = std::move(text);
    view_.detailsOf = list;
    touch(CatalogueChanges::Details);
    setVisible(C::panelsel, true);
}

void CatalogueScreen::ListCatClick(CatalogueList list, int row) {
    const std::vector<int>& entries = entries_[static_cast<size_t>(list)];
    if (row < 0 || row >= static_cast<int>(entries.size())) return;
    const int n = entries[static_cast<size_t>(row)];
    if (n == 0) return;  // an information line
    const VocationalTables& v = enlace_.vocational;
    const InterfaceTexts& t = enlace_.texts;
    std::vector<std::pair<std::string, bool>> lines;
    auto heading = [&](int text) { lines.emplace_back(t[text], true); };
    auto plain = [&](const std::vector<std::string>& more) {
        for (const std::string& line : more) lines.emplace_back(line, false);
    };
    switch (list) {
        case L::Degrees:
            // The short requirements of the degree: its lines that start with "-" are headings.
            for (const std::string& line :
                 RequirementsText(enlace_.degreeTables, t, n, RequirementsForm::Short)) {
                const bool isHeading = !line.empty() && line[0] == '-';
                lines.emplace_back(isHeading ? std::string(Trim(line.substr(1))) : line, isHeading);
            }
            break;
        case L::Higher: {
            heading(kRequirementsText);
            for (const int access : v.factsOfGS(n).accessLines)
                if (access != 0) plain({v.accessLinesGS[access]});
            plain({std::string()});
            // The titles of the catalogue before the LOMCE one say what its access is now.
            const int bar = v.marksGS.firstBarLine > 0 ? v.marksGS.firstBarLine : INT_MAX;
            if (n < bar) {
                plain({"      **  " + t[kLomceText] + " LOMCE **"});
                plain(enlace_.informa.linesForKey(kLomceKey));
            }
            plain({std::string()});
            heading(kJobsText);
            plain(BlockEntries(v.blocksGS, n, 1, kJobEntries));
            break;
        }
        case L::Intermediate:
            heading(kRequirementsText);
            plain(GMRequirementLines(v, enlace_.informa, n));
            plain({std::string()});
            // The arts titles have no jobs of their own in the blocks.
            if (key_ != kArtsKey) {
                heading(kJobsText);
                plain(BlockEntries(v.blocksGM, n, 1, kJobEntries));
            }
            break;
        case L::Basic:
            heading(kAccessText);
            plain(enlace_.informa.linesForKey(kBasicAccessKey));
            plain({std::string()});
            heading(kJobsText);
            for (const std::string& job : BlockEntries(v.blocksBasic, n, 1, kJobEntries))
                if (!Trim(std::string_view(job).substr(0, kBlankJob)).empty()) plain({job});
            break;
        case L::Certificates: {
            const CertificateFacts facts = FactsOfCertificate(v, n);
            heading(kAccessText);
            plain(facts.requirements);
            heading(kHoursText);
            plain({facts.hours});
            heading(kJobsText);
            plain({facts.description});
            break;
        }
    }
    showDetails(list, std::move(lines));
}

void CatalogueScreen::botcerrarClick() {
    if (!view_.controls.isVisible(C::panelsel)) return;
    setVisible(C::panelsel, false);
    touch(CatalogueChanges::PanelClosed);
}

// --- Printing and leaving ----------------------------------------------------------------------

ResultReport CatalogueScreen::FamilyReport() const {
    ResultReport report;
    if (family_ == 0 && familyName_.empty()) return report;
    const InterfaceTexts& t = enlace_.texts;
    report.title = std::string(TrimRight(t[kCatalogueText])) + ": " + familyName_;
    for (int k = 0; k < kCatalogueLists; ++k) {
        const std::vector<std::string>& texts = texts_[static_cast<size_t>(k)];
        if (texts.empty()) continue;
        report.add({});
        report.add(std::string(TrimRight(t[kListTexts[static_cast<size_t>(k)]])), true);
        for (const std::string& text : texts) report.add(" -" + text);
    }
    return report;
}

void CatalogueScreen::BotImprimirMouseUp() {
    if (view_.familySelected < 0) return;
    ReportPrinter(enlace_, printing_).PrintTextReport(FamilyReport(), false, kReportSize);
}

LeaveTo CatalogueScreen::BotRetrocederMouseUp() {
    botcerrarClick();
    return SectionBack(enlace_);
}

}  // namespace velmora
