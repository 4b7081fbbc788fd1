<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ca">
<context>
    <name>bank::AtomicFile</name>
    <message>
        <source>accés denegat</source>
        <translation>access denied</translation>
    </message>
</context>
<context>
    <name>bank::Folders</name>
    <message>
        <source>«%1» és un enllaç, i els informes no poden anar a parar fora de la carpeta del programa.</source>
        <translation>“%1” is a link, and the reports must not end up outside the program folder.</translation>
    </message>
    <message>
        <source>«%1» no existeix.</source>
        <translation>“%1” does not exist.</translation>
    </message>
    <message>
        <source>«%1» no és una carpeta.</source>
        <translation>“%1” is not a folder.</translation>
    </message>
    <message>
        <source>«%1» és fora de la carpeta del programa.</source>
        <translation>“%1” is outside the program folder.</translation>
    </message>
</context>
<context>
    <name>player</name>
    <message>
        <source>Més preguntes</source>
        <translation>More questions</translation>
    </message>
    <message>
        <source>Menys preguntes</source>
        <translation>Fewer questions</translation>
    </message>
    <message>
        <source>No hi ha cap fitxer adjunt.</source>
        <translation>There is no attached file.</translation>
    </message>
    <message>
        <source>No s&apos;ha trobat el fitxer «%1».</source>
        <translation>The file “%1” was not found.</translation>
    </message>
    <message>
        <source>El text «%1» és massa llarg per mostrar-lo (%2 MB).</source>
        <translation>The text “%1” is too long to show (%2 MB).</translation>
    </message>
    <message>
        <source>La imatge «%1» és massa gran per mostrar-la.</source>
        <translation>The picture “%1” is too large to show.</translation>
    </message>
    <message>
        <source>La imatge «%1» és massa gran per mostrar-la (%2 × %3 píxels).</source>
        <translation>The picture “%1” is too large to show (%2 × %3 pixels).</translation>
    </message>
    <message>
        <source>No es pot obrir la imatge «%1»: està malmesa o no és una imatge.</source>
        <translation>The picture “%1” cannot be opened: it is damaged or not a picture.</translation>
    </message>
    <message>
        <source>El fitxer de la pregunta s&apos;acaba abans d&apos;hora.</source>
        <translation>The question file ends too early.</translation>
    </message>
    <message>
        <source>La pregunta té més de vuit opcions.</source>
        <translation>The question has more than eight options.</translation>
    </message>
    <message>
        <source>La pregunta no té cap opció.</source>
        <translation>The question has no options.</translation>
    </message>
    <message>
        <source>El fitxer no és una pregunta: el tipus «%1» no existeix.</source>
        <translation>The file is not a question: there is no type “%1”.</translation>
    </message>
    <message>
        <source>El fitxer «%1» és buit.</source>
        <translation>The file “%1” is empty.</translation>
    </message>
    <message>
        <source>El fitxer «%1» està malmès: no és un fitxer de text.</source>
        <translation>The file “%1” is damaged: it is not a text file.</translation>
    </message>
    <message>
        <source>El fitxer «%1» és massa gran per ser una pregunta.</source>
        <translation>The file “%1” is too large to be a question.</translation>
    </message>
    <message>
        <source>S&apos;està desant l&apos;informe…</source>
        <translation>Saving the report…</translation>
    </message>
    <message>
        <source>Una sessió té com a molt %1 proves: no es farà %2.</source>
        <translation>A session has at most %1 tests: %2 will not be taken.</translation>
    </message>
    <message>
        <source>Les matèries triades tenen menys de %1 preguntes i no es poden fer: %2.</source>
        <translation>The chosen subjects have fewer than %1 questions and cannot be taken: %2.</translation>
    </message>
    <message>
        <source>S&apos;ha acabat el temps</source>
        <translation>Time is up</translation>
    </message>
    <message>
        <source>Resultats</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Sortir</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>No es poden fer sons (%1): les proves no faran sons.</source>
        <translation>Sounds cannot be played (%1): the tests will be silent.</translation>
    </message>
</context>
<context>
    <name>player::Form3</name>
    <message>
        <source>Opció %1: %2</source>
        <translation>Option %1: %2</translation>
    </message>
    <message>
        <source>Gràfic</source>
        <translation>Graphic</translation>
    </message>
</context>
<context>
    <name>player::main</name>
    <message>
        <source>BRENLOQ: proves amb preguntes del banc, amb els resultats desats en un informe.</source>
        <translation>BRENLOQ: tests with questions from the bank, with the results saved in a report.</translation>
    </message>
    <message>
        <source>Fes servir la carpeta del programa PATH (preguntes, idioma, informes).</source>
        <translation>Use the program folder PATH (questions, language, reports).</translation>
    </message>
    <message>
        <source>No es pot escriure a la carpeta «%1»: els resultats de les proves no s&apos;hi podran desar.</source>
        <translation>The folder “%1” cannot be written to: test results cannot be saved there.</translation>
    </message>
    <message>
        <source>No es pot escriure «%1» (%2): els informes es desaran igualment, però aquest fitxer no mostrarà l&apos;últim.</source>
        <translation>“%1” cannot be written (%2): reports will still be saved, but this file will not show the latest one.</translation>
    </message>
</context>
</TS>
