#include "TestPlatform.h"

#include "app/Forms.h"
#include "app/Globvars.h"

#include <QDir>
#include <QFile>

TestPlatform::TestPlatform() : previous_(platform::services()), previousDir_(QDir::currentPath()) {
    pump.clock = &clock;
    Services s;
    s.pump = &pump;
    s.clock = &clock;
    s.screen = &screen;
    s.messages = &messages;
    s.wave = &wave;
    s.audio = &audio;
    s.speech = &speech;
    s.media = &media;
    s.newPrinter = [log = printLog]() { return std::make_unique<FakePrinter>(log); };
    s.shell = &shell;
    s.files = &files;
    platform::installServices(s);

    resetGlobvars();
    AppFolder = QDir(folder.path()).absolutePath();
    QDir::setCurrent(AppFolder);
}

TestPlatform::~TestPlatform() {
    QDir::setCurrent(previousDir_);
    resetForms();
    resetGlobvars();
    platform::installServices(previous_);
}

QString TestPlatform::path(const QString& name) const { return AppFolder + QDir::separator() + name; }

void TestPlatform::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile f(path(name));
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

QByteArray TestPlatform::readFile(const QString& name) const {
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
