#include "entry/entry_fixture.h"
#include "castles/castle_list.h"
#include "logbook/log_list_model.h"
#include "logbook/prenoms.h"
#include "logbook/station.h"
#include "platform/text_file.h"
#include <QListView>
#include <QTest>

void EntryTest::start(const QStringList& log, int bandIndex, const QString& dateAuto)
{
    settings.write(Keys::commonSection, Keys::IndicatifStation, QStringLiteral("F5ABC"));
    settings.write(Keys::stationSection("F5ABC"), Keys::BandeUtilisee, QString::number(bandIndex));
    if (!dateAuto.isEmpty())
        settings.write(Keys::stationSection("F5ABC"), Keys::DateAuto, dateAuto);
    writeLog(log);
    if (!exists(prenomFileName))
        writeFile(prenomFileName, {});
    writeLines(castleListFileName, {"Rev 001 du 01/02/12", "77121;Château de Blandy;Blandy", "2a004;Tour de la Parata;Ajaccio",
                                    "75001;Conciergerie;Paris"});
    window = std::make_unique<Main>(context);
    window->load();
    f = window->entry();
}

void EntryTest::type(const QString& text) { QTest::keyClicks(focused(), text); }

void EntryTest::enter() { QTest::keyClick(focused(), Qt::Key_Return); }

void EntryTest::typeEnter(const QString& text)
{
    type(text);
    enter();
}

void EntryTest::typeHeader(const QString& call, const QString& prenom, const QString& dpt, const QString& ref)
{
    typeEnter(call);
    typeEnter(prenom);
    typeEnter(dpt);
    typeEnter(ref);
}

void EntryTest::clickRow(int row)
{
    QListView* list = window->logList();
    const QRect rect = list->visualRect(window->logModel()->index(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void EntryTest::doubleClickRow(int row)
{
    QListView* list = window->logList();
    const QRect rect = list->visualRect(window->logModel()->index(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

QStringList EntryTest::logLines() const { return splitLines(fromWindows1252(logBytes())); }
