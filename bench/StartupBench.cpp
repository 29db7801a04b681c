// From nothing to the first shown main window: the host started, Vezar.xls opened, the
// tuning list filled, the stored choices applied, the window built and painted.
#include "app/Dialogs.h"
#include "app/Form1.h"
#include "app/ProgramSettings.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class SilentDialogs : public app::Dialogs {
public:
    app::MessageAnswer message(const QString&, const QString&, app::MessageIcon,
                               app::MessageButtons) override {
        return app::MessageAnswer::Yes;
    }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
};

void BM_StartupToFirstShownWindow(benchmark::State& state) {
    QTemporaryDir dir;
    QFile::copy(QStringLiteral(MECHIK_VEZAR), dir.filePath(QStringLiteral("Vezar.xls")));
    SilentDialogs dialogs;
    app::ProgramSettings settings(dir.filePath(QStringLiteral("mechik.ini")));
    settings.setIndex(app::ProgramSettings::Znaceni, 1);
    settings.setIndex(app::ProgramSettings::TypHarm, 2);
    const app::ProgramEnvironment environment{dir.path(), dir.filePath(QStringLiteral("K")),
                                              dir.filePath(QStringLiteral("host.ini"))};
    for (auto _ : state) {
        auto form = std::make_unique<app::Form1>(environment, dialogs, settings, nullptr);
        form->Form_Load();
        form->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form->centralWidget()->grab());
        state.PauseTiming();
        form->close();
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToFirstShownWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
