#include "core/vocational/cutoff_window.h"

#include <QCollator>
#include <QDir>
#include <QLocale>
#include <algorithm>
#include <span>

#include "core/menu/menu_texts.h"
#include "core/shared/cp1252.h"
#include "core/shared/documents.h"
#include "core/shared/enlace.h"
#include "core/university/where_to_study.h"

namespace velmora {
namespace {

constexpr int kHeading = 696;
constexpr int kWhatItShows = 695;
constexpr int kThresholdCaptions[3] = {690, 691, 692};
constexpr int kClickADegree = 694;
constexpr int kTotal = 693;
constexpr int kClose = 13;
constexpr int kWeightingsHeading = 689;
constexpr int kDoubleClick = 678;
constexpr int kToOpenIt = 239;

// A whole number right-aligned in at least `width` characters.
std::string RightAligned(int value, size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

// The cut-off marks of degree d, entries 1..n of its list (n its own count).
std::span<const std::uint8_t> MarksOf(const DegreeTables& tables, int degree) {
    const std::span<const std::uint8_t> row = tables.offerings.cutOffTenths.row(degree);
    if (row.empty()) return row;
    return row.subspan(1, std::min<size_t>(row[0], row.size() - 1));
}

}  // namespace

std::vector<HighCutOffRow> ListHighCutOffs(const DegreeTables& tables, int threshold) {
    std::vector<HighCutOffRow> rows;
    for (int d = 1; d <= tables.degreeCount(); ++d) {
        int qualifying = 0;
        int marked = 0;
        for (const int mark : MarksOf(tables, d)) {
            const bool hasMark = mark != DegreeTables::kNoMark;
            marked += hasMark;
            qualifying += hasMark && mark >= threshold;
        }
        if (qualifying > 0) rows.push_back({d, qualifying, marked});
    }
    return rows;
}

std::vector<MarkedOffering> OfferingsReaching(const DegreeTables& tables, int degree,
                                              int threshold) {
    std::vector<MarkedOffering> out;
    const std::span<const std::uint8_t> marks = MarksOf(tables, degree);
    for (size_t i = 0; i < marks.size(); ++i) {
        const int mark = marks[i];
        if (mark == DegreeTables::kNoMark || mark < threshold) continue;
        out.push_back({tables.offerings.places.at(degree, static_cast<int>(i) + 1), mark});
    }
    return out;
}

std::string CountsText(int qualifying, int marked) {
    return RightAligned(qualifying, 2) + "  (" + RightAligned(marked, 2) + ")";
}

bool IsPdfName(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 && name.mid(dot).compare(QLatin1String(".pdf"), Qt::CaseInsensitive) == 0;
}

QStringList ListPdfDocuments(const QString& folder) {
    QStringList names;
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists()) return names;
    for (const QString& name : dir.entryList(QDir::Files | QDir::NoDotAndDotDot))
        if (IsPdfName(name)) names << name;
    // The order a person expects of a list of universities, whatever the machine's language.
    QCollator collator{QLocale(QLocale::Spanish, QLocale::Spain)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), [&collator](const QString& a, const QString& b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

CutOffWindow::CutOffWindow(Enlace& enlace, AddressOpener& opener)
    : enlace_(enlace), opener_(opener) {}

void CutOffWindow::FormCreate() {
    const InterfaceTexts& t = enlace_.texts;
    view_.windowTitle = QStringLiteral("Velmora");
    view_.labelCorteSelecti = CaptionText(t[kHeading] + "  " + std::string(kSchoolYear));
    view_.labelCorte1 = CaptionText(t[kWhatItShows]);
    for (size_t i = 0; i < view_.thresholdButtons.size(); ++i)
        view_.thresholdButtons[i] = CaptionText(t[kThresholdCaptions[i]]);
    view_.labelCorte2 = CaptionText(t[kClickADegree]);
    view_.labelTotal = CaptionText(t[kTotal]);
    view_.closeButtons = CaptionText(t[kClose]);
    view_.labelPondera1 = CaptionText(t[kWeightingsHeading]);
    view_.labelUni2 = QStringLiteral("PDFs");
    view_.labelUnis = CaptionText(t[kDoubleClick] + " " + t[kToOpenIt]);
    touch(CutOffChanges::Captions);
    notify();
}

CutOffChanges CutOffWindow::takeChanges() {
    CutOffChanges out = changes_;
    changes_ = CutOffChanges{};
    return out;
}

QString CutOffWindow::documentsFolder() const {
    return enlace_.paths.dataFile(QStringLiteral("pdf/"));
}

void CutOffWindow::notify() {
    if (onChange_ && changes_.any()) onChange_();
}

void CutOffWindow::show() {
    if (view_.visible) return;
    view_.visible = true;
    touch(CutOffChanges::Window);
    notify();
}

void CutOffWindow::ShowCutOffPanel() {
    view_.weightingsPanel = false;
    view_.cutOffPanel = true;
    touch(CutOffChanges::Panels);
    notify();
}

void CutOffWindow::ShowWeightingsPanel() {
    view_.cutOffPanel = false;
    view_.weightingsPanel = true;
    touch(CutOffChanges::Panels);
    view_.documents = ListPdfDocuments(documentsFolder());
    view_.selectedDocument = view_.documents.isEmpty() ? -1 : 0;
    touch(CutOffChanges::Documents);
    notify();
}

void CutOffWindow::thresholdClick(int index) {
    view_.offeringRows.clear();
    view_.offeringsShown = false;
    touch(CutOffChanges::Offerings);
    view_.labelCorte3.clear();
    view_.labelMasde = view_.thresholdButtons[static_cast<size_t>(index)];
    touch(CutOffChanges::Labels);
    ListHighCutOffs(kThresholds[index]);
    notify();
}

void CutOffWindow::ListHighCutOffs(int threshold) {
    const DegreeTables& tables = enlace_.degreeTables;
    threshold_ = threshold;
    rows_ = velmora::ListHighCutOffs(tables, threshold);
    view_.degreesShown = true;
    view_.degreeRows.clear();
    view_.degreeRows.reserve(rows_.size());
    for (const HighCutOffRow& row : rows_) {
        const std::string_view name = Bounded(tables.degreeNames[row.degree], kNameWidth);
        view_.degreeRows.push_back(
            {cp1252::Decode(name), QString::fromLatin1(CountsText(row.qualifying, row.marked))});
    }
    touch(CutOffChanges::Degrees);
}

void CutOffWindow::LClick(int row) {
    if (row < 0 || static_cast<size_t>(row) >= rows_.size()) return;
    const DegreeTables& tables = enlace_.degreeTables;
    const HighCutOffRow& chosen = rows_[static_cast<size_t>(row)];
    view_.labelCorte3 = view_.degreeRows[static_cast<size_t>(row)][0];
    touch(CutOffChanges::Labels);
    view_.offeringsShown = true;
    view_.offeringRows.clear();
    for (const MarkedOffering& offering : OfferingsReaching(tables, chosen.degree, threshold_))
        view_.offeringRows.push_back({cp1252::Decode(tables.place(offering.place).name),
                                      QString::fromLatin1(FormatCutOff(offering.mark))});
    touch(CutOffChanges::Offerings);
    notify();
}

void CutOffWindow::ListUnisDblClick(int row) {
    if (row < 0 || row >= view_.documents.size()) return;
    if (view_.selectedDocument != row) {
        view_.selectedDocument = row;
        touch(CutOffChanges::Documents);
    }
    // The name as the folder holds it: a blank at either end is part of the file's name.
    OpenDocument(opener_, enlace_.messages, documentsFolder() + view_.documents[row]);
    notify();
}

void CutOffWindow::close() {
    if (view_.visible) {
        view_.visible = false;
        touch(CutOffChanges::Window);
    }
    changes_.showOwner = true;
    notify();
}

void CutOffWindow::BotCerrar3Click() {
    view_.cutOffPanel = false;
    touch(CutOffChanges::Panels);
    close();
}

void CutOffWindow::Botcerrar4Click() {
    view_.weightingsPanel = false;
    touch(CutOffChanges::Panels);
    close();
}

void CutOffWindow::FormClose() {
    close();
}

}  // namespace velmora
