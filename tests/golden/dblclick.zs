# The double-click sends a top card to the first foundation that takes it, else to the
# lowest-numbered column that takes it, never to a free cell. Column 3 holds the six
# down to the ace of hearts (32 .. 27), column 5 the six down to the ace of diamonds
# (19 .. 14); column 1 ends in the eight of hearts (34), column 2 in the seven of hearts
# (33), column 4 in the ace of clubs (1), column 6 in the two of spades (41), column 7
# in the ace of spades (40), column 8 in the king of spades (52); cells 9..12 hold the
# two to five of clubs.
automove off
speed 4
deal 2 3 4 5 6 7 8 9 10 34 11 12 13 20 21 33 32 31 30 29 28 27 22 23 24 25 26 1 19 18 17 16 15 14 35 36 37 38 39 41 42 43 44 45 46 40 47 48 49 50 51 52
# The ace of hearts to the first empty foundation (17), the ace of diamonds to the next
# (18), the ace of clubs to 19; each glides 4 x 4 - 2 = 14 steps onto the marker or
# the card before it, letting the window system run before each step.
dblclick 27
print yields
dblclick 28
dblclick 29
dblclick 30
dblclick 31
dblclick 32
dblclick 14
dblclick 15
dblclick 16
dblclick 17
dblclick 18
dblclick 19
dblclick 1
print counts
# The two of clubs from cell 9 onto the ace.
dblclick 2
# The seven of hearts fits foundation 17 and the eight on column 1: the foundation
# first. Double-clicked on the foundation it goes back to a column: onto the eight
# (441, 5135), one fan step below it (441, 5404).
dblclick 33
print counts
dblclick 33
print counts
print history
# The king of spades: columns 3 and 5 are empty, so it goes to column 3, onto the
# marker (2790, 3772).
dblclick 52
# The two of spades fits nowhere (four cells are empty, but a double-click never fills
# one), the ten of clubs is covered, 73 is an ace-reveal picture: nothing happens. The
# seven of diamonds (20), under the eight in column 2, fits its foundation, but a
# right-click sends only a top card.
dblclick 41
dblclick 10
dblclick 73
rightclick 20
print history
dblclick 40
dblclick 41
print piles
print homes
print history
# The smallest window follows column 8 alone: its top card, the queen of spades at
# 8664, 4863, gives N(4863 + 3 x 1347) = 8904, though column 1 reaches lower; the width
# follows foundation 20's top card at 8468.35: N(8468.35 + 1.5 x 979) = 9937.
print minsize
# The window is closed during the first glide step of the seven of hearts (fitting
# foundation 17): the glide stops and the card stays on column 1; nothing moves and no
# command runs afterwards.
inject close
dblclick 33
undo
dblclick 33
print counts
