#include "wildcardwindow.h"

#include "cheatcommands.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include <utility>

namespace corvelle {

namespace {

struct Place {
    const char* name;
    const char* caption;
    int left, top, width, height; // twips
};

constexpr Place Heading{"Label5", "Select up to six (6) aditional wildcards", 1095, 60, 3945, 255};
constexpr std::array<Place, 4> SuitHeads{{
    {"Label1", "Spades", 900, 360, 855, 255},
    {"Label2", "Clubs", 2220, 360, 735, 255},
    {"Label3", "Diamonds", 3180, 360, 1335, 255},
    {"Label4", "Hearts", 4620, 360, 855, 255},
}};
constexpr Place ContinueButton{"Command1", "Continue Playing", 660, 4740, 1935, 375};
constexpr Place ExitButton{"Command2", "Exit Corvelle", 3720, 4740, 1935, 375};

constexpr std::array<int, 4> BoxColumnLeft{960, 2220, 3480, 4680};
constexpr int BoxTop = 660;
constexpr int BoxRowStep = 300;
constexpr int BoxWidth = 735;
constexpr int QueenBoxWidth = 915;
constexpr int BoxHeight = 255;
constexpr std::array<const char*, 13> RankCaptions{"Ace", "2", "3",  "4",    "5",     "6",   "7",
                                                   "8",   "9", "10", "Jack", "Queen", "King"};

constexpr int ClientWidth = 6255;
constexpr int ClientHeight = 5295;
constexpr int TwipsPerPixel = 15;
const QColor Green(0, 128, 0);

QRect pixels(int left, int top, int width, int height) {
    return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel,
            height / TwipsPerPixel};
}

QRect pixels(const Place& place) {
    return pixels(place.left, place.top, place.width, place.height);
}

void paintGreen(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Green);
    widget->setPalette(palette);
    widget->setBackgroundRole(QPalette::Window);
    widget->setAutoFillBackground(true);
}

QLabel* boldLabel(QWidget* parent, const Place& place) {
    auto* label = new QLabel(QString::fromUtf8(place.caption), parent);
    label->setObjectName(QString::fromUtf8(place.name));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(pixels(place));
    return label;
}

QPushButton* button(QWidget* parent, const Place& place) {
    auto* result = new QPushButton(QString::fromUtf8(place.caption), parent);
    result->setObjectName(QString::fromUtf8(place.name));
    result->setGeometry(pixels(place));
    return result;
}

} // namespace

WildCardWindow::WildCardWindow(CheatState& cheat, QWidget* mainWindow,
                               std::function<void()> cheatsChanged)
    : QWidget(nullptr), cheat_(cheat), mainWindow_(mainWindow),
      cheatsChanged_(std::move(cheatsChanged)) {
    setUpWindow();
    createControls();
    Form_Load();
}

void WildCardWindow::setUpWindow() {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Cheat Mode Options Select Window"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(ClientWidth / TwipsPerPixel, ClientHeight / TwipsPerPixel);
    QFont font = this->font();
    font.setPointSizeF(8.25);
    setFont(font);
    paintGreen(this);
    if (mainWindow_ != nullptr) {
        // The window edits the game's cheat state: it must not outlive the game.
        connect(mainWindow_, &QObject::destroyed, this, &QWidget::close);
    }
}

void WildCardWindow::createControls() {
    boldLabel(this, Heading);
    for (const Place& head : SuitHeads) {
        boldLabel(this, head);
    }
    QPushButton* continueButton = button(this, ContinueButton);
    QPushButton* exitButton = button(this, ExitButton);
    connect(continueButton, &QPushButton::clicked, this, &WildCardWindow::Command1_Click);
    connect(exitButton, &QPushButton::clicked, this, &WildCardWindow::Command2_Click);
    setTabOrder(continueButton, exitButton);

    QWidget* previous = exitButton;
    for (int index = 0; index < BoxCount; ++index) {
        const int column = index / 13;
        const int row = index % 13;
        auto* box = new QCheckBox(QString::fromUtf8(RankCaptions[row]), this);
        box->setObjectName(QStringLiteral("Check1"));
        box->setProperty("index", index);
        box->setGeometry(pixels(BoxColumnLeft[column], BoxTop + BoxRowStep * row,
                                row == 11 ? QueenBoxWidth : BoxWidth, BoxHeight));
        paintGreen(box);
        connect(box, &QCheckBox::toggled, this, [this, index] { Check1_Click(index); });
        setTabOrder(previous, box);
        previous = box;
        boxes_[index] = box;
    }
}

void WildCardWindow::Form_Load() {
    cheat_.wildSelectLoading = true;
    for (int code = 1; code <= BoxCount; ++code) {
        if (cheat_.wildMark[code] == 1) {
            boxes_[code - 1]->setChecked(true);
        }
    }
    cheat_.wildSelectLoading = false;
}

void WildCardWindow::Check1_Click(int index) {
    if (index < 0 || index >= BoxCount) {
        return;
    }
    QCheckBox* box = boxes_[index];
    if (wildCardBoxChanged(cheat_, index, box->isChecked())) {
        box->setChecked(false);
    }
}

void WildCardWindow::Command1_Click() {
    returnToGame();
    close();
}

void WildCardWindow::Command2_Click() {
    leaving_ = true;
    if (mainWindow_ != nullptr) {
        mainWindow_->close();
    }
    close();
}

void WildCardWindow::closeEvent(QCloseEvent* event) {
    // A close through the title bar is taken as "Continue Playing"; otherwise the main window
    // would stay hidden with no way back to the game.
    returnToGame();
    event->accept();
}

void WildCardWindow::returnToGame() {
    if (leaving_) {
        return;
    }
    leaving_ = true;
    if (mainWindow_ == nullptr) {
        return;
    }
    continuePlaying(cheat_);
    if (cheatsChanged_) {
        cheatsChanged_();
    }
    mainWindow_->show();
}

WildCardWindow* openWildCardWindow(CheatState& cheat, QWidget* mainWindow,
                                   std::function<void()> cheatsChanged) {
    auto* window = new WildCardWindow(cheat, mainWindow, std::move(cheatsChanged));
    window->show();
    if (mainWindow != nullptr) {
        mainWindow->hide();
    }
    return window;
}

} // namespace corvelle
