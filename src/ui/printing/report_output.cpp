#include "ui/printing/report_output.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "core/printing/report_layout.h"
#include "core/shared/messages.h"

namespace velmora {

QFont PrinterQFont(const PrintFont& font) {
    QFont f(font.family);
    f.setStyleHint(font.family == QStringLiteral("Courier New") ? QFont::TypeWriter
                                                                : QFont::SansSerif);
    f.setPointSize(font.size);
    f.setBold(font.bold);
    f.setKerning(false);
    return f;
}

int QtTextMeasurer::TextWidth(const QString& text, const PrintFont& font) {
    return QFontMetrics(PrinterQFont(font), device_).horizontalAdvance(text);
}

PageMetrics MetricsOf(QPrinter& printer) {
    return {printer.width(), printer.height(), printer.logicalDpiX(), printer.logicalDpiY()};
}

ReportOutput::ReportOutput(Messages& messages, QString pictureFolder)
    : messages_(messages), pictureFolder_(std::move(pictureFolder)) {}

const QImage& ReportOutput::Picture(const QString& name) {
    auto it = pictures_.find(name);
    if (it == pictures_.end()) it = pictures_.insert(name, QImage(pictureFolder_ + name));
    return *it;
}

void ReportOutput::Fail(QPrinter& printer) {
    const QString where = printer.outputFormat() == QPrinter::PdfFormat
                              ? printer.outputFileName()
                              : printer.printerName();
    messages_.showMessage(
        QStringLiteral("No se ha podido imprimir en %1. Compruebe la impresora y vuelva a "
                       "intentarlo.")
            .arg(where.isEmpty() ? QStringLiteral("la impresora") : where));
}

bool ReportOutput::PrintOn(QPrinter& printer, const Report& report) {
    printer.setPageOrientation(report.orientation() == Orientation::Landscape
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
    printer.setDocName(report.documentName);
    QtTextMeasurer measurer(&printer);
    const PrintedDocument document = LayOutReport(report, MetricsOf(printer), measurer);
    QPainter painter;
    if (!painter.begin(&printer)) {
        Fail(printer);
        return false;
    }
    const bool replayed = Replay(painter, printer, document);
    const bool ended = painter.end();
    if (replayed && !ended) Fail(printer);
    return replayed && ended;
}

bool ReportOutput::Replay(QPainter& painter, QPrinter& printer, const PrintedDocument& document) {
    // A fresh printer canvas: a one-pixel black pen and a white brush.
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    PrintFont current;
    qreal ascent = 0;
    const auto useFont = [&](const PrintFont& font) {
        if (font == current && ascent > 0) return;
        current = font;
        painter.setFont(PrinterQFont(font));
        ascent = painter.fontMetrics().ascent();
    };
    const auto box = [](const DeviceRect& r) {
        return QRect(r.left, r.top, r.width(), r.height());
    };
    for (size_t p = 0; p < document.pages.size(); ++p) {
        if (p > 0 && !printer.newPage()) {
            Fail(printer);
            return false;
        }
        for (const DrawOp& op : document.pages[p]) {
            if (const auto* text = std::get_if<TextOp>(&op)) {
                useFont(text->font);
                painter.drawText(QPointF(text->x, text->y + ascent), text->text);
            } else if (const auto* rect = std::get_if<RectOp>(&op)) {
                painter.drawRect(box(rect->rect));
            } else if (const auto* ellipse = std::get_if<EllipseOp>(&op)) {
                painter.drawEllipse(box(ellipse->rect));
            } else if (const auto* picture = std::get_if<PictureOp>(&op)) {
                const QImage& image = Picture(picture->name);
                if (!image.isNull()) painter.drawImage(box(picture->rect), image);
            }
        }
    }
    return true;
}

}  // namespace velmora
