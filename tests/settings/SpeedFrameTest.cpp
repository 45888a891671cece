// The speed panel as the player uses it: arrows, clicks beside the handle, the ends.
#include "settings/SpeedFrame.h"

#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace zarn {
namespace {

QRect Part(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    option.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

class SpeedFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame.setTwipsPerPixel(15);
        frame.place(5237.65f, 558.35f, 979);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }
    void click(QStyle::SubControl part) {
        QScrollBar* bar = frame.speedRange();
        QTest::mouseClick(bar, Qt::LeftButton, {}, Part(bar, part).center());
    }
    SpeedFrame frame;
};

TEST_F(SpeedFrameTest, BuiltAsDesigned) {
    QScrollBar* bar = frame.speedRange();
    EXPECT_EQ(bar->objectName(), QStringLiteral("SpeedRange"));
    EXPECT_EQ(bar->orientation(), Qt::Horizontal);
    EXPECT_EQ(bar->toolTip(), QStringLiteral("Incease/decrease Autosolve speed"));
    EXPECT_EQ(bar->singleStep(), 5);
    EXPECT_EQ(bar->pageStep(), 25);
    EXPECT_EQ(frame.value(), 75);

    auto* slow = frame.findChild<QLabel*>("SlowLabel");
    auto* fast = frame.findChild<QLabel*>("FastLabel");
    ASSERT_TRUE(slow && fast);
    EXPECT_EQ(slow->text(), QStringLiteral("S"));
    EXPECT_EQ(fast->text(), QStringLiteral("F"));
    EXPECT_LT(slow->geometry().right(), bar->geometry().left());
    EXPECT_GT(fast->geometry().left(), bar->geometry().right());

    // 348 twips high, two card widths wide, at the place given, 15 twips a pixel.
    EXPECT_EQ(frame.geometry(), QRect(349, 37, 131, 23));
    frame.setTwipsPerPixel(7.5f);
    EXPECT_EQ(frame.height(), 46);
}

TEST_F(SpeedFrameTest, TheFastValueOneLiesAtTheFEnd) {
    QScrollBar* bar = frame.speedRange();
    frame.setValue(1);
    const QRect fastest = Part(bar, QStyle::SC_ScrollBarSlider);
    frame.setValue(100);
    const QRect slowest = Part(bar, QStyle::SC_ScrollBarSlider);
    // The handle touches the arrow at its end.
    EXPECT_EQ(fastest.right() + 1, Part(bar, QStyle::SC_ScrollBarAddLine).left());
    EXPECT_EQ(slowest.left() - 1, Part(bar, QStyle::SC_ScrollBarSubLine).right());
    EXPECT_GT(fastest.center().x(), bar->width() / 2);
    EXPECT_LT(slowest.center().x(), bar->width() / 2);
    frame.setValue(0);
    EXPECT_EQ(frame.value(), 1);
    frame.setValue(1000);
    EXPECT_EQ(frame.value(), 100);
}

TEST_F(SpeedFrameTest, ArrowsStepByFiveAndClicksBesideTheHandleByTwentyFive) {
    QSignalSpy changed(&frame, &SpeedFrame::speedChanged);
    frame.setValue(50);
    click(QStyle::SC_ScrollBarAddLine); // right arrow, towards "F"
    EXPECT_EQ(frame.value(), 45);
    click(QStyle::SC_ScrollBarSubLine); // left arrow, towards "S"
    click(QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(frame.value(), 55);
    click(QStyle::SC_ScrollBarAddPage); // beside the handle on the "F" side
    EXPECT_EQ(frame.value(), 30);
    click(QStyle::SC_ScrollBarSubPage);
    EXPECT_EQ(frame.value(), 55);
    ASSERT_EQ(changed.count(), 6);
    EXPECT_EQ(changed.at(1).at(0).toInt(), 45);
    EXPECT_EQ(changed.last().at(0).toInt(), 55);

    frame.setValue(3);
    click(QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(frame.value(), 1); // stops at the fastest
    frame.setValue(98);
    click(QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(frame.value(), 100);
}

TEST_F(SpeedFrameTest, SettingTheSameValueAgainSaysNothing) {
    QSignalSpy changed(&frame, &SpeedFrame::speedChanged);
    frame.setValue(75);
    EXPECT_EQ(changed.count(), 0);
    frame.setValue(10);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 10);
}

} // namespace
} // namespace zarn
