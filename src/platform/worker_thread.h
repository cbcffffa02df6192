#pragma once
#include <QObject>
#include <functional>

// Runs work on a thread of its own, then done on the receiver's thread; done
// is dropped when the receiver is gone by then. Nobody waits for the thread,
// which deletes itself once over: a long reading never freezes a window.
void runOnWorker(QObject* receiver, std::function<void()> work, std::function<void()> done);
