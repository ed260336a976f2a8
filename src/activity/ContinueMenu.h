#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

// The menu after a solved task: three choices one above the other, and the scanning highlight
// that frames one of them. Positions inside the menu's panel are twips.
namespace activity {

// The choices, top to bottom, and what the menu returns for each.
enum class MenuChoice { NextTask = 1, SameTask = 2, TaskList = 3 };
inline constexpr int kMenuNextTask = 3;
inline constexpr int kMenuSameTask = 2;
inline constexpr int kMenuTaskList = 1;
int menuResult(MenuChoice choice);

// The highlight moves down through the choices and back to the top.
MenuChoice nextMenuChoice(MenuChoice choice);

struct ContinueMenuGeometry {
    std::array<QRect, 4> choice{};      // 1..3: ImageContinueNext, ...Replay, ...Task
    std::array<QPoint, 4> highlight{};  // 1..3: ShapeContinueScan on that choice
    QPoint firstHighlight;              // where the highlight stands when the menu opens
};

// `screen` in twips; `image` the size of the three pictures in twips (9090 x 2430 by design).
ContinueMenuGeometry layOutContinueMenu(QSize screen, QSize image = QSize(9090, 2430));

}  // namespace activity
