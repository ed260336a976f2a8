#include "activity/Switches.h"

#include <Qt>

namespace activity {

int switchKeyCode(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Space:
            return kScanKeyCode;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kSelectKeyCode;
        default:
            return 0;
    }
}

}  // namespace activity
