#include "platform/DesktopShell.h"
#include "platform/LocalFileSystem.h"
#include "platform/QtEventPump.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtScreenMetrics.h"
#include "platform/Services.h"
#include "platform/SystemClock.h"

struct RealServices::Impl {
    QtEventPump pump;
    SystemClock clock;
    QtScreenMetrics screen;
    QtMessageBoxes messages;
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
    services_.shell = &impl_->shell;
    services_.files = &impl_->files;
}

RealServices::~RealServices() = default;
