// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/windowdriver.h"

#include "options/optionstore.h"
#include "scores/hscorecodec.h"
#include "storage/datadirectory.h"

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
    QDir(dataDirectory()).removeRecursively(); // no statistics, no kept game
}

std::unique_ptr<MainWindow> WindowFixture::open(RandomSource* random) {
    auto window = std::make_unique<MainWindow>(dir.path(), nullptr, random);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        qFatal("the main window never showed");
    }
    return window;
}

bool WindowFixture::fillHallOfFame(std::int32_t score) const {
    std::array<TableValue, 5> best;
    best.fill(TableValue::int32(score));
    return writeFile(path("hscores.dat"), asBytes(writeHighScoreFile(best, {})));
}

QString windowFacts(QWidget& window) {
    const Qt::WindowFlags flags = window.windowFlags();
    QStringList buttons;
    for (const auto& [hint, name] : {std::pair{Qt::WindowMinimizeButtonHint, "min"},
                                     {Qt::WindowMaximizeButtonHint, "max"},
                                     {Qt::WindowCloseButtonHint, "close"}}) {
        if (flags & hint) {
            buttons << name;
        }
    }
    auto* main = qobject_cast<QMainWindow*>(&window);
    QWidget& area = main != nullptr ? *main->centralWidget() : window;
    const bool green =
        area.autoFillBackground() && area.palette().color(QPalette::Window) == QColor(0, 128, 0);
    QStringList order;
    for (QWidget* w = window.nextInFocusChain(); w != &window && order.size() < 3;
         w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0) {
            order << w->objectName();
        }
    }
    const QSize size = area.size();
    const bool fixed =
        window.minimumSize() == window.maximumSize() && window.testAttribute(Qt::WA_DeleteOnClose);
    return QStringList{
        window.windowTitle(),
        QString("%1x%2%3").arg(size.width()).arg(size.height()).arg(fixed ? "" : "?"),
        buttons.join(' '), green ? "green" : "", order.join(' ')}
        .join('|');
}

QString misplaced(QWidget& window, std::initializer_list<Placed> expected) {
    QStringList wrong;
    for (const Placed& each : expected) {
        QWidget* w = control(window, QLatin1String(each.name), each.index);
        if (w == nullptr || w->geometry() != each.place ||
            w->property("text").toString() != each.text) {
            wrong << QString::fromLatin1(each.name) +
                         (each.index >= 0 ? QString::number(each.index) : QString());
        }
    }
    return wrong.join(' ');
}

QByteArray asBytes(const std::vector<std::uint8_t>& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())};
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
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

QStringList shownWindows() {
    QStringList names;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        names << (widget->isVisible() ? widget->objectName() : QString());
    }
    names.removeAll(QString());
    return names;
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
    const std::vector<int> playable = playableSlots(game);
    return playable.empty() ? -1 : playable.front();
}

bool playUntil(MainWindow& window, const std::function<bool()>& done) {
    for (int step = 0; step < 5000; ++step) {
        if (done()) {
            return true;
        }
        if (const int slot = fittingSlot(window.game()); window.game().state().gameOver) {
            menuItem(window, "mnuNewGame")->trigger();
        } else if (slot >= 0) {
            clickAt(window, slotPoint(slot));
        } else {
            click(window, "Image3");
        }
    }
    return false;
}

QStringList outlined(QWidget& window, CardPicture::Outline kind) {
    QStringList found;
    for (auto* card : window.findChildren<CardPicture*>()) {
        if (card->outline() == kind) {
            found << card->objectName() + card->property("index").toString();
        }
    }
    return found;
}

ShownTable shownBy(MainWindow& window) {
    ShownTable shown;
    const auto card = [&](const char* name, int index) {
        return qobject_cast<CardPicture*>(control(window, QLatin1String(name), index));
    };
    for (int slot = 0; slot < TableSlots; ++slot) {
        shown.slotPicture[slot] = card("Image1", slot)->picture();
        shown.slotVisible[slot] = !card("Image1", slot)->isHidden();
    }
    for (int i = 0; i < DrawPilePictures; ++i) {
        shown.drawVisible[i] = !card("Image2", i)->isHidden();
    }
    shown.discardPicture = card("Image3", -1)->picture();
    shown.scoreText = labelText(window, "Label3").toStdString();
    shown.highestText = labelText(window, "Label5").toStdString();
    shown.panelVisible = !control(window, "Frame1")->isHidden();
    return shown;
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

QString spoken(QAccessibleInterface* object) {
    return object->state().invisible ? QString() : object->text(QAccessible::Name);
}

Announcements::Announcements() {
    qApp->installEventFilter(this);
}

bool Announcements::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->objectName() == "announcer") {
        QAccessibleInterface* voice = QAccessible::queryAccessibleInterface(watched);
        heard << (voice->role() == QAccessible::Notification ? spoken(voice) : "?");
    }
    return false;
}

} // namespace corvelle::test
