#include "core/printing/report_layout.h"

#include <algorithm>

namespace velmora {
namespace {

const QString kCourierNew = QStringLiteral("Courier New");
const QString kArial = QStringLiteral("Arial");

bool IsBlank(QChar c) { return c.unicode() <= ' '; }

QString TrimmedRight(const QString& text) {
    qsizetype n = text.size();
    while (n > 0 && IsBlank(text[n - 1])) --n;
    return text.left(n);
}

QString Trimmed(const QString& text) {
    const QString right = TrimmedRight(text);
    qsizetype i = 0;
    while (i < right.size() && IsBlank(right[i])) ++i;
    return right.mid(i);
}

int CeilDiv(int a, int b) { return (a + b - 1) / b; }

// Line `number` (from 1) of the report; lines past the end print as nothing.
const ReportLine& LineAt(const Report& report, int number) {
    static const ReportLine kNone;
    if (number < 1 || number > static_cast<int>(report.lines.size())) return kNone;
    return report.lines[static_cast<size_t>(number - 1)];
}

PrintedDocument LayOutText(const Report& report, const PageMetrics& metrics,
                           TextMeasurer& measurer) {
    const int perPage = TextLinesPerPage(report.fontSize);
    PrinterPage page(report.documentName, Orientation::Portrait, metrics, measurer);
    page.SetFontFamily(report.monospaced ? kCourierNew : kArial);
    page.PageSetup(50, perPage + 8, 1);
    PrintHeader(page, report, kPortraitHeader, 0);
    const int count = static_cast<int>(report.lines.size());
    int n = 0;
    for (int i = 1; i <= count; ++i) {
        ++n;
        const ReportLine& line = LineAt(report, i);
        page.SetFontSize(report.fontSize);
        page.SetBold(line.bold);
        page.MoveToCell(5, n + 5);
        page.TextLeft(line.text);
        if (n > perPage && i < count) {
            page.NewPage();
            n = 0;
        }
    }
    return page.EndDocument();
}

PrintedDocument LayOutList(const Report& report, const PageMetrics& metrics,
                           TextMeasurer& measurer) {
    const bool mono = report.monospaced;
    const int gridColumns = mono ? 150 : 130;
    const int width = mono ? 50 : 40;  // C
    const int gap = mono ? 0 : 2;      // G
    const int columnAt[3] = {gap + 2, gap + width + gap, 2 * width + 3 * gap};
    const ListGeometry geometry = ListGeometryFor(static_cast<int>(report.lines.size()), mono);
    const int rows = geometry.rowsPerColumn;

    PrinterPage page(report.documentName, Orientation::Landscape, metrics, measurer);
    page.SetFontFamily(mono ? kCourierNew : kArial);
    page.PageSetup(gridColumns, rows + 8, 1);
    int first = 1;
    for (int number = 1;; ++number) {
        PrintHeader(page, report, kLandscapeHeader, geometry.pages > 1 ? number : 0);
        for (int r = 1; r <= rows; ++r) {
            for (int c = 0; c < 3; ++c) {
                const ReportLine& line = LineAt(report, first + r - 1 + c * rows);
                page.SetFontSize(8);
                page.SetBold(line.bold);
                page.MoveToCell(columnAt[c], r + 5);
                page.TextLeft(TrimmedRight(line.text));
            }
        }
        if (number >= geometry.pages) break;
        first = number * rows * 3 + 1;
        page.NewPage();
    }
    return page.EndDocument();
}

}  // namespace

int TextLinesPerPage(int fontSize) { return fontSize == 12 ? 50 : 70; }

ListGeometry ListGeometryFor(int count, bool monospaced) {
    count = std::max(count, 0);
    if (count <= 150) return {CeilDiv(count, 3), 1};
    if (monospaced) return {50, CeilDiv(count, 150)};
    const int k = CeilDiv(count, 50);
    return {CeilDiv(count, k), CeilDiv(k, 3)};
}

void PrintHeader(PrinterPage& page, const Report& report, const HeaderBox& box, int pageNumber) {
    const double L = box.left, R = box.right, T = box.top, H = box.height;
    const bool list = report.layout == ReportLayout::List;
    page.SetBold(true);
    page.RectInches(L, T, R, T + H);
    page.StretchPicture(page.MakeRectInches(L + 0.1, T + 0.03, L + 0.45, T + 0.58),
                        report.pictureName);
    page.SetFontSize(10);
    page.MoveToInches(R - 0.05, T + 0.1);
    page.TextRight(report.headerLabel);
    page.MoveToInches(R - 0.05, T + 0.4);
    page.TextRight(report.year);
    if (list) {
        page.EllipseInches(R + 0.2, T, R + H + 0.2, T + H);
        page.SetFontSize(16);
        page.MoveToInches(R + 0.5, T + 0.2);
        page.TextLeft(pageNumber > 0 ? QString::number(pageNumber) : QString());
    }
    page.SetFontSize(12);
    page.MoveToInches((L + R) / 2, T + 0.1);
    page.TextCentred(report.schoolName);
    page.SetFontSize(list ? 11 : 12);
    page.MoveToInches(L + 0.5, T + 0.4);
    page.TextLeft(list ? report.title : Trimmed(report.title));
}

PrintedDocument LayOutReport(const Report& report, const PageMetrics& metrics,
                             TextMeasurer& measurer) {
    return report.layout == ReportLayout::List ? LayOutList(report, metrics, measurer)
                                               : LayOutText(report, metrics, measurer);
}

}  // namespace velmora
