#include "logbook/castle_contacts.h"
#include "logbook/log_store.h"
#include "support/test_env.h"

namespace {

class CastleContactsTest : public DataDirTest {};

// The spots window checks against the log in memory; it must answer exactly
// as the entry's search of the log file does.
TEST_F(CastleContactsTest, InMemoryIndexAnswersAsTheSearchOfTheLogFile)
{
    const QStringList log = {
        qsoLine("F6AAA", "77", "77121", "01/02/08", "10:00", "10 Mhz"),
        qsoLine("F6AAA", "77", "77121", "02/02/08", "10:00", "28 Mhz"),
        qsoLine("F6BBB", "77", "77121", "03/02/08", "10:00", "14 Mhz"),
        qsoLine("F6CCC", "2a", "2a004", "04/02/08", "10:00", "144 Mhz"),
        qsoLine("F6DDD", "91", "91045", "05/02/08", "10:00", "432 Mhz"),
        "a line far too short",
        "",
    };
    writeLog(log);
    ContactedCastles index;
    index.rebuild(log);
    const LogStore store = context.logStore();
    for (const char* ref : {"77121", "2a004", "2A004", "91045", "75001", "7712"}) {
        for (const char* group : {"HF", "VHF", "UHF", ""}) {
            const CastleContact fromFile = store.Cherche_Chateau(ref, group);
            const CastleContact fromMemory = index.find(ref, group);
            EXPECT_EQ(fromMemory.found, fromFile.found) << ref << " " << group;
            EXPECT_EQ(fromMemory.date, fromFile.date);
            EXPECT_EQ(fromMemory.band, fromFile.band);
        }
    }
    EXPECT_EQ(index.find("77121", "HF").date, "02/02/08"); // the first in the log, 10 MHz counting nowhere
}

} // namespace
