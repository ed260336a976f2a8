#include "maintenance/MaintWidgets.h"

#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "maintenance/RecordingControls.h"
#include "maintenance/WorkshopFiles.h"

#include "platform/Services.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Lets a picture button take Enter as the push buttons do (a button takes only Space by itself).
class EnterClicks : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button == nullptr || (key != Qt::Key_Return && key != Qt::Key_Enter)) return false;
        if (button->isEnabled()) button->click();
        return true;
    }
};

}  // namespace

void LibraryList::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    if (!selectionModel()->hasSelection()) selectionModel()->clearCurrentIndex();
}

QString shownCaption(const QString& caption) {
    QString shown = caption;
    shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return shown;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(shownCaption(caption));
    // Outside a dialog a push button takes only Space; with this it takes Enter too.
    button->setAutoDefault(true);
    button->setMinimumHeight(34);
    return button;
}

QLabel* makeLabel(QWidget* parent, const QString& text, const char* name) {
    auto* label = new QLabel(text, parent);
    if (name != nullptr) label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QLabel* makeHeading(QWidget* parent, const QString& text, const char* name) {
    QLabel* label = makeLabel(parent, text, name);
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(font.pixelSize() > 0 ? font.pixelSize() * 4 / 3 : 20);
    label->setFont(font);
    return label;
}

PictureBox* makePictureBox(QWidget* parent, const char* name, QSize size, const QString& accessibleName) {
    auto* box = new PictureBox(parent, QString::fromLatin1(name));
    box->setFixedSize(size);
    box->setBackground(QColor(255, 255, 255));
    box->setBorder(2, QColor(150, 150, 150));
    box->setAccessibleName(accessibleName);
    return box;
}

PictureButton* makePictureButton(QWidget* parent, const char* name, const QString& caption, const QString& picture,
                                 QSize size) {
    auto* button = new PictureButton(parent, QString::fromLatin1(name), caption);
    button->setFixedSize(size);
    // Without its picture the button shows its caption, so a missing file is no reason to stop.
    static_cast<void>(button->loadPicture(QDir(AppFolder).filePath(picture)));
    button->installEventFilter(new EnterClicks(button));
    return button;
}

QFrame* makeFrame(QWidget* parent, const char* name) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setAutoFillBackground(true);
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, QColor(246, 244, 236));
    frame->setPalette(pal);
    return frame;
}

QVBoxLayout* makeFrameLayout(QFrame* frame) {
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(8);
    return layout;
}

QHBoxLayout* addButtonRow(QVBoxLayout* layout, std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    for (QPushButton* b : buttons) row->addWidget(b);
    layout->addLayout(row);
    return row;
}

void addCaptioned(QVBoxLayout* layout, QWidget* parent, const QString& caption, QWidget* field) {
    QLabel* label = makeLabel(parent, caption);
    field->setParent(parent);
    label->setBuddy(field);
    field->setAccessibleName(caption.trimmed());
    layout->addWidget(label);
    layout->addWidget(field);
}

QLineEdit* makeTextBox(QWidget* parent, const char* name) {
    auto* text = new QLineEdit(parent);
    text->setObjectName(QString::fromLatin1(name));
    text->setMinimumWidth(520);
    return text;
}

QComboBox* makeCategoryBox(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    // The typed category is the task's or picture's own text; the list only offers earlier ones.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(15);
    box->setMinimumWidth(520);
    return box;
}

LibraryList* addHeadedList(QVBoxLayout* layout, QWidget* parent, const char* name, const QString& heading,
                           const QString& hint) {
    layout->addWidget(makeHeading(parent, heading));
    layout->addWidget(makeLabel(parent, hint));
    auto* list = new LibraryList(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(heading);
    list->setAccessibleDescription(hint);
    list->setMinimumSize(900, 480);
    layout->addWidget(list);
    return list;
}

RecorderControls addRecorderControls(QVBoxLayout* layout, QWidget* parent, const char* start, const char* stop,
                                     const char* play, const char* meter) {
    constexpr QSize kSize{180, 48};
    RecorderControls controls;
    controls.start = makePictureButton(parent, start, QCoreApplication::translate("FormMaint", "Start Recording"),
                                       kRecordStartPicture, kSize);
    controls.stop = makePictureButton(parent, stop, QCoreApplication::translate("FormMaint", "Stop Recording"),
                                      kRecordStopPicture, kSize);
    if (play != nullptr) {
        controls.play = makePictureButton(parent, play, QCoreApplication::translate("FormMaint", "Play"),
                                          kRecordPlayPicture, kSize);
    }
    controls.meter = new LevelMeter(parent, meter);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->addWidget(controls.start, 0, 0);
    grid->addWidget(controls.stop, 0, 0);
    int column = 1;
    if (controls.play != nullptr) grid->addWidget(controls.play, 0, column++);
    grid->addWidget(controls.meter, 0, column++, Qt::AlignVCenter);
    grid->setColumnStretch(column, 1);
    controls.stop->hide();
    layout->addLayout(grid);
    return controls;
}

void showProblem(const Status& status) {
    if (!status) platform::messages().ok(status.error());
}

Status showPicture(PictureBox* box, const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    // The box stretches the picture over its whole face, so that is the size to decode at.
    const QSize shown = box->size() * box->devicePixelRatioF();
    if (reader.canRead() && !shown.isEmpty()) reader.setScaledSize(shown);
    const QImage image = reader.read();
    if (image.isNull()) {
        box->clearPicture();
        return Error{QCoreApplication::translate("PictureWidgets", "The picture %1 cannot be shown: %2")
                         .arg(path, reader.errorString())};
    }
    box->setPicture(image);
    return {};
}
