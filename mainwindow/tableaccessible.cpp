// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/tableaccessible.h"

#include "mainwindow/cardpicture.h"

#include <QAccessibleWidget>

namespace corvelle {

namespace {

constexpr const char* TableProperty = "corvelleCardTable";

class TableAccessible : public QAccessibleWidget {
public:
    explicit TableAccessible(QWidget* table) : QAccessibleWidget(table, QAccessible::Pane) {}

    int childCount() const override { return static_cast<int>(shown().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = shown();
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr ? static_cast<int>(shown().indexOf(child->object())) : -1;
    }

private:
    QList<QWidget*> shown() const {
        QList<QWidget*> children;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            const auto* card = qobject_cast<CardPicture*>(child);
            if (child != nullptr && !child->isWindow() && !child->isHidden() &&
                (card == nullptr || card->spoken())) {
                children << child;
            }
        }
        return children;
    }
};

QAccessibleInterface* tableAccessible(const QString& /*className*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget != nullptr && widget->property(TableProperty).toBool()
               ? new TableAccessible(widget)
               : nullptr;
}

} // namespace

void makeTableAccessible(QWidget* table) {
    static const bool installed = (QAccessible::installFactory(tableAccessible), true);
    Q_UNUSED(installed);
    table->setProperty(TableProperty, true);
}

} // namespace corvelle
