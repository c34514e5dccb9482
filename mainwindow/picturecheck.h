#pragma once

#include <QString>
#include <QStringList>

namespace corvelle {

// The game cannot be played without all of its pictures, so start-up checks the 55 files
// 1.jpg..55.jpg of `directory` before any window shows. Returns one entry per file that is
// missing ("12.jpg (missing)") or is not a complete, readable JPEG ("30.jpg (damaged)"), in
// picture order; empty when every picture is usable.
QStringList checkCardPictures(const QString& directory);

// The text of the message box that start-up shows for the problems found above.
QString cardPictureProblemMessage(const QString& directory, const QStringList& problems);

} // namespace corvelle
