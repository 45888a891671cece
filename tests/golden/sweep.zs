# The sweep after a move, pass by pass. Column 1 ends in the four and two of clubs
# (4, 2), column 2 in the three and ace of clubs (3, 1), column 3 in the two and ace of
# diamonds (15, 14); cells 9..12 hold the king to ten of spades, column 8 ends in the
# nine and eight of spades (48, 47).
speed 2
deal 52 51 50 49 5 6 7 8 4 2 9 10 11 12 3 1 13 16 17 18 15 14 19 20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 40 41 42 43 44 45 46 47 48
# With AutoMove off nothing follows a move, though the end check still runs (status 1:
# a move is left). Switching AutoMove on does not start a sweep by itself.
automove off
drag 48 13
print counts
print status
automove on
print counts
# The next move is followed by the sweep. Pass 1 offers the top cards of piles 1..16
# once: the two of clubs does not fit yet, the aces of clubs and diamonds go to
# foundations 17 and 18. Pass 2: the two and three of clubs, the two of diamonds, each
# uncovered or fitting only now. Pass 3: the four of clubs. Pass 4 finds nothing and
# the sweep ends. Every send glides (2 x 2 - 2 = 2 steps) and empties the history. The
# window system runs before each pass and each glide step: 4 + 6 x 2 times.
drag 47 14
print yields
print counts
print piles
print history
print status
