# The driver's verdicts on single cards, groups and markers (the rules themselves are
# played at random against a model of them by the engine's tests). Column 1 holds the
# nine of clubs (9), then the five down to the ace of hearts (31 .. 27); column 2 ends in
# the six of hearts (32), column 3 in the six of diamonds (19), column 4 in the ace of
# diamonds (14). Cells 9..12 are full; AutoMove is off.
automove off
speed 3
deal 26 12 41 8 9 31 30 29 28 27 1 2 3 4 5 32 6 7 10 11 13 19 15 16 17 18 20 14 21 22 23 24 25 33 34 35 36 37 38 39 40 42 43 44 45 46 47 48 49 50 51 52
# The ace of hearts home with the right button: it glides (3 x 3 - 2 = 7 steps) onto
# the foundation's marker and disables the card-size commands.
rightclick 27
# The five of hearts: on the six of hearts yes, on the six of diamonds no; an empty
# cell takes it, an occupied one does not.
single 31
test 31 2
test 31 3
test 31 13
test 31 9
# An empty foundation takes an ace, a foundation of another suit does not.
single 14
test 14 18
test 14 17
# Four empty cells: the five down to the two of hearts lift together.
lift 31
# A marker is never legal, not even on an empty cell.
test 53 15
test 69 1
