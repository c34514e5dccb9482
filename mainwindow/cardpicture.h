#pragma once

#include <QImage>
#include <QWidget>

namespace corvelle {

class CardPictureCache;

// One card picture control: shows picture number `picture()` from the window's cache, stretched
// smoothly over the whole control, with the card's rounded corners cut away so that the card
// below or the table shows in them. It draws from a pixmap decoded at the control's size in
// device pixels, so it stays sharp on a high-density screen. A left click on it emits clicked().
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

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    CardPictureCache& cache_;
    int picture_ = 0;
    Outline outline_ = Outline::None;
    bool pressed_ = false;
};

// `picture` as a card control shows it: its rounded corners cut away (transparent), at a radius
// that scales with its width. The cache keeps its pictures cut, so a paint is a plain copy.
QImage cutCardCorners(QImage picture);

} // namespace corvelle
