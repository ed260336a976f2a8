#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "activity/BoardState.h"
#include "activity/Glide.h"

// The review lesson: all pictures in the right order on a panel, and the pointing hand that
// visits them while the steps are told. The panel measures in twips; the window converts.
namespace activity {

// Sizes in twips (15 to the pixel on a 96-dpi screen).
struct LessonDesign {
    int headingHeight = 450;       // LabelLesson (the review word)
    int taskTitleHeight = 450;     // LabelLessonTitle
    int pictureTitleHeight = 315;  // LabShowTitleLesson(1); the others take it
};

struct LessonInput {
    QSize screen;  // twips
    int stepCount = 0;
    BoardLayout layout = BoardLayout::LeftToRight;
    bool pictureTitles = true;
    LessonDesign design;
    QSize hand;  // PicHandLesson with its picture loaded, twips
};

// One place in the row (or column), counted from the left (top).
struct LessonPicture {
    int step = 0;  // the step shown here
    QRect image;   // ImLesson
    QRect title;   // LabShowTitleLesson: directly above the picture, as wide
};

struct LessonGeometry {
    QRect heading;    // LabelLesson
    QRect taskTitle;  // LabelLessonTitle
    bool titlesVisible = false;
    std::array<LessonPicture, kMaxSlots + 1> places{};  // 1..N
    QString handFile;                                   // bare name of the hand's picture
    QPoint handStart;                                   // out of sight before the first picture in reading order
    std::vector<int> visitOrder;                        // places in the order the hand visits them: steps 1..N
};

LessonGeometry layOutLesson(const LessonInput& input);

// The hand, one twip per step, from where it is to a place: along the row to the middle of the
// place's title (where the title is, shown or not), or down the column to the picture's middle.
GlidePath lessonHandToPlace(BoardLayout layout, QSize hand, const LessonPicture& place);
// It leaves the screen with handOffScreen.

// Twips to the window's pixels, halves to even.
int twipsToPixels(double twips, int twipsPerPixel);
QRect twipsToPixels(QRect twips, int twipsPerPixel);

// What the lesson does, in order: sentences to play (one after the other, each waited for), a
// stop of any prompt still playing, and the hand's moves between them.
struct LessonItem {
    enum class Kind { Play, StopWave, MoveHand, MoveHandOffScreen };
    Kind kind = Kind::Play;
    QString file;   // Play: a prompt's bare name, or a recording as stored
    int place = 0;  // MoveHand: the place to move to
    bool operator==(const LessonItem&) const = default;
};

struct LessonScriptInput {
    int stepCount = 0;
    BoardLayout layout = BoardLayout::LeftToRight;
    QString introFile;                                   // TaskIntroFile as stored
    std::array<QString, kMaxSlots + 1> narrationFile{};  // StepLessonWaveFile per step, as stored
    std::function<bool(const QString&)> fileExists;      // given a name as stored
};

std::vector<LessonItem> lessonScript(const LessonScriptInput& input);

}  // namespace activity
