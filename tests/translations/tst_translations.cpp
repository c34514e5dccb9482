// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/card.h"
#include "play/reviewwindow.h"
#include "tests/support/windowdriver.h"
#include "ui/cardwords.h"
#include "ui/scaledlayout.h"
#include "ui/translations.h"

using namespace corvelle;
using namespace corvelle::test;

namespace {

QString withoutAccessKeys(QString text) {
    return text.replace(QLatin1String("&&"), QLatin1String("\x01"))
        .remove('&')
        .replace('\x01', '&');
}

// The room a control leaves its text, and the width its text takes.
int textRoom(QWidget* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool box = qobject_cast<QCheckBox*>(button) != nullptr;
        return control->style()
            ->subElementRect(box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents,
                             &option, button)
            .width();
    }
    return control->contentsRect().width();
}

// Every label, button and box of `window` whose text is cut: wider than the room its control
// leaves it, higher for a label that wraps, or running over another control beside it.
QStringList cutTexts(QWidget* window) {
    QStringList cut;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(control);
        auto* button = qobject_cast<QAbstractButton*>(control);
        if ((label == nullptr && button == nullptr) || !control->isVisibleTo(window)) {
            continue;
        }
        const QString text = label != nullptr ? label->text() : withoutAccessKeys(button->text());
        const QFontMetrics metrics(control->font());
        const int width = metrics.horizontalAdvance(text);
        const QString name = control->objectName() + ": " + text;
        if (label != nullptr && label->wordWrap()) {
            if (label->heightForWidth(label->contentsRect().width()) > label->height()) {
                cut << name + " (too many lines)";
            }
            continue;
        }
        if (width > textRoom(control)) {
            cut << QString("%1 (%2 px in %3)").arg(name).arg(width).arg(textRoom(control));
            continue;
        }
        if (!control->parentWidget()->rect().contains(control->geometry())) {
            cut << name + " (past the edge)";
            continue;
        }
        if (label == nullptr || text.isEmpty()) {
            continue;
        }
        const QRect drawn =
            QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                QSize(width, metrics.height()), label->contentsRect())
                .translated(label->pos());
        for (QWidget* other : control->parentWidget()->findChildren<QWidget*>(
                 QString(), Qt::FindDirectChildrenOnly)) {
            const bool showsText =
                qobject_cast<QLabel*>(other) || qobject_cast<QAbstractButton*>(other);
            if (other != control && showsText && other->isVisibleTo(window) &&
                drawn.intersects(other->geometry())) {
                cut << name + " (runs over " + other->objectName() + ")";
            }
        }
    }
    return cut;
}

// The menus of a menu bar that do not fit in one row across it.
QStringList menusOffTheBar(QMenuBar* bar) {
    QStringList off;
    for (QAction* menu : bar->actions()) {
        const QRect place = bar->actionGeometry(menu);
        if (place.isEmpty() || !bar->rect().contains(place) ||
            place.top() != bar->actionGeometry(bar->actions().first()).top()) {
            off << menu->text();
        }
    }
    return off;
}

// Every text of a window and its menus, by object name, in order.
QStringList textsOf(QWidget* window) {
    QStringList texts{window->windowTitle()};
    for (QObject* each : window->findChildren<QObject*>()) {
        if (auto* action = qobject_cast<QAction*>(each)) {
            texts << each->objectName() + "|" + action->text();
        } else if (auto* label = qobject_cast<QLabel*>(each)) {
            texts << each->objectName() + "|" + label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(each)) {
            texts << each->objectName() + "|" + button->text();
        }
        if (auto* widget = qobject_cast<QWidget*>(each)) {
            texts << each->objectName() + "|" + widget->accessibleName();
        }
    }
    return texts;
}

// Access keys used twice within one menu, as "Menu: key".
QStringList repeatedAccessKeys(const QList<QAction*>& actions, const QString& menu) {
    QStringList repeated;
    QSet<QChar> keys;
    for (QAction* action : actions) {
        const QString text = QString(action->text()).remove(QLatin1String("&&"));
        if (const qsizetype at = text.indexOf('&'); at >= 0 && at + 1 < text.size()) {
            const QChar key = text.at(at + 1).toLower();
            if (keys.contains(key)) {
                repeated << menu + ": " + key;
            }
            keys.insert(key);
        }
        if (action->menu() != nullptr) {
            repeated << repeatedAccessKeys(action->menu()->actions(), action->text());
        }
    }
    return repeated;
}

} // namespace

// Corvelle in German, French and Spanish: the language the locale asks for, menus and card
// names in it, Qt's own dialog buttons with them, and no text cut in any window at any card size.
class TestTranslations : public QObject {
    Q_OBJECT

    WindowFixture fixture_;

private slots:
    void initTestCase() { QVERIFY(fixture_.setUp()); }
    void cleanup() {
        fixture_.reset();
        useLanguageOf(QLocale::c());
    }

    void theLocalesFirstLanguageWithATranslationIsTaken_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("taken");
        for (const auto& [locale, taken] : {std::pair{"de_DE", "de"},
                                            {"de_AT", "de"},
                                            {"fr_CA", "fr"},
                                            {"es_MX", "es"},
                                            {"en_US", ""},
                                            {"C", ""},
                                            {"pt_BR", ""}}) { // Portuguese has no translation
            QTest::newRow(locale) << QString(locale) << QString(taken);
        }
    }
    void theLocalesFirstLanguageWithATranslationIsTaken() {
        QFETCH(QString, locale);
        QFETCH(QString, taken);
        useLanguageOf(QLocale("de_DE"));
        QCOMPARE(useLanguageOf(QLocale(locale)), taken);
        // The language before is gone: English when none is taken.
        QCOMPARE(cardWords(BlackJoker) == "Black Joker", taken.isEmpty());
    }

    // The check of cut texts finds a label, a button and a box too narrow for their texts, and a
    // label drawn over its neighbour, and passes the same controls given room.
    void cutTextsAreFound() {
        QWidget window;
        auto* label = new QLabel("Undo Last Card Move", &window);
        auto* button = new QPushButton("Undo Last Card Move", &window);
        auto* box = new QCheckBox("Undo Last Card Move", &window);
        auto* neighbour = new QLabel("7", &window);
        for (QWidget* each : std::initializer_list<QWidget*>{label, button, box, neighbour}) {
            each->setObjectName(each->metaObject()->className());
        }
        label->setGeometry(0, 0, 60, 20);
        button->setGeometry(0, 30, 60, 25);
        box->setGeometry(0, 60, 60, 20);
        neighbour->setGeometry(300, 0, 20, 20);
        QCOMPARE(cutTexts(&window).size(), 3);
        for (QWidget* each : std::initializer_list<QWidget*>{label, button, box}) {
            each->resize(280, each->height());
        }
        QCOMPARE(cutTexts(&window), QStringList());
        label->setAlignment(Qt::AlignRight);
        label->resize(320, label->height()); // drawn at the right, over the neighbour
        QCOMPARE(cutTexts(&window), QStringList({"QLabel: Undo Last Card Move (runs over QLabel)",
                                                 "QLabel: 7 (runs over QLabel)"}));
    }

    // Under the C or an English locale, after another language, every text of the main window
    // and its menus is the one the sources give, as with no translation installed at all.
    void englishTextsAreTheSourceTexts() {
        QStringList source;
        {
            ScriptedRandom random({stuckDeck()});
            auto window = fixture_.open(&random);
            source = textsOf(window.get());
        }
        fixture_.reset();
        for (const char* locale : {"C", "en_US", "en_GB"}) {
            useLanguageOf(QLocale("de_DE"));
            QCOMPARE(useLanguageOf(QLocale(locale)), QString());
            ScriptedRandom random({stuckDeck()});
            auto window = fixture_.open(&random);
            QCOMPARE(textsOf(window.get()), source);
            QCOMPARE(window->menuBar()->actions().at(0)->text(), "&Game");
            window.reset();
            fixture_.reset();
        }
    }

    // The window in the language of the locale the environment gives, as main() takes it: run by
    // the test translations_german_locale under LANG=de_DE.UTF-8, which names the menu to expect.
    void theSystemLocaleIsTaken() {
        const QString gameMenu = qEnvironmentVariable("CORVELLE_GAME_MENU");
        if (gameMenu.isEmpty()) {
            QSKIP("run by translations_german_locale, under the locale it sets");
        }
        useLanguageOf(QLocale::system());
        auto window = fixture_.open();
        QCOMPARE(window->menuBar()->actions().at(0)->text(), gameMenu);
    }

    // Under English the card words are the engine's own, for every card.
    void englishCardWordsAreTheEngines() {
        for (int code = 0; code <= DeckSize + 1; ++code) {
            QCOMPARE(cardWords(code), QString::fromStdString(cardName(code)));
        }
    }

    // In each language the menus, with no access key twice in one menu, the card names and Qt's
    // own dialog buttons speak it. The main window at every card size with the game-over panel
    // shown and the largest score the Hall of Fame can hold, and every window it opens: no text
    // runs past its control.
    void speaksTheLanguageWithNoTextCut_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("gameMenu");
        QTest::addColumn<QString>("sevenOfHearts");
        QTest::addColumn<QString>("cancel");
        const std::array<const char*, 5> rows[]{
            {"English", "en_GB", "&Game", "Seven of Hearts", "Cancel"},
            {"German", "de_DE", "&Spiel", "Herz Sieben", "Abbrechen"},
            {"French", "fr_FR", "&Partie", "Sept de Cœur", "Annuler"},
            {"Spanish", "es_ES", "&Partida", "Siete de Corazones", "Cancelar"}};
        for (const auto& [name, language, menu, seven, cancel] : rows) {
            QTest::newRow(name) << QString(language) << QString(menu) << QString(seven)
                                << QString(cancel);
        }
    }
    void speaksTheLanguageWithNoTextCut() {
        QFETCH(QString, language);
        QFETCH(QString, gameMenu);
        QFETCH(QString, sevenOfHearts);
        QFETCH(QString, cancel);
        useLanguageOf(QLocale(language));
        QVERIFY(fixture_.fillHallOfFame(2147483647));
        ScriptedRandom random({stuckDeck()});
        auto window = fixture_.open(&random);
        QCOMPARE(window->menuBar()->actions().at(0)->text(), gameMenu);
        const QStringList repeated = repeatedAccessKeys(window->menuBar()->actions(), "menu bar");
        QVERIFY2(repeated.isEmpty(), qPrintable(repeated.join("; ")));
        QCOMPARE(cardWords(cardCode(Suit::Hearts, 7)), sevenOfHearts);
        // Qt's own text, with or without an access key as the platform's theme has it.
        QCOMPARE(withoutAccessKeys(QDialogButtonBox(QDialogButtonBox::Cancel)
                                       .button(QDialogButtonBox::Cancel)
                                       ->text()),
                 cancel);
        QCOMPARE(labelText(*window, "Label5"), "2147483647");
        window->setGameOverPanelVisible(true);
        for (QAction* size : window->findChildren<QAction*>("mnuCardSize")) {
            QVERIFY2(size->isVisible(), qPrintable(size->text()));
            size->trigger();
            QVERIFY2(cutTexts(window.get()).isEmpty(),
                     qPrintable(size->text() + ": " + cutTexts(window.get()).join("; ")));
            if (language == "en_GB") { // the classic places of the score values
                const qreal scale = size->data().toInt() / 100.0;
                QCOMPARE(control(*window, "Label3")->pos(),
                         pixels({5820, 4380, 135, 240}, scale).topLeft());
                QCOMPARE(control(*window, "Label5")->pos(),
                         pixels({6660, 4620, 135, 240}, scale).topLeft());
            }
            QVERIFY2(
                menusOffTheBar(window->menuBar()).isEmpty(),
                qPrintable(size->text() + ": " + menusOffTheBar(window->menuBar()).join("; ")));
        }
        click(*window, "Image3"); // a step for the review
        const std::pair<const char*, const char*> windows[]{
            {"mnuGameRules", "Form2"},           {"mnuAboutCorvelle", "Form5"},
            {"mnuSelectWildCards", "Form6"},     {"mnuHighScores", "Form4"},
            {"mnuStatistics", "FormStatistics"}, {"mnuReviewThisRound", "FormReview"}};
        for (const auto& [item, name] : windows) {
            menuItem(*window, item)->trigger();
            QWidget* opened = topLevel(name);
            QVERIFY2(opened != nullptr, name);
            if (auto* review = qobject_cast<ReviewWindow*>(opened)) {
                QTRY_VERIFY_WITH_TIMEOUT(review->ready(), 60000);
                auto* steps = review->findChild<QTreeWidget*>("Steps");
                steps->setCurrentItem(steps->topLevelItem(0));
            }
            QVERIFY2(cutTexts(opened).isEmpty(), qPrintable(cutTexts(opened).join("; ")));
            if (auto* withMenus = qobject_cast<QMainWindow*>(opened)) {
                QCOMPARE(menusOffTheBar(withMenus->menuBar()), QStringList());
            }
            opened->close();
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
