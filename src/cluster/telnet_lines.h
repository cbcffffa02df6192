#pragma once
#include <QByteArray>
#include <QList>

// Cuts what a telnet node sends into lines: option negotiation dropped, line
// ends "\n" or "\r\n", a line too long to be anything useful skipped whole
// rather than kept growing in memory.
class TelnetLines {
public:
    static constexpr qsizetype maxLineBytes = 1024;

    // The whole lines completed by these bytes, without their line end.
    QList<QByteArray> feed(const QByteArray& bytes);
    // What came after the last line end: a prompt waits there for its answer.
    const QByteArray& pending() const { return partial; }
    // The prompt was answered: what follows starts a new line.
    void dropPending() { partial.clear(); }
    void clear();

private:
    enum class Telnet { Text, Command, Option, Sub, SubCommand };
    void take(char byte, QList<QByteArray>& lines);

    QByteArray partial;
    bool skipping = false;
    Telnet state = Telnet::Text;
};
