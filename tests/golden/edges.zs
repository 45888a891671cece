# The drop goes to the pile whose card (or empty pile's marker) strictly contains the
# pressed card's top-left corner (the property test drops on every edge and just inside
# it). Column 4 (Left 3964.95) ends in the ten of clubs (10), column 3 in the nine and
# eight of clubs (9, 8).
automove off
speed 1
deal 26 12 41 52 1 2 3 4 5 6 7 11 13 14 15 35 16 17 18 19 9 8 20 21 22 23 24 10 25 27 28 29 30 36 31 32 33 34 37 38 39 40 42 43 44 45 46 48 49 50 51 47
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
