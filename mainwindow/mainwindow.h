#pragma once

#include "engine/display.h"
#include "engine/game.h"
#include "mainwindow/keyboardplay.h"
#include "options/optionstore.h"
#include "pictures/cardpicturecache.h"
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
class MoveAnnouncer;
class PlayMenu;

// The main window, Form1: the card table, the two piles, the score labels, the game-over panel
// and the menus. It owns the game and its Hall of Fame and is the game's display: every control
// sits at a fixed position in a fixed-size client area, every player action enters through one
// of the handler slots below and goes straight on to one engine operation, and the engine shows
// its results through the Display functions. When an action ends the game, the window carries
// on in order: the name, the Hall of Fame entry, a new deal, the Hall of Fame window. Every new
// deal goes through the Play menu, which numbers it and keeps the player's record. The window
// itself keeps no game state.
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

    const Game& game() const { return game_; }
    const HighScores& highScores() const { return highScores_; }
    // Shows or hides the four score labels (the "Scoring" option).
    void setScoreLabelsVisible(bool visible);

    // Display
    void showCard(int index, int code, ShowTarget target) override;
    void setSlotVisible(int slot, bool visible) override;
    void setDrawPileVisible(int index, bool visible) override;
    void showScore(std::string_view text) override;
    void showHighestScore(std::string_view text) override;
    void setGameOverPanelVisible(bool visible) override;
    void showMessage(std::string_view text) override;

    // The menus and their items, by their control names; the option items come from
    // OptionItems and are found by name.
    QMenu* mnuGame = nullptr;
    QAction* mnuNewGame = nullptr;
    QAction* mnuSeperator1 = nullptr;
    QAction* mnuHighScores = nullptr;
    QAction* mnuSeperator2 = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuOptions = nullptr;
    QMenu* mnuCheatMode = nullptr;
    QAction* mnuSelectWildCards = nullptr;
    QAction* mnuCheatsEnabled = nullptr;
    QAction* mnuDisableCheats = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuAboutCorvelle = nullptr;
    QAction* mnuGameRules = nullptr;

public slots:
    void Form_Load();
    void Image1_Click(int index);
    void Image2_Click(int index);
    void Image3_Click();
    void Form_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void mnuNewGame_Click();
    void mnuHighScores_Click();
    void mnuExit_Click();
    void mnuSelectWildCards_Click();
    void mnuCheatsEnabled_Click();
    void mnuDisableCheats_Click();
    void chooseOption(std::size_t item);
    void mnuAboutCorvelle_Click();
    void mnuGameRules_Click();
    void Form_Resize();
    void afterHighScoresCleared();
    void afterResume();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void setCardSize(int percent);
    void addShortcuts();
    bool keyOnTable(const QKeyEvent* key);
    void createMenus();
    void connectMenus();
    QMenu* createOptionMenus();
    void loadSettings();
    void loadHighScores();
    void afterAction(Outcome outcome);
    void showBestHighScore();
    void showHint(int slot);
    void openHallOfFame();
    void changeCheats(void (*command)(CheatChoice&));
    void showOptionMarks();
    void showCheatMarks();
    void setLabelText(QLabel* label, std::string_view text);

    CardPictureCache pictures_;
    ScaledLayout layout_;
    DealRandom dealRandom_;
    Game game_;
    HighScores highScores_;
    OptionStore optionStore_;
    OptionMarks optionMarks_ = OptionStore::defaultMarks();

    QWidget* table_ = nullptr;
    std::array<CardPicture*, TableSlots> image1_{};
    std::array<CardPicture*, DrawPilePictures> image2_{};
    CardPicture* image3_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label4_ = nullptr;
    QLabel* label5_ = nullptr;
    QFrame* frame1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
    MoveAnnouncer* announcer_ = nullptr;
    bool backgroundPressed_ = false;
    KeyboardPlay keyboard_{game_, image1_};
    std::vector<QAction*> cardSizeItems_;
    PlayMenu* play_ = nullptr;
};

} // namespace corvelle
