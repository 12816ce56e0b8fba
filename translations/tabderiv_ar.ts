<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>tabderiv</name>
    <message>
        <source>Calculate</source>
        <extracomment>The button that runs one calculation.</extracomment>
        <translation>احسب</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The button that ends the program.</extracomment>
        <translation>أنهِ</translation>
    </message>
    <message>
        <source>Abscissa x</source>
        <extracomment>Screen readers' name of the box in which the abscissa x is typed.</extracomment>
        <translation>الإحداثي السيني x</translation>
    </message>
    <message>
        <source>The abscissa x at which y′ and y are shown</source>
        <extracomment>Screen readers' description of the box.</extracomment>
        <translation>الإحداثي السيني x الذي تُعرض عنده y′ وy</translation>
    </message>
    <message>
        <source>Derivative y′</source>
        <extracomment>Screen readers' name of the field that shows the derivative y′.</extracomment>
        <translation>المشتقة y′</translation>
    </message>
    <message>
        <source>Value y</source>
        <extracomment>Screen readers' name of the field that shows the value y.</extracomment>
        <translation>القيمة y</translation>
    </message>
    <message>
        <source>Derivative y′ at x</source>
        <extracomment>Screen readers' description of the field that shows the derivative y′.</extracomment>
        <translation>المشتقة y′ عند x</translation>
    </message>
    <message>
        <source>Value y at x</source>
        <extracomment>Screen readers' description of the field that shows the value y.</extracomment>
        <translation>القيمة y عند x</translation>
    </message>
    <message>
        <source>Derivative y′ at x = %1</source>
        <extracomment>A field whose value was found at another abscissa than the box now reads; %1 is that abscissa.</extracomment>
        <translation>المشتقة y′ عند x = %1</translation>
    </message>
    <message>
        <source>Value y at x = %1</source>
        <extracomment>As &quot;Derivative y′ at x = %1&quot;, for the value y.</extracomment>
        <translation>القيمة y عند x = %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A field's tooltip: %1 says what the field holds, %2 is its value.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>The context menu of an output field.</extracomment>
        <translation>ا&amp;نسخ</translation>
    </message>
    <message>
        <source>At x = %1: derivative %2, value %3</source>
        <extracomment>Spoken by a screen reader after a calculation: %1 is the abscissa, %2 the derivative y′ and %3 the value y as the window shows them, with the locale's decimal separator. Where that separator is a comma, separate the parts with something a listener cannot take for part of a number (a semicolon, say).</extracomment>
        <translation>عند x = %1: المشتقة %2؛ القيمة %3</translation>
    </message>
    <message>
        <source>The calculation failed unexpectedly: %1</source>
        <extracomment>%1 is the message of an error the program did not foresee.</extracomment>
        <translation>فشل الحساب على نحو غير متوقع: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the sample file just read. Replace its samples with the results?</source>
        <extracomment>Asked before the result file replaces the sample file; %1 is its name.</extracomment>
        <translation>الملف «⁨%1⁩» هو ملف النقاط الذي قُرئ للتو. أتريد أن تحل النتائج محل نقاطه؟</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and the sample file &quot;%2&quot; just read are one file under two names. Replace &quot;%1&quot; with the results? &quot;%2&quot; keeps its samples.</source>
        <extracomment>Asked before the result file replaces %1, a second name (a hard link) of the sample file %2: saving gives the name %1 a new file, and %2 keeps its samples.</extracomment>
        <translation>الملف «⁨%1⁩» وملف النقاط «⁨%2⁩» الذي قُرئ للتو ملف واحد باسمين. أتريد أن تحل النتائج محل «⁨%1⁩»؟ سيحتفظ «⁨%2⁩» بنقاطه.</translation>
    </message>
    <message>
        <source>The box is empty, so x was read as 0.</source>
        <extracomment>A note after a calculation whose box was empty.</extracomment>
        <translation>خانة الإدخال فارغة، لذا قُرئت قيمة x على أنها 0.</translation>
    </message>
    <message>
        <source>The box holds no number (&quot;%1&quot;), so x was read as 0.</source>
        <extracomment>%1 is the text of the box.</extracomment>
        <translation>لا تحوي خانة الإدخال أي عدد («⁨%1⁩»)، لذا قُرئت قيمة x على أنها 0.</translation>
    </message>
    <message>
        <source>The abscissa &quot;%1&quot; was read as %2: the rest, &quot;%3&quot;, is not part of the number.</source>
        <extracomment>%1 is the text of the box, %2 the number read from its start, %3 the text after it.</extracomment>
        <translation>قُرئ الإحداثي السيني «⁨%1⁩» على أنه %2: أما الباقي «⁨%3⁩» فليس جزءًا من العدد.</translation>
    </message>
    <message>
        <source>No value at x = %1: the table runs from %2 to %3.</source>
        <extracomment>%1 is the abscissa, %2 and %3 the first and the last abscissa of the table.</extracomment>
        <translation>لا قيمة عند x = %1: يمتد الجدول من %2 إلى %3.</translation>
    </message>
    <message>
        <source>No value at x = %1: the table runs from %2 to %3, and values between samples are interpolated in ascending tables only.</source>
        <extracomment>As the sentence before, for an abscissa inside a descending table.</extracomment>
        <translation>لا قيمة عند x = %1: يمتد الجدول من %2 إلى %3، ولا تُستكمل القيم بين النقاط إلا في الجداول المرتبة تصاعديًا.</translation>
    </message>
    <message>
        <source>The result at x = %1 is too large to be shown: it is not a finite number.</source>
        <extracomment>%1 is the abscissa.</extracomment>
        <translation>النتيجة عند x = %1 أكبر من أن تُعرض: فهي ليست عددًا منتهيًا.</translation>
    </message>
    <message>
        <source>The samples have no spacing, so no derivative can be estimated.</source>
        <extracomment>The spacing of the table (the distance between neighbouring abscissas) is 0.</extracomment>
        <translation>طول الخطوة بين النقاط صفر، لذا لا يمكن تقدير أي مشتقة.</translation>
    </message>
    <message>
        <source>The derivative at sample %1 is too large for a number: the ordinates are too large for a spacing of %2.</source>
        <extracomment>%1 is the number of the sample, counted from 1; %2 is the spacing.</extracomment>
        <translation>المشتقة عند النقطة رقم %1 أكبر من أن يمثلها عدد: الإحداثيات الصادية كبيرة جدًّا بالنسبة إلى خطوة طولها %2.</translation>
    </message>
    <message>
        <source>Internal error: index %1 lies outside the sample table (0 to %2).</source>
        <extracomment>%1 is an index the program used, %2 the last index of the table.</extracomment>
        <translation>خطأ داخلي: الفهرس %1 خارج جدول النقاط (من 0 إلى %2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: %3</source>
        <extracomment>%1 is the sample file's name, %2 the line; %3 the rest of the message, which begins in lower case.</extracomment>
        <translation>الملف «⁨%1⁩»، السطر %2: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: more than %3 samples; %3 is the most a table holds.</source>
        <extracomment>%1 is the sample file's name, %2 the line, %3 the most samples a table holds (101).</extracomment>
        <translation>الملف «⁨%1⁩»، السطر %2: أكثر من %3 نقطة؛ ولا يتسع الجدول لأكثر من %3 نقطة.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: the abscissa %3 has no ordinate; the numbers of a sample file come in pairs x, y.</source>
        <extracomment>%1 is the sample file's name, %2 the line, %3 the abscissa x that has no ordinate y, as the file writes it.</extracomment>
        <translation>الملف «⁨%1⁩»، السطر %2: الإحداثي السيني %3 بلا إحداثي صادي؛ فأعداد ملف النقاط تأتي أزواجًا x، y.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no samples; a sample file lists pairs of numbers x, y.</source>
        <extracomment>%1 is the sample file's name.</extracomment>
        <translation>لا يحوي «⁨%1⁩» أي نقطة؛ فملف النقاط يسرد أزواجًا من الأعداد x، y.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds only 1 sample; at least %2 are needed to estimate derivatives.</source>
        <extracomment>%1 is the sample file's name, %2 the fewest samples a table holds (4).</extracomment>
        <translation>لا يحوي «⁨%1⁩» إلا نقطة واحدة؛ ويلزم %2 نقاط على الأقل لتقدير المشتقات.</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; holds only %n samples; at least %2 are needed to estimate derivatives.</source>
        <extracomment>%1 is the sample file's name, %n the number of samples it holds (2 or 3), %2 the fewest samples a table holds (4).</extracomment>
        <translation>
            <numerusform>لا يحوي «⁨%1⁩» أي نقطة؛ ويلزم %2 نقاط على الأقل لتقدير المشتقات.</numerusform>
            <numerusform>لا يحوي «⁨%1⁩» إلا نقطة واحدة؛ ويلزم %2 نقاط على الأقل لتقدير المشتقات.</numerusform>
            <numerusform>لا يحوي «⁨%1⁩» إلا نقطتين؛ ويلزم %2 نقاط على الأقل لتقدير المشتقات.</numerusform>
            <numerusform>لا يحوي «⁨%1⁩» إلا %n نقاط؛ ويلزم %2 نقاط على الأقل لتقدير المشتقات.</numerusform>
            <numerusform>لا يحوي «⁨%1⁩» إلا %n نقطة؛ ويلزم %2 نقاط على الأقل لتقدير المشتقات.</numerusform>
            <numerusform>لا يحوي «⁨%1⁩» إلا %n نقطة؛ ويلزم %2 نقاط على الأقل لتقدير المشتقات.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the first and the last abscissa are both %2, so the samples have no spacing.</source>
        <extracomment>%1 is the sample file's name, %2 the abscissa of both the first and the last sample, as the file writes it.</extracomment>
        <translation>الملف «⁨%1⁩»: الإحداثي السيني الأول والأخير كلاهما %2، لذا فطول الخطوة بين النقاط صفر.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the abscissas %2 and %3 lie too far apart.</source>
        <extracomment>%1 is the sample file's name; %2 and %3 are two neighbouring abscissas, as the file writes them.</extracomment>
        <translation>الملف «⁨%1⁩»: الإحداثيان السينيان %2 و%3 متباعدان أكثر مما ينبغي.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: the abscissa %3 lies %4 from the one before it, but the samples must be equally spaced, %5 apart in this table.</source>
        <extracomment>%1 is the sample file's name, %2 the line, %3 the abscissa as the file writes it, %4 its distance from the abscissa before it, %5 the spacing of the table.</extracomment>
        <translation>الملف «⁨%1⁩»، السطر %2: يبعد الإحداثي السيني %3 مسافة %4 عن سابقه، لكن النقاط يجب أن تكون متساوية التباعد، بخطوة طولها %5 في هذا الجدول.</translation>
    </message>
    <message>
        <source>a comma with no number after it.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case.</extracomment>
        <translation>فاصلة لا يليها عدد.</translation>
    </message>
    <message>
        <source>a comma with no number before it.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case.</extracomment>
        <translation>فاصلة لا يسبقها عدد.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number: the field is longer than %2 characters.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case. %1 is the field, %2 the most characters a field has.</extracomment>
        <translation>الحقل «⁨%1⁩» ليس عددًا: إنه أطول من %2 حرف.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case. %1 is the field.</extracomment>
        <translation>الحقل «⁨%1⁩» ليس عددًا.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ended where a number was expected.</source>
        <extracomment>%1 is the sample file's name.</extracomment>
        <translation>انتهى الملف «⁨%1⁩» حيث كان يُتوقَّع عدد.</translation>
    </message>
    <message>
        <source>The number %1 is too large.</source>
        <extracomment>%1 is the number as it was typed in the box.</extracomment>
        <translation>العدد %1 كبير جدًّا.</translation>
    </message>
    <message>
        <source>the number %1 is too large.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case. %1 is the number as the file writes it.</extracomment>
        <translation>العدد %1 كبير جدًّا.</translation>
    </message>
    <message>
        <source>The number %1 could not be converted.</source>
        <extracomment>%1 is the number as it was typed.</extracomment>
        <translation>تعذّر تحويل العدد %1.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot; for reading. %2.</source>
        <extracomment>%1 is the file's path, %2 the system's reason (a sentence without its full stop).</extracomment>
        <translation>تعذّر فتح «⁨%1⁩» للقراءة. %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;. %2.</source>
        <extracomment>%1 is the file's path, %2 the system's reason (a sentence without its full stop).</extracomment>
        <translation>تعذّرت قراءة «⁨%1⁩». %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: it is a folder, not a file.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>تعذّرت قراءة «⁨%1⁩»: إنه مجلد وليس ملفًا.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: it is not a regular file (a pipe, a device or a socket).</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>تعذّرت قراءة «⁨%1⁩»: ليس ملفًا عاديًا (فهو أنبوب أو جهاز أو مقبس).</translation>
    </message>
    <message>
        <source>The file looks like a result file (three numbers on every line: x, y and y′), not a sample file of pairs x, y.</source>
        <extracomment>Follows a message about the sample file; &quot;The file&quot; is that file.</extracomment>
        <translation>يبدو أن الملف ملف نتائج (ثلاثة أعداد في كل سطر: x وy وy′)، لا ملف نقاط من أزواج x، y.</translation>
    </message>
    <message>
        <source>The numbers look written with decimal commas: in a sample file &quot;,&quot; separates numbers and &quot;.&quot; is the decimal point.</source>
        <extracomment>Follows a message about the sample file.</extracomment>
        <translation>يبدو أن الأعداد مكتوبة بالفاصلة علامةً عشرية: في ملف النقاط تفصل الفاصلة «,» بين الأعداد، والعلامة العشرية هي النقطة «.».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not look like a text file: it holds bytes that are not text.</source>
        <extracomment>%1 is the file's name.</extracomment>
        <translation>لا يبدو «⁨%1⁩» ملفًا نصيًا: فهو يحوي بايتات ليست نصًا.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;. %2.</source>
        <extracomment>%1 is the file's path, %2 the reason (a sentence without its full stop).</extracomment>
        <translation>تعذّرت كتابة «⁨%1⁩». %2.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>تعذّرت كتابة «⁨%1⁩».</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is a folder, not a file.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>تعذّرت كتابة «⁨%1⁩»: إنه مجلد وليس ملفًا.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is not a regular file.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>تعذّرت كتابة «⁨%1⁩»: ليس ملفًا عاديًا.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the folder &quot;%2&quot; cannot be written. %3.</source>
        <extracomment>%1 is the file's path, %2 its folder, %3 the system's reason (a sentence without its full stop).</extracomment>
        <translation>تعذّرت كتابة «⁨%1⁩»: لا يمكن الكتابة في المجلد «⁨%2⁩». %3.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot; for writing. %2.</source>
        <extracomment>%1 is the file's path, %2 the system's reason (a sentence without its full stop).</extracomment>
        <translation>تعذّر فتح «⁨%1⁩» للكتابة. %2.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot; for writing.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>تعذّر فتح «⁨%1⁩» للكتابة.</translation>
    </message>
    <message numerus="yes">
        <source>Only %n of %1 bytes reached the disk</source>
        <extracomment>A reason, after &quot;Cannot write &quot;file&quot;.&quot;, without its full stop: %n bytes (0 or more) of the %1 bytes written reached the disk.</extracomment>
        <translation>
            <numerusform>لم يصل إلى القرص أي بايت من أصل %1</numerusform>
            <numerusform>لم يصل إلى القرص إلا بايت واحد من أصل %1</numerusform>
            <numerusform>لم يصل إلى القرص إلا بايتان من أصل %1</numerusform>
            <numerusform>لم يصل إلى القرص إلا %n بايتات من أصل %1</numerusform>
            <numerusform>لم يصل إلى القرص إلا %n بايتًا من أصل %1</numerusform>
            <numerusform>لم يصل إلى القرص إلا %n بايت من أصل %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %n of %1 bytes reached the disk. %2</source>
        <extracomment>As &quot;Only %n of %1 bytes reached the disk&quot;, followed by the system's reason %2 (a sentence without its full stop).</extracomment>
        <translation>
            <numerusform>لم يصل إلى القرص أي بايت من أصل %1. %2</numerusform>
            <numerusform>لم يصل إلى القرص إلا بايت واحد من أصل %1. %2</numerusform>
            <numerusform>لم يصل إلى القرص إلا بايتان من أصل %1. %2</numerusform>
            <numerusform>لم يصل إلى القرص إلا %n بايتات من أصل %1. %2</numerusform>
            <numerusform>لم يصل إلى القرص إلا %n بايتًا من أصل %1. %2</numerusform>
            <numerusform>لم يصل إلى القرص إلا %n بايت من أصل %1. %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>لم يُكتب أي ملف.</translation>
    </message>
    <message>
        <source>The existing file &quot;%1&quot; was left as it was.</source>
        <extracomment>%1 is the name of the file that the result file was to replace.</extracomment>
        <translation>بقي الملف الموجود «⁨%1⁩» على حاله.</translation>
    </message>
</context>
<context>
    <name>desktop</name>
    <message>
        <source>Derivatives of tabulated functions</source>
        <extracomment>The kind of program, as a desktop's menus name it.</extracomment>
        <translation>مشتقات الدوال الجدولية</translation>
    </message>
    <message>
        <source>Estimate the derivative of a function known only as a table of samples</source>
        <extracomment>What the program does, in a desktop's menus.</extracomment>
        <translation>تقدير مشتقة دالة لا تُعرف إلا من جدول نقاط</translation>
    </message>
    <message>
        <source>derivative;finite differences;interpolation;Newton;numerics;</source>
        <extracomment>Words a desktop's search finds the program by: keep each ended by a semicolon.</extracomment>
        <translation>مشتقة;فروق منتهية;استكمال;نيوتن;Newton;تحليل عددي;</translation>
    </message>
</context>
<context>
    <name>metainfo</name>
    <message>
        <source>Estimate derivatives of a function known only as a table of samples</source>
        <extracomment>The one-line summary in software centres.</extracomment>
        <translation>تقدير مشتقات دالة لا تُعرف إلا من جدول نقاط</translation>
    </message>
    <message>
        <source>From a table of equally spaced samples (x, y) of a function, tabderiv estimates the derivative y' at every sample by finite differences and writes x, y and y' to a result file.</source>
        <extracomment>A paragraph of the description in software centres.</extracomment>
        <translation>انطلاقًا من جدول نقاط (x، y) متساوية التباعد لدالة ما، يقدّر tabderiv المشتقة y' عند كل نقطة بطريقة الفروق المنتهية، ويكتب x وy وy' في ملف نتائج.</translation>
    </message>
    <message>
        <source>It then shows y and y' at an abscissa typed in its window: the tabulated values on a sample, and a second-order Newton interpolation between the samples of an ascending table.</source>
        <extracomment>A paragraph of the description in software centres.</extracomment>
        <translation>ثم يعرض y وy' عند الإحداثي السيني المكتوب في نافذته: القيم الجدولية عند النقطة، واستكمال نيوتن من الدرجة الثانية بين نقاط الجدول المرتب تصاعديًا.</translation>
    </message>
    <message>
        <source>The sample file is a plain text list of numbers, read as pairs x, y; the result file has one line x y y' per sample. tabderiv is a small desktop program with one window.</source>
        <extracomment>A paragraph of the description in software centres.</extracomment>
        <translation>ملف النقاط قائمة أعداد في نص عادي تُقرأ أزواجًا x، y؛ ولملف النتائج سطر x y y' لكل نقطة. tabderiv برنامج سطح مكتب صغير ذو نافذة واحدة.</translation>
    </message>
</context>
</TS>
