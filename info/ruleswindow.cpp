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
    QPushButton* exit = createButtons(QStringLiteral("Back to Corvelle"),
                                      pixels(1200, 4680, 1935, 375), pixels(3420, 4680, 1995, 375));

    auto* text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("Text1"));
    text->setGeometry(pixels(120, 120, 6135, 4395));
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setPlainText(rulesText());

    setTabOrder(exit, text);
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
