// The yardstick for start-up: a Qt window of the main window's size with
// nothing in it, shown until it is closed.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Finestra vuota"));
    window.setFixedSize(506, 240); // 7590 x 3600 twips
    window.show();
    return app.exec();
}
