// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/halloffamewindow.h"

#include "ui/dialogs.h"
#include "ui/labels.h"
#include "ui/menus.h"
#include "ui/secondarywindow.h"
#include "ui/windowkit.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

namespace corvelle {

namespace {

QPointer<HallOfFameWindow> openWindow;

constexpr std::array<int, HighScorePlaces> RowTops = {1500, 1920, 2340, 2760, 3180};
constexpr int TitlePoints = 18;
constexpr int RowPoints = 12;

QLabel* rowLabel(QWidget* parent, const char* name, const QString& text, const QColor& colour,
                 int pointSize, const Twips& place) {
    QLabel* label =
        makeLabel(parent, name, QString(), LabelStyle().points(0).bold().coloured(colour), place);
    setTextShrinkingToFit(label, text, pointSize);
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

HallOfFameWindow::HallOfFameWindow(QWidget* mainWindow, HighScores* scores)
    : mainWindow_(mainWindow), scores_(scores),
      directory_(scores ? scores->directory() : highScoreDirectory()) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("High Scores"));
    setAttribute(Qt::WA_DeleteOnClose);
    createControls();
    createMenus();
    fillRows(mainWindow_ && scores_ ? scores_->prepareRows() : HighScores::clearedRows());
}

void HallOfFameWindow::createControls() {
    QWidget* area = createFixedClientArea(this, {0, 0, 4185, 4920});

    rowLabel(area, "Label1", tr("Hall of Fame"), palette().color(QPalette::HighlightedText),
             TitlePoints, {960, 480, 2235, 435});
    for (int row = 0; row < HighScorePlaces; ++row) {
        const QByteArray placeName = "Label" + QByteArray::number(row + 2);
        placeLabels_[row] = rowLabel(area, placeName.constData(), QString::number(row + 1),
                                     Qt::white, RowPoints, {480, RowTops[row], 165, 300});
        QLabel* score = rowLabel(area, "Label7", QStringLiteral("0"), Qt::white, RowPoints,
                                 {960, RowTops[row], 1170, 300});
        score->setProperty("index", row);
        scoreLabels_[row] = score;

        auto* name = placed(new QLineEdit(area), "Text1", {2040, RowTops[row], 1755, 315});
        name->setProperty("index", row);
        nameBoxes_[row] = name;
    }

    auto* back =
        placed(new QPushButton(tr("Back to Corvelle"), area), "Command1", {120, 4080, 1935, 375});
    connect(back, &QPushButton::clicked, this, &HallOfFameWindow::onBackClicked);
    auto* exit =
        placed(new QPushButton(tr("Exit Corvelle"), area), "Command2", {2160, 4080, 1935, 375});
    connect(exit, &QPushButton::clicked, this, &SecondaryWindow::exitGame);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &HallOfFameWindow::onBackClicked);
}

void HallOfFameWindow::createMenus() {
    QMenu* scoresMenu = makeMenu(this, "mnuScores", tr("Scores"));
    QAction* clear = addMenuItem(scoresMenu, "mnuClearHS", tr("Clear High Scores"));
    connect(clear, &QAction::triggered, this, &HallOfFameWindow::onClearHighScores);
    menuBar()->addMenu(scoresMenu);
}

void HallOfFameWindow::placeBesideMainWindow() {
    if (mainWindow_ && mainWindow_->isVisible()) {
        move(mainWindow_->frameGeometry().topRight() + QPoint(8, 0));
    }
}

// Each row reads as one to a screen reader: its place, its score and its name, whichever of its
// controls the reader is on.
void HallOfFameWindow::fillRows(const std::array<HighScores::Row, HighScorePlaces>& rows) {
    for (int i = 0; i < HighScorePlaces; ++i) {
        setTextShrinkingToFit(scoreLabels_[i], rows[i].score, RowPoints);
        nameBoxes_[i]->setText(rows[i].name);
        const QString row =
            rows[i].name.isEmpty()
                ? tr("Place %1: %2").arg(i + 1).arg(rows[i].score)
                : tr("Place %1: %2, %3").arg(i + 1).arg(rows[i].score, rows[i].name);
        placeLabels_[i]->setAccessibleName(row);
        scoreLabels_[i]->setAccessibleName(row);
        nameBoxes_[i]->setAccessibleName(tr("Name, place %1").arg(i + 1));
    }
}

void HallOfFameWindow::onBackClicked() {
    // Back to the game: to the window that stands in for the main window while one does.
    QWidget* game = mainWindow_ ? SecondaryWindow::standingInFor(mainWindow_) : nullptr;
    if (game == nullptr && mainWindow_) {
        game = mainWindow_;
        showInPlace(game);
    }
    if (game != nullptr) {
        game->raise();
        game->activateWindow();
    } else {
        emit backToGameRequested();
    }
    close();
}

void HallOfFameWindow::onClearHighScores() {
    if (mainWindow_ && scores_) {
        for (const QString& text : scores_->clearHighScores()) {
            dialogs().message(text);
        }
        fillRows(scores_->prepareRows());
        emit highScoresCleared();
    } else {
        if (const QString why = HighScores::writeClearedFile(directory_); !why.isEmpty()) {
            dialogs().message(why);
        }
        fillRows(HighScores::clearedRows());
    }
}

} // namespace corvelle
