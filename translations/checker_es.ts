<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ca">
<context>
    <name>checker</name>
    <message>
        <source>la finestra d&apos;inici</source>
        <translation>la ventana de inicio</translation>
    </message>
    <message>
        <source>la finestra de selecció</source>
        <translation>la ventana de selección</translation>
    </message>
    <message>
        <source>la finestra de prova</source>
        <translation>la ventana de prueba</translation>
    </message>
    <message>
        <source>1 línia</source>
        <translation>1 línea</translation>
    </message>
    <message>
        <source>%1 línies</source>
        <translation>%1 líneas</translation>
    </message>
    <message>
        <source>1 fitxer</source>
        <translation>1 archivo</translation>
    </message>
    <message>
        <source>%1 fitxers</source>
        <translation>%1 archivos</translation>
    </message>
    <message>
        <source> i %1 més</source>
        <translation> y %1 más</translation>
    </message>
    <message>
        <source>No es pot llegir la carpeta: el programa la veu buida.</source>
        <translation>No se puede leer la carpeta: el programa la ve vacía.</translation>
    </message>
    <message>
        <source>la carpeta «%1» no existeix.</source>
        <translation>la carpeta «%1» no existe.</translation>
    </message>
    <message>
        <source>a «%1» no hi ha cap carpeta «%2».</source>
        <translation>en «%1» no hay ninguna carpeta «%2».</translation>
    </message>
    <message>
        <source>no es pot llegir la carpeta «%1».</source>
        <translation>no se puede leer la carpeta «%1».</translation>
    </message>
    <message>
        <source>només es fan les preguntes de les carpetes de matèria o d&apos;opció</source>
        <translation>solo se hacen las preguntas de las carpetas de asignatura o de opción</translation>
    </message>
    <message>
        <source>La carpeta no té cap curs.</source>
        <translation>La carpeta no tiene ningún curso.</translation>
    </message>
    <message>
        <source>El nom no és UTF-8 (potser «%1», d&apos;un zip fet a Windows): els programes no veuen %2; canvieu-li el nom.</source>
        <translation>El nombre no es UTF-8 (quizá «%1», de un zip hecho en Windows): los programas no ven %2; cámbiele el nombre.</translation>
    </message>
    <message>
        <source>la carpeta ni res del que conté</source>
        <translation>la carpeta ni nada de lo que contiene</translation>
    </message>
    <message>
        <source>el fitxer</source>
        <translation>el archivo</translation>
    </message>
    <message>
        <source>És un enllaç a una carpeta: el programa no el segueix i no en fa cap pregunta.</source>
        <translation>Es un enlace a una carpeta: el programa no lo sigue y no hace ninguna pregunta de él.</translation>
    </message>
    <message>
        <source>No es pot llegir el fitxer «%1»: el programa fa com si no hi fos.</source>
        <translation>No se puede leer el archivo «%1»: el programa hace como si no estuviera.</translation>
    </message>
    <message>
        <source>El programa hi llegeix %1 i %2 en necessita %3: un editor en mostra %4, però el programa només acaba les línies en CR LF i hi ha salts de línia LF sols, que ajunten dues línies en una. Deseu-lo amb finals de línia de Windows (CR LF).</source>
        <translation>El programa lee %1 y %2 necesita %3: un editor muestra %4, pero el programa solo acaba las líneas en CR LF y hay saltos de línea LF solos, que juntan dos líneas en una. Guárdelo con finales de línea de Windows (CR LF).</translation>
    </message>
    <message>
        <source>El fitxer té %1 i %2 en llegeix %3.</source>
        <translation>El archivo tiene %1 y %2 lee %3.</translation>
    </message>
    <message>
        <source>No es pot llegir el fitxer «%1»: el programa puntua sobre 10.</source>
        <translation>No se puede leer el archivo «%1»: el programa puntúa sobre 10.</translation>
    </message>
    <message>
        <source>La primera línia («%1») no és només un nombre: el programa en pren el nombre del començament i puntua sobre %2.</source>
        <translation>La primera línea («%1») no es solo un número: el programa toma el número del principio y puntúa sobre %2.</translation>
    </message>
    <message>
        <source>El curs no té cap matèria.</source>
        <translation>El curso no tiene ninguna asignatura.</translation>
    </message>
    <message>
        <source>El curs té %1 matèries i una prova en fa com a màxim %2: les que es triïn de més no es fan.</source>
        <translation>El curso tiene %1 asignaturas y una prueba hace como máximo %2: las que se elijan de más no se hacen.</translation>
    </message>
    <message>
        <source>la matèria té carpetes d&apos;opció i només es fan les preguntes que hi ha dins</source>
        <translation>la asignatura tiene carpetas de opción y solo se hacen las preguntas que hay dentro</translation>
    </message>
    <message>
        <source>Aquestes preguntes no es fan mai (%1): %2.</source>
        <translation>Estas preguntas no se hacen nunca (%1): %2.</translation>
    </message>
    <message>
        <source>La carpeta té %1 i el programa no fa mai una matèria amb menys de %2.</source>
        <translation>La carpeta tiene %1 y el programa nunca hace una asignatura con menos de %2.</translation>
    </message>
    <message>
        <source>falta </source>
        <translation>falta </translation>
    </message>
    <message>
        <source>falten </source>
        <translation>faltan </translation>
    </message>
    <message>
        <source>no es fan mai: </source>
        <translation>no se hacen nunca: </translation>
    </message>
    <message>
        <source>Amb %1 a la carpeta, el programa tria entre 1.txt i %2.txt: %3.</source>
        <translation>Con %1 en la carpeta, el programa elige entre 1.txt y %2.txt: %3.</translation>
    </message>
    <message>
        <source>L&apos;enunciat és buit: l&apos;alumne no sap què se li pregunta.</source>
        <translation>El enunciado está vacío: el alumno no sabe qué se le pregunta.</translation>
    </message>
    <message>
        <source>La resposta és buida: cap alumne no la pot encertar.</source>
        <translation>La respuesta está vacía: ningún alumno la puede acertar.</translation>
    </message>
    <message>
        <source>La resposta «%1» no és ni VERDADERO ni FALSO, en majúscules i sense espais: el programa la pren per FALSO.</source>
        <translation>La respuesta «%1» no es ni VERDADERO ni FALSO, en mayúsculas y sin espacios: el programa la toma por FALSO.</translation>
    </message>
    <message>
        <source>La pregunta té opcions buides (%1): el programa les mostra en blanc.</source>
        <translation>La pregunta tiene opciones vacías (%1): el programa las muestra en blanco.</translation>
    </message>
    <message>
        <source>La pregunta té una sola opció: no hi ha res a triar.</source>
        <translation>La pregunta tiene una sola opción: no hay nada que elegir.</translation>
    </message>
    <message>
        <source>L&apos;única opció correcta, la %1, és en blanc: l&apos;alumne no sap quina triar.</source>
        <translation>La única opción correcta, la %1, está en blanco: el alumno no sabe cuál elegir.</translation>
    </message>
    <message>
        <source>La pregunta no té cap opció correcta: cap opció no acaba en un espai.</source>
        <translation>La pregunta no tiene ninguna opción correcta: ninguna opción acaba en un espacio.</translation>
    </message>
    <message>
        <source>La pregunta no té cap opció correcta: %1 en un espai no separable, i només un espai normal al final marca la correcta.</source>
        <translation>La pregunta no tiene ninguna opción correcta: %1 en un espacio de no separación, y solo un espacio normal al final marca la correcta.</translation>
    </message>
    <message>
        <source>l&apos;opció %1 acaba</source>
        <translation>la opción %1 acaba</translation>
    </message>
    <message>
        <source>les opcions %1 acaben</source>
        <translation>las opciones %1 acaban</translation>
    </message>
    <message>
        <source>La pregunta té %1 opcions correctes (les que acaben en un espai): la %2 i la %3.</source>
        <translation>La pregunta tiene %1 opciones correctas (las que acaban en un espacio): la %2 y la %3.</translation>
    </message>
    <message>
        <source>, la </source>
        <translation>, la </translation>
    </message>
    <message>
        <source>La línia del text és buida: la pregunta no diu quin text s&apos;ha de llegir.</source>
        <translation>La línea del texto está vacía: la pregunta no dice qué texto hay que leer.</translation>
    </message>
    <message>
        <source>La línia del gràfic és buida: la pregunta no diu quin gràfic s&apos;ha de marcar.</source>
        <translation>La línea del gráfico está vacía: la pregunta no dice qué gráfico hay que marcar.</translation>
    </message>
    <message>
        <source>La línia de la imatge és buida: la pregunta no diu quina imatge es mostra.</source>
        <translation>La línea de la imagen está vacía: la pregunta no dice qué imagen se muestra.</translation>
    </message>
    <message>
        <source>El punt %1 és fora del gràfic «%2», de %3 × %4 píxels: cap clic no hi arriba.</source>
        <translation>El punto %1 está fuera del gráfico «%2», de %3 × %4 píxeles: ningún clic llega a él.</translation>
    </message>
    <message>
        <source>El punt %1 del gràfic «%2» és sobre una línia o una taca massa petita per clicar-hi: la seva regió no té cap quadrat de %3 × %3 píxels del seu color.</source>
        <translation>El punto %1 del gráfico «%2» está sobre una línea o una mancha demasiado pequeña para hacer clic: su región no tiene ningún cuadrado de %3 × %3 píxeles de su color.</translation>
    </message>
    <message>
        <source>La paraula «%1» té un espai no separable, i el text es talla en aquest espai com en un espai normal: cap clic no la dona.</source>
        <translation>La palabra «%1» tiene un espacio de no separación, y el texto se corta en ese espacio como en un espacio normal: ningún clic la da.</translation>
    </message>
    <message>
        <source>Cap paraula del text «%1» no es pot triar com a «%2»: només els espais separen les paraules.</source>
        <translation>Ninguna palabra del texto «%1» se puede elegir como «%2»: solo los espacios separan las palabras.</translation>
    </message>
    <message>
        <source>tipus test</source>
        <translation>tipo test</translation>
    </message>
    <message>
        <source>resposta escrita</source>
        <translation>respuesta escrita</translation>
    </message>
    <message>
        <source>imatge amb resposta</source>
        <translation>imagen con respuesta</translation>
    </message>
    <message>
        <source>marcar en un gràfic</source>
        <translation>marcar en un gráfico</translation>
    </message>
    <message>
        <source>comprensió lectora</source>
        <translation>comprensión lectora</translation>
    </message>
    <message>
        <source>vertader o fals</source>
        <translation>verdadero o falso</translation>
    </message>
    <message>
        <source>Resum: %1, %2, %3, %4.</source>
        <translation>Resumen: %1, %2, %3, %4.</translation>
    </message>
    <message>
        <source>curs</source>
        <translation>curso</translation>
    </message>
    <message>
        <source>cursos</source>
        <translation>cursos</translation>
    </message>
    <message>
        <source>matèria</source>
        <translation>asignatura</translation>
    </message>
    <message>
        <source>matèries</source>
        <translation>asignaturas</translation>
    </message>
    <message>
        <source>carpeta de preguntes</source>
        <translation>carpeta de preguntas</translation>
    </message>
    <message>
        <source>carpetes de preguntes</source>
        <translation>carpetas de preguntas</translation>
    </message>
    <message>
        <source>pregunta</source>
        <translation>pregunta</translation>
    </message>
    <message>
        <source>preguntes</source>
        <translation>preguntas</translation>
    </message>
    <message>
        <source>  fitxers que no són preguntes: %1</source>
        <translation>  archivos que no son preguntas: %1</translation>
    </message>
    <message>
        <source>Cap problema.</source>
        <translation>Ningún problema.</translation>
    </message>
    <message>
        <source>problema</source>
        <translation>problema</translation>
    </message>
    <message>
        <source>problemes</source>
        <translation>problemas</translation>
    </message>
    <message>
        <source>El fitxer té %1 i el d&apos;un altre idioma en té %2: el programa de resultats mostra les que hi falten en català.</source>
        <translation>El archivo tiene %1 y el de otro idioma tiene %2: el programa de resultados muestra las que faltan en catalán.</translation>
    </message>
    <message>
        <source>El fitxer té caràcters nuls: no és text en Windows-1252 ni en UTF-8.</source>
        <translation>El archivo tiene caracteres nulos: no es texto en Windows-1252 ni en UTF-8.</translation>
    </message>
    <message>
        <source>La primera línia («%1») no és cap nota màxima de 0,01 a 32767: el programa puntua sobre 10.</source>
        <translation>La primera línea («%1») no es ninguna nota máxima de 0,01 a 32767: el programa puntúa sobre 10.</translation>
    </message>
</context>
<context>
    <name>checker::main</name>
    <message>
        <source>%1 preguntes llegides  %2</source>
        <translation>%1 preguntas leídas  %2</translation>
    </message>
    <message>
        <source>de la línia d&apos;ordres</source>
        <translation>de la línea de órdenes</translation>
    </message>
    <message>
        <source>Comprova el banc de preguntes, les imatges, els textos, els fitxers d&apos;idioma i tope.txt de la carpeta del programa, la mateixa que farien servir els programes (--folder o CARPETA, BRENLOQ_FOLDER, la configuració del sistema, la carpeta de brenloq-check si té Preguntas, la carpeta de l&apos;usuari), i escriu una línia per problema. Surt amb 0 si no en troba cap, 1 si en troba i 2 si no pot comprovar.</source>
        <translation>Comprueba el banco de preguntas, las imágenes, los textos, los archivos de idioma y tope.txt de la carpeta del programa, la misma que usarían los programas (--folder o CARPETA, BRENLOQ_FOLDER, la configuración del sistema, la carpeta de brenloq-check si tiene Preguntas, la carpeta del usuario), y escribe una línea por problema. Sale con 0 si no encuentra ninguno, 1 si encuentra alguno y 2 si no puede comprobar.</translation>
    </message>
    <message>
        <source>Comprova la carpeta CARPETA.</source>
        <translation>Comprueba la carpeta CARPETA.</translation>
    </message>
    <message>
        <source>CARPETA</source>
        <translation>CARPETA</translation>
    </message>
    <message>
        <source>La carpeta del programa.</source>
        <translation>La carpeta del programa.</translation>
    </message>
    <message>
        <source>[CARPETA]</source>
        <translation>[CARPETA]</translation>
    </message>
    <message>
        <source>una sola carpeta.</source>
        <translation>una sola carpeta.</translation>
    </message>
</context>
</TS>
