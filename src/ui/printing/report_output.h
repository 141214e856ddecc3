#pragma once

#include <QFont>
#include <QHash>
#include <QImage>
#include <QString>

#include "core/printing/draw_ops.h"
#include "core/printing/report.h"
#include "core/printing/text_measurer.h"

class QPaintDevice;
class QPainter;
class QPrinter;

namespace velmora {

class Messages;

// The Qt font for a report font. Kerning is off, as the layouts measure one advance after another.
QFont PrinterQFont(const PrintFont& font);

// Measures with the font metrics of the device the text will be drawn on (the printer).
class QtTextMeasurer final : public TextMeasurer {
public:
    explicit QtTextMeasurer(QPaintDevice* device) : device_(device) {}
    int TextWidth(const QString& text, const PrintFont& font) override;

private:
    QPaintDevice* device_;
};

// The printable area of the printer's current page in device pixels, and its resolution.
PageMetrics MetricsOf(QPrinter& printer);

// Prints reports on a QPrinter as it has been set up, whether a real printer or a PDF file: the
// report's orientation and document name, its pages laid out for that printer and replayed.
class ReportOutput {
public:
    // Pictures are looked up by name in `pictureFolder` and loaded once.
    ReportOutput(Messages& messages, QString pictureFolder);

    // False, after telling the user, when the printer cannot start the document or a page.
    bool PrintOn(QPrinter& printer, const Report& report);

    // Draws the laid-out pages on a painter that is active on `printer`.
    bool Replay(QPainter& painter, QPrinter& printer, const PrintedDocument& document);

private:
    const QImage& Picture(const QString& name);
    void Fail(QPrinter& printer);

    Messages& messages_;
    QString pictureFolder_;
    QHash<QString, QImage> pictures_;
};

}  // namespace velmora
