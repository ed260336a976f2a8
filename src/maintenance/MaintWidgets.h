#pragma once

#include "core/Result.h"

#include <QListWidget>
#include <QSize>
#include <QString>

#include <initializer_list>

class LevelMeter;
class PictureBox;
class PictureButton;
class QComboBox;
class QFrame;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

// The workshop's controls, made alike: every one carries its caption as its accessible name, and
// buttons take Enter as well as Space.

// A list of the library. An entry is highlighted only by the teacher: tabbing into the list marks
// none (Qt would put its cursor on the first entry without highlighting it), and the first arrow
// key highlights the first entry.
class LibraryList : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

// The caption as it is shown: "&&" in a button's text shows as one "&".
QString shownCaption(const QString& caption);

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption);

// A label showing its text as it stands (no markup, no access keys), wrapped.
QLabel* makeLabel(QWidget* parent, const QString& text, const char* name = nullptr);
QLabel* makeHeading(QWidget* parent, const QString& text, const char* name = nullptr);

// A picture box of a fixed size; accessibleName says what it shows.
PictureBox* makePictureBox(QWidget* parent, const char* name, QSize size, const QString& accessibleName);

// A picture button of a fixed size showing the picture of AppFolder (or its caption without it).
PictureButton* makePictureButton(QWidget* parent, const char* name, const QString& caption, const QString& picture,
                                 QSize size);

// One of the window's frames: a panel on which a wizard step or a list is laid out.
QFrame* makeFrame(QWidget* parent, const char* name);

// The layout of a frame: its controls top to bottom.
QVBoxLayout* makeFrameLayout(QFrame* frame);

// A row of buttons, left to right, added to the layout.
QHBoxLayout* addButtonRow(QVBoxLayout* layout, std::initializer_list<QPushButton*> buttons);

// A text box or combo box under its caption, which is its accessible name.
void addCaptioned(QVBoxLayout* layout, QWidget* parent, const QString& caption, QWidget* field);

QLineEdit* makeTextBox(QWidget* parent, const char* name);

// A category box: the teacher types a category or picks one of the list's earlier ones.
QComboBox* makeCategoryBox(QWidget* parent, const char* name);

// A frame's heading, its hint and, under them, the frame's list, named by the heading.
LibraryList* addHeadedList(QVBoxLayout* layout, QWidget* parent, const char* name, const QString& heading,
                           const QString& hint);

// A recorder's start, stop and play controls in a row, and beside them the level meter. The stop
// control lies on the start control and is shown instead of it while recording. A recorder
// without a play control (play null) has none.
struct RecorderControls {
    PictureButton* start = nullptr;
    PictureButton* stop = nullptr;
    PictureButton* play = nullptr;
    LevelMeter* meter = nullptr;
};
RecorderControls addRecorderControls(QVBoxLayout* layout, QWidget* parent, const char* start, const char* stop,
                                     const char* play, const char* meter);

// Shows a failure's message; nothing for a success.
void showProblem(const Status& status);

// Shows the picture in the box, decoded at the size the box shows it (a photograph of many
// megapixels decodes in a fraction of the time and memory). A picture that cannot be read leaves
// the box empty and is returned as an error naming the file.
Status showPicture(PictureBox* box, const QString& path);
