#include "reader.h"

#include "platform/textinput.h"

#include <cmath>

namespace calc {

namespace {

using Count = Message::Count;
using Number = Message::Number;
using Plain = Message::Plain;

// Reads the samples of the open file into the table and checks them.
void readSamples(platform::TextInput &file, Slots &x, Slots &y, int &length, double &step)
{
    std::array<int, slotCount> lines {}; // the line of each abscissa, for the messages
    length = 0;
    while (!file.atEnd()) {
        const double abscissa = file.readNumber();
        if (length == slotCount)
            throw Error(Message(texts::tooManySamples,
                                {Plain {file.name()}, Count {file.line()}, Count {slotCount}}));
        x[length] = abscissa;
        lines[length] = file.line();
        if (file.atEnd())
            throw Error(Message(texts::noOrdinate,
                                {Plain {file.name()}, Count {file.line()}, Number {abscissa}}));
        y[length] = file.readNumber();
        length += 1;
    }

    if (length == 0)
        throw Error(Message(texts::noSamples, {Plain {file.name()}}));
    if (length == 1)
        throw Error(Message(texts::oneSample, {Plain {file.name()}, Count {fewestSamples}}));
    if (length < fewestSamples)
        throw Error(Message(texts::fewSamples,
                            {Plain {file.name()}, Count {length}, Count {fewestSamples}}));

    step = (x[length - 1] - x[0]) / (length - 1);

    if (step == 0)
        throw Error(Message(texts::sameEnds, {Plain {file.name()}, Number {x[0]}}));
    if (!std::isfinite(step))
        throw Error(Message(texts::tooFarApart,
                            {Plain {file.name()}, Number {x[0]}, Number {x[length - 1]}}));
    for (int i = 1; i < length; ++i) {
        const double distance = x[i] - x[i - 1];
        if (!(std::fabs(distance - step) <= spacingTolerance * std::fabs(step)))
            throw Error(Message(texts::unequalSpacing,
                                {Plain {file.name()}, Count {lines[static_cast<std::size_t>(i)]},
                                 Number {x[i]}, Number {distance}, Number {step}}));
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
        // A result file chosen by mistake, numbers written with decimal commas, or a file that
        // is no text break in many ways; say the likely cause.
        throw Error(Message(e.message()).then(file.hint(fewestSamples)));
    }
    file.close();
    return true;
}

} // namespace calc
