#pragma once

#include <QApplication>
#include <QEvent>
#include <QStringList>

namespace corvelle::test {

// Records the show, hide and close events of the windows named "Form...", in order, so a test
// can check in which order a command opens, hides and closes the game's windows.
class WindowEvents : public QObject {
public:
    QStringList seen;
    WindowEvents() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto kind = QList{QEvent::Show, QEvent::Hide, QEvent::Close}.indexOf(event->type());
        if (kind >= 0 && watched->isWidgetType() && watched->objectName().startsWith("Form")) {
            seen << watched->objectName() + QStringList{" show", " hide", " close"}[kind];
        }
        return false;
    }
};

} // namespace corvelle::test
