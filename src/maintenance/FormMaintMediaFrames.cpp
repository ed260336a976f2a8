// The controls of the media: the recorders' meters and timers, the troubleshooting panel, the
// prompt screen, the video chooser and the print preview, laid out in reading order (which is
// also the order the Tab key takes), and the wiring of their handlers.

#include "maintenance/FormMaint.h"

#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "maintenance/FileBrowser.h"
#include "maintenance/MaintWidgets.h"
#include "maintenance/RecordingControls.h"
#include "maintenance/WorkshopFiles.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr QSize kMicPictureSize{200, 150};
constexpr QSize kVideoScreenSize{320, 240};
constexpr QSize kPrintPreviewSize{400, 300};

// The caption of an option button, wrapped over as many lines as it needs (a radio button shows
// its text on one line only). A click on it chooses the option.
class OptionCaption : public QLabel {
public:
    OptionCaption(const QString& text, QRadioButton* option, QWidget* parent) : QLabel(text, parent), option_(option) {
        setTextFormat(Qt::PlainText);
        setWordWrap(true);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setBuddy(option);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        QLabel::mousePressEvent(event);
        if (event->button() == Qt::LeftButton && option_->isEnabled()) option_->click();
    }

private:
    QRadioButton* option_;
};

}  // namespace

void FormMaint::setUpMediaControls() {
    TimerRecord = new RecordTimer(this, "TimerRecord");
    TimerRecordIntro = new RecordTimer(this, "TimerRecordIntro");
    TimerOverlay2 = new RecordTimer(this, "TimerOverlay2");
    buildTroubleFrame();
    buildPromptFrame();
    buildVideoChooser();
    buildPrintFrame();

    // The recorders of the two wizards.
    connect(PicRecordWaveIntro, &QAbstractButton::clicked, this, &FormMaint::PicRecordWaveIntro_Click);
    connect(PicStopRecordingIntro, &QAbstractButton::clicked, this, &FormMaint::PicStopRecordingIntro_Click);
    connect(PicPlayRecordIntro, &QAbstractButton::clicked, this, &FormMaint::PicPlayRecordIntro_Click);
    connect(CmdClearAudioIntro, &QPushButton::clicked, this, &FormMaint::CmdClearAudioIntro_Click);
    connect(TimerRecordIntro, &RecordTimer::timeout, this, &FormMaint::TimerRecordIntro_Timer);
    connect(PicStartRecordingAuditory, &QAbstractButton::clicked, this, &FormMaint::PicStartRecordingAuditory_Click);
    connect(PicStopRecordingAuditory, &QAbstractButton::clicked, this, &FormMaint::PicStopRecordingAuditory_Click);
    connect(PicPlayRecordingAuditory, &QAbstractButton::clicked, this, &FormMaint::PicPlayRecordingAuditory_Click);
    connect(CmdEraseRecording, &QPushButton::clicked, this, &FormMaint::CmdEraseRecording_Click);
    connect(TimerRecord, &RecordTimer::timeout, this, &FormMaint::TimerRecord_Timer);
    for (RecordTimer* timer : {TimerRecord, TimerRecordIntro, TimerOverlay2})
        connect(timer, &RecordTimer::ticked, this, &FormMaint::showLevel);

    // Troubleshooting.
    for (QPushButton* trouble : {CmdTrouble, CmdTroubleIntro, CmdTrouble2})
        connect(trouble, &QPushButton::clicked, this, &FormMaint::CmdTrouble_Click);
    connect(CmdtroubleClose, &QPushButton::clicked, this, &FormMaint::CmdtroubleClose_Click);
    connect(CmdShowWindowsVolume, &QPushButton::clicked, this, &FormMaint::CmdShowWindowsVolume_Click);

    // The prompt screen.
    for (int i = 0; i < kPromptCount; ++i)
        connect(OptOverlay[static_cast<size_t>(i)], &QRadioButton::clicked, this, [this, i] { OptOverlay_Click(i); });
    connect(PicOverlayRecord2, &QAbstractButton::clicked, this, &FormMaint::PicOverlayRecord2_Click);
    connect(PicOverlayStopRecord2, &QAbstractButton::clicked, this, &FormMaint::PicOverlayStopRecord2_Click);
    connect(TimerOverlay2, &RecordTimer::timeout, this, &FormMaint::TimerOverlay2_Timer);
    connect(cmdOverlayPlay2, &QPushButton::clicked, this, &FormMaint::cmdOverlayPlay2_Click);
    connect(cmdOverlayRevert2, &QPushButton::clicked, this, &FormMaint::cmdOverlayRevert2_Click);
    connect(CmdOverlayBack2, &QPushButton::clicked, this, &FormMaint::CmdOverlayBack2_Click);

    // The video chooser: a single click previews (unless the list is being positioned), a double
    // click or Enter always.
    connect(File3, &QAbstractItemView::clicked, this, &FormMaint::File3_Click);
    connect(VideoBrowser, &FileBrowser::fileActivated, this, &FormMaint::File3_DblClick);
    connect(CmdUseVideo, &QPushButton::clicked, this, &FormMaint::CmdUseVideo_Click);
    connect(CmdCancelVideo, &QPushButton::clicked, this, &FormMaint::CmdCancelVideo_Click);

    // Printing.
    connect(CmdPrintThisPic, &QPushButton::clicked, this, &FormMaint::CmdPrintThisPic_Click);
    connect(CmdPrintNextPic, &QPushButton::clicked, this, &FormMaint::CmdPrintNextPic_Click);
}

void FormMaint::buildTroubleFrame() {
    FrameTrouble = makeFrame(this, "FrameTrouble");
    FrameTrouble->setFrameShape(QFrame::Box);
    FrameTrouble->setLineWidth(2);
    QVBoxLayout* layout = makeFrameLayout(FrameTrouble);
    layout->addWidget(makeHeading(FrameTrouble, tr("Troubleshooting Recording")));
    layout->addWidget(makeLabel(FrameTrouble, tr("Problem:  After recording a narration and clicking on the \"Play\" "
                                                 "button, nothing seems to be recorded.")));
    layout->addWidget(makeLabel(FrameTrouble, tr("A computer microphone plugs into the computer either with a USB "
                                                 "connector or with an 1/8 inch connector.   Check the connector on "
                                                 "your microphone and see the explanations below.")));
    auto* connectors = new QGridLayout;
    connectors->setHorizontalSpacing(24);
    const QString usb = tr("USB Connector");
    const QString jack = tr("1/8 inch connector");
    connectors->addWidget(makeHeading(FrameTrouble, usb), 0, 0);
    connectors->addWidget(makeHeading(FrameTrouble, jack), 0, 1);
    ImageMicUsb = makePictureBox(FrameTrouble, "ImageMicUsb", kMicPictureSize, usb);
    ImageMicJack = makePictureBox(FrameTrouble, "ImageMicJack", kMicPictureSize, jack);
    static_cast<void>(showPicture(ImageMicUsb, inAppFolder(QStringLiteral("aobj_mic_usb.jpg"))));
    static_cast<void>(showPicture(ImageMicJack, inAppFolder(QStringLiteral("aobj_mic_jack.jpg"))));
    connectors->addWidget(ImageMicUsb, 1, 0);
    connectors->addWidget(ImageMicJack, 1, 1);
    connectors->addWidget(makeLabel(FrameTrouble, tr("Plug it into any USB socket of the computer. It is then "
                                                     "listed by its own name among the sound input devices; choose "
                                                     "it there.")),
                          2, 0, Qt::AlignTop);
    connectors->addWidget(makeLabel(FrameTrouble, tr("Plug it into the microphone socket, usually pink or marked "
                                                     "with a small microphone, not into the headphone socket.")),
                          2, 1, Qt::AlignTop);
    layout->addLayout(connectors);
    layout->addWidget(makeLabel(FrameTrouble, tr("These microphones have an On/Off button at the base.  Make sure that "
                                                 "the button is turned on.")));
    layout->addWidget(makeLabel(FrameTrouble, tr("The level of the microphone is set in the computer's sound "
                                                 "settings. Click the button below, choose the microphone among the "
                                                 "input devices, make sure it is not muted and raise its level while "
                                                 "you speak: the bar beside the recorder moves when the microphone is "
                                                 "heard.")));
    CmdShowWindowsVolume =
        makeButton(FrameTrouble, "CmdShowWindowsVolume", tr("Show Microphone Balance Windows Screen"));
    CmdtroubleClose = makeButton(FrameTrouble, "CmdtroubleClose", tr("Close"));
    addButtonRow(layout, {CmdShowWindowsVolume, CmdtroubleClose})->addStretch(1);
    FrameTrouble->setMaximumWidth(760);
    FrameTrouble->hide();
}

void FormMaint::buildPromptFrame() {
    FrameOverlayRecord2 = makeFrame(this, "FrameOverlayRecord2");
    QVBoxLayout* layout = makeFrameLayout(FrameOverlayRecord2);
    layout->setSpacing(6);
    layout->addWidget(makeHeading(FrameOverlayRecord2,
                                  tr("Overlay the Current Audio Narrations with your Own (Requires a Microphone)")));
    auto* body = new QHBoxLayout;
    body->setSpacing(16);

    // The prompts in two columns; each option's caption wraps beside its button.
    auto* options = new QGridLayout;
    options->setHorizontalSpacing(12);
    options->setVerticalSpacing(2);
    constexpr int kRows = (kPromptCount + 1) / 2;
    QFont small = font();
    small.setPixelSize(13);
    const auto prompts = promptTable(Edition);
    for (int i = 0; i < kPromptCount; ++i) {
        auto* option = new QRadioButton(FrameOverlayRecord2);
        option->setObjectName(QStringLiteral("OptOverlay"));
        option->setProperty("index", i);
        const QString wording = QCoreApplication::translate(kPromptContext, prompts[static_cast<size_t>(i)].caption);
        option->setAccessibleName(wording);
        auto* caption = new OptionCaption(wording, option, FrameOverlayRecord2);
        caption->setFont(small);
        caption->setFixedWidth(270);
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        row->addWidget(option, 0, Qt::AlignTop);
        row->addWidget(caption, 1);
        options->addLayout(row, i % kRows, i / kRows);
        OptOverlay[static_cast<size_t>(i)] = option;
        // Filled again, by the edition, each time the screen opens.
        OptOverlayCaption[static_cast<size_t>(i)] = caption;
    }
    body->addLayout(options);

    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(makeHeading(FrameOverlayRecord2, tr("When and how the clicked narration is used:")));
    LabExplainOverlay2 = makeLabel(FrameOverlayRecord2, QString(), "LabExplainOverlay2");
    LabExplainOverlay2->setMinimumHeight(110);
    LabExplainOverlay2->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    right->addWidget(LabExplainOverlay2);
    right->addWidget(makeLabel(FrameOverlayRecord2,
                               tr("The maximum recording time is 15 seconds. Click on the phrase, click \"Start "
                                  "Recording\", speak clearly into the microphone and click \"Stop Recording\".")));
    const RecorderControls controls = addRecorderControls(right, FrameOverlayRecord2, "PicOverlayRecord2",
                                                          "PicOverlayStopRecord2", nullptr, "MeterOverlay2");
    PicOverlayRecord2 = controls.start;
    PicOverlayStopRecord2 = controls.stop;
    MeterOverlay2 = controls.meter;
    cmdOverlayPlay2 = makeButton(FrameOverlayRecord2, "cmdOverlayPlay2", tr("Play"));
    cmdOverlayRevert2 = makeButton(FrameOverlayRecord2, "cmdOverlayRevert2", tr("Revert to the Original Recording"));
    CmdTrouble2 = makeButton(FrameOverlayRecord2, "CmdTrouble2", tr("Troubleshooting"));
    addButtonRow(right, {cmdOverlayPlay2, cmdOverlayRevert2})->addStretch(1);
    addButtonRow(right, {CmdTrouble2})->addStretch(1);
    right->addSpacing(8);
    TextReview = makeTextBox(FrameOverlayRecord2, "TextReview");
    addCaptioned(right, FrameOverlayRecord2,
                 tr("This word is shown at the top of the screen during the review. You may replace it here:"),
                 TextReview);
    right->addStretch(1);
    CmdOverlayBack2 = makeButton(FrameOverlayRecord2, "CmdOverlayBack2", tr("Finished"));
    addButtonRow(right, {CmdOverlayBack2})->addStretch(1);
    auto* rightColumn = new QWidget(FrameOverlayRecord2);
    rightColumn->setLayout(right);
    rightColumn->setFixedWidth(360);
    right->setContentsMargins(0, 0, 0, 0);
    body->addWidget(rightColumn);
    layout->addLayout(body);
    addFrame(FrameOverlayRecord2);
}

void FormMaint::buildVideoChooser() {
    FrameTaskVideo = makeFrame(this, "FrameTaskVideo");
    FrameTaskVideo->setFrameShape(QFrame::Box);
    FrameTaskVideo->setLineWidth(2);
    QVBoxLayout* layout = makeFrameLayout(FrameTaskVideo);
    layout->addWidget(makeHeading(FrameTaskVideo, tr("Choose a Video Clip for the Task")));
    layout->addWidget(makeLabel(FrameTaskVideo, tr("Click on the video file to preview it.")));
    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    VideoBrowser = new FileBrowser(FrameTaskVideo, QStringLiteral("Dir3"), tr("Folders"), QStringLiteral("File3"),
                                   tr("Video clips in the folder"), videoEndings());
    VideoBrowser->setObjectName(QStringLiteral("VideoBrowser"));
    VideoBrowser->setMinimumSize(500, 380);
    Dir3 = VideoBrowser->folders();
    File3 = VideoBrowser->files();
    body->addWidget(VideoBrowser, 1);

    FrameVideo = new QFrame(FrameTaskVideo);
    FrameVideo->setObjectName(QStringLiteral("FrameVideo"));
    auto* preview = new QVBoxLayout(FrameVideo);
    preview->setContentsMargins(0, 0, 0, 0);
    preview->addWidget(makeLabel(FrameVideo, tr("Video Clip Preview")));
    VideoScreen = new QWidget(FrameVideo);
    VideoScreen->setObjectName(QStringLiteral("VideoScreen"));
    VideoScreen->setFixedSize(kVideoScreenSize);
    VideoScreen->setAutoFillBackground(true);
    QPalette black = VideoScreen->palette();
    black.setColor(QPalette::Window, Qt::black);
    VideoScreen->setPalette(black);
    VideoScreen->setAccessibleName(tr("Video Clip Preview"));
    preview->addWidget(VideoScreen);
    preview->addStretch(1);
    // Hidden while no clip is previewed, without the chooser changing its size.
    QSizePolicy keep = FrameVideo->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    FrameVideo->setSizePolicy(keep);
    FrameVideo->hide();
    body->addWidget(FrameVideo, 0, Qt::AlignTop);
    layout->addLayout(body);

    CmdUseVideo = makeButton(FrameTaskVideo, "CmdUseVideo", tr("Use this video clip"));
    CmdCancelVideo = makeButton(FrameTaskVideo, "CmdCancelVideo", tr("Cancel"));
    addButtonRow(layout, {CmdUseVideo, CmdCancelVideo})->addStretch(1);
    FrameTaskVideo->hide();
}

void FormMaint::buildPrintFrame() {
    FramePrintPic = makeFrame(this, "FramePrintPic");
    QVBoxLayout* layout = makeFrameLayout(FramePrintPic);
    layout->addWidget(makeHeading(FramePrintPic, tr("Print Task Pictures")));
    layout->addWidget(makeLabel(FramePrintPic, tr("Each picture is printed on a page of its own. Click \"Print This "
                                                  "Picture\" to print the picture shown, or \"Next Picture\" to "
                                                  "skip it.")));
    const QString caption = tr("Picture to print");
    ImgPrintPreview = makePictureBox(FramePrintPic, "ImgPrintPreview", kPrintPreviewSize, caption);
    layout->addWidget(ImgPrintPreview, 0, Qt::AlignHCenter);
    CmdPrintThisPic = makeButton(FramePrintPic, "CmdPrintThisPic", tr("Print This Picture"));
    CmdPrintNextPic = makeButton(FramePrintPic, "CmdPrintNextPic", tr("Next Picture"));
    addButtonRow(layout, {CmdPrintThisPic, CmdPrintNextPic});
    FramePrintPic->setMaximumWidth(560);
    addFrame(FramePrintPic);
}
