// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two catalogue print pages as laid out in the design's pixels: eight rows of coin boxes each, with
// the issuer's name to the right, thin separators between the rows and the page's number at the foot.

#include "catalogue/Catalogue.h"
#include "catalogue/GalleryLayout.h"

#include <array>
#include <string_view>

namespace numislot::printing {

struct BoxSize
{
    int width;
    int height;
};

// Column sizes, 2 € to 1 cent, fitted to the coin pictures.
inline constexpr std::array<BoxSize, catalogue::DenominationCount> boxSizes { {
    { 79, 80 },
    { 75, 76 },
    { 74, 75 },
    { 70, 71 },
    { 62, 62 },
    { 67, 68 },
    { 58, 59 },
    { 52, 52 },
} };

struct PageRow
{
    int issuer; // slot order
    int labelNumber; // Label<n> of the page, the issuer's name
    int labelLeft;
    int labelTop;
    int firstBox; // Image<n> of the 2 € box; the row's boxes are numbered on from it
    int top; // top of the 2 € box
    int centreLine; // the other boxes are centred on it
    int centreStep; // how far the centre line has stepped down by the 1 cent box
    BoxSize twoEuro; // the 2 € box
    std::array<int, catalogue::DenominationCount> lefts;
};

inline constexpr int RowCount = 8;
inline constexpr int SeparatorCount = RowCount - 1;
inline constexpr catalogue::Rect noBanner { 0, 0, 0, 0 };

struct CataloguePage
{
    std::string_view caption;
    int clientWidth;
    int clientHeight;
    std::array<PageRow, RowCount> rows;
    std::array<int, SeparatorCount> separatorLefts;
    std::array<int, SeparatorCount> separatorTops;
    int pageLabelNumber;
    std::string_view pageLabelText; // UTF-8
    int pageLabelLeft;
    int pageLabelTop;
    catalogue::Rect banner; // Image1, the maker's mark; empty when the page has none
};

inline constexpr int SeparatorWidth = catalogue::GallerySeparatorSize.width;
inline constexpr int SeparatorHeight = catalogue::GallerySeparatorSize.height;
inline constexpr int PageLabelWidth = 57;
inline constexpr int PageLabelHeight = 20;
inline constexpr int PageLabelPixelHeight = 16;

namespace detail {
inline constexpr std::array<int, catalogue::DenominationCount> page1WideLefts { 13, 93, 172, 252, 332, 412, 491, 571 };
inline constexpr std::array<int, catalogue::DenominationCount> page1Lefts { 16, 95, 173, 252, 330, 409, 487, 566 };
inline constexpr std::array<int, catalogue::DenominationCount> page2Lefts { 21, 100, 178, 257, 335, 414, 492, 571 };
inline constexpr BoxSize wide = boxSizes[0];
inline constexpr BoxSize narrow { 76, 76 };
} // namespace detail

inline constexpr CataloguePage page1 {
    "Form6",
    735,
    713,
    { {
        { 0, 1, 664, 34, 1, 0, 40, 0, detail::wide, detail::page1WideLefts },
        { 1, 2, 669, 126, 9, 92, 132, 0, detail::wide, detail::page1WideLefts },
        { 2, 3, 668, 218, 17, 184, 224, 0, detail::wide, detail::page1Lefts },
        { 3, 4, 667, 309, 25, 275, 315, 0, detail::wide, detail::page1Lefts },
        { 4, 5, 668, 398, 33, 365, 404, 0, detail::wide, detail::page1Lefts },
        { 5, 6, 672, 488, 41, 454, 494, 0, detail::wide, detail::page1Lefts },
        { 6, 7, 674, 577, 49, 543, 583, 0, detail::wide, detail::page1Lefts },
        { 7, 8, 672, 667, 57, 633, 673, 0, detail::wide, detail::page1Lefts },
    } },
    { 13, 16, 16, 16, 16, 16, 16 },
    { 80, 173, 263, 354, 444, 532, 622 },
    9,
    "Page 1",
    675,
    689,
    noBanner,
};

// Page 2 runs taller than page 1's window: its Vatican row, banner and page label sit below 713.
inline constexpr CataloguePage page2 {
    "Form7",
    728,
    803,
    { {
        { 8, 9, 669, 39, 65, 7, 45, 0, detail::narrow, detail::page2Lefts },
        { 9, 10, 651, 130, 73, 93, 131, 5, detail::narrow, detail::page2Lefts },
        { catalogue::Monaco, 15, 661, 215, 113, 181, 221, 0, detail::wide, detail::page2Lefts },
        { 10, 11, 658, 308, 81, 274, 314, 0, detail::wide, detail::page2Lefts },
        { 11, 12, 661, 407, 89, 373, 413, 0, detail::wide, detail::page2Lefts },
        { 12, 13, 656, 504, 97, 470, 510, 0, detail::wide, detail::page2Lefts },
        { catalogue::Slovenia, 2, 662, 596, 2, 560, 602, 0, detail::wide, detail::page2Lefts },
        { catalogue::Vatican, 14, 662, 692, 105, 656, 698, 0, detail::wide, detail::page2Lefts },
    } },
    { 21, 21, 21, 21, 21, 21, 21 },
    { 85, 170, 264, 362, 461, 550, 646 },
    1,
    "Page 2",
    669,
    779,
    { 252, 752, 224, 42 },
};

constexpr catalogue::Rect boxRect(const PageRow& row, int denomination)
{
    if (denomination == 0)
        return { row.lefts[0], row.top, row.twoEuro.width, row.twoEuro.height };
    const BoxSize size = boxSizes[denomination];
    const int centre = row.centreLine + (row.centreStep * denomination + 3) / 7;
    return { row.lefts[denomination], centre - size.height / 2, size.width, size.height };
}

constexpr int boxNumber(const PageRow& row, int denomination)
{
    return row.firstBox + denomination;
}

// The gallery cell whose picture a page box shows: the same coin, by the gallery's cell-to-coin rule.
constexpr int galleryCellOfBox(const PageRow& row, int denomination)
{
    return catalogue::galleryCellOfSlot(catalogue::slotOf(row.issuer, denomination));
}

} // namespace numislot::printing
