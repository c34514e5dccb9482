// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/statisticswindow.h"

#include "engine/randomsource.h"
#include "records/scorechart.h"
#include "records/statistics.h"
#include "ui/labels.h"
#include "ui/windowkit.h"

#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace corvelle {

namespace {

QPointer<StatisticsWindow> openWindow;

constexpr Twips ClientArea{0, 0, 8400, 6240};
constexpr Twips TitlePlace{240, 120, 4000, 450};
constexpr Twips CaptionPlace(int row) {
    return {240, 720 + 300 * row, 2280, 285};
}
constexpr Twips ValuePlace(int row) {
    return {2520, 720 + 300 * row, 1800, 285};
}
constexpr Twips ChartTitlePlace{4440, 420, 3720, 285};
constexpr Twips ChartPlace{4440, 720, 3720, 2400};
constexpr Twips LegendPlace{4440, 3150, 3720, 285};
constexpr Twips RoundsTitlePlace{240, 3780, 4000, 285};
constexpr Twips RoundPlace(int i) {
    return {240, 4080 + 255 * i, 7920, 255};
}
constexpr Twips Command1Place{6000, 5700, 2160, 375};

struct Figure {
    const char* name;
    const char* caption;
};
constexpr std::array<Figure, 10> Figures{{
    {"GamesPlayed", QT_TRANSLATE_NOOP("corvelle::StatisticsWindow", "Games played:")},
    {"RoundsCleared", QT_TRANSLATE_NOOP("corvelle::StatisticsWindow", "Rounds cleared:")},
    {"BestGame", QT_TRANSLATE_NOOP("corvelle::StatisticsWindow", "Best game score:")},
    {"BestRound", QT_TRANSLATE_NOOP("corvelle::StatisticsWindow", "Best round:")},
    {"LongestRun", QT_TRANSLATE_NOOP("corvelle::StatisticsWindow", "Longest run:")},
    {"MeanScore", QT_TRANSLATE_NOOP("corvelle::StatisticsWindow", "Mean score:")},
    {"MeanShare", QT_TRANSLATE_NOOP("corvelle::StatisticsWindow", "Mean share of best:")},
    {"HintsUsed", QT_TRANSLATE_NOOP("corvelle::StatisticsWindow", "Hints used:")},
    {"CurrentDeal", QT_TRANSLATE_NOOP("corvelle::StatisticsWindow", "Current deal:")},
    {"DealOfTheDay", QT_TRANSLATE_NOOP("corvelle::StatisticsWindow", "Deal of the day:")},
}};

QLabel* textLabel(QWidget* parent, const char* name, const QString& text, const Twips& place,
                  int pointSize, bool bold) {
    return makeLabel(parent, name, text,
                     LabelStyle().points(pointSize).bold(bold).coloured(Qt::white), place);
}

QString percent(std::optional<double> share) {
    return share ? StatisticsWindow::tr("%1%").arg(*share * 100.0, 0, 'f', 0)
                 : StatisticsWindow::tr("unknown");
}

// Today's deal, and the player's best on it once played.
QString dailyText(const StatisticsData& d) {
    const QDate today = QDate::currentDate();
    const std::uint64_t deal = dealOfTheDay(today.year(), today.month(), today.day());
    const std::optional<std::int32_t> best =
        d.dailyBest(today.year() * 10000 + today.month() * 100 + today.day());
    return best ? StatisticsWindow::tr("%1, best %2").arg(deal).arg(*best) : QString::number(deal);
}

QString roundLine(const RoundRecord& round) {
    const QString best = round.best ? StatisticsWindow::tr("of %1 possible").arg(*round.best)
                                    : StatisticsWindow::tr("best not known");
    return StatisticsWindow::tr("Deal %1, round %2: %3 points, %4%5")
        .arg(round.deal)
        .arg(round.round)
        .arg(round.points)
        .arg(best, round.cleared ? StatisticsWindow::tr(", cleared")
                                 : StatisticsWindow::tr(", game over"));
}

} // namespace

StatisticsWindow* StatisticsWindow::showFor(QWidget* mainWindow, Statistics* statistics) {
    if (!openWindow) {
        openWindow = new StatisticsWindow(mainWindow, statistics);
    }
    openWindow->show();
    openWindow->raise();
    openWindow->activateWindow();
    return openWindow;
}

StatisticsWindow::StatisticsWindow(QWidget* mainWindow, Statistics* statistics)
    : QWidget(mainWindow), statistics_(statistics) {
    setUpFixedWindow(this, "FormStatistics", tr("Statistics"), ClientArea);
    setAttribute(Qt::WA_DeleteOnClose);
    paintGreen(this);

    textLabel(this, "Label1", tr("Statistics"), TitlePlace, 16, true);
    for (std::size_t row = 0; row < Figures.size(); ++row) {
        const int r = static_cast<int>(row);
        textLabel(this, "Caption", tr(Figures[row].caption), CaptionPlace(r), 9, false);
        values_[row] = textLabel(this, Figures[row].name, QString(), ValuePlace(r), 9, true);
    }
    textLabel(this, "ChartTitle", tr("Last 20 games: score and best possible"), ChartTitlePlace, 8,
              false);
    chart_ = placed(new ScoreChart(this), "Chart", ChartPlace);
    textLabel(this, "Legend", tr("Bar: score   Outline: best possible   ?: best unknown"),
              LegendPlace, 7, false);
    textLabel(this, "RoundsTitle", tr("Last rounds"), RoundsTitlePlace, 9, true);
    for (int i = 0; i < ListedRounds; ++i) {
        rounds_[i] = textLabel(this, "Round", QString(), RoundPlace(i), 8, false);
        rounds_[i]->setProperty("index", i);
    }
    auto* back = placed(new QPushButton(tr("Back to Corvelle"), this), "Command1", Command1Place);
    connect(back, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    connect(statistics_, &Statistics::changed, this, &StatisticsWindow::refresh);
    if (mainWindow != nullptr) {
        move(mainWindow->frameGeometry().topLeft() + QPoint(40, 40));
    }
    refresh();
}

void StatisticsWindow::refresh() {
    const StatisticsData& d = statistics_->data();
    const QString none = QStringLiteral("-");
    const bool anyRound = d.roundsPlayed > 0;
    const QString texts[] = {
        QString::number(d.gamesPlayed),
        tr("%1 of %2 (%3)")
            .arg(d.roundsCleared)
            .arg(d.roundsPlayed)
            .arg(anyRound ? percent(d.clearedShare()) : none),
        d.gamesPlayed > 0 ? QString::number(d.bestGameScore) : none,
        anyRound ? QString::number(d.bestRound) : none,
        tr("%1 cards").arg(d.longestRun),
        d.meanScore() ? QString::number(*d.meanScore(), 'f', 1) : none,
        percent(d.meanShare()),
        QString::number(d.hintsUsed),
        statistics_->currentDeal() > 0 ? QString::number(statistics_->currentDeal()) : none,
        dailyText(d),
    };
    for (std::size_t i = 0; i < values_.size(); ++i) {
        values_[i]->setText(texts[i]);
    }
    for (std::size_t i = 0; i < rounds_.size(); ++i) {
        rounds_[i]->setText(i < d.rounds.size() ? roundLine(d.rounds[d.rounds.size() - 1 - i])
                                                : QString());
    }
    chart_->setGames(d.games);
}

} // namespace corvelle
