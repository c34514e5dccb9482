// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/moveannouncer.h"

#include "engine/card.h"
#include "mainwindow/accessibleroles.h"
#include "ui/cardwords.h"

namespace corvelle {

MoveAnnouncer::MoveAnnouncer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("announcer"));
    setAccessibleRole(this, QAccessible::Notification);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    // Hidden until it has something to say, so the window's first showing says nothing.
    hide();
    pending_.setSingleShot(true);
    pending_.setInterval(0);
    connect(&pending_, &QTimer::timeout, this, &MoveAnnouncer::announce);
}

// A deal shows every slot again and then its first discard; an undo shows one slot or one back
// again and then the discard it takes back; a draw hides a back and shows the card drawn.
void MoveAnnouncer::showCard(int index, int code, ShowTarget target) {
    if (target == ShowTarget::TableSlot && index >= 0 && index < TableSlots) {
        slotCards_[index] = code;
        return;
    }
    if (target != ShowTarget::DiscardPile) {
        return;
    }
    const QString card = cardWords(code);
    if (slotsBack_ > 1) {
        heard(played_ && !gameOverHeard_ ? tr("round won, new round dealt") : tr("new game dealt"));
        heard(tr("%1 on the discard pile").arg(card));
    } else if (slotsBack_ == 1) {
        heard(tr("undo, %1 back on the table, %2 on the discard pile")
                  .arg(cardWords(slotCards_[lastSlotBack_]), card));
    } else if (backsReturned_ > 0) {
        heard(tr("undo, draw taken back, %1 on the discard pile").arg(card));
    } else if (drew_) {
        heard(tr("drew the %1").arg(card));
    }
    slotsBack_ = 0;
    backsReturned_ = 0;
    drew_ = false;
}

void MoveAnnouncer::setSlotVisible(int slot, bool visible) {
    if (slot < 0 || slot >= TableSlots) {
        return;
    }
    if (visible) {
        ++slotsBack_;
        lastSlotBack_ = slot;
    } else {
        played_ = true;
        heard(tr("%1 played").arg(cardWords(slotCards_[slot])));
    }
}

void MoveAnnouncer::setDrawPileVisible(int /*index*/, bool visible) {
    if (visible) {
        ++backsReturned_;
    } else {
        drew_ = true;
    }
}

void MoveAnnouncer::showScore(std::string_view text) {
    score_ = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    pending_.start();
}

void MoveAnnouncer::setGameOverPanelVisible(bool visible) {
    if (visible && !gameOver_) {
        gameOverHeard_ = true;
        heard(tr("game over"));
    }
    gameOver_ = visible;
}

void MoveAnnouncer::say(const QString& phrase) {
    heard(phrase);
}

void MoveAnnouncer::heard(const QString& phrase) {
    phrases_ << phrase;
    pending_.start();
}

void MoveAnnouncer::announce() {
    if (!score_.isEmpty()) {
        phrases_ << tr("score %1").arg(score_);
    }
    QString text = phrases_.join(QStringLiteral(", "));
    phrases_.clear();
    score_.clear();
    played_ = false;
    gameOverHeard_ = false;
    if (text.isEmpty()) {
        return;
    }
    text[0] = text[0].toUpper();
    setAccessibleName(text);
    hide();
    show();
}

} // namespace corvelle
