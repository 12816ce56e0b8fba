#include "error.h"

#include <cstring>

namespace platform {

std::string systemReason(int error)
{
    // strerror speaks the language of the locale's LC_MESSAGES, which QCoreApplication sets.
    return std::strerror(error);
}

} // namespace platform
