<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>bank::Question</name>
    <message>
        <source>El tipo de pregunta %1 no existe. No se ha guardado la pregunta.</source>
        <translation>There is no question type %1. The question has not been saved.</translation>
    </message>
    <message>
        <source>Una pregunta tipo test tiene como máximo ocho opciones, o siete con un archivo de imagen o de texto. No se ha guardado la pregunta.</source>
        <translation>A multiple-choice question has eight options at most, or seven with a picture or text file. The question has not been saved.</translation>
    </message>
    <message>
        <source>Una pregunta tipo test necesita al menos una opción. No se ha guardado la pregunta.</source>
        <translation>A multiple-choice question needs at least one option. The question has not been saved.</translation>
    </message>
    <message>
        <source>El archivo «%1» no es txt, gif ni jpg. No se ha guardado la pregunta.</source>
        <translation>The file “%1” is not a txt, gif or jpg file. The question has not been saved.</translation>
    </message>
    <message>
        <source>La última opción «%1» se leería como un archivo adjunto. No se ha guardado la pregunta.</source>
        <translation>The last option “%1” would be read as an attached file. The question has not been saved.</translation>
    </message>
    <message>
        <source>Un campo de la pregunta contiene un salto de línea. No se ha guardado la pregunta.</source>
        <translation>A field of the question contains a line break. The question has not been saved.</translation>
    </message>
    <message>
        <source>Un campo de la pregunta contiene un carácter nulo. No se ha guardado la pregunta.</source>
        <translation>A field of the question contains a null character. The question has not been saved.</translation>
    </message>
    <message>
        <source>El carácter «%1» no se puede guardar en un archivo de preguntas. No se ha guardado la pregunta.</source>
        <translation>The character “%1” cannot be saved in a question file. The question has not been saved.</translation>
    </message>
    <message>
        <source>La carpeta «%1» no existe. No se ha guardado la pregunta.</source>
        <translation>The folder “%1” does not exist. The question has not been saved.</translation>
    </message>
    <message>
        <source>No se puede crear el archivo «%1» (%2). No se ha guardado la pregunta.</source>
        <translation>The file “%1” cannot be created (%2). The question has not been saved.</translation>
    </message>
    <message>
        <source>No queda ningún número libre en la carpeta «%1».</source>
        <translation>There is no free number left in the folder “%1”.</translation>
    </message>
</context>
<context>
    <name>editor</name>
    <message>
        <source>Pregunta tipo test</source>
        <translation>Multiple-choice question</translation>
    </message>
    <message>
        <source>Pregunta con una respuesta escrita</source>
        <translation>Question with a written answer</translation>
    </message>
    <message>
        <source>Pregunta referida a una imagen con respuesta</source>
        <translation>Question about a picture, with an answer</translation>
    </message>
    <message>
        <source>Pregunta cuya respuesta es marcar en un gráfico</source>
        <translation>Question answered by marking a graphic</translation>
    </message>
    <message>
        <source>Pregunta de comprensión lectora</source>
        <translation>Reading comprehension question</translation>
    </message>
    <message>
        <source>Pregunta de verdadero o falso</source>
        <translation>True or false question</translation>
    </message>
    <message>
        <source>Editor de preguntas 2.0 - </source>
        <translation>Question editor 2.0 - </translation>
    </message>
    <message>
        <source>Autor de la pregunta</source>
        <translation>Question author</translation>
    </message>
    <message>
        <source>Comprobar</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Guardar pregunta</source>
        <translation>Save question</translation>
    </message>
    <message>
        <source>Carpetas</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Preguntas</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Pregunta</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Opción %1</source>
        <translation>Option %1</translation>
    </message>
    <message>
        <source>BORRAR TODO Y EMPEZAR UNA NUEVA PREGUNTA TIPO TEST</source>
        <translation>CLEAR ALL AND START A NEW MULTIPLE-CHOICE QUESTION</translation>
    </message>
    <message>
        <source>Después de escribir el enunciado se ha de seleccionar la opción correcta</source>
        <translation>After writing the question, select the right option</translation>
    </message>
    <message>
        <source>Respuesta</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Texto seleccionado</source>
        <translation>Selected text</translation>
    </message>
    <message>
        <source>Pregunta referida al texto que tiene de respuesta una palabra</source>
        <translation>Question about the text whose answer is one word</translation>
    </message>
    <message>
        <source>Refresca</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>VERDADERO</source>
        <translation>TRUE</translation>
    </message>
    <message>
        <source>FALSO</source>
        <translation>FALSE</translation>
    </message>
    <message>
        <source>Comprueba la pregunta</source>
        <translation>Check the question</translation>
    </message>
    <message>
        <source>CONFIRMAR</source>
        <translation>CONFIRM</translation>
    </message>
    <message>
        <source>ACEPTAR</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No has seleccionado ninguna opción</source>
        <translation>You have not selected any option</translation>
    </message>
    <message>
        <source>CORRECTO</source>
        <translation>RIGHT</translation>
    </message>
    <message>
        <source>INCORRECTO</source>
        <translation>WRONG</translation>
    </message>
    <message>
        <source>Selecciona el archivo txt que contiene las preguntas y respuestas</source>
        <translation>Select the txt file that holds the questions and answers</translation>
    </message>
    <message>
        <source>Archivos</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Respuestas</source>
        <translation>Answers</translation>
    </message>
    <message>
        <source>Selecciona el archivo txt, jpg o gif</source>
        <translation>Select the txt, jpg or gif file</translation>
    </message>
    <message>
        <source>Se ha importado 1 pregunta.</source>
        <translation>1 question imported.</translation>
    </message>
    <message>
        <source>Se han importado %1 preguntas.</source>
        <translation>%1 questions imported.</translation>
    </message>
    <message>
        <source>Se ha exportado 1 pregunta.</source>
        <translation>1 question exported.</translation>
    </message>
    <message>
        <source>Se han exportado %1 preguntas.</source>
        <translation>%1 questions exported.</translation>
    </message>
    <message>
        <source> No se han importado %1: %2.</source>
        <translation> Not imported, %1: %2.</translation>
    </message>
    <message>
        <source> No se han exportado %1: %2.</source>
        <translation> Not exported, %1: %2.</translation>
    </message>
    <message>
        <source>… y %1 más.</source>
        <translation>… and %1 more.</translation>
    </message>
    <message>
        <source>No se ha importado ninguna pregunta (%1).</source>
        <translation>No question imported (%1).</translation>
    </message>
    <message>
        <source>No se ha exportado ninguna pregunta (%1).</source>
        <translation>No question exported (%1).</translation>
    </message>
    <message>
        <source>Importar preguntas…</source>
        <translation>Import questions…</translation>
    </message>
    <message>
        <source>Exportar preguntas…</source>
        <translation>Export questions…</translation>
    </message>
    <message>
        <source>Importar preguntas</source>
        <translation>Import questions</translation>
    </message>
    <message>
        <source>Preguntas de otras plataformas (*.gift *.txt *.xml);;Todos los archivos (*)</source>
        <translation>Questions from other platforms (*.gift *.txt *.xml);;All files (*)</translation>
    </message>
    <message>
        <source>Exportar preguntas</source>
        <translation>Export questions</translation>
    </message>
    <message>
        <source>Moodle XML (*.xml);;GIFT (*.gift *.txt)</source>
        <translation>Moodle XML (*.xml);;GIFT (*.gift *.txt)</translation>
    </message>
    <message>
        <source>«%1» no es un archivo normal y no se puede leer.</source>
        <translation>“%1” is not an ordinary file and cannot be read.</translation>
    </message>
    <message>
        <source>El archivo «%1» es demasiado grande para ser una pregunta.</source>
        <translation>The file “%1” is too large to be a question.</translation>
    </message>
    <message>
        <source>La lista «%1» es demasiado larga para mostrarla (%2 MB).</source>
        <translation>The list “%1” is too long to show (%2 MB).</translation>
    </message>
    <message>
        <source>El texto «%1» es demasiado largo para mostrarlo (%2 MB).</source>
        <translation>The text “%1” is too long to show (%2 MB).</translation>
    </message>
    <message>
        <source>La imagen «%1» no se puede leer: no es un GIF, JPG o BMP válido.</source>
        <translation>The picture “%1” cannot be read: it is not a valid GIF, JPG or BMP.</translation>
    </message>
    <message>
        <source>La imagen «%1» es demasiado grande para mostrarla.</source>
        <translation>The picture “%1” is too large to show.</translation>
    </message>
    <message>
        <source>La imagen «%1» es demasiado grande para mostrarla (%2 × %3 píxeles).</source>
        <translation>The picture “%1” is too large to show (%2 × %3 pixels).</translation>
    </message>
    <message>
        <source>«%1» es un enlace que sale de la carpeta del programa: BRENLOQ no lo leerá.</source>
        <translation>“%1” is a link leading out of the program folder: BRENLOQ will not read it.</translation>
    </message>
    <message>
        <source>La imagen «%1» es demasiado ancha para mostrarla a esta altura (%2 × %3 píxeles).</source>
        <translation>The picture “%1” is too wide to show at this height (%2 × %3 pixels).</translation>
    </message>
    <message>
        <source>LA RESPUESTA CORRECTA ES : </source>
        <translation>THE RIGHT ANSWER IS: </translation>
    </message>
    <message>
        <source>Se ha de escribir la pregunta</source>
        <translation>The question must be written</translation>
    </message>
    <message>
        <source>Se ha de escribir la primera opción</source>
        <translation>The first option must be written</translation>
    </message>
    <message>
        <source>Se ha de escribir la segunda opción</source>
        <translation>The second option must be written</translation>
    </message>
    <message>
        <source>Si se selecciona un archivo de imagen o de texto, no debemos escribir en la opcion 8</source>
        <translation>When a picture or text file is selected, option 8 must be left empty</translation>
    </message>
    <message>
        <source>Has de seleccionar la opción correcta</source>
        <translation>You must select the right option</translation>
    </message>
    <message>
        <source>Te falta redactar la pregunta i/o la respuesta</source>
        <translation>The question or the answer is still missing</translation>
    </message>
    <message>
        <source>Falta seleccionar una imagen</source>
        <translation>A picture must be selected</translation>
    </message>
    <message>
        <source>Falta redactar la pregunta</source>
        <translation>The question is still missing</translation>
    </message>
    <message>
        <source>Se ha de seleccionar un gráfico y hacer clic en él</source>
        <translation>Select a graphic and click on it</translation>
    </message>
    <message>
        <source>Falta seleccionar un gráfico</source>
        <translation>A graphic must be selected</translation>
    </message>
    <message>
        <source>Se ha de seleccionar el archivo de texto</source>
        <translation>The text file must be selected</translation>
    </message>
    <message>
        <source>Se ha de hacer clic en la palabra del texto</source>
        <translation>Click the word in the text</translation>
    </message>
    <message>
        <source>Se de escribir la pregunta</source>
        <translation>The question must be written</translation>
    </message>
    <message>
        <source>Falta hacer clic sobre verdadero o falso</source>
        <translation>Click true or false</translation>
    </message>
    <message>
        <source>Añadir txt, gif o jpg</source>
        <translation>Add txt, gif or jpg</translation>
    </message>
    <message>
        <source>De acuerdo</source>
        <translation>Agreed</translation>
    </message>
    <message>
        <source>Se debe comprobar la pregunta</source>
        <translation>The question must be checked first</translation>
    </message>
    <message>
        <source>No se puede pulsar la tecla intro</source>
        <translation>The Enter key cannot be used here</translation>
    </message>
    <message>
        <source>La opción marcada como correcta está vacía</source>
        <translation>The option marked as right is empty</translation>
    </message>
</context>
<context>
    <name>editor::main</name>
    <message>
        <source>Editor de BRENLOQ: escribe, comprueba y guarda las preguntas del banco.</source>
        <translation>BRENLOQ editor: writes, checks and saves the questions of the bank.</translation>
    </message>
    <message>
        <source>Usar la carpeta del programa PATH (preguntas, gráficos, textos).</source>
        <translation>Use the program folder PATH (questions, graphics, texts).</translation>
    </message>
    <message>
        <source>No se puede escribir en la carpeta «%1»: las preguntas nuevas no se podrán guardar.</source>
        <translation>The folder “%1” cannot be written to: new questions cannot be saved.</translation>
    </message>
    <message>
        <source>Se ha creado la carpeta del programa «%1» en esta cuenta. Las preguntas y los informes de los alumnos se guardarán aquí y solo se verán desde esta cuenta. Para compartir una carpeta entre todas las cuentas, vea brenloq-editor --help.</source>
        <translation>The program folder “%1” has been created in this account. Questions and pupils&apos; reports will be saved here and can only be seen from this account. To share one folder between all accounts, see brenloq-editor --help.</translation>
    </message>
</context>
</TS>
