#include "awards/statistiques_window.h"
#include "shell/main_window.h"
#include "widgets/single_window.h"
#include <QAction>
#include <QScreen>

void Main::wireStatistics()
{
    connect(Mnu_Statistiques, &QAction::triggered, this, [this, window = QPointer<Statistiques>()]() mutable {
        const bool wasOpen = window;
        showSingle(window, [this] { return new Statistiques(ctx, this); });
        if (wasOpen || !window->screen())
            return;
        // Charts want room: most of the screen, whatever its scale.
        const QSize room = window->screen()->availableGeometry().size();
        window->resize(std::min(room.width() * 9 / 10, 1100), std::min(room.height() * 85 / 100, 760));
        centreOnScreen(window);
    });
}
