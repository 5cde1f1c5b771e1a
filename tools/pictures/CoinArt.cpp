// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoinArt.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Maker.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegularExpression>
#include <QtMath>
#include <array>
#include <cmath>

using namespace Qt::StringLiterals;
namespace cat = numislot::catalogue;

namespace numislot::pictures {

namespace {

struct Metal
{
    QColor light;
    QColor base;
    QColor dark;
};

const Metal Silver { QColor(0xF4, 0xF5, 0xF7), QColor(0xC3, 0xC7, 0xCD), QColor(0x6F, 0x75, 0x7E) };
const Metal Brass { QColor(0xFB, 0xE7, 0x9A), QColor(0xD9, 0xB0, 0x45), QColor(0x86, 0x62, 0x16) };
const Metal NordicGold { QColor(0xF7, 0xE6, 0xA8), QColor(0xD3, 0xB8, 0x62), QColor(0x6A, 0x54, 0x14) };
const Metal Copper { QColor(0xF6, 0xBE, 0x98), QColor(0xC2, 0x6B, 0x3D), QColor(0x4E, 0x1F, 0x08) };

const QString FontFamily = u"DejaVu Sans"_s;

constexpr std::array<const char*, cat::DenominationCount> valueTexts { "2 €", "1 €", "50 c", "20 c", "10 c", "5 c",
    "2 c", "1 c" };
constexpr std::array<const char*, cat::DenominationCount> numberTexts { "2", "1", "50", "20", "10", "5", "2", "1" };

// Short forms of the issuers, in slot order, for the coins' small lettering.
constexpr std::array<const char*, cat::IssuerCount> issuerCodes { "ALL", "AUT", "BEL", "ESP", "FIN", "FRA", "GRÈ",
    "IRL", "ITA", "LUX", "P-B", "POR", "RSM", "VAT", "MCO", "SLO" };

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// "Porte de Brandebourg" -> "PB", "Mozart" -> "MOZ", "Albert II" -> "A II": enough to tell designs apart.
QString designInitials(std::string_view name)
{
    static const QStringList minorWords { u"le"_s, u"la"_s, u"les"_s, u"l"_s, u"de"_s, u"d"_s, u"du"_s, u"des"_s,
        u"et"_s, u"von"_s, u"del"_s, u"della"_s, u"sur"_s, u"il"_s };
    QStringList words;
    for (const QString& word : qs(name).split(QRegularExpression(u"[\\s\\-'()]+"_s), Qt::SkipEmptyParts)) {
        if (!minorWords.contains(word.toLower()))
            words << word;
    }
    if (words.size() == 1)
        return words.front().left(3).toUpper();
    QString initials;
    QString numeral;
    for (const QString& word : std::as_const(words)) {
        if (QRegularExpression(u"^[IVX]+$"_s).match(word).hasMatch() || word.front().isDigit())
            numeral = word;
        else if (initials.size() < 3)
            initials += word.front().toUpper();
    }
    return numeral.isEmpty() ? initials : initials + u' ' + numeral;
}

QFont fontOfPixelSize(qreal pixels, int weight = QFont::Bold, bool condensed = true)
{
    QFont font(FontFamily);
    font.setPixelSize(qMax(1, qRound(pixels)));
    font.setWeight(QFont::Weight(weight));
    if (condensed)
        font.setStretch(QFont::SemiCondensed);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

// Text centred on a point, shrunk until it fits the width; drawn struck into the metal.
void strikeText(QPainter& painter, const QString& text, QPointF centre, qreal pixels, qreal maxWidth,
    const Metal& metal, int weight = QFont::Bold)
{
    QFont font = fontOfPixelSize(pixels, weight);
    while (font.pixelSize() > 5 && QFontMetricsF(font).horizontalAdvance(text) > maxWidth)
        font.setPixelSize(font.pixelSize() - 1);
    const QFontMetricsF metrics(font);
    const QPointF origin(
        centre.x() - metrics.horizontalAdvance(text) / 2, centre.y() + (metrics.ascent() - metrics.descent()) / 2);
    QPainterPath path;
    path.addText(origin, font, text);
    painter.setPen(Qt::NoPen);
    painter.setBrush(metal.light);
    painter.drawPath(path.translated(0.5, 0.6));
    painter.setBrush(metal.dark);
    painter.drawPath(path);
}

QPainterPath starPath(QPointF centre, qreal outer)
{
    QPainterPath path;
    const qreal inner = outer * 0.42;
    for (int point = 0; point < 10; ++point) {
        const qreal angle = -M_PI / 2 + point * M_PI / 5;
        const qreal radius = point % 2 ? inner : outer;
        const QPointF at(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
        point ? path.lineTo(at) : path.moveTo(at);
    }
    path.closeSubpath();
    return path;
}

void fillDisc(QPainter& painter, QPointF centre, qreal radius, const Metal& metal)
{
    QRadialGradient gradient(centre, radius, centre - QPointF(radius * 0.45, radius * 0.5));
    gradient.setColorAt(0, metal.light);
    gradient.setColorAt(0.55, metal.base);
    gradient.setColorAt(1, metal.base.darker(118));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
}

void strokeCircle(QPainter& painter, QPointF centre, qreal radius, const QColor& colour, qreal width)
{
    painter.setPen(QPen(colour, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
}

struct CoinFace
{
    int denomination = 0;
    QString issuer; // empty on the common side
    QString design; // empty on the common side
};

// A coin of diameter `diameter` centred on `centre`.
void drawCoin(QPainter& painter, QPointF centre, qreal diameter, const CoinFace& face)
{
    const int d = face.denomination;
    const bool bimetal = d <= 1;
    const Metal& outer = d == 0 ? Silver : d == 1 ? Brass : d <= 4 ? NordicGold : Copper;
    const Metal& inner = d == 0 ? Brass : d == 1 ? Silver : outer;
    const qreal radius = diameter / 2;
    const qreal rim = qMax(1.0, diameter * 0.035);

    fillDisc(painter, centre, radius, outer);
    strokeCircle(painter, centre, radius - rim / 2, outer.dark, qMax(0.8, rim * 0.6));
    strokeCircle(painter, centre, radius - rim * 1.3, outer.light, qMax(0.6, rim * 0.35));

    const qreal coreRadius = bimetal ? radius * 0.70 : radius - rim * 1.6;
    if (bimetal) {
        fillDisc(painter, centre, coreRadius, inner);
        strokeCircle(painter, centre, coreRadius, inner.dark.darker(110), qMax(0.7, rim * 0.4));
    }

    // Twelve stars: on the outer ring of the bimetal coins, inside the rim of the others.
    const qreal starRingRadius = bimetal ? (radius - rim + coreRadius) / 2 : radius - rim * 1.6 - diameter * 0.065;
    const qreal starSize = bimetal ? (radius - rim - coreRadius) * 0.36 : diameter * 0.05;
    painter.setPen(Qt::NoPen);
    for (int star = 0; star < 12; ++star) {
        const qreal angle = star * M_PI / 6;
        const QPointF at(centre.x() + starRingRadius * std::sin(angle), centre.y() - starRingRadius * std::cos(angle));
        const QPainterPath path = starPath(at, starSize);
        painter.setBrush(outer.light);
        painter.drawPath(path.translated(0.4, 0.5));
        painter.setBrush(outer.dark);
        painter.drawPath(path);
    }

    // Lettering inside the stars.
    const qreal field = bimetal ? coreRadius : starRingRadius - starSize * 1.2;
    const Metal& ink = inner;
    if (face.issuer.isEmpty()) {
        const QString number = QString::fromUtf8(numberTexts[d]);
        strikeText(painter, number, centre - QPointF(0, field * 0.16), field * 1.05, field * 1.6, ink);
        strikeText(
            painter, d <= 1 ? u"EURO"_s : u"CENT"_s, centre + QPointF(0, field * 0.55), field * 0.34, field * 1.3, ink);
        return;
    }
    strikeText(painter, face.issuer, centre - QPointF(0, field * 0.56), field * 0.36, field * 1.25, ink);
    strikeText(
        painter, QString::fromUtf8(valueTexts[d]), centre + QPointF(0, field * 0.02), field * 0.62, field * 1.75, ink);
    strikeText(
        painter, face.design, centre + QPointF(0, field * 0.58), field * 0.34, field * 1.2, ink, QFont::DemiBold);
}

QImage whiteCanvas(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void smooth(QPainter& painter)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}

// The coin filling a picture of any size, with a hair of white around it.
QImage coinPicture(QSize size, const CoinFace& face)
{
    QImage image = whiteCanvas(size);
    QPainter painter(&image);
    smooth(painter);
    const qreal diameter = qMin(size.width(), size.height()) - 1.5;
    drawCoin(painter, QPointF(size.width() / 2.0, size.height() / 2.0), diameter, face);
    return image;
}

// Deterministic noise for the brushed metal (a plain LCG: the same bytes every run).
class Noise
{
public:
    explicit Noise(quint32 seed)
        : m_state(seed)
    {
    }
    qreal next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) / qreal(1 << 24);
    }

private:
    quint32 m_state;
};

void brushedMetal(QPainter& painter, QRect area)
{
    QLinearGradient ground(area.topLeft(), area.bottomLeft());
    ground.setColorAt(0, QColor(0xDD, 0xE0, 0xE4));
    ground.setColorAt(0.5, QColor(0xB9, 0xBE, 0xC5));
    ground.setColorAt(1, QColor(0xD3, 0xD7, 0xDC));
    painter.fillRect(area, ground);
    Noise noise(0x51u);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int stroke = 0; stroke < area.height() * 6; ++stroke) {
        const qreal y = area.top() + noise.next() * area.height();
        const qreal x = area.left() + noise.next() * area.width() - area.width() * 0.3;
        const qreal length = area.width() * (0.2 + noise.next() * 0.8);
        const int shade = noise.next() < 0.5 ? 255 : 70;
        painter.setPen(QPen(QColor(shade, shade, shade, 10 + int(noise.next() * 28)), 1));
        painter.drawLine(QPointF(x, y), QPointF(x + length, y));
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
}

// The maker's mark: "QVT" in a rounded plate.
void makersMark(QPainter& painter, QRectF plate, qreal letters)
{
    QLinearGradient fill(plate.topLeft(), plate.bottomLeft());
    fill.setColorAt(0, QColor(0x2E, 0x4A, 0x8C));
    fill.setColorAt(1, QColor(0x14, 0x24, 0x52));
    painter.setPen(QPen(QColor(0xF0, 0xC8, 0x4A), qMax(1.0, plate.height() * 0.06)));
    painter.setBrush(fill);
    const qreal corner = plate.height() * 0.22;
    painter.drawRoundedRect(plate, corner, corner);
    QFont font = fontOfPixelSize(letters, QFont::Black, false);
    font.setLetterSpacing(QFont::PercentageSpacing, 108);
    font.setItalic(true);
    QPainterPath path;
    const QFontMetricsF metrics(font);
    const QString mark = qs(cat::MakerName);
    path.addText(QPointF(plate.center().x() - metrics.horizontalAdvance(mark) / 2,
                     plate.center().y() + (metrics.ascent() - metrics.descent()) / 2),
        font, mark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawPath(path.translated(1, 1));
    painter.setBrush(QColor(0xF6, 0xD8, 0x6A));
    painter.drawPath(path);
}

void text(QPainter& painter, QPointF origin, const QString& words, const QFont& font, const QColor& colour)
{
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(origin, words);
}

QImage banner(QSize size, const QString& caption)
{
    QImage image = whiteCanvas(size);
    QPainter painter(&image);
    smooth(painter);
    const qreal h = size.height();
    drawCoin(painter, QPointF(h / 2 + 1, h / 2), h - 4, { 0, {}, {} });
    const QRectF plate(h + 6, 4, h * 1.75, h - 8);
    makersMark(painter, plate, (h - 8) * 0.68);
    const qreal textLeft = plate.right() + 7;
    const qreal textWidth = size.width() - 4 - textLeft;
    QFont font = fontOfPixelSize(h * 0.36, QFont::Bold, false);
    while (QFontMetricsF(font).horizontalAdvance(u"Numislot"_s) > textWidth && font.pixelSize() > 6)
        font.setPixelSize(font.pixelSize() - 1);
    text(painter, QPointF(textLeft, h * 0.47), u"Numislot"_s, font, QColor(0x1F, 0x33, 0x66));
    QFont small = fontOfPixelSize(h * 0.27, QFont::Normal, true);
    while (QFontMetricsF(small).horizontalAdvance(caption) > textWidth && small.pixelSize() > 6)
        small.setPixelSize(small.pixelSize() - 1);
    text(painter, QPointF(textLeft, h * 0.80), caption, small, QColor(0x55, 0x5B, 0x66));
    return image;
}

QImage splash(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    smooth(painter);
    brushedMetal(painter, image.rect());
    // A bevel so the plate reads as metal.
    painter.setPen(QPen(QColor(255, 255, 255, 170), 2));
    painter.drawLine(QPointF(1, 1), QPointF(size.width() - 1, 1));
    painter.drawLine(QPointF(1, 1), QPointF(1, size.height() - 1));
    painter.setPen(QPen(QColor(60, 64, 70, 170), 2));
    painter.drawLine(QPointF(1, size.height() - 1), QPointF(size.width() - 1, size.height() - 1));
    painter.drawLine(QPointF(size.width() - 1, 1), QPointF(size.width() - 1, size.height() - 1));

    const QString name = u"Numislot"_s;
    QFont font = fontOfPixelSize(70, QFont::Black, false);
    font.setItalic(true);
    while (QFontMetricsF(font).horizontalAdvance(name) > 300)
        font.setPixelSize(font.pixelSize() - 1);
    QPainterPath title;
    title.addText(QPointF(24, 96), font, name);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawPath(title.translated(1.5, 1.5));
    QLinearGradient ink(QPointF(0, 45), QPointF(0, 100));
    ink.setColorAt(0, QColor(0x2E, 0x4A, 0x8C));
    ink.setColorAt(1, QColor(0x10, 0x1E, 0x45));
    painter.setBrush(ink);
    painter.drawPath(title);

    text(painter, QPointF(30, 132), u"Les €uros de la collection"_s, fontOfPixelSize(17, QFont::DemiBold, false),
        QColor(0x2A, 0x30, 0x3A));

    drawCoin(painter, QPointF(392, 64), 88, { 0, {}, {} });
    drawCoin(painter, QPointF(354, 146), 58, { 1, {}, {} });
    drawCoin(painter, QPointF(416, 154), 40, { 5, {}, {} });

    text(painter, QPointF(30, 170), u"par"_s, fontOfPixelSize(14, QFont::Normal, false), QColor(0x2A, 0x30, 0x3A));
    makersMark(painter, QRectF(58, 148, 92, 32), 22);
    return image;
}

} // namespace

QImage drawPicture(const PictureEntry& entry)
{
    switch (entry.role) {
    case Role::GalleryCoin: {
        const std::string_view design = cat::designName(entry.slot);
        return coinPicture(entry.size,
            { entry.denomination, QString::fromUtf8(issuerCodes[cat::issuerOf(entry.slot)]), designInitials(design) });
    }
    case Role::ColumnCoin:
        return coinPicture(entry.size, { entry.denomination, {}, {} });
    case Role::AboutBanner:
        return banner(entry.size, u"Les €uros"_s);
    case Role::PageBanner:
        return banner(entry.size, u"Tous les €uros"_s);
    case Role::Splash:
        return splash(entry.size);
    }
    return {};
}

QImage drawIcon(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    smooth(painter);
    drawCoin(painter, QPointF(side / 2.0, side / 2.0), side - qMax(1.0, side / 32.0), { 0, {}, {} });
    return image;
}

} // namespace numislot::pictures
