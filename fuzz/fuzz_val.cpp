// The typed abscissa: any text either converts to a finite number or throws the program's
// own error, and the number is the one its longest leading number spells. The same text read
// as a sample file's number, by its own grammar, must give the same bits whenever it is taken.
#include "fuzzing.h"
#include "platform/error.h"
#include "platform/numbers.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

std::string straddlingSeed()
{
    return {}; // no file is read
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    try {
        const double value = platform::val(text);
        if (!std::isfinite(value))
            violated("val gave a value that is not finite");
        // Shown back to the user, it must format cleanly too.
        platform::formatResult(value, ".");
        platform::formatFree(value, ",");
    } catch (const platform::Error &) { }
    try {
        const auto number = platform::parseNumber(text);
        if (number &&
            std::bit_cast<std::uint64_t>(*number) !=
                std::bit_cast<std::uint64_t>(platform::val(text)))
            violated("a sample file's number and the same typed abscissa differ");
    } catch (const platform::Error &) { }
    return 0;
}
