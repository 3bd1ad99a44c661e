// The peer of the start-up measurement: the least a Qt Widgets program does to show a window.
// With "--label" the window also shows one line of text, which costs the font set-up that
// any window with text pays.

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(754, 536);
    if (argc > 1 && std::strcmp(argv[1], "--label") == 0) {
        new QLabel(QStringLiteral("Bare window"), &window);
    }
    window.show();
    return QApplication::exec();
}
