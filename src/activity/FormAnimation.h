#pragma once

#include <QWidget>

class FormAnimation : public QWidget {
    Q_OBJECT
public:
    explicit FormAnimation(QWidget* parent = nullptr);
};
