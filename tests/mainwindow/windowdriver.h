#pragma once

#include "cardpicture.h"
#include "dialogs.h"
#include "fixturepictures.h"
#include "mainwindow.h"
#include "optionstore.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// Drives a real main window as a player would: finds its controls by name, clicks where a
// player would, and plays on.
namespace corvelle::test {

// Fixture pictures in a folder of their own, every message and question recorded, and each
// case started as a first run: no saved options, no Hall of Fame file.
class WindowFixture final : public Dialogs {
public:
    QTemporaryDir dir;
    QStringList messages, questions;
    QString answer;

    void message(const QString& text) override { messages << text; }
    QString askText(const QString& prompt, const QString& title) override {
        questions << title + "|" + prompt;
        return answer;
    }
    bool setUp() {
        setCardPictureDirectory(dir.path());
        setDialogs(this);
        return dir.isValid() && writeFixturePictures(dir.path());
    }
    void reset() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() != "Form1") {
                widget->close();
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        messages.clear();
        questions.clear();
        QFile::remove(OptionStore::fileName());
        QFile::remove(QDir(dir.path()).filePath("hscores.dat"));
    }
    std::unique_ptr<MainWindow> open(RandomSource* random = nullptr) {
        auto window = std::make_unique<MainWindow>(dir.path(), nullptr, random);
        window->show();
        return QTest::qWaitForWindowExposed(window.get()) ? std::move(window) : nullptr;
    }
};

inline QWidget* control(QWidget& window, const QString& name, int index = -1) {
    for (QWidget* widget : window.findChildren<QWidget*>(name)) {
        if (index < 0 || widget->property("index").toInt() == index) {
            return widget;
        }
    }
    return nullptr;
}

inline CardPicture* picture(MainWindow& window, const char* name, int index = -1) {
    return qobject_cast<CardPicture*>(control(window, QLatin1String(name), index));
}

inline QString labelText(QWidget& window, const char* name, int index = -1) {
    return control(window, QLatin1String(name), index)->property("text").toString();
}

// Clicks the client area at `point` as a player would: whatever control lies on top there
// gets the click, the background when none does.
inline void clickAt(MainWindow& window, QPoint point) {
    QWidget* table = window.centralWidget();
    QWidget* target = table->childAt(point) ? table->childAt(point) : table;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(table, point));
}

// A point in the visible top strip of table slot `slot`.
inline QPoint slotPoint(int slot) {
    return {4 + 72 * (slot / 5) + 34, 8 + 44 * (slot % 5) + 20};
}

inline int fittingSlot(Game& game) {
    for (int slot = 0; slot < TableSlots; ++slot) {
        if (game.state.onTable[slot]) {
            const Game::SlotCheck check = game.checkTableCard(slot);
            if (check.free && game.moveFits(check.cardRank, check.discardRank)) {
                return slot;
            }
        }
    }
    return -1;
}

// Plays by clicks, dealing again when a game ends, until `done` holds.
template <typename Done> bool playUntil(MainWindow& window, Done done) {
    for (int step = 0; step < 5000; ++step) {
        if (done()) {
            return true;
        }
        if (const int slot = fittingSlot(window.game()); window.game().state.gameOver) {
            window.mnuNewGame->trigger();
        } else if (slot >= 0) {
            clickAt(window, slotPoint(slot));
        } else {
            QTest::mouseClick(picture(window, "Image3"), Qt::LeftButton);
        }
    }
    return false;
}

// Every picture control shows the card of the game, from the file of that card.
inline void verifyTableMatchesGame(MainWindow& window) {
    const GameState& state = window.game().state;
    const auto shows = [&](const char* name, int index, bool visible, int card) {
        CardPicture* shown = picture(window, name, index);
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

} // namespace corvelle::test
