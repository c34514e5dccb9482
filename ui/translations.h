// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace corvelle {

// The folders a translation of the game is looked for in, first match wins: translations/
// beside the program (a build), then share/corvelle/translations of an installed copy.
QStringList translationDirectories();

// Puts every text of the game, and Qt's own texts of its standard dialogs (OK, Cancel, Yes, No),
// into the first of the locale's languages the game has a translation for; English, the
// language the game is written in, stops the search, so under the C or an English locale every
// text stays as written. Replaces the languages installed by an earlier call. Returns the
// language taken ("de", "fr", "es"), empty for English.
QString useLanguageOf(const QLocale& locale);

} // namespace corvelle
