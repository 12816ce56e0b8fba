#include "results.h"

#include "platform/numbers.h"

namespace calc {

void showOutcome(platform::ResultDisplay &display, const Outcome &outcome,
                 std::string_view decimalPoint)
{
    switch (outcome.kind) {
    case Outcome::Kind::Shown:
        display.showDerivativeText(platform::formatResult(outcome.point.yprime, decimalPoint));
        display.showValueText(platform::formatResult(outcome.point.y, decimalPoint));
        break;
    case Outcome::Kind::NoValue:
        display.showDerivativeText({});
        display.showValueText({});
        break;
    case Outcome::Kind::Cancelled:
        break;
    }
}

} // namespace calc
