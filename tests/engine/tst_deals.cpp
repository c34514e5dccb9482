#include "enginefakes.h"

#include <QtTest>

#include <cmath>
#include <random>
#include <set>

using namespace corvelle;
using namespace corvelle::test;

using Deck = std::array<int, DeckSize>;
Q_DECLARE_METATYPE(Deck)

// Numbered deals give the same decks everywhere and for ever; a kept game is taken over only
// when play could have reached it.
class TestDeals : public QObject {
    Q_OBJECT

private slots:
    void decksOfNumberedDealsArePinned_data();
    void decksOfNumberedDealsArePinned();
    void impossibleStatesAreRefused_data();
    void impossibleStatesAreRefused();
    void everyStateOfPlayCanBeResumed();
};

namespace {

// The generator of numbered deals written once more from its description, apart from the
// engine: SplitMix64 in its counter form, xoshiro256** and the rejection shuffle.
Deck independentDeck(std::uint64_t deal, std::uint64_t round, int passes) {
    const auto rotl = [](std::uint64_t x, int k) { return x << k | x >> (64 - k); };
    std::uint64_t s[4];
    for (std::uint64_t i = 0; i < 4; ++i) {
        std::uint64_t z = deal * 4294967296u + round + (i + 1) * 0x9E3779B97F4A7C15u;
        z = (z ^ z >> 30) * 0xBF58476D1CE4E5B9u;
        z = (z ^ z >> 27) * 0x94D049BB133111EBu;
        s[i] = z ^ z >> 31;
    }
    Deck deck{};
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

// The deck the engine deals for that round: the first from a new game, the second by playing
// the last card of a first round taken up one move from its end.
Deck engineDeck(std::uint64_t deal, int round, int passes) {
    FakeDisplay display;
    DealRandom random;
    Game game(display, random);
    game.setOptions({.shuffleCount = passes});
    game.newGame(deal);
    if (round == 2 && game.resume(nearlyCleared(game.state()))) {
        game.clickTableSlot(0);
    }
    Deck deck{};
    std::copy(game.state().deck.begin() + 1, game.state().deck.end(), deck.begin());
    return game.state().roundIndex == round ? deck : Deck{};
}

} // namespace

void TestDeals::decksOfNumberedDealsArePinned_data() {
    QTest::addColumn<int>("deal");
    QTest::addColumn<int>("round");
    QTest::addColumn<int>("passes");
    QTest::addColumn<Deck>("pinned");
    // clang-format off
    QTest::newRow("deal 1") << 1 << 1 << 1 << Deck{8, 30, 20, 54, 26, 15, 44, 2, 16, 34, 33, 12,
        38, 7, 23, 40, 17, 42, 29, 50, 32, 25, 43, 28, 27, 1, 4, 3, 49, 6, 11, 14, 51, 21, 35, 47,
        22, 31, 39, 37, 46, 9, 13, 5, 24, 48, 36, 52, 19, 18, 41, 53, 10, 45};
    QTest::newRow("deal 123456789, round 2") << 123456789 << 2 << 1 << Deck{1, 17, 18, 8, 2, 9,
        49, 50, 33, 40, 39, 34, 32, 53, 54, 24, 38, 47, 35, 15, 12, 13, 20, 27, 46, 43, 28, 22, 41,
        11, 10, 42, 21, 6, 51, 30, 45, 23, 26, 4, 31, 7, 25, 5, 52, 37, 3, 16, 19, 36, 48, 44, 14, 29};
    QTest::newRow("deal 123456789, round 2, 3 passes") << 123456789 << 2 << 3 << Deck{47, 24, 20,
        17, 41, 28, 32, 54, 11, 9, 4, 49, 1, 6, 22, 3, 45, 33, 16, 7, 39, 14, 2, 42, 29, 34, 25, 13,
        53, 19, 30, 51, 35, 36, 23, 5, 43, 52, 37, 12, 48, 18, 44, 8, 50, 40, 15, 26, 10, 46, 21, 31,
        38, 27};
    // clang-format on
}

void TestDeals::decksOfNumberedDealsArePinned() {
    QFETCH(int, deal);
    QFETCH(int, round);
    QFETCH(int, passes);
    QFETCH(Deck, pinned);
    QVERIFY(independentDeck(deal, round, passes) == pinned);
    QVERIFY(engineDeck(deal, round, passes) == pinned);
}

namespace {

using Breakage = void (*)(GameState&);
struct Impossible {
    const char* name;
    Breakage breakIt;
    const char* why;
};
// clang-format off
const Impossible Impossibles[] = {
    {"a card twice", [](GameState& s) { s.deck[54] = s.deck[53]; }, "the deck is not a permutation of the 54 cards"},
    {"table off the deck", [](GameState& s) { std::swap(s.tableCards[10], s.tableCards[11]); }, "the table or the column grid disagrees with the deck"},
    {"played mark", [](GameState& s) { s.columnPlayed[6][0] = 1; }, "the played marks disagree with the table"},
    {"card under a gap", [](GameState& s) { s.onTable[4] = true, s.columnPlayed[0][4] = 0, ++s.tableCardsLeft; }, "a card lies below a played card of its column"},
    {"count", [](GameState& s) { ++s.tableCardsLeft; }, "the count of table cards disagrees with the table"},
    {"deck position", [](GameState& s) { s.deckPosition = 40; }, "the draw pile disagrees with the deck position"},
    {"discard never turned up", [](GameState& s) { s.discardTop = s.deck[40]; }, "the discard top was never turned up"},
    {"over with cards left", [](GameState& s) { s.gameOver = true; }, "the game is over with cards left to draw"},
    {"undo of a card on the table", [](GameState& s) { s.undo.undoSlot = 2; }, "the undo record points to no card last played"},
    {"undo slot out of range", [](GameState& s) { s.undo.undoSlot = 35; }, "the undo record holds a value out of range"},
    {"undo of nothing", [](GameState& s) { s.undo.undoKind = UndoKind::None; }, "an undo is offered for nothing"},
    {"undo of another draw", [](GameState& s) { s.undo.undoKind = UndoKind::Draw, s.undo.undoDeckPosition = 36; }, "the undo record points to no card last drawn"},
    {"score above its peak", [](GameState& s) { s.score = s.peakScore + 5; }, "the score or the peak score is out of range"},
    {"anty", [](GameState& s) { s.anty = 7; }, "the anty or its phase is out of range"},
    {"phase", [](GameState& s) { s.antyPhase = static_cast<RunPhase>(3); }, "the anty or its phase is out of range"},
    {"run", [](GameState& s) { s.runCards = -1; }, "the run is shorter than no card"},
    {"wild joker", [](GameState& s) { s.cheat.wildMark[BlackJoker] = 1, s.cheat.wildCount = 1; }, "a wild card is chosen that cannot be chosen"},
    {"wild count", [](GameState& s) { s.cheat.cheatsEnabled = true; }, "the count of wild cards disagrees with the choice"},
    {"wild played", [](GameState& s) { s.lastMoveWild = true; }, "the count of wild cards played is impossible"},
    {"shuffles", [](GameState& s) { s.options.shuffleCount = 4; }, "the options are no choice of the menus"},
    {"round", [](GameState& s) { s.roundIndex = 0; }, "the deal number or the round is out of range"},
    {"score to beat", [](GameState& s) { s.highScoreToBeat = std::nan(""); }, "the score to beat is no number"},
};
// clang-format on

QString why(const GameState& state) {
    const std::string_view text = whyImpossible(state);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void TestDeals::impossibleStatesAreRefused_data() {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < std::size(Impossibles); ++i) {
        QTest::newRow(Impossibles[i].name) << static_cast<int>(i);
    }
}

// Each row breaks one rule of a game two cards into its first round.
void TestDeals::impossibleStatesAreRefused() {
    QFETCH(int, row);
    TestGame t({clearableDeck(2)});
    t.game.clickTableSlot(4);
    t.game.clickTableSlot(3);
    const GameState before = t.state;
    QCOMPARE(why(before), QString());
    GameState broken = before;
    Impossibles[row].breakIt(broken);
    QCOMPARE(why(broken), QString::fromLatin1(Impossibles[row].why));
    const auto shown = t.display.slotPicture;
    QVERIFY(!t.game.resume(broken) && t.state == before && t.display.slotPicture == shown);
}

// Random play, options and wild cards through many numbered games: every state is accepted.
void TestDeals::everyStateOfPlayCanBeResumed() {
    std::mt19937 rng(7);
    const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    FakeDisplay display;
    DealRandom random;
    Game game(display, random);
    game.newGame(1);
    int rounds = 0;
    for (int step = 0; step < 300000; ++step) {
        const int what = pick(100);
        int slot = -1;
        for (int s = 0; s < TableSlots; ++s) {
            slot = game.canPlay(s) ? s : slot;
        }
        if (what < 70) {
            rounds += game.clickTableSlot(slot >= 0 ? slot : pick(TableSlots)) == Outcome::RoundWon;
        } else if (what < 85) {
            pick(2) ? game.clickDiscardPile() : game.clickBackground();
        } else if (what < 93) {
            game.undoLastMove();
        } else if (what < 96) {
            game.setOptions({.aceKingWrap = pick(2) == 0,
                             .backgroundClickDraws = pick(2) == 0,
                             .scoringOn = pick(4) != 0,
                             .shuffleCount = 1 + pick(3)});
        } else if (what < 99) {
            CheatChoice cheat;
            for (; cheat.wildCount < MaxWildCards; ++cheat.wildCount) {
                cheat.wildMark[1 + 8 * cheat.wildCount + pick(8)] = 1;
            }
            cheat.cheatsEnabled = pick(2) == 0;
            game.setCheatChoice(cheat);
        } else {
            game.newGame(1 + rng() % MaxDealNumber);
        }
        QVERIFY2(whyImpossible(game.state()).empty(), qPrintable(why(game.state())));
    }
    QVERIFY(rounds > 0);
}

QTEST_GUILESS_MAIN(TestDeals)
#include "tst_deals.moc"
