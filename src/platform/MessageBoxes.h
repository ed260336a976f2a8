#pragma once

#include <QString>

// Modal message boxes. The text is shown exactly as given.
class MessageBoxes {
public:
    enum class Buttons { Ok, YesNo, OkCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~MessageBoxes() = default;

    virtual Answer show(const QString& text, Buttons buttons, const QString& title = {}) = 0;

    void ok(const QString& text, const QString& title = {}) { show(text, Buttons::Ok, title); }
    bool yesNo(const QString& text, const QString& title = {}) {
        return show(text, Buttons::YesNo, title) == Answer::Yes;
    }
    bool okCancel(const QString& text, const QString& title = {}) {
        return show(text, Buttons::OkCancel, title) == Answer::Ok;
    }
};
