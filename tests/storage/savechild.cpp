// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a file from a process of its own, so the storage tests can limit its file size or kill
// it in the middle of the save. The markers "begin" and "end" on stderr frame the save's system
// calls in a trace; what the player would be told follows, one line each. With SAVECHILD_PAUSE
// set, it stops itself after "begin", just before the save, for strace to attach: strace counts
// each thread's calls from then on, so the calls of the thread that saves are not taken for calls
// that other threads made while the program started.
//   tst_storage_savechild --halloffame|--statistics|--keptgame|--pictures FOLDER VARIANT [LIMIT]
//       the game's own writer of hscores.dat, statistics.json, savedgame.json or
//       cardpictures.cache in FOLDER, with content that depends on VARIANT: the Hall of Fame of
//       FOLDER with a best score of VARIANT entered; the statistics of FOLDER with one game of
//       deal VARIANT more; a game of deal VARIANT with three cards drawn; the pictures of
//       FOLDER/images decoded VARIANT pixels wide.
#include "pictures/cardpictureload.h"
#include "records/keptgame.h"
#include "records/statistics.h"
#include "scores/highscores.h"
#include "tests/support/enginefakes.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

using namespace corvelle;

namespace {

void begin() {
    std::fputs("begin\n", stderr);
    if (qEnvironmentVariableIsSet("SAVECHILD_PAUSE")) {
        std::raise(SIGSTOP);
    }
}

QStringList save(const QString& mode, const QString& folder, int variant) {
    QStringList told;
    if (mode == "--halloffame") {
        HighScores scores(folder);
        told << scores.loadHighScores();
        begin();
        told << scores.record(0, variant, variant, "Kim");
    } else if (mode == "--statistics") {
        Statistics statistics(folder);
        told << statistics.load();
        QObject::connect(&statistics, &Statistics::saveFailed,
                         [&](const QString& t) { told << t; });
        std::int64_t game = 0;
        begin();
        statistics.gameOver(game, std::uint64_t(variant), 1, 100, 100, 1);
        statistics.flush();
        std::fputs("end\n", stderr);
        QCoreApplication::processEvents();
    } else if (mode == "--keptgame") {
        test::DealtGame dealt({}, std::uint64_t(variant));
        for (int draw = 0; draw < 3; ++draw) {
            dealt.game.clickDiscardPile();
        }
        begin();
        told << KeptGame(folder).keep({dealt.game.state(), 0, variant});
        std::fputs("end\n", stderr);
    } else {
        {
            // As at start-up: the window takes every picture, then the check (which starts the
            // writer of the cache file) follows; the end of the load waits for the writer.
            CardPictureLoad load(folder + "/images", QSize(variant, variant * 105 / 69),
                                 folder + "/cardpictures.cache");
            for (int n = 1; n <= 55; ++n) {
                load.take(n);
            }
            begin();
            told << load.problems();
        }
        std::fputs("end\n", stderr);
    }
    told.removeAll(QString());
    return told;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc > 4) {
        const rlim_t size = std::strtoull(argv[4], nullptr, 10);
        const rlimit limit{size, size};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    const QStringList told =
        save(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
    for (const QString& line : told) {
        std::fprintf(stderr, "%s\n", QString(line).replace('\n', ' ').toLocal8Bit().constData());
    }
    return told.isEmpty() ? 0 : 1;
}
