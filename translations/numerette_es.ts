<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BackupRecord</name>
    <message>
        <source>BKP = %1 hs.</source>
        <extracomment>Heading of a list appended to the backup file, after 8 spaces; %1 is the time as 8 characters (hh:mm:ss). BKP abbreviates &quot;backup&quot;, &quot;hs.&quot; &quot;hours&quot;. At most 18 columns with the time filled in.</extracomment>
        <translation>BKP = %1 hs.</translation>
    </message>
</context>
<context>
    <name>BusinessKeys</name>
    <message>
        <source>&amp;Rounding</source>
        <extracomment>Submenu of the Settings menu: how each step of a calculation rounds its result</extracomment>
        <translation>&amp;Redondeo</translation>
    </message>
    <message>
        <source>Copy Totals without &amp;Grouping</source>
        <extracomment>Item of the Settings menu: totals go to the clipboard as plain numbers, &quot;1234.56&quot;</extracomment>
        <translation>Copiar Totales sin Separador de Mi&amp;les</translation>
    </message>
    <message>
        <source>&amp;Tax Rate (%1 %)...</source>
        <extracomment>Item of the Settings menu; %1 is the rate in percent, 0 while the tax keys are off</extracomment>
        <translation>&amp;Tasa del Impuesto (%1 %)...</translation>
    </message>
    <message>
        <source> Tax Rate</source>
        <translation> Tasa del Impuesto</translation>
    </message>
    <message>
        <source>The tax rate in percent for Tax+ (CTRL+SHIFT+T) and Tax- (CTRL+SHIFT+N).
0 turns the tax keys off.</source>
        <extracomment>Prompt of the tax-rate box. Tax+ and Tax- are the keys&apos; names; CTRL and SHIFT the keyboard&apos;s.</extracomment>
        <translation>La tasa del impuesto, en porcentaje, para Tax+ (CTRL+SHIFT+T) y Tax- (CTRL+SHIFT+N).
0 desactiva las teclas de impuesto.</translation>
    </message>
    <message>
        <source>The tax rate must be a number from 0 to 999.</source>
        <translation>La tasa del impuesto debe ser un número de 0 a 999.</translation>
    </message>
</context>
<context>
    <name>CalculatorHotKeys</name>
    <message>
        <source>&amp;HotKeys (CTRL + Numeric Keyboard)</source>
        <extracomment>Keys typed with CTRL on the numeric keypad reach the calculator even when it is minimized; CTRL is the key&apos;s name</extracomment>
        <translation>Teclas de &amp;acceso rápido (CTRL + teclado numérico)</translation>
    </message>
    <message>
        <source>&amp;HotKeys (CTRL + Numeric Keyboard, in X11 windows only)</source>
        <extracomment>As &quot;&amp;HotKeys (CTRL + Numeric Keyboard)&quot;, in a Wayland session: the keys arrive only while a window of an X11 program has the focus</extracomment>
        <translation>Teclas de &amp;acceso rápido (CTRL + teclado numérico, solo en ventanas X11)</translation>
    </message>
    <message>
        <source>&amp;HotKeys (desktop shortcuts)</source>
        <extracomment>The hot keys are the global shortcuts the user assigns in the desktop&apos;s settings</extracomment>
        <translation>Teclas de &amp;acceso rápido (atajos del escritorio)</translation>
    </message>
    <message>
        <source>&amp;HotKeys (not available in this session)</source>
        <extracomment>No hot keys can reach the calculator in this desktop session</extracomment>
        <translation>Teclas de &amp;acceso rápido (no disponibles en esta sesión)</translation>
    </message>
</context>
<context>
    <name>CalculatorMenus</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>C&amp;alculate Time</source>
        <translation>Calcular &amp;tiempo</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Calculation &amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>Clear (erase ca&amp;lculations)</source>
        <translation>&amp;Limpiar (borrar cálculos)</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&quot;ENTER&quot; Key &amp;Function</source>
        <translation>&amp;Función de la tecla &quot;ENTER&quot;</translation>
    </message>
    <message>
        <source>&amp;Add (Advance Mode)</source>
        <translation>&amp;Sumar (modo avanzado)</translation>
    </message>
    <message>
        <source>&amp;Result (Standard Mode)</source>
        <translation>R&amp;esultado (modo estándar)</translation>
    </message>
    <message>
        <source>&amp;Number Display Format</source>
        <translation>Formato de &amp;números del visor</translation>
    </message>
    <message>
        <source>&amp;Insert Text While Calculate</source>
        <translation>&amp;Insertar texto al calcular</translation>
    </message>
</context>
<context>
    <name>ClipboardMonitor</name>
    <message>
        <source>&amp;Monitor Clipboard</source>
        <translation>&amp;Monitorear portapapeles</translation>
    </message>
    <message>
        <source>The copied column is too long: it holds more than %L1 numbers.</source>
        <translation>La columna copiada es demasiado larga: contiene más de %L1 números.</translation>
    </message>
    <message>
        <source>Nothing was added. Copy it in parts of at most %L1 lines.</source>
        <translation>No se agregó nada. Cópiela en partes de %L1 líneas como máximo.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;%1&apos; for more information.</source>
        <extracomment>Ends the complaint about a wrong option; %1 is the command to type.</extracomment>
        <translation>Pruebe &apos;%1&apos; para más información.</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos; for --press; the keys are:
%2</source>
        <translation>tecla desconocida &apos;%1&apos; para --press; las teclas son:
%2</translation>
    </message>
    <message>
        <source>--press takes no command word (&apos;%1&apos;)</source>
        <translation>--press no admite palabra de orden (&apos;%1&apos;)</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>start with the notification-area icon only, as at log-in</source>
        <extracomment>What a command word does, in numerette --help: at most 64 columns.</extracomment>
        <translation>iniciar solo como ícono del área de notificación, como al entrar</translation>
    </message>
    <message>
        <source>switch the calculator to time mode (hours:minutes:seconds)</source>
        <extracomment>What a command word does, in numerette --help: at most 64 columns.</extracomment>
        <translation>pasar la calculadora al modo de tiempo (horas:minutos:segundos)</translation>
    </message>
    <message>
        <source>open the interest and installments tool</source>
        <extracomment>What a command word does, in numerette --help: at most 64 columns.</extracomment>
        <translation>abrir la herramienta de intereses y cuotas</translation>
    </message>
    <message>
        <source>open the ideal weight tool</source>
        <extracomment>What a command word does, in numerette --help: at most 64 columns.</extracomment>
        <translation>abrir la herramienta de peso ideal</translation>
    </message>
    <message>
        <source>open a second calculator in a process of its own</source>
        <extracomment>What a command word does, in numerette --help: at most 64 columns.</extracomment>
        <translation>abrir una segunda calculadora en un proceso propio</translation>
    </message>
    <message>
        <source>open a second calculator in time mode</source>
        <extracomment>What a command word does, in numerette --help: at most 64 columns.</extracomment>
        <translation>abrir una segunda calculadora en modo de tiempo</translation>
    </message>
    <message>
        <source>close the running calculator, then start afresh</source>
        <extracomment>What a command word does, in numerette --help: at most 64 columns.</extracomment>
        <translation>cerrar la calculadora en ejecución y volver a iniciar</translation>
    </message>
    <message>
        <source>close the running calculator, then start without menus</source>
        <extracomment>What a command word does, in numerette --help: at most 64 columns.</extracomment>
        <translation>cerrar la calculadora en ejecución e iniciar sin menús</translation>
    </message>
    <message>
        <source>close the running calculator and end</source>
        <extracomment>What a command word does, in numerette --help: at most 64 columns.</extracomment>
        <translation>cerrar la calculadora en ejecución y terminar</translation>
    </message>
    <message>
        <source>print this help and end</source>
        <extracomment>What an option does, in numerette --help: at most 62 columns.</extracomment>
        <translation>mostrar esta ayuda y terminar</translation>
    </message>
    <message>
        <source>print the version and end</source>
        <extracomment>What an option does, in numerette --help: at most 62 columns.</extracomment>
        <translation>mostrar la versión y terminar</translation>
    </message>
    <message>
        <source>end of the options</source>
        <extracomment>What an option does, in numerette --help: at most 62 columns.</extracomment>
        <translation>fin de las opciones</translation>
    </message>
    <message>
        <source>Usage: numerette [OPTION] [COMMAND-WORD]
An adding-machine calculator with a paper tape.

The first start opens the calculator and an icon in the notification area. A later start
hands its command word over to the running calculator and ends.</source>
        <extracomment>First part of numerette --help; lines stay within 80 columns. OPTION and COMMAND-WORD name what the user types in their place.</extracomment>
        <translation>Uso: numerette [OPCIÓN] [PALABRA-COMANDO]
Una calculadora sumadora con cinta de papel.

El primer inicio abre la calculadora y un ícono en el área de notificación. Un
inicio posterior pasa su palabra de comando a la calculadora abierta y termina.</translation>
    </message>
    <message>
        <source>Command words:</source>
        <extracomment>Heading in numerette --help above the list of command words.</extracomment>
        <translation>Palabras de comando:</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>Stands in numerette --help where a command word would, for a start without one: at most 10 columns.</extracomment>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>show the calculator</source>
        <extracomment>What a start without a command word does, in numerette --help: at most 64 columns.</extracomment>
        <translation>mostrar la calculadora</translation>
    </message>
    <message>
        <source>Options:</source>
        <extracomment>Heading in numerette --help above the list of options.</extracomment>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as %1 NAME or %2 NAME, are accepted too.</source>
        <extracomment>%1 and %2 are option names (-style, -platform) and stay as they are; NAME stands for what the user types after them.</extracomment>
        <translation>También se aceptan las opciones propias de Qt, como %1 NOMBRE o %2 NOMBRE.</translation>
    </message>
    <message>
        <source>Files: the tape and its backup in %1, the settings in
%2. See numerette(1).</source>
        <extracomment>Last part of numerette --help; %1 and %2 are the files&apos; paths. Lines stay within 80 columns.</extracomment>
        <translation>Archivos: la cinta y su respaldo en %1, la configuración en
%2. Vea numerette(1).</translation>
    </message>
    <message>
        <source>press one keypad key in the running calculator</source>
        <extracomment>What an option does, in numerette --help: at most 62 columns. KEY stays as it is.</extracomment>
        <translation>pulsa una tecla del teclado en la calculadora abierta</translation>
    </message>
    <message>
        <source>--press takes the same key as its hot key (CTRL with the numeric keypad), for
a shortcut of the desktop to run. KEY is one of:
%1</source>
        <extracomment>Part of numerette --help about --press; %1 is the list of key names, which stay as they are. Lines stay within 80 columns.</extracomment>
        <translation>--press pulsa la misma tecla que su tecla de acceso rápido (CTRL con el teclado
numérico), para que la ejecute un atajo del escritorio. KEY es una de:
%1</translation>
    </message>
</context>
<context>
    <name>CorrectItemDialog</name>
    <message>
        <source> Correct Item</source>
        <translation> Corregir ítem</translation>
    </message>
    <message>
        <source>&amp;Item:</source>
        <translation>Í&amp;tem:</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Valor:</translation>
    </message>
    <message>
        <source>&amp;Operator:</source>
        <translation>&amp;Operador:</translation>
    </message>
    <message>
        <source>Type a number other than zero.</source>
        <translation>Escriba un número distinto de cero.</translation>
    </message>
    <message>
        <source>Type the number as on the keypad: digits, one decimal separator (&quot;.&quot; or &quot;,&quot;) and, for a negative number, a minus sign in front. Digits are not grouped.</source>
        <translation>Escriba el número como en el teclado: dígitos, un separador decimal (&quot;.&quot; o &quot;,&quot;) y, para un número negativo, el signo menos delante. Los dígitos no se agrupan.</translation>
    </message>
    <message>
        <source>Too many decimals: the number format of this calculation takes no more than %1.</source>
        <extracomment>%1 is a number of decimals (1 to 10)</extracomment>
        <translation>Demasiados decimales: el formato de número de este cálculo admite como máximo %1.</translation>
    </message>
    <message>
        <source>Too many digits: the keypad takes no more than %1.</source>
        <extracomment>%1 is a number of digits (12)</extracomment>
        <translation>Demasiados dígitos: el teclado admite como máximo %1.</translation>
    </message>
</context>
<context>
    <name>CorrectionCommand</name>
    <message>
        <source>Put the cursor on an item line of a calculation to correct that item.</source>
        <translation>Coloque el cursor en una línea de ítem de un cálculo para corregir ese ítem.</translation>
    </message>
    <message>
        <source>This calculation was typed before the calculator was last started, or while its window was hidden, so the keys it was typed with are not known.

It cannot be replayed; nothing was changed.</source>
        <translation>Este cálculo se escribió antes del último inicio de la calculadora, o mientras su ventana estaba oculta, por lo que no se conocen las teclas con que se escribió.

No se puede reproducir; no se cambió nada.</translation>
    </message>
    <message>
        <source>This calculation was typed in time mode.

It cannot be replayed; nothing was changed.</source>
        <translation>Este cálculo se escribió en modo de tiempo.

No se puede reproducir; no se cambió nada.</translation>
    </message>
    <message>
        <source>The number format or the ENTER key function changed during this calculation.

It cannot be replayed; nothing was changed.</source>
        <translation>El formato de número o la función de la tecla ENTER cambió durante este cálculo.

No se puede reproducir; no se cambió nada.</translation>
    </message>
    <message>
        <source>This calculation was changed by free-text editing.

It cannot be replayed; nothing was changed.</source>
        <translation>Este cálculo fue modificado mediante edición de texto libre.

No se puede reproducir; no se cambió nada.</translation>
    </message>
    <message>
        <source>This calculation was cut short by a clear before its total.

It cannot be replayed; nothing was changed.</source>
        <translation>Este cálculo quedó interrumpido por un borrado antes de su total.

No se puede reproducir; no se cambió nada.</translation>
    </message>
    <message>
        <source>The percentage of this calculation was taken with the operator of an item that was undone before it.

It cannot be replayed; nothing was changed.</source>
        <translation>El porcentaje de este cálculo se tomó con el operador de un ítem que se deshizo antes.

No se puede reproducir; no se cambió nada.</translation>
    </message>
    <message>
        <source>Co&amp;rrect Item...</source>
        <translation>C&amp;orregir ítem...</translation>
    </message>
    <message>
        <source>With this correction the calculation does not come out whole: a percentage of a zero total, or a number the format shows as zero.

Nothing was changed.</source>
        <translation>Con esta corrección el cálculo no queda completo: un porcentaje de un total cero, o un número que el formato muestra como cero.

No se cambió nada.</translation>
    </message>
    <message>
        <source>The keys of the calculations on the list were not read from
%1

%2

Those calculations cannot be corrected.</source>
        <translation>Las teclas de los cálculos de la cinta no se leyeron de
%1

%2

Esos cálculos no se pueden corregir.</translation>
    </message>
</context>
<context>
    <name>CorrectionHeader</name>
    <message>
        <source> CORRECTED ITEM %1 OF %2</source>
        <extracomment>Tape line above a corrected item, at most 26 columns; %1 is the item&apos;s number and %2 the number of items, three digits each</extracomment>
        <translation> ÍTEM CORREGIDO %1 DE %2</translation>
    </message>
</context>
<context>
    <name>DateReport</name>
    <message>
        <source> years: %1</source>
        <extracomment>Tape report line of the date difference, at most 23 columns with the number %1</extracomment>
        <translation> años: %1</translation>
    </message>
    <message>
        <source> months: %1</source>
        <extracomment>Tape report line of the date difference, at most 23 columns with the number %1</extracomment>
        <translation> meses: %1</translation>
    </message>
    <message>
        <source>   weeks: %1</source>
        <extracomment>Tape report line of the date difference, at most 23 columns with the number %1</extracomment>
        <translation>   semanas: %1</translation>
    </message>
    <message>
        <source> days: %1</source>
        <extracomment>Tape report line of the date difference, at most 23 columns with the number %1</extracomment>
        <translation> días: %1</translation>
    </message>
</context>
<context>
    <name>DisplayPlatform</name>
    <message>
        <source>numerette: no display to open the calculator on. There is no X11 display (DISPLAY is not set) and no Wayland display the program can use (that needs Qt&apos;s Wayland support, the package qt6-wayland).
Start Numerette from a desktop session.
</source>
        <translation>numerette: no hay pantalla donde abrir la calculadora. No hay pantalla X11 (DISPLAY no está definido) ni pantalla Wayland que el programa pueda usar (para ello hace falta el soporte de Wayland de Qt, el paquete qt6-wayland).
Inicie Numerette desde una sesión de escritorio.
</translation>
    </message>
    <message>
        <source>Numerette cannot start</source>
        <translation>Numerette no puede iniciarse</translation>
    </message>
</context>
<context>
    <name>DisplayRow</name>
    <message>
        <source>Item count</source>
        <translation>Cantidad de ítems</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visor</translation>
    </message>
    <message>
        <source>Time display</source>
        <translation>Visor de tiempo</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>Export Selection</source>
        <translation>Exportar selección</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <extracomment>File type in the export dialog; keep the pattern in parentheses as it is.</extracomment>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <extracomment>File type in the export dialog; keep the pattern in parentheses as it is.</extracomment>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Spreadsheet (*.xlsx)</source>
        <extracomment>File type in the export dialog; keep the pattern in parentheses as it is.</extracomment>
        <translation>Hoja de cálculo (*.xlsx)</translation>
    </message>
    <message>
        <source>The PDF document could not be made.</source>
        <translation>No se pudo generar el documento PDF.</translation>
    </message>
    <message>
        <source>The list could not be exported to the file:</source>
        <translation>No se pudo exportar la lista al archivo:</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <source>Tape &amp;History...</source>
        <translation>&amp;Historial de la Cinta...</translation>
    </message>
    <message>
        <source>&amp;Keep Tape History</source>
        <translation>Guardar &amp;Historial de la Cinta</translation>
    </message>
    <message>
        <source>&amp;Forever</source>
        <translation>&amp;Para Siempre</translation>
    </message>
    <message>
        <source>For a Number of &amp;Days...</source>
        <translation>Por un Número de &amp;Días...</translation>
    </message>
    <message>
        <source>&amp;Not at All</source>
        <translation>&amp;No Guardar</translation>
    </message>
    <message>
        <source>The tape history could not be read; it was kept as %1 and a new one started.</source>
        <translation>No se pudo leer el historial de la cinta; se guardó como %1 y se empezó uno nuevo.</translation>
    </message>
    <message>
        <source>The tape history cannot be kept: %1

The calculation list and its backup work as before.</source>
        <translation>No se puede guardar el historial de la cinta: %1

La lista de cálculos y su copia de seguridad funcionan como antes.</translation>
    </message>
    <message>
        <source>The calculation could not be kept in the tape history: %1

The calculation list and its backup work as before.</source>
        <translation>No se pudo guardar el cálculo en el historial de la cinta: %1

La lista de cálculos y su copia de seguridad funcionan como antes.</translation>
    </message>
    <message>
        <source>The tape history is switched off (Settings, Keep Tape History).</source>
        <translation>El historial de la cinta está desactivado (Configuración, Guardar Historial de la Cinta).</translation>
    </message>
    <message>
        <source>The tape history could not be opened.</source>
        <translation>No se pudo abrir el historial de la cinta.</translation>
    </message>
    <message>
        <source>Keep the tape history for how many days? (1 to %1)</source>
        <translation>¿Guardar el historial de la cinta cuántos días? (1 a %1)</translation>
    </message>
    <message>
        <source>The calculations from before %1 will be deleted from the tape history. Go on?</source>
        <translation>Los cálculos anteriores al %1 se borrarán del historial de la cinta. ¿Continuar?</translation>
    </message>
    <message>
        <source>For &amp;Days: %1...</source>
        <translation>Por &amp;Días: %1...</translation>
    </message>
    <message>
        <source>Tape History</source>
        <translation>Historial de la Cinta</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Tape History</source>
        <translation>Historial de la Cinta</translation>
    </message>
    <message>
        <source>Amount, or the lowest amount</source>
        <translation>Importe, o el importe menor</translation>
    </message>
    <message>
        <source>Highest amount</source>
        <translation>Importe mayor</translation>
    </message>
    <message>
        <source>Words of the labels and notes</source>
        <translation>Palabras de las etiquetas y notas</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>From a day on</source>
        <translation>A partir de un día</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Primer día</translation>
    </message>
    <message>
        <source>&amp;Until:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>Until a day</source>
        <translation>Hasta un día</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Último día</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Importe:</translation>
    </message>
    <message>
        <source>t&amp;o</source>
        <translation>&amp;a</translation>
    </message>
    <message>
        <source>&amp;Words:</source>
        <translation>Pa&amp;labras:</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>Calculations found</source>
        <translation>Cálculos encontrados</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Cinta</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>Día&amp;s:</translation>
    </message>
    <message>
        <source>&amp;Calculations found:</source>
        <translation>&amp;Cálculos encontrados:</translation>
    </message>
    <message>
        <source>&amp;Tape:</source>
        <translation>Cin&amp;ta:</translation>
    </message>
    <message>
        <source>&amp;Re-enter Value</source>
        <translation>&amp;Reintroducir Valor</translation>
    </message>
    <message>
        <source>Re-enter the value into the calculator</source>
        <translation>Reintroducir el valor en la calculadora</translation>
    </message>
    <message>
        <source>Co&amp;py Lines</source>
        <translation>C&amp;opiar Líneas</translation>
    </message>
    <message>
        <source>Copy lines</source>
        <translation>Copiar líneas</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>Export the tape shown</source>
        <translation>Exportar la cinta mostrada</translation>
    </message>
    <message>
        <source>Pri&amp;nt</source>
        <translation>Impri&amp;mir</translation>
    </message>
    <message>
        <source>Print the tape shown</source>
        <translation>Imprimir la cinta mostrada</translation>
    </message>
    <message>
        <source>D&amp;elete Calculation...</source>
        <translation>&amp;Eliminar Cálculo...</translation>
    </message>
    <message>
        <source>Delete the calculation</source>
        <translation>Borrar el cálculo</translation>
    </message>
    <message>
        <source>Delete Da&amp;y...</source>
        <translation>Elimi&amp;nar Día...</translation>
    </message>
    <message>
        <source>Delete the day</source>
        <translation>Borrar el día</translation>
    </message>
    <message>
        <source>&amp;Import Backup File</source>
        <translation>Im&amp;portar Copia de Seguridad</translation>
    </message>
    <message>
        <source>Import the backup file</source>
        <translation>Importar la copia de seguridad</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>The amount is no number.</source>
        <translation>El importe no es un número.</translation>
    </message>
    <message>
        <source>Type an amount or words, or choose the days to search.</source>
        <translation>Escriba un importe o palabras, o elija los días a buscar.</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>No calculation found.</source>
        <translation>No se encontró ningún cálculo.</translation>
    </message>
    <message>
        <source>Only the newest are shown.</source>
        <translation>Solo se muestran los más recientes.</translation>
    </message>
    <message>
        <source>Put the cursor on an item or a total to re-enter its value.</source>
        <translation>Ponga el cursor en un elemento o un total para reintroducir su valor.</translation>
    </message>
    <message>
        <source>%1 re-entered into the calculator.</source>
        <translation>%1 reintroducido en la calculadora.</translation>
    </message>
    <message>
        <source>Copied.</source>
        <translation>Copiado.</translation>
    </message>
    <message>
        <source>Export from the History</source>
        <translation>Exportar del Historial</translation>
    </message>
    <message>
        <source>Exported.</source>
        <translation>Exportado.</translation>
    </message>
    <message>
        <source>Put the cursor on the calculation to delete.</source>
        <translation>Ponga el cursor en el cálculo a borrar.</translation>
    </message>
    <message>
        <source>Delete this calculation of %1 from the history?

%2</source>
        <translation>¿Borrar este cálculo del %1 del historial?

%2</translation>
    </message>
    <message>
        <source>The calculation could not be deleted.</source>
        <translation>No se pudo borrar el cálculo.</translation>
    </message>
    <message>
        <source>The calculation was deleted.</source>
        <translation>El cálculo se borró.</translation>
    </message>
    <message>
        <source>Choose the day to delete.</source>
        <translation>Elija el día a borrar.</translation>
    </message>
    <message>
        <source>Delete every calculation of %1 from the history?</source>
        <translation>¿Borrar todos los cálculos del %1 del historial?</translation>
    </message>
    <message>
        <source>The day could not be deleted.</source>
        <translation>No se pudo borrar el día.</translation>
    </message>
    <message>
        <source>The day was deleted.</source>
        <translation>El día se borró.</translation>
    </message>
    <message>
        <source>The backup file could not be imported: %1</source>
        <translation>No se pudo importar la copia de seguridad: %1</translation>
    </message>
    <message>
        <source>%1
calculations: %2, totals: %3</source>
        <translation>%1
cálculos: %2, totales: %3</translation>
    </message>
    <message>
        <source>Calculations on this day: %1.</source>
        <translation>Cálculos en este día: %1.</translation>
    </message>
    <message>
        <source>Calculations found: %1.</source>
        <translation>Cálculos encontrados: %1.</translation>
    </message>
    <message>
        <source>Calculations imported from the backup file: %1; already in the history: %2.</source>
        <translation>Cálculos importados de la copia de seguridad: %1; ya en el historial: %2.</translation>
    </message>
</context>
<context>
    <name>HotKeyAction</name>
    <message>
        <source>Digit %1</source>
        <translation>Dígito %1</translation>
    </message>
    <message>
        <source>Add the number (Result mode: the result)</source>
        <translation>Sumar el número (modo Resultado: el resultado)</translation>
    </message>
    <message>
        <source>Total (Result mode: change the sign)</source>
        <translation>Total (modo Resultado: cambiar el signo)</translation>
    </message>
    <message>
        <source>Plus (Add mode: make the number positive)</source>
        <translation>Más (modo Suma: hacer positivo el número)</translation>
    </message>
    <message>
        <source>Minus (Add mode: make the number negative)</source>
        <translation>Menos (modo Suma: hacer negativo el número)</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplicar</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>Separador decimal</translation>
    </message>
    <message>
        <source>Clear calculator screen or clear tape</source>
        <translation>Borrar el visor de la calculadora o borrar la cinta</translation>
    </message>
    <message>
        <source>Clear the last number that was typed</source>
        <translation>Borrar el último número escrito</translation>
    </message>
    <message>
        <source>Paste number copied from another document</source>
        <translation>Pegar un número copiado de otro documento</translation>
    </message>
    <message>
        <source>Minimize or restore the calculator</source>
        <translation>Minimizar o restaurar la calculadora</translation>
    </message>
    <message>
        <source>Bring up the calculator</source>
        <translation>Traer la calculadora al frente</translation>
    </message>
</context>
<context>
    <name>HotKeyHelp</name>
    <message>
        <source>Now it&apos;s possible to use the calculator with a minimized view, by using the HotKeys.</source>
        <extracomment>The key names in capitals (CTRL, DELETE, BACKSPACE, ALT, ENTER, INSERT, SPACE) are the keys&apos; English names as printed on the keyboard.</extracomment>
        <translation>Ahora es posible usar la calculadora con la vista minimizada, mediante las teclas de acceso rápido.</translation>
    </message>
    <message>
        <source>How To use the HotKeys: Press CTRL with any number or operator in numeric keyboard.</source>
        <translation>Cómo usar las teclas de acceso rápido: presione CTRL junto con cualquier número u operador del teclado numérico.</translation>
    </message>
    <message>
        <source>Other HotKeys:</source>
        <translation>Otras teclas de acceso rápido:</translation>
    </message>
    <message>
        <source>CTRL+DELETE = Clear calculator screen or clear tape</source>
        <translation>CTRL+DELETE = Borrar el visor de la calculadora o borrar la cinta</translation>
    </message>
    <message>
        <source>CTRL+BACKSPACE = Clear the last number that was typed</source>
        <translation>CTRL+BACKSPACE = Borrar el último número escrito</translation>
    </message>
    <message>
        <source>CTRL+ALT+ENTER = Make the number typed a negative</source>
        <translation>CTRL+ALT+ENTER = Convertir en negativo el número escrito</translation>
    </message>
    <message>
        <source>CTRL+INSERT = Paste number copied from another document</source>
        <translation>CTRL+INSERT = Pegar un número copiado de otro documento</translation>
    </message>
    <message>
        <source>CTRL+ENTER = Calculation total</source>
        <translation>CTRL+ENTER = Total del cálculo</translation>
    </message>
    <message>
        <source>CTRL+SPACE = to minimize, or to restore the calculator</source>
        <translation>CTRL+SPACE = Minimizar o restaurar la calculadora</translation>
    </message>
    <message>
        <source>Keys of the calculator window:</source>
        <extracomment>Heading of the hot-key help above the keys of the calculator window itself</extracomment>
        <translation>Teclas de la ventana de la calculadora:</translation>
    </message>
    <message>
        <source>CTRL+SHIFT+G = Grand total (GT) of the totals: write it and start it again</source>
        <extracomment>Hot-key help line; CTRL and SHIFT are the keys&apos; names. GT is the grand-total key.</extracomment>
        <translation>CTRL+SHIFT+G = Total general (GT) de los totales: lo escribe y empieza de nuevo</translation>
    </message>
    <message>
        <source>CTRL+SHIFT+T = Tax+: add the tax to the figure (net, tax, gross)</source>
        <extracomment>Hot-key help line; CTRL and SHIFT are the keys&apos; names.</extracomment>
        <translation>CTRL+SHIFT+T = Tax+: suma el impuesto a la cifra (neto, impuesto, bruto)</translation>
    </message>
    <message>
        <source>CTRL+SHIFT+N = Tax-: take the tax out of the figure (gross, tax, net)</source>
        <extracomment>Hot-key help line; CTRL and SHIFT are the keys&apos; names.</extracomment>
        <translation>CTRL+SHIFT+N = Tax-: quita el impuesto de la cifra (bruto, impuesto, neto)</translation>
    </message>
    <message>
        <source>CTRL+SHIFT+M = Selling price: cost + margin % (margin on the selling price), with the profit</source>
        <extracomment>Hot-key help line; CTRL and SHIFT are the keys&apos; names. The margin is a share of the selling price.</extracomment>
        <translation>CTRL+SHIFT+M = Precio de venta: costo + margen % (margen sobre el precio de venta), con la ganancia</translation>
    </message>
    <message>
        <source>To press a key from anywhere, bind the command &quot;numerette --press KEY&quot; to a shortcut in the desktop&apos;s keyboard settings.</source>
        <translation>Para pulsar una tecla desde cualquier lugar, asigne el comando &quot;numerette --press KEY&quot; a un atajo en la configuración del teclado del escritorio.</translation>
    </message>
    <message>
        <source>In this Wayland session the HotKeys reach the calculator only while an X11 window has the focus.</source>
        <translation>En esta sesión Wayland las teclas de acceso rápido llegan a la calculadora solo mientras una ventana X11 tiene el foco.</translation>
    </message>
    <message>
        <source>This session cannot deliver HotKeys to the calculator.</source>
        <translation>Esta sesión no puede entregar teclas de acceso rápido a la calculadora.</translation>
    </message>
    <message>
        <source>The HotKeys are the desktop&apos;s global shortcuts: assign or change them in its keyboard settings.</source>
        <translation>Las teclas de acceso rápido son los atajos globales del escritorio: asígnelas o cámbielas en su configuración del teclado.</translation>
    </message>
    <message>
        <source>No key is assigned yet.</source>
        <translation>Todavía no hay ninguna tecla asignada.</translation>
    </message>
    <message>
        <source>Assigned now:</source>
        <translation>Asignadas ahora:</translation>
    </message>
</context>
<context>
    <name>InterestReport</name>
    <message>
        <source> =========== CALCULATION =</source>
        <extracomment>Tape line that opens the calculation of an interest report: 26 columns exactly, keep the &quot;=&quot; on both sides so the line stays as wide</extracomment>
        <translation> =============== CÁLCULO =</translation>
    </message>
    <message>
        <source>%1 days</source>
        <extracomment>Interest report: a period&apos;s length; %1 is the number of days, right-aligned to four columns. The tape line adds the rate after it and has at most 26 columns</extracomment>
        <translation>%1 días</translation>
    </message>
    <message>
        <source>%1 days (%2%) =</source>
        <extracomment>Tape line of an interest report: %1 is a number of days, %2 the rate of those days; at most 26 columns with up to 7 characters of rate</extracomment>
        <translation>%1 días (%2%) =</translation>
    </message>
</context>
<context>
    <name>KeyScript</name>
    <message>
        <source>the key name &apos;%1&apos; has no closing &apos;}&apos;</source>
        <extracomment>Error of the command line&apos;s key script; %1 is the unclosed key name</extracomment>
        <translation>el nombre de tecla &apos;%1&apos; no tiene &apos;}&apos; de cierre</translation>
    </message>
    <message>
        <source>unknown key name &apos;{%1}&apos;</source>
        <extracomment>Error of the command line&apos;s key script; %1 is the key name as typed, kept untranslated</extracomment>
        <translation>nombre de tecla desconocido &apos;{%1}&apos;</translation>
    </message>
</context>
<context>
    <name>KeySounds</name>
    <message>
        <source>Soun&amp;d when Typing</source>
        <translation>Soni&amp;do al teclear</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Ninguno</translation>
    </message>
    <message>
        <source>Beep, Beep...</source>
        <translation>Bip, bip...</translation>
    </message>
    <message>
        <source>Mu&amp;sical (user choice)</source>
        <translation>Mu&amp;sical (a elección del usuario)</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Memory clear</source>
        <translation>Borrar memoria</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Recuperar memoria</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Sumar a la memoria</translation>
    </message>
    <message>
        <source>Memory subtract</source>
        <translation>Restar de la memoria</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplicar</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>Separador decimal</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Cambiar signo</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Igual</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Más</translation>
    </message>
    <message>
        <source> NumLock </source>
        <extracomment>Tooltip of the = button in add mode: the NumLock key of the keyboard types it</extracomment>
        <translation> NumLock </translation>
    </message>
    <message>
        <source> Enter </source>
        <extracomment>Tooltip of a button the keyboard&apos;s Enter key types</extracomment>
        <translation> Enter </translation>
    </message>
    <message>
        <source> + </source>
        <extracomment>Tooltip of the + button in result mode: the keyboard&apos;s + key types it</extracomment>
        <translation> + </translation>
    </message>
    <message>
        <source>EN TER</source>
        <extracomment>Face of the tall Enter button of add mode, on one line in one button&apos;s width: at most 6 characters</extracomment>
        <translation>EN TER</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>GT %1</source>
        <extracomment>The grand total above the keys; %1 is its value. GT is what the grand-total key is called.</extracomment>
        <translation>GT %1</translation>
    </message>
</context>
<context>
    <name>Launchers</name>
    <message>
        <source>&amp;Open Another Numerette</source>
        <translation>Abrir &amp;otro Numerette</translation>
    </message>
    <message>
        <source>Open &amp;Windows Calculator</source>
        <extracomment>Opens the desktop&apos;s own calculator program</extracomment>
        <translation>Abrir la calculadora de &amp;Windows</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;About Calculator</source>
        <translation>A&amp;cerca de la calculadora</translation>
    </message>
    <message>
        <source>Make a Donation -- Help Too!</source>
        <translation>Haga una donación -- ¡Ayude también!</translation>
    </message>
    <message>
        <source>&amp;Email technical support</source>
        <translation>Enviar correo al &amp;soporte técnico</translation>
    </message>
    <message>
        <source>Numerette FREE %1</source>
        <translation>Numerette FREE %1</translation>
    </message>
    <message>
        <source>An adding machine with a paper tape, for the desktop.</source>
        <translation>Una calculadora sumadora con cinta de papel, para el escritorio.</translation>
    </message>
    <message>
        <source>Web site: %1</source>
        <translation>Sitio web: %1</translation>
    </message>
    <message>
        <source>Support: %1</source>
        <translation>Soporte: %1</translation>
    </message>
    <message>
        <source>WOULD YOU LIKE TO VISIT OUR WEBSITE ?</source>
        <translation>¿DESEA VISITAR NUESTRO SITIO WEB?</translation>
    </message>
    <message>
        <source>Help keep Numerette FREE!</source>
        <translation>¡Ayude a mantener Numerette GRATIS!</translation>
    </message>
    <message>
        <source>Do you want to do a donation to Numerette?</source>
        <translation>¿Desea hacer una donación a Numerette?</translation>
    </message>
</context>
<context>
    <name>ListCommands</name>
    <message>
        <source>Save in &amp;File</source>
        <translation>Guardar en &amp;archivo</translation>
    </message>
    <message>
        <source>&amp;Backup When Clean</source>
        <translation>Copia de &amp;seguridad al limpiar</translation>
    </message>
    <message>
        <source>Show Bac&amp;kup</source>
        <translation>&amp;Ver copia de seguridad</translation>
    </message>
    <message>
        <source>Text Document (*.txt)</source>
        <extracomment>File type in the save dialog; keep the pattern in parentheses as it is.</extracomment>
        <translation>Documento de texto (*.txt)</translation>
    </message>
    <message>
        <source>The calculations could not be kept in a file, so the list was not erased.</source>
        <translation>No se pudieron guardar los cálculos en un archivo, por eso la lista no se borró.</translation>
    </message>
    <message>
        <source>The erased calculations were kept in the file:</source>
        <translation>Los cálculos borrados se guardaron en el archivo:</translation>
    </message>
    <message>
        <source>The list was not cleared, so nothing of it is lost.</source>
        <translation>La lista no se borró, así que no se perdió nada de ella.</translation>
    </message>
</context>
<context>
    <name>ListEditing</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Search Text or Number</source>
        <translation>&amp;Buscar texto o número</translation>
    </message>
    <message>
        <source>&amp;Group the Capitalization Totals</source>
        <translation>Agr&amp;upar los totales de capitalización</translation>
    </message>
    <message>
        <source>&amp;Copy Calculator Display</source>
        <translation>&amp;Copiar el visor de la calculadora</translation>
    </message>
</context>
<context>
    <name>ListPrinting</name>
    <message>
        <source>&amp;Print with Small Fonts</source>
        <translation>Imprimir con letra &amp;pequeña</translation>
    </message>
    <message>
        <source>Print with &amp;Medium Fonts</source>
        <translation>Imprimir con letra me&amp;diana</translation>
    </message>
    <message>
        <source>Print with L&amp;arge Fonts</source>
        <translation>Imprimir con letra &amp;grande</translation>
    </message>
    <message>
        <source>Print in Paper R&amp;oll (Bobbin)</source>
        <extracomment>Prints the list on a roll-paper printer connected to a port</extracomment>
        <translation>Imprimir en &amp;rollo de papel (bobina)</translation>
    </message>
    <message>
        <source>Await the end of the print and then press OK to continue...</source>
        <translation>Espere a que termine la impresión y luego presione Aceptar para continuar...</translation>
    </message>
    <message>
        <source>Pr&amp;int...</source>
        <extracomment>Opens the print dialog: printer, copies, pages, or a PDF file</extracomment>
        <translation>Imprimir en o&amp;tra impresora...</translation>
    </message>
    <message>
        <source>(LPT1, LPT2, COM1 to COM4, or a printer device such as /dev/usb/lp0)</source>
        <translation>(LPT1, LPT2, COM1 a COM4, o un dispositivo de impresora como /dev/usb/lp0)</translation>
    </message>
    <message>
        <source>No printer device was found.</source>
        <translation>No se encontró ningún dispositivo de impresora.</translation>
    </message>
    <message>
        <source>Printer devices found: %1</source>
        <translation>Dispositivos de impresora encontrados: %1</translation>
    </message>
</context>
<context>
    <name>MenuEntry</name>
    <message>
        <source>Adding machine calculator with a paper tape</source>
        <extracomment>Tooltip of the program&apos;s item in the desktop&apos;s applications menu.</extracomment>
        <translation>Calculadora sumadora con cinta de papel</translation>
    </message>
    <message>
        <source>Adding machine calculator in the notification area</source>
        <extracomment>Description of the program&apos;s start with the desktop session, where the session&apos;s settings list what starts with it.</extracomment>
        <translation>Calculadora sumadora en el área de notificación</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Calculation&apos;s list is full.

Do you want to erase all the calculations of the list?</source>
        <translation>La lista de cálculos está llena.

¿Desea borrar todos los cálculos de la lista?</translation>
    </message>
    <message>
        <source>HANDLING TIPS:

- Double-click calculation list for the clicked number to be registered again.

- Use arrow keys to get access and scroll up or down calculation list.

- Monitor Clipboard: To add from clipboard select and copy (Ctrl+C) any numeric value from another application (like tables from Microsoft Word or columns from Microsoft Excel). By coping two columns (at the same time) one will be multiplied by the other. The result is then stored in the clipboard (use Paste: Ctrl+V).

- Press F6 to open another window for you to do any secondary calculations.

- Press Ctrl+U to change the sound.

- Press DELETE once to clear the display or twice to clear calculation list.

- Press ESC to close the calculator from any window.

* For more information, or to make a suggestion, please visit our website.

WOULD YOU LIKE TO VISIT OUR WEBSITE ?</source>
        <translation>CONSEJOS DE USO:

- Haga doble clic en la lista de cálculos para que el número en el que hizo clic se registre de nuevo.

- Use las teclas de flecha para acceder a la lista de cálculos y desplazarse hacia arriba o hacia abajo.

- Monitorear portapapeles: para sumar desde el portapapeles, seleccione y copie (Ctrl+C) cualquier valor numérico de otra aplicación (como tablas de Microsoft Word o columnas de Microsoft Excel). Al copiar dos columnas (al mismo tiempo), una se multiplicará por la otra. El resultado se guarda luego en el portapapeles (use Pegar: Ctrl+V).

- Presione F6 para abrir otra ventana en la que puede hacer cálculos secundarios.

- Presione Ctrl+U para cambiar el sonido.

- Presione DELETE una vez para borrar el visor o dos veces para borrar la lista de cálculos.

- Presione ESC para cerrar la calculadora desde cualquier ventana.

* Para más información, o para hacer una sugerencia, visite nuestro sitio web.

¿DESEA VISITAR NUESTRO SITIO WEB?</translation>
    </message>
    <message>
        <source>Error while attempting to open your browser</source>
        <translation>Error al intentar abrir su navegador</translation>
    </message>
    <message>
        <source>Error while trying to access MIDI resource of your Sound Card</source>
        <translation>Error al intentar acceder al recurso MIDI de su tarjeta de sonido</translation>
    </message>
    <message>
        <source>You can only edit or change calculation list after finishing the current calculation.</source>
        <translation>Solo puede editar o modificar la lista de cálculos después de terminar el cálculo actual.</translation>
    </message>
    <message>
        <source>Error while attempting to open e-mail program to send a message to:

%1</source>
        <extracomment>%1 is an e-mail address</extracomment>
        <translation>Error al intentar abrir el programa de correo electrónico para enviar un mensaje a:

%1</translation>
    </message>
    <message>
        <source>You have just set calculator to ADD when ENTER key is pressed!

To get calculation&apos;s TOTAL press = or NUMLOCK of the numeric keypad.

Keys + (plus) and - (minus) now convert the typed number into a positive or a negative one. To insert it in the calculation press ENTER.</source>
        <translation>¡Acaba de configurar la calculadora para SUMAR al presionar la tecla ENTER!

Para obtener el TOTAL del cálculo presione = o NUMLOCK del teclado numérico.

Las teclas + (más) y - (menos) ahora convierten el número escrito en positivo o negativo. Para insertarlo en el cálculo presione ENTER.</translation>
    </message>
    <message>
        <source>Sent to printer</source>
        <translation>Enviado a la impresora</translation>
    </message>
    <message>
        <source>Printer is not responding or is not installed</source>
        <translation>La impresora no responde o no está instalada</translation>
    </message>
    <message>
        <source>End of search</source>
        <translation>Fin de la búsqueda</translation>
    </message>
    <message>
        <source>Windows calculator was not found</source>
        <translation>No se encontró la calculadora de Windows</translation>
    </message>
    <message>
        <source>Invalid selection!

Select one or two columns that contain numbers.</source>
        <translation>¡Selección no válida!

Seleccione una o dos columnas que contengan números.</translation>
    </message>
    <message>
        <source>FIXED INSTALLMENT

- Initial Value
Loan Value or Merchandise Value.

- Fixed Installment
Enter installment value to find out the interest rate or leave the field blank and enter interest rate to obtain the installment amount.

- Number of Installments
Number of monthly installments to pay (enter a number between 1 and 250).

- First installment after...
Enter the number of days until first installment expiration or select &quot;Cash Payment&quot; if first installment was paid at the time.

- Interest Rate %
Enter monthly interest rate to find out the installment or leave the field blank and enter fixed installment to obtain the interest rate.

CAPITALIZATION

- Cash Check
It finds out the net amount minus the interest rate using check installments (installments with checks given in advance).

- Saving Accounts
It calculates and capitalizes the interest rate monthly over the entered amount, i.e., amount + month to month interest rate.</source>
        <translation>CUOTA FIJA

- Valor inicial
Valor del préstamo o valor de la mercadería.

- Cuota fija
Ingrese el valor de la cuota para averiguar la tasa de interés o deje el campo en blanco e ingrese la tasa de interés para obtener el monto de la cuota.

- Número de cuotas
Número de cuotas mensuales a pagar (ingrese un número entre 1 y 250).

- Primera cuota después de...
Ingrese el número de días hasta el vencimiento de la primera cuota o seleccione &quot;Pago al contado&quot; si la primera cuota se pagó en el momento.

- Tasa de interés %
Ingrese la tasa de interés mensual para averiguar la cuota o deje el campo en blanco e ingrese la cuota fija para obtener la tasa de interés.

CAPITALIZACIÓN

- Cheque al contado
Calcula el monto neto menos los intereses usando cuotas en cheques (cuotas pagadas con cheques entregados por adelantado).

- Cuenta de ahorro
Calcula y capitaliza los intereses mensualmente sobre el monto ingresado, es decir, monto + intereses mes a mes.</translation>
    </message>
    <message>
        <source>Insert Initial Value</source>
        <translation>Ingrese el valor inicial</translation>
    </message>
    <message>
        <source>Enter number of installments:

Min. 1 / Max. 250.</source>
        <translation>Ingrese el número de cuotas:

Mín. 1 / Máx. 250.</translation>
    </message>
    <message>
        <source>Enter the number of days until first installment expiration</source>
        <translation>Ingrese el número de días hasta el vencimiento de la primera cuota</translation>
    </message>
    <message>
        <source>- Enter installment value to find out interest rate or

- Enter interest rate to find out the installment.</source>
        <translation>- Ingrese el valor de la cuota para averiguar la tasa de interés o

- Ingrese la tasa de interés para averiguar la cuota.</translation>
    </message>
    <message>
        <source>Installment value could NOT be equal or higher the the initial value</source>
        <translation>El valor de la cuota NO puede ser igual o mayor que el valor inicial</translation>
    </message>
    <message>
        <source>Enter interest rate for calculation</source>
        <translation>Ingrese la tasa de interés para el cálculo</translation>
    </message>
    <message>
        <source>Error in the calculation. Check the information entered.

If the problem continues, You may try one of the following:
-Low the Fixed Installment Value
-Low Interest Rate
-Low the number of installment</source>
        <translation>Error en el cálculo. Verifique los datos ingresados.

Si el problema continúa, puede intentar una de las siguientes opciones:
-Reducir el valor de la cuota fija
-Reducir la tasa de interés
-Reducir el número de cuotas</translation>
    </message>
    <message>
        <source>Amount + Capitalized Interest Amount:

$ %1</source>
        <extracomment>%1 is an amount of money</extracomment>
        <translation>Monto + intereses capitalizados:

$ %1</translation>
    </message>
    <message>
        <source>Invalid Data! Operation aborted.</source>
        <translation>¡Datos no válidos! Operación cancelada.</translation>
    </message>
    <message>
        <source>Net amount minus interest amount:

$ %1</source>
        <extracomment>%1 is an amount of money</extracomment>
        <translation>Monto neto menos intereses:

$ %1</translation>
    </message>
    <message>
        <source>The entered date is incorrect</source>
        <translation>La fecha ingresada es incorrecta</translation>
    </message>
    <message>
        <source>Initial date must came before the final date</source>
        <translation>La fecha inicial debe ser anterior a la fecha final</translation>
    </message>
    <message>
        <source>Check the information on the fields</source>
        <translation>Verifique la información de los campos</translation>
    </message>
    <message>
        <source>Schedule Canceled</source>
        <translation>Programación cancelada</translation>
    </message>
    <message>
        <source>Do you really want to turn off the computer by %1 hs. ?</source>
        <extracomment>%1 is a time of day; &quot;hs.&quot; abbreviates hours</extracomment>
        <translation>¿Realmente desea apagar la computadora a las %1 hs.?</translation>
    </message>
    <message>
        <source>Alarm Scheduled Time:
%1 hs.

%2</source>
        <extracomment>%1 is a time of day (&quot;hs.&quot; abbreviates hours); %2 is the reason the user typed</extracomment>
        <translation>Hora programada de la alarma:
%1 hs.

%2</translation>
    </message>
    <message>
        <source>Sound Alarm at %1 hs.</source>
        <extracomment>Menu item while an alarm is set; %1 is a time of day, &quot;hs.&quot; abbreviates hours</extracomment>
        <translation>Sonar alarma a las %1 hs.</translation>
    </message>
    <message>
        <source>Today: </source>
        <extracomment>Followed by today&apos;s date</extracomment>
        <translation>Hoy: </translation>
    </message>
    <message>
        <source>Enter text/number to search through calculation list.</source>
        <translation>Ingrese el texto/número a buscar en la lista de cálculos.</translation>
    </message>
    <message>
        <source> Locate on List</source>
        <extracomment>Window title (starts with a blank)</extracomment>
        <translation> Buscar en la lista</translation>
    </message>
    <message>
        <source>Enter an instrument number from 0 to 127.

Example:
000 = Piano
050 = Synth Strings
075 = Flute
100 = FX5 Bright

Use your keyboard to play sounds.</source>
        <translation>Ingrese un número de instrumento de 0 a 127.

Ejemplo:
000 = Piano
050 = Cuerdas sintetizadas
075 = Flauta
100 = FX5 Brillo

Use su teclado para tocar sonidos.</translation>
    </message>
    <message>
        <source> Choose Keyboard Sound</source>
        <extracomment>Window title (starts with a blank)</extracomment>
        <translation> Elegir sonido del teclado</translation>
    </message>
    <message>
        <source>Enter INITIAL VALUE $:</source>
        <translation>Ingrese el VALOR INICIAL $:</translation>
    </message>
    <message>
        <source> Capitalize Interest Rate</source>
        <extracomment>Window title (starts with a blank)</extracomment>
        <translation> Capitalizar tasa de interés</translation>
    </message>
    <message>
        <source>Enter MONTHLY INTEREST RATE %:</source>
        <translation>Ingrese la TASA DE INTERÉS MENSUAL %:</translation>
    </message>
    <message>
        <source>Enter INITIAL DATE:</source>
        <translation>Ingrese la FECHA INICIAL:</translation>
    </message>
    <message>
        <source>Enter FINAL DATE or
NUMBER OF DAYS (1 to %1 days):</source>
        <extracomment>%1 is the largest number of days</extracomment>
        <translation>Ingrese la FECHA FINAL o el
NÚMERO DE DÍAS (1 a %1 días):</translation>
    </message>
    <message>
        <source>Enter CHECK VALUE $:</source>
        <translation>Ingrese el VALOR DEL CHEQUE $:</translation>
    </message>
    <message>
        <source> Cash Check</source>
        <extracomment>Window title (starts with a blank)</extracomment>
        <translation> Cambio de cheque</translation>
    </message>
    <message>
        <source>Enter time:</source>
        <translation>Ingrese la hora:</translation>
    </message>
    <message>
        <source> Set Alarm (Scheduling)</source>
        <translation> Programar alarma (agenda)</translation>
    </message>
    <message>
        <source>Describe Reason:</source>
        <translation>Describa el motivo:</translation>
    </message>
    <message>
        <source>WARNING: Be careful at using this feature because the computer will be turned off on the entered time. If there were some opened files without saving you might lose your last changes.

Enter time:</source>
        <translation>ADVERTENCIA: Tenga cuidado al usar esta función, porque la computadora se apagará a la hora indicada. Si hay archivos abiertos sin guardar, podría perder sus últimos cambios.

Ingrese la hora:</translation>
    </message>
    <message>
        <source> Set Time to Turn Off the Computer</source>
        <extracomment>Window title and menu item (starts with a blank, trimmed in the menu)</extracomment>
        <translation> Programar hora de apagado de la computadora</translation>
    </message>
    <message>
        <source>Turn off the Computer at %1 hs. </source>
        <extracomment>Menu item while a shutdown is set; %1 is a time of day, &quot;hs.&quot; abbreviates hours</extracomment>
        <translation>Apagar la computadora a las %1 hs. </translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Initial Date</source>
        <translation>Fecha &amp;inicial</translation>
    </message>
    <message>
        <source>&amp;Final Date</source>
        <translation>Fecha &amp;final</translation>
    </message>
    <message>
        <source>&amp;Years</source>
        <translation>&amp;Años</translation>
    </message>
    <message>
        <source>&amp;Months</source>
        <translation>&amp;Meses</translation>
    </message>
    <message>
        <source>&amp;Weeks</source>
        <translation>&amp;Semanas</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>&amp;Días</translation>
    </message>
    <message>
        <source>Leap Years</source>
        <translation>Años bisiestos</translation>
    </message>
    <message>
        <source> Calculate Date</source>
        <extracomment>Window title (starts with a blank)</extracomment>
        <translation> Calcular fecha</translation>
    </message>
    <message>
        <source>Numerette
by the Numerette developers</source>
        <extracomment>Two lines: program name, then its authors</extracomment>
        <translation>Numerette
por los desarrolladores de Numerette</translation>
    </message>
    <message>
        <source>Capitalization
(click in the button and enter information)</source>
        <extracomment>Two lines: the heading, then a hint</extracomment>
        <translation>Capitalización
(haga clic en el botón e ingrese la información)</translation>
    </message>
    <message>
        <source>Fixed Installments</source>
        <translation>Cuotas fijas</translation>
    </message>
    <message>
        <source> Calculate Capitalized Interest Amount</source>
        <extracomment>Window title (starts with a blank)</extracomment>
        <translation> Calcular monto de interés capitalizado</translation>
    </message>
    <message>
        <source>Initial &amp;Value $</source>
        <translation>&amp;Valor inicial $</translation>
    </message>
    <message>
        <source>&amp;Fixed Installments $</source>
        <translation>Cuotas &amp;fijas $</translation>
    </message>
    <message>
        <source>&amp;Number of Installments x</source>
        <extracomment>&quot;x&quot; as in times: the count of installments</extracomment>
        <translation>&amp;Número de cuotas x</translation>
    </message>
    <message>
        <source>First Installment after</source>
        <translation>Primera cuota después de</translation>
    </message>
    <message>
        <source>DAYS or</source>
        <extracomment>Between the days field and the cash payment check box</extracomment>
        <translation>DÍAS o</translation>
    </message>
    <message>
        <source>&amp;Interest Rate %</source>
        <translation>Tasa de &amp;interés %</translation>
    </message>
    <message>
        <source>Total Interest Amount $</source>
        <translation>Monto total de intereses $</translation>
    </message>
    <message>
        <source>Final Amount $</source>
        <translation>Monto final $</translation>
    </message>
    <message>
        <source>monthly</source>
        <extracomment>Beside the interest rate field: the rate is monthly</extracomment>
        <translation>mensual</translation>
    </message>
    <message>
        <source>  in cash</source>
        <extracomment>Tape: the period of the first installment in the installment report, 9 columns (later periods read &quot;30 days&quot; right-aligned there); also a check box caption, blanks trimmed</extracomment>
        <translation>  contado</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>C&amp;ash Check</source>
        <translation>Cambio de c&amp;heque</translation>
    </message>
    <message>
        <source>Saving Acc&amp;ount</source>
        <translation>Cuenta de &amp;ahorro</translation>
    </message>
    <message>
        <source>INITIAL VALUE </source>
        <extracomment>Tape report label, right-aligned in 26 columns; capitalization totals find it again in the tape</extracomment>
        <translation>VALOR INICIAL </translation>
    </message>
    <message>
        <source>NUMBER OF INSTALLMENTS </source>
        <extracomment>Tape report label, right-aligned in 26 columns</extracomment>
        <translation>NÚMERO DE CUOTAS </translation>
    </message>
    <message>
        <source>INSTALLMENT VALUE </source>
        <extracomment>Tape report label, right-aligned in 26 columns</extracomment>
        <translation>VALOR DE LA CUOTA </translation>
    </message>
    <message>
        <source>MONTHLY INTEREST RATE </source>
        <extracomment>Tape report label, right-aligned in 26 columns</extracomment>
        <translation>TASA DE INTERÉS MENSUAL </translation>
    </message>
    <message>
        <source>TOTAL INTEREST AMOUNT </source>
        <extracomment>Tape report label, right-aligned in 26 columns; capitalization totals find it again in the tape</extracomment>
        <translation>MONTO TOTAL DE INTERESES </translation>
    </message>
    <message>
        <source>FINAL AMOUNT </source>
        <extracomment>Tape report label, right-aligned in 26 columns; capitalization totals find it again in the tape</extracomment>
        <translation>MONTO FINAL </translation>
    </message>
    <message>
        <source>NUMBER OF DAYS </source>
        <extracomment>Tape report label, right-aligned in 26 columns</extracomment>
        <translation>NÚMERO DE DÍAS </translation>
    </message>
    <message>
        <source>There is no backup to show</source>
        <translation>No hay copia de seguridad para mostrar</translation>
    </message>
    <message>
        <source>Could not open backup file:

c:\calcula.txt</source>
        <translation>No se pudo abrir el archivo de copia de seguridad:

c:\calcula.txt</translation>
    </message>
    <message>
        <source>Your calculation backup file is too large. Please clean some of your old calculations.</source>
        <translation>El archivo de copia de seguridad de sus cálculos es demasiado grande. Elimine algunos de sus cálculos antiguos.</translation>
    </message>
    <message>
        <source>WARNING: If your printer is not turned on and properly connected, the Calculator won&apos;t print.

Enter communication port:

(LPT1, LPT2, COM1, COM2 or COM3)</source>
        <translation>ADVERTENCIA: Si su impresora no está encendida y correctamente conectada, la calculadora no imprimirá.

Ingrese el puerto de comunicación:

(LPT1, LPT2, COM1, COM2 o COM3)</translation>
    </message>
    <message>
        <source> Rule of Three Calculation</source>
        <extracomment>Window title (starts with a blank)</extracomment>
        <translation> Cálculo de regla de tres</translation>
    </message>
    <message>
        <source>If 8 carpenters...</source>
        <extracomment>Rule of three example, one step of a sentence the next messages continue</extracomment>
        <translation>Si 8 carpinteros...</translation>
    </message>
    <message>
        <source>...working five days...</source>
        <translation>...trabajando cinco días...</translation>
    </message>
    <message>
        <source>...for 6 hours per day...</source>
        <translation>...durante 6 horas por día...</translation>
    </message>
    <message>
        <source>...build 12 closets...</source>
        <translation>...construyen 12 armarios...</translation>
    </message>
    <message>
        <source>...How many closets would be build by 5 carpenters in 10 days working 8 hours per day ?</source>
        <extracomment>Rule of three example, the question the example answers</extracomment>
        <translation>...¿cuántos armarios construirían 5 carpinteros en 10 días trabajando 8 horas por día?</translation>
    </message>
    <message>
        <source>Let&apos;s enter information: 5 carpenters...</source>
        <translation>Ingresemos los datos: 5 carpinteros...</translation>
    </message>
    <message>
        <source>...working 10 days...</source>
        <translation>...trabajando 10 días...</translation>
    </message>
    <message>
        <source>...8 hours per day.</source>
        <translation>...8 horas por día.</translation>
    </message>
    <message>
        <source>Now press CALCULATE to get the number of closets!

WARNING: When you press CALCULATE button, questions about logic will be made that are necessary to build the formula. If you answer all of them correctly, the final result will be:

&quot;20 CLOSETS&quot;

TIP: When you press CALCULATE, answer YES to all the questions.</source>
        <translation>¡Ahora presione CALCULAR para obtener el número de armarios!

ADVERTENCIA: Al presionar el botón CALCULAR, se harán las preguntas de lógica necesarias para armar la fórmula. Si las responde todas correctamente, el resultado final será:

&quot;20 ARMARIOS&quot;

CONSEJO: Al presionar CALCULAR, responda SÍ a todas las preguntas.</translation>
    </message>
    <message>
        <source>carpenters</source>
        <extracomment>Rule of three example: description typed into a field</extracomment>
        <translation>carpinteros</translation>
    </message>
    <message>
        <source>working days</source>
        <translation>días de trabajo</translation>
    </message>
    <message>
        <source>working hours per day</source>
        <translation>horas de trabajo por día</translation>
    </message>
    <message>
        <source>closets</source>
        <translation>armarios</translation>
    </message>
    <message>
        <source>How many hours per day will be needed by 3 carpenters in 12 days to build 18 closets ?</source>
        <extracomment>Rule of three example, the question the example answers</extracomment>
        <translation>¿Cuántas horas por día necesitarán 3 carpinteros en 12 días para construir 18 armarios?</translation>
    </message>
    <message>
        <source>Let&apos;s enter information: 3 carpenters...</source>
        <translation>Ingresemos los datos: 3 carpinteros...</translation>
    </message>
    <message>
        <source>...working 12 days...</source>
        <translation>...trabajando 12 días...</translation>
    </message>
    <message>
        <source>...to build 18 closets.</source>
        <translation>...para construir 18 armarios.</translation>
    </message>
    <message>
        <source>Now press CALCULATE to get the number of hours per day!

If you answer all the questions about logic correctly, the final result will be:

&quot;10 WORKING HOURS PER DAY&quot;

TIP: When you press CALCULATE, answer NO two times and YES one time.</source>
        <translation>¡Ahora presione CALCULAR para obtener el número de horas por día!

Si responde correctamente todas las preguntas de lógica, el resultado final será:

&quot;10 HORAS DE TRABAJO POR DÍA&quot;

CONSEJO: Al presionar CALCULAR, responda NO dos veces y SÍ una vez.</translation>
    </message>
    <message>
        <source>Fill at least two fields with the reference base data and then click CALCULATE.

If you prefer click EXAMPLE so the program will explain in a step-by-step basis how to fill the fields.</source>
        <translation>Complete al menos dos campos con los datos base de referencia y luego haga clic en CALCULAR.

Si lo prefiere, haga clic en EJEMPLO y el programa le explicará paso a paso cómo completar los campos.</translation>
    </message>
    <message>
        <source>Only the variable may be undefined.</source>
        <translation>Solo la variable puede quedar sin definir.</translation>
    </message>
    <message>
        <source>It is necessary to fill at least two fields with the conditions to calculate!</source>
        <translation>¡Es necesario completar al menos dos campos con las condiciones para calcular!</translation>
    </message>
    <message>
        <source>You must select the variable field - the one you want to find out!</source>
        <translation>¡Debe seleccionar el campo de la variable, el que desea averiguar!</translation>
    </message>
    <message>
        <source>BASE DATA</source>
        <translation>DATOS BASE</translation>
    </message>
    <message>
        <source>FIND</source>
        <translation>HALLAR</translation>
    </message>
    <message>
        <source>Qty. or &amp;Value</source>
        <extracomment>Column heading; also shown without its mnemonic</extracomment>
        <translation>Cant. o &amp;valor</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <extracomment>Column heading; also shown without its mnemonic</extracomment>
        <translation>&amp;Descripción</translation>
    </message>
    <message>
        <source>If you add:
&quot;%1&quot;

the result will/would add:
&quot;%2&quot; ?</source>
        <extracomment>%1 and %2 are descriptions the user typed, in upper case</extracomment>
        <translation>Si aumenta:
&quot;%1&quot;

¿el resultado aumentará/aumentaría:
&quot;%2&quot;?</translation>
    </message>
    <message>
        <source>Example</source>
        <extracomment>Button; &quot; &amp;1&quot; or &quot; &amp;2&quot; is appended, so no mnemonic here</extracomment>
        <translation>Ejemplo</translation>
    </message>
    <message>
        <source>Save in File</source>
        <extracomment>Title of the save dialog (a blank is put before it)</extracomment>
        <translation>Guardar en archivo</translation>
    </message>
    <message>
        <source>&amp;Calculate Final Date</source>
        <translation>&amp;Calcular fecha final</translation>
    </message>
    <message>
        <source>     CAPITALIZATION TOTAL:</source>
        <extracomment>Tape: heading of the capitalization totals block, 26 columns including its leading blanks</extracomment>
        <translation>     TOTAL CAPITALIZACIÓN:</translation>
    </message>
    <message>
        <source>TOTAL INTEREST:</source>
        <extracomment>Tape: capitalization totals label after 11 blanks, at most 15 columns</extracomment>
        <translation>INTERÉS TOTAL:</translation>
    </message>
    <message>
        <source>FINAL AMOUNT:</source>
        <extracomment>Tape: capitalization totals label after 13 blanks, at most 13 columns</extracomment>
        <translation>MONTO FINAL:</translation>
    </message>
    <message>
        <source>INITIAL VALUE:</source>
        <extracomment>Tape: capitalization totals label after 12 blanks, at most 14 columns</extracomment>
        <translation>VALOR INICIAL:</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>You need to restart the CALCULATOR for the change to take place.</source>
        <translation>Debe reiniciar la CALCULADORA para que el cambio surta efecto.</translation>
    </message>
    <message>
        <source>Monitor Clipboard:

To add from clipboard select and copy (Ctrl+C) any numeric value from another application (like tables from Microsoft Word or columns from Microsoft Excel). By coping two columns (at the same time) one will be multiplied by the other. The result is then stored in the clipboard (use Paste: Ctrl+V).</source>
        <translation>Monitorear portapapeles:

Para sumar desde el portapapeles, seleccione y copie (Ctrl+C) cualquier valor numérico de otra aplicación (como tablas de Microsoft Word o columnas de Microsoft Excel). Al copiar dos columnas (al mismo tiempo), una se multiplicará por la otra. Luego el resultado se guarda en el portapapeles (use Pegar: Ctrl+V).</translation>
    </message>
</context>
<context>
    <name>NumberFormat</name>
    <message>
        <source>&amp;Floating Point Currency</source>
        <extracomment>Item of the number-format menu</extracomment>
        <translation>&amp;Moneda con punto flotante</translation>
    </message>
    <message>
        <source>Fixed &amp;Point Currency</source>
        <extracomment>Item of the number-format menu</extracomment>
        <translation>Moneda con punto &amp;fijo</translation>
    </message>
    <message>
        <source>&amp;Numerical (Standard)</source>
        <extracomment>Item of the number-format menu</extracomment>
        <translation>&amp;Numérico (estándar)</translation>
    </message>
</context>
<context>
    <name>PrintReport</name>
    <message>
        <source>The printing service (CUPS) is not running.
Start it, for example with &quot;sudo systemctl start cups&quot;, and print again.</source>
        <translation>El servicio de impresión (CUPS) no está en marcha.
Inícielo, por ejemplo con &quot;sudo systemctl start cups&quot;, e imprima de nuevo.</translation>
    </message>
    <message>
        <source>No printer is installed.
Add one in the system&apos;s printer settings, or print to a PDF file with Print... in the Calculation List menu.</source>
        <translation>No hay ninguna impresora instalada.
Agregue una en la configuración de impresoras del sistema, o imprima en un archivo PDF con Imprimir... del menú Lista.</translation>
    </message>
    <message>
        <source>%1 is not accepting jobs</source>
        <extracomment>%1 is the printer&apos;s queue name</extracomment>
        <translation>%1 no acepta trabajos</translation>
    </message>
    <message>
        <source>
Nothing was printed. Check the printer, or choose another with Print... in the Calculation List menu.</source>
        <translation>
No se imprimió nada. Revise la impresora, o elija otra con Imprimir... del menú Lista.</translation>
    </message>
    <message>
        <source>%1 is stopped</source>
        <extracomment>%1 is the printer&apos;s queue name</extracomment>
        <translation>%1 está detenida</translation>
    </message>
    <message>
        <source>
The job waits in the printer&apos;s queue until the printer is started again in the system&apos;s printer settings.</source>
        <translation>
El trabajo espera en la cola de la impresora hasta que se la reanude en la configuración de impresoras del sistema.</translation>
    </message>
</context>
<context>
    <name>PrinterPort</name>
    <message>
        <source>The paper-roll printer at %1 cannot be reached: %2.</source>
        <translation>No se puede llegar a la impresora de rollo en %1: %2.</translation>
    </message>
    <message>
        <source>Only members of the group %1 may print on it: join it (for example with &quot;sudo usermod -aG %1 $USER&quot;), then log in again.</source>
        <translation>Solo los miembros del grupo %1 pueden imprimir en ella: únase al grupo (por ejemplo con &quot;sudo usermod -aG %1 $USER&quot;) y luego vuelva a iniciar sesión.</translation>
    </message>
</context>
<context>
    <name>PrivateFiles</name>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes.</source>
        <translation>Tiene más de %1 bytes.</translation>
    </message>
</context>
<context>
    <name>QuotationLabel</name>
    <message>
        <source>Next quotation</source>
        <translation>Siguiente cita</translation>
    </message>
    <message>
        <source>Liberty, when it begins to take root, is a plant
of rapid growth.</source>
        <extracomment>Quotation under the tape (the label wraps longer lines). In a quotation of two lines, the author follows the second line; in one of a single line, the author goes below it.</extracomment>
        <translation>La libertad, cuando empieza a arraigar, es una planta
de rápido crecimiento.</translation>
    </message>
    <message>
        <source>The advertisement is the most truthful part
of a newspaper.</source>
        <extracomment>Quotation under the tape (the label wraps longer lines)</extracomment>
        <translation>El anuncio es la parte más veraz
de un periódico.</translation>
    </message>
    <message>
        <source>Forgive your enemies, but never forget
their names.</source>
        <extracomment>Quotation under the tape (the label wraps longer lines)</extracomment>
        <translation>Perdona a tus enemigos, pero nunca olvides
sus nombres.</translation>
    </message>
    <message>
        <source>Well done is better than well said.</source>
        <extracomment>Quotation under the tape (the label wraps longer lines)</extracomment>
        <translation>Bien hecho es mejor que bien dicho.</translation>
    </message>
    <message>
        <source>If I were two-faced, would I be wearing this one?</source>
        <extracomment>Quotation under the tape (the label wraps longer lines)</extracomment>
        <translation>Si tuviera dos caras, ¿estaría usando esta?</translation>
    </message>
    <message>
        <source>It is better to offer no excuse than a bad one.</source>
        <extracomment>Quotation under the tape (the label wraps longer lines)</extracomment>
        <translation>Es mejor no dar ninguna excusa que dar una mala.</translation>
    </message>
</context>
<context>
    <name>RoundingMode</name>
    <message>
        <source>Round &amp;Half Up (Standard)</source>
        <extracomment>Rounding of each step of the arithmetic: a half goes away from zero (2.5 to 3).</extracomment>
        <translation>Redondear &amp;Mitad hacia Arriba (Estándar)</translation>
    </message>
    <message>
        <source>Round Half to &amp;Even</source>
        <extracomment>Rounding of each step: a half goes to the even neighbour (2.5 to 2, 3.5 to 4).</extracomment>
        <translation>Redondear Mitad al &amp;Par</translation>
    </message>
    <message>
        <source>Round &amp;Up</source>
        <extracomment>Rounding of each step: any dropped fraction goes away from zero (2.01 to 3).</extracomment>
        <translation>Redondear hacia &amp;Arriba</translation>
    </message>
    <message>
        <source>Round &amp;Down (Cut)</source>
        <extracomment>Rounding of each step: dropped decimals are cut (2.99 to 2).</extracomment>
        <translation>Redondear hacia A&amp;bajo (Truncar)</translation>
    </message>
</context>
<context>
    <name>SpokenLine</name>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido por</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>por ciento</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>igual a</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>Items: %1</source>
        <extracomment>The count line of a closed calculation; %1 is its number of items</extracomment>
        <translation>Elementos: %1</translation>
    </message>
    <message>
        <source>End of calculation</source>
        <translation>Fin del cálculo</translation>
    </message>
    <message>
        <source>Grand total</source>
        <translation>Total general</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Impuesto</translation>
    </message>
    <message>
        <source>Gross</source>
        <translation>Bruto</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <source>Margin percent</source>
        <extracomment>Spoken before the margin in percent of the selling price</extracomment>
        <translation>Margen en porcentaje</translation>
    </message>
    <message>
        <source>Selling price</source>
        <translation>Precio de venta</translation>
    </message>
    <message>
        <source>Profit</source>
        <translation>Ganancia</translation>
    </message>
</context>
<context>
    <name>TapeCommandLine</name>
    <message>
        <source>%1 takes %2 or %3, not &apos;%4&apos;</source>
        <extracomment>numerette-tape&apos;s complaint about an option&apos;s value: %1 is the option, %2 and %3 the values it takes, %4 what was given. The option and the values stay as they are.</extracomment>
        <translation>%1 acepta %2 o %3, no &apos;%4&apos;</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>Stands for the number given to --format in numerette-tape --help.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>number format: 2 (the default), 0, 1, or 10 to 80 for 1 to 8 decimals</source>
        <extracomment>What --format does, in numerette-tape --help: at most 55 columns.</extracomment>
        <translation>formato: 2 (predet.), 0, 1, o 10 a 80 (1 a 8 decimales)</translation>
    </message>
    <message>
        <source>%1 takes one of 0, 1, 2, 10, 20, 30, 40, 50, 60, 70, 80, not &apos;%2&apos;</source>
        <extracomment>numerette-tape&apos;s complaint about --format&apos;s value: %1 is the option, %2 what was given.</extracomment>
        <translation>%1 acepta uno de 0, 1, 2, 10, 20, 30, 40, 50, 60, 70, 80, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Add mode: ENTER adds, as on an adding machine</source>
        <extracomment>What --add does, in numerette-tape --help: at most 55 columns. Add mode is the calculator&apos;s mode of that name; ENTER is the key.</extracomment>
        <translation>modo suma: ENTER suma, como en una sumadora</translation>
    </message>
    <message>
        <source>the decimal separator (&quot;.&quot; unless given)</source>
        <extracomment>What --decimal does, in numerette-tape --help: at most 55 columns.</extracomment>
        <translation>el separador decimal (&quot;.&quot; si no se indica)</translation>
    </message>
    <message>
        <source>day or month first in the date at the top of the tape</source>
        <extracomment>What --date-order does, in numerette-tape --help: at most 55 columns.</extracomment>
        <translation>día o mes primero en la fecha al inicio de la cinta</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <extracomment>Stands for the date given to --today in numerette-tape --help: year, month and day written with digits and dashes.</extracomment>
        <translation>AAAA-MM-DD</translation>
    </message>
    <message>
        <source>the date written at the top of the tape, instead of today&apos;s</source>
        <extracomment>What --today does, in numerette-tape --help: at most 55 columns.</extracomment>
        <translation>la fecha escrita al inicio de la cinta, no la de hoy</translation>
    </message>
    <message>
        <source>%1 takes a date as YYYY-MM-DD, not &apos;%2&apos;</source>
        <extracomment>numerette-tape&apos;s complaint about --today&apos;s value: %1 is the option, %2 what was given. YYYY-MM-DD as in the help.</extracomment>
        <translation>%1 acepta una fecha como AAAA-MM-DD, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>letters typed become a label on the next tape line</source>
        <extracomment>What --insert-text does, in numerette-tape --help: at most 55 columns.</extracomment>
        <translation>las letras tecleadas etiquetan la próxima línea</translation>
    </message>
    <message>
        <source>print the display, total, counter and memory instead of the tape</source>
        <extracomment>What --state does, in numerette-tape --help: at most 55 columns.</extracomment>
        <translation>muestra visor, total, contador y memoria, no la cinta</translation>
    </message>
    <message>
        <source>print the tape as CSV: date, kind, value, operator and label of each line</source>
        <extracomment>What --csv does, in numerette-tape --help: at most 55 columns.</extracomment>
        <translation>muestra la cinta en CSV: fecha, tipo, valor, operador, etiqueta por línea</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <extracomment>numerette-tape&apos;s complaint; %1 is what was typed.</extracomment>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <extracomment>numerette-tape&apos;s complaint; %1 is the option, as in &quot;--add&quot;.</extracomment>
        <translation>%1 no acepta ningún valor</translation>
    </message>
    <message>
        <source>%1 needs a value: %2</source>
        <extracomment>numerette-tape&apos;s complaint; %1 is the option, %2 the value it needs as the help names it.</extracomment>
        <translation>%1 necesita un valor: %2</translation>
    </message>
    <message>
        <source>one KEYS argument only, but &apos;%1&apos; follows &apos;%2&apos; (quote keys that hold blanks)</source>
        <extracomment>numerette-tape&apos;s complaint; KEYS as in the help, %1 and %2 are the two arguments given.</extracomment>
        <translation>solo un argumento TECLAS, pero &apos;%1&apos; sigue a &apos;%2&apos; (entrecomille las teclas con espacios)</translation>
    </message>
    <message>
        <source>Usage: numerette-tape [OPTION]... [--] [KEYS]
Types KEYS into the Numerette adding machine without a window and prints the tape.
Without KEYS the keys are read from standard input.</source>
        <extracomment>First part of numerette-tape --help; lines stay within 80 columns. OPTION and KEYS stand for what the user types in their place; KEYS is named so in the rest of the help too.</extracomment>
        <translation>Uso: numerette-tape [OPCIÓN]... [--] [TECLAS]
Teclea las TECLAS en la sumadora Numerette sin ventana y muestra la cinta.
Sin TECLAS, las teclas se leen de la entrada estándar.</translation>
    </message>
    <message>
        <source>Options:</source>
        <extracomment>Heading in numerette-tape --help above the list of options.</extracomment>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>print this help and end</source>
        <extracomment>What --help does, in numerette-tape --help: at most 55 columns.</extracomment>
        <translation>muestra esta ayuda y termina</translation>
    </message>
    <message>
        <source>print the version and end</source>
        <extracomment>What --version does, in numerette-tape --help: at most 55 columns.</extracomment>
        <translation>muestra la versión y termina</translation>
    </message>
    <message>
        <source>end of the options: KEYS may start with &quot;-&quot;</source>
        <extracomment>What -- does, in numerette-tape --help: at most 55 columns. KEYS as above.</extracomment>
        <translation>fin de las opciones: las TECLAS pueden empezar con &quot;-&quot;</translation>
    </message>
    <message>
        <source>KEYS are characters typed as on the keyboard (digits, + - * / % =) plus the braced
key names: %1
%2. %3 ends the run, as it closes the calculator.</source>
        <extracomment>numerette-tape --help: lines stay within 80 columns. %1 and %2 are lists of key names and %3 is one; they stay as they are, as do the characters in brackets.</extracomment>
        <translation>TECLAS: caracteres como en el teclado (dígitos, + - * / % =) y, entre llaves,
los nombres de tecla: %1
%2. %3 termina la ejecución, pues cierra la calculadora.</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <extracomment>numerette-tape --help; %1 is a command line that stays as it is.</extracomment>
        <translation>Ejemplo: %1</translation>
    </message>
    <message>
        <source>Exit status: 0 on success, 2 for a wrong option or key name.
See numerette-tape(1).</source>
        <extracomment>Last lines of numerette-tape --help; each within 80 columns.</extracomment>
        <translation>Estado de salida: 0 si tiene éxito, 2 por una opción o nombre de tecla erróneo.
Véase numerette-tape(1).</translation>
    </message>
    <message>
        <source>how each step rounds the total (half-up unless given)</source>
        <extracomment>What --rounding does, in numerette-tape --help: at most 55 columns.</extracomment>
        <translation>cómo redondea cada paso el total (half-up por defecto)</translation>
    </message>
    <message>
        <source>%1 takes half-up, half-even, up or down, not &apos;%2&apos;</source>
        <extracomment>numerette-tape&apos;s complaint about --rounding&apos;s value: %1 is the option, %2 what was given.</extracomment>
        <translation>%1 acepta half-up, half-even, up o down, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <extracomment>Stands for the percentage given to --tax-rate in numerette-tape --help.</extracomment>
        <translation>PORCENTAJE</translation>
    </message>
    <message>
        <source>%1 takes a percentage from 0 to 999, not &apos;%2&apos;</source>
        <extracomment>numerette-tape&apos;s complaint about --tax-rate&apos;s value: %1 is the option, %2 what was given.</extracomment>
        <translation>%1 acepta un porcentaje de 0 a 999, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>rate of {Tax+} and {Tax-} in % (0, the default: off)</source>
        <extracomment>What --tax-rate does, in numerette-tape --help: at most 55 columns. {Tax+} and {Tax-} are key names and stay as they are.</extracomment>
        <translation>tasa de {Tax+} y {Tax-} en % (0, por defecto: apagadas)</translation>
    </message>
</context>
<context>
    <name>TapeView</name>
    <message>
        <source>Calculation list</source>
        <translation>Lista de cálculos</translation>
    </message>
</context>
<context>
    <name>ToolLaunchers</name>
    <message>
        <source>Calculate &amp;Date</source>
        <translation>Calcular &amp;fecha</translation>
    </message>
    <message>
        <source>Calculate Rule of &amp;Three</source>
        <translation>Calcular re&amp;gla de tres</translation>
    </message>
    <message>
        <source>Calculate &amp;Your Ideal Weight</source>
        <translation>Calcular su peso &amp;ideal</translation>
    </message>
    <message>
        <source>Capitali&amp;zed Interest Rate</source>
        <translation>Tasa de interés capitali&amp;zado</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Tool&amp;s</source>
        <extracomment>Submenu of the notification-area menu; the &amp; marks its access key.</extracomment>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Show Numerette    Ctrl+Shift+C</source>
        <extracomment>Default item of the notification-area menu. The blanks and &quot;Ctrl+Shift+C&quot; show the global key that also brings the calculator up: keep the key as it is, only the words change.</extracomment>
        <translation>Mostrar Numerette    Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Make a Donation -- Help Too!</source>
        <extracomment>Opens the donation page in the web browser.</extracomment>
        <translation>Hacer una donación -- ¡Ayude también!</translation>
    </message>
    <message>
        <source>Create Shortcut under Start Menu</source>
        <extracomment>Writes a menu entry for the program into the desktop&apos;s applications menu.</extracomment>
        <translation>Crear acceso directo en el menú Inicio</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Ends the program, notification-area icon and all.</extracomment>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Sun</source>
        <extracomment>Weekday in the tape&apos;s date header, at most 3 letters</extracomment>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Mon</source>
        <extracomment>Weekday in the tape&apos;s date header, at most 3 letters</extracomment>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <extracomment>Weekday in the tape&apos;s date header, at most 3 letters</extracomment>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <extracomment>Weekday in the tape&apos;s date header, at most 3 letters</extracomment>
        <translation>Mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <extracomment>Weekday in the tape&apos;s date header, at most 3 letters</extracomment>
        <translation>Jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <extracomment>Weekday in the tape&apos;s date header, at most 3 letters</extracomment>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <extracomment>Weekday in the tape&apos;s date header, at most 3 letters</extracomment>
        <translation>Sáb</translation>
    </message>
</context>
<context>
    <name>WeightAdvice</name>
    <message>
        <source>Lose
%1 Kg
to enter in normal weight</source>
        <extracomment>Weight window&apos;s advice, three short lines; %1 is the weight to lose</extracomment>
        <translation>Pierda
%1 Kg
para llegar al peso normal</translation>
    </message>
    <message>
        <source>Gain
%1 Kg
to enter in normal weight</source>
        <extracomment>Weight window&apos;s advice, three short lines; %1 is the weight to gain</extracomment>
        <translation>Gane
%1 Kg
para llegar al peso normal</translation>
    </message>
    <message>
        <source>You are in your NORMAL Weight</source>
        <extracomment>Weight window&apos;s advice when the weight is normal</extracomment>
        <translation>Usted está en su peso NORMAL</translation>
    </message>
</context>
<context>
    <name>WeightClass</name>
    <message>
        <source>THIN</source>
        <extracomment>Weight class shown after &quot;Result = &quot; in the weight window&apos;s frame title, in capitals</extracomment>
        <translation>DELGADO</translation>
    </message>
    <message>
        <source>NORMAL</source>
        <extracomment>Weight class shown after &quot;Result = &quot; in the weight window&apos;s frame title, in capitals</extracomment>
        <translation>NORMAL</translation>
    </message>
    <message>
        <source>OVERWEIGHT</source>
        <extracomment>Weight class shown after &quot;Result = &quot; in the weight window&apos;s frame title, in capitals</extracomment>
        <translation>SOBREPESO</translation>
    </message>
    <message>
        <source>FAT</source>
        <extracomment>Weight class shown after &quot;Result = &quot; in the weight window&apos;s frame title, in capitals</extracomment>
        <translation>GORDO</translation>
    </message>
    <message>
        <source>OBESE</source>
        <extracomment>Weight class shown after &quot;Result = &quot; in the weight window&apos;s frame title, in capitals</extracomment>
        <translation>OBESO</translation>
    </message>
</context>
<context>
    <name>WeightReport</name>
    <message>
        <source> Result = Gain %1Kg</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns; %1 is the weight to gain</extracomment>
        <translation> Resultado: Subir %1Kg</translation>
    </message>
    <message>
        <source> Result = Lose %1Kg</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns; %1 is the weight to lose</extracomment>
        <translation> Resultado: Bajar %1Kg</translation>
    </message>
    <message>
        <source> Result = NORMAL Weight</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns</extracomment>
        <translation> Resultado: Peso NORMAL</translation>
    </message>
    <message>
        <source> WEIGHT CALC. - (Man)</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns</extracomment>
        <translation> CÁLC. DE PESO - (Hombre)</translation>
    </message>
    <message>
        <source> WEIGHT CALC. - (Woman)</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns</extracomment>
        <translation> CÁLC. DE PESO - (Mujer)</translation>
    </message>
    <message>
        <source> Your Height  = %1m</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns; %1 is the height in metres</extracomment>
        <translation> Su altura  = %1m</translation>
    </message>
    <message>
        <source> Your Weight  = %1Kg</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns; %1 is the weight in kilograms</extracomment>
        <translation> Su peso    = %1Kg</translation>
    </message>
    <message>
        <source> Min. Weight  = %1Kg</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns; %1 is the least normal weight</extracomment>
        <translation> Peso mín.  = %1Kg</translation>
    </message>
    <message>
        <source> Max. Weight  = %1Kg</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns; %1 is the greatest normal weight</extracomment>
        <translation> Peso máx.  = %1Kg</translation>
    </message>
    <message>
        <source> Optional = Gain %1Kg</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns; %1 is the weight to gain</extracomment>
        <translation> Opcional: Subir %1Kg</translation>
    </message>
    <message>
        <source> Optional = Lose %1Kg</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns; %1 is the weight to lose</extracomment>
        <translation> Opcional: Bajar %1Kg</translation>
    </message>
    <message>
        <source> Medium Weight = %1Kg</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns; %1 is the medium weight</extracomment>
        <translation> Peso medio = %1Kg</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>Hide Keyb&amp;oard</source>
        <translation>Ocultar te&amp;clado</translation>
    </message>
    <message>
        <source>Show with &amp;Large Font</source>
        <translation>Mostrar con fuente &amp;grande</translation>
    </message>
    <message>
        <source>Start With &amp;Windows</source>
        <extracomment>Starts the calculator when the user logs in to the desktop</extracomment>
        <translation>Iniciar con &amp;Windows</translation>
    </message>
    <message>
        <source>Office &amp;XP menu</source>
        <extracomment>Draws the menus in the style of Office XP (a product name)</extracomment>
        <translation>Menú estilo Office &amp;XP</translation>
    </message>
</context>
<context>
    <name>WindowOptions</name>
    <message>
        <source>Stay on &amp;System Tray when Exit</source>
        <translation>&amp;Permanecer en el área de notificación al salir</translation>
    </message>
    <message>
        <source>&quot;N&amp;umLock&quot; always ON</source>
        <extracomment>Keeps the keyboard&apos;s NumLock switched on; NumLock is the key&apos;s name</extracomment>
        <translation>&quot;N&amp;umLock&quot; siempre ACTIVADO</translation>
    </message>
    <message>
        <source>Always &amp;Visible (On Top)</source>
        <translation>Siempre &amp;visible (en primer plano)</translation>
    </message>
</context>
<context>
    <name>frmCalcula</name>
    <message>
        <source>Tool&amp;s</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>The saved calculation list could not be read, so a new list was started.</source>
        <translation>No se pudo leer la lista de cálculos guardada, así que se inició una lista nueva.</translation>
    </message>
    <message>
        <source>The file was left where it is:<byte value="xd"/>
%1</source>
        <translation>El archivo se dejó donde está:</translation>
    </message>
    <message>
        <source>The file was kept as:<byte value="xd"/>
%1</source>
        <translation>El archivo se conservó como:</translation>
    </message>
    <message>
        <source>Your calculations could not be saved in the file:</source>
        <translation>No se pudieron guardar sus cálculos en el archivo:</translation>
    </message>
    <message>
        <source>They will be saved again at the next total.</source>
        <translation>Se guardarán de nuevo en el próximo total.</translation>
    </message>
    <message>
        <source>Numerette [Aux]</source>
        <extracomment>Title of a second calculator opened from the first; Aux abbreviates &quot;auxiliary&quot;.</extracomment>
        <translation>Numerette [Aux]</translation>
    </message>
    <message>
        <source>The saved calculation could not be read, so its list was kept and a new calculation was started.</source>
        <translation>No se pudo leer el cálculo guardado; se conservó la lista y se empezó un cálculo nuevo.</translation>
    </message>
    <message>
        <source>The saved list was longer than the list can hold; its first calculations were kept in the file:<byte value="xd"/>
%1</source>
        <translation>La lista guardada era más larga de lo que cabe en la lista; sus primeros cálculos se guardaron en el archivo:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>frmData</name>
    <message>
        <source>dd/mm/yyyy</source>
        <extracomment>Tooltip of a date field: the order it is typed in (day, month, year)</extracomment>
        <translation>dd/mm/aaaa</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <extracomment>Tooltip of a date field: the order it is typed in (month, day, year)</extracomment>
        <translation>mm/dd/aaaa</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Años</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Semanas</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>Count years</source>
        <translation>Contar años</translation>
    </message>
    <message>
        <source>Count months</source>
        <translation>Contar meses</translation>
    </message>
    <message>
        <source>Count weeks</source>
        <translation>Contar semanas</translation>
    </message>
    <message>
        <source>Count days</source>
        <translation>Contar días</translation>
    </message>
</context>
<context>
    <name>frmJuro</name>
    <message>
        <source>Digite a quantidade de parcelas entre 01 e 250</source>
        <extracomment>Asks for a number of installments from 01 to 250; the English version shows this Portuguese sentence</extracomment>
        <translation>Ingrese la cantidad de cuotas entre 01 y 250</translation>
    </message>
    <message>
        <source>Erro</source>
        <extracomment>Written into the rate and installment fields when no answer was found; the English version shows this Portuguese word</extracomment>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>frmPeso</name>
    <message>
        <source> Ideal Weight</source>
        <translation> Peso ideal</translation>
    </message>
    <message>
        <source>National Health and Nutrition Examination Survey - by USA - 1976/1980</source>
        <extracomment>Source of the weight bands, under the result</extracomment>
        <translation>Encuesta Nacional de Examen de Salud y Nutrición - EE. UU. - 1976/1980</translation>
    </message>
    <message>
        <source> Your Height </source>
        <extracomment>Tooltip of the height field</extracomment>
        <translation> Su altura </translation>
    </message>
    <message>
        <source> Your Weight </source>
        <extracomment>Tooltip of the weight field</extracomment>
        <translation> Su peso </translation>
    </message>
    <message>
        <source>&amp;Height (m)</source>
        <translation>&amp;Altura (m)</translation>
    </message>
    <message>
        <source>W&amp;eight (Kg)</source>
        <translation>&amp;Peso (Kg)</translation>
    </message>
    <message>
        <source>&amp;Man</source>
        <translation>&amp;Hombre</translation>
    </message>
    <message>
        <source> for man </source>
        <translation> para hombre </translation>
    </message>
    <message>
        <source>&amp;Woman</source>
        <translation>&amp;Mujer</translation>
    </message>
    <message>
        <source> for woman </source>
        <translation> para mujer </translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>Obese &gt;</source>
        <extracomment>Caption of the weight above which one is obese</extracomment>
        <translation>Obeso &gt;</translation>
    </message>
    <message>
        <source>Fat &gt;</source>
        <extracomment>Caption of the weight above which one is fat</extracomment>
        <translation>Gordo &gt;</translation>
    </message>
    <message>
        <source>Overweight &gt;</source>
        <extracomment>Caption of the weight above which one is overweight</extracomment>
        <translation>Sobrepeso &gt;</translation>
    </message>
    <message>
        <source>Medium =</source>
        <extracomment>Caption of the medium (ideal) weight</extracomment>
        <translation>Medio =</translation>
    </message>
    <message>
        <source>Thin &lt;</source>
        <extracomment>Caption of the weight below which one is thin</extracomment>
        <translation>Delgado &lt;</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>scale end</comment>
        <extracomment>Word at the left (thin) end of the weight scale; a short word keeps more tick marks</extracomment>
        <translation>Delgado</translation>
    </message>
    <message>
        <source>Obese</source>
        <comment>scale end</comment>
        <extracomment>Word at the right (obese) end of the weight scale; a short word keeps more tick marks</extracomment>
        <translation>Obeso</translation>
    </message>
    <message>
        <source>Height Invalid!</source>
        <translation>¡Altura no válida!</translation>
    </message>
    <message>
        <source>Weight Invalid!</source>
        <translation>¡Peso no válido!</translation>
    </message>
    <message>
        <source>Result = %1</source>
        <extracomment>Title of the result frame; %1 is the weight class (THIN, NORMAL, OVERWEIGHT, FAT, OBESE)</extracomment>
        <translation>Resultado = %1</translation>
    </message>
    <message>
        <source>Obese above</source>
        <translation>Obeso por encima de</translation>
    </message>
    <message>
        <source>Fat above</source>
        <translation>Gordo por encima de</translation>
    </message>
    <message>
        <source>Overweight above</source>
        <translation>Sobrepeso por encima de</translation>
    </message>
    <message>
        <source>Medium weight</source>
        <translation>Peso medio</translation>
    </message>
    <message>
        <source>Thin below</source>
        <translation>Delgado por debajo de</translation>
    </message>
    <message>
        <source>Weight scale</source>
        <translation>Escala de peso</translation>
    </message>
    <message>
        <source>No result</source>
        <translation>Sin resultado</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Delgado</translation>
    </message>
    <message>
        <source>Normal weight</source>
        <translation>Peso normal</translation>
    </message>
    <message>
        <source>Overweight</source>
        <translation>Sobrepeso</translation>
    </message>
    <message>
        <source>Fat</source>
        <translation>Gordo</translation>
    </message>
    <message>
        <source>Obese</source>
        <translation>Obeso</translation>
    </message>
</context>
<context>
    <name>frmRegra</name>
    <message>
        <source>I&amp;ncognita</source>
        <extracomment>Header of the column that chooses the unknown value; the English version shows this Portuguese word (&quot;unknown&quot;). The mnemonic is dropped when shown</extracomment>
        <translation>I&amp;ncógnita</translation>
    </message>
    <message>
        <source>Quantity, row %1</source>
        <translation>Cantidad, fila %1</translation>
    </message>
    <message>
        <source>Description, row %1</source>
        <translation>Descripción, fila %1</translation>
    </message>
    <message>
        <source>Unknown in row %1</source>
        <translation>Incógnita en la fila %1</translation>
    </message>
    <message>
        <source>New quantity, row %1</source>
        <translation>Nueva cantidad, fila %1</translation>
    </message>
    <message>
        <source>New description, row %1</source>
        <translation>Nueva descripción, fila %1</translation>
    </message>
</context>
<context>
    <name>frmStart</name>
    <message>
        <source>Numerette starting</source>
        <extracomment>Title of the start-up picture in window lists; must differ from the calculator&apos;s title.</extracomment>
        <translation>Iniciando Numerette</translation>
    </message>
</context>
<context>
    <name>frmSysTray</name>
    <message>
        <source>Numerette is installed, so its shortcut is already in the applications menu, under Utilities (or Accessories).

No other shortcut is needed.</source>
        <extracomment>Answer to the Tools menu&apos;s Create Shortcut command when the program is installed; the menu names are those the desktops show.</extracomment>
        <translation>Numerette está instalado, así que su acceso directo ya está en el menú de aplicaciones, en Utilidades (o Accesorios).

No se necesita ningún otro acceso directo.</translation>
    </message>
    <message>
        <source>Numerette FREE</source>
        <extracomment>Tooltip of the notification-area icon: the program&apos;s name and its free edition (free of charge).</extracomment>
        <translation>Numerette GRATIS</translation>
    </message>
    <message>
        <source>Numerette is minimized</source>
        <extracomment>Summary of the desktop notification at a start for the notification area when the desktop has none.</extracomment>
        <translation>Numerette está minimizado</translation>
    </message>
    <message>
        <source>This desktop has no notification area for Numerette&apos;s icon, so the calculator waits minimized instead.
On GNOME the AppIndicator extension (package gnome-shell-extension-appindicator) adds one; Numerette shows its icon there from its next start.</source>
        <translation>Este escritorio no tiene área de notificación para el icono de Numerette; por eso la calculadora espera minimizada.
En GNOME, la extensión AppIndicator (paquete gnome-shell-extension-appindicator) añade una; Numerette muestra su icono en ella a partir de su próximo inicio.</translation>
    </message>
    <message>
        <source>Closing the window minimizes it too, while &quot;Stay on System Tray when Exit&quot; is checked in the Settings menu; uncheck it to end Numerette by closing its window.</source>
        <translation>Cerrar la ventana también la minimiza mientras «Permanecer en el área de notificación al salir» esté marcado en el menú Configuración; desmárquelo para terminar Numerette al cerrar su ventana.</translation>
    </message>
    <message>
        <source>A notification area has appeared</source>
        <extracomment>Summary of the desktop notification when a notification area appears after the calculator was minimized for want of one.</extracomment>
        <translation>Ha aparecido un área de notificación</translation>
    </message>
    <message>
        <source>Numerette shows its icon there from its next start. Until then the calculator keeps waiting minimized when it is closed.</source>
        <translation>Numerette muestra su icono en ella a partir de su próximo inicio. Hasta entonces, la calculadora sigue esperando minimizada cuando se cierra.</translation>
    </message>
</context>
<context>
    <name>numerette::Calculator</name>
    <message>
        <source>NOTE: If HotKeys are activated then CTRL+ALT+ENTER = Calculation&apos;s Total.</source>
        <translation>NOTA: Si las teclas de acceso rápido están activadas, CTRL+ALT+ENTER = Total del cálculo.</translation>
    </message>
</context>
</TS>
