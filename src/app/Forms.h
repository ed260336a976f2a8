#pragma once

#include <functional>

class QWidget;
class TaskQueueList;

// The program's seven windows. A window is made ("loaded") the first time it is asked for;
// windows hand over by showing the next one and hiding or unloading the current one.
enum class FormId { Main, Task, Animation, Options, Maint, Speech, TestSpeech };

using FormFactory = std::function<QWidget*()>;

// main() registers how each window is made; a test registers only what it needs.
void registerForm(FormId id, FormFactory factory);

// The window, made now if it is not loaded yet. Null if no factory is registered.
QWidget* form(FormId id);
bool isFormLoaded(FormId id);

void showForm(FormId id);
void hideForm(FormId id);

// Destroys the window if it is loaded; the next form() makes a new one.
void unloadForm(FormId id);

// Destroys every window at once and forgets the factories (tests, program end); never call it
// from a window's own handler.
void resetForms();

// The task selection window's list as the activity uses it; null when that window cannot be
// made or does not offer one.
TaskQueueList* taskQueueList();
