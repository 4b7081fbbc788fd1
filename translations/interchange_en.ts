<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ca">
<context>
    <name>interchange</name>
    <message>
        <source>no és un fitxer GIFT, Moodle XML ni Aiken</source>
        <translation>not a GIFT, Moodle XML or Aiken file</translation>
    </message>
    <message>
        <source>, %1 no: %2</source>
        <translation>, %1 not: %2</translation>
    </message>
    <message>
        <source>el nom de fitxer «%1» no és vàlid</source>
        <translation>the file name “%1” is not valid</translation>
    </message>
    <message>
        <source>la imatge «%1» no és GIF ni JPG i el fitxer no la porta</source>
        <translation>the picture “%1” is neither GIF nor JPG and the file does not include it</translation>
    </message>
    <message>
        <source>«%1» no és al fitxer ni a la carpeta %2</source>
        <translation>“%1” is neither in the file nor in the %2 folder</translation>
    </message>
    <message>
        <source>la imatge «%1» no és GIF ni JPG i no s&apos;ha pogut convertir</source>
        <translation>the picture “%1” is neither GIF nor JPG and could not be converted</translation>
    </message>
    <message>
        <source>no es pot fer la carpeta %1</source>
        <translation>cannot create the %1 folder</translation>
    </message>
    <message>
        <source>no es pot escriure «%1» (%2)</source>
        <translation>cannot write “%1” (%2)</translation>
    </message>
    <message>
        <source>no queda cap nom lliure per a «%1»</source>
        <translation>no free name is left for “%1”</translation>
    </message>
    <message>
        <source>sense enunciat</source>
        <translation>without a question text</translation>
    </message>
    <message>
        <source>la pregunta no té enunciat</source>
        <translation>the question has no text</translation>
    </message>
    <message>
        <source>amb més de 8 opcions</source>
        <translation>with more than 8 options</translation>
    </message>
    <message>
        <source>8 opcions i un fitxer adjunt: el banc en porta 7 amb un adjunt</source>
        <translation>8 options and an attached file: the bank takes 7 with an attachment</translation>
    </message>
    <message>
        <source>amb una sola opció</source>
        <translation>with only one option</translation>
    </message>
    <message>
        <source>una sola opció: el banc en vol dues com a mínim</source>
        <translation>only one option: the bank needs at least two</translation>
    </message>
    <message>
        <source>mal escrites</source>
        <translation>badly written</translation>
    </message>
    <message>
        <source>l&apos;última opció «%1» es llegiria com un fitxer adjunt</source>
        <translation>the last option “%1” would be read as an attached file</translation>
    </message>
    <message>
        <source>amb un caràcter que el banc no pot desar</source>
        <translation>with a character the bank cannot store</translation>
    </message>
    <message>
        <source>el caràcter «%1» (U+%2) no es pot desar en un fitxer de preguntes</source>
        <translation>the character “%1” (U+%2) cannot be stored in a question file</translation>
    </message>
    <message>
        <source>que el banc no pot desar</source>
        <translation>that the bank cannot store</translation>
    </message>
    <message>
        <source>no queda cap número lliure</source>
        <translation>no free number is left</translation>
    </message>
    <message>
        <source>la carpeta «%1» no és dins de la carpeta Preguntas d&apos;una carpeta del programa</source>
        <translation>the folder “%1” is not inside the Preguntas folder of a program folder</translation>
    </message>
    <message>
        <source>«%1» no és una carpeta</source>
        <translation>“%1” is not a folder</translation>
    </message>
    <message>
        <source>«%1» no és un fitxer GIFT, Moodle XML ni Aiken</source>
        <translation>“%1” is not a GIFT, Moodle XML or Aiken file</translation>
    </message>
    <message>
        <source>%1: no és UTF-8 vàlid; es llegeix com a Windows-1252</source>
        <translation>%1: not valid UTF-8; read as Windows-1252</translation>
    </message>
    <message>
        <source>amb una imatge que no es pot portar</source>
        <translation>with a picture that cannot be brought in</translation>
    </message>
    <message>
        <source>no es pot fer la carpeta «%1»</source>
        <translation>cannot create the folder “%1”</translation>
    </message>
    <message>
        <source>que no s&apos;han pogut escriure</source>
        <translation>that could not be written</translation>
    </message>
    <message>
        <source>importada, però %1</source>
        <translation>imported, but %1</translation>
    </message>
    <message>
        <source>pregunta s&apos;importaria</source>
        <translation>question would be imported</translation>
    </message>
    <message>
        <source>preguntes s&apos;importarien</source>
        <translation>questions would be imported</translation>
    </message>
    <message>
        <source>pregunta importada</source>
        <translation>question imported</translation>
    </message>
    <message>
        <source>preguntes importades</source>
        <translation>questions imported</translation>
    </message>
    <message>
        <source>. Les retroaccions no es porten</source>
        <translation>. Feedback is not carried over</translation>
    </message>
    <message>
        <source>%1: no hi ha cap pregunta</source>
        <translation>%1: there are no questions</translation>
    </message>
    <message>
        <source>«%1» fa més de %2 MB: no és una exportació de preguntes</source>
        <translation>“%1” is larger than %2 MB: it is not a question export</translation>
    </message>
    <message>
        <source>«%1» no és un fitxer</source>
        <translation>“%1” is not a file</translation>
    </message>
    <message>
        <source>«%1» no existeix</source>
        <translation>“%1” does not exist</translation>
    </message>
    <message>
        <source>no es pot llegir «%1» (%2)</source>
        <translation>cannot read “%1” (%2)</translation>
    </message>
    <message>
        <source>«%1»: el nom ha d&apos;acabar en .gift, .txt o .xml</source>
        <translation>“%1”: the name must end in .gift, .txt or .xml</translation>
    </message>
    <message>
        <source>«%1» no pot anar dins de la carpeta que s&apos;exporta: el programa el comptaria com una pregunta</source>
        <translation>“%1” cannot go inside the folder being exported: the program would count it as a question</translation>
    </message>
    <message>
        <source>que no es poden llegir</source>
        <translation>that cannot be read</translation>
    </message>
    <message>
        <source>no és un fitxer de pregunta que es pugui llegir</source>
        <translation>not a question file that can be read</translation>
    </message>
    <message>
        <source>de marcar en un gràfic</source>
        <translation>marking a point on a graphic</translation>
    </message>
    <message>
        <source>pregunta de marcar en un gràfic: %1 no en té</source>
        <translation>question marking a point on a graphic: %1 has no such type</translation>
    </message>
    <message>
        <source>de comprensió lectora</source>
        <translation>reading comprehension</translation>
    </message>
    <message>
        <source>pregunta de comprensió lectora: %1 no en té</source>
        <translation>reading comprehension question: %1 has no such type</translation>
    </message>
    <message>
        <source>amb imatge</source>
        <translation>with a picture</translation>
    </message>
    <message>
        <source>pregunta sobre una imatge: GIFT no porta imatges</source>
        <translation>question about a picture: GIFT carries no pictures</translation>
    </message>
    <message>
        <source>%1: exportada, però «%2» no es troba i va només pel nom</source>
        <translation>%1: exported, but “%2” is not found and goes by name only</translation>
    </message>
    <message>
        <source>Els fitxers adjunts van només pel nom: GIFT no porta fitxers.</source>
        <translation>Attached files go by name only: GIFT carries no files.</translation>
    </message>
    <message>
        <source>pregunta s&apos;exportaria</source>
        <translation>question would be exported</translation>
    </message>
    <message>
        <source>pregunta exportada</source>
        <translation>question exported</translation>
    </message>
    <message>
        <source>preguntes s&apos;exportarien</source>
        <translation>questions would be exported</translation>
    </message>
    <message>
        <source>preguntes exportades</source>
        <translation>questions exported</translation>
    </message>
    <message>
        <source>cap pregunta de «%1» es pot exportar</source>
        <translation>no question in “%1” can be exported</translation>
    </message>
    <message>
        <source>el títol «::» no es tanca</source>
        <translation>the title “::” is not closed</translation>
    </message>
    <message>
        <source>%1 («%2»)</source>
        <extracomment>a question&apos;s place and its name: &quot;line 3 (“Rivers”)&quot;</extracomment>
        <translation>%1 (“%2”)</translation>
    </message>
    <message>
        <source>la clau «{» no es tanca</source>
        <translation>the brace “{” is not closed</translation>
    </message>
    <message>
        <source>amb més d&apos;un buit</source>
        <translation>with more than one blank</translation>
    </message>
    <message>
        <source>més d&apos;un bloc de respostes «{…}»: el banc en porta un</source>
        <translation>more than one answer block “{…}”: the bank takes one</translation>
    </message>
    <message>
        <source>amb més d&apos;una imatge</source>
        <translation>with more than one picture</translation>
    </message>
    <message>
        <source>el text nomena %1 fitxers: el banc en porta un</source>
        <translation>the text names %1 files: the bank takes one</translation>
    </message>
    <message>
        <source>una pregunta de vertader o fals no porta imatge al banc</source>
        <translation>a true-or-false question carries no picture in the bank</translation>
    </message>
    <message>
        <source>les respostes no comencen per «=» ni per «~»</source>
        <translation>the answers start with neither “=” nor “~”</translation>
    </message>
    <message>
        <source>línia %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>massa elements un dins de l&apos;altre</source>
        <translation>too many elements nested inside one another</translation>
    </message>
    <message>
        <source>declaració d&apos;entitats</source>
        <translation>entity declaration</translation>
    </message>
    <message>
        <source>el fitxer incrustat «%1» no és base64 vàlid</source>
        <translation>the embedded file “%1” is not valid base64</translation>
    </message>
    <message>
        <source>amb imatges a les respostes</source>
        <translation>with pictures in the answers</translation>
    </message>
    <message>
        <source>una resposta porta una imatge: el banc no en porta</source>
        <translation>an answer carries a picture: the bank takes none</translation>
    </message>
    <message>
        <source>sense resposta correcta</source>
        <translation>without a right answer</translation>
    </message>
    <message>
        <source>ni «true» ni «false» hi valen la nota sencera</source>
        <translation>neither “true” nor “false” is worth full marks</translation>
    </message>
    <message>
        <source>el fitxer XML declara un DOCTYPE, que una exportació de preguntes no porta: no es llegeix</source>
        <translation>the XML file declares a DOCTYPE, which a question export never has: it is not read</translation>
    </message>
    <message>
        <source>el fitxer XML no és una exportació de preguntes (no comença per &lt;quiz&gt;)</source>
        <translation>the XML file is not a question export (it does not start with &lt;quiz&gt;)</translation>
    </message>
    <message>
        <source>XML mal format a la línia %1: %2</source>
        <translation>malformed XML on line %1: %2</translation>
    </message>
    <message>
        <source>el fitxer XML no és una exportació de preguntes (no hi ha &lt;quiz&gt;)</source>
        <translation>the XML file is not a question export (there is no &lt;quiz&gt;)</translation>
    </message>
    <message>
        <source>«ANSWER:» sense opcions al davant</source>
        <translation>“ANSWER:” with no options before it</translation>
    </message>
    <message>
        <source>«ANSWER: %1» no és cap de les opcions</source>
        <translation>“ANSWER: %1” is none of the options</translation>
    </message>
    <message>
        <source>falta la línia «ANSWER:»</source>
        <translation>the “ANSWER:” line is missing</translation>
    </message>
    <message>
        <source>d&apos;aparellar</source>
        <translation>matching</translation>
    </message>
    <message>
        <source>pregunta d&apos;aparellar: el banc no en té</source>
        <translation>matching question: the bank has no such type</translation>
    </message>
    <message>
        <source>numèrica</source>
        <translation>numerical</translation>
    </message>
    <message>
        <source>pregunta numèrica: el banc no en té</source>
        <translation>numerical question: the bank has no such type</translation>
    </message>
    <message>
        <source>de redacció</source>
        <translation>essay</translation>
    </message>
    <message>
        <source>pregunta de redacció: el banc no en té</source>
        <translation>essay question: the bank has no such type</translation>
    </message>
    <message>
        <source>cloze</source>
        <translation>cloze</translation>
    </message>
    <message>
        <source>pregunta cloze (respostes incrustades): el banc no en té</source>
        <translation>cloze question (embedded answers): the bank has no such type</translation>
    </message>
    <message>
        <source>descripció</source>
        <translation>description</translation>
    </message>
    <message>
        <source>descripció sense pregunta: el banc no en té</source>
        <translation>description without a question: the bank has no such type</translation>
    </message>
    <message>
        <source>calculada</source>
        <translation>calculated</translation>
    </message>
    <message>
        <source>pregunta calculada: el banc no en té</source>
        <translation>calculated question: the bank has no such type</translation>
    </message>
    <message>
        <source>d&apos;arrossegar</source>
        <translation>drag and drop</translation>
    </message>
    <message>
        <source>pregunta d&apos;arrossegar: el banc no en té</source>
        <translation>drag-and-drop question: the bank has no such type</translation>
    </message>
    <message>
        <source>de triar paraules</source>
        <translation>select missing words</translation>
    </message>
    <message>
        <source>pregunta de triar paraules que falten: el banc no en té</source>
        <translation>select-missing-words question: the bank has no such type</translation>
    </message>
    <message>
        <source>de tipus «%1»</source>
        <translation>of type “%1”</translation>
    </message>
    <message>
        <source>pregunta de tipus «%1»: el banc no en té</source>
        <translation>question of type “%1”: the bank has no such type</translation>
    </message>
    <message>
        <source>amb dues respostes correctes</source>
        <translation>with two right answers</translation>
    </message>
    <message>
        <source>amb %1 respostes correctes</source>
        <translation>with %1 right answers</translation>
    </message>
    <message>
        <source>%1 respostes correctes: el banc en vol una</source>
        <translation>%1 right answers: the bank needs one</translation>
    </message>
    <message>
        <source>amb crèdit parcial</source>
        <translation>with partial credit</translation>
    </message>
    <message>
        <source>una resposta de crèdit parcial: el banc en vol una de correcta</source>
        <translation>an answer with partial credit: the bank needs one right answer</translation>
    </message>
    <message>
        <source>cap resposta de valor complet: el banc en vol una de correcta</source>
        <translation>no answer is worth full marks: the bank needs one right answer</translation>
    </message>
    <message>
        <source>%1 opcions: el banc en porta 8 com a màxim</source>
        <translation>%1 options: the bank takes 8 at most</translation>
    </message>
    <message>
        <source>amb una opció buida</source>
        <translation>with an empty option</translation>
    </message>
    <message>
        <source>una opció sense text: el banc no en pot desar</source>
        <translation>an option without text: the bank cannot store it</translation>
    </message>
    <message>
        <source>les penalitzacions de les respostes errònies no es porten</source>
        <translation>the penalties of wrong answers are not carried over</translation>
    </message>
    <message>
        <source>respostes amb crèdit parcial: el banc en vol una de correcta</source>
        <translation>answers with partial credit: the bank needs one right answer</translation>
    </message>
    <message>
        <source>cap resposta de valor complet</source>
        <translation>no answer is worth full marks</translation>
    </message>
    <message>
        <source>només es porta la resposta «%1»; no les altres: %2</source>
        <translation>only the answer “%1” is brought in; not the others: %2</translation>
    </message>
    <message>
        <source>«%1»</source>
        <extracomment>an answer quoted in a list of them</extracomment>
        <translation>“%1”</translation>
    </message>
</context>
</TS>
