<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>tabderiv</name>
    <message>
        <source>Calculate</source>
        <extracomment>The button that runs one calculation.</extracomment>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The button that ends the program.</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Abscissa x</source>
        <extracomment>Screen readers' name of the box in which the abscissa x is typed.</extracomment>
        <translation>Ascissa x</translation>
    </message>
    <message>
        <source>The abscissa x at which y′ and y are shown</source>
        <extracomment>Screen readers' description of the box.</extracomment>
        <translation>L’ascissa x in cui vengono mostrati y′ e y</translation>
    </message>
    <message>
        <source>Derivative y′</source>
        <extracomment>Screen readers' name of the field that shows the derivative y′.</extracomment>
        <translation>Derivata y′</translation>
    </message>
    <message>
        <source>Value y</source>
        <extracomment>Screen readers' name of the field that shows the value y.</extracomment>
        <translation>Valore y</translation>
    </message>
    <message>
        <source>Derivative y′ at x</source>
        <extracomment>Screen readers' description of the field that shows the derivative y′.</extracomment>
        <translation>Derivata y′ in x</translation>
    </message>
    <message>
        <source>Value y at x</source>
        <extracomment>Screen readers' description of the field that shows the value y.</extracomment>
        <translation>Valore y in x</translation>
    </message>
    <message>
        <source>Derivative y′ at x = %1</source>
        <extracomment>A field whose value was found at another abscissa than the box now reads; %1 is that abscissa.</extracomment>
        <translation>Derivata y′ in x = %1</translation>
    </message>
    <message>
        <source>Value y at x = %1</source>
        <extracomment>As &quot;Derivative y′ at x = %1&quot;, for the value y.</extracomment>
        <translation>Valore y in x = %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A field's tooltip: %1 says what the field holds, %2 is its value.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>The context menu of an output field.</extracomment>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>At x = %1: derivative %2, value %3</source>
        <extracomment>Spoken by a screen reader after a calculation: %1 is the abscissa, %2 the derivative y′ and %3 the value y as the window shows them, with the locale's decimal separator. Where that separator is a comma, separate the parts with something a listener cannot take for part of a number (a semicolon, say).</extracomment>
        <translation>In x = %1: derivata %2; valore %3</translation>
    </message>
    <message>
        <source>The calculation failed unexpectedly: %1</source>
        <extracomment>%1 is the message of an error the program did not foresee.</extracomment>
        <translation>Il calcolo si è interrotto per un errore imprevisto: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the sample file just read. Replace its samples with the results?</source>
        <extracomment>Asked before the result file replaces the sample file; %1 is its name.</extracomment>
        <translation>«%1» è il file dei nodi appena letto. Sostituire i suoi nodi con i risultati?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and the sample file &quot;%2&quot; just read are one file under two names. Replace &quot;%1&quot; with the results? &quot;%2&quot; keeps its samples.</source>
        <extracomment>Asked before the result file replaces %1, a second name (a hard link) of the sample file %2: saving gives the name %1 a new file, and %2 keeps its samples.</extracomment>
        <translation>«%1» e il file dei nodi «%2» appena letto sono lo stesso file con due nomi. Sostituire «%1» con i risultati? «%2» conserva i suoi nodi.</translation>
    </message>
    <message>
        <source>The box is empty, so x was read as 0.</source>
        <extracomment>A note after a calculation whose box was empty.</extracomment>
        <translation>La casella è vuota, quindi si è posto x = 0.</translation>
    </message>
    <message>
        <source>The box holds no number (&quot;%1&quot;), so x was read as 0.</source>
        <extracomment>%1 is the text of the box.</extracomment>
        <translation>La casella non contiene alcun numero («%1»), quindi si è posto x = 0.</translation>
    </message>
    <message>
        <source>The abscissa &quot;%1&quot; was read as %2: the rest, &quot;%3&quot;, is not part of the number.</source>
        <extracomment>%1 is the text of the box, %2 the number read from its start, %3 the text after it.</extracomment>
        <translation>L’ascissa «%1» è stata letta come %2: il resto, «%3», non fa parte del numero.</translation>
    </message>
    <message>
        <source>No value at x = %1: the table runs from %2 to %3.</source>
        <extracomment>%1 is the abscissa, %2 and %3 the first and the last abscissa of the table.</extracomment>
        <translation>Nessun valore in x = %1: la tabella va da %2 a %3.</translation>
    </message>
    <message>
        <source>No value at x = %1: the table runs from %2 to %3, and values between samples are interpolated in ascending tables only.</source>
        <extracomment>As the sentence before, for an abscissa inside a descending table.</extracomment>
        <translation>Nessun valore in x = %1: la tabella va da %2 a %3, e i valori tra i nodi si interpolano solo nelle tabelle ad ascisse crescenti.</translation>
    </message>
    <message>
        <source>The result at x = %1 is too large to be shown: it is not a finite number.</source>
        <extracomment>%1 is the abscissa.</extracomment>
        <translation>Il risultato in x = %1 è troppo grande per essere mostrato: non è un numero finito.</translation>
    </message>
    <message>
        <source>The samples have no spacing, so no derivative can be estimated.</source>
        <extracomment>The spacing of the table (the distance between neighbouring abscissas) is 0.</extracomment>
        <translation>I nodi hanno passo nullo, quindi non si può stimare alcuna derivata.</translation>
    </message>
    <message>
        <source>The derivative at sample %1 is too large for a number: the ordinates are too large for a spacing of %2.</source>
        <extracomment>%1 is the number of the sample, counted from 1; %2 is the spacing.</extracomment>
        <translation>La derivata nel nodo n. %1 è troppo grande per essere rappresentata: le ordinate sono troppo grandi per un passo di %2.</translation>
    </message>
    <message>
        <source>Internal error: index %1 lies outside the sample table (0 to %2).</source>
        <extracomment>%1 is an index the program used, %2 the last index of the table.</extracomment>
        <translation>Errore interno: l’indice %1 è fuori dalla tabella dei nodi (da 0 a %2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: %3</source>
        <extracomment>%1 is the sample file's name, %2 the line; %3 the rest of the message, which begins in lower case.</extracomment>
        <translation>«%1», riga %2: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: more than %3 samples; %3 is the most a table holds.</source>
        <extracomment>%1 is the sample file's name, %2 the line, %3 the most samples a table holds (101).</extracomment>
        <translation>«%1», riga %2: più di %3 nodi; una tabella ne contiene al massimo %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: the abscissa %3 has no ordinate; the numbers of a sample file come in pairs x, y.</source>
        <extracomment>%1 is the sample file's name, %2 the line, %3 the abscissa x that has no ordinate y, as the file writes it.</extracomment>
        <translation>«%1», riga %2: l’ascissa %3 non ha ordinata; i numeri di un file dei nodi vanno a coppie x, y.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no samples; a sample file lists pairs of numbers x, y.</source>
        <extracomment>%1 is the sample file's name.</extracomment>
        <translation>«%1» non contiene nodi; un file dei nodi elenca coppie di numeri x, y.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds only 1 sample; at least %2 are needed to estimate derivatives.</source>
        <extracomment>%1 is the sample file's name, %2 the fewest samples a table holds (4).</extracomment>
        <translation>«%1» contiene un solo nodo; per stimare le derivate ne servono almeno %2.</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; holds only %n samples; at least %2 are needed to estimate derivatives.</source>
        <extracomment>%1 is the sample file's name, %n the number of samples it holds (2 or 3), %2 the fewest samples a table holds (4).</extracomment>
        <translation>
            <numerusform>«%1» contiene solo %n nodo; per stimare le derivate ne servono almeno %2.</numerusform>
            <numerusform>«%1» contiene solo %n nodi; per stimare le derivate ne servono almeno %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the first and the last abscissa are both %2, so the samples have no spacing.</source>
        <extracomment>%1 is the sample file's name, %2 the abscissa of both the first and the last sample, as the file writes it.</extracomment>
        <translation>«%1»: la prima e l’ultima ascissa valgono entrambe %2, quindi i nodi hanno passo nullo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the abscissas %2 and %3 lie too far apart.</source>
        <extracomment>%1 is the sample file's name; %2 and %3 are two neighbouring abscissas, as the file writes them.</extracomment>
        <translation>«%1»: le ascisse %2 e %3 sono troppo distanti.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: the abscissa %3 lies %4 from the one before it, but the samples must be equally spaced, %5 apart in this table.</source>
        <extracomment>%1 is the sample file's name, %2 the line, %3 the abscissa as the file writes it, %4 its distance from the abscissa before it, %5 the spacing of the table.</extracomment>
        <translation>«%1», riga %2: l’ascissa %3 dista %4 dalla precedente, ma i nodi devono essere equispaziati, con passo %5 in questa tabella.</translation>
    </message>
    <message>
        <source>a comma with no number after it.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case.</extracomment>
        <translation>una virgola non seguita da alcun numero.</translation>
    </message>
    <message>
        <source>a comma with no number before it.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case.</extracomment>
        <translation>una virgola non preceduta da alcun numero.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number: the field is longer than %2 characters.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case. %1 is the field, %2 the most characters a field has.</extracomment>
        <translation>«%1» non è un numero: il campo supera i %2 caratteri.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case. %1 is the field.</extracomment>
        <translation>«%1» non è un numero.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ended where a number was expected.</source>
        <extracomment>%1 is the sample file's name.</extracomment>
        <translation>Il file «%1» è terminato dove era atteso un numero.</translation>
    </message>
    <message>
        <source>The number %1 is too large.</source>
        <extracomment>%1 is the number as it was typed in the box.</extracomment>
        <translation>Il numero %1 è troppo grande.</translation>
    </message>
    <message>
        <source>the number %1 is too large.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case. %1 is the number as the file writes it.</extracomment>
        <translation>il numero %1 è troppo grande.</translation>
    </message>
    <message>
        <source>The number %1 could not be converted.</source>
        <extracomment>%1 is the number as it was typed.</extracomment>
        <translation>Non è stato possibile convertire il numero %1.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot; for reading. %2.</source>
        <extracomment>%1 is the file's path, %2 the system's reason (a sentence without its full stop).</extracomment>
        <translation>Impossibile aprire «%1» in lettura. %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;. %2.</source>
        <extracomment>%1 is the file's path, %2 the system's reason (a sentence without its full stop).</extracomment>
        <translation>Impossibile leggere «%1». %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: it is a folder, not a file.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Impossibile leggere «%1»: è una cartella, non un file.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: it is not a regular file (a pipe, a device or a socket).</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Impossibile leggere «%1»: non è un file regolare (è una pipe, un dispositivo o un socket).</translation>
    </message>
    <message>
        <source>The file looks like a result file (three numbers on every line: x, y and y′), not a sample file of pairs x, y.</source>
        <extracomment>Follows a message about the sample file; &quot;The file&quot; is that file.</extracomment>
        <translation>Il file sembra un file dei risultati (tre numeri su ogni riga: x, y e y′), non un file dei nodi a coppie x, y.</translation>
    </message>
    <message>
        <source>The numbers look written with decimal commas: in a sample file &quot;,&quot; separates numbers and &quot;.&quot; is the decimal point.</source>
        <extracomment>Follows a message about the sample file.</extracomment>
        <translation>I numeri sembrano scritti con la virgola decimale: in un file dei nodi la virgola separa i numeri e il punto è il separatore decimale.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not look like a text file: it holds bytes that are not text.</source>
        <extracomment>%1 is the file's name.</extracomment>
        <translation>«%1» non sembra un file di testo: contiene byte che non sono testo.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;. %2.</source>
        <extracomment>%1 is the file's path, %2 the reason (a sentence without its full stop).</extracomment>
        <translation>Impossibile scrivere «%1». %2.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Impossibile scrivere «%1».</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is a folder, not a file.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Impossibile scrivere «%1»: è una cartella, non un file.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is not a regular file.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Impossibile scrivere «%1»: non è un file regolare.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the folder &quot;%2&quot; cannot be written. %3.</source>
        <extracomment>%1 is the file's path, %2 its folder, %3 the system's reason (a sentence without its full stop).</extracomment>
        <translation>Impossibile scrivere «%1»: non si può scrivere nella cartella «%2». %3.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot; for writing. %2.</source>
        <extracomment>%1 is the file's path, %2 the system's reason (a sentence without its full stop).</extracomment>
        <translation>Impossibile aprire «%1» in scrittura. %2.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot; for writing.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Impossibile aprire «%1» in scrittura.</translation>
    </message>
    <message numerus="yes">
        <source>Only %n of %1 bytes reached the disk</source>
        <extracomment>A reason, after &quot;Cannot write &quot;file&quot;.&quot;, without its full stop: %n bytes (0 or more) of the %1 bytes written reached the disk.</extracomment>
        <translation>
            <numerusform>Solo %n byte su %1 è stato scritto sul disco</numerusform>
            <numerusform>Solo %n byte su %1 sono stati scritti sul disco</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %n of %1 bytes reached the disk. %2</source>
        <extracomment>As &quot;Only %n of %1 bytes reached the disk&quot;, followed by the system's reason %2 (a sentence without its full stop).</extracomment>
        <translation>
            <numerusform>Solo %n byte su %1 è stato scritto sul disco. %2</numerusform>
            <numerusform>Solo %n byte su %1 sono stati scritti sul disco. %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Non è stato scritto alcun file.</translation>
    </message>
    <message>
        <source>The existing file &quot;%1&quot; was left as it was.</source>
        <extracomment>%1 is the name of the file that the result file was to replace.</extracomment>
        <translation>Il file esistente «%1» è rimasto invariato.</translation>
    </message>
</context>
<context>
    <name>desktop</name>
    <message>
        <source>Derivatives of tabulated functions</source>
        <extracomment>The kind of program, as a desktop's menus name it.</extracomment>
        <translation>Derivate di funzioni tabulate</translation>
    </message>
    <message>
        <source>Estimate the derivative of a function known only as a table of samples</source>
        <extracomment>What the program does, in a desktop's menus.</extracomment>
        <translation>Stima la derivata di una funzione nota solo tramite una tabella di nodi</translation>
    </message>
    <message>
        <source>derivative;finite differences;interpolation;Newton;numerics;</source>
        <extracomment>Words a desktop's search finds the program by: keep each ended by a semicolon.</extracomment>
        <translation>derivata;differenze finite;interpolazione;Newton;calcolo numerico;analisi numerica;</translation>
    </message>
</context>
<context>
    <name>metainfo</name>
    <message>
        <source>Estimate derivatives of a function known only as a table of samples</source>
        <extracomment>The one-line summary in software centres.</extracomment>
        <translation>Stima le derivate di una funzione nota solo tramite una tabella di nodi</translation>
    </message>
    <message>
        <source>From a table of equally spaced samples (x, y) of a function, tabderiv estimates the derivative y' at every sample by finite differences and writes x, y and y' to a result file.</source>
        <extracomment>A paragraph of the description in software centres.</extracomment>
        <translation>A partire da una tabella di nodi equispaziati (x, y) di una funzione, tabderiv stima la derivata y' in ogni nodo con le differenze finite e scrive x, y e y' in un file dei risultati.</translation>
    </message>
    <message>
        <source>It then shows y and y' at an abscissa typed in its window: the tabulated values on a sample, and a second-order Newton interpolation between the samples of an ascending table.</source>
        <extracomment>A paragraph of the description in software centres.</extracomment>
        <translation>Poi mostra y e y' nell’ascissa digitata nella sua finestra: i valori tabulati in un nodo e, tra i nodi di una tabella ad ascisse crescenti, l’interpolazione di Newton del secondo ordine.</translation>
    </message>
    <message>
        <source>The sample file is a plain text list of numbers, read as pairs x, y; the result file has one line x y y' per sample. tabderiv is a small desktop program with one window.</source>
        <extracomment>A paragraph of the description in software centres.</extracomment>
        <translation>Il file dei nodi è un elenco di numeri in testo semplice, letti a coppie x, y; il file dei risultati ha una riga x y y' per ogni nodo. tabderiv è un piccolo programma per il desktop con una sola finestra.</translation>
    </message>
</context>
</TS>
