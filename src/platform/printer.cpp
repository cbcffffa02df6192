#include "platform/printer.h"

QList<int> pageStarts(int lineCount, int linesPerPage, const QList<int>& keepTogether)
{
    QList<int> starts;
    if (linesPerPage < 1)
        return starts;
    int used = 0;
    for (int line = 0; line < lineCount; ++line) {
        const qsizetype block = keepTogether.indexOf(line);
        if (block >= 0 && used > 0) {
            const int end = block + 1 < keepTogether.size() ? keepTogether[block + 1] : lineCount;
            const int length = end - line;
            if (used + length > linesPerPage && length <= linesPerPage)
                used = linesPerPage; // the block goes whole onto the next page
        }
        if (used == linesPerPage) {
            starts << line;
            used = 0;
        }
        ++used;
    }
    return starts;
}
