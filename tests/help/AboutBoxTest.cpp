// The about box: what it shows and every way it closes.
#include "ui/AboutBox.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace zarn {
namespace {

// Runs the box modally, as the menu command does, and does `act` once it is up.
// Returns what exec() returned, or -1 when the box was still open after a second.
int RunModal(AboutBox& box, std::function<void(AboutBox&)> act) {
    bool stillOpen = false;
    QTimer guard; // ends a box that failed to close; stops with this function
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        stillOpen = true;
        box.done(-1);
    });
    QTimer::singleShot(0, &box, [&] {
        EXPECT_EQ(QApplication::activeModalWidget(), &box);
        act(box);
        if (box.isVisible()) guard.start(1000);
    });
    const int result = box.exec();
    return stillOpen ? -1 : result;
}

TEST(AboutBox, ShowsTheCreditIconAndVersion) {
    AboutBox box(nullptr, 15);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About ZARN"));
    EXPECT_TRUE(box.isModal());
    EXPECT_EQ(box.size(), QSize(317, 165));
    EXPECT_EQ(box.aboutText()->geometry(), QRect(2, 2, 275, 132));
    EXPECT_EQ(box.picture()->geometry(), QRect(279, 2, 34, 32));
    EXPECT_EQ(box.okButton()->geometry(), QRect(280, 74, 34, 25));
    EXPECT_EQ(box.okButton()->text(), QStringLiteral("OK"));
    EXPECT_EQ(box.versionLabel()->text(), QStringLiteral("Version 1.0"));
    EXPECT_EQ(box.versionLabel()->geometry(), QRect(2, 140, 311, 21));

    const QStringList lines = box.aboutText()->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].isEmpty() && lines[1].isEmpty() && lines[2].isEmpty());
    EXPECT_TRUE(lines[3].contains("ZARN") && lines[3].contains("the ZARN developers"));
    EXPECT_TRUE(lines[4].contains("README"));
    EXPECT_FALSE(box.aboutText()->toPlainText().contains('@'));
    EXPECT_FALSE(box.aboutText()->toPlainText().contains("http"));
    EXPECT_EQ(box.aboutText()->palette().color(QPalette::Base),
              box.palette().color(QPalette::Button));

    // The icon was drawn: its centre is not transparent.
    const QImage icon = box.picture()->pixmap().toImage();
    ASSERT_FALSE(icon.isNull());
    EXPECT_GT(qAlpha(icon.pixel(icon.width() / 2, icon.height() / 2)), 0);
}

TEST(AboutBox, ClosesOnAClickOnItsText) {
    AboutBox box(nullptr, 15);
    EXPECT_EQ(RunModal(box,
                       [](AboutBox& b) {
                           QTest::mouseClick(b.aboutText()->viewport(), Qt::LeftButton, {},
                                             QPoint(40, 40));
                       }),
              QDialog::Rejected);
    EXPECT_FALSE(box.isVisible());
}

TEST(AboutBox, ClosesOnAPressOnItsTextWithAnyButton) {
    AboutBox box(nullptr, 15);
    EXPECT_EQ(RunModal(box,
                       [](AboutBox& b) {
                           QTest::mousePress(b.aboutText()->viewport(), Qt::RightButton, {},
                                             QPoint(10, 100));
                       }),
              QDialog::Rejected);
}

TEST(AboutBox, ClosesOnTheFirstKeyThatChangesTheText) {
    AboutBox box(nullptr, 15);
    int closedAfter = -1;
    EXPECT_EQ(RunModal(box,
                       [&](AboutBox& b) {
                           b.aboutText()->setFocus();
                           // Moving the cursor changes nothing: the box stays.
                           QTest::keyClick(b.aboutText(), Qt::Key_Down);
                           QTest::keyClick(b.aboutText(), Qt::Key_End, Qt::ControlModifier);
                           closedAfter = b.isVisible() ? 0 : 1;
                           QTest::keyClick(b.aboutText(), Qt::Key_A);
                       }),
              QDialog::Rejected);
    EXPECT_EQ(closedAfter, 0);
    EXPECT_EQ(box.aboutText()->toPlainText(), AboutBox::CreditText() + "a");
}

TEST(AboutBox, ClosesOnOkAndOnTheCloseBox) {
    AboutBox ok(nullptr, 15);
    EXPECT_EQ(RunModal(ok, [](AboutBox& b) { QTest::mouseClick(b.okButton(), Qt::LeftButton); }),
              QDialog::Accepted);
    AboutBox closeBox(nullptr, 15);
    EXPECT_EQ(RunModal(closeBox, [](AboutBox& b) { b.close(); }), QDialog::Rejected);
}

TEST(AboutBox, TheMenuCommandShowsANewModalBoxEachTime) {
    QWidget window;
    window.show();
    for (int i = 0; i < 2; ++i) {
        QString title;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            QTest::mouseClick(box->aboutText()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        });
        AboutBox::Show(&window, 15);
        EXPECT_EQ(title, QStringLiteral("About ZARN"));
        EXPECT_TRUE(window.findChildren<AboutBox*>().isEmpty());
    }
}

} // namespace
} // namespace zarn
