#include "core/printing/printer_page.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace velmora {

int RoundHalfEven(double value) {
    const double snapped = std::round(value * 1e6) / 1e6;
    const double below = std::floor(snapped);
    const double fraction = snapped - below;
    double result = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0)) result = below + 1;
    return static_cast<int>(result);
}

int RoundQuotientHalfEven(long long numerator, long long denominator) {
    long long quotient = numerator / denominator;
    long long remainder = numerator % denominator;
    if (remainder < 0) {  // floor division for negative numerators
        --quotient;
        remainder += denominator;
    }
    const long long twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0)) ++quotient;
    return static_cast<int>(quotient);
}

PrinterPage::PrinterPage(QString documentName, Orientation orientation,
                         const PageMetrics& metrics, TextMeasurer& measurer)
    : printer_(metrics), measurer_(measurer) {
    document_.name = std::move(documentName);
    document_.orientation = orientation;
    document_.metrics = metrics;
    document_.pages.emplace_back();
}

void PrinterPage::PageSetup(int gridColumns, int gridRows, int unit) {
    const double u = unit > 0 ? unit : 1;
    scaleX_ = printer_.resolutionX / u;
    scaleY_ = printer_.resolutionY / u;
    gridColumns_ = std::max(gridColumns, 1);
    gridRows_ = std::max(gridRows, 1);
    position_ = QPoint(0, 0);
}

void PrinterPage::MoveToInches(double x, double y) {
    position_ = QPoint(RoundHalfEven(x * scaleX_), RoundHalfEven(y * scaleY_));
}

void PrinterPage::MoveToCell(int column, int row) {
    position_ = QPoint(RoundQuotientHalfEven(1LL * column * printer_.width, gridColumns_),
                       RoundQuotientHalfEven(1LL * row * printer_.height, gridRows_));
}

DeviceRect PrinterPage::MakeRectInches(double x1, double y1, double x2, double y2) const {
    return {RoundHalfEven(x1 * scaleX_), RoundHalfEven(y1 * scaleY_), RoundHalfEven(x2 * scaleX_),
            RoundHalfEven(y2 * scaleY_)};
}

void PrinterPage::RectInches(double x1, double y1, double x2, double y2) {
    MoveToInches(x1, y1);
    Draw(RectOp{MakeRectInches(x1, y1, x2, y2)});
}

void PrinterPage::EllipseInches(double x1, double y1, double x2, double y2) {
    MoveToInches(x1, y1);
    Draw(EllipseOp{MakeRectInches(x1, y1, x2, y2)});
}

void PrinterPage::TextLeft(const QString& text) { Text(position_.x(), text); }

void PrinterPage::TextCentred(const QString& text) {
    if (text.isEmpty()) return;
    Text(position_.x() - measurer_.TextWidth(text, font_) / 2, text);
}

void PrinterPage::TextRight(const QString& text) {
    if (text.isEmpty()) return;
    Text(position_.x() - measurer_.TextWidth(text, font_), text);
}

void PrinterPage::Text(int x, const QString& text) {
    if (text.isEmpty()) return;
    Draw(TextOp{x, position_.y(), text, font_});
}

void PrinterPage::StretchPicture(const DeviceRect& rect, const QString& pictureName) {
    Draw(PictureOp{rect, pictureName});
}

void PrinterPage::NewPage() {
    document_.pages.emplace_back();
    position_ = QPoint(0, 0);
}

void PrinterPage::Draw(DrawOp op) { document_.pages.back().push_back(std::move(op)); }

PrintedDocument PrinterPage::EndDocument() { return std::move(document_); }

}  // namespace velmora
