#include "reports/money/MoneyRows.h"

#include "model/WireFields.h"

namespace korvant {}  // namespace korvant
