#include "platform/worker_thread.h"
#include <QThread>

void runOnWorker(QObject* receiver, std::function<void()> work, std::function<void()> done)
{
    QThread* thread = QThread::create(std::move(work));
    // "finished" comes from the worker: both run later on the threads of their receivers.
    QObject::connect(thread, &QThread::finished, receiver, std::move(done));
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}
