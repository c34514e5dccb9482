#include "standinwindow.h"

#include <QCloseEvent>

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
