// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fixed list of the 128 euro circulation coins: 16 issuers x 8 denominations.
// Plain constant data; texts are UTF-8 and all of them fit Windows-1252.

#include <array>
#include <string>
#include <string_view>

namespace numislot::catalogue {

inline constexpr int IssuerCount = 16;
inline constexpr int DenominationCount = 8;
inline constexpr int SlotCount = IssuerCount * DenominationCount;

// Index 0..7, largest first; the grid column and the position within an issuer's eight slots.
struct Denomination
{
    std::string_view hintForm; // "2 €", "50 Centimes d' €"
    std::string_view detailCaption; // "2 €uros", "1 cent"
    int gridLeft; // check box column in the main window
};

inline constexpr std::array<Denomination, DenominationCount> denominations { {
    { "2 €", "2 €uros", 112 },
    { "1 €", "1 €uro", 176 },
    { "50 Centimes d' €", "50 cents", 240 },
    { "20 Centimes d' €", "20 cents", 304 },
    { "10 Centimes d' €", "10 cents", 368 },
    { "5 Centimes d' €", "5 cents", 432 },
    { "2 Centimes d' €", "2 cents", 496 },
    { "1 Centime d' €", "1 cent", 560 },
} };

// Issuers are indexed in slot order, which fixes slot numbers and the bytes of a collection file.
struct Issuer
{
    std::string_view name; // label and button caption, report line
    int displayRow; // alphabetical order of all sixteen names
    int labelNumber; // Label<n> of the main window
    int buttonNumber; // BitBtn<n> of the main window
    std::string_view buttonHint; // empty: the button shows no hint
    std::string_view pluralForm; // issuer part of a coin hint
    std::string_view singularForm; // used for 1 € and 1 cent
    std::string_view titleWord; // detail window title: an identifier, no accents
};

inline constexpr std::array<Issuer, IssuerCount> issuers { {
    { "Allemagne", 0, 1, 1, "Voir les €uros de l'Allemagne", "Allemands", "Allemand", "Allemagne" },
    { "Autriche", 1, 2, 2, "Voir les €uros de l'Autriche", "Autrichiens", "Autrichien", "Autriche" },
    { "Belgique", 2, 3, 3, "Voir les €uros de la Belgique", "Belges", "Belge", "Belgique" },
    { "Espagne", 3, 4, 4, "Voir les €uros de l'Espagne", "Espagnols", "Espagnol", "Espagne" },
    { "Finlande", 4, 5, 5, "Voir les €uros de la Finlande", "Finlandais", "Finlandai", "Finlande" },
    { "France", 5, 6, 6, "Voir les €uros de la France", "Français", "Français", "France" },
    { "Grèce", 6, 7, 7, "Voir les €uros de le Grèce", "Grecs", "Grec", "Grece" },
    { "Irlande", 7, 8, 8, "Voir les €uros de l'Irlande", "Irlandais", "Irlandais", "Irlande" },
    { "Italie", 8, 9, 9, "Voir les €uros de l'Italie", "Italiens", "Italien", "Italie" },
    { "Luxembourg", 9, 10, 10, "Voir les €uros du Luxembourg", "Luxembougeois", "Luxembougeois", "Luxembourg" },
    { "Pays-Bas", 11, 11, 11, "Voir les €uros des Pays-Bas", "Néerlandais", "Néerlandais", "PaysBas" },
    { "Portugal", 12, 12, 12, "Voir les €uros du Portugal", "Portugais", "Portugais", "Portugal" },
    { "San Marin", 13, 13, 13, "", "de San Marin", "de San Marin", "San_Marin" },
    { "Vatican", 15, 14, 14, "", "du Vatican", "du Vatican", "Vatican" },
    { "Monaco", 10, 15, 15, "", "Monegasques", "Monegasque", "Monaco" },
    { "Slovénie", 14, 19, 16, "", "Slovènes", "Slovène", "Slovenie" },
} };

inline constexpr int Monaco = 14;
inline constexpr int Vatican = 13;
inline constexpr int Slovenia = 15;

constexpr int slotOf(int issuer, int denomination)
{
    return DenominationCount * issuer + denomination + 1;
}
constexpr int issuerOf(int slot)
{
    return (slot - 1) / DenominationCount;
}
constexpr int denominationOf(int slot)
{
    return (slot - 1) % DenominationCount;
}
constexpr bool isSlot(int slot)
{
    return slot >= 1 && slot <= SlotCount;
}

// The issuer shown in a display row (0..15): the inverse of Issuer::displayRow.
constexpr int issuerAtRow(int row)
{
    for (int issuer = 0; issuer < IssuerCount; ++issuer) {
        if (issuers[issuer].displayRow == row)
            return issuer;
    }
    return -1;
}

// Every coordinate and size of the layouts is a pixel of a screen at this resolution.
inline constexpr int DesignPixelsPerInch = 96;

struct Rect
{
    int left;
    int top;
    int width;
    int height;
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// Main window grid, client coordinates below the menu bar.
constexpr int rowTop(int row)
{
    return 77 + 25 * row;
}

constexpr Rect checkBoxRect(int slot)
{
    const int row = issuers[issuerOf(slot)].displayRow;
    // Slot 59 was drawn one pixel taller than its neighbours; kept so the grid matches the original layout.
    return { denominations[denominationOf(slot)].gridLeft, rowTop(row), 13, slot == 59 ? 18 : 17 };
}

// Tab walks the grid row by row in display order.
constexpr int checkBoxTabOrder(int slot)
{
    return DenominationCount * issuers[issuerOf(slot)].displayRow + denominationOf(slot);
}

inline constexpr int IssuerLabelRight = 81;

constexpr int issuerLabelTop(int issuer)
{
    return rowTop(issuers[issuer].displayRow) + (issuer == Monaco ? 3 : 2);
}

constexpr Rect issuerButtonRect(int issuer)
{
    return { 608, rowTop(issuers[issuer].displayRow) - 4, 65, 25 };
}

// The coin pictures heading the grid: Image<8 - d> over column d, by denomination d, each at its
// picture's size with its bottom edge on y = 65, the top of the grid's frame.
inline constexpr std::array<Rect, DenominationCount> columnPictureRects { {
    { 89, 0, 64, 65 },
    { 155, 6, 58, 59 },
    { 222, 3, 61, 62 },
    { 288, 8, 56, 57 },
    { 355, 15, 49, 50 },
    { 421, 12, 53, 53 },
    { 488, 18, 47, 47 },
    { 554, 23, 42, 42 },
} };

// Tab orders of the main window's three command buttons.
inline constexpr int QuitButtonTabOrder = 128;
inline constexpr int OpenButtonTabOrder = 129;
inline constexpr int GalleryButtonTabOrder = 143;

// Tab orders of BitBtn1..BitBtn16: the twelve first follow "&Ouvrir Collection", then "&Les €uros"
// (143) and the group box "Etat" (148) sit between the last four.
inline constexpr std::array<int, IssuerCount> issuerButtonTabOrder { 131, 132, 133, 134, 135, 136, 137, 138, 139, 140,
    141, 142, 144, 145, 146, 149 };

// The hover hint of a coin's check box, "2 € Allemands", "1 € Finlandai".
std::string coinHint(int slot);

// Gallery cell Image<n> holds slot n, except that the Slovénie and Vatican blocks are exchanged.
constexpr int galleryCellOfSlot(int slot)
{
    constexpr int exchange = slotOf(Slovenia, 0) - slotOf(Vatican, 0);
    if (issuerOf(slot) == Vatican)
        return slot + exchange;
    if (issuerOf(slot) == Slovenia)
        return slot - exchange;
    return slot;
}
constexpr int slotOfGalleryCell(int cell)
{
    return galleryCellOfSlot(cell); // the exchange is its own inverse
}

// Name of the design on a coin's national side, the gallery cell's hint.
std::string_view designName(int slot);

} // namespace numislot::catalogue
