// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the coin viewers put things: the gallery's rows of cells, captions and separators, and
// the detail window's single row. Content coordinates in pixels; no toolkit types here.

#include "catalogue/Catalogue.h"

#include <array>
#include <string_view>

namespace numislot::catalogue {

struct Size
{
    int width;
    int height;
    friend constexpr bool operator==(const Size&, const Size&) = default;
};

inline constexpr int GalleryCellCount = SlotCount;
inline constexpr int GalleryContentHeight = 1920; // bottom edge of the last caption
inline constexpr int GalleryCaptionCentre = 312;
inline constexpr int GalleryCaptionHeight = 13;
inline constexpr int GalleryMiddleLine = 40; // below the row top: coins line up on their centres
inline constexpr Size GallerySeparatorSize { 609, 9 }; // the print pages draw the same rules
inline constexpr Rect GalleryPrintButton { 536, 379, 81, 33 };
// The print button comes back this far below the visible top when the pointer crosses the background.
inline constexpr int GalleryPrintButtonAnchor = 379;

// One row per issuer, in display order.
struct GalleryRow
{
    int captionNumber; // Label<n>
    std::string_view caption;
    int firstCell; // Image<n> of the 2 € coin; the eight cells follow in denomination order
    int rowTop; // top of the 2 € cell
    int captionTop;
    int separatorNumber; // GroupBox<n>, 0 for the last row
    int separatorTop;
    int separatorLeft;
};

inline constexpr std::array<GalleryRow, IssuerCount> galleryRows { {
    { 1, "Allemagne", 1, 8, 88, 1, 101, 8 },
    { 2, "Autriche", 9, 129, 212, 2, 226, 8 },
    { 3, "Belgique", 17, 253, 333, 3, 346, 8 },
    { 4, "Espagne", 25, 374, 459, 4, 475, 8 },
    { 5, "Finlande", 33, 503, 587, 5, 601, 8 },
    { 6, "France", 41, 629, 709, 6, 722, 8 },
    { 7, "Grèce", 49, 750, 830, 7, 843, 8 },
    { 8, "Irlande", 57, 871, 951, 8, 964, 8 },
    { 9, "Italie", 65, 992, 1071, 9, 1085, 8 },
    { 10, "Luxembourg", 73, 1113, 1193, 10, 1208, 8 },
    { 15, "Monaco", 113, 1234, 1313, 15, 1326, 0 },
    { 11, "Pays-Bas", 81, 1349, 1428, 11, 1442, 8 },
    { 12, "Portugal", 89, 1470, 1550, 12, 1566, 8 },
    { 13, "Saint Marin", 97, 1595, 1675, 13, 1691, 8 },
    { 14, "Slovénie", 105, 1721, 1799, 14, 1814, 8 },
    { 16, "Vatican", 121, 1827, 1907, 0, 0, 0 },
} };

inline constexpr std::array<int, DenominationCount> galleryColumnLefts { 8, 88, 167, 247, 327, 407, 486, 566 };

// The pictures' own sizes, by cell: blocks of eight cells, 2 € to 1 cent.
inline constexpr std::array<std::array<Size, DenominationCount>, IssuerCount> galleryPictureSizes { {
    { { { 79, 80 }, { 75, 76 }, { 71, 73 }, { 70, 71 }, { 62, 63 }, { 67, 68 }, { 58, 59 }, { 52, 53 } } },
    { { { 79, 80 }, { 75, 77 }, { 74, 75 }, { 70, 71 }, { 62, 62 }, { 67, 68 }, { 58, 59 }, { 52, 53 } } },
    { { { 79, 80 }, { 75, 77 }, { 74, 75 }, { 70, 71 }, { 62, 63 }, { 67, 68 }, { 58, 58 }, { 52, 52 } } },
    { { { 79, 80 }, { 75, 75 }, { 74, 75 }, { 70, 70 }, { 62, 62 }, { 67, 66 }, { 58, 58 }, { 52, 52 } } },
    { { { 79, 79 }, { 75, 76 }, { 74, 75 }, { 70, 70 }, { 62, 63 }, { 67, 67 }, { 58, 59 }, { 52, 52 } } },
    { { { 79, 80 }, { 75, 76 }, { 74, 75 }, { 70, 71 }, { 62, 62 }, { 67, 67 }, { 58, 58 }, { 52, 52 } } },
    { { { 79, 80 }, { 75, 76 }, { 74, 75 }, { 70, 71 }, { 62, 63 }, { 67, 67 }, { 58, 59 }, { 52, 53 } } },
    { { { 79, 81 }, { 75, 75 }, { 74, 76 }, { 70, 71 }, { 62, 63 }, { 67, 67 }, { 58, 57 }, { 52, 52 } } },
    { { { 76, 76 }, { 75, 76 }, { 74, 74 }, { 70, 71 }, { 62, 63 }, { 67, 67 }, { 58, 59 }, { 52, 53 } } },
    { { { 76, 76 }, { 75, 76 }, { 74, 74 }, { 70, 70 }, { 62, 62 }, { 67, 68 }, { 58, 59 }, { 52, 53 } } },
    { { { 79, 80 }, { 75, 76 }, { 74, 75 }, { 70, 70 }, { 62, 62 }, { 67, 68 }, { 58, 58 }, { 52, 52 } } },
    { { { 79, 81 }, { 75, 76 }, { 74, 75 }, { 70, 71 }, { 62, 62 }, { 67, 68 }, { 58, 59 }, { 52, 52 } } },
    { { { 79, 80 }, { 75, 76 }, { 71, 73 }, { 70, 71 }, { 62, 63 }, { 67, 68 }, { 58, 59 }, { 52, 53 } } },
    { { { 71, 70 }, { 65, 68 }, { 69, 71 }, { 65, 66 }, { 61, 59 }, { 71, 67 }, { 64, 60 }, { 55, 49 } } }, // Slovénie
    { { { 79, 81 }, { 75, 76 }, { 74, 75 }, { 70, 71 }, { 62, 62 }, { 67, 68 }, { 58, 59 }, { 52, 52 } } }, // Monaco
    { { { 79, 81 }, { 75, 76 }, { 74, 75 }, { 70, 71 }, { 62, 62 }, { 67, 68 }, { 58, 59 }, { 52, 52 } } }, // Vatican
} };

// Cells drawn one pixel shorter than their picture, which loses its bottom row.
inline constexpr std::array<int, 11> galleryShortCells { 18, 21, 37, 53, 57, 59, 61, 69, 89, 101, 104 };

// The Slovénie row was placed by hand, off the column grid and at sizes of its own.
inline constexpr int GallerySloveniaFirstCell = galleryCellOfSlot(slotOf(Slovenia, 0));
inline constexpr std::array<int, DenominationCount> gallerySloveniaLefts { 17, 112, 192, 274, 350, 412, 488, 552 };
inline constexpr std::array<Size, DenominationCount> gallerySloveniaSizes { { { 73, 74 }, { 75, 76 }, { 74, 75 },
    { 70, 71 }, { 62, 62 }, { 67, 68 }, { 58, 59 }, { 52, 48 } } };

// Vatican's 1 cent sits one pixel left of its column.
inline constexpr int GalleryOffColumnCell = galleryCellOfSlot(slotOf(Vatican, DenominationCount - 1));
inline constexpr int GalleryOffColumnLeft = 565;

constexpr bool isGalleryCell(int cell)
{
    return cell >= 1 && cell <= GalleryCellCount;
}

constexpr Size galleryPictureSize(int cell)
{
    return galleryPictureSizes[(cell - 1) / DenominationCount][(cell - 1) % DenominationCount];
}

// The display row (0..15) whose cells include `cell`.
constexpr int galleryRowOfCell(int cell)
{
    return issuers[issuerOf(slotOfGalleryCell(cell))].displayRow;
}

constexpr bool isGalleryShortCell(int cell)
{
    for (int shortCell : galleryShortCells) {
        if (shortCell == cell)
            return true;
    }
    return false;
}

constexpr Rect galleryCellRect(int cell)
{
    const int denomination = (cell - 1) % DenominationCount;
    const int rowTop = galleryRows[galleryRowOfCell(cell)].rowTop;
    int left = galleryColumnLefts[denomination];
    Size size = galleryPictureSize(cell);
    if (cell >= GallerySloveniaFirstCell && cell < GallerySloveniaFirstCell + DenominationCount) {
        left = gallerySloveniaLefts[denomination];
        size = gallerySloveniaSizes[denomination];
    } else if (cell == GalleryOffColumnCell) {
        left = GalleryOffColumnLeft;
    }
    if (isGalleryShortCell(cell))
        size.height -= 1;
    // The row top is the 2 € cell's own top; the smaller coins centre on the middle line.
    const int top = denomination == 0 ? rowTop : rowTop + GalleryMiddleLine - size.height / 2;
    return { left, top, size.width, size.height };
}

// The detail window lays out one issuer's eight coins, 2 € to 1 cent.
inline constexpr std::array<Rect, DenominationCount> detailCellRects { {
    { 8, 19, 79, 80 },
    { 97, 21, 75, 76 },
    { 186, 23, 73, 75 },
    { 275, 24, 70, 71 },
    { 365, 28, 62, 63 },
    { 454, 25, 67, 68 },
    { 543, 30, 58, 59 },
    { 632, 33, 52, 53 },
} };
inline constexpr std::array<int, DenominationCount> detailLabelLefts { 30, 119, 201, 290, 376, 470, 555, 643 };
inline constexpr int DetailLabelTop = 104;
inline constexpr int DetailLabelHeight = 13;
inline constexpr Rect DetailOkButton { 296, 136, 97, 25 };
inline constexpr Size DetailClientSize { 690, 173 };

} // namespace numislot::catalogue
