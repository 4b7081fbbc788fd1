<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ca">
<context>
    <name>results</name>
    <message>
        <source>Desa a FITXER (&quot;-&quot;: la sortida estàndard) tots els informes en CSV, sense obrir cap finestra.</source>
        <translation>Guarda en ARCHIVO (&quot;-&quot;: la salida estándar) todos los informes en CSV, sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>Desa a FITXER les xifres de cada pregunta en CSV, sense obrir cap finestra.</source>
        <translation>Guarda en ARCHIVO las cifras de cada pregunta en CSV, sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>Desa a FITXER la taula i les xifres de cada pregunta en un llibre .xlsx, sense obrir cap finestra.</source>
        <translation>Guarda en ARCHIVO la tabla y las cifras de cada pregunta en un libro .xlsx, sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>argument desconegut «%1»</source>
        <translation>argumento desconocido «%1»</translation>
    </message>
    <message>
        <source>falta el valor de --xlsx</source>
        <translation>falta el valor de --xlsx</translation>
    </message>
    <message>
        <source>falta el valor de --csv</source>
        <translation>falta el valor de --csv</translation>
    </message>
    <message>
        <source>falta el valor de --questions-csv</source>
        <translation>falta el valor de --questions-csv</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut començar el llibre de càlcul</source>
        <translation>no se ha podido empezar el libro de cálculo</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut tornar a llegir el llibre de càlcul</source>
        <translation>no se ha podido volver a leer el libro de cálculo</translation>
    </message>
</context>
<context>
    <name>results::ResultsTexts</name>
    <message>
        <source>RESULTATS DE LA CLASSE</source>
        <translation>RESULTADOS DE LA CLASE</translation>
    </message>
    <message>
        <source>Alumne</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Data i hora</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Matèria</source>
        <translation>Asignatura</translation>
    </message>
    <message>
        <source>Nota</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Encerts</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Errores</translation>
    </message>
    <message>
        <source>En blanc</source>
        <translation>En blanco</translation>
    </message>
    <message>
        <source>Des del</source>
        <translation>Desde el</translation>
    </message>
    <message>
        <source>Fins al</source>
        <translation>Hasta el</translation>
    </message>
    <message>
        <source>Totes les matèries</source>
        <translation>Todas las asignaturas</translation>
    </message>
    <message>
        <source>Exporta a CSV...</source>
        <translation>Exportar a CSV...</translation>
    </message>
    <message>
        <source>Resum per matèria</source>
        <translation>Resumen por asignatura</translation>
    </message>
    <message>
        <source>Informes</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Mitjana</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Mínima</source>
        <translation>Mínima</translation>
    </message>
    <message>
        <source>Màxima</source>
        <translation>Máxima</translation>
    </message>
    <message>
        <source>Fitxers que no s&apos;han llegit</source>
        <translation>Archivos que no se han leído</translation>
    </message>
    <message>
        <source>no té nom d&apos;informe</source>
        <translation>no tiene nombre de informe</translation>
    </message>
    <message>
        <source>s&apos;està escrivint</source>
        <translation>se está escribiendo</translation>
    </message>
    <message>
        <source>és buit</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>és massa gran</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>no es pot llegir</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>no és un document RTF</source>
        <translation>no es un documento RTF</translation>
    </message>
    <message>
        <source>és incomplet</source>
        <translation>está incompleto</translation>
    </message>
    <message>
        <source>no té les línies de resultats</source>
        <translation>no tiene las líneas de resultados</translation>
    </message>
    <message>
        <source>S&apos;estan llegint els informes...</source>
        <translation>Leyendo los informes...</translation>
    </message>
    <message>
        <source>No hi ha la carpeta Controles-Usuarios.</source>
        <translation>No está la carpeta Controles-Usuarios.</translation>
    </message>
    <message>
        <source>%1 de %2 files</source>
        <translation>%1 de %2 filas</translation>
    </message>
    <message>
        <source>Full de càlcul CSV (*.csv)</source>
        <translation>Hoja de cálculo CSV (*.csv)</translation>
    </message>
    <message>
        <source>resultats.csv</source>
        <translation>resultados.csv</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut desar el fitxer.</source>
        <translation>No se ha podido guardar el archivo.</translation>
    </message>
    <message>
        <source>Repetició</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>Avís</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>les línies de resultats no són al final</source>
        <translation>las líneas de resultados no están al final</translation>
    </message>
    <message>
        <source>nota per sobre del màxim, %1</source>
        <translation>nota por encima del máximo, %1</translation>
    </message>
    <message>
        <source>més de %1 preguntes en una prova</source>
        <translation>más de %1 preguntas en una prueba</translation>
    </message>
    <message>
        <source>Curs</source>
        <translation>Curso</translation>
    </message>
    <message>
        <source>Opció</source>
        <translation>Opción</translation>
    </message>
    <message>
        <source>Tots els cursos</source>
        <translation>Todos los cursos</translation>
    </message>
    <message>
        <source>Totes les opcions</source>
        <translation>Todas las opciones</translation>
    </message>
    <message>
        <source>Llibre de full de càlcul (*.xlsx)</source>
        <translation>Libro de hoja de cálculo (*.xlsx)</translation>
    </message>
    <message>
        <source>Desa en PDF...</source>
        <translation>Guardar en PDF...</translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>resultats.pdf</source>
        <translation>resultados.pdf</translation>
    </message>
    <message>
        <source>Per pregunta</source>
        <translation>Por pregunta</translation>
    </message>
    <message>
        <source>Per informe</source>
        <translation>Por informe</translation>
    </message>
    <message>
        <source>Pregunta</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Enunciat</source>
        <translation>Enunciado</translation>
    </message>
    <message>
        <source>Vegades</source>
        <translation>Veces</translation>
    </message>
    <message>
        <source>% encerts</source>
        <translation>% aciertos</translation>
    </message>
    <message>
        <source>Error més freqüent</source>
        <translation>Error más frecuente</translation>
    </message>
    <message>
        <source>Canviada des de llavors</source>
        <translation>Cambiada desde entonces</translation>
    </message>
</context>
<context>
    <name>results::main</name>
    <message>
        <source>RESULTATS BRENLOQ: els informes de tots els alumnes en una taula.</source>
        <translation>RESULTATS BRENLOQ: los informes de todos los alumnos en una tabla.</translation>
    </message>
    <message>
        <source>Fes servir la carpeta del programa PATH.</source>
        <translation>Usar la carpeta del programa PATH.</translation>
    </message>
    <message>
        <source>ús: &quot;RESULTATS BRENLOQ&quot; [--csv FITXER] [--questions-csv FITXER] [--xlsx FITXER] [--folder CARPETA]</source>
        <translation>uso: &quot;RESULTATS BRENLOQ&quot; [--csv ARCHIVO] [--questions-csv ARCHIVO] [--xlsx ARCHIVO] [--folder CARPETA]</translation>
    </message>
</context>
</TS>
