#pragma once
// The real game window in a temporary folder, plus what the window tests share: tables
// laid out by hand (a game one move from its end, a game one move from being blocked),
// a look at every card, and answers to the real message boxes.

#include "../support/ArrangeTable.h"
#include "../support/WindowFixture.h"
#include "game/Rules.h"
#include "scores/ScoreBook.h"
#include "settings/SpeedFrame.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <functional>
#include <vector>

namespace zarn::test {

// What a message box looked like when it came up.
struct SeenBox {
    bool seen = false;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    bool mainWindowVisible = false;
};

// Answers the next modal message box with `button`, noting what it showed.
inline void AnswerNextBox(SeenBox& seen, QMessageBox::StandardButton button) {
    QTimer::singleShot(0, [&seen, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            AnswerNextBox(seen, button); // not up yet
            return;
        }
        seen.seen = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.defaultButton = box->standardButton(box->defaultButton());
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<MainWindow*>(w) && w->isVisible()) seen.mainWindowVisible = true;
        box->button(button)->click();
    });
}

class WindowTest : public WindowFixture {
protected:
    // Options as the fixture gives them; a test may change them before startWith.
    MainWindowOptions options(std::uint64_t seed = 7) {
        MainWindowOptions o;
        o.progDir = dir.path();
        o.scoreFile = scorePath();
        o.seed = seed;
        o.settingsNotice = [this](SettingsNotice, const QString& text) {
            rec.settingsNotices.push_back(text);
        };
        o.askAnotherGame = [this](const QString& title) {
            rec.gameOverTitles.push_back(title);
            return rec.answer;
        };
        o.endProgram = [this] { ++rec.endProgramCalls; };
        return o;
    }
    MainWindow& startWith(const MainWindowOptions& o) {
        window = std::make_unique<MainWindow>(o);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }
    void activate() {
        QApplication::setActiveWindow(window.get());
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

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
    std::array<QPointF, 53> positions() {
        std::array<QPointF, 53> out{};
        for (int c = 1; c <= 52; ++c) out[c] = QPointF(table()->left(c), table()->top(c));
        return out;
    }

    void arrange(const PileCards& piles) { ArrangeTable(*window, piles); }

    // Three suits home, the spades up to the queen home, the king of spades in a cell:
    // one double-click on it wins.
    static PileCards OneMoveFromWinning() {
        PileCards p;
        const char suits[] = "CDHS";
        for (int f = 0; f < 4; ++f)
            for (int r = 1; r <= (f == 3 ? 12 : 13); ++r) p[17 + f].push_back(Card(r, suits[f]));
        p[9] = {Card(13, 'S')};
        return p;
    }

    // Every top card is a 7, 9, jack or king, except the six of spades on column 8,
    // which a double-click sends onto the seven of spades topping column 1; beneath it
    // lies the three of spades. After that move nothing can go anywhere, unless
    // `leaveCellFree` keeps cell 16 empty (the seven of diamonds goes under column 2).
    static PileCards OneMoveFromBlocked(bool leaveCellFree = false) {
        PileCards p;
        std::vector<bool> used(53, false);
        auto put = [&](int pile, int card) {
            p[pile].push_back(card);
            used[card] = true;
        };
        const int cellCards[] = {Card(13, 'C'), Card(11, 'C'), Card(9, 'C'), Card(7, 'C'),
                                 Card(13, 'D'), Card(11, 'D'), Card(9, 'D'), Card(7, 'D')};
        const int tops[] = {Card(7, 'S'), Card(13, 'H'), Card(11, 'H'), Card(9, 'H'),
                            Card(7, 'H'), Card(13, 'S'), Card(11, 'S')};
        used[Card(3, 'S')] = used[Card(6, 'S')] = true;
        for (int c : cellCards) used[c] = true;
        for (int c : tops) used[c] = true;
        if (leaveCellFree) put(2, Card(7, 'D')); // beneath column 2's top
        // The rest lie beneath the tops, round the columns.
        int column = 0;
        for (int c = 1; c <= 52; ++c)
            if (!used[c]) put(column++ % 8 + 1, c);
        for (int i = 0; i < 8; ++i)
            if (!(leaveCellFree && i == 7)) put(9 + i, cellCards[i]);
        for (int i = 0; i < 7; ++i) put(1 + i, tops[i]);
        put(8, Card(3, 'S'));
        put(8, Card(6, 'S'));
        return p;
    }

    // Every card once on the table, visible at its home, and some move left.
    void expectPlayable() {
        int total = 0;
        std::vector<int> seen(53, 0);
        for (int p = 1; p <= 20; ++p)
            for (int c : cards(p)) ++total, ++seen[c];
        EXPECT_EQ(total, 52);
        for (int c = 1; c <= 52; ++c) {
            EXPECT_EQ(seen[c], 1) << "card " << c;
            EXPECT_TRUE(table()->isVisible(c)) << c;
            EXPECT_EQ(RoundEven(table()->left(c)), s().CardHomeX[c]) << c;
            EXPECT_EQ(RoundEven(table()->top(c)), s().CardHomeY[c]) << c;
        }
        window->game().CheckGameEnd();
        EXPECT_EQ(s().MoveStatus, Yes);
    }

    // The figures of "zarn" in the score file.
    ScoreRecord storedScores() {
        const ScoreBook book = ParseScores(readFile(scorePath()));
        auto it = book.find(QStringLiteral("zarn"));
        return it == book.end() ? ScoreRecord{} : it->second;
    }

    // Glides become jumps, so tests that are not about the glide run quickly.
    void fastGlides() { window->speedFrame()->setValue(1); }
};

} // namespace zarn::test
