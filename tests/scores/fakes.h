#pragma once

#include "dialogs.h"
#include "display.h"
#include "randomsource.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string>

namespace corvelle {

// Records what the engine and the Hall of Fame show on the main window.
class RecordingDisplay final : public Display {
public:
    void showCard(int, int, int) override { ++cardsShown; }
    void setSlotVisible(int, bool) override {}
    void setDrawPileVisible(int, bool) override {}
    void showScore(std::string_view text) override { score = std::string(text); }
    void showHighestScore(std::string_view text) override {
        highest = std::string(text);
        ++highestShown;
    }
    void setGameOverPanelVisible(bool visible) override { panelVisible = visible; }
    void showMessage(std::string_view text) override { messages << QString::fromUtf8(text); }
    void checkHighScore() override {}

    int cardsShown = 0;
    std::string score;
    std::string highest = "design-time";
    int highestShown = 0;
    bool panelVisible = false;
    QStringList messages;
};

// Answers the name request with a scripted text and records every question and message.
class ScriptedDialogs final : public Dialogs {
public:
    void message(const QString& text) override { messages << text; }
    QString askText(const QString& prompt, const QString& title) override {
        asked << prompt + QLatin1Char('|') + title;
        if (whileAsking) {
            whileAsking();
        }
        return answer;
    }

    QString answer;
    QStringList asked;
    QStringList messages;
    std::function<void()> whileAsking;
};

class SteppingRandom final : public RandomSource {
public:
    double uniform() override {
        next_ = next_ + 0.618033988749895;
        next_ -= static_cast<int>(next_);
        return next_;
    }

private:
    double next_ = 0.0;
};

} // namespace corvelle
