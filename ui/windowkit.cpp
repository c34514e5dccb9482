// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windowkit.h"

#include <QLayout>
#include <QMainWindow>
#include <QWindow>

namespace corvelle {

void paintGreen(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, TableGreen);
    widget->setPalette(palette);
    widget->setBackgroundRole(QPalette::Window);
    widget->setAutoFillBackground(true);
}

void setUpFixedWindow(QWidget* window, const char* name, const QString& caption,
                      const Twips& clientSize, Qt::WindowFlags buttons) {
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(caption);
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | buttons);
    window->setFixedSize(pixels(clientSize).size());
}

QWidget* createFixedClientArea(QMainWindow* window, const Twips& clientSize) {
    auto* area = new QWidget(window);
    area->setFixedSize(pixels(clientSize).size());
    paintGreen(area);
    window->setCentralWidget(area);
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    return area;
}

void hideKeepingPlace(QWidget* window) {
    if (window != nullptr && window->isVisible()) {
        window->setProperty("keptPlace", window->geometry().topLeft());
        window->hide();
    }
}

void showInPlace(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    const QVariant place = window->property("keptPlace");
    if (place.isValid() && window->windowHandle() != nullptr) {
        // Given to the window system as a position the window asks for, which a window
        // manager keeps, where an unchanged move() would send nothing.
        window->windowHandle()->setPosition(place.toPoint());
    }
    window->show();
}

} // namespace corvelle
