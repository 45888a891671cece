// zarn-cards --scale S --dpr R --background I [--fan] OUT.png
// Writes a contact sheet of the 76 card pictures, in picture order and rows of 13, on the
// chosen table background, using the artwork the game would use from this directory.
// With --fan it writes eight columns instead, each suit ace to king as cards lie in a
// column: the first four fanned as dealt, the last four by the fan step of play, so the
// strip left showing of every covered card can be checked.

#include "game/Cards.h"
#include "game/GameState.h"
#include "table/CardMetrics.h"
#include "table/Pictures/Background.h"
#include "table/Pictures/CardPictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Options {
    float scale = zarn::DefaultScale;
    double dpr = 1;
    int background = 0;
    bool fan = false;
    const char* out = nullptr;
};

bool Parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const bool more = i + 1 < argc;
        if (!std::strcmp(argv[i], "--scale") && more)
            o.scale = float(zarn::NumericValue(argv[++i])); // "." under every locale
        else if (!std::strcmp(argv[i], "--dpr") && more)
            o.dpr = zarn::NumericValue(argv[++i]);
        else if (!std::strcmp(argv[i], "--background") && more)
            o.background = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--fan"))
            o.fan = true;
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
                             "(0..17) [--fan] OUT.png\n");
        return 2;
    }
    zarn::GameState s;
    s.TwipsPerPixelX = 15;
    zarn::ApplyCardScale(s, o.scale, zarn::SizeOccasion::StartUp);
    const zarn::CardArtwork art(QDir::currentPath());
    std::vector<zarn::Notice> rejected = art.rejected();
    const zarn::CardPictures pictures = zarn::ComposeCardPictures(art, s, o.dpr);
    const zarn::PictureGeometry g = zarn::PictureGeometryFor(s);

    // Where each picture goes, in drawing order.
    std::vector<std::pair<int, QPoint>> places;
    const int margin = 12, gap = 8;
    int width = 0, height = 0;
    if (o.fan) {
        // Steps in pixels, the column arithmetic of the deal and of play.
        const float dealStep = float(s.CardHeight) * 0.22f * s.SizeScale / 15.0f;
        const float playStep = float(s.FanStep) / 15.0f;
        for (int column = 0; column < 8; ++column) {
            const float step = column < 4 ? dealStep : playStep;
            const int x = margin + column * (g.width + gap);
            for (int rank = 0; rank < 13; ++rank)
                places.push_back({13 * (column % 4) + rank + 1,
                                  QPoint(x, margin + int(std::lround(rank * step)))});
            height = std::max(height, places.back().second.y() + g.height + margin);
        }
        width = 2 * margin + 8 * g.width + 7 * gap;
    } else {
        const int columns = 13, rows = 6;
        for (int i = 1; i < zarn::PictureCount; ++i) {
            const int column = (i - 1) % columns, row = (i - 1) / columns;
            places.push_back(
                {i, QPoint(margin + column * (g.width + gap), margin + row * (g.height + gap))});
        }
        width = 2 * margin + columns * g.width + (columns - 1) * gap;
        height = 2 * margin + rows * g.height + (rows - 1) * gap;
    }
    QImage sheet = zarn::ApplyBackground(o.background, width * 15, height * 15, 15, 15,
                                         QDir::currentPath(), o.dpr, &rejected);
    for (const zarn::Notice& notice : rejected)
        std::fprintf(stderr, "zarn-cards: %s\n", qPrintable(notice.text));
    sheet = sheet.copy(0, 0, int(width * o.dpr + 0.5), int(height * o.dpr + 0.5));
    sheet.setDevicePixelRatio(o.dpr);
    QPainter painter(&sheet);
    for (const auto& [picture, at] : places) painter.drawImage(at, pictures.image[picture]);
    painter.end();
    if (!sheet.save(QString::fromLocal8Bit(o.out), "PNG")) {
        std::fprintf(stderr, "zarn-cards: cannot write %s\n", o.out);
        return 1;
    }
    return 0;
}
