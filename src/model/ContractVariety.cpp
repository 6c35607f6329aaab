#include "model/ContractVariety.h"

#include "model/WireFields.h"

namespace korvant {

// Where each field of a contract lies in its record.
// clang-format off
KORVANT_WIRE_RECORD(ContractVariety,
    wireField(&ContractVariety::contractCode, 0, 32),
    wireField(&ContractVariety::productCode, 32, 32),
    wireField(&ContractVariety::exchangeCode, 64, 16))
// clang-format on

}  // namespace korvant
