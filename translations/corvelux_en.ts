<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>Acercade</name>
    <message>
        <source>Acerca de ...</source>
        <translation>About CORVELUX</translation>
    </message>
    <message>
        <source>CORVELUX </source>
        <translation>CORVELUX </translation>
    </message>
    <message>
        <source>Versión 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Marta Iriarte Solano</source>
        <translation>Marta Iriarte Solano</translation>
    </message>
    <message>
        <source>     Para cada IR proponemos los únicos  ángulos y proporciones que optimizan el brillo de la gema</source>
        <translation>     For each RI we propose the only angles and proportions that optimize the brightness of the gem</translation>
    </message>
    <message>
        <source>Amatista de talla brillante</source>
        <translation>Brilliant-cut amethyst</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cerrar esta ventana</source>
        <translation>Close this window</translation>
    </message>
    <message>
        <source>&amp;Aceptar</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>ChartMessages</name>
    <message>
        <source>PASO debe ser mayor que 0.</source>
        <translation>STEP must be greater than 0.</translation>
    </message>
    <message>
        <source>PASO debe ser 0.001 o un múltiplo de 0.001: los IR tienen tres decimales.</source>
        <translation>STEP must be 0.001 or a multiple of 0.001: the RIs have three decimals.</translation>
    </message>
    <message>
        <source>HASTA debe ser mayor o igual que DESDE.</source>
        <translation>TO must be greater than or equal to FROM.</translation>
    </message>
    <message>
        <source>Más de %1 filas: aumente PASO o acerque DESDE y HASTA.</source>
        <translation>More than %1 rows: increase STEP or bring FROM and TO closer.</translation>
    </message>
</context>
<context>
    <name>ClassicCuts</name>
    <message>
        <source>Referencia GIA</source>
        <translation>GIA Reference</translation>
    </message>
    <message>
        <source>Excelente</source>
        <translation>Excellent</translation>
    </message>
    <message>
        <source>Calculada</source>
        <comment>the computed cut</comment>
        <translation>Computed</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source></source>
        <comment>Complaints about the arguments of the command line. Option names such as --filetin stay as they are; «%N» is the argument given; in a complaint about a value out of range, %1 is the range (&quot;de 0 a 10&quot;, &quot;0 o de 10 a 100&quot;, a list of words or of gears).</comment>
        <translation></translation>
    </message>
    <message>
        <source>corvelux: faltan valores después de «%1»</source>
        <translation>corvelux: values missing after ‘%1’</translation>
    </message>
    <message>
        <source>corvelux: argumento no esperado «%1»</source>
        <translation>corvelux: unexpected argument ‘%1’</translation>
    </message>
    <message>
        <source>corvelux: «%1» dado dos veces</source>
        <translation>corvelux: ‘%1’ given twice</translation>
    </message>
    <message>
        <source>corvelux: «%1» solo vale con %2</source>
        <translation>corvelux: ‘%1’ is only valid with %2</translation>
    </message>
    <message>
        <source>corvelux: en %1, el mínimo es mayor que el máximo: «%2»</source>
        <translation>corvelux: in %1, the minimum is greater than the maximum: ‘%2’</translation>
    </message>
    <message>
        <source>corvelux: el filetín debe medir %1 (% de D): «%2»</source>
        <translation>corvelux: the girdle must be %1 (% of D): ‘%2’</translation>
    </message>
    <message>
        <source>corvelux: la longitud de las estrellas debe ir %1 (%): «%2»</source>
        <translation>corvelux: the length of the stars must be %1 (%): ‘%2’</translation>
    </message>
    <message>
        <source>corvelux: la longitud de las medias del pabellón debe ir %1 (%): «%2»</source>
        <translation>corvelux: the length of the lower halves must be %1 (%): ‘%2’</translation>
    </message>
    <message>
        <source>corvelux: la rueda de índice debe tener %1 dientes: «%2»</source>
        <translation>corvelux: the index gear must have %1 teeth: ‘%2’</translation>
    </message>
    <message>
        <source>corvelux: la densidad debe ir %1 g/cm³: «%2»</source>
        <translation>corvelux: the density must be %1 g/cm³: ‘%2’</translation>
    </message>
    <message>
        <source>corvelux: la dispersión debe ir %1: «%2»</source>
        <translation>corvelux: the dispersion must be %1: ‘%2’</translation>
    </message>
    <message>
        <source>corvelux: la cabeza del observador debe ir %1 grados: «%2»</source>
        <translation>corvelux: the observer&apos;s head must be %1 degrees: ‘%2’</translation>
    </message>
    <message>
        <source>corvelux: la distancia del ojo debe ser %1 cm: «%2»</source>
        <translation>corvelux: the eye distance must be %1 cm: ‘%2’</translation>
    </message>
    <message>
        <source>corvelux: los rayos de lado deben ser un número entero %1: «%2»</source>
        <translation>corvelux: the rays across must be a whole number %1: ‘%2’</translation>
    </message>
    <message>
        <source>corvelux: el objetivo (--objetivo) debe ser %1: «%2»</source>
        <translation>corvelux: the objective (--objetivo) must be %1: ‘%2’</translation>
    </message>
    <message>
        <source>corvelux: el peso del fuego (--peso-fuego) debe ir %1: «%2»</source>
        <translation>corvelux: the weight of the fire (--peso-fuego) must be %1: ‘%2’</translation>
    </message>
    <message>
        <source>corvelux: la mesa (--mesa) debe ir %1 (% de D): «%2»</source>
        <translation>corvelux: the table (--mesa) must be %1 (% of D): ‘%2’</translation>
    </message>
    <message>
        <source>corvelux: el ángulo de corona (--corona) debe ir %1 grados: «%2»</source>
        <translation>corvelux: the crown angle (--corona) must be %1 degrees: ‘%2’</translation>
    </message>
    <message>
        <source>corvelux: el ángulo de pabellón (--pabellon) debe ir %1 grados: «%2»</source>
        <translation>corvelux: the pavilion angle (--pabellon) must be %1 degrees: ‘%2’</translation>
    </message>
    <message>
        <source>corvelux: la profundidad máxima (--profundidad-maxima) debe ir %1 (% de D): «%2»</source>
        <translation>corvelux: the maximum depth (--profundidad-maxima) must be %1 (% of D): ‘%2’</translation>
    </message>
    <message>
        <source>corvelux: la retención mínima (--retencion-minima) debe ir %1 (% del peso de la talla calculada): «%2»</source>
        <translation>corvelux: the minimum yield (--retencion-minima) must be %1 (% of the computed cut&apos;s weight): ‘%2’</translation>
    </message>
    <message>
        <source>corvelux: falta el nombre del archivo después de «%1»</source>
        <translation>corvelux: file name missing after ‘%1’</translation>
    </message>
    <message>
        <source>corvelux: el idioma (--idioma) debe ser es o en: «%1»</source>
        <translation>corvelux: the language (--idioma) must be es or en: ‘%1’</translation>
    </message>
    <message>
        <source>corvelux: número demasiado grande o demasiado cercano a 0: «%1»</source>
        <translation>corvelux: number too large or too close to 0: ‘%1’</translation>
    </message>
    <message>
        <source>corvelux: no es un número con punto decimal: «%1»</source>
        <translation>corvelux: not a number with a decimal point: ‘%1’</translation>
    </message>
    <message>
        <source>corvelux: no es texto en la codificación del sistema: «%1»</source>
        <translation>corvelux: not text in the system&apos;s encoding: ‘%1’</translation>
    </message>
    <message>
        <source>corvelux: opción no reconocida «%1»</source>
        <translation>corvelux: unrecognized option ‘%1’</translation>
    </message>
</context>
<context>
    <name>ComparisonTable</name>
    <message>
        <source>%1, el mejor</source>
        <translation>%1, the best</translation>
    </message>
    <message>
        <source>Talla</source>
        <translation>Cut</translation>
    </message>
</context>
<context>
    <name>CuadroDialog</name>
    <message>
        <source>El archivo &quot;%1&quot; ya existe.
¿Desea reemplazarlo?</source>
        <translation>The file &quot;%1&quot; already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>El nombre «%1» lleva comillas dobles (&quot;), que este cuadro no admite en un nombre. Escríbalo sin ellas.</source>
        <translation>The name “%1” contains double quotes (&quot;), which this dialog does not accept in a name. Type it without them.</translation>
    </message>
</context>
<context>
    <name>CutFigures</name>
    <message>
        <source>Brillo inclinado cos</source>
        <translation>Tilt cos</translation>
    </message>
    <message>
        <source>Brillo ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>Brillo cos</source>
        <translation>Cos</translation>
    </message>
    <message>
        <source>Reflejo externo</source>
        <translation>Surface reflection</translation>
    </message>
    <message>
        <source>Fuga</source>
        <translation>Leakage</translation>
    </message>
    <message>
        <source>Fuego</source>
        <translation>Fire</translation>
    </message>
    <message>
        <source>Banda 0–45º</source>
        <translation>Band 0–45°</translation>
    </message>
    <message>
        <source>Banda 45–75º</source>
        <translation>Band 45–75°</translation>
    </message>
    <message>
        <source>Banda 75–90º</source>
        <translation>Band 75–90°</translation>
    </message>
    <message>
        <source>Brillo inclinado</source>
        <translation>Tilt</translation>
    </message>
</context>
<context>
    <name>CutSearch</name>
    <message>
        <source>Optimizada</source>
        <translation>Optimized</translation>
    </message>
    <message>
        <source>Ninguna talla dentro de los intervalos pedidos cumple los límites de profundidad y de retención.</source>
        <translation>No cut within the requested ranges meets the depth and yield limits.</translation>
    </message>
</context>
<context>
    <name>CutSheet</name>
    <message>
        <source>IR = %1</source>
        <translation>RI = %1</translation>
    </message>
    <message>
        <source>D = %1 mm</source>
        <translation>D = %1 mm</translation>
    </message>
    <message>
        <source>épsilon = %1 º</source>
        <translation>epsilon = %1 °</translation>
    </message>
    <message>
        <source>DATOS</source>
        <comment>the values a cut was computed for</comment>
        <translation>DATA</translation>
    </message>
    <message>
        <source>MEDIDAS y ÁNGULOS</source>
        <translation>SIZES and ANGLES</translation>
    </message>
    <message>
        <source>REFLEXIÓN TOTAL</source>
        <translation>TOTAL REFLECTION</translation>
    </message>
</context>
<context>
    <name>CutSheetFile</name>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Imagen SVG (*.svg)</source>
        <translation>SVG image (*.svg)</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
</context>
<context>
    <name>CuttableEpsilons</name>
    <message>
        <source>Con IR %1, pruebe con épsilon de %2 a %3.</source>
        <translation>With RI %1, try epsilon from %2 to %3.</translation>
    </message>
    <message>
        <source>Con IR %1, ningún épsilon da un brillante.</source>
        <translation>With RI %1, no epsilon gives a brilliant.</translation>
    </message>
</context>
<context>
    <name>DesignFields</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>FieldProblems</name>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>No se puede guardar la receta como %1: el nombre debe terminar en %2.</source>
        <translation>Cannot save the recipe as %1: the name must end in %2.</translation>
    </message>
    <message>
        <source>No se encuentra el archivo %1.</source>
        <translation>The file %1 cannot be found.</translation>
    </message>
    <message>
        <source>%1 es una carpeta, no un archivo.</source>
        <translation>%1 is a folder, not a file.</translation>
    </message>
    <message>
        <source>%1 es un dispositivo, una tubería o un socket del sistema, no un archivo.</source>
        <translation>%1 is a device, a pipe or a system socket, not a file.</translation>
    </message>
    <message>
        <source>No se puede abrir el archivo %1. Compruebe que tiene permiso para leerlo.</source>
        <translation>The file %1 cannot be opened. Check that you have permission to read it.</translation>
    </message>
    <message>
        <source>No se pudo leer el archivo %1.</source>
        <translation>The file %1 could not be read.</translation>
    </message>
    <message>
        <source>El archivo %1 es demasiado grande para ser un archivo de parámetros (más de %2 KB).</source>
        <translation>The file %1 is too large to be a parameter file (more than %2 KB).</translation>
    </message>
    <message>
        <source>No se pudo guardar el archivo %1. Compruebe que la carpeta existe, que tiene permiso para escribir en ella y que hay espacio en el disco. Si el archivo ya existía, no se ha modificado.</source>
        <translation>The file %1 could not be saved. Check that the folder exists, that you have permission to write in it and that there is space on the disk. If the file already existed, it has not been changed.</translation>
    </message>
    <message>
        <source>No se pudo terminar de guardar el archivo %1, que puede haber quedado incompleto. Compruebe que hay espacio en el disco.</source>
        <translation>The file %1 could not be saved completely and may be incomplete. Check that there is space on the disk.</translation>
    </message>
    <message>
        <source>No se puede guardar la hoja de corte como %1: el nombre debe terminar en %2.</source>
        <translation>Cannot save the cut sheet as %1: the name must end in %2.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>CORVELUX 1.0</source>
        <translation>CORVELUX 1.0</translation>
    </message>
    <message>
        <source>entre IR</source>
        <translation>enter RI</translation>
    </message>
    <message>
        <source>entre Diámetro</source>
        <translation>enter Diameter</translation>
    </message>
    <message>
        <source>entre épsilon</source>
        <translation>enter epsilon</translation>
    </message>
    <message>
        <source>IR =</source>
        <translation>RI =</translation>
    </message>
    <message>
        <source>DIAMANTE</source>
        <translation>DIAMOND</translation>
    </message>
    <message>
        <source>CUARZO</source>
        <translation>QUARTZ</translation>
    </message>
    <message>
        <source>Personalice su gema :</source>
        <translation>Customize your gem:</translation>
    </message>
    <message>
        <source>IR ?</source>
        <translation>RI ?</translation>
    </message>
    <message>
        <source> REFLEXIÓN TOTAL</source>
        <translation> TOTAL REFLECTION</translation>
    </message>
    <message>
        <source>MEDIDAS y ÁNGULOS</source>
        <translation>SIZES and ANGLES</translation>
    </message>
    <message>
        <source>MODELOS</source>
        <translation>PRESETS</translation>
    </message>
    <message>
        <source>INGRESE :</source>
        <translation>ENTER:</translation>
    </message>
    <message>
        <source>Índice de refracción de la piedra, con punto decimal (por ejemplo 2.419)</source>
        <translation>Refractive index of the stone, with a decimal point (for example 2.419)</translation>
    </message>
    <message>
        <source>Índice de Refracción</source>
        <translation>Refractive Index</translation>
    </message>
    <message>
        <source>Ancho o diámetro de la piedra en el filetín, en mm</source>
        <translation>Width or diameter of the stone at the girdle, in mm</translation>
    </message>
    <message>
        <source>Ancho o Diámetro de la pìeza</source>
        <translation>Width or Diameter of the Stone</translation>
    </message>
    <message>
        <source>Inclinación de la luz que sale por la mesa, en grados, de 0 a 89</source>
        <translation>Tilt of the light leaving through the table, in degrees, from 0 to 89</translation>
    </message>
    <message>
        <source>Inclinación de la luz emergente por la mesa</source>
        <translation>Tilt of the light emerging through the table</translation>
    </message>
    <message>
        <source>CALCULAR</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>Calcular los ángulos y las medidas que optimizan el brillo, dibujar la piedra y los rayos de luz</source>
        <translation>Calculate the angles and measurements that optimize brightness, and draw the stone and the light rays</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Terminar el programa</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Personalice su gema</source>
        <translation>Customize your gem</translation>
    </message>
    <message>
        <source>Borrar los valores y los dibujos y pasar a entre IR</source>
        <translation>Clear the values and the drawings and go to enter RI</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>clique aquí y vaya a &quot;entre IR&quot;</source>
        <translation>click here and go to &quot;enter RI&quot;</translation>
    </message>
    <message>
        <source>Medidas y ángulos</source>
        <translation>Sizes and angles</translation>
    </message>
    <message>
        <source>Reflexión total</source>
        <translation>Total reflection</translation>
    </message>
    <message>
        <source>Cargar los valores del diamante y pasar a CALCULAR</source>
        <translation>Load the values for diamond and go to CALCULATE</translation>
    </message>
    <message>
        <source>Clique aquí y vaya a &quot;CALCULAR&quot;</source>
        <translation>Click here and go to &quot;CALCULATE&quot;</translation>
    </message>
    <message>
        <source>Cargar los valores del cuarzo y pasar a CALCULAR</source>
        <translation>Load the values for quartz and go to CALCULATE</translation>
    </message>
    <message>
        <source>Valores del archivo</source>
        <translation>Values from the file</translation>
    </message>
    <message>
        <source>Valores de IR, D y épsilon descargados de archivo</source>
        <translation>RI, D and epsilon values loaded from a file</translation>
    </message>
    <message>
        <source>&amp;Archivo</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Ayuda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Talla</source>
        <translation>&amp;Cut</translation>
    </message>
    <message>
        <source>&amp;Abrir</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Guardar</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Entre IR</source>
        <translation>Enter &amp;RI</translation>
    </message>
    <message>
        <source>&amp;Diámetro</source>
        <translation>&amp;Diameter</translation>
    </message>
    <message>
        <source>&amp;épsilon</source>
        <translation>&amp;epsilon</translation>
    </message>
    <message>
        <source>&amp;Receta de tallado…</source>
        <translation>Cutting &amp;Recipe…</translation>
    </message>
    <message>
        <source>&amp;Verificación 3-D…</source>
        <translation>3-D &amp;Check…</translation>
    </message>
    <message>
        <source>&amp;Optimizar talla…</source>
        <translation>&amp;Optimize Cut…</translation>
    </message>
    <message>
        <source>&amp;Indice</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>&amp;Contenido</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;Acerca de ...</source>
        <translation>&amp;About CORVELUX</translation>
    </message>
    <message>
        <source>Copiar imagen</source>
        <translation>Copy Picture</translation>
    </message>
    <message>
        <source>Guardar hoja de corte…</source>
        <translation>Save Cut Sheet…</translation>
    </message>
    <message>
        <source>Imprimir hoja de corte…</source>
        <translation>Print Cut Sheet…</translation>
    </message>
</context>
<context>
    <name>FrmOptimizar</name>
    <message>
        <source>Optimizar talla</source>
        <translation>Optimize Cut</translation>
    </message>
    <message>
        <source>LÍMITES</source>
        <translation>LIMITS</translation>
    </message>
    <message>
        <source>BRILLO SEGÚN LA BÚSQUEDA</source>
        <translation>BRIGHTNESS DURING THE SEARCH</translation>
    </message>
    <message>
        <source>TALLA OPTIMIZADA</source>
        <translation>OPTIMIZED CUT</translation>
    </message>
    <message>
        <source>mínimo</source>
        <translation>minimum</translation>
    </message>
    <message>
        <source>máximo</source>
        <translation>maximum</translation>
    </message>
    <message>
        <source>&amp;Mesa (% de D):</source>
        <translation>&amp;Table (% of D):</translation>
    </message>
    <message>
        <source>Mínimo de la mesa</source>
        <translation>Table minimum</translation>
    </message>
    <message>
        <source>Lo menos que la búsqueda prueba</source>
        <translation>The lowest value the search tries</translation>
    </message>
    <message>
        <source>Máximo de la mesa</source>
        <translation>Table maximum</translation>
    </message>
    <message>
        <source>Lo más que la búsqueda prueba</source>
        <translation>The highest value the search tries</translation>
    </message>
    <message>
        <source>C&amp;orona (º):</source>
        <translation>&amp;Crown (°):</translation>
    </message>
    <message>
        <source>Mínimo del ángulo de corona</source>
        <translation>Crown angle minimum</translation>
    </message>
    <message>
        <source>Máximo del ángulo de corona</source>
        <translation>Crown angle maximum</translation>
    </message>
    <message>
        <source>&amp;Pabellón (º):</source>
        <translation>&amp;Pavilion (°):</translation>
    </message>
    <message>
        <source>Mínimo del ángulo de pabellón</source>
        <translation>Pavilion angle minimum</translation>
    </message>
    <message>
        <source>Máximo del ángulo de pabellón</source>
        <translation>Pavilion angle maximum</translation>
    </message>
    <message>
        <source>&amp;Estrellas (%):</source>
        <translation>&amp;Stars (%):</translation>
    </message>
    <message>
        <source>Mínimo de la longitud de las estrellas</source>
        <translation>Star length minimum</translation>
    </message>
    <message>
        <source>Máximo de la longitud de las estrellas</source>
        <translation>Star length maximum</translation>
    </message>
    <message>
        <source>Me&amp;dias del pabellón (%):</source>
        <translation>&amp;Lower halves (%):</translation>
    </message>
    <message>
        <source>Mínimo de la longitud de las medias del pabellón</source>
        <translation>Lower half length minimum</translation>
    </message>
    <message>
        <source>Máximo de la longitud de las medias del pabellón</source>
        <translation>Lower half length maximum</translation>
    </message>
    <message>
        <source>Profundidad má&amp;xima (% de D):</source>
        <translation>Maximum &amp;depth (% of D):</translation>
    </message>
    <message>
        <source>Profundidad máxima en % de D</source>
        <translation>Maximum depth in % of D</translation>
    </message>
    <message>
        <source>La altura total más grande que se acepta; vacío: cualquiera</source>
        <translation>The greatest total depth accepted; empty: any</translation>
    </message>
    <message>
        <source>&amp;Retención mínima (%):</source>
        <translation>Minimum &amp;yield (%):</translation>
    </message>
    <message>
        <source>Retención mínima en % del peso de la talla calculada</source>
        <translation>Minimum yield in % of the computed cut&apos;s weight</translation>
    </message>
    <message>
        <source>El peso más pequeño que se acepta, en % del de la talla calculada; vacío: cualquiera</source>
        <translation>The smallest weight accepted, in % of the computed cut&apos;s; empty: any</translation>
    </message>
    <message>
        <source>Ob&amp;jetivo:</source>
        <translation>&amp;Objective:</translation>
    </message>
    <message>
        <source>Objetivo de la búsqueda</source>
        <translation>Search objective</translation>
    </message>
    <message>
        <source>Brillo según la búsqueda</source>
        <translation>Brightness during the search</translation>
    </message>
    <message>
        <source>La cifra de cada talla trazada según su número, y la mejor hasta entonces</source>
        <translation>The figure of each cut traced, by its number, and the best so far</translation>
    </message>
    <message>
        <source>Talla optimizada en 3-D</source>
        <translation>Optimized cut in 3-D</translation>
    </message>
    <message>
        <source>Mapa de luz de la talla optimizada</source>
        <translation>Light map of the optimized cut</translation>
    </message>
    <message>
        <source>&amp;Buscar</source>
        <translation>Sea&amp;rch</translation>
    </message>
    <message>
        <source>Buscar la talla más brillante</source>
        <translation>Search for the brightest cut</translation>
    </message>
    <message>
        <source>Progreso de la búsqueda</source>
        <translation>Search progress</translation>
    </message>
    <message>
        <source>Ca&amp;ncelar</source>
        <translation>Ca&amp;ncel</translation>
    </message>
    <message>
        <source>Cancelar la búsqueda</source>
        <translation>Cancel the search</translation>
    </message>
    <message>
        <source>Estado de la búsqueda</source>
        <translation>Search status</translation>
    </message>
    <message>
        <source>COMPARACIÓN</source>
        <translation>COMPARISON</translation>
    </message>
    <message>
        <source>La talla optimizada con la calculada y las clásicas</source>
        <translation>The optimized cut beside the computed one and the classic cuts</translation>
    </message>
    <message>
        <source>&amp;Usar esta talla</source>
        <translation>&amp;Use This Cut</translation>
    </message>
    <message>
        <source>Usar la talla optimizada en la receta, la verificación y la hoja de corte</source>
        <translation>Use the optimized cut in the recipe, the 3-D check and the cut sheet</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Corrija los campos marcados antes de buscar.</source>
        <translation>Correct the marked fields before searching.</translation>
    </message>
    <message>
        <source>En «%1», el mínimo es mayor que el máximo.</source>
        <translation>In “%1”, the minimum is greater than the maximum.</translation>
    </message>
    <message>
        <source>IR %1, filetín %2 % de D. La búsqueda parte de la talla calculada (mesa %3 %, corona %4º, pabellón %5º) y de las clásicas.</source>
        <translation>RI %1, girdle %2 % of D. The search starts from the computed cut (table %3 %, crown %4°, pavilion %5°) and from the classic cuts.</translation>
    </message>
    <message>
        <source>Buscando la talla más brillante…</source>
        <translation>Searching for the brightest cut…</translation>
    </message>
    <message>
        <source>%L1 tallas trazadas. La mejor: mesa %2 %, corona %3º, pabellón %4º, estrellas %5 %, medias del pabellón %6 %; conserva el %7 % del peso de la calculada.</source>
        <translation>%L1 cuts traced. The best: table %2 %, crown %3°, pavilion %4°, stars %5 %, lower halves %6 %; it keeps %7 % of the computed cut&apos;s weight.</translation>
    </message>
</context>
<context>
    <name>FrmReceta</name>
    <message>
        <source>Receta de tallado</source>
        <translation>Cutting Recipe</translation>
    </message>
    <message>
        <source>Diagrama de facetas</source>
        <translation>Facet diagram</translation>
    </message>
    <message>
        <source>La corona vista desde arriba y el pabellón visto desde abajo, cada faceta con el código de su fila en la receta</source>
        <translation>The crown seen from above and the pavilion seen from below, each facet with the code of its row in the recipe</translation>
    </message>
    <message>
        <source>CORONA, vista desde arriba</source>
        <translation>CROWN, seen from above</translation>
    </message>
    <message>
        <source>PABELLÓN, vista desde abajo</source>
        <translation>PAVILION, seen from below</translation>
    </message>
    <message>
        <source>TALLA</source>
        <translation>CUT</translation>
    </message>
    <message>
        <source>&amp;Filetín (% de D):</source>
        <translation>&amp;Girdle (% of D):</translation>
    </message>
    <message>
        <source>Filetín en % de D</source>
        <translation>Girdle in % of D</translation>
    </message>
    <message>
        <source>Altura del filetín en % del diámetro</source>
        <translation>Girdle thickness in % of the diameter</translation>
    </message>
    <message>
        <source>&amp;Estrellas (%):</source>
        <translation>&amp;Stars (%):</translation>
    </message>
    <message>
        <source>Longitud de las estrellas en %</source>
        <translation>Star length in %</translation>
    </message>
    <message>
        <source>Longitud de las estrellas en %, de la mesa hacia el filetín</source>
        <translation>Star length in %, from the table toward the girdle</translation>
    </message>
    <message>
        <source>&amp;Medias del pabellón (%):</source>
        <translation>&amp;Lower halves (%):</translation>
    </message>
    <message>
        <source>Longitud de las medias del pabellón en %</source>
        <translation>Lower half length in %</translation>
    </message>
    <message>
        <source>Longitud de las medias del pabellón en %, del filetín hacia el centro</source>
        <translation>Lower half length in %, from the girdle toward the center</translation>
    </message>
    <message>
        <source>&amp;Rueda de índice:</source>
        <translation>&amp;Index gear:</translation>
    </message>
    <message>
        <source>Rueda de índice, dientes</source>
        <translation>Index gear, teeth</translation>
    </message>
    <message>
        <source>Dientes de la rueda de índice de la máquina</source>
        <translation>Teeth of the machine&apos;s index gear</translation>
    </message>
    <message>
        <source>&amp;Gema:</source>
        <translation>Ge&amp;m:</translation>
    </message>
    <message>
        <source>Gema</source>
        <translation>Gem</translation>
    </message>
    <message>
        <source>La gema de la lista cuya densidad da el peso estimado</source>
        <translation>The gem in the list whose density gives the estimated weight</translation>
    </message>
    <message>
        <source>&amp;Densidad (g/cm³):</source>
        <translation>&amp;Density (g/cm³):</translation>
    </message>
    <message>
        <source>Densidad en gramos por centímetro cúbico</source>
        <translation>Density in grams per cubic centimeter</translation>
    </message>
    <message>
        <source>Densidad de la gema en g/cm³, para el peso estimado</source>
        <translation>Density of the gem in g/cm³, for the estimated weight</translation>
    </message>
    <message>
        <source>Campos por corregir</source>
        <translation>Fields to correct</translation>
    </message>
    <message>
        <source>MEDIDAS Y PESO</source>
        <translation>DIMENSIONS AND WEIGHT</translation>
    </message>
    <message>
        <source>Medidas y peso</source>
        <translation>Dimensions and weight</translation>
    </message>
    <message>
        <source>RECETA DE TALLADO</source>
        <translation>CUTTING RECIPE</translation>
    </message>
    <message>
        <source>Aviso</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Imprimir la receta</source>
        <translation>Print the recipe</translation>
    </message>
    <message>
        <source>Guardar &amp;como…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>Guardar la receta en un archivo</source>
        <translation>Save the recipe to a file</translation>
    </message>
    <message>
        <source>C&amp;opiar</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Copiar la receta como texto</source>
        <translation>Copy the recipe as text</translation>
    </message>
    <message>
        <source>%1 dientes</source>
        <translation>%1 teeth</translation>
    </message>
    <message>
        <source>Otra: la densidad indicada</source>
        <translation>Other: the density entered</translation>
    </message>
    <message>
        <source>TALLA %1</source>
        <translation>%1 CUT</translation>
    </message>
</context>
<context>
    <name>FrmVerificacion</name>
    <message>
        <source>Verificación 3-D</source>
        <translation>3-D Check</translation>
    </message>
    <message>
        <source>PIEDRA EN 3-D</source>
        <translation>STONE IN 3-D</translation>
    </message>
    <message>
        <source>MAPA DE LUZ</source>
        <translation>LIGHT MAP</translation>
    </message>
    <message>
        <source>TALLA</source>
        <translation>CUT</translation>
    </message>
    <message>
        <source>&amp;Filetín (% de D):</source>
        <translation>&amp;Girdle (% of D):</translation>
    </message>
    <message>
        <source>Filetín en % de D</source>
        <translation>Girdle in % of D</translation>
    </message>
    <message>
        <source>Altura del filetín en % del diámetro</source>
        <translation>Girdle thickness in % of the diameter</translation>
    </message>
    <message>
        <source>&amp;Estrellas (%):</source>
        <translation>&amp;Stars (%):</translation>
    </message>
    <message>
        <source>Longitud de las estrellas en %</source>
        <translation>Star length in %</translation>
    </message>
    <message>
        <source>Longitud de las estrellas en %, de la mesa hacia el filetín</source>
        <translation>Star length in %, from the table toward the girdle</translation>
    </message>
    <message>
        <source>&amp;Medias del pabellón (%):</source>
        <translation>&amp;Lower halves (%):</translation>
    </message>
    <message>
        <source>Longitud de las medias del pabellón en %</source>
        <translation>Lower half length in %</translation>
    </message>
    <message>
        <source>Longitud de las medias del pabellón en %, del filetín hacia el centro</source>
        <translation>Lower half length in %, from the girdle toward the center</translation>
    </message>
    <message>
        <source>&amp;Cabeza del observador (º):</source>
        <translation>Observer&apos;s &amp;head (°):</translation>
    </message>
    <message>
        <source>Cabeza del observador, semiángulo en grados</source>
        <translation>Observer&apos;s head, half-angle in degrees</translation>
    </message>
    <message>
        <source>Semiángulo en grados del cono que la cabeza del observador quita al cielo</source>
        <translation>Half-angle in degrees of the cone of sky that the observer&apos;s head blocks</translation>
    </message>
    <message>
        <source>&amp;Distancia del ojo (cm):</source>
        <translation>&amp;Eye distance (cm):</translation>
    </message>
    <message>
        <source>Distancia del ojo al centro de la piedra en centímetros</source>
        <translation>Distance from the eye to the center of the stone in centimeters</translation>
    </message>
    <message>
        <source>Distancia en cm del ojo del observador al centro de la piedra (0 lo pone en el infinito)</source>
        <translation>Distance in cm from the observer&apos;s eye to the center of the stone (0 puts it at infinity)</translation>
    </message>
    <message>
        <source>Dis&amp;persión (B–G):</source>
        <translation>Dis&amp;persion (B–G):</translation>
    </message>
    <message>
        <source>Dispersión del material, índice a 430.8 nm menos índice a 686.7 nm</source>
        <translation>Dispersion of the material, index at 430.8 nm minus index at 686.7 nm</translation>
    </message>
    <message>
        <source>Dispersión del material: el índice en la línea G (430.8 nm) menos el de la línea B (686.7 nm); 0, sin fuego</source>
        <translation>Dispersion of the material: the index at the G line (430.8 nm) minus the one at the B line (686.7 nm); 0, no fire</translation>
    </message>
    <message>
        <source>Campos por corregir</source>
        <translation>Fields to correct</translation>
    </message>
    <message>
        <source>Material verificado</source>
        <translation>Checked material</translation>
    </message>
    <message>
        <source>VISTA EN COLOR</source>
        <translation>COLOR VIEW</translation>
    </message>
    <message>
        <source>Vista en color bajo los focos</source>
        <translation>Color view under spotlights</translation>
    </message>
    <message>
        <source>La piedra como la ve el ojo bajo los focos, con la inclinación del mapa, y su fuego</source>
        <translation>The stone as the eye sees it under spotlights, at the tilt of the map, with its fire</translation>
    </message>
    <message>
        <source>Piedra en 3-D</source>
        <translation>Stone in 3-D</translation>
    </message>
    <message>
        <source>Arrastre con el ratón o use las flechas para girarla; Inicio la muestra de frente</source>
        <translation>Drag with the mouse or use the arrow keys to turn it; Home shows it face up</translation>
    </message>
    <message>
        <source>Mapa de luz</source>
        <translation>Light map</translation>
    </message>
    <message>
        <source>Cada punto de la piedra vista desde arriba, del color de donde viene su luz</source>
        <translation>Each point of the stone seen from above, in the color of where its light comes from</translation>
    </message>
    <message>
        <source>Arrastre la piedra o use las flechas; Inicio: de frente.</source>
        <translation>Drag the stone or use the arrow keys; Home: face up.</translation>
    </message>
    <message>
        <source>&amp;Inclinación: 0º</source>
        <translation>&amp;Tilt: 0°</translation>
    </message>
    <message>
        <source>Inclinación de la piedra en grados</source>
        <translation>Tilt of the stone in degrees</translation>
    </message>
    <message>
        <source>Inclinación de la piedra, de 0 a 30º</source>
        <translation>Tilt of the stone, from 0 to 30°</translation>
    </message>
    <message>
        <source>BRILLO SEGÚN LA INCLINACIÓN</source>
        <translation>BRIGHTNESS BY TILT</translation>
    </message>
    <message>
        <source>COMPARACIÓN</source>
        <translation>COMPARISON</translation>
    </message>
    <message>
        <source>Brillo según la inclinación</source>
        <translation>Brightness by tilt</translation>
    </message>
    <message>
        <source>El brillo ISO en % de cada talla según la inclinación de la piedra, de 0 a 30º</source>
        <translation>The ISO brightness of each cut in %, by the tilt of the stone, from 0 to 30°</translation>
    </message>
    <message>
        <source>Comparación con las tallas clásicas</source>
        <translation>Comparison with the classic cuts</translation>
    </message>
    <message>
        <source>Cifras de la luz de cada talla en %; el mayor brillo inclinado va en negrita</source>
        <translation>Light figures of each cut in %; the highest tilt brightness is in bold</translation>
    </message>
    <message>
        <source>Estado del trazado</source>
        <translation>Tracing status</translation>
    </message>
    <message>
        <source>Progreso del trazado de rayos</source>
        <translation>Ray tracing progress</translation>
    </message>
    <message>
        <source>Ca&amp;ncelar</source>
        <translation>Ca&amp;ncel</translation>
    </message>
    <message>
        <source>Cancelar el trazado de rayos</source>
        <translation>Cancel the ray tracing</translation>
    </message>
    <message>
        <source>IR %1</source>
        <translation>RI %1</translation>
    </message>
    <message>
        <source>%1, IR %2</source>
        <translation>%1, RI %2</translation>
    </message>
    <message>
        <source>&amp;Inclinación: %1º</source>
        <translation>&amp;Tilt: %1°</translation>
    </message>
    <message>
        <source>TALLA %1</source>
        <translation>%1 CUT</translation>
    </message>
    <message>
        <source>Cifras de la elección anterior, en gris hasta que se tracen las de esta.</source>
        <translation>Figures of the previous choice, in gray until those of this one are traced.</translation>
    </message>
    <message>
        <source>Trazando rayos…</source>
        <translation>Tracing rays…</translation>
    </message>
</context>
<context>
    <name>GemTable</name>
    <message>
        <source>Gema</source>
        <translation>Gem</translation>
    </message>
</context>
<context>
    <name>Gems</name>
    <message>
        <source>Moissanita</source>
        <translation>Moissanite</translation>
    </message>
    <message>
        <source>Diamante</source>
        <translation>Diamond</translation>
    </message>
    <message>
        <source>Circonita cúbica</source>
        <translation>Cubic zirconia</translation>
    </message>
    <message>
        <source>Circón</source>
        <translation>Zircon</translation>
    </message>
    <message>
        <source>Titanita (esfena)</source>
        <translation>Titanite (sphene)</translation>
    </message>
    <message>
        <source>Granate demantoide</source>
        <translation>Demantoid garnet</translation>
    </message>
    <message>
        <source>Granate YAG (sintético)</source>
        <translation>YAG garnet (synthetic)</translation>
    </message>
    <message>
        <source>Granate almandino</source>
        <translation>Almandine garnet</translation>
    </message>
    <message>
        <source>Granate espesartina</source>
        <translation>Spessartine garnet</translation>
    </message>
    <message>
        <source>Corindón (rubí, zafiro)</source>
        <translation>Corundum (ruby, sapphire)</translation>
    </message>
    <message>
        <source>Granate rodolita</source>
        <translation>Rhodolite garnet</translation>
    </message>
    <message>
        <source>Crisoberilo (alejandrita)</source>
        <translation>Chrysoberyl (alexandrite)</translation>
    </message>
    <message>
        <source>Granate grosularia</source>
        <translation>Grossular garnet</translation>
    </message>
    <message>
        <source>Granate piropo</source>
        <translation>Pyrope garnet</translation>
    </message>
    <message>
        <source>Espinela</source>
        <translation>Spinel</translation>
    </message>
    <message>
        <source>Tanzanita (zoisita)</source>
        <translation>Tanzanite (zoisite)</translation>
    </message>
    <message>
        <source>Espodumena (kunzita)</source>
        <translation>Spodumene (kunzite)</translation>
    </message>
    <message>
        <source>Peridoto</source>
        <translation>Peridot</translation>
    </message>
    <message>
        <source>Andalucita</source>
        <translation>Andalusite</translation>
    </message>
    <message>
        <source>Turmalina</source>
        <translation>Tourmaline</translation>
    </message>
    <message>
        <source>Topacio</source>
        <translation>Topaz</translation>
    </message>
    <message>
        <source>Berilo (esmeralda, aguamarina)</source>
        <translation>Beryl (emerald, aquamarine)</translation>
    </message>
    <message>
        <source>Labradorita</source>
        <translation>Labradorite</translation>
    </message>
    <message>
        <source>Cuarzo (amatista, citrino)</source>
        <translation>Quartz (amethyst, citrine)</translation>
    </message>
    <message>
        <source>Iolita (cordierita)</source>
        <translation>Iolite (cordierite)</translation>
    </message>
    <message>
        <source>Ortosa (piedra luna)</source>
        <translation>Orthoclase (moonstone)</translation>
    </message>
    <message>
        <source>Fluorita</source>
        <translation>Fluorite</translation>
    </message>
</context>
<context>
    <name>HeadlessRunner</name>
    <message>
        <source>IR = %1</source>
        <extracomment>The refractive index as read, above the eight results.</extracomment>
        <translation>RI = %1</translation>
    </message>
    <message>
        <source>corvelux: no se pudo escribir en la salida estándar.</source>
        <translation>corvelux: could not write to the standard output.</translation>
    </message>
    <message>
        <source>corvelux: no se pueden abrir las ventanas: no hay pantalla gráfica a la que conectarse.
Sin pantalla funcionan las opciones de la línea de órdenes (corvelux --help).</source>
        <translation>corvelux: cannot open the windows: there is no graphical display to connect to.
Without a display, the command-line options work (corvelux --help).</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Ayuda de CORVELUX</source>
        <translation>CORVELUX Help</translation>
    </message>
    <message>
        <source>&amp;Contenido</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>Í&amp;ndice</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>&amp;Atrás</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>Ade&amp;lante</source>
        <translation>&amp;Forward</translation>
    </message>
    <message>
        <source>&amp;Escriba la palabra que busca:</source>
        <translation>&amp;Type the word you are looking for:</translation>
    </message>
    <message>
        <source>No se encuentra el archivo de ayuda &quot;%1&quot;.

Esta ventana sólo contiene la ayuda de CORVELUX.</source>
        <translation>The help file &quot;%1&quot; cannot be found.

This window only holds the help of CORVELUX.</translation>
    </message>
</context>
<context>
    <name>LightMap</name>
    <message>
        <source>Verde: luz de 0 a 45º sobre el horizonte; rojo: de 45 a 75º; azul: de 75 a 90º; gris: tapada por la cabeza del observador; negro: fuga o reflejo externo.</source>
        <translation>Green: light from 0 to 45° above the horizon; red: from 45 to 75°; blue: from 75 to 90°; gray: blocked by the observer&apos;s head; black: leakage or surface reflection.</translation>
    </message>
</context>
<context>
    <name>LimitText</name>
    <message>
        <source>%1 a %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>de %1</source>
        <translation>from %1</translation>
    </message>
    <message>
        <source>0 o %1</source>
        <translation>0 or %1</translation>
    </message>
    <message>
        <source>%1 o %2</source>
        <translation>%1 or %2</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>CUIDADO !!!</source>
        <translation>CAUTION !!!</translation>
    </message>
    <message>
        <source>IR mayor que 1</source>
        <translation>RI greater than 1</translation>
    </message>
    <message>
        <source>Diámetro mayor que 0</source>
        <translation>Diameter greater than 0</translation>
    </message>
    <message>
        <source>épsilon debe ser menor o la corona es negativa !!!</source>
        <translation>epsilon must be smaller or the crown is negative !!!</translation>
    </message>
    <message>
        <source>épsilon entre 0º y 89º </source>
        <translation>epsilon between 0° and 89° </translation>
    </message>
    <message>
        <source>No hay solución para este IR: escriba IR con tres decimales como máximo (por ejemplo 2.419) y menor que 500000.</source>
        <translation>No solution for this RI: enter the RI with three decimals at most (for example 2.419) and less than 500000.</translation>
    </message>
    <message>
        <source>Valores fuera de escala: un valor o un resultado es demasiado grande. Escriba valores menores de IR, D o épsilon.</source>
        <translation>Values out of range: a value or a result is too large. Enter smaller values of RI, D or epsilon.</translation>
    </message>
</context>
<context>
    <name>NumberField</name>
    <message>
        <source>escriba 0 o un número de %1 a %2</source>
        <translation>enter 0 or a number from %1 to %2</translation>
    </message>
    <message>
        <source>escriba un número de %1 a %2</source>
        <translation>enter a number from %1 to %2</translation>
    </message>
</context>
<context>
    <name>ObjectiveNames</name>
    <message>
        <source>Mixto: cielo uniforme y luz de techo</source>
        <translation>Mixed: uniform sky and overhead light</translation>
    </message>
    <message>
        <source>Brillo inclinado, cielo uniforme</source>
        <translation>Tilt brightness, uniform sky</translation>
    </message>
    <message>
        <source>Brillo inclinado, luz de techo</source>
        <translation>Tilt brightness, overhead light</translation>
    </message>
    <message>
        <source>Mixto con fuego</source>
        <translation>Mixed, with fire</translation>
    </message>
</context>
<context>
    <name>OptimiseRequest</name>
    <message>
        <source>Buscando la talla más brillante: %1 %</source>
        <translation>Searching for the brightest cut: %1 %</translation>
    </message>
</context>
<context>
    <name>OptimiserCommands</name>
    <message>
        <source>La talla, el filetín o el observador han cambiado: busque de nuevo.</source>
        <translation>The cut, the girdle or the observer has changed: search again.</translation>
    </message>
    <message>
        <source>Búsqueda cancelada.</source>
        <translation>Search canceled.</translation>
    </message>
</context>
<context>
    <name>ParameterCommands</name>
    <message>
        <source>Todos los archivos(*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>Archivos de texto(*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Archivos de texto (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
</context>
<context>
    <name>PrintModule</name>
    <message>
        <source>corvelux: no se encuentra el módulo de impresión corvelux-imprimir</source>
        <translation>corvelux: the printing module corvelux-imprimir cannot be found</translation>
    </message>
</context>
<context>
    <name>RecipeCommands</name>
    <message>
        <source>receta-%1</source>
        <translation>recipe-%1</translation>
    </message>
</context>
<context>
    <name>RecipeFigures</name>
    <message>
        <source>de %1, la gema de la lista con el IR más cercano</source>
        <translation>of %1, the gem of the list with the nearest RI</translation>
    </message>
    <message>
        <source>de %1, la gema elegida</source>
        <translation>of %1, the gem chosen</translation>
    </message>
    <message>
        <source>la indicada</source>
        <translation>the one entered</translation>
    </message>
    <message>
        <source>Diámetro D</source>
        <translation>Diameter D</translation>
    </message>
    <message>
        <source>Mesa</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Altura de la corona</source>
        <translation>Crown height</translation>
    </message>
    <message>
        <source>Filetín</source>
        <translation>Girdle</translation>
    </message>
    <message>
        <source>Profundidad del pabellón</source>
        <translation>Pavilion depth</translation>
    </message>
    <message>
        <source>Altura total</source>
        <translation>Total depth</translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Densidad</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>Peso estimado</source>
        <translation>Estimated weight</translation>
    </message>
    <message>
        <source>% de D (%1 mm)</source>
        <translation>% of D (%1 mm)</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>mm³</source>
        <translation>mm³</translation>
    </message>
    <message>
        <source>g/cm³ (%1)</source>
        <translation>g/cm³ (%1)</translation>
    </message>
    <message>
        <source>ct</source>
        <comment>carats</comment>
        <translation>ct</translation>
    </message>
</context>
<context>
    <name>RecipeFile</name>
    <message>
        <source>Texto (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>Hoja de cálculo CSV (*.csv)</source>
        <translation>CSV spreadsheet (*.csv)</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
</context>
<context>
    <name>RecipePage</name>
    <message>
        <source>Filetín: %1 % de D. Estrellas: %2 %. Medias del pabellón: %3 %.</source>
        <translation>Girdle: %1 % of D. Stars: %2 %. Lower halves: %3 %.</translation>
    </message>
    <message>
        <source>CORONA, vista desde arriba</source>
        <translation>CROWN, seen from above</translation>
    </message>
    <message>
        <source>PABELLÓN, vista desde abajo</source>
        <translation>PAVILION, seen from below</translation>
    </message>
    <message>
        <source>RECETA DE TALLADO, rueda de índice de %1 dientes</source>
        <translation>CUTTING RECIPE, %1-TOOTH INDEX GEAR</translation>
    </message>
    <message>
        <source>MEDIDAS Y PESO</source>
        <translation>DIMENSIONS AND WEIGHT</translation>
    </message>
</context>
<context>
    <name>RecipeReport</name>
    <message>
        <source>Receta de tallado del brillante redondo, rueda de índice de %1 dientes</source>
        <translation>Cutting recipe for the round brilliant, %1-tooth index gear</translation>
    </message>
</context>
<context>
    <name>RecipeText</name>
    <message>
        <source>Con este corte no se puede tallar un brillante: la corona no queda sobre el filetín o la mesa es demasiado ancha. %1</source>
        <translation>This cut gives no brilliant: the crown does not lie above the girdle or the table is too wide. %1</translation>
    </message>
</context>
<context>
    <name>ResultLines</name>
    <message>
        <source>mm.</source>
        <comment>millimetres</comment>
        <translation>mm.</translation>
    </message>
    <message>
        <source>a</source>
        <comment>width of the table</comment>
        <translation>a</translation>
    </message>
    <message>
        <source>b</source>
        <comment>width of a crown facet</comment>
        <translation>b</translation>
    </message>
    <message>
        <source>i</source>
        <comment>crown angle</comment>
        <translation>i</translation>
    </message>
    <message>
        <source>alfa</source>
        <comment>pavilion angle</comment>
        <translation>alpha</translation>
    </message>
    <message>
        <source>D</source>
        <comment>width at the girdle</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>H</source>
        <comment>total height</comment>
        <translation>H</translation>
    </message>
    <message>
        <source>q</source>
        <comment>height of the crown</comment>
        <translation>q</translation>
    </message>
    <message>
        <source>n</source>
        <comment>depth of the pavilion</comment>
        <translation>n</translation>
    </message>
    <message>
        <source>º</source>
        <comment>degrees</comment>
        <translation>°</translation>
    </message>
    <message>
        <source>IR</source>
        <comment>refractive index</comment>
        <translation>RI</translation>
    </message>
    <message>
        <source>ESPEJAR o  AUMENTAR épsilon</source>
        <translation>MIRROR or  INCREASE epsilon</translation>
    </message>
</context>
<context>
    <name>SheetCommands</name>
    <message>
        <source>hoja-de-corte-%1</source>
        <extracomment>The name proposed for a cut sheet; %1 is the stone&apos;s IR.</extracomment>
        <translation>cut-sheet-%1</translation>
    </message>
    <message>
        <source>No se pudo imprimir la hoja de corte. Compruebe que la impresora está conectada y preparada.</source>
        <translation>The cut sheet could not be printed. Check that the printer is connected and ready.</translation>
    </message>
</context>
<context>
    <name>SheetPaper</name>
    <message>
        <source>d &apos;de&apos; MMMM &apos;de&apos; yyyy</source>
        <comment>the date on the cut sheet, as QLocale writes it</comment>
        <translation>MMMM d, yyyy</translation>
    </message>
</context>
<context>
    <name>StoneDesign</name>
    <message>
        <source>optimizada</source>
        <translation>optimized</translation>
    </message>
    <message>
        <source>calculada</source>
        <translation>computed</translation>
    </message>
    <message>
        <source>El ojo, a %1 cm, está a menos de dos diámetros del centro de la piedra: aléjelo o póngalo en el infinito (distancia 0).</source>
        <translation>The eye, at %1 cm, is closer than two diameters to the center of the stone: move it away or put it at infinity (distance 0).</translation>
    </message>
</context>
<context>
    <name>StonePictures</name>
    <message>
        <source>Brillo buscado (%)</source>
        <translation>Brightness sought (%)</translation>
    </message>
    <message>
        <source>Tallas trazadas: %1</source>
        <translation>Cuts traced: %1</translation>
    </message>
    <message>
        <source>Brillo ISO (%)</source>
        <translation>ISO brightness (%)</translation>
    </message>
    <message>
        <source>Inclinación (º)</source>
        <translation>Tilt (°)</translation>
    </message>
</context>
<context>
    <name>StoneRecipe</name>
    <message>
        <source>redondo</source>
        <comment>the girdle, ground round</comment>
        <translation>round</translation>
    </message>
    <message>
        <source>Faceta</source>
        <translation>Facet</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Cantidad</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Ángulo</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Desvío</source>
        <comment>cheater</comment>
        <translation>Cheater</translation>
    </message>
    <message>
        <source>Índices</source>
        <translation>Index</translation>
    </message>
</context>
<context>
    <name>Tier</name>
    <message>
        <source>Principales del pabellón</source>
        <translation>Pavilion mains</translation>
    </message>
    <message>
        <source>Medias del pabellón</source>
        <translation>Lower halves</translation>
    </message>
    <message>
        <source>Filetín</source>
        <translation>Girdle</translation>
    </message>
    <message>
        <source>Principales de la corona</source>
        <translation>Crown mains</translation>
    </message>
    <message>
        <source>Estrellas</source>
        <translation>Stars</translation>
    </message>
    <message>
        <source>Medias de la corona</source>
        <translation>Upper halves</translation>
    </message>
    <message>
        <source>Mesa</source>
        <translation>Table</translation>
    </message>
</context>
<context>
    <name>TraceRun</name>
    <message>
        <source>Trazando rayos: %1 %</source>
        <translation>Tracing rays: %1 %</translation>
    </message>
    <message>
        <source>corvelux: trazado interrumpido; no se ha escrito nada.</source>
        <translation>corvelux: tracing interrupted; nothing has been written.</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source></source>
        <comment>The answer to --help. Option names (--calcular, --filetin…) and objective names (mixto-cielo…) stay as they are; the names in capitals (IR, D, EPSILON, ARCHIVO, DESDE…) stand for values and are translated alike in the operands and the descriptions. A &quot;
&quot; starts a line that the usage indents under the first.</comment>
        <translation></translation>
    </message>
    <message>
        <source>IR D [--epsilon E] [--objetivo O [--peso-fuego W]] [--filetin G]
[--indice N] [--dispersion X] [--cabeza H] [--distancia C]
[--mesa MIN MAX] [--corona MIN MAX]
[--pabellon MIN MAX] [--profundidad-maxima P]
[--retencion-minima R] [--receta] [--rayos N] [--coma-decimal]</source>
        <translation>RI D [--epsilon E] [--objetivo O [--peso-fuego W]] [--filetin G]
[--indice N] [--dispersion X] [--cabeza H] [--distancia C]
[--mesa MIN MAX] [--corona MIN MAX]
[--pabellon MIN MAX] [--profundidad-maxima P]
[--retencion-minima R] [--receta] [--rayos N] [--coma-decimal]</translation>
    </message>
    <message>
        <source>busca el brillante redondo más brillante de ese IR y lo escribe en
CSV como una fila de --verificar, «Optimizada»; con --receta, también
su receta, como la escribe --receta. Varía la mesa (%1,
en % de D), los ángulos de corona (%2 grados) y de
pabellón (%3), las estrellas (%4 %) y las medias del
pabellón (%5 %); --mesa, --corona y --pabellon acotan
más los tres primeros. Parte de la talla calculada con épsilon E (0
si se omite) y de las tres clásicas, y no da nunca una menos
brillante que la mejor de ellas. O: %6 (si se omite: la
media de los otros dos, para una piedra que ha de lucir a la luz del
día y bajo lámparas), %7 (cielo uniforme: cuenta tanto la
luz rasante como la de arriba), %8 (cielo coseno: la de
arriba, como bajo una lámpara de techo) o %11 (el mixto más W
veces el fuego bajo los focos, %12; 0.5 si se omite); P: altura
total máxima en % de D (%9); R: peso mínimo en % del de la talla
calculada (%10); G y N de la rueda como en --receta; X, H, C y N
como en --verificar</source>
        <translation>searches for the brightest round brilliant of that RI and writes it
in CSV as a row of --verificar, “Optimized”; with --receta, also its
recipe, as --receta writes it. It varies the table (%1,
in % of D), the crown angle (%2 degrees), the pavilion
angle (%3), the stars (%4 %) and the lower halves
(%5 %); --mesa, --corona and --pabellon narrow the first
three. It starts from the cut computed with epsilon E (0 when left
out) and from the three classic ones, and never gives one less bright
than the best of them. O: %6 (when left out: the mean of the
other two, for a stone that must shine both in daylight and under
lamps), %7 (uniform sky: grazing light counts as much as
light from above), %8 (cosine sky: the light from above, as
under a ceiling lamp) or %11 (the mixed one plus W times the
fire under spotlights, %12; 0.5 when left out); P: greatest
total height in % of D (%9); R: least weight in % of that of
the computed cut (%10); G and the gear&apos;s N as in --receta; X, H,
C and N as in --verificar</translation>
    </message>
    <message>
        <source>IR D EPSILON [--exportar ARCHIVO [--filetin G] [--estrella S]
[--pabellon-inferior L] [--indice N] [--densidad RHO]
[--verificacion [--cabeza H] [--distancia C] [--rayos N]]]</source>
        <translation>RI D EPSILON [--exportar FILE [--filetin G] [--estrella S]
[--pabellon-inferior L] [--indice N] [--densidad RHO]
[--verificacion [--cabeza H] [--distancia C] [--rayos N]]]</translation>
    </message>
    <message>
        <source>calcula como el botón CALCULAR y escribe IR, los ocho resultados y,
si lo hay, el aviso ESPEJAR; con --exportar guarda además la hoja de
corte en ARCHIVO (%1), con la receta de G, S, L, N y RHO
como en --receta y, con --verificacion, una página con la verificación
en 3-D de H, C y N como en --verificar</source>
        <translation>calculates as the CALCULATE button does and writes the RI, the
eight results and, if there is one, the MIRROR warning; with
--exportar it also saves the cut sheet in FILE (%1),
with the recipe of G, S, L, N and RHO as in --receta and, with
--verificacion, a page with the 3-D check of H, C and N as in
--verificar</translation>
    </message>
    <message>
        <source>[--epsilon E] [--coma-decimal] DESDE HASTA PASO</source>
        <translation>[--epsilon E] [--coma-decimal] FROM TO STEP</translation>
    </message>
    <message>
        <source>escribe en CSV los ángulos y proporciones para IR de DESDE a HASTA,
de PASO en PASO (0.001 o un múltiplo; 10000 filas como máximo),
con épsilon E (0 si se omite); con --coma-decimal, campos separados
por &quot;;&quot; y coma decimal, para una hoja de cálculo en español</source>
        <translation>writes in CSV the angles and proportions for each RI from FROM to TO,
in steps of STEP (0.001 or a multiple; 10000 rows at most),
with epsilon E (0 when left out); with --coma-decimal, fields separated
by &quot;;&quot; and a decimal comma, as decimal-comma spreadsheets read it</translation>
    </message>
    <message>
        <source>[--epsilon E] [--coma-decimal]</source>
        <translation>[--epsilon E] [--coma-decimal]</translation>
    </message>
    <message>
        <source>escribe la misma tabla para las gemas más comunes</source>
        <translation>writes the same table for the most common gems</translation>
    </message>
    <message>
        <source>IR D EPSILON [--filetin G] [--estrella S] [--pabellon-inferior L]
[--indice N] [--densidad RHO] [--csv [--coma-decimal]]</source>
        <translation>RI D EPSILON [--filetin G] [--estrella S] [--pabellon-inferior L]
[--indice N] [--densidad RHO] [--csv [--coma-decimal]]</translation>
    </message>
    <message>
        <source>escribe la receta de tallado del brillante redondo: ángulo e índices de
cada faceta, proporciones y peso estimado; con --csv, solo la tabla en
CSV, y con --coma-decimal, como en --tabla.
G: filetín en % de D (%1 si se omite, %2);
S: longitud de las estrellas en % (%3 si se omite, %4);
L: longitud de las medias del pabellón en % (%5 si se omite, %6);
N: dientes de la rueda de índice (%7; %8 si se omite);
RHO: densidad en g/cm³ (%9; si se omite, la de la gema de la lista
con el IR más cercano)</source>
        <translation>writes the cutting recipe of the round brilliant: the angle and
index settings of each facet, the proportions and the estimated
weight; with --csv, only the table in CSV, and with --coma-decimal,
as in --tabla.
G: girdle in % of D (%1 when left out, %2);
S: length of the stars in % (%3 when left out, %4);
L: length of the lower halves in % (%5 when left out, %6);
N: teeth of the index gear (%7; %8 when left out);
RHO: density in g/cm³ (%9; when left out, that of the
gem of the list with the nearest RI)</translation>
    </message>
    <message>
        <source>IR D EPSILON [--filetin G] [--estrella S] [--pabellon-inferior L]
[--dispersion X] [--cabeza H] [--distancia C] [--rayos N]
[--coma-decimal]</source>
        <translation>RI D EPSILON [--filetin G] [--estrella S] [--pabellon-inferior L]
[--dispersion X] [--cabeza H] [--distancia C] [--rayos N]
[--coma-decimal]</translation>
    </message>
    <message>
        <source>escribe en CSV el brillo en 3-D de la talla calculada y de tres tallas
clásicas del mismo IR, y su fuego bajo los focos; G, S y L como en
--receta, solo para la calculada; X: dispersión B–G del material (%7;
si se omite, la de la gema de la lista con el IR más cercano);
H: cono en grados que tapa la cabeza del observador (%1 si se
omite, %2); C: distancia en cm del ojo al centro de la piedra (%3 si
se omite, %4; 0: el ojo en el infinito); N: rayos de lado de la
cuadrícula, un entero (%5 si se omite, %6); con --coma-decimal, como
en --tabla</source>
        <translation>writes in CSV the 3-D brightness of the computed cut and of three
classic cuts of the same RI, and their fire under spotlights; G, S
and L as in --receta, for the computed cut only; X: B–G dispersion
of the material (%7; when left out, that of the gem of the
list with the nearest RI); H: cone in degrees that the observer&apos;s
head blocks (%1 when left out, %2); C: distance in cm
from the eye to the center of the stone (%3 when
left out, %4; 0: the eye at infinity); N: rays
across the grid, a whole number (%5 when left out, %6);
with --coma-decimal, as in --tabla</translation>
    </message>
    <message>
        <source>muestra esta ayuda y termina</source>
        <translation>shows this help and ends</translation>
    </message>
    <message>
        <source>muestra la versión y la licencia y termina</source>
        <translation>shows the version and the license and ends</translation>
    </message>
    <message>
        <source>Uso: corvelux [OPCIÓN]
</source>
        <translation>Usage: corvelux [OPTION]
</translation>
    </message>
    <message>
        <source>Calcula los ángulos y proporciones que optimizan el brillo de una gema.
Sin opciones, abre las ventanas del programa.

Opciones:
</source>
        <translation>Calculates the angles and proportions that optimize the brightness of a gem.
Without options, it opens the program&apos;s windows.

Options:
</translation>
    </message>
    <message>
        <source>Los números se escriben con punto decimal; los de N, como enteros.
</source>
        <translation>Numbers are written with a decimal point; those of N, as whole numbers.
</translation>
    </message>
    <message>
        <source>Copyright © 2026 Equipo de CORVELUX
Licencia GPLv3 o posterior: GNU GPL versión 3 o posterior &lt;https://gnu.org/licenses/gpl.html&gt;.
Este programa es software libre: puede redistribuirlo y modificarlo.
No hay NINGUNA GARANTÍA, en la medida en que lo permita la ley.
</source>
        <translation>Copyright © 2026 The CORVELUX team
License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</translation>
    </message>
    <message>
        <source>es o en: habla español o inglés, con cualquier otra opción o sin
ninguna; si se omite, el idioma del escritorio (LANGUAGE, LC_ALL,
LC_MESSAGES o LANG: español para es…, inglés para cualquier otro)</source>
        <translation>es or en: speak Spanish or English, with any other option or none;
if omitted, the desktop&apos;s language (LANGUAGE, LC_ALL, LC_MESSAGES or
LANG: Spanish for es…, English for any other)</translation>
    </message>
</context>
<context>
    <name>VerificationCommands</name>
    <message>
        <source>Trazado completo.</source>
        <translation>Tracing complete.</translation>
    </message>
    <message>
        <source>Trazado cancelado.</source>
        <translation>Tracing canceled.</translation>
    </message>
</context>
<context>
    <name>VerificationPage</name>
    <message>
        <source>ojo a %1 cm</source>
        <translation>eye at %1 cm</translation>
    </message>
    <message>
        <source>ojo en el infinito</source>
        <translation>eye at infinity</translation>
    </message>
    <message>
        <source>Talla %1: filetín %2 % de D, estrellas %3 %, medias del pabellón %4 %; dispersión %5; cabeza del observador %6º, %7.</source>
        <translation>The %1 cut: girdle %2 % of D, stars %3 %, lower halves %4 %; dispersion %5; observer&apos;s head %6°, %7.</translation>
    </message>
    <message>
        <source>En negrita, el mayor brillo inclinado, por el que se comparan las tallas: las cifras de frente pueden saltar varios puntos con un grado más o menos de cabeza del observador.</source>
        <translation>In bold, the highest tilt brightness, by which the cuts are compared: the face-up figures can jump several points when the observer&apos;s head changes by one degree.</translation>
    </message>
    <message>
        <source>PIEDRA EN 3-D</source>
        <translation>STONE IN 3-D</translation>
    </message>
    <message>
        <source>MAPA DE LUZ, DE FRENTE</source>
        <translation>LIGHT MAP, FACE UP</translation>
    </message>
    <message>
        <source>VISTA EN COLOR</source>
        <translation>COLOR VIEW</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>VERSIÓN 1.0</source>
        <translation>VERSION 1.0</translation>
    </message>
    <message>
        <source>CORVELUX</source>
        <translation>CORVELUX</translation>
    </message>
    <message>
        <source>Siguiente</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Abrir la ventana principal</source>
        <translation>Open the main window</translation>
    </message>
    <message>
        <source>Para cada IR el programa calcula los únicos ángulos y proporciones que optimizan el brillo de la gema</source>
        <translation>For each RI the program finds the only angles and proportions that optimize the gem&apos;s brightness</translation>
    </message>
    <message>
        <source>Logotipo de CORVELUX</source>
        <translation>CORVELUX logo</translation>
    </message>
</context>
</TS>
