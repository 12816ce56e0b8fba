#pragma once

#include <stdexcept>

namespace platform {

// The program's one error type. Its message is meant for the user: it says what failed and
// names the file, line and value where there is one.
class Error : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace platform
