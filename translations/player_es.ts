<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ca">
<context>
    <name>bank::AtomicFile</name>
    <message>
        <source>accés denegat</source>
        <translation>acceso denegado</translation>
    </message>
</context>
<context>
    <name>bank::Folders</name>
    <message>
        <source>«%1» és un enllaç, i els informes no poden anar a parar fora de la carpeta del programa.</source>
        <translation>«%1» es un enlace, y los informes no pueden ir a parar fuera de la carpeta del programa.</translation>
    </message>
    <message>
        <source>«%1» no existeix.</source>
        <translation>«%1» no existe.</translation>
    </message>
    <message>
        <source>«%1» no és una carpeta.</source>
        <translation>«%1» no es una carpeta.</translation>
    </message>
    <message>
        <source>«%1» és fora de la carpeta del programa.</source>
        <translation>«%1» está fuera de la carpeta del programa.</translation>
    </message>
</context>
<context>
    <name>player</name>
    <message>
        <source>Més preguntes</source>
        <translation>Más preguntas</translation>
    </message>
    <message>
        <source>Menys preguntes</source>
        <translation>Menos preguntas</translation>
    </message>
    <message>
        <source>No hi ha cap fitxer adjunt.</source>
        <translation>No hay ningún archivo adjunto.</translation>
    </message>
    <message>
        <source>No s&apos;ha trobat el fitxer «%1».</source>
        <translation>No se ha encontrado el archivo «%1».</translation>
    </message>
    <message>
        <source>El text «%1» és massa llarg per mostrar-lo (%2 MB).</source>
        <translation>El texto «%1» es demasiado largo para mostrarlo (%2 MB).</translation>
    </message>
    <message>
        <source>La imatge «%1» és massa gran per mostrar-la.</source>
        <translation>La imagen «%1» es demasiado grande para mostrarla.</translation>
    </message>
    <message>
        <source>La imatge «%1» és massa gran per mostrar-la (%2 × %3 píxels).</source>
        <translation>La imagen «%1» es demasiado grande para mostrarla (%2 × %3 píxeles).</translation>
    </message>
    <message>
        <source>No es pot obrir la imatge «%1»: està malmesa o no és una imatge.</source>
        <translation>No se puede abrir la imagen «%1»: está dañada o no es una imagen.</translation>
    </message>
    <message>
        <source>El fitxer de la pregunta s&apos;acaba abans d&apos;hora.</source>
        <translation>El archivo de la pregunta se acaba antes de tiempo.</translation>
    </message>
    <message>
        <source>La pregunta té més de vuit opcions.</source>
        <translation>La pregunta tiene más de ocho opciones.</translation>
    </message>
    <message>
        <source>La pregunta no té cap opció.</source>
        <translation>La pregunta no tiene ninguna opción.</translation>
    </message>
    <message>
        <source>El fitxer no és una pregunta: el tipus «%1» no existeix.</source>
        <translation>El archivo no es una pregunta: el tipo «%1» no existe.</translation>
    </message>
    <message>
        <source>El fitxer «%1» és buit.</source>
        <translation>El archivo «%1» está vacío.</translation>
    </message>
    <message>
        <source>El fitxer «%1» està malmès: no és un fitxer de text.</source>
        <translation>El archivo «%1» está dañado: no es un archivo de texto.</translation>
    </message>
    <message>
        <source>El fitxer «%1» és massa gran per ser una pregunta.</source>
        <translation>El archivo «%1» es demasiado grande para ser una pregunta.</translation>
    </message>
    <message>
        <source>S&apos;està desant l&apos;informe…</source>
        <translation>Guardando el informe…</translation>
    </message>
    <message>
        <source>Una sessió té com a molt %1 proves: no es farà %2.</source>
        <translation>Una sesión tiene como máximo %1 pruebas: no se hará %2.</translation>
    </message>
    <message>
        <source>Les matèries triades tenen menys de %1 preguntes i no es poden fer: %2.</source>
        <translation>Las materias elegidas tienen menos de %1 preguntas y no se pueden hacer: %2.</translation>
    </message>
    <message>
        <source>S&apos;ha acabat el temps</source>
        <translation>Se ha acabado el tiempo</translation>
    </message>
    <message>
        <source>Resultats</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Sortir</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>No es poden fer sons (%1): les proves no faran sons.</source>
        <translation>No se pueden reproducir sonidos (%1): las pruebas no tendrán sonido.</translation>
    </message>
</context>
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
