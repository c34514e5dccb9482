#include "scorechart.h"

#include <QPainter>

#include <algorithm>

namespace corvelle {

const QColor ScoreChart::ScoreColour(250, 240, 180);
const QColor ScoreChart::BestColour(255, 200, 0);

namespace {

const QColor ChartBackground(0, 96, 0);

// The top of the scale: the highest value shown, rounded up to 1, 2 or 5 times a power of ten.
std::int32_t scaleTop(const std::vector<GameRecord>& games) {
    std::int64_t highest = 1;
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
}

void ScoreChart::setGames(const std::vector<GameRecord>& games) {
    games_ = games;
    update();
}

void ScoreChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), ChartBackground);
    painter.setPen(QColor(0, 60, 0));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    QFont small = font();
    small.setPointSize(7);
    painter.setFont(small);
    const int labelWidth = painter.fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 6;
    const QRect plot = rect().adjusted(labelWidth, 16, -6, -14);
    const std::int32_t top = scaleTop(games_);

    painter.setPen(QColor(160, 200, 160));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, plot.top() - 6, labelWidth - 4, 12),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(top));
    painter.drawText(QRect(0, plot.bottom() - 6, labelWidth - 4, 12),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    if (games_.empty()) {
        painter.drawText(plot, Qt::AlignCenter, QStringLiteral("No games yet"));
        return;
    }

    const double slot = static_cast<double>(plot.width()) / static_cast<double>(ChartedGames);
    const auto heightOf = [&](std::int32_t value) {
        return static_cast<int>(static_cast<double>(std::max(value, 0)) * plot.height() / top);
    };
    for (std::size_t i = 0; i < games_.size(); ++i) {
        const GameRecord& game = games_[i];
        const int left = plot.left() + 1 + static_cast<int>(slot * static_cast<double>(i));
        const int width = std::max(static_cast<int>(slot) - 3, 2);
        const int scoreHeight = heightOf(game.score);
        painter.fillRect(left + 2, plot.bottom() - scoreHeight, width - 4, scoreHeight,
                         ScoreColour);
        if (game.best) {
            const int bestHeight = heightOf(*game.best);
            painter.setPen(QPen(BestColour, 2));
            painter.drawRect(left + 1, plot.bottom() - bestHeight, width - 2, bestHeight);
        } else {
            painter.setPen(BestColour);
            painter.drawText(QRect(left - 2, plot.bottom() - scoreHeight - 13, width + 4, 12),
                             Qt::AlignCenter, QStringLiteral("?"));
        }
    }
    painter.setPen(Qt::white);
    painter.drawText(rect().adjusted(labelWidth, 0, -4, 0), Qt::AlignBottom | Qt::AlignRight,
                     QStringLiteral("latest"));
}

} // namespace corvelle
