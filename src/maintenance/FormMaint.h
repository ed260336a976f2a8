#pragma once

#include <QWidget>

class FormMaint : public QWidget {
    Q_OBJECT
public:
    explicit FormMaint(QWidget* parent = nullptr);
};
