// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/datadirectory.h"

#include <QDir>
#include <QStandardPaths>

namespace corvelle {

QString dataDirectory() {
    QString directory = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(directory);
    return directory;
}

QString dataFilePath(const QString& name) {
    return dataDirectory() + QLatin1Char('/') + name;
}

} // namespace corvelle
