#include "writer.h"

#include "platform/numbers.h"
#include "platform/textoutput.h"

namespace calc {

bool writearray(platform::FileDialog &CommonDialog1, std::string_view decimalPoint, const Slots &x,
                const Slots &y, const Slots &yprime, const int &length)
{
    if (!CommonDialog1.ShowSave())
        return false;
    platform::TextOutput file(CommonDialog1.FileName());
    for (int i = 0; i < length; ++i)
        file.printLine({platform::formatFree(x[i], decimalPoint),
                        platform::formatFree(y[i], decimalPoint),
                        platform::formatFree(yprime[i], decimalPoint)});
    file.commit();
    return true;
}

} // namespace calc
