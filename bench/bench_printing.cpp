// A 1500-line proportional list report printed to PDF, against Qt's own text document printing
// the same lines to PDF.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <QTextDocument>
#include <memory>

#include "core/printing/report_printer.h"
#include "core/shared/enlace.h"
#include "core/shared/messages.h"
#include "ratio.h"
#include "support/silent_messages.h"
#include "support/temp_folder.h"
#include "ui/printing/report_output.h"

namespace velmora {
namespace {

using NoMessages = testing::SilentMessages;

// Fonts and printers need a gui application; the benchmark runner does not make one.
void EnsureApplication() {
    static std::unique_ptr<QGuiApplication> app;
    if (app) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_printing";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
}

QPrinter* PdfPrinter(const QString& path) {
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return printer;
}

class PdfPrinting final : public Printing {
public:
    PdfPrinting(Messages& messages, const QString& folder, QString file)
        : output(messages, folder), path(std::move(file)) {}
    bool Print(const Report& report) override {
        std::unique_ptr<QPrinter> printer(PdfPrinter(path));
        return output.PrintOn(*printer, report);
    }
    ReportOutput output;
    QString path;
};

struct Fixture {
    Fixture() : enlace(messages, DataPaths::ForDataFolder(folder.path())) {
        EnsureApplication();
        QImage picture(40, 64, QImage::Format_RGB32);
        picture.fill(Qt::darkRed);
        picture.save(folder.file(QStringLiteral("chica.bmp")), "BMP");
        enlace.settings.schoolName = QStringLiteral("IES Velmora");
        enlace.report.buffer.setTitle("Grados universitarios");
        for (int i = 1; i <= 1500; ++i) {
            const std::string line = std::to_string(i) +
                                     ". Grado en Ingenier\xED" "a Inform\xE1tica (Madrid)";
            enlace.report.buffer.set(i, line);
            lines << QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
        }
    }
    testing::TempFolder folder;
    NoMessages messages;
    Enlace enlace;
    QStringList lines;
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void BM_ListReportToPdf(benchmark::State& state) {
    Fixture& f = Shared();
    PdfPrinting pdf(f.messages, f.folder.path(), f.folder.file(QStringLiteral("list.pdf")));
    ReportPrinter printer(f.enlace, pdf);
    for (auto _ : state)
        benchmark::DoNotOptimize(printer.PrintListReport(f.enlace.report.buffer, 1500, false));
}
BENCHMARK(BM_ListReportToPdf)->Unit(benchmark::kMillisecond);

void BM_TextDocumentToPdf(benchmark::State& state) {
    Fixture& f = Shared();
    const QString path = f.folder.file(QStringLiteral("document.pdf"));
    for (auto _ : state) {
        QTextDocument document;
        document.setDefaultFont(QFont(QStringLiteral("Arial"), 8));
        document.setPlainText(f.lines.join(QLatin1Char('\n')));
        std::unique_ptr<QPrinter> printer(PdfPrinter(path));
        printer->setPageOrientation(QPageLayout::Landscape);
        document.print(printer.get());
    }
}
BENCHMARK(BM_TextDocumentToPdf)->Unit(benchmark::kMillisecond);

const bench::RegisterComparison kPrinting({"1500-line list report to PDF", "BM_ListReportToPdf",
                                           "BM_TextDocumentToPdf", 1.0});

}  // namespace
}  // namespace velmora
