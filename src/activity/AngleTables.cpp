#include "activity/AngleTables.h"

#include <cmath>

namespace activity {

AngleTables init_arrays() {
    AngleTables t;
    for (int degree = 0; degree <= 360; ++degree) {
        t.angle[degree] = degree * 3.1415926 / 180.0;
        t.sine[degree] = std::sin(t.angle[degree]);
        t.cosine[degree] = std::cos(t.angle[degree]);
    }
    return t;
}

}  // namespace activity
