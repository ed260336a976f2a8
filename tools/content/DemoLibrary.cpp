#include "DemoLibrary.h"

#include <QPainter>

#include "ContentOutput.h"
#include "Drawing.h"
#include "Sounds.h"
#include "Video.h"
#include "library/Categories.h"
#include "library/PictureFile.h"
#include "library/TaskFile.h"

namespace {

DemoStep step(const char* description, const char* glyphs) {
    const QString text = QString::fromUtf8(description);
    return {text, text.toLower(), QString::fromUtf8(glyphs).split(QLatin1Char(' '), Qt::SkipEmptyParts)};
}

// A step card: the pictograms large on a white 4:3 card.
QImage stepCard(const DemoStep& s) {
    QImage card = drawing::canvas(400, 300, Qt::white);
    QPainter p(&card);
    drawing::smooth(p);
    const double gap = s.glyphs.size() > 1 ? 0.12 : 0;
    drawing::drawEmojiRow(p, QRectF(28, 28, 344, 244), s.glyphs, gap);
    return card;
}

Status checkGlyphs(const DemoTask& task) {
    for (const DemoStep& s : task.steps) {
        for (const QString& glyph : s.glyphs) {
            if (!drawing::hasEmoji(glyph)) {
                return Error{QStringLiteral("The emoji font has no pictogram %1 (task \"%2\", step \"%3\").")
                                 .arg(glyph, task.title, s.description)};
            }
        }
    }
    return {};
}

Result<StepRecord> writeStep(ContentOutput& out, const DemoTask& task, int t, int s) {
    const DemoStep& demo = task.steps[static_cast<std::size_t>(s - 1)];
    const QString id = demoPictureId(t, s);
    const QString image = QStringLiteral("demo_%1_%2.jpg").arg(task.slug).arg(s);
    if (Status st = out.writeJpeg(image, stepCard(demo)); !st) return Error{st.error()};
    const Result<PcmAudio> narration = speak(demo.spoken);
    if (!narration) return Error{narration.error()};
    const QString wave = QStringLiteral("pic_%1.wav").arg(id);
    if (Status st = out.writeWave(wave, *narration); !st) return Error{st.error()};
    const StepRecord record{task.category, demo.description, demo.spoken, image, wave, id};
    if (Status st = writePicture(QStringLiteral("generated_pic_%1.stp").arg(id), record); !st) return Error{st.error()};
    return record;
}

Status writeDemoTask(ContentOutput& out, const DemoTask& task, int t) {
    if (Status s = checkGlyphs(task); !s) return s;
    TaskRecord record;
    record.StepCount = static_cast<std::int16_t>(task.steps.size());
    record.TaskTitle = task.title;
    record.TaskCategory = task.category;
    record.TaskVideoFile = task.hasVideo ? kDemoVideoFile : QStringLiteral("None");
    for (int s = 1; s <= record.StepCount; ++s) {
        const Result<StepRecord> written = writeStep(out, task, t, s);
        if (!written) return Error{written.error()};
        record.StepFileName[static_cast<std::size_t>(s)] =
            QStringLiteral("generated_pic_%1.stp").arg(demoPictureId(t, s));
    }
    record.TaskId = demoTaskId(t);
    record.TaskIntroFile = QStringLiteral("intro_%1.wav").arg(record.TaskId);
    const Result<PcmAudio> intro = speak(task.introduction);
    if (!intro) return Error{intro.error()};
    if (Status s = out.writeWave(record.TaskIntroFile, *intro); !s) return s;
    if (Status s = writeTask(QStringLiteral("generated_task_%1.tsk").arg(record.TaskId), record); !s) return s;
    return saveCategory(task.category);
}

}  // namespace

const std::vector<DemoTask>& demoTasks() {
    static const std::vector<DemoTask> tasks = {
        {QStringLiteral("Mailing a letter"),
         QStringLiteral("Errands"),
         QStringLiteral("mailing a letter"),
         QStringLiteral("letter"),
         {step("Putting the letter in the envelope", "📄 ➡️ ✉️"),
          step("Posting the letter in the mailbox", "✉️ 📮")}},
        {QStringLiteral("Going to bed"),
         QStringLiteral("Daily routine"),
         QStringLiteral("going to bed"),
         QStringLiteral("bed"),
         {step("Putting on pajamas", "🥱 👚"), step("Reading a bedtime story", "📖 🧸"),
          step("Turning off the light and sleeping", "🌙 🛌")}},
        {QStringLiteral("Washing hands"),
         QStringLiteral("Hygiene"),
         QStringLiteral("washing your hands"),
         QStringLiteral("hands"),
         {step("Turning on the water", "🚰"), step("Putting soap on your hands", "🧼 🤲"),
          step("Rubbing your hands with bubbles", "👐 🫧"), step("Drying your hands", "🧻 🙌")}},
        {QStringLiteral("Brushing teeth"),
         QStringLiteral("Hygiene"),
         QStringLiteral("brushing your teeth"),
         QStringLiteral("teeth"),
         {step("Getting your toothbrush", "🪥"), step("Putting on toothpaste", "🧴 🪥"),
          step("Brushing your teeth", "😁 🪥"), step("Rinsing your mouth", "💧 👄"),
          step("Putting the toothbrush away", "🪥 🥛")}},
        {QStringLiteral("Making a sandwich"),
         QStringLiteral("Cooking"),
         QStringLiteral("making a sandwich"),
         QStringLiteral("sandwich"),
         {step("Getting two slices of bread", "🍞 🍞"), step("Spreading the butter", "🧈 🔪"),
          step("Adding the cheese", "🧀"), step("Adding lettuce and tomato", "🥬 🍅"),
          step("Putting the bread on top", "⬇️ 🍞"), step("Eating the sandwich", "🥪 😋")}},
        {QStringLiteral("Planting a seed"),
         QStringLiteral("Garden"),
         QStringLiteral("planting a seed"),
         QStringLiteral("seed"),
         {step("Filling the pot with soil", "🟫 ➡️ 🪣"),
          step("Making a hole with your finger", "☝️ 🕳️"), step("Dropping in the seed", "🫘"),
          step("Covering the seed with soil", "🤲 🟫"), step("Watering the seed", "💦 🪣"),
          step("Putting the pot in the sun", "🪣 ☀️"), step("Watching it grow", "🌱 😊")},
         true},
        {QStringLiteral("Getting dressed"),
         QStringLiteral("Dressing"),
         QStringLiteral("getting dressed"),
         QStringLiteral("dressed"),
         {step("Putting on underwear", "🩲"), step("Putting on a shirt", "👕"), step("Putting on trousers", "👖"),
          step("Putting on socks", "🧦"), step("Putting on shoes", "👟"), step("Putting on a coat", "🧥"),
          step("Putting on a scarf", "🧣"), step("Putting on a hat", "🧢")}},
        {QStringLiteral("Setting the table"),
         QStringLiteral("Home"),
         QStringLiteral("setting the table"),
         QStringLiteral("table"),
         {step("Wiping the table", "🧽"), step("Putting out the plates", "🍽️"),
          step("Putting a fork and knife by each plate", "🍴"), step("Putting out the spoons", "🥄"),
          step("Putting out the cups", "🥤"), step("Folding the napkins", "🧻"),
          step("Putting the bread in the middle", "🥖 🧺"), step("Filling the glasses with water", "🚰 🥛"),
          step("Calling everyone to eat", "📣 🪑")}},
        {QStringLiteral("Morning routine"),
         QStringLiteral("Daily routine"),
         QStringLiteral("getting ready in the morning"),
         QStringLiteral("morning"),
         {step("Waking up", "⏰"), step("Going to the toilet", "🚽"), step("Taking a shower", "🚿"),
          step("Getting dressed", "👕 👖"), step("Combing your hair", "💇"), step("Eating breakfast", "🥣"),
          step("Brushing your teeth", "🪥"), step("Packing your school bag", "🎒"),
          step("Putting on your coat", "🧥"), step("Catching the bus", "🚌")}},
    };
    return tasks;
}

// Fixed ids, so that every build makes the same files; well inside the range the program draws
// its own ids from, and unlikely to meet one it draws later (it never overwrites a file anyway).
QString demoTaskId(int t) { return QString::number(310000001 + t); }
QString demoPictureId(int t, int s) { return QString::number(320000000 + 100 * (t + 1) + s); }

Status writeDemoLibrary(ContentOutput& out) {
    out.startLibraryPictures();
    const auto& tasks = demoTasks();
    for (int t = 0; t < static_cast<int>(tasks.size()); ++t) {
        if (Status s = writeDemoTask(out, tasks[static_cast<std::size_t>(t)], t); !s) return s;
    }
    return {};
}
