// The game's start-up against the least Qt Widgets window a game can be, both on the
// real window system: a private Xvfb (xcb, 96 dpi), the game as it is built
// (startup_game: ui/main.cpp with the first-frame hook) and the bare window
// (startup_bare: a QMainWindow with one menu and a painted table, at the game's size),
// each started afresh, alternately (game first in even rounds, bare first in odd ones),
// in a temporary folder holding a zarn.pro. For each run: the wall time from starting
// the process to its report of the first frame, and its resident memory once it has
// settled; medians of each, and their ratios.
#include "bench/support/BenchWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

struct Run {
    double ms = 0;         // process start to first frame, as the caller sees it
    double frameRss = 0;   // resident memory at the first frame, MB
    double settledRss = 0; // resident memory once settled, MB
    QString size;          // the window's size, WIDTHxHEIGHT
};

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    if (n == 0) return 0;
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// A private X server for the runs; stopped with the object.
class PrivateXServer {
public:
    PrivateXServer() {
        server_.setProgram(QStringLiteral("Xvfb"));
        // Xvfb picks a free display and writes its number to descriptor 1.
        server_.setArguments(
            {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
             QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-dpi"),
             QStringLiteral("96"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        server_.setProcessChannelMode(QProcess::SeparateChannels);
        server_.setStandardErrorFile(QProcess::nullDevice());
        server_.start();
        if (!server_.waitForStarted(5000)) return;
        QByteArray out;
        QElapsedTimer wait;
        wait.start();
        while (!out.contains('\n') && wait.elapsed() < 10000 && server_.waitForReadyRead(10000))
            out += server_.readAllStandardOutput();
        if (out.contains('\n')) display_ = QStringLiteral(":") + QString::fromLatin1(out.trimmed());
    }
    ~PrivateXServer() {
        server_.terminate();
        if (!server_.waitForFinished(3000)) server_.kill();
        server_.waitForFinished(3000);
    }
    const QString& display() const { return display_; }

private:
    QProcess server_;
    QString display_;
};

std::optional<Run> Launch(const QString& program, const QStringList& arguments,
                          const QTemporaryDir& dir, const QProcessEnvironment& env) {
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    QByteArray out;
    std::optional<double> ms;
    while (!out.contains("settled-rss-mb") && process.waitForReadyRead(10000)) {
        if (!ms) ms = double(clock.nsecsElapsed()) / 1e6;
        out += process.readAllStandardOutput();
    }
    process.waitForFinished(5000);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    }
    const QList<QByteArray> words = out.simplified().split(' ');
    if (!ms || words.size() < 8 || words[0] != "frame-ms") {
        std::fprintf(stderr, "%s: no report\n%s\n%s\n", qPrintable(program), out.constData(),
                     process.readAllStandardError().constData());
        return std::nullopt;
    }
    Run run;
    run.ms = *ms;
    run.frameRss = words[3].toDouble();
    run.size = QString::fromLatin1(words[5]);
    run.settledRss = words[7].toDouble();
    return run;
}

// What the command line asks: the game measured (startup_game, or another build of it
// named, to compare builds), the card scale of its settings file (--scale=2; the default
// 0.92), and whether its cache of drawn card strips is emptied before each of its runs
// (--cold; else it is kept from the first run on).
struct Options {
    QString game = QStringLiteral(ZARN_STARTUP_GAME);
    QByteArray scale = ".92";
    bool cold = false;
};

Options ParseOptions() {
    Options o;
    const QStringList arguments = QCoreApplication::arguments();
    for (const QString& a : arguments.mid(1)) {
        if (a.startsWith(QLatin1String("--scale=")))
            o.scale = a.mid(8).toLatin1();
        else if (a == QLatin1String("--cold"))
            o.cold = true;
        else
            o.game = a;
    }
    return o;
}

void GameAgainstBareWindow(benchmark::State& state) {
    const int rounds = int(state.range(0));
    PrivateXServer x;
    if (x.display().isEmpty()) {
        state.SkipWithError("Xvfb could not be started");
        return;
    }
    const Options options = ParseOptions();
    QTemporaryDir dir;
    zarn::bench::WriteSettings(dir, options.scale + "\r\n75\r\n0\r\nY\r\n");
    QDir(dir.path()).mkpath(QStringLiteral("home/run"));
    QFile::setPermissions(dir.filePath(QStringLiteral("home/run")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), x.display());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("home/data")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.filePath(QStringLiteral("home/run")));
    const QString cache = dir.filePath(QStringLiteral("home/cache"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));

    const QString game = options.game;
    const QString bare = QStringLiteral(ZARN_STARTUP_BARE);
    auto launchGame = [&] {
        if (options.cold) QDir(cache).removeRecursively();
        return Launch(game, {}, dir, env);
    };
    // One run of each first, not counted: the files come into the page cache, the game
    // keeps its strips and the bare window learns the game's size.
    const std::optional<Run> first = launchGame();
    if (!first || !Launch(bare, {first->size}, dir, env)) {
        state.SkipWithError("a program did not report its first frame");
        return;
    }
    std::vector<double> gameMs, bareMs, gameRss, bareRss, gameFrameRss, bareFrameRss;
    for (auto _ : state) {
        for (int round = 0; round < rounds; ++round) {
            for (int turn = 0; turn < 2; ++turn) {
                const bool isGame = (round + turn) % 2 == 0;
                const std::optional<Run> run =
                    isGame ? launchGame() : Launch(bare, {first->size}, dir, env);
                if (!run) {
                    state.SkipWithError("a program did not report its first frame");
                    return;
                }
                (isGame ? gameMs : bareMs).push_back(run->ms);
                (isGame ? gameRss : bareRss).push_back(run->settledRss);
                (isGame ? gameFrameRss : bareFrameRss).push_back(run->frameRss);
            }
        }
    }
    const double g = Median(gameMs), b = Median(bareMs);
    const double gr = Median(gameRss), br = Median(bareRss);
    state.counters["game_ms"] = g;
    state.counters["bare_ms"] = b;
    state.counters["time_ratio"] = g / b;
    state.counters["game_rss_mb"] = gr;
    state.counters["bare_rss_mb"] = br;
    state.counters["rss_ratio"] = gr / br;
    state.counters["game_frame_rss_mb"] = Median(gameFrameRss);
    state.counters["bare_frame_rss_mb"] = Median(bareFrameRss);
    std::printf(
        "window %s, scale %s, %s cache (%lld strips kept); %d runs of each, alternated\n",
        qPrintable(first->size), options.scale.constData(), options.cold ? "cold" : "warm",
        qlonglong(
            QDir(cache + QStringLiteral("/zarn")).entryList({QStringLiteral("strip*.bin")}).size()),
        rounds);
    std::printf("  game: median %.1f ms (%.1f..%.1f), %.1f MB\n", g,
                *std::min_element(gameMs.begin(), gameMs.end()),
                *std::max_element(gameMs.begin(), gameMs.end()), gr);
    std::printf("  bare: median %.1f ms (%.1f..%.1f), %.1f MB\n", b,
                *std::min_element(bareMs.begin(), bareMs.end()),
                *std::max_element(bareMs.begin(), bareMs.end()), br);
    std::printf("  game / bare: time %.3f, memory %.3f\n", g / b, gr / br);
}
BENCHMARK(GameAgainstBareWindow)->Arg(21)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    QCoreApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
