# "Reset Positions" after moves lays the same deal out from its first position. Dealt
# in card order: column 1 holds the five to ten of clubs, column 6 ends in the ace of
# spades (40), cells 9..12 hold the ace to four of clubs.
speed 1
deal 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 40 41 42 43 44 45 46 47 48 49 50 51 52
print homes
# The ten of clubs to cell 13: the sweep sends the ace of spades (pass 1 reaches column
# 6 first, foundation 17) and the four clubs in the cells home (foundation 18). Then the
# nine of clubs to cell 14, which is recorded.
drag 10 13
drag 9 14
print counts
print history
# Reset: the dealt piles and homes (the same lines as above), counters 0, no history,
# and the card-size commands enabled again.
reset
print piles
print homes
print counts
print history
