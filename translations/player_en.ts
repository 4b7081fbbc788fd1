<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ca">
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
