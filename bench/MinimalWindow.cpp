// The yardstick of the start-up bench: a Qt program that shows one empty window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget w;
    w.resize(361, 203);
    w.show();
    return app.exec();
}
