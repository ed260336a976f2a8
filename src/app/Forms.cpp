#include "app/Forms.h"

#include "app/TaskQueueList.h"

#include <QPointer>
#include <QWidget>

#include <array>

namespace {
constexpr int kForms = 7;
std::array<FormFactory, kForms> g_factories;
std::array<QPointer<QWidget>, kForms> g_loaded;

int index(FormId id) { return static_cast<int>(id); }
}  // namespace

void registerForm(FormId id, FormFactory factory) { g_factories[index(id)] = std::move(factory); }

QWidget* form(FormId id) {
    auto& slot = g_loaded[index(id)];
    if (slot.isNull() && g_factories[index(id)]) slot = g_factories[index(id)]();
    return slot.data();
}

bool isFormLoaded(FormId id) { return !g_loaded[index(id)].isNull(); }

void showForm(FormId id) {
    if (QWidget* w = form(id)) {
        w->show();
        w->raise();
        w->activateWindow();
    }
}

void hideForm(FormId id) {
    if (isFormLoaded(id)) g_loaded[index(id)]->hide();
}

void unloadForm(FormId id) {
    auto& slot = g_loaded[index(id)];
    if (!slot.isNull()) {
        slot->hide();
        slot->deleteLater();
        slot.clear();
    }
}

void resetForms() {
    // Not from inside a window's handler, so the windows can go at once, with their pending work.
    for (int i = 0; i < kForms; ++i) {
        delete g_loaded[i].data();
        g_loaded[i].clear();
        g_factories[i] = nullptr;
    }
}

TaskQueueList* taskQueueList() { return dynamic_cast<TaskQueueList*>(form(FormId::Task)); }
