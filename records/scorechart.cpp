// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/scorechart.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <utility>

namespace corvelle {

const QColor ScoreChart::ScoreColour(250, 240, 180);
const QColor ScoreChart::BestColour(255, 200, 0);

namespace {

const QColor ChartBackground(0, 96, 0);

// The top of the scale: the highest value shown (10 at least), rounded up to 1, 2 or 5 times a
// power of ten.
std::int32_t scaleTop(const std::vector<GameRecord>& games) {
    std::int64_t highest = 10; // scores go by fives: the scale starts at 10
    for (const GameRecord& game : games) {
        highest = std::max<std::int64_t>({highest, game.score, game.best.value_or(0)});
    }
    for (std::int64_t step = 1;; step *= 10) {
        for (const std::int64_t top : {step, 2 * step, 5 * step}) {
            if (top >= highest) {
                return static_cast<std::int32_t>(std::min<std::int64_t>(top, INT32_MAX));
            }
        }
    }
}

} // namespace

ScoreChart::ScoreChart(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Scores of the last games"));
    setAccessibleDescription(summary());
}

void ScoreChart::setGames(const std::vector<GameRecord>& games) {
    games_ = games;
    setAccessibleDescription(summary());
    update();
}

// The chart in words for a screen reader, oldest game first: "3 games: 120 of 400 possible,
// 80 (best unknown), 45 of 45 possible".
QString ScoreChart::summary() const {
    if (games_.empty()) {
        return tr("No game yet");
    }
    QStringList games;
    for (const GameRecord& game : games_) {
        games << (game.best ? tr("%1 of %2 possible").arg(game.score).arg(*game.best)
                            : tr("%1 (best unknown)").arg(game.score));
    }
    return tr("%1 games, oldest first: %2")
        .arg(games_.size())
        .arg(games.join(QStringLiteral(", ")));
}

void ScoreChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), ChartBackground);
    QFont small = font();
    small.setPointSize(7);
    painter.setFont(small);
    const int labelWidth = painter.fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 6;
    const QRect plot = rect().adjusted(labelWidth, 10, -6, -14);
    const std::int32_t top = scaleTop(games_);

    // The scale: lines at the top, the middle and 0, each with its value.
    const std::array<std::pair<int, std::int32_t>, 3> marks{
        {{plot.top(), top}, {plot.center().y(), top / 2}, {plot.bottom(), 0}}};
    for (const auto& [y, value] : marks) {
        painter.setPen(value == 0 ? QColor(160, 200, 160) : QColor(0, 128, 0));
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, y - 6, labelWidth - 4, 12), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(value));
    }
    if (games_.empty()) {
        painter.drawText(plot, Qt::AlignCenter, tr("No games yet"));
        return;
    }

    const double slot = static_cast<double>(plot.width()) / static_cast<double>(ChartedGames);
    const auto heightOf = [&](std::int32_t value) {
        return static_cast<int>(static_cast<double>(std::max(value, 0)) * plot.height() / top);
    };
    for (std::size_t i = 0; i < games_.size(); ++i) {
        const GameRecord& game = games_[i];
        const int left = plot.left() + 2 + static_cast<int>(slot * static_cast<double>(i));
        const int width = std::max(static_cast<int>(slot) - 2, 5);
        const int scoreHeight = heightOf(game.score);
        painter.fillRect(left + 1, plot.bottom() - scoreHeight, width - 2, scoreHeight + 1,
                         ScoreColour);
        if (game.best) {
            const int bestHeight = heightOf(*game.best);
            painter.setPen(BestColour);
            painter.drawRect(left, plot.bottom() - bestHeight, width - 1, bestHeight);
        } else {
            painter.setPen(BestColour);
            painter.drawText(QRect(left - 3, plot.bottom() - scoreHeight - 13, width + 6, 12),
                             Qt::AlignCenter, QStringLiteral("?"));
        }
    }
    painter.setPen(Qt::white);
    painter.drawText(rect().adjusted(labelWidth, 0, -4, 0), Qt::AlignBottom | Qt::AlignRight,
                     tr("latest"));
}

} // namespace corvelle
