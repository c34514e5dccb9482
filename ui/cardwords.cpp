#include "ui/cardwords.h"

#include "engine/card.h"

namespace corvelle {

QString cardWords(int code) {
    return QString::fromStdString(cardName(code));
}

} // namespace corvelle
