// Card records, the 4-character fields of pile strings, and reading them back.

#include "tests/game/EngineFixture.h"

#include <gtest/gtest.h>

namespace zarn::test {
namespace {

TEST(Records, FieldsAreThreeRightAlignedDigitsAndAComma) {
    EXPECT_EQ(FormatField(0), "  0,");
    EXPECT_EQ(FormatField(7), "  7,");
    EXPECT_EQ(FormatField(23), " 23,");
    EXPECT_EQ(FormatField(52), " 52,");
    EXPECT_EQ(FormatField(100), "100,");
    EXPECT_EQ(FormatField(999), "999,");
    for (int n = 0; n <= 999; ++n) {
        const std::string f = FormatField(n);
        ASSERT_EQ(f.size(), 4u) << n;
        EXPECT_EQ(f[3], ',');
        EXPECT_EQ(NumericI16(f.substr(0, 3)), n);
    }
}

TEST(Records, EveryCardAndMarkerHasItsFiveCharacterRecord) {
    EngineTable t;
    const GameState& s = t.s;
    EXPECT_EQ(s.CardRec[0], "");
    EXPECT_EQ(s.CardRec[1], "  1,C");
    EXPECT_EQ(s.CardRec[14], "  1,D");
    EXPECT_EQ(s.CardRec[27], "  1,H");
    EXPECT_EQ(s.CardRec[40], "  1,S");
    EXPECT_EQ(s.CardRec[12], " 12,C");
    EXPECT_EQ(s.CardRec[52], " 13,S");
    EXPECT_EQ(s.CardRec[53], " 53,X");
    EXPECT_EQ(s.CardRec[72], " 72,X");
    const char suits[] = {'C', 'D', 'H', 'S'};
    for (int k = 1; k <= 52; ++k) {
        ASSERT_EQ(s.CardRec[k].size(), 5u) << k;
        EXPECT_EQ(CardValue(s, k), (k - 1) % 13 + 1) << k;
        EXPECT_EQ(SuitOf(s, k), suits[(k - 1) / 13]) << k;
        EXPECT_EQ(k, Card(CardValue(s, k), SuitOf(s, k)));
    }
    for (int m = 53; m <= 72; ++m) {
        ASSERT_EQ(s.CardRec[m].size(), 5u) << m;
        EXPECT_EQ(CardValue(s, m), m);
        EXPECT_EQ(SuitOf(s, m), 'X');
    }
    for (int k : {1, 14, 27, 40}) EXPECT_EQ(CardValue(s, k), 1);
    for (int k : {13, 26, 39, 52}) EXPECT_EQ(CardValue(s, k), 13);
}

TEST(Records, TopCardIsTheLastFieldOrThePilesMarker) {
    EngineTable t;
    GameState& s = t.s;
    for (int p = 0; p <= 20; ++p) EXPECT_EQ(TopCard(s, p), 52 + p) << p;
    EXPECT_EQ(TopCard(s, 1), 53);
    EXPECT_EQ(TopCard(s, 16), 68);
    EXPECT_EQ(TopCard(s, 17), 69);
    EXPECT_EQ(TopCard(s, 20), 72);
    s.Piles[3] = "  5, 23, 41,";
    EXPECT_EQ(TopCard(s, 3), 41);
    s.Piles[9] = " 12,";
    EXPECT_EQ(TopCard(s, 9), 12);
}

TEST(Records, AppendingAndRemovingFieldsKeepsPileOfInStep) {
    EngineTable t;
    GameState& s = t.s;
    AppendCard(s, 4, 5);
    AppendCard(s, 4, 23);
    AppendCard(s, 4, 41);
    EXPECT_EQ(s.Piles[4], "  5, 23, 41,");
    EXPECT_EQ(s.PileOf[5], 4);
    EXPECT_EQ(s.PileOf[41], 4);
    EXPECT_EQ(FieldCount(s.Piles[4]), 3);
    EXPECT_EQ(FieldAt(s.Piles[4], 1), 23);
    RemoveTopFields(s.Piles[4], 2);
    EXPECT_EQ(s.Piles[4], "  5,");
    RemoveTopFields(s.Piles[4], 1);
    EXPECT_EQ(s.Piles[4], "");
    EXPECT_EQ(TopCard(s, 4), 56);
}

TEST(Records, NumbersAreReadAfterLeadingBlanksAndRoundedHalfToEven) {
    EXPECT_EQ(NumericValue("  12,"), 12);
    EXPECT_EQ(NumericValue(" 7"), 7);
    EXPECT_EQ(NumericValue(""), 0);
    EXPECT_EQ(NumericValue("   "), 0);
    EXPECT_EQ(NumericValue("x12"), 0);
    EXPECT_EQ(RoundEven(2.5), 2);
    EXPECT_EQ(RoundEven(3.5), 4);
    EXPECT_EQ(RoundEven(673.5), 674);
    EXPECT_EQ(RoundEven(-0.5), 0);
    EXPECT_EQ(RoundEven(1346.88), 1347);
}

} // namespace
} // namespace zarn::test
