#include <benchmark/benchmark.h>

#include "PrintProject.h"
#include "tasks/Printing.h"

namespace quillet {
namespace {

// A 600 dpi letter page whose glyphs are all 40 units wide and 100 tall; it draws nothing.
class FixedWidthCanvas : public PrintCanvas {
  public:
    long long draws = 0;
    long long pages = 1;

    void beginJob() override {}
    int pageWidth() override { return 4800; }
    int pageHeight() override { return 6600; }
    int charHeight() override { return 100; }
    int averageCharWidth() override { return 40; }
    TextExtent textExtent(std::string_view text) override {
        int chars = 0;
        for (char c : text) chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        return {40 * chars, 100};
    }
    void drawText(int, int, std::string_view text) override {
        ++draws;
        benchmark::DoNotOptimize(text.data());
    }
    void newPage() override { ++pages; }
    void endJob() override {}
    void abortJob() override {}
};

void BM_PrintLayout100kRows(benchmark::State& state) {
    CellGrid grid(DefaultColumnCount, 2, 1);
    bench::fillPrintProject(grid, 100000);
    FixedWidthCanvas canvas;
    for (auto _ : state) {
        canvas = FixedWidthCanvas();
        printGrid(grid, canvas, [](int) { return true; });
    }
    state.counters["runs"] = static_cast<double>(canvas.draws);
    state.counters["pages"] = static_cast<double>(canvas.pages);
}
BENCHMARK(BM_PrintLayout100kRows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillet
