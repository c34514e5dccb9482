// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/reviewchart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace corvelle {

const QColor ReviewChart::InReachColour(255, 220, 90);
const QColor ReviewChart::ScoredColour(255, 255, 255);

ReviewChart::ReviewChart(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0, 96, 0));
    setPalette(palette);
}

void ReviewChart::setReview(const RoundReview& review) {
    inReach_ = {review.possible};
    scored_ = {0};
    for (const ReviewedStep& step : review.steps) {
        inReach_.push_back(step.inReachAfter());
        scored_.push_back(step.scoredAfter);
    }
    selected_ = std::min(selected_, static_cast<int>(review.steps.size()));
    update();
}

void ReviewChart::setSelected(int position) {
    selected_ = position;
    update();
}

void ReviewChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(8, 8, -8, -8);
    std::int64_t top = 1;
    std::int64_t bottom = 0;
    for (std::size_t i = 0; i < inReach_.size(); ++i) {
        top = std::max({top, inReach_[i], scored_[i]});
        bottom = std::min({bottom, inReach_[i], scored_[i]});
    }
    const auto count = static_cast<qreal>(std::max<std::size_t>(inReach_.size(), 2) - 1);
    const auto point = [&](std::size_t i, std::int64_t value) {
        return QPointF(area.left() + area.width() * static_cast<qreal>(i) / count,
                       area.bottom() - area.height() * static_cast<qreal>(value - bottom) /
                                           static_cast<qreal>(top - bottom));
    };
    painter.setPen(QPen(QColor(255, 255, 255, 60), 1));
    painter.drawLine(point(0, 0), QPointF(area.right(), point(0, 0).y()));
    const auto line = [&](const std::vector<std::int64_t>& values, const QColor& colour) {
        QPainterPath path;
        for (std::size_t i = 0; i < values.size(); ++i) {
            i == 0 ? path.moveTo(point(i, values[i])) : path.lineTo(point(i, values[i]));
        }
        painter.setPen(QPen(colour, 2));
        painter.drawPath(path);
    };
    line(scored_, ScoredColour);
    line(inReach_, InReachColour);
    if (selected_ >= 0 && static_cast<std::size_t>(selected_) < inReach_.size()) {
        const QPointF at = point(static_cast<std::size_t>(selected_), 0);
        painter.setPen(QPen(QColor(255, 255, 255, 140), 1, Qt::DashLine));
        painter.drawLine(QPointF(at.x(), area.top()), QPointF(at.x(), area.bottom()));
    }
}

} // namespace corvelle
