#pragma once

#include "cardpicture.h"
#include "fixturepictures.h"
#include "mainwindow.h"

#include <QLabel>
#include <QtTest>

// Drives a real main window as a player would: finds its controls by name, clicks where a
// player would, and plays on until a card fits or the game is over.
namespace corvelle::test {

inline QRect fromTwips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

inline QWidget* control(MainWindow& window, const QString& name, int index = -1) {
    const auto found = window.findChildren<QWidget*>(name);
    for (QWidget* widget : found) {
        if (index < 0 || widget->property("index").toInt() == index) {
            return widget;
        }
    }
    return nullptr;
}

inline CardPicture* picture(MainWindow& window, const char* name, int index = -1) {
    return qobject_cast<CardPicture*>(control(window, QLatin1String(name), index));
}

inline QString labelText(MainWindow& window, const char* name) {
    auto* label = qobject_cast<QLabel*>(control(window, QLatin1String(name)));
    return label ? label->text() : QStringLiteral("<no label>");
}

// Clicks the client area at `point` as a player would: whatever control lies on top there
// gets the click, the background when none does.
inline void clickAt(MainWindow& window, QPoint point) {
    QWidget* table = window.centralWidget();
    QWidget* target = table->childAt(point);
    if (target == nullptr) {
        target = table;
    }
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(table, point));
}

// A point in the visible top strip of table slot `slot`.
inline QPoint slotPoint(int slot) {
    return {4 + 72 * (slot / 5) + 34, 8 + 44 * (slot % 5) + 20};
}

inline QColor shownColour(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

inline int fittingSlot(Game& game) {
    for (int slot = 0; slot < TableSlots; ++slot) {
        if (!game.state.onTable[slot]) {
            continue;
        }
        const Game::SlotCheck check = game.checkTableCard(slot);
        if (check.free && game.moveFits(check.cardRank, check.discardRank)) {
            return slot;
        }
    }
    return -1;
}

// Draws from the pile until a table card fits; -1 when the game ends first.
inline int drawUntilAMoveFits(MainWindow& window) {
    for (int draws = 0; draws < 18 && !window.game().state.gameOver; ++draws) {
        const int slot = fittingSlot(window.game());
        if (slot >= 0) {
            return slot;
        }
        QTest::mouseClick(picture(window, "Image3"), Qt::LeftButton);
    }
    return window.game().state.gameOver ? -1 : fittingSlot(window.game());
}

// Plays by clicks until the game is over.
inline bool playToGameOver(MainWindow& window) {
    for (int step = 0; step < 5000; ++step) {
        if (window.game().state.gameOver) {
            return true;
        }
        const int slot = fittingSlot(window.game());
        if (slot >= 0) {
            clickAt(window, slotPoint(slot));
        } else {
            QTest::mouseClick(picture(window, "Image3"), Qt::LeftButton);
        }
    }
    return false;
}

inline void verifyTableMatchesGame(MainWindow& window) {
    const GameState& state = window.game().state;
    for (int slot = 0; slot < TableSlots; ++slot) {
        CardPicture* card = picture(window, "Image1", slot);
        QVERIFY(card);
        QCOMPARE(card->isVisible(), state.onTable[slot]);
        if (state.onTable[slot]) {
            QCOMPARE(card->picture(), state.tableCards[slot]);
        }
    }
    for (int i = 0; i < DrawPilePictures; ++i) {
        CardPicture* back = picture(window, "Image2", i);
        QVERIFY(back);
        QCOMPARE(back->isVisible(), i < state.drawPileCount);
        QCOMPARE(back->picture(), CardBackPicture);
    }
    QCOMPARE(picture(window, "Image3")->picture(), state.discardTop);
    QVERIFY(sameColour(shownColour(picture(window, "Image3")), fixtureColour(state.discardTop)));
}

} // namespace corvelle::test
