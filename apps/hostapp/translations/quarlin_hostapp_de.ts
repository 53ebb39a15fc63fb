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
        <translation>Optionen der RGB-Färbun&amp;g...</translation>
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
<context>
    <name>quarlin::hostapp::BindingsPage</name>
    <message>
        <source>&lt;b&gt;Property&lt;/b&gt;</source>
        <translation>&lt;b&gt;Eigenschaft&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Widget&lt;/b&gt;</source>
        <translation>&lt;b&gt;Steuerelement&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Value&lt;/b&gt;</source>
        <translation>&lt;b&gt;Wert&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Set by the host&lt;/b&gt;</source>
        <translation>&lt;b&gt;Vom Host gesetzt&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Show &amp;mesh</source>
        <translation>Gitter &amp;zeigen</translation>
    </message>
    <message>
        <source>Mesh (host style)</source>
        <translation>Gitter (Hoststil)</translation>
    </message>
    <message>
        <source>C&amp;hosen variable (row)</source>
        <translation>Gewählte &amp;Variable (Zeile)</translation>
    </message>
    <message>
        <source>Str&amp;ide (editable)</source>
        <translation>Schritt&amp;weite (editierbar)</translation>
    </message>
    <message>
        <source>%1, set by the host</source>
        <translation>%1, vom Host gesetzt</translation>
    </message>
    <message>
        <source>%1, value</source>
        <translation>%1, Wert</translation>
    </message>
    <message>
        <source>Mesh &amp;color (host style)</source>
        <translation>Gitter&amp;farbe (Hoststil)</translation>
    </message>
</context>
<context>
    <name>quarlin::hostapp::HostMainWindow</name>
    <message>
        <source>Quarlin Prompt reference host</source>
        <translation>Quarlin-Prompt-Referenzhost</translation>
    </message>
    <message>
        <source>Choose a prompt from the Prompts menu; what it gives back appears here.</source>
        <translation>Wählen Sie eine Abfrage im Menü Abfragen; was sie zurückgibt, erscheint hier.</translation>
    </message>
    <message>
        <source>&amp;Outcomes</source>
        <translation>Er&amp;gebnisse</translation>
    </message>
    <message>
        <source>&amp;Bindings</source>
        <translation>B&amp;indungen</translation>
    </message>
    <message>
        <source>&amp;Remembered loaders</source>
        <translation>Ge&amp;merkte Datenlader</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open Data...</source>
        <translation>Daten ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open Data</source>
        <translation>Daten öffnen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo: the last style step is reverted</source>
        <translation>Rückgängig: der letzte Stilschritt ist zurückgenommen</translation>
    </message>
    <message>
        <source>Undo: nothing to undo</source>
        <translation>Rückgängig: nichts zurückzunehmen</translation>
    </message>
    <message>
        <source>&amp;Prompts</source>
        <translation>&amp;Abfragen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Remember Dialog Sizes</source>
        <translation>Dialoggrößen &amp;merken</translation>
    </message>
    <message>
        <source>Dialog sizes: remembered</source>
        <translation>Dialoggrößen: gemerkt</translation>
    </message>
    <message>
        <source>Dialog sizes: not remembered</source>
        <translation>Dialoggrößen: nicht gemerkt</translation>
    </message>
    <message>
        <source>&amp;Forget Dialog Sizes</source>
        <translation>Dialoggrößen &amp;vergessen</translation>
    </message>
    <message>
        <source>Dialog sizes: forgotten; every prompt opens at its own size</source>
        <translation>Dialoggrößen: vergessen; jede Abfrage öffnet in ihrer eigenen Größe</translation>
    </message>
    <message>
        <source>P&amp;lot</source>
        <translation>&amp;Plot</translation>
    </message>
    <message>
        <source>Show &amp;Vectors</source>
        <translation>&amp;Vektoren zeigen</translation>
    </message>
    <message>
        <source>Vectors: shown</source>
        <translation>Vektoren: gezeigt</translation>
    </message>
    <message>
        <source>Vectors: not shown</source>
        <translation>Vektoren: nicht gezeigt</translation>
    </message>
    <message>
        <source>Host state</source>
        <translation>Hostzustand</translation>
    </message>
    <message>
        <source>Library activity</source>
        <translation>Aktivität der Bibliothek</translation>
    </message>
    <message>
        <source>Message (%1): %2</source>
        <translation>Meldung (%1): %2</translation>
    </message>
    <message>
        <source>Help topic: %1</source>
        <translation>Hilfethema: %1</translation>
    </message>
    <message>
        <source>Open %1: cancelled</source>
        <translation>%1 öffnen: abgebrochen</translation>
    </message>
    <message>
        <source>Open %1: no loader chosen</source>
        <translation>%1 öffnen: kein Datenlader gewählt</translation>
    </message>
    <message>
        <source>Open %1 with %2: failed</source>
        <translation>%1 mit %2 öffnen: fehlgeschlagen</translation>
    </message>
    <message>
        <source>Open %1 with %2: %3 variables</source>
        <translation>%1 mit %2 öffnen: %3 Variablen</translation>
    </message>
    <message>
        <source>Axes in a New &amp;Window...</source>
        <translation>Achsen in neuem &amp;Fenster...</translation>
    </message>
    <message>
        <source>Plot window</source>
        <translation>Plotfenster</translation>
    </message>
    <message>
        <source>Axes in a new window: cancelled</source>
        <translation>Achsen in neuem Fenster: abgebrochen</translation>
    </message>
    <message>
        <source>Axes in a new window: set; the window closed</source>
        <translation>Achsen in neuem Fenster: gesetzt; das Fenster ist geschlossen</translation>
    </message>
    <message>
        <source>Outcomes</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>St&amp;yle settings</source>
        <translation>&amp;Stileinstellungen</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Sprache: %1</translation>
    </message>
</context>
<context>
    <name>quarlin::hostapp::HostStatePanel</name>
    <message>
        <source>&amp;Active frame:</source>
        <translation>A&amp;ktiver Rahmen:</translation>
    </message>
    <message>
        <source>Plot &amp;type:</source>
        <translation>Plot&amp;typ:</translation>
    </message>
    <message>
        <source>other</source>
        <translation>andere</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Skizze</translation>
    </message>
    <message>
        <source>XY Line</source>
        <translation>XY-Linie</translation>
    </message>
    <message>
        <source>Polar Line</source>
        <translation>Polarlinie</translation>
    </message>
    <message>
        <source>2D Cartesian</source>
        <translation>2D-kartesisch</translation>
    </message>
    <message>
        <source>3D Cartesian</source>
        <translation>3D-kartesisch</translation>
    </message>
    <message>
        <source>Sample data set loa&amp;ded</source>
        <translation>Beispieldatensatz ge&amp;laden</translation>
    </message>
    <message>
        <source>Pa&amp;ges:</source>
        <translation>Seite&amp;n:</translation>
    </message>
    <message>
        <source>Frames o&amp;n page:</source>
        <translation>&amp;Rahmen auf der Seite:</translation>
    </message>
    <message>
        <source>Probe &amp;variables:</source>
        <translation>S&amp;ondenvariablen:</translation>
    </message>
</context>
<context>
    <name>quarlin::hostapp::RememberedLoadersView</name>
    <message>
        <source>Extension</source>
        <translation>Endung</translation>
    </message>
    <message>
        <source>Loader</source>
        <translation>Datenlader</translation>
    </message>
    <message>
        <source>Remembered loaders</source>
        <translation>Gemerkte Datenlader</translation>
    </message>
    <message>
        <source>Forget the loader chosen for the selected extension; the next file of that kind asks again.</source>
        <translation>Den für die gewählte Endung gewählten Datenlader vergessen; die nächste Datei dieser Art fragt wieder.</translation>
    </message>
    <message>
        <source>Forget sele&amp;cted</source>
        <translation>Ausgewählte &amp;vergessen</translation>
    </message>
</context>
<context>
    <name>quarlin::hostapp::StyleSettingsView</name>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Offsets</source>
        <translation>Versätze</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Last step</source>
        <translation>Letzter Schritt</translation>
    </message>
    <message>
        <source>Style settings</source>
        <translation>Stileinstellungen</translation>
    </message>
    <message>
        <source>initial</source>
        <translation>anfänglich</translation>
    </message>
</context>
</TS>
