#pragma once
// Events: posting work to a window and waiting without blocking the windows.
//
// Every wait of the program (a folder to vanish, a file to appear, a movie frame to be
// reached, a rendered picture to arrive) processes pending events while it waits, and has
// a time limit, so that nothing the program waits for can hang it.

#include <QObject>
#include <functional>

// Posts `call` to run later on the window thread, as an event for `receiver`; it is dropped
// when the receiver is destroyed before the event is delivered.
void postCall(QObject* receiver, std::function<void()> call);

// Handles the events that are waiting now and returns.
void processPendingEvents();

// Processes events until `done` answers true or `timeoutMs` has passed. Answers whether
// `done` became true. `done` is asked at least once, before any event is processed.
bool waitUntil(const std::function<bool()>& done, int timeoutMs);
