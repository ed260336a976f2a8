#pragma once

#include <QWidget>

class FormSpeech : public QWidget {
    Q_OBJECT
public:
    explicit FormSpeech(QWidget* parent = nullptr);
};
