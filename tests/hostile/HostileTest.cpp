// The game started in a folder holding hostile files and links: FIFOs, links to devices,
// huge and cut-short files, artwork that loops, a help page with links out of the help,
// links and files of another user, lock files that are not lock files, other games'
// scores, also as an ordinary user in a folder everyone can write into. Each time the
// window comes up with the built-in pictures, a whole game session runs,
// each file the game does not use is named to the player once, and nothing but the
// game's own files has changed. Then the game started in folders that cannot be named.
#include "../support/WindowFixture.h"
#include "scores/ScoreBook.h"
#include "table/CardMetrics.h"
#include "table/Pictures/ArtFiles.h"
#include "table/Pictures/Background.h"
#include "table/Pictures/CardPictures.h"
#include "table/Pictures/CardPicturesJob.h"
#include "table/Pictures/StripCache.h"
#include "ui/HelpWindow.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QTextBrowser>
#include <clocale>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <map>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace zarn::test {

// What the help window hands to the desktop's opener.
class Opener : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class Hostile;
struct Case {
    const char* name;
    std::function<void(Hostile&)> prepare;
    std::vector<const char*> told;            // each named in one message, in this order
    std::function<void(Hostile&)> check = {}; // after two games, before "Exit"
    // Besides these, nothing under the folder may change.
    std::vector<const char*> changed = {"zarn.pro", "scores/scores.txt"};
    // Played by an ordinary user in folders everyone can write into (/tmp's mode).
    bool asUser = false;
    friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
};

class Hostile : public WindowFixture, public ::testing::WithParamInterface<Case> {
public:
    static std::vector<Case> Cases();
    static constexpr uid_t User = 65534, Other = 65533; // the player, someone else
    int heldLock = -1;
    ~Hostile() override {
        if (heldLock >= 0) ::close(heldLock);
    }

protected:
    // Files of other users are made by root.
    void own(const char* name, uid_t user) {
        if (::geteuid() != 0) GTEST_SKIP() << "needs root to make another user's files";
        ASSERT_EQ(::lchown(path(name).toLocal8Bit(), user, user), 0) << name;
    }
    // Each entry under the folder: its kind, owner, and bytes or link text.
    std::map<QString, QByteArray> snapshot() {
        std::map<QString, QByteArray> entries;
        QDirIterator it(dir.path(),
                        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            struct stat info {};
            if (::lstat(file.toLocal8Bit(), &info) != 0) continue;
            QByteArray& e = entries[QDir(dir.path()).relativeFilePath(file)];
            e = QByteArray::number(info.st_mode) + ' ' + QByteArray::number(info.st_uid) + ' ';
            if (S_ISREG(info.st_mode)) e += readFile(file);
            if (S_ISLNK(info.st_mode)) e += QFile::symLinkTarget(file).toLocal8Bit();
        }
        return entries;
    }
    // The game shows the built-in pictures: the 76 card pictures and its tile, if any.
    void expectBuiltInPictures() {
        const QString builtIn = QStringLiteral("/nonexistent");
        const CardPictures cards =
            ComposeCardPictures(CardArtwork(builtIn), s(), table()->devicePixelRatioF());
        for (int i = 1; i <= 76; ++i) EXPECT_TRUE(table()->image(i) == cards.image[i]) << i;
        const int tile = s().BackgroundIndex;
        EXPECT_EQ(table()->background().copy(0, 0, TileSize, TileSize),
                  tile ? LoadTile(tile, builtIn).convertToFormat(QImage::Format_RGB32) : QImage());
    }
    // The game has put its strips in the cache: a start at its size draws none.
    void expectCacheWhole() {
        EXPECT_TRUE(QTest::qWaitFor(
            [this] {
                CardPicturesJob job(QStringLiteral("/nonexistent"), StripCacheFolder());
                job.render(s(), table()->devicePixelRatioF());
                job.take();
                return job.drawnStrips().empty();
            },
            10000));
    }
    void fifo(const char* name) { ASSERT_EQ(::mkfifo(path(name).toLocal8Bit(), 0600), 0); }
    void link(const QString& target, const char* name) {
        ASSERT_TRUE(QFile::link(target, path(name)));
    }
    void clickLink(QTextBrowser* b, const char* text) {
        QTextCursor c = b->document()->find(QString::fromLatin1(text));
        ASSERT_FALSE(c.isNull()) << text;
        c.setPosition((c.selectionStart() + c.selectionEnd()) / 2);
        QTest::mouseClick(b->viewport(), Qt::LeftButton, {}, b->cursorRect(c).center());
    }
};

// Blue artwork holding more; as an embedded picture, one of 10 x 10 pixels.
QByteArray Svg(const QByteArray& inside, const QByteArray& head = {}) {
    return head +
           "<svg xmlns='http://www.w3.org/2000/svg' "
           "xmlns:xlink='http://www.w3.org/1999/xlink' width='10' height='10' "
           "viewBox='0 0 13836 1464'><rect width='13836' height='1464' fill='#00f'/>" +
           inside + "</svg>";
}
QByteArray Image(const QByteArray& href) {
    return "<image width='9' height='9' xlink:href='" + href + "'/>";
}
QByteArray DataLink(const char* type, const QByteArray& bytes) {
    return "data:" + QByteArray(type) + ";base64," + bytes.toBase64();
}
// A PNG of width x height pixels.
QByteArray Png(int width, int height) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage(width, height, QImage::Format_Mono).save(&buffer, "PNG");
    return png;
}

// Lines of other games and versions that this game cannot read, or would write otherwise.
QByteArray Others() {
    return "ZARN scores 1\n# a comment\nother\t99999999999\t0\t0\t0\t0\nodd\t1\t1\t5\t9\t9\n"
           "negative\t-4\t1\t0\t0\t0\n" +
           QByteArray(70, 'n') + QByteArrayLiteral("\t1\t1\t1\t1\t1\nnul\0\t1\t1\t1\t1\t1\n") +
           "zarn\t5\t6\t-1\t2\t3\nwide\t" + QByteArray(3000, '7') +
           "\nzarn\t9\t9\t9\t9\t9\ncrlf\t1\t0\t1\t1\t0\r\nno last line end\t1";
}

std::vector<Case> Hostile::Cases() {
    return {
        // Not regular files: never opened, so never waited on or read without end.
        {"FifosAndLinksToDevZero",
         [](Hostile& t) {
             t.fifo("clubs2.svg");
             t.link("/dev/zero", "backs.svg");
             t.link("/dev/zero", "coral.bmp");
             t.fifo("scores/scores.txt");
             // QtSvg would open a picture the artwork names itself.
             t.writeFile(t.path("diamond2.svg"), Svg(Image(t.path("coral.bmp").toUtf8())));
         },
         {"clubs2.svg", "diamond2.svg", "backs.svg", "scores.txt", "coral.bmp", "hearts2.svg"},
         [](Hostile& t) { // one more while playing: told at the next card size
             t.fifo("hearts2.svg");
             t.trigger(&GameMenuActions::increaseSize);
         },
         {"zarn.pro", "hearts2.svg"}},
        {"LinksToADeviceNode",
         [](Hostile& t) {
             if (::mknod(t.path("null").toLocal8Bit(), S_IFCHR | 0666, makedev(1, 3)) != 0)
                 GTEST_SKIP() << "making a device node needs root; not tried";
             QFile::remove(t.settingsPath());
             t.link(t.path("null"), "zarn.pro");
             t.link(t.path("null"), "scores/scores.txt");
         },
         {"zarn.pro", "scores.txt"}},
        {"ScoreFileOver16MB",
         [](Hostile& t) {
             t.writeFile(t.scorePath(),
                         "ZARN scores 1\n" + QByteArray(17 << 20, '\n') + "zarn\t5\t6\t-1\t2\t3\n");
         },
         {"scores.txt"},
         [](Hostile& t) {
             EXPECT_TRUE(t.readFile(t.scorePath()).endsWith("\nzarn\t5\t6\t-1\t2\t3\n"));
         }},
        {"TruncatedTile",
         [](Hostile& t) {
             t.writeFile(t.path("coral.bmp"),
                         t.readFile(BuiltInPath("tiles/coral.bmp")).left(3000));
         },
         {"coral.bmp"}},
        {"ScoreFileThatCannotBeWritten",
         [](Hostile& t) { QDir().mkpath(t.scorePath()); },
         {"scores.txt"}},
        // The settings a link to nothing (no file is made where it points), the scores a
        // link to a file of another user.
        {"LinksToNothingAndToAFileOfAnotherUser",
         [](Hostile& t) {
             QDir(t.dir.path()).mkdir("other");
             t.writeFile(t.path("other/scores.txt"), "ZARN scores 1\nzarn\t1\t1\t1\t1\t1\n");
             t.own("other/scores.txt", Other);
             QFile::remove(t.settingsPath());
             t.link(t.path("other/zarn.pro"), "zarn.pro");
             t.link(t.path("other/scores.txt"), "scores/scores.txt");
         },
         {"zarn.pro", "scores.txt"}},
        {"ALinkOfAnotherUser",
         [](Hostile& t) {
             QFile::rename(t.settingsPath(), t.path("mine.pro"));
             t.link(t.path("mine.pro"), "zarn.pro");
             t.own("zarn.pro", Other);
             t.writeFile(t.scorePath(), "ZARN scores 1\n"); // and a file of his
             t.own("scores/scores.txt", Other);
         },
         {"scores.txt", "zarn.pro"}},
        {"ThePlayersOwnLinksAreWrittenThrough", // as dotfile managers make them
         [](Hostile& t) {
             QDir(t.dir.path()).mkdir("dotfiles");
             QFile::rename(t.settingsPath(), t.path("dotfiles/zarn.pro"));
             t.link(t.path("dotfiles/zarn.pro"), "zarn.pro");
             t.link("../dotfiles/scores.txt", "scores/scores.txt");
             t.writeFile(t.path("dotfiles/scores.txt"), "ZARN scores 1\n");
         },
         {},
         [](Hostile& t) {
             EXPECT_EQ(t.readFile(t.path("dotfiles/scores.txt")),
                       "ZARN scores 1\nzarn\t0\t2\t-2\t0\t2\n");
         },
         {"dotfiles/zarn.pro", "dotfiles/scores.txt"}},
        {"LinksOfAnotherUserInAFolderEveryoneWritesInto",
         [](Hostile& t) {
             QDir(t.dir.path()).mkdir("home");
             t.writeFile(t.path("home/notes"), "THE PLAYER'S NOTES\n");
             t.writeFile(t.path("home/scores"), "ZARN scores 1\nzarn\t1\t0\t1\t1\t0\n");
             for (const char* name : {"home", "home/notes", "home/scores"}) t.own(name, User);
             QFile::remove(t.settingsPath());
             t.link(t.path("home/notes"), "zarn.pro");
             t.link(t.path("home/scores"), "scores/scores.txt");
             for (const char* name : {"zarn.pro", "scores/scores.txt"}) t.own(name, Other);
         },
         {"scores.txt", "zarn.pro"},
         {},
         {"zarn.pro", "scores/scores.txt"},
         true},
        {"ALockOfAnotherUserInAFolderEveryoneWritesInto",
         [](Hostile& t) {
             t.fifo("scores/scores.txt.lock");
             t.own("scores/scores.txt.lock", Other);
         },
         {"scores.txt"},
         {},
         {"zarn.pro", "scores/scores.txt"},
         true},
        {"LockFilesThatAreNoLocks",
         [](Hostile& t) {
             t.fifo("scores/scores.txt.lock");
             QDir(t.dir.path()).mkdir("locks");
             t.fifo("locks/fifo");
             t.link("/dev/zero", "locks/scores.txt.lock");
             t.link(t.path("locks/nothing"), "locks/lock2");
         },
         {},
         [](Hostile& t) {
             EXPECT_EQ(t.readFile(t.scorePath()), "ZARN scores 1\nzarn\t0\t2\t-2\t0\t2\n");
             // The other kinds, each in the lock's place in turn.
             ScoreStore store(t.path("locks/scores.txt"));
             for (const char* kind : {"locks/scores.txt.lock", "locks/lock2", "locks/fifo"}) {
                 QFile::rename(t.path(kind), t.path("locks/scores.txt.lock"));
                 EXPECT_TRUE(store.update([](ScoreBook& b) { b["zarn"].record(true); })) << kind;
             }
             EXPECT_EQ(ParseScores(t.readFile(t.path("locks/scores.txt"))).at("zarn").Won, 3);
             t.writeFile(t.path("locks/scores.txt.lock"), "left by a copy killed long ago");
             EXPECT_TRUE(store.update([](ScoreBook& b) { b["zarn"].record(true); }));
         },
         {"zarn.pro", "scores/scores.txt", "scores/scores.txt.lock", "locks/scores.txt.lock",
          "locks/lock2", "locks/fifo", "locks/scores.txt"}},
        {"ALockHeldByAnotherCopy",
         [](Hostile& t) {
             t.writeFile(t.scorePath(), "ZARN scores 1\nzarn\t5\t6\t-1\t2\t3\n");
             t.heldLock = ::open((t.scorePath() + ".lock").toLocal8Bit(), O_RDONLY | O_CREAT, 0644);
             ASSERT_EQ(::flock(t.heldLock, LOCK_EX), 0);
         },
         {"scores.txt"},
         [](Hostile& t) {
             QElapsedTimer timer;
             timer.start();
             t.window->showGameOver(true);
             EXPECT_LT(timer.elapsed(), 1000) << "ms the window stood still";
             EXPECT_EQ(t.window->scoreTable()->figures(), (ScoreRecord{6, 8, 1, 2, 3}));
         },
         {"zarn.pro", "scores/scores.txt.lock"}},
        {"OtherGamesLinesAreKeptByteForByte",
         [](Hostile& t) { t.writeFile(t.scorePath(), Others()); },
         {},
         [](Hostile& t) {
             QByteArray expected = Others() + '\n'; // the game's own lines are written anew
             expected.replace("zarn\t5\t6\t-1\t2\t3\n", "zarn\t5\t8\t-3\t2\t3\n");
             expected.replace("zarn\t9\t9\t9\t9\t9\n", ""); // a later one of them is dropped
             EXPECT_EQ(t.readFile(t.scorePath()), expected);
         }},
        {"AScoreFileOfANewerVersion",
         [](Hostile& t) {
             t.writeFile(t.scorePath(), "ZARN scores 2\nzarn\t5\t6\t-1\t2\t3\tnew\n");
         },
         {"scores.txt"},
         [](Hostile& t) {
             EXPECT_EQ(t.window->scoreTable()->figures(), (ScoreRecord{0, 2, -2, 0, 2}));
         },
         {"zarn.pro"}},
        {"CacheFolderThatIsAFile",
         [](Hostile& t) {
             QDir(StripCacheFolder()).removeRecursively();
             t.writeFile(StripCacheFolder(), "not a folder");
         },
         {},
         [](Hostile& t) { t.expectCacheWhole(); }},
        {"ArtworkInALoop",
         [](Hostile& t) {
             t.writeFile(t.path("clubs2.svg"),
                         "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 13836 1464'><defs>"
                         "<g id='a'><use href='#b'/></g><g id='b'><use href='#a'/></g></defs>"
                         "<use href='#a'/></svg>");
         },
         {"clubs2.svg"}},
        // The settings file under a decimal-comma locale (the same rows run under one).
        {"NoSettingsFileUnderAnyLocale",
         [](Hostile& t) { QFile::remove(t.settingsPath()); },
         {"zarn.pro"},
         [](Hostile& t) {
             EXPECT_EQ(*std::localeconv()->decimal_point == ',', // a decimal-comma run has it
                       qEnvironmentVariable("LC_ALL").startsWith("de_DE"));
             EXPECT_EQ(t.s().SizeScale, 0.92f);
             EXPECT_EQ(t.readFile(t.settingsPath()), "00.920\r\n 75 \r\n 0 \r\nY\r\n");
         }},
        // Artwork that would make QtSvg read other files, at any depth, or decode more
        // pixels than a strip at the largest size holds (here in many small pictures).
        {"ArtworkThatNamesOtherFilesOrHoldsTooManyPixels",
         [](Hostile& t) {
             t.fifo("sheet.css");
             t.writeFile(t.path("clubs2.svg"),
                         Svg({}, "<?xml version='1.0'?><?xml-stylesheet type='text/css' href='" +
                                     t.path("sheet.css").toUtf8() + "'?>"));
             // To <image>, "#card" is a file of the working folder, not a part of the SVG.
             ASSERT_TRUE(QDir::setCurrent(t.dir.path()));
             t.fifo("#card");
             t.writeFile(t.path("backs.svg"), Svg(Image("#card")));
             t.fifo("inner.png");
             const QByteArray inner = Svg(Image(t.path("inner.png").toUtf8()));
             t.writeFile(t.path("spades2.svg"),
                         Svg(Image(DataLink("image/svg+xml",
                                            Svg(Image(DataLink("image/svg+xml", inner)))))));
             QByteArray images;
             for (int i = 0; i < 100; ++i) images += Image(DataLink("image/png", Png(250, 250)));
             t.writeFile(t.path("hearts2.svg"), Svg(images));
         },
         {"clubs2.svg", "hearts2.svg", "spades2.svg", "backs.svg"}},
        // The help page's links out of the help, its pictures from outside its folder, a
        // FIFO beside it, and a page of 3000 nested tables: nothing of them is read or
        // opened but the web link, and nothing is told.
        {"HelpLinksPicturesAndDeeplyNestedTables",
         [](Hostile& t) {
             QDir(t.dir.path()).mkpath("help");
             QDir(t.dir.path()).mkpath("deep");
             t.writeFile(t.path("secret.txt"), "SECRET");
             QImage red(300, 300, QImage::Format_RGB32);
             red.fill(Qt::red);
             ASSERT_TRUE(red.save(t.path("red.png")));
             t.fifo("help/fifo.png");
             t.writeFile(t.path("help/zarn.htm"),
                         "<p>ZARN help</p><p><img src='fifo.png'></p><p><img src='" +
                             t.path("red.png").toUtf8() +
                             "'><img src='../red.png'><img src='/dev/zero'></p><p><a href='" +
                             QUrl::fromLocalFile(t.path("secret.txt")).toEncoded() +
                             "'>file</a></p><p><a href='javascript:alert(1)'>script</a></p>"
                             "<p><a href='http://example.invalid/'>web</a></p>"
                             "<p><a href='other.htm'>beside</a></p>");
             t.writeFile(t.path("help/other.htm"), "another help page <a href='deep.htm'>deep</a>");
             const QByteArray deep = QByteArray("<table><tr><td>").repeated(3000) + "deep" +
                                     QByteArray("</td></tr></table>").repeated(3000);
             t.writeFile(t.path("help/deep.htm"), deep);
             t.writeFile(t.path("deep/zarn.htm"), deep);
         },
         {},
         [](Hostile& t) {
             static Opener opener;
             for (const char* scheme : {"file", "javascript", "http"})
                 QDesktopServices::setUrlHandler(scheme, &opener, "open");
             t.trigger(&GameMenuActions::help);
             HelpWindow* help = t.window->helpWindow();
             const QUrl page = QUrl::fromLocalFile(t.path("help/zarn.htm"));
             help->setLocation(page);
             help->reload();
             QTextBrowser* b = help->browser();
             EXPECT_LT(b->document()->size().height(), 300) << "no picture laid out";
             for (const char* link : {"file", "script", "web"}) {
                 SCOPED_TRACE(link);
                 t.clickLink(b, link);
                 EXPECT_EQ(b->source().toString(), page.toString());
                 EXPECT_TRUE(b->toPlainText().startsWith("ZARN help"));
             }
             EXPECT_EQ(opener.opened, QList<QUrl>{QUrl("http://example.invalid/")});
             // A style sheet from outside the help is answered with nothing.
             EXPECT_EQ(b->loadResource(QTextDocument::StyleSheetResource,
                                       QUrl::fromLocalFile(t.path("secret.txt"))),
                       QVariant(QByteArray()));
             t.clickLink(b, "beside");
             EXPECT_TRUE(b->toPlainText().startsWith("another help page"));
             t.clickLink(b, "deep");
             EXPECT_EQ(b->toPlainText(), "") << "a page too deep to lay out is not shown";
             help->setLocation(HelpWindow::HelpLocation(t.path("deep")));
             help->reload();
             EXPECT_EQ(b->source(), HelpWindow::BuiltInPage());
         }},
    };
}

TEST_P(Hostile, TheGameLooksAsWithTheBuiltInFilesAndSaysOnceWhatItDidNotUse) {
    const Case& c = GetParam();
    writeSettings(".92\r\n75\r\n1\r\nY\r\n"); // the coral tile
    QDir(dir.path()).mkdir("scores");
    if (c.asUser) {
        own("zarn.pro", User);
        for (const QString& shared : {dir.path(), path("scores")})
            ASSERT_EQ(::chmod(shared.toLocal8Bit(), 01777), 0);
    }
    c.prepare(*this);
    if (IsSkipped() || HasFatalFailure()) return;
    const std::map<QString, QByteArray> before = snapshot();
    const gid_t root = 0;
    auto backToRoot = [&] {
        window.reset();
        if (c.asUser) {
            ASSERT_TRUE(::seteuid(0) == 0 && ::setegid(0) == 0 && ::setgroups(1, &root) == 0);
        }
    };
    auto asRoot = qScopeGuard(backToRoot);
    if (c.asUser) {
        ASSERT_TRUE(::setgroups(0, nullptr) == 0 && ::setegid(User) == 0 && ::seteuid(User) == 0);
    }
    start();
    expectBuiltInPictures();
    window->showGameOver(false); // a blocked game: a loss counted, the settings saved
    window->showGameOver(false);
    if (c.check) c.check(*this);
    trigger(&GameMenuActions::exit);
    ASSERT_EQ(rec.notices.size(), c.told.size())
        << QStringList(rec.notices.begin(), rec.notices.end()).join(" | ").toStdString();
    for (std::size_t i = 0; i < c.told.size(); ++i)
        EXPECT_TRUE(rec.notices[i].contains(c.told[i])) << rec.notices[i].toStdString();
    asRoot.dismiss();
    backToRoot();
    std::map<QString, QByteArray> after = snapshot();
    auto mayChange = [&c](const QString& name) {
        return std::find(c.changed.begin(), c.changed.end(), name) != c.changed.end();
    };
    for (const auto& [name, entry] : before) {
        if (mayChange(name)) continue;
        EXPECT_TRUE(after.count(name) && after[name] == entry) << qPrintable(name) << " changed";
    }
    for (const auto& [name, entry] : after)
        EXPECT_TRUE(before.count(name) || mayChange(name)) << qPrintable(name) << " was made";
}

INSTANTIATE_TEST_SUITE_P(Files, Hostile, ::testing::ValuesIn(Hostile::Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

// The game started in a folder that cannot be named as a path: it finds its settings there
// all the same and keeps them there; one that no longer exists is told once and nothing
// is written anywhere.
struct Place {
    const char* name;
    std::function<int(int top)> make; // the folder to start in, made under top and opened
    std::function<void(int top)> whilePlaying = {};
    friend void PrintTo(const Place& c, std::ostream* os) { *os << c.name; }
};

class StartedIn : public WindowFixture, public ::testing::WithParamInterface<Place> {};

int Made(int at, const QByteArray& name) {
    ::mkdirat(at, name, 0700);
    const int fd = ::openat(at, name, O_PATH | O_DIRECTORY | O_CLOEXEC);
    EXPECT_GE(fd, 0) << name.size();
    return fd;
}

// Removes what a path could not reach.
void RemoveTree(int at, const char* name) {
    const int fd = ::openat(at, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (DIR* d = fd < 0 ? nullptr : ::fdopendir(fd)) {
        while (const dirent* e = ::readdir(d))
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
                RemoveTree(fd, e->d_name);
        ::closedir(d);
    }
    if (::unlinkat(at, name, AT_REMOVEDIR) != 0) ::unlinkat(at, name, 0);
}

TEST_P(StartedIn, AFolderThatCannotBeNamed) {
    const Place& c = GetParam();
    struct stat info {};
    ASSERT_NE(::stat("/zarn.pro", &info), 0) << "/zarn.pro is in the way";
    const int top = Made(AT_FDCWD, QFile::encodeName(dir.path())), back = Made(AT_FDCWD, ".");
    const int folder = c.make(top);
    const QByteArray coral = ".92\r\n75\r\n1\r\nY\r\n";
    const int settings = ::openat(folder, "zarn.pro", O_WRONLY | O_CREAT, 0600);
    const bool gone = settings < 0; // in a deleted folder nothing can be made
    if (!gone) {
        ASSERT_EQ(::write(settings, coral.data(), coral.size()), coral.size());
    }
    ::close(settings);
    ASSERT_EQ(::fchdir(folder), 0);
    auto leave = qScopeGuard([&] {
        window.reset();
        EXPECT_EQ(::fchdir(back), 0);
        for (int fd : {top, back, folder}) ::close(fd);
        RemoveTree(AT_FDCWD, QFile::encodeName(dir.path()));
    });
    inCurrentFolder = true;
    start();
    EXPECT_EQ(s().BackgroundIndex, gone ? 0 : 1) << "the settings of the folder";
    if (c.whilePlaying) c.whilePlaying(top);
    window->showGameOver(false);
    window->showGameOver(false);
    trigger(&GameMenuActions::exit);
    if (gone) {
        ASSERT_EQ(rec.notices.size(), 1u);
        EXPECT_TRUE(rec.notices[0].startsWith("zarn.pro cannot be kept: the folder"));
    } else {
        EXPECT_TRUE(rec.notices.empty());
        char bytes[64] = {};
        const int fd = ::openat(folder, "zarn.pro", O_RDONLY);
        EXPECT_EQ(QByteArray(bytes, ::read(fd, bytes, sizeof bytes)),
                  "00.920\r\n 75 \r\n 1 \r\nY\r\n");
        ::close(fd);
    }
    EXPECT_NE(::stat("/zarn.pro", &info), 0) << "written into /";
    EXPECT_NE(::fstatat(top, "a/zarn.pro", &info, 0), 0) << "written under the folder's old name";
}

INSTANTIATE_TEST_SUITE_P(
    Folders, StartedIn,
    ::testing::Values(Place{"NamedInBytesThatAreNotText",
                            [](int top) { return Made(top, "zarn-\xff\xfe"); }},
                      Place{"DeeperThanAnyPath",
                            [](int top) {
                                int at = top;
                                for (int i = 0; i < 20; ++i) {
                                    const int next = Made(at, QByteArray(250, char('c' + i)));
                                    if (at != top) ::close(at);
                                    at = next;
                                }
                                return at;
                            }},
                      Place{"RenamedWhilePlaying", [](int top) { return Made(top, "a"); },
                            [](int top) { // and another made under its name
                                ASSERT_EQ(::renameat(top, "a", top, "b"), 0);
                                ::close(Made(top, "a"));
                            }},
                      Place{"DeletedBeforeTheStart",
                            [](int top) {
                                const int fd = Made(top, "gone");
                                ::unlinkat(top, "gone", AT_REMOVEDIR);
                                return fd;
                            }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace zarn::test

#include "HostileTest.moc"
