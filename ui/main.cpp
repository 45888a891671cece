// ZARN: a patience game of eight columns, eight free cells and four foundations.
#include "ui/AppIdentity.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <malloc.h>

namespace {

void DescribeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("ZARN, a patience game of eight columns, eight free cells and four "
                       "foundations. Settings are kept in zarn.pro in the folder it is "
                       "started from."));
    parser.addHelpOption();
    parser.addVersionOption();
}

// --help and --version print and end without a display: they are answered before the
// application object, which opens the display, exists. Qt's own options are not known
// yet here; any error is reported once that object has read them.
void AnswerWithoutDisplay(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    DescribeOptions(parser);
    parser.parse(arguments);
    const bool version = parser.isSet(QStringLiteral("version"));
    if (!version && !parser.isSet(QStringLiteral("help"))) return;
    QCoreApplication app(argc, argv);
    zarn::SetApplicationIdentity();
    if (version) parser.showVersion();
    parser.showHelp(0);
}

} // namespace

int main(int argc, char** argv) {
    // Every thread but this one shares a second heap: the workers that draw the cards at a
    // first start, and Qt's own threads, would each keep a heap of their own, and what is
    // left of the drawing in it, for the rest of the run.
    mallopt(M_ARENA_MAX, 2);
    AnswerWithoutDisplay(argc, argv);
    QApplication app(argc, argv);
    zarn::SetApplicationIdentity();

    QCommandLineParser parser;
    DescribeOptions(parser);
    parser.process(app);

    zarn::MainWindow window;
    window.show();
    return QApplication::exec();
}
