<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>tabderiv</name>
    <message>
        <source>Calculate</source>
        <extracomment>The button that runs one calculation.</extracomment>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The button that ends the program.</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Abscissa x</source>
        <extracomment>Screen readers' name of the box in which the abscissa x is typed.</extracomment>
        <translation>Abscissa x</translation>
    </message>
    <message>
        <source>The abscissa x at which y′ and y are shown</source>
        <extracomment>Screen readers' description of the box.</extracomment>
        <translation>A abscissa x em que y′ e y são mostrados</translation>
    </message>
    <message>
        <source>Derivative y′</source>
        <extracomment>Screen readers' name of the field that shows the derivative y′.</extracomment>
        <translation>Derivada y′</translation>
    </message>
    <message>
        <source>Value y</source>
        <extracomment>Screen readers' name of the field that shows the value y.</extracomment>
        <translation>Valor y</translation>
    </message>
    <message>
        <source>Derivative y′ at x</source>
        <extracomment>Screen readers' description of the field that shows the derivative y′.</extracomment>
        <translation>Derivada y′ em x</translation>
    </message>
    <message>
        <source>Value y at x</source>
        <extracomment>Screen readers' description of the field that shows the value y.</extracomment>
        <translation>Valor y em x</translation>
    </message>
    <message>
        <source>Derivative y′ at x = %1</source>
        <extracomment>A field whose value was found at another abscissa than the box now reads; %1 is that abscissa.</extracomment>
        <translation>Derivada y′ em x = %1</translation>
    </message>
    <message>
        <source>Value y at x = %1</source>
        <extracomment>As &quot;Derivative y′ at x = %1&quot;, for the value y.</extracomment>
        <translation>Valor y em x = %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A field's tooltip: %1 says what the field holds, %2 is its value.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>The context menu of an output field.</extracomment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>At x = %1: derivative %2, value %3</source>
        <extracomment>Spoken by a screen reader after a calculation: %1 is the abscissa, %2 the derivative y′ and %3 the value y as the window shows them, with the locale's decimal separator. Where that separator is a comma, separate the parts with something a listener cannot take for part of a number (a semicolon, say).</extracomment>
        <translation>Em x = %1: derivada %2; valor %3</translation>
    </message>
    <message>
        <source>The calculation failed unexpectedly: %1</source>
        <extracomment>%1 is the message of an error the program did not foresee.</extracomment>
        <translation>O cálculo falhou inesperadamente: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the sample file just read. Replace its samples with the results?</source>
        <extracomment>Asked before the result file replaces the sample file; %1 is its name.</extracomment>
        <translation>“%1” é o arquivo de pontos que acabou de ser lido. Substituir os pontos do arquivo pelos resultados?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and the sample file &quot;%2&quot; just read are one file under two names. Replace &quot;%1&quot; with the results? &quot;%2&quot; keeps its samples.</source>
        <extracomment>Asked before the result file replaces %1, a second name (a hard link) of the sample file %2: saving gives the name %1 a new file, and %2 keeps its samples.</extracomment>
        <translation>“%1” e o arquivo de pontos “%2” que acabou de ser lido são um mesmo arquivo com dois nomes. Substituir “%1” pelos resultados? “%2” mantém os seus pontos.</translation>
    </message>
    <message>
        <source>The box is empty, so x was read as 0.</source>
        <extracomment>A note after a calculation whose box was empty.</extracomment>
        <translation>A caixa está vazia, então x foi lido como 0.</translation>
    </message>
    <message>
        <source>The box holds no number (&quot;%1&quot;), so x was read as 0.</source>
        <extracomment>%1 is the text of the box.</extracomment>
        <translation>A caixa não contém nenhum número (“%1”), então x foi lido como 0.</translation>
    </message>
    <message>
        <source>The abscissa &quot;%1&quot; was read as %2: the rest, &quot;%3&quot;, is not part of the number.</source>
        <extracomment>%1 is the text of the box, %2 the number read from its start, %3 the text after it.</extracomment>
        <translation>A abscissa “%1” foi lida como %2: o restante, “%3”, não faz parte do número.</translation>
    </message>
    <message>
        <source>No value at x = %1: the table runs from %2 to %3.</source>
        <extracomment>%1 is the abscissa, %2 and %3 the first and the last abscissa of the table.</extracomment>
        <translation>Nenhum valor em x = %1: a tabela vai de %2 a %3.</translation>
    </message>
    <message>
        <source>No value at x = %1: the table runs from %2 to %3, and values between samples are interpolated in ascending tables only.</source>
        <extracomment>As the sentence before, for an abscissa inside a descending table.</extracomment>
        <translation>Nenhum valor em x = %1: a tabela vai de %2 a %3, e os valores entre os pontos só são interpolados em tabelas com abscissas crescentes.</translation>
    </message>
    <message>
        <source>The result at x = %1 is too large to be shown: it is not a finite number.</source>
        <extracomment>%1 is the abscissa.</extracomment>
        <translation>O resultado em x = %1 é grande demais para ser mostrado: não é um número finito.</translation>
    </message>
    <message>
        <source>The samples have no spacing, so no derivative can be estimated.</source>
        <extracomment>The spacing of the table (the distance between neighbouring abscissas) is 0.</extracomment>
        <translation>Os pontos têm passo nulo, então nenhuma derivada pode ser estimada.</translation>
    </message>
    <message>
        <source>The derivative at sample %1 is too large for a number: the ordinates are too large for a spacing of %2.</source>
        <extracomment>%1 is the number of the sample, counted from 1; %2 is the spacing.</extracomment>
        <translation>A derivada no ponto nº %1 é grande demais para ser representada: as ordenadas são grandes demais para um passo de %2.</translation>
    </message>
    <message>
        <source>Internal error: index %1 lies outside the sample table (0 to %2).</source>
        <extracomment>%1 is an index the program used, %2 the last index of the table.</extracomment>
        <translation>Erro interno: o índice %1 está fora da tabela de pontos (0 a %2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: %3</source>
        <extracomment>%1 is the sample file's name, %2 the line; %3 the rest of the message, which begins in lower case.</extracomment>
        <translation>“%1”, linha %2: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: more than %3 samples; %3 is the most a table holds.</source>
        <extracomment>%1 is the sample file's name, %2 the line, %3 the most samples a table holds (101).</extracomment>
        <translation>“%1”, linha %2: mais de %3 pontos; uma tabela comporta no máximo %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: the abscissa %3 has no ordinate; the numbers of a sample file come in pairs x, y.</source>
        <extracomment>%1 is the sample file's name, %2 the line, %3 the abscissa x that has no ordinate y, as the file writes it.</extracomment>
        <translation>“%1”, linha %2: a abscissa %3 não tem ordenada; os números de um arquivo de pontos vêm em pares x, y.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no samples; a sample file lists pairs of numbers x, y.</source>
        <extracomment>%1 is the sample file's name.</extracomment>
        <translation>“%1” não contém pontos; um arquivo de pontos lista pares de números x, y.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds only 1 sample; at least %2 are needed to estimate derivatives.</source>
        <extracomment>%1 is the sample file's name, %2 the fewest samples a table holds (4).</extracomment>
        <translation>“%1” contém apenas 1 ponto; são necessários pelo menos %2 para estimar derivadas.</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; holds only %n samples; at least %2 are needed to estimate derivatives.</source>
        <extracomment>%1 is the sample file's name, %n the number of samples it holds (2 or 3), %2 the fewest samples a table holds (4).</extracomment>
        <translation>
            <numerusform>“%1” contém apenas %n ponto; são necessários pelo menos %2 para estimar derivadas.</numerusform>
            <numerusform>“%1” contém apenas %n pontos; são necessários pelo menos %2 para estimar derivadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the first and the last abscissa are both %2, so the samples have no spacing.</source>
        <extracomment>%1 is the sample file's name, %2 the abscissa of both the first and the last sample, as the file writes it.</extracomment>
        <translation>“%1”: a primeira e a última abscissa valem ambas %2, então os pontos têm passo nulo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the abscissas %2 and %3 lie too far apart.</source>
        <extracomment>%1 is the sample file's name; %2 and %3 are two neighbouring abscissas, as the file writes them.</extracomment>
        <translation>“%1”: as abscissas %2 e %3 estão afastadas demais.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: the abscissa %3 lies %4 from the one before it, but the samples must be equally spaced, %5 apart in this table.</source>
        <extracomment>%1 is the sample file's name, %2 the line, %3 the abscissa as the file writes it, %4 its distance from the abscissa before it, %5 the spacing of the table.</extracomment>
        <translation>“%1”, linha %2: a abscissa %3 está a %4 da anterior, mas os pontos devem ser igualmente espaçados, com passo %5 nesta tabela.</translation>
    </message>
    <message>
        <source>a comma with no number after it.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case.</extracomment>
        <translation>uma vírgula sem número depois dela.</translation>
    </message>
    <message>
        <source>a comma with no number before it.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case.</extracomment>
        <translation>uma vírgula sem número antes dela.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number: the field is longer than %2 characters.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case. %1 is the field, %2 the most characters a field has.</extracomment>
        <translation>“%1” não é um número: o campo tem mais de %2 caracteres.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case. %1 is the field.</extracomment>
        <translation>“%1” não é um número.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ended where a number was expected.</source>
        <extracomment>%1 is the sample file's name.</extracomment>
        <translation>O arquivo “%1” terminou onde se esperava um número.</translation>
    </message>
    <message>
        <source>The number %1 is too large.</source>
        <extracomment>%1 is the number as it was typed in the box.</extracomment>
        <translation>O número %1 é grande demais.</translation>
    </message>
    <message>
        <source>the number %1 is too large.</source>
        <extracomment>Follows &quot;file&quot;, line N: and so begins in lower case. %1 is the number as the file writes it.</extracomment>
        <translation>o número %1 é grande demais.</translation>
    </message>
    <message>
        <source>The number %1 could not be converted.</source>
        <extracomment>%1 is the number as it was typed.</extracomment>
        <translation>Não foi possível converter o número %1.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot; for reading. %2.</source>
        <extracomment>%1 is the file's path, %2 the system's reason (a sentence without its full stop).</extracomment>
        <translation>Não é possível abrir “%1” para leitura. %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;. %2.</source>
        <extracomment>%1 is the file's path, %2 the system's reason (a sentence without its full stop).</extracomment>
        <translation>Não é possível ler “%1”. %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: it is a folder, not a file.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Não é possível ler “%1”: é uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: it is not a regular file (a pipe, a device or a socket).</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Não é possível ler “%1”: não é um arquivo comum (é um pipe, um dispositivo ou um socket).</translation>
    </message>
    <message>
        <source>The file looks like a result file (three numbers on every line: x, y and y′), not a sample file of pairs x, y.</source>
        <extracomment>Follows a message about the sample file; &quot;The file&quot; is that file.</extracomment>
        <translation>O arquivo parece ser um arquivo de resultados (três números em cada linha: x, y e y′), e não um arquivo de pontos com pares x, y.</translation>
    </message>
    <message>
        <source>The numbers look written with decimal commas: in a sample file &quot;,&quot; separates numbers and &quot;.&quot; is the decimal point.</source>
        <extracomment>Follows a message about the sample file.</extracomment>
        <translation>Os números parecem escritos com vírgula decimal: em um arquivo de pontos, a vírgula separa os números e o separador decimal é o ponto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not look like a text file: it holds bytes that are not text.</source>
        <extracomment>%1 is the file's name.</extracomment>
        <translation>“%1” não parece um arquivo de texto: contém bytes que não são texto.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;. %2.</source>
        <extracomment>%1 is the file's path, %2 the reason (a sentence without its full stop).</extracomment>
        <translation>Não é possível gravar “%1”. %2.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Não é possível gravar “%1”.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is a folder, not a file.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Não é possível gravar “%1”: é uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is not a regular file.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Não é possível gravar “%1”: não é um arquivo comum.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the folder &quot;%2&quot; cannot be written. %3.</source>
        <extracomment>%1 is the file's path, %2 its folder, %3 the system's reason (a sentence without its full stop).</extracomment>
        <translation>Não é possível gravar “%1”: a pasta “%2” não permite gravação. %3.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot; for writing. %2.</source>
        <extracomment>%1 is the file's path, %2 the system's reason (a sentence without its full stop).</extracomment>
        <translation>Não é possível abrir “%1” para gravação. %2.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot; for writing.</source>
        <extracomment>%1 is the file's path.</extracomment>
        <translation>Não é possível abrir “%1” para gravação.</translation>
    </message>
    <message numerus="yes">
        <source>Only %n of %1 bytes reached the disk</source>
        <extracomment>A reason, after &quot;Cannot write &quot;file&quot;.&quot;, without its full stop: %n bytes (0 or more) of the %1 bytes written reached the disk.</extracomment>
        <translation>
            <numerusform>O disco recebeu apenas %n de %1 bytes</numerusform>
            <numerusform>O disco recebeu apenas %n de %1 bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %n of %1 bytes reached the disk. %2</source>
        <extracomment>As &quot;Only %n of %1 bytes reached the disk&quot;, followed by the system's reason %2 (a sentence without its full stop).</extracomment>
        <translation>
            <numerusform>O disco recebeu apenas %n de %1 bytes. %2</numerusform>
            <numerusform>O disco recebeu apenas %n de %1 bytes. %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Nenhum arquivo foi gravado.</translation>
    </message>
    <message>
        <source>The existing file &quot;%1&quot; was left as it was.</source>
        <extracomment>%1 is the name of the file that the result file was to replace.</extracomment>
        <translation>O arquivo existente “%1” foi mantido como estava.</translation>
    </message>
</context>
<context>
    <name>desktop</name>
    <message>
        <source>Derivatives of tabulated functions</source>
        <extracomment>The kind of program, as a desktop's menus name it.</extracomment>
        <translation>Derivadas de funções tabeladas</translation>
    </message>
    <message>
        <source>Estimate the derivative of a function known only as a table of samples</source>
        <extracomment>What the program does, in a desktop's menus.</extracomment>
        <translation>Estime a derivada de uma função conhecida apenas por uma tabela de pontos</translation>
    </message>
    <message>
        <source>derivative;finite differences;interpolation;Newton;numerics;</source>
        <extracomment>Words a desktop's search finds the program by: keep each ended by a semicolon.</extracomment>
        <translation>derivada;diferenças finitas;interpolação;Newton;cálculo numérico;</translation>
    </message>
</context>
<context>
    <name>metainfo</name>
    <message>
        <source>Estimate derivatives of a function known only as a table of samples</source>
        <extracomment>The one-line summary in software centres.</extracomment>
        <translation>Estime derivadas de uma função conhecida apenas por uma tabela de pontos</translation>
    </message>
    <message>
        <source>From a table of equally spaced samples (x, y) of a function, tabderiv estimates the derivative y' at every sample by finite differences and writes x, y and y' to a result file.</source>
        <extracomment>A paragraph of the description in software centres.</extracomment>
        <translation>A partir de uma tabela de pontos (x, y) igualmente espaçados de uma função, o tabderiv estima a derivada y' em cada ponto por diferenças finitas e grava x, y e y' em um arquivo de resultados.</translation>
    </message>
    <message>
        <source>It then shows y and y' at an abscissa typed in its window: the tabulated values on a sample, and a second-order Newton interpolation between the samples of an ascending table.</source>
        <extracomment>A paragraph of the description in software centres.</extracomment>
        <translation>Em seguida, mostra y e y' na abscissa digitada em sua janela: os valores tabelados em um ponto e, entre os pontos de uma tabela com abscissas crescentes, a interpolação de Newton de segunda ordem.</translation>
    </message>
    <message>
        <source>The sample file is a plain text list of numbers, read as pairs x, y; the result file has one line x y y' per sample. tabderiv is a small desktop program with one window.</source>
        <extracomment>A paragraph of the description in software centres.</extracomment>
        <translation>O arquivo de pontos é uma lista de números em texto simples, lidos em pares x, y; o arquivo de resultados tem uma linha x y y' por ponto. O tabderiv é um pequeno programa de desktop com uma só janela.</translation>
    </message>
</context>
</TS>
