#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include "../PrintProject.h"
#include "shell/PrintJob.h"

namespace quillet {
namespace {

// The whole print of a 100,000-row project into a PDF file, as File > Print to File does it.
void BM_PrintPdf100kRows(benchmark::State& state) {
    CellGrid grid(DefaultColumnCount, 2, 1);
    bench::fillPrintProject(grid, 100000);
    const QString path = QDir::temp().filePath("quillet-print-bench.pdf");
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        if (!printGridOn(grid, printer, nullptr)) state.SkipWithError("cancelled");
    }
    state.counters["MB"] = static_cast<double>(QFileInfo(path).size()) / 1e6;
    QFile::remove(path);
}
BENCHMARK(BM_PrintPdf100kRows)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace quillet

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
