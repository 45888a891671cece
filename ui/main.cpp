// ZARN: a patience game of eight columns, eight free cells and four foundations.
#include "ui/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zarn"));
    QApplication::setApplicationDisplayName(QStringLiteral("ZARN"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zarn.Zarn"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("ZARN, a patience game of eight columns, eight free cells and four "
                       "foundations. Settings are kept in zarn.pro in the folder it is "
                       "started from."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);

    zarn::MainWindow window;
    window.show();
    return QApplication::exec();
}
