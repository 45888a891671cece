#pragma once
// What a reader or writer of one of the game's files has for the player: that the file
// was created, or that it was refused and why. Readers and writers only hand these over
// (takeNotices(), rejected(), an out list); the main window is the one place that tells
// the player, each refused file once a session.

#include <QString>

namespace zarn {

struct Notice {
    enum Kind { Created, Refused };
    Kind kind = Refused;
    QString file; // the file it is about, as its reader names it
    QString text; // what the player is told
};

} // namespace zarn
