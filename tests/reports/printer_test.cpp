#include "platform/printer.h"
#include "platform/qt_platform.h"
#include "support/test_env.h"
#include <QBuffer>
#include <QImage>

TEST(Pagination, PagesFillUpAndABlockThatWouldBeSplitStartsANewPage)
{
    EXPECT_EQ(pageStarts(10, 4, {}), QList<int>({4, 8}));
    EXPECT_EQ(pageStarts(4, 4, {}), QList<int>());
    // Cards of 3 lines on pages of 4: each card goes whole onto its own page.
    EXPECT_EQ(pageStarts(9, 4, {0, 3, 6}), QList<int>({3, 6}));
    // Two cards fit on a page of 6, the third starts the next page.
    EXPECT_EQ(pageStarts(9, 6, {0, 3, 6}), QList<int>({6}));
    // A block longer than a page is split where the page is full.
    EXPECT_EQ(pageStarts(7, 4, {0, 1}), QList<int>({4}));
    EXPECT_EQ(pageStarts(3, 0, {}), QList<int>());
}

namespace {

class PdfPrinterTest : public DataDirTest {
protected:
    int pages(const PrintJob& job)
    {
        QtPrinter printer;
        printer.printToPdf(path("page.pdf"));
        EXPECT_TRUE(printer.print(job).ok);
        return pdfPageCount(readFile("page.pdf"));
    }
    PrintJob lines(int count)
    {
        PrintJob job;
        for (int i = 0; i < count; ++i)
            job.lines << QStringLiteral("ligne %1").arg(i);
        return job;
    }
};

} // namespace

TEST_F(PdfPrinterTest, ABlockKeptTogetherGoesWholeOntoTheNextPage)
{
    int perPage = 1;
    while (pages(lines(perPage + 1)) == 1)
        ++perPage;
    ASSERT_GT(perPage, 40); // 9 points on A4
    const int block = perPage / 2 + 1; // two blocks never share a page
    PrintJob job = lines(3 * block);
    EXPECT_EQ(pages(job), 2);
    job.keepTogether = {0, block, 2 * block};
    EXPECT_EQ(pages(job), 3);
}

TEST_F(PdfPrinterTest, AChartIsPrintedUnderItsTitleOrOnAPageOfItsOwn)
{
    QImage chart(800, 500, QImage::Format_RGB32);
    chart.fill(Qt::darkBlue);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(chart.save(&buffer, "PNG"));

    PrintJob job = lines(1);
    job.image = png;
    EXPECT_EQ(pages(job), 1);
    EXPECT_TRUE(readFile("page.pdf").contains("/Subtype /Image"));
    // Too little room left under the lines: the chart takes the next page.
    job.lines = lines(60).lines;
    EXPECT_EQ(pages(job), 2);

    job.image = "not a picture";
    QtPrinter printer;
    printer.printToPdf(path("bad.pdf"));
    EXPECT_EQ(printer.print(job).text(), "L'image à imprimer est illisible : rien n'a été imprimé de l'image.");
}
