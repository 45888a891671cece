#include "table/Layout.h"

#include "game/Cards.h"
#include "game/Placing.h"

namespace zarn {

namespace {

// Places a picture, records its home and shows it.
void Place(GameState& s, PictureSurface& surface, int picture, float left, float top) {
    PlacePicture(s, surface, picture, left, top);
    surface.setVisible(picture, true);
}

// A row of pictures laid out left to right: each Left is the Left held by the picture
// before it plus the step, the first one the chain start plus the step.
class Chain {
public:
    Chain(const PictureSurface& surface, double start, double step)
        : surface_(surface), previous_(start), step_(step) {}
    float next() { return static_cast<float>(previous_ + step_); }
    void placed(int picture) { previous_ = surface_.left(picture); }

private:
    const PictureSurface& surface_;
    double previous_;
    double step_;
};

} // namespace

void LayOutDeal(GameState& s, PictureSurface& surface) {
    const int W = s.CardWidth, H = s.CardHeight;
    const float ox = surface.left(0), oy = surface.top(0);
    ClearHistory(s);
    const float fan = 0.22f * s.SizeScale;

    const double cellStep = 1.1 * W;
    const float upperTop = oy;
    const float lowerTop = oy + RoundEven(H + H / 8.0);
    Chain upper(surface, ox - W, cellStep);
    for (int m = 61; m <= 64; ++m) {
        Place(s, surface, m, upper.next(), upperTop);
        upper.placed(m);
        s.PileOf[m] = static_cast<i16>(m - 52);
    }
    Chain lower(surface, ox - W, cellStep);
    for (int m = 65; m <= 68; ++m) {
        Place(s, surface, m, lower.next(), lowerTop);
        lower.placed(m);
        s.PileOf[m] = static_cast<i16>(m - 52);
    }

    Chain cells(surface, ox - W, cellStep);
    for (int k = 1; k <= 4; ++k) {
        int c = s.Deck[k];
        Place(s, surface, c, cells.next(), oy);
        cells.placed(c);
        s.Piles[8 + k] = FormatField(c);
        s.PileOf[c] = static_cast<i16>(8 + k);
    }

    const float foundationTop = oy + RoundEven(H / 2.0);
    Chain foundations(surface, ox + static_cast<i16>(4 * W), cellStep);
    for (int m = 69; m <= 72; ++m) {
        Place(s, surface, m, foundations.next(), foundationTop);
        foundations.placed(m);
        s.PileOf[m] = static_cast<i16>(m - 52);
    }

    const i16 columnTop = RoundEven(2.8 * H);
    Chain columns(surface, ox - W, 1.2 * W);
    int dealt = 4;
    for (int p = 1; p <= 8; ++p) {
        s.Piles[p].clear();
        s.PileCount[p] = 6;
        int marker = MarkerOf(p);
        Place(s, surface, marker, columns.next(), columnTop);
        columns.placed(marker);
        s.PileOf[marker] = static_cast<i16>(p);
        for (int r = 1; r <= 6; ++r) {
            int c = s.Deck[++dealt];
            float top = static_cast<float>(static_cast<i16>((r - 1) * H)) * fan + columnTop;
            Place(s, surface, c, surface.left(marker), top);
            surface.bringToFront(c);
            AppendCard(s, p, c);
        }
    }

    s.SpeedFrameTop = static_cast<float>(surface.top(TopCard(s, 17)) - 1.3 * SpeedFrameHeight);
    s.SpeedFrameLeft = surface.left(69);

    WindowSize fitted = MinimumWindowSize(s, surface);
    s.WindowWidth = static_cast<i16>(fitted.width);
    s.WindowHeight = static_cast<i16>(fitted.height);

    const double x69 = s.CardHomeX[69], y69 = s.CardHomeY[69];
    s.CornerLeft = static_cast<float>(x69 - W / 10.0);
    s.CornerTop = static_cast<float>(y69 - W / 12.0);
    s.CornerHeight = static_cast<float>(H + W / 5.0);
    s.CornerWidth = static_cast<float>(static_cast<i16>(4 * W) * 1.1 + W / 7.0);
}

void RestartDeal(GameState& s, PictureSurface& surface) {
    s.GrabX = 0;
    s.GrabY = 0;
    s.MovingCards[0] = -1;
    for (int p = 1; p <= PileTotal; ++p) {
        s.Piles[p].clear();
        s.PileCount[p] = 0;
    }
    for (int i = 1; i <= 72; ++i) s.Deck[i] = s.SavedDeck[i];
    LayOutDeal(s, surface);
}

WindowSize MinimumWindowSize(const GameState& s, const PictureSurface& surface) {
    return {RoundEven(surface.left(TopCard(s, 20)) + 1.5 * s.CardWidth),
            RoundEven(surface.top(TopCard(s, 8)) + 3.0 * s.CardHeight)};
}

} // namespace zarn
