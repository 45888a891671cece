# A won game. Dealt in reverse card order, every column ends in a run down in suit:
# column 8 holds the six down to the ace of clubs (6 .. 1) with the ace on top, column 7
# the queen to seven of clubs, and so on; cells 9..12 hold the king to ten of spades.
# Dropping the ace of clubs on foundation 17 starts the sweep, which takes the other
# 51 cards home one pass after another (clubs on 17, then diamonds on 18, hearts on 19,
# spades on 20; the king of spades last, from cell 9). After the last send the game is
# won, and Yes (the default answer) deals a new game, where the sweep does not go on.
speed 1
deal 52 51 50 49 48 47 46 45 44 43 42 41 40 39 38 37 36 35 34 33 32 31 30 29 28 27 26 25 24 23 22 21 20 19 18 17 16 15 14 13 12 11 10 9 8 7 6 5 4 3 2 1
drag 1 17
print status
print history
# The next deal is fixed again; it starts with status -1 and the size commands on.
deal 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 40 41 42 43 44 45 46 47 48 49 50 51 52
print status
print counts
# With AutoMove still on, the ace of spades (on column 6) sent home with the right
# button glides (3 x 3 - 2 = 7 steps) onto foundation 17. Nothing else follows: no
# sweep takes the ace to four of clubs home from the cells, and no end check.
speed 3
rightclick 40
print counts
