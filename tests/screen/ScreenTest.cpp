// What the player sees and touches on the real X11 screen: the window runs under xcb on
// its own Xvfb, the pointer is moved and pressed by the X server (xdotool), and every
// check of a picture reads the server's own pixels back; the captions of every window and
// message box as the window system shows them (_NET_WM_NAME, read with xprop), nothing
// added to them; and the program itself mapping its window there.
#include "../support/Screen.h"

#include "../support/PrivateCache.h"
#include "../window/WindowTest.h"
#include "game/Twips.h"
#include "table/Pictures/Background.h"
#include "ui/AppIdentity.h"
#include "ui/HelpWindow.h"

#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

namespace zarn::test {
namespace {

const int D1 = Card(1, 'D');

class Screen : public WindowTest {
public:
    void SetUp() override { ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")); }
    MainWindow& open(const QByteArray& settings = ".92\r\n75\r\n0\r\nY\r\n") {
        writeSettings(settings);
        start();
        window->activateWindow();
        QTest::qWait(200);
        return *window;
    }
    // A rectangle or point of the table, in screen pixels.
    QRect global(const QRect& r) { return {table()->mapToGlobal(r.topLeft()), r.size()}; }
    bool pointerTo(QPoint p) {
        const QPoint g = table()->mapToGlobal(p);
        return Xdotool({"mousemove", QString::number(g.x()), QString::number(g.y())});
    }
    bool button(const char* action, int button = 1) {
        return Xdotool({QString::fromLatin1(action), QString::number(button)});
    }
    // A point of `area` (table pixels) where the table's own hit test finds `picture` (0:
    // bare table), on a panel only when `panels` allows.
    std::optional<QPoint> pointOf(const QRect& area, int picture, bool panels = true) {
        const float tpp = table()->twipsPerPixel();
        for (int y = area.top() + 4; y < area.bottom() - 4; y += 3)
            for (int x = area.left() + 4; x < area.right() - 4; x += 3)
                if (window->pointer().PictureAt(float(x) * tpp, float(y) * tpp) == picture &&
                    (panels || !table()->childAt(x, y)))
                    return QPoint(x, y);
        return std::nullopt;
    }
    QRect scorePanel() { return window->scoreTable()->geometry(); }
    // A point of bare table on the screen, away from the cards and the panels.
    QPoint bareTable() {
        const QRect onScreen(table()->mapFromGlobal(QPoint(0, 0)), table()->screen()->size());
        return pointOf(table()->rect().intersected(onScreen), 0, false).value_or(QPoint());
    }
};

// A card dragged over the open score panel is seen whole above it while it hangs there;
// after it springs back the panel and the card's home look as they did before.
TEST_F(Screen, ADraggedCardPassesAboveTheOpenScorePanelAndLeavesNoTrace) {
    open();
    trigger(&GameMenuActions::showScores);
    const int card = TopCard(s(), 1);
    const QRect home = table()->pixelRect(card), panel = scorePanel();
    const QPoint away = bareTable();
    pointerTo(away);
    QTest::qWait(300);
    const QImage face = ScreenPixels(global(home)), panelBefore = ScreenPixels(global(panel));
    ASSERT_FALSE(face.isNull());

    const QPoint from = grabPoint(card), to = from + panel.center() - home.center();
    pointerTo(from);
    button("mousedown");
    for (int i = 1; i <= 4; ++i) pointerTo(from + (to - from) * i / 4);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return table()->pixelRect(card).center() == panel.center();
    })) << "the card follows the pointer";
    const QRect inner = table()->pixelRect(card).adjusted(8, 8, -8, -8);
    ASSERT_TRUE(panel.contains(inner));
    const QImage wanted = face.copy(inner.translated(-table()->pixelRect(card).topLeft()));
    EXPECT_TRUE(ScreenPixelsOnceEqual(global(inner), wanted) == wanted)
        << "the lifted card is seen whole above the panel";

    button("mouseup");
    pointerTo(away);
    ASSERT_TRUE(QTest::qWaitFor([&] { return table()->pixelRect(card) == home; }));
    EXPECT_TRUE(ScreenPixelsOnceEqual(global(panel), panelBefore) == panelBefore)
        << "no trace of the card on the panel";
    EXPECT_TRUE(ScreenPixelsOnceEqual(global(home), face) == face) << "the card back at home";
}

// The cards in the columns and the cells, and the markers beneath them, look on the
// screen as if every picture were drawn whole, bottom to top, over the plain table
// (though the parts of cards hidden under the cards above are not drawn): with the
// built-in cards, and with hearts of the player's own that are clear across the middle,
// where the cards beneath them show through.
TEST_F(Screen, TheTableLooksAsIfEveryPictureWereDrawnWhole) {
    for (bool clearHearts : {false, true}) {
        SCOPED_TRACE(clearHearts);
        if (clearHearts)
            writeFile(path("hearts2.svg"),
                      "<svg xmlns='http://www.w3.org/2000/svg' width='13836' height='1464'>"
                      "<rect width='13836' height='560' fill='#c00'/>"
                      "<rect y='900' width='13836' height='564' fill='#0c0'/></svg>");
        open();
        for (const auto& [first, last] : {std::pair(1, 8), std::pair(9, 16)}) {
            QRect area;
            for (int p = first; p <= last; ++p)
                for (int picture : cards(p)) area |= table()->pixelRect(picture);
            QImage wanted(area.size(), QImage::Format_RGB32);
            wanted.fill(PlainTableColour());
            QPainter painter(&wanted);
            painter.translate(-area.topLeft());
            std::vector<int> order;
            for (int m = MarkerFirst; m <= MarkerLast; ++m) order.push_back(m);
            order.insert(order.end(), table()->pictures().drawingOrder().begin(),
                         table()->pictures().drawingOrder().end());
            for (int i : order)
                if (table()->isVisible(i) && table()->pixelRect(i).intersects(area))
                    painter.drawImage(table()->pixelRect(i).topLeft(), table()->image(i));
            painter.end();
            EXPECT_TRUE(ScreenPixelsOnceEqual(global(area), wanted) == wanted) << first;
        }
    }
}

// Presses of every button on the panels, over a card hidden by the score panel and over
// bare table, reach neither: no card moves, the background stays, the panel stays open.
// The speed bar has no menu of its own.
TEST_F(Screen, PressesOnThePanelsStayOnThePanels) {
    open();
    fastGlides();
    trigger(&GameMenuActions::autoMove); // off
    trigger(&GameMenuActions::showScores);
    const QRect panel = scorePanel();
    int cell = 9; // the free cell most under the score panel
    auto under = [&](int p) {
        const QRect r = table()->pixelRect(MarkerOf(p)).intersected(panel);
        return r.width() * r.height();
    };
    for (int p = 10; p <= 16; ++p)
        if (under(p) > under(cell)) cell = p;
    PileCards piles;
    piles[cell] = {D1};
    arrange(piles, {1, 2, 3});
    const PileCards before = allPiles();
    const int background = s().BackgroundIndex;
    const QWidget* speed = window->speedFrame();
    auto inSpeed = [&](const char* name) {
        return speed->findChild<QWidget*>(QString::fromLatin1(name))->geometry().center() +
               speed->pos();
    };
    const std::optional<QPoint> overCard = pointOf(panel, D1), overBare = pointOf(panel, 0);
    ASSERT_TRUE(overCard && overBare);
    const QPoint points[] = {*overCard, *overBare, inSpeed("SlowLabel"), inSpeed("FastLabel"),
                             speed->pos() + QPoint(1, speed->height() / 2)};
    for (QPoint p : points) {
        pointerTo(p);
        button("click", 3);
        button("mousedown");
        pointerTo(p + QPoint(15, 30));
        button("mouseup");
        pointerTo(p);
        Xdotool({"click", "--repeat", "2", "--delay", "60", "1"});
    }
    // The events come in order: once this press has stepped the background, every press
    // above has been handled.
    const QPoint away = bareTable();
    pointerTo(away);
    button("click", 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return s().BackgroundIndex != background; }));
    EXPECT_EQ(s().BackgroundIndex, background + 1);
    EXPECT_EQ(allPiles(), before);
    EXPECT_FALSE(window->pointer().dragging());
    EXPECT_TRUE(window->scoreTable()->isVisible());
    expectWhole();

    pointerTo(inSpeed("SpeedRange"));
    button("click", 3);
    QTest::qWait(300);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "no scroll-bar menu";
    if (QApplication::activePopupWidget()) QApplication::activePopupWidget()->close();
}

// The score panel keeps its place and size; at every card size its "Close" lies inside
// the window and closes it, as do Esc and a left press on the bare table; a press on a
// card keeps its meaning and leaves the panel open.
TEST_F(Screen, TheScorePanelClosesAtEveryCardSize) {
    for (const char* scale : {".4", ".92", "2"}) {
        SCOPED_TRACE(scale);
        open(QByteArray(scale) + "\r\n75\r\n0\r\nY\r\n");
        ScoreTable* panel = window->scoreTable();
        const QPoint away = bareTable();
        trigger(&GameMenuActions::showScores);
        const float tpp = table()->twipsPerPixel();
        EXPECT_EQ(panel->geometry(),
                  QRect(Pixels(ScoreTable::LeftTwips, tpp), Pixels(ScoreTable::TopTwips, tpp),
                        Pixels(ScoreTable::WidthTwips, tpp), Pixels(ScoreTable::HeightTwips, tpp)));
        const QRect close(panel->closeButton()->mapTo(table(), QPoint()),
                          panel->closeButton()->size());
        EXPECT_TRUE(table()->rect().contains(close));
        pointerTo(close.center());
        button("click");
        EXPECT_TRUE(QTest::qWaitFor([&] { return !panel->isVisible(); })) << "Close";

        trigger(&GameMenuActions::showScores);
        Xdotool({"key", "Escape"});
        EXPECT_TRUE(QTest::qWaitFor([&] { return !panel->isVisible(); })) << "Esc";

        trigger(&GameMenuActions::showScores);
        const int background = s().BackgroundIndex;
        pointerTo(grabPoint(TopCard(s(), 1)));
        button("click");
        pointerTo(away);
        button("click", 3);
        ASSERT_TRUE(QTest::qWaitFor([&] { return s().BackgroundIndex != background; }));
        EXPECT_TRUE(panel->isVisible()) << "a press on a card";
        button("click");
        EXPECT_TRUE(QTest::qWaitFor([&] { return !panel->isVisible(); })) << "bare table";
    }
}

// The game-over boxes carry the result only in their titles: each is wide enough for its
// whole title beside a title bar's buttons. The question: Yes and No, Yes the default, no
// icon; No ends the program.
TEST_F(Screen, AGameOverBoxIsWideEnoughForItsTitle) {
    rec.realGameOverBox = true;
    open();
    for (bool won : {true, false}) {
        int width = 0;
        QString title;
        OnNextModal([&](QDialog* d) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(d));
            auto* box = qobject_cast<QMessageBox*>(d);
            ASSERT_NE(box, nullptr);
            width = box->frameGeometry().width();
            title = box->windowTitle();
            EXPECT_EQ(box->text(), QStringLiteral("another game ?"));
            EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            EXPECT_EQ(box->standardButton(box->defaultButton()), QMessageBox::Yes);
            EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
            box->button(won ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        window->showGameOver(won);
        EXPECT_EQ(rec.endProgramCalls, won ? 0 : 1);
        QFont bold = QApplication::font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        EXPECT_GE(width, metrics.horizontalAdvance(title) + 6 * metrics.height())
            << title.toStdString();
    }
}

// The markers of empty piles and the frame round the foundations read on the plain
// table and on every tile: across each one's left edge lie a dark line and a light one.
TEST_F(Screen, TheMarkersAndTheFoundationFrameReadOnEveryTable) {
    open();
    ASSERT_TRUE(s().Piles[13].empty()) << "the first deal leaves cell 13 empty";
    const QRect marker = table()->pixelRect(MarkerOf(13));
    const float tpp = table()->twipsPerPixel();
    const QPoint frame(int(s().CornerLeft / tpp),
                       int((s().CornerTop + s().CornerHeight / 2) / tpp));
    QImage last;
    for (int tile = 0; tile <= MaxBackgroundIndex; ++tile) {
        SCOPED_TRACE(tile);
        const QRect area = global(marker.adjusted(-3, 0, 0, 0));
        QImage now; // the new background painted and settled
        for (int i = 0; i < 50; ++i) {
            QTest::qWait(60);
            now = ScreenPixels(area);
            if (now != last && ScreenPixelsOnceEqual(area, now, 150) == now) break;
        }
        last = now;
        // The darkest and the lightest pixel of a short row across an edge.
        auto contrast = [&](QPoint edge) {
            int darkest = 255, lightest = 0;
            const QImage line = ScreenPixels(global(QRect(edge - QPoint(2, 0), QSize(9, 1))));
            for (int x = 0; x < line.width(); ++x) {
                darkest = std::min(darkest, qGray(line.pixel(x, 0)));
                lightest = std::max(lightest, qGray(line.pixel(x, 0)));
            }
            return lightest - darkest;
        };
        EXPECT_GE(contrast(QPoint(marker.left(), marker.center().y())), 130) << "marker";
        EXPECT_GE(contrast(frame), 100) << "frame";
        window->nextBackground();
    }
}

QString ShownTitle(QWidget* window) {
    if (!QTest::qWaitForWindowExposed(window)) return QStringLiteral("(not shown)");
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {"-id", QString::number(window->winId()), "_NET_WM_NAME"});
    if (!xprop.waitForFinished(10000) || xprop.exitCode() != 0)
        return QStringLiteral("(xprop failed) ") + xprop.readAllStandardError();
    // _NET_WM_NAME(UTF8_STRING) = "zarn Help"
    const QString out = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype quote = out.indexOf('"');
    return quote < 0 ? out : out.mid(quote + 1).chopped(1);
}

// Reads the title of the modal box the caller is about to open (and, given `text`, its
// text and its number of buttons), then answers it with its default button (or accepts it).
void ReadNextBox(QStringList& titles, QString* text = nullptr) {
    OnNextModal([&titles, text](QDialog* box) {
        titles << ShownTitle(box);
        if (auto* message = qobject_cast<QMessageBox*>(box)) {
            if (text) *text = message->text() + QString(" [%1]").arg(message->buttons().size());
            (message->defaultButton() ? message->defaultButton() : message->buttons().first())
                ->click();
        } else
            box->accept();
    });
}

TEST(Titles, AreExactlyTheCaptionsTheWindowsGive) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QTemporaryDir dir; // no settings file: the first-run message comes first
    MainWindowOptions options;
    options.progDir = dir.path();
    options.scoreFile = dir.filePath(QStringLiteral("scores.txt"));
    QStringList titles;
    QString first;
    ReadNextBox(titles, &first);
    MainWindow window(options);
    EXPECT_EQ(first, "zarn.pro not found, new file created [1]");
    window.show();
    titles << ShownTitle(&window);
    window.showHelp();
    titles << ShownTitle(window.helpWindow());
    ReadNextBox(titles);
    window.showAbout();
    for (bool won : {true, false}) {
        ReadNextBox(titles);
        window.showGameOver(won);
    }
    ReadNextBox(titles);
    window.scoreTable()->resetScores();
    EXPECT_EQ(titles.join(" | ").toStdString(),
              "ZARN | ZARN | zarn Help | About ZARN | CONGRATULATIONS - GAME COMPLETED | "
              "SORRY, NO MORE MOVES LEFT ! | ZARN");
}

// The class the desktop ties to the menu entry (its StartupWMClass) on X11.
QString EntryWindowClass() {
    QFile entry(QStringLiteral(ZARN_DESKTOP_ENTRY));
    if (!entry.open(QIODevice::ReadOnly)) return QStringLiteral("(no menu entry)");
    for (const QByteArray& line : entry.readAll().split('\n'))
        if (line.startsWith("StartupWMClass=")) return QString::fromUtf8(line.mid(15));
    return QStringLiteral("(no StartupWMClass)");
}

// The program itself, started as the desktop starts it, maps its window "ZARN", whose
// class is the one the menu entry names.
TEST(Program, ShowsItsWindow) {
    QTemporaryDir dir;
    QFile settings(dir.filePath(QStringLiteral("zarn.pro")));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly) &&
                settings.write(".92\r\n75\r\n0\r\nY\r\n") > 0);
    settings.close();
    QProcess game;
    game.setWorkingDirectory(dir.path());
    game.start(QStringLiteral(ZARN_EXE), {});
    ASSERT_TRUE(game.waitForStarted());
    QString id;
    const bool shown = QTest::qWaitFor(
        [&id] {
            QProcess search;
            search.start(QStringLiteral("xdotool"),
                         {"search", "--onlyvisible", "--name", "^ZARN$"});
            if (!search.waitForFinished(5000) || search.exitCode() != 0) return false;
            id = QString::fromUtf8(search.readAllStandardOutput()).section('\n', 0, 0);
            return true;
        },
        10000);
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {"-id", id, "WM_CLASS"});
    xprop.waitForFinished(10000);
    game.kill();
    game.waitForFinished();
    EXPECT_TRUE(shown);
    // WM_CLASS(STRING) = "zarn", "zarn": the instance, then the class.
    EXPECT_EQ(xprop.readAllStandardOutput().trimmed().toStdString(),
              "WM_CLASS(STRING) = \"zarn\", \"" + EntryWindowClass().toStdString() + "\"");
}

} // namespace
} // namespace zarn::test

int main(int argc, char** argv) {
    zarn::test::UsePrivateCacheFolder();
    QApplication app(argc, argv);
    zarn::SetApplicationIdentity();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
