# The single-card table. Column 1 holds the nine of clubs (9), then the five down to
# the ace of hearts (31 .. 27); column 2 ends in the six of hearts (32), column 3 in the
# six of diamonds (19), column 4 in the ace of diamonds (14), column 8 in the queen and
# king of spades (51, 52). Cells 9..12: king of diamonds (26), queen of clubs, two of
# spades, eight of clubs. AutoMove is off, so nothing moves but what the script moves.
automove off
speed 3
deal 26 12 41 8 9 31 30 29 28 27 1 2 3 4 5 32 6 7 10 11 13 19 15 16 17 18 20 14 21 22 23 24 25 33 34 35 36 37 38 39 40 42 43 44 45 46 47 48 49 50 51 52
# Ace to four of hearts home with the right button: each glides (3 x 3 - 2 = 7 steps)
# onto the card before it; the first send disables the card-size commands.
rightclick 27
rightclick 28
rightclick 29
rightclick 30
print counts
# A card on a foundation cannot be lifted: the four of hearts stays on 17.
drag 30 13
# The five of hearts: on the six of hearts yes, on the six of diamonds no, on the
# four of hearts on foundation 17 yes, on an empty foundation no; an empty cell takes
# it, an occupied one does not.
single 31
test 31 2
test 31 3
test 31 17
test 31 18
test 31 13
test 31 9
# An empty foundation takes an ace, a foundation of another suit does not.
single 14
test 14 18
test 14 17
# Column 1 emptied: it takes a king (from column 8 or from cell 9) and nothing else.
drag 31 13
drag 9 14
print piles
single 52
test 52 1
single 26
test 26 1
single 51
test 51 1
# A marker is never legal, not even on an empty cell.
test 53 15
test 69 1
