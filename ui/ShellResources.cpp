#include "ui/ShellResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE names a function of the global namespace.
static void InitShellQrc() {
    Q_INIT_RESOURCE(shell);
}

namespace zarn {

void InitShellResources() {
    static const bool done = (InitShellQrc(), true);
    (void)done;
}

} // namespace zarn
