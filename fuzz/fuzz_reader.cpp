// The sample-file reader on arbitrary bytes: it either throws the program's own error or
// yields a table of finite, equally spaced samples, as many as the rules allow.
#include "calc/reader.h"
#include "fuzzing.h"

#include <cmath>
#include <cstdint>
#include <fstream>

std::string straddlingSeed()
{
    return straddlingSamples();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const Files files;
    static const std::string path = files.path("samples.txt");
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));

    FixedDialog dialog(path, {});
    calc::Table t;
    try {
        calc::getarray(dialog, t.x, t.y, t.yprime, t.length, t.step);
    } catch (const calc::Error &) {
        return 0;
    }
    if (t.length < calc::fewestSamples || t.length > calc::mostSamples)
        violated("length " + std::to_string(t.length));
    if (!std::isfinite(t.step) || t.step == 0)
        violated("step not finite or zero");
    for (int i = 0; i < t.length; ++i)
        if (!std::isfinite(t.x[i]) || !std::isfinite(t.y[i]))
            violated("a sample that is not finite");
    return 0;
}
