#pragma once

#include <cstdio>
#include <string>

// y = x^2 at x = 0..4, as a sample file, and the result file it gives: every derivative rule
// is exact for a quadratic, and every intermediate value is a small integer.
inline const std::string squares = "0,0\n1,1\n2,4\n3,9\n4,16\n";
inline const std::string squaresResult = "0 0 0\n1 1 2\n2 4 4\n3 9 6\n4 16 8\n";

// A sample file of count samples of f at x = 0, spacing, 2 * spacing, ..., one pair "x, y" a
// line, each number in up to 15 significant digits.
inline std::string sampleFile(int count, double spacing, double (*f)(double))
{
    std::string text;
    char line[80];
    for (int i = 0; i < count; ++i) {
        const double x = i * spacing;
        std::snprintf(line, sizeof line, "%.15g, %.15g\n", x, f(x));
        text += line;
    }
    return text;
}

inline double square(double x)
{
    return x * x;
}
