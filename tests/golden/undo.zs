# Undo walks back the history newest first, placing each card back on its source pile:
# on a column one fan step (269) below the pile's top card, or on the marker of an
# emptied pile, exactly on the top card of a cell or foundation. Column 1 holds the
# nine of hearts (35) under the five down to the ace of clubs (5 .. 1); column 2 ends in
# the six of clubs (6); column 3 ends in the nine of diamonds (22), eight of spades (47),
# seven of clubs (7); column 4 ends in the ten of diamonds (23); cell 9 holds the jack
# of spades (50).
automove off
speed 1
deal 50 8 9 10 35 5 4 3 2 1 11 12 13 14 15 6 16 17 18 22 47 7 19 20 21 24 25 23 26 27 28 29 30 31 32 33 34 36 37 38 39 40 41 42 43 44 45 46 48 49 51 52
# Nothing to undo after a deal, nor after cards went to a foundation.
undo
print history
rightclick 1
rightclick 2
rightclick 3
rightclick 4
rightclick 5
undo
print counts
print history
# The nine of hearts leaves column 1 empty; undone, it lies on the marker (441, 3772).
drag 35 13
print history
undo
# The jack of spades from cell 9 to cell 14, undone: on cell 9's marker (343, 337).
drag 50 14
print history
undo
# The five of clubs double-clicked from the foundation onto the six on column 2, then
# undone: exactly on the four of clubs (5238, 1011), and the counter is 5 again.
dblclick 5
print counts
print history
undo
print counts
# Three cards onto the ten of diamonds, undone: back on column 3 below its new top,
# the five of diamonds (row 3 at 4317.27): Y 4586, 4855, 5124; pile 4 loses 12 characters.
drag 22 4
print piles
undo
print piles
print homes
print drawing
# The history is empty again; the next move is number 5.
print history
drag 50 15
print history
