#pragma once

#include "platform/MessageBoxes.h"

#include <QStringList>

#include <deque>

// Records every message shown and answers from a script: the next scripted answer, else OK for
// an OK box and the positive answer (Yes, OK) for a question.
class ScriptedMessageBoxes : public MessageBoxes {
public:
    Answer show(const QString& text, Buttons buttons, const QString& title) override {
        texts.append(text);
        titles.append(title);
        if (!answers.empty()) {
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }

    QStringList texts;
    QStringList titles;
    std::deque<Answer> answers;
};
