#pragma once
// The help page and icon built into the program (ui/shell.qrc).

namespace zarn {

// Makes sure the built-in help page and icon are available. The resources live in a
// static library, so the linker would otherwise drop them from the program.
void InitShellResources();

} // namespace zarn
