# A card-size change lays the deal out again from its start at the new size (it is only
# offered before the first move). "Increase Card Size" from 0.92 makes 0.94: cards
# 1000 x 1376 twips, with the table origin of start-up (244.75, 336.75): upper cells X
# 345 1445 2545 3645 at Y 337, lower cells at Y 1885 (336.75 + N(1376 + 172)), the
# foundations X 5345 6445 7545 8645 at Y 1025, the columns X 445 1645 2845 4045 5245
# 6445 7645 8845 at Y N(2.8 x 1376) = 3853, dealt rows 0.22 x 0.94 of a card apart:
# Y 3853 4138 4422 4707 4991 5276. A card moved onto a column from then on lies
# N(1376 / 4.75) = 290 below the card under it: the ten of clubs, taken to a cell and
# back, at 445, N(4991.23 + 290) = 5281.
automove off
deal 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 40 41 42 43 44 45 46 47 48 49 50 51 52
size up
drag 10 13
undo
print homes
# The size steps stop at 2 and 0.4. From 2 a step up stays at 2: cards 2129 x 2928,
# the window N(18415.85 + 3193.5) = 21609 by N(8198 + 6441.6 + 8784) = 23424 (at 2.02
# cards would be 2150 wide). From 0.4 a step down stays at 0.4: cards 426 x 586, the
# window N(3684.9 + 639) = 4324 by N(1641 + 257.84 + 1758) = 3657.
deal 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 40 41 42 43 44 45 46 47 48 49 50 51 52
scale 2
size up
print window
scale 0.4
size down
print window
