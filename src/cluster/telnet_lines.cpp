#include "cluster/telnet_lines.h"

namespace {

constexpr unsigned char iac = 255;
constexpr unsigned char sb = 250;
constexpr unsigned char se = 240;
constexpr unsigned char will = 251;
constexpr unsigned char dont = 254;

} // namespace

QList<QByteArray> TelnetLines::feed(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        switch (state) {
        case Telnet::Text:
            if (byte == iac)
                state = Telnet::Command;
            else
                take(c, lines);
            break;
        case Telnet::Command:
            if (byte == iac) {
                take(c, lines); // an escaped 255 byte
                state = Telnet::Text;
            } else if (byte == sb) {
                state = Telnet::Sub;
            } else {
                state = byte >= will && byte <= dont ? Telnet::Option : Telnet::Text;
            }
            break;
        case Telnet::Option:
            state = Telnet::Text;
            break;
        case Telnet::Sub:
            if (byte == iac)
                state = Telnet::SubCommand;
            break;
        case Telnet::SubCommand:
            state = byte == se ? Telnet::Text : Telnet::Sub;
            break;
        }
    }
    return lines;
}

void TelnetLines::take(char byte, QList<QByteArray>& lines)
{
    if (byte == '\n') {
        if (partial.endsWith('\r'))
            partial.chop(1);
        if (!skipping)
            lines << partial;
        partial.clear();
        skipping = false;
        return;
    }
    if (skipping)
        return;
    partial.append(byte);
    if (partial.size() > maxLineBytes) {
        partial.clear();
        skipping = true;
    }
}

void TelnetLines::clear()
{
    partial.clear();
    skipping = false;
    state = Telnet::Text;
}
