#include "settings/SpeedFrame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
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

int Pixels(float twips, float twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

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
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);

    bar_->setObjectName(QStringLiteral("SpeedRange"));
    bar_->setRange(MinSpeedValue, MaxSpeedValue);
    bar_->setSingleStep(ArrowStep);
    bar_->setPageStep(PageStep);
    bar_->setValue(PositionOf(DefaultSpeedValue));
    bar_->setToolTip(QStringLiteral("Incease/decrease Autosolve speed"));
    slowLabel_->setObjectName(QStringLiteral("SlowLabel"));
    fastLabel_->setObjectName(QStringLiteral("FastLabel"));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 1, 2, 1);
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

void SpeedFrame::applyFontSize() {
    // The letters fill most of the panel's height, whatever the screen's density.
    QFont font = this->font();
    font.setBold(true);
    font.setPixelSize(std::max(6, height() - 8));
    slowLabel_->setFont(font);
    fastLabel_->setFont(font);
}

} // namespace zarn
