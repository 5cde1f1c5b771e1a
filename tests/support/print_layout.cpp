// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the main window's grid from the catalogue's own tables as JSON, so the end-to-end tests and
// tools/screenshots click and look where the program puts things instead of keeping a copy.

#include "catalogue/Catalogue.h"

#include <cstdio>
#include <string_view>

namespace catalogue = numislot::catalogue;

namespace {

void printRect(const catalogue::Rect& rect)
{
    std::printf("[%d, %d, %d, %d]", rect.left, rect.top, rect.width, rect.height);
}

} // namespace

int main()
{
    std::printf("{\n  \"labelRight\": %d,\n  \"issuers\": [\n", catalogue::IssuerLabelRight);
    for (int issuer = 0; issuer < catalogue::IssuerCount; ++issuer) {
        // Names are plain letters, accents and hyphens: nothing JSON would need escaped.
        const std::string_view name = catalogue::issuers[issuer].name;
        std::printf("    {\"name\": \"%.*s\", \"displayRow\": %d, \"labelTop\": %d, \"button\": ", int(name.size()),
            name.data(), catalogue::issuers[issuer].displayRow, catalogue::issuerLabelTop(issuer));
        printRect(catalogue::issuerButtonRect(issuer));
        std::printf(", \"slots\": [");
        for (int denomination = 0; denomination < catalogue::DenominationCount; ++denomination)
            std::printf("%s%d", denomination ? ", " : "", catalogue::slotOf(issuer, denomination));
        std::printf("]}%s\n", issuer + 1 < catalogue::IssuerCount ? "," : "");
    }
    std::printf("  ],\n  \"checkBoxes\": [\n");
    for (int slot = 1; slot <= catalogue::SlotCount; ++slot) {
        std::printf("    ");
        printRect(catalogue::checkBoxRect(slot));
        std::printf("%s\n", slot < catalogue::SlotCount ? "," : "");
    }
    std::printf("  ]\n}\n");
    return 0;
}
