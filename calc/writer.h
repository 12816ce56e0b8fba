#pragma once

#include "platform/filedialog.h"
#include "table.h"

#include <string_view>

namespace calc {

// Lets the user choose a result file and writes one line per sample to it: x, y and yprime,
// separated by blanks. An existing file of that name is replaced whole once the new one is
// complete. Returns false, having written nothing, when the user cancelled the choice.
// Throws Error when the file cannot be written; a file of that name is then left as it was.
bool writearray(platform::FileDialog &CommonDialog1, std::string_view decimalPoint, const Slots &x,
                const Slots &y, const Slots &yprime, const int &length);

} // namespace calc
