// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/mainwindow.h"

#include "cheat/cheatcommands.h"
#include "cheat/cheatmarks.h"
#include "cheat/wildcardwindow.h"
#include "info/aboutwindow.h"
#include "info/ruleswindow.h"
#include "mainwindow/accessibleroles.h"
#include "mainwindow/cardpicture.h"
#include "mainwindow/cardsizes.h"
#include "mainwindow/moveannouncer.h"
#include "mainwindow/tableaccessible.h"
#include "pictures/cardpictureload.h"
#include "play/playmenu.h"
#include "scores/halloffamewindow.h"
#include "scores/namerequest.h"
#include "ui/cardwords.h"
#include "ui/dialogs.h"
#include "ui/enginetexts.h"
#include "ui/labels.h"
#include "ui/menus.h"
#include "ui/windowkit.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <utility>

namespace corvelle {

namespace {

// Where every control sits, in twips relative to the client area, or to the game-over panel for
// the panel's own controls. The only place positions are written down.
constexpr Twips ClientArea{0, 0, 7635, 6240};
constexpr Twips TableSlotPlace(int slot) {
    return {60 + 1080 * (slot / Rows), 120 + 660 * (slot % Rows), 1035, 1575};
}
constexpr Twips DrawPilePlace(int i) {
    return {60 + 120 * i, 4500, 1035, 1575};
}
constexpr Twips DiscardPilePlace{3840, 4500, 1035, 1575};
constexpr Twips ScoreCaptionPlace{5100, 4380, 690, 240};
constexpr Twips ScorePlace{5820, 4380, 135, 240};
constexpr Twips HighScoreCaptionPlace{5100, 4620, 1545, 240};
constexpr Twips HighScorePlace{6660, 4620, 135, 240};
constexpr Twips GameOverPanelPlace{4980, 4860, 2535, 855};
constexpr Twips GameOverCaptionPlace{615, 180, 1260, 195}; // in the panel
constexpr Twips TryAgainPlace{300, 420, 915, 375};         // in the panel
constexpr Twips QuitPlace{1320, 420, 915, 375};            // in the panel
constexpr Twips UndoPlace{5040, 5820, 2475, 375};

// The score labels: bold and white, narrowed a little to the width of the face the layout was
// drawn with, so "Highest Score:" ends before the value beside it.
QLabel* scoreLabel(QWidget* parent, const char* name, const QString& text) {
    QLabel* label = makeLabel(parent, name, text,
                              LabelStyle().points(9.75).bold().coloured(Qt::white).narrowed(90));
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

} // namespace

MainWindow::MainWindow(const QString& highScoreDir, QWidget* parent, RandomSource* random)
    : QMainWindow(parent), pictures_(cardPictureDirectory(cardFaces())),
      game_(*this, random != nullptr ? *random : dealRandom_),
      highScores_(highScoreDir.isEmpty() ? highScoreDirectory() : highScoreDir,
                  highScoreDir.isEmpty() ? QCoreApplication::applicationDirPath() : QString()) {
    setObjectName(QStringLiteral("Form1"));
    createControls();
    createMenus();
    addShortcuts();
    startUp();
}

MainWindow::~MainWindow() {
    // The card pictures draw from the cache, a member: they go first.
    delete takeCentralWidget();
}

CardFaces MainWindow::cardFaces() {
    return OptionStore().loadLargePrint() ? CardFaces::LargePrint : CardFaces::Classic;
}

// Before the window exists its menu bar and frame are not known: a menu bar as high as its
// font with a little room, and a title bar about as high again, are allowed for. Measuring the
// font waits for the font list, which start-up reads on a thread of its own meanwhile; the
// pictures need not wait for it where a menu bar of any height up to twice its font's size
// leaves the same card size, as it does wherever the screen has room to spare.
QSize MainWindow::cardPictureSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int wanted = OptionStore().loadCardSize();
    if (screen == nullptr) {
        return pixels(DiscardPilePlace, wanted / 100.0).size();
    }
    const auto fitting = [&](int menuBar) {
        return fittingCardSize(wanted, pixels(ClientArea).size(), QSize(8, 2 * menuBar + 12),
                               screen->availableGeometry().size());
    };
    const QFont font = QApplication::font("QMenuBar");
    const double fontPixels = font.pixelSize() > 0
                                  ? font.pixelSize()
                                  : font.pointSizeF() * screen->logicalDotsPerInchY() / 72;
    int percent = fitting(10);
    if (percent != fitting(static_cast<int>(2 * fontPixels) + 10)) {
        percent = fitting(QFontMetrics(font).height() + 10);
    }
    return pixels(DiscardPilePlace, percent / 100.0).size();
}

void MainWindow::createControls() {
    table_ = createFixedClientArea(this, ClientArea);
    table_->setObjectName(QStringLiteral("table"));
    makeTableAccessible(table_);
    table_->setAccessibleName(tr("Card table"));
    table_->setAccessibleDescription(
        tr("Left and Right choose a card, Enter plays it, Space draws"));
    table_->installEventFilter(this);
    keyboard_.setTable(table_);
    // The table takes the keys, so that Space draws and never presses the undo button.
    table_->setFocusPolicy(Qt::StrongFocus);

    // Created in drawing order: a later sibling is drawn over an earlier one, so row r + 1
    // covers row r and draw-pile picture i + 1 covers picture i.
    for (int slot = 0; slot < TableSlots; ++slot) {
        tableCards_[slot] =
            layout_.place(new CardPicture(pictures_, table_), "Image1", TableSlotPlace(slot));
        tableCards_[slot]->setProperty("index", slot);
        // The keyboard's choice takes the focus, so a screen reader follows it.
        tableCards_[slot]->setFocusPolicy(Qt::ClickFocus);
        tableCards_[slot]->installEventFilter(this);
        connect(tableCards_[slot], &CardPicture::clicked, this,
                [this, slot] { onTableCardClicked(slot); });
    }
    for (int i = 0; i < DrawPilePictures; ++i) {
        drawPile_[i] =
            layout_.place(new CardPicture(pictures_, table_), "Image2", DrawPilePlace(i));
        drawPile_[i]->setProperty("index", i);
        drawPile_[i]->setPlace(i == 0 ? CardPlace::DrawPile : CardPlace::DrawPileBack);
        connect(drawPile_[i], &CardPicture::clicked, this, [this, i] { onDrawPileClicked(i); });
    }
    discardPile_ = layout_.place(new CardPicture(pictures_, table_), "Image3", DiscardPilePlace);
    connect(discardPile_, &CardPicture::clicked, this, &MainWindow::onDiscardPileClicked);
    discardPile_->setPlace(CardPlace::DiscardPile);
    for (int slot = 0; slot < TableSlots; ++slot) {
        tableCards_[slot]->setPlace(CardPlace::TableSlot,
                                    slot % Rows < Rows - 1 ? tableCards_[slot + 1] : nullptr);
    }

    scoreCaption_ =
        layout_.place(scoreLabel(table_, "Label2", tr("Score:")), "Label2", ScoreCaptionPlace);
    scoreLabel_ =
        layout_.place(scoreLabel(table_, "Label3", QStringLiteral("0")), "Label3", ScorePlace);
    highScoreCaption_ = layout_.place(scoreLabel(table_, "Label4", tr("Highest Score:")), "Label4",
                                      HighScoreCaptionPlace);
    highScoreLabel_ =
        layout_.place(scoreLabel(table_, "Label5", QStringLiteral("0")), "Label5", HighScorePlace);
    layout_.follow(scoreLabel_, scoreCaption_);
    layout_.follow(highScoreLabel_, highScoreCaption_);

    gameOverPanel_ = layout_.place(new QFrame(table_), "Frame1", GameOverPanelPlace);
    setAccessibleRole(gameOverPanel_, QAccessible::Grouping);
    gameOverPanel_->setAccessibleName(tr("Game over"));
    gameOverPanel_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    gameOverPanel_->setAutoFillBackground(true);
    gameOverPanel_->setAttribute(Qt::WA_NoMousePropagation);
    layout_.place(makeLabel(gameOverPanel_, "Label1", tr("Sorry Game Over!"),
                            LabelStyle().inWindowFont().points(8.25).coloured(Qt::black)),
                  "Label1", GameOverCaptionPlace);
    tryAgainButton_ =
        layout_.place(new QPushButton(tr("Try Again"), gameOverPanel_), "Command1", TryAgainPlace);
    quitButton_ = layout_.place(new QPushButton(tr("Quit"), gameOverPanel_), "Command2", QuitPlace);
    gameOverPanel_->hide();
    undoButton_ =
        layout_.place(new QPushButton(tr("Undo Last Card Move"), table_), "Command3", UndoPlace);
    for (QPushButton* button : {tryAgainButton_, quitButton_, undoButton_}) {
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
    }
    announcer_ = new MoveAnnouncer(table_);
    setTabOrder(tryAgainButton_, quitButton_);
    setTabOrder(quitButton_, undoButton_);
    connect(tryAgainButton_, &QPushButton::clicked, this, &MainWindow::onTryAgainClicked);
    connect(quitButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(undoButton_, &QPushButton::clicked, this, &MainWindow::onUndoClicked);

    setWindowIcon(QIcon(pictures_.pixmap(CardBackPicture, pixels(DiscardPilePlace).size(), 1.0)));
}

// The whole window drawn `percent` percent of its laid-out size, pictures and fonts included.
void MainWindow::setCardSize(int percent) {
    table_->setFixedSize(pixels(ClientArea, percent / 100.0).size());
    layout_.setScale(percent / 100.0);
    shownCardSize_ = percent;
    for (QAction* item : cardSizeItems_) {
        item->setChecked(item->data().toInt() == percent);
    }
}

// The View menu offers the card sizes whose window fits the screen's available area, and the
// window shows the size the player chose, or the largest that fits when it does not: at
// start-up, and whenever the window moves to another screen or the screen's area changes.
void MainWindow::showFittingCardSize() {
    const QScreen* shownOn = screen();
    if (shownOn == nullptr) {
        setCardSize(wantedCardSize_);
        return;
    }
    const QWindow* handle = windowHandle();
    const QMargins frame = handle != nullptr && isVisible() ? handle->frameMargins() : QMargins();
    // A frame not known yet (the window not shown) is allowed for as a title bar.
    const int titleBar = handle != nullptr && isVisible() ? 0 : menuBar()->sizeHint().height() + 12;
    const QSize around(frame.left() + frame.right(),
                       menuBar()->sizeHint().height() + frame.top() + frame.bottom() + titleBar);
    const QSize client = pixels(ClientArea).size();
    const QSize available = shownOn->availableGeometry().size();
    for (QAction* item : cardSizeItems_) {
        item->setVisible(cardSizeFits(item->data().toInt(), client, around, available));
    }
    const int percent = fittingCardSize(wantedCardSize_, client, around, available);
    if (percent != shownCardSize_) {
        setCardSize(percent);
    }
}

// The card faces the player chose: their pictures are checked (a set that cannot be shown is
// refused, and the faces stay as they were), then shown, and the choice is kept.
void MainWindow::setCardFaces(CardFaces faces) {
    const auto load =
        startCardPictureLoad(pixels(DiscardPilePlace, shownCardSize_ / 100.0).size(), faces);
    const QStringList problems = load->problems();
    const bool large =
        problems.isEmpty() ? faces == CardFaces::LargePrint : cardFaces() == CardFaces::LargePrint;
    classicFacesItem_->setChecked(!large);
    largeFacesItem_->setChecked(large);
    if (!problems.isEmpty()) {
        tell(tr("These card faces cannot be shown because some of their pictures are missing "
                "or damaged, so the cards keep the faces they have.\n\nPicture folder: %1\n\n%2")
                 .arg(QDir::toNativeSeparators(QDir(load->directory()).absolutePath()),
                      problems.join(QStringLiteral(", "))));
        return;
    }
    optionStore_.saveLargePrint(large);
    pictures_.setDirectory(load->directory());
    for (CardPicture* card : findChildren<CardPicture*>()) {
        card->update();
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (QWindow* handle = windowHandle(); handle != nullptr && !watchingScreen_) {
        watchingScreen_ = true;
        connect(handle, &QWindow::screenChanged, this, [this](QScreen* now) {
            if (now != nullptr) {
                connect(now, &QScreen::availableGeometryChanged, this,
                        &MainWindow::showFittingCardSize, Qt::UniqueConnection);
            }
            showFittingCardSize();
        });
        if (QScreen* now = handle->screen()) {
            connect(now, &QScreen::availableGeometryChanged, this, &MainWindow::showFittingCardSize,
                    Qt::UniqueConnection);
        }
    }
    showFittingCardSize();
}

void MainWindow::createMenus() {
    QMenuBar* bar = menuBar();
    bar->addMenu(createGameMenu());
    bar->addMenu(createOptionMenus());
    bar->addMenu(createViewMenu());
    QMenu* help = createHelpMenu();
    bar->addMenu(help);

    play_ = new PlayMenu(this, game_, help->menuAction());
    connect(play_, &PlayMenu::resumed, this, &MainWindow::onGameResumed);
    connect(play_, &PlayMenu::hintChanged, this, &MainWindow::onHintChanged);
    connect(play_, &PlayMenu::message, this, qOverload<const QString&>(&MainWindow::tell));
}

QMenu* MainWindow::createGameMenu() {
    QMenu* menu = makeMenu(menuBar(), "mnuGame", tr("&Game"));
    QAction* newGame = addMenuItem(menu, "mnuNewGame", tr("&NewGame"));
    newGame->setShortcuts({QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_N)});
    connect(newGame, &QAction::triggered, this, [this] { play_->newGame(); });
    addSeparator(menu, "mnuSeperator1");
    QAction* highScores = addMenuItem(menu, "mnuHighScores", tr("&High Scores"));
    highScores->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(highScores, &QAction::triggered, this, &MainWindow::openHallOfFame);
    addSeparator(menu, "mnuSeperator2");
    QAction* exit = addMenuItem(menu, "mnuExit", tr("E&xit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    return menu;
}

// One submenu per option group with its items from OptionItems, exclusive within the group;
// the cheat commands follow the first group.
QMenu* MainWindow::createOptionMenus() {
    QMenu* options = makeMenu(menuBar(), "mnuOptions", tr("&Options"));
    for (const OptionMenu& group : OptionMenus) {
        QMenu* submenu = makeMenu(options, group.control, optionCaption(group.caption));
        auto* exclusive = new QActionGroup(submenu);
        for (std::size_t i = 0; i < OptionItems.size(); ++i) {
            if (OptionItems[i].group == group.group) {
                QAction* item =
                    addCheckItem(submenu, OptionItems[i].control,
                                 optionCaption(OptionItems[i].caption), OptionItems[i].defaultMark);
                exclusive->addAction(item);
                connect(item, &QAction::triggered, this, [this, i] { onOptionChosen(i); });
            }
        }
        options->addMenu(submenu);
        if (group.group == OptionGroup::DrawingMethod) {
            QMenu* cheats = makeMenu(options, "mnuCheatMode", tr("Cheat Options"));
            QAction* select = addMenuItem(cheats, "mnuSelectWildCards", tr("Select Wild Cards"));
            connect(select, &QAction::triggered, this, &MainWindow::onSelectWildCards);
            cheatsEnabledItem_ = addCheckItem(cheats, "mnuCheatsEnabled", tr("Cheats Enabled"));
            connect(cheatsEnabledItem_, &QAction::triggered, this,
                    [this] { changeCheats(enableCheats); });
            disableCheatsItem_ =
                addCheckItem(cheats, "mnuDisableCheats", tr("Disable Cheats"), true);
            connect(disableCheatsItem_, &QAction::triggered, this,
                    [this] { changeCheats(disableCheats); });
            options->addMenu(cheats);
        }
    }
    return options;
}

QMenu* MainWindow::createViewMenu() {
    QMenu* view = makeMenu(menuBar(), "mnuView", tr("&View"));
    auto* sizes = new QActionGroup(view);
    for (const CardSize& size : CardSizes) {
        QAction* item = addCheckItem(view, "mnuCardSize", tr(size.caption));
        item->setData(size.percent);
        item->setShortcut(size.key);
        sizes->addAction(item);
        cardSizeItems_.push_back(item);
        connect(item, &QAction::triggered, this, [this, percent = size.percent] {
            wantedCardSize_ = percent;
            optionStore_.saveCardSize(percent);
            setCardSize(percent);
            showFittingCardSize();
        });
    }
    addSeparator(view, "mnuViewSeparator1");
    QMenu* faces = makeMenu(view, "mnuCardFaces", tr("Card &Faces"));
    auto* facesGroup = new QActionGroup(faces);
    const bool large = cardFaces() == CardFaces::LargePrint;
    classicFacesItem_ = addCheckItem(faces, "mnuClassicFaces", tr("&Classic"), !large);
    largeFacesItem_ = addCheckItem(faces, "mnuLargePrintFaces", tr("&Large Print"), large);
    for (QAction* item : {classicFacesItem_, largeFacesItem_}) {
        facesGroup->addAction(item);
        connect(item, &QAction::triggered, this, [this, item] {
            setCardFaces(item == largeFacesItem_ ? CardFaces::LargePrint : CardFaces::Classic);
        });
    }
    view->addMenu(faces);
    return view;
}

QMenu* MainWindow::createHelpMenu() {
    QMenu* help = makeMenu(menuBar(), "mnuHelp", tr("&Help"));
    QAction* about = addMenuItem(help, "mnuAboutCorvelle", tr("About Corvelle"));
    connect(about, &QAction::triggered, this, [this] { openAboutWindow(this); });
    QAction* rules = addMenuItem(help, "mnuGameRules", tr("Game Rules"));
    rules->setShortcut(QKeySequence(Qt::Key_F1));
    connect(rules, &QAction::triggered, this, [this] { openRulesWindow(this); });
    return help;
}

// The undo button's command has a key of its own.
void MainWindow::addShortcuts() {
    auto* undo = new QAction(this);
    undo->setObjectName(QStringLiteral("undoShortcut"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(undo, &QAction::triggered, this, &MainWindow::onUndoClicked);
    addAction(undo);
}

// ---- Start-up ----

void MainWindow::startUp() {
    tell(play_->loadStatistics());
    loadSettings();
    wantedCardSize_ = optionStore_.loadCardSize();
    showFittingCardSize();
    setWindowTitle(QStringLiteral("Corvelle v" CORVELLE_VERSION));
    showCheatMarks();
    game_.start();
    loadHighScores();
    play_->newGame();
    table_->setFocus();
}

void MainWindow::loadSettings() {
    Options options;
    optionStore_.loadSettings(options, optionMarks_);
    game_.setOptions(options);
    showOptionMarks();
    tell(optionStore_.takeProblem());
}

void MainWindow::loadHighScores() {
    tell(highScores_.loadHighScores());
    showBestHighScore();
}

// ---- The player's actions ----

void MainWindow::onTableCardClicked(int slot) {
    const GameState before = game_.state();
    afterAction(PlayerAction::playCard(slot), before, game_.clickTableSlot(slot));
}

void MainWindow::onDrawPileClicked(int index) {
    const GameState before = game_.state();
    afterAction(PlayerAction::draw(), before, game_.clickDrawPile(index));
}

void MainWindow::onDiscardPileClicked() {
    const GameState before = game_.state();
    afterAction(PlayerAction::draw(), before, game_.clickDiscardPile());
}

void MainWindow::onBackgroundClicked() {
    const GameState before = game_.state();
    afterAction(PlayerAction::draw(), before, game_.clickBackground());
}

void MainWindow::onTryAgainClicked() {
    play_->newGame();
    gameOverPanel_->hide();
}

void MainWindow::onUndoClicked() {
    const GameState before = game_.state();
    game_.undoLastMove();
    afterAction(PlayerAction::undo(), before, Outcome::Nothing);
}

void MainWindow::onSelectWildCards() {
    WildCardWindow* window = openWildCardWindow(game_.state().cheat, this);
    connect(window, &WildCardWindow::choiceMade, this, [this](const CheatChoice& choice) {
        game_.setCheatChoice(choice);
        showCheatMarks();
    });
}

void MainWindow::changeCheats(void (*command)(CheatChoice&)) {
    CheatChoice choice = game_.state().cheat;
    command(choice);
    game_.setCheatChoice(choice);
    showCheatMarks();
}

void MainWindow::onOptionChosen(std::size_t item) {
    Options options = game_.state().options;
    optionStore_.choose(item, options, optionMarks_);
    game_.setOptions(options);
    showOptionMarks();
    if (OptionItems[item].group == OptionGroup::Scoring) {
        setScoreLabelsVisible(options.scoringOn);
    }
}

// ---- After an action ----

// A game that ends with a score good enough for the Hall of Fame: the player's name, the entry
// (saved at once), a new deal, and the Hall of Fame window unless the player turned it off. The
// Play menu records every round and game that ends, and deals the new game.
void MainWindow::afterAction(const PlayerAction& action, const GameState& before, Outcome outcome) {
    const bool entered = outcome == Outcome::GameOver && enterHallOfFame();
    play_->afterAction(action, before, outcome, entered);
    if (entered && game_.state().options.showHighScoresPopup) {
        openHallOfFame();
    }
}

// The final score's place in the Hall of Fame, if it earns one: the name asked and the entry
// saved. True when it was entered.
bool MainWindow::enterHallOfFame() {
    const GameState& state = game_.state();
    const std::optional<int> place = highScores_.placeFor(state.score);
    if (!place) {
        return false;
    }
    tell(highScores_.record(*place, state.score, state.peakScore,
                            askHallOfFameName(state.wildCardsPlayed >= 1)));
    showBestHighScore();
    return true;
}

void MainWindow::openHallOfFame() {
    HallOfFameWindow* window = HallOfFameWindow::showFor(this, &highScores_);
    connect(window, &HallOfFameWindow::highScoresCleared, this, &MainWindow::onHighScoresCleared,
            Qt::UniqueConnection);
    emit hallOfFameOpened(window);
}

void MainWindow::onHighScoresCleared() {
    showBestHighScore();
    play_->newGame();
}

// A resumed game brings its own options and wild cards: the menus show them, and the options are
// kept as if the player had chosen them.
void MainWindow::onGameResumed() {
    const OptionMarks held = optionMarksOf(game_.state().options);
    for (std::size_t item = 0; item < OptionItems.size(); ++item) {
        if (held[item] && !optionMarks_[item]) {
            onOptionChosen(item);
        }
    }
    showCheatMarks();
    setScoreLabelsVisible(game_.state().options.scoringOn);
}

void MainWindow::onHintChanged(HintTarget target) {
    for (int slot = 0; slot < TableSlots; ++slot) {
        CardPicture* card = tableCards_[slot];
        if (card->outline() == CardPicture::Outline::Hint || target.isTableCard(slot)) {
            card->setOutline(target.isTableCard(slot) ? CardPicture::Outline::Hint
                                                      : CardPicture::Outline::None);
        }
    }
    discardPile_->setOutline(target.isDiscardPile() ? CardPicture::Outline::Hint
                                                    : CardPicture::Outline::None);
    // The hinted card becomes the keyboard's choice, so Enter plays it; and the hint is said.
    switch (target.kind) {
    case HintTarget::Kind::TableCard:
        keyboard_.choose(target.slot);
        announcer_->say(
            tr("Hint: play the %1").arg(cardWords(game_.state().tableCards[target.slot])));
        break;
    case HintTarget::Kind::DiscardPile:
        announcer_->say(tr("Hint: draw"));
        break;
    case HintTarget::Kind::DeadEnd:
        announcer_->say(tr("Hint: no move can add to your score now"));
        break;
    case HintTarget::Kind::Nothing:
        break;
    }
    keyboard_.refresh();
}

void MainWindow::tell(const QString& text) {
    if (!text.isEmpty()) {
        dialogs().message(text);
    }
}

void MainWindow::tell(const QStringList& texts) {
    for (const QString& text : texts) {
        tell(text);
    }
}

// The game in progress is kept as the window closes, and the statistics written.
void MainWindow::closeEvent(QCloseEvent* event) {
    play_->windowClosing();
    QMainWindow::closeEvent(event);
}

// ---- What the menus and labels show ----

void MainWindow::showBestHighScore() {
    showHighestScore(highScores_.bestText().toStdString());
    game_.setHighScoreToBeat(highScores_.bestToBeat());
}

// A checkable item flips its own mark when chosen; the marks are always put back to what the
// options and the cheat state say.
void MainWindow::showOptionMarks() {
    for (std::size_t i = 0; i < OptionItems.size(); ++i) {
        if (auto* action = findChild<QAction*>(QLatin1String(OptionItems[i].control))) {
            action->setChecked(optionMarks_[i]);
        }
    }
}

void MainWindow::showCheatMarks() {
    corvelle::showCheatMarks(game_.state().cheat, cheatsEnabledItem_, disableCheatsItem_);
}

void MainWindow::setScoreLabelsVisible(bool visible) {
    for (QLabel* label : {scoreCaption_, scoreLabel_, highScoreCaption_, highScoreLabel_}) {
        label->setVisible(visible);
    }
}

// ---- Keys and the background ----

// Left and Right choose a column's free card, Enter plays it; Space or D draws.
bool MainWindow::keyOnTable(const QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        keyboard_.move(key->key() == Qt::Key_Left ? -1 : 1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        playChosenCard();
        return true;
    case Qt::Key_Space:
    case Qt::Key_D:
        onDiscardPileClicked();
        return true;
    default:
        return false;
    }
}

// Enter plays the chosen card; when there is nothing to play, a screen reader is told why.
void MainWindow::playChosenCard() {
    const int slot = keyboard_.chosenSlot();
    const GameState& state = game_.state();
    if (slot >= 0 && game_.canPlay(slot)) {
        onTableCardClicked(slot);
    } else if (state.gameOver) {
        announcer_->say(tr("The game is over"));
    } else if (slot < 0) {
        announcer_->say(tr("No card is chosen: Left and Right choose one"));
    } else {
        announcer_->say(tr("The %1 does not fit on the %2")
                            .arg(cardWords(state.tableCards[slot]), cardWords(state.discardTop)));
    }
}

// The window's own table and its cards: their keys, and a click on the bare background.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool onTable = watched == table_ || (watched->parent() == table_ &&
                                               qobject_cast<CardPicture*>(watched) != nullptr);
    if (onTable && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier &&
        keyOnTable(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (watched == table_) {
        if (event->type() == QEvent::MouseButtonPress) {
            backgroundPressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool click = backgroundPressed_ && mouse->button() == Qt::LeftButton &&
                               table_->rect().contains(mouse->position().toPoint());
            backgroundPressed_ = false;
            if (click) {
                onBackgroundClicked();
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- What the game shows ----

void MainWindow::showCard(int index, int code, ShowTarget target) {
    announcer_->showCard(index, code, target);
    if (target == ShowTarget::TableSlot && index >= 0 && index < TableSlots) {
        tableCards_[index]->setPicture(code);
    } else if (target == ShowTarget::DiscardPile) {
        discardPile_->setPicture(code);
    } else if (target == ShowTarget::DrawPile && index >= 0 && index < DrawPilePictures) {
        drawPile_[index]->setPicture(code);
    }
}

void MainWindow::setSlotVisible(int slot, bool visible) {
    announcer_->setSlotVisible(slot, visible);
    if (slot >= 0 && slot < TableSlots) {
        tableCards_[slot]->setVisible(visible);
        keyboard_.refresh(); // the chosen column's free card may have changed
    }
}

void MainWindow::setDrawPileVisible(int index, bool visible) {
    announcer_->setDrawPileVisible(index, visible);
    if (index >= 0 && index < DrawPilePictures) {
        drawPile_[index]->setVisible(visible);
    }
}

void MainWindow::setLabelText(QLabel* label, std::string_view text) {
    label->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    layout_.fit(label);
}

void MainWindow::showScore(std::string_view text) {
    setLabelText(scoreLabel_, text);
    scoreLabel_->setAccessibleName(tr("Score %1").arg(scoreLabel_->text()));
    announcer_->showScore(text);
}

void MainWindow::showHighestScore(std::string_view text) {
    setLabelText(highScoreLabel_, text);
    highScoreLabel_->setAccessibleName(tr("Highest score %1").arg(highScoreLabel_->text()));
}

void MainWindow::setGameOverPanelVisible(bool visible) {
    announcer_->setGameOverPanelVisible(visible);
    gameOverPanel_->setVisible(visible);
}

void MainWindow::showMessage(std::string_view text) {
    tell(engineText(text));
}

} // namespace corvelle
