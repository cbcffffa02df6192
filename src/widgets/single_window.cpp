#include "widgets/single_window.h"
#include <QApplication>
#include <QLayout>
#include <QScreen>
#include <algorithm>

namespace {

QMargins marginsOf(const QWidget* window)
{
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// Title bar and borders are known once a window is shown; before that, those
// of a window already on the screen are the best guess.
QMargins frameMargins(const QWidget* window)
{
    if (window->isVisible())
        return marginsOf(window);
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != window && other->isVisible() && other->isWindow())
            return marginsOf(other);
    return {};
}

} // namespace

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // A window never shown nor sized has no size yet: its layout gives it now
    // (not adjustSize(), which caps a window at two thirds of the screen).
    if (!window->isVisible() && !window->testAttribute(Qt::WA_Resized)) {
        window->ensurePolished();
        if (window->layout())
            window->layout()->activate();
        window->resize(window->sizeHint().expandedTo(window->minimumSizeHint()));
    }
    const QMargins frame = frameMargins(window);
    const QSize frameExtra(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QSize room = area.size() - frameExtra;
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(window->size().boundedTo(room));
    const QSize outer = window->size() + frameExtra;
    window->move(area.x() + std::max(0, (area.width() - outer.width()) / 2),
                 area.y() + std::max(0, (area.height() - outer.height()) / 2));
}

