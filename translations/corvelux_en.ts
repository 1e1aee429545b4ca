<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>Acercade</name>
    <message>
        <source>Acerca de ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CORVELUX </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versión 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marta Iriarte Solano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Para cada IR proponemos los únicos  ángulos y proporciones que optimizan el brillo de la gema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amatista de talla brillante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerrar esta ventana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aceptar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CuadroDialog</name>
    <message>
        <source>El archivo &quot;%1&quot; ya existe.
¿Desea reemplazarlo?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El nombre «%1» lleva comillas dobles (&quot;), que este cuadro no admite en un nombre. Escríbalo sin ellas.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CutFigures</name>
    <message>
        <source>Brillo inclinado cos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CutSearch</name>
    <message>
        <source>Optimizada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ninguna talla dentro de los intervalos pedidos cumple los límites de profundidad y de retención.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesignFields</name>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldProblems</name>
    <message>
        <source>%1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>No se puede guardar la receta como %1: el nombre debe terminar en %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>CORVELUX 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entre IR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entre Diámetro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entre épsilon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IR =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIAMANTE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CUARZO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personalice su gema :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IR ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> REFLEXIÓN TOTAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MEDIDAS y ÁNGULOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MODELOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INGRESE :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Índice de refracción de la piedra, con punto decimal (por ejemplo 2.419)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Índice de Refracción</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ancho o diámetro de la piedra en el filetín, en mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ancho o Diámetro de la pìeza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inclinación de la luz que sale por la mesa, en grados, de 0 a 89</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inclinación de la luz emergente por la mesa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CALCULAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcular los ángulos y las medidas que optimizan el brillo, dibujar la piedra y los rayos de luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminar el programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personalice su gema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrar los valores y los dibujos y pasar a entre IR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clique aquí y vaya a &quot;entre IR&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medidas y ángulos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reflexión total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cargar los valores del diamante y pasar a CALCULAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clique aquí y vaya a &quot;CALCULAR&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cargar los valores del cuarzo y pasar a CALCULAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  IR=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  D=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  eps.=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores del archivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores de IR, D y épsilon descargados de archivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Archivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ayuda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Talla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abrir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Guardar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Entre IR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Diámetro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;épsilon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Receta de tallado…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verificación 3-D…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Optimizar talla…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Indice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contenido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Acerca de ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmOptimizar</name>
    <message>
        <source>Optimizar talla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#FrmOptimizar { background-color: #400000; }
#FrmOptimizar, #FrmOptimizar * { font: 9pt &quot;Arial&quot;; }
#FrmOptimizar QLabel { color: #FFC080; }
#LabelLimites, #LabelCurva, #LabelPiedra, #LabelComparacion {
    font: bold 11.25pt &quot;Arial&quot;; color: #C04000; }
/* The standard scheme&apos;s black on the light faces, whatever the desktop&apos;s scheme. */
NumberField, QPushButton, QComboBox, QComboBox QAbstractItemView { background-color: #FFC080; color: black;
    selection-background-color: #C04000; selection-color: white; }
NumberField[wrong=&quot;true&quot;] { background-color: white; border: 2px solid red; }
QPushButton:disabled { color: #806040; }
#LabelProblemas { color: #FFFF80; }
#LabelMaterial { font: bold 9pt &quot;Arial&quot;; }
QProgressBar { background-color: #FFE0C0; color: black; border: 1px solid #C04000; text-align: center; }
QProgressBar::chunk { background-color: #FF8000; }
QTableWidget { background-color: #FFE0C0; color: black; gridline-color: #C04000; }
QHeaderView { background-color: #FFE0C0; }
QHeaderView::section { background-color: #FF8000; color: black; font: bold 9pt &quot;Arial&quot;;
    border: 1px solid #C04000; padding: 2px; }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LÍMITES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BRILLO SEGÚN LA BÚSQUEDA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TALLA OPTIMIZADA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mínimo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>máximo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mesa (% de D):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mínimo de la mesa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo menos que la búsqueda prueba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Máximo de la mesa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo más que la búsqueda prueba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;orona (º):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mínimo del ángulo de corona</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Máximo del ángulo de corona</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pabellón (º):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mínimo del ángulo de pabellón</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Máximo del ángulo de pabellón</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Estrellas (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mínimo de la longitud de las estrellas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Máximo de la longitud de las estrellas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Me&amp;dias del pabellón (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mínimo de la longitud de las medias del pabellón</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Máximo de la longitud de las medias del pabellón</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profundidad má&amp;xima (% de D):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profundidad máxima en % de D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La altura total más grande que se acepta; vacío: cualquiera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Retención mínima (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retención mínima en % del peso de la talla calculada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El peso más pequeño que se acepta, en % del de la talla calculada; vacío: cualquiera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ob&amp;jetivo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objetivo de la búsqueda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brillo según la búsqueda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La cifra de cada talla trazada según su número, y la mejor hasta entonces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talla optimizada en 3-D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mapa de luz de la talla optimizada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Buscar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buscar la talla más brillante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progreso de la búsqueda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ca&amp;ncelar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar la búsqueda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estado de la búsqueda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COMPARACIÓN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La talla optimizada con la calculada y las clásicas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Usar esta talla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usar la talla optimizada en la receta, la verificación y la hoja de corte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, el mejor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corrija los campos marcados antes de buscar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>En «%1», el mínimo es mayor que el máximo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IR %1, filetín %2 % de D. La búsqueda parte de la talla calculada (mesa %3 %, corona %4º, pabellón %5º) y de las clásicas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buscando la talla más brillante…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 tallas trazadas. La mejor: mesa %2 %, corona %3º, pabellón %4º, estrellas %5 %, medias del pabellón %6 %; conserva el %7 % del peso de la calculada.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmReceta</name>
    <message>
        <source>Receta de tallado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#FrmReceta { background-color: #400000; }
#FrmReceta, #FrmReceta * { font: 9pt &quot;Arial&quot;; }
#FrmReceta QLabel { color: #FFC080; }
#LabelCorona, #LabelPabellon, #LabelOpciones, #LabelMedidas, #LabelReceta {
    font: bold 11.25pt &quot;Arial&quot;; color: #C04000; }
#LabelFiguras { font: bold 9pt &quot;Arial&quot;; }
#LabelLeyendaCorona, #LabelLeyendaPabellon { padding-left: 40px; }
/* The standard scheme&apos;s black on the light faces, whatever the desktop&apos;s scheme. */
NumberField, QComboBox, QComboBox QAbstractItemView {
    background-color: #FFC080; color: black; selection-background-color: #C04000; selection-color: white; }
NumberField[wrong=&quot;true&quot;] { background-color: white; border: 2px solid red; }
#LabelProblemas { color: #FFFF80; }
#LabelAviso { font: bold 11.25pt &quot;Arial&quot;; color: #FFFF80; padding-left: 20px; }
QTableWidget { background-color: #FFE0C0; color: black; gridline-color: #C04000; }
QHeaderView::section { background-color: #FF8000; color: black; font: bold 9pt &quot;Arial&quot;;
    border: 1px solid #C04000; padding: 2px; }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagrama de facetas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La corona vista desde arriba y el pabellón visto desde abajo, cada faceta con el código de su fila en la receta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CORONA, vista desde arriba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PABELLÓN, vista desde abajo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TALLA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filetín (% de D):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filetín en % de D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altura del filetín en % del diámetro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Estrellas (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitud de las estrellas en %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitud de las estrellas en %, de la mesa hacia el filetín</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Medias del pabellón (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitud de las medias del pabellón en %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitud de las medias del pabellón en %, del filetín hacia el centro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rueda de índice:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rueda de índice, dientes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dientes de la rueda de índice de la máquina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gema:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La gema de la lista cuya densidad da el peso estimado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Densidad (g/cm³):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Densidad en gramos por centímetro cúbico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Densidad de la gema en g/cm³, para el peso estimado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campos por corregir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MEDIDAS Y PESO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medidas y peso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECETA DE TALLADO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aviso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imprimir la receta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar &amp;como…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar la receta en un archivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;opiar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copiar la receta como texto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dientes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otra: la densidad indicada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TALLA %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmVerificacion</name>
    <message>
        <source>Verificación 3-D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#FrmVerificacion { background-color: #400000; }
#FrmVerificacion, #FrmVerificacion * { font: 9pt &quot;Arial&quot;; }
#FrmVerificacion QLabel { color: #FFC080; }
#LabelPiedra, #LabelMapa, #LabelOpciones, #LabelCurva, #LabelComparacion, #LabelColor {
    font: bold 11.25pt &quot;Arial&quot;; color: #C04000; }
/* The standard scheme&apos;s black on the light faces, whatever the desktop&apos;s scheme. */
NumberField, QPushButton { background-color: #FFC080; color: black; }
NumberField[wrong=&quot;true&quot;] { background-color: white; border: 2px solid red; }
#LabelProblemas { color: #FFFF80; }
#LabelMaterial { font: bold 9pt &quot;Arial&quot;; }
QProgressBar { background-color: #FFE0C0; color: black; border: 1px solid #C04000; text-align: center; }
QProgressBar::chunk { background-color: #FF8000; }
QTableWidget { background-color: #FFE0C0; color: black; gridline-color: #C04000; }
QTableWidget:disabled { color: #A08070; }
QSlider::groove:horizontal { background-color: #FFE0C0; border: 1px solid #C04000; height: 4px; }
QSlider::handle:horizontal { background-color: #FF8000; border: 1px solid #C04000; width: 10px; margin: -6px 0; }
QHeaderView { background-color: #FFE0C0; }
QHeaderView::section { background-color: #FF8000; color: black; font: bold 9pt &quot;Arial&quot;;
    border: 1px solid #C04000; padding: 2px; }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIEDRA EN 3-D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAPA DE LUZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TALLA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filetín (% de D):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filetín en % de D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altura del filetín en % del diámetro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Estrellas (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitud de las estrellas en %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitud de las estrellas en %, de la mesa hacia el filetín</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Medias del pabellón (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitud de las medias del pabellón en %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitud de las medias del pabellón en %, del filetín hacia el centro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cabeza del observador (º):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cabeza del observador, semiángulo en grados</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semiángulo en grados del cono que la cabeza del observador quita al cielo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Distancia del ojo (cm):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distancia del ojo al centro de la piedra en centímetros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distancia en cm del ojo del observador al centro de la piedra (0 lo pone en el infinito)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dis&amp;persión (B–G):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dispersión del material, índice a 430.8 nm menos índice a 686.7 nm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dispersión del material: el índice en la línea G (430.8 nm) menos el de la línea B (686.7 nm); 0, sin fuego</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campos por corregir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Material verificado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VISTA EN COLOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vista en color bajo los focos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La piedra como la ve el ojo bajo los focos, con la inclinación del mapa, y su fuego</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piedra en 3-D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrastre con el ratón o use las flechas para girarla; Inicio la muestra de frente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mapa de luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cada punto de la piedra vista desde arriba, del color de donde viene su luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrastre la piedra o use las flechas; Inicio: de frente.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Inclinación: 0º</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inclinación de la piedra en grados</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inclinación de la piedra, de 0 a 30º</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BRILLO SEGÚN LA INCLINACIÓN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COMPARACIÓN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brillo según la inclinación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El brillo ISO en % de cada talla según la inclinación de la piedra, de 0 a 30º</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparación con las tallas clásicas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cifras de la luz de cada talla en %; el mayor brillo inclinado va en negrita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estado del trazado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progreso del trazado de rayos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ca&amp;ncelar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar el trazado de rayos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, el mejor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IR %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, IR %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Inclinación: %1º</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TALLA %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cifras de la elección anterior, en gris hasta que se tracen las de esta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trazando rayos…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LightMap</name>
    <message>
        <source>Verde: luz de 0 a 45º sobre el horizonte; rojo: de 45 a 75º; azul: de 75 a 90º; gris: tapada por la cabeza del observador; negro: fuga o reflejo externo.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NumberField</name>
    <message>
        <source>escriba 0 o un número de %1 a %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>escriba un número de %1 a %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ObjectiveNames</name>
    <message>
        <source>Mixto: cielo uniforme y luz de techo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brillo inclinado, cielo uniforme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brillo inclinado, luz de techo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixto con fuego</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptimiserCommands</name>
    <message>
        <source>La talla, el filetín o el observador han cambiado: busque de nuevo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Búsqueda cancelada.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecipeCommands</name>
    <message>
        <source>receta-%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecipeFile</name>
    <message>
        <source>Texto (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hoja de cálculo CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.txt, .csv o .pdf</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecipePage</name>
    <message>
        <source>Filetín: %1 % de D. Estrellas: %2 %. Medias del pabellón: %3 %.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecipeReport</name>
    <message>
        <source>Receta de tallado del brillante redondo, rueda de índice de %1 dientes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoneDesign</name>
    <message>
        <source>optimizada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calculada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El ojo, a %1 cm, está a menos de dos diámetros del centro de la piedra: aléjelo o póngalo en el infinito (distancia 0).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StonePictures</name>
    <message>
        <source>Brillo buscado (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallas trazadas: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tier</name>
    <message>
        <source>Principales del pabellón</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medias del pabellón</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filetín</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principales de la corona</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estrellas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medias de la corona</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mesa</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TraceRun</name>
    <message>
        <source>Trazando rayos: %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>corvelux: trazado interrumpido; no se ha escrito nada.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VerificationCommands</name>
    <message>
        <source>Trazado completo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trazado cancelado.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VerificationPage</name>
    <message>
        <source>ojo a %1 cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ojo en el infinito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talla %1: filetín %2 % de D, estrellas %3 %, medias del pabellón %4 %; dispersión %5; cabeza del observador %6º, %7.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>En negrita, el mayor brillo inclinado, por el que se comparan las tallas: las cifras de frente pueden saltar varios puntos con un grado más o menos de cabeza del observador.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>VERSIÓN 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CORVELUX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Siguiente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrir la ventana principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Para cada IR el programa calcula los únicos ángulos y proporciones que optimizan el brillo de la gema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logotipo de CORVELUX</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>stone</name>
    <message>
        <source>Con IR %1, pruebe con épsilon de %2 a %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con IR %1, ningún épsilon da un brillante.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 a %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 o %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 o %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de %1, la gema de la lista con el IR más cercano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de %1, la gema elegida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la indicada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> % de D (%1 mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diámetro D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mesa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altura de la corona</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filetín</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profundidad del pabellón</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altura total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> mm³</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Densidad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> g/cm³ (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peso estimado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ct</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
