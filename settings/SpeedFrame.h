#pragma once
// The speed panel: the scroll bar `SpeedRange` between the labels "S" and "F". Presses
// on the panel are its own: none reaches what lies under it.
//
// The panel is drawn the same under every platform style, on its own light face inside
// the table's frame (see TableFrame.h), so it reads on the plain table and on every
// tile; its bar always shows two small arrows, a track and a thumb, however narrow the
// panel is.
//
// The bar's value v (1..100) is the glide speed kept in the settings: every glide takes
// v² steps, so 1 is the fastest. The fast end is the right one, under "F". A plain
// horizontal scroll bar grows to the right, so the bar's own position runs the other
// way (position = 101 - v); everything outside this class only sees v.

#include "game/GameState.h"

#include <QFrame>
#include <algorithm>

class QLabel;
class QScrollBar;

namespace zarn {

class SpeedFrame : public QFrame {
    Q_OBJECT
public:
    static constexpr int ArrowStep = 5;
    static constexpr int PageStep = 25;
    static constexpr float HeightTwips = SpeedFrameHeight;
    // The panel is never narrower than this, so that the bar keeps room for its track
    // beside the smallest cards.
    static constexpr float MinWidthTwips = 1500.0f;

    explicit SpeedFrame(QWidget* parent = nullptr);

    // The speed value v, 1..100.
    int value() const;
    // Sets v (clamped to 1..100); speedChanged follows when it changes.
    void setValue(int value);

    // Width of the panel beside cards of the given width: two card widths, twips, and
    // at least MinWidthTwips.
    static float WidthFor(float cardWidthTwips) {
        return std::max(2.0f * cardWidthTwips, MinWidthTwips);
    }

    void setTwipsPerPixel(float twipsPerPixel);
    float twipsPerPixel() const { return twipsPerPixel_; }
    // Places the panel at (left, top) twips of its parent, sized for the cards.
    void place(float leftTwips, float topTwips, float cardWidthTwips);
    // The pixel rectangle place() gives, for a parent that lays its children out itself.
    QRect geometryFor(float leftTwips, float topTwips, float cardWidthTwips) const;

    // The bar itself, for tests and for giving it the focus.
    QScrollBar* speedRange() const { return bar_; }

protected:
    void paintEvent(QPaintEvent* event) override;

signals:
    // The player or setValue changed v.
    void speedChanged(int value);

private:
    void applyFontSize();
    qreal frameLine() const;

    QScrollBar* bar_;
    QLabel* slowLabel_;
    QLabel* fastLabel_;
    float twipsPerPixel_ = 15.0f;
};

} // namespace zarn
