#include "savefile.h"

#include <QSaveFile>

namespace corvelle {

QString replaceFileContent(const QString& path, const QByteArray& bytes) {
    QSaveFile out(path);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly)) {
        return out.errorString();
    }
    if (out.write(bytes) != bytes.size()) {
        const QString why = out.errorString();
        out.cancelWriting();
        return why;
    }
    if (!out.commit()) {
        return out.errorString();
    }
    return {};
}

} // namespace corvelle
