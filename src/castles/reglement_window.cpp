#include "castles/reglement_window.h"
#include "castles/web_pages.h"
#include "platform/qt_web_menu.h"
#include "logbook/app_context.h"
#include <QVBoxLayout>
#include <QWebEngineView>

Reglement::Reglement(AppContext& context, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Reglement"));
    setWindowTitle(QStringLiteral("Reglement du Diplôme des Forts et Chateaux de France"));
    WebBrowser1 = new QWebEngineView;
    useFrenchWebMenu(WebBrowser1);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(WebBrowser1);
    shown = pageUrl(dfcfServer(*context.settings), reglementPath);
    WebBrowser1->load(shown);
}
