#include "platform/DesktopShell.h"
#include "platform/EspeakSpeech.h"
#include "platform/LocalFileSystem.h"
#include "platform/QtAudioDevices.h"
#include "platform/QtEventPump.h"
#include "platform/QtMediaPlayers.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtPrinter.h"
#include "platform/QtScreenMetrics.h"
#include "platform/QtWavePlayer.h"
#include "platform/Services.h"
#include "platform/SystemClock.h"

struct RealServices::Impl {
    QtEventPump pump;
    SystemClock clock;
    QtScreenMetrics screen;
    QtMessageBoxes messages;
    QtWavePlayer wave;
    QtAudioDevices audio;
    EspeakSpeech speech;
    QtMediaPlayers media;
    DesktopShell shell;
    LocalFileSystem files;
    QString printFolder;
};

RealServices::RealServices(const QString& printFolder) : impl_(std::make_unique<Impl>()) {
    impl_->printFolder = printFolder;
    services_.pump = &impl_->pump;
    services_.clock = &impl_->clock;
    services_.screen = &impl_->screen;
    services_.messages = &impl_->messages;
    services_.wave = &impl_->wave;
    services_.audio = &impl_->audio;
    services_.speech = &impl_->speech;
    services_.media = &impl_->media;
    services_.newPrinter = [impl = impl_.get()]() -> std::unique_ptr<Printer> {
        const QString stamp = impl->clock.formatNow(QStringLiteral("yyyy-MM-dd hh.mm.ss"));
        return std::make_unique<QtPrinter>(impl->printFolder, printFileStem(impl->printFolder, stamp));
    };
    services_.shell = &impl_->shell;
    services_.files = &impl_->files;
}

RealServices::~RealServices() = default;
