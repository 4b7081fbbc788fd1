<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ca">
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
        <translation>Usage: brenloq-convert [--check] import FILE FOLDER
    brenloq-convert [--check] export FOLDER FILE
import: brings the questions of a GIFT, Moodle XML or Aiken file into FOLDER (a question
  folder inside Preguntas; made if needed). Categories become subfolders and pictures go
  to Graficos.
export: writes the questions of FOLDER and its subfolders to FILE, GIFT (.gift, .txt) or
  Moodle XML (.xml).
--check: says what would happen, without writing anything.
Exits with 0 if everything went, 1 if some questions did not, 2 if nothing could be done.
--language ca|es|en: the language of the messages.
</translation>
    </message>
    <message>
        <source>brenloq-convert: opció desconeguda «%1».</source>
        <translation>brenloq-convert: unknown option “%1”.</translation>
    </message>
    <message>
        <source>Prova, no s&apos;ha escrit res: </source>
        <translation>Trial run, nothing written: </translation>
    </message>
</context>
</TS>
