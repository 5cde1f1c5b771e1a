// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The collection state rules: the owned count, the saved flag and the marks of complete issuers.
// The collection itself is the main window's check boxes; these rules read it through a callback.

#include "catalogue/Colours.h"

#include <cstdint>
#include <functional>

namespace numislot::collection {

using IsOwned = std::function<bool(int slot)>;

// An issuer is complete when all eight slots are owned, tested 2 € first, stopping at the first gap.
bool isIssuerComplete(const IsOwned& isOwned, int issuer);

struct IssuerMarks
{
    catalogue::Colour label; // background of the issuer label
    catalogue::Colour buttonText; // font colour of the issuer button
};

constexpr IssuerMarks issuerMarks(bool complete)
{
    using namespace catalogue;
    return complete ? IssuerMarks { Lime, DarkGreen } : IssuerMarks { ButtonFace, Black };
}

// OwnedCount and SavedFlag, kept up to date by the check boxes' handler on every change of state.
class CollectionState
{
public:
    // A box has changed state; `checked` is its new state.
    void slotChanged(bool checked)
    {
        m_savedFlag = 0;
        m_ownedCount += checked ? 1 : -1;
    }
    void markSaved() { m_savedFlag = 1; }

    std::int32_t ownedCount() const { return m_ownedCount; }
    bool isModified() const { return m_savedFlag == 0; }

private:
    std::int32_t m_ownedCount = 0;
    std::uint8_t m_savedFlag = 1;
};

} // namespace numislot::collection
