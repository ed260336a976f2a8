// Makes the default content: every picture, sound and document the program ships in its data
// folder, and a small library of everyday tasks.
//
//   stepwick-content OUT_DIR [--edition 1|2] [--contact-sheet FILE.png] [--stamp FILE]

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <functional>

#include "ContactSheet.h"
#include "ContentOutput.h"
#include "DemoLibrary.h"
#include "Documents.h"
#include "Drawing.h"
#include "Pictures.h"
#include "Sounds.h"
#include "Tunes.h"
#include "Video.h"
#include "app/Globvars.h"
#include "platform/LocalFileSystem.h"
#include "platform/Services.h"

namespace {

struct Options {
    QString folder;
    QString contactSheet;
    QString stamp;
    int edition = 1;
};

void usage() {
    std::fprintf(stderr,
                 "Usage: stepwick-content OUT_DIR [--edition 1|2] [--contact-sheet FILE.png] [--stamp FILE]\n"
                 "  --edition 2         make the Larkin edition (its program-type file and video prompt)\n"
                 "  --contact-sheet F   also draw every picture into one PNG for looking them over\n"
                 "  --stamp F           write F when everything was made (for the build)\n");
}

bool parse(const QStringList& args, Options* o) {
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--edition") && hasValue) {
            bool ok = false;
            o->edition = args[++i].toInt(&ok);
            if (!ok || (o->edition != 1 && o->edition != 2)) return false;
        } else if (a == QLatin1String("--contact-sheet") && hasValue) {
            o->contactSheet = args[++i];
        } else if (a == QLatin1String("--stamp") && hasValue) {
            o->stamp = args[++i];
        } else if (!a.startsWith(QLatin1Char('-')) && o->folder.isEmpty()) {
            o->folder = a;
        } else {
            return false;
        }
    }
    return !o->folder.isEmpty();
}

int fail(const QString& message) {
    std::fprintf(stderr, "stepwick-content: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    // Nothing is shown: pictures are drawn into memory.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    Options options;
    if (!parse(QGuiApplication::arguments(), &options)) {
        usage();
        return 2;
    }
    if (!QDir().mkpath(options.folder))
        return fail(QStringLiteral("The folder %1 cannot be made.").arg(options.folder));
    QString problem;
    if (!drawing::loadFonts(&problem)) return fail(problem);

    LocalFileSystem files;
    Services services;
    services.files = &files;
    platform::installServices(services);

    ContentOutput out(QDir(options.folder).absolutePath());
    // The program's own writers put bare names into AppFolder.
    AppFolder = out.folder();
    const std::pair<const char*, std::function<Status()>> stages[] = {
        {"pictures", [&] { return writeProgramPictures(out); }},
        {"buttons", [&] { return writeButtonPictures(out); }},
        {"prompts", [&] { return writePromptSounds(out, options.edition); }},
        {"tunes", [&] { return writeTunes(out); }},
        {"documents", [&] { return writeDocuments(out, options.edition); }},
        {"demo library", [&] { return writeDemoLibrary(out); }},
        {"video", [&] { return writeDemoVideo(out); }},
    };
    QElapsedTimer total;
    total.start();
    for (const auto& [name, run] : stages) {
        QElapsedTimer timer;
        timer.start();
        if (Status s = run(); !s) return fail(s.error());
        std::printf("stepwick-content: %-12s %6lld ms\n", name, static_cast<long long>(timer.elapsed()));
    }
    if (!options.contactSheet.isEmpty()) {
        if (Status s = writeContactSheet(out, options.contactSheet); !s) return fail(s.error());
    }
    std::printf("stepwick-content: %zu pictures and the rest written to %s in %lld ms\n", out.pictures().size(),
                qPrintable(out.folder()), static_cast<long long>(total.elapsed()));
    if (!options.stamp.isEmpty()) {
        QFile stamp(options.stamp);
        if (!stamp.open(QIODevice::WriteOnly) || stamp.write("made\n") != 5) {
            return fail(QStringLiteral("The stamp %1 cannot be written.").arg(options.stamp));
        }
    }
    return 0;
}
