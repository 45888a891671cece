# The table at card scale 0.92 (cards 979 x 1347 twips, table origin 244.75, 336.75),
# dealt in card order: the clubs ace to four go to cells 9..12, exactly on their
# markers; column 1 gets 5..10, column 8 gets 47..52, six rows each.
# Homes: upper cells X 343 1420 2496 3573 at Y 337, lower cells Y 1852; foundations
# X 5238 6315 7391 8468 at Y 1011; columns X 441 1615 2790 3965 5140 6315 7489 8664;
# the dealt rows at Y 3772 4045 4317 4590 4863 5135. The window fits the deal at
# 9937 x 9176; the speed panel sits at 5237.65, 558.35 and the foundation frame at
# 5140.1, 929.4167, 4447.457 x 1542.8. A fresh deal has status -1 and no history.
scale 0.92
deal 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 40 41 42 43 44 45 46 47 48 49 50 51 52
print piles
print homes
print window
print frames
print minsize
print status
print history
print counts
print stopover
print moving
