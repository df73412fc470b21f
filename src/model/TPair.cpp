#include "model/TPair.h"

#include "platform/Format.h"

namespace tq {

TPair::TPair(Date created) : CreatedDate(created) {}

std::string PairingLabel(const TPair& pairing) {
    // A pairing made without a base/equipment code has no letter; it shows its number alone
    // rather than a text cut short by a zero byte.
    if (pairing.BaseEqp.empty()) return Format("%04d", pairing.PairingNumber);
    return Format("%c%04d", pairing.BaseEqp[0], pairing.PairingNumber);
}

} // namespace tq
