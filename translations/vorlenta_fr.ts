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
    <message>
        <source>Squad</source>
        <translation>Effectif</translation>
    </message>
    <message>
        <source>The squad view is loading…</source>
        <translation>Chargement de l&apos;effectif…</translation>
    </message>
    <message>
        <source>The squad view could not be loaded. Reload the page.</source>
        <translation>Impossible de charger l&apos;effectif. Rechargez la page.</translation>
    </message>
</context>
<context>
    <name>Squad</name>
    <message>
        <source>%1 could not be read. The squad is as it was.</source>
        <translation>Impossible de lire %1. L&apos;effectif est inchangé.</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importer un CSV</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Remove row</source>
        <translation>Supprimer la ligne</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Tests in the table</source>
        <translation>Tests du tableau</translation>
    </message>
    <message>
        <source>Other columns</source>
        <translation>Autres colonnes</translation>
    </message>
    <message>
        <source>New column</source>
        <translation>Nouvelle colonne</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>A name of letters, digits and _ is one that formulas can use.</source>
        <translation>Un nom fait de lettres, de chiffres et de _ peut servir dans les formules.</translation>
    </message>
    <message>
        <source>Formula column</source>
        <translation>Colonne calculée</translation>
    </message>
    <message>
        <source>NAME = EXPRESSION over the columns&apos; names: + - * / ^ ( ), S square root, L logarithm, E e to the power.</source>
        <translation>NOM = EXPRESSION avec les noms des colonnes : + - * / ^ ( ), S racine carrée, L logarithme, E e puissance.</translation>
    </message>
    <message>
        <source>The squad, a row per athlete</source>
        <translation>L&apos;effectif, une ligne par athlète</translation>
    </message>
    <message>
        <source>Add an athlete</source>
        <translation>Ajouter un athlète</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>The squad is kept in this browser, on this device alone, as you type: it is the one thing the page stores, and it is never sent anywhere. Export it to keep a copy.</source>
        <translation>L&apos;effectif est conservé dans ce navigateur, sur cet appareil seulement, au fil de la saisie : c&apos;est la seule chose que la page enregistre, et il n&apos;est jamais envoyé nulle part. Exportez-le pour en garder une copie.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>What was pasted is not text.</source>
        <translation>Ce qui a été collé n&apos;est pas du texte.</translation>
    </message>
    <message>
        <source>Rows pasted: %1.</source>
        <translation>Lignes collées : %1.</translation>
    </message>
    <message>
        <source>Remove the column %1 and its %2 values?</source>
        <translation>Supprimer la colonne %1 et ses %2 valeurs ?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Give the column a name.</source>
        <translation>Donnez un nom à la colonne.</translation>
    </message>
    <message>
        <source>%1 is a column already.</source>
        <translation>%1 est déjà une colonne.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Choose the row first: a cell of it.</source>
        <translation>Choisissez d&apos;abord la ligne : une de ses cellules.</translation>
    </message>
    <message>
        <source>Remove row %1 (%2)?</source>
        <translation>Supprimer la ligne %1 (%2) ?</translation>
    </message>
    <message>
        <source>Clear the whole squad? Every athlete and formula column is removed from this device.</source>
        <translation>Effacer tout l&apos;effectif ? Tous les athlètes et toutes les colonnes calculées sont supprimés de cet appareil.</translation>
    </message>
    <message>
        <source>The squad is cleared.</source>
        <translation>L&apos;effectif est effacé.</translation>
    </message>
    <message>
        <source>%1 is not imported: at %2 MB it is too large for a squad (at most %3 MB). The squad is as it was.</source>
        <translation>%1 n&apos;est pas importé : avec %2 Mo, le fichier est trop grand pour un effectif (%3 Mo au plus). L&apos;effectif est inchangé.</translation>
    </message>
    <message>
        <source>Replace the squad by the athletes of %1? The squad&apos;s %2 rows are removed from this device.</source>
        <translation>Remplacer l&apos;effectif par les athlètes de %1 ? Les %2 lignes de l&apos;effectif sont supprimées de cet appareil.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>%1 is not imported (%2). The squad is as it was.</source>
        <translation>%1 n&apos;est pas importé (%2). L&apos;effectif est inchangé.</translation>
    </message>
    <message>
        <source>Athletes imported from %1: %2. Problems: %3, marked in the table.</source>
        <translation>Athlètes importés de %1 : %2. Problèmes : %3, signalés dans le tableau.</translation>
    </message>
    <message>
        <source>Athletes imported from %1: %2.</source>
        <translation>Athlètes importés de %1 : %2.</translation>
    </message>
    <message>
        <source>Exported as %1.</source>
        <translation>Exporté sous %1.</translation>
    </message>
    <message>
        <source>Row %1, %2: %3</source>
        <translation>Ligne %1, %2 : %3</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… et %1 de plus.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>The squad is open in another tab or window of this browser; it opens here once that one is closed.</source>
        <translation>L&apos;effectif est ouvert dans un autre onglet ou une autre fenêtre de ce navigateur ; il s&apos;ouvre ici dès que celui-ci est fermé.</translation>
    </message>
    <message>
        <source>A newer version of the page keeps a squad on this device: reload the page to open it.</source>
        <translation>Une version plus récente de la page conserve un effectif sur cet appareil : rechargez la page pour l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>This browser does not let the page keep the squad: it is lost when the page is closed. Export it to keep it.</source>
        <translation>Ce navigateur ne laisse pas la page conserver l&apos;effectif : il est perdu à la fermeture de la page. Exportez-le pour le garder.</translation>
    </message>
    <message>
        <source>The squad could not be stored on this device: is its storage full? Export it to keep it.</source>
        <translation>Impossible d&apos;enregistrer l&apos;effectif sur cet appareil : son stockage est-il plein ? Exportez-le pour le garder.</translation>
    </message>
    <message>
        <source>not a number: %1</source>
        <translation>pas un nombre : %1</translation>
    </message>
    <message>
        <source>not a number: %1 (the decimal separator here is &apos;%2&apos;)</source>
        <translation>pas un nombre : %1 (le séparateur décimal est ici « %2 »)</translation>
    </message>
    <message>
        <source>%1 is beyond the range of the calculators</source>
        <translation>%1 dépasse la plage des calculateurs</translation>
    </message>
    <message>
        <source>%1 is longer than the %2 characters the window&apos;s field takes</source>
        <translation>%1 dépasse les %2 caractères que prend le champ</translation>
    </message>
    <message>
        <source>%1 is not a number: %2</source>
        <translation>%1 n&apos;est pas un nombre : %2</translation>
    </message>
    <message>
        <source>no column named &apos;%1&apos; (a formula sees the file&apos;s columns and the ones before it)</source>
        <translation>aucune colonne nommée « %1 » (une formule voit les colonnes du tableau et celles qui la précèdent)</translation>
    </message>
    <message>
        <source>no column named &apos;%1&apos; (%2 is a function: write %3 in lower case)</source>
        <translation>aucune colonne nommée « %1 » (%2 est une fonction : écrivez %3 en minuscules)</translation>
    </message>
    <message>
        <source>%1 (position %2)</source>
        <translation>%1 (position %2)</translation>
    </message>
    <message>
        <source>Operator expected</source>
        <translation>Opérateur attendu</translation>
    </message>
    <message>
        <source>Operand expected</source>
        <translation>Opérande attendu</translation>
    </message>
    <message>
        <source>Closing parenthesis without matching open parenthesis</source>
        <translation>Parenthèse fermante sans parenthèse ouvrante</translation>
    </message>
    <message>
        <source>Closing parenthesis expected</source>
        <translation>Parenthèse fermante attendue</translation>
    </message>
    <message>
        <source>Operand contains multiple decimal points</source>
        <translation>Opérande à plusieurs séparateurs décimaux</translation>
    </message>
    <message>
        <source>Invalid operand</source>
        <translation>Opérande non valide</translation>
    </message>
    <message>
        <source>Unexpected character encountered</source>
        <translation>Caractère inattendu</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument non valide</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Expression too long to evaluate</source>
        <translation>Expression trop longue pour être évaluée</translation>
    </message>
    <message>
        <source>Invalid symbol value</source>
        <translation>Valeur de symbole non valide</translation>
    </message>
    <message>
        <source>NAME=EXPRESSION expected</source>
        <translation>NOM=EXPRESSION attendu</translation>
    </message>
    <message>
        <source>the expression of %1 is empty</source>
        <translation>l&apos;expression de %1 est vide</translation>
    </message>
    <message>
        <source>%1 is a column of the calculators</source>
        <translation>%1 est une colonne des calculateurs</translation>
    </message>
    <message>
        <source>%1 is defined twice</source>
        <translation>%1 est défini deux fois</translation>
    </message>
    <message>
        <source>%1 is a column of the squad</source>
        <translation>%1 est une colonne de l&apos;effectif</translation>
    </message>
    <message>
        <source>a line longer than %1 bytes</source>
        <translation>une ligne de plus de %1 octets</translation>
    </message>
    <message>
        <source>not UTF-8 text: is this a CSV file?</source>
        <translation>pas un texte UTF-8 : est-ce un fichier CSV ?</translation>
    </message>
    <message>
        <source>more than %1 rows</source>
        <translation>plus de %1 lignes</translation>
    </message>
    <message>
        <source>more than %1 columns</source>
        <translation>plus de %1 colonnes</translation>
    </message>
    <message>
        <source>no header: the file is empty</source>
        <translation>pas d&apos;en-tête : le fichier est vide</translation>
    </message>
    <message>
        <source>a quote that is not closed: it is kept as a character of its cell</source>
        <translation>un guillemet non fermé : il est gardé comme caractère de sa cellule</translation>
    </message>
    <message>
        <source>a row with too many cells: %1, the header has %2 (the others are kept at the end)</source>
        <translation>une ligne avec trop de cellules : %1, l&apos;en-tête en a %2 (les autres sont gardées à la fin)</translation>
    </message>
    <message>
        <source>the file&apos;s %1 is kept; computed: %2</source>
        <translation>la valeur %1 du fichier est gardée ; calculé : %2</translation>
    </message>
</context>
</TS>
