<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ca">
<context>
    <name>ui::ClickGraphic</name>
    <message>
        <source>Fletxes: moure la creu; Espai: marcar</source>
        <translation>Flechas: mover la cruz; Espacio: marcar</translation>
    </message>
</context>
<context>
    <name>ui::Startup</name>
    <message>
        <source>La llengua dels textos: ca (català), es (español) o en (English). Sense l&apos;opció, la de l&apos;escriptori.</source>
        <translation>El idioma de los textos: ca (català), es (español) o en (English). Sin la opción, el del escritorio.</translation>
    </message>
    <message>
        <source>Carpeta del programa: %1 (%2).</source>
        <translation>Carpeta del programa: %1 (%2).</translation>
    </message>
    <message>
        <source>de l&apos;opció --folder</source>
        <translation>de la opción --folder</translation>
    </message>
    <message>
        <source>de la variable BRENLOQ_FOLDER</source>
        <translation>de la variable BRENLOQ_FOLDER</translation>
    </message>
    <message>
        <source>de la configuració del sistema</source>
        <translation>de la configuración del sistema</translation>
    </message>
    <message>
        <source>la carpeta del programa mateix</source>
        <translation>la carpeta del propio programa</translation>
    </message>
    <message>
        <source>la carpeta de l&apos;usuari</source>
        <translation>la carpeta del usuario</translation>
    </message>
    <message>
        <source>No es troba la carpeta del programa «%1».</source>
        <translation>No se encuentra la carpeta del programa «%1».</translation>
    </message>
    <message>
        <source>Per fer servir una carpeta compartida des de tots els comptes (els informes de tots els alumnes en un sol lloc), poseu folder=CAMÍ a /etc/xdg/brenloq/brenloq.conf (n&apos;hi ha un exemple a /usr/share/doc/brenloq/brenloq.conf), o doneu la variable BRENLOQ_FOLDER o l&apos;opció --folder. Sense cap d&apos;aquestes, cada compte té la seva còpia a Documents/BRENLOQ.</source>
        <translation>Para usar una carpeta compartida desde todas las cuentas (los informes de todos los alumnos en un solo sitio), ponga folder=RUTA en /etc/xdg/brenloq/brenloq.conf (hay un ejemplo en /usr/share/doc/brenloq/brenloq.conf), o dé la variable BRENLOQ_FOLDER o la opción --folder. Sin ninguna de ellas, cada cuenta tiene su copia en Documents/BRENLOQ.</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut crear el fitxer «%1» de la còpia de l&apos;usuari: %2.</source>
        <translation>No se ha podido crear el archivo «%1» de la copia del usuario: %2.</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut crear la carpeta «%1» de la còpia de l&apos;usuari: %2.</source>
        <translation>No se ha podido crear la carpeta «%1» de la copia del usuario: %2.</translation>
    </message>
    <message>
        <source>S&apos;ha creat la carpeta del programa «%1» en aquest compte. Els informes dels alumnes es desaran aquí i només es veuran des d&apos;aquest compte. Per compartir una carpeta entre tots els comptes, vegeu brenloq --help.</source>
        <translation>Se ha creado la carpeta del programa «%1» en esta cuenta. Los informes de los alumnos se guardarán aquí y solo se verán desde esta cuenta. Para compartir una carpeta entre todas las cuentas, vea brenloq --help.</translation>
    </message>
    <message>
        <source>El fitxer de configuració «%1» indica la carpeta «%2», que no es pot fer servir: %3.</source>
        <translation>El archivo de configuración «%1» indica la carpeta «%2», que no se puede usar: %3.</translation>
    </message>
    <message>
        <source>no es pot llegir el fitxer</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <source>cal un camí complet, que comenci per / o per ~/</source>
        <translation>hace falta una ruta completa, que empiece por / o por ~/</translation>
    </message>
    <message>
        <source>no existeix</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>no és una carpeta</source>
        <translation>no es una carpeta</translation>
    </message>
</context>
</TS>
