// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/namerequest.h"

#include "scores/highscores.h"
#include "ui/dialogs.h"

#include <QCoreApplication>

namespace corvelle {

std::string askHallOfFameName(bool cheated) {
    std::string name =
        storableName(
            dialogs().askText(
                QCoreApplication::translate("corvelle::NameRequest",
                                            "Please enter your name for the High "
                                            "Scores Hall of Fame."),
                QCoreApplication::translate("corvelle::NameRequest", "High Scores: Hall of Fame"),
                storableName))
            .toStdString();
    if (cheated) {
        name += " *";
    }
    return name;
}

} // namespace corvelle
