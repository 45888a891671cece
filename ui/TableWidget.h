#pragma once
// The table: one widget that paints the background, the 20 empty-pile markers, the card
// pictures in their drawing order (in a paint of the whole table, of each only what the
// opaque parts of the pictures above it leave showing) and the frame round the
// foundations. It is the engine's picture surface (positions in twips, converted with
// TwipsPerPixelX, kept in a PictureTable) and hands the mouse, in twips, to the pointer
// routing.
//
// The cards lifted by a drag are painted by a layer above the panels that lie on the
// table (the speed bar, the score table), so a dragged card passes over them.
//
// A picture's move repaints only the rectangles it left and entered. While cards glide
// those repaints are gathered and shown about once per screen frame: a glide step then
// costs next to nothing, and the last position of every glide is always painted.

#include "game/PictureTable.h"
#include "play/TablePointer.h"
#include "table/Pictures/CardPictures.h"

#include <QElapsedTimer>
#include <QImage>
#include <QRectF>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <array>
#include <vector>

class QPainter;

namespace zarn {

class TableWidget : public QWidget, public PictureSurface {
    Q_OBJECT
public:
    explicit TableWidget(QWidget* parent = nullptr);

    // The engine's view of the pictures.
    float left(int picture) const override { return pictures_.left(picture); }
    float top(int picture) const override { return pictures_.top(picture); }
    void move(int picture, float left, float top) override;
    void bringToFront(int picture) override;
    using QWidget::setVisible;
    void setVisible(int picture, bool visible) override;
    bool isVisible(int picture) const override { return pictures_.isVisible(picture); }
    const PictureTable& pictures() const { return pictures_; }

    // The routing the mouse drives (none: the mouse does nothing).
    void setPointer(TablePointer* pointer) { pointer_ = pointer; }
    void setTwipsPerPixel(float twipsPerPixel) { twipsPerPixel_ = twipsPerPixel; }
    float twipsPerPixel() const { return twipsPerPixel_; }
    // The size of every picture, twips (CardWidth x CardHeight).
    void setCardSize(float widthTwips, float heightTwips);
    void setPictures(const CardPictures& pictures);
    const QImage& image(int picture) const { return cards_.image[size_t(picture)]; }
    void setBackground(const QImage& background);
    const QImage& background() const { return background_; }
    // The frame round the foundations, twips.
    void setCornerRect(const QRectF& rectTwips);

    // The pictures a drag has lifted (none: an empty list).
    void setLifted(const std::vector<int>& pictures);

    // Paints everything that is waiting to be shown now.
    void flushPending();
    // The pixel rectangle picture i covers now.
    QRect pixelRect(int picture) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class LiftLayer;
    void dirty(const QRect& rect);
    // Paints the pictures of the drawing order that meet `region` and are lifted by a
    // drag, or are not.
    void paintPictures(QPainter& painter, const QRegion& region, bool lifted);

    PictureTable pictures_;
    CardPictures cards_;
    QImage background_;
    QRectF cornerRect_;
    float cardWidth_ = 0, cardHeight_ = 0;
    float twipsPerPixel_ = 15;
    TablePointer* pointer_ = nullptr;
    std::array<bool, 77> lifted_{};
    QWidget* liftLayer_ = nullptr;

    QRegion pending_;
    QElapsedTimer sinceFlush_;
    QTimer flushTimer_;
};

} // namespace zarn
