#include "scores/namerequest.h"

#include "scores/highscores.h"
#include "ui/dialogs.h"

namespace corvelle {

std::string askHallOfFameName(bool cheated) {
    std::string name =
        storableName(dialogs().askText(QStringLiteral("Please enter your name for the High "
                                                      "Scores Hall of Fame."),
                                       QStringLiteral("High Scores: Hall of Fame"), storableName))
            .toStdString();
    if (cheated) {
        name += " *";
    }
    return name;
}

} // namespace corvelle
