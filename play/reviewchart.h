// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/roundreview.h"

#include <QWidget>

namespace corvelle {

// The chart of a round's review: along the round, step by step, what was in reach (the points
// given so far and the most the rest could still give) as a line falling wherever a step lost
// points, and the points given so far as a line rising below it. The selected step is marked.
class ReviewChart : public QWidget {
    Q_OBJECT

public:
    explicit ReviewChart(QWidget* parent);
    void setReview(const RoundReview& review);
    // Marks position `position`: 0 the round's start, i + 1 the position after step i.
    void setSelected(int position);

    static const QColor InReachColour;
    static const QColor ScoredColour;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<std::int64_t> inReach_; // at the start and after every step
    std::vector<std::int64_t> scored_;
    int selected_ = 0;
};

} // namespace corvelle
