#include "activity/ContinueMenu.h"

#include "core/TextFormat.h"

namespace activity {

int menuResult(MenuChoice choice) {
    switch (choice) {
        case MenuChoice::SameTask:
            return kMenuSameTask;
        case MenuChoice::TaskList:
            return kMenuTaskList;
        case MenuChoice::NextTask:
            break;
    }
    return kMenuNextTask;
}

MenuChoice nextMenuChoice(MenuChoice choice) {
    switch (choice) {
        case MenuChoice::NextTask:
            return MenuChoice::SameTask;
        case MenuChoice::SameTask:
            return MenuChoice::TaskList;
        case MenuChoice::TaskList:
            break;
    }
    return MenuChoice::NextTask;
}

ContinueMenuGeometry layOutContinueMenu(QSize screen, QSize image) {
    ContinueMenuGeometry g;
    // Centred, at a quarter, a half and three quarters of the screen's height.
    const int left = roundToInt16((screen.width() - image.width()) / 2.0);
    const int quarter = roundToInt16(screen.height() / 4.0);
    for (int c = 1; c <= 3; ++c) {
        const int top = roundToInt16(c * quarter - image.height() / 2.0);
        g.choice[c] = QRect(QPoint(left, top), image);
        g.highlight[c] = QPoint(left - 490, top - 435);
    }
    // The highlight opens 90 twips lower on the first choice than where it returns to it.
    g.firstHighlight = QPoint(left - 490, g.choice[1].top() - 345);
    return g;
}

}  // namespace activity
