#pragma once
// The table: one widget that paints the background, the 20 empty-pile markers, the card
// pictures in their drawing order and the frame round the foundations. It is the
// engine's picture surface (positions in twips, converted with TwipsPerPixelX) and turns
// the mouse into the engine's pointer calls, hit-testing in twips itself.
//
// A picture's move repaints only the rectangles it left and entered. While cards glide
// those repaints are gathered and shown about once per screen frame: a glide step then
// costs next to nothing, and the last position of every glide is always painted.

#include "game/PictureSurface.h"
#include "table/Pictures/CardPictures.h"

#include <QElapsedTimer>
#include <QImage>
#include <QRectF>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

namespace zarn {

class Game;

class TableWidget : public QWidget, public PictureSurface {
    Q_OBJECT
public:
    explicit TableWidget(QWidget* parent = nullptr);

    // The engine's view of the pictures.
    float left(int picture) const override { return pictures_[picture].left; }
    float top(int picture) const override { return pictures_[picture].top; }
    void move(int picture, float left, float top) override;
    void bringToFront(int picture) override;
    using QWidget::setVisible;
    void setVisible(int picture, bool visible) override;
    bool isVisible(int picture) const override { return pictures_[picture].visible; }

    // The game whose pointer logic the mouse drives (none: the mouse does nothing).
    void setGame(Game* game) { game_ = game; }
    void setTwipsPerPixel(float twipsPerPixel) { twipsPerPixel_ = twipsPerPixel; }
    float twipsPerPixel() const { return twipsPerPixel_; }
    // The size of every picture, twips (CardWidth x CardHeight).
    void setCardSize(float widthTwips, float heightTwips);
    void setPictures(const CardPictures& pictures);
    void setBackground(const QImage& background);
    const QImage& background() const { return background_; }
    // The frame round the foundations, twips.
    void setCornerRect(const QRectF& rectTwips);

    // Bottom to top: the card layer (cards and the ace-reveal pictures) in the order
    // of bringToFront. Markers are always drawn beneath it.
    const std::vector<int>& drawingOrder() const { return order_; }
    // The frontmost visible picture containing the table point (twips), edges excluded;
    // 0 when the point lies on the bare table.
    int PictureAt(float x, float y) const;
    // Paints everything that is waiting to be shown now.
    void flushPending();
    // The pixel rectangle picture i covers now.
    QRect pixelRect(int picture) const;

    // A right-button press on the bare table.
    std::function<void()> onTableRightPress;
    // Called when a drag of cards begins and ends (for the drag pointer).
    std::function<void(bool dragging)> onDragging;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Picture {
        float left = 0, top = 0;
        bool visible = false;
    };
    void dirty(const QRect& rect);
    void setDragging(bool dragging);
    void abandonDrag();
    bool onTable(const QPointF& pixels) const;
    QPointF toTwips(const QPointF& pixels) const;
    bool contains(int picture, float x, float y) const;

    std::array<Picture, 77> pictures_{};
    std::array<QImage, 77> images_{};
    std::vector<int> order_;
    QImage background_;
    QRectF cornerRect_;
    float cardWidth_ = 0, cardHeight_ = 0;
    float twipsPerPixel_ = 15;
    Game* game_ = nullptr;
    bool dragging_ = false;
    Qt::MouseButton dragButton_ = Qt::NoButton;
    int pressed_ = 0; // the picture the held button was pressed on, 0 the table

    QRegion pending_;
    QElapsedTimer sinceFlush_;
    QTimer flushTimer_;
};

} // namespace zarn
