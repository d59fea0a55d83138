// A bare Qt window with one button: the yardstick for the program's start-up time.
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QPushButton button(QStringLiteral("Esci"));
    button.show();
    QTimer::singleShot(0, &app, [] {
        std::puts("menu shown");
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}
