#pragma once

#include <QString>

namespace corvelle {

// The text of the Game Rules window: six sections, each a heading line, a blank line and
// one-line paragraphs separated by blank lines, ending with a line break.
QString rulesText();

} // namespace corvelle
