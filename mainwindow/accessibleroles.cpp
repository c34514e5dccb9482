// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/accessibleroles.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace corvelle {

namespace {

constexpr const char* RoleProperty = "corvelleAccessibleRole";

QAccessibleInterface* roleAccessible(const QString& /*className*/, QObject* object) {
    if (!object->isWidgetType()) {
        return nullptr;
    }
    const QVariant role = object->property(RoleProperty);
    return role.isValid() ? new QAccessibleWidget(static_cast<QWidget*>(object),
                                                  static_cast<QAccessible::Role>(role.toInt()))
                          : nullptr;
}

} // namespace

void setAccessibleRole(QWidget* widget, QAccessible::Role role) {
    static const bool installed = (QAccessible::installFactory(roleAccessible), true);
    Q_UNUSED(installed);
    widget->setProperty(RoleProperty, static_cast<int>(role));
}

} // namespace corvelle
