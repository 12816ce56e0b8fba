<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>tabderiv</name>
    <message>
        <source>Calculate</source>
        <extracomment>The button that runs one calculation.</extracomment>
        <translation>Oblicz</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The button that ends the program.</extracomment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Abscissa x</source>
        <extracomment>Screen readers' name of the box in which the abscissa x is typed.</extracomment>
        <translation>Odcięta x</translation>
    </message>
    <message>
        <source>The abscissa x at which y′ and y are shown</source>
        <extracomment>Screen readers' description of the box.</extracomment>
        <translation>Odcięta x, dla której wyświetlane są y′ i y</translation>
    </message>
    <message>
        <source>Derivative y′</source>
        <extracomment>Screen readers' name of the field that shows the derivative y′.</extracomment>
        <translation>Pochodna y′</translation>
    </message>
    <message>
        <source>Value y</source>
        <extracomment>Screen readers' name of the field that shows the value y.</extracomment>
        <translation>Wartość y</translation>
    </message>
    <message>
        <source>Derivative y′ at x</source>
        <extracomment>Screen readers' description of the field that shows the derivative y′.</extracomment>
        <translation>Pochodna y′ w punkcie x</translation>
    </message>
    <message>
        <source>Value y at x</source>
        <extracomment>Screen readers' description of the field that shows the value y.</extracomment>
        <translation>Wartość y w punkcie x</translation>
    </message>
    <message>
        <source>Derivative y′ at x = %1</source>
        <extracomment>A field whose value was found at another abscissa than the box now reads; %1 is that abscissa.</extracomment>
        <translation>Pochodna y′ w punkcie x = %1</translation>
    </message>
    <message>
        <source>Value y at x = %1</source>
        <extracomment>As &quot;Derivative y′ at x = %1&quot;, for the value y.</extracomment>
        <translation>Wartość y w punkcie x = %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A field's tooltip: %1 says what the field holds, %2 is its value.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>The context menu of an output field.</extracomment>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>At x = %1: derivative %2, value %3</source>
        <extracomment>Spoken by a screen reader after a calculation: %1 is the abscissa, %2 the derivative y′ and %3 the value y as the window shows them, with the locale's decimal separator. Where that separator is a comma, separate the parts with something a listener cannot take for part of a number (a semicolon, say).</extracomment>
        <translation>W punkcie x = %1: pochodna %2; wartość %3</translation>
    </message>
    <message>
        <source>The calculation failed unexpectedly: %1</source>
        <extracomment>%1 is the message of an error the program did not foresee.</extracomment>
        <translation>Obliczenia nieoczekiwanie nie powiodły się: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the sample file just read. Replace its samples with the results?</source>
        <extracomment>Asked before the result file replaces the sample file; %1 is its name.</extracomment>
        <translation>„%1” to właśnie wczytany plik węzłów. Zastąpić jego węzły wynikami?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and the sample file &quot;%2&quot; just read are one file under two names. Replace &quot;%1&quot; with the results? &quot;%2&quot; keeps its samples.</source>
        <extracomment>Asked before the result file replaces %1, a second name (a hard link) of the sample file %2: saving gives the name %1 a new file, and %2 keeps its samples.</extracomment>
        <translation>„%1” i właśnie wczytany plik węzłów „%2” to jeden plik pod dwiema nazwami. Zastąpić „%1” wynikami? „%2” zachowa swoje węzły.</translation>
    </message>
    <message>
        <source>The box is empty, so x was read as 0.</source>
        <extracomment>A note after a calculation whose box was empty.</extracomment>
        <translation>Pole wprowadzania jest puste, więc przyjęto x = 0.</translation>
    </message>
    <message>
        <source>The box holds no number (&quot;%1&quot;), so x was read as 0.</source>
        <extracomment>%1 is the text of the box.</extracomment>
        <translation>Pole wprowadzania nie zawiera liczby („%1”), więc przyjęto x = 0.</translation>
    </message>
    <message>
        <source>The abscissa &quot;%1&quot; was read as %2: the rest, &quot;%3&quot;, is not part of the number.</source>
        <extracomment>%1 is the text of the box, %2 the number read from its start, %3 the text after it.</extracomment>
        <translation>Odciętą „%1” odczytano jako %2: reszta, „%3”, nie należy do liczby.</translation>
    </message>
    <message>
        <source>No value at x = %1: the table runs from %2 to %3.</source>
        <extracomment>%1 is the abscissa, %2 and %3 the first and the last abscissa of the table.</extracomment>
        <translation>Brak wartości w punkcie x = %1: tablica obejmuje odcięte od %2 do %3.</translation>
    </message>
    <message>
        <source>No value at x = %1: the table runs from %2 to %3, and values between samples are interpolated in ascending tables only.</source>
        <extracomment>As the sentence before, for an abscissa inside a descending table.</extracomment>
        <translation>Brak wartości w punkcie x = %1: tablica obejmuje odcięte od %2 do %3, a wartości między węzłami są interpolowane tylko w tablicach o rosnących odciętych.</translation>
    </message>
    <message>
        <source>The result at x = %1 is too large to be shown: it is not a finite number.</source>
        <extracomment>%1 is the abscissa.</extracomment>
        <translation>Wynik w punkcie x = %1 jest zbyt duży, by go wyświetlić: nie jest liczbą skończoną.</translation>
    </message>
    <message>
        <source>The samples have no spacing, so no derivative can be estimated.</source>
        <extracomment>The spacing of the table (the distance between neighbouring abscissas) is 0.</extracomment>
        <translation>Krok między węzłami jest zerowy, więc nie można oszacować pochodnej.</translation>
    </message>
    <message>
        <source>The derivative at sample %1 is too large for a number: the ordinates are too large for a spacing of %2.</source>
        <extracomment>%1 is the number of the sample, counted from 1; %2 is the spacing.</extracomment>
        <translation>Pochodna w węźle nr %1 jest zbyt duża, by dało się ją przedstawić jako liczbę: rzędne są zbyt duże przy kroku %2.</translation>
    </message>
    <message>
        <source>Internal error: index %1 lies outside the sample table (0 to %2).</source>
        <extracomment>%1 is an index the program used, %2 the last index of the table.</extracomment>
        <translation>Błąd wewnętrzny: indeks %1 wykracza poza tablicę węzłów (od 0 do %2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: %3</source>
        <extracomment>%1 is the sample file's name, %2 the line; %3 the rest of the message, which begins in lower case.</extracomment>
        <translation>„%1”, wiersz %2: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: more than %3 samples; %3 is the most a table holds.</source>
        <extracomment>%1 is the sample file's name, %2 the line, %3 the most samples a table holds (101).</extracomment>
        <translation>„%1”, wiersz %2: liczba węzłów przekracza %3; tablica mieści najwyżej %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: the abscissa %3 has no ordinate; the numbers of a sample file come in pairs x, y.</source>
        <extracomment>%1 is the sample file's name, %2 the line, %3 the abscissa x that has no ordinate y, as the file writes it.</extracomment>
        <translation>„%1”, wiersz %2: odcięta %3 nie ma rzędnej; liczby w pliku węzłów występują parami x, y.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no samples; a sample file lists pairs of numbers x, y.</source>
        <extracomment>%1 is the sample file's name.</extracomment>
        <translation>„%1” nie zawiera węzłów; plik węzłów to lista par liczb x, y.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds only 1 sample; at least %2 are needed to estimate derivatives.</source>
        <extracomment>%1 is the sample file's name, %2 the fewest samples a table holds (4).</extracomment>
        <translation>„%1” zawiera tylko 1 węzeł; do oszacowania pochodnych potrzeba co najmniej %2.</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; holds only %n samples; at least %2 are needed to estimate derivatives.</source>
        <extracomment>%1 is the sample file's name, %n the number of samples it holds (2 or 3), %2 the fewest samples a table holds (4).</extracomment>
        <translation>
            <numerusform>„%1” zawiera tylko %n węzeł; do oszacowania pochodnych potrzeba co najmniej %2.</numerusform>
            <numerusform>„%1” zawiera tylko %n węzły; do oszacowania pochodnych potrzeba co najmniej %2.</numerusform>
            <numerusform>„%1” zawiera tylko %n węzłów; do oszacowania pochodnych potrzeba co najmniej %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the first and the last abscissa are both %2, so the samples have no spacing.</source>
        <extracomment>%1 is the sample file's name, %2 the abscissa of both the first and the last sample, as the file writes it.</extracomment>
        <translation>„%1”: pierwsza i ostatnia odcięta są równe %2, więc krok między węzłami jest zerowy.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the abscissas %2 and %3 lie too far apart.</source>
        <extracomment>%1 is the sample file's name; %2 and %3 are two neighbouring abscissas, as the file writes them.</extracomment>
        <translation>„%1”: odcięte %2 i %3 leżą zbyt daleko od siebie.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: the abscissa %3 lies %4 from the one before it, but the samples must be equally spaced, %5 apart in this table.</source>
        <extracomment>%1 is the sample file's name, %2 the line, %3 the abscissa as the file writes it, %4 its distance from the abscissa before it, %5 the spacing of the table.</extracomment>
        <translation>„%1”, wiersz %2: odcięta %3 leży w odległości %4 od poprzedniej, a węzły muszą być równoodległe, w tej tablicy z krokiem %5.</translation>
    </message>
    <message>
        <source>a comma with no number after it.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case.</extracomment>
        <translation>przecinek, po którym nie ma liczby.</translation>
    </message>
    <message>
        <source>a comma with no number before it.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case.</extracomment>
        <translation>przecinek, przed którym nie ma liczby.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number: the field is longer than %2 characters.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case. %1 is the field, %2 the most characters a field has.</extracomment>
        <translation>„%1” nie jest liczbą: pole jest dłuższe niż %2 znaków.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case. %1 is the field.</extracomment>
        <translation>„%1” nie jest liczbą.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ended where a number was expected.</source>
        <extracomment>%1 is the sample file's name.</extracomment>
        <translation>Plik „%1” kończy się tam, gdzie powinna być liczba.</translation>
    </message>
    <message>
        <source>The number %1 is too large.</source>
        <extracomment>%1 is the number as it was typed in the box.</extracomment>
        <translation>Liczba %1 jest zbyt duża.</translation>
    </message>
    <message>
        <source>the number %1 is too large.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case. %1 is the number as the file writes it.</extracomment>
        <translation>liczba %1 jest zbyt duża.</translation>
    </message>
    <message>
        <source>The number %1 could not be converted.</source>
        <extracomment>%1 is the number as it was typed.</extracomment>
        <translation>Nie udało się przekonwertować liczby %1.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot; for reading. %2.</source>
        <extracomment>%1 is the file's path, %2 the system's reason (a sentence without its full stop).</extracomment>
        <translation>Nie można otworzyć „%1” do odczytu. %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;. %2.</source>
        <extracomment>%1 is the file's path, %2 the system's reason (a sentence without its full stop).</extracomment>
        <translation>Nie można odczytać „%1”. %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: it is a folder, not a file.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Nie można odczytać „%1”: to katalog, a nie plik.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: it is not a regular file (a pipe, a device or a socket).</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Nie można odczytać „%1”: to nie jest zwykły plik (lecz potok, urządzenie lub gniazdo).</translation>
    </message>
    <message>
        <source>The file looks like a result file (three numbers on every line: x, y and y′), not a sample file of pairs x, y.</source>
        <extracomment>Follows a message about the sample file; &quot;The file&quot; is that file.</extracomment>
        <translation>Ten plik wygląda na plik wyników (trzy liczby w każdym wierszu: x, y i y′), a nie na plik węzłów z parami x, y.</translation>
    </message>
    <message>
        <source>The numbers look written with decimal commas: in a sample file &quot;,&quot; separates numbers and &quot;.&quot; is the decimal point.</source>
        <extracomment>Follows a message about the sample file.</extracomment>
        <translation>Wygląda na to, że liczby zapisano z przecinkiem dziesiętnym: w pliku węzłów przecinek oddziela liczby, a kropka jest separatorem dziesiętnym.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not look like a text file: it holds bytes that are not text.</source>
        <extracomment>%1 is the file's name.</extracomment>
        <translation>„%1” nie wygląda na plik tekstowy: zawiera bajty, które nie są tekstem.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;. %2.</source>
        <extracomment>%1 is the file's path, %2 the reason (a sentence without its full stop).</extracomment>
        <translation>Nie można zapisać „%1”. %2.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Nie można zapisać „%1”.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is a folder, not a file.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Nie można zapisać „%1”: to katalog, a nie plik.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is not a regular file.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Nie można zapisać „%1”: to nie jest zwykły plik.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the folder &quot;%2&quot; cannot be written. %3.</source>
        <extracomment>%1 is the file's path, %2 its folder, %3 the system's reason (a sentence without its full stop).</extracomment>
        <translation>Nie można zapisać „%1”: w katalogu „%2” nie można zapisywać. %3.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot; for writing. %2.</source>
        <extracomment>%1 is the file's path, %2 the system's reason (a sentence without its full stop).</extracomment>
        <translation>Nie można otworzyć „%1” do zapisu. %2.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot; for writing.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Nie można otworzyć „%1” do zapisu.</translation>
    </message>
    <message numerus="yes">
        <source>Only %n of %1 bytes reached the disk</source>
        <extracomment>A reason, after &quot;Cannot write &quot;file&quot;.&quot;, without its full stop: %n bytes (0 or more) of the %1 bytes written reached the disk.</extracomment>
        <translation>
            <numerusform>Na dysk trafił tylko %n bajt z %1</numerusform>
            <numerusform>Na dysk trafiły tylko %n bajty z %1</numerusform>
            <numerusform>Na dysk trafiło tylko %n bajtów z %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %n of %1 bytes reached the disk. %2</source>
        <extracomment>As &quot;Only %n of %1 bytes reached the disk&quot;, followed by the system's reason %2 (a sentence without its full stop).</extracomment>
        <translation>
            <numerusform>Na dysk trafił tylko %n bajt z %1. %2</numerusform>
            <numerusform>Na dysk trafiły tylko %n bajty z %1. %2</numerusform>
            <numerusform>Na dysk trafiło tylko %n bajtów z %1. %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Nie zapisano żadnego pliku.</translation>
    </message>
    <message>
        <source>The existing file &quot;%1&quot; was left as it was.</source>
        <extracomment>%1 is the name of the file that the result file was to replace.</extracomment>
        <translation>Istniejący plik „%1” pozostał bez zmian.</translation>
    </message>
</context>
<context>
    <name>desktop</name>
    <message>
        <source>Derivatives of tabulated functions</source>
        <extracomment>The kind of program, as a desktop's menus name it.</extracomment>
        <translation>Pochodne funkcji stablicowanych</translation>
    </message>
    <message>
        <source>Estimate the derivative of a function known only as a table of samples</source>
        <extracomment>What the program does, in a desktop's menus.</extracomment>
        <translation>Przybliżone obliczanie pochodnej funkcji danej tylko tablicą węzłów</translation>
    </message>
    <message>
        <source>derivative;finite differences;interpolation;Newton;numerics;</source>
        <extracomment>Words a desktop's search finds the program by: keep each ended by a semicolon.</extracomment>
        <translation>pochodna;różnice skończone;interpolacja;Newton;metody numeryczne;</translation>
    </message>
</context>
<context>
    <name>metainfo</name>
    <message>
        <source>Estimate derivatives of a function known only as a table of samples</source>
        <extracomment>The one-line summary in software centres.</extracomment>
        <translation>Przybliżone obliczanie pochodnych funkcji danej tylko tablicą węzłów</translation>
    </message>
    <message>
        <source>From a table of equally spaced samples (x, y) of a function, tabderiv estimates the derivative y' at every sample by finite differences and writes x, y and y' to a result file.</source>
        <extracomment>A paragraph of the description in software centres.</extracomment>
        <translation>Na podstawie tablicy wartości funkcji w równoodległych węzłach (x, y) tabderiv oblicza w przybliżeniu pochodną y' w każdym węźle metodą różnic skończonych i zapisuje x, y oraz y' do pliku wyników.</translation>
    </message>
    <message>
        <source>It then shows y and y' at an abscissa typed in its window: the tabulated values on a sample, and a second-order Newton interpolation between the samples of an ascending table.</source>
        <extracomment>A paragraph of the description in software centres.</extracomment>
        <translation>Następnie program pokazuje y i y' dla odciętej wpisanej w jego oknie: w węźle – wartości z tablicy, a między węzłami tablicy o rosnących odciętych – wartości wielomianu interpolacyjnego Newtona drugiego stopnia.</translation>
    </message>
    <message>
        <source>The sample file is a plain text list of numbers, read as pairs x, y; the result file has one line x y y' per sample. tabderiv is a small desktop program with one window.</source>
        <extracomment>A paragraph of the description in software centres.</extracomment>
        <translation>Plik węzłów to zwykła tekstowa lista liczb, odczytywanych parami x, y; plik wyników zawiera po jednym wierszu x y y' dla każdego węzła. tabderiv to niewielki program graficzny z jednym oknem.</translation>
    </message>
</context>
</TS>
