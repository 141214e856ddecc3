#pragma once

#include <QPoint>
#include <QString>

#include "core/printing/draw_ops.h"
#include "core/printing/text_measurer.h"

namespace velmora {

// Nearest integer, halves to the even neighbour. Products of decimal inches and a resolution
// that are meant to be halves (0.05 x 90) miss by a hair in binary, so they are snapped to a
// millionth first.
int RoundHalfEven(double value);

// numerator / denominator rounded to the nearest integer, halves to even, exactly
// (denominator > 0).
int RoundQuotientHalfEven(long long numerator, long long denominator);

// The page model every report draws through. It places text by physical distance (inches times
// the scale) or on a character grid laid over the printable area, and records what it draws as
// operations, one list per page, for one printer document.
class PrinterPage {
public:
    // Starts a document on a printer that reports `metrics` for its current page.
    PrinterPage(QString documentName, Orientation orientation, const PageMetrics& metrics,
                TextMeasurer& measurer);

    // Reads the printable size and both resolutions; scale = resolution / unit; stores the grid;
    // current position (0, 0).
    void PageSetup(int gridColumns, int gridRows, int unit);

    void MoveToInches(double x, double y);
    void MoveToCell(int column, int row);
    // Current position = (x1, y1); draws the rectangle, or the ellipse inscribed in it.
    void RectInches(double x1, double y1, double x2, double y2);
    void EllipseInches(double x1, double y1, double x2, double y2);
    // The device rectangle of the two corners; draws nothing.
    DeviceRect MakeRectInches(double x1, double y1, double x2, double y2) const;

    // Text with its top at the current y: left edge at x; centred on x (left edge = x - half the
    // width, the half rounded toward zero); ending at x. An empty text draws nothing.
    void TextLeft(const QString& text);
    void TextCentred(const QString& text);
    void TextRight(const QString& text);

    void StretchPicture(const DeviceRect& rect, const QString& pictureName);

    void NewPage();

    void SetFontFamily(const QString& family) { font_.family = family; }
    void SetFontSize(int size) { font_.size = size; }
    void SetBold(bool bold) { font_.bold = bold; }
    const PrintFont& font() const { return font_; }

    QPoint position() const { return position_; }
    int gridColumns() const { return gridColumns_; }
    int gridRows() const { return gridRows_; }

    // Ends the document and hands it over.
    PrintedDocument EndDocument();

private:
    void Draw(DrawOp op);
    void Text(int x, const QString& text);

    PageMetrics printer_;
    TextMeasurer& measurer_;
    PrintedDocument document_;
    double scaleX_ = 1;
    double scaleY_ = 1;
    int gridColumns_ = 1;
    int gridRows_ = 1;
    QPoint position_;
    PrintFont font_;
};

}  // namespace velmora
