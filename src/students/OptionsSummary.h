#pragma once

#include "core/StudentOptions.h"

#include <QRect>
#include <QString>
#include <QStringList>

// The options summary: every option of a student in plain words, one line per topic.

// "Summary of options set for " followed by the student's name.
QString optionsSummaryTitle(const QString& student);

// The thirteen lines, from "Switch / Mouse Setting:   ..." to "Auditory Instructions:   ...".
// Each line is its heading (ending in three blanks) followed by the words for the field's value;
// a value the program does not know leaves the heading alone. The video and review lines take
// the words of their two fields one after the other, each only for a known value.
QStringList optionsSummaryLines(const StudentOptionsRecord& options);

// How many jump start settings are made: the JumpStart entries equal to 1 over tasks of 2 to 10
// steps, positions 1 to N.
int jumpStartSettingCount(const StudentOptionsRecord& options);

// The thirteen labels' places (twips): the first as designed, each of the others with its left
// edge, width and height and 55 twips below the one above.
inline constexpr int kSummaryLabelCount = 13;
inline constexpr int kSummaryLabelGap = 55;
QList<QRect> summaryLabelRects(const QRect& first);
