#pragma once

#include "core/printing/draw_ops.h"
#include "core/printing/printer_page.h"
#include "core/printing/report.h"
#include "core/printing/text_measurer.h"

namespace velmora {

// The header frame, in inches: left and right edges, top and box height.
struct HeaderBox {
    double left;
    double right;
    double top;
    double height;
};

inline constexpr HeaderBox kPortraitHeader{0.5, 7.3, 0.1, 0.7};
inline constexpr HeaderBox kLandscapeHeader{0.5, 10.2, 0.1, 0.7};

// The framed header at the top of a page: picture, school name, title, label and school year;
// the list layout adds the page number in a circle (pageNumber 0 leaves the circle empty).
void PrintHeader(PrinterPage& page, const Report& report, const HeaderBox& box, int pageNumber);

// How a list of `count` lines (at least 75) spreads over columns and pages.
struct ListGeometry {
    int rowsPerColumn;
    int pages;
};
ListGeometry ListGeometryFor(int count, bool monospaced);

// P of the text layout: 50 at size 12, otherwise 70. The grid has P + 8 rows and each page takes
// P + 1 lines, at rows 6 to P + 6.
int TextLinesPerPage(int fontSize);

// Every page of the report as draw operations, for a printer that reports `metrics` once the
// report's orientation is set.
PrintedDocument LayOutReport(const Report& report, const PageMetrics& metrics,
                             TextMeasurer& measurer);

}  // namespace velmora
