#pragma once

#include <QByteArray>
#include <QString>

namespace corvelle {

// Replaces the content of the file at `path` with `bytes`: the new content is written beside
// it and then put in its place, so the file never holds anything but its old or its new
// content. Returns an empty text when the file was replaced, otherwise why it was not (and the
// file is left as it was).
QString replaceFileContent(const QString& path, const QByteArray& bytes);

} // namespace corvelle
