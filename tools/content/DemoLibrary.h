#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "core/Result.h"

class ContentOutput;

// One step of an example task: its title, what is said for it, and the pictograms of its card.
struct DemoStep {
    QString description;
    QString spoken;
    QStringList glyphs;
};

// An example task of everyday life.
struct DemoTask {
    QString title;
    QString category;
    QString introduction;  // completes "Put the pictures in the correct order for ..."
    QString slug;          // names its picture images
    std::vector<DemoStep> steps;
    bool hasVideo = false;
};

// The example tasks, together covering every length from 2 to 10 steps.
const std::vector<DemoTask>& demoTasks();

// The file names the library uses for task t (0-based) and its step s (1-based).
QString demoTaskId(int t);
QString demoPictureId(int t, int s);

// Writes every task and picture file, the step cards, the narrations, the introductions and the
// category list, through the program's own writers (AppFolder must be the output folder).
Status writeDemoLibrary(ContentOutput& out);
