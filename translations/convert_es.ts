<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ca">
<context>
    <name>convert</name>
    <message>
        <source>Ús: brenloq-convert [--check] import FITXER CARPETA
    brenloq-convert [--check] export CARPETA FITXER
import: porta les preguntes d&apos;un fitxer GIFT, Moodle XML o Aiken a CARPETA (una carpeta
  de preguntes dins de Preguntas; es crea si cal). Les categories es fan subcarpetes i les
  imatges van a Graficos.
export: escriu les preguntes de CARPETA i les subcarpetes a FITXER, GIFT (.gift, .txt) o
  Moodle XML (.xml).
--check: diu què passaria, sense escriure res.
Surt amb 0 si ho porta tot, 1 si algunes preguntes no, 2 si no pot fer res.
--language ca|es|en: la llengua dels missatges.
</source>
        <translation>Uso: brenloq-convert [--check] import ARCHIVO CARPETA
    brenloq-convert [--check] export CARPETA ARCHIVO
import: trae las preguntas de un archivo GIFT, Moodle XML o Aiken a CARPETA (una carpeta
  de preguntas dentro de Preguntas; se crea si hace falta). Las categorías se hacen subcarpetas
  y las imágenes van a Graficos.
export: escribe las preguntas de CARPETA y sus subcarpetas en ARCHIVO, GIFT (.gift, .txt) o
  Moodle XML (.xml).
--check: dice qué pasaría, sin escribir nada.
Sale con 0 si lo trae todo, 1 si algunas preguntas no, 2 si no puede hacer nada.
--language ca|es|en: el idioma de los mensajes.
</translation>
    </message>
    <message>
        <source>brenloq-convert: opció desconeguda «%1».</source>
        <translation>brenloq-convert: opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Prova, no s&apos;ha escrit res: </source>
        <translation>Prueba, no se ha escrito nada: </translation>
    </message>
</context>
</TS>
