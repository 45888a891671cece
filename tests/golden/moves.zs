# Where moved cards come to rest (FanStep 269 at start-up). Cells 9..12: six of spades
# (45), king of diamonds (26), seven of clubs (7), five of hearts (31). Column 1 holds
# the six down to the ace of clubs (6 .. 1), column 2 ends in the nine, eight, seven of
# hearts (35, 34, 33), column 5 in the ten of hearts (36), column 7 in the seven of
# spades (46, dealt at Y 5135 on column X 7489).
automove off
speed 2
deal 45 26 7 31 6 5 4 3 2 1 8 9 10 35 34 33 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 27 28 36 29 30 32 37 38 39 40 41 42 43 44 46 47 48 49 50 51 52
# One fan step below the dealt top card: 7489, 5135 + 269 = 5404.
drag 45 7
# Ace to six of clubs home with the right button: each lands exactly on the one before,
# at the foundation's home 5238, 1011 (a glide of 2 x 2 - 2 = 2 steps each).
rightclick 1
rightclick 2
rightclick 3
rightclick 4
rightclick 5
rightclick 6
# The king onto the emptied column 1: on its marker, 441, 3772. The five of hearts onto
# empty cell 13: on its marker, 343, 1852. The seven of clubs dropped on the foundation:
# exactly on the six, 5238, 1011.
drag 26 1
drag 31 13
drag 7 17
# Pressing the nine of hearts lifts the eight and seven with it; on the ten of hearts
# (5140, 5135) they land at Y 5404, 5673, 5942, the seven frontmost. Column 2 keeps the
# cards below in their order.
drag 35 5
print piles
print homes
print drawing
print counts
print history
print stopover
