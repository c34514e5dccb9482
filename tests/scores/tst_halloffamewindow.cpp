// The Hall of Fame window: its rows and layout, opening it again, clearing, its buttons, and
// living on after the main window is gone.
#include "fakes.h"
#include "game.h"
#include "halloffamewindow.h"
#include "highscores.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using namespace corvelle;

namespace {

const QByteArray Cleared = QByteArray::fromHex("0200000002000000020000000200000002000000"
                                               "0800000008000000080000000800000008000000");

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

template <typename T> T* control(QWidget* window, const QString& name, int index = -1) {
    for (T* child : window->findChildren<T*>(name)) {
        if (index < 0 || child->property("index").toInt() == index) {
            return child;
        }
    }
    return nullptr;
}

QStringList rows(HallOfFameWindow* w) {
    QStringList out;
    for (int i = 0; i < 5; ++i) {
        out << control<QLabel>(w, "Label7", i)->text() + " " +
                   control<QLineEdit>(w, "Text1", i)->text();
    }
    return out;
}

void waitUntilClosed() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class TestHallOfFameWindow : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    RecordingDisplay display_;
    SteppingRandom random_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<HighScores> scores_;
    QPointer<QWidget> main_;

    void setTable() {
        const int values[] = {900, 450, 0, 0, 0};
        const char* names[] = {"Ann", "<b>Bob</b>", "ghost", "", ""};
        for (int i = 0; i < 5; ++i) {
            game_->state.highScoreValues[i] = TableValue::int16(std::int16_t(values[i]));
            game_->state.highScoreNames[i] = TableValue::fromText(names[i]);
        }
    }

private slots:
    void init() {
        setDialogs(&dialogs_);
        dialogs_ = ScriptedDialogs{};
        game_ = std::make_unique<Game>(display_, random_);
        scores_ = std::make_unique<HighScores>(*game_, dir_.path());
        main_ = new QWidget;
        main_->setAttribute(Qt::WA_DeleteOnClose);
        main_->show();
        setTable();
        game_->state.gameOver = true;
        display_.panelVisible = true;
        QFile::remove(dir_.filePath("hscores.dat"));
    }

    void cleanup() {
        if (HallOfFameWindow::instance()) {
            HallOfFameWindow::instance()->close();
        }
        delete main_;
        waitUntilClosed();
        QVERIFY(!HallOfFameWindow::instance());
        HallOfFameWindow::setMainWindowFactory(nullptr);
        setDialogs(nullptr);
    }

    void rowsShowTheTableAsLoaded() {
        HallOfFameWindow* w = HallOfFameWindow::showFor(main_, scores_.get());
        QCOMPARE(rows(w), QStringList({"900 Ann", "450 <b>Bob</b>", "0 ", "0 ", "0 "}));
        // The name beside a score of 0 is emptied in the table itself.
        QCOMPARE(game_->state.highScoreNames[2], TableValue::fromText({}));
        QVERIFY(w->isVisible());
        QVERIFY(main_->isVisible());
    }

    void layoutMatchesTheForm_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("text");
        QTest::newRow("title") << "Label1" << -1 << QRect(64, 32, 149, 29) << "Hall of Fame";
        QTest::newRow("rank 1") << "Label2" << -1 << QRect(32, 100, 11, 20) << "1";
        QTest::newRow("rank 5") << "Label6" << -1 << QRect(32, 212, 11, 20) << "5";
        QTest::newRow("score 0") << "Label7" << 0 << QRect(64, 100, 78, 20) << "900";
        QTest::newRow("score 3") << "Label7" << 3 << QRect(64, 184, 78, 20) << "0";
        QTest::newRow("name 1") << "Text1" << 1 << QRect(136, 128, 117, 21) << "<b>Bob</b>";
        QTest::newRow("name 4") << "Text1" << 4 << QRect(136, 212, 117, 21) << "";
        QTest::newRow("back") << "Command1" << -1 << QRect(8, 272, 129, 25) << "Back to Corvelle";
        QTest::newRow("exit") << "Command2" << -1 << QRect(144, 272, 129, 25) << "Exit Corvelle";
    }

    void layoutMatchesTheForm() {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QRect, rect);
        QFETCH(QString, text);
        HallOfFameWindow* w = HallOfFameWindow::showFor(main_, scores_.get());
        QWidget* c = control<QWidget>(w, name, index);
        QVERIFY(c);
        QCOMPARE(c->geometry(), rect);
        QCOMPARE(c->property("text").toString(), text);
        if (auto* label = qobject_cast<QLabel*>(c)) {
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QCOMPARE(label->font().family(), QString("DejaVu Sans"));
            QVERIFY(label->font().bold());
            // Never cut off: the title gives way where the shipped font is wider.
            QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
            const int points = label->font().pointSize();
            QVERIFY(name == "Label1" ? points >= 14 && points <= 18 : points == 12);
        }
    }

    void longScoreIsNeverCutOff() {
        game_->state.highScoreValues[0] = TableValue::int32(2147483647);
        HallOfFameWindow* w = HallOfFameWindow::showFor(main_, scores_.get());
        QLabel* score = control<QLabel>(w, "Label7", 0);
        QCOMPARE(score->text(), QString("2147483647"));
        QVERIFY(score->fontMetrics().horizontalAdvance(score->text()) <= score->width());
        QCOMPARE(control<QLabel>(w, "Label7", 1)->font().pointSize(), 12);
    }

    void windowIsTheFixedFormBelowItsMenu() {
        HallOfFameWindow* w = HallOfFameWindow::showFor(main_, scores_.get());
        QCOMPARE(w->objectName(), QString("Form4"));
        QCOMPARE(w->windowTitle(), QString("High Scores"));
        QCOMPARE(w->centralWidget()->size(), QSize(279, 328));
        QCOMPARE(w->centralWidget()->y(), w->menuBar()->height());
        QCOMPARE(w->centralWidget()->palette().color(QPalette::Window), QColor(0, 128, 0));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        auto* menu = w->findChild<QMenu*>("mnuScores");
        QVERIFY(menu);
        QCOMPARE(menu->title(), QString("Scores"));
        auto* clear = w->findChild<QAction*>("mnuClearHS");
        QVERIFY(clear);
        QCOMPARE(clear->text(), QString("Clear High Scores"));
        QCOMPARE(menu->actions(), QList<QAction*>{clear});
    }

    void openingAgainBringsItForwardWithoutRefilling() {
        HallOfFameWindow* first = HallOfFameWindow::showFor(main_, scores_.get());
        game_->state.score = 5000;
        scores_->setEnteredName("Cy");
        scores_->insertHighScore(0);
        QCOMPARE(HallOfFameWindow::showFor(main_, scores_.get()), first);
        QCOMPARE(rows(first)[0], QString("900 Ann"));

        first->close();
        waitUntilClosed();
        QVERIFY(!HallOfFameWindow::instance());
        HallOfFameWindow* second = HallOfFameWindow::showFor(main_, scores_.get());
        QCOMPARE(rows(second)[0], QString("5000 Cy"));
    }

    void newEntryOpensTheWindowAfterTheNewGame() {
        scores_->setShowHallOfFame([this] { HallOfFameWindow::showFor(main_, scores_.get()); });
        game_->state.score = 600;
        dialogs_.answer = "Dee";
        scores_->checkHighScore();
        HallOfFameWindow* w = HallOfFameWindow::instance();
        QVERIFY(w);
        QCOMPARE(rows(w)[1], QString("600 Dee"));
        QVERIFY(!game_->state.gameOver);
        QVERIFY(!display_.panelVisible);
    }

    void clearEmptiesTheFileTheRowsAndDealsANewGame() {
        HallOfFameWindow* w = HallOfFameWindow::showFor(main_, scores_.get());
        w->findChild<QAction*>("mnuClearHS")->trigger();
        QCOMPARE(readAll(dir_.filePath("hscores.dat")), Cleared);
        QCOMPARE(rows(w), QStringList({"0 ", "0 ", "0 ", "0 ", "0 "}));
        QCOMPARE(display_.highest, std::string("0"));
        QVERIFY(!game_->state.gameOver);
        QVERIFY(!display_.panelVisible);
        QVERIFY(dialogs_.asked.isEmpty());
        QVERIFY(dialogs_.messages.isEmpty());
    }

    void clearStillWorksAfterTheMainWindowIsGone() {
        HallOfFameWindow* w = HallOfFameWindow::showFor(main_, scores_.get());
        main_->close();
        waitUntilClosed();
        QVERIFY(!main_);
        scores_.reset(); // the main window's Hall of Fame went with it
        w->findChild<QAction*>("mnuClearHS")->trigger();
        QCOMPARE(readAll(dir_.filePath("hscores.dat")), Cleared);
        QCOMPARE(rows(w), QStringList({"0 ", "0 ", "0 ", "0 ", "0 "}));
        QVERIFY(game_->state.gameOver); // no game left to deal on
    }

    void backShowsTheMainWindow() {
        int created = 0;
        HallOfFameWindow::setMainWindowFactory([&] { ++created; });
        HallOfFameWindow* w = HallOfFameWindow::showFor(main_, scores_.get());
        main_->hide();
        control<QPushButton>(w, "Command1")->click();
        waitUntilClosed();
        QVERIFY(main_->isVisible());
        QVERIFY(!HallOfFameWindow::instance());
        QCOMPARE(created, 0);
    }

    void backAfterTheMainWindowIsGoneMakesANewOne() {
        int created = 0;
        HallOfFameWindow::setMainWindowFactory([&] { ++created; });
        HallOfFameWindow* w = HallOfFameWindow::showFor(main_, scores_.get());
        main_->close();
        waitUntilClosed();
        control<QPushButton>(w, "Command1")->click();
        waitUntilClosed();
        QCOMPARE(created, 1);
        QVERIFY(!HallOfFameWindow::instance());
    }

    void exitClosesBothWindows() {
        HallOfFameWindow* w = HallOfFameWindow::showFor(main_, scores_.get());
        control<QPushButton>(w, "Command2")->click();
        waitUntilClosed();
        QVERIFY(!main_);
        QVERIFY(!HallOfFameWindow::instance());
    }
};

QTEST_MAIN(TestHallOfFameWindow)
#include "tst_halloffamewindow.moc"
