#include "mainwindow/mainwindow.h"

#include "cheat/cheatcommands.h"
#include "cheat/cheatmarks.h"
#include "cheat/wildcardwindow.h"
#include "info/aboutwindow.h"
#include "info/ruleswindow.h"
#include "mainwindow/accessibleroles.h"
#include "mainwindow/cardpicture.h"
#include "mainwindow/moveannouncer.h"
#include "play/playmenu.h"
#include "play/productionrandom.h"
#include "scores/halloffamewindow.h"
#include "ui/dialogs.h"
#include "ui/windowkit.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>

#include <utility>

namespace corvelle {

namespace {

// Where every control sits, in twips relative to the client area, or to the game-over panel for
// the panel's own controls. The only place positions are written down.
constexpr Twips ClientArea{0, 0, 7635, 6240};
constexpr Twips Image1Place(int i) {
    return {60 + 1080 * (i / Rows), 120 + 660 * (i % Rows), 1035, 1575};
}
constexpr Twips Image2Place(int i) {
    return {60 + 120 * i, 4500, 1035, 1575};
}
constexpr Twips Image3Place{3840, 4500, 1035, 1575};
constexpr Twips Label2Place{5100, 4380, 690, 240};
constexpr Twips Label3Place{5820, 4380, 135, 240};
constexpr Twips Label4Place{5100, 4620, 1545, 240};
constexpr Twips Label5Place{6660, 4620, 135, 240};
constexpr Twips Frame1Place{4980, 4860, 2535, 855};
constexpr Twips Label1Place{615, 180, 1260, 195};   // in Frame1
constexpr Twips Command1Place{300, 420, 915, 375};  // in Frame1
constexpr Twips Command2Place{1320, 420, 915, 375}; // in Frame1
constexpr Twips Command3Place{5040, 5820, 2475, 375};

// The card sizes of the "&View" menu, in percent.
constexpr std::array CardSizes{std::pair{100, "&Normal Cards (100%)"},
                               std::pair{150, "&Large Cards (150%)"},
                               std::pair{200, "&Huge Cards (200%)"}};

QLabel* scoreLabel(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QLatin1String(name));
    // The face the layout was drawn with, MS Sans Serif, is not on a Linux desktop; DejaVu Sans,
    // which the set-up installs, stands in for it (named directly: looking for a substitute
    // costs start-up time).
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    font.setBold(true);
    // Narrowed a little to the width of the original face, so "Highest Score:" ends before
    // the value beside it.
    font.setStretch(90);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

QAction* menuItem(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QLatin1String(name));
    return action;
}

// An option item: shows a check mark when chosen.
QAction* optionItem(QMenu* menu, const char* name, const char* caption, bool ticked = false) {
    QAction* action = menuItem(menu, name, caption);
    action->setCheckable(true);
    action->setChecked(ticked);
    return action;
}

QAction* separator(QMenu* menu, const char* name) {
    QAction* action = menu->addSeparator();
    action->setObjectName(QLatin1String(name));
    return action;
}

QMenu* menu(QWidget* parent, const char* name, const char* caption) {
    auto* result = new QMenu(QString::fromLatin1(caption), parent);
    result->setObjectName(QLatin1String(name));
    result->menuAction()->setObjectName(QLatin1String(name));
    return result;
}

} // namespace

MainWindow::MainWindow(const QString& highScoreDir, QWidget* parent, RandomSource* random)
    : QMainWindow(parent), pictures_(cardPictureDirectory()),
      game_(*this, random != nullptr ? *random : dealRandom_),
      highScores_(highScoreDir.isEmpty() ? highScoreDirectory() : highScoreDir,
                  highScoreDir.isEmpty() ? QCoreApplication::applicationDirPath() : QString()) {
    setObjectName(QStringLiteral("Form1"));
    createControls();
    createMenus();
    connectMenus();
    addShortcuts();
    Form_Load();
}

MainWindow::~MainWindow() {
    // The card pictures draw from the cache, a member: they go first.
    delete takeCentralWidget();
}

QSize MainWindow::cardPictureSize() {
    return pixels(Image3Place, OptionStore().loadCardSize() / 100.0).size();
}

void MainWindow::createControls() {
    table_ = createFixedClientArea(this, ClientArea);
    table_->setObjectName(QStringLiteral("table"));
    table_->installEventFilter(this);
    // The table takes the keys, so that Space draws and never presses the undo button.
    table_->setFocusPolicy(Qt::StrongFocus);

    // Created in drawing order: a later sibling is drawn over an earlier one, so row r + 1
    // covers row r and draw-pile picture i + 1 covers picture i.
    for (int i = 0; i < TableSlots; ++i) {
        image1_[i] = layout_.place(new CardPicture(pictures_, table_), "Image1", Image1Place(i));
        image1_[i]->setProperty("index", i);
        connect(image1_[i], &CardPicture::clicked, this, [this, i] { Image1_Click(i); });
    }
    for (int i = 0; i < DrawPilePictures; ++i) {
        image2_[i] = layout_.place(new CardPicture(pictures_, table_), "Image2", Image2Place(i));
        image2_[i]->setProperty("index", i);
        image2_[i]->setPlace(i == 0 ? CardPlace::DrawPile : CardPlace::DrawPileBack);
        connect(image2_[i], &CardPicture::clicked, this, [this, i] { Image2_Click(i); });
    }
    image3_ = layout_.place(new CardPicture(pictures_, table_), "Image3", Image3Place);
    connect(image3_, &CardPicture::clicked, this, &MainWindow::Image3_Click);
    image3_->setPlace(CardPlace::DiscardPile);
    for (int i = 0; i < TableSlots; ++i) {
        image1_[i]->setPlace(CardPlace::TableSlot, i % Rows < Rows - 1 ? image1_[i + 1] : nullptr);
    }

    label2_ = layout_.place(scoreLabel(table_, "Label2", "Score:"), "Label2", Label2Place);
    label3_ = layout_.place(scoreLabel(table_, "Label3", "0"), "Label3", Label3Place);
    label4_ = layout_.place(scoreLabel(table_, "Label4", "Highest Score:"), "Label4", Label4Place);
    label5_ = layout_.place(scoreLabel(table_, "Label5", "0"), "Label5", Label5Place);

    frame1_ = layout_.place(new QFrame(table_), "Frame1", Frame1Place);
    setAccessibleRole(frame1_, QAccessible::Grouping);
    frame1_->setAccessibleName(QStringLiteral("Game over"));
    frame1_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame1_->setAutoFillBackground(true);
    frame1_->setAttribute(Qt::WA_NoMousePropagation);
    label1_ = new QLabel(QStringLiteral("Sorry Game Over!"), frame1_);
    QFont panelFont = label1_->font();
    panelFont.setPointSizeF(8.25);
    label1_->setFont(panelFont);
    QPalette black = label1_->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    label1_->setPalette(black);
    layout_.place(label1_, "Label1", Label1Place);
    command1_ = layout_.place(new QPushButton(QStringLiteral("Try Again"), frame1_), "Command1",
                              Command1Place);
    command2_ =
        layout_.place(new QPushButton(QStringLiteral("Quit"), frame1_), "Command2", Command2Place);
    frame1_->hide();
    command3_ = layout_.place(new QPushButton(QStringLiteral("Undo Last Card Move"), table_),
                              "Command3", Command3Place);
    for (QPushButton* button : {command1_, command2_, command3_}) {
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
    }
    announcer_ = new MoveAnnouncer(table_);
    setTabOrder(command1_, command2_);
    setTabOrder(command2_, command3_);
    connect(command1_, &QPushButton::clicked, this, &MainWindow::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &MainWindow::Command2_Click);
    connect(command3_, &QPushButton::clicked, this, &MainWindow::Command3_Click);

    setWindowIcon(QIcon(pictures_.pixmap(CardBackPicture, pixels(Image3Place).size(), 1.0)));
}

// The whole window drawn `percent` percent of its laid-out size, pictures and fonts included.
void MainWindow::setCardSize(int percent) {
    layout_.setScale(percent / 100.0);
    table_->setFixedSize(layout_.rect(ClientArea).size());
    for (QAction* item : cardSizeItems_) {
        item->setChecked(item->data().toInt() == percent);
    }
}

void MainWindow::createMenus() {
    QMenuBar* bar = menuBar();

    mnuGame = menu(bar, "mnuGame", "&Game");
    mnuNewGame = menuItem(mnuGame, "mnuNewGame", "&NewGame");
    mnuSeperator1 = separator(mnuGame, "mnuSeperator1");
    mnuHighScores = menuItem(mnuGame, "mnuHighScores", "&High Scores");
    mnuSeperator2 = separator(mnuGame, "mnuSeperator2");
    mnuExit = menuItem(mnuGame, "mnuExit", "E&xit");
    bar->addMenu(mnuGame);

    bar->addMenu(createOptionMenus());

    QMenu* view = menu(bar, "mnuView", "&View");
    auto* sizes = new QActionGroup(view);
    for (const auto& [percent, caption] : CardSizes) {
        QAction* item = optionItem(view, "mnuCardSize", caption);
        item->setData(percent);
        const auto key = Qt::Key_1 + static_cast<int>(cardSizeItems_.size());
        item->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(key)));
        sizes->addAction(item);
        cardSizeItems_.push_back(item);
        connect(item, &QAction::triggered, this, [this, size = percent] {
            setCardSize(size);
            optionStore_.saveCardSize(size);
        });
    }
    bar->addMenu(view);

    mnuHelp = menu(bar, "mnuHelp", "&Help");
    mnuAboutCorvelle = menuItem(mnuHelp, "mnuAboutCorvelle", "About Corvelle");
    mnuGameRules = menuItem(mnuHelp, "mnuGameRules", "Game Rules");
    bar->addMenu(mnuHelp);

    play_ = new PlayMenu(this, game_, mnuHelp->menuAction(), freshDealNumber,
                         [this](int slot) { showHint(slot); });
    connect(play_, &PlayMenu::resumed, this, &MainWindow::afterResume);
}

// One submenu per option group with its items from OptionItems, exclusive within the group;
// the cheat commands follow the first group.
QMenu* MainWindow::createOptionMenus() {
    mnuOptions = menu(menuBar(), "mnuOptions", "&Options");
    for (const OptionMenu& group : OptionMenus) {
        QMenu* submenu = menu(mnuOptions, group.control, group.caption);
        auto* exclusive = new QActionGroup(submenu);
        for (std::size_t i = 0; i < OptionItems.size(); ++i) {
            if (OptionItems[i].group == group.group) {
                QAction* item = optionItem(submenu, OptionItems[i].control, OptionItems[i].caption,
                                           OptionItems[i].defaultMark);
                exclusive->addAction(item);
                connect(item, &QAction::triggered, this, [this, i] { chooseOption(i); });
            }
        }
        mnuOptions->addMenu(submenu);
        if (group.group == OptionGroup::DrawingMethod) {
            mnuCheatMode = menu(mnuOptions, "mnuCheatMode", "Cheat Options");
            mnuSelectWildCards = menuItem(mnuCheatMode, "mnuSelectWildCards", "Select Wild Cards");
            mnuCheatsEnabled = optionItem(mnuCheatMode, "mnuCheatsEnabled", "Cheats Enabled");
            mnuDisableCheats = optionItem(mnuCheatMode, "mnuDisableCheats", "Disable Cheats", true);
            mnuOptions->addMenu(mnuCheatMode);
        }
    }
    return mnuOptions;
}

// Keys beside the captions; the undo button's command has one of its own.
void MainWindow::addShortcuts() {
    mnuNewGame->setShortcuts({QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_N)});
    mnuHighScores->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    mnuGameRules->setShortcut(QKeySequence(Qt::Key_F1));
    auto* undo = new QAction(this);
    undo->setObjectName(QStringLiteral("undoShortcut"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(undo, &QAction::triggered, this, &MainWindow::Command3_Click);
    addAction(undo);
}

void MainWindow::connectMenus() {
    const std::pair<QAction*, void (MainWindow::*)()> handlers[] = {
        {mnuNewGame, &MainWindow::mnuNewGame_Click},
        {mnuHighScores, &MainWindow::mnuHighScores_Click},
        {mnuExit, &MainWindow::mnuExit_Click},
        {mnuSelectWildCards, &MainWindow::mnuSelectWildCards_Click},
        {mnuCheatsEnabled, &MainWindow::mnuCheatsEnabled_Click},
        {mnuDisableCheats, &MainWindow::mnuDisableCheats_Click},
        {mnuAboutCorvelle, &MainWindow::mnuAboutCorvelle_Click},
        {mnuGameRules, &MainWindow::mnuGameRules_Click},
    };
    for (const auto& [action, handler] : handlers) {
        connect(action, &QAction::triggered, this, handler);
    }
}

// ---- Start-up ----

void MainWindow::Form_Load() {
    loadSettings();
    setCardSize(optionStore_.loadCardSize());
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
    if (const QString problem = optionStore_.takeProblem(); !problem.isEmpty()) {
        dialogs().message(problem);
    }
}

void MainWindow::loadHighScores() {
    highScores_.loadHighScores();
    showBestHighScore();
}

// ---- Handlers ----

void MainWindow::Image1_Click(int index) {
    afterAction(game_.clickTableSlot(index));
}

void MainWindow::Image2_Click(int index) {
    afterAction(game_.clickDrawPile(index));
}

void MainWindow::Image3_Click() {
    afterAction(game_.clickDiscardPile());
}

void MainWindow::Form_Click() {
    afterAction(game_.clickBackground());
}

void MainWindow::Command1_Click() {
    play_->newGame();
    frame1_->hide();
}

void MainWindow::Command2_Click() {
    close();
}

void MainWindow::Command3_Click() {
    game_.undoLastMove();
    afterAction(Outcome::Nothing);
}

void MainWindow::mnuNewGame_Click() {
    play_->newGame();
}

void MainWindow::mnuHighScores_Click() {
    openHallOfFame();
}

void MainWindow::mnuExit_Click() {
    close();
}

void MainWindow::mnuSelectWildCards_Click() {
    openWildCardWindow(game_.state().cheat, this, [this](const CheatChoice& choice) {
        game_.setCheatChoice(choice);
        showCheatMarks();
    });
}

void MainWindow::mnuCheatsEnabled_Click() {
    changeCheats(enableCheats);
}

void MainWindow::mnuDisableCheats_Click() {
    changeCheats(disableCheats);
}

void MainWindow::changeCheats(void (*command)(CheatChoice&)) {
    CheatChoice choice = game_.state().cheat;
    command(choice);
    game_.setCheatChoice(choice);
    showCheatMarks();
}

void MainWindow::mnuAboutCorvelle_Click() {
    openAboutWindow(this);
}

void MainWindow::mnuGameRules_Click() {
    openRulesWindow(this);
}

void MainWindow::chooseOption(std::size_t item) {
    Options options = game_.state().options;
    optionStore_.choose(item, options, optionMarks_);
    game_.setOptions(options);
    showOptionMarks();
    if (OptionItems[item].group == OptionGroup::Scoring) {
        setScoreLabelsVisible(options.scoringOn);
    }
}

// ---- The end of a game ----

// A game that ends with a score good enough for the Hall of Fame: the player's name, the
// entry (saved at once), a new deal, and the Hall of Fame window unless the player turned it off.
void MainWindow::afterAction(Outcome outcome) {
    play_->afterAction(outcome);
    if (outcome != Outcome::GameOver) {
        return;
    }
    const GameState& state = game_.state();
    const std::optional<int> place = highScores_.placeFor(state.score);
    if (!place) {
        return;
    }
    highScores_.record(*place, state.score, state.peakScore,
                       HighScores::askName(state.wildCardsPlayed >= 1));
    showBestHighScore();
    play_->newGame();
    if (state.options.showHighScoresPopup) {
        openHallOfFame();
    }
}

// The card a hint points at: a table slot, the discard pile (-1), or none (-2).
void MainWindow::showHint(int slot) {
    for (int i = 0; i < TableSlots; ++i) {
        if (image1_[i]->outline() == CardPicture::Outline::Hint || i == slot) {
            image1_[i]->setOutline(i == slot ? CardPicture::Outline::Hint
                                             : CardPicture::Outline::None);
        }
    }
    image3_->setOutline(slot == -1 ? CardPicture::Outline::Hint : CardPicture::Outline::None);
    keyboard_.refresh();
}

void MainWindow::showBestHighScore() {
    showHighestScore(highScores_.bestText().toStdString());
    game_.setHighScoreToBeat(highScores_.bestToBeat());
}

void MainWindow::openHallOfFame() {
    HallOfFameWindow* window = HallOfFameWindow::showFor(this, &highScores_);
    connect(window, &HallOfFameWindow::highScoresCleared, this, &MainWindow::afterHighScoresCleared,
            Qt::UniqueConnection);
}

void MainWindow::afterHighScoresCleared() {
    showBestHighScore();
    play_->newGame();
}

// A resumed game brings its own options and wild cards: the menus show them, and the options are
// kept as if the player had chosen them.
void MainWindow::afterResume() {
    for (const std::size_t item : PlayMenu::optionItemsOf(game_.state().options)) {
        if (!optionMarks_[item]) {
            chooseOption(item);
        }
    }
    showCheatMarks();
    setScoreLabelsVisible(game_.state().options.scoringOn);
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
    corvelle::showCheatMarks(game_.state().cheat, mnuCheatsEnabled, mnuDisableCheats);
}

void MainWindow::Form_Resize() {
    // Every control keeps its place; nothing is rearranged.
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

// Left and Right choose a column's free card, Enter plays it; Space or D draws.
bool MainWindow::keyOnTable(const QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        keyboard_.move(key->key() == Qt::Key_Left ? -1 : 1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (keyboard_.chosenSlot() >= 0) {
            Image1_Click(keyboard_.chosenSlot());
        }
        return true;
    case Qt::Key_Space:
    case Qt::Key_D:
        Image3_Click();
        return true;
    default:
        return false;
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress &&
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
                Form_Click();
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- What the game shows ----

void MainWindow::showCard(int index, int code, ShowTarget target) {
    announcer_->showCard(index, code, target);
    if (target == ShowTarget::TableSlot && index >= 0 && index < TableSlots) {
        image1_[index]->setPicture(code);
    } else if (target == ShowTarget::DiscardPile) {
        image3_->setPicture(code);
    } else if (target == ShowTarget::DrawPile && index >= 0 && index < DrawPilePictures) {
        image2_[index]->setPicture(code);
    }
}

void MainWindow::setSlotVisible(int slot, bool visible) {
    announcer_->setSlotVisible(slot, visible);
    if (slot >= 0 && slot < TableSlots) {
        image1_[slot]->setVisible(visible);
        keyboard_.refresh(); // the chosen column's free card may have changed
    }
}

void MainWindow::setDrawPileVisible(int index, bool visible) {
    announcer_->setDrawPileVisible(index, visible);
    if (index >= 0 && index < DrawPilePictures) {
        image2_[index]->setVisible(visible);
    }
}

void MainWindow::setLabelText(QLabel* label, std::string_view text) {
    label->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    layout_.fit(label);
}

void MainWindow::showScore(std::string_view text) {
    setLabelText(label3_, text);
    label3_->setAccessibleName(QStringLiteral("Score %1").arg(label3_->text()));
    announcer_->showScore(text);
}

void MainWindow::showHighestScore(std::string_view text) {
    setLabelText(label5_, text);
    label5_->setAccessibleName(QStringLiteral("Highest score %1").arg(label5_->text()));
}

void MainWindow::setGameOverPanelVisible(bool visible) {
    announcer_->setGameOverPanelVisible(visible);
    frame1_->setVisible(visible);
}

void MainWindow::showMessage(std::string_view text) {
    dialogs().message(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void MainWindow::setScoreLabelsVisible(bool visible) {
    for (QLabel* label : {label2_, label3_, label4_, label5_}) {
        label->setVisible(visible);
    }
}

} // namespace corvelle
