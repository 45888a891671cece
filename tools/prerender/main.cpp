// zarn-prerender OUT: draws the strips of the built-in artwork for the layout the game
// finds at start-up on the default settings (PrerenderedLayout) and writes them to OUT,
// which the build puts into the program. Run by the build.
#include "table/Pictures/CardArtwork.h"
#include "table/Pictures/PrerenderedStrips.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zarn-prerender OUT\n");
        return 2;
    }
    const QTemporaryDir noArtwork; // so that only the built-in copies are read
    const zarn::CardArtwork art(noArtwork.path());
    const zarn::StripLayout layout = zarn::PrerenderedLayout();
    std::array<QImage, zarn::ArtworkStripCount> strips;
    for (int i = 0; i < zarn::ArtworkStripCount; ++i) strips[i] = zarn::RenderStrip(art, i, layout);
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(zarn::FormatPrerenderedStrips(strips, layout)) < 0 || !out.flush()) {
        std::fprintf(stderr, "zarn-prerender: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
