<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>installer</name>
    <message>
        <source>INSTALAR BRENLOQ: instala los componentes que usa el programa BRENLOQ, copiados de la carpeta donde está el instalador.</source>
        <translation>INSTALAR BRENLOQ: installs the components the BRENLOQ program uses, copied from the installer&apos;s folder.</translation>
    </message>
    <message>
        <source>el archivo %1 No lo encuentro</source>
        <translation>the file %1 cannot be found</translation>
    </message>
    <message>
        <source>el archivo %1 ya se encontraba en SYSTEM</source>
        <translation>the file %1 was already in SYSTEM</translation>
    </message>
    <message>
        <source>el archivo %1 no se ha podido copiar en SYSTEM</source>
        <translation>the file %1 could not be copied to SYSTEM</translation>
    </message>
    <message>
        <source>REGISTRAR ARCHIVOS - </source>
        <translation>REGISTER FILES - </translation>
    </message>
    <message>
        <source>Copiar archivos y registrar componentes</source>
        <translation>Copy files and register components</translation>
    </message>
    <message>
        <source>Equipo BRENLOQ - cuestionarios para el aula</source>
        <translation>BRENLOQ team - quizzes for the classroom</translation>
    </message>
    <message>
        <source>Para windows XP ,VISTA y 7 </source>
        <translation>For Windows XP, Vista and 7</translation>
    </message>
    <message>
        <source>Estos archivos se han de copiar en la carpeta &apos;system32&apos; de windows.</source>
        <translation>These files must be copied into the Windows &apos;system32&apos; folder.</translation>
    </message>
</context>
</TS>
