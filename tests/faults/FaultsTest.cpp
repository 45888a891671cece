// The game against a hostile world: folders that cannot be written, a full disk,
// artwork and tiles that are broken, a missing help page. No data is lost and the game
// goes on.
#include "game/Cards.h"
#include "game/Rules.h"
#include "scores/ScoreTable.h"
#include "table/Pictures/ArtFiles.h"
#include "table/Pictures/Background.h"
#include "table/Pictures/CardArtwork.h"
#include "table/Pictures/CardPictures.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/TableWidget.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace zarn::test {
namespace {

struct Notices {
    std::vector<SettingsNotice> kinds;
    int count(SettingsNotice kind) const {
        return int(std::count(kinds.begin(), kinds.end(), kind));
    }
};

std::unique_ptr<MainWindow> StartIn(const QString& folder, const QString& scoreFile,
                                    Notices& notices, int* ended) {
    MainWindowOptions o;
    o.progDir = folder;
    o.scoreFile = scoreFile;
    o.seed = 3;
    o.settingsNotice = [&notices](SettingsNotice kind, const QString&) {
        notices.kinds.push_back(kind);
    };
    o.askAnotherGame = [](const QString&) { return true; };
    o.endProgram = [ended] { ++*ended; };
    auto w = std::make_unique<MainWindow>(o);
    w->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    return w;
}

// Every card once on the table, each picture at its home, and some legal move left.
void ExpectPlayable(MainWindow& w) {
    GameState& s = w.state();
    int cards = 0;
    for (int p = 1; p <= 20; ++p) cards += FieldCount(s.Piles[p]);
    EXPECT_EQ(cards, 52);
    for (int c = 1; c <= 52; ++c) {
        EXPECT_TRUE(w.table()->isVisible(c)) << c;
        EXPECT_EQ(RoundEven(w.table()->left(c)), s.CardHomeX[c]) << c;
    }
    w.game().CheckGameEnd();
    EXPECT_EQ(s.MoveStatus, Yes);
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// /proc takes no new files, whoever asks.
TEST(WorldFaults, AFolderThatCannotBeWrittenGivesOneMessageAndTheGameGoesOn) {
    QTemporaryDir scores;
    Notices notices;
    int ended = 0;
    auto w = StartIn(QStringLiteral("/proc"), scores.filePath("scores.txt"), notices, &ended);
    EXPECT_EQ(notices.count(SettingsNotice::Created), 1);
    EXPECT_EQ(notices.count(SettingsNotice::WriteFailed), 1);
    ExpectPlayable(*w);
    EXPECT_EQ(w->state().SizeScale, 0.92f); // the defaults are in force

    w->actions().dealAgain->trigger(); // a loss is still counted
    EXPECT_EQ(w->scoreTable()->figures().Lost, 1);
    ExpectPlayable(*w);
    w->actions().exit->trigger(); // two more saves, no more messages
    EXPECT_EQ(notices.count(SettingsNotice::WriteFailed), 1);
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(QFile::exists(QStringLiteral("/proc/zarn.pro")));
}

// A small file system of its own, filled to the last byte.
class FullDisk : public ::testing::Test {
protected:
    QTemporaryDir mountPoint;
    bool mounted = false;

    void SetUp() override {
        const int rc = QProcess::execute(QStringLiteral("mount"),
                                         {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                          QStringLiteral("-o"), QStringLiteral("size=64k"),
                                          QStringLiteral("tmpfs"), mountPoint.path()});
        mounted = rc == 0;
        if (!mounted) GTEST_SKIP() << "no right to mount a file system here";
    }
    void TearDown() override {
        if (mounted) QProcess::execute(QStringLiteral("umount"), {mountPoint.path()});
    }
    QString path(const char* name) const { return mountPoint.filePath(QString::fromLatin1(name)); }
    void fill() {
        QFile filler(path("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        ASSERT_EQ(filler.write("x", 1), -1) << "the disk is full";
    }
};

TEST_F(FullDisk, TheOldSettingsAndScoresStayWholeAndNoResultIsLost) {
    const QByteArray settings = "01.200\r\n 30 \r\n 4 \r\nN\r\n";
    Write(path("zarn.pro"), settings);
    Write(path("scores.txt"), "ZARN scores 1\nzarn\t2\t3\t-1\t2\t1\n");
    const QByteArray scores = ReadAll(path("scores.txt"));
    fill();
    Notices notices;
    int ended = 0;
    auto w = StartIn(mountPoint.path(), path("scores.txt"), notices, &ended);
    EXPECT_TRUE(notices.kinds.empty()); // reading needs no room
    EXPECT_EQ(w->state().SizeScale, 1.2f);
    EXPECT_EQ(w->state().BackgroundIndex, 4);
    ExpectPlayable(*w);

    w->actions().dealAgain->trigger();
    EXPECT_EQ(w->scoreTable()->figures().Lost, 4); // counted, waiting to be written
    EXPECT_EQ(w->scoreTable()->pendingResults(), 1);
    w->nextBackground();
    EXPECT_FALSE(w->saveSettings());
    EXPECT_FALSE(w->saveSettings());
    EXPECT_EQ(notices.count(SettingsNotice::WriteFailed), 1); // said once
    EXPECT_EQ(ReadAll(path("zarn.pro")), settings);
    EXPECT_EQ(ReadAll(path("scores.txt")), scores);

    // Room again: the waiting result reaches the file with the next one, and the
    // settings of this session are kept on the way out.
    QFile::remove(path("filler"));
    w->actions().dealAgain->trigger();
    EXPECT_EQ(w->scoreTable()->pendingResults(), 0);
    EXPECT_EQ(ParseScores(ReadAll(path("scores.txt"))).at(QStringLiteral("zarn")).Lost, 5);
    w->actions().exit->trigger();
    EXPECT_EQ(ReadAll(path("zarn.pro")), QByteArray("01.200\r\n 30 \r\n 5 \r\nN\r\n"));
    EXPECT_EQ(ended, 1);
}

// Broken files in the working folder: the built-in copies are used instead.
TEST(WorldFaults, BrokenArtworkAndTilesFallBackToTheBuiltInCopies) {
    QTemporaryDir dir, scores, empty;
    QFile clubs(BuiltInPath(QStringLiteral("cards/clubs2.svg")));
    ASSERT_TRUE(clubs.open(QIODevice::ReadOnly));
    Write(dir.filePath("clubs2.svg"), clubs.read(300)); // cut short
    Write(dir.filePath("backs.svg"), "this is not a picture");
    Write(dir.filePath("hearts2.svg"), QByteArray(5000, '\0'));
    Write(dir.filePath("coral.bmp"), "BM and nothing else");
    Write(dir.filePath("zarn.pro"), ".92\r\n75\r\n1\r\nY\r\n"); // the coral tile

    Notices notices;
    int ended = 0;
    auto w = StartIn(dir.path(), scores.filePath("scores.txt"), notices, &ended);
    ExpectPlayable(*w);

    // Every card and marker shows what the built-in artwork draws: compare the middle
    // of each picture on the screen with the picture composed from the built-in files.
    const QImage shot = w->table()->grab().toImage();
    const CardPictures reference = ComposeCardPictures(CardArtwork(empty.path()), w->state(), 1);
    auto sameMiddle = [&](int picture) {
        const QRect r = w->table()->pixelRect(picture);
        const QImage& ref = reference.image[picture];
        for (int y = r.height() / 4; y < r.height() * 3 / 4; y += 3)
            for (int x = r.width() / 4; x < r.width() * 3 / 4; x += 3)
                if (qAlpha(ref.pixel(x, y)) == 255 &&
                    shot.pixel(r.x() + x, r.y() + y) != ref.pixel(x, y))
                    return false;
        return true;
    };
    const GameState& s = w->state();
    for (int p = 1; p <= 12; ++p) { // the top card of every column and the four cells
        const int card = TopCard(s, p);
        EXPECT_TRUE(sameMiddle(card)) << "card " << card;
    }
    EXPECT_TRUE(sameMiddle(65)) << "the marker of an empty cell";
    EXPECT_FALSE(reference.image[27].isNull());

    // The tile is the built-in coral.
    const QImage builtIn = LoadTile(1, empty.path());
    ASSERT_FALSE(builtIn.isNull());
    EXPECT_EQ(w->table()->background().pixelColor(5, 5), builtIn.pixelColor(5, 5));
    EXPECT_EQ(w->table()->background().pixelColor(130, 3), builtIn.pixelColor(2, 3));
}

TEST(WorldFaults, AMissingHelpPageShowsTheBuiltInOne) {
    QTemporaryDir dir, scores;
    Write(dir.filePath("zarn.pro"), ".92\r\n75\r\n0\r\nY\r\n");
    Notices notices;
    int ended = 0;
    auto w = StartIn(dir.path(), scores.filePath("scores.txt"), notices, &ended);
    // The test program's folder holds no help page.
    ASSERT_FALSE(QFile::exists(QDir(QCoreApplication::applicationDirPath()).filePath("zarn.htm")));
    w->actions().help->trigger();
    ASSERT_NE(w->helpWindow(), nullptr);
    QTest::qWait(50);
    EXPECT_EQ(w->helpWindow()->browser()->source(), HelpWindow::BuiltInPage());
    EXPECT_TRUE(w->helpWindow()->browser()->toPlainText().contains(QStringLiteral("rules"),
                                                                   Qt::CaseInsensitive));
}

} // namespace
} // namespace zarn::test
