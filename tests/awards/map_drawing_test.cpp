#include "awards/map_drawing.h"
#include <gtest/gtest.h>

namespace {

using Outlines = QList<QList<QPointF>>;

QByteArray svgWith(const QByteArray& inside, const QByteArray& viewBox = "0 0 613 585")
{
    return "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"" + viewBox + "\">\n" + inside
           + "\n</svg>\n";
}

} // namespace

TEST(MapDrawing, ReadsMovesLinesAndClosesInEveryFormAndRefusesAnythingElse)
{
    const std::optional<MapDrawing> map = readMapDrawing(svgWith(
        "<path id=\"01\" aria-label=\"Ain\" d=\"m 10,20 5,0 0,5 z m 10,0 1,1 z\"/>\n"
        "<!-- hand-edited -->\n<path id=\"2A\"\n d=\"M1e1 -.5L+20,0.5h-5V4l-1-1Z l 0,2 H 0\"/>"));
    ASSERT_TRUE(map);
    EXPECT_EQ(map->viewBox, QRectF(0, 0, 613, 585));
    ASSERT_EQ(map->shapes.size(), 2);
    EXPECT_EQ(map->shapes[0].id, "01");
    // After a close, the next move starts from the closed ring's start.
    EXPECT_EQ(map->shapes[0].outlines, Outlines({{{10, 20}, {15, 20}, {15, 25}, {10, 20}}, {{20, 20}, {21, 21}, {20, 20}}}));
    EXPECT_EQ(map->shapes[1].id, "2A");
    // A line after a close starts again from the ring's start; a ring left open stays open.
    EXPECT_EQ(map->shapes[1].outlines, Outlines({{{10, -0.5}, {20, 0.5}, {15, 0.5}, {15, 4}, {14, 3}, {10, -0.5}},
                                                  {{10, -0.5}, {10, 1.5}, {0, 1.5}}}));
    EXPECT_EQ(readPathOutlines(u"m 1,1 0,0 M 5 5"), Outlines({{{1, 1}, {1, 1}}}));

    const QByteArray fine = "<path id=\"01\" d=\"m 1,1 2,2 z\"/>";
    EXPECT_TRUE(readMapDrawing(svgWith(fine, "0,0,10,10")));
    for (const QByteArray& broken :
         {svgWith("<path id=\"01\" d=\"m 1,1 c 1,1 2,2 3,3 z\"/>"), svgWith("<path id=\"01\" d=\"m 1,1 a 1 1 0 0 1 2 2\"/>"),
          svgWith("<path id=\"01\" d=\"l 1,1 2,2 z\"/>"), svgWith("<path id=\"01\" d=\"1,1 2,2\"/>"),
          svgWith("<path id=\"01\" d=\"m 1,1 2\"/>"), svgWith("<path id=\"01\" d=\"m 1,1 2,- z\"/>"),
          svgWith("<path id=\"01\" d=\"m 1,1 1e,2 z\"/>"), svgWith("<path id=\"01\" d=\"m 1,1 1e999,2 z\"/>"),
          svgWith(fine + "<circle r=\"3\"/>"), svgWith("<g>" + fine + "</g>"), svgWith(fine, "0 0 10"),
          svgWith(fine, "0 0 -10 10"), svgWith(""), svgWith(fine).chopped(8), QByteArray("<html/>"), QByteArray()})
        EXPECT_FALSE(readMapDrawing(broken)) << broken.toStdString();
}
