# Lifting groups and where they may go. Column 4 ends in the ten of diamonds (23), nine
# of spades (48), eight of hearts (34), seven of spades (46); column 5 ends in the ten
# of spades (49), column 6 in the ten of hearts (36); column 7 holds the three of clubs
# (3), jack of hearts (37), four of diamonds (17), king of hearts (39), two of clubs (2)
# in no order; column 8 ends in the queen and king of spades (51, 52).
automove off
speed 1
deal 26 12 41 8 1 4 5 6 7 9 10 11 13 14 15 16 18 19 20 21 22 24 25 27 23 48 34 46 28 29 30 31 32 49 33 35 38 40 42 36 43 3 37 17 39 2 44 45 47 50 51 52
# Four empty cells: any four cards lying on each other, in no order, but not five.
lift 3
lift 37
# Such a group goes to an empty cell only, never to an occupied one, a column or a
# foundation.
test 37 13
test 37 9
test 37 6
test 37 17
# The run from the ten of diamonds lifts too; the nine of spades and the cards on it
# go onto the ten of spades (only ranks count inside the group), not onto the ten of
# hearts, and a group never goes to a foundation.
lift 23
test 23 5
lift 48
test 48 5
test 48 6
test 48 17
# Two empty cells, with the ten of spades in one of them: a run of three needs a
# column that takes it now, and a ten in a cell is no column.
drag 49 13
drag 52 14
lift 48
undo
undo
print piles
# Two empty cells and the ten back on column 5: a run of three, one more than the
# empty cells, lifts; four do not, ordered or not; two lift in any order.
drag 52 13
drag 51 14
lift 48
test 48 15
test 48 5
lift 23
lift 37
lift 34
drag 48 5
print piles
print history
