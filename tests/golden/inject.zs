# Commands that arrive while cards glide or the sweep runs (queued with inject, they
# run at the next yield to the window system). "Deal Again", "Reset Positions", the
# card-size commands and undo are ignored until automatic play has ended; presses and
# double-clicks are ignored too; the move under way ends as if nothing had come.
# Column 1 ends in the nine of diamonds (22), column 2 in the eight of diamonds (21),
# column 4 in the two and ace of hearts (28, 27), column 8 in the jack and queen of
# spades (50, 51).
automove off
speed 3
deal 26 12 41 13 1 2 3 4 5 22 6 7 8 9 10 21 11 14 15 16 17 18 19 20 23 24 28 27 25 29 30 31 32 33 34 35 36 37 38 39 40 42 43 44 45 46 47 48 49 52 50 51
drag 51 13
# The eight of diamonds double-clicked onto the nine: at the first of its 7 glide steps
# every queued command runs, and the pointer passes over the bare table, where it would
# put back a drag (the queen just dropped is still the drag's card). While it glides it
# is the lifted card and still stands in column 2 only.
inject print moving
inject undo
inject reset
inject size up
inject deal 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 40 41 42 43 44 45 46 47 48 49 50 51 52
inject dblclick 27
inject dragto 9000 9000
inject rightclick 27
inject press 27 left 10 10
inject print piles
dblclick 21
# Both moves are recorded; the ace of hearts, double-clicked, right-clicked and pressed
# during the glide, did not move, and that press lifted nothing: with its button still
# down, a right-button press on the covered ace of spades shows it.
press 40 right 50 50
print reveal
release
print piles
print history
print moving
# Now the same undo runs.
undo
print history
# During the sweep: the queued commands run when the first pass begins, before any
# card is sent; the sweep then finishes this deal (ace, then two of hearts).
automove on
inject deal 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 40 41 42 43 44 45 46 47 48 49 50 51 52
inject print counts
drag 50 14
print counts
print piles
