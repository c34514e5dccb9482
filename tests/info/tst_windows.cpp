// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cheat/cheatcommands.h"
#include "cheat/wildcardwindow.h"
#include "info/aboutwindow.h"
#include "info/rulestext.h"
#include "info/ruleswindow.h"
#include "tests/support/windowdriver.h"

using namespace corvelle;
using namespace corvelle::test;

namespace {

QList<int> marked(const CheatChoice& cheat) {
    QList<int> codes;
    for (int code = 1; code <= DeckSize; ++code) {
        if (cheat.wildMark[code] != 0) {
            codes << code;
        }
    }
    return codes;
}

QCheckBox* box(QWidget* window, int index) {
    return qobject_cast<QCheckBox*>(control(*window, "Check1", index));
}

QList<int> ticked(QWidget* window) {
    QList<int> indices;
    for (int index = 0; index < 52; ++index) {
        indices << (box(window, index)->isChecked() ? index : -1);
    }
    indices.removeAll(-1);
    return indices;
}

} // namespace

// The windows that stand in for the game: Game Rules, About and the wild-card choice, each over
// a stand-in main window. Their layout, their texts, the order in which they and the game show
// and hide, the ways back and out, and the cheat rules of the wild-card boxes.
class TestWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> main_;
    CheatChoice cheat_;   // the game's choice: what the window was opened with and gave back
    QList<bool> changes_; // cheatsEnabled each time the window gave the choice back

    QWidget* open(const QString& which) {
        if (which == "Form6") {
            WildCardWindow* window = openWildCardWindow(cheat_, main_.get());
            connect(window, &WildCardWindow::choiceMade, this, [this](const CheatChoice& choice) {
                cheat_ = choice;
                changes_ << choice.cheatsEnabled;
            });
            return window;
        }
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
        cheat_ = CheatChoice{};
        changes_.clear();
    }
    // The windows close when the game goes away, and never go back to it.
    void cleanup() {
        const QList<bool> changes = changes_;
        main_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty() && changes_ == changes);
    }

    // Fixed windows with their own frame buttons, the buttons first in the tab order; one
    // unticked green box per card but the jokers.
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
        about->close();
        QWidget* wild = open("Form6");
        QCOMPARE(windowFacts(*wild),
                 "Cheat Mode Options Select Window|417x353|close|green|Command1 Command2 Check1");
        QCOMPARE(
            misplaced(*wild,
                      {{"Label5", -1, {73, 4, 263, 17}, "Select up to six (6) aditional wildcards"},
                       {"Label1", -1, {60, 24, 57, 17}, "Spades"},
                       {"Label2", -1, {148, 24, 49, 17}, "Clubs"},
                       {"Label3", -1, {212, 24, 89, 17}, "Diamonds"},
                       {"Label4", -1, {308, 24, 57, 17}, "Hearts"},
                       {"Command1", -1, {44, 316, 129, 25}, "Continue Playing"},
                       {"Command2", -1, {248, 316, 129, 25}, "Exit Corvelle"},
                       {"Check1", 0, {64, 44, 49, 17}, "Ace"},
                       {"Check1", 11, {64, 264, 61, 17}, "Queen"},
                       {"Check1", 35, {232, 224, 49, 17}, "10"},
                       {"Check1", 51, {312, 284, 49, 17}, "King"}}),
            "");
        QVERIFY(control(*wild, "Label5")->font().bold() && control(*wild, "Label4")->font().bold());
        QCOMPARE(wild->findChildren<QCheckBox*>().size(), 52);
        for (int index = 0; index < 52; ++index) {
            QCheckBox* each = box(wild, index);
            QVERIFY(each != nullptr && !each->isChecked() && each->autoFillBackground());
            QCOMPARE(each->palette().color(each->backgroundRole()), QColor(0, 128, 0));
        }
        box(wild, 2)->click(); // a choice still open when the game goes away
    }

    void openingAndLeaving_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("by");        // the button, or none for the title bar
        QTest::addColumn<QList<int>>("before"); // wild cards chosen and in force before
        QTest::addColumn<QList<int>>("clicks"); // the wild-card boxes clicked
        QTest::addColumn<bool>("enabled");      // cheats in force after it
        for (const char* which : {"Form2", "Form5", "Form6"}) {
            for (const char* by : {"Command1", "", "Escape", "Command2"}) {
                QTest::addRow("%s by %s", which, *by ? by : "title bar")
                    << QString(which) << QString(by) << QList<int>{} << QList<int>{30} << true;
            }
        }
        const std::tuple<const char*, QList<int>, QList<int>, bool> wild[]{
            {"nothing chosen", {}, {}, false},
            {"last one unticked", {9}, {8}, false},
            {"one of two off", {9, 30}, {8}, true}};
        for (const auto& [what, before, clicks, enabled] : wild) {
            QTest::addRow("Form6, %s", what) << "Form6"
                                             << "Command1" << before << clicks << enabled;
        }
    }

    // The rules window hides the game before it shows, the others after. The return button or
    // the title bar bring the game back as it was, with the wild-card choice in force; "Exit
    // Corvelle" closes the game, then the window, and puts nothing in force.
    void openingAndLeaving() {
        QFETCH(QString, which);
        QFETCH(QString, by);
        QFETCH(QList<int>, before);
        QFETCH(QList<int>, clicks);
        QFETCH(bool, enabled);
        cheat_ = wildChoice(before, !before.isEmpty());
        WindowEvents events;
        QPointer<QWidget> window = open(which);
        QCOMPARE(events.seen.join(','),
                 which == "Form2" ? "Form1 hide,Form2 show" : which + " show,Form1 hide");
        for (int index : which == "Form6" ? clicks : QList<int>{}) {
            box(window, index)->click();
        }
        events.seen.clear();
        if (by == "Escape") {
            QTest::keyClick(window, Qt::Key_Escape);
        } else if (by.isEmpty()) {
            QVERIFY(window->close());
        } else {
            QTest::mouseClick(window->findChild<QAbstractButton*>(by), Qt::LeftButton);
        }
        const bool exit = by == "Command2";
        QCOMPARE(events.seen.filter("close").join(','),
                 exit ? "Form1 close," + which + " close" : which + " close");
        QCOMPARE(events.seen.filter("Form1").join(','), exit ? "Form1 close" : "Form1 show");
        QCOMPARE(changes_, exit || which != "Form6" ? QList<bool>{} : QList<bool>{enabled});
        QVERIFY(exit ? !main_->isVisible() : main_->geometry() == QRect(40, 50, 509, 416));
        QVERIFY(exit || main_->findChild<QWidget*>()->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }

    // Cards chosen before show ticked and count towards the six, not again when shown; a seventh
    // tick is taken back.
    void reopenedWithThreeChosenASeventhTickDoesNotStay() {
        cheat_ = wildChoice(QList<int>{4, 17, 46});
        auto* window = static_cast<WildCardWindow*>(open("Form6"));
        QCOMPARE(ticked(window), (QList<int>{3, 16, 45}));
        for (int index : {0, 1, 2}) {
            box(window, index)->click();
        }
        for (const auto& [index, name] :
             {std::pair{0, "Ace of Spades"}, {20, "Eight of Clubs"}, {51, "King of Hearts"}}) {
            QCOMPARE(
                QAccessible::queryAccessibleInterface(box(window, index))->text(QAccessible::Name),
                QString(name));
        }
        QCheckBox* seventh = box(window, 20);
        seventh->click();
        QVERIFY(!seventh->isChecked());
        QCOMPARE(ticked(window), (QList<int>{0, 1, 2, 3, 16, 45}));
        QTest::mouseClick(seventh, Qt::LeftButton, {}, QPoint(8, seventh->height() / 2));
        QVERIFY(!seventh->isChecked());
        box(window, 16)->click();
        seventh->click();
        QVERIFY(seventh->isChecked());
        click(*window, "Command1");
        QCOMPARE(marked(cheat_), (QList<int>{1, 2, 3, 4, 21, 46}));
        QVERIFY(cheat_.wildCount == 6 && cheat_.cheatsEnabled);
        CheatChoice twice = wildChoice(QList<int>{5}); // a tick reported twice counts once
        QVERIFY(!wildCardBoxChanged(twice, 4, true) && marked(twice) == QList<int>{5});
        QVERIFY(twice.wildCount == 1 && !twice.cheatsEnabled);
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

    // The name in large bold type; a version line only when there is a version; the licence and
    // the website below.
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
            // Below it the licence, then the website, above the buttons, each whole in its place.
            int above = (line ? line : name)->geometry().bottom();
            const int below = about->findChild<QWidget*>("Command1")->geometry().top();
            for (const auto& [which, text] :
                 {std::pair{"Label3", "Free software under the GNU General Public License, "
                                      "version 3 or later."},
                  std::pair{"Label4", "https://corvelle.github.io/"}}) {
                auto* free = about->findChild<QLabel*>(which);
                QVERIFY(free && free->text() == text && free->textFormat() == Qt::PlainText);
                const QRect place = free->geometry();
                QVERIFY(place.top() > above && place.bottom() < below && place.left() >= 0 &&
                        place.right() < about->width());
                QVERIFY(free->minimumSizeHint().width() <= place.width() &&
                        free->heightForWidth(place.width()) <= place.height());
                above = place.bottom();
            }
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

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
