// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

namespace corvelle {

// The game's modal questions: a message box, a line of text (the name request, a deal number)
// and a yes-or-no question. Everything that asks the player goes through the one installed
// Dialogs, so tests answer without opening anything.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message box: only an OK button, no icon, caption "Corvelle", modal.
    virtual void message(const QString& text) = 0;
    // A modal single-line input dialog with an empty field, OK and Cancel; Cancel gives the
    // empty text. The field keeps only what `keep` leaves of what is typed (everything when
    // none is given); the answer is returned exactly as the field holds it.
    virtual QString askText(const QString& prompt, const QString& title,
                            const std::function<QString(const QString&)>& keep = {}) = 0;
    // A modal question with Yes and No, caption "Corvelle", No the default button; true for
    // Yes. Dialogs that do not ask answer No, so nothing is ever lost unasked.
    virtual bool askYesNo(const QString& question);
};

// The process-wide dialogs: the real modal Qt dialogs unless a test installed its own.
Dialogs& dialogs();
// Installs `replacement` (not owned); nullptr puts the real dialogs back.
void setDialogs(Dialogs* replacement);

} // namespace corvelle
