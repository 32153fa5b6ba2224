<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Colours</name>
    <message>
        <source>red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>light orange</source>
        <translation>Hellorange</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>Hellgelb</translation>
    </message>
    <message>
        <source>lime</source>
        <translation>Limettengrün</translation>
    </message>
    <message>
        <source>dark lime</source>
        <translation>dunkles Limettengrün</translation>
    </message>
    <message>
        <source>light lime</source>
        <translation>helles Limettengrün</translation>
    </message>
    <message>
        <source>green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>dark teal</source>
        <translation>dunkles Blaugrün</translation>
    </message>
    <message>
        <source>light teal</source>
        <translation>helles Blaugrün</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>dark purple</source>
        <translation>Dunkellila</translation>
    </message>
    <message>
        <source>light purple</source>
        <translation>Helllila</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>dark magenta</source>
        <translation>Dunkelmagenta</translation>
    </message>
    <message>
        <source>light magenta</source>
        <translation>Hellmagenta</translation>
    </message>
    <message>
        <source>black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>white</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>dark greyish %1</source>
        <extracomment>%1 is a colour&apos;s name, such as blue.</extracomment>
        <translation>dunkles gräuliches %1</translation>
    </message>
    <message>
        <source>light greyish %1</source>
        <translation>helles gräuliches %1</translation>
    </message>
    <message>
        <source>greyish %1</source>
        <translation>gräuliches %1</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch Null</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>The file cannot be written</source>
        <translation>Die Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Run-time error</source>
        <translation>Laufzeitfehler</translation>
    </message>
    <message>
        <source>Bad argument</source>
        <translation>Fehlerhaftes Argument</translation>
    </message>
    <message>
        <source>The work is refused</source>
        <translation>Die Arbeit wird abgelehnt</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>its folder is sticky (as /tmp is) and the file belongs to someone else, who alone may replace it there</source>
        <translation>sein Ordner ist „sticky“ (wie /tmp), und die Datei gehört jemand anderem, der allein sie dort ersetzen darf</translation>
    </message>
    <message>
        <source>it carries attributes you may not read, which a new file would lose: %1</source>
        <extracomment>%1 is a list of extended attributes&apos; names, such as user.xdg.origin.url.</extracomment>
        <translation>sie trägt Attribute, die Sie nicht lesen dürfen und die eine neue Datei verlöre: %1</translation>
    </message>
    <message>
        <source>it has become %1</source>
        <translation>es ist inzwischen %1</translation>
    </message>
    <message>
        <source>the file would not be whole</source>
        <translation>die Datei wäre nicht vollständig</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 the reason.</extracomment>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>kein Dateiname</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>der Name ist kein gültiger Text</translation>
    </message>
    <message>
        <source>the name holds a null character</source>
        <translation>der Name enthält ein Nullzeichen</translation>
    </message>
    <message>
        <source>the name ends in &apos;/&apos;, as a folder&apos;s does</source>
        <translation>der Name endet wie ein Ordnername auf „/“</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>sein Ordner existiert nicht</translation>
    </message>
    <message>
        <source>it is %1</source>
        <extracomment>%1 is what the file is, such as a folder.</extracomment>
        <translation>es ist %1</translation>
    </message>
    <message>
        <source>it is a symbolic link to a file that does not exist</source>
        <translation>es ist ein symbolischer Link auf eine Datei, die es nicht gibt</translation>
    </message>
    <message>
        <source>it is a symbolic link to %1</source>
        <extracomment>%1 is what the link&apos;s target is, such as a folder.</extracomment>
        <translation>es ist ein symbolischer Link, dessen Ziel %1 ist</translation>
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
        <translation>Ein Lauf ohne eigene Farbe bekommt die, die Start im Fenster bei diesem Druck
wählen würde, sodass dasselbe --seed dieselben Farben ergibt und das Festlegen
der Farbe eines Laufs die der anderen unverändert lässt. Radien in FILE werden
wie auf der Befehlszeile geschrieben; ihre Zeilen dürfen auf LF, CRLF oder CR
allein enden, und eine Bytereihenfolge-Markierung vor der ersten wird
übersprungen. Eine fehlerhafte Zeile wird vor jedem Zeichnen mit ihrer Nummer
genannt und gezeigt, Leerzeichen außer dem einfachen als Escape-Folgen (\u00a0),
gekürzt auf etwa eine Terminalzeile. Ein Radius jenseits des Bereichs eines
double oder zu klein dafür (1e309, 1e-400; 0 ist eine Zahl) wird abgelehnt,
ebenso -inf, als Radius gelesen.
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
        <translation>Rückgabewert:
  0 geschrieben; 1 ein Laufzeitfehler („Division durch Null“, „Überlauf“, mit
  dem Lauf, wenn es mehrere gibt), zu viel Arbeit, zu wenig Speicher („Nicht
  genügend Arbeitsspeicher“), nichts zum Zuschneiden, oder die Datei oder die
  Standardausgabe konnte nicht geschrieben werden; 2 ein fehlerhaftes Argument
  oder eine fehlerhafte Zeile der Lauf-Datei, oder eine Ausgabe, die weder eine
  reguläre Datei noch ein neuer Name ist.
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
        <translation>Ohne --fit ist das Bild die Leinwand des Fensters, %1 x %2 Pixel. --fit
schneidet diese Leinwand auf den Rahmen dessen zu, was darauf gezeichnet ist
(alle Kurven und der graue Kreis, außer mit --no-reference), die Breite der
Striche eingeschlossen; MARGIN ist in logischen Pixeln, also vervielfacht
--scale ihn auch. Was die Leinwand abschneidet, bleibt abgeschnitten. Landet gar
nichts auf der Leinwand, gibt es kein Bild: Der Lauf schlägt fehl.
</translation>
    </message>
    <message>
        <source>Examples:
The window&apos;s first picture with twice as many pixels each way, for a screen
of high density:
  $ %1 -o curve.png --scale 2 120 33 40
</source>
        <translation>Beispiele:
Das erste Bild des Fensters mit doppelt so vielen Pixeln in jeder Richtung, für
einen Bildschirm hoher Dichte:
  $ %1 -o curve.png --scale 2 120 33 40
</translation>
    </message>
    <message>
        <source>The window&apos;s curve drawing itself over four seconds, and again after a
second&apos;s pause, for ever:
  $ %1 -o growing.svg --animate 4 --loop 120 33 40
</source>
        <translation>Die Kurve des Fensters, die sich über vier Sekunden zeichnet und nach einer
Sekunde Pause wieder, endlos:
  $ %1 -o growing.svg --animate 4 --loop 120 33 40
</translation>
    </message>
    <message>
        <source>Three presses of Start layered over one grey circle, the first two curves in
dark teal and orange, the third in a random colour:
  $ %1 -o layers.png --color 1f6f6a --color e08020 120 33 40 120 -45 80 100 20 60
</source>
        <translation>Drei Drucke auf Start über einem grauen Kreis, die ersten beiden Kurven in
dunklem Blaugrün und Orange, die dritte in einer zufälligen Farbe:
  $ %1 -o layers.png --color 1f6f6a --color e08020 120 33 40 120 -45 80 100 20 60
</translation>
    </message>
    <message>
        <source>The window&apos;s first picture at scale 2, cut to the curve and the grey circle
with 8 logical pixels round them:
  $ %1 -o cut.png --fit 8 --scale 2 120 33 40
</source>
        <translation>Das erste Bild des Fensters bei Maßstab 2, zugeschnitten auf die Kurve und den
grauen Kreis mit 8 logischen Pixeln ringsum:
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
        <translation>Aufruf: %1 [Optionen] R1 R2 R3 [R1 R2 R3 ...]
Zeichnet die Epitrochoide des festen Radius R1, des rollenden Radius R2 und
des Stiftabstands R3 in eine PNG-, SVG- oder GIF-Datei, so wie das
Volvenda-Fenster sie zeichnet. Jeweils drei weitere Radien sind ein weiterer
Druck auf Start über demselben Bild, der Reihe nach gezeichnet, jede Kurve in
einer eigenen Farbe; der graue Kreis ist der des ersten R1.
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
        <translation>FILE ist ein neuer Name oder eine vorhandene reguläre Datei (oder ein
symbolischer Link darauf), die nur durch eine vollständige neue Datei ersetzt
wird; ihre Rechte, ihre Zugriffs-ACL und ihre user.*-Attribute bleiben erhalten,
ihr Besitzer und ihre Gruppe, soweit der Schreibende sie setzen darf (ein harter
Link auf die alte Datei behält das alte Bild). Eine Datei, deren
user.*-Attribute der Schreibende nicht lesen darf und so nicht erhalten könnte,
wird vor jeder Arbeit abgelehnt, ebenso die Datei eines anderen in einem Ordner
mit Sticky-Bit wie /tmp, die dort nur ihr Besitzer ersetzen darf. Eine Grenze
der Dateigröße (ulimit -f) lässt den Lauf scheitern wie eine volle Platte. Ein
Lauf, der beim Schreiben abgebrochen wird, kann daneben eine temporäre Datei
namens FILE.XXXXXX hinterlassen (FILE auf 32 Bytes gekürzt); sie kann gelöscht
werden. Ein Bild hat höchstens %1 Läufe, eine Lauf-Datei höchstens %2 MB. Die
Läufe zeichnen mit --until-closed zusammen höchstens %3 Schritte, und ein
PNG- oder GIF-Bild braucht höchstens etwa drei Sekunden Zeichnen, seine
Einzelbilder eingeschlossen (weniger Schritte bei höherem Maßstab oder mehr
Einzelbildern), und %4 Pixel je Einzelbild; mehr wird vor jedem
Zeichnen abgelehnt.
</translation>
    </message>
    <message>
        <source>The same as a GIF, for a chat or an issue tracker, drawing itself once over
five seconds; with -o growing.png, an animated PNG:
  $ %1 -o growing.gif --animate 5 120 33 40
</source>
        <translation>Dasselbe als GIF, für einen Chat oder einen Issue-Tracker, das sich einmal über
fünf Sekunden zeichnet; mit -o growing.png ein animiertes PNG:
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
        <translation>  --page SIZE         SVG für einen Stiftplotter: eine Seite der Größe SIZE, A4,
                      A3, A5, letter oder BxH in Millimetern (je %1 bis %2,
                      etwa 210x297)
  --margin MM         mit --page: der leere Rand (0 bis %3 mm; Vorgabe %4)
  --pen MM            mit --page: die Breite des Stifts (%5 bis %6 mm;
                      Vorgabe %7)
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
        <translation>Mit --page füllt das Bild eine Seite für einen Plotter, in Millimetern: der
graue Kreis (außer mit --no-reference) in einer eigenen Ebene namens
„% Bezugskreis“, die Plotprogramme auslassen, dann jeder Lauf in einer Ebene,
benannt nach seiner Nummer in der Zeichenfolge und seinen Radien
(„1 R1 120 R2 33 R3 40“), ein Pfad in seiner Farbe, so breit wie der Stift,
ohne Füllung und ohne Hintergrund. Die Leinwand schneidet die Kurven ab wie in
den PNG- und SVG-Bildern; der Rahmen des Übrigen (die Mitten der Linien)
füllt den Platz innerhalb der Ränder und eines halben Stifts, mittig, mit
gleichem Seitenverhältnis. Die Ränder lassen dem Bild in jeder Richtung
mindestens %1 mm. Eine Seite nimmt kein --fit, --scale oder --animate.
</translation>
    </message>
    <message>
        <source>The window&apos;s first picture on a page of A4 for a pen plotter, with margins of
20 mm and a pen 0.5 mm wide:
  $ %1 -o plot.svg --page A4 --margin 20 --pen 0.5 120 33 40
</source>
        <translation>Das erste Bild des Fensters auf einer A4-Seite für einen Stiftplotter, mit
Rändern von 20 mm und einem 0,5 mm breiten Stift:
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
        <translation>Optionen:
  -o, --output FILE   wohin geschrieben wird; das Format folgt der Endung: .png,
                      .svg oder .gif
  --color RRGGBB      die Farbe einer Kurve (hexadezimal), einmal für jeden als
                      Argument angegebenen Lauf, der Reihe nach; ein Lauf ohne
                      sie bekommt eine zufällige Farbe (eine Lauf-Datei gibt die
                      Farbe eines Laufs auf seiner Zeile an)
  --seed N            die Zufallsfarben festlegen, sodass derselbe Befehl
                      dieselbe Datei ergibt
  --runs FILE         die Läufe aus FILE (- für die Standardeingabe) nach den
                      als Argumente angegebenen zeichnen: einer pro Zeile, R1 R2
                      R3 und vielleicht eine Farbe RRGGBB; leere Zeilen und
                      Zeilen, die mit # beginnen, werden übersprungen; eine
                      Zeile &apos;circle R&apos; oder &apos;circle none&apos; gibt den grauen Kreis
                      statt des R1 des ersten Laufs an (Läufe speichern unter im
                      Fenster schreibt solche Dateien)
  --scale K           nur PNG und GIF: K Gerätepixel je logischem Pixel (1 bis
                      %1; Vorgabe 1)
  --until-closed      jede Kurve weiterzeichnen, bis sie sich schließt, statt
                      dort aufzuhören, wo das Fenster aufhört
  --no-reference      den grauen Bezugskreis weglassen
  --animate SECONDS   die Kurven zeichnen sich nacheinander, in einem Tempo,
                      zusammen über SECONDS, %2 bis %3, in Einzelbildern von
                      mindestens %5 ms: ein SVG oder ein animiertes PNG (ein
                      Betrachter, der nicht animiert, zeigt sie fertig) oder ein
                      GIF, für das es nötig ist
  --loop              mit --animate: sie immer wieder zeichnen, mit einer
                      Sekunde Pause
  --fit MARGIN        auf das Gezeichnete zuschneiden, mit MARGIN Pixeln (0 bis
                      %4) ringsum
</translation>
    </message>
    <message>
        <source>  -h, --help          show this help
  -v, --version       show the version
</source>
        <extracomment>The last options, in the same columns as the others.</extracomment>
        <translation>  -h, --help          diese Hilfe zeigen
  -v, --version       die Version zeigen
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
        <translation>%1: Schreiben auf die Standardausgabe nicht möglich: %2</translation>
    </message>
    <message>
        <source>Opens the window through this platform plugin: xcb, wayland, ...</source>
        <translation>Öffnet das Fenster über dieses Plattform-Plugin: xcb, wayland, ...</translation>
    </message>
    <message>
        <source>Opens the window on this X display.</source>
        <translation>Öffnet das Fenster auf dieser X-Anzeige.</translation>
    </message>
    <message>
        <source>Draws the buttons in this widget style, such as Fusion.</source>
        <translation>Zeichnet die Knöpfe in diesem Widget-Stil, etwa Fusion.</translation>
    </message>
    <message>
        <source>Takes colours and fonts from this platform theme, such as gtk3.</source>
        <translation>Übernimmt Farben und Schriften aus diesem Plattform-Thema, etwa gtk3.</translation>
    </message>
    <message>
        <source>Opens the window at this place on an X screen, such as +100+50.</source>
        <translation>Öffnet das Fenster an dieser Stelle eines X-Bildschirms, etwa +100+50.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.</source>
        <extracomment>%1 is the program&apos;s name, %2 what is wrong with its arguments.</extracomment>
        <translation>%1: %2 Siehe „%1 --help“.</translation>
    </message>
    <message>
        <source>Draws epitrochoids: type R1, R2 and R3 and press Start.</source>
        <translation>Zeichnet Epitrochoiden: R1, R2 und R3 eingeben und Start drücken.</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>Zeigt diese Hilfe an und beendet sich.</translation>
    </message>
    <message>
        <source>Displays the version and exits.</source>
        <translation>Zeigt die Version an und beendet sich.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>%1: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); to run it on a virtual X server: sudo apt-get install xvfb xauth &amp;&amp; %2</source>
        <extracomment>%1 is the program&apos;s name, %2 a command to type as it is.</extracomment>
        <translation>%1: keine Anzeige, auf der sich das Fenster öffnen ließe (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt); um es auf einem virtuellen X-Server auszuführen: sudo apt-get install xvfb xauth &amp;&amp; %2</translation>
    </message>
    <message>
        <source>%1: %2: the window needs about %3 MB of address space beyond the program itself, and the limit (ulimit -v) leaves %4 MB; raise the limit to open it</source>
        <extracomment>%1 is the program&apos;s name, %2 the error &quot;Out of memory&quot;; %3 and %4 are sizes in megabytes.</extracomment>
        <translation>%1: %2: Das Fenster braucht über das Programm selbst hinaus etwa %3 MB Adressraum, und die Grenze (ulimit -v) lässt %4 MB; heben Sie die Grenze an, um es zu öffnen</translation>
    </message>
    <message>
        <source>A runs file to open, as Open Runs does: one run a line, R1 R2 R3 RRGGBB.</source>
        <translation>Eine Lauf-Datei zum Öffnen, wie „Läufe öffnen“ sie öffnet: ein Lauf pro Zeile, R1 R2 R3 RRGGBB.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [FILE]</source>
        <translation>Aufruf: %1 [Optionen] [FILE]</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Grey circle, radius %1.</source>
        <translation>Grauer Kreis, Radius %1.</translation>
    </message>
    <message>
        <source>No grey circle.</source>
        <translation>Kein grauer Kreis.</translation>
    </message>
    <message>
        <source>%1 No curves.</source>
        <extracomment>%1 says whether there is a grey circle, and how large it is.</extracomment>
        <translation>%1 Keine Kurven.</translation>
    </message>
    <message numerus="yes">
        <source>%1 %n curves: %2.</source>
        <extracomment>%1 says whether there is a grey circle; %2 is the curves, each as said above.</extracomment>
        <translation>
            <numerusform>%1 %n Kurve: %2.</numerusform>
            <numerusform>%1 %n Kurven: %2.</numerusform>
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
        <translation>%1, Farbe: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 in %2 (%3), stopped part-way by &quot;%4&quot;</source>
        <extracomment>As above; %4 is the error that stopped the curve before it was whole.</extracomment>
        <translation>%1, Farbe: %2 (%3), unterwegs abgebrochen durch „%4“</translation>
    </message>
</context>
<context>
    <name>Plotter</name>
    <message>
        <source>nothing of this picture lands on the canvas, so the page would be blank</source>
        <translation>nichts von diesem Bild liegt auf der Leinwand, die Seite bliebe also leer</translation>
    </message>
    <message>
        <source>R1 %1 R2 %2 R3 %3</source>
        <extracomment>A plotter&apos;s layer: the run&apos;s radii, written without commas as plotting software shows layer names.</extracomment>
        <translation>R1 %1 R2 %2 R3 %3</translation>
    </message>
    <message>
        <source>reference circle</source>
        <extracomment>A plotter&apos;s layer that holds the grey circle under the curves, a guide the plotter does not draw.</extracomment>
        <translation>Bezugskreis</translation>
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
        <translation>leer</translation>
    </message>
    <message>
        <source>R1 is %1: the fixed circle needs a radius other than 0.</source>
        <extracomment>%1 is what the field R1 holds, as typed.</extracomment>
        <translation>R1 ist %1: Der feste Kreis braucht einen anderen Radius als 0.</translation>
    </message>
    <message>
        <source>R1 is %1: a fixed circle so small sends the curve beyond the range of numbers; a larger R1 draws it.</source>
        <translation>R1 ist %1: Ein so kleiner fester Kreis treibt die Kurve über den Zahlenbereich hinaus; mit einem größeren R1 wird sie gezeichnet.</translation>
    </message>
    <message>
        <source>%1 is %2: the curve would reach beyond the range of single precision (about 3.4e38); smaller numbers draw it.</source>
        <extracomment>%1 is a field&apos;s name, R1, R2 or R3; %2 what it holds.</extracomment>
        <translation>%1 ist %2: Die Kurve reichte über den Bereich einfacher Genauigkeit hinaus (etwa 3.4e38); mit kleineren Zahlen wird sie gezeichnet.</translation>
    </message>
    <message>
        <source>The window goes on with what it has; close other programs to free memory, then try again.</source>
        <translation>Das Fenster arbeitet mit dem weiter, was es hat; schließen Sie andere Programme, um Speicher freizugeben, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>there is not enough memory for the window&apos;s picture; close other programs to free memory, then open it again</source>
        <translation>für das Bild des Fensters ist nicht genug Speicher frei; schließen Sie andere Programme, um Speicher freizugeben, und öffnen Sie es dann erneut</translation>
    </message>
    <message>
        <source>R1 is %1: Clear needs a number there, written as your language settings write numbers, such as %2.</source>
        <extracomment>%2 is a number written as the user&apos;s language settings write it, such as 60.5 or 60,5.</extracomment>
        <translation>R1 ist %1: Neu braucht dort eine Zahl, so geschrieben, wie Ihre Spracheinstellungen Zahlen schreiben, etwa %2.</translation>
    </message>
    <message>
        <source>R1 is %1: Clear needs a number below about 1.8e308.</source>
        <translation>R1 ist %1: Neu braucht eine Zahl unter etwa 1.8e308.</translation>
    </message>
</context>
<context>
    <name>Renderer</name>
    <message>
        <source>%1 (see --help)</source>
        <extracomment>%1 says what is wrong with the arguments.</extracomment>
        <translation>%1 (siehe --help)</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>Schreiben auf die Standardausgabe nicht möglich: %1</translation>
    </message>
    <message>
        <source>drawing</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>%1 is out of range: %2</source>
        <extracomment>%1 names a radius (R1, R2 or R3), %2 is what was given for it.</extracomment>
        <translation>%1 liegt außerhalb des Zahlenbereichs: %2</translation>
    </message>
    <message>
        <source>%1 is not a number: %2</source>
        <translation>%1 ist keine Zahl: %2</translation>
    </message>
    <message>
        <source>%1 of run %2</source>
        <extracomment>A radius&apos;s name, R1, R2 or R3, and the number of the run it is of.</extracomment>
        <translation>%1 von Lauf %2</translation>
    </message>
    <message>
        <source>%1 takes six hex digits RRGGBB, not %2</source>
        <extracomment>%1 names the colour (--color, or the colour of a runs file&apos;s line), %2 is what was given.</extracomment>
        <translation>%1 verlangt sechs Hexadezimalziffern RRGGBB, nicht %2</translation>
    </message>
    <message>
        <source>--fit takes a margin in whole pixels from 0 to %1, not %2</source>
        <translation>--fit verlangt einen Rand in ganzen Pixeln von 0 bis %1, nicht %2</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>the output file&apos;s name is not UTF-8 text: %1</source>
        <translation>der Name der Ausgabedatei ist kein UTF-8-Text: %1</translation>
    </message>
    <message>
        <source>--runs needs a file name, or - for standard input</source>
        <translation>--runs braucht einen Dateinamen oder - für die Standardeingabe</translation>
    </message>
    <message>
        <source>--runs is given once, not again with %1</source>
        <translation>--runs wird einmal angegeben, nicht noch einmal mit %1</translation>
    </message>
    <message>
        <source>--scale takes a whole number from 1 to %1, not %2</source>
        <translation>--scale verlangt eine ganze Zahl von 1 bis %1, nicht %2</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>three radii are needed, R1 R2 R3; %1 given</source>
        <translation>drei Radien werden gebraucht, R1 R2 R3; angegeben: %1</translation>
    </message>
    <message>
        <source>three radii are needed for each run, R1 R2 R3; %1 given</source>
        <translation>für jeden Lauf werden drei Radien gebraucht, R1 R2 R3; angegeben: %1</translation>
    </message>
    <message>
        <source>%1 runs are more than the limit of %2</source>
        <translation>%1 Läufe sind mehr als die Grenze von %2</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <extracomment>How often --color is given: once, twice, 3 times.</extracomment>
        <translation>
            <numerusform>einmal</numerusform>
            <numerusform>%n-mal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n runs</source>
        <translation>
            <numerusform>%n Lauf</numerusform>
            <numerusform>%n Läufe</numerusform>
        </translation>
    </message>
    <message>
        <source>more colours than runs: --color given %1, for %2 given as arguments; it colours only those, and a run of the --runs file has its colour on its line</source>
        <translation>mehr Farben als Läufe: --color %1 angegeben, für %2 als Argumente; es färbt nur diese, und ein Lauf der --runs-Datei hat seine Farbe auf seiner Zeile</translation>
    </message>
    <message>
        <source>more colours than runs: --color given %1, for %2</source>
        <translation>mehr Farben als Läufe: --color %1 angegeben, für %2</translation>
    </message>
    <message>
        <source>--loop repeats an animation: it needs --animate</source>
        <translation>--loop wiederholt eine Animation: es braucht --animate</translation>
    </message>
    <message>
        <source>%1 billion</source>
        <extracomment>A number of pixels, such as 1.5 billion; %1 is written with a period.</extracomment>
        <translation>%1 Milliarden</translation>
    </message>
    <message>
        <source>%1 million</source>
        <translation>%1 Millionen</translation>
    </message>
    <message>
        <source>run %1 (%2)</source>
        <extracomment>%1 is the run&apos;s number, %2 its radii.</extracomment>
        <translation>Lauf %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 names a run, %2 why it is refused.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>R1 and R2 have too many digits to work out where the curve closes</source>
        <translation>R1 und R2 haben zu viele Stellen, um zu berechnen, wo sich die Kurve schließt</translation>
    </message>
    <message>
        <source>closing this curve needs %1 steps, more than the limit of %2</source>
        <translation>um diese Kurve zu schließen, braucht es %1 Schritte, mehr als die Grenze von %2</translation>
    </message>
    <message>
        <source>the %1 runs take %2 steps together, more than the limit of %3</source>
        <translation>die %1 Läufe brauchen zusammen %2 Schritte, mehr als die Grenze von %3</translation>
    </message>
    <message>
        <source>nothing of this picture lands on the canvas, so --fit has nothing to cut it to</source>
        <translation>nichts von diesem Bild landet auf der Leinwand, also hat --fit nichts, worauf es zuschneiden könnte</translation>
    </message>
    <message>
        <source>the picture at scale %1 would be %2 x %3 pixels, more than the limit of %4 pixels; a smaller --fit margin or a lower --scale takes less</source>
        <translation>das Bild hätte bei Maßstab %1 %2 x %3 Pixel, mehr als die Grenze von %4 Pixeln; ein kleinerer --fit-Rand oder ein niedrigeres --scale braucht weniger</translation>
    </message>
    <message>
        <source>fewer runs take less</source>
        <translation>weniger Läufe brauchen weniger</translation>
    </message>
    <message>
        <source>a lower --scale takes less</source>
        <translation>ein niedrigeres --scale braucht weniger</translation>
    </message>
    <message>
        <source>without --until-closed the curves stop sooner</source>
        <translation>ohne --until-closed enden die Kurven früher</translation>
    </message>
    <message>
        <source>without --until-closed the curve stops sooner</source>
        <translation>ohne --until-closed endet die Kurve früher</translation>
    </message>
    <message>
        <source>drawing these curves at scale %1 means sweeping about %2 pixels, more than the limit of %3; %4</source>
        <translation>diese Kurven bei Maßstab %1 zu zeichnen heißt, etwa %2 Pixel zu überstreichen, mehr als die Grenze von %3; %4</translation>
    </message>
    <message>
        <source>drawing this curve at scale %1 means sweeping about %2 pixels, more than the limit of %3; %4</source>
        <translation>diese Kurve bei Maßstab %1 zu zeichnen heißt, etwa %2 Pixel zu überstreichen, mehr als die Grenze von %3; %4</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>die Standardeingabe</translation>
    </message>
    <message>
        <source>%1 holds no runs, and none are given as arguments</source>
        <translation>%1 enthält keine Läufe, und als Argumente ist keiner angegeben</translation>
    </message>
    <message>
        <source>--animate takes seconds from %1 to %2, such as 2.5, not %3</source>
        <translation>--animate verlangt Sekunden von %1 bis %2, etwa 2.5, nicht %3</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0 to %1, not %2</source>
        <translation>--seed verlangt eine ganze Zahl von 0 bis %1, nicht %2</translation>
    </message>
    <message>
        <source>%1: %2 %3%</source>
        <extracomment>A render&apos;s progress: %1 is the program&apos;s name, %2 what it is doing (drawing, writing), %3 how far, in percent.</extracomment>
        <translation>%1: %2 %3 %</translation>
    </message>
    <message>
        <source>no output file: give one with -o FILE.png, -o FILE.svg or -o FILE.gif</source>
        <translation>keine Ausgabedatei: Geben Sie eine mit -o DATEI.png, -o DATEI.svg oder -o DATEI.gif an</translation>
    </message>
    <message>
        <source>the output file must end in .png, .svg or .gif: &apos;%1&apos;</source>
        <translation>die Ausgabedatei muss auf .png, .svg oder .gif enden: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--scale applies to PNG and GIF output only</source>
        <translation>--scale gilt nur für PNG- und GIF-Ausgabe</translation>
    </message>
    <message>
        <source>a GIF is written as an animation: give --animate SECONDS (a still picture is best as .png)</source>
        <translation>ein GIF wird als Animation geschrieben: Geben Sie --animate SEKUNDEN an (ein Standbild speichert man am besten als .png)</translation>
    </message>
    <message>
        <source>a frame of the GIF would draw %1 colours, more than the %2 a frame holds; a longer --animate spreads the runs over more frames</source>
        <translation>ein Einzelbild des GIF würde %1 Farben zeichnen, mehr als die %2, die ein Einzelbild fasst; ein längeres --animate verteilt die Läufe auf mehr Einzelbilder</translation>
    </message>
    <message>
        <source>drawing and writing the %1 frames at scale %2 means about %3 pixels of work, more than the limit of %4; %5</source>
        <translation>die %1 Einzelbilder bei Maßstab %2 zu zeichnen und zu schreiben heißt etwa %3 Pixel Arbeit, mehr als die Grenze von %4; %5</translation>
    </message>
    <message>
        <source>--page takes A4, A3, A5, letter or WIDTHxHEIGHT in millimetres, each from %1 to %2, such as 210x297, not %3</source>
        <translation>--page nimmt A4, A3, A5, letter oder BREITExHÖHE in Millimetern, je %1 bis %2, etwa 210x297, nicht %3</translation>
    </message>
    <message>
        <source>--margin takes millimetres from 0 to %1, such as 15, not %2</source>
        <translation>--margin nimmt Millimeter von 0 bis %1, etwa 15, nicht %2</translation>
    </message>
    <message>
        <source>--pen takes a width in millimetres from %1 to %2, such as 0.3, not %3</source>
        <translation>--pen nimmt eine Breite in Millimetern von %1 bis %2, etwa 0.3, nicht %3</translation>
    </message>
    <message>
        <source>%1 is for a plotter&apos;s page: it needs --page</source>
        <translation>%1 gilt für eine Plotterseite: es braucht --page</translation>
    </message>
    <message>
        <source>--page applies to SVG output only</source>
        <translation>--page gilt nur für SVG-Ausgabe</translation>
    </message>
    <message>
        <source>--page fills the page with what is drawn: it takes no --fit</source>
        <translation>--page füllt die Seite mit dem Gezeichneten: es nimmt kein --fit</translation>
    </message>
    <message>
        <source>--page sizes the picture in millimetres: it takes no --scale</source>
        <translation>--page bemisst das Bild in Millimetern: es nimmt kein --scale</translation>
    </message>
    <message>
        <source>--page is for plotters, which draw a still picture: it takes no --animate</source>
        <translation>--page ist für Plotter, die ein stehendes Bild zeichnen: es nimmt kein --animate</translation>
    </message>
    <message>
        <source>margins of %1 mm and a pen of %2 mm leave %3 mm of the %4 x %5 mm page for the picture, less than %6 mm; smaller margins, a thinner pen or a larger page leave more</source>
        <translation>Ränder von %1 mm und ein Stift von %2 mm lassen dem Bild %3 mm der Seite von %4 x %5 mm, weniger als %6 mm; kleinere Ränder, ein dünnerer Stift oder eine größere Seite lassen mehr</translation>
    </message>
    <message>
        <source>another --animate takes less: a shorter one fewer frames, a longer one smaller ones</source>
        <translation>ein anderes --animate braucht weniger: ein kürzeres weniger Einzelbilder, ein längeres kleinere</translation>
    </message>
</context>
<context>
    <name>Runs</name>
    <message>
        <source>the picture has one circle, given as &apos;circle R&apos; or &apos;circle none&apos;, not %1</source>
        <translation>das Bild hat einen Kreis, angegeben als &apos;circle R&apos; oder &apos;circle none&apos;, nicht %1</translation>
    </message>
    <message>
        <source>the circle&apos;s radius</source>
        <translation>der Radius des Kreises</translation>
    </message>
    <message>
        <source>a run is R1 R2 R3 and maybe a colour RRGGBB, not %1</source>
        <translation>ein Lauf ist R1 R2 R3 und vielleicht eine Farbe RRGGBB, nicht %1</translation>
    </message>
    <message>
        <source>the runs are more than the limit of %1</source>
        <translation>die Läufe sind mehr als die Grenze von %1</translation>
    </message>
    <message>
        <source>the colour</source>
        <translation>die Farbe</translation>
    </message>
    <message>
        <source>line %1 of %2: %3</source>
        <translation>Zeile %1 von %2: %3</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, the limit for a runs file</source>
        <translation>%1 ist größer als %2 MB, die Grenze für eine Lauf-Datei</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Bild speichern unter</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>%1 is a file&apos;s name.</extracomment>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Save Runs As</source>
        <translation>Läufe speichern unter</translation>
    </message>
    <message>
        <source>Open Runs</source>
        <translation>Läufe öffnen</translation>
    </message>
    <message>
        <source>Volvenda runs (*.%1)</source>
        <translation>Volvenda-Läufe (*.%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>%1. Return presses it; Space ends the program.</source>
        <extracomment>A button&apos;s description: %1 says what it does.</extracomment>
        <translation>%1. Eingabetaste drückt ihn; Leertaste beendet das Programm.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A button 57 pixels wide.</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>traces the curve of R1, R2 and R3 over the picture, in a new colour</source>
        <translation>zeichnet die Kurve aus R1, R2 und R3 über das Bild, in einer neuen Farbe</translation>
    </message>
    <message>
        <source>radius of the fixed circle</source>
        <translation>Radius des festen Kreises</translation>
    </message>
    <message>
        <source>radius of the rolling circle; negative rolls it inside</source>
        <translation>Radius des rollenden Kreises; negativ rollt er innen</translation>
    </message>
    <message>
        <source>distance of the pen from the rolling circle&apos;s centre</source>
        <translation>Abstand des Stifts vom Mittelpunkt des rollenden Kreises</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>A button 49 pixels wide.</extracomment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>wipes the picture and draws the grey circle of radius R1 again</source>
        <translation>löscht das Bild und zeichnet den grauen Kreis mit Radius R1 neu</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button 41 pixels wide.</extracomment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>ends the program</source>
        <translation>beendet das Programm</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save Picture As…</source>
        <translation>Bild &amp;speichern unter…</translation>
    </message>
    <message numerus="yes">
        <source>%n items: %1</source>
        <extracomment>What a menu holds: %1 is its items&apos; names, each after the list&apos;s separator.</extracomment>
        <translation>
            <numerusform>%n Eintrag: %1</numerusform>
            <numerusform>%n Einträge: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the items of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Open Runs…</source>
        <translation>Läufe ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Save &amp;Runs As…</source>
        <translation>Läufe s&amp;peichern unter…</translation>
    </message>
    <message>
        <source>%1 holds no runs</source>
        <translation>%1 enthält keine Läufe</translation>
    </message>
    <message>
        <source>The picture stays as it was.</source>
        <translation>Das Bild bleibt, wie es war.</translation>
    </message>
</context>
<context>
    <name>Writing</name>
    <message>
        <source>a frame of the GIF would hold more colours than it can</source>
        <translation>ein Einzelbild des GIF würde mehr Farben enthalten, als es fassen kann</translation>
    </message>
</context>
</TS>
