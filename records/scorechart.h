// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/statisticsfile.h"

#include <QWidget>

#include <vector>

namespace corvelle {

// The chart of the statistics window: one column for each of the last games, oldest on the
// left, its score as a solid bar inside an outline as high as the best the game could have
// given. A game whose best is not known has no outline and a question mark over its bar; the
// scale runs from 0 to the highest score or best shown.
class ScoreChart : public QWidget {
    Q_OBJECT

public:
    explicit ScoreChart(QWidget* parent);
    void setGames(const std::vector<GameRecord>& games);

    static const QColor ScoreColour;
    static const QColor BestColour;

    // The chart in words, as a screen reader is told it.
    QString summary() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<GameRecord> games_;
};

} // namespace corvelle
