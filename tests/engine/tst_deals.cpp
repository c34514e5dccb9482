// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/enginefakes.h"

#include <QtTest>

#include <cmath>
#include <set>

using namespace corvelle;
using namespace corvelle::test;

namespace {

// The generator of numbered deals written once more from its description, apart from the
// engine's: SplitMix64 in its counter form, xoshiro256** and the rejection shuffle.
QList<int> independentDeck(std::uint64_t deal, std::uint64_t round, int passes) {
    const auto rotl = [](std::uint64_t x, int k) { return x << k | x >> (64 - k); };
    std::uint64_t s[4];
    for (std::uint64_t i = 0; i < 4; ++i) {
        std::uint64_t z = deal * 4294967296u + round + (i + 1) * 0x9E3779B97F4A7C15u;
        z = (z ^ z >> 30) * 0xBF58476D1CE4E5B9u;
        z = (z ^ z >> 27) * 0x94D049BB133111EBu;
        s[i] = z ^ z >> 31;
    }
    QList<int> deck(DeckSize);
    for (int pass = 0; pass < passes; ++pass) {
        std::set<int> placed;
        for (int& card : deck) {
            do {
                const std::uint64_t out = rotl(s[1] * 5, 7) * 9, t = s[1] << 17;
                s[2] ^= s[0], s[3] ^= s[1], s[1] ^= s[2], s[0] ^= s[3], s[2] ^= t;
                s[3] = rotl(s[3], 45);
                card = static_cast<int>(std::ldexp(static_cast<double>(out >> 11), -53) * 54) + 1;
            } while (!placed.insert(card).second);
        }
    }
    return deck;
}

// The state the engine deals for that round: the first from a new game, the second by playing
// the last card of a first round taken up one move from its end.
GameState dealtState(std::uint64_t deal, int round, int passes) {
    DealtGame dealt({.shuffleCount = passes}, deal);
    Game& game = dealt.game;
    if (round == 2 && game.resume(nearlyCleared(game.state()))) {
        game.clickTableSlot(0);
    }
    return game.state();
}

// Each breaks one rule of a game two cards into its first round, and is refused for it.
const std::pair<const char*, void (*)(GameState&)> Impossibles[] = {
    {"permutation", [](GameState& s) { s.deck[54] = s.deck[53]; }},
    {"column grid", [](GameState& s) { std::swap(s.tableCards[10], s.tableCards[11]); }},
    {"below a played card",
     [](GameState& s) { s.onTable[4] = true, s.columnPlayed[0][4] = 0, ++s.tableCardsLeft; }},
    {"count of table cards", [](GameState& s) { ++s.tableCardsLeft; }},
    {"draw pile disagrees", [](GameState& s) { s.deckPosition = 40; }},
    {"never turned up", [](GameState& s) { s.discardTop = s.deck[40]; }},
    {"cards left to draw", [](GameState& s) { s.gameOver = true; }},
    {"no card last played", [](GameState& s) { s.undo.undoSlot = 2; }},
    {"offered for nothing", [](GameState& s) { s.undo.undoKind = UndoKind::None; }},
    {"no card last drawn", [](GameState& s) { s.undo.undoKind = UndoKind::Draw; }},
    {"peak score", [](GameState& s) { s.score = s.peakScore + 5; }},
    {"anty", [](GameState& s) { s.anty = 7; }},
    {"cannot be chosen", [](GameState& s) { s.cheat.wildMark[53] = s.cheat.wildCount = 1; }},
    {"wild cards played", [](GameState& s) { s.lastMoveWild = true; }},
    {"no choice of the menus", [](GameState& s) { s.options.shuffleCount = 4; }},
};

} // namespace

// Numbered deals give the same decks everywhere and for ever; a kept game is taken over only
// when play could have reached it (tst_records shows that every state of play is accepted).
class TestDeals : public QObject {
    Q_OBJECT

private slots:
    // The generator's deck for the second round of a deal, shuffled three times.
    void theGeneratorIsPinned() {
        QCOMPARE(
            independentDeck(123456789, 2, 3),
            (QList<int>{47, 24, 20, 17, 41, 28, 32, 54, 11, 9,  4,  49, 1,  6,  22, 3,  45, 33,
                        16, 7,  39, 14, 2,  42, 29, 34, 25, 13, 53, 19, 30, 51, 35, 36, 23, 5,
                        43, 52, 37, 12, 48, 18, 44, 8,  50, 40, 15, 26, 10, 46, 21, 31, 38, 27}));
    }

    void impossibleStatesAreRefused_data() {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < std::size(Impossibles); ++i) {
            QTest::newRow(Impossibles[i].first) << static_cast<int>(i);
        }
    }

    void impossibleStatesAreRefused() {
        QFETCH(int, row);
        TestGame t({clearableDeck(2)});
        t.game.clickTableSlot(4);
        t.game.clickTableSlot(3);
        GameState broken = t.state;
        Impossibles[row].second(broken);
        const QString why = QString::fromLatin1(whyImpossible(broken).data()); // a literal
        QVERIFY2(whyImpossible(t.state).empty() && why.contains(Impossibles[row].first),
                 qPrintable(why));
        const GameState before = t.state;
        const auto shown = t.display.slotPicture;
        QVERIFY(!t.game.resume(broken) && t.state == before && t.display.slotPicture == shown);
    }

    // The engine deals what the generator above gives. A numbered deal's deck follows from its
    // number and round, shuffled once, twice or three times (the option may have changed since
    // the round was dealt); a deck that play was not dealt is refused, however well the rest
    // agrees with it.
    void numberedDealsAreDealtAsPinnedAndNoOtherDeck() {
        const std::pair<const char*, void (*)(GameState&)> changes[] = {
            {"two draw pile cards", [](GameState& s) { std::swap(s.deck[50], s.deck[53]); }},
            {"two table cards",
             [](GameState& s) {
                 std::swap(s.deck[1], s.deck[6]);
                 std::swap(s.tableCards[0], s.tableCards[5]);
                 std::swap(s.columnCards[0][0], s.columnCards[1][0]);
             }},
            {"another round", [](GameState& s) { ++s.roundIndex; }},
            {"another deal", [](GameState& s) { s.dealNumber = 123456788; }},
        };
        for (const int deal : {1, 123456789}) {
            for (const auto& [passes, round] :
                 {std::pair{1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}}) {
                GameState dealt = dealtState(deal, round, passes);
                QCOMPARE(dealt.roundIndex, round);
                QCOMPARE(QList<int>(dealt.deck.begin() + 1, dealt.deck.end()),
                         independentDeck(deal, round, passes));
                dealt.options.shuffleCount = passes % 3 + 1;
                QCOMPARE(QString::fromLatin1(whyImpossible(dealt)), QString());
                for (const auto& [what, change] : changes) {
                    GameState changed = dealt;
                    change(changed);
                    const QString why = QString::fromLatin1(whyImpossible(changed));
                    QVERIFY2(why.contains("deal"), qPrintable(what + (": " + why)));
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDeals)
#include "tst_deals.moc"
