#include "PictureTestUtil.h"
#include "game/Cards.h"
#include "game/GameHost.h"
#include "game/InMemorySurface.h"
#include "table/Layout.h"
#include "table/Pictures/CardPictures.h"

#include <QCursor>
#include <QGuiApplication>
#include <gtest/gtest.h>

using namespace zarn;
using namespace zarn::testing;

namespace {

struct RecordingHost : GameHost {
    GameState* state = nullptr;
    InMemorySurface* surface = nullptr;
    std::vector<std::string> calls;
    bool busyDuringLayout = false;
    bool hiddenBeforeLayout = false;
    void processEvents() override {}
    bool showGameOver(bool) override { return false; }
    void setSizeCommandsEnabled(bool) override {}
    void layOutDeal() override {
        calls.push_back("layOutDeal");
        busyDuringLayout = QGuiApplication::overrideCursor() &&
                           QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
        hiddenBeforeLayout = true;
        for (int i = 1; i < PictureCount; ++i) hiddenBeforeLayout &= !surface->isVisible(i);
        LayOutDeal(*state, *surface);
    }
};

} // namespace

TEST(RebuildCardPictures, HidesRebuildsAtTheNewSizeAndLaysTheDealOutAgain) {
    GameState s = StateAt(0.92f);
    for (int i = 1; i <= 52; ++i) s.Deck[i] = i16(i);
    InMemorySurface surface;
    surface.move(0, s.CardWidth / 4.0f, s.CardHeight / 4.0f);
    LayOutDeal(s, surface);
    for (int i = 73; i <= 76; ++i) surface.setVisible(i, true);
    RecordingHost host;
    host.state = &s;
    host.surface = &surface;
    int installs = 0;
    QSize installed;
    auto install = [&](const CardPictures& p) {
        host.calls.push_back("install");
        ++installs;
        installed = p.image[1].deviceIndependentSize().toSize();
    };
    RebuildCardPictures(s, surface, host, IncreasedScale(s.SizeScale), "/nonexistent", 1.0,
                        install);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"install", "layOutDeal"}));
    EXPECT_TRUE(host.busyDuringLayout);
    EXPECT_TRUE(host.hiddenBeforeLayout);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FLOAT_EQ(s.SizeScale, 0.94f);
    EXPECT_EQ(s.CardWidth, RoundEven(13836 * 0.94f / 13));
    EXPECT_EQ(s.FanStep, RoundEven(s.CardHeight / 4.75));
    EXPECT_EQ(installed, QSize(RoundEven(s.CardWidth / 15.0f), RoundEven(s.CardHeight / 15.0f)));
    EXPECT_TRUE(surface.isVisible(1));
    EXPECT_FALSE(surface.isVisible(73));

    // At the upper limit the rebuild still runs and the size stays.
    s.SizeScale = 2.0f;
    RebuildCardPictures(s, surface, host, IncreasedScale(s.SizeScale), "", 1.0, install);
    EXPECT_EQ(s.CardWidth, 2129);
    EXPECT_EQ(s.CardHeight, 2928);
    EXPECT_EQ(installs, 2);
}
