#pragma once

#include <gtest/gtest.h>

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <vector>

#include "core/printing/printing.h"
#include "ui/printing/report_output.h"

namespace velmora::testing {

// Prints straight to PDF files, as the print dialog does once the user picks a file: the first
// report to `file`, the n-th (n > 1) to `file` with "-n" before its ending. Keeps the reports.
class PdfPrinting final : public Printing {
  public:
    PdfPrinting(Messages& messages, const QString& pictureFolder, QString file)
        : output(messages, pictureFolder), path(std::move(file)) {}

    bool Print(const Report& report) override {
        reports.push_back(report);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fileOf(static_cast<int>(reports.size())));
        return output.PrintOn(printer, report);
    }

    // Where the n-th report (from 1) went.
    QString fileOf(int n) const {
        if (n <= 1) return path;
        QString numbered = path;
        return numbered.insert(numbered.lastIndexOf(QLatin1Char('.')),
                               QStringLiteral("-%1").arg(n));
    }

    ReportOutput output;
    QString path;
    std::vector<Report> reports;
};

// Runs a tool of poppler-utils and gives its standard output.
inline QString RunPoppler(const QString& tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    EXPECT_FALSE(program.isEmpty()) << tool.toStdString() << " (poppler-utils) is not installed";
    if (program.isEmpty()) return {};
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of a PDF file, in reading order.
inline QString PdfText(const QString& file) {
    return RunPoppler(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
}

}  // namespace velmora::testing
