# A group dropped on an empty free cell is spread over the empty cells, one card each:
# the cell it was dropped on first, then the lowest-numbered empty ones. Column 6 ends
# in the two of spades (41), jack of clubs (11) and eight of diamonds (21), in no order;
# cell 10 holds the five of diamonds (18), which fits the six of diamonds on column 4;
# column 3 ends in the queen of spades (51).
automove off
speed 1
deal 27 18 28 29 4 5 6 7 8 9 10 12 13 14 15 16 17 20 22 23 24 51 25 26 30 31 32 19 33 34 35 36 37 38 1 2 3 41 11 21 39 40 42 43 44 45 46 47 48 49 50 52
# Empty cell 10, fill cell 13: cells 10, 14, 15, 16 are empty.
drag 18 4
drag 51 13
print stopover
# Dropped on cell 15: the two of spades on 15 (home 2496, 1852), the jack on 10
# (1420, 337), the eight on 14 (1420, 1852). The move line names cell 15 only.
drag 41 15
print stopover
print piles
print homes
print history
# A plain move afterwards forgets the stopover cells.
drag 51 16
print stopover
# Two undos: the queen back to cell 13, then the older spread: all three cells empty
# and the group back on column 6, fanned one step apart below the three of clubs.
undo
undo
print piles
print stopover
print history
print homes
