<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="es">
<context>
    <name>bank::Question</name>
    <message>
        <source>El tipo de pregunta %1 no existe. No se ha guardado la pregunta.</source>
        <translation>El tipus de pregunta %1 no existeix. No s&apos;ha desat la pregunta.</translation>
    </message>
    <message>
        <source>Una pregunta tipo test tiene como máximo ocho opciones, o siete con un archivo de imagen o de texto. No se ha guardado la pregunta.</source>
        <translation>Una pregunta tipus test té com a màxim vuit opcions, o set amb un fitxer d&apos;imatge o de text. No s&apos;ha desat la pregunta.</translation>
    </message>
    <message>
        <source>Una pregunta tipo test necesita al menos una opción. No se ha guardado la pregunta.</source>
        <translation>Una pregunta tipus test necessita almenys una opció. No s&apos;ha desat la pregunta.</translation>
    </message>
    <message>
        <source>El archivo «%1» no es txt, gif ni jpg. No se ha guardado la pregunta.</source>
        <translation>El fitxer «%1» no és txt, gif ni jpg. No s&apos;ha desat la pregunta.</translation>
    </message>
    <message>
        <source>La última opción «%1» se leería como un archivo adjunto. No se ha guardado la pregunta.</source>
        <translation>L&apos;última opció «%1» es llegiria com un fitxer adjunt. No s&apos;ha desat la pregunta.</translation>
    </message>
    <message>
        <source>Un campo de la pregunta contiene un salto de línea. No se ha guardado la pregunta.</source>
        <translation>Un camp de la pregunta conté un salt de línia. No s&apos;ha desat la pregunta.</translation>
    </message>
    <message>
        <source>Un campo de la pregunta contiene un carácter nulo. No se ha guardado la pregunta.</source>
        <translation>Un camp de la pregunta conté un caràcter nul. No s&apos;ha desat la pregunta.</translation>
    </message>
    <message>
        <source>El carácter «%1» no se puede guardar en un archivo de preguntas. No se ha guardado la pregunta.</source>
        <translation>El caràcter «%1» no es pot desar en un fitxer de preguntes. No s&apos;ha desat la pregunta.</translation>
    </message>
    <message>
        <source>La carpeta «%1» no existe. No se ha guardado la pregunta.</source>
        <translation>La carpeta «%1» no existeix. No s&apos;ha desat la pregunta.</translation>
    </message>
    <message>
        <source>No se puede crear el archivo «%1» (%2). No se ha guardado la pregunta.</source>
        <translation>No es pot crear el fitxer «%1» (%2). No s&apos;ha desat la pregunta.</translation>
    </message>
    <message>
        <source>No queda ningún número libre en la carpeta «%1».</source>
        <translation>No queda cap número lliure a la carpeta «%1».</translation>
    </message>
</context>
<context>
    <name>editor</name>
    <message>
        <source>Pregunta tipo test</source>
        <translation>Pregunta tipus test</translation>
    </message>
    <message>
        <source>Pregunta con una respuesta escrita</source>
        <translation>Pregunta amb una resposta escrita</translation>
    </message>
    <message>
        <source>Pregunta referida a una imagen con respuesta</source>
        <translation>Pregunta sobre una imatge amb resposta</translation>
    </message>
    <message>
        <source>Pregunta cuya respuesta es marcar en un gráfico</source>
        <translation>Pregunta que es respon marcant en un gràfic</translation>
    </message>
    <message>
        <source>Pregunta de comprensión lectora</source>
        <translation>Pregunta de comprensió lectora</translation>
    </message>
    <message>
        <source>Pregunta de verdadero o falso</source>
        <translation>Pregunta de vertader o fals</translation>
    </message>
    <message>
        <source>Editor de preguntas 2.0 - </source>
        <translation>Editor de preguntes 2.0 - </translation>
    </message>
    <message>
        <source>Autor de la pregunta</source>
        <translation>Autor de la pregunta</translation>
    </message>
    <message>
        <source>Comprobar</source>
        <translation>Comprova</translation>
    </message>
    <message>
        <source>Guardar pregunta</source>
        <translation>Desa la pregunta</translation>
    </message>
    <message>
        <source>Carpetas</source>
        <translation>Carpetes</translation>
    </message>
    <message>
        <source>Preguntas</source>
        <translation>Preguntes</translation>
    </message>
    <message>
        <source>Pregunta</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Opción %1</source>
        <translation>Opció %1</translation>
    </message>
    <message>
        <source>BORRAR TODO Y EMPEZAR UNA NUEVA PREGUNTA TIPO TEST</source>
        <translation>ESBORRA-HO TOT I FES UNA PREGUNTA TIPUS TEST NOVA</translation>
    </message>
    <message>
        <source>Después de escribir el enunciado se ha de seleccionar la opción correcta</source>
        <translation>Després d&apos;escriure l&apos;enunciat cal seleccionar l&apos;opció correcta</translation>
    </message>
    <message>
        <source>Respuesta</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>Texto seleccionado</source>
        <translation>Text seleccionat</translation>
    </message>
    <message>
        <source>Pregunta referida al texto que tiene de respuesta una palabra</source>
        <translation>Pregunta sobre el text que té com a resposta una paraula</translation>
    </message>
    <message>
        <source>Refresca</source>
        <translation>Refresca</translation>
    </message>
    <message>
        <source>VERDADERO</source>
        <translation>VERTADER</translation>
    </message>
    <message>
        <source>FALSO</source>
        <translation>FALS</translation>
    </message>
    <message>
        <source>Comprueba la pregunta</source>
        <translation>Comprova la pregunta</translation>
    </message>
    <message>
        <source>CONFIRMAR</source>
        <translation>CONFIRMA</translation>
    </message>
    <message>
        <source>ACEPTAR</source>
        <translation>D&apos;ACORD</translation>
    </message>
    <message>
        <source>No has seleccionado ninguna opción</source>
        <translation>No has seleccionat cap opció</translation>
    </message>
    <message>
        <source>CORRECTO</source>
        <translation>CORRECTE</translation>
    </message>
    <message>
        <source>INCORRECTO</source>
        <translation>INCORRECTE</translation>
    </message>
    <message>
        <source>Selecciona el archivo txt que contiene las preguntas y respuestas</source>
        <translation>Selecciona el fitxer txt que conté les preguntes i les respostes</translation>
    </message>
    <message>
        <source>Archivos</source>
        <translation>Fitxers</translation>
    </message>
    <message>
        <source>Respuestas</source>
        <translation>Respostes</translation>
    </message>
    <message>
        <source>Selecciona el archivo txt, jpg o gif</source>
        <translation>Selecciona el fitxer txt, jpg o gif</translation>
    </message>
    <message>
        <source>Se ha importado 1 pregunta.</source>
        <translation>S&apos;ha importat 1 pregunta.</translation>
    </message>
    <message>
        <source>Se han importado %1 preguntas.</source>
        <translation>S&apos;han importat %1 preguntes.</translation>
    </message>
    <message>
        <source>Se ha exportado 1 pregunta.</source>
        <translation>S&apos;ha exportat 1 pregunta.</translation>
    </message>
    <message>
        <source>Se han exportado %1 preguntas.</source>
        <translation>S&apos;han exportat %1 preguntes.</translation>
    </message>
    <message>
        <source> No se han importado %1: %2.</source>
        <translation> No s&apos;han importat %1: %2.</translation>
    </message>
    <message>
        <source> No se han exportado %1: %2.</source>
        <translation> No s&apos;han exportat %1: %2.</translation>
    </message>
    <message>
        <source>… y %1 más.</source>
        <translation>… i %1 més.</translation>
    </message>
    <message>
        <source>No se ha importado ninguna pregunta (%1).</source>
        <translation>No s&apos;ha importat cap pregunta (%1).</translation>
    </message>
    <message>
        <source>No se ha exportado ninguna pregunta (%1).</source>
        <translation>No s&apos;ha exportat cap pregunta (%1).</translation>
    </message>
    <message>
        <source>Importar preguntas…</source>
        <translation>Importa preguntes…</translation>
    </message>
    <message>
        <source>Exportar preguntas…</source>
        <translation>Exporta preguntes…</translation>
    </message>
    <message>
        <source>Importar preguntas</source>
        <translation>Importa preguntes</translation>
    </message>
    <message>
        <source>Preguntas de otras plataformas (*.gift *.txt *.xml);;Todos los archivos (*)</source>
        <translation>Preguntes d&apos;altres plataformes (*.gift *.txt *.xml);;Tots els fitxers (*)</translation>
    </message>
    <message>
        <source>Exportar preguntas</source>
        <translation>Exporta preguntes</translation>
    </message>
    <message>
        <source>Moodle XML (*.xml);;GIFT (*.gift *.txt)</source>
        <translation>Moodle XML (*.xml);;GIFT (*.gift *.txt)</translation>
    </message>
    <message>
        <source>«%1» no es un archivo normal y no se puede leer.</source>
        <translation>«%1» no és un fitxer normal i no es pot llegir.</translation>
    </message>
    <message>
        <source>El archivo «%1» es demasiado grande para ser una pregunta.</source>
        <translation>El fitxer «%1» és massa gran per ser una pregunta.</translation>
    </message>
    <message>
        <source>La lista «%1» es demasiado larga para mostrarla (%2 MB).</source>
        <translation>La llista «%1» és massa llarga per mostrar-la (%2 MB).</translation>
    </message>
    <message>
        <source>El texto «%1» es demasiado largo para mostrarlo (%2 MB).</source>
        <translation>El text «%1» és massa llarg per mostrar-lo (%2 MB).</translation>
    </message>
    <message>
        <source>La imagen «%1» no se puede leer: no es un GIF, JPG o BMP válido.</source>
        <translation>La imatge «%1» no es pot llegir: no és un GIF, JPG o BMP vàlid.</translation>
    </message>
    <message>
        <source>La imagen «%1» es demasiado grande para mostrarla.</source>
        <translation>La imatge «%1» és massa gran per mostrar-la.</translation>
    </message>
    <message>
        <source>La imagen «%1» es demasiado grande para mostrarla (%2 × %3 píxeles).</source>
        <translation>La imatge «%1» és massa gran per mostrar-la (%2 × %3 píxels).</translation>
    </message>
    <message>
        <source>«%1» es un enlace que sale de la carpeta del programa: BRENLOQ no lo leerá.</source>
        <translation>«%1» és un enllaç que surt de la carpeta del programa: BRENLOQ no el llegirà.</translation>
    </message>
    <message>
        <source>La imagen «%1» es demasiado ancha para mostrarla a esta altura (%2 × %3 píxeles).</source>
        <translation>La imatge «%1» és massa ampla per mostrar-la a aquesta alçada (%2 × %3 píxels).</translation>
    </message>
    <message>
        <source>LA RESPUESTA CORRECTA ES : </source>
        <translation>LA RESPOSTA CORRECTA ÉS: </translation>
    </message>
    <message>
        <source>Se ha de escribir la pregunta</source>
        <translation>Cal escriure l&apos;enunciat</translation>
    </message>
    <message>
        <source>Se ha de escribir la primera opción</source>
        <translation>Cal escriure la primera opció</translation>
    </message>
    <message>
        <source>Se ha de escribir la segunda opción</source>
        <translation>Cal escriure la segona opció</translation>
    </message>
    <message>
        <source>Si se selecciona un archivo de imagen o de texto, no debemos escribir en la opcion 8</source>
        <translation>Si se selecciona un fitxer d&apos;imatge o de text, no s&apos;ha d&apos;escriure res a l&apos;opció 8</translation>
    </message>
    <message>
        <source>Has de seleccionar la opción correcta</source>
        <translation>Has de seleccionar l&apos;opció correcta</translation>
    </message>
    <message>
        <source>Te falta redactar la pregunta i/o la respuesta</source>
        <translation>Et falta escriure l&apos;enunciat o la resposta</translation>
    </message>
    <message>
        <source>Falta seleccionar una imagen</source>
        <translation>Falta seleccionar una imatge</translation>
    </message>
    <message>
        <source>Falta redactar la pregunta</source>
        <translation>Falta escriure l&apos;enunciat</translation>
    </message>
    <message>
        <source>Se ha de seleccionar un gráfico y hacer clic en él</source>
        <translation>Cal seleccionar un gràfic i fer-hi clic</translation>
    </message>
    <message>
        <source>Falta seleccionar un gráfico</source>
        <translation>Falta seleccionar un gràfic</translation>
    </message>
    <message>
        <source>Se ha de seleccionar el archivo de texto</source>
        <translation>Cal seleccionar el fitxer de text</translation>
    </message>
    <message>
        <source>Se ha de hacer clic en la palabra del texto</source>
        <translation>Cal fer clic a la paraula del text</translation>
    </message>
    <message>
        <source>Se de escribir la pregunta</source>
        <translation>Cal escriure l&apos;enunciat</translation>
    </message>
    <message>
        <source>Falta hacer clic sobre verdadero o falso</source>
        <translation>Falta fer clic a vertader o fals</translation>
    </message>
    <message>
        <source>Añadir txt, gif o jpg</source>
        <translation>Afegeix txt, gif o jpg</translation>
    </message>
    <message>
        <source>De acuerdo</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Se debe comprobar la pregunta</source>
        <translation>Cal comprovar la pregunta</translation>
    </message>
    <message>
        <source>No se puede pulsar la tecla intro</source>
        <translation>No es pot prémer la tecla de retorn</translation>
    </message>
    <message>
        <source>La opción marcada como correcta está vacía</source>
        <translation>L&apos;opció marcada com a correcta és buida</translation>
    </message>
</context>
<context>
    <name>editor::main</name>
    <message>
        <source>Editor de BRENLOQ: escribe, comprueba y guarda las preguntas del banco.</source>
        <translation>Editor de BRENLOQ: escriu, comprova i desa les preguntes del banc.</translation>
    </message>
    <message>
        <source>Usar la carpeta del programa PATH (preguntas, gráficos, textos).</source>
        <translation>Fes servir la carpeta del programa PATH (preguntes, gràfics, textos).</translation>
    </message>
    <message>
        <source>No se puede escribir en la carpeta «%1»: las preguntas nuevas no se podrán guardar.</source>
        <translation>No es pot escriure a la carpeta «%1»: les preguntes noves no es podran desar.</translation>
    </message>
    <message>
        <source>Se ha creado la carpeta del programa «%1» en esta cuenta. Las preguntas y los informes de los alumnos se guardarán aquí y solo se verán desde esta cuenta. Para compartir una carpeta entre todas las cuentas, vea brenloq-editor --help.</source>
        <translation>S&apos;ha creat la carpeta del programa «%1» en aquest compte. Les preguntes i els informes dels alumnes es desaran aquí i només es veuran des d&apos;aquest compte. Per compartir una carpeta entre tots els comptes, vegeu brenloq-editor --help.</translation>
    </message>
</context>
</TS>
