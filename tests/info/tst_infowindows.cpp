#include "aboutwindow.h"
#include "rulestext.h"
#include "ruleswindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>

using namespace corvelle;

namespace {

// Records the show, hide and close events of every top-level window, in order.
class WindowEvents : public QObject {
public:
    QStringList seen;

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->isWindow()) {
            const char* kind = event->type() == QEvent::Show    ? "show"
                               : event->type() == QEvent::Hide  ? "hide"
                               : event->type() == QEvent::Close ? "close"
                                                                : nullptr;
            if (kind != nullptr) {
                seen.append(widget->objectName() + QLatin1Char(' ') + QLatin1String(kind));
            }
        }
        return false;
    }
};

QWidget* openWindow(const QString& which, QWidget* mainWindow) {
    if (which == QLatin1String("rules")) {
        return openRulesWindow(mainWindow);
    }
    return openAboutWindow(mainWindow);
}

QList<QWidget*> tabChain(QWidget* window) {
    QList<QWidget*> chain;
    for (QWidget* w = window->nextInFocusChain(); w != window && chain.size() < 100;
         w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0) {
            chain.append(w);
        }
    }
    return chain;
}

QStringList names(const QList<QWidget*>& widgets) {
    QStringList result;
    for (QWidget* w : widgets) {
        result.append(w->objectName());
    }
    return result;
}

} // namespace

class TestInfoWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsSitWhereTheyBelong_data();
    void controlsSitWhereTheyBelong();
    void windowsAreFixedWithTheirOwnFrames_data();
    void windowsAreFixedWithTheirOwnFrames();
    void rulesTextIsEditableAndScrolls();
    void aboutShowsTheNameInLargeBoldType();
    void aboutShowsTheVersionOnlyWhenThereIsOne();
    void openingHidesTheGameInTheRightOrder_data();
    void openingHidesTheGameInTheRightOrder();
    void leavingReturnsToTheGameAsItWasLeft_data();
    void leavingReturnsToTheGameAsItWasLeft();
    void exitClosesTheGameThenTheWindow_data();
    void exitClosesTheGameThenTheWindow();
    void typedTextIsGoneAtTheNextOpening();
    void windowClosesWhenTheGameGoesAway_data();
    void windowClosesWhenTheGameGoesAway();

private:
    std::unique_ptr<QWidget> mainWindow_;
    QWidget* gameOverPanel_ = nullptr;
};

void TestInfoWindows::init() {
    mainWindow_ = std::make_unique<QWidget>();
    mainWindow_->setObjectName(QStringLiteral("Form1"));
    mainWindow_->setGeometry(40, 50, 509, 416);
    gameOverPanel_ = new QWidget(mainWindow_.get());
    gameOverPanel_->setObjectName(QStringLiteral("Frame1"));
    mainWindow_->show();
}

void TestInfoWindows::cleanup() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != mainWindow_.get()) {
            delete window;
        }
    }
    mainWindow_.reset();
    QCoreApplication::setApplicationVersion(QString());
}

void TestInfoWindows::controlsSitWhereTheyBelong_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("place");

    QTest::newRow("rules text") << "rules"
                                << "Text1" << QString() << QRect(8, 8, 409, 293);
    QTest::newRow("Back to Corvelle") << "rules"
                                      << "Command1"
                                      << "Back to Corvelle" << QRect(80, 312, 129, 25);
    QTest::newRow("rules Exit Corvelle") << "rules"
                                         << "Command2"
                                         << "Exit Corvelle" << QRect(228, 312, 133, 25);
    QTest::newRow("game name") << "about"
                               << "Label2"
                               << "Corvelle" << QRect(28, 8, 147, 24);
    QTest::newRow("Continue Playing") << "about"
                                      << "Command1"
                                      << "Continue Playing" << QRect(16, 212, 105, 25);
    QTest::newRow("about Exit Corvelle") << "about"
                                         << "Command2"
                                         << "Exit Corvelle" << QRect(136, 212, 105, 25);
}

void TestInfoWindows::controlsSitWhereTheyBelong() {
    QFETCH(QString, which);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, place);

    QWidget* window = openWindow(which, mainWindow_.get());
    auto* control = window->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), place);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        QCOMPARE(label->text(), caption);
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
        QCOMPARE(button->text(), caption);
    } else {
        QVERIFY(qobject_cast<QPlainTextEdit*>(control) != nullptr);
    }
}

void TestInfoWindows::windowsAreFixedWithTheirOwnFrames_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("minimise");
    QTest::addColumn<QStringList>("tabOrder");

    QTest::newRow("rules") << "rules"
                           << "Form2"
                           << "Game Rules" << QSize(425, 346) << true
                           << QStringList{"Command1", "Command2", "Text1"};
    QTest::newRow("about") << "about"
                           << "Form5"
                           << "About Corvelle" << QSize(257, 253) << false
                           << QStringList{"Command1", "Command2"};
}

void TestInfoWindows::windowsAreFixedWithTheirOwnFrames() {
    QFETCH(QString, which);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(bool, minimise);
    QFETCH(QStringList, tabOrder);

    QWidget* window = openWindow(which, mainWindow_.get());
    QCOMPARE(window->objectName(), name);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), size);
    QCOMPARE(window->minimumSize(), size);
    QCOMPARE(window->maximumSize(), size);
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint), minimise);
    QVERIFY(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(names(tabChain(window)), tabOrder);
}

void TestInfoWindows::rulesTextIsEditableAndScrolls() {
    QWidget* window = openRulesWindow(mainWindow_.get());
    QCOMPARE(window->palette().color(QPalette::Window), QColor(0, 128, 0));
    QVERIFY(window->autoFillBackground());
    auto* text = window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    QVERIFY(text != nullptr);
    QVERIFY(!text->isReadOnly());
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(text->toPlainText(), rulesText());
    QVERIFY(text->verticalScrollBar()->maximum() > 0);
}

void TestInfoWindows::aboutShowsTheNameInLargeBoldType() {
    QWidget* window = openAboutWindow(mainWindow_.get());
    auto* name = window->findChild<QLabel*>(QStringLiteral("Label2"));
    QVERIFY(name != nullptr);
    QVERIFY(name->font().bold());
    QCOMPARE(name->font().pointSizeF(), 13.5);
    QCOMPARE(name->font().styleHint(), QFont::SansSerif);
    QCOMPARE(name->textFormat(), Qt::PlainText);
}

void TestInfoWindows::aboutShowsTheVersionOnlyWhenThereIsOne() {
    QWidget* without = openAboutWindow(mainWindow_.get());
    QVERIFY(without->findChild<QLabel*>(QStringLiteral("Label1")) == nullptr);
    without->close();

    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.68"));
    QWidget* with = openAboutWindow(mainWindow_.get());
    auto* version = with->findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(version != nullptr);
    QCOMPARE(version->text(), QStringLiteral("Version 1.0.68"));
    QVERIFY(with->rect().contains(version->geometry()));
    auto* name = with->findChild<QLabel*>(QStringLiteral("Label2"));
    QVERIFY(!version->geometry().intersects(name->geometry()));
}

void TestInfoWindows::openingHidesTheGameInTheRightOrder_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("rules: hide the game, then show")
        << "rules" << QStringList{"Form1 hide", "Form2 show"};
    QTest::newRow("about: show, then hide the game")
        << "about" << QStringList{"Form5 show", "Form1 hide"};
}

void TestInfoWindows::openingHidesTheGameInTheRightOrder() {
    QFETCH(QString, which);
    QFETCH(QStringList, order);
    WindowEvents events;
    qApp->installEventFilter(&events);
    QWidget* window = openWindow(which, mainWindow_.get());
    qApp->removeEventFilter(&events);
    QCOMPARE(events.seen.filter(QStringLiteral("Form")), order);
    QVERIFY(window->isVisible());
    QVERIFY(!mainWindow_->isVisible());
}

void TestInfoWindows::leavingReturnsToTheGameAsItWasLeft_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<bool>("titleBar");
    QTest::newRow("rules, Back to Corvelle") << "rules" << false;
    QTest::newRow("rules, title bar") << "rules" << true;
    QTest::newRow("about, Continue Playing") << "about" << false;
    QTest::newRow("about, title bar") << "about" << true;
}

void TestInfoWindows::leavingReturnsToTheGameAsItWasLeft() {
    QFETCH(QString, which);
    QFETCH(bool, titleBar);

    QWidget* const game = mainWindow_.get();
    const QRect place = game->geometry();
    QPointer<QWidget> window = openWindow(which, game);
    WindowEvents events;
    qApp->installEventFilter(&events);
    if (titleBar) {
        QVERIFY(window->close());
    } else {
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
    }
    qApp->removeEventFilter(&events);

    QVERIFY(game->isVisible());
    QVERIFY(gameOverPanel_->isVisible());
    QCOMPARE(game->geometry(), place);
    QVERIFY(!events.seen.contains(QStringLiteral("Form1 close")));
    QCOMPARE(events.seen.filter(QStringLiteral("Form1")), QStringList{"Form1 show"});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
}

void TestInfoWindows::exitClosesTheGameThenTheWindow_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("name");
    QTest::newRow("rules") << "rules"
                           << "Form2";
    QTest::newRow("about") << "about"
                           << "Form5";
}

void TestInfoWindows::exitClosesTheGameThenTheWindow() {
    QFETCH(QString, which);
    QFETCH(QString, name);

    QPointer<QWidget> window = openWindow(which, mainWindow_.get());
    WindowEvents events;
    qApp->installEventFilter(&events);
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
    qApp->removeEventFilter(&events);

    QCOMPARE(events.seen.filter(QStringLiteral("close")),
             (QStringList{QStringLiteral("Form1 close"), name + QStringLiteral(" close")}));
    QVERIFY(!mainWindow_->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
}

void TestInfoWindows::typedTextIsGoneAtTheNextOpening() {
    QPointer<QWidget> window = openRulesWindow(mainWindow_.get());
    auto* text = window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    text->moveCursor(QTextCursor::Start);
    QTest::keyClicks(text, QStringLiteral("scribbled "));
    QVERIFY(text->toPlainText().startsWith(QStringLiteral("scribbled ")));
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());

    window = openRulesWindow(mainWindow_.get());
    text = window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    QCOMPARE(text->toPlainText(), rulesText());
}

void TestInfoWindows::windowClosesWhenTheGameGoesAway_data() {
    QTest::addColumn<QString>("which");
    QTest::newRow("rules") << "rules";
    QTest::newRow("about") << "about";
}

void TestInfoWindows::windowClosesWhenTheGameGoesAway() {
    QFETCH(QString, which);
    QPointer<QWidget> window = openWindow(which, mainWindow_.get());
    mainWindow_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
}

QTEST_MAIN(TestInfoWindows)
#include "tst_infowindows.moc"
