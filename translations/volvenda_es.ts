<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Colours</name>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>rojo oscuro</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrón</translation>
    </message>
    <message>
        <source>light orange</source>
        <translation>naranja claro</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>oliva</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>amarillo claro</translation>
    </message>
    <message>
        <source>lime</source>
        <translation>lima</translation>
    </message>
    <message>
        <source>dark lime</source>
        <translation>lima oscuro</translation>
    </message>
    <message>
        <source>light lime</source>
        <translation>lima claro</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>verde oscuro</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>verde claro</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>verde azulado</translation>
    </message>
    <message>
        <source>dark teal</source>
        <translation>verde azulado oscuro</translation>
    </message>
    <message>
        <source>light teal</source>
        <translation>verde azulado claro</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>azul oscuro</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>azul claro</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>morado</translation>
    </message>
    <message>
        <source>dark purple</source>
        <translation>morado oscuro</translation>
    </message>
    <message>
        <source>light purple</source>
        <translation>morado claro</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>dark magenta</source>
        <translation>magenta oscuro</translation>
    </message>
    <message>
        <source>light magenta</source>
        <translation>magenta claro</translation>
    </message>
    <message>
        <source>black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>gris oscuro</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>gris claro</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>dark greyish %1</source>
        <extracomment>%1 is a colour&apos;s name, such as blue.</extracomment>
        <translation>%1 grisáceo oscuro</translation>
    </message>
    <message>
        <source>light greyish %1</source>
        <translation>%1 grisáceo claro</translation>
    </message>
    <message>
        <source>greyish %1</source>
        <translation>%1 grisáceo</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
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
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>The file cannot be written</source>
        <translation>No se puede escribir el archivo</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>No se pudo escribir el archivo</translation>
    </message>
    <message>
        <source>Run-time error</source>
        <translation>Error en tiempo de ejecución</translation>
    </message>
    <message>
        <source>Bad argument</source>
        <translation>Argumento erróneo</translation>
    </message>
    <message>
        <source>The work is refused</source>
        <translation>Se rechaza el trabajo</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>its folder is sticky (as /tmp is) and the file belongs to someone else, who alone may replace it there</source>
        <translation>su carpeta es «sticky» (como /tmp) y el archivo pertenece a otra persona, la única que puede reemplazarlo ahí</translation>
    </message>
    <message>
        <source>it carries attributes you may not read, which a new file would lose: %1</source>
        <extracomment>%1 is a list of extended attributes&apos; names, such as user.xdg.origin.url.</extracomment>
        <translation>tiene atributos que usted no puede leer y que un archivo nuevo perdería: %1</translation>
    </message>
    <message>
        <source>it has become %1</source>
        <translation>ahora es %1</translation>
    </message>
    <message>
        <source>the file would not be whole</source>
        <translation>el archivo no quedaría completo</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 the reason.</extracomment>
        <translation>no se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>algo que no es un archivo normal</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>no hay nombre de archivo</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>el nombre no es un texto válido</translation>
    </message>
    <message>
        <source>the name holds a null character</source>
        <translation>el nombre contiene un carácter nulo</translation>
    </message>
    <message>
        <source>the name ends in &apos;/&apos;, as a folder&apos;s does</source>
        <translation>el nombre termina en «/», como el de una carpeta</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>su carpeta no existe</translation>
    </message>
    <message>
        <source>it is %1</source>
        <extracomment>%1 is what the file is, such as a folder.</extracomment>
        <translation>se trata de %1</translation>
    </message>
    <message>
        <source>it is a symbolic link to a file that does not exist</source>
        <translation>es un enlace simbólico a un archivo que no existe</translation>
    </message>
    <message>
        <source>it is a symbolic link to %1</source>
        <extracomment>%1 is what the link&apos;s target is, such as a folder.</extracomment>
        <translation>es un enlace simbólico a %1</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>A run without a colour of its own takes the one the window&apos;s Start would pick
at that press, so the same --seed gives the same colours, and fixing one run&apos;s
colour leaves the others&apos; as they were. Radii in FILE are written as on the
command line; its lines may end in LF, CRLF or CR alone, and a byte-order mark
before the first is skipped. A bad line is named by its number, before any
drawing, and shown with spaces other than the plain one as escapes (\u00a0),
cut to about a line of a terminal. A radius beyond a double&apos;s range or too
small for one (1e309, 1e-400; 0 is a number) is refused, and so is -inf, read
as a radius.
</source>
        <translation>Un trazado sin color propio toma el que Iniciar elegiría en la ventana en esa
pulsación, así que el mismo --seed da los mismos colores, y fijar el color de un
trazado deja los de los demás como estaban. Los radios de FILE se escriben como
en la línea de órdenes; sus líneas pueden terminar en LF, CRLF o CR solo, y se
omite una marca de orden de bytes antes de la primera. Una línea errónea se
indica por su número, antes de dibujar nada, y se muestra con los espacios
distintos del normal como secuencias de escape (\u00a0), cortada a más o menos
una línea de terminal. Se rechaza un radio fuera del rango de un double o
demasiado pequeño para él (1e309, 1e-400; 0 es un número), y también -inf, leído
como radio.
</translation>
    </message>
    <message>
        <source>Exit status:
  0 written; 1 a run-time error (&quot;Division by zero&quot;, &quot;Overflow&quot;, naming the
  run when there are several), too much work, too little memory (&quot;Out of
  memory&quot;), nothing to fit, or the file or standard output could not be
  written; 2 a bad argument or line of the runs file, or an output that is not
  a regular file or a new name.
</source>
        <translation>Estado de salida:
  0 escrito; 1 un error en tiempo de ejecución («División por cero»,
  «Desbordamiento», con el trazado si hay varios), demasiado trabajo, muy poca
  memoria («Memoria insuficiente»), nada que recortar, o no se pudo escribir el
  archivo o la salida estándar; 2 un argumento o una línea del archivo de
  trazados erróneos, o una salida que no es un archivo normal ni un nombre
  nuevo.
</translation>
    </message>
    <message>
        <source>Without --fit the picture is the window&apos;s canvas, %1 x %2 pixels. --fit cuts
that canvas to the box of what is drawn on it (all the curves, and the grey
circle unless --no-reference), widths of the strokes included; MARGIN is in
logical pixels, so --scale multiplies it too. What the canvas cuts off stays
cut off. If nothing at all lands on the canvas, there is no picture: the run
fails.
</source>
        <translation>Sin --fit, la imagen es el lienzo de la ventana, de %1 x %2 píxeles. --fit
recorta ese lienzo al recuadro de lo que hay dibujado en él (todas las curvas y
el círculo gris, salvo con --no-reference), incluido el grosor de los trazos;
MARGIN va en píxeles lógicos, así que --scale también lo multiplica. Lo que el
lienzo corta sigue cortado. Si no cae nada en el lienzo, no hay imagen: el
trazado falla.
</translation>
    </message>
    <message>
        <source>Examples:
The window&apos;s first picture with twice as many pixels each way, for a screen
of high density:
  $ %1 -o curve.png --scale 2 120 33 40
</source>
        <translation>Ejemplos:
La primera imagen de la ventana con el doble de píxeles en cada sentido, para
una pantalla de alta densidad:
  $ %1 -o curve.png --scale 2 120 33 40
</translation>
    </message>
    <message>
        <source>The window&apos;s curve drawing itself over four seconds, and again after a
second&apos;s pause, for ever:
  $ %1 -o growing.svg --animate 4 --loop 120 33 40
</source>
        <translation>La curva de la ventana dibujándose durante cuatro segundos, y otra vez tras un
segundo de pausa, sin fin:
  $ %1 -o growing.svg --animate 4 --loop 120 33 40
</translation>
    </message>
    <message>
        <source>Three presses of Start layered over one grey circle, the first two curves in
dark teal and orange, the third in a random colour:
  $ %1 -o layers.png --color 1f6f6a --color e08020 120 33 40 120 -45 80 100 20 60
</source>
        <translation>Tres pulsaciones de Iniciar superpuestas sobre un círculo gris, las dos primeras
curvas en verde azulado oscuro y naranja, la tercera en un color al azar:
  $ %1 -o layers.png --color 1f6f6a --color e08020 120 33 40 120 -45 80 100 20 60
</translation>
    </message>
    <message>
        <source>The window&apos;s first picture at scale 2, cut to the curve and the grey circle
with 8 logical pixels round them:
  $ %1 -o cut.png --fit 8 --scale 2 120 33 40
</source>
        <translation>La primera imagen de la ventana a escala 2, recortada a la curva y al círculo
gris con 8 píxeles lógicos alrededor:
  $ %1 -o cut.png --fit 8 --scale 2 120 33 40
</translation>
    </message>
    <message>
        <source>Usage: %1 [options] R1 R2 R3 [R1 R2 R3 ...]
Draws the epitrochoid of the fixed radius R1, the rolling radius R2 and the pen
distance R3 into a PNG, SVG or GIF file, as the Volvenda window draws it. Each
further three radii are one more press of Start over the same picture, drawn
in order, each curve in a colour of its own; the grey circle is the first R1&apos;s.
</source>
        <extracomment>--help&apos;s paragraphs, each ending in a line break, its lines about as long as the English ones. The options&apos; lines keep the option itself, and what it does in one column after it.</extracomment>
        <translation>Uso: %1 [opciones] R1 R2 R3 [R1 R2 R3 ...]
Dibuja la epitrocoide del radio fijo R1, el radio que rueda R2 y la distancia
del lápiz R3 en un archivo PNG, SVG o GIF, como la dibuja la ventana de
Volvenda. Cada tres radios más son otra pulsación de Iniciar sobre la misma
imagen, dibujadas en orden, cada curva en un color propio; el círculo gris es
el del primer R1.
</translation>
    </message>
    <message>
        <source>FILE is a new name or an existing regular file (or a symbolic link to one),
which is replaced only by a complete new file, keeping its permissions, its
access ACL and user.* attributes, and its owner and group where the writer
may set them (a hard link to the old file keeps the old picture). A file whose
user.* attributes the writer may not read, and so could not keep, is refused
before any work, as is another&apos;s file in a sticky folder such as /tmp, which
only its owner may replace there. A limit on file size (ulimit -f) fails the
run as a full disk does. A run that is killed while it writes may leave a
temporary file beside it, named FILE.XXXXXX (FILE cut to 32 bytes); it can be
deleted. A picture has at most %1 runs, and a runs file at most %2 MB. The
runs together trace at most %3 steps with --until-closed, and a PNG or GIF
picture takes at most about three seconds of drawing, its frames included
(fewer steps at higher scales or with more frames), and %4 pixels a frame;
more is refused before any drawing.
</source>
        <translation>FILE es un nombre nuevo o un archivo normal existente (o un enlace simbólico a
uno), que solo se reemplaza por un archivo nuevo completo, conservando sus
permisos, su ACL de acceso y sus atributos user.*, y su propietario y su grupo
cuando quien escribe puede fijarlos (un enlace físico al archivo antiguo
conserva la imagen antigua). Un archivo cuyos atributos user.* no puede leer
quien escribe, y que por tanto no podría conservar, se rechaza antes de hacer
nada, igual que el archivo de otra persona en una carpeta con el bit sticky como
/tmp, que allí solo puede reemplazar su propietario. Un límite de tamaño de
archivo (ulimit -f) hace fallar el trazado como un disco lleno. Un trazado
interrumpido mientras escribe puede dejar al lado un archivo temporal llamado
FILE.XXXXXX (FILE cortado a 32 bytes); se puede borrar. Una imagen tiene como
mucho %1 trazados, y un archivo de trazados como mucho %2 MB. Con
--until-closed, los trazados recorren juntos como mucho %3 pasos, y una
imagen PNG o GIF lleva como mucho unos tres segundos de dibujo, sus fotogramas
incluidos (menos pasos a escalas mayores o con más fotogramas), y %4
de píxeles por fotograma; lo que pase de ahí se rechaza antes de dibujar.
</translation>
    </message>
    <message>
        <source>The same as a GIF, for a chat or an issue tracker, drawing itself once over
five seconds; with -o growing.png, an animated PNG:
  $ %1 -o growing.gif --animate 5 120 33 40
</source>
        <translation>Lo mismo como GIF, para un chat o un gestor de incidencias, dibujándose una vez
durante cinco segundos; con -o growing.png, un PNG animado:
  $ %1 -o growing.gif --animate 5 120 33 40
</translation>
    </message>
    <message>
        <source>  --page SIZE         SVG for a pen plotter: a page of SIZE, A4, A3, A5, letter or
                      WxH in millimetres (%1 to %2 each way, such as 210x297)
  --margin MM         with --page: the blank margin (0 to %3 mm; default %4)
  --pen MM            with --page: the pen&apos;s width (%5 to %6 mm; default %7)
</source>
        <extracomment>The options for a plotter&apos;s page, which follow the other options in the same columns.</extracomment>
        <translation>  --page SIZE         SVG para un plóter de plumilla: una página de tamaño SIZE,
                      A4, A3, A5, letter o AxA en milímetros (de %1 a %2 cada
                      lado, como 210x297)
  --margin MM         con --page: el margen en blanco (de 0 a %3 mm; por
                      omisión %4)
  --pen MM            con --page: el ancho de la plumilla (de %5 a %6 mm; por
                      omisión %7)
</translation>
    </message>
    <message>
        <source>With --page the picture fills a page for a plotter, in millimetres: the grey
circle (unless --no-reference) in a layer of its own named &apos;% reference circle&apos;,
which plotting software skips, then each run in a layer named by its number in
drawing order and its radii (&apos;1 R1 120 R2 33 R3 40&apos;), one path in its colour,
as wide as the pen, with no fill and no background. The canvas cuts the curves
as in the PNG and SVG pictures; the box of what is left (the lines&apos; middles)
fills the room inside the margins and half the pen, centred, its shape kept.
The margins leave the picture at least %1 mm each way. A page takes no --fit,
--scale or --animate.
</source>
        <translation>Con --page la imagen llena una página para un plóter, en milímetros: el círculo
gris (salvo con --no-reference) en una capa propia llamada
«% círculo de referencia», que los programas de trazado omiten, y luego cada
ejecución en una capa nombrada por su número en el orden de dibujo y sus radios
(«1 R1 120 R2 33 R3 40»), un trazado en su color, tan ancho como la plumilla,
sin relleno ni fondo. El lienzo corta las curvas como en las imágenes PNG y
SVG; el recuadro de lo que queda (el centro de las líneas) llena el espacio
dentro de los márgenes y media plumilla, centrado y con sus proporciones. Los
márgenes dejan a la imagen al menos %1 mm en cada sentido. Una página no admite
--fit, --scale ni --animate.
</translation>
    </message>
    <message>
        <source>The window&apos;s first picture on a page of A4 for a pen plotter, with margins of
20 mm and a pen 0.5 mm wide:
  $ %1 -o plot.svg --page A4 --margin 20 --pen 0.5 120 33 40
</source>
        <translation>La primera imagen de la ventana en una página A4 para un plóter de plumilla, con
márgenes de 20 mm y una plumilla de 0,5 mm de ancho:
  $ %1 -o plot.svg --page A4 --margin 20 --pen 0.5 120 33 40
</translation>
    </message>
    <message>
        <source>Options:
  -o, --output FILE   where to write; the format follows the extension: .png, .svg or .gif
  --color RRGGBB      a curve&apos;s colour (hex), given once for each run given as
                      an argument, in order; a run without one takes a random
                      colour (a runs file gives a run&apos;s colour on its line)
  --seed N            seed the random colours, so the same command gives the same file
  --runs FILE         draw the runs of FILE (- for standard input) after those given
                      as arguments: one a line, R1 R2 R3 and maybe a colour RRGGBB;
                      blank lines and lines that begin with # are skipped; a line
                      &apos;circle R&apos; or &apos;circle none&apos; gives the grey circle instead of
                      the first run&apos;s R1 (the window&apos;s Save Runs As writes such files)
  --scale K           PNG and GIF only: K device pixels per logical pixel (1 to %1; default 1)
  --until-closed      trace each curve on until it closes, instead of stopping where the window stops
  --no-reference      leave out the grey reference circle
  --animate SECONDS   the curves draw themselves one after another, at one pace,
                      over SECONDS together, %2 to %3, in frames of at least
                      %5 ms: an SVG or an animated PNG (a viewer that does not
                      animate shows them finished), or a GIF, which needs it
  --loop              with --animate: draw them again and again, a second apart
  --fit MARGIN        cut to what is drawn, MARGIN pixels (0 to %4) round it
</source>
        <translation>Opciones:
  -o, --output FILE   dónde escribir; el formato sigue a la extensión: .png,
                      .svg o .gif
  --color RRGGBB      el color de una curva (hexadecimal), indicado una vez por
                      cada trazado indicado como argumento, en orden; un trazado
                      sin él toma un color al azar (un archivo de trazados da el
                      color de un trazado en su línea)
  --seed N            fija los colores al azar, para que la misma orden dé el
                      mismo archivo
  --runs FILE         dibuja los trazados de FILE (- para la entrada estándar)
                      después de los indicados como argumentos: uno por línea,
                      R1 R2 R3 y quizá un color RRGGBB; se omiten las líneas
                      vacías y las que empiezan por #; una línea &apos;circle R&apos; o
                      &apos;circle none&apos; da el círculo gris en vez del R1 del primer
                      trazado (Guardar trazados como, de la ventana, escribe
                      esos archivos)
  --scale K           solo PNG y GIF: K píxeles del dispositivo por píxel lógico
                      (de 1 a %1; 1 por omisión)
  --until-closed      sigue cada curva hasta que se cierra, en vez de detenerse
                      donde se detiene la ventana
  --no-reference      omite el círculo gris de referencia
  --animate SECONDS   las curvas se dibujan una tras otra, a un mismo ritmo, en
                      SECONDS en total, de %2 a %3, en fotogramas de al menos
                      %5 ms: un SVG o un PNG animado (un visor que no anima las
                      muestra terminadas), o un GIF, que lo necesita
  --loop              con --animate: las dibuja una y otra vez, con un segundo
                      entre medias
  --fit MARGIN        recorta a lo dibujado, con MARGIN píxeles (de 0 a %4)
                      alrededor
</translation>
    </message>
    <message>
        <source>  -h, --help          show this help
  -v, --version       show the version
</source>
        <extracomment>The last options, in the same columns as the others.</extracomment>
        <translation>  -h, --help          muestra esta ayuda
  -v, --version       muestra la versión
</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>%1: %2; %3</source>
        <extracomment>%1 is the program&apos;s name, %2 the error, %3 what to do about it.</extracomment>
        <translation>%1: %2; %3</translation>
    </message>
    <message>
        <source>%1: cannot write to standard output: %2</source>
        <extracomment>%1 is the program&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>%1: no se puede escribir en la salida estándar: %2</translation>
    </message>
    <message>
        <source>Opens the window through this platform plugin: xcb, wayland, ...</source>
        <translation>Abre la ventana mediante este complemento de plataforma: xcb, wayland, ...</translation>
    </message>
    <message>
        <source>Opens the window on this X display.</source>
        <translation>Abre la ventana en esta pantalla X.</translation>
    </message>
    <message>
        <source>Draws the buttons in this widget style, such as Fusion.</source>
        <translation>Dibuja los botones con este estilo de widgets, como Fusion.</translation>
    </message>
    <message>
        <source>Takes colours and fonts from this platform theme, such as gtk3.</source>
        <translation>Toma los colores y las fuentes de este tema de plataforma, como gtk3.</translation>
    </message>
    <message>
        <source>Opens the window at this place on an X screen, such as +100+50.</source>
        <translation>Abre la ventana en este lugar de una pantalla X, como +100+50.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.</source>
        <extracomment>%1 is the program&apos;s name, %2 what is wrong with its arguments.</extracomment>
        <translation>%1: %2 Pruebe «%1 --help».</translation>
    </message>
    <message>
        <source>Draws epitrochoids: type R1, R2 and R3 and press Start.</source>
        <translation>Dibuja epitrocoides: escriba R1, R2 y R3 y pulse Iniciar.</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Displays the version and exits.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>%1: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); to run it on a virtual X server: sudo apt-get install xvfb xauth &amp;&amp; %2</source>
        <extracomment>%1 is the program&apos;s name, %2 a command to type as it is.</extracomment>
        <translation>%1: no hay ninguna pantalla donde abrir la ventana (no está definida ni DISPLAY ni WAYLAND_DISPLAY); para ejecutarlo en un servidor X virtual: sudo apt-get install xvfb xauth &amp;&amp; %2</translation>
    </message>
    <message>
        <source>%1: %2: the window needs about %3 MB of address space beyond the program itself, and the limit (ulimit -v) leaves %4 MB; raise the limit to open it</source>
        <extracomment>%1 is the program&apos;s name, %2 the error &quot;Out of memory&quot;; %3 and %4 are sizes in megabytes.</extracomment>
        <translation>%1: %2: la ventana necesita unos %3 MB de espacio de direcciones además del propio programa, y el límite (ulimit -v) deja %4 MB; aumente el límite para abrirla</translation>
    </message>
    <message>
        <source>A runs file to open, as Open Runs does: one run a line, R1 R2 R3 RRGGBB.</source>
        <translation>Un archivo de trazados que abrir, como hace «Abrir trazados»: un trazado por línea, R1 R2 R3 RRGGBB.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [FILE]</source>
        <translation>Uso: %1 [opciones] [FILE]</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Grey circle, radius %1.</source>
        <translation>Círculo gris, radio %1.</translation>
    </message>
    <message>
        <source>No grey circle.</source>
        <translation>Sin círculo gris.</translation>
    </message>
    <message>
        <source>%1 No curves.</source>
        <extracomment>%1 says whether there is a grey circle, and how large it is.</extracomment>
        <translation>%1 Ninguna curva.</translation>
    </message>
    <message numerus="yes">
        <source>%1 %n curves: %2.</source>
        <extracomment>%1 says whether there is a grey circle; %2 is the curves, each as said above.</extracomment>
        <translation>
            <numerusform>%1 %n curva: %2.</numerusform>
            <numerusform>%1 %n curvas: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the curves of a list</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 in %2 (%3)</source>
        <extracomment>A curve: %1 its radii (R1 120, R2 33, R3 40), %2 its colour in words, %3 as #rrggbb.</extracomment>
        <translation>%1 en %2 (%3)</translation>
    </message>
    <message>
        <source>%1 in %2 (%3), stopped part-way by &quot;%4&quot;</source>
        <extracomment>As above; %4 is the error that stopped the curve before it was whole.</extracomment>
        <translation>%1 en %2 (%3), interrumpida a medias por «%4»</translation>
    </message>
</context>
<context>
    <name>Plotter</name>
    <message>
        <source>nothing of this picture lands on the canvas, so the page would be blank</source>
        <translation>nada de esta imagen cae en el lienzo, así que la página quedaría en blanco</translation>
    </message>
    <message>
        <source>R1 %1 R2 %2 R3 %3</source>
        <extracomment>A plotter&apos;s layer: the run&apos;s radii, written without commas as plotting software shows layer names.</extracomment>
        <translation>R1 %1 R2 %2 R3 %3</translation>
    </message>
    <message>
        <source>reference circle</source>
        <extracomment>A plotter&apos;s layer that holds the grey circle under the curves, a guide the plotter does not draw.</extracomment>
        <translation>círculo de referencia</translation>
    </message>
</context>
<context>
    <name>Radii</name>
    <message>
        <source>R1 %1, R2 %2, R3 %3</source>
        <extracomment>The three radii of a curve, named as the window&apos;s fields are.</extracomment>
        <translation>R1 %1, R2 %2, R3 %3</translation>
    </message>
</context>
<context>
    <name>Remedies</name>
    <message>
        <source>empty</source>
        <comment>a field with nothing in it</comment>
        <translation>vacío</translation>
    </message>
    <message>
        <source>R1 is %1: the fixed circle needs a radius other than 0.</source>
        <extracomment>%1 is what the field R1 holds, as typed.</extracomment>
        <translation>R1: %1; el círculo fijo necesita un radio distinto de 0.</translation>
    </message>
    <message>
        <source>R1 is %1: a fixed circle so small sends the curve beyond the range of numbers; a larger R1 draws it.</source>
        <translation>R1: %1; un círculo fijo tan pequeño lleva la curva fuera del rango de los números; con un R1 mayor se dibuja.</translation>
    </message>
    <message>
        <source>%1 is %2: the curve would reach beyond the range of single precision (about 3.4e38); smaller numbers draw it.</source>
        <extracomment>%1 is a field&apos;s name, R1, R2 or R3; %2 what it holds.</extracomment>
        <translation>%1: %2; la curva superaría el rango de precisión simple (unos 3.4e38); con números más pequeños se dibuja.</translation>
    </message>
    <message>
        <source>The window goes on with what it has; close other programs to free memory, then try again.</source>
        <translation>La ventana sigue con lo que tiene; cierre otros programas para liberar memoria y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>there is not enough memory for the window&apos;s picture; close other programs to free memory, then open it again</source>
        <translation>no hay memoria suficiente para la imagen de la ventana; cierre otros programas para liberar memoria y vuelva a abrirla</translation>
    </message>
    <message>
        <source>R1 is %1: Clear needs a number there, written as your language settings write numbers, such as %2.</source>
        <extracomment>%2 is a number written as the user&apos;s language settings write it, such as 60.5 or 60,5.</extracomment>
        <translation>R1: %1; Borrar necesita ahí un número, escrito como lo escribe su configuración de idioma, por ejemplo %2.</translation>
    </message>
    <message>
        <source>R1 is %1: Clear needs a number below about 1.8e308.</source>
        <translation>R1: %1; Borrar necesita un número menor que aproximadamente 1.8e308.</translation>
    </message>
</context>
<context>
    <name>Renderer</name>
    <message>
        <source>%1 (see --help)</source>
        <extracomment>%1 says what is wrong with the arguments.</extracomment>
        <translation>%1 (consulte --help)</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>drawing</source>
        <translation>dibujando</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>escribiendo</translation>
    </message>
    <message>
        <source>%1 is out of range: %2</source>
        <extracomment>%1 names a radius (R1, R2 or R3), %2 is what was given for it.</extracomment>
        <translation>%1 está fuera del rango de los números: %2</translation>
    </message>
    <message>
        <source>%1 is not a number: %2</source>
        <translation>%1 no es un número: %2</translation>
    </message>
    <message>
        <source>%1 of run %2</source>
        <extracomment>A radius&apos;s name, R1, R2 or R3, and the number of the run it is of.</extracomment>
        <translation>%1 del trazado %2</translation>
    </message>
    <message>
        <source>%1 takes six hex digits RRGGBB, not %2</source>
        <extracomment>%1 names the colour (--color, or the colour of a runs file&apos;s line), %2 is what was given.</extracomment>
        <translation>%1 requiere seis dígitos hexadecimales RRGGBB, no %2</translation>
    </message>
    <message>
        <source>--fit takes a margin in whole pixels from 0 to %1, not %2</source>
        <translation>--fit requiere un margen en píxeles enteros de 0 a %1, no %2</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>the output file&apos;s name is not UTF-8 text: %1</source>
        <translation>el nombre del archivo de salida no es texto UTF-8: %1</translation>
    </message>
    <message>
        <source>--runs needs a file name, or - for standard input</source>
        <translation>--runs necesita un nombre de archivo, o - para la entrada estándar</translation>
    </message>
    <message>
        <source>--runs is given once, not again with %1</source>
        <translation>--runs se indica una sola vez, no otra vez con %1</translation>
    </message>
    <message>
        <source>--scale takes a whole number from 1 to %1, not %2</source>
        <translation>--scale requiere un número entero de 1 a %1, no %2</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 no admite ningún valor</translation>
    </message>
    <message>
        <source>three radii are needed, R1 R2 R3; %1 given</source>
        <translation>se necesitan tres radios, R1 R2 R3; se han indicado: %1</translation>
    </message>
    <message>
        <source>three radii are needed for each run, R1 R2 R3; %1 given</source>
        <translation>se necesitan tres radios por trazado, R1 R2 R3; se han indicado: %1</translation>
    </message>
    <message>
        <source>%1 runs are more than the limit of %2</source>
        <translation>%1 trazados superan el límite de %2</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <extracomment>How often --color is given: once, twice, 3 times.</extracomment>
        <translation>
            <numerusform>una vez</numerusform>
            <numerusform>%n veces</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n runs</source>
        <translation>
            <numerusform>%n trazado</numerusform>
            <numerusform>%n trazados</numerusform>
        </translation>
    </message>
    <message>
        <source>more colours than runs: --color given %1, for %2 given as arguments; it colours only those, and a run of the --runs file has its colour on its line</source>
        <translation>más colores que trazados: --color indicado %1, para %2 indicados como argumentos; solo colorea esos, y un trazado del archivo de --runs lleva su color en su línea</translation>
    </message>
    <message>
        <source>more colours than runs: --color given %1, for %2</source>
        <translation>más colores que trazados: --color indicado %1, para %2</translation>
    </message>
    <message>
        <source>--loop repeats an animation: it needs --animate</source>
        <translation>--loop repite una animación: necesita --animate</translation>
    </message>
    <message>
        <source>%1 billion</source>
        <extracomment>A number of pixels, such as 1.5 billion; %1 is written with a period.</extracomment>
        <translation>%1 mil millones</translation>
    </message>
    <message>
        <source>%1 million</source>
        <translation>%1 millones</translation>
    </message>
    <message>
        <source>run %1 (%2)</source>
        <extracomment>%1 is the run&apos;s number, %2 its radii.</extracomment>
        <translation>trazado %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 names a run, %2 why it is refused.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>R1 and R2 have too many digits to work out where the curve closes</source>
        <translation>R1 y R2 tienen demasiadas cifras para calcular dónde se cierra la curva</translation>
    </message>
    <message>
        <source>closing this curve needs %1 steps, more than the limit of %2</source>
        <translation>cerrar esta curva requiere %1 pasos, más que el límite de %2</translation>
    </message>
    <message>
        <source>the %1 runs take %2 steps together, more than the limit of %3</source>
        <translation>los %1 trazados requieren juntos %2 pasos, más que el límite de %3</translation>
    </message>
    <message>
        <source>nothing of this picture lands on the canvas, so --fit has nothing to cut it to</source>
        <translation>nada de esta imagen cae en el lienzo, así que --fit no tiene a qué recortarla</translation>
    </message>
    <message>
        <source>the picture at scale %1 would be %2 x %3 pixels, more than the limit of %4 pixels; a smaller --fit margin or a lower --scale takes less</source>
        <translation>la imagen a escala %1 tendría %2 x %3 píxeles, más que el límite de %4 píxeles; un margen de --fit menor o un --scale más bajo requiere menos</translation>
    </message>
    <message>
        <source>fewer runs take less</source>
        <translation>menos trazados requieren menos</translation>
    </message>
    <message>
        <source>a lower --scale takes less</source>
        <translation>un --scale más bajo requiere menos</translation>
    </message>
    <message>
        <source>without --until-closed the curves stop sooner</source>
        <translation>sin --until-closed las curvas se detienen antes</translation>
    </message>
    <message>
        <source>without --until-closed the curve stops sooner</source>
        <translation>sin --until-closed la curva se detiene antes</translation>
    </message>
    <message>
        <source>drawing these curves at scale %1 means sweeping about %2 pixels, more than the limit of %3; %4</source>
        <translation>dibujar estas curvas a escala %1 supone recorrer unos %2 píxeles, más que el límite de %3; %4</translation>
    </message>
    <message>
        <source>drawing this curve at scale %1 means sweeping about %2 pixels, more than the limit of %3; %4</source>
        <translation>dibujar esta curva a escala %1 supone recorrer unos %2 píxeles, más que el límite de %3; %4</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>la entrada estándar</translation>
    </message>
    <message>
        <source>%1 holds no runs, and none are given as arguments</source>
        <translation>%1 no contiene trazados, y no se indica ninguno como argumento</translation>
    </message>
    <message>
        <source>--animate takes seconds from %1 to %2, such as 2.5, not %3</source>
        <translation>--animate requiere segundos de %1 a %2, como 2.5, no %3</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0 to %1, not %2</source>
        <translation>--seed requiere un número entero de 0 a %1, no %2</translation>
    </message>
    <message>
        <source>%1: %2 %3%</source>
        <extracomment>A render&apos;s progress: %1 is the program&apos;s name, %2 what it is doing (drawing, writing), %3 how far, in percent.</extracomment>
        <translation>%1: %2 %3 %</translation>
    </message>
    <message>
        <source>no output file: give one with -o FILE.png, -o FILE.svg or -o FILE.gif</source>
        <translation>no hay archivo de salida: indique uno con -o ARCHIVO.png, -o ARCHIVO.svg o -o ARCHIVO.gif</translation>
    </message>
    <message>
        <source>the output file must end in .png, .svg or .gif: &apos;%1&apos;</source>
        <translation>el archivo de salida debe terminar en .png, .svg o .gif: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--scale applies to PNG and GIF output only</source>
        <translation>--scale solo se aplica a la salida PNG o GIF</translation>
    </message>
    <message>
        <source>a GIF is written as an animation: give --animate SECONDS (a still picture is best as .png)</source>
        <translation>un GIF se escribe como animación: indique --animate SEGUNDOS (una imagen fija queda mejor como .png)</translation>
    </message>
    <message>
        <source>a frame of the GIF would draw %1 colours, more than the %2 a frame holds; a longer --animate spreads the runs over more frames</source>
        <translation>un fotograma del GIF dibujaría %1 colores, más que los %2 que admite un fotograma; un --animate más largo reparte los trazados en más fotogramas</translation>
    </message>
    <message>
        <source>drawing and writing the %1 frames at scale %2 means about %3 pixels of work, more than the limit of %4; %5</source>
        <translation>dibujar y escribir los %1 fotogramas a escala %2 supone unos %3 píxeles de trabajo, más que el límite de %4; %5</translation>
    </message>
    <message>
        <source>--page takes A4, A3, A5, letter or WIDTHxHEIGHT in millimetres, each from %1 to %2, such as 210x297, not %3</source>
        <translation>--page admite A4, A3, A5, letter o ANCHOxALTO en milímetros, cada uno de %1 a %2, como 210x297, no %3</translation>
    </message>
    <message>
        <source>--margin takes millimetres from 0 to %1, such as 15, not %2</source>
        <translation>--margin admite milímetros de 0 a %1, como 15, no %2</translation>
    </message>
    <message>
        <source>--pen takes a width in millimetres from %1 to %2, such as 0.3, not %3</source>
        <translation>--pen admite un ancho en milímetros de %1 a %2, como 0.3, no %3</translation>
    </message>
    <message>
        <source>%1 is for a plotter&apos;s page: it needs --page</source>
        <translation>%1 es para una página de plóter: necesita --page</translation>
    </message>
    <message>
        <source>--page applies to SVG output only</source>
        <translation>--page solo se aplica a la salida SVG</translation>
    </message>
    <message>
        <source>--page fills the page with what is drawn: it takes no --fit</source>
        <translation>--page llena la página con lo dibujado: no admite --fit</translation>
    </message>
    <message>
        <source>--page sizes the picture in millimetres: it takes no --scale</source>
        <translation>--page mide la imagen en milímetros: no admite --scale</translation>
    </message>
    <message>
        <source>--page is for plotters, which draw a still picture: it takes no --animate</source>
        <translation>--page es para plóteres, que dibujan una imagen fija: no admite --animate</translation>
    </message>
    <message>
        <source>margins of %1 mm and a pen of %2 mm leave %3 mm of the %4 x %5 mm page for the picture, less than %6 mm; smaller margins, a thinner pen or a larger page leave more</source>
        <translation>unos márgenes de %1 mm y una plumilla de %2 mm dejan a la imagen %3 mm de la página de %4 x %5 mm, menos de %6 mm; unos márgenes menores, una plumilla más fina o una página mayor dejan más</translation>
    </message>
    <message>
        <source>another --animate takes less: a shorter one fewer frames, a longer one smaller ones</source>
        <translation>otro --animate requiere menos: uno más corto, menos fotogramas; uno más largo, fotogramas más pequeños</translation>
    </message>
</context>
<context>
    <name>Runs</name>
    <message>
        <source>the picture has one circle, given as &apos;circle R&apos; or &apos;circle none&apos;, not %1</source>
        <translation>la imagen tiene un solo círculo, indicado como &apos;circle R&apos; o &apos;circle none&apos;, no %1</translation>
    </message>
    <message>
        <source>the circle&apos;s radius</source>
        <translation>el radio del círculo</translation>
    </message>
    <message>
        <source>a run is R1 R2 R3 and maybe a colour RRGGBB, not %1</source>
        <translation>un trazado es R1 R2 R3 y quizá un color RRGGBB, no %1</translation>
    </message>
    <message>
        <source>the runs are more than the limit of %1</source>
        <translation>los trazados superan el límite de %1</translation>
    </message>
    <message>
        <source>the colour</source>
        <translation>el color</translation>
    </message>
    <message>
        <source>line %1 of %2: %3</source>
        <translation>línea %1 de %2: %3</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, the limit for a runs file</source>
        <translation>%1 supera %2 MB, el límite de un archivo de trazados</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Guardar imagen como</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>%1 is a file&apos;s name.</extracomment>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Save Runs As</source>
        <translation>Guardar trazados como</translation>
    </message>
    <message>
        <source>Open Runs</source>
        <translation>Abrir trazados</translation>
    </message>
    <message>
        <source>Volvenda runs (*.%1)</source>
        <translation>Trazados de Volvenda (*.%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>%1. Return presses it; Space ends the program.</source>
        <extracomment>A button&apos;s description: %1 says what it does.</extracomment>
        <translation>%1. Intro lo pulsa; Espacio cierra el programa.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A button 57 pixels wide.</extracomment>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>traces the curve of R1, R2 and R3 over the picture, in a new colour</source>
        <translation>traza la curva de R1, R2 y R3 sobre la imagen, en un color nuevo</translation>
    </message>
    <message>
        <source>radius of the fixed circle</source>
        <translation>radio del círculo fijo</translation>
    </message>
    <message>
        <source>radius of the rolling circle; negative rolls it inside</source>
        <translation>radio del círculo que rueda; si es negativo, rueda por dentro</translation>
    </message>
    <message>
        <source>distance of the pen from the rolling circle&apos;s centre</source>
        <translation>distancia del lápiz al centro del círculo que rueda</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>A button 49 pixels wide.</extracomment>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>wipes the picture and draws the grey circle of radius R1 again</source>
        <translation>borra la imagen y vuelve a dibujar el círculo gris de radio R1</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button 41 pixels wide.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>ends the program</source>
        <translation>cierra el programa</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copiar imagen</translation>
    </message>
    <message>
        <source>&amp;Save Picture As…</source>
        <translation>&amp;Guardar imagen como…</translation>
    </message>
    <message numerus="yes">
        <source>%n items: %1</source>
        <extracomment>What a menu holds: %1 is its items&apos; names, each after the list&apos;s separator.</extracomment>
        <translation>
            <numerusform>%n elemento: %1</numerusform>
            <numerusform>%n elementos: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the items of a list</comment>
        <translation>, </translation>
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
        <source>&amp;Open Runs…</source>
        <translation>A&amp;brir trazados…</translation>
    </message>
    <message>
        <source>Save &amp;Runs As…</source>
        <translation>Guardar &amp;trazados como…</translation>
    </message>
    <message>
        <source>%1 holds no runs</source>
        <translation>%1 no contiene trazados</translation>
    </message>
    <message>
        <source>The picture stays as it was.</source>
        <translation>La imagen sigue como estaba.</translation>
    </message>
</context>
<context>
    <name>Writing</name>
    <message>
        <source>a frame of the GIF would hold more colours than it can</source>
        <translation>un fotograma del GIF tendría más colores de los que admite</translation>
    </message>
</context>
</TS>
