#pragma once

#include "cardpicturecache.h"
#include "display.h"
#include "game.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace corvelle {

class CardPicture;

// The main window, Form1: the card table, the two piles, the score labels, the game-over panel
// and the menus. It owns the game and is the game's display: every control sits at a fixed
// position in a fixed-size client area, every player action enters through one of the handler
// slots below and goes straight on to one engine operation, and the engine shows its results
// through the Display functions. The window itself keeps no game state.
class MainWindow : public QMainWindow, public Display {
    Q_OBJECT

public:
    // `highScoreDir`: where the Hall of Fame files live; empty for the default place.
    explicit MainWindow(const QString& highScoreDir = QString(), QWidget* parent = nullptr);
    ~MainWindow() override;

    Game& game() { return game_; }
    QString highScoreDir() const { return highScoreDir_; }
    // Shows or hides the four score labels (the "Scoring" option).
    void setScoreLabelsVisible(bool visible);

    // Runs when a game has ended and the high-score check takes over. Empty until the Hall of
    // Fame is wired in; it may deal a new game.
    std::function<void()> onGameOver;

    // Display
    void showCard(int index, int code, int target) override;
    void setSlotVisible(int slot, bool visible) override;
    void setDrawPileVisible(int index, bool visible) override;
    void showScore(std::string_view text) override;
    void showHighestScore(std::string_view text) override;
    void setGameOverPanelVisible(bool visible) override;
    void showMessage(std::string_view text) override;
    void checkHighScore() override;

    // The menus and their items, by their control names, for the windows and options wired in
    // later. Items whose commands are not built yet are disabled.
    QMenu* mnuGame = nullptr;
    QAction* mnuNewGame = nullptr;
    QAction* mnuSeperator1 = nullptr;
    QAction* mnuHighScores = nullptr;
    QAction* mnuSeperator2 = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuOptions = nullptr;
    QMenu* mnuDrawingMethod = nullptr;
    QAction* mnuDiscardPileA = nullptr;
    QAction* mnuDiscardPDrawP = nullptr;
    QAction* mnuDiscardPileB = nullptr;
    QMenu* mnuCheatMode = nullptr;
    QAction* mnuSelectWildCards = nullptr;
    QAction* mnuCheatsEnabled = nullptr;
    QAction* mnuDisableCheats = nullptr;
    QMenu* mnuShowHighScores = nullptr;
    QAction* mnuShowHSa = nullptr;
    QAction* mnuShowHSb = nullptr;
    QMenu* mnuPlaymode = nullptr;
    QAction* mnuAceKing = nullptr;
    QAction* mnuNoAceKing = nullptr;
    QMenu* mnuScoring = nullptr;
    QAction* mnuScoringOn = nullptr;
    QAction* mnuScoringOff = nullptr;
    QMenu* mnuShuffling = nullptr;
    QAction* mnuShuffling1 = nullptr;
    QAction* mnuShuffling2 = nullptr;
    QAction* mnuShuffling3 = nullptr;
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
    void mnuExit_Click();
    void Form_Resize();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void createMenus();
    void loadSettings();
    void loadHighScores();
    void setLabelText(QLabel* label, std::string_view text);

    QString highScoreDir_;
    CardPictureCache pictures_;
    Game game_;

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
    bool backgroundPressed_ = false;
};

} // namespace corvelle
