#include "ui/TableWidget.h"

#include "game/GameState.h"
#include "game/Twips.h"
#include "table/Pictures/Background.h"
#include "table/Pictures/TableFrame.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>

namespace zarn {
namespace {

// Repaints during a glide are shown at most this often (about two screen frames of a
// 120 Hz display); the moves in between only gather their rectangles.
constexpr int FlushIntervalMs = 8;

MouseButton ButtonOf(Qt::MouseButton button) {
    if (button == Qt::RightButton) return MouseButton::Right;
    if (button == Qt::LeftButton) return MouseButton::Left;
    return MouseButton::Middle;
}

HeldButtons HeldOf(Qt::MouseButtons buttons) {
    HeldButtons held = 0;
    if (buttons & Qt::LeftButton) held |= Held(MouseButton::Left);
    if (buttons & Qt::RightButton) held |= Held(MouseButton::Right);
    if (buttons & ~(Qt::LeftButton | Qt::RightButton)) held |= Held(MouseButton::Middle);
    return held;
}

} // namespace

void TableWidget::paintPictures(QPainter& painter, const QRegion& region, bool lifted) {
    struct Shown {
        int picture;
        QRect rect;
        std::optional<QRegion> part; // none: all of it shows
    };
    std::vector<Shown> shown; // bottom first
    auto consider = [&](int i) {
        if (lifted_[i] != lifted || !pictures_.isVisible(i) || cards_.image[i].isNull()) return;
        const QRect r = pixelRect(i);
        if (region.intersects(r)) shown.push_back({i, r, std::nullopt});
    };
    for (int m = MarkerFirst; m <= MarkerLast; ++m) consider(m);
    for (int i : pictures_.drawingOrder()) consider(i);
    // A paint of the whole table (the first frame, an uncovered window) draws of each
    // picture only what the opaque areas of the pictures above it leave showing: in a
    // column, little more than the top of each covered card. The small repaints of drags
    // and glides draw their few pictures whole: working out the hidden parts would cost
    // them more than it saves.
    QRegion hidden;
    const bool whole = region.rectCount() == 1 && region.boundingRect().contains(rect());
    for (auto p = shown.rbegin(); whole && p != shown.rend(); ++p) {
        if (hidden.intersects(p->rect)) p->part = QRegion(p->rect).subtracted(hidden);
        hidden += cards_.opaque[p->picture].translated(p->rect.topLeft());
    }
    for (const Shown& p : shown) {
        const QImage& image = cards_.image[p.picture];
        if (!p.part) {
            painter.drawImage(p.rect.topLeft(), image);
            continue;
        }
        const qreal dpr = image.devicePixelRatio();
        for (const QRect& part : *p.part) {
            const QRect source = part.translated(-p.rect.topLeft());
            painter.drawImage(part, image, QRect(source.topLeft() * dpr, source.size() * dpr));
        }
    }
}

// A transparent child as large as the table, which the mouse passes through. Qt paints
// it over whatever part of the table it repaints; while no card is lifted it paints
// nothing.
class TableWidget::LiftLayer : public QWidget {
public:
    explicit LiftLayer(TableWidget* table) : QWidget(table), table_(table) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        const auto& lifted = table_->lifted_;
        if (std::find(lifted.begin(), lifted.end(), true) == lifted.end()) return;
        QPainter painter(this);
        table_->paintPictures(painter, event->region(), true);
    }

private:
    TableWidget* table_;
};

TableWidget::TableWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Table"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    flushTimer_.setSingleShot(true);
    connect(&flushTimer_, &QTimer::timeout, this, &TableWidget::flushPending);
    liftLayer_ = new LiftLayer(this);
}

void TableWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    liftLayer_->setGeometry(rect());
}

void TableWidget::setLifted(const std::vector<int>& pictures) {
    for (int i = 0; i < PictureCount; ++i)
        if (lifted_[i]) dirty(pixelRect(i));
    lifted_.fill(false);
    for (int i : pictures) {
        lifted_[i] = true;
        dirty(pixelRect(i));
    }
    // The panels are raised when they are shown; the layer goes above them again.
    if (!pictures.empty()) liftLayer_->raise();
}

void TableWidget::setCardSize(float widthTwips, float heightTwips) {
    cardWidth_ = widthTwips;
    cardHeight_ = heightTwips;
    update();
}

void TableWidget::setPictures(const CardPictures& pictures) {
    cards_ = pictures;
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
    const int x = Pixels(pictures_.left(picture), twipsPerPixel_);
    const int y = Pixels(pictures_.top(picture), twipsPerPixel_);
    const QImage& image = cards_.image[picture];
    if (!image.isNull()) {
        const QSizeF size = image.deviceIndependentSize();
        return {x, y, static_cast<int>(std::ceil(size.width())),
                static_cast<int>(std::ceil(size.height()))};
    }
    return {x, y, static_cast<int>(std::ceil(cardWidth_ / twipsPerPixel_)),
            static_cast<int>(std::ceil(cardHeight_ / twipsPerPixel_))};
}

void TableWidget::move(int picture, float left, float top) {
    if (pictures_.left(picture) == left && pictures_.top(picture) == top) return;
    const bool visible = pictures_.isVisible(picture);
    if (visible) dirty(pixelRect(picture));
    pictures_.move(picture, left, top);
    if (visible) dirty(pixelRect(picture));
}

void TableWidget::bringToFront(int picture) {
    pictures_.bringToFront(picture);
    if (pictures_.isVisible(picture)) dirty(pixelRect(picture));
}

void TableWidget::setVisible(int picture, bool visible) {
    if (pictures_.isVisible(picture) == visible) return;
    pictures_.setVisible(picture, visible);
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
    // Through the lifted cards' layer: a repaint of the table alone stops at the panels
    // on it, and what the layer painted over them would stay there.
    liftLayer_->update(pending_);
    pending_ = QRegion();
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
        PaintTableFrame(painter, px, TableFrameLine(cardWidth_, twipsPerPixel_), Qt::transparent);
    }
    paintPictures(painter, event->region(), false);
}

void TableWidget::mousePressEvent(QMouseEvent* event) {
    if (!pointer_) return;
    const QPointF p = event->position();
    pointer_->Press(Twips(p.x(), twipsPerPixel_), Twips(p.y(), twipsPerPixel_),
                    ButtonOf(event->button()));
}

void TableWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!pointer_) return;
    const QPointF p = event->position();
    pointer_->Move(Twips(p.x(), twipsPerPixel_), Twips(p.y(), twipsPerPixel_),
                   HeldOf(event->buttons()));
}

void TableWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!pointer_) return;
    const QPointF p = event->position();
    pointer_->Release(Twips(p.x(), twipsPerPixel_), Twips(p.y(), twipsPerPixel_),
                      ButtonOf(event->button()), HeldOf(event->buttons()),
                      QRectF(rect()).contains(p));
}

void TableWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!pointer_) return;
    const QPointF p = event->position();
    pointer_->DoubleClick(Twips(p.x(), twipsPerPixel_), Twips(p.y(), twipsPerPixel_));
}

// A window that is deactivated or hidden mid-drag never sees the release.
bool TableWidget::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate && pointer_) pointer_->Abandon();
    return QWidget::event(event);
}

void TableWidget::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (pointer_) pointer_->Abandon();
}

} // namespace zarn
