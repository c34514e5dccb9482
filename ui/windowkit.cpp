#include "windowkit.h"

#include <QLayout>
#include <QMainWindow>

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

} // namespace corvelle
