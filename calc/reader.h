#pragma once

#include "platform/filedialog.h"
#include "table.h"

namespace calc {

// Lets the user choose a sample file, reads its samples into x and y, sets length to their
// number and step to their spacing, (x[length - 1] - x[0]) / (length - 1). yprime is not
// touched. Returns false, having read nothing, when the user cancelled the choice.
// Throws Error, naming the file and line, when the file cannot be read or breaks the syntax of
// a sample file (platform/textinput.h) or the rules of a table (table.h): something that is not
// a number, an abscissa without ordinate, too few or too many samples, abscissas that are not
// equally spaced.
bool getarray(platform::FileDialog &CommonDialog1, Slots &x, Slots &y, Slots &yprime, int &length,
              double &step);

} // namespace calc
