#include "ui/AppIdentity.h"

#include <QGuiApplication>

namespace zarn {

void SetApplicationIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("zarn"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    // Ties the windows to the menu entry io.github.zarn.Zarn.desktop (icon and name in
    // the task list).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zarn.Zarn"));
    // No application display name: Qt would append it to every window title ("zarn
    // Help — ZARN"), and each window and message box carries its whole caption itself.
}

} // namespace zarn
