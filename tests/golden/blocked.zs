# A blocked game, answered No. Only odd ranks from three up are ever in sight: cells
# 9..12 hold the three to nine of clubs; column 1 ends in the jack and king of clubs and
# the three, five, seven of diamonds (11, 13, 16, 18, 20); the other columns end in the
# nine to king of diamonds and the three to nine of hearts. No card fits another, so
# while a free cell is empty the game goes on (status 1), and the move that fills the
# last cell blocks it: the question comes right after that move, and No ends the
# session; the lines after it are not played.
speed 1
answer no
deal 3 5 7 9 41 11 13 16 18 20 1 2 4 6 8 22 10 12 14 15 17 24 19 21 23 25 27 26 28 30 32 34 36 29 37 38 39 40 42 31 43 44 45 46 47 33 48 49 50 51 52 35
drag 20 13
print status
drag 18 14
print status
drag 16 15
print status
drag 13 16
print piles
print status
