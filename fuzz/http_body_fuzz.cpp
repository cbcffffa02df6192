#include "castles/castle_update.h"
#include "fuzz_data.h"
#include <QFile>

// Any body a server may send for the castle list.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FuzzDir dir;
    HttpReply reply;
    reply.outcome = HttpReply::Outcome::Completed;
    reply.status = 200;
    reply.body = QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
    Download(reply, dir.dir.filePath(QStringLiteral("Liste_DFCF.csv")));
    return 0;
}
