<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="es">
<context>
    <name>installer</name>
    <message>
        <source>INSTALAR BRENLOQ: instala los componentes que usa el programa BRENLOQ, copiados de la carpeta donde está el instalador.</source>
        <translation>INSTALAR BRENLOQ: instal·la els components que fa servir el programa BRENLOQ, copiats de la carpeta on és l&apos;instal·lador.</translation>
    </message>
    <message>
        <source>el archivo %1 No lo encuentro</source>
        <translation>el fitxer %1 no el trobo</translation>
    </message>
    <message>
        <source>el archivo %1 ya se encontraba en SYSTEM</source>
        <translation>el fitxer %1 ja era a SYSTEM</translation>
    </message>
    <message>
        <source>el archivo %1 no se ha podido copiar en SYSTEM</source>
        <translation>el fitxer %1 no s&apos;ha pogut copiar a SYSTEM</translation>
    </message>
    <message>
        <source>REGISTRAR ARCHIVOS - </source>
        <translation>REGISTRA FITXERS - </translation>
    </message>
    <message>
        <source>Copiar archivos y registrar componentes</source>
        <translation>Copia els fitxers i registra els components</translation>
    </message>
    <message>
        <source>Equipo BRENLOQ - cuestionarios para el aula</source>
        <translation>Equip BRENLOQ - qüestionaris per a l&apos;aula</translation>
    </message>
    <message>
        <source>Para windows XP ,VISTA y 7 </source>
        <translation>Per a Windows XP, Vista i 7</translation>
    </message>
    <message>
        <source>Estos archivos se han de copiar en la carpeta &apos;system32&apos; de windows.</source>
        <translation>Aquests fitxers s&apos;han de copiar a la carpeta «system32» de Windows.</translation>
    </message>
</context>
</TS>
