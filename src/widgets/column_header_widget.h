#pragma once
#include <QLabel>
#include <QList>

// The caption over a fixed-pitch list. Its text stays the caption as written;
// it is drawn with each group of words (groups are separated by two or more
// blanks) starting at the list column it names, so the header lines up with
// the rows whatever blanks the caption holds.
class ColumnHeader : public QLabel {
    Q_OBJECT
public:
    // columns: 1-based start column of each group of words, in order.
    ColumnHeader(const QString& caption, QList<int> columns, QWidget* parent = nullptr);
    void setCaption(const QString& caption, QList<int> columns);
    QString alignedText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<int> columns;
};
