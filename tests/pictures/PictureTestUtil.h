#pragma once
// Helpers for comparing and inspecting card pictures in tests.

#include "game/GameState.h"
#include "table/CardMetrics.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zarn::testing {

inline GameState StateAt(float scale, float twipsPerPixel = 15) {
    GameState s;
    s.TwipsPerPixelX = twipsPerPixel;
    ApplyCardScale(s, scale, SizeOccasion::StartUp);
    return s;
}

inline bool SamePixels(const QImage& a, const QImage& b) {
    return a.size() == b.size() &&
           a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

// Share of pixels that are neither transparent nor near-white.
inline double InkShare(const QImage& image) {
    const QImage a = image.convertToFormat(QImage::Format_ARGB32);
    long ink = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            if (qAlpha(p) > 128 && (qRed(p) < 200 || qGreen(p) < 200 || qBlue(p) < 200)) ++ink;
        }
    return double(ink) / (a.width() * a.height());
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace zarn::testing
