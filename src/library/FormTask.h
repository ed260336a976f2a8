#pragma once

#include <QWidget>

class FormTask : public QWidget {
    Q_OBJECT
public:
    explicit FormTask(QWidget* parent = nullptr);
};
