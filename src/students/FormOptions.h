#pragma once

#include <QWidget>

class FormOptions : public QWidget {
    Q_OBJECT
public:
    explicit FormOptions(QWidget* parent = nullptr);
};
