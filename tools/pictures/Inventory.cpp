// SPDX-License-Identifier: GPL-3.0-or-later
#include "Inventory.h"

#include "catalogue/Catalogue.h"

#include <array>

using namespace Qt::StringLiterals;
namespace cat = numislot::catalogue;

namespace numislot::pictures {

namespace {

struct Side
{
    int width;
    int height;
};

// Gallery picture sizes by issuer in slot order, 2 € to 1 cent.
constexpr std::array<std::array<Side, cat::DenominationCount>, cat::IssuerCount> gallerySizes { {
    { { { 79, 80 }, { 75, 76 }, { 71, 73 }, { 70, 71 }, { 62, 63 }, { 67, 68 }, { 58, 59 }, { 52, 53 } } }, // Allemagne
    { { { 79, 80 }, { 75, 77 }, { 74, 75 }, { 70, 71 }, { 62, 62 }, { 67, 68 }, { 58, 59 }, { 52, 53 } } }, // Autriche
    { { { 79, 80 }, { 75, 77 }, { 74, 75 }, { 70, 71 }, { 62, 63 }, { 67, 68 }, { 58, 58 }, { 52, 52 } } }, // Belgique
    { { { 79, 80 }, { 75, 75 }, { 74, 75 }, { 70, 70 }, { 62, 62 }, { 67, 66 }, { 58, 58 }, { 52, 52 } } }, // Espagne
    { { { 79, 79 }, { 75, 76 }, { 74, 75 }, { 70, 70 }, { 62, 63 }, { 67, 67 }, { 58, 59 }, { 52, 52 } } }, // Finlande
    { { { 79, 80 }, { 75, 76 }, { 74, 75 }, { 70, 71 }, { 62, 62 }, { 67, 67 }, { 58, 58 }, { 52, 52 } } }, // France
    { { { 79, 80 }, { 75, 76 }, { 74, 75 }, { 70, 71 }, { 62, 63 }, { 67, 67 }, { 58, 59 }, { 52, 53 } } }, // Grèce
    { { { 79, 81 }, { 75, 75 }, { 74, 76 }, { 70, 71 }, { 62, 63 }, { 67, 67 }, { 58, 57 }, { 52, 52 } } }, // Irlande
    { { { 76, 76 }, { 75, 76 }, { 74, 74 }, { 70, 71 }, { 62, 63 }, { 67, 67 }, { 58, 59 }, { 52, 53 } } }, // Italie
    { { { 76, 76 }, { 75, 76 }, { 74, 74 }, { 70, 70 }, { 62, 62 }, { 67, 68 }, { 58, 59 },
        { 52, 53 } } }, // Luxembourg
    { { { 79, 80 }, { 75, 76 }, { 74, 75 }, { 70, 70 }, { 62, 62 }, { 67, 68 }, { 58, 58 }, { 52, 52 } } }, // Pays-Bas
    { { { 79, 81 }, { 75, 76 }, { 74, 75 }, { 70, 71 }, { 62, 62 }, { 67, 68 }, { 58, 59 }, { 52, 52 } } }, // Portugal
    { { { 79, 80 }, { 75, 76 }, { 71, 73 }, { 70, 71 }, { 62, 63 }, { 67, 68 }, { 58, 59 }, { 52, 53 } } }, // San Marin
    { { { 79, 81 }, { 75, 76 }, { 74, 75 }, { 70, 71 }, { 62, 62 }, { 67, 68 }, { 58, 59 }, { 52, 52 } } }, // Vatican
    { { { 79, 81 }, { 75, 76 }, { 74, 75 }, { 70, 71 }, { 62, 62 }, { 67, 68 }, { 58, 59 }, { 52, 52 } } }, // Monaco
    { { { 71, 70 }, { 65, 68 }, { 69, 71 }, { 65, 66 }, { 61, 59 }, { 71, 67 }, { 64, 60 }, { 55, 49 } } }, // Slovénie
} };

// Main window column pictures by denomination, 2 € to 1 cent; denomination d sits in Image(8 - d).
constexpr std::array<Side, cat::DenominationCount> columnSizes { { { 64, 65 }, { 58, 59 }, { 61, 62 }, { 56, 57 },
    { 49, 50 }, { 53, 53 }, { 47, 47 }, { 42, 42 } } };

constexpr std::array<const char*, cat::DenominationCount> denominationKeys { "2e", "1e", "50c", "20c", "10c", "5c",
    "2c", "1c" };

constexpr int SanMarino = 12;

QString issuerKey(int issuer)
{
    const std::string_view word = cat::issuers[issuer].titleWord;
    return QString::fromUtf8(word.data(), qsizetype(word.size())).remove(u'_').toLower();
}

JpegProfile galleryProfile(int issuer)
{
    JpegProfile profile;
    if (issuer == SanMarino || issuer == cat::Monaco) {
        profile.progressive = true;
        profile.adobeTransform = 0;
    }
    if (issuer == SanMarino || issuer == cat::Slovenia)
        profile.subsampled = true;
    if (issuer == cat::Slovenia) {
        profile.density = 71;
        profile.exif = true;
    }
    return profile;
}

} // namespace

std::vector<PictureEntry> inventory()
{
    std::vector<PictureEntry> entries;
    for (int cell = 1; cell <= cat::DenominationCount; ++cell) {
        const int denomination = cat::DenominationCount - cell;
        const Side side = columnSizes[denomination];
        PictureEntry entry { u"Form1"_s, u"Image%1"_s.arg(cell),
            u"column-%1.jpg"_s.arg(QLatin1StringView(denominationKeys[denomination])), QSize(side.width, side.height),
            {}, Role::ColumnCoin, 0, denomination };
        entries.push_back(entry);
    }
    entries.push_back({ u"Form3"_s, u"Image1"_s, u"about-banner.jpg"_s, QSize(208, 46), {}, Role::AboutBanner });
    JpegProfile splash;
    splash.exif = true;
    splash.icc = true;
    entries.push_back({ u"Form5"_s, u"Image1"_s, u"splash.jpg"_s, QSize(445, 191), splash, Role::Splash });
    entries.push_back({ u"Form7"_s, u"Image1"_s, u"page2-banner.jpg"_s, QSize(224, 42), {}, Role::PageBanner });
    for (int cell = 1; cell <= cat::SlotCount; ++cell) {
        const int slot = cat::slotOfGalleryCell(cell);
        const int issuer = cat::issuerOf(slot);
        const int denomination = cat::denominationOf(slot);
        const Side side = gallerySizes[issuer][denomination];
        entries.push_back({ u"Form16"_s, u"Image%1"_s.arg(cell),
            u"coin-%1-%2.jpg"_s.arg(issuerKey(issuer), QLatin1StringView(denominationKeys[denomination])),
            QSize(side.width, side.height), galleryProfile(issuer), Role::GalleryCoin, slot, denomination });
    }
    return entries;
}

QString inventoryHeader()
{
    return u"window,cell,file,width,height,frame,sampling,adobe_transform,density_dpi,exif,icc"_s;
}

QString inventoryLine(const PictureEntry& entry)
{
    const JpegProfile& profile = entry.profile;
    return u"%1,%2,%3,%4,%5,%6,%7,%8,%9,%10,%11"_s.arg(entry.window, entry.cell, entry.file)
        .arg(entry.size.width())
        .arg(entry.size.height())
        .arg(profile.progressive ? u"progressive"_s : u"baseline"_s, profile.subsampled ? u"4:2:0"_s : u"4:4:4"_s)
        .arg(profile.adobeTransform)
        .arg(profile.density)
        .arg(profile.exif ? u"yes"_s : u"no"_s, profile.icc ? u"yes"_s : u"no"_s);
}

} // namespace numislot::pictures
