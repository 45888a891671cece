// ZARN: a patience game of eight columns, eight free cells and four foundations.
#include "ui/AppIdentity.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zarn::SetApplicationIdentity();

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
