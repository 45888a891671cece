#include "ui/TableWidget.h"

#include "game/Game.h"
#include "game/GameState.h"
#include "table/Pictures/Background.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace zarn {
namespace {

// Repaints during a glide are shown at most this often (about two screen frames of a
// 120 Hz display); the moves in between only gather their rectangles.
constexpr int FlushIntervalMs = 8;

bool InCardLayer(int picture) {
    return picture <= 52 || picture >= RevealFirst;
}

MouseButton ButtonOf(Qt::MouseButton button) {
    if (button == Qt::RightButton) return MouseButton::Right;
    if (button == Qt::LeftButton) return MouseButton::Left;
    return MouseButton::Middle;
}

} // namespace

TableWidget::TableWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Table"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    for (int i = 1; i <= 52; ++i) order_.push_back(i);
    for (int i = RevealFirst; i <= 76; ++i) order_.push_back(i);
    flushTimer_.setSingleShot(true);
    connect(&flushTimer_, &QTimer::timeout, this, &TableWidget::flushPending);
}

void TableWidget::setCardSize(float widthTwips, float heightTwips) {
    cardWidth_ = widthTwips;
    cardHeight_ = heightTwips;
    update();
}

void TableWidget::setPictures(const CardPictures& pictures) {
    images_ = pictures.image;
    update();
}

void TableWidget::setBackground(const QImage& background) {
    background_ = background;
    update();
}

void TableWidget::setCornerRect(const QRectF& rectTwips) {
    const QRectF px(rectTwips.topLeft() / twipsPerPixel_, rectTwips.size() / twipsPerPixel_);
    update(px.toAlignedRect().adjusted(-1, -1, 1, 1));
    cornerRect_ = rectTwips;
    update(px.toAlignedRect().adjusted(-1, -1, 1, 1));
}

QRect TableWidget::pixelRect(int picture) const {
    const Picture& p = pictures_[picture];
    const int x = static_cast<int>(std::lround(p.left / twipsPerPixel_));
    const int y = static_cast<int>(std::lround(p.top / twipsPerPixel_));
    const QImage& image = images_[picture];
    if (!image.isNull()) {
        const QSizeF size = image.deviceIndependentSize();
        return {x, y, static_cast<int>(std::ceil(size.width())),
                static_cast<int>(std::ceil(size.height()))};
    }
    return {x, y, static_cast<int>(std::ceil(cardWidth_ / twipsPerPixel_)),
            static_cast<int>(std::ceil(cardHeight_ / twipsPerPixel_))};
}

void TableWidget::move(int picture, float left, float top) {
    Picture& p = pictures_[picture];
    if (p.left == left && p.top == top) return;
    if (p.visible) dirty(pixelRect(picture));
    p.left = left;
    p.top = top;
    if (p.visible) dirty(pixelRect(picture));
}

void TableWidget::bringToFront(int picture) {
    if (!InCardLayer(picture)) return; // markers always lie beneath the cards
    auto it = std::find(order_.begin(), order_.end(), picture);
    if (it != order_.end()) order_.erase(it);
    order_.push_back(picture);
    if (pictures_[picture].visible) dirty(pixelRect(picture));
}

void TableWidget::setVisible(int picture, bool visible) {
    if (pictures_[picture].visible == visible) return;
    pictures_[picture].visible = visible;
    dirty(pixelRect(picture));
}

void TableWidget::dirty(const QRect& rect) {
    pending_ += rect;
    if (!sinceFlush_.isValid() || sinceFlush_.elapsed() >= FlushIntervalMs)
        flushPending();
    else if (!flushTimer_.isActive())
        flushTimer_.start(FlushIntervalMs);
}

void TableWidget::flushPending() {
    flushTimer_.stop();
    sinceFlush_.start();
    if (pending_.isEmpty()) return;
    update(pending_);
    pending_ = QRegion();
}

bool TableWidget::contains(int picture, float x, float y) const {
    const Picture& p = pictures_[picture];
    return p.visible && p.left < x && x < p.left + cardWidth_ && p.top < y &&
           y < p.top + cardHeight_;
}

int TableWidget::PictureAt(float x, float y) const {
    for (auto it = order_.rbegin(); it != order_.rend(); ++it)
        if (contains(*it, x, y)) return *it;
    for (int m = MarkerLast; m >= MarkerFirst; --m)
        if (contains(m, x, y)) return m;
    return 0;
}

void TableWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, PlainTableColour());
    if (!background_.isNull()) {
        const QRectF source(QPointF(area.topLeft()) * background_.devicePixelRatio(),
                            QSizeF(area.size()) * background_.devicePixelRatio());
        painter.drawImage(QRectF(area), background_, source);
    }
    if (!cornerRect_.isEmpty()) {
        const QRectF px(cornerRect_.topLeft() / twipsPerPixel_,
                        cornerRect_.size() / twipsPerPixel_);
        painter.setPen(QPen(PlainTableColour().darker(125), 1));
        painter.setBrush(PlainTableColour());
        painter.drawRect(px.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    const QRegion& region = event->region();
    auto draw = [&](int i) {
        if (!pictures_[i].visible || images_[i].isNull()) return;
        const QRect r = pixelRect(i);
        if (region.intersects(r)) painter.drawImage(r.topLeft(), images_[i]);
    };
    for (int m = MarkerFirst; m <= MarkerLast; ++m) draw(m);
    for (int i : order_) draw(i);
}

QPointF TableWidget::toTwips(const QPointF& pixels) const {
    return pixels * twipsPerPixel_;
}

void TableWidget::setDragging(bool dragging) {
    if (dragging_ == dragging) return;
    dragging_ = dragging;
    if (onDragging) onDragging(dragging);
}

// The drag ends without a drop: the cards go back to where they lay.
void TableWidget::abandonDrag() {
    if (!dragging_) return;
    setDragging(false);
    if (game_) game_->DropOnTable();
}

bool TableWidget::onTable(const QPointF& pixels) const {
    return QRectF(rect()).contains(pixels);
}

void TableWidget::mousePressEvent(QMouseEvent* event) {
    if (!game_) return;
    // One drag at a time: another button pressed while cards hang from the pointer
    // would lift a second group and strand the first.
    if (dragging_) return;
    const QPointF t = toTwips(event->position());
    const int picture = PictureAt(float(t.x()), float(t.y()));
    pressed_ = picture;
    if (picture == 0) {
        if (event->button() == Qt::RightButton && onTableRightPress) onTableRightPress();
        return;
    }
    game_->Press(picture, ButtonOf(event->button()), float(t.x()) - left(picture),
                 float(t.y()) - top(picture));
    if (game_->Dragging()) dragButton_ = event->button();
    setDragging(game_->Dragging());
}

void TableWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!game_) return;
    const QPointF t = toTwips(event->position());
    const float x = float(t.x()), y = float(t.y());
    if (dragging_ && !(event->buttons() & dragButton_)) {
        abandonDrag(); // the release went elsewhere
    }
    const int picture = PictureAt(x, y);
    if (dragging_) {
        if (picture != 0)
            game_->DragOverPicture(picture, x - left(picture), y - top(picture));
        else
            game_->DragOverTable(x, y);
        return;
    }
    // While a button is held the moves belong to what it was pressed on, so a revealed
    // ace stays up under a trembling hand until the release.
    const int under = event->buttons() != Qt::NoButton ? pressed_ : picture;
    if (under > MarkerLast)
        game_->PointerOverPicture(under);
    else if (under == 0)
        game_->PointerOverTable();
}

void TableWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!game_) return;
    game_->Release();
    if (event->buttons() == Qt::NoButton) pressed_ = 0;
    if (!dragging_ || event->button() != dragButton_) return;
    if (!onTable(event->position())) {
        abandonDrag(); // let go outside the window
        return;
    }
    setDragging(false);
    const QPointF t = toTwips(event->position());
    const int picture = PictureAt(float(t.x()), float(t.y()));
    if (picture != 0)
        game_->DropOnPicture(picture);
    else
        game_->DropOnTable();
}

void TableWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!game_ || dragging_) return;
    const QPointF t = toTwips(event->position());
    const int picture = PictureAt(float(t.x()), float(t.y()));
    pressed_ = picture;
    if (picture != 0) game_->DoubleClick(picture);
}

// A window that is deactivated or hidden mid-drag never sees the release.
bool TableWidget::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate) abandonDrag();
    return QWidget::event(event);
}

void TableWidget::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    abandonDrag();
}

} // namespace zarn
