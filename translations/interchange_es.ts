<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ca">
<context>
    <name>interchange</name>
    <message>
        <source>no és un fitxer GIFT, Moodle XML ni Aiken</source>
        <translation>no es un archivo GIFT, Moodle XML ni Aiken</translation>
    </message>
    <message>
        <source>, %1 no: %2</source>
        <translation>, %1 no: %2</translation>
    </message>
    <message>
        <source>el nom de fitxer «%1» no és vàlid</source>
        <translation>el nombre de archivo «%1» no es válido</translation>
    </message>
    <message>
        <source>la imatge «%1» no és GIF ni JPG i el fitxer no la porta</source>
        <translation>la imagen «%1» no es GIF ni JPG y el archivo no la incluye</translation>
    </message>
    <message>
        <source>«%1» no és al fitxer ni a la carpeta %2</source>
        <translation>«%1» no está en el archivo ni en la carpeta %2</translation>
    </message>
    <message>
        <source>la imatge «%1» no és GIF ni JPG i no s&apos;ha pogut convertir</source>
        <translation>la imagen «%1» no es GIF ni JPG y no se ha podido convertir</translation>
    </message>
    <message>
        <source>no es pot fer la carpeta %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>no es pot escriure «%1» (%2)</source>
        <translation>no se puede escribir «%1» (%2)</translation>
    </message>
    <message>
        <source>no queda cap nom lliure per a «%1»</source>
        <translation>no queda ningún nombre libre para «%1»</translation>
    </message>
    <message>
        <source>sense enunciat</source>
        <translation>sin enunciado</translation>
    </message>
    <message>
        <source>la pregunta no té enunciat</source>
        <translation>la pregunta no tiene enunciado</translation>
    </message>
    <message>
        <source>amb més de 8 opcions</source>
        <translation>con más de 8 opciones</translation>
    </message>
    <message>
        <source>8 opcions i un fitxer adjunt: el banc en porta 7 amb un adjunt</source>
        <translation>8 opciones y un archivo adjunto: el banco admite 7 con un adjunto</translation>
    </message>
    <message>
        <source>amb una sola opció</source>
        <translation>con una sola opción</translation>
    </message>
    <message>
        <source>una sola opció: el banc en vol dues com a mínim</source>
        <translation>una sola opción: el banco necesita dos como mínimo</translation>
    </message>
    <message>
        <source>mal escrites</source>
        <translation>mal escritas</translation>
    </message>
    <message>
        <source>l&apos;última opció «%1» es llegiria com un fitxer adjunt</source>
        <translation>la última opción «%1» se leería como un archivo adjunto</translation>
    </message>
    <message>
        <source>amb un caràcter que el banc no pot desar</source>
        <translation>con un carácter que no se puede guardar</translation>
    </message>
    <message>
        <source>el caràcter «%1» (U+%2) no es pot desar en un fitxer de preguntes</source>
        <translation>el carácter «%1» (U+%2) no se puede guardar en un archivo de preguntas</translation>
    </message>
    <message>
        <source>que el banc no pot desar</source>
        <translation>que no se pueden guardar</translation>
    </message>
    <message>
        <source>no queda cap número lliure</source>
        <translation>no queda ningún número libre</translation>
    </message>
    <message>
        <source>la carpeta «%1» no és dins de la carpeta Preguntas d&apos;una carpeta del programa</source>
        <translation>la carpeta «%1» no está dentro de la carpeta Preguntas de una carpeta del programa</translation>
    </message>
    <message>
        <source>«%1» no és una carpeta</source>
        <translation>«%1» no es una carpeta</translation>
    </message>
    <message>
        <source>«%1» no és un fitxer GIFT, Moodle XML ni Aiken</source>
        <translation>«%1» no es un archivo GIFT, Moodle XML ni Aiken</translation>
    </message>
    <message>
        <source>%1: no és UTF-8 vàlid; es llegeix com a Windows-1252</source>
        <translation>%1: no es UTF-8 válido; se lee como Windows-1252</translation>
    </message>
    <message>
        <source>amb una imatge que no es pot portar</source>
        <translation>con una imagen que no se puede importar</translation>
    </message>
    <message>
        <source>no es pot fer la carpeta «%1»</source>
        <translation>no se puede crear la carpeta «%1»</translation>
    </message>
    <message>
        <source>que no s&apos;han pogut escriure</source>
        <translation>que no se han podido escribir</translation>
    </message>
    <message>
        <source>importada, però %1</source>
        <translation>importada, pero %1</translation>
    </message>
    <message>
        <source>pregunta s&apos;importaria</source>
        <translation>pregunta se importaría</translation>
    </message>
    <message>
        <source>preguntes s&apos;importarien</source>
        <translation>preguntas se importarían</translation>
    </message>
    <message>
        <source>pregunta importada</source>
        <translation>pregunta importada</translation>
    </message>
    <message>
        <source>preguntes importades</source>
        <translation>preguntas importadas</translation>
    </message>
    <message>
        <source>. Les retroaccions no es porten</source>
        <translation>. Las retroacciones no se importan</translation>
    </message>
    <message>
        <source>%1: no hi ha cap pregunta</source>
        <translation>%1: no hay ninguna pregunta</translation>
    </message>
    <message>
        <source>«%1» fa més de %2 MB: no és una exportació de preguntes</source>
        <translation>«%1» ocupa más de %2 MB: no es una exportación de preguntas</translation>
    </message>
    <message>
        <source>«%1» no és un fitxer</source>
        <translation>«%1» no es un archivo</translation>
    </message>
    <message>
        <source>«%1» no existeix</source>
        <translation>«%1» no existe</translation>
    </message>
    <message>
        <source>no es pot llegir «%1» (%2)</source>
        <translation>no se puede leer «%1» (%2)</translation>
    </message>
    <message>
        <source>«%1»: el nom ha d&apos;acabar en .gift, .txt o .xml</source>
        <translation>«%1»: el nombre debe acabar en .gift, .txt o .xml</translation>
    </message>
    <message>
        <source>«%1» no pot anar dins de la carpeta que s&apos;exporta: el programa el comptaria com una pregunta</source>
        <translation>«%1» no puede ir dentro de la carpeta que se exporta: el programa lo contaría como una pregunta</translation>
    </message>
    <message>
        <source>que no es poden llegir</source>
        <translation>que no se pueden leer</translation>
    </message>
    <message>
        <source>no és un fitxer de pregunta que es pugui llegir</source>
        <translation>no es un archivo de pregunta que se pueda leer</translation>
    </message>
    <message>
        <source>de marcar en un gràfic</source>
        <translation>de marcar en un gráfico</translation>
    </message>
    <message>
        <source>pregunta de marcar en un gràfic: %1 no en té</source>
        <translation>pregunta de marcar en un gráfico: %1 no tiene de este tipo</translation>
    </message>
    <message>
        <source>de comprensió lectora</source>
        <translation>de comprensión lectora</translation>
    </message>
    <message>
        <source>pregunta de comprensió lectora: %1 no en té</source>
        <translation>pregunta de comprensión lectora: %1 no tiene de este tipo</translation>
    </message>
    <message>
        <source>amb imatge</source>
        <translation>con imagen</translation>
    </message>
    <message>
        <source>pregunta sobre una imatge: GIFT no porta imatges</source>
        <translation>pregunta sobre una imagen: GIFT no lleva imágenes</translation>
    </message>
    <message>
        <source>%1: exportada, però «%2» no es troba i va només pel nom</source>
        <translation>%1: exportada, pero «%2» no se encuentra y va solo por el nombre</translation>
    </message>
    <message>
        <source>Els fitxers adjunts van només pel nom: GIFT no porta fitxers.</source>
        <translation>Los archivos adjuntos van solo por el nombre: GIFT no lleva archivos.</translation>
    </message>
    <message>
        <source>pregunta s&apos;exportaria</source>
        <translation>pregunta se exportaría</translation>
    </message>
    <message>
        <source>pregunta exportada</source>
        <translation>pregunta exportada</translation>
    </message>
    <message>
        <source>preguntes s&apos;exportarien</source>
        <translation>preguntas se exportarían</translation>
    </message>
    <message>
        <source>preguntes exportades</source>
        <translation>preguntas exportadas</translation>
    </message>
    <message>
        <source>cap pregunta de «%1» es pot exportar</source>
        <translation>no se puede exportar ninguna pregunta de «%1»</translation>
    </message>
    <message>
        <source>el títol «::» no es tanca</source>
        <translation>el título «::» no se cierra</translation>
    </message>
    <message>
        <source>%1 («%2»)</source>
        <extracomment>a question&apos;s place and its name: &quot;line 3 (“Rivers”)&quot;</extracomment>
        <translation>%1 («%2»)</translation>
    </message>
    <message>
        <source>la clau «{» no es tanca</source>
        <translation>la llave «{» no se cierra</translation>
    </message>
    <message>
        <source>amb més d&apos;un buit</source>
        <translation>con más de un hueco</translation>
    </message>
    <message>
        <source>més d&apos;un bloc de respostes «{…}»: el banc en porta un</source>
        <translation>más de un bloque de respuestas «{…}»: el banco admite uno</translation>
    </message>
    <message>
        <source>amb més d&apos;una imatge</source>
        <translation>con más de una imagen</translation>
    </message>
    <message>
        <source>el text nomena %1 fitxers: el banc en porta un</source>
        <translation>el texto nombra %1 archivos: el banco admite uno</translation>
    </message>
    <message>
        <source>una pregunta de vertader o fals no porta imatge al banc</source>
        <translation>una pregunta de verdadero o falso no lleva imagen en el banco</translation>
    </message>
    <message>
        <source>les respostes no comencen per «=» ni per «~»</source>
        <translation>las respuestas no empiezan por «=» ni por «~»</translation>
    </message>
    <message>
        <source>línia %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>massa elements un dins de l&apos;altre</source>
        <translation>demasiados elementos uno dentro de otro</translation>
    </message>
    <message>
        <source>declaració d&apos;entitats</source>
        <translation>declaración de entidades</translation>
    </message>
    <message>
        <source>el fitxer incrustat «%1» no és base64 vàlid</source>
        <translation>el archivo incrustado «%1» no es base64 válido</translation>
    </message>
    <message>
        <source>amb imatges a les respostes</source>
        <translation>con imágenes en las respuestas</translation>
    </message>
    <message>
        <source>una resposta porta una imatge: el banc no en porta</source>
        <translation>una respuesta lleva una imagen: el banco no las admite</translation>
    </message>
    <message>
        <source>sense resposta correcta</source>
        <translation>sin respuesta correcta</translation>
    </message>
    <message>
        <source>ni «true» ni «false» hi valen la nota sencera</source>
        <translation>ni «true» ni «false» valen la nota completa</translation>
    </message>
    <message>
        <source>el fitxer XML declara un DOCTYPE, que una exportació de preguntes no porta: no es llegeix</source>
        <translation>el archivo XML declara un DOCTYPE, que una exportación de preguntas no lleva: no se lee</translation>
    </message>
    <message>
        <source>el fitxer XML no és una exportació de preguntes (no comença per &lt;quiz&gt;)</source>
        <translation>el archivo XML no es una exportación de preguntas (no empieza por &lt;quiz&gt;)</translation>
    </message>
    <message>
        <source>XML mal format a la línia %1: %2</source>
        <translation>XML mal formado en la línea %1: %2</translation>
    </message>
    <message>
        <source>el fitxer XML no és una exportació de preguntes (no hi ha &lt;quiz&gt;)</source>
        <translation>el archivo XML no es una exportación de preguntas (no hay &lt;quiz&gt;)</translation>
    </message>
    <message>
        <source>«ANSWER:» sense opcions al davant</source>
        <translation>«ANSWER:» sin opciones delante</translation>
    </message>
    <message>
        <source>«ANSWER: %1» no és cap de les opcions</source>
        <translation>«ANSWER: %1» no es ninguna de las opciones</translation>
    </message>
    <message>
        <source>falta la línia «ANSWER:»</source>
        <translation>falta la línea «ANSWER:»</translation>
    </message>
    <message>
        <source>d&apos;aparellar</source>
        <translation>de emparejamiento</translation>
    </message>
    <message>
        <source>pregunta d&apos;aparellar: el banc no en té</source>
        <translation>pregunta de emparejamiento: el banco no tiene de este tipo</translation>
    </message>
    <message>
        <source>numèrica</source>
        <translation>numérica</translation>
    </message>
    <message>
        <source>pregunta numèrica: el banc no en té</source>
        <translation>pregunta numérica: el banco no tiene de este tipo</translation>
    </message>
    <message>
        <source>de redacció</source>
        <translation>de redacción</translation>
    </message>
    <message>
        <source>pregunta de redacció: el banc no en té</source>
        <translation>pregunta de redacción: el banco no tiene de este tipo</translation>
    </message>
    <message>
        <source>cloze</source>
        <translation>cloze</translation>
    </message>
    <message>
        <source>pregunta cloze (respostes incrustades): el banc no en té</source>
        <translation>pregunta cloze (respuestas incrustadas): el banco no tiene de este tipo</translation>
    </message>
    <message>
        <source>descripció</source>
        <translation>descripción</translation>
    </message>
    <message>
        <source>descripció sense pregunta: el banc no en té</source>
        <translation>descripción sin pregunta: el banco no tiene de este tipo</translation>
    </message>
    <message>
        <source>calculada</source>
        <translation>calculada</translation>
    </message>
    <message>
        <source>pregunta calculada: el banc no en té</source>
        <translation>pregunta calculada: el banco no tiene de este tipo</translation>
    </message>
    <message>
        <source>d&apos;arrossegar</source>
        <translation>de arrastrar</translation>
    </message>
    <message>
        <source>pregunta d&apos;arrossegar: el banc no en té</source>
        <translation>pregunta de arrastrar: el banco no tiene de este tipo</translation>
    </message>
    <message>
        <source>de triar paraules</source>
        <translation>de elegir palabras</translation>
    </message>
    <message>
        <source>pregunta de triar paraules que falten: el banc no en té</source>
        <translation>pregunta de elegir las palabras que faltan: el banco no tiene de este tipo</translation>
    </message>
    <message>
        <source>de tipus «%1»</source>
        <translation>de tipo «%1»</translation>
    </message>
    <message>
        <source>pregunta de tipus «%1»: el banc no en té</source>
        <translation>pregunta de tipo «%1»: el banco no tiene de este tipo</translation>
    </message>
    <message>
        <source>amb dues respostes correctes</source>
        <translation>con dos respuestas correctas</translation>
    </message>
    <message>
        <source>amb %1 respostes correctes</source>
        <translation>con %1 respuestas correctas</translation>
    </message>
    <message>
        <source>%1 respostes correctes: el banc en vol una</source>
        <translation>%1 respuestas correctas: el banco necesita una</translation>
    </message>
    <message>
        <source>amb crèdit parcial</source>
        <translation>con crédito parcial</translation>
    </message>
    <message>
        <source>una resposta de crèdit parcial: el banc en vol una de correcta</source>
        <translation>una respuesta de crédito parcial: el banco necesita una correcta</translation>
    </message>
    <message>
        <source>cap resposta de valor complet: el banc en vol una de correcta</source>
        <translation>ninguna respuesta vale la nota completa: el banco necesita una correcta</translation>
    </message>
    <message>
        <source>%1 opcions: el banc en porta 8 com a màxim</source>
        <translation>%1 opciones: el banco admite 8 como máximo</translation>
    </message>
    <message>
        <source>amb una opció buida</source>
        <translation>con una opción vacía</translation>
    </message>
    <message>
        <source>una opció sense text: el banc no en pot desar</source>
        <translation>una opción sin texto: el banco no la puede guardar</translation>
    </message>
    <message>
        <source>les penalitzacions de les respostes errònies no es porten</source>
        <translation>las penalizaciones de las respuestas erróneas no se importan</translation>
    </message>
    <message>
        <source>respostes amb crèdit parcial: el banc en vol una de correcta</source>
        <translation>respuestas con crédito parcial: el banco necesita una correcta</translation>
    </message>
    <message>
        <source>cap resposta de valor complet</source>
        <translation>ninguna respuesta vale la nota completa</translation>
    </message>
    <message>
        <source>només es porta la resposta «%1»; no les altres: %2</source>
        <translation>solo se importa la respuesta «%1»; no las otras: %2</translation>
    </message>
    <message>
        <source>«%1»</source>
        <extracomment>an answer quoted in a list of them</extracomment>
        <translation>«%1»</translation>
    </message>
</context>
</TS>
