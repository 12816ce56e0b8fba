#pragma once

#include "platform/error.h"
#include "platform/rules.h"

#include <array>
#include <string>

namespace calc {

using platform::Error;

// The number of slots of each array of the sample table (indices 0 to 100), and so the most
// samples one calculation can hold.
inline constexpr int slotCount = platform::rules::mostSamples;

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
            throw Error("Internal error: index " + std::to_string(i) +
                        " lies outside the sample table (0 to " + std::to_string(slotCount - 1) +
                        ").");
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
