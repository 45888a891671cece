#pragma once
#include <iosfwd>

namespace zarn {
// Runs a script of commands; returns the exit status (0, or 2 for a line it cannot read).
int RunScript(std::istream& in, std::ostream& out, std::ostream& err);
} // namespace zarn
