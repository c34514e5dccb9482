#include "aboutwindow.h"

#include <QCoreApplication>
#include <QLabel>

namespace corvelle {

namespace {

constexpr int ClientWidth = 3855;
constexpr int ClientHeight = 3795;

} // namespace

AboutWindow::AboutWindow(QWidget* mainWindow) : StandInWindow(mainWindow) {
    setUpWindow();
    createControls();
}

void AboutWindow::setUpWindow() {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("About Corvelle"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(pixels(0, 0, ClientWidth, ClientHeight).size());
}

void AboutWindow::createControls() {
    auto* name = new QLabel(QStringLiteral("Corvelle"), this);
    name->setObjectName(QStringLiteral("Label2"));
    name->setTextFormat(Qt::PlainText);
    QFont nameFont(QStringLiteral("Sans Serif"));
    nameFont.setStyleHint(QFont::SansSerif);
    nameFont.setPointSizeF(13.5);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setGeometry(pixels(420, 120, 2205, 360));

    const QString version = QCoreApplication::applicationVersion();
    if (!version.isEmpty()) {
        auto* versionLine = new QLabel(QStringLiteral("Version ") + version, this);
        versionLine->setObjectName(QStringLiteral("Label1"));
        versionLine->setTextFormat(Qt::PlainText);
        versionLine->setGeometry(pixels(420, 540, 2205, 255));
    }

    createButtons(QStringLiteral("Continue Playing"), pixels(240, 3180, 1575, 375),
                  pixels(2040, 3180, 1575, 375));
}

AboutWindow* openAboutWindow(QWidget* mainWindow) {
    auto* window = new AboutWindow(mainWindow);
    window->show();
    if (mainWindow != nullptr) {
        mainWindow->hide();
    }
    return window;
}

} // namespace corvelle
