#include "records/recordfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace corvelle {

QString recordDirectory() {
    QString directory = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(directory);
    return directory;
}

QString keepAside(const QString& path, const QString& suffix) {
    const QString base = path + suffix;
    QString name = base;
    for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n) {
        name = base + QLatin1Char('.') + QString::number(n);
    }
    return QDir().rename(path, name) ? name : QString();
}

} // namespace corvelle
