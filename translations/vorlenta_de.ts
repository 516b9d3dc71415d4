<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>StringTable</name>
    <message>
        <location filename="../app/string_table.cpp" line="15"/>
        <source>Acceleration (m/s²)</source>
        <comment>134</comment>
        <translation>Beschleunigung (m/s²)</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="16"/>
        <source>1RM</source>
        <comment>135</comment>
        <translation>1RM</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="17"/>
        <source>FF Mass</source>
        <comment>136</comment>
        <translation>Fettfreie Masse</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="18"/>
        <source>Body mass (kg)</source>
        <comment>137</comment>
        <translation>Gewicht (kg)</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="19"/>
        <source>Rep</source>
        <comment>138</comment>
        <translation>Wdh.</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="20"/>
        <source>1RM/kg</source>
        <comment>139</comment>
        <translation>1RM/kg</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="21"/>
        <source>Resist. (kg)</source>
        <comment>140</comment>
        <translation>Last (kg)</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="22"/>
        <source>Dist 1</source>
        <comment>141</comment>
        <translation>Strecke 1</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="23"/>
        <source>Time 1</source>
        <comment>142</comment>
        <translation>Zeit 1</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="24"/>
        <source>Dist 2</source>
        <comment>143</comment>
        <translation>Strecke 2</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="25"/>
        <source>Time 2</source>
        <comment>144</comment>
        <translation>Zeit 2</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="26"/>
        <source>Accel.</source>
        <comment>145</comment>
        <translation>Beschl.</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="27"/>
        <source>BF %</source>
        <comment>146</comment>
        <translation>KFA %</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="28"/>
        <source>FFM</source>
        <comment>147</comment>
        <translation>FFM</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="29"/>
        <source>Target BF%</source>
        <comment>148</comment>
        <translation>Ziel-KFA %</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="30"/>
        <source>Target Bmass</source>
        <comment>149</comment>
        <translation>Zielgewicht</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="31"/>
        <source>Vorlenta</source>
        <comment>162</comment>
        <translation>Vorlenta</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="32"/>
        <source>&amp;Exit</source>
        <comment>177</comment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="33"/>
        <source>Body Mass and Strength</source>
        <comment>210</comment>
        <translation>Körpergewicht und Kraft</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="34"/>
        <source>Power and Acceleration</source>
        <comment>211</comment>
        <translation>Leistung und Beschleunigung</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="35"/>
        <source>Speed (kph)</source>
        <comment>214</comment>
        <translation>Tempo (km/h)</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="36"/>
        <source>Grade (%)</source>
        <comment>215</comment>
        <translation>Steigung (%)</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="37"/>
        <source>Watts</source>
        <comment>216</comment>
        <translation>Watt</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="38"/>
        <source>Watts/kg</source>
        <comment>217</comment>
        <translation>Watt/kg</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="39"/>
        <source>Running speed &lt;==&gt; Cycling power</source>
        <comment>219</comment>
        <translation>Laufgeschwindigkeit &lt;==&gt; Radleistung</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="40"/>
        <source>Running speed (km/h)</source>
        <comment>220</comment>
        <translation>Laufgeschwindigkeit (km/h)</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="41"/>
        <source>Cycling Power (Watts)</source>
        <comment>221</comment>
        <translation>Radleistung (Watt)</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="42"/>
        <source>Bike mass</source>
        <comment>222</comment>
        <translation>Radgewicht</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="43"/>
        <source>&amp;File</source>
        <comment>253</comment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="44"/>
        <source>lb &lt;--&gt; kg</source>
        <comment>318</comment>
        <translation>lb &lt;--&gt; kg</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="45"/>
        <source>kg</source>
        <comment>319</comment>
        <translation>kg</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="46"/>
        <source>lb</source>
        <comment>320</comment>
        <translation>lb</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="47"/>
        <source>Please insert body mass first.</source>
        <comment>321</comment>
        <translation>Bitte zuerst das Körpergewicht eingeben.</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="48"/>
        <source>/public_docs/vorlenta_en.htm</source>
        <comment>458</comment>
        <translation>/public_docs/vorlenta_de.htm</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="49"/>
        <source>&amp;Help</source>
        <comment>459</comment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="50"/>
        <source>For more coaching tools, visit</source>
        <comment>461</comment>
        <translation>Weitere Werkzeuge für Trainer finden Sie unter</translation>
    </message>
</context>
<context>
    <name>frm_calc</name>
    <message>
        <location filename="../app/frm_calc_access.cpp" line="37"/>
        <source>Convert between kilograms and pounds</source>
        <translation>Zwischen Kilogramm und Pfund umrechnen</translation>
    </message>
    <message>
        <location filename="../app/frm_calc_access.cpp" line="39"/>
        <source>Convert between running speed and cycling power</source>
        <translation>Zwischen Laufgeschwindigkeit und Radleistung umrechnen</translation>
    </message>
    <message>
        <location filename="../app/frm_calc_access.cpp" line="42"/>
        <source>Opens the maker&apos;s web site</source>
        <translation>Öffnet die Website des Herstellers</translation>
    </message>
    <message>
        <location filename="../app/frm_calc_access.cpp" line="43"/>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Body and strength</source>
        <translation>Körper und Kraft</translation>
    </message>
    <message>
        <source>Power and speed</source>
        <translation>Leistung und Tempo</translation>
    </message>
    <message>
        <source>Kilograms and pounds</source>
        <translation>Kilogramm und Pfund</translation>
    </message>
    <message>
        <source>Kilograms (kg)</source>
        <translation>Kilogramm (kg)</translation>
    </message>
    <message>
        <source>Pounds (lb)</source>
        <translation>Pfund (lb)</translation>
    </message>
    <message>
        <source>Fat-free mass</source>
        <translation>Fettfreie Masse</translation>
    </message>
    <message>
        <source>Body fat (%)</source>
        <translation>Körperfett (%)</translation>
    </message>
    <message>
        <source>Fat-free mass (kg)</source>
        <translation>Fettfreie Masse (kg)</translation>
    </message>
    <message>
        <source>Target body fat (%)</source>
        <translation>Ziel-Körperfett (%)</translation>
    </message>
    <message>
        <source>Target body mass (kg)</source>
        <translation>Zielgewicht (kg)</translation>
    </message>
    <message>
        <source>One-rep max (1RM)</source>
        <translation>Maximalkraft (1RM)</translation>
    </message>
    <message>
        <source>Load (kg)</source>
        <translation>Last (kg)</translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>1RM (kg)</source>
        <translation>1RM (kg)</translation>
    </message>
    <message>
        <source>1RM per kg body mass</source>
        <translation>1RM pro kg Gewicht</translation>
    </message>
    <message>
        <source>Distance 1 (m)</source>
        <translation>Strecke 1 (m)</translation>
    </message>
    <message>
        <source>Time 1 (s)</source>
        <translation>Zeit 1 (s)</translation>
    </message>
    <message>
        <source>Distance 2 (m)</source>
        <translation>Strecke 2 (m)</translation>
    </message>
    <message>
        <source>Time 2 (s)</source>
        <translation>Zeit 2 (s)</translation>
    </message>
    <message>
        <source>Cycling power</source>
        <translation>Radleistung</translation>
    </message>
    <message>
        <source>Speed (km/h)</source>
        <translation>Tempo (km/h)</translation>
    </message>
    <message>
        <source>Bike mass (kg)</source>
        <translation>Radgewicht (kg)</translation>
    </message>
    <message>
        <source>Power (W)</source>
        <translation>Leistung (W)</translation>
    </message>
    <message>
        <source>Power per kg (W/kg)</source>
        <translation>Leistung pro kg (W/kg)</translation>
    </message>
    <message>
        <source>Running speed and cycling power</source>
        <translation>Laufgeschwindigkeit und Radleistung</translation>
    </message>
    <message>
        <source>Cycling power (W)</source>
        <translation>Radleistung (W)</translation>
    </message>
    <message>
        <source>Needs a body mass above 0 kg.</source>
        <translation>Braucht ein Gewicht über 0 kg.</translation>
    </message>
    <message>
        <source>Enter the body mass</source>
        <translation>Gewicht eingeben</translation>
    </message>
    <message>
        <source>Change the sign of the grade</source>
        <translation>Vorzeichen der Steigung wechseln</translation>
    </message>
    <message>
        <source>The calculator could not be loaded. Reload the page; if that does not help, update your browser or try another one.</source>
        <translation>Der Rechner konnte nicht geladen werden. Laden Sie die Seite neu; hilft das nicht, aktualisieren Sie den Browser oder nehmen Sie einen anderen.</translation>
    </message>
    <message>
        <source>A new version of Vorlenta is ready.</source>
        <translation>Eine neue Version von Vorlenta ist bereit.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Vorlenta developers</source>
        <translation>Copyright © 2026 die Vorlenta-Entwickler</translation>
    </message>
    <message>
        <source>Squad</source>
        <translation>Kader</translation>
    </message>
    <message>
        <source>The squad view is loading…</source>
        <translation>Die Kaderansicht wird geladen …</translation>
    </message>
    <message>
        <source>The squad view could not be loaded. Reload the page.</source>
        <translation>Die Kaderansicht konnte nicht geladen werden. Laden Sie die Seite neu.</translation>
    </message>
</context>
<context>
    <name>Squad</name>
    <message>
        <source>%1 could not be read. The squad is as it was.</source>
        <translation>%1 konnte nicht gelesen werden. Der Kader ist unverändert.</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Remove row</source>
        <translation>Zeile entfernen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Tests in the table</source>
        <translation>Tests in der Tabelle</translation>
    </message>
    <message>
        <source>Other columns</source>
        <translation>Weitere Spalten</translation>
    </message>
    <message>
        <source>New column</source>
        <translation>Neue Spalte</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>A name of letters, digits and _ is one that formulas can use.</source>
        <translation>Ein Name aus Buchstaben, Ziffern und _ lässt sich in Formeln verwenden.</translation>
    </message>
    <message>
        <source>Formula column</source>
        <translation>Formelspalte</translation>
    </message>
    <message>
        <source>NAME = EXPRESSION over the columns&apos; names: + - * / ^ ( ), S square root, L logarithm, E e to the power.</source>
        <translation>NAME = AUSDRUCK mit den Namen der Spalten: + - * / ^ ( ), S Quadratwurzel, L Logarithmus, E e hoch.</translation>
    </message>
    <message>
        <source>The squad, a row per athlete</source>
        <translation>Der Kader, eine Zeile je Athlet</translation>
    </message>
    <message>
        <source>Add an athlete</source>
        <translation>Athlet hinzufügen</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>The squad is kept in this browser, on this device alone, as you type: it is the one thing the page stores, and it is never sent anywhere. Export it to keep a copy.</source>
        <translation>Der Kader wird beim Tippen in diesem Browser gespeichert, nur auf diesem Gerät: Er ist das Einzige, was die Seite speichert, und wird nirgendwohin gesendet. Exportieren Sie ihn, um eine Kopie zu behalten.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>What was pasted is not text.</source>
        <translation>Das Eingefügte ist kein Text.</translation>
    </message>
    <message>
        <source>Rows pasted: %1.</source>
        <translation>Eingefügte Zeilen: %1.</translation>
    </message>
    <message>
        <source>Remove the column %1 and its %2 values?</source>
        <translation>Die Spalte %1 und ihre %2 Werte entfernen?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Give the column a name.</source>
        <translation>Geben Sie der Spalte einen Namen.</translation>
    </message>
    <message>
        <source>%1 is a column already.</source>
        <translation>%1 ist schon eine Spalte.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Choose the row first: a cell of it.</source>
        <translation>Wählen Sie zuerst die Zeile: eine ihrer Zellen.</translation>
    </message>
    <message>
        <source>Remove row %1 (%2)?</source>
        <translation>Zeile %1 (%2) entfernen?</translation>
    </message>
    <message>
        <source>Clear the whole squad? Every athlete and formula column is removed from this device.</source>
        <translation>Den ganzen Kader leeren? Alle Athleten und Formelspalten werden von diesem Gerät entfernt.</translation>
    </message>
    <message>
        <source>The squad is cleared.</source>
        <translation>Der Kader ist geleert.</translation>
    </message>
    <message>
        <source>%1 is not imported: at %2 MB it is too large for a squad (at most %3 MB). The squad is as it was.</source>
        <translation>%1 wurde nicht importiert: Mit %2 MB ist die Datei zu groß für einen Kader (höchstens %3 MB). Der Kader ist unverändert.</translation>
    </message>
    <message>
        <source>Replace the squad by the athletes of %1? The squad&apos;s %2 rows are removed from this device.</source>
        <translation>Den Kader durch die Athleten aus %1 ersetzen? Die %2 Zeilen des Kaders werden von diesem Gerät entfernt.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>%1 is not imported (%2). The squad is as it was.</source>
        <translation>%1 wurde nicht importiert (%2). Der Kader ist unverändert.</translation>
    </message>
    <message>
        <source>Athletes imported from %1: %2. Problems: %3, marked in the table.</source>
        <translation>Aus %1 importierte Athleten: %2. Probleme: %3, in der Tabelle markiert.</translation>
    </message>
    <message>
        <source>Athletes imported from %1: %2.</source>
        <translation>Aus %1 importierte Athleten: %2.</translation>
    </message>
    <message>
        <source>Exported as %1.</source>
        <translation>Exportiert als %1.</translation>
    </message>
    <message>
        <source>Row %1, %2: %3</source>
        <translation>Zeile %1, %2: %3</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… und %1 weitere.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>The squad is open in another tab or window of this browser; it opens here once that one is closed.</source>
        <translation>Der Kader ist in einem anderen Tab oder Fenster dieses Browsers geöffnet; er öffnet sich hier, sobald jenes geschlossen ist.</translation>
    </message>
    <message>
        <source>A newer version of the page keeps a squad on this device: reload the page to open it.</source>
        <translation>Eine neuere Version der Seite hat einen Kader auf diesem Gerät gespeichert: Laden Sie die Seite neu, um ihn zu öffnen.</translation>
    </message>
    <message>
        <source>This browser does not let the page keep the squad: it is lost when the page is closed. Export it to keep it.</source>
        <translation>Dieser Browser lässt die Seite den Kader nicht speichern: Er geht verloren, wenn die Seite geschlossen wird. Exportieren Sie ihn, um ihn zu behalten.</translation>
    </message>
    <message>
        <source>The squad could not be stored on this device: is its storage full? Export it to keep it.</source>
        <translation>Der Kader konnte auf diesem Gerät nicht gespeichert werden: Ist der Speicher voll? Exportieren Sie ihn, um ihn zu behalten.</translation>
    </message>
    <message>
        <source>not a number: %1</source>
        <translation>keine Zahl: %1</translation>
    </message>
    <message>
        <source>not a number: %1 (the decimal separator here is &apos;%2&apos;)</source>
        <translation>keine Zahl: %1 (das Dezimaltrennzeichen ist hier „%2“)</translation>
    </message>
    <message>
        <source>%1 is beyond the range of the calculators</source>
        <translation>%1 liegt außerhalb des Bereichs der Rechner</translation>
    </message>
    <message>
        <source>%1 is longer than the %2 characters the window&apos;s field takes</source>
        <translation>%1 ist länger als die %2 Zeichen, die das Feld fasst</translation>
    </message>
    <message>
        <source>%1 is not a number: %2</source>
        <translation>%1 ist keine Zahl: %2</translation>
    </message>
    <message>
        <source>no column named &apos;%1&apos; (a formula sees the file&apos;s columns and the ones before it)</source>
        <translation>keine Spalte namens „%1“ (eine Formel sieht die Spalten der Tabelle und die Formeln vor ihr)</translation>
    </message>
    <message>
        <source>no column named &apos;%1&apos; (%2 is a function: write %3 in lower case)</source>
        <translation>keine Spalte namens „%1“ (%2 ist eine Funktion: schreiben Sie %3 klein)</translation>
    </message>
    <message>
        <source>%1 (position %2)</source>
        <translation>%1 (Position %2)</translation>
    </message>
    <message>
        <source>Operator expected</source>
        <translation>Operator erwartet</translation>
    </message>
    <message>
        <source>Operand expected</source>
        <translation>Operand erwartet</translation>
    </message>
    <message>
        <source>Closing parenthesis without matching open parenthesis</source>
        <translation>Schließende Klammer ohne öffnende</translation>
    </message>
    <message>
        <source>Closing parenthesis expected</source>
        <translation>Schließende Klammer erwartet</translation>
    </message>
    <message>
        <source>Operand contains multiple decimal points</source>
        <translation>Operand mit mehreren Dezimaltrennzeichen</translation>
    </message>
    <message>
        <source>Invalid operand</source>
        <translation>Ungültiger Operand</translation>
    </message>
    <message>
        <source>Unexpected character encountered</source>
        <translation>Unerwartetes Zeichen</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Aufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Expression too long to evaluate</source>
        <translation>Ausdruck zu lang zum Auswerten</translation>
    </message>
    <message>
        <source>Invalid symbol value</source>
        <translation>Ungültiger Symbolwert</translation>
    </message>
    <message>
        <source>NAME=EXPRESSION expected</source>
        <translation>NAME=AUSDRUCK erwartet</translation>
    </message>
    <message>
        <source>the expression of %1 is empty</source>
        <translation>der Ausdruck von %1 ist leer</translation>
    </message>
    <message>
        <source>%1 is a column of the calculators</source>
        <translation>%1 ist eine Spalte der Rechner</translation>
    </message>
    <message>
        <source>%1 is defined twice</source>
        <translation>%1 ist zweimal definiert</translation>
    </message>
    <message>
        <source>%1 is a column of the squad</source>
        <translation>%1 ist eine Spalte des Kaders</translation>
    </message>
    <message>
        <source>a line longer than %1 bytes</source>
        <translation>eine Zeile länger als %1 Byte</translation>
    </message>
    <message>
        <source>not UTF-8 text: is this a CSV file?</source>
        <translation>kein UTF-8-Text: Ist das eine CSV-Datei?</translation>
    </message>
    <message>
        <source>more than %1 rows</source>
        <translation>mehr als %1 Zeilen</translation>
    </message>
    <message>
        <source>more than %1 columns</source>
        <translation>mehr als %1 Spalten</translation>
    </message>
    <message>
        <source>no header: the file is empty</source>
        <translation>keine Kopfzeile: Die Datei ist leer</translation>
    </message>
    <message>
        <source>a quote that is not closed: it is kept as a character of its cell</source>
        <translation>ein nicht geschlossenes Anführungszeichen: Es bleibt ein Zeichen seiner Zelle</translation>
    </message>
    <message>
        <source>a row with too many cells: %1, the header has %2 (the others are kept at the end)</source>
        <translation>eine Zeile mit zu vielen Zellen: %1, die Kopfzeile hat %2 (die übrigen bleiben am Ende erhalten)</translation>
    </message>
    <message>
        <source>the file&apos;s %1 is kept; computed: %2</source>
        <translation>%1 aus der Datei bleibt; berechnet: %2</translation>
    </message>
</context>
</TS>
