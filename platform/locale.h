#pragma once

#include <string>

namespace platform {

// The decimal separator of the user's locale.
std::string localeDecimalPoint();

} // namespace platform
