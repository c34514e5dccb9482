#include "info/aboutwindow.h"

#include <QCoreApplication>
#include <QLabel>

namespace corvelle {

AboutWindow::AboutWindow(QWidget* mainWindow)
    : SecondaryWindow(mainWindow, "Form5", QStringLiteral("About Corvelle"), {0, 0, 3855, 3795},
                      {}) {
    auto* name =
        placed(new QLabel(QStringLiteral("Corvelle"), this), "Label2", {420, 120, 2205, 360});
    name->setTextFormat(Qt::PlainText);
    QFont nameFont(QStringLiteral("Sans Serif"));
    nameFont.setStyleHint(QFont::SansSerif);
    nameFont.setPointSizeF(13.5);
    nameFont.setBold(true);
    name->setFont(nameFont);
    const QString version = QCoreApplication::applicationVersion();
    if (!version.isEmpty()) {
        auto* versionLine = placed(new QLabel(QStringLiteral("Version ") + version, this), "Label1",
                                   {420, 540, 2205, 255});
        versionLine->setTextFormat(Qt::PlainText);
    }
    createButtons(QStringLiteral("Continue Playing"), {240, 3180, 1575, 375},
                  {2040, 3180, 1575, 375});
}

AboutWindow* openAboutWindow(QWidget* mainWindow) {
    auto* window = new AboutWindow(mainWindow);
    window->showInsteadOfMainWindow(false);
    return window;
}

} // namespace corvelle
