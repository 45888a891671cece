// The least Qt Widgets window a card game can be: a QMainWindow with one menu and a
// painted table filling it, shown at the client size given as "WIDTHxHEIGHT" (the
// game's, so that both paint and hold the same number of pixels).
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QWidget>

namespace {

class Table : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(192, 192, 192));
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("Game"));
    menu->addAction(QStringLiteral("Exit"), &app, &QCoreApplication::quit);
    window.setCentralWidget(new Table);
    const QStringList size = argc > 1 ? QString::fromLocal8Bit(argv[1]).split('x') : QStringList();
    if (size.size() == 2)
        window.resize(size[0].toInt(), size[1].toInt());
    else
        window.resize(960, 640);
    window.show();
    return QApplication::exec();
}
