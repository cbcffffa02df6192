#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <array>
#include <functional>

// Reads ADIF files as other logging programs write them: ADI (tags in any
// case, optional type indicator, lengths in bytes, a header or none) and ADX.
// Only the fields the import uses are kept; the others are skipped unread.
enum class AdifTag : quint8 {
    Call, Name, NameIntl, QsoDate, TimeOn, Mode, Submode, Band, Freq, RstRcvd, RstSent,
    Sig, SigIntl, SigInfo, SigInfoIntl, Comment, CommentIntl, Notes, NotesIntl, QslMsg, QslMsgIntl, QslRcvd,
    Count
};

// The tag of an ADIF field name, any letter case; Count when not kept.
AdifTag adifTagOf(QByteArrayView name);

// One record: views into the file's bytes (ADI) or into the record's own
// UTF-8 text (ADX). Valid only during the visit that hands it over.
class AdifRecord {
public:
    int number = 0; // 1-based place of the record in the file
    bool utf8 = true;

    QByteArrayView raw(AdifTag tag) const { return values[size_t(tag)]; }
    bool has(AdifTag tag) const { return !raw(tag).isEmpty(); }
    // The value decoded and trimmed: UTF-8, or Windows-1252 for an ADI file
    // that is not valid UTF-8.
    QString text(AdifTag tag) const;
    // The _INTL variant when the record holds it, else the plain field.
    QString preferred(AdifTag plain, AdifTag intl) const { return has(intl) ? text(intl) : text(plain); }

    void set(AdifTag tag, QByteArrayView value) { values[size_t(tag)] = value; }
    void clear() { values.fill({}); }

private:
    std::array<QByteArrayView, size_t(AdifTag::Count)> values{};
};

// A record that could not be read whole; never handed to the visitor.
struct AdifDamage {
    int record = 0;
    QString call;   // when its callsign could be read
    QString reason; // French, for the operator
};

struct AdifRead {
    // A file of damaged records must not cost memory for each: the first
    // ones are kept for the operator to see, the others only counted.
    static constexpr int keptDamages = 3000;

    int records = 0; // complete records handed over
    QList<AdifDamage> damaged; // the first keptDamages
    int damagedCount = 0;
    bool stopped = false; // the reading was stopped before the end
    QString error; // French; set when the file could not be read at all
};

using AdifVisit = std::function<void(const AdifRecord&)>;
// Told now and then how many bytes are read; false stops the reading.
using AdifProgress = std::function<bool(qint64 bytesRead)>;

AdifRead readAdi(QByteArrayView bytes, const AdifVisit& visit, const AdifProgress& progress = {});
AdifRead readAdx(QByteArrayView bytes, const AdifVisit& visit, const AdifProgress& progress = {});
// ADX when the text starts as XML, ADI otherwise.
AdifRead readAdif(QByteArrayView bytes, const AdifVisit& visit, const AdifProgress& progress = {});
