#include "reader.h"

#include "platform/numbers.h"
#include "platform/textinput.h"

#include <cmath>

namespace calc {

namespace {

using platform::messageNumber;

// Reads the samples of the open file into the table and checks them.
void readSamples(platform::TextInput &file, Slots &x, Slots &y, int &length, double &step)
{
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
            throw Error(file.where(file.line()) + ": the abscissa " + messageNumber(abscissa) +
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
        throw Error(file.name() + ": the first and the last abscissa are both " +
                    messageNumber(x[0]) + ", so the samples have no spacing.");
    if (!std::isfinite(step))
        throw Error(file.name() + ": the abscissas " + messageNumber(x[0]) + " and " +
                    messageNumber(x[length - 1]) + " lie too far apart.");
    for (int i = 1; i < length; ++i) {
        const double distance = x[i] - x[i - 1];
        if (!(std::fabs(distance - step) <= spacingTolerance * std::fabs(step)))
            throw Error(file.where(lines[static_cast<std::size_t>(i)]) + ": the abscissa " +
                        messageNumber(x[i]) + " lies " + messageNumber(distance) +
                        " from the one before it, but the samples must be equally spaced, " +
                        messageNumber(step) + " apart in this table.");
    }
}

} // namespace

bool getarray(platform::FileDialog &CommonDialog1, Slots &x, Slots &y, Slots & /*yprime*/,
              int &length, double &step)
{
    if (!CommonDialog1.ShowOpen())
        return false;
    platform::TextInput file(CommonDialog1.FileName());
    try {
        readSamples(file, x, y, length, step);
    } catch (const Error &e) {
        // A result file chosen by mistake, or numbers written with decimal commas, break in
        // many ways; say the likely cause.
        throw Error(e.what() + file.hint());
    }
    file.close();
    return true;
}

} // namespace calc
