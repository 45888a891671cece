// The about box and the help window as the player uses them.
#include "ui/AboutBox.h"
#include "ui/HelpWindow.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

namespace zarn {
namespace {

// Shows the box modally as the menu does and acts once it is up; what exec()
// returns, or -1 when the box is still open a second later.
int Exec(AboutBox& box, const std::function<void()>& act) {
    QTimer::singleShot(0, &box, [&] {
        act();
        if (box.isVisible()) QTimer::singleShot(1000, &box, [&] { box.done(-1); });
    });
    return box.exec();
}

TEST(AboutBox, ShowsTheCreditAndVersionAndClosesOnAnyUseOfItsText) {
    AboutBox a(nullptr, 15), b(nullptr, 15), c(nullptr, 15);
    EXPECT_EQ(a.windowTitle() + " " + a.versionLabel()->text(), "About ZARN Version 1.0");
    EXPECT_TRUE(a.aboutText()->toPlainText().startsWith("\n\n\nZARN, a patience card game"));
    EXPECT_EQ(Exec(a, [&] { QTest::mousePress(a.aboutText()->viewport(), Qt::RightButton); }), 0);
    EXPECT_EQ(Exec(b,
                   [&] { // moving the cursor changes nothing, the first letter does
                       for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_A})
                           if (b.isVisible()) QTest::keyClick(b.aboutText(), key);
                   }),
              QDialog::Rejected);
    EXPECT_EQ(b.aboutText()->toPlainText(), QString(AboutBox::CreditText()).insert(2, 'a'));
    EXPECT_EQ(Exec(c, [&] { QTest::mouseClick(c.okButton(), Qt::LeftButton); }), QDialog::Accepted);
}

TEST(HelpWindow, BackAndForwardInsideThePageComingBackReloadsAtTheTopExitHides) {
    QWidget owner;
    QPointer<HelpWindow> help;
    HelpWindow* w = HelpWindow::Open(help, &owner, 15); // no page beside the test program
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(w->windowTitle() + " " + w->forwardButton()->text(), "zarn Help Forward");
    QTextBrowser* b = w->browser();
    EXPECT_EQ(b->source(), HelpWindow::BuiltInPage());
    auto press = [&](QPushButton* button) { // where the page stands: place@scrolled
        QTest::mouseClick(button, Qt::LeftButton);
        return b->source().fragment() + "@" + QString::number(b->verticalScrollBar()->value() > 0);
    };
    auto follow = [&](const QString& link) { // a click on the link, as the reader does
        QTextCursor at = b->document()->find(link);
        at.setPosition(at.selectionStart() + 2);
        QTest::mouseClick(b->viewport(), Qt::LeftButton, {}, b->cursorRect(at).center());
    };
    follow("The rules");
    b->setSource(QUrl(b->source().toString(QUrl::RemoveFragment) + "#menu"));
    EXPECT_EQ(press(w->backButton()), "rules@1");
    EXPECT_EQ(press(w->forwardButton()), "menu@1");
    press(w->backButton());
    EXPECT_EQ(press(w->backButton()), "@0");
    EXPECT_EQ(press(w->forwardButton()), "@0"); // at the top Forward does nothing
    follow("Where your settings and scores are kept");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(b->source().fragment(),
              "files"); // untouched while in the background
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(press(w->backButton()),
              "@0"); // at the top, and no way back to "files"
    w->resize(600, 500);
    QApplication::processEvents();
    EXPECT_EQ(b->size(), w->frameGeometry().size() - QSize(8, 60)); // 120 and 900 twips less
    press(w->exitButton());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(HelpWindow::Open(help, &owner, 15), w); // the same window again
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(help.isNull()); // the close box discards it
}

} // namespace
} // namespace zarn
