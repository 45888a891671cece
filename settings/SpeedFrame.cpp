#include "settings/SpeedFrame.h"

#include "game/Twips.h"
#include "table/Pictures/TableFrame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <algorithm>
#include <cmath>

namespace zarn {
namespace {

constexpr int PositionOf(int value) {
    return MaxSpeedValue + 1 - value;
}
constexpr int ValueAt(int position) {
    return MaxSpeedValue + 1 - position;
}

// The panel's face and ink: fixed, not the platform's, as the panel lies on the table.
const QColor Face(255, 255, 255, 200);
const QColor Ink(32, 32, 32);
const QColor Track(32, 32, 32, 90);
const QColor Pressed(32, 32, 32, 150);

// The bar's parts laid out and painted here, whatever the platform style: an arrow at
// each end no wider than a fifth of the bar, the track between them, and a thumb as
// long as the page step's share of the track, never shorter than the bar is high.
class SpeedBarStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (control != CC_ScrollBar || !bar)
            return QProxyStyle::subControlRect(control, option, part, widget);
        const QRect r = bar->rect;
        const int arrow = std::min(r.height(), r.width() / 5);
        const QRect track(r.left() + arrow, r.top(), std::max(0, r.width() - 2 * arrow),
                          r.height());
        const int range = bar->maximum - bar->minimum;
        const int share = track.width() * bar->pageStep / std::max(1, range + bar->pageStep);
        const int thumb = std::clamp(share, std::min(r.height(), track.width()), track.width());
        const int start =
            track.left() + sliderPositionFromValue(bar->minimum, bar->maximum, bar->sliderPosition,
                                                   track.width() - thumb, bar->upsideDown);
        switch (part) {
        case SC_ScrollBarSubLine:
            return {r.left(), r.top(), arrow, r.height()};
        case SC_ScrollBarAddLine:
            return {track.right() + 1, r.top(), arrow, r.height()};
        case SC_ScrollBarSubPage:
            return {track.left(), r.top(), start - track.left(), r.height()};
        case SC_ScrollBarAddPage:
            return {start + thumb, r.top(), track.right() + 1 - start - thumb, r.height()};
        case SC_ScrollBarSlider:
            return {start, r.top(), thumb, r.height()};
        case SC_ScrollBarGroove:
            return track;
        default:
            return {};
        }
    }

    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     const QPoint& pos, const QWidget* widget) const override {
        if (control != CC_ScrollBar)
            return QProxyStyle::hitTestComplexControl(control, option, pos, widget);
        for (SubControl part : {SC_ScrollBarSlider, SC_ScrollBarSubLine, SC_ScrollBarAddLine,
                                SC_ScrollBarSubPage, SC_ScrollBarAddPage})
            if (subControlRect(control, option, part, widget).contains(pos)) return part;
        return SC_None;
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        if (control != CC_ScrollBar)
            return QProxyStyle::drawComplexControl(control, option, painter, widget);
        auto rect = [&](SubControl part) { return subControlRect(control, option, part, widget); };
        auto held = [&](SubControl part) {
            return (option->activeSubControls & part) && (option->state & State_Sunken);
        };
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        const QRectF track = rect(SC_ScrollBarGroove);
        const qreal groove = std::max(2.0, track.height() / 4);
        painter->setBrush(Track);
        painter->drawRoundedRect(
            track.adjusted(0, (track.height() - groove) / 2, 0, -(track.height() - groove) / 2),
            groove / 2, groove / 2);
        const QRectF thumb = QRectF(rect(SC_ScrollBarSlider)).adjusted(0.5, 1.5, -0.5, -1.5);
        painter->setBrush(held(SC_ScrollBarSlider) ? Pressed : Ink);
        painter->drawRoundedRect(thumb, thumb.height() / 4, thumb.height() / 4);
        for (SubControl part : {SC_ScrollBarSubLine, SC_ScrollBarAddLine}) {
            const QRectF box = rect(part);
            const qreal half = std::min(box.width(), box.height()) * 0.3;
            const qreal point = part == SC_ScrollBarSubLine ? -half : half;
            QPainterPath arrow;
            arrow.moveTo(box.center() + QPointF(point, 0));
            arrow.lineTo(box.center() + QPointF(-point, -half));
            arrow.lineTo(box.center() + QPointF(-point, half));
            arrow.closeSubpath();
            painter->fillPath(arrow, held(part) ? Pressed : Ink);
        }
        painter->restore();
    }
};

QLabel* EndLabel(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

SpeedFrame::SpeedFrame(QWidget* parent)
    : QFrame(parent), bar_(new QScrollBar(Qt::Horizontal, this)), slowLabel_(EndLabel("S", this)),
      fastLabel_(EndLabel("F", this)) {
    setObjectName(QStringLiteral("SpeedFrame"));
    // Presses on the panel are its own; the bar has no menu of its own.
    setAttribute(Qt::WA_NoMousePropagation);
    setContextMenuPolicy(Qt::PreventContextMenu);
    bar_->setContextMenuPolicy(Qt::PreventContextMenu);
    QPalette ink = palette();
    ink.setColor(QPalette::WindowText, Ink);
    setPalette(ink);
    // Made after the bar, so that it outlives it among the panel's children.
    auto* style = new SpeedBarStyle;
    style->setParent(this);
    bar_->setStyle(style);

    bar_->setObjectName(QStringLiteral("SpeedRange"));
    bar_->setRange(MinSpeedValue, MaxSpeedValue);
    bar_->setSingleStep(ArrowStep);
    bar_->setPageStep(PageStep);
    bar_->setValue(PositionOf(DefaultSpeedValue));
    bar_->setToolTip(QStringLiteral("Incease/decrease Autosolve speed"));
    slowLabel_->setObjectName(QStringLiteral("SlowLabel"));
    fastLabel_->setObjectName(QStringLiteral("FastLabel"));

    auto* row = new QHBoxLayout(this);
    row->setSpacing(2);
    row->addWidget(slowLabel_);
    row->addWidget(bar_, 1);
    row->addWidget(fastLabel_);

    connect(bar_, &QScrollBar::valueChanged, this,
            [this](int position) { emit speedChanged(ValueAt(position)); });
    setTwipsPerPixel(twipsPerPixel_);
}

int SpeedFrame::value() const {
    return ValueAt(bar_->value());
}

void SpeedFrame::setValue(int value) {
    bar_->setValue(PositionOf(std::clamp(value, MinSpeedValue, MaxSpeedValue)));
}

void SpeedFrame::setTwipsPerPixel(float twipsPerPixel) {
    if (!(twipsPerPixel > 0)) return;
    twipsPerPixel_ = twipsPerPixel;
    setFixedHeight(std::max(1, Pixels(HeightTwips, twipsPerPixel_)));
    bar_->setFixedHeight(std::max(1, height() * 2 / 3));
    // The labels and the bar stand clear of the frame's two lines.
    const int inset = int(std::ceil(2 * frameLine())) + 1;
    layout()->setContentsMargins(inset, 0, inset, 0);
    applyFontSize();
}

QRect SpeedFrame::geometryFor(float leftTwips, float topTwips, float cardWidthTwips) const {
    return QRect(Pixels(leftTwips, twipsPerPixel_), Pixels(topTwips, twipsPerPixel_),
                 std::max(1, Pixels(WidthFor(cardWidthTwips), twipsPerPixel_)),
                 std::max(1, Pixels(HeightTwips, twipsPerPixel_)));
}

void SpeedFrame::place(float leftTwips, float topTwips, float cardWidthTwips) {
    const QRect r = geometryFor(leftTwips, topTwips, cardWidthTwips);
    setFixedWidth(r.width());
    setGeometry(r);
}

// The panel is as high beside cards of every size, so its frame's lines follow its
// height rather than the cards.
qreal SpeedFrame::frameLine() const {
    return std::max(1.0, height() / 20.0);
}

void SpeedFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintTableFrame(painter, rect(), frameLine(), Face);
}

void SpeedFrame::applyFontSize() {
    // The letters fill most of the panel's height, whatever the screen's density.
    QFont font = this->font();
    font.setBold(true);
    font.setPixelSize(std::max(6, height() - 8));
    slowLabel_->setFont(font);
    fastLabel_->setFont(font);
}

} // namespace zarn
