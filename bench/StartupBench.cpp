// From nothing to the first shown main window: the host started, Vezar.xls opened, the
// tuning list filled, the stored choices applied, the window built and painted.
#include "BenchProgram.h"

namespace {

void BM_StartupToFirstShownWindow(benchmark::State& state) {
    bench::Program program;
    program.settings.setIndex(services::ProgramSettings::Znaceni, 1);
    program.settings.setIndex(services::ProgramSettings::TypHarm, 2);
    for (auto _ : state) {
        program.start();
        QApplication::processEvents();
        benchmark::DoNotOptimize(program.form->centralWidget()->grab());
        state.PauseTiming();
        program.form->close();
        program.form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToFirstShownWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return bench::runBenchmarks(argc, argv);
}
