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
        <source>No network: the calculator loads as soon as the connection is back. What you type is kept.</source>
        <translation>Sin red: la calculadora se carga en cuanto vuelva la conexión. Lo que escriba se conserva.</translation>
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
</context>
</TS>
