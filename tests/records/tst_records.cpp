#include "mainwindow/cardpicture.h"
#include "options/optionstore.h"
#include "play/playmenu.h"
#include "records/recordfiles.h"
#include "tests/support/enginefakes.h"
#include "tests/support/windowdriver.h"

#include <QMenuBar>

#include <random>

using namespace corvelle;
using namespace corvelle::test;

// The statistics and their file, the kept game, and the "&Play" menu of the real main window.
class StatsTest : public QObject {
    Q_OBJECT

    WindowFixture fixture_;

private slots:
    void initTestCase() { QVERIFY(fixture_.setUp()); }
    void init() { fixture_.reset(); }
    void cleanupTestCase() { setDialogs(nullptr); }

    // With nothing to gain a hint says so; Best Possible Score tells both bests; a round's best
    // reaches the statistics when it ends. A hint outlines the first move of the best line,
    // never touches the score, is counted, and goes at the next action.
    void hintsBestPossibleAndEachRoundsBest() {
        ScriptedRandom random({stuckDeck(), makeDeck({})});
        auto window = fixture_.open(&random);
        auto* play = window->findChild<PlayMenu*>();
        const GameState& state = window->game().state();
        const auto hinted = [&] {
            QStringList found;
            for (auto* card : window->findChildren<CardPicture*>()) {
                if (card->outline() == CardPicture::Outline::Hint) {
                    found << card->objectName() + card->property("index").toString();
                }
            }
            return found;
        };
        play->solver->mnuHint->trigger();
        QTRY_COMPARE(fixture_.messages, QStringList{"No move can add to your score now."});
        play->solver->mnuBestPossible->trigger();
        QTRY_COMPARE(fixture_.messages.value(1), "The most this round can give:\n\nfrom its "
                                                 "start: 0 points\nfrom here: 0 more points");
        while (!state.gameOver) {
            click(*window, "Image3");
        }
        QTRY_VERIFY(play->statistics().data().rounds.back().best == 0);
        window->mnuNewGame->trigger();
        const GameState before = state;
        play->solver->mnuHint->trigger();
        QTRY_COMPARE(hinted().size(), 1);
        QVERIFY(state == before && play->statistics().data().hintsUsed == 2);
        const int slot = hinted()[0].mid(6).toInt();
        QVERIFY(hinted()[0] == "Image3" ? state.drawPileCount > 0 : window->game().canPlay(slot));
        click(*window, "Image3");
        QVERIFY(hinted().isEmpty());
    }

    // A best comes after its round: an unknown one is left out, not counted as 0.
    void roundsGamesAndBestsKnownLateOrNever() {
        Statistics s(recordDirectory());
        std::int64_t game = 0;
        const std::int64_t first = s.roundEnded(game, 7, 1, 300, true);
        s.gameOver(game, 7, 2, 100, 400);
        QVERIFY(s.takeBackGameOver()); // an undo, and the game goes on
        QVERIFY(s.data().gamesPlayed == 0 && s.data().roundsPlayed == 1);
        const std::int64_t last = s.gameOver(game, 7, 2, 90, 390);
        s.gameLeft(0, 8, 10);
        const StatisticsData& d = s.data();
        QVERIFY(d.gamesPlayed == 2 && d.roundsCleared == 1 && d.clearedShare() == 0.5);
        QVERIFY(d.bestGameScore == 390 && d.bestRound == 300 && d.meanScore() == 200.0);
        QVERIFY(!d.meanShare() && !d.games[0].best);
        s.setRoundBest(first, 400);
        QVERIFY(d.meanShare() == 0.75 && !d.games[0].best);
        s.setRoundBest(last, 180);
        QVERIFY(d.meanShare() == 0.625 && d.games[0].best == 580 && !d.games[1].best);
        s.flush();
        Statistics again(recordDirectory());
        again.load();
        QVERIFY(again.data() == d && fixture_.messages.isEmpty());
    }

    void damagedStatisticsAreKeptAsideAndToldOnce() {
        Statistics s(recordDirectory());
        const QByteArray damaged = "{\"format\": 1, \"gamesPlayed\": ";
        QVERIFY(replaceFileContent(s.filePath() + ".damaged", "older").isEmpty());
        QVERIFY(replaceFileContent(s.filePath(), damaged).isEmpty());
        s.load();
        QCOMPARE(readSmallFile(s.filePath() + ".damaged.2", 100).bytes, damaged);
        QVERIFY(readSmallFile(s.filePath() + ".damaged", 100).bytes == "older" &&
                s.data() == StatisticsData{});
        s.hintUsed();
        s.load();
        QVERIFY(s.data().hintsUsed == 1 && fixture_.messages.size() == 1);
    }

    // Random play with options and wild cards: every state is written, read back whole and
    // accepted, and a resumed copy plays on in step with it, into the decks of later rounds.
    void keptGamePlaysOnInStep() {
        FakeDisplay shown[2];
        DealRandom random[2];
        Game game(shown[0], random[0]), resumed(shown[1], random[1]);
        game.newGame(42);
        QVERIFY(game.resume(nearlyCleared(game.state())));
        std::mt19937 rng(3);
        for (int step = 0; step < 20000; ++step) {
            const SavedGame saved{game.state(), game.state().score, step + 1};
            const auto kept = readSavedGame(writeSavedGame(saved));
            QVERIFY2(kept && *kept == saved && whyImpossible(saved.state).empty(),
                     qPrintable(QString::number(step)));
            QVERIFY(step % 200 != 0 || resumed.resume(kept->state));
            const int roll = static_cast<int>(rng() % 100), slot = fittingSlot(game);
            CheatChoice cheat{.wildCount = MaxWildCards, .cheatsEnabled = roll == 6};
            for (int i = 0; i < MaxWildCards; ++i) {
                cheat.wildMark[1 + 8 * i + rng() % 8] = 1;
            }
            const std::uint64_t deal = 1 + rng() % MaxDealNumber;
            const Options options{.aceKingWrap = roll == 4,
                                  .backgroundClickDraws = true,
                                  .scoringOn = step % 3 > 0,
                                  .shuffleCount = 1 + step % 3};
            for (Game* g : {&game, &resumed}) {
                roll < 4                             ? g->undoLastMove()
                : roll < 6                           ? g->setOptions(options)
                : roll < 8                           ? g->setCheatChoice(cheat)
                : (g->state().gameOver && roll < 30) ? g->newGame(deal)
                : roll < 90 && slot >= 0             ? void(g->clickTableSlot(slot))
                                                     : void(g->clickBackground());
            }
            QVERIFY2(resumed.state() == game.state(), qPrintable(QString::number(step)));
            QVERIFY(step > 0 || game.state().roundIndex == 2);
        }
    }

    // Settings no menu writes (both draw choices on) play as one choice of the menus, so the
    // game kept at the close resumes in the next window as it was. A kept game that an older
    // version wrote with both reads by the same rule (it keeps no marks: the default item).
    void aGameOfContradictorySettingsResumes() {
        QVERIFY(QDir().mkpath(QFileInfo(OptionStore::fileName()).path()) &&
                writeFile(OptionStore::fileName(),
                          "[Settings]\nClickCardPileTo=True\nClickFormAlso=True\n"));
        auto window = fixture_.open();
        click(*window, "Image3");
        const GameState kept = window->game().state();
        window->close();
        auto saved = readSavedGame(readFile(PlayMenu::savedGamePath()));
        auto next = fixture_.open();
        menuItem(*next, "mnuResumeGame")->trigger();
        QCOMPARE(fixture_.messages.join(' '), QString());
        QVERIFY(next->game().state() == kept && kept.options == Options{} &&
                menuItem(*next, "mnuDiscardPileA")->isChecked());
        QVERIFY(saved && saved->state.options == Options{});
        const SavedGame settled = *saved;
        saved->state.options.drawPileClickDraws = saved->state.options.backgroundClickDraws = true;
        QCOMPARE(readSavedGame(writeSavedGame(*saved)), settled);
        saved->state.options.shuffleCount = 4; // damage, not a contradiction: refused
        QVERIFY(!whyImpossible(readSavedGame(writeSavedGame(*saved))->state).empty());
    }

    // A kept game whose deck its deal did not give (two cards of the draw pile swapped, to make
    // an easy game) is refused as damaged: put aside, the player told once, and left alone.
    void aKeptGameWithAnotherDeckIsRefused() {
        auto window = fixture_.open();
        click(*window, "Image3");
        window->close();
        const QString kept = PlayMenu::savedGamePath();
        auto saved = readSavedGame(readFile(kept));
        QVERIFY(saved && saved->state.dealNumber != 0);
        std::swap(saved->state.deck[50], saved->state.deck[53]);
        QVERIFY(replaceFileContent(kept, writeSavedGame(*saved)).isEmpty());
        auto next = fixture_.open();
        const GameState before = next->game().state();
        menuItem(*next, "mnuResumeGame")->trigger();
        QCOMPARE(fixture_.messages.size(), 1);
        QVERIFY2(fixture_.messages[0].contains("cannot be resumed"),
                 qPrintable(fixture_.messages[0]));
        QVERIFY(next->game().state() == before && !QFile::exists(kept));
        QCOMPARE(readSavedGame(readFile(kept + ".damaged")), saved);
        QVERIFY(!menuItem(*next, "mnuResumeGame")->isEnabled());
    }

    // "&Play" comes before "&Help"; a deal is played by its number (a wrong or cancelled one
    // changes nothing) and restarted with the same deck (the first try counts as a game); the
    // game in progress as the window closes is resumed in the next, options and all.
    void playMenuDealsRestartsAndResumes() {
        auto window = fixture_.open();
        QVERIFY(window);
        QVERIFY(!menuItem(*window, "mnuResumeGame")->isEnabled());
        const GameState& state = window->game().state();
        const GameState before = state;
        for (const char* wrong : {"", "0", "4294967296", "x"}) {
            fixture_.answer = wrong;
            menuItem(*window, "mnuPlayDealNumber")->trigger();
            QVERIFY2(state == before, wrong);
        }
        QVERIFY(fixture_.questions.size() == 4 && fixture_.messages.size() == 2);
        fixture_.answer = "123456789";
        menuItem(*window, "mnuPlayDealNumber")->trigger();
        const auto deck = state.deck;
        QVERIFY(state.dealNumber == 123456789 && state.deck != before.deck);
        menuItem(*window, "mnuNoAceKing")->trigger();
        QVERIFY(playUntil(*window, [&] { return state.deckPosition > 37 && state.score > 0; }));
        menuItem(*window, "mnuRestartDeal")->trigger();
        QVERIFY(state.deck == deck && state.deckPosition == 36 && state.score == 0);
        QVERIFY(playUntil(*window, [&] { return state.score > 0; }));
        const GameState kept = state;
        window->close();
        auto next = fixture_.open();
        QVERIFY(next);
        menuItem(*next, "mnuAceKing")->trigger();
        menuItem(*next, "mnuResumeGame")->trigger();
        QVERIFY(next->game().state() == kept && menuItem(*next, "mnuNoAceKing")->isChecked());
        QCOMPARE(brokenInvariant(next->game().state(), shownBy(*next)), nullptr);
        const StatisticsData& d = next->findChild<PlayMenu*>()->statistics().data();
        QVERIFY(!menuItem(*next, "mnuResumeGame")->isEnabled() && d.gamesPlayed == 1);
        for (const bool yes : {false, true}) { // a reset only when the player says yes
            fixture_.yes = yes;
            menuItem(*next, "mnuResetStatistics")->trigger();
            QVERIFY(fixture_.questions.size() == 6 + yes && d.gamesPlayed == !yes);
        }
    }
};

QTEST_MAIN(StatsTest)
#include "tst_records.moc"
