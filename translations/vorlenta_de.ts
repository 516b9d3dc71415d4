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
        <source>No network: the calculator loads as soon as the connection is back. What you type is kept.</source>
        <translation>Kein Netz: Der Rechner lädt, sobald die Verbindung wieder steht. Ihre Eingaben bleiben erhalten.</translation>
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
</context>
</TS>
