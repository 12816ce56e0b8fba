#include "reader.h"

#include "platform/numbers.h"
#include "platform/textinput.h"

#include <cmath>

namespace calc {

namespace {

// The derivative rules need four samples: with fewer they read empty slots as samples.
constexpr int fewestSamples = 4;
// How far the distance between two neighbouring abscissas may stray from the spacing of the
// table, as a share of that spacing.
constexpr double spacingTolerance = 0.01;

std::string number(double value)
{
    return platform::formatFree(value, ".");
}

} // namespace

bool getarray(platform::FileDialog &CommonDialog1, Slots &x, Slots &y, Slots & /*yprime*/,
              int &length, double &step)
{
    if (!CommonDialog1.ShowOpen())
        return false;
    platform::TextInput file(CommonDialog1.FileName());

    std::array<int, slotCount> lines {}; // the line of each abscissa, for the messages
    length = 0;
    while (!file.atEnd()) {
        const double abscissa = file.readNumber();
        if (length == slotCount)
            throw Error(file.where(file.line()) + ": more than " + std::to_string(slotCount) +
                        " samples; " + std::to_string(slotCount) + " is the most a table holds.");
        x[length] = abscissa;
        lines[length] = file.line();
        if (file.atEnd())
            throw Error(file.where(file.line()) + ": the abscissa " + number(abscissa) +
                        " has no ordinate; the numbers of a sample file come in pairs x, y.");
        y[length] = file.readNumber();
        length += 1;
    }

    if (length == 0)
        throw Error(file.name() + " holds no samples; a sample file lists pairs of numbers x, y.");
    if (length < fewestSamples)
        throw Error(file.name() + " holds only " + std::to_string(length) +
                    (length == 1 ? " sample" : " samples") + "; at least " +
                    std::to_string(fewestSamples) + " are needed to estimate derivatives.");

    step = (x[length - 1] - x[0]) / (length - 1);

    if (step == 0)
        throw Error(file.name() + ": the first and the last abscissa are both " + number(x[0]) +
                    ", so the samples have no spacing.");
    if (!std::isfinite(step))
        throw Error(file.name() + ": the abscissas " + number(x[0]) + " and " +
                    number(x[length - 1]) + " lie too far apart.");
    for (int i = 1; i < length; ++i) {
        const double distance = x[i] - x[i - 1];
        if (!(std::fabs(distance - step) <= spacingTolerance * std::fabs(step)))
            throw Error(file.where(lines[static_cast<std::size_t>(i)]) + ": the abscissa " +
                        number(x[i]) + " lies " + number(distance) + " from the one before it, " +
                        "but the samples must be equally spaced, " + number(step) +
                        " apart in this table.");
    }
    file.close();
    return true;
}

} // namespace calc
