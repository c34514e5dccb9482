#include "windowdriver.h"

#include <QAccessible>

using namespace corvelle;
using namespace corvelle::test;

namespace {

constexpr int Draw = -1, Undo = -2;

// The name a screen reader is offered, or nothing for an object it is not offered.
QString spoken(QAccessibleInterface* object) {
    return object->state().invisible ? QString() : object->text(QAccessible::Name);
}

// What the table's notification object says: its accessible name each time it shows.
class Announcements : public QObject {
public:
    QStringList heard;
    Announcements() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->objectName() == "announcer") {
            QAccessibleInterface* voice = QAccessible::queryAccessibleInterface(watched);
            heard << (voice->role() == QAccessible::Notification ? spoken(voice) : "?");
        }
        return false;
    }
};

} // namespace

// The card pictures, the piles, the score labels and the game-over panel name what they show
// to a screen reader, and every move is announced in one sentence.
class AccessibilityTest : public QObject {
    Q_OBJECT

    WindowFixture fixture_;

    // Every name agrees with the game: the cards on the table, free or covered, and no name
    // for an emptied slot; one draw pile object; the discard, the score, the panel.
    static void verifyNamesMatchGame(MainWindow& window) {
        const GameState& state = window.game().state();
        const auto accessible = [&](const char* name, int index = -1) {
            return QAccessible::queryAccessibleInterface(control(window, name, index));
        };
        const auto words = [](int card) { return QString::fromStdString(cardName(card)); };
        for (int slot = 0; slot < TableSlots; ++slot) {
            QAccessibleInterface* card = accessible("Image1", slot);
            const bool free = slot % Rows == Rows - 1 || !state.onTable[slot + 1];
            QCOMPARE(card->role(), QAccessible::Button);
            QCOMPARE(spoken(card), state.onTable[slot] ? words(state.tableCards[slot]) : "");
            QCOMPARE(card->text(QAccessible::Description),
                     state.onTable[slot] ? (free ? "Free" : "Covered") : "");
        }
        QStringList piles;
        for (int i = 0; i < DrawPilePictures; ++i) {
            piles << spoken(accessible("Image2", i));
        }
        piles.removeAll(QString());
        const QString left = QString::number(state.drawPileCount);
        QCOMPARE(piles.size(), state.drawPileCount > 0 ? 1 : 0);
        QVERIFY(piles.value(0, "Draw pile, 0 cards").startsWith("Draw pile, " + left + " card"));
        QCOMPARE(spoken(accessible("Image3")), "Discard pile, " + words(state.discardTop));
        QCOMPARE(spoken(accessible("Label3")), "Score " + QString::number(state.score));
        QCOMPARE(spoken(accessible("Label5")), "Highest score " + labelText(window, "Label5"));
        QAccessibleInterface* panel = accessible("Frame1");
        QCOMPARE(panel->role(), QAccessible::Grouping);
        QCOMPARE(panel->text(QAccessible::Name), "Game over");
        QCOMPARE(panel->state().invisible, !state.gameOver);
    }

private slots:
    void initTestCase() { QVERIFY(fixture_.setUp()); }
    void init() { fixture_.reset(); }
    void cleanupTestCase() { setDialogs(nullptr); }

    void movesAreNamedAndAnnounced_data() {
        QTest::addColumn<QList<int>>("deck");
        QTest::addColumn<QList<int>>("moves"); // slots to play, or Draw or Undo
        QTest::addColumn<QString>("lastHeard");
        const auto list = [](const auto& deck) { return QList<int>(deck.begin(), deck.end()); };
        const QList<int> threeOnFour = list(deckWith({spades(3)}, {hearts(4), clubs(9)}));
        QTest::newRow("deal") << threeOnFour << QList<int>()
                              << "New game dealt, Four of Hearts on the discard pile, score 0";
        QTest::newRow("play") << threeOnFour << QList{4} << "Three of Spades played, score 5";
        QTest::newRow("draw") << threeOnFour << QList{Draw} << "Drew the Nine of Clubs";
        QTest::newRow("undo a play")
            << threeOnFour << QList{4, Undo}
            << "Undo, Three of Spades back on the table, Four of Hearts on the discard pile, "
               "score 0";
        QTest::newRow("undo a draw")
            << threeOnFour << QList{Draw, Undo}
            << "Undo, draw taken back, Four of Hearts on the discard pile, score 0";
        QTest::newRow("game over")
            << list(stuckDeck()) << QList<int>(18, Draw) << "Drew the King of Diamonds, game over";
        QList<int> clearing;
        for (int k = 0; k < TableSlots; ++k) {
            clearing << clearingOrderSlot(k);
        }
        QTest::newRow("round won") << list(clearableDeck(0)) << clearing
                                   << "Queen of Diamonds played, round won, new round dealt, "
                                      "Three of Hearts on the discard pile, score 3240";
    }

    void movesAreNamedAndAnnounced() {
        QFETCH(QList<int>, deck);
        QFETCH(QList<int>, moves);
        QFETCH(QString, lastHeard);
        std::array<int, DeckSize> cards{};
        std::copy(deck.begin(), deck.end(), cards.begin());
        ScriptedRandom random({cards});
        Announcements announcements;
        auto window = fixture_.open(&random);
        QVERIFY(window);
        QTRY_COMPARE(announcements.heard.size(), 1);
        verifyNamesMatchGame(*window);
        for (qsizetype i = 0; i < moves.size(); ++i) {
            if (moves[i] >= 0) {
                clickAt(*window, slotPoint(moves[i]));
            } else {
                click(*window, moves[i] == Draw ? "Image3" : "Command3");
            }
            QCoreApplication::processEvents();
            QCOMPARE(announcements.heard.size(), i + 2);
            verifyNamesMatchGame(*window);
        }
        QCOMPARE(announcements.heard.last(), lastHeard);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
