#pragma once
// What the X server shows and the pointer it moves: screen pixels read back from the
// server (ImageMagick's import of the root window) and pointer events made by the server
// itself (xdotool, through XTest), for tests that run under xcb on their own Xvfb.

#include <QColorSpace>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QTest>

namespace zarn::test {

// The pixels of a rectangle of the screen (global pixels), as the server has them now.
inline QImage ScreenPixels(const QRect& r) {
    QProcess import;
    import.start(
        QStringLiteral("import"),
        {"-window", "root", "-crop",
         QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y()),
         "+repage", "png:-"});
    if (!import.waitForFinished(20000) || import.exitCode() != 0) return {};
    QImage pixels = QImage::fromData(import.readAllStandardOutput(), "PNG")
                        .convertToFormat(QImage::Format_RGB32);
    pixels.setColorSpace(QColorSpace()); // the server's pixels as they are
    return pixels;
}

// Runs xdotool with these arguments (the server queues the events it makes) and lets
// the program handle what arrived.
inline bool Xdotool(const QStringList& args) {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), args);
    const bool done = xdotool.waitForFinished(10000) && xdotool.exitCode() == 0;
    QTest::qWait(30);
    return done;
}

// The pixels of r once they equal `wanted`, or as they are after `ms` milliseconds: the
// program paints in its own time, so a check waits for the picture it expects.
inline QImage ScreenPixelsOnceEqual(const QRect& r, const QImage& wanted, int ms = 3000) {
    QElapsedTimer clock;
    clock.start();
    QImage now;
    do {
        QTest::qWait(40);
        now = ScreenPixels(r);
    } while (now != wanted && clock.elapsed() < ms);
    return now;
}

} // namespace zarn::test
