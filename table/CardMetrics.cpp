#include "table/CardMetrics.h"

#include "game/Cards.h"

namespace zarn {

StripSize StripSizeFor(float scale) {
    return {StripBaseWidth * scale, StripBaseHeight * scale};
}

void ApplyCardScale(GameState& s, float scale, SizeOccasion occasion) {
    s.SizeScale = scale;
    StripSize strip = StripSizeFor(scale);
    s.CardWidth = RoundEven(strip.width / 13);
    s.CardHeight = RoundEven(strip.height);
    s.FanStep = occasion == SizeOccasion::StartUp ? RoundEven(s.CardHeight / 5.0)
                                                  : RoundEven(s.CardHeight / 4.75);
}

TableOrigin OriginFor(const GameState& s) {
    return {s.CardWidth / 4.0f, s.CardHeight / 4.0f};
}

float IncreasedScale(float scale) {
    float next = static_cast<float>(double(scale) + 0.02);
    return next > MaxScale ? MaxScale : next;
}

float DecreasedScale(float scale) {
    float next = static_cast<float>(double(scale) - 0.02);
    return next < MinScale ? MinScale : next;
}

} // namespace zarn
