// A double-click send as the player sees it, on the real window with its glides paced
// (run it under xcb: see bench/README.md). The ace of clubs on top of column 1 glides to
// the first foundation, across most of the table, at the speed bar's value given as the
// argument. One iteration is one glide, timed from the double-click to the painted frame
// that shows the card landed; a filter on the table notes every frame painted meanwhile
// and where the card stood in it.
#include "bench/support/BenchWindow.h"
#include "game/Cards.h"
#include "settings/SpeedFrame.h"
#include "ui/MainWindow.h"
#include "ui/TableWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <benchmark/benchmark.h>
#include <set>
#include <sys/resource.h>

namespace {

// The frames painted: when, and the card's Left in each.
class FrameLog : public QObject {
public:
    FrameLog(const zarn::TableWidget& table, int card) : table_(table), card_(card) {}
    std::vector<std::pair<qint64, float>> frames;
    QElapsedTimer clock;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            frames.emplace_back(clock.nsecsElapsed(), table_.left(card_));
        return false;
    }

private:
    const zarn::TableWidget& table_;
    int card_;
};

double CpuSeconds() {
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    return double(use.ru_utime.tv_sec + use.ru_stime.tv_sec) +
           double(use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
}

void Glide(benchmark::State& state) {
    // AutoMove off: the glide is the only thing that moves.
    zarn::bench::BenchWindow bench(".92\r\n75\r\n0\r\nN\r\n", 5, true);
    zarn::MainWindow& window = *bench.window;
    zarn::TableWidget& table = *window.table();
    window.speedFrame()->setValue(int(state.range(0)));
    // The ace of clubs dealt on top of column 1, the ten of clubs into the first cell.
    std::array<zarn::i16, 52> order{};
    for (int i = 0; i < 52; ++i) order[i] = zarn::i16(i + 1);
    std::swap(order[0], order[9]);
    const int ace = 1;
    FrameLog log(table, ace);
    table.installEventFilter(&log);
    double frames = 0, positions = 0, cpu = 0, wall = 0;
    for (auto _ : state) {
        window.commands().Deal(order);
        for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
        QThread::msleep(20);
        QCoreApplication::processEvents();
        const float home = table.left(ace);
        log.frames.clear();
        log.clock.start();
        const double cpu0 = CpuSeconds();
        window.game().DoubleClick(ace);
        const float landed = table.left(ace);
        // The landing frame comes within one gathering interval of the repaints.
        QElapsedTimer wait;
        wait.start();
        while ((log.frames.empty() || log.frames.back().second != landed) && wait.elapsed() < 200) {
            QCoreApplication::processEvents();
            QThread::usleep(200);
        }
        const double seconds = double(log.clock.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        std::set<float> seen;
        for (const auto& [at, left] : log.frames)
            if (left != home && left != landed) seen.insert(left);
        frames += double(log.frames.size());
        positions += double(seen.size());
        cpu += CpuSeconds() - cpu0;
        wall += seconds;
    }
    table.removeEventFilter(&log);
    const double n = double(state.iterations());
    state.counters["steps"] = window.state().Speed;
    state.counters["frames"] = frames / n;
    state.counters["positions"] = positions / n;
    state.counters["cpu_pct"] = 100.0 * cpu / wall;
}
BENCHMARK(Glide)
    ->ArgName("speed")
    ->Arg(10)
    ->Arg(50)
    ->Arg(75)
    ->Arg(100)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    return zarn::bench::RunWindowBenchmarks(argc, argv);
}
