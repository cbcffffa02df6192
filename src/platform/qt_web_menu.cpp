#include "platform/qt_web_menu.h"
#include <QMenu>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineView>

namespace {

void addPageAction(QMenu* menu, QWebEngineView* view, QWebEnginePage::WebAction action, const QString& text)
{
    QAction* item = menu->addAction(text);
    item->setEnabled(view->pageAction(action)->isEnabled());
    QObject::connect(item, &QAction::triggered, view, [view, action] { view->triggerPageAction(action); });
}

} // namespace

QMenu* frenchWebMenu(QWebEngineView* view)
{
    auto* menu = new QMenu(view);
    const QWebEngineContextMenuRequest* request = view->lastContextMenuRequest();
    if (request && !request->selectedText().isEmpty())
        addPageAction(menu, view, QWebEnginePage::Copy, QStringLiteral("Copier"));
    if (request && request->linkUrl().isValid())
        addPageAction(menu, view, QWebEnginePage::CopyLinkToClipboard, QStringLiteral("Copier l'adresse du lien"));
    if (!menu->isEmpty())
        menu->addSeparator();
    addPageAction(menu, view, QWebEnginePage::Back, QStringLiteral("Page précédente"));
    addPageAction(menu, view, QWebEnginePage::Forward, QStringLiteral("Page suivante"));
    addPageAction(menu, view, QWebEnginePage::Reload, QStringLiteral("Actualiser"));
    return menu;
}

void useFrenchWebMenu(QWebEngineView* view)
{
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view, &QWidget::customContextMenuRequested, view, [view](const QPoint& at) {
        QMenu* menu = frenchWebMenu(view);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(view->mapToGlobal(at));
    });
}
