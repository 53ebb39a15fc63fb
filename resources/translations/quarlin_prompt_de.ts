<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AnchorAlignment</name>
    <message>
        <source>Anchor Alignment</source>
        <translation>Ankerausrichtung</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top center</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <source>Middle center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Bottom center</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Cntr</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
</context>
<context>
    <name>ChooseLoader</name>
    <message>
        <source>Choose Loader</source>
        <translation>Datenlader wählen</translation>
    </message>
    <message>
        <source>Multiple loaders support this kind of file.  Please choose 
which loader you would like to use.</source>
        <translation>Mehrere Datenlader unterstützen diesen Dateityp. Bitte wählen Sie,
welchen Datenlader Sie verwenden möchten.</translation>
    </message>
    <message>
        <source>Loaders</source>
        <translation>Datenlader</translation>
    </message>
    <message>
        <source>Suggested Loaders</source>
        <translation>Vorgeschlagene Datenlader</translation>
    </message>
    <message>
        <source>Other Available Loaders</source>
        <translation>Weitere verfügbare Datenlader</translation>
    </message>
</context>
<context>
    <name>ColorChooser</name>
    <message>
        <source>Color Chooser</source>
        <translation>Farbauswahl</translation>
    </message>
</context>
<context>
    <name>EnterASCIICharacter</name>
    <message>
        <source>Enter ASCII Character</source>
        <translation>ASCII-Zeichen eingeben</translation>
    </message>
    <message>
        <source>Enter &amp;character to use as a symbol:</source>
        <translation>&amp;Zeichen, das als Symbol dient:</translation>
    </message>
    <message>
        <source>&amp;Base</source>
        <translation>&amp;Grundschrift</translation>
    </message>
    <message>
        <source>&amp;Math</source>
        <translation>&amp;Mathematik</translation>
    </message>
    <message>
        <source>&amp;Greek</source>
        <translation>Gr&amp;iechisch</translation>
    </message>
    <message>
        <source>&amp;User defined</source>
        <translation>&amp;Benutzerdefiniert</translation>
    </message>
</context>
<context>
    <name>EnterTextString</name>
    <message>
        <source>Prompt for text string</source>
        <translation>Texteingabe</translation>
    </message>
    <message>
        <source>&amp;Enter your input string:</source>
        <translation>&amp;Geben Sie Ihren Text ein:</translation>
    </message>
</context>
<context>
    <name>EnterThreeIntValues</name>
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
</context>
<context>
    <name>ExceptionBoundary</name>
    <message>
        <source>Selected character cannot be empty.</source>
        <translation>Das gewählte Zeichen darf nicht leer sein.</translation>
    </message>
    <message>
        <source>The size cannot be recalculated: the axis grid range or the variable&apos;s range is not a finite number.</source>
        <translation>Die Größe kann nicht neu berechnet werden: Der Bereich des Achsengitters oder der Wertebereich der Variablen ist keine endliche Zahl.</translation>
    </message>
    <message>
        <source>The change could not be made: </source>
        <translation>Die Änderung konnte nicht vorgenommen werden: </translation>
    </message>
    <message>
        <source>The change could not be made because of an unexpected error.</source>
        <translation>Die Änderung konnte wegen eines unerwarteten Fehlers nicht vorgenommen werden.</translation>
    </message>
</context>
<context>
    <name>LaunchHelpAction</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>RGBColorOpts</name>
    <message>
        <source>RGB Coloring Options</source>
        <translation>Optionen der RGB-Färbung</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modus:</translation>
    </message>
    <message>
        <source>Specify R, G, and B</source>
        <translation>R, G und B angeben</translation>
    </message>
    <message>
        <source>Specify R&amp;G, Calculate B</source>
        <translation>R&amp;G angeben, B berechnen</translation>
    </message>
    <message>
        <source>Specify R&amp;B, Calculate G</source>
        <translation>R&amp;B angeben, G berechnen</translation>
    </message>
    <message>
        <source>Specify G&amp;B, Calculate R</source>
        <translation>G&amp;B angeben, R berechnen</translation>
    </message>
    <message>
        <source>Variables</source>
        <translation>Variablen</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Rot:</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>&amp;Grün:</translation>
    </message>
    <message>
        <source>&amp;Blue:</source>
        <translation>&amp;Blau:</translation>
    </message>
    <message>
        <source>Variable Value Range</source>
        <translation>Wertebereich der Variablen</translation>
    </message>
    <message>
        <source>Mi&amp;nimum intensity:</source>
        <translation>Mi&amp;nimale Intensität:</translation>
    </message>
    <message>
        <source>Ma&amp;ximum intensity:</source>
        <translation>Ma&amp;ximale Intensität:</translation>
    </message>
    <message>
        <source>Specify R&amp;G, calculate B</source>
        <translation>R&amp;G angeben, B berechnen</translation>
    </message>
    <message>
        <source>Specify R&amp;B, calculate G</source>
        <translation>R&amp;B angeben, G berechnen</translation>
    </message>
    <message>
        <source>Specify G&amp;B, calculate R</source>
        <translation>G&amp;B angeben, R berechnen</translation>
    </message>
</context>
<context>
    <name>ScatterSizeFont</name>
    <message>
        <source>Scatter Size/Font</source>
        <translation>Größe/Schrift der Streusymbole</translation>
    </message>
    <message>
        <source>ASCII symbol &amp;font:</source>
        <translation>Sc&amp;hrift der ASCII-Symbole:</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>&amp;B</source>
        <translation>&amp;F</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>&amp;I</source>
        <translation>&amp;K</translation>
    </message>
    <message>
        <source>&amp;Scatter-size variable:</source>
        <translation>&amp;Variable der Symbolgröße:</translation>
    </message>
    <message>
        <source>Size multiplier</source>
        <translation>Größenfaktor</translation>
    </message>
    <message>
        <source>&amp;Grid units/magnitude:</source>
        <translation>&amp;Gittereinheiten/Betrag:</translation>
    </message>
    <message>
        <source>Size in grid units per unit of magnitude</source>
        <translation>Größe in Gittereinheiten je Einheit des Betrags</translation>
    </message>
    <message>
        <source>&amp;Cm/magnitude:</source>
        <translation>&amp;cm/Betrag:</translation>
    </message>
    <message>
        <source>Size in centimeters per unit of magnitude</source>
        <translation>Größe in Zentimetern je Einheit des Betrags</translation>
    </message>
    <message>
        <source>&amp;Recalculate Size</source>
        <translation>Größe &amp;neu berechnen</translation>
    </message>
    <message>
        <source>Symbol Font</source>
        <translation>Symbolschrift</translation>
    </message>
</context>
<context>
    <name>SpinBox</name>
    <message>
        <source>a number from %1 to %2</source>
        <translation>eine Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>Enter %1.</source>
        <translation>Geben Sie %1 ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not %2.</source>
        <translation>„%1“ ist nicht %2.</translation>
    </message>
</context>
<context>
    <name>VariableSelectDialog</name>
    <message>
        <source>Select Variables</source>
        <translation>Variablen wählen</translation>
    </message>
    <message>
        <source>Choose the vector variables:</source>
        <translation>Wählen Sie die Vektorvariablen:</translation>
    </message>
    <message>
        <source>&amp;U:</source>
        <translation>&amp;U:</translation>
    </message>
    <message>
        <source>&amp;V:</source>
        <translation>&amp;V:</translation>
    </message>
    <message>
        <source>&amp;W:</source>
        <translation>&amp;W:</translation>
    </message>
    <message>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <source>&amp;Z</source>
        <translation>&amp;Z</translation>
    </message>
    <message>
        <source>Choose the variables to assign to the axes.</source>
        <translation>Wählen Sie die Variablen für die Achsen.</translation>
    </message>
    <message>
        <source>Choose the variables to assign to the R, G, and B channels.</source>
        <translation>Wählen Sie die Variablen für den R-, G- und B-Kanal.</translation>
    </message>
    <message>
        <source>&amp;R</source>
        <translation>&amp;R</translation>
    </message>
    <message>
        <source>&amp;G</source>
        <translation>&amp;G</translation>
    </message>
    <message>
        <source>&amp;B</source>
        <translation>&amp;B</translation>
    </message>
    <message>
        <source>&amp;U</source>
        <translation>&amp;U</translation>
    </message>
    <message>
        <source>&amp;V</source>
        <translation>&amp;V</translation>
    </message>
    <message>
        <source>&amp;W</source>
        <translation>&amp;W</translation>
    </message>
    <message>
        <source>Choose the vector variables.</source>
        <translation>Wählen Sie die Vektorvariablen.</translation>
    </message>
</context>
<context>
    <name>ZoneSelect</name>
    <message>
        <source>Select Zone</source>
        <translation>Zone wählen</translation>
    </message>
    <message>
        <source>Zones</source>
        <translation>Zonen</translation>
    </message>
</context>
<context>
    <name>quarlin::dialogs::prompt::ChooseLoaderDialog</name>
    <message>
        <source>Choose Loader </source>
        <translation>Datenlader wählen </translation>
    </message>
    <message>
        <source>A loader could not be found for this file type.
Please choose which loader you would like to use.</source>
        <translation>Für diesen Dateityp wurde kein Datenlader gefunden.
Bitte wählen Sie, welchen Datenlader Sie verwenden möchten.</translation>
    </message>
    <message>
        <source>Multiple loaders support this kind of file.
Please choose which loader you would like to use.</source>
        <translation>Mehrere Datenlader unterstützen diesen Dateityp.
Bitte wählen Sie, welchen Datenlader Sie verwenden möchten.</translation>
    </message>
</context>
<context>
    <name>quarlin::dialogs::prompt::ColorChooserWidget</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Custom color %1</source>
        <translation>Eigene Farbe %1</translation>
    </message>
    <message>
        <source>RGB coloring</source>
        <translation>RGB-Färbung</translation>
    </message>
    <message>
        <source>Multi color %1</source>
        <translation>Mehrfachfarbe %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Multi &amp;1</source>
        <translation>Mehrfach &amp;1</translation>
    </message>
    <message>
        <source>&amp;2</source>
        <translation>&amp;2</translation>
    </message>
    <message>
        <source>&amp;3</source>
        <translation>&amp;3</translation>
    </message>
    <message>
        <source>&amp;4</source>
        <translation>&amp;4</translation>
    </message>
    <message>
        <source>&amp;5</source>
        <translation>&amp;5</translation>
    </message>
    <message>
        <source>&amp;6</source>
        <translation>&amp;6</translation>
    </message>
    <message>
        <source>&amp;7</source>
        <translation>&amp;7</translation>
    </message>
    <message>
        <source>&amp;8</source>
        <translation>&amp;8</translation>
    </message>
    <message>
        <source>&amp;RGB</source>
        <translation>&amp;RGB</translation>
    </message>
</context>
<context>
    <name>quarlin::sdk::ui::dialogs::propertybindings::ComboBoxFinder</name>
    <message>
        <source>Find variable</source>
        <translation>Variable suchen</translation>
    </message>
    <message>
        <source>No variable matches &quot;%1&quot;</source>
        <translation>Keine Variable enthält „%1“</translation>
    </message>
    <message>
        <source>Variables found: %1</source>
        <translation>Gefundene Variablen: %1</translation>
    </message>
    <message>
        <source>Find zone</source>
        <translation>Zone suchen</translation>
    </message>
    <message>
        <source>No zone matches &quot;%1&quot;</source>
        <translation>Keine Zone enthält „%1“</translation>
    </message>
    <message>
        <source>Zones found: %1</source>
        <translation>Gefundene Zonen: %1</translation>
    </message>
    <message>
        <source>Find item</source>
        <translation>Eintrag suchen</translation>
    </message>
    <message>
        <source>No item matches &quot;%1&quot;</source>
        <translation>Kein Eintrag enthält „%1“</translation>
    </message>
    <message>
        <source>Items found: %1</source>
        <translation>Gefundene Einträge: %1</translation>
    </message>
</context>
</TS>
