#include "core/vocational/certificates_screen.h"

#include <algorithm>

#include "core/menu/menu_texts.h"
#include "core/printing/report_printer.h"
#include "core/shared/address_opener.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/shared/section_back.h"
#include "core/shared/web_hosts.h"
#include "core/vocational/vocational_queries.h"

namespace velmora {
namespace {

using C = CertControl;

constexpr std::array<std::string_view, kCertControlCount> kNames = {
    "ListSelFp",    "ListTitFP",   "ListFPExpli",     "PanelSelTit0", "PanelSelTit1",
    "PanelSelTit2", "LabelTit1",   "LabelTit2",       "LabelTit3",    "PanelResul",
    "LabelTitulo",  "LabelReq",    "LabelRequisitos", "LabelHor",     "LabelHoras",
    "LabelDes",     "LabelCentro", "BotRetrocederFP", "BotImprimir",  "BotInternet"};

// ImageListIconos: the icon of each area, by position.
constexpr std::array<int, VocationalTables::kCertificateAreas> kAreaIcons = {1, 2, 9,  8, 19,
                                                                             5, 0, 12, 18};
constexpr int kAreaCodeWidth = 8;
// The help told when the screen opens: lines 562 to 568.
constexpr int kFirstHelpText = 562;
constexpr int kHelpLines = 7;
// The captions' slide: 4 pixels a tick, down to these lefts; the third starts 250 pixels past
// its bar.
constexpr int kSlideStep = 4;
constexpr std::array<int, 3> kSlideEnds = {30, 50, 80};
constexpr int kThirdCaptionStart = 250;
constexpr int kListBorder = 4;  // what a list adds to its rows' height
constexpr int kRequirementSlotWidth = 25;
constexpr int kIndent = 7;  // a requirement under its heading in the report

constexpr int kBackText = 82;
constexpr int kPrintText = 36;
constexpr int kChooseAreaText = 577;
constexpr int kChooseFamilyText = 578;
constexpr int kChooseCertificateText = 579;
constexpr int kCertificatesText = 580;
constexpr int kRequirementsText = 581;
constexpr int kHoursText = 582;
constexpr int kFamilyText = 583;
constexpr int kMoreInformationText = 568;

QString Text(std::string_view bytes) {
    return cp1252::Decode(bytes);
}

// Columns 2-60 of a line of "certifica", without trailing blanks.
std::string EntryText(std::string_view line) {
    return std::string(TrimRight(line.substr(std::min<size_t>(1, line.size()))));
}

}  // namespace

std::string_view CertControlName(CertControl control) {
    return kNames[static_cast<size_t>(control)];
}

CertificatesScreen::CertificatesScreen(Enlace& enlace, Printing& printing, AddressOpener& opener)
    : enlace_(enlace), printing_(printing), opener_(opener) {
    for (C c : {C::ListTitFP, C::ListFPExpli, C::PanelSelTit1, C::PanelSelTit2, C::PanelResul,
                C::BotImprimir, C::BotInternet})
        view_.controls.setVisible(c, false);
    for (C c : {C::ListSelFp, C::ListTitFP, C::ListFPExpli, C::BotRetrocederFP, C::BotImprimir,
                C::BotInternet})
        view_.controls.setCursor(c, CursorKind::Hand);
}

void CertificatesScreen::FormCreate() {
    const InterfaceTexts& t = enlace_.texts;
    view_.windowTitle = VocationalWindowTitle(t, enlace_.settings.schoolName);
    const std::pair<C, int> captions[] = {{C::LabelTit1, kChooseAreaText},
                                          {C::LabelTit2, kChooseFamilyText},
                                          {C::LabelTit3, kChooseCertificateText},
                                          {C::LabelReq, kRequirementsText},
                                          {C::LabelHor, kHoursText},
                                          {C::LabelCentro, kCertificatesText},
                                          {C::BotRetrocederFP, kBackText},
                                          {C::BotImprimir, kPrintText}};
    for (const auto& [control, text] : captions) setCaption(control, CaptionText(t[text]));
    // The address is the same in every language.
    setCaption(C::BotInternet,
               QString::fromLatin1(kEmploymentServiceSite).section(QLatin1Char('/'), 2));
    view_.controls.setHint(C::BotInternet, CaptionText(t[kMoreInformationText]));

    const VocationalTables& v = enlace_.vocational;
    view_.areaRows.clear();
    for (int a = 1; a <= VocationalTables::kCertificateAreas; ++a) {
        Cell cell;
        cell.text = Text(Trim(v.certificateAreas[static_cast<size_t>(a)].name));
        cell.kind = RowKind::Icon;
        cell.icon = kAreaIcons[static_cast<size_t>(a - 1)];
        cell.textLeft = 35;
        cell.textTop = 2;
        view_.areaRows.push_back(std::move(cell));
    }
    touch(CertificatesChanges::AreaRows);
    touch(CertificatesChanges::Controls);
}

void CertificatesScreen::FormActivate() {
    setVisible(C::PanelSelTit0, true);
    view_.captionLefts = {kCaptionWidths[0], kCaptionWidths[1],
                          kCaptionWidths[2] + kThirdCaptionStart};
    view_.sliding = false;
    touch(CertificatesChanges::Places);
    HelpPanel::Set set{};
    for (int k = 0; k < kHelpLines; ++k) set[static_cast<size_t>(k)] = kFirstHelpText + k;
    help_.show(set, enlace_.texts);
    touch(CertificatesChanges::Help);
}

void CertificatesScreen::helpFinished() {
    if (view_.sliding) return;
    view_.sliding = true;
    touch(CertificatesChanges::Places);
}

void CertificatesScreen::tickSlide() {
    if (!view_.sliding) return;
    std::array<int, 3>& left = view_.captionLefts;
    if (view_.controls.isVisible(C::PanelSelTit0) && left[0] > kSlideEnds[0]) left[0] -= kSlideStep;
    if (view_.controls.isVisible(C::PanelSelTit1) && left[1] > kSlideEnds[1]) left[1] -= kSlideStep;
    if (view_.controls.isVisible(C::PanelSelTit2)) {
        if (left[2] > kSlideEnds[2]) {
            left[2] -= kSlideStep;
        } else {
            view_.sliding = false;
        }
    }
    touch(CertificatesChanges::Places);
}

// --- Areas, families and certificates ----------------------------------------------------------

void CertificatesScreen::ListSelFpMouseMove(int row) {
    if (areaChosen_ || row < 0 || row >= static_cast<int>(view_.areaRows.size()) ||
        row == hoverArea_)
        return;
    hoverArea_ = row;
    view_.areaSelected = row;
    touch(CertificatesChanges::AreaRows);
}

std::vector<Cell> CertificatesScreen::Rows(const std::vector<std::string>& texts) const {
    std::vector<Cell> rows;
    for (const std::string& text : texts) {
        Cell cell;
        cell.text = Text(text);
        cell.textLeft = 4;
        rows.push_back(std::move(cell));
    }
    return rows;
}

void CertificatesScreen::ListSelFpMouseUp(int row) {
    if (row < 0 || row >= static_cast<int>(view_.areaRows.size())) return;
    areaChosen_ = true;
    view_.areaSelected = row;
    touch(CertificatesChanges::AreaRows);
    const VocationalTables& v = enlace_.vocational;
    const std::string_view code = v.certificateAreas[static_cast<size_t>(row + 1)].code;
    // The families of the area in the file's order, each once.
    familyEntries_.clear();
    std::vector<std::string> names;
    for (int c = 1; c <= v.certificates.count; ++c) {
        const std::string_view line = v.certificates[c];
        if (line.size() < 2 || line[1] != '-' || line[0] == ' ') continue;
        if (code.substr(0, kAreaCodeWidth).find(line[0]) == std::string_view::npos) continue;
        familyEntries_.push_back(c);
        names.push_back(EntryText(line));
    }
    view_.familyRows = Rows(names);
    view_.familySelected = -1;
    touch(CertificatesChanges::FamilyRows);
    setVisible(C::ListSelFp, false);
    setVisible(C::PanelSelTit0, false);
    setVisible(C::PanelSelTit1, true);
    setVisible(C::ListTitFP, true);
    certificateEntries_.clear();
    view_.certificateRows.clear();
    view_.certificateSelected = -1;
    touch(CertificatesChanges::CertificateRows);
    hoverFamily_ = -1;
    frozen_ = false;
    setPlaces();
}

void CertificatesScreen::setPlaces() {
    view_.familyListHeight = static_cast<int>(view_.familyRows.size()) * kRowHeight + kListBorder;
    const int row = std::max(hoverFamily_, 0);
    view_.certificateListTop = kListTop + kListBorder / 2 + row * kRowHeight;
    view_.certificateCaptionTop = view_.certificateListTop - kCaptionHeight + 1;
    // A long list scrolls rather than run over the details.
    view_.certificateListHeight =
        std::min(static_cast<int>(view_.certificateRows.size()) * kRowHeight + kListBorder,
                 kCertificatesBottom - view_.certificateListTop);
    touch(CertificatesChanges::Places);
}

void CertificatesScreen::listCertificates(int row) {
    const VocationalTables& v = enlace_.vocational;
    hoverFamily_ = row;
    view_.familySelected = row;
    touch(CertificatesChanges::FamilyRows);
    setVisible(C::ListFPExpli, true);
    setVisible(C::PanelSelTit2, true);
    // Every certificate of the family's key, wherever it stands in the file.
    const char key = v.certificates[familyEntries_[static_cast<size_t>(row)]][0];
    certificateEntries_.clear();
    std::vector<std::string> names;
    for (int c = 1; c <= v.certificates.count; ++c) {
        const std::string_view line = v.certificates[c];
        if (line.size() < 2 || line[0] != key || line[1] == '-') continue;
        certificateEntries_.push_back(c);
        names.push_back(EntryText(line));
    }
    view_.certificateRows = Rows(names);
    view_.certificateSelected = -1;
    touch(CertificatesChanges::CertificateRows);
    setPlaces();
}

void CertificatesScreen::ListTitFPMouseMove(int row) {
    if (frozen_ || row < 0 || row >= static_cast<int>(familyEntries_.size()) || row == hoverFamily_)
        return;
    listCertificates(row);
}

void CertificatesScreen::ListTitFPMouseUp(int row) {
    if (row < 0 || row >= static_cast<int>(familyEntries_.size())) return;
    // A click keeps the family's certificates while the pointer moves on, and a second click
    // lets them follow it again; a click on another family keeps that one's.
    if (row != hoverFamily_) {
        listCertificates(row);
        frozen_ = true;
    } else {
        frozen_ = !frozen_;
    }
    view_.familySelected = row;
    touch(CertificatesChanges::FamilyRows);
    setVisible(C::BotImprimir, true);
    setVisible(C::BotInternet, true);
}

void CertificatesScreen::ListFPExpliMouseUp(int row) {
    if (row < 0 || row >= static_cast<int>(certificateEntries_.size())) return;
    frozen_ = false;
    view_.certificateSelected = row;
    touch(CertificatesChanges::CertificateRows);
    const CertificateFacts facts =
        FactsOfCertificate(enlace_.vocational, certificateEntries_[static_cast<size_t>(row)]);
    QString requirements;
    for (const std::string& label : facts.requirements)
        requirements += Text(label) + QLatin1Char('\n');
    for (C c : {C::BotImprimir, C::BotInternet, C::PanelResul}) setVisible(c, true);
    setCaption(C::LabelTitulo, Text(facts.name));
    setCaption(C::LabelRequisitos, requirements);
    setCaption(C::LabelHoras, Text(facts.hours));
    setCaption(C::LabelDes, Text(facts.description));
}

// --- Printing and the web page -----------------------------------------------------------------

ResultReport CertificatesScreen::CertificatesReport() const {
    const VocationalTables& v = enlace_.vocational;
    const InterfaceTexts& t = enlace_.texts;
    ResultReport report;
    report.title = t[kCertificatesText];
    report.add(t[kFamilyText] + ":");
    const int family = hoverFamily_ >= 0 ? familyEntries_[static_cast<size_t>(hoverFamily_)] : 0;
    report.add(family > 0 ? EntryText(v.certificates[family]) : std::string(), true);
    report.add({});
    for (const int c : certificateEntries_) {
        const CertificateFacts facts = FactsOfCertificate(v, c);
        report.add(facts.name, true);
        const std::string_view hours = v.certificateHours[c];
        report.add(
            std::string(TrimRight(hours.size() > 7 ? hours.substr(7, 60) : std::string_view())));
        report.add(t[kRequirementsText]);
        // One slot for each of the three codes: its label, cut to fit.
        for (size_t i = 0; i < 3 && i < hours.size(); ++i) {
            if (hours[i] == ' ') continue;
            for (size_t a = 1; a < v.hourLabels.size(); ++a) {
                const std::string& label = v.hourLabels[a];
                if (label.empty() || label[0] != hours[i]) continue;
                report.add(std::string(kIndent, ' ') +
                           std::string(TrimRight(label.substr(1, kRequirementSlotWidth))));
                break;
            }
        }
        report.add(t[kHoursText] + ": " + facts.hours);
        report.add({});
    }
    return report;
}

void CertificatesScreen::BotImprimirClick() {
    if (certificateEntries_.empty()) return;
    ReportPrinter(enlace_, printing_).PrintTextReport(CertificatesReport(), false, kReportSize);
}

void CertificatesScreen::BotInternetMouseUp() {
    opener_.open(QString::fromLatin1(kEmploymentServiceSite) +
                 QString::fromLatin1(kCertificatesPage));
}

// --- Going back --------------------------------------------------------------------------------

void CertificatesScreen::showAreas() {
    setVisible(C::ListSelFp, true);
    setVisible(C::PanelSelTit0, true);
    // The areas follow the pointer again until one is chosen.
    areaChosen_ = false;
    hoverArea_ = -1;
}

std::optional<LeaveTo> CertificatesScreen::BotRetrocederFPClick() {
    for (C c : {C::PanelSelTit1, C::PanelSelTit2, C::ListTitFP, C::ListFPExpli, C::BotImprimir,
                C::BotInternet})
        setVisible(c, false);
    hoverFamily_ = -1;
    frozen_ = false;
    if (!view_.controls.isVisible(C::ListSelFp)) {
        // The details of the last certificate stay on show.
        showAreas();
        return std::nullopt;
    }
    setVisible(C::PanelResul, false);
    return SectionBack(enlace_);
}

LeaveTo CertificatesScreen::FormClose() {
    if (const auto where = BotRetrocederFPClick()) return *where;
    setVisible(C::PanelResul, false);
    return SectionBack(enlace_);
}

}  // namespace velmora
