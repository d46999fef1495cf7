// The yardstick for the program's start-up: about the least a Qt Widgets
// program does to show a window, a main window of Brewlore's client size
// holding one label. brewlore_bench starts it beside the program.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare Qt window"));
    window.setCentralWidget(new QLabel(QStringLiteral("A bare Qt Widgets window")));
    window.resize(436, 316); // the main window's client area, in pixels
    window.show();
    return QApplication::exec();
}
