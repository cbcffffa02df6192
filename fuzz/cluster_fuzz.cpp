#include "cluster/castle_reference.h"
#include "cluster/spot_line.h"
#include "cluster/telnet_lines.h"
#include <cstddef>
#include <cstdint>

// Any bytes a cluster node may send, cut into lines and read as spots.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TelnetLines lines;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const CastleListed listed = [](const QString& ref) { return ref.startsWith(QLatin1Char('7')); };
    for (const QByteArray& line : lines.feed(bytes)) {
        if (const std::optional<Spot> spot = readSpotLine(line))
            castleReferenceIn(spot->comment, listed);
    }
    castleReferenceIn(QString::fromLatin1(bytes), listed);
    return 0;
}
