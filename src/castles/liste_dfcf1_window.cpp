#include "castles/liste_dfcf1_window.h"
#include "castles/web_pages.h"
#include "platform/qt_web_menu.h"
#include "logbook/app_context.h"
#include <QVBoxLayout>
#include <QWebEngineView>

Liste_DFCF1::Liste_DFCF1(AppContext& context, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Liste_DFCF1"));
    const QString server = dfcfServer(*context.settings);
    setWindowTitle(QStringLiteral("Liste des DFCF par département - ") + parseServerAddress(server).url.host());
    setModal(true);
    WebBrowser1 = new QWebEngineView;
    useFrenchWebMenu(WebBrowser1);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(WebBrowser1);
    shown = pageUrl(server, selecdeptPath);
    WebBrowser1->load(shown);
}
