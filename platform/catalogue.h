#pragma once

// Everything the program says, in English, each text once and whole, for the translators (the
// files in translations/, context "tabderiv"). A %N stands for an argument; how each kind of
// argument is written (quoted texts, numbers, counts) is said once, in message.h. Quotation
// marks around a placeholder belong to the sentence, so that a translation may use its own.
// %n is a count that picks the language's plural form. Every text with a placeholder has a
// note (//:) saying what each placeholder stands for: it is all a translator sees.
// This header needs no Qt: the marker below only shows Qt's lupdate which texts to collect.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif

namespace texts {

// The window

//: The button that runs one calculation.
inline constexpr const char *calculate = QT_TRANSLATE_NOOP("tabderiv", "Calculate");
//: The button that ends the program.
inline constexpr const char *quit = QT_TRANSLATE_NOOP("tabderiv", "Quit");
//: Screen readers' name of the box in which the abscissa x is typed.
inline constexpr const char *abscissaName = QT_TRANSLATE_NOOP("tabderiv", "Abscissa x");
//: Screen readers' description of the box.
inline constexpr const char *abscissaDescription =
    QT_TRANSLATE_NOOP("tabderiv", "The abscissa x at which y′ and y are shown");
//: Screen readers' name of the field that shows the derivative y′.
inline constexpr const char *derivativeName = QT_TRANSLATE_NOOP("tabderiv", "Derivative y′");
//: Screen readers' name of the field that shows the value y.
inline constexpr const char *valueName = QT_TRANSLATE_NOOP("tabderiv", "Value y");
//: Screen readers' description of the field that shows the derivative y′.
inline constexpr const char *derivativeDescription =
    QT_TRANSLATE_NOOP("tabderiv", "Derivative y′ at x");
//: Screen readers' description of the field that shows the value y.
inline constexpr const char *valueDescription = QT_TRANSLATE_NOOP("tabderiv", "Value y at x");
//: A field whose value was found at another abscissa than the box now reads; %1 is that
//: abscissa.
inline constexpr const char *derivativeAt =
    QT_TRANSLATE_NOOP("tabderiv", "Derivative y′ at x = %1");
//: As "Derivative y′ at x = %1", for the value y.
inline constexpr const char *valueAt = QT_TRANSLATE_NOOP("tabderiv", "Value y at x = %1");
//: A field's tooltip: %1 says what the field holds, %2 is its value.
inline constexpr const char *fieldTooltip = QT_TRANSLATE_NOOP("tabderiv", "%1: %2");
//: The context menu of an output field.
inline constexpr const char *copy = QT_TRANSLATE_NOOP("tabderiv", "&Copy");
//: Spoken by a screen reader after a calculation: %1 is the abscissa, %2 the derivative y′
//: and %3 the value y as the window shows them, with the locale's decimal separator. Where
//: that separator is a comma, separate the parts with something a listener cannot take for
//: part of a number (a semicolon, say).
inline constexpr const char *announcement =
    QT_TRANSLATE_NOOP("tabderiv", "At x = %1: derivative %2, value %3");
//: %1 is the message of an error the program did not foresee.
inline constexpr const char *failedUnexpectedly =
    QT_TRANSLATE_NOOP("tabderiv", "The calculation failed unexpectedly: %1");
//: Asked before the result file replaces the sample file; %1 is its name.
inline constexpr const char *replaceSampleFile = QT_TRANSLATE_NOOP(
    "tabderiv", "\"%1\" is the sample file just read. Replace its samples with the results?");
//: Asked before the result file replaces %1, a second name (a hard link) of the sample file
//: %2: saving gives the name %1 a new file, and %2 keeps its samples.
inline constexpr const char *replaceSampleFileLink =
    QT_TRANSLATE_NOOP("tabderiv",
                      "\"%1\" and the sample file \"%2\" just read are one file under two names. "
                      "Replace \"%1\" with the results? \"%2\" keeps its samples.");

// How the box was read

//: A note after a calculation whose box was empty.
inline constexpr const char *boxEmpty =
    QT_TRANSLATE_NOOP("tabderiv", "The box is empty, so x was read as 0.");
//: %1 is the text of the box.
inline constexpr const char *boxHoldsNoNumber =
    QT_TRANSLATE_NOOP("tabderiv", "The box holds no number (\"%1\"), so x was read as 0.");
//: %1 is the text of the box, %2 the number read from its start, %3 the text after it.
inline constexpr const char *abscissaReadAs = QT_TRANSLATE_NOOP(
    "tabderiv", "The abscissa \"%1\" was read as %2: the rest, \"%3\", is not part of the number.");

// The calculation

//: %1 is the abscissa, %2 and %3 the first and the last abscissa of the table.
inline constexpr const char *noValue =
    QT_TRANSLATE_NOOP("tabderiv", "No value at x = %1: the table runs from %2 to %3.");
//: As the sentence before, for an abscissa inside a descending table.
inline constexpr const char *noValueDescending =
    QT_TRANSLATE_NOOP("tabderiv",
                      "No value at x = %1: the table runs from %2 to %3, and "
                      "values between samples are interpolated in ascending "
                      "tables only.");
//: %1 is the abscissa.
inline constexpr const char *resultNotFinite = QT_TRANSLATE_NOOP(
    "tabderiv", "The result at x = %1 is too large to be shown: it is not a finite number.");
//: The spacing of the table (the distance between neighbouring abscissas) is 0.
inline constexpr const char *noSpacing = QT_TRANSLATE_NOOP(
    "tabderiv", "The samples have no spacing, so no derivative can be estimated.");
//: %1 is the number of the sample, counted from 1; %2 is the spacing.
inline constexpr const char *derivativeTooLarge =
    QT_TRANSLATE_NOOP("tabderiv",
                      "The derivative at sample %1 is too large for a number: the "
                      "ordinates are too large for a spacing of %2.");
//: %1 is an index the program used, %2 the last index of the table.
inline constexpr const char *indexOutside = QT_TRANSLATE_NOOP(
    "tabderiv", "Internal error: index %1 lies outside the sample table (0 to %2).");

// Reading the sample file.

//: %1 is the sample file's name, %2 the line; %3 the rest of the message, which begins in
//: lower case.
inline constexpr const char *atLine = QT_TRANSLATE_NOOP("tabderiv", "\"%1\", line %2: %3");
//: %1 is the sample file's name, %2 the line, %3 the most samples a table holds (101).
inline constexpr const char *tooManySamples = QT_TRANSLATE_NOOP(
    "tabderiv", "\"%1\", line %2: more than %3 samples; %3 is the most a table holds.");
//: %1 is the sample file's name, %2 the line, %3 the abscissa x that has no ordinate y, as
//: the file writes it.
inline constexpr const char *noOrdinate =
    QT_TRANSLATE_NOOP("tabderiv",
                      "\"%1\", line %2: the abscissa %3 has no ordinate; the "
                      "numbers of a sample file come in pairs x, y.");
//: %1 is the sample file's name.
inline constexpr const char *noSamples = QT_TRANSLATE_NOOP(
    "tabderiv", "\"%1\" holds no samples; a sample file lists pairs of numbers x, y.");
//: %1 is the sample file's name, %2 the fewest samples a table holds (4).
inline constexpr const char *oneSample = QT_TRANSLATE_NOOP(
    "tabderiv", "\"%1\" holds only 1 sample; at least %2 are needed to estimate derivatives.");
//: %1 is the sample file's name, %n the number of samples it holds (2 or 3), %2 the fewest
//: samples a table holds (4).
inline constexpr const char *fewSamples = QT_TRANSLATE_N_NOOP(
    "tabderiv", "\"%1\" holds only %n samples; at least %2 are needed to estimate derivatives.");
//: %1 is the sample file's name, %2 the abscissa of both the first and the last sample, as
//: the file writes it.
inline constexpr const char *sameEnds =
    QT_TRANSLATE_NOOP("tabderiv",
                      "\"%1\": the first and the last abscissa are both %2, so the "
                      "samples have no spacing.");
//: %1 is the sample file's name; %2 and %3 are two neighbouring abscissas, as the file writes
//: them.
inline constexpr const char *tooFarApart =
    QT_TRANSLATE_NOOP("tabderiv", "\"%1\": the abscissas %2 and %3 lie too far apart.");
//: %1 is the sample file's name, %2 the line, %3 the abscissa as the file writes it, %4 its
//: distance from the abscissa before it, %5 the spacing of the table.
inline constexpr const char *unequalSpacing =
    QT_TRANSLATE_NOOP("tabderiv",
                      "\"%1\", line %2: the abscissa %3 lies %4 from the one before it, but the "
                      "samples must be equally spaced, %5 apart in this table.");
//: Follows "file", line N: and so begins in lower case.
inline constexpr const char *commaWithoutNumberAfter =
    QT_TRANSLATE_NOOP("tabderiv", "a comma with no number after it.");
//: Follows "file", line N: and so begins in lower case.
inline constexpr const char *commaWithoutNumberBefore =
    QT_TRANSLATE_NOOP("tabderiv", "a comma with no number before it.");
//: Follows "file", line N: and so begins in lower case. %1 is the field, %2 the most
//: characters a field has.
inline constexpr const char *fieldTooLong = QT_TRANSLATE_NOOP(
    "tabderiv", "\"%1\" is not a number: the field is longer than %2 characters.");
//: Follows "file", line N: and so begins in lower case. %1 is the field.
inline constexpr const char *notANumber = QT_TRANSLATE_NOOP("tabderiv", "\"%1\" is not a number.");
//: %1 is the sample file's name.
inline constexpr const char *endedEarly =
    QT_TRANSLATE_NOOP("tabderiv", "\"%1\" ended where a number was expected.");
//: %1 is the number as it was typed in the box.
inline constexpr const char *numberTooLarge =
    QT_TRANSLATE_NOOP("tabderiv", "The number %1 is too large.");
//: Follows "file", line N: and so begins in lower case. %1 is the number as the file writes it.
inline constexpr const char *numberTooLargeInFile =
    QT_TRANSLATE_NOOP("tabderiv", "the number %1 is too large.");
//: %1 is the number as it was typed.
inline constexpr const char *numberNotConverted =
    QT_TRANSLATE_NOOP("tabderiv", "The number %1 could not be converted.");

// Why a file could not be read. The system's reason is a sentence of its own, as the system
// writes it in the user's language.

//: %1 is the file's path, %2 the system's reason (a sentence without its full stop).
inline constexpr const char *cannotOpenForReading =
    QT_TRANSLATE_NOOP("tabderiv", "Cannot open \"%1\" for reading. %2.");
//: %1 is the file's path, %2 the system's reason (a sentence without its full stop).
inline constexpr const char *cannotRead = QT_TRANSLATE_NOOP("tabderiv", "Cannot read \"%1\". %2.");
//: %1 is the file's path.
inline constexpr const char *readFolder =
    QT_TRANSLATE_NOOP("tabderiv", "Cannot read \"%1\": it is a folder, not a file.");
//: %1 is the file's path.
inline constexpr const char *readNotRegular = QT_TRANSLATE_NOOP(
    "tabderiv", "Cannot read \"%1\": it is not a regular file (a pipe, a device or a socket).");

// Likely causes, added after a message about a sample file that could not be used.

//: Follows a message about the sample file; "The file" is that file.
inline constexpr const char *looksLikeResultFile = QT_TRANSLATE_NOOP(
    "tabderiv",
    "The file looks like a result file (three numbers on every line: x, y and y′), not a "
    "sample file of pairs x, y.");
//: Follows a message about the sample file.
inline constexpr const char *looksWrittenWithDecimalCommas = QT_TRANSLATE_NOOP(
    "tabderiv",
    "The numbers look written with decimal commas: in a sample file \",\" separates "
    "numbers and \".\" is the decimal point.");
//: %1 is the file's name.
inline constexpr const char *notText = QT_TRANSLATE_NOOP(
    "tabderiv", "\"%1\" does not look like a text file: it holds bytes that are not text.");

// Why the result file could not be written. A reason is a sentence of its own: the system's,
// as the system writes it in the user's language, or one of the program's below.

//: %1 is the file's path, %2 the reason (a sentence without its full stop).
inline constexpr const char *cannotWrite =
    QT_TRANSLATE_NOOP("tabderiv", "Cannot write \"%1\". %2.");
//: %1 is the file's path.
inline constexpr const char *cannotWriteFile =
    QT_TRANSLATE_NOOP("tabderiv", "Cannot write \"%1\".");
//: %1 is the file's path.
inline constexpr const char *writeFolder =
    QT_TRANSLATE_NOOP("tabderiv", "Cannot write \"%1\": it is a folder, not a file.");
//: %1 is the file's path.
inline constexpr const char *writeNotRegular =
    QT_TRANSLATE_NOOP("tabderiv", "Cannot write \"%1\": it is not a regular file.");
//: %1 is the file's path, %2 its folder, %3 the system's reason (a sentence without its full
//: stop).
inline constexpr const char *folderNotWritable =
    QT_TRANSLATE_NOOP("tabderiv", "Cannot write \"%1\": the folder \"%2\" cannot be written. %3.");
//: %1 is the file's path, %2 the system's reason (a sentence without its full stop).
inline constexpr const char *cannotOpenForWriting =
    QT_TRANSLATE_NOOP("tabderiv", "Cannot open \"%1\" for writing. %2.");
//: %1 is the file's path.
inline constexpr const char *cannotOpenFileForWriting =
    QT_TRANSLATE_NOOP("tabderiv", "Cannot open \"%1\" for writing.");
//: A reason, after "Cannot write "file".", without its full stop: %n bytes (0 or more) of
//: the %1 bytes written reached the disk.
inline constexpr const char *bytesCutShort =
    QT_TRANSLATE_N_NOOP("tabderiv", "Only %n of %1 bytes reached the disk");
//: As "Only %n of %1 bytes reached the disk", followed by the system's reason %2 (a sentence
//: without its full stop).
inline constexpr const char *bytesCutShortBecause =
    QT_TRANSLATE_N_NOOP("tabderiv", "Only %n of %1 bytes reached the disk. %2");
inline constexpr const char *noFileWritten = QT_TRANSLATE_NOOP("tabderiv", "No file was written.");
//: %1 is the name of the file that the result file was to replace.
inline constexpr const char *existingFileKept =
    QT_TRANSLATE_NOOP("tabderiv", "The existing file \"%1\" was left as it was.");

} // namespace texts
