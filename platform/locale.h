#pragma once

#include <string>

namespace platform {

// The decimal separator of the user's locale, for numbers written with the digits 0 to 9: where
// the locale writes its own digits (Arabic-Indic in ar_EG, say), the one that goes with 0 to 9
// there, ".", as the C library writes them in that locale.
std::string localeDecimalPoint();

} // namespace platform
