#pragma once

#include "message.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace platform {

// The program's one error type. Its message is meant for the user: it says what failed and
// names the file, line and value where there is one. what() is the message in English; the
// window shows message() in the user's language.
class Error : public std::runtime_error
{
public:
    explicit Error(const Message &message)
        : std::runtime_error(message.english()), m_message(message.nested())
    { }

    const Message &message() const { return *m_message; }

private:
    std::shared_ptr<const Message> m_message; // shared, so that copying an Error never throws
};

// The system's words for an error number, to follow a colon or stand in brackets: "no space
// left on device". Every message writes the system's reasons so.
std::string systemReason(int error);
// The same for a reason the system or a library gave as a sentence ("No space left on device").
std::string asReason(std::string words);

} // namespace platform
