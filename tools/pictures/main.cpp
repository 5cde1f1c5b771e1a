// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's 139 pictures, encodes them to their JPEG profiles and writes them with the
// inventory table; can also write a contact sheet of all of them and the application icons.
//
//   numislot_pictures --assets <dir> [--sheet <file.png>] [--scale <n>]

#include "CoinArt.h"
#include "Inventory.h"
#include "JpegWriter.h"
#include "catalogue/Catalogue.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <cstdio>
#include <map>

using namespace Qt::StringLiterals;
namespace cat = numislot::catalogue;
using namespace numislot::pictures;

namespace {

constexpr std::array<int, 6> IconSizes { 16, 32, 48, 64, 128, 256 };

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// All pictures as the program will show them (decoded back from the JPEG bytes), laid out like the
// windows they belong to: column coins, the gallery rows in display order, banners and splash.
QImage contactSheet(const std::vector<PictureEntry>& entries, const std::map<QString, QImage>& decoded, int scale)
{
    constexpr int Column = 84, Row = 92, Caption = 96, Margin = 8;
    const int width = Margin * 2 + Caption + Column * 8;
    const int height = Margin + 74 + Row * cat::IssuerCount + 60 + 200 + Margin;
    QImage sheet(width * scale, height * scale, QImage::Format_RGB32);
    sheet.fill(QColor(0xEE, 0xEE, 0xEE));
    QPainter painter(&sheet);
    painter.scale(scale, scale);
    QFont font(u"DejaVu Sans"_s);
    font.setPixelSize(11);
    painter.setFont(font);

    const auto image = [&](const PictureEntry& entry) { return decoded.at(entry.window + u'/' + entry.cell); };
    const auto column = [&](int denomination) { return Margin + Caption + denomination * Column; };
    int y = Margin;
    painter.drawText(Margin, y + 40, u"Form1"_s);
    for (const PictureEntry& entry : entries) {
        if (entry.role == Role::ColumnCoin)
            painter.drawImage(column(entry.denomination), y + 66 - entry.size.height(), image(entry));
    }
    y += 74;
    for (int row = 0; row < cat::IssuerCount; ++row) {
        const int issuer = cat::issuerAtRow(row);
        painter.setPen(Qt::black);
        painter.drawText(Margin, y + Row / 2,
            QString::fromUtf8(cat::issuers[issuer].name.data(), qsizetype(cat::issuers[issuer].name.size())));
        for (const PictureEntry& entry : entries) {
            if (entry.role != Role::GalleryCoin || cat::issuerOf(entry.slot) != issuer)
                continue;
            const QImage picture = image(entry);
            painter.drawImage(column(entry.denomination), y + (Row - picture.height()) / 2, picture);
            painter.setPen(QColor(0x88, 0x88, 0x88));
            painter.drawText(column(entry.denomination), y + Row - 1, entry.cell);
        }
        y += Row;
    }
    int x = Margin;
    for (const PictureEntry& entry : entries) {
        if (entry.role == Role::AboutBanner || entry.role == Role::PageBanner) {
            painter.drawImage(x, y + 6, image(entry));
            x += entry.size.width() + 20;
        }
    }
    y += 60;
    for (const PictureEntry& entry : entries) {
        if (entry.role == Role::Splash)
            painter.drawImage(Margin, y, image(entry));
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv)
{
    // Drawing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption assetsOption(u"assets"_s, u"Folder receiving the pictures and inventory.csv."_s, u"dir"_s);
    const QCommandLineOption sheetOption(u"sheet"_s, u"Also write a contact sheet of all pictures."_s, u"png"_s);
    const QCommandLineOption scaleOption(u"scale"_s, u"Magnification of the contact sheet."_s, u"n"_s, u"1"_s);
    parser.addOptions({ assetsOption, sheetOption, scaleOption });
    parser.process(application);
    if (!parser.isSet(assetsOption))
        parser.showHelp(2);

    const QDir assets(parser.value(assetsOption));
    if (!assets.mkpath(u"."_s))
        return 1;
    const std::vector<PictureEntry> entries = inventory();
    QByteArray table = inventoryHeader().toUtf8() + '\n';
    std::map<QString, QImage> decoded;
    qint64 total = 0;
    for (const PictureEntry& entry : entries) {
        const QImage picture = drawPicture(entry);
        const QByteArray jpeg = encodeJpeg(picture, entry.profile, entry.window + u' ' + entry.cell);
        if (!writeFile(assets.filePath(entry.file), jpeg))
            return 1;
        table += inventoryLine(entry).toUtf8() + '\n';
        decoded[entry.window + u'/' + entry.cell] = QImage::fromData(jpeg, "JPEG");
        total += jpeg.size();
    }
    if (!writeFile(assets.filePath(u"inventory.csv"_s), table))
        return 1;
    // The pictures are the program's own work and go with it under its licence.
    const QByteArray notice = "The pictures in this folder, their inventory (inventory.csv) and the icons are\n"
                              "drawn by Numislot's picture generator, tools/pictures (build target\n"
                              "numislot_assets), and are distributed under the same licence as the program.\n"
                              "\n"
                              "SPDX-FileCopyrightText: 2026 QVT\n"
                              "SPDX-License-Identifier: GPL-3.0-or-later\n";
    if (!writeFile(assets.filePath(u"README"_s), notice))
        return 1;

    for (const int side : IconSizes) {
        const QString folder = u"icons/%1x%1"_s.arg(side);
        assets.mkpath(folder);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        drawIcon(side).save(&buffer, "PNG");
        if (!writeFile(assets.filePath(folder + u"/numislot.png"_s), png))
            return 1;
    }

    if (parser.isSet(sheetOption)) {
        const int scale = qBound(1, parser.value(scaleOption).toInt(), 4);
        if (!contactSheet(entries, decoded, scale).save(parser.value(sheetOption), "PNG"))
            return 1;
    }
    std::printf("%zu pictures, %lld bytes of JPEG data\n", entries.size(), static_cast<long long>(total));
    return 0;
}
