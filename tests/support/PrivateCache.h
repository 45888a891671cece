#pragma once
// The game keeps its drawn card strips in the user's cache folder; a test run keeps them
// in a temporary folder of its own instead (the games it starts inherit it).

#include <QFile>
#include <QTemporaryDir>

namespace zarn::test {

inline void UsePrivateCacheFolder() {
    static const QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
}

} // namespace zarn::test
