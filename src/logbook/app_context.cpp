#include "logbook/app_context.h"
#include "platform/clock.h"

LogStore AppContext::logStore() const
{
    return LogStore(dataDir, Indicatif_Station, clock ? clock->now().toUTC().date() : QDate());
}
