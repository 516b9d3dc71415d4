<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>StringTable</name>
    <message>
        <location filename="../app/string_table.cpp" line="15"/>
        <source>Acceleration (m/s²)</source>
        <comment>134</comment>
        <translation>Aceleración (m/s²)</translation>
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
        <translation>Masa libre de grasa</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="18"/>
        <source>Body mass (kg)</source>
        <comment>137</comment>
        <translation>Peso (kg)</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="19"/>
        <source>Rep</source>
        <comment>138</comment>
        <translation>Rep.</translation>
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
        <translation>Carga (kg)</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="22"/>
        <source>Dist 1</source>
        <comment>141</comment>
        <translation>Distancia 1</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="23"/>
        <source>Time 1</source>
        <comment>142</comment>
        <translation>Tiempo 1</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="24"/>
        <source>Dist 2</source>
        <comment>143</comment>
        <translation>Distancia 2</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="25"/>
        <source>Time 2</source>
        <comment>144</comment>
        <translation>Tiempo 2</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="26"/>
        <source>Accel.</source>
        <comment>145</comment>
        <translation>Acel.</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="27"/>
        <source>BF %</source>
        <comment>146</comment>
        <translation>% GC</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="28"/>
        <source>FFM</source>
        <comment>147</comment>
        <translation>MLG</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="29"/>
        <source>Target BF%</source>
        <comment>148</comment>
        <translation>% GC objetivo</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="30"/>
        <source>Target Bmass</source>
        <comment>149</comment>
        <translation>Peso objetivo</translation>
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
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="33"/>
        <source>Body Mass and Strength</source>
        <comment>210</comment>
        <translation>Masa corporal y fuerza</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="34"/>
        <source>Power and Acceleration</source>
        <comment>211</comment>
        <translation>Potencia y aceleración</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="35"/>
        <source>Speed (kph)</source>
        <comment>214</comment>
        <translation>Vel. (km/h)</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="36"/>
        <source>Grade (%)</source>
        <comment>215</comment>
        <translation>Pendiente (%)</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="37"/>
        <source>Watts</source>
        <comment>216</comment>
        <translation>Vatios</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="38"/>
        <source>Watts/kg</source>
        <comment>217</comment>
        <translation>Vatios/kg</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="39"/>
        <source>Running speed &lt;==&gt; Cycling power</source>
        <comment>219</comment>
        <translation>Velocidad de carrera &lt;==&gt; Potencia en bici</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="40"/>
        <source>Running speed (km/h)</source>
        <comment>220</comment>
        <translation>Velocidad de carrera (km/h)</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="41"/>
        <source>Cycling Power (Watts)</source>
        <comment>221</comment>
        <translation>Potencia en bici (W)</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="42"/>
        <source>Bike mass</source>
        <comment>222</comment>
        <translation>Peso bici</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="43"/>
        <source>&amp;File</source>
        <comment>253</comment>
        <translation>&amp;Archivo</translation>
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
        <translation>Introduzca primero el peso corporal.</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="48"/>
        <source>/public_docs/vorlenta_en.htm</source>
        <comment>458</comment>
        <translation>/public_docs/vorlenta_es.htm</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="49"/>
        <source>&amp;Help</source>
        <comment>459</comment>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <location filename="../app/string_table.cpp" line="50"/>
        <source>For more coaching tools, visit</source>
        <comment>461</comment>
        <translation>Más herramientas para entrenadores en</translation>
    </message>
</context>
<context>
    <name>frm_calc</name>
    <message>
        <location filename="../app/frm_calc_access.cpp" line="37"/>
        <source>Convert between kilograms and pounds</source>
        <translation>Convertir entre kilogramos y libras</translation>
    </message>
    <message>
        <location filename="../app/frm_calc_access.cpp" line="39"/>
        <source>Convert between running speed and cycling power</source>
        <translation>Convertir entre velocidad de carrera y potencia en bici</translation>
    </message>
    <message>
        <location filename="../app/frm_calc_access.cpp" line="42"/>
        <source>Opens the maker&apos;s web site</source>
        <translation>Abre el sitio web de los desarrolladores</translation>
    </message>
    <message>
        <location filename="../app/frm_calc_access.cpp" line="43"/>
        <source>Open %1</source>
        <translation>Abrir %1</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Body and strength</source>
        <translation>Cuerpo y fuerza</translation>
    </message>
    <message>
        <source>Power and speed</source>
        <translation>Potencia y velocidad</translation>
    </message>
    <message>
        <source>Kilograms and pounds</source>
        <translation>Kilogramos y libras</translation>
    </message>
    <message>
        <source>Kilograms (kg)</source>
        <translation>Kilogramos (kg)</translation>
    </message>
    <message>
        <source>Pounds (lb)</source>
        <translation>Libras (lb)</translation>
    </message>
    <message>
        <source>Fat-free mass</source>
        <translation>Masa libre de grasa</translation>
    </message>
    <message>
        <source>Body fat (%)</source>
        <translation>Grasa corporal (%)</translation>
    </message>
    <message>
        <source>Fat-free mass (kg)</source>
        <translation>Masa libre de grasa (kg)</translation>
    </message>
    <message>
        <source>Target body fat (%)</source>
        <translation>Grasa corporal objetivo (%)</translation>
    </message>
    <message>
        <source>Target body mass (kg)</source>
        <translation>Peso objetivo (kg)</translation>
    </message>
    <message>
        <source>One-rep max (1RM)</source>
        <translation>Repetición máxima (1RM)</translation>
    </message>
    <message>
        <source>Load (kg)</source>
        <translation>Carga (kg)</translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation>Repeticiones</translation>
    </message>
    <message>
        <source>1RM (kg)</source>
        <translation>1RM (kg)</translation>
    </message>
    <message>
        <source>1RM per kg body mass</source>
        <translation>1RM por kg de peso</translation>
    </message>
    <message>
        <source>Distance 1 (m)</source>
        <translation>Distancia 1 (m)</translation>
    </message>
    <message>
        <source>Time 1 (s)</source>
        <translation>Tiempo 1 (s)</translation>
    </message>
    <message>
        <source>Distance 2 (m)</source>
        <translation>Distancia 2 (m)</translation>
    </message>
    <message>
        <source>Time 2 (s)</source>
        <translation>Tiempo 2 (s)</translation>
    </message>
    <message>
        <source>Cycling power</source>
        <translation>Potencia en bici</translation>
    </message>
    <message>
        <source>Speed (km/h)</source>
        <translation>Velocidad (km/h)</translation>
    </message>
    <message>
        <source>Bike mass (kg)</source>
        <translation>Peso de la bici (kg)</translation>
    </message>
    <message>
        <source>Power (W)</source>
        <translation>Potencia (W)</translation>
    </message>
    <message>
        <source>Power per kg (W/kg)</source>
        <translation>Potencia por kg (W/kg)</translation>
    </message>
    <message>
        <source>Running speed and cycling power</source>
        <translation>Velocidad de carrera y potencia en bici</translation>
    </message>
    <message>
        <source>Cycling power (W)</source>
        <translation>Potencia en bici (W)</translation>
    </message>
    <message>
        <source>Needs a body mass above 0 kg.</source>
        <translation>Necesita un peso mayor que 0 kg.</translation>
    </message>
    <message>
        <source>Enter the body mass</source>
        <translation>Introducir el peso</translation>
    </message>
    <message>
        <source>Change the sign of the grade</source>
        <translation>Cambiar el signo de la pendiente</translation>
    </message>
    <message>
        <source>The calculator could not be loaded. Reload the page; if that does not help, update your browser or try another one.</source>
        <translation>No se pudo cargar la calculadora. Recargue la página; si no basta, actualice el navegador o pruebe con otro.</translation>
    </message>
    <message>
        <source>A new version of Vorlenta is ready.</source>
        <translation>Hay una nueva versión de Vorlenta.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Vorlenta developers</source>
        <translation>Copyright © 2026 los desarrolladores de Vorlenta</translation>
    </message>
    <message>
        <source>Squad</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>The squad view is loading…</source>
        <translation>Cargando la plantilla…</translation>
    </message>
    <message>
        <source>The squad view could not be loaded. Reload the page.</source>
        <translation>No se pudo cargar la plantilla. Recargue la página.</translation>
    </message>
</context>
<context>
    <name>Squad</name>
    <message>
        <source>%1 could not be read. The squad is as it was.</source>
        <translation>No se pudo leer %1. La plantilla sigue igual.</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importar CSV</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Remove row</source>
        <translation>Quitar fila</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Tests in the table</source>
        <translation>Pruebas en la tabla</translation>
    </message>
    <message>
        <source>Other columns</source>
        <translation>Otras columnas</translation>
    </message>
    <message>
        <source>New column</source>
        <translation>Nueva columna</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>A name of letters, digits and _ is one that formulas can use.</source>
        <translation>Un nombre de letras, cifras y _ puede usarse en las fórmulas.</translation>
    </message>
    <message>
        <source>Formula column</source>
        <translation>Columna de fórmula</translation>
    </message>
    <message>
        <source>NAME = EXPRESSION over the columns&apos; names: + - * / ^ ( ), S square root, L logarithm, E e to the power.</source>
        <translation>NOMBRE = EXPRESIÓN con los nombres de las columnas: + - * / ^ ( ), S raíz cuadrada, L logaritmo, E e elevado a.</translation>
    </message>
    <message>
        <source>The squad, a row per athlete</source>
        <translation>La plantilla, una fila por atleta</translation>
    </message>
    <message>
        <source>Add an athlete</source>
        <translation>Añadir un atleta</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>The squad is kept in this browser, on this device alone, as you type: it is the one thing the page stores, and it is never sent anywhere. Export it to keep a copy.</source>
        <translation>La plantilla se guarda en este navegador, solo en este dispositivo, mientras escribe: es lo único que guarda la página, y nunca se envía a ningún sitio. Expórtela para guardar una copia.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>What was pasted is not text.</source>
        <translation>Lo pegado no es texto.</translation>
    </message>
    <message>
        <source>Rows pasted: %1.</source>
        <translation>Filas pegadas: %1.</translation>
    </message>
    <message>
        <source>Remove the column %1 and its %2 values?</source>
        <translation>¿Quitar la columna %1 y sus %2 valores?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Give the column a name.</source>
        <translation>Dé un nombre a la columna.</translation>
    </message>
    <message>
        <source>%1 is a column already.</source>
        <translation>%1 ya es una columna.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Editar %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Choose the row first: a cell of it.</source>
        <translation>Elija primero la fila: una de sus celdas.</translation>
    </message>
    <message>
        <source>Remove row %1 (%2)?</source>
        <translation>¿Quitar la fila %1 (%2)?</translation>
    </message>
    <message>
        <source>Clear the whole squad? Every athlete and formula column is removed from this device.</source>
        <translation>¿Vaciar toda la plantilla? Todos los atletas y columnas de fórmula se eliminan de este dispositivo.</translation>
    </message>
    <message>
        <source>The squad is cleared.</source>
        <translation>La plantilla está vacía.</translation>
    </message>
    <message>
        <source>%1 is not imported: at %2 MB it is too large for a squad (at most %3 MB). The squad is as it was.</source>
        <translation>%1 no se ha importado: con %2 MB es demasiado grande para una plantilla (%3 MB como máximo). La plantilla sigue igual.</translation>
    </message>
    <message>
        <source>Replace the squad by the athletes of %1? The squad&apos;s %2 rows are removed from this device.</source>
        <translation>¿Sustituir la plantilla por los atletas de %1? Las %2 filas de la plantilla se eliminan de este dispositivo.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sustituir</translation>
    </message>
    <message>
        <source>%1 is not imported (%2). The squad is as it was.</source>
        <translation>%1 no se ha importado (%2). La plantilla sigue igual.</translation>
    </message>
    <message>
        <source>Athletes imported from %1: %2. Problems: %3, marked in the table.</source>
        <translation>Atletas importados de %1: %2. Problemas: %3, marcados en la tabla.</translation>
    </message>
    <message>
        <source>Athletes imported from %1: %2.</source>
        <translation>Atletas importados de %1: %2.</translation>
    </message>
    <message>
        <source>Exported as %1.</source>
        <translation>Exportado como %1.</translation>
    </message>
    <message>
        <source>Row %1, %2: %3</source>
        <translation>Fila %1, %2: %3</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Fila %1: %2</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… y %1 más.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>The squad is open in another tab or window of this browser; it opens here once that one is closed.</source>
        <translation>La plantilla está abierta en otra pestaña o ventana de este navegador; se abre aquí en cuanto esa se cierre.</translation>
    </message>
    <message>
        <source>A newer version of the page keeps a squad on this device: reload the page to open it.</source>
        <translation>Una versión más reciente de la página guarda una plantilla en este dispositivo: recargue la página para abrirla.</translation>
    </message>
    <message>
        <source>This browser does not let the page keep the squad: it is lost when the page is closed. Export it to keep it.</source>
        <translation>Este navegador no deja que la página guarde la plantilla: se pierde al cerrar la página. Expórtela para conservarla.</translation>
    </message>
    <message>
        <source>The squad could not be stored on this device: is its storage full? Export it to keep it.</source>
        <translation>No se pudo guardar la plantilla en este dispositivo: ¿está lleno su almacenamiento? Expórtela para conservarla.</translation>
    </message>
    <message>
        <source>not a number: %1</source>
        <translation>no es un número: %1</translation>
    </message>
    <message>
        <source>not a number: %1 (the decimal separator here is &apos;%2&apos;)</source>
        <translation>no es un número: %1 (el separador decimal aquí es «%2»)</translation>
    </message>
    <message>
        <source>%1 is beyond the range of the calculators</source>
        <translation>%1 está fuera del rango de las calculadoras</translation>
    </message>
    <message>
        <source>%1 is longer than the %2 characters the window&apos;s field takes</source>
        <translation>%1 supera los %2 caracteres que admite el campo</translation>
    </message>
    <message>
        <source>%1 is not a number: %2</source>
        <translation>%1 no es un número: %2</translation>
    </message>
    <message>
        <source>no column named &apos;%1&apos; (a formula sees the file&apos;s columns and the ones before it)</source>
        <translation>ninguna columna se llama «%1» (una fórmula ve las columnas de la tabla y las anteriores a ella)</translation>
    </message>
    <message>
        <source>no column named &apos;%1&apos; (%2 is a function: write %3 in lower case)</source>
        <translation>ninguna columna se llama «%1» (%2 es una función: escriba %3 en minúsculas)</translation>
    </message>
    <message>
        <source>%1 (position %2)</source>
        <translation>%1 (posición %2)</translation>
    </message>
    <message>
        <source>Operator expected</source>
        <translation>Se esperaba un operador</translation>
    </message>
    <message>
        <source>Operand expected</source>
        <translation>Se esperaba un operando</translation>
    </message>
    <message>
        <source>Closing parenthesis without matching open parenthesis</source>
        <translation>Paréntesis de cierre sin paréntesis de apertura</translation>
    </message>
    <message>
        <source>Closing parenthesis expected</source>
        <translation>Se esperaba un paréntesis de cierre</translation>
    </message>
    <message>
        <source>Operand contains multiple decimal points</source>
        <translation>Operando con varios separadores decimales</translation>
    </message>
    <message>
        <source>Invalid operand</source>
        <translation>Operando no válido</translation>
    </message>
    <message>
        <source>Unexpected character encountered</source>
        <translation>Carácter inesperado</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Llamada a procedimiento o argumento no válido</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Expression too long to evaluate</source>
        <translation>Expresión demasiado larga para evaluarla</translation>
    </message>
    <message>
        <source>Invalid symbol value</source>
        <translation>Valor de símbolo no válido</translation>
    </message>
    <message>
        <source>NAME=EXPRESSION expected</source>
        <translation>Se esperaba NOMBRE=EXPRESIÓN</translation>
    </message>
    <message>
        <source>the expression of %1 is empty</source>
        <translation>la expresión de %1 está vacía</translation>
    </message>
    <message>
        <source>%1 is a column of the calculators</source>
        <translation>%1 es una columna de las calculadoras</translation>
    </message>
    <message>
        <source>%1 is defined twice</source>
        <translation>%1 está definido dos veces</translation>
    </message>
    <message>
        <source>%1 is a column of the squad</source>
        <translation>%1 es una columna de la plantilla</translation>
    </message>
    <message>
        <source>a line longer than %1 bytes</source>
        <translation>una línea de más de %1 bytes</translation>
    </message>
    <message>
        <source>not UTF-8 text: is this a CSV file?</source>
        <translation>no es texto UTF-8: ¿es un archivo CSV?</translation>
    </message>
    <message>
        <source>more than %1 rows</source>
        <translation>más de %1 filas</translation>
    </message>
    <message>
        <source>more than %1 columns</source>
        <translation>más de %1 columnas</translation>
    </message>
    <message>
        <source>no header: the file is empty</source>
        <translation>sin encabezado: el archivo está vacío</translation>
    </message>
    <message>
        <source>a quote that is not closed: it is kept as a character of its cell</source>
        <translation>unas comillas sin cerrar: se conservan como carácter de su celda</translation>
    </message>
    <message>
        <source>a row with too many cells: %1, the header has %2 (the others are kept at the end)</source>
        <translation>una fila con demasiadas celdas: %1, el encabezado tiene %2 (las demás se conservan al final)</translation>
    </message>
    <message>
        <source>the file&apos;s %1 is kept; computed: %2</source>
        <translation>se conserva el %1 del archivo; calculado: %2</translation>
    </message>
</context>
</TS>
