#pragma once

#include "platform/MessageBoxes.h"

class QtMessageBoxes : public MessageBoxes {
public:
    Answer show(const QString& text, Buttons buttons, const QString& title) override;
};
