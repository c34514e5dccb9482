// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's speed, offscreen, with the real card pictures: the time from creating the
// window to its first painted frame, and the latency of a click from the mouse press to the
// repainted window over 1,000 moves (median, 99th percentile, worst).
#include "mainwindow/cardpicture.h"
#include "mainwindow/mainwindow.h"
#include "pictures/cardpictureload.h"
#include "tests/support/windowdriver.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

using namespace corvelle;
using corvelle::test::fittingSlot;

namespace {

class SilentDialogs final : public Dialogs {
public:
    void message(const QString&) override {}
    QString askText(const QString&, const QString&,
                    const std::function<QString(const QString&)>&) override {
        return {};
    }
};

// Counts the paint events of the watched window's widgets.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            ++paints;
        }
        return false;
    }
};

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto at =
        static_cast<std::size_t>(std::lround(p * static_cast<double>(values.size() - 1)));
    return values[at];
}

// Processes events until the window has painted, returning the milliseconds since `timer`.
double untilPainted(PaintCounter& counter, const QElapsedTimer& timer) {
    for (int round = 0; round < 1000 && counter.paints == 0; ++round) {
        QCoreApplication::processEvents();
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SilentDialogs silent;
    setDialogs(&silent);
    QElapsedTimer checkTimer;
    checkTimer.start();
    const QStringList problems =
        CardPictureLoad(cardPictureDirectory(),
                        CardPictureCache::deviceSize(MainWindow::cardPictureSize(), 1.0))
            .problems();
    std::printf("start-up decode and check of the 55 pictures: %.2f ms\n",
                static_cast<double>(checkTimer.nsecsElapsed()) / 1e6);
    if (!problems.isEmpty()) {
        std::fprintf(stderr, "bench_window: the card pictures are not complete in %s\n",
                     qPrintable(cardPictureDirectory()));
        return 1;
    }

    PaintCounter counter;
    app.installEventFilter(&counter);

    // The games' high scores go to a scratch directory, never to the player's Hall of Fame.
    QTemporaryDir scores;
    std::vector<double> firstFrames;
    for (int run = 0; run < 21; ++run) {
        counter.paints = 0;
        QElapsedTimer timer;
        timer.start();
        auto* window = new MainWindow(scores.path());
        window->show();
        firstFrames.push_back(untilPainted(counter, timer));
        delete window;
        QCoreApplication::processEvents();
    }
    std::printf("first painted frame: first window %.2f ms, median of the next 20 %.2f ms\n",
                firstFrames.front(),
                percentile(std::vector<double>(firstFrames.begin() + 1, firstFrames.end()), 0.5));

    MainWindow window(scores.path());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    auto* discard = window.findChild<CardPicture*>(QStringLiteral("Image3"));
    auto* tryAgain = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    std::vector<CardPicture*> tablePictures(TableSlots);
    for (auto* picture : window.findChildren<CardPicture*>(QStringLiteral("Image1"))) {
        tablePictures[picture->property("index").toInt()] = picture;
    }

    std::vector<double> clicks;
    int plays = 0;
    int draws = 0;
    int newGames = 0;
    int unpainted = 0;
    while (clicks.size() < 1000) {
        QWidget* target = discard;
        if (window.game().state().gameOver) {
            target = tryAgain;
            ++newGames;
        } else if (const int slot = fittingSlot(window.game()); slot >= 0) {
            target = tablePictures[slot];
            ++plays;
        } else {
            ++draws;
        }
        counter.paints = 0;
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(30, 20));
        clicks.push_back(untilPainted(counter, timer));
        unpainted += counter.paints == 0 ? 1 : 0;
    }
    std::printf("click to repainted window over %zu moves (%d plays, %d draws, %d new games): "
                "median %.3f ms, p99 %.3f ms, worst %.3f ms\n",
                clicks.size(), plays, draws, newGames, percentile(clicks, 0.5),
                percentile(clicks, 0.99), *std::max_element(clicks.begin(), clicks.end()));
    if (unpainted > 0) {
        std::printf("warning: %d clicks repainted nothing\n", unpainted);
    }
    setDialogs(nullptr);
    return 0;
}
