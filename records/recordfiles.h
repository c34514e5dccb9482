#pragma once

#include <QString>

namespace corvelle {

// Where the player's record lives: statistics.json and savedgame.json in the per-user data
// directory, created when needed.
QString recordDirectory();

// Puts the file at `path` aside as `path` + `suffix`, or the first of `suffix`.2, .3, .. that is
// free, so that an older copy is never replaced. What is no regular file (a FIFO, a folder) is
// moved without ever being opened. Returns the name it got, or an empty text when it could not
// be moved.
QString keepAside(const QString& path, const QString& suffix);

} // namespace corvelle
