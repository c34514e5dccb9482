// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace corvelle {

// The per-user data directory, created when needed: where the statistics, the kept game, the
// kept card pictures and (for an installed copy) the Hall of Fame live.
QString dataDirectory();

// `name` in the data directory.
QString dataFilePath(const QString& name);

} // namespace corvelle
