// The peer of the start-up measurement: the least a Qt Widgets program does to show a window.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(754, 536);
    window.show();
    return QApplication::exec();
}
