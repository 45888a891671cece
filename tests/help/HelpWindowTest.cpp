// The help window: its page, Back and Forward inside the page, Exit, the close box,
// the reload on activation and the browser following the window's size.
#include "ui/HelpWindow.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace zarn {
namespace {

QString Fragment(const HelpWindow& w) {
    return w.browser()->source().fragment();
}

// Clicks the link whose text is `text`, as the reader does.
void ClickLink(QTextBrowser* browser, const QString& text) {
    const QTextCursor found = browser->document()->find(text);
    ASSERT_FALSE(found.isNull()) << text.toStdString();
    QTextCursor middle(browser->document());
    middle.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
    const QPoint at = browser->cursorRect(middle).center();
    ASSERT_TRUE(browser->viewport()->rect().contains(at)) << text.toStdString();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
}

class HelpWindowTest : public ::testing::Test {
protected:
    void TearDown() override { delete help.data(); }
    HelpWindow* open() {
        HelpWindow* w = HelpWindow::Open(help, &owner, 15);
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        return w;
    }
    QWidget owner;
    QPointer<HelpWindow> help;
};

TEST(HelpPage, ComesFromTheProgramFolderOrIsBuiltIn) {
    QTemporaryDir dir;
    EXPECT_EQ(HelpWindow::HelpLocation(dir.path()), QUrl("qrc:/help/zarn.htm"));
    ASSERT_TRUE(QFile::copy(ZARN_HELP_PAGE, dir.filePath("zarn.htm")));
    EXPECT_EQ(HelpWindow::HelpLocation(dir.path()), QUrl::fromLocalFile(dir.filePath("zarn.htm")));
    // The built-in copy is the page of the source tree.
    QFile builtIn(":/help/zarn.htm"), source(ZARN_HELP_PAGE);
    ASSERT_TRUE(builtIn.open(QIODevice::ReadOnly) && source.open(QIODevice::ReadOnly));
    EXPECT_EQ(builtIn.readAll(), source.readAll());
}

TEST(HelpPage, EveryInPageLinkHasItsPlaceAndEveryTopicIsCovered) {
    QFile page(ZARN_HELP_PAGE);
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    QSet<QString> names;
    for (const auto& m : QRegularExpression(R"re(<a name="([^"]+)")re").globalMatch(html))
        names.insert(m.captured(1));
    int links = 0;
    for (const auto& m : QRegularExpression(R"re(<a href="#([^"]+)")re").globalMatch(html)) {
        EXPECT_TRUE(names.contains(m.captured(1))) << m.captured(1).toStdString();
        ++links;
    }
    EXPECT_GE(links, 10);
    for (const char* topic :
         {"Double-click", "Right button", "covered ace", "Undo Last Move", "Deal Again",
          "Reset Positions", "Increase Card Size", "Decrease Card Size", "Show Scores", "AutoMove",
          "About", "Exit", "speed bar", "right mouse button on the bare table", "zarn.pro",
          "scores.txt", "Ctrl+I", "Ctrl+D", "Ctrl+X"})
        EXPECT_TRUE(html.contains(QString::fromLatin1(topic))) << topic;
}

TEST_F(HelpWindowTest, OpensModelessWithItsButtonsInPlace) {
    HelpWindow* w = open();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("zarn Help"));
    EXPECT_TRUE(w->isWindow());
    EXPECT_FALSE(w->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(w->size(), QSize(479, 375));
    EXPECT_EQ(w->backButton()->text(), QStringLiteral("Back"));
    EXPECT_EQ(w->backButton()->geometry(), QRect(4, 2, 73, 25));
    EXPECT_EQ(w->forwardButton()->text(), QStringLiteral("Forward"));
    EXPECT_EQ(w->forwardButton()->geometry(), QRect(77, 2, 73, 25));
    EXPECT_EQ(w->exitButton()->text(), QStringLiteral("Exit"));
    EXPECT_EQ(w->exitButton()->geometry(), QRect(150, 2, 73, 25));
    EXPECT_EQ(w->backButton()->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(w->browser()->pos(), QPoint(2, 28));
    EXPECT_TRUE(w->browser()->toPlainText().contains("Contents"));
}

TEST_F(HelpWindowTest, BackAndForwardActOnlyInsideThePage) {
    HelpWindow* w = open();
    QTextBrowser* b = w->browser();
    const QUrl page = b->source();
    EXPECT_TRUE(Fragment(*w).isEmpty());

    // As first loaded there is no place in the page to go back to.
    QTest::mouseClick(w->backButton(), Qt::LeftButton);
    QTest::mouseClick(w->forwardButton(), Qt::LeftButton);
    EXPECT_EQ(b->source(), page);

    ClickLink(b, "The rules");
    EXPECT_EQ(Fragment(*w), QStringLiteral("rules"));
    EXPECT_GT(b->verticalScrollBar()->value(), 0);
    b->setSource(QUrl(page.toString() + "#menu")); // a second place in the page
    EXPECT_EQ(Fragment(*w), QStringLiteral("menu"));

    QTest::mouseClick(w->backButton(), Qt::LeftButton);
    EXPECT_EQ(Fragment(*w), QStringLiteral("rules"));
    QTest::mouseClick(w->forwardButton(), Qt::LeftButton);
    EXPECT_EQ(Fragment(*w), QStringLiteral("menu"));
    QTest::mouseClick(w->backButton(), Qt::LeftButton);
    QTest::mouseClick(w->backButton(), Qt::LeftButton);
    EXPECT_TRUE(Fragment(*w).isEmpty()); // back at the top of the page
    EXPECT_EQ(b->verticalScrollBar()->value(), 0);
    // Outside a place in the page Forward does nothing, as Back did.
    QTest::mouseClick(w->forwardButton(), Qt::LeftButton);
    EXPECT_TRUE(Fragment(*w).isEmpty());
}

TEST_F(HelpWindowTest, ComingBackToTheWindowReloadsThePageAtItsTop) {
    HelpWindow* w = open();
    ClickLink(w->browser(), "Where your settings and scores are kept");
    ASSERT_EQ(Fragment(*w), QStringLiteral("files"));
    ASSERT_GT(w->browser()->verticalScrollBar()->value(), 0);

    QWidget other; // another window takes the focus
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(w->isActiveWindow());
    EXPECT_EQ(Fragment(*w), QStringLiteral("files")); // untouched while in the background
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_TRUE(Fragment(*w).isEmpty());
    EXPECT_EQ(w->browser()->verticalScrollBar()->value(), 0);
}

TEST_F(HelpWindowTest, ExitHidesAndTheCloseBoxDiscards) {
    HelpWindow* first = open();
    QTest::mouseClick(first->exitButton(), Qt::LeftButton);
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(HelpWindow::Open(help, &owner, 15), first); // the same window again
    EXPECT_TRUE(first->isVisible());

    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(help.isNull());
    HelpWindow* second = open();
    EXPECT_NE(second, nullptr);
    EXPECT_TRUE(second->isVisible());
    EXPECT_TRUE(second->browser()->toPlainText().contains("Contents"));
}

TEST_F(HelpWindowTest, TheBrowserFollowsTheWindowsSize) {
    HelpWindow* w = open();
    for (QSize size : {QSize(600, 500), QSize(300, 200), QSize(900, 700), QSize(479, 375)}) {
        w->resize(size);
        QApplication::processEvents();
        const QSize outer = w->frameGeometry().size();
        EXPECT_EQ(w->browser()->width(), qRound((outer.width() * 15 - 120) / 15.0));
        EXPECT_EQ(w->browser()->height(), qRound((outer.height() * 15 - 480 - 420) / 15.0));
        EXPECT_EQ(w->browser()->pos(), QPoint(2, 28));
    }
    // Too small for the browser: the sizes that would be negative are skipped.
    const QSize before = w->browser()->size();
    w->resize(5, 40);
    QApplication::processEvents();
    const QSize outer = w->frameGeometry().size();
    ASSERT_LT(outer.height() * 15, 900);
    EXPECT_EQ(w->browser()->height(), before.height());
    const int width = outer.width() * 15 - 120;
    EXPECT_EQ(w->browser()->width(), width < 0 ? before.width() : qRound(width / 15.0));
}

} // namespace
} // namespace zarn
