#pragma once
// The program's name, version and desktop entry as the desktop sees them. main() sets
// them before any window exists; the tests of what the window system shows do the same.

namespace zarn {

void SetApplicationIdentity();

} // namespace zarn
