<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ca">
<context>
    <name>results</name>
    <message>
        <source>Desa a FITXER (&quot;-&quot;: la sortida estàndard) tots els informes en CSV, sense obrir cap finestra.</source>
        <translation>Saves every report to FILE (&quot;-&quot;: standard output) as CSV, without opening a window.</translation>
    </message>
    <message>
        <source>Desa a FITXER les xifres de cada pregunta en CSV, sense obrir cap finestra.</source>
        <translation>Saves the figures of each question to FILE as CSV, without opening a window.</translation>
    </message>
    <message>
        <source>Desa a FITXER la taula i les xifres de cada pregunta en un llibre .xlsx, sense obrir cap finestra.</source>
        <translation>Saves the table and the figures of each question to FILE as an .xlsx workbook, without opening a window.</translation>
    </message>
    <message>
        <source>argument desconegut «%1»</source>
        <translation>unknown argument “%1”</translation>
    </message>
    <message>
        <source>falta el valor de --xlsx</source>
        <translation>--xlsx needs a value</translation>
    </message>
    <message>
        <source>falta el valor de --csv</source>
        <translation>--csv needs a value</translation>
    </message>
    <message>
        <source>falta el valor de --questions-csv</source>
        <translation>--questions-csv needs a value</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut començar el llibre de càlcul</source>
        <translation>the workbook could not be started</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut tornar a llegir el llibre de càlcul</source>
        <translation>the workbook could not be read back</translation>
    </message>
</context>
<context>
    <name>results::ResultsTexts</name>
    <message>
        <source>RESULTATS DE LA CLASSE</source>
        <translation>CLASS RESULTS</translation>
    </message>
    <message>
        <source>Alumne</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Data i hora</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Matèria</source>
        <translation>Subject</translation>
    </message>
    <message>
        <source>Nota</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Encerts</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>En blanc</source>
        <translation>Blank</translation>
    </message>
    <message>
        <source>Des del</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Fins al</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Totes les matèries</source>
        <translation>All subjects</translation>
    </message>
    <message>
        <source>Exporta a CSV...</source>
        <translation>Export to CSV...</translation>
    </message>
    <message>
        <source>Resum per matèria</source>
        <translation>Summary by subject</translation>
    </message>
    <message>
        <source>Informes</source>
        <translation>Reports</translation>
    </message>
    <message>
        <source>Mitjana</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Mínima</source>
        <translation>Lowest</translation>
    </message>
    <message>
        <source>Màxima</source>
        <translation>Highest</translation>
    </message>
    <message>
        <source>Fitxers que no s&apos;han llegit</source>
        <translation>Files not read</translation>
    </message>
    <message>
        <source>no té nom d&apos;informe</source>
        <translation>not named as a report</translation>
    </message>
    <message>
        <source>s&apos;està escrivint</source>
        <translation>still being written</translation>
    </message>
    <message>
        <source>és buit</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>és massa gran</source>
        <translation>too large</translation>
    </message>
    <message>
        <source>no es pot llegir</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>no és un document RTF</source>
        <translation>not an RTF document</translation>
    </message>
    <message>
        <source>és incomplet</source>
        <translation>incomplete</translation>
    </message>
    <message>
        <source>no té les línies de resultats</source>
        <translation>has no result lines</translation>
    </message>
    <message>
        <source>S&apos;estan llegint els informes...</source>
        <translation>Reading the reports...</translation>
    </message>
    <message>
        <source>No hi ha la carpeta Controles-Usuarios.</source>
        <translation>There is no Controles-Usuarios folder.</translation>
    </message>
    <message>
        <source>%1 de %2 files</source>
        <translation>%1 of %2 rows</translation>
    </message>
    <message>
        <source>Full de càlcul CSV (*.csv)</source>
        <translation>CSV spreadsheet (*.csv)</translation>
    </message>
    <message>
        <source>resultats.csv</source>
        <translation>results.csv</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut desar el fitxer.</source>
        <translation>The file could not be saved.</translation>
    </message>
    <message>
        <source>Repetició</source>
        <translation>Retake</translation>
    </message>
    <message>
        <source>Avís</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>les línies de resultats no són al final</source>
        <translation>the result lines are not at the end</translation>
    </message>
    <message>
        <source>nota per sobre del màxim, %1</source>
        <translation>mark above the maximum, %1</translation>
    </message>
    <message>
        <source>més de %1 preguntes en una prova</source>
        <translation>more than %1 questions in one test</translation>
    </message>
    <message>
        <source>Curs</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Opció</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Tots els cursos</source>
        <translation>All years</translation>
    </message>
    <message>
        <source>Totes les opcions</source>
        <translation>All options</translation>
    </message>
    <message>
        <source>Llibre de full de càlcul (*.xlsx)</source>
        <translation>Spreadsheet workbook (*.xlsx)</translation>
    </message>
    <message>
        <source>Desa en PDF...</source>
        <translation>Save as PDF...</translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>resultats.pdf</source>
        <translation>results.pdf</translation>
    </message>
    <message>
        <source>Per pregunta</source>
        <translation>By question</translation>
    </message>
    <message>
        <source>Per informe</source>
        <translation>By report</translation>
    </message>
    <message>
        <source>Pregunta</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Enunciat</source>
        <translation>Wording</translation>
    </message>
    <message>
        <source>Vegades</source>
        <translation>Times asked</translation>
    </message>
    <message>
        <source>% encerts</source>
        <translation>% right</translation>
    </message>
    <message>
        <source>Error més freqüent</source>
        <translation>Commonest wrong answer</translation>
    </message>
    <message>
        <source>Canviada des de llavors</source>
        <translation>Changed since</translation>
    </message>
</context>
<context>
    <name>results::main</name>
    <message>
        <source>RESULTATS BRENLOQ: els informes de tots els alumnes en una taula.</source>
        <translation>RESULTATS BRENLOQ: every pupil&apos;s reports in one table.</translation>
    </message>
    <message>
        <source>Fes servir la carpeta del programa PATH.</source>
        <translation>Use the program folder PATH.</translation>
    </message>
    <message>
        <source>ús: &quot;RESULTATS BRENLOQ&quot; [--csv FITXER] [--questions-csv FITXER] [--xlsx FITXER] [--folder CARPETA]</source>
        <translation>usage: &quot;RESULTATS BRENLOQ&quot; [--csv FILE] [--questions-csv FILE] [--xlsx FILE] [--folder FOLDER]</translation>
    </message>
</context>
</TS>
