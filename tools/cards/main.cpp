// zarn-cards --scale S --dpr R --background I OUT.png
// Writes a contact sheet of the 76 card pictures, in picture order and rows of 13, on the
// chosen table background, using the artwork the game would use from this directory.

#include "game/GameState.h"
#include "table/CardMetrics.h"
#include "table/Pictures/Background.h"
#include "table/Pictures/CardPictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Options {
    float scale = zarn::DefaultScale;
    double dpr = 1;
    int background = 0;
    const char* out = nullptr;
};

bool Parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const bool more = i + 1 < argc;
        if (!std::strcmp(argv[i], "--scale") && more)
            o.scale = std::strtof(argv[++i], nullptr);
        else if (!std::strcmp(argv[i], "--dpr") && more)
            o.dpr = std::strtod(argv[++i], nullptr);
        else if (!std::strcmp(argv[i], "--background") && more)
            o.background = std::atoi(argv[++i]);
        else if (argv[i][0] != '-' && !o.out)
            o.out = argv[i];
        else
            return false;
    }
    return o.out && o.scale >= zarn::MinScale && o.scale <= zarn::MaxScale && o.dpr >= 0.5 &&
           o.dpr <= 4 && o.background >= 0 && o.background <= 17;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Options o;
    if (!Parse(argc, argv, o)) {
        std::fprintf(stderr, "usage: zarn-cards --scale S (0.4..2) --dpr R --background I "
                             "(0..17) OUT.png\n");
        return 2;
    }
    zarn::GameState s;
    s.TwipsPerPixelX = 15;
    zarn::ApplyCardScale(s, o.scale, zarn::SizeOccasion::StartUp);
    const zarn::CardArtwork art(QDir::currentPath());
    const zarn::CardPictures pictures = zarn::ComposeCardPictures(art, s, o.dpr);
    const zarn::PictureGeometry g = zarn::PictureGeometryFor(s);

    const int margin = 12, gap = 8, columns = 13, rows = 6;
    const int width = 2 * margin + columns * g.width + (columns - 1) * gap;
    const int height = 2 * margin + rows * g.height + (rows - 1) * gap;
    QImage sheet = zarn::ApplyBackground(o.background, width * 15, height * 15, 15, 15,
                                         QDir::currentPath(), o.dpr);
    sheet = sheet.copy(0, 0, int(width * o.dpr + 0.5), int(height * o.dpr + 0.5));
    sheet.setDevicePixelRatio(o.dpr);
    QPainter painter(&sheet);
    for (int i = 1; i < zarn::PictureCount; ++i) {
        const int column = (i - 1) % columns, row = (i - 1) / columns;
        painter.drawImage(
            QPoint(margin + column * (g.width + gap), margin + row * (g.height + gap)),
            pictures.image[i]);
    }
    painter.end();
    if (!sheet.save(QString::fromLocal8Bit(o.out), "PNG")) {
        std::fprintf(stderr, "zarn-cards: cannot write %s\n", o.out);
        return 1;
    }
    return 0;
}
