#pragma once

// The collection state rules: the owned count, the saved flag and the marks of complete issuers.
// The collection itself is the main window's check boxes; these rules read it through a callback.

#include <cstdint>
#include <functional>

namespace numislot::collection {

// Colours in the 0x00BBGGRR form; a set top bit names a system colour by its index.
using Colour = std::uint32_t;
inline constexpr Colour Lime = 0x00FF00;
inline constexpr Colour DarkGreen = 0x008000;
inline constexpr Colour Black = 0x000000;
inline constexpr Colour White = 0xFFFFFF;
inline constexpr Colour SystemColourFlag = 0x80000000;
inline constexpr Colour ButtonFace = SystemColourFlag | 15;
inline constexpr Colour WindowText = SystemColourFlag | 8;

using IsOwned = std::function<bool(int slot)>;

// An issuer is complete when all eight slots are owned, tested 2 € first, stopping at the first gap.
bool isIssuerComplete(const IsOwned& isOwned, int issuer);

struct IssuerMarks
{
    Colour label;      // background of the issuer label
    Colour buttonText; // font colour of the issuer button
};

constexpr IssuerMarks issuerMarks(bool complete)
{
    return complete ? IssuerMarks{Lime, DarkGreen} : IssuerMarks{ButtonFace, Black};
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
