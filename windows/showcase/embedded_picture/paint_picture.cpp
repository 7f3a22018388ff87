#include "windows/showcase/embedded_picture/paint_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <string_view>

namespace qv::showcase
{

namespace
{
enum Key : std::size_t {
    SkyTop,
    SkyHorizon,
    SunGlow,
    SunRim,
    SunCore,
    CloudLight,
    CloudShade,
    Bird,
    FarHill,
    FarHillShade,
    NearHill,
    Meadow,
    MeadowShade,
    GrassBlade,
    Path,
    PathEdge,
    Trunk,
    Leaves,
    LeavesLight,
    SignPost,
    SignBoard,
    SignBorder,
    Lettering,
    FlowerRed,
    FlowerYellow,
    FlowerWhite,
    KeyCount
};
static_assert(KeyCount == paintPictureKeyColourCount);

constexpr std::array<QRgb, KeyCount> keyColours { {
    0xFF2F6FC4, // sky, top
    0xFFCDE9F6, // sky at the horizon
    0xFFFFF4C2, // the sun's glow
    0xFFF7B733, // the sun's rim
    0xFFFFE066, // the sun
    0xFFFFFFFF, // clouds
    0xFFD6E2EC, // their undersides
    0xFF34495E, // birds
    0xFF7FA77A, // far hills
    0xFF6A9466, // their shaded slopes
    0xFF5DAE4B, // near hills
    0xFF78C25A, // the meadow
    0xFF4E9A3E, // its shadows
    0xFF3F7F33, // blades of grass
    0xFFE8D3A2, // the path
    0xFFC9B07A, // its edges
    0xFF7A4E2D, // the tree's trunk
    0xFF2E7D32, // its leaves
    0xFF57A85B, // their lit side
    0xFF8B5A2B, // the sign's posts
    0xFFF5E6C8, // its board
    0xFF6D4C2F, // the board's border
    0xFF1F3A5F, // its lettering
    0xFFE5484D, // red flowers
    0xFFFFD23F, // yellow flowers
    0xFFF8F8F8, // white flowers
} };

QColor colour(Key key)
{
    return QColor::fromRgb(keyColours[key]);
}

void drawSky(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, 170);
    sky.setColorAt(0, colour(SkyTop));
    sky.setColorAt(1, colour(SkyHorizon));
    p.fillRect(QRect(QPoint(0, 0), paintPictureSize), sky);

    QRadialGradient glow(QPointF(236, 56), 52);
    QColor glowEdge = colour(SunGlow);
    glowEdge.setAlpha(0);
    glow.setColorAt(0, colour(SunGlow));
    glow.setColorAt(1, glowEdge);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(236, 56), 52, 52);
    p.setPen(QPen(colour(SunRim), 3));
    p.setBrush(colour(SunCore));
    p.drawEllipse(QPointF(236, 56), 22, 22);
}

void drawCloud(QPainter &p, QPointF at)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour(CloudShade));
    p.drawEllipse(at + QPointF(0, 6), 34, 11);
    p.setBrush(colour(CloudLight));
    p.drawEllipse(at + QPointF(-16, 0), 16, 11);
    p.drawEllipse(at + QPointF(4, -6), 18, 14);
    p.drawEllipse(at + QPointF(22, 1), 13, 9);
}

void drawBirds(QPainter &p)
{
    p.setPen(QPen(colour(Bird), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const QPointF at : { QPointF(150, 40), QPointF(168, 52), QPointF(136, 58) }) {
        QPainterPath wings(at + QPointF(-6, -2));
        wings.quadTo(at + QPointF(-3, -5), at);
        wings.quadTo(at + QPointF(3, -5), at + QPointF(6, -2));
        p.drawPath(wings);
    }
}

void drawHills(QPainter &p)
{
    p.setPen(Qt::NoPen);
    QPainterPath far(QPointF(0, 150));
    far.cubicTo(40, 112, 90, 112, 130, 138);
    far.cubicTo(170, 160, 210, 104, 300, 128);
    far.lineTo(300, 250);
    far.lineTo(0, 250);
    p.setBrush(colour(FarHill));
    p.drawPath(far);

    QPainterPath shade(QPointF(66, 119)); // the far hill's slope away from the sun
    shade.cubicTo(90, 118, 112, 126, 130, 138);
    shade.quadTo(94, 138, 66, 119);
    p.setBrush(colour(FarHillShade));
    p.drawPath(shade);

    QPainterPath near(QPointF(0, 182));
    near.cubicTo(60, 160, 120, 158, 170, 172);
    near.cubicTo(220, 186, 260, 168, 300, 170);
    near.lineTo(300, 250);
    near.lineTo(0, 250);
    QLinearGradient meadow(0, 160, 0, 250);
    meadow.setColorAt(0, colour(NearHill));
    meadow.setColorAt(1, colour(Meadow));
    p.setBrush(meadow);
    p.drawPath(near);

    p.setBrush(colour(MeadowShade));
    p.drawEllipse(QPointF(250, 238), 60, 9);
}

void drawPath(QPainter &p)
{
    QPainterPath road(QPointF(150, 250));
    road.cubicTo(150, 225, 205, 210, 185, 178);
    road.lineTo(179, 178);
    road.cubicTo(190, 208, 128, 222, 118, 250);
    road.closeSubpath();
    p.setPen(QPen(colour(PathEdge), 1.5));
    p.setBrush(colour(Path));
    p.drawPath(road);
}

void drawTree(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour(Trunk));
    p.drawRect(QRectF(252, 168, 8, 36));
    p.setBrush(colour(Leaves));
    p.drawEllipse(QPointF(256, 160), 24, 22);
    p.drawEllipse(QPointF(240, 170), 14, 12);
    p.drawEllipse(QPointF(272, 170), 14, 12);
    p.setBrush(colour(LeavesLight));
    p.drawEllipse(QPointF(262, 150), 10, 8);
}

void drawGrassAndFlowers(QPainter &p)
{
    p.setPen(QPen(colour(GrassBlade), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int x = 8; x < 300; x += 23) {
        const int y = 226 + (x * 7) % 19;
        p.drawLine(QPointF(x, y), QPointF(x - 2, y - 7));
        p.drawLine(QPointF(x + 3, y), QPointF(x + 4, y - 8));
    }
    p.setPen(Qt::NoPen);
    const Key kinds[] = { FlowerRed, FlowerYellow, FlowerWhite };
    for (int i = 0; i < 14; ++i) {
        const QPointF at(12 + (i * 53) % 280, 212 + (i * 29) % 34);
        p.setBrush(colour(kinds[i % 3]));
        p.drawEllipse(at, 2.5, 2.5);
    }
}

// A 5 x 7 dot face of just the letters the sign needs: drawn from dots, so no installed font is involved.
std::array<std::string_view, 7> glyph(char letter)
{
    switch (letter) {
    case 'Q':
        return { ".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#" };
    case 'U':
        return { "#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###." };
    case 'O':
        return { ".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###." };
    case 'R':
        return { "####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#" };
    case 'V':
        return { "#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.." };
    case 'A':
        return { ".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#" };
    case 'N':
        return { "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#" };
    case 'E':
        return { "#####", "#....", "#....", "####.", "#....", "#....", "#####" };
    default:
        return {};
    }
}

void drawSign(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour(SignPost));
    p.drawRect(QRectF(30, 192, 5, 40));
    p.drawRect(QRectF(107, 192, 5, 40));
    p.setPen(QPen(colour(SignBorder), 2));
    p.setBrush(colour(SignBoard));
    p.drawRoundedRect(QRectF(16, 168, 110, 28), 3, 3);

    constexpr int dot = 2;
    constexpr std::string_view word = "QUORVANE";
    p.setPen(Qt::NoPen);
    p.setBrush(colour(Lettering));
    int left = 24;
    for (const char letter : word) {
        const auto rows = glyph(letter);
        for (int row = 0; row < 7; ++row)
            for (int column = 0; column < 5; ++column)
                if (rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] == '#')
                    p.drawRect(left + column * dot, 175 + row * dot, dot, dot);
        left += 6 * dot;
    }
}
} // namespace

const std::array<QRgb, paintPictureKeyColourCount> &paintPictureKeyColours()
{
    return keyColours;
}

QImage drawPaintPicture()
{
    QImage picture(paintPictureSize, QImage::Format_RGB32);
    picture.fill(colour(SkyHorizon));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    drawSky(p);
    drawCloud(p, QPointF(70, 48));
    drawCloud(p, QPointF(178, 92));
    drawBirds(p);
    drawHills(p);
    drawPath(p);
    drawTree(p);
    drawGrassAndFlowers(p);
    p.setRenderHint(QPainter::Antialiasing, false); // crisp dots for the lettering
    drawSign(p);
    p.end();
    return picture;
}

} // namespace qv::showcase
