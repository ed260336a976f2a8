#pragma once

#include <QWidget>

#include <array>
#include <cstdint>

class PictureBox;
class PictureButton;
class QFrame;

// The start-up window and hub: the edition's logo and the main menu.
class FormMain : public QWidget {
    Q_OBJECT
public:
    explicit FormMain(QWidget* parent = nullptr);

    QFrame* FrameMain = nullptr;
    PictureBox* ImageBanner = nullptr;
    PictureButton* ImageEnter = nullptr;
    PictureButton* ImageOptions = nullptr;
    PictureButton* ImageQuit = nullptr;
    PictureButton* ImageButTask = nullptr;
    PictureButton* PicButStudent = nullptr;
    PictureButton* ImageUserGuide = nullptr;
    PictureButton* ImageCredits = nullptr;

    void Form_Activate();
    void ImageQuit_Click();
    void ImageUserGuide_Click();
    void ImageCredits_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void centreFrame(QWidget* frame);
};
