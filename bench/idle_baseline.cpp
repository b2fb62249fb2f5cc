// The yardstick of bench/idle_cpu.sh: the least a Qt Widgets program with
// the player's window size and one precise 30 ms timer costs when idle.

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("idle baseline");
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.resize(406, 92);
    window.show();
    int ticks = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(30);
    return app.exec();
}
