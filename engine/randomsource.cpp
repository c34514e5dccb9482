#include "randomsource.h"

namespace corvelle {

double StdRandomSource::uniform() {
    // 53 random bits give every double in [0, 1) on a grid of 2^-53, never 1.0 itself.
    return static_cast<double>(generator_() >> 11) * 0x1.0p-53;
}

} // namespace corvelle
