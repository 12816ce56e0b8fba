// Writes the cases of the same-bits check into a folder: deterministic (a fixed seed), so
// that every run checks the same tables. Each case is an abscissa line and a sample file:
// polynomials and smooth functions, large and tiny magnitudes, negative and descending
// abscissas, abscissas on samples, between them and outside, and values that fall near a
// rounding half of the fourth decimal. The generator runs on one machine only; every build
// reads the same files.
#include "calc/table.h"
#include "platform/numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

std::mt19937_64 generator(20261208);

// Uniform in [0, 1), the same on every standard library.
double uniform()
{
    return static_cast<double>(generator() >> 11) * 0x1p-53;
}

double between(double low, double high)
{
    return low + (high - low) * uniform();
}

int integer(int low, int high)
{
    return low + static_cast<int>(uniform() * (high - low + 1));
}

std::string number(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: samebits_generate FOLDER COUNT\n");
        return 2;
    }
    const std::string folder = argv[1];
    const int count = std::stoi(argv[2]);
    const double steps[] = {0.1, 0.2, 0.5, 1, 0.04, 1e-3, 1e3, 0.3, 1e-6, 7.5};
    for (int k = 0; k < count; ++k) {
        const int n = integer(calc::fewestSamples, calc::mostSamples);
        const double h = steps[integer(0, 9)] * (uniform() < 0.2 ? -1 : 1);
        const double x0 = uniform() < 0.5 ? 0.0 : between(-1000, 1000) * h;
        const double magnitude = std::pow(10.0, integer(-8, 8));
        const double a = between(-10, 10), b = between(-10, 10), c = between(-10, 10);
        const int kind = k % 6;
        const auto f = [&](double x) {
            const double t = (x - x0) / (h * n); // in [0, 1) across the table
            switch (kind) {
            case 0:
                return magnitude * ((a * t + b) * t + c);
            case 1:
                return magnitude * (((a * t + b) * t + c) * t);
            case 2:
                return magnitude * std::sin(a * t + b);
            case 3:
                return magnitude * std::exp(a * t / 4);
            case 4:
                return magnitude * std::log1p(std::fabs(a) * t) + b;
            default:
                // Values a hair from a rounding half of the fourth decimal.
                return std::round(a * 1e4) / 1e4 + 0.00005 + between(-1e-12, 1e-12) * (t + 1);
            }
        };
        std::vector<double> xs;
        std::string samples;
        for (int i = 0; i < n; ++i) {
            const double x = x0 + i * h;
            xs.push_back(x);
            samples += number(x) + ", " + number(f(x)) + "\n";
        }
        const double low = std::min(xs.front(), xs.back());
        const double high = std::max(xs.front(), xs.back());
        double abscissa = 0;
        switch (integer(0, 3)) {
        case 0: // on a sample
            abscissa = xs[static_cast<std::size_t>(integer(0, n - 1))];
            break;
        case 1: // between two samples
        case 2:
            abscissa = xs[static_cast<std::size_t>(integer(0, n - 2))] + between(0.01, 0.99) * h;
            break;
        default: // anywhere, outside too
            abscissa = between(low - std::fabs(h) * 3, high + std::fabs(h) * 3);
        }
        char name[32];
        std::snprintf(name, sizeof name, "/case%05d.txt", k);
        std::ofstream(folder + name, std::ios::binary) << number(abscissa) << "\n" << samples;
    }
    return 0;
}
