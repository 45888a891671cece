# Commands that arrive while cards glide or the sweep runs (queued with inject, they run
# at a yield to the window system: "inject N" at the N-th from now). "Deal Again",
# "Reset Positions", the card-size commands and undo end the automatic play first: the
# gliding card finishes its move at once (placed, recorded, counted), the sweep stops
# before its next card, and then the command runs. Presses and double-clicks on cards
# are ignored until the automatic play has ended.
#
# Column 1 ends in the nine of diamonds (22), column 2 in the eight of diamonds (21),
# column 4 in the two and ace of hearts (28, 27), column 8 in the jack and queen of
# spades (50, 51).
automove off
speed 3
deal 26 12 41 13 1 2 3 4 5 22 6 7 8 9 10 21 11 14 15 16 17 18 19 20 23 24 28 27 25 29 30 31 32 33 34 35 36 37 38 39 40 42 43 44 45 46 47 48 49 52 50 51
print window
# The eight of diamonds double-clicked onto the nine, the deal's first move: at the
# first of its 7 glide steps "size up" and undo are chosen (they wait); the eight still
# stands in column 2, lifted, drawn in front of every card. The glide then ends at once:
# one yield, not seven.
inject print moving
inject print front
inject size up
inject undo
inject print piles
dblclick 21
print yields
# The eight landed on the nine and was recorded, so the undo takes that move back; the
# size change finds the size fixed by the move and does nothing.
print piles
print history
print window
# The queen of spades dropped on a cell, then the eight double-clicked again: at the
# first glide step undo is chosen, and the ace of hearts is double-clicked,
# right-clicked and pressed, and the pointer passes over the bare table, where it would
# put back a drag (the queen just dropped is still the drag's card).
drag 51 13
inject undo
inject dblclick 27
inject dragto 9000 9000
inject rightclick 27
inject press 27 left 10 10
dblclick 21
# The ace of hearts did not move and that press lifted nothing: with its button still
# down, a right-button press on the covered ace of spades shows it. The eight landed
# and was recorded, and the undo took back that move, not the queen's.
press 40 right 50 50
print reveal
release
print piles
print history
print moving
# A long sweep: the ace to eight of clubs top the columns, the nine to queen lie in the
# cells and the king under the ace. The ace dragged home starts the sweep, whose first
# pass sends the two of clubs (glide steps at yields 2..8), the three (9..15), the four
# and so on. "Deal Again" chosen at the third step of the three's glide: the three
# lands, the sweep sends nothing more (no glide of the four), and the new deal is laid
# out.
automove on
deal 9 10 11 12 14 15 16 17 13 1 18 19 20 21 22 2 23 24 25 26 27 3 28 29 30 31 32 4 33 34 35 36 37 5 38 39 40 41 42 6 43 44 45 46 47 7 48 49 50 51 52 8
inject 12 print counts
inject 12 print moving
inject 12 deal 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 40 41 42 43 44 45 46 47 48 49 50 51 52
drag 1 17
print counts
print piles
# A move that blocks the game: the cells hold the king, jack, nine and seven of clubs
# and then of diamonds, the columns show the seven of spades, the king, jack, nine and
# seven of hearts, the king and jack of spades, and the six of spades on the three.
# The six double-clicked onto the seven blocks the game; "Deal Again" chosen during its
# glide is dropped: the question comes, Yes deals a new game, and no second deal follows
# (the size commands would come back with it).
automove off
deal 13 11 9 7 1 2 3 4 46 26 5 6 8 10 39 24 12 14 15 16 37 22 17 18 19 21 35 20 23 25 27 28 29 33 30 31 32 34 36 52 38 40 41 43 44 50 47 48 49 51 42 45
drag 26 13
drag 24 14
drag 22 15
drag 20 16
inject deal 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 40 41 42 43 44 45 46 47 48 49 50 51 52
dblclick 45
print status
print counts
# With AutoMove on, the eight of diamonds double-clicked again and undo chosen at the
# first glide step: the glide ends at once and no sweep starts, so the undo runs after
# that one yield.
automove on
deal 26 12 41 13 1 2 3 4 5 22 6 7 8 9 10 21 11 14 15 16 17 18 19 20 23 24 28 27 25 29 30 31 32 33 34 35 36 37 38 39 40 42 43 44 45 46 47 48 49 52 50 51
print yields
inject undo
dblclick 21
print yields
