#pragma once

// The whole program off screen on a temporary folder, for benchmarks of what a player does.

#include "app/Form1.h"
#include "services/Dialogs.h"
#include "services/ProgramSettings.h"
#include "spreadsheet/FileChooser.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace bench {

class SilentDialogs : public services::Dialogs {
public:
    services::MessageAnswer message(const QString&, const QString&, services::MessageIcon,
                                    services::MessageButtons) override {
        return services::MessageAnswer::Yes;
    }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
};

class FixedChoice : public spreadsheet::FileChooser {
public:
    QString path;
    std::optional<QString> chooseFileToOpen(const QString&, const QString&, const QString&,
                                            const QString&) override {
        return path;
    }
};

struct Program {
    QTemporaryDir dir;
    SilentDialogs dialogs;
    FixedChoice chooser;
    services::ProgramSettings settings{dir.filePath(QStringLiteral("mechik.ini"))};
    services::ProgramEnvironment environment{dir.path(), dir.filePath(QStringLiteral("K")),
                                             dir.filePath(QStringLiteral("host.ini"))};
    std::unique_ptr<app::Form1> form;

    Program() {
        QFile::copy(QStringLiteral(MECHIK_VEZAR), dir.filePath(QStringLiteral("Vezar.xls")));
        QDir(dir.path()).mkdir(QStringLiteral("K"));
    }
    void start() {
        form = std::make_unique<app::Form1>(environment, dialogs, settings, &chooser);
        form->Form_Load();
        form->show();
    }
};

// Benchmarks of windows run off screen unless told otherwise.
inline int runBenchmarks(int argc, char** argv);

}  // namespace bench

#include <benchmark/benchmark.h>

inline int bench::runBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
