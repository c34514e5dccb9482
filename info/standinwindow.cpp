#include "standinwindow.h"

#include <QCloseEvent>
#include <QPushButton>

namespace corvelle {

StandInWindow::StandInWindow(QWidget* mainWindow) : QWidget(nullptr), mainWindow_(mainWindow) {
    setAttribute(Qt::WA_DeleteOnClose);
    if (mainWindow_ != nullptr) {
        connect(mainWindow_, &QObject::destroyed, this, &QWidget::close);
    }
}

QRect StandInWindow::pixels(int left, int top, int width, int height) {
    constexpr int TwipsPerPixel = 15;
    return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel,
            height / TwipsPerPixel};
}

void StandInWindow::paintGreen() {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0, 128, 0));
    setPalette(palette);
    setAutoFillBackground(true);
}

QPushButton* StandInWindow::createButtons(const QString& returnCaption, const QRect& returnPlace,
                                          const QRect& exitPlace) {
    auto* back = new QPushButton(returnCaption, this);
    back->setObjectName(QStringLiteral("Command1"));
    back->setGeometry(returnPlace);
    connect(back, &QPushButton::clicked, this, &StandInWindow::Command1_Click);

    auto* exit = new QPushButton(QStringLiteral("Exit Corvelle"), this);
    exit->setObjectName(QStringLiteral("Command2"));
    exit->setGeometry(exitPlace);
    connect(exit, &QPushButton::clicked, this, &StandInWindow::Command2_Click);

    setTabOrder(back, exit);
    return exit;
}

void StandInWindow::Command1_Click() {
    returnToGame();
}

void StandInWindow::Command2_Click() {
    exitGame();
}

void StandInWindow::returnToGame() {
    close();
}

void StandInWindow::exitGame() {
    exiting_ = true;
    if (mainWindow_ != nullptr) {
        mainWindow_->close();
    }
    close();
}

void StandInWindow::closeEvent(QCloseEvent* event) {
    // Every way out but the exit button returns to the game, the title bar included; otherwise
    // the main window would stay hidden with no way back.
    if (!exiting_ && mainWindow_ != nullptr) {
        mainWindow_->show();
    }
    event->accept();
}

} // namespace corvelle
