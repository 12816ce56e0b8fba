#pragma once

#include "platform/catalogue.h"
#include "platform/error.h"

#include <array>
#include <string>
#include <string_view>

namespace calc {

using platform::Error;
using platform::Message;

// The rules of a table of samples:
// - A table holds fewestSamples to mostSamples samples.
// - They are equally spaced, ascending or descending: every distance between neighbouring
//   abscissas lies within spacingTolerance (a share of the spacing) of the spacing
//   (x[n - 1] - x[0]) / (n - 1).
// - Values between samples are interpolated in ascending tables only; a descending table shows
//   the values on its samples.
// The derivative rules need four samples: with fewer they read empty slots as samples.
inline constexpr int fewestSamples = 4;
inline constexpr int mostSamples = 101;
inline constexpr double spacingTolerance = 0.01;

// The number of slots of each array of the sample table (indices 0 to 100), and so the most
// samples one calculation can hold.
inline constexpr int slotCount = mostSamples;

// One array of the sample table. Every slot holds 0 until it is set. An index outside 0 to 100
// throws Error, for reads and writes alike.
class Slots
{
public:
    double &operator[](int i) { return m_values[checked(i)]; }
    double operator[](int i) const { return m_values[checked(i)]; }

private:
    static std::size_t checked(int i)
    {
        if (i < 0 || i >= slotCount)
            throw Error(
                Message(texts::indexOutside, {Message::Count {i}, Message::Count {slotCount - 1}}));
        return static_cast<std::size_t>(i);
    }

    std::array<double, slotCount> m_values {};
};

// y' and y at one abscissa.
struct Point
{
    double yprime = 0;
    double y = 0;
    bool operator==(const Point &) const = default;
};

// Everything one calculation knows about the tabulated function: the samples, the derivative
// estimated at each of them, how many there are and how far apart they lie.
struct Table
{
    Slots x;
    Slots y;
    Slots yprime;
    int length = 0;
    double step = 0;
};

} // namespace calc
