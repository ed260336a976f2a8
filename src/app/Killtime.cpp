#include "app/Killtime.h"

double killtime(double n) {
    // volatile: every addition is a real load and store, so the compiler can neither drop the
    // loop nor work out its result in advance.
    volatile double counter = 0.0;
    do {
        counter = counter + 1.0;
    } while (!(counter > n));
    return counter;
}
