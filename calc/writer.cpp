#include "writer.h"

#include "platform/numbers.h"
#include "platform/textoutput.h"

#include <array>
#include <string>

namespace calc {

bool writearray(platform::FileDialog &CommonDialog1, std::string_view decimalPoint, const Slots &x,
                const Slots &y, const Slots &yprime, const int &length)
{
    if (!CommonDialog1.ShowSave())
        return false;
    platform::TextOutput file(CommonDialog1.FileName());
    // The three texts of a line keep their storage from one line to the next.
    std::array<std::string, 3> fields;
    for (int i = 0; i < length; ++i) {
        for (std::string &field : fields)
            field.clear();
        platform::appendFree(fields[0], x[i], decimalPoint);
        platform::appendFree(fields[1], y[i], decimalPoint);
        platform::appendFree(fields[2], yprime[i], decimalPoint);
        file.printLine({fields[0], fields[1], fields[2]});
    }
    file.commit();
    return true;
}

} // namespace calc
