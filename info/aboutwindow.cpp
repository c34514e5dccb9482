// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/aboutwindow.h"

#include <QCoreApplication>
#include <QLabel>

namespace corvelle {

AboutWindow::AboutWindow(QWidget* mainWindow)
    : SecondaryWindow(mainWindow, "Form5", tr("About Corvelle"), {0, 0, 3855, 3795}, {}) {
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
        auto* versionLine = placed(new QLabel(tr("Version %1").arg(version), this), "Label1",
                                   {420, 540, 2205, 255});
        versionLine->setTextFormat(Qt::PlainText);
    }
    auto* licence = placed(new QLabel(tr("Free software under the GNU General Public "
                                         "License, version 3 or later."),
                                      this),
                           "Label3", {420, 1020, 3015, 1020});
    licence->setTextFormat(Qt::PlainText);
    licence->setWordWrap(true);
    licence->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* website = placed(new QLabel(QStringLiteral("https://corvelle.github.io/"), this),
                           "Label4", {420, 2160, 3015, 255});
    website->setTextFormat(Qt::PlainText);
    createButtons(tr("Continue Playing"), {240, 3180, 1575, 375}, {2040, 3180, 1575, 375});
}

AboutWindow* openAboutWindow(QWidget* mainWindow) {
    auto* window = new AboutWindow(mainWindow);
    window->showInsteadOfMainWindow(false);
    return window;
}

} // namespace corvelle
