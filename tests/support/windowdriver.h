// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindow/cardpicture.h"
#include "mainwindow/mainwindow.h"
#include "tests/support/enginefakes.h"
#include "tests/support/fixturepictures.h"
#include "ui/dialogs.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>

// Drives the real windows as a player would: finds their controls by name, clicks where a
// player would, answers the dialogs, and plays on.
namespace corvelle::test {

// Fixture pictures in a folder of their own that also holds the Hall of Fame, every message
// and question recorded (answered with `answer`), and each case started as a first run: no
// saved options, no Hall of Fame file.
class WindowFixture final : public Dialogs {
public:
    QTemporaryDir dir;
    QStringList messages, questions;
    QString answer;
    std::function<void()> whileAsking;

    void message(const QString& text) override { messages << text; }
    // Every yes-or-no question is recorded with the questions and answered with `yes`.
    bool yes = false;
    bool askYesNo(const QString& question) override { return questions << question, yes; }
    QString askText(const QString& prompt, const QString& title,
                    const std::function<QString(const QString&)>& keep) override;
    bool setUp();
    void reset();
    std::unique_ptr<MainWindow> open(RandomSource* random = nullptr); // shown, or the test ends
    QString path(const QString& name) const { return dir.filePath(name); }
    // A Hall of Fame with every place at `score`: a game must beat it to enter it.
    bool fillHallOfFame(std::int32_t score) const;
};

// A fixed window as the player meets it: "caption|WxH|frame buttons|green|tab order", e.g.
// "Game Rules|425x346|min close|green|Command1 Command2 Text1" (the first three of the order).
QString windowFacts(QWidget& window);

// A control where the layout puts it, with its text.
struct Placed {
    const char* name;
    int index;
    QRect place;
    QString text;
};
// The controls of `window` that are not where and as `expected` says, by name; empty if none.
QString misplaced(QWidget& window, std::initializer_list<Placed> expected);

// Bytes as Qt holds them; a file's bytes ("<missing>" when it cannot be read), and writing them.
QByteArray asBytes(const std::vector<std::uint8_t>& bytes);
QByteArray readFile(const QString& path);
bool writeFile(const QString& path, const QByteArray& bytes);

// The control of `window` with that name (and index, for a control array), its text, a left
// click on it; the names of the visible top-level windows, the one with that name ("Form4").
QWidget* control(QWidget& window, const QString& name, int index = -1);
QString labelText(QWidget& window, const char* name, int index = -1);
void click(QWidget& window, const char* name, int index = -1);
QStringList shownWindows();
QWidget* topLevel(const QString& name);
QAction* menuItem(QWidget& window, const char* name);

// Clicks the client area at `point` as a player would: whatever control lies on top there
// gets the click, the background when none does.
void clickAt(MainWindow& window, QPoint point);
// A point in the visible top strip of table slot `slot`; a slot whose card can be played now,
// or -1.
QPoint slotPoint(int slot);
int fittingSlot(const Game& game);
// Plays by clicks, dealing again when a game ends, until `done` holds.
bool playUntil(MainWindow& window, const std::function<bool()>& done);
// The cards of `window` with that outline, by control name and index ("Image117", "Image3").
QStringList outlined(QWidget& window, CardPicture::Outline kind = CardPicture::Outline::Hint);
// What the window's controls show of the table, for the engine's invariants (enginefakes.h).
ShownTable shownBy(MainWindow& window);

// The name a screen reader is offered, or nothing for an object it is not offered.
QString spoken(QAccessibleInterface* object);

// What the table's notification object says: its accessible name each time it shows.
class Announcements : public QObject {
public:
    QStringList heard;
    Announcements();
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Records the show, hide and close events of the windows named "Form...", in order.
class WindowEvents : public QObject {
public:
    QStringList seen;
    WindowEvents();
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace corvelle::test
