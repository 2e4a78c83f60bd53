#include "app/WaitMilliseconds.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace kilnward::app {

void WaitMilliseconds(int milliseconds) {
    QElapsedTimer timer;  // monotonic
    timer.start();
    while (timer.elapsed() < milliseconds) {
        if (QCoreApplication::instance()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents,
                                            static_cast<int>(milliseconds - timer.elapsed()));
        }
        const qint64 left = milliseconds - timer.elapsed();
        if (left > 0) {
            QThread::msleep(static_cast<unsigned long>(std::min<qint64>(left, 10)));
        }
    }
}

}  // namespace kilnward::app
