// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/display.h"
#include "engine/game.h"
#include "mainwindow/keyboardplay.h"
#include "options/optionstore.h"
#include "pictures/cardpicturecache.h"
#include "play/hinttarget.h"
#include "records/roundhistory.h"
#include "scores/highscores.h"
#include "ui/scaledlayout.h"

#include <QMainWindow>

#include <array>

class QAction;
class QFrame;
class QKeyEvent;
class QLabel;
class QMenu;
class QPushButton;

namespace corvelle {

class CardPicture;
class HallOfFameWindow;
class MoveAnnouncer;
class PlayMenu;

// The main window, Form1: the card table, the two piles, the score labels, the game-over panel
// and the menus. It owns the game and its Hall of Fame and is the game's display: every control
// sits at a fixed position in a fixed-size client area, every player action enters through one
// of the handlers below and goes straight on to one engine operation, and the engine shows its
// results through the Display functions. When an action ends the game, the window carries on in
// order: the name, the Hall of Fame entry, a new deal, the Hall of Fame window. Every new deal
// goes through the Play menu, which numbers it and keeps the player's record. The window itself
// keeps no game state, and it alone decides what the player is told.
class MainWindow : public QMainWindow, public Display {
    Q_OBJECT

public:
    // `highScoreDir`: where the Hall of Fame files live; empty for the default place.
    // `random`: the source of the shuffles; the numbered deals' generator when none is given.
    explicit MainWindow(const QString& highScoreDir = QString(), QWidget* parent = nullptr,
                        RandomSource* random = nullptr);
    ~MainWindow() override;

    // The logical size of the card picture controls at the player's card size, for start-up to
    // decode the pictures at before the window exists.
    static QSize cardPictureSize();
    // The card faces the player chose, for start-up to decode before the window exists.
    static CardFaces cardFaces();

    const Game& game() const { return game_; }
    const HighScores& highScores() const { return highScores_; }

    // Display
    void showCard(int index, int code, ShowTarget target) override;
    void setSlotVisible(int slot, bool visible) override;
    void setDrawPileVisible(int index, bool visible) override;
    void showScore(std::string_view text) override;
    void showHighestScore(std::string_view text) override;
    void setGameOverPanelVisible(bool visible) override;
    void showMessage(std::string_view text) override;

signals:
    // The Hall of Fame window was opened from this window (it may outlive it).
    void hallOfFameOpened(corvelle::HallOfFameWindow* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void createMenus();
    QMenu* createGameMenu();
    QMenu* createOptionMenus();
    QMenu* createViewMenu();
    QMenu* createHelpMenu();
    void addShortcuts();
    void startUp();
    void loadSettings();
    void loadHighScores();
    void setCardSize(int percent);
    void showFittingCardSize();
    void setCardFaces(CardFaces faces);
    bool keyOnTable(const QKeyEvent* key);
    void playChosenCard();

    // The player's actions.
    void onTableCardClicked(int slot);
    void onDrawPileClicked(int index);
    void onDiscardPileClicked();
    void onBackgroundClicked();
    void onTryAgainClicked();
    void onUndoClicked();
    void onSelectWildCards();
    void onOptionChosen(std::size_t item);
    void changeCheats(void (*command)(CheatChoice&));

    // What follows an action, and what the Play menu and the Hall of Fame window report.
    void afterAction(const PlayerAction& action, const GameState& before, Outcome outcome);
    bool enterHallOfFame();
    void openHallOfFame();
    void onHighScoresCleared();
    void onGameResumed();
    void onHintChanged(HintTarget target);
    void tell(const QString& text);
    void tell(const QStringList& texts);

    void showBestHighScore();
    void showOptionMarks();
    void showCheatMarks();
    void setScoreLabelsVisible(bool visible);
    void setLabelText(QLabel* label, std::string_view text);

    CardPictureCache pictures_;
    ScaledLayout layout_;
    DealRandom dealRandom_;
    Game game_;
    HighScores highScores_;
    OptionStore optionStore_;
    OptionMarks optionMarks_ = OptionStore::defaultMarks();

    QWidget* table_ = nullptr;
    std::array<CardPicture*, TableSlots> tableCards_{};
    std::array<CardPicture*, DrawPilePictures> drawPile_{};
    CardPicture* discardPile_ = nullptr;
    QLabel* scoreCaption_ = nullptr;
    QLabel* scoreLabel_ = nullptr;
    QLabel* highScoreCaption_ = nullptr;
    QLabel* highScoreLabel_ = nullptr;
    QFrame* gameOverPanel_ = nullptr;
    QPushButton* tryAgainButton_ = nullptr;
    QPushButton* quitButton_ = nullptr;
    QPushButton* undoButton_ = nullptr;
    QAction* cheatsEnabledItem_ = nullptr;
    QAction* disableCheatsItem_ = nullptr;
    std::vector<QAction*> cardSizeItems_;
    int wantedCardSize_ = 100; // as the player chose it
    int shownCardSize_ = 0;    // as the window shows it
    bool watchingScreen_ = false;
    QAction* classicFacesItem_ = nullptr;
    QAction* largeFacesItem_ = nullptr;
    MoveAnnouncer* announcer_ = nullptr;
    bool backgroundPressed_ = false;
    KeyboardPlay keyboard_{game_, tableCards_};
    PlayMenu* play_ = nullptr;
};

} // namespace corvelle
