// One pointer move of a drag on the real window, offscreen: how long it takes to reach
// the screen, and how many pixels it repaints next to the table's size.
//
// Column 1 ends in a run of nine spades, ten down to two, that the eight empty free
// cells let be lifted whole (the most the rules allow), as column 2's jack of spades
// would take it. The drag goes round a circle, a few pixels a move.
#include "bench/support/BenchWindow.h"
#include "tests/support/ArrangeTable.h"

#include <QApplication>
#include <QFile>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>

namespace {

using zarn::test::Card;

// Adds up the area of every region the table paints.
class PaintCounter : public QObject {
public:
    double pixels = 0;
    long paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                pixels += double(r.width()) * r.height();
        }
        return false;
    }
};

struct Table : zarn::bench::BenchWindow {
    Table() {
        zarn::test::PileCards piles;
        const int run[] = {Card(10, 'S'), Card(9, 'S'), Card(8, 'S'), Card(7, 'S'), Card(6, 'S'),
                           Card(5, 'S'),  Card(4, 'S'), Card(3, 'S'), Card(2, 'S')};
        std::array<bool, 53> placed{};
        for (int c : run) placed[c] = true;
        placed[Card(11, 'S')] = true;
        int column = 0;
        for (int c = 1; c <= 52; ++c)
            if (!placed[c]) piles[1 + (column++ % 8)].push_back(c);
        piles[2].push_back(Card(11, 'S'));
        for (int c : run) piles[1].push_back(c);
        zarn::test::ArrangeTable(*window, piles);
    }
};

void DragMove(benchmark::State& state) {
    Table t;
    zarn::TableWidget* table = t.window->table();
    const zarn::GameState& s = t.window->state();
    const int group = int(state.range(0));
    const int card = group == 1 ? Card(2, 'S') : Card(10, 'S');
    const float tpp = table->twipsPerPixel();
    const QPoint from(int((table->left(card) + s.CardWidth / 2) / tpp),
                      int((table->top(card) + 60) / tpp));
    QTest::mousePress(table, Qt::LeftButton, Qt::NoModifier, from);
    if (!t.window->game().Dragging() || s.MovingCards[0] != group) {
        state.SkipWithError("the group was not lifted");
        return;
    }
    PaintCounter counter;
    table->installEventFilter(&counter);
    const QPoint centre = from + QPoint(0, 120);
    long i = 0;
    for (auto _ : state) {
        const double a = double(i++ % 360) * 3.14159265358979 / 180.0;
        const QPoint at = centre + QPoint(int(std::lround(120 * std::sin(a))),
                                          -int(std::lround(120 * std::cos(a))));
        QTest::mouseMove(table, at);
        table->flushPending();
        QCoreApplication::processEvents();
    }
    table->removeEventFilter(&counter);
    QTest::mouseRelease(table, Qt::LeftButton, Qt::NoModifier, from);

    const double moves = double(state.iterations());
    const double tableArea = double(table->width()) * table->height();
    QRect groupRect;
    for (int k = 1; k <= group; ++k) groupRect |= table->pixelRect(s.MovingCards[k]);
    state.counters["cards"] = group;
    state.counters["painted_px_per_move"] = counter.pixels / moves;
    state.counters["group_px"] = double(groupRect.width()) * groupRect.height();
    state.counters["table_share_pct"] = 100.0 * counter.pixels / moves / tableArea;
    state.counters["paints_per_move"] = double(counter.paints) / moves;
}
BENCHMARK(DragMove)->Arg(1)->Arg(9)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return zarn::bench::RunWindowBenchmarks(argc, argv);
}
