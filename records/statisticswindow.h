// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include <array>

class QLabel;

namespace corvelle {

class ScoreChart;
class Statistics;

// The statistics window (FormStatistics): the player's figures, a chart of the last games'
// scores against the best they could have given, the last rounds and the deal on the table. It
// opens beside the main window without hiding or blocking it and follows the statistics as
// they change; "Back to Corvelle" and Escape close it. There is at most one, and it goes with
// the main window whose statistics it shows.
class StatisticsWindow : public QWidget {
    Q_OBJECT

public:
    // Opens the window over `mainWindow`, or brings the open one forward.
    static StatisticsWindow* showFor(QWidget* mainWindow, Statistics* statistics);
    // How many of the last rounds the window lists.
    static constexpr int ListedRounds = 6;

public slots:
    void refresh();

private:
    StatisticsWindow(QWidget* mainWindow, Statistics* statistics);

    Statistics* statistics_;
    std::array<QLabel*, 10> values_{};
    std::array<QLabel*, ListedRounds> rounds_{};
    ScoreChart* chart_ = nullptr;
};

} // namespace corvelle
