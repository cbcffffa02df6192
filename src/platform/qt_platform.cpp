#include "platform/qt_platform.h"
#include <QApplication>
#include <QDesktopServices>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>

namespace {

QWidget* activeWindow() { return QApplication::activeWindow(); }

} // namespace

void QtMessages::info(const QString& text) { QMessageBox::information(activeWindow(), title, text); }

bool QtMessages::askYesNo(const QString& text)
{
    return QMessageBox::question(activeWindow(), title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

QtSettings::QtSettings() : store(std::make_unique<QSettings>(QStringLiteral("DFCF"), QStringLiteral("DFCF"))) {}

QString QtSettings::read(const QString& section, const QString& key, const QString& fallback) const
{
    return store->value(section + '/' + key, fallback).toString();
}

void QtSettings::write(const QString& section, const QString& key, const QString& value)
{
    store->setValue(section + '/' + key, value);
    store->sync();
}

bool QtBrowser::open(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool takeEarlierSettings(QSettings& ours, const QSettings& earlier)
{
    const QStringList keys = earlier.allKeys();
    if (!ours.allKeys().isEmpty() || keys.isEmpty())
        return false;
    for (const QString& key : keys)
        ours.setValue(key, earlier.value(key).toString());
    ours.sync();
    return true;
}

bool QtSettings::contains(const QString& section, const QString& key) const { return store->contains(section + '/' + key); }

QtPrinter::QtPrinter() : printer(QPrinter::HighResolution)
{
    // The default margins of a PDF file (3.5 mm) put the last lines at the
    // very edge of the sheet, where most printers cannot reach.
    printer.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
}

bool QtPrinter::choosePrinter()
{
    if (toPdfWithoutDialog)
        return true;
    QPrintDialog dialog(&printer, activeWindow());
    dialog.setWindowTitle(QStringLiteral("Imprimer"));
    return dialog.exec() == QDialog::Accepted;
}

void QtPrinter::printToPdf(const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    toPdfWithoutDialog = true;
}

Result QtPrinter::print(const PrintJob& job)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return Result::failure(QStringLiteral("L'impression n'a pas pu démarrer : vérifiez l'imprimante choisie."));
    QFont font(job.fontName, job.pointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setBold(job.bold);
    painter.setFont(font);
    const QFontMetrics metrics(font, &printer);
    const int lineHeight = metrics.lineSpacing();
    const int pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    const int linesPerPage = std::max(1, (pageHeight - metrics.ascent() - metrics.descent()) / lineHeight + 1);
    const QList<int> newPages = pageStarts(int(job.lines.size()), linesPerPage, job.keepTogether);
    int y = metrics.ascent();
    for (int i = 0; i < job.lines.size(); ++i) {
        const QString& line = job.lines[i];
        if (newPages.contains(i)) {
            if (!printer.newPage()) {
                painter.end();
                return Result::failure(QStringLiteral("L'impression s'est arrêtée avant la fin : une page n'a pas pu être imprimée."));
            }
            y = metrics.ascent();
        }
        painter.drawText(0, y, line);
        y += lineHeight;
    }
    if (!job.image.isEmpty()) {
        const int used = job.lines.isEmpty() ? 0 : y - metrics.ascent();
        const Result drawn = drawImage(painter, job.image, used);
        if (!drawn.ok) {
            painter.end();
            return drawn;
        }
    }
    if (!painter.end())
        return Result::failure(QStringLiteral("L'impression n'a pas pu se terminer."));
    return Result::success();
}

Result QtPrinter::drawImage(QPainter& painter, const QByteArray& png, int used)
{
    QImage image;
    if (!image.loadFromData(png, "PNG") || image.isNull())
        return Result::failure(QStringLiteral("L'image à imprimer est illisible : rien n'a été imprimé de l'image."));
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    // A picture squeezed into the last few lines of a page would be
    // unreadable: it takes a page of its own instead.
    if (page.height() - used < page.height() / 3) {
        if (!printer.newPage())
            return Result::failure(QStringLiteral("L'impression s'est arrêtée avant la fin : une page n'a pas pu être imprimée."));
        used = 0;
    }
    const QSize room(page.width(), page.height() - used);
    const QSize size = image.size().scaled(room, Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint((room.width() - size.width()) / 2, used), size), image);
    return Result::success();
}
