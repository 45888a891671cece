// One pointer move of a drag on the real window, offscreen: how long it takes to reach
// the screen, and how many pixels it repaints next to the table's size.
//
// Column 1 ends in a run of nine spades, ten down to two, that the eight empty free
// cells let be lifted whole (the most the rules allow), as column 2's jack of spades
// would take it. The drag goes round a circle, a few pixels a move.
#include "bench/support/BenchWindow.h"
#include "ui/TableWidget.h"

#include <QApplication>
#include <QFile>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>

namespace {

// The spades by rank (the cards are numbered clubs, diamonds, hearts, spades, ace first).
constexpr int Spade(int rank) {
    return 39 + rank;
}

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

// A deal in a chosen order (four cards to the cells, then six to each column, bottom
// first): the cells hold the seven down to the four of spades, column 1 ends in the ten,
// nine and eight, column 2 in the jack, columns 3 and 4 in the three and the two, and
// the aces lie at the bottom of columns 5 to 8, so that nothing goes home on its own.
// Six double-clicks then send the seven down to the two onto column 1, as a player would.
struct Table : zarn::bench::BenchWindow {
    Table() {
        // The deal's 52 places: the cells, then the columns bottom first; 0 is any card
        // not named here, in rising order.
        std::array<int, 52> named{Spade(7), Spade(6), Spade(5), Spade(4)};
        const auto at = [&](int column, int row) -> int& {
            return named[4 + 6 * column - 7 + row];
        };
        at(1, 4) = Spade(10), at(1, 5) = Spade(9), at(1, 6) = Spade(8);
        at(2, 6) = Spade(11), at(3, 6) = Spade(3), at(4, 6) = Spade(2);
        for (int suit = 0; suit < 4; ++suit) at(5 + suit, 1) = 1 + 13 * suit;
        std::array<zarn::i16, 52> order{};
        for (int i = 0, next = 1; i < 52; ++i) {
            while (std::count(named.begin(), named.end(), next)) ++next;
            order[i] = zarn::i16(named[i] ? named[i] : next++);
        }
        window->commands().Deal(order);
        QApplication::processEvents();
        zarn::TableWidget* table = window->table();
        for (int rank = 7; rank >= 2; --rank) {
            QTest::mouseDClick(table, Qt::LeftButton, Qt::NoModifier,
                               table->pixelRect(Spade(rank)).center());
            QApplication::processEvents();
        }
    }
};

void DragMove(benchmark::State& state) {
    Table t;
    zarn::TableWidget* table = t.window->table();
    const zarn::GameState& s = t.window->state();
    const int group = int(state.range(0));
    const int card = group == 1 ? Spade(2) : Spade(10);
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
