#pragma once

#include <string>

// y = x^2 at x = 0..4, as a sample file, and the result file it gives: every derivative rule
// is exact for a quadratic, and every intermediate value is a small integer.
inline const std::string squares = "0,0\n1,1\n2,4\n3,9\n4,16\n";
inline const std::string squaresResult = "0 0 0\n1 1 2\n2 4 4\n3 9 6\n4 16 8\n";
