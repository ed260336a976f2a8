#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

#include "activity/BoardState.h"

// The board of a task in pixels: the screen size, the step count, the options and the sizes of
// the window's own controls go in; every rectangle the activity window shows comes out. The
// window only applies them.
namespace activity {

// Sizes of the window's fixed controls, in pixels. A window whose fonts make a label taller
// passes the height it measured.
struct BoardDesign {
    int taskTitleHeight = 30;      // LabelTaskTitle (18 point)
    int statusLineHeight = 16;     // LabGeneralInfo (9.75 point)
    int pictureTitleHeight = 21;   // LabShowTitle(1) (12 point); the other titles take it
    QSize exitButton{302, 30};     // PicExit
    QSize videoButton{110, 30};    // PicPlayVideo
    QSize reviewButton{110, 30};   // PicPlayLesson
    QSize separatorImage{23, 31};  // the arrow pictures: every arrow keeps this shape
};

struct BoardInput {
    QSize screen;  // pixels
    int stepCount = 0;
    BoardOptions options;
    BoardDesign design;
    // The current size of each image control ImBase(1..N). The picture frame keeps their
    // proportion as the window left it (horizontal boards scale from the width, the vertical
    // board from the height).
    std::array<QSize, kMaxSlots + 1> imageSize{};
    SlotTable slotStep{};                                   // after the shuffle
    std::array<QString, kMaxSlots + 1> boardPictureFile{};  // per step (boardPictureFiles)
    std::array<QString, kMaxSlots + 1> stepDescription{};   // per step
    QString taskTitle;
    QString student;
    bool videoFileExists = false;
};

// One slot k and the box k below (or beside) it.
struct SlotRects {
    QRect picture;        // PicBase(k), in the window
    QRect image;          // ImBase(k), inside the picture
    QRect title;          // LabShowTitle(k), inside the picture
    QRect box;            // PicSeq(k), in the window
    QRect face;           // ImSeq(k), inside the box
    int faceNumber = 0;   // the number box k shows; 0 for the blank card
    QString faceFile;     // bare name of the card ImSeq(k) shows
    QRect separator;      // PicSeparator(k), k >= 2: the arrow before box k; its image fills it
    QString pictureFile;  // what ImBase(k) shows
    QString titleCaption;
};

// Where each slot's picture lives; motion always returns a picture exactly here.
struct BoardHome {
    BoardLayout layout = BoardLayout::LeftToRight;
    SlotTable HomeLeft{};
    SlotTable HomeTop{};              // vertical board only
    std::int16_t HomeRowTop = 0;      // horizontal boards
    std::int16_t HomeColumnLeft = 0;  // vertical board
    QPoint home(int slot) const;
};

struct Placed {
    QRect rect;
    bool visible = false;
};

struct BoardGeometry {
    QRect window;
    QRect taskTitle;
    QString taskTitleCaption;
    QRect statusLine;
    QString statusCaption;
    Placed exitButton;
    Placed videoButton;
    Placed reviewButton;
    bool titlesVisible = false;
    QString separatorFile;           // bare name of the arrow picture
    std::int16_t PictureWidth = 0;   // horizontal boards
    std::int16_t PictureHeight = 0;  // vertical board
    std::int16_t gap = 0;
    BoardHome home;
    std::array<SlotRects, kMaxSlots + 1> slots{};  // 1..N
};

// The whole board; the vertical one for the top-to-bottom layout.
BoardGeometry layOutBoard(const BoardInput& input);
BoardGeometry layOutBoardVertical(const BoardInput& input);

// The status line: who is logged on and how the student works the board.
QString statusLineText(const QString& student, int accessMethod, std::int16_t scanInterval);

// The picture the board shows for each step: the step's picture when the file exists, "0"
// otherwise (the window shows the missing-picture card for it).
std::array<QString, kMaxSlots + 1> boardPictureFiles(const std::array<QString, kMaxSlots + 1>& stepPictureFile,
                                                     int stepCount,
                                                     const std::function<bool(const QString&)>& fileExists);

// The shipped pictures of the board, bare names.
struct BoardPictures {
    QString marquee = QStringLiteral("aobj_marquis.jpg");
    QString scanPointer = QStringLiteral("aobj_scan_pointer.gif");
    QString targetArrow;  // green arrow pointing at the target box
    QString checkHand;    // the pointing hand of the final check
};
BoardPictures boardPictures(BoardLayout layout);

}  // namespace activity
