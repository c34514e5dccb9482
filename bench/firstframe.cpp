// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Loaded into a Qt program with LD_PRELOAD by bench/startup, so the game and the empty window
// are timed by the same code and the game carries no timing code of its own. It prints the
// wall-clock microseconds of each start-up step on one line of standard output, for the script
// to subtract from the moment it started the program, and ends the program after its first
// frame:
//   firstframe loaded=T app=T shown=T paint=T frame=T cpu=C maincpu=C
// loaded: the shared libraries are loaded and initialised, main() is about to run;
// app: QApplication is being constructed; shown: the first main window is shown (it has been
// built); paint: its central widget starts its first paint; frame: the event that painted it
// has ended, so every control of the window has painted and the frame has gone to the server.
// cpu and maincpu: the processor time in microseconds that the whole process and its main
// thread had used by then, which a loaded machine stretches far less than the wall clock.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {

long long wallMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

long long cpuMicroseconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    const auto micro = [](const timeval& t) {
        return static_cast<long long>(t.tv_sec) * 1000000 + t.tv_usec;
    };
    return micro(usage.ru_utime) + micro(usage.ru_stime);
}

long long loaded = 0;
long long appMade = 0;

// Watches every event of the program for the first show and the first paint of a main window's
// central widget.
class FirstFrameWatcher : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (frameStarted_ || !watched->isWidgetType()) {
            return false;
        }
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && shown_ == 0 && qobject_cast<QMainWindow*>(widget)) {
            shown_ = wallMicroseconds();
        } else if (event->type() == QEvent::Paint && isCentralWidget(widget)) {
            frameStarted_ = true;
            const long long paint = wallMicroseconds();
            QTimer::singleShot(0, this, [this, paint] {
                const long long frame = wallMicroseconds();
                std::printf("firstframe loaded=%lld app=%lld shown=%lld paint=%lld frame=%lld "
                            "cpu=%lld maincpu=%lld\n",
                            loaded, appMade, shown_, paint, frame, cpuMicroseconds(RUSAGE_SELF),
                            cpuMicroseconds(RUSAGE_THREAD));
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    static bool isCentralWidget(QWidget* widget) {
        auto* window = qobject_cast<QMainWindow*>(widget->parentWidget());
        return window != nullptr && window->centralWidget() == widget;
    }

    long long shown_ = 0;
    bool frameStarted_ = false;
};

void watchFirstFrame() {
    appMade = wallMicroseconds();
    QCoreApplication::instance()->installEventFilter(new FirstFrameWatcher);
}

__attribute__((constructor)) void whenLoaded() {
    loaded = wallMicroseconds();
    qAddPreRoutine(watchFirstFrame);
}

} // namespace
