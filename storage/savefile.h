#pragma once

#include <QByteArray>
#include <QString>

namespace corvelle {

// Replaces the content of the file at `path` (or of the file a symbolic link there points to)
// with `bytes`. The new content goes into a temporary file beside it, named after it with
// ".saving-" and six letters or digits, which is written, synced and then renamed over the
// file, and the directory is synced after the rename: whether the disk fills or the program is
// killed at any point, the file holds its whole old content or its whole new one. Temporary
// files that an earlier, killed save of the same file left behind are removed first. Returns
// an empty text when the file was replaced, otherwise why it was not (and the file is left as
// it was, unless only the directory sync after the rename failed, which the reason says).
QString replaceFileContent(const QString& path, const QByteArray& bytes);

} // namespace corvelle
