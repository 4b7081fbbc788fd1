<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ca">
<context>
    <name>checker</name>
    <message>
        <source>la finestra d&apos;inici</source>
        <translation>the start window</translation>
    </message>
    <message>
        <source>la finestra de selecció</source>
        <translation>the selection window</translation>
    </message>
    <message>
        <source>la finestra de prova</source>
        <translation>the test window</translation>
    </message>
    <message>
        <source>1 línia</source>
        <translation>1 line</translation>
    </message>
    <message>
        <source>%1 línies</source>
        <translation>%1 lines</translation>
    </message>
    <message>
        <source>1 fitxer</source>
        <translation>1 file</translation>
    </message>
    <message>
        <source>%1 fitxers</source>
        <translation>%1 files</translation>
    </message>
    <message>
        <source> i %1 més</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source>No es pot llegir la carpeta: el programa la veu buida.</source>
        <translation>The folder cannot be read: the program sees it empty.</translation>
    </message>
    <message>
        <source>la carpeta «%1» no existeix.</source>
        <translation>the folder “%1” does not exist.</translation>
    </message>
    <message>
        <source>a «%1» no hi ha cap carpeta «%2».</source>
        <translation>there is no “%2” folder in “%1”.</translation>
    </message>
    <message>
        <source>no es pot llegir la carpeta «%1».</source>
        <translation>the folder “%1” cannot be read.</translation>
    </message>
    <message>
        <source>només es fan les preguntes de les carpetes de matèria o d&apos;opció</source>
        <translation>only questions in subject or option folders are asked</translation>
    </message>
    <message>
        <source>La carpeta no té cap curs.</source>
        <translation>The folder has no year.</translation>
    </message>
    <message>
        <source>El nom no és UTF-8 (potser «%1», d&apos;un zip fet a Windows): els programes no veuen %2; canvieu-li el nom.</source>
        <translation>The name is not UTF-8 (perhaps “%1”, from a zip made on Windows): the programs do not see %2; rename it.</translation>
    </message>
    <message>
        <source>la carpeta ni res del que conté</source>
        <translation>the folder or anything in it</translation>
    </message>
    <message>
        <source>el fitxer</source>
        <translation>the file</translation>
    </message>
    <message>
        <source>És un enllaç a una carpeta: el programa no el segueix i no en fa cap pregunta.</source>
        <translation>It is a link to a folder: the program does not follow it and asks none of its questions.</translation>
    </message>
    <message>
        <source>No es pot llegir el fitxer «%1»: el programa fa com si no hi fos.</source>
        <translation>The file “%1” cannot be read: the program acts as if it were not there.</translation>
    </message>
    <message>
        <source>El programa hi llegeix %1 i %2 en necessita %3: un editor en mostra %4, però el programa només acaba les línies en CR LF i hi ha salts de línia LF sols, que ajunten dues línies en una. Deseu-lo amb finals de línia de Windows (CR LF).</source>
        <translation>The program reads %1 in it and %2 needs %3: an editor shows %4, but the program only ends lines at CR LF and there are lone LF line breaks, which join two lines into one. Save it with Windows line endings (CR LF).</translation>
    </message>
    <message>
        <source>El fitxer té %1 i %2 en llegeix %3.</source>
        <translation>The file has %1 and %2 reads %3.</translation>
    </message>
    <message>
        <source>No es pot llegir el fitxer «%1»: el programa puntua sobre 10.</source>
        <translation>The file “%1” cannot be read: the program marks out of 10.</translation>
    </message>
    <message>
        <source>La primera línia («%1») no és només un nombre: el programa en pren el nombre del començament i puntua sobre %2.</source>
        <translation>The first line (“%1”) is not just a number: the program takes the number at its start and marks out of %2.</translation>
    </message>
    <message>
        <source>El curs no té cap matèria.</source>
        <translation>The year has no subject.</translation>
    </message>
    <message>
        <source>El curs té %1 matèries i una prova en fa com a màxim %2: les que es triïn de més no es fan.</source>
        <translation>The year has %1 subjects and a test takes at most %2: any chosen beyond that are not asked.</translation>
    </message>
    <message>
        <source>la matèria té carpetes d&apos;opció i només es fan les preguntes que hi ha dins</source>
        <translation>the subject has option folders and only the questions inside them are asked</translation>
    </message>
    <message>
        <source>Aquestes preguntes no es fan mai (%1): %2.</source>
        <translation>These questions are never asked (%1): %2.</translation>
    </message>
    <message>
        <source>La carpeta té %1 i el programa no fa mai una matèria amb menys de %2.</source>
        <translation>The folder has %1 and the program never asks a subject with fewer than %2.</translation>
    </message>
    <message>
        <source>falta </source>
        <translation>missing: </translation>
    </message>
    <message>
        <source>falten </source>
        <translation>missing: </translation>
    </message>
    <message>
        <source>no es fan mai: </source>
        <translation>never asked: </translation>
    </message>
    <message>
        <source>Amb %1 a la carpeta, el programa tria entre 1.txt i %2.txt: %3.</source>
        <translation>With %1 in the folder, the program draws from 1.txt to %2.txt: %3.</translation>
    </message>
    <message>
        <source>L&apos;enunciat és buit: l&apos;alumne no sap què se li pregunta.</source>
        <translation>The question is blank: the pupil does not know what is asked.</translation>
    </message>
    <message>
        <source>La resposta és buida: cap alumne no la pot encertar.</source>
        <translation>The answer is blank: no pupil can get it right.</translation>
    </message>
    <message>
        <source>La resposta «%1» no és ni VERDADERO ni FALSO, en majúscules i sense espais: el programa la pren per FALSO.</source>
        <translation>The answer “%1” is neither VERDADERO nor FALSO, in capitals and without spaces: the program takes it as FALSO.</translation>
    </message>
    <message>
        <source>La pregunta té opcions buides (%1): el programa les mostra en blanc.</source>
        <translation>The question has empty options (%1): the program shows them blank.</translation>
    </message>
    <message>
        <source>La pregunta té una sola opció: no hi ha res a triar.</source>
        <translation>The question has only one option: there is nothing to choose.</translation>
    </message>
    <message>
        <source>L&apos;única opció correcta, la %1, és en blanc: l&apos;alumne no sap quina triar.</source>
        <translation>The only right option, number %1, is blank: the pupil cannot tell which to choose.</translation>
    </message>
    <message>
        <source>La pregunta no té cap opció correcta: cap opció no acaba en un espai.</source>
        <translation>The question has no right option: no option ends in a space.</translation>
    </message>
    <message>
        <source>La pregunta no té cap opció correcta: %1 en un espai no separable, i només un espai normal al final marca la correcta.</source>
        <translation>The question has no right option: %1 in a no-break space, and only an ordinary space at the end marks the right one.</translation>
    </message>
    <message>
        <source>l&apos;opció %1 acaba</source>
        <translation>option %1 ends</translation>
    </message>
    <message>
        <source>les opcions %1 acaben</source>
        <translation>options %1 end</translation>
    </message>
    <message>
        <source>La pregunta té %1 opcions correctes (les que acaben en un espai): la %2 i la %3.</source>
        <translation>The question has %1 right options (those ending in a space): %2 and %3.</translation>
    </message>
    <message>
        <source>, la </source>
        <translation>, </translation>
    </message>
    <message>
        <source>La línia del text és buida: la pregunta no diu quin text s&apos;ha de llegir.</source>
        <translation>The text line is blank: the question does not say which text to read.</translation>
    </message>
    <message>
        <source>La línia del gràfic és buida: la pregunta no diu quin gràfic s&apos;ha de marcar.</source>
        <translation>The graphic line is blank: the question does not say which graphic to mark.</translation>
    </message>
    <message>
        <source>La línia de la imatge és buida: la pregunta no diu quina imatge es mostra.</source>
        <translation>The picture line is blank: the question does not say which picture to show.</translation>
    </message>
    <message>
        <source>El punt %1 és fora del gràfic «%2», de %3 × %4 píxels: cap clic no hi arriba.</source>
        <translation>The point %1 lies outside the graphic “%2”, %3 × %4 pixels: no click can reach it.</translation>
    </message>
    <message>
        <source>El punt %1 del gràfic «%2» és sobre una línia o una taca massa petita per clicar-hi: la seva regió no té cap quadrat de %3 × %3 píxels del seu color.</source>
        <translation>The point %1 of the graphic “%2” is on a line or a spot too small to click: its region holds no square of %3 × %3 pixels of its colour.</translation>
    </message>
    <message>
        <source>La paraula «%1» té un espai no separable, i el text es talla en aquest espai com en un espai normal: cap clic no la dona.</source>
        <translation>The word “%1” has a no-break space, and the text is split at that space as at an ordinary one: no click gives it.</translation>
    </message>
    <message>
        <source>Cap paraula del text «%1» no es pot triar com a «%2»: només els espais separen les paraules.</source>
        <translation>No word of the text “%1” can be picked as “%2”: only spaces separate words.</translation>
    </message>
    <message>
        <source>tipus test</source>
        <translation>multiple choice</translation>
    </message>
    <message>
        <source>resposta escrita</source>
        <translation>written answer</translation>
    </message>
    <message>
        <source>imatge amb resposta</source>
        <translation>picture with answer</translation>
    </message>
    <message>
        <source>marcar en un gràfic</source>
        <translation>mark on a graphic</translation>
    </message>
    <message>
        <source>comprensió lectora</source>
        <translation>reading comprehension</translation>
    </message>
    <message>
        <source>vertader o fals</source>
        <translation>true or false</translation>
    </message>
    <message>
        <source>Resum: %1, %2, %3, %4.</source>
        <translation>Summary: %1, %2, %3, %4.</translation>
    </message>
    <message>
        <source>curs</source>
        <translation>year</translation>
    </message>
    <message>
        <source>cursos</source>
        <translation>years</translation>
    </message>
    <message>
        <source>matèria</source>
        <translation>subject</translation>
    </message>
    <message>
        <source>matèries</source>
        <translation>subjects</translation>
    </message>
    <message>
        <source>carpeta de preguntes</source>
        <translation>question folder</translation>
    </message>
    <message>
        <source>carpetes de preguntes</source>
        <translation>question folders</translation>
    </message>
    <message>
        <source>pregunta</source>
        <translation>question</translation>
    </message>
    <message>
        <source>preguntes</source>
        <translation>questions</translation>
    </message>
    <message>
        <source>  fitxers que no són preguntes: %1</source>
        <translation>  files that are not questions: %1</translation>
    </message>
    <message>
        <source>Cap problema.</source>
        <translation>No problems.</translation>
    </message>
    <message>
        <source>problema</source>
        <translation>problem</translation>
    </message>
    <message>
        <source>problemes</source>
        <translation>problems</translation>
    </message>
    <message>
        <source>El fitxer té %1 i el d&apos;un altre idioma en té %2: el programa de resultats mostra les que hi falten en català.</source>
        <translation>The file has %1 and another language&apos;s has %2: the class results show the missing ones in Catalan.</translation>
    </message>
    <message>
        <source>El fitxer té caràcters nuls: no és text en Windows-1252 ni en UTF-8.</source>
        <translation>The file holds NUL characters: it is neither Windows-1252 nor UTF-8 text.</translation>
    </message>
    <message>
        <source>La primera línia («%1») no és cap nota màxima de 0,01 a 32767: el programa puntua sobre 10.</source>
        <translation>The first line (“%1”) is not a top mark from 0.01 to 32767: the program marks out of 10.</translation>
    </message>
</context>
<context>
    <name>checker::main</name>
    <message>
        <source>%1 preguntes llegides  %2</source>
        <translation>%1 questions read  %2</translation>
    </message>
    <message>
        <source>de la línia d&apos;ordres</source>
        <translation>from the command line</translation>
    </message>
    <message>
        <source>Comprova el banc de preguntes, les imatges, els textos, els fitxers d&apos;idioma i tope.txt de la carpeta del programa, la mateixa que farien servir els programes (--folder o CARPETA, BRENLOQ_FOLDER, la configuració del sistema, la carpeta de brenloq-check si té Preguntas, la carpeta de l&apos;usuari), i escriu una línia per problema. Surt amb 0 si no en troba cap, 1 si en troba i 2 si no pot comprovar.</source>
        <translation>Checks the question bank, the pictures, the texts, the language files and tope.txt of the program folder, the same one the programs would use (--folder or FOLDER, BRENLOQ_FOLDER, the system settings, brenloq-check&apos;s own folder if it holds Preguntas, the user&apos;s folder), and writes one line per problem. Exits with 0 if it finds none, 1 if it finds some and 2 if it cannot check.</translation>
    </message>
    <message>
        <source>Comprova la carpeta CARPETA.</source>
        <translation>Check the folder FOLDER.</translation>
    </message>
    <message>
        <source>CARPETA</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>La carpeta del programa.</source>
        <translation>The program folder.</translation>
    </message>
    <message>
        <source>[CARPETA]</source>
        <translation>[FOLDER]</translation>
    </message>
    <message>
        <source>una sola carpeta.</source>
        <translation>one folder only.</translation>
    </message>
</context>
</TS>
