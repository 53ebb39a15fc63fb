<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>PromptCatalog</name>
    <message>
        <source>&amp;Anchor Alignment...</source>
        <translation>&amp;Ankerausrichtung...</translation>
    </message>
    <message>
        <source>&amp;Text String...</source>
        <translation>&amp;Textzeichenkette...</translation>
    </message>
    <message>
        <source>&amp;Begin/End/Skip...</source>
        <translation>A&amp;nfang/Ende/Schritt...</translation>
    </message>
    <message>
        <source>&amp;Plot Symbol...</source>
        <translation>&amp;Plotsymbol...</translation>
    </message>
    <message>
        <source>A&amp;xis Variables...</source>
        <translation>Achsen&amp;variablen...</translation>
    </message>
    <message>
        <source>&amp;Vector Variables...</source>
        <translation>V&amp;ektorvariablen...</translation>
    </message>
    <message>
        <source>&amp;RGB Channel Variables...</source>
        <translation>&amp;RGB-Kanalvariablen...</translation>
    </message>
    <message>
        <source>Add-on Variabl&amp;es...</source>
        <translation>Add-on-Variab&amp;len...</translation>
    </message>
    <message>
        <source>&amp;Zone...</source>
        <translation>&amp;Zone...</translation>
    </message>
    <message>
        <source>Choose &amp;Loader...</source>
        <translation>&amp;Datenlader wählen...</translation>
    </message>
    <message>
        <source>C&amp;olor...</source>
        <translation>&amp;Farbe...</translation>
    </message>
    <message>
        <source>RGB Colorin&amp;g Options...</source>
        <translation>Optionen der RGB-Fär&amp;bung...</translation>
    </message>
    <message>
        <source>&amp;Scatter Size/Font...</source>
        <translation>&amp;Streusymbole...</translation>
    </message>
    <message>
        <source>Index Range</source>
        <translation>Indexbereich</translation>
    </message>
    <message>
        <source>&amp;Begin</source>
        <translation>&amp;Anfang</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Ende</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Schrittweite</translation>
    </message>
    <message>
        <source>Choose the variables the probe add-on reads.</source>
        <translation>Wählen Sie die Variablen, die das Sonden-Add-on liest.</translation>
    </message>
    <message>
        <source>&amp;Probe</source>
        <translation>&amp;Sonde</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>&amp;Gewicht</translation>
    </message>
    <message>
        <source>&amp;Frame name:</source>
        <translation>&amp;Rahmenname:</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
</context>
</TS>
