#include "mainwindow.h"

#include "aboutwindow.h"
#include "cardpicture.h"
#include "cheatcommands.h"
#include "cheatmarks.h"
#include "dialogs.h"
#include "halloffamewindow.h"
#include "productionrandom.h"
#include "ruleswindow.h"
#include "wildcardwindow.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>

#include <utility>

namespace corvelle {

namespace {

// Where every control sits, in twips (15 to a pixel) relative to the client area, or to the
// game-over panel for the panel's own controls. The only place positions are written down.
struct Place {
    int left;
    int top;
    int width;
    int height;
};

constexpr int TwipsPerPixel = 15;
constexpr Place ClientArea{0, 0, 7635, 6240};
constexpr Place Image1Place(int i) {
    return {60 + 1080 * (i / Rows), 120 + 660 * (i % Rows), 1035, 1575};
}
constexpr Place Image2Place(int i) {
    return {60 + 120 * i, 4500, 1035, 1575};
}
constexpr Place Image3Place{3840, 4500, 1035, 1575};
constexpr Place Label2Place{5100, 4380, 690, 240};
constexpr Place Label3Place{5820, 4380, 135, 240};
constexpr Place Label4Place{5100, 4620, 1545, 240};
constexpr Place Label5Place{6660, 4620, 135, 240};
constexpr Place Frame1Place{4980, 4860, 2535, 855};
constexpr Place Label1Place{615, 180, 1260, 195};   // in Frame1
constexpr Place Command1Place{300, 420, 915, 375};  // in Frame1
constexpr Place Command2Place{1320, 420, 915, 375}; // in Frame1
constexpr Place Command3Place{5040, 5820, 2475, 375};

QRect pixels(const Place& place) {
    return {place.left / TwipsPerPixel, place.top / TwipsPerPixel, place.width / TwipsPerPixel,
            place.height / TwipsPerPixel};
}

const QColor TableGreen(0, 128, 0);

template <typename Widget> Widget* placed(Widget* widget, const char* name, const Place& place) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(pixels(place));
    return widget;
}

// A label that grows to its text from its laid-out size, so no score is ever clipped.
void fitToText(QLabel* label) {
    label->resize(label->minimumSize().expandedTo(label->sizeHint()));
}

QLabel* scoreLabel(QWidget* parent, const char* name, const char* text, const Place& place) {
    auto* label = placed(new QLabel(QString::fromLatin1(text), parent), name, place);
    QFont font(QStringLiteral("MS Sans Serif"));
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
    label->setMinimumSize(pixels(place).size());
    fitToText(label);
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
    : QMainWindow(parent), highScoreDir_(highScoreDir), pictures_(cardPictureDirectory()),
      game_(*this, random != nullptr ? *random : productionRandom()),
      highScores_(game_, highScoreDir.isEmpty() ? highScoreDirectory() : highScoreDir) {
    setObjectName(QStringLiteral("Form1"));
    createControls();
    createMenus();
    connectMenus();
    highScores_.setShowHallOfFame([this] { HallOfFameWindow::showFor(this, &highScores_); });
    Form_Load();
}

MainWindow::~MainWindow() {
    // The card pictures draw from the cache, a member: they go first.
    delete takeCentralWidget();
}

void MainWindow::createControls() {
    table_ = new QWidget(this);
    table_->setObjectName(QStringLiteral("table"));
    table_->setFixedSize(pixels(ClientArea).size());
    QPalette palette = table_->palette();
    palette.setColor(QPalette::Window, TableGreen);
    table_->setPalette(palette);
    table_->setAutoFillBackground(true);
    table_->installEventFilter(this);
    setCentralWidget(table_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Created in drawing order: a later sibling is drawn over an earlier one, so row r + 1
    // covers row r and draw-pile picture i + 1 covers picture i.
    for (int i = 0; i < TableSlots; ++i) {
        image1_[i] = placed(new CardPicture(pictures_, table_), "Image1", Image1Place(i));
        image1_[i]->setProperty("index", i);
        connect(image1_[i], &CardPicture::clicked, this, [this, i] { Image1_Click(i); });
    }
    for (int i = 0; i < DrawPilePictures; ++i) {
        image2_[i] = placed(new CardPicture(pictures_, table_), "Image2", Image2Place(i));
        image2_[i]->setProperty("index", i);
        connect(image2_[i], &CardPicture::clicked, this, [this, i] { Image2_Click(i); });
    }
    image3_ = placed(new CardPicture(pictures_, table_), "Image3", Image3Place);
    connect(image3_, &CardPicture::clicked, this, &MainWindow::Image3_Click);

    label2_ = scoreLabel(table_, "Label2", "Score:", Label2Place);
    label3_ = scoreLabel(table_, "Label3", "0", Label3Place);
    label4_ = scoreLabel(table_, "Label4", "Highest Score:", Label4Place);
    label5_ = scoreLabel(table_, "Label5", "0", Label5Place);

    frame1_ = placed(new QFrame(table_), "Frame1", Frame1Place);
    frame1_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame1_->setAutoFillBackground(true);
    frame1_->setAttribute(Qt::WA_NoMousePropagation);
    label1_ =
        placed(new QLabel(QStringLiteral("Sorry Game Over!"), frame1_), "Label1", Label1Place);
    QFont panelFont = label1_->font();
    panelFont.setPointSizeF(8.25);
    label1_->setFont(panelFont);
    QPalette black = label1_->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    label1_->setPalette(black);
    label1_->setMinimumSize(pixels(Label1Place).size());
    fitToText(label1_);
    command1_ =
        placed(new QPushButton(QStringLiteral("Try Again"), frame1_), "Command1", Command1Place);
    command2_ = placed(new QPushButton(QStringLiteral("Quit"), frame1_), "Command2", Command2Place);
    frame1_->hide();
    command3_ = placed(new QPushButton(QStringLiteral("Undo Last Card Move"), table_), "Command3",
                       Command3Place);
    for (QPushButton* button : {command1_, command2_, command3_}) {
        button->setAutoDefault(false);
    }
    setTabOrder(command1_, command2_);
    setTabOrder(command2_, command3_);
    connect(command1_, &QPushButton::clicked, this, &MainWindow::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &MainWindow::Command2_Click);
    connect(command3_, &QPushButton::clicked, this, &MainWindow::Command3_Click);

    setWindowIcon(QIcon(pictures_.pixmap(CardBackPicture, pixels(Image3Place).size(), 1.0)));
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

    mnuOptions = menu(bar, "mnuOptions", "&Options");
    mnuDrawingMethod = menu(mnuOptions, "mnuDrawingMethod", "Card Drawing Method");
    mnuDiscardPileA = optionItem(mnuDrawingMethod, "mnuDiscardPileA", "Discard Pile Only", true);
    mnuDiscardPDrawP =
        optionItem(mnuDrawingMethod, "mnuDiscardPDrawP", "Discard Pile && Draw Pile");
    mnuDiscardPileB = optionItem(mnuDrawingMethod, "mnuDiscardPileB", "Discard Pile && Background");
    mnuOptions->addMenu(mnuDrawingMethod);
    mnuCheatMode = menu(mnuOptions, "mnuCheatMode", "Cheat Options");
    mnuSelectWildCards = menuItem(mnuCheatMode, "mnuSelectWildCards", "Select Wild Cards");
    mnuCheatsEnabled = optionItem(mnuCheatMode, "mnuCheatsEnabled", "Cheats Enabled");
    mnuDisableCheats = optionItem(mnuCheatMode, "mnuDisableCheats", "Disable Cheats", true);
    mnuOptions->addMenu(mnuCheatMode);
    mnuShowHighScores = menu(mnuOptions, "mnuShowHighScores", "High Score PopUp");
    mnuShowHSa = optionItem(mnuShowHighScores, "mnuShowHSa", "Show High Scores", true);
    mnuShowHSb = optionItem(mnuShowHighScores, "mnuShowHSb", "Dont Show High Scores");
    mnuOptions->addMenu(mnuShowHighScores);
    mnuPlaymode = menu(mnuOptions, "mnuPlaymode", "Play Mode");
    mnuAceKing = optionItem(mnuPlaymode, "mnuAceKing", "Ace King - King Ace", true);
    mnuNoAceKing = optionItem(mnuPlaymode, "mnuNoAceKing", "No Ace King - King Ace");
    mnuOptions->addMenu(mnuPlaymode);
    mnuScoring = menu(mnuOptions, "mnuScoring", "Scoring");
    mnuScoringOn = optionItem(mnuScoring, "mnuScoringOn", "On", true);
    mnuScoringOff = optionItem(mnuScoring, "mnuScoringOff", "Off");
    mnuOptions->addMenu(mnuScoring);
    mnuShuffling = menu(mnuOptions, "mnuShuffling", "Shuffling");
    mnuShuffling1 = optionItem(mnuShuffling, "mnuShuffling1", "1", true);
    mnuShuffling2 = optionItem(mnuShuffling, "mnuShuffling2", "2");
    mnuShuffling3 = optionItem(mnuShuffling, "mnuShuffling3", "3");
    mnuOptions->addMenu(mnuShuffling);
    bar->addMenu(mnuOptions);

    mnuHelp = menu(bar, "mnuHelp", "&Help");
    mnuAboutCorvelle = menuItem(mnuHelp, "mnuAboutCorvelle", "About Corvelle");
    mnuGameRules = menuItem(mnuHelp, "mnuGameRules", "Game Rules");
    bar->addMenu(mnuHelp);
}

void MainWindow::connectMenus() {
    const std::pair<QAction*, void (MainWindow::*)()> handlers[] = {
        {mnuNewGame, &MainWindow::mnuNewGame_Click},
        {mnuHighScores, &MainWindow::mnuHighScores_Click},
        {mnuExit, &MainWindow::mnuExit_Click},
        {mnuDiscardPileA, &MainWindow::mnuDiscardPileA_Click},
        {mnuDiscardPDrawP, &MainWindow::mnuDiscardPDrawP_Click},
        {mnuDiscardPileB, &MainWindow::mnuDiscardPileB_Click},
        {mnuSelectWildCards, &MainWindow::mnuSelectWildCards_Click},
        {mnuCheatsEnabled, &MainWindow::mnuCheatsEnabled_Click},
        {mnuDisableCheats, &MainWindow::mnuDisableCheats_Click},
        {mnuShowHSa, &MainWindow::mnuShowHSa_Click},
        {mnuShowHSb, &MainWindow::mnuShowHSb_Click},
        {mnuAceKing, &MainWindow::mnuAceKing_Click},
        {mnuNoAceKing, &MainWindow::mnuNoAceKing_Click},
        {mnuScoringOn, &MainWindow::mnuScoringOn_Click},
        {mnuScoringOff, &MainWindow::mnuScoringOff_Click},
        {mnuShuffling1, &MainWindow::mnuShuffling1_Click},
        {mnuShuffling2, &MainWindow::mnuShuffling2_Click},
        {mnuShuffling3, &MainWindow::mnuShuffling3_Click},
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
    setWindowTitle(QStringLiteral("Corvelle v" CORVELLE_VERSION));
    game_.resetCheatState();
    showCheatMarks();
    game_.showDrawPileBacks();
    game_.clearColumnGrids();
    loadHighScores();
    game_.dealGame(Game::NewGame);
}

void MainWindow::loadSettings() {
    optionStore_.loadSettings(game_.state.options, optionMarks_);
    showOptionMarks();
}

void MainWindow::loadHighScores() {
    highScores_.loadHighScores();
}

// ---- Handlers ----

void MainWindow::Image1_Click(int index) {
    game_.clickTableSlot(index);
}

void MainWindow::Image2_Click(int index) {
    game_.clickDrawPile(index);
}

void MainWindow::Image3_Click() {
    game_.clickDiscardPile();
}

void MainWindow::Form_Click() {
    game_.clickBackground();
}

void MainWindow::Command1_Click() {
    game_.dealGame(Game::NewGame);
    frame1_->hide();
}

void MainWindow::Command2_Click() {
    close();
}

void MainWindow::Command3_Click() {
    game_.undoLastMove();
}

void MainWindow::mnuNewGame_Click() {
    game_.dealGame(Game::NewGame);
}

void MainWindow::mnuHighScores_Click() {
    HallOfFameWindow::showFor(this, &highScores_);
}

void MainWindow::mnuExit_Click() {
    close();
}

void MainWindow::mnuSelectWildCards_Click() {
    openWildCardWindow(game_.state.cheat, this, [this] { showCheatMarks(); });
}

void MainWindow::mnuCheatsEnabled_Click() {
    enableCheats(game_.state.cheat);
    showCheatMarks();
}

void MainWindow::mnuDisableCheats_Click() {
    disableCheats(game_.state.cheat);
    showCheatMarks();
}

void MainWindow::mnuAboutCorvelle_Click() {
    openAboutWindow(this);
}

void MainWindow::mnuGameRules_Click() {
    openRulesWindow(this);
}

// ---- Options ----

void MainWindow::mnuDiscardPileA_Click() {
    chooseOption(OptionItem::DiscardPileA);
}

void MainWindow::mnuDiscardPDrawP_Click() {
    chooseOption(OptionItem::DiscardPDrawP);
}

void MainWindow::mnuDiscardPileB_Click() {
    chooseOption(OptionItem::DiscardPileB);
}

void MainWindow::mnuShowHSa_Click() {
    chooseOption(OptionItem::ShowHSa);
}

void MainWindow::mnuShowHSb_Click() {
    chooseOption(OptionItem::ShowHSb);
}

void MainWindow::mnuAceKing_Click() {
    chooseOption(OptionItem::AceKing);
}

void MainWindow::mnuNoAceKing_Click() {
    chooseOption(OptionItem::NoAceKing);
}

void MainWindow::mnuScoringOn_Click() {
    chooseOption(OptionItem::ScoringOn);
    setScoreLabelsVisible(true);
}

void MainWindow::mnuScoringOff_Click() {
    chooseOption(OptionItem::ScoringOff);
    setScoreLabelsVisible(false);
}

void MainWindow::mnuShuffling1_Click() {
    chooseOption(OptionItem::Shuffling1);
}

void MainWindow::mnuShuffling2_Click() {
    chooseOption(OptionItem::Shuffling2);
}

void MainWindow::mnuShuffling3_Click() {
    chooseOption(OptionItem::Shuffling3);
}

void MainWindow::chooseOption(OptionItem item) {
    optionStore_.choose(item, game_.state.options, optionMarks_);
    showOptionMarks();
}

// A checkable item flips its own mark when chosen; the marks are always put back to what the
// options and the cheat state say.
void MainWindow::showOptionMarks() {
    for (OptionItem item : allOptionItems) {
        if (auto* action = findChild<QAction*>(controlName(item))) {
            action->setChecked(optionMarks_[item]);
        }
    }
}

void MainWindow::showCheatMarks() {
    corvelle::showCheatMarks(game_.state.cheat, mnuCheatsEnabled, mnuDisableCheats);
}

void MainWindow::Form_Resize() {
    // Every control keeps its place; nothing is rearranged.
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
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

void MainWindow::showCard(int index, int code, int target) {
    if (target == TargetTableSlot && index >= 0 && index < TableSlots) {
        image1_[index]->setPicture(code);
    } else if (target == TargetDiscardPile) {
        image3_->setPicture(code);
    } else if (target == TargetDrawPile && index >= 0 && index < DrawPilePictures) {
        image2_[index]->setPicture(code);
    }
}

void MainWindow::setSlotVisible(int slot, bool visible) {
    if (slot >= 0 && slot < TableSlots) {
        image1_[slot]->setVisible(visible);
    }
}

void MainWindow::setDrawPileVisible(int index, bool visible) {
    if (index >= 0 && index < DrawPilePictures) {
        image2_[index]->setVisible(visible);
    }
}

void MainWindow::setLabelText(QLabel* label, std::string_view text) {
    label->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    fitToText(label);
}

void MainWindow::showScore(std::string_view text) {
    setLabelText(label3_, text);
}

void MainWindow::showHighestScore(std::string_view text) {
    setLabelText(label5_, text);
}

void MainWindow::setGameOverPanelVisible(bool visible) {
    frame1_->setVisible(visible);
}

void MainWindow::showMessage(std::string_view text) {
    dialogs().message(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void MainWindow::checkHighScore() {
    highScores_.checkHighScore();
}

void MainWindow::setScoreLabelsVisible(bool visible) {
    for (QLabel* label : {label2_, label3_, label4_, label5_}) {
        label->setVisible(visible);
    }
}

} // namespace corvelle
