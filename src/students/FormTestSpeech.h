#pragma once

#include <QWidget>

class FormTestSpeech : public QWidget {
    Q_OBJECT
public:
    explicit FormTestSpeech(QWidget* parent = nullptr);
};
