# The drop goes to the pile whose card (or empty pile's marker) strictly contains the
# pressed card's top-left corner. Column 5 (Left 5139.75, bottom card Top 3772) ends in
# the ten of hearts (36), column 2 in the nine of hearts (35); column 4 (Left 3964.95)
# ends in the ten of clubs (10), column 3 in the nine and eight of clubs (9, 8); column 8
# ends in the eight of spades (47). Empty cell 13 lies at 342.65, 1851.75.
automove off
speed 1
deal 26 12 41 52 1 2 3 4 5 6 7 11 13 14 15 35 16 17 18 19 9 8 20 21 22 23 24 10 25 27 28 29 30 36 31 32 33 34 37 38 39 40 42 43 44 45 46 48 49 50 51 47
# The nine of hearts, pressed 100 twips inside its corner. Corner on column 5's left
# edge, on its right edge (5139.75 + 979), on the top edge of its bottom card: no pile
# contains it, so the card goes back each time and nothing is recorded.
press 35 left 100 100
dragto 5239.75 4100
release
print moving
press 35 left 100 100
dragto 6218.75 4100
release
press 35 left 100 100
dragto 5300 3872
release
print history
print piles
# One twip inside the bottom card of column 5: the pile is the destination, and the
# nine lands one fan step below the ten on top (5140, 5404).
press 35 left 100 100
dragto 5240.75 3873
release
print history
# The eight of spades on the edge of empty cell 13's marker goes back; one twip inside
# it lands on the cell (343, 1852).
press 47 left 100 100
dragto 442.65 2000
release
press 47 left 100 100
dragto 443.65 1952.75
release
print history
# Released over the bare table, or with its corner in its own column: back home.
press 8 left 100 100
dragto 9000 9000
release
dragto 9100 9100
drag 9 3
print moving
# The nine and eight of clubs, pressed in the nine's strip: the nine's corner decides,
# and the group goes onto the ten of clubs (3965, 5404 and 5673).
press 9 left 100 100
dragto 4400 5600
release
print history
print piles
print homes
# A press on the covered ace of clubs shows it on top (reveal picture 73, in front of
# every card) until the button is released, even if the pointer trembles onto the
# revealed picture with the button down; the right button does the same.
press 1 left 50 50
print reveal
print front
dragto 495 3830
print reveal
release
print reveal
press 1 right 50 50
print reveal
release
print reveal
print moving
