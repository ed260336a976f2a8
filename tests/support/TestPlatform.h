#pragma once

#include "FakeAudio.h"
#include "FakeClock.h"
#include "FakePrinter.h"
#include "FakeScreen.h"
#include "FakeShell.h"
#include "FakeSpeech.h"
#include "ScriptedMessageBoxes.h"
#include "ScriptedPump.h"

#include "platform/LocalFileSystem.h"
#include "platform/Services.h"

#include <QTemporaryDir>

#include <memory>

// Installs a full set of doubles for one test and a fresh, empty AppFolder in a temporary
// folder (also the working directory). Files are real; everything else is scripted.
// On destruction the windows of the registry are destroyed, the shared state (the multimedia
// interpreter with it) is reset and the previous services come back.
class TestPlatform {
public:
    TestPlatform();
    ~TestPlatform();
    TestPlatform(const TestPlatform&) = delete;
    TestPlatform& operator=(const TestPlatform&) = delete;

    // AppFolder + separator + name.
    QString path(const QString& name) const;
    // Writes bytes to a file of AppFolder (not atomically; for fixtures).
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;

    FakeClock clock;
    ScriptedPump pump;
    FakeScreen screen;
    ScriptedMessageBoxes messages;
    FakeWavePlayer wave;
    FakeAudioDevices audio{clock};
    FakeSpeech speech;
    FakeMediaPlayers media{clock};
    FakeShell shell;
    LocalFileSystem files;
    std::shared_ptr<QStringList> printLog = std::make_shared<QStringList>();

    QTemporaryDir folder;

private:
    Services previous_;
    QString previousDir_;
};
