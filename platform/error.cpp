#include "error.h"

#include <cstring>

namespace platform {

std::string asReason(std::string words)
{
    // "No space left on device" in lower case; an abbreviation ("EOF", "NFS") stays as it is.
    if (words.size() >= 2 && words[0] >= 'A' && words[0] <= 'Z' &&
        !(words[1] >= 'A' && words[1] <= 'Z'))
        words[0] = static_cast<char>(words[0] - 'A' + 'a');
    return words;
}

std::string systemReason(int error)
{
    return asReason(std::strerror(error));
}

} // namespace platform
