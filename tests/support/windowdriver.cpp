#include "windowdriver.h"

#include "optionstore.h"
#include "recordfiles.h"

#include <QMenuBar>

namespace corvelle::test {

QString WindowFixture::askText(const QString& prompt, const QString& title,
                               const std::function<QString(const QString&)>& keep) {
    questions << title + "|" + prompt;
    if (whileAsking) {
        whileAsking();
    }
    return keep ? keep(answer) : answer;
}

bool WindowFixture::setUp() {
    setCardPictureDirectory(dir.path());
    setDialogs(this);
    return dir.isValid() && writeFixturePictures(dir.path());
}

void WindowFixture::reset() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() != "Form1") {
            widget->close();
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    messages.clear();
    questions.clear();
    answer.clear();
    yes = false;
    whileAsking = nullptr;
    QFile::remove(OptionStore::fileName());
    QFile::remove(path("hscores.dat"));
    QDir(recordDirectory()).removeRecursively(); // no statistics, no kept game
}

std::unique_ptr<MainWindow> WindowFixture::open(RandomSource* random) {
    auto window = std::make_unique<MainWindow>(dir.path(), nullptr, random);
    window->show();
    return QTest::qWaitForWindowExposed(window.get()) ? std::move(window) : nullptr;
}

QWidget* control(QWidget& window, const QString& name, int index) {
    for (QWidget* widget : window.findChildren<QWidget*>(name)) {
        if (index < 0 || widget->property("index").toInt() == index) {
            return widget;
        }
    }
    return nullptr;
}

QString labelText(QWidget& window, const char* name, int index) {
    return control(window, QLatin1String(name), index)->property("text").toString();
}

QWidget* topLevel(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

void click(QWidget& window, const char* name, int index) {
    QTest::mouseClick(control(window, QLatin1String(name), index), Qt::LeftButton);
}

QAction* menuItem(QWidget& window, const char* name) {
    return window.findChild<QAction*>(QLatin1String(name));
}

void clickAt(MainWindow& window, QPoint point) {
    QWidget* table = window.centralWidget();
    QWidget* target = table->childAt(point) ? table->childAt(point) : table;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(table, point));
}

QPoint slotPoint(int slot) {
    return {4 + 72 * (slot / 5) + 34, 8 + 44 * (slot % 5) + 20};
}

int fittingSlot(const Game& game) {
    for (int slot = 0; slot < TableSlots; ++slot) {
        if (game.canPlay(slot)) {
            return slot;
        }
    }
    return -1;
}

bool playUntil(MainWindow& window, const std::function<bool()>& done) {
    for (int step = 0; step < 5000; ++step) {
        if (done()) {
            return true;
        }
        if (const int slot = fittingSlot(window.game()); window.game().state().gameOver) {
            window.mnuNewGame->trigger();
        } else if (slot >= 0) {
            clickAt(window, slotPoint(slot));
        } else {
            click(window, "Image3");
        }
    }
    return false;
}

void verifyTableMatchesGame(MainWindow& window) {
    const GameState& state = window.game().state();
    const auto shows = [&](const char* name, int index, bool visible, int card) {
        auto* shown = qobject_cast<CardPicture*>(control(window, QLatin1String(name), index));
        return shown && shown->isVisible() == visible &&
               (!visible ||
                (shown->picture() == card &&
                 sameColour(shown->grab().toImage().pixelColor(34, 52), fixtureColour(card))));
    };
    for (int slot = 0; slot < TableSlots; ++slot) {
        QVERIFY2(shows("Image1", slot, state.onTable[slot], state.tableCards[slot]),
                 qPrintable(QString::number(slot)));
    }
    for (int i = 0; i < DrawPilePictures; ++i) {
        QVERIFY2(shows("Image2", i, i < state.drawPileCount, CardBackPicture),
                 qPrintable(QString::number(i)));
    }
    QVERIFY(shows("Image3", -1, true, state.discardTop));
}

WindowEvents::WindowEvents() {
    qApp->installEventFilter(this);
}

bool WindowEvents::eventFilter(QObject* watched, QEvent* event) {
    const auto kind = QList{QEvent::Show, QEvent::Hide, QEvent::Close}.indexOf(event->type());
    if (kind >= 0 && watched->isWidgetType() && watched->objectName().startsWith("Form")) {
        seen << watched->objectName() + QStringList{" show", " hide", " close"}[kind];
    }
    return false;
}

} // namespace corvelle::test
