#pragma once

#include "command.h"
#include "platform/resultdisplay.h"

#include <string_view>

namespace calc {

// Shows how a calculation ended: y' and then y, each rounded to four decimals ("0.0000"), when
// values were found; empty fields when none lies at the abscissa, so that they never show the
// last calculation's numbers beside this abscissa; nothing when a choice was cancelled.
void showOutcome(platform::ResultDisplay &display, const Outcome &outcome,
                 std::string_view decimalPoint);

} // namespace calc
