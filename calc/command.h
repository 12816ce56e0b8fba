#pragma once

#include "platform/filedialog.h"
#include "platform/resultdisplay.h"
#include "table.h"

#include <string>

namespace calc {

// What one calculation reaches the world through.
struct Context
{
    platform::FileDialog &CommonDialog1;
    platform::ResultDisplay &display;
    // The user's locale's: in the result file, in the shown texts, and as a second decimal
    // point of the typed abscissa where it is ",".
    std::string decimalPoint = ".";
};

// How a calculation ended, when it did not end with an Error.
struct Outcome
{
    enum class Kind {
        Shown, // y' and y at the abscissa are in point
        NoValue, // the abscissa lies on no sample and between no two
        Cancelled, // the user cancelled a file choice; nothing was written
    };
    Kind kind = Kind::Shown;
    double xval = 0;
    // For Shown: a sample's values when xval is its abscissa, else the interpolated ones.
    Point point;
    // For NoValue: a sentence for the user that says why.
    Message message;
    // For Shown and NoValue, when the box's text is not exactly one number: a sentence that
    // says which number was used and where the reading stopped. Empty otherwise.
    Message abscissaNote;

    static Outcome shown(double xval, Point point) { return {Kind::Shown, xval, point, {}, {}}; }
    static Outcome noValue(double xval, Message message)
    {
        return {Kind::NoValue, xval, {}, std::move(message), {}};
    }
    static Outcome cancelled() { return {Kind::Cancelled, 0, {}, {}, {}}; }
};

// One whole calculation, the work of the "Calculate" button: read the samples from a file the
// user chooses, estimate the derivatives, write the result file the user chooses, then find
// y' and y at the abscissa typed in the window: the tabulated values when it is a sample
// abscissa, otherwise interpolated ones. Nothing is shown; showOutcome() does that.
// Throws Error when any step fails, or when the values found are not finite numbers; the
// steps done before it stay done.
Outcome cmdcalculate_Click(Context &context);

} // namespace calc
