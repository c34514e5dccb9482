#include "ruleswindow.h"

#include "rulestext.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace corvelle {

RulesWindow::RulesWindow(QWidget* mainWindow) : StandInWindow(mainWindow) {
    setUpWindow();
    createControls();
}

void RulesWindow::setUpWindow() {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Game Rules"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(pixels(0, 0, 6375, 5190).size());
    paintGreen();
}

void RulesWindow::createControls() {
    // The buttons are made first: the first control of the window takes the focus on opening.
    auto* back = new QPushButton(QStringLiteral("Back to Corvelle"), this);
    back->setObjectName(QStringLiteral("Command1"));
    back->setGeometry(pixels(1200, 4680, 1935, 375));
    connect(back, &QPushButton::clicked, this, &RulesWindow::Command1_Click);

    auto* exit = new QPushButton(QStringLiteral("Exit Corvelle"), this);
    exit->setObjectName(QStringLiteral("Command2"));
    exit->setGeometry(pixels(3420, 4680, 1995, 375));
    connect(exit, &QPushButton::clicked, this, &RulesWindow::Command2_Click);

    auto* text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("Text1"));
    text->setGeometry(pixels(120, 120, 6135, 4395));
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setPlainText(rulesText());

    setTabOrder(back, exit);
    setTabOrder(exit, text);
}

void RulesWindow::Command1_Click() {
    returnToGame();
}

void RulesWindow::Command2_Click() {
    exitGame();
}

RulesWindow* openRulesWindow(QWidget* mainWindow) {
    if (mainWindow != nullptr) {
        mainWindow->hide();
    }
    auto* window = new RulesWindow(mainWindow);
    window->show();
    return window;
}

} // namespace corvelle
