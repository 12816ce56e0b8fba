#pragma once

#include "platform/filedialog.h"
#include "platform/resultdisplay.h"

#include <string>

namespace calc {

// What one calculation reaches the world through.
struct Context
{
    platform::FileDialog &CommonDialog1;
    platform::ResultDisplay &display;
    std::string decimalPoint = ".";
};

// How a calculation ended, when it did not end with an Error.
struct Outcome
{
    enum class Kind {
        Shown, // y' and y at the abscissa are shown
        NoValue, // the abscissa lies on no sample and between no two; the fields are cleared
        Cancelled, // the user cancelled a file choice; nothing was written or shown
    };
    Kind kind = Kind::Shown;
    // For NoValue: a sentence for the user that says why.
    std::string message;
};

// One whole calculation, the work of the "Calculate" button: read the samples from a file the
// user chooses, estimate the derivatives, write the result file the user chooses, then show
// y' and y at the abscissa typed in the window: the tabulated values when it is a sample
// abscissa, otherwise interpolated ones.
// Throws Error when any step fails; the steps done before it stay done.
Outcome cmdcalculate_Click(Context &context);

} // namespace calc
