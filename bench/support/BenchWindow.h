#pragma once
// What the window benchmarks share: the real game window shown in a temporary folder
// that holds a given settings file and a main() that runs the benchmarks with a QApplication
// (offscreen unless QT_QPA_PLATFORM says otherwise).

#include "bench/support/ResidentMemory.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <memory>

namespace zarn::bench {

// The default settings: scale 0.92, speed bar 75, the plain table, AutoMove on.
inline constexpr const char* DefaultSettings = ".92\r\n75\r\n0\r\nY\r\n";

inline void WriteSettings(const QTemporaryDir& dir, const QByteArray& settings) {
    QFile file(dir.filePath(QStringLiteral("zarn.pro")));
    if (file.open(QIODevice::WriteOnly)) file.write(settings);
}

// Game-over questions are answered Yes; the way out does nothing. Glides run as fast as
// their steps go unless they are paced as the player sees them.
struct BenchWindow {
    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;

    explicit BenchWindow(const QByteArray& settings = DefaultSettings, std::uint64_t seed = 5,
                         bool pacedGlides = false) {
        WriteSettings(dir, settings);
        // The drawn card strips are kept in the folder, not in the user's cache.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("cache"))));
        MainWindowOptions o;
        o.pacedGlides = pacedGlides;
        o.progDir = dir.path();
        o.scoreFile = dir.filePath(QStringLiteral("scores.txt"));
        o.seed = seed;
        o.askAnotherGame = [](const QString&) { return true; };
        o.endProgram = [] {};
        window = std::make_unique<MainWindow>(o);
        window->show();
        for (int i = 0; i < 10; ++i) QApplication::processEvents();
    }
};

inline int RunWindowBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace zarn::bench
