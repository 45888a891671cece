// Resident memory of the real game window: after start-up, and after 1,000 games
// played through the engine on it (random double-clicks and right-button sends on top
// cards, undos, and "Deal Again" when a game stalls or ends).
#include "game/Cards.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

namespace {

double ResidentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

void PlayGames(benchmark::State& state) {
    QTemporaryDir dir;
    QFile settings(dir.filePath(QStringLiteral("zarn.pro")));
    if (settings.open(QIODevice::WriteOnly)) settings.write("00.920\r\n 1 \r\n 3 \r\nY\r\n");
    settings.close();
    zarn::MainWindowOptions o;
    o.progDir = dir.path();
    o.scoreFile = dir.filePath(QStringLiteral("scores.txt"));
    o.seed = 11;
    o.askAnotherGame = [](const QString&) { return true; };
    o.endProgram = [] {};
    zarn::MainWindow window(o);
    window.show();
    QApplication::processEvents();
    const double startUp = ResidentMegabytes();

    std::mt19937 random(5);
    long games = 0;
    for (auto _ : state) {
        for (games = 0; games < 1000; ++games) {
            zarn::GameState& s = window.state();
            for (int action = 0; action < 60; ++action) {
                const int pile = int(random() % 16) + 1;
                const int card = zarn::TopCard(s, pile);
                if (card > 52) continue;
                switch (random() % 4) {
                case 0:
                    window.game().UndoLastMove();
                    break;
                case 1:
                    window.game().Press(card, zarn::MouseButton::Right, 10, 10);
                    break;
                default:
                    window.game().DoubleClick(card);
                    break;
                }
            }
            window.command(QStringLiteral("Deal Again"))->trigger();
        }
        QApplication::processEvents();
    }
    state.counters["rss_start_mb"] = startUp;
    state.counters["rss_after_games_mb"] = ResidentMegabytes();
    state.counters["games"] = double(games);
}
BENCHMARK(PlayGames)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
