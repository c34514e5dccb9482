// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace corvelle {

// The text of the Game Rules window: six sections, each a heading line, a blank line and
// one-line paragraphs separated by blank lines, ending with a line break.
QString rulesText();

} // namespace corvelle
