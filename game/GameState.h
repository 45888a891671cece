#pragma once
// Every variable of a game of ZARN, in one place.
//
// Cards and piles are small numbers and pile contents are text, as the game has always
// kept them: a pile is a string of 4-character fields (" 12," ...), bottom card first.
//
//   card 1..52      clubs, diamonds, hearts, spades; ace..king within a suit
//   card 53..72     empty-pile markers, marker 52 + p for pile p
//   picture 0       hidden template whose position is the table origin
//   picture 73..76  ace-reveal pictures of clubs, diamonds, hearts, spades
//   pile 1..8       columns, 9..16 free cells, 17..20 foundations (0 unused)

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace zarn {

using i16 = std::int16_t;
using f32 = float;

inline constexpr i16 Yes = 1;
inline constexpr i16 No = 0;

inline constexpr int CardCount = 52;
inline constexpr int MarkerFirst = 53;
inline constexpr int MarkerLast = 72;
inline constexpr int RevealFirst = 73;
inline constexpr int PictureCount = 77; // pictures 0..76
inline constexpr int PileTotal = 20;

inline constexpr bool IsColumn(int pile) {
    return pile >= 1 && pile <= 8;
}
inline constexpr bool IsCell(int pile) {
    return pile >= 9 && pile <= 16;
}
inline constexpr bool IsFoundation(int pile) {
    return pile >= 17 && pile <= 20;
}
inline constexpr int MarkerOf(int pile) {
    return 52 + pile;
}

// The speed bar's values: every glide takes value² steps, so 1 is the fastest.
inline constexpr int MinSpeedValue = 1;
inline constexpr int MaxSpeedValue = 100;
inline constexpr int DefaultSpeedValue = 75;
inline constexpr i16 SpeedFor(int value) {
    return static_cast<i16>(value * value);
}

// Height of the speed panel, twips.
inline constexpr float SpeedFrameHeight = 348.0f;

struct GameState {
    std::array<std::string, 73> CardRec{}; // card records, "  1,C" ... " 72,X"
    std::array<std::string, 21> Piles{};   // pile strings
    std::array<i16, 73> PileOf{};          // pile of each card and marker
    std::array<i16, 21> PileCount{};       // card counters (only 17..20 are read)
    std::array<i16, 73> Deck{};            // dealing order, 1..52
    std::array<i16, 73> SavedDeck{};       // copy taken at each shuffle
    std::array<i16, 53> MovingCards{};     // [0] = count (-1: no group), [1..n] = cards
    i16 MoveStatus = 0;                    // No, Yes, -1 after a shuffle, 99 all home
    std::deque<std::string> MovesList;     // move history, index 0 at the top
    i16 MoveCount = 0;                     // label of the last recorded move
    std::string StopoverCells;             // cells used by the last spread move
    i16 Busy = No;                         // Yes while a card glides
    i16 AutoMove = No;                     // the AutoMove option
    i16 Speed = 0;                         // glide steps, speed bar value squared
    i16 DragCard = 0;                      // card pressed when the latest drag began
    f32 GrabX = 0, GrabY = 0;              // pointer offset inside the pressed card
    std::array<i16, 73> CardHomeX{};       // resting Left of each picture, twips
    std::array<i16, 73> CardHomeY{};       // resting Top of each picture, twips
    i16 FanStep = 0;                       // distance between cards added to a column
    i16 CardWidth = 0, CardHeight = 0;     // size of one card picture, twips
    f32 SizeScale = 0;                     // card-size factor
    f32 TwipsPerPixelX = 15;               // screen twips per pixel
    i16 BackgroundIndex = 0;               // 0 plain colour, 1..17 a tile

    // Stopover cells kept with each history entry, newest first, beside the three
    // text lines, so that an older spread move can be taken back as well.
    std::deque<std::string> EntryStopovers;

    // What the last layout fitted, for the window to apply (twips).
    i16 WindowWidth = 0, WindowHeight = 0;
    f32 SpeedFrameLeft = 0, SpeedFrameTop = 0;
    f32 CornerLeft = 0, CornerTop = 0, CornerWidth = 0, CornerHeight = 0;
};

} // namespace zarn
