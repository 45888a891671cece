#pragma once
// Whole files as the tests write and read them.

#include <QByteArray>
#include <QFile>
#include <gtest/gtest.h>

namespace zarn::test {

inline QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size()) << qPrintable(path);
}

} // namespace zarn::test
