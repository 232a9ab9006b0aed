// The floor of the cold-start benchmark: the least a Qt Widgets program does
// to put a window on the display, at the size the start screen takes.

#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget finestra;
    finestra.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    finestra.show();
    return app.exec();
}
