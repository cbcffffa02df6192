#pragma once
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>

// Acts on modal windows as they open, one step per window, so that a test of
// a modal window never blocks: a window left open by its step, or one that
// opens with no step left, is closed and counted.
class ModalDriver : public QObject {
public:
    using Step = std::function<void(QDialog&)>;

    ModalDriver()
    {
        timer.setInterval(5);
        connect(&timer, &QTimer::timeout, this, &ModalDriver::poll);
        timer.start();
    }

    ModalDriver& then(Step step)
    {
        steps.push_back(std::move(step));
        return *this;
    }

    int handled = 0;    // windows a step acted on
    int leftOpen = 0;   // windows their step did not close
    int unexpected = 0; // windows that opened with no step left

private:
    void poll()
    {
        QPointer<QDialog> dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (steps.empty()) {
            ++unexpected;
            dialog->reject();
            return;
        }
        const Step step = steps.front();
        steps.pop_front();
        ++handled;
        step(*dialog);
        if (dialog && dialog->isVisible()) {
            ++leftOpen;
            dialog->reject();
        }
    }

    QTimer timer;
    std::deque<Step> steps;
};
