<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ca">
<context>
    <name>player::Form3</name>
    <message>
        <source>Opció %1: %2</source>
        <translation>Opción %1: %2</translation>
    </message>
    <message>
        <source>Gràfic</source>
        <translation>Gráfico</translation>
    </message>
</context>
<context>
    <name>player::main</name>
    <message>
        <source>BRENLOQ: proves amb preguntes del banc, amb els resultats desats en un informe.</source>
        <translation>BRENLOQ: pruebas con preguntas del banco, con los resultados guardados en un informe.</translation>
    </message>
    <message>
        <source>Fes servir la carpeta del programa PATH (preguntes, idioma, informes).</source>
        <translation>Usar la carpeta del programa PATH (preguntas, idioma, informes).</translation>
    </message>
    <message>
        <source>No es pot escriure a la carpeta «%1»: els resultats de les proves no s&apos;hi podran desar.</source>
        <translation>No se puede escribir en la carpeta «%1»: los resultados de las pruebas no se podrán guardar.</translation>
    </message>
    <message>
        <source>No es pot escriure «%1» (%2): els informes es desaran igualment, però aquest fitxer no mostrarà l&apos;últim.</source>
        <translation>No se puede escribir «%1» (%2): los informes se guardarán igualmente, pero este archivo no mostrará el último.</translation>
    </message>
</context>
</TS>
