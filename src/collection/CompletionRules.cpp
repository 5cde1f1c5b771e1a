// SPDX-License-Identifier: GPL-3.0-or-later
#include "collection/CompletionRules.h"

#include "catalogue/Catalogue.h"

namespace numislot::collection {

bool isIssuerComplete(const IsOwned& isOwned, int issuer)
{
    for (int denomination = 0; denomination < catalogue::DenominationCount; ++denomination) {
        if (!isOwned(catalogue::slotOf(issuer, denomination)))
            return false;
    }
    return true;
}

} // namespace numislot::collection
