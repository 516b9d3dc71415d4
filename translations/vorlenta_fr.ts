<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>StringTable</name>
    <message>
        <location filename="../app/string_table.cpp" line="15"/>
        <source>Acceleration (m/s²)</source>
        <comment>134</comment>
        <translation>Accélération (m/s²)</translation>
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
        <translation>Masse maigre</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="18"/>
        <source>Body mass (kg)</source>
        <comment>137</comment>
        <translation>Poids (kg)</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="19"/>
        <source>Rep</source>
        <comment>138</comment>
        <translation>Rép.</translation>
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
        <translation>Charge (kg)</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="22"/>
        <source>Dist 1</source>
        <comment>141</comment>
        <translation>Distance 1</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="23"/>
        <source>Time 1</source>
        <comment>142</comment>
        <translation>Temps 1</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="24"/>
        <source>Dist 2</source>
        <comment>143</comment>
        <translation>Distance 2</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="25"/>
        <source>Time 2</source>
        <comment>144</comment>
        <translation>Temps 2</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="26"/>
        <source>Accel.</source>
        <comment>145</comment>
        <translation>Accél.</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="27"/>
        <source>BF %</source>
        <comment>146</comment>
        <translation>% MG</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="28"/>
        <source>FFM</source>
        <comment>147</comment>
        <translation>Masse maigre</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="29"/>
        <source>Target BF%</source>
        <comment>148</comment>
        <translation>% MG cible</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="30"/>
        <source>Target Bmass</source>
        <comment>149</comment>
        <translation>Poids cible</translation>
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
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="33"/>
        <source>Body Mass and Strength</source>
        <comment>210</comment>
        <translation>Masse corporelle et force</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="34"/>
        <source>Power and Acceleration</source>
        <comment>211</comment>
        <translation>Puissance et accélération</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="35"/>
        <source>Speed (kph)</source>
        <comment>214</comment>
        <translation>Vitesse (km/h)</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="36"/>
        <source>Grade (%)</source>
        <comment>215</comment>
        <translation>Pente (%)</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="37"/>
        <source>Watts</source>
        <comment>216</comment>
        <translation>Watts</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="38"/>
        <source>Watts/kg</source>
        <comment>217</comment>
        <translation>Watts/kg</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="39"/>
        <source>Running speed &lt;==&gt; Cycling power</source>
        <comment>219</comment>
        <translation>Vitesse de course &lt;==&gt; Puissance vélo</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="40"/>
        <source>Running speed (km/h)</source>
        <comment>220</comment>
        <translation>Vitesse de course (km/h)</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="41"/>
        <source>Cycling Power (Watts)</source>
        <comment>221</comment>
        <translation>Puissance vélo (watts)</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="42"/>
        <source>Bike mass</source>
        <comment>222</comment>
        <translation>Poids vélo</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="43"/>
        <source>&amp;File</source>
        <comment>253</comment>
        <translation>&amp;Fichier</translation>
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
        <translation>Veuillez d&apos;abord saisir le poids de l&apos;athlète.</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="48"/>
        <source>/public_docs/vorlenta_en.htm</source>
        <comment>458</comment>
        <translation>/public_docs/vorlenta_fr.htm</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="49"/>
        <source>&amp;Help</source>
        <comment>459</comment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="50"/>
        <source>For more coaching tools, visit</source>
        <comment>461</comment>
        <translation>Retrouvez d&apos;autres outils pour entraîneurs sur</translation>
    </message>
</context>
<context>
    <name>frm_calc</name>
    <message>
        <location filename="../app/frm_calc_access.cpp" line="37"/>
        <source>Convert between kilograms and pounds</source>
        <translation>Convertir entre kilogrammes et livres</translation>
    </message>
    <message>
        <location filename="../app/frm_calc_access.cpp" line="39"/>
        <source>Convert between running speed and cycling power</source>
        <translation>Convertir entre vitesse de course et puissance vélo</translation>
    </message>
    <message>
        <location filename="../app/frm_calc_access.cpp" line="42"/>
        <source>Opens the maker&apos;s web site</source>
        <translation>Ouvre le site web de l&apos;éditeur</translation>
    </message>
    <message>
        <location filename="../app/frm_calc_access.cpp" line="43"/>
        <source>Open %1</source>
        <translation>Ouvrir %1</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Body and strength</source>
        <translation>Corps et force</translation>
    </message>
    <message>
        <source>Power and speed</source>
        <translation>Puissance et vitesse</translation>
    </message>
    <message>
        <source>Kilograms and pounds</source>
        <translation>Kilogrammes et livres</translation>
    </message>
    <message>
        <source>Kilograms (kg)</source>
        <translation>Kilogrammes (kg)</translation>
    </message>
    <message>
        <source>Pounds (lb)</source>
        <translation>Livres (lb)</translation>
    </message>
    <message>
        <source>Fat-free mass</source>
        <translation>Masse maigre</translation>
    </message>
    <message>
        <source>Body fat (%)</source>
        <translation>Masse grasse (%)</translation>
    </message>
    <message>
        <source>Fat-free mass (kg)</source>
        <translation>Masse maigre (kg)</translation>
    </message>
    <message>
        <source>Target body fat (%)</source>
        <translation>Masse grasse visée (%)</translation>
    </message>
    <message>
        <source>Target body mass (kg)</source>
        <translation>Poids visé (kg)</translation>
    </message>
    <message>
        <source>One-rep max (1RM)</source>
        <translation>Charge maximale (1RM)</translation>
    </message>
    <message>
        <source>Load (kg)</source>
        <translation>Charge (kg)</translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation>Répétitions</translation>
    </message>
    <message>
        <source>1RM (kg)</source>
        <translation>1RM (kg)</translation>
    </message>
    <message>
        <source>1RM per kg body mass</source>
        <translation>1RM par kg de poids</translation>
    </message>
    <message>
        <source>Distance 1 (m)</source>
        <translation>Distance 1 (m)</translation>
    </message>
    <message>
        <source>Time 1 (s)</source>
        <translation>Temps 1 (s)</translation>
    </message>
    <message>
        <source>Distance 2 (m)</source>
        <translation>Distance 2 (m)</translation>
    </message>
    <message>
        <source>Time 2 (s)</source>
        <translation>Temps 2 (s)</translation>
    </message>
    <message>
        <source>Cycling power</source>
        <translation>Puissance vélo</translation>
    </message>
    <message>
        <source>Speed (km/h)</source>
        <translation>Vitesse (km/h)</translation>
    </message>
    <message>
        <source>Bike mass (kg)</source>
        <translation>Poids du vélo (kg)</translation>
    </message>
    <message>
        <source>Power (W)</source>
        <translation>Puissance (W)</translation>
    </message>
    <message>
        <source>Power per kg (W/kg)</source>
        <translation>Puissance par kg (W/kg)</translation>
    </message>
    <message>
        <source>Running speed and cycling power</source>
        <translation>Vitesse de course et puissance vélo</translation>
    </message>
    <message>
        <source>Cycling power (W)</source>
        <translation>Puissance vélo (W)</translation>
    </message>
    <message>
        <source>Needs a body mass above 0 kg.</source>
        <translation>Il faut un poids supérieur à 0 kg.</translation>
    </message>
    <message>
        <source>Enter the body mass</source>
        <translation>Saisir le poids</translation>
    </message>
    <message>
        <source>Change the sign of the grade</source>
        <translation>Changer le signe de la pente</translation>
    </message>
    <message>
        <source>No network: the calculator loads as soon as the connection is back. What you type is kept.</source>
        <translation>Pas de réseau : le calculateur se charge dès que la connexion revient. Vos saisies sont conservées.</translation>
    </message>
    <message>
        <source>The calculator could not be loaded. Reload the page; if that does not help, update your browser or try another one.</source>
        <translation>Impossible de charger le calculateur. Rechargez la page ; si cela ne suffit pas, mettez le navigateur à jour ou essayez-en un autre.</translation>
    </message>
    <message>
        <source>A new version of Vorlenta is ready.</source>
        <translation>Une nouvelle version de Vorlenta est prête.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Vorlenta developers</source>
        <translation>Copyright © 2026 les développeurs de Vorlenta</translation>
    </message>
</context>
</TS>
