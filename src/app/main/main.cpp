#include "app/AppFolderResolution.h"
#include "app/Forms.h"
#include "app/Globvars.h"
#include "activity/FormAnimation.h"
#include "library/FormTask.h"
#include "maintenance/FormMaint.h"
#include "platform/Services.h"
#include "students/FormMain.h"
#include "students/FormOptions.h"
#include "students/FormSpeech.h"
#include "students/FormTestSpeech.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include <cstdio>

namespace {
// Start-up problems go to the terminal and, where a screen can show it, to a message box:
// a teacher who started the program from a menu never sees the terminal.
void reportStartupError(const QString& text) {
    std::fprintf(stderr, "stepwick: %s\n", qPrintable(text));
    if (QGuiApplication::platformName() != QLatin1String("offscreen") &&
        QGuiApplication::platformName() != QLatin1String("minimal")) {
        QMessageBox::critical(nullptr, QStringLiteral("Stepwick"), text);
    }
}

void registerForms() {
    registerForm(FormId::Main, [] { return new FormMain; });
    registerForm(FormId::Task, [] { return new FormTask; });
    registerForm(FormId::Animation, [] { return new FormAnimation; });
    registerForm(FormId::Options, [] { return new FormOptions; });
    registerForm(FormId::Maint, [] { return new FormMaint; });
    registerForm(FormId::Speech, [] { return new FormSpeech; });
    registerForm(FormId::TestSpeech, [] { return new FormTestSpeech; });
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("stepwick"));
    QApplication::setApplicationDisplayName(QStringLiteral("Stepwick"));

    const QStringList args = QApplication::arguments();
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        std::printf("Usage: stepwick [--app-folder DIR]\n"
                    "  --app-folder DIR  keep the task library and students' data in DIR\n");
        return 0;
    }

    const QString exeDir = QApplication::applicationDirPath();
    const auto choice = resolveAppFolder({args, exeDir, userDataFolder(), findDefaultContent(exeDir)});
    if (!choice) {
        reportStartupError(choice.error());
        return 2;
    }
    AppFolder = choice->folder;

    RealServices real(QDir(AppFolder).filePath(QStringLiteral("printed")));
    platform::installServices(real.services());
    platform::files().setCurrentDir(AppFolder);

    registerForms();
    showForm(FormId::Main);
    const int code = QApplication::exec();
    // The windows, then the shared state with the multimedia devices, then (leaving this scope)
    // the real services: everything made of Qt objects goes while the application still exists.
    resetForms();
    resetGlobvars();
    return code;
}
