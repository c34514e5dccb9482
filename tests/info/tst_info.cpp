#include "aboutwindow.h"
#include "rulestext.h"
#include "ruleswindow.h"

#include "windowdriver.h"
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace corvelle;
using namespace corvelle::test;

class TestInfo : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> main_;

    QWidget* open(const QString& which) {
        return which == "Form2" ? static_cast<QWidget*>(openRulesWindow(main_.get()))
                                : openAboutWindow(main_.get());
    }

private slots:
    void init() {
        main_ = std::make_unique<QWidget>();
        main_->setObjectName("Form1");
        main_->setGeometry(40, 50, 509, 416);
        new QWidget(main_.get()); // the game-over panel, shown when the game was left
        main_->show();
    }
    void cleanup() { // the windows close when the game goes away
        main_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // Fixed windows with their own frame buttons, the buttons first in the tab order.
    void windowsAndControlsSitWhereTheyBelong() {
        QWidget* rules = open("Form2");
        QCOMPARE(windowFacts(*rules), "Game Rules|425x346|min close|green|Command1 Command2 Text1");
        QCOMPARE(misplaced(*rules, {{"Text1", -1, {8, 8, 409, 293}, ""},
                                    {"Command1", -1, {80, 312, 129, 25}, "Back to Corvelle"},
                                    {"Command2", -1, {228, 312, 133, 25}, "Exit Corvelle"}}),
                 "");
        QWidget* about = open("Form5");
        QCOMPARE(windowFacts(*about), "About Corvelle|257x253|close||Command1 Command2");
        QCOMPARE(misplaced(*about, {{"Label2", -1, {28, 8, 147, 24}, "Corvelle"},
                                    {"Command1", -1, {16, 212, 105, 25}, "Continue Playing"},
                                    {"Command2", -1, {136, 212, 105, 25}, "Exit Corvelle"}}),
                 "");
    }

    void openingAndLeaving_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("by"); // the button, or none for the title bar
        for (const char* which : {"Form2", "Form5"}) {
            for (const char* by : {"Command1", "", "Escape", "Command2"}) {
                QTest::addRow("%s by %s", which, *by ? by : "title bar") << QString(which) << by;
            }
        }
    }

    // The rules window hides the game before it shows, the About window after. The return button
    // or the title bar bring the game back as it was; "Exit Corvelle" closes it, then the window.
    void openingAndLeaving() {
        QFETCH(QString, which);
        QFETCH(QString, by);
        WindowEvents events;
        QWidget* window = open(which);
        QCOMPARE(events.seen.join(','),
                 which == "Form2" ? "Form1 hide,Form2 show" : "Form5 show,Form1 hide");
        events.seen.clear();
        if (by == "Escape") {
            QTest::keyClick(window, Qt::Key_Escape);
        } else {
            by.isEmpty() ? void(window->close()) : click(*window, qPrintable(by));
        }
        const bool exit = by == "Command2";
        QCOMPARE(events.seen.filter(exit ? "close" : "Form1").join(','),
                 exit ? "Form1 close," + which + " close" : QString("Form1 show"));
        QVERIFY(exit ? !main_->isVisible() : main_->geometry() == QRect(40, 50, 509, 416));
        QVERIFY(exit || main_->findChild<QWidget*>()->isVisible());
    }

    void rulesTextIsEditableButNeverKept() {
        QWidget* window = open("Form2");
        auto* text = window->findChild<QPlainTextEdit*>("Text1");
        QVERIFY(text && !text->isReadOnly() && text->verticalScrollBar()->maximum() > 0);
        QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(text->toPlainText(), rulesText());
        text->moveCursor(QTextCursor::Start);
        QTest::keyClicks(text, "scribbled ");
        QVERIFY(text->toPlainText().startsWith("scribbled "));
        window->close();
        QCOMPARE(open("Form2")->findChild<QPlainTextEdit*>("Text1")->toPlainText(), rulesText());
    }

    // The name in large bold type; a version line only when there is a version.
    void aboutShowsTheNameAndAnyVersion() {
        for (const QString version : {"1.0.68", ""}) { // ends with none, as other tests expect
            QCoreApplication::setApplicationVersion(version);
            QWidget* about = open("Form5");
            auto* name = about->findChild<QLabel*>("Label2");
            QVERIFY(name && name->font().bold() && name->font().pointSizeF() == 13.5);
            QVERIFY(name->textFormat() == Qt::PlainText &&
                    name->font().styleHint() == QFont::SansSerif);
            auto* line = about->findChild<QLabel*>("Label1");
            QCOMPARE(line ? line->text() : "", version.isEmpty() ? "" : "Version " + version);
            QVERIFY(!line || (about->rect().contains(line->geometry()) &&
                              !line->geometry().intersects(name->geometry())));
        }
    }

    // Six sections, each a heading line, a blank line and one-line paragraphs separated by
    // blank lines, ending with one line break; "Customizing the Game:" ends with the cheat note.
    void rulesTextHasSixSectionsOfCleanParagraphs() {
        const QStringList headings{
            "Playing the Game:", "Winning and Losing:", "Customizing the Game:", "Cheat Mode:",
            "Scoring:",          "Undo Penalization:"};
        const QString text = rulesText();
        QVERIFY(text.endsWith('\n') && !text.endsWith("\n\n"));
        QList<QStringList> sections; // each heading with its paragraphs
        for (const QString& block : text.chopped(1).split("\n\n")) {
            QVERIFY2(QRegularExpression("^\\S+( \\S+)*$").match(block).hasMatch(),
                     qPrintable(block));
            if (headings.contains(block) || sections.isEmpty()) {
                sections << QStringList{};
            }
            sections.last() << block;
        }
        QStringList found;
        for (const QStringList& section : sections) {
            found << section.first() + (section.size() > 1 ? "" : " with no paragraph");
        }
        QCOMPARE(found, headings);
        QCOMPARE(sections.at(2).filter(QRegularExpression("^NOTE:")),
                 sections.at(2).mid(sections.at(2).size() - 1));
    }
};

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
