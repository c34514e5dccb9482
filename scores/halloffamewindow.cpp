#include "scores/halloffamewindow.h"

#include "ui/secondarywindow.h"
#include "ui/windowkit.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

namespace corvelle {

namespace {

QPointer<HallOfFameWindow> openWindow;
std::function<void()> mainWindowFactory;

constexpr std::array<int, 5> RowTops = {1500, 1920, 2340, 2760, 3180};

// Shows the label's text at `pointSize`, or smaller where the font we ship is wider than the
// one the window was drawn for, so that a caption or a long score is never cut off.
void fitText(QLabel* label, const QString& text, int pointSize) {
    QFont font(QStringLiteral("DejaVu Sans"), pointSize, QFont::Bold);
    while (font.pointSize() > 6 && QFontMetrics(font).horizontalAdvance(text) > label->width()) {
        font.setPointSize(font.pointSize() - 1);
    }
    label->setFont(font);
    label->setText(text);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int pointSize,
                  const QColor& colour, const Twips& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setGeometry(pixels(place));
    fitText(label, text, pointSize);
    return label;
}

} // namespace

HallOfFameWindow* HallOfFameWindow::showFor(QWidget* mainWindow, HighScores* scores) {
    if (!openWindow) {
        openWindow = new HallOfFameWindow(mainWindow, scores);
        openWindow->placeBesideMainWindow();
    } else if (!openWindow->mainWindow_ && mainWindow) {
        openWindow->mainWindow_ = mainWindow;
        openWindow->scores_ = scores;
    }
    openWindow->show();
    openWindow->raise();
    openWindow->activateWindow();
    return openWindow;
}

HallOfFameWindow* HallOfFameWindow::instance() {
    return openWindow;
}

void HallOfFameWindow::setMainWindowFactory(std::function<void()> factory) {
    mainWindowFactory = std::move(factory);
}

HallOfFameWindow::HallOfFameWindow(QWidget* mainWindow, HighScores* scores)
    : mainWindow_(mainWindow), scores_(scores),
      directory_(scores ? scores->directory() : highScoreDirectory()) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("High Scores"));
    setAttribute(Qt::WA_DeleteOnClose);
    createControls();
    createMenus();
    Form_Load();
}

void HallOfFameWindow::createControls() {
    QWidget* area = createFixedClientArea(this, {0, 0, 4185, 4920});

    makeLabel(area, QStringLiteral("Label1"), QStringLiteral("Hall of Fame"), 18,
              palette().color(QPalette::HighlightedText), {960, 480, 2235, 435});
    for (int row = 0; row < 5; ++row) {
        makeLabel(area, QStringLiteral("Label%1").arg(row + 2), QString::number(row + 1), 12,
                  Qt::white, {480, RowTops[row], 165, 300});

        QLabel* score = makeLabel(area, QStringLiteral("Label7"), QStringLiteral("0"), 12,
                                  Qt::white, {960, RowTops[row], 1170, 300});
        score->setProperty("index", row);
        scoreLabels_[row] = score;

        auto* name = placed(new QLineEdit(area), "Text1", {2040, RowTops[row], 1755, 315});
        name->setProperty("index", row);
        nameBoxes_[row] = name;
    }

    auto* back = placed(new QPushButton(QStringLiteral("Back to Corvelle"), area), "Command1",
                        {120, 4080, 1935, 375});
    connect(back, &QPushButton::clicked, this, &HallOfFameWindow::Command1_Click);
    auto* exit = placed(new QPushButton(QStringLiteral("Exit Corvelle"), area), "Command2",
                        {2160, 4080, 1935, 375});
    connect(exit, &QPushButton::clicked, this, &HallOfFameWindow::Command2_Click);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &HallOfFameWindow::Command1_Click);
}

void HallOfFameWindow::createMenus() {
    QMenu* scoresMenu = menuBar()->addMenu(QStringLiteral("Scores"));
    scoresMenu->setObjectName(QStringLiteral("mnuScores"));
    QAction* clear = scoresMenu->addAction(QStringLiteral("Clear High Scores"));
    clear->setObjectName(QStringLiteral("mnuClearHS"));
    connect(clear, &QAction::triggered, this, &HallOfFameWindow::mnuClearHS_Click);
}

void HallOfFameWindow::placeBesideMainWindow() {
    if (mainWindow_ && mainWindow_->isVisible()) {
        move(mainWindow_->frameGeometry().topRight() + QPoint(8, 0));
    }
}

void HallOfFameWindow::Form_Load() {
    fillRows(mainWindow_ && scores_ ? scores_->prepareRows() : HighScores::clearedRows());
}

void HallOfFameWindow::fillRows(const std::array<HighScores::Row, HighScorePlaces>& rows) {
    for (int i = 0; i < 5; ++i) {
        fitText(scoreLabels_[i], rows[i].score, 12);
        nameBoxes_[i]->setText(rows[i].name);
    }
}

void HallOfFameWindow::Command1_Click() {
    // Back to the game: to the window that stands in for the main window while one does.
    QWidget* game = mainWindow_ ? SecondaryWindow::standingInFor(mainWindow_) : nullptr;
    if (game == nullptr && mainWindow_) {
        game = mainWindow_;
        showInPlace(game);
    }
    if (game != nullptr) {
        game->raise();
        game->activateWindow();
    } else if (mainWindowFactory) {
        mainWindowFactory();
    }
    close();
}

void HallOfFameWindow::Command2_Click() {
    SecondaryWindow::exitGame();
}

void HallOfFameWindow::mnuClearHS_Click() {
    if (mainWindow_ && scores_) {
        scores_->clearHighScores();
        fillRows(scores_->prepareRows());
        emit highScoresCleared();
    } else {
        HighScores::writeClearedFile(directory_);
        fillRows(HighScores::clearedRows());
    }
}

} // namespace corvelle
