#include "reader.h"

#include "platform/textinput.h"

#include <array>
#include <cmath>
#include <string>

namespace calc {

namespace {

using Count = Message::Count;
using Name = Message::Name;
using Number = Message::Number;
using Quote = Message::Quote;

// Reads the samples of the open file into the table and checks them. The messages name an
// abscissa as the file writes it, and the numbers the program found as it writes numbers.
void readSamples(platform::TextInput &file, Slots &x, Slots &y, int &length, double &step)
{
    // The line of each abscissa, and its text, for the messages.
    std::array<int, slotCount> lines {};
    std::array<std::string, slotCount> written;
    const auto abscissa = [&](int i) {
        return Quote {written[static_cast<std::size_t>(i)]};
    };
    length = 0;
    while (!file.atEnd()) {
        const double value = file.readNumber();
        if (length == slotCount)
            throw Error(Message(texts::tooManySamples,
                                {Name {file.name()}, Count {file.line()}, Count {slotCount}}));
        x[length] = value;
        lines[static_cast<std::size_t>(length)] = file.line();
        written[static_cast<std::size_t>(length)] = file.field();
        if (file.atEnd())
            throw Error(Message(texts::noOrdinate,
                                {Name {file.name()}, Count {file.line()}, abscissa(length)}));
        y[length] = file.readNumber();
        length += 1;
    }

    if (length == 0)
        throw Error(Message(texts::noSamples, {Name {file.name()}}));
    if (length == 1)
        throw Error(Message(texts::oneSample, {Name {file.name()}, Count {fewestSamples}}));
    if (length < fewestSamples)
        throw Error(Message(texts::fewSamples, Message::Plural {length},
                            {Name {file.name()}, Count {fewestSamples}}));

    step = (x[length - 1] - x[0]) / (length - 1);

    if (step == 0)
        throw Error(Message(texts::sameEnds, {Name {file.name()}, abscissa(0)}));
    if (!std::isfinite(step))
        throw Error(
            Message(texts::tooFarApart, {Name {file.name()}, abscissa(0), abscissa(length - 1)}));
    for (int i = 1; i < length; ++i) {
        const double distance = x[i] - x[i - 1];
        if (!(std::fabs(distance - step) <= spacingTolerance * std::fabs(step)))
            throw Error(Message(texts::unequalSpacing,
                                {Name {file.name()}, Count {lines[static_cast<std::size_t>(i)]},
                                 abscissa(i), Number {distance}, Number {step}}));
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
