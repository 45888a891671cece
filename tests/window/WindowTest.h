#pragma once
// The real game window in a temporary folder, with tables laid out by hand and answers
// to the real modal dialogs.

#include "../support/ArrangeTable.h"
#include "../support/WindowFixture.h"
#include "scores/ScoreBook.h"
#include "settings/SpeedFrame.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

namespace zarn::test {

// Runs `look` on the next modal dialog once it is up, then lets `answer` close it.
inline void OnNextModal(std::function<void(QDialog*)> answer) {
    QTimer::singleShot(0, [answer] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box) return OnNextModal(answer); // not up yet
        answer(box);
    });
}

class WindowTest : public WindowFixture {
public:
    std::vector<int> cards(int pile) {
        std::vector<int> out;
        for (int i = 0; i < FieldCount(s().Piles[pile]); ++i)
            out.push_back(FieldAt(s().Piles[pile], i));
        return out;
    }
    PileCards allPiles() {
        PileCards out;
        for (int p = 1; p <= 20; ++p) out[p] = cards(p);
        return out;
    }
    // These piles, with every card not named beneath the given ones of `rest`'s columns
    // (kings uppermost, so that nothing of them goes home on its own).
    void arrange(PileCards piles, std::vector<int> rest = {6, 7, 8}) {
        std::vector<bool> used(53, false);
        for (const auto& pile : piles)
            for (int c : pile) used[c] = true;
        for (int c = 52, k = 0; c >= 1; --c)
            if (!used[c]) {
                auto& column = piles[rest[k++ % rest.size()]];
                column.insert(column.begin(), c);
            }
        ArrangeTable(*window, piles);
    }
    // Every card once on the table, visible at its home.
    void expectWhole() {
        std::vector<int> seen(53, 0);
        for (int p = 1; p <= 20; ++p)
            for (int c : cards(p)) ++seen[c];
        for (int c = 1; c <= 52; ++c) {
            EXPECT_EQ(seen[c], 1) << "card " << c;
            EXPECT_TRUE(atHome(c)) << c;
        }
    }
    ScoreRecord storedScores() {
        const ScoreBook book = ParseScores(readFile(scorePath()));
        auto it = book.find(QStringLiteral("zarn"));
        return it == book.end() ? ScoreRecord{} : it->second;
    }
    // The pixel of a table point given in twips.
    QPoint px(float x, float y) {
        const float tpp = table()->twipsPerPixel();
        return QPoint(int(x / tpp), int(y / tpp));
    }
    // Glides become jumps, so tests that are not about the glide run quickly.
    void fastGlides() { window->speedFrame()->setValue(MinSpeedValue); }
};

} // namespace zarn::test
