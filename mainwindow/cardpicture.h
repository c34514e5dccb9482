// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QWidget>

namespace corvelle {

class CardPictureCache;

// Where a card picture lies on the table, which decides what it says to a screen reader.
enum class CardPlace {
    Unnamed,      // a picture that names nothing
    TableSlot,    // a table card: "Seven of Hearts", free or covered
    DrawPile,     // speaks for the whole draw pile: "Draw pile, 12 cards"
    DrawPileBack, // one more back of the draw pile, not offered on its own
    DiscardPile,  // "Discard pile, Seven of Hearts"
};

// One card picture control: shows picture number `picture()` from the window's cache, stretched
// smoothly over the whole control and cut to the card's rounded corners, so that the card below
// or the table shows in them. It draws from a pixmap decoded at the control's size in device
// pixels, so it stays sharp on a high-density screen. A left click on it emits clicked(). To a
// screen reader it is a button named after what it shows, read from the picture and from the
// pictures around it whenever asked; whenever that changes it says so, since screen readers keep
// what they have read until told. A hidden picture or an extra back of the draw pile is not
// offered at all.
class CardPicture : public QWidget {
    Q_OBJECT

public:
    CardPicture(CardPictureCache& cache, QWidget* parent);

    // Shows picture `number` (1..54 a card, 55 the back); decoded when it is first painted.
    void setPicture(int number);
    int picture() const { return picture_; }

    // An outline around the card: the card chosen with the keyboard, or the card a hint shows.
    enum class Outline { None, Chosen, Hint };
    void setOutline(Outline outline);
    Outline outline() const { return outline_; }

    // `below`: for a table slot, the picture of the card below it in its column, which covers
    // it while that card is on the table.
    void setPlace(CardPlace place, CardPicture* below = nullptr);
    CardPlace place() const { return place_; }

    // What a screen reader is told: whether the picture is offered at all, its name and its
    // description ("Free" or "Covered" for a table card).
    bool spoken() const;
    QString spokenName() const;
    QString spokenDescription() const;

signals:
    void clicked();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int drawPileCount() const;
    void tellScreenReader(QAccessible::Event change);

    CardPictureCache& cache_;
    int picture_ = 0;
    Outline outline_ = Outline::None;
    bool pressed_ = false;
    CardPlace place_ = CardPlace::Unnamed;
    const CardPicture* below_ = nullptr;
    CardPicture* above_ = nullptr;
};

} // namespace corvelle
