<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ca">
<context>
    <name>ui::ClickGraphic</name>
    <message>
        <source>Fletxes: moure la creu; Espai: marcar</source>
        <translation>Arrows: move the cross; Space: mark</translation>
    </message>
</context>
<context>
    <name>ui::Startup</name>
    <message>
        <source>La llengua dels textos: ca (català), es (español) o en (English). Sense l&apos;opció, la de l&apos;escriptori.</source>
        <translation>The language of the texts: ca (català), es (español) or en (English). Without this option, the desktop&apos;s.</translation>
    </message>
    <message>
        <source>Carpeta del programa: %1 (%2).</source>
        <translation>Program folder: %1 (%2).</translation>
    </message>
    <message>
        <source>de l&apos;opció --folder</source>
        <translation>from the --folder option</translation>
    </message>
    <message>
        <source>de la variable BRENLOQ_FOLDER</source>
        <translation>from the BRENLOQ_FOLDER variable</translation>
    </message>
    <message>
        <source>de la configuració del sistema</source>
        <translation>from the system settings</translation>
    </message>
    <message>
        <source>la carpeta del programa mateix</source>
        <translation>the program&apos;s own folder</translation>
    </message>
    <message>
        <source>la carpeta de l&apos;usuari</source>
        <translation>the user&apos;s folder</translation>
    </message>
    <message>
        <source>No es troba la carpeta del programa «%1».</source>
        <translation>The program folder “%1” cannot be found.</translation>
    </message>
    <message>
        <source>Per fer servir una carpeta compartida des de tots els comptes (els informes de tots els alumnes en un sol lloc), poseu folder=CAMÍ a /etc/xdg/brenloq/brenloq.conf (n&apos;hi ha un exemple a /usr/share/doc/brenloq/brenloq.conf), o doneu la variable BRENLOQ_FOLDER o l&apos;opció --folder. Sense cap d&apos;aquestes, cada compte té la seva còpia a Documents/BRENLOQ.</source>
        <translation>To use one shared folder from every account (all pupils&apos; reports in one place), put folder=PATH in /etc/xdg/brenloq/brenloq.conf (there is an example in /usr/share/doc/brenloq/brenloq.conf), or give the BRENLOQ_FOLDER variable or the --folder option. Without any of these, each account has its own copy in Documents/BRENLOQ.</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut crear el fitxer «%1» de la còpia de l&apos;usuari: %2.</source>
        <translation>The file “%1” of the user&apos;s copy could not be created: %2.</translation>
    </message>
    <message>
        <source>No s&apos;ha pogut crear la carpeta «%1» de la còpia de l&apos;usuari: %2.</source>
        <translation>The folder “%1” of the user&apos;s copy could not be created: %2.</translation>
    </message>
    <message>
        <source>S&apos;ha creat la carpeta del programa «%1» en aquest compte. Els informes dels alumnes es desaran aquí i només es veuran des d&apos;aquest compte. Per compartir una carpeta entre tots els comptes, vegeu brenloq --help.</source>
        <translation>The program folder “%1” has been created in this account. Pupils&apos; reports will be saved here and can only be seen from this account. To share one folder between all accounts, see brenloq --help.</translation>
    </message>
    <message>
        <source>El fitxer de configuració «%1» indica la carpeta «%2», que no es pot fer servir: %3.</source>
        <translation>The settings file “%1” names the folder “%2”, which cannot be used: %3.</translation>
    </message>
    <message>
        <source>no es pot llegir el fitxer</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>cal un camí complet, que comenci per / o per ~/</source>
        <translation>a full path is needed, starting with / or ~/</translation>
    </message>
    <message>
        <source>no existeix</source>
        <translation>it does not exist</translation>
    </message>
    <message>
        <source>no és una carpeta</source>
        <translation>it is not a folder</translation>
    </message>
</context>
</TS>
