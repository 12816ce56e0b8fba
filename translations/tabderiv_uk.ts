<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>tabderiv</name>
    <message>
        <source>Calculate</source>
        <extracomment>The button that runs one calculation.</extracomment>
        <translation>Обчислити</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The button that ends the program.</extracomment>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Abscissa x</source>
        <extracomment>Screen readers' name of the box in which the abscissa x is typed.</extracomment>
        <translation>Абсциса x</translation>
    </message>
    <message>
        <source>The abscissa x at which y′ and y are shown</source>
        <extracomment>Screen readers' description of the box.</extracomment>
        <translation>Абсциса x, для якої показано y′ і y</translation>
    </message>
    <message>
        <source>Derivative y′</source>
        <extracomment>Screen readers' name of the field that shows the derivative y′.</extracomment>
        <translation>Похідна y′</translation>
    </message>
    <message>
        <source>Value y</source>
        <extracomment>Screen readers' name of the field that shows the value y.</extracomment>
        <translation>Значення y</translation>
    </message>
    <message>
        <source>Derivative y′ at x</source>
        <extracomment>Screen readers' description of the field that shows the derivative y′.</extracomment>
        <translation>Похідна y′ у точці x</translation>
    </message>
    <message>
        <source>Value y at x</source>
        <extracomment>Screen readers' description of the field that shows the value y.</extracomment>
        <translation>Значення y у точці x</translation>
    </message>
    <message>
        <source>Derivative y′ at x = %1</source>
        <extracomment>A field whose value was found at another abscissa than the box now reads; %1 is that abscissa.</extracomment>
        <translation>Похідна y′ у точці x = %1</translation>
    </message>
    <message>
        <source>Value y at x = %1</source>
        <extracomment>As &quot;Derivative y′ at x = %1&quot;, for the value y.</extracomment>
        <translation>Значення y у точці x = %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A field's tooltip: %1 says what the field holds, %2 is its value.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>The context menu of an output field.</extracomment>
        <translation>&amp;Копіювати</translation>
    </message>
    <message>
        <source>At x = %1: derivative %2, value %3</source>
        <extracomment>Spoken by a screen reader after a calculation: %1 is the abscissa, %2 the derivative y′ and %3 the value y as the window shows them, with the locale's decimal separator. Where that separator is a comma, separate the parts with something a listener cannot take for part of a number (a semicolon, say).</extracomment>
        <translation>У точці x = %1: похідна %2; значення %3</translation>
    </message>
    <message>
        <source>The calculation failed unexpectedly: %1</source>
        <extracomment>%1 is the message of an error the program did not foresee.</extracomment>
        <translation>Обчислення несподівано завершилося помилкою: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the sample file just read. Replace its samples with the results?</source>
        <extracomment>Asked before the result file replaces the sample file; %1 is its name.</extracomment>
        <translation>«%1» — щойно прочитаний файл вузлів. Замінити його вузли результатами?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and the sample file &quot;%2&quot; just read are one file under two names. Replace &quot;%1&quot; with the results? &quot;%2&quot; keeps its samples.</source>
        <extracomment>Asked before the result file replaces %1, a second name (a hard link) of the sample file %2: saving gives the name %1 a new file, and %2 keeps its samples.</extracomment>
        <translation>«%1» і щойно прочитаний файл вузлів «%2» — один і той самий файл під двома назвами. Замінити «%1» результатами? «%2» збереже свої вузли.</translation>
    </message>
    <message>
        <source>The box is empty, so x was read as 0.</source>
        <extracomment>A note after a calculation whose box was empty.</extracomment>
        <translation>Поле введення порожнє, тому прийнято x = 0.</translation>
    </message>
    <message>
        <source>The box holds no number (&quot;%1&quot;), so x was read as 0.</source>
        <extracomment>%1 is the text of the box.</extracomment>
        <translation>У полі введення немає числа («%1»), тому прийнято x = 0.</translation>
    </message>
    <message>
        <source>The abscissa &quot;%1&quot; was read as %2: the rest, &quot;%3&quot;, is not part of the number.</source>
        <extracomment>%1 is the text of the box, %2 the number read from its start, %3 the text after it.</extracomment>
        <translation>Абсцису «%1» прочитано як %2: залишок «%3» не належить до числа.</translation>
    </message>
    <message>
        <source>No value at x = %1: the table runs from %2 to %3.</source>
        <extracomment>%1 is the abscissa, %2 and %3 the first and the last abscissa of the table.</extracomment>
        <translation>Немає значення в точці x = %1: таблиця охоплює абсциси від %2 до %3.</translation>
    </message>
    <message>
        <source>No value at x = %1: the table runs from %2 to %3, and values between samples are interpolated in ascending tables only.</source>
        <extracomment>As the sentence before, for an abscissa inside a descending table.</extracomment>
        <translation>Немає значення в точці x = %1: таблиця охоплює абсциси від %2 до %3, а значення між вузлами інтерполюються лише в таблицях зі зростаючими абсцисами.</translation>
    </message>
    <message>
        <source>The result at x = %1 is too large to be shown: it is not a finite number.</source>
        <extracomment>%1 is the abscissa.</extracomment>
        <translation>Результат у точці x = %1 надто великий, щоб його показати: це не скінченне число.</translation>
    </message>
    <message>
        <source>The samples have no spacing, so no derivative can be estimated.</source>
        <extracomment>The spacing of the table (the distance between neighbouring abscissas) is 0.</extracomment>
        <translation>Крок між вузлами дорівнює нулю, тому обчислити похідну неможливо.</translation>
    </message>
    <message>
        <source>The derivative at sample %1 is too large for a number: the ordinates are too large for a spacing of %2.</source>
        <extracomment>%1 is the number of the sample, counted from 1; %2 is the spacing.</extracomment>
        <translation>Похідна у вузлі № %1 надто велика, щоб її можна було подати числом: ординати надто великі для кроку %2.</translation>
    </message>
    <message>
        <source>Internal error: index %1 lies outside the sample table (0 to %2).</source>
        <extracomment>%1 is an index the program used, %2 the last index of the table.</extracomment>
        <translation>Внутрішня помилка: індекс %1 виходить за межі таблиці вузлів (від 0 до %2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: %3</source>
        <extracomment>%1 is the sample file's name, %2 the line; %3 the rest of the message, which begins in lower case.</extracomment>
        <translation>«%1», рядок %2: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: more than %3 samples; %3 is the most a table holds.</source>
        <extracomment>%1 is the sample file's name, %2 the line, %3 the most samples a table holds (101).</extracomment>
        <translation>«%1», рядок %2: кількість вузлів перевищує %3; таблиця вміщує не більше ніж %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: the abscissa %3 has no ordinate; the numbers of a sample file come in pairs x, y.</source>
        <extracomment>%1 is the sample file's name, %2 the line, %3 the abscissa x that has no ordinate y, as the file writes it.</extracomment>
        <translation>«%1», рядок %2: абсциса %3 не має ординати; числа у файлі вузлів ідуть парами x, y.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no samples; a sample file lists pairs of numbers x, y.</source>
        <extracomment>%1 is the sample file's name.</extracomment>
        <translation>«%1» не містить вузлів; файл вузлів — це список пар чисел x, y.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds only 1 sample; at least %2 are needed to estimate derivatives.</source>
        <extracomment>%1 is the sample file's name, %2 the fewest samples a table holds (4).</extracomment>
        <translation>«%1» містить лише 1 вузол; для обчислення похідних потрібно щонайменше %2.</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; holds only %n samples; at least %2 are needed to estimate derivatives.</source>
        <extracomment>%1 is the sample file's name, %n the number of samples it holds (2 or 3), %2 the fewest samples a table holds (4).</extracomment>
        <translation>
            <numerusform>«%1» містить лише %n вузол; для обчислення похідних потрібно щонайменше %2.</numerusform>
            <numerusform>«%1» містить лише %n вузли; для обчислення похідних потрібно щонайменше %2.</numerusform>
            <numerusform>«%1» містить лише %n вузлів; для обчислення похідних потрібно щонайменше %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the first and the last abscissa are both %2, so the samples have no spacing.</source>
        <extracomment>%1 is the sample file's name, %2 the abscissa of both the first and the last sample, as the file writes it.</extracomment>
        <translation>«%1»: перша й остання абсциси обидві дорівнюють %2, тому крок між вузлами дорівнює нулю.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the abscissas %2 and %3 lie too far apart.</source>
        <extracomment>%1 is the sample file's name; %2 and %3 are two neighbouring abscissas, as the file writes them.</extracomment>
        <translation>«%1»: абсциси %2 і %3 розташовані надто далеко одна від одної.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: the abscissa %3 lies %4 from the one before it, but the samples must be equally spaced, %5 apart in this table.</source>
        <extracomment>%1 is the sample file's name, %2 the line, %3 the abscissa as the file writes it, %4 its distance from the abscissa before it, %5 the spacing of the table.</extracomment>
        <translation>«%1», рядок %2: абсциса %3 віддалена від попередньої на %4, а вузли мають бути рівновіддаленими, у цій таблиці — з кроком %5.</translation>
    </message>
    <message>
        <source>a comma with no number after it.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case.</extracomment>
        <translation>кома, після якої немає числа.</translation>
    </message>
    <message>
        <source>a comma with no number before it.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case.</extracomment>
        <translation>кома, перед якою немає числа.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number: the field is longer than %2 characters.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case. %1 is the field, %2 the most characters a field has.</extracomment>
        <translation>«%1» не є числом: поле довше за %2 символів.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case. %1 is the field.</extracomment>
        <translation>«%1» не є числом.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ended where a number was expected.</source>
        <extracomment>%1 is the sample file's name.</extracomment>
        <translation>Файл «%1» закінчився там, де очікувалося число.</translation>
    </message>
    <message>
        <source>The number %1 is too large.</source>
        <extracomment>%1 is the number as it was typed in the box.</extracomment>
        <translation>Число %1 надто велике.</translation>
    </message>
    <message>
        <source>the number %1 is too large.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case. %1 is the number as the file writes it.</extracomment>
        <translation>число %1 надто велике.</translation>
    </message>
    <message>
        <source>The number %1 could not be converted.</source>
        <extracomment>%1 is the number as it was typed.</extracomment>
        <translation>Не вдалося перетворити число %1.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot; for reading. %2.</source>
        <extracomment>%1 is the file's path, %2 the system's reason (a sentence without its full stop).</extracomment>
        <translation>Не вдається відкрити «%1» для читання. %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;. %2.</source>
        <extracomment>%1 is the file's path, %2 the system's reason (a sentence without its full stop).</extracomment>
        <translation>Не вдається прочитати «%1». %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: it is a folder, not a file.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Не вдається прочитати «%1»: це тека, а не файл.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: it is not a regular file (a pipe, a device or a socket).</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Не вдається прочитати «%1»: це не звичайний файл (а канал, пристрій або сокет).</translation>
    </message>
    <message>
        <source>The file looks like a result file (three numbers on every line: x, y and y′), not a sample file of pairs x, y.</source>
        <extracomment>Follows a message about the sample file; &quot;The file&quot; is that file.</extracomment>
        <translation>Цей файл схожий на файл результатів (три числа в кожному рядку: x, y та y′), а не на файл вузлів із парами x, y.</translation>
    </message>
    <message>
        <source>The numbers look written with decimal commas: in a sample file &quot;,&quot; separates numbers and &quot;.&quot; is the decimal point.</source>
        <extracomment>Follows a message about the sample file.</extracomment>
        <translation>Схоже, числа записано з десятковою комою: у файлі вузлів кома розділяє числа, а крапка відокремлює дробову частину.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not look like a text file: it holds bytes that are not text.</source>
        <extracomment>%1 is the file's name.</extracomment>
        <translation>«%1» не схожий на текстовий файл: він містить байти, які не є текстом.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;. %2.</source>
        <extracomment>%1 is the file's path, %2 the reason (a sentence without its full stop).</extracomment>
        <translation>Не вдається записати «%1». %2.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Не вдається записати «%1».</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is a folder, not a file.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Не вдається записати «%1»: це тека, а не файл.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is not a regular file.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Не вдається записати «%1»: це не звичайний файл.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the folder &quot;%2&quot; cannot be written. %3.</source>
        <extracomment>%1 is the file's path, %2 its folder, %3 the system's reason (a sentence without its full stop).</extracomment>
        <translation>Не вдається записати «%1»: запис до теки «%2» неможливий. %3.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot; for writing. %2.</source>
        <extracomment>%1 is the file's path, %2 the system's reason (a sentence without its full stop).</extracomment>
        <translation>Не вдається відкрити «%1» для запису. %2.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot; for writing.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Не вдається відкрити «%1» для запису.</translation>
    </message>
    <message numerus="yes">
        <source>Only %n of %1 bytes reached the disk</source>
        <extracomment>A reason, after &quot;Cannot write &quot;file&quot;.&quot;, without its full stop: %n bytes (0 or more) of the %1 bytes written reached the disk.</extracomment>
        <translation>
            <numerusform>На диск записано лише %n байт із %1</numerusform>
            <numerusform>На диск записано лише %n байти з %1</numerusform>
            <numerusform>На диск записано лише %n байтів із %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %n of %1 bytes reached the disk. %2</source>
        <extracomment>As &quot;Only %n of %1 bytes reached the disk&quot;, followed by the system's reason %2 (a sentence without its full stop).</extracomment>
        <translation>
            <numerusform>На диск записано лише %n байт із %1. %2</numerusform>
            <numerusform>На диск записано лише %n байти з %1. %2</numerusform>
            <numerusform>На диск записано лише %n байтів із %1. %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Жодного файлу не записано.</translation>
    </message>
    <message>
        <source>The existing file &quot;%1&quot; was left as it was.</source>
        <extracomment>%1 is the name of the file that the result file was to replace.</extracomment>
        <translation>Наявний файл «%1» залишено без змін.</translation>
    </message>
</context>
<context>
    <name>desktop</name>
    <message>
        <source>Derivatives of tabulated functions</source>
        <extracomment>The kind of program, as a desktop's menus name it.</extracomment>
        <translation>Похідні таблично заданих функцій</translation>
    </message>
    <message>
        <source>Estimate the derivative of a function known only as a table of samples</source>
        <extracomment>What the program does, in a desktop's menus.</extracomment>
        <translation>Наближене обчислення похідної функції, заданої лише таблицею вузлів</translation>
    </message>
    <message>
        <source>derivative;finite differences;interpolation;Newton;numerics;</source>
        <extracomment>Words a desktop's search finds the program by: keep each ended by a semicolon.</extracomment>
        <translation>похідна;скінченні різниці;інтерполяція;Ньютон;чисельні методи;</translation>
    </message>
</context>
<context>
    <name>metainfo</name>
    <message>
        <source>Estimate derivatives of a function known only as a table of samples</source>
        <extracomment>The one-line summary in software centres.</extracomment>
        <translation>Наближене обчислення похідних функції, заданої лише таблицею вузлів</translation>
    </message>
    <message>
        <source>From a table of equally spaced samples (x, y) of a function, tabderiv estimates the derivative y' at every sample by finite differences and writes x, y and y' to a result file.</source>
        <extracomment>A paragraph of the description in software centres.</extracomment>
        <translation>За таблицею значень функції в рівновіддалених вузлах (x, y) tabderiv наближено обчислює похідну y' у кожному вузлі за допомогою скінченних різниць і записує x, y та y' у файл результатів.</translation>
    </message>
    <message>
        <source>It then shows y and y' at an abscissa typed in its window: the tabulated values on a sample, and a second-order Newton interpolation between the samples of an ascending table.</source>
        <extracomment>A paragraph of the description in software centres.</extracomment>
        <translation>Потім програма показує y та y' для абсциси, введеної в її вікні: у вузлі — табличні значення, а між вузлами таблиці зі зростаючими абсцисами — значення інтерполяційного многочлена Ньютона другого степеня.</translation>
    </message>
    <message>
        <source>The sample file is a plain text list of numbers, read as pairs x, y; the result file has one line x y y' per sample. tabderiv is a small desktop program with one window.</source>
        <extracomment>A paragraph of the description in software centres.</extracomment>
        <translation>Файл вузлів — це простий текстовий список чисел, які читаються парами x, y; у файлі результатів на кожен вузол припадає один рядок x y y'. tabderiv — невелика графічна програма з одним вікном.</translation>
    </message>
</context>
</TS>
