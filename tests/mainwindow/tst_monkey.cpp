#include "optionstore.h"
#include "windowdriver.h"

#include <random>

using namespace corvelle;
using namespace corvelle::test;

// Random events over every control and menu command of every window of the real game, random
// answers to every question, windows opened and closed in every order, exits and fresh
// starts; after each event the game's invariants, the pictures, the labels and the check marks
// must agree with the state, and no window may be open twice. CORVELLE_MONKEY_EVENTS sets the
// number of events (1,500 by default), CORVELLE_MONKEY_SEED the seed; a failure names both.
class MonkeyTest : public QObject {
    Q_OBJECT

    WindowFixture fixture_;
    std::mt19937 random_;
    QPointer<MainWindow> window_;

    int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

    void start() {
        window_ = fixture_.open().release();
        window_->setAttribute(Qt::WA_DeleteOnClose);
    }

    // A random command of a random visible window: a control, a menu item or a key.
    QString act() {
        const QStringList shown = shownWindows().filter(QRegularExpression("^Form"));
        if (shown.isEmpty()) {
            start();
            return "a fresh start";
        }
        QWidget* form = topLevel(shown[pick(int(shown.size()))]);
        QList<QAction*> items;
        for (QAction* item : form->findChildren<QAction*>()) {
            if (!item->menu() && !item->isSeparator() && !item->text().isEmpty()) {
                items << item;
            }
        }
        const QList<QAbstractButton*> buttons = form->findChildren<QAbstractButton*>();
        const int what = pick(100);
        if (what < 8 && !items.isEmpty()) {
            QAction* item = items[pick(int(items.size()))];
            if (item->objectName() == "mnuExit" && pick(5) != 0) {
                return "nothing";
            }
            item->trigger();
            return form->objectName() + " " + item->objectName();
        }
        if (what < 30 && !buttons.isEmpty()) {
            QAbstractButton* button = buttons[pick(int(buttons.size()))];
            if (button->isVisible() && (button->objectName() != "Command2" || pick(20) == 0 ||
                                        form->objectName() == "Form1")) {
                button->click();
                return form->objectName() + " " + button->objectName();
            }
            return "nothing";
        }
        if (what < 40) {
            const int keys[] = {Qt::Key_Left,  Qt::Key_Right,  Qt::Key_Return,
                                Qt::Key_Space, Qt::Key_Escape, Qt::Key_D};
            const int key = keys[pick(6)];
            QTest::keyClick(form->focusWidget() ? form->focusWidget() : form, Qt::Key(key));
            return form->objectName() + " key " + QString::number(key);
        }
        if (form == window_) {
            const int slot = fittingSlot(window_->game());
            clickAt(*window_,
                    slot >= 0 && pick(3) != 0 ? slotPoint(slot) : QPoint(pick(509), pick(416)));
            return "a click on the table";
        }
        return "nothing";
    }

    QString broken() {
        const QStringList shown = shownWindows();
        for (const QString& name : shown) {
            if (name.startsWith("Form") && shown.count(name) > 1) {
                return name + " is open twice";
            }
        }
        if (!window_) {
            return {};
        }
        const GameState& state = window_->game().state();
        if (const char* what = brokenInvariant(state, shownBy(*window_))) {
            return what;
        }
        for (std::size_t i = 0; i < OptionItems.size(); ++i) {
            const bool chosen = OptionStore::withItem(state.options, i) == state.options;
            if (menuItem(*window_, OptionItems[i].control)->isChecked() != chosen) {
                return QString(OptionItems[i].control) + " is marked wrongly";
            }
        }
        if (window_->mnuCheatsEnabled->isChecked() != state.cheat.cheatsEnabled ||
            window_->mnuDisableCheats->isChecked() == state.cheat.cheatsEnabled) {
            return "the cheat items are marked wrongly";
        }
        return {};
    }

private slots:
    void initTestCase() { QVERIFY(fixture_.setUp()); }
    void cleanupTestCase() { setDialogs(nullptr); }

    void randomEventsKeepEverythingInStep() {
        const int events = qEnvironmentVariableIntValue("CORVELLE_MONKEY_EVENTS");
        const auto seed = qEnvironmentVariableIsSet("CORVELLE_MONKEY_SEED")
                              ? qEnvironmentVariable("CORVELLE_MONKEY_SEED").toUInt()
                              : std::random_device()();
        random_.seed(seed);
        fixture_.reset();
        start();
        for (int event = 0; event < (events > 0 ? events : 1500); ++event) {
            fixture_.answer = pick(2) ? QString("Monkey %1").arg(event) : QString();
            const QString done = act();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (const QString what = broken(); !what.isEmpty()) {
                QFAIL(qPrintable(
                    QString("seed %1, event %2 (%3): %4").arg(seed).arg(event).arg(done, what)));
            }
        }
        qInfo("seed %u", seed);
    }
};

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
