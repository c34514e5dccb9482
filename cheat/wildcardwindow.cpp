// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cheat/wildcardwindow.h"

#include "cheat/cheatcommands.h"
#include "engine/card.h"
#include "ui/cardwords.h"
#include "ui/labels.h"
#include "ui/windowkit.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace corvelle {

namespace {

struct Caption {
    const char* name;
    const char* text;
    Twips place;
};

constexpr Caption Heading{
    "Label5",
    QT_TRANSLATE_NOOP("corvelle::WildCardWindow", "Select up to six (6) aditional wildcards"),
    {1095, 60, 3945, 255}};
// Over each suit's column, the suit's name (in the order of AllSuits).
constexpr std::array<Caption, 4> SuitHeads{{
    {"Label1", nullptr, {900, 360, 855, 255}},
    {"Label2", nullptr, {2220, 360, 735, 255}},
    {"Label3", nullptr, {3180, 360, 1335, 255}},
    {"Label4", nullptr, {4620, 360, 855, 255}},
}};
constexpr std::array<int, 4> BoxColumnLeft{960, 2220, 3480, 4680};
constexpr int BoxTop = 660;
constexpr int BoxRowStep = 300;
constexpr int BoxWidth = 735;
constexpr int QueenBoxWidth = 915;
constexpr int BoxHeight = 255;

QLabel* boldLabel(QWidget* parent, const Caption& caption, const QString& text) {
    QLabel* label = makeLabel(parent, caption.name, text,
                              LabelStyle().inWindowFont().points(0).bold(), caption.place);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // A caption wider than its place (a translated suit) widens it evenly about its centre.
    if (const int wanted = label->sizeHint().width(); wanted > label->width()) {
        QRect place = label->geometry();
        place.setLeft(place.center().x() - wanted / 2);
        place.setWidth(wanted);
        label->setGeometry(place);
    }
    return label;
}

// A rank wider than its box's room for text (a translated one) widens the box into the gap
// beside it.
void widenToFit(QCheckBox* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const int room =
        box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width();
    const int wanted = box->fontMetrics().horizontalAdvance(box->text());
    if (wanted > room) {
        box->resize(box->width() + wanted - room, box->height());
    }
}

} // namespace

WildCardWindow::WildCardWindow(const CheatChoice& choice, QWidget* mainWindow)
    : SecondaryWindow(mainWindow, "Form6", tr("Cheat Mode Options Select Window"),
                      {0, 0, 6255, 5295}, {}),
      choice_(choice) {
    QFont font = this->font();
    font.setPointSizeF(8.25);
    setFont(font);
    paintGreen(this);
    createControls();
    tickChosenBoxes();
}

void WildCardWindow::createControls() {
    boldLabel(this, Heading, tr(Heading.text));
    for (std::size_t suit = 0; suit < SuitHeads.size(); ++suit) {
        boldLabel(this, SuitHeads[suit], suitWords(AllSuits[suit]));
    }
    QWidget* previous =
        createButtons(tr("Continue Playing"), {660, 4740, 1935, 375}, {3720, 4740, 1935, 375});
    for (int index = 0; index < BoxCount; ++index) {
        const int rank = index % RanksPerSuit + 1;
        auto* box = placed(new QCheckBox(rankCaptionWords(rank), this), "Check1",
                           {BoxColumnLeft[index / RanksPerSuit], BoxTop + BoxRowStep * (rank - 1),
                            rank == 12 ? QueenBoxWidth : BoxWidth, BoxHeight});
        widenToFit(box);
        box->setProperty("index", index);
        box->setAccessibleName(cardWords(index + 1));
        paintGreen(box);
        connect(box, &QCheckBox::toggled, this, [this, index] { onBoxToggled(index); });
        setTabOrder(previous, box);
        previous = box;
        boxes_[index] = box;
    }
}

void WildCardWindow::tickChosenBoxes() {
    wildSelectLoading_ = true;
    for (int code = 1; code <= BoxCount; ++code) {
        if (choice_.wildMark[code] == 1) {
            boxes_[code - 1]->setChecked(true);
        }
    }
    wildSelectLoading_ = false;
}

void WildCardWindow::onBoxToggled(int index) {
    if (wildSelectLoading_ || index < 0 || index >= BoxCount) {
        return;
    }
    QCheckBox* box = boxes_[index];
    if (wildCardBoxChanged(choice_, index, box->isChecked())) {
        box->setChecked(false);
    }
}

void WildCardWindow::returningToGame() {
    continuePlaying(choice_);
    emit choiceMade(choice_);
}

WildCardWindow* openWildCardWindow(const CheatChoice& choice, QWidget* mainWindow) {
    auto* window = new WildCardWindow(choice, mainWindow);
    window->showInsteadOfMainWindow(false);
    return window;
}

} // namespace corvelle
