#pragma once
// Resident memory as the kernel counts it.

#include <QByteArray>
#include <QFile>

namespace zarn::bench {

// VmRSS of /proc/self/status, megabytes; -1 when it cannot be read.
inline double ResidentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

} // namespace zarn::bench
