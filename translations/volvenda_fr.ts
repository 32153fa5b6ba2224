<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Colours</name>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>rouge foncé</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rose</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marron</translation>
    </message>
    <message>
        <source>light orange</source>
        <translation>orange clair</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>olive</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>jaune clair</translation>
    </message>
    <message>
        <source>lime</source>
        <translation>vert citron</translation>
    </message>
    <message>
        <source>dark lime</source>
        <translation>vert citron foncé</translation>
    </message>
    <message>
        <source>light lime</source>
        <translation>vert citron clair</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>vert foncé</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>vert clair</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>bleu canard</translation>
    </message>
    <message>
        <source>dark teal</source>
        <translation>bleu canard foncé</translation>
    </message>
    <message>
        <source>light teal</source>
        <translation>bleu canard clair</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>bleu foncé</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>bleu clair</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>dark purple</source>
        <translation>violet foncé</translation>
    </message>
    <message>
        <source>light purple</source>
        <translation>violet clair</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>dark magenta</source>
        <translation>magenta foncé</translation>
    </message>
    <message>
        <source>light magenta</source>
        <translation>magenta clair</translation>
    </message>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>gris foncé</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>gris clair</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>dark greyish %1</source>
        <extracomment>%1 is a colour&apos;s name, such as blue.</extracomment>
        <translation>%1 grisâtre foncé</translation>
    </message>
    <message>
        <source>light greyish %1</source>
        <translation>%1 grisâtre clair</translation>
    </message>
    <message>
        <source>greyish %1</source>
        <translation>%1 grisâtre</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
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
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>The file cannot be written</source>
        <translation>Le fichier ne peut pas être écrit</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Le fichier n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>Run-time error</source>
        <translation>Erreur d’exécution</translation>
    </message>
    <message>
        <source>Bad argument</source>
        <translation>Argument erroné</translation>
    </message>
    <message>
        <source>The work is refused</source>
        <translation>Le travail est refusé</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>its folder is sticky (as /tmp is) and the file belongs to someone else, who alone may replace it there</source>
        <translation>son dossier est collant (comme /tmp) et le fichier appartient à quelqu’un d’autre, seul autorisé à l’y remplacer</translation>
    </message>
    <message>
        <source>it carries attributes you may not read, which a new file would lose: %1</source>
        <extracomment>%1 is a list of extended attributes&apos; names, such as user.xdg.origin.url.</extracomment>
        <translation>il porte des attributs que vous ne pouvez pas lire, qu’un nouveau fichier perdrait : %1</translation>
    </message>
    <message>
        <source>it has become %1</source>
        <translation>c’est devenu %1</translation>
    </message>
    <message>
        <source>the file would not be whole</source>
        <translation>le fichier ne serait pas complet</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 the reason.</extracomment>
        <translation>impossible d’écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>autre chose qu’un fichier ordinaire</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>aucun nom de fichier</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>le nom n’est pas un texte valide</translation>
    </message>
    <message>
        <source>the name holds a null character</source>
        <translation>le nom contient un caractère nul</translation>
    </message>
    <message>
        <source>the name ends in &apos;/&apos;, as a folder&apos;s does</source>
        <translation>le nom se termine par « / », comme celui d’un dossier</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>son dossier n’existe pas</translation>
    </message>
    <message>
        <source>it is %1</source>
        <extracomment>%1 is what the file is, such as a folder.</extracomment>
        <translation>c’est %1</translation>
    </message>
    <message>
        <source>it is a symbolic link to a file that does not exist</source>
        <translation>c’est un lien symbolique vers un fichier qui n’existe pas</translation>
    </message>
    <message>
        <source>it is a symbolic link to %1</source>
        <extracomment>%1 is what the link&apos;s target is, such as a folder.</extracomment>
        <translation>c’est un lien symbolique vers %1</translation>
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
        <translation>Un tracé sans couleur propre prend celle que Tracer choisirait dans la fenêtre à
cet appui : le même --seed donne donc les mêmes couleurs, et fixer la couleur
d’un tracé laisse celles des autres inchangées. Les rayons de FILE s’écrivent
comme sur la ligne de commande ; ses lignes peuvent se terminer par LF, CRLF ou
CR seul, et une marque d’ordre des octets avant la première est ignorée. Une
ligne erronée est désignée par son numéro, avant tout tracé, et montrée avec les
espaces autres que l’espace simple en séquences d’échappement (\u00a0), coupée à
environ une ligne de terminal. Un rayon hors de la plage d’un double ou trop
petit pour lui (1e309, 1e-400 ; 0 est un nombre) est refusé, tout comme -inf, lu
comme un rayon.
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
        <translation>Code de retour :
  0 écrit ; 1 une erreur d’exécution (« Division par zéro », « Dépassement de
  capacité », avec le tracé s’il y en a plusieurs), trop de travail, trop peu de
  mémoire (« Mémoire insuffisante »), rien à recadrer, ou le fichier ou la
  sortie standard n’a pas pu être écrit ; 2 un argument ou une ligne du fichier
  de tracés erronés, ou une sortie qui n’est ni un fichier ordinaire ni un
  nouveau nom.
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
        <translation>Sans --fit, l’image est la toile de la fenêtre, %1 x %2 pixels. --fit recadre
cette toile sur le cadre de ce qui y est tracé (toutes les courbes, et le cercle
gris sauf avec --no-reference), épaisseur des traits comprise ; MARGIN est en
pixels logiques, donc --scale le multiplie aussi. Ce que la toile coupe reste
coupé. Si rien du tout ne tombe sur la toile, il n’y a pas d’image : le tracé
échoue.
</translation>
    </message>
    <message>
        <source>Examples:
The window&apos;s first picture with twice as many pixels each way, for a screen
of high density:
  $ %1 -o curve.png --scale 2 120 33 40
</source>
        <translation>Exemples :
La première image de la fenêtre avec deux fois plus de pixels dans chaque sens,
pour un écran à haute densité :
  $ %1 -o curve.png --scale 2 120 33 40
</translation>
    </message>
    <message>
        <source>The window&apos;s curve drawing itself over four seconds, and again after a
second&apos;s pause, for ever:
  $ %1 -o growing.svg --animate 4 --loop 120 33 40
</source>
        <translation>La courbe de la fenêtre qui se trace en quatre secondes, puis de nouveau après
une seconde de pause, sans fin :
  $ %1 -o growing.svg --animate 4 --loop 120 33 40
</translation>
    </message>
    <message>
        <source>Three presses of Start layered over one grey circle, the first two curves in
dark teal and orange, the third in a random colour:
  $ %1 -o layers.png --color 1f6f6a --color e08020 120 33 40 120 -45 80 100 20 60
</source>
        <translation>Trois appuis sur Tracer superposés sur un même cercle gris, les deux premières
courbes en bleu canard foncé et en orange, la troisième dans une couleur au
hasard :
  $ %1 -o layers.png --color 1f6f6a --color e08020 120 33 40 120 -45 80 100 20 60
</translation>
    </message>
    <message>
        <source>The window&apos;s first picture at scale 2, cut to the curve and the grey circle
with 8 logical pixels round them:
  $ %1 -o cut.png --fit 8 --scale 2 120 33 40
</source>
        <translation>La première image de la fenêtre à l’échelle 2, recadrée sur la courbe et le
cercle gris avec 8 pixels logiques autour :
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
        <translation>Utilisation : %1 [options] R1 R2 R3 [R1 R2 R3 ...]
Trace l’épitrochoïde du rayon fixe R1, du rayon roulant R2 et de la distance du
crayon R3 dans un fichier PNG, SVG ou GIF, comme la fenêtre de Volvenda la
trace. Chaque groupe de trois rayons de plus est un nouvel appui sur Tracer sur
la même image, dans l’ordre, chaque courbe dans sa propre couleur ; le cercle
gris est celui du premier R1.
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
        <translation>FILE est un nouveau nom ou un fichier ordinaire existant (ou un lien symbolique
vers un tel fichier), qui n’est remplacé que par un nouveau fichier complet, en
gardant ses permissions, son ACL d’accès et ses attributs user.*, ainsi que son
propriétaire et son groupe si celui qui écrit peut les fixer (un lien physique
vers l’ancien fichier garde l’ancienne image). Un fichier dont celui qui écrit
ne peut pas lire les attributs user.*, et ne pourrait donc pas les garder, est
refusé avant tout travail, tout comme le fichier d’un autre dans un dossier
collant comme /tmp, que seul son propriétaire peut y remplacer. Une limite de
taille de fichier (ulimit -f) fait échouer le tracé comme un disque plein. Un
tracé interrompu pendant l’écriture peut laisser à côté un fichier temporaire
nommé FILE.XXXXXX (FILE coupé à 32 octets) ; on peut le supprimer. Une image a
au plus %1 tracés, et un fichier de tracés au plus %2 Mo. Avec --until-closed,
les tracés parcourent ensemble au plus %3 pas, et une image PNG ou GIF
demande au plus environ trois secondes de dessin, images de l’animation
comprises (moins de pas aux échelles plus hautes ou avec plus d’images), et
%4 de pixels par image de l’animation ; au-delà, c’est refusé avant
tout dessin.
</translation>
    </message>
    <message>
        <source>The same as a GIF, for a chat or an issue tracker, drawing itself once over
five seconds; with -o growing.png, an animated PNG:
  $ %1 -o growing.gif --animate 5 120 33 40
</source>
        <translation>La même en GIF, pour une discussion en ligne ou un gestionnaire de tickets, qui
se trace une fois en cinq secondes ; avec -o growing.png, un PNG animé :
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
        <translation>  --page SIZE         SVG pour un traceur à stylo : une page de format SIZE, A4,
                      A3, A5, letter ou LxH en millimètres (de %1 à %2 de chaque
                      côté, par exemple 210x297)
  --margin MM         avec --page : la marge laissée vide (0 à %3 mm ; %4 par
                      défaut)
  --pen MM            avec --page : la largeur du stylo (%5 à %6 mm ; %7 par
                      défaut)
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
        <translation>Avec --page, l’image remplit une page pour traceur, en millimètres : le cercle
gris (sauf avec --no-reference) dans un calque à lui, nommé
« % cercle de référence », que les logiciels de tracé sautent, puis chaque
exécution dans un calque nommé par son numéro dans l’ordre du tracé et ses
rayons (« 1 R1 120 R2 33 R3 40 »), un chemin dans sa couleur, aussi large que
le stylo, sans remplissage ni fond. La toile coupe les courbes comme dans les
images PNG et SVG ; le cadre de ce qui reste (le milieu des traits) remplit la
place à l’intérieur des marges et d’un demi-stylo, centré, ses proportions
gardées. Les marges laissent à l’image au moins %1 mm dans chaque sens. Une page
ne prend ni --fit, ni --scale, ni --animate.
</translation>
    </message>
    <message>
        <source>The window&apos;s first picture on a page of A4 for a pen plotter, with margins of
20 mm and a pen 0.5 mm wide:
  $ %1 -o plot.svg --page A4 --margin 20 --pen 0.5 120 33 40
</source>
        <translation>La première image de la fenêtre sur une page A4 pour traceur à stylo, avec des
marges de 20 mm et un stylo de 0,5 mm de large :
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
        <translation>Options :
  -o, --output FILE   où écrire ; le format suit l’extension : .png, .svg ou
                      .gif
  --color RRGGBB      la couleur d’une courbe (hexadécimale), donnée une fois
                      pour chaque tracé donné en argument, dans l’ordre ; un
                      tracé sans couleur en prend une au hasard (un fichier de
                      tracés donne la couleur d’un tracé sur sa ligne)
  --seed N            fixe les couleurs au hasard, pour que la même commande
                      donne le même fichier
  --runs FILE         trace les tracés de FILE (- pour l’entrée standard) après
                      ceux donnés en arguments : un par ligne, R1 R2 R3 et
                      peut-être une couleur RRGGBB ; les lignes vides et celles
                      qui commencent par # sont ignorées ; une ligne &apos;circle R&apos;
                      ou &apos;circle none&apos; donne le cercle gris au lieu du R1 du
                      premier tracé (Enregistrer les tracés sous, dans la
                      fenêtre, écrit de tels fichiers)
  --scale K           PNG et GIF seulement : K pixels de l’appareil par pixel
                      logique (1 à %1 ; 1 par défaut)
  --until-closed      poursuit chaque courbe jusqu’à ce qu’elle se referme, au
                      lieu de s’arrêter où la fenêtre s’arrête
  --no-reference      omet le cercle gris de référence
  --animate SECONDS   les courbes se tracent l’une après l’autre, à une même
                      allure, en SECONDS au total, de %2 à %3, en images d’au
                      moins %5 ms : un SVG ou un PNG animé (un visualiseur qui
                      n’anime pas les montre finies), ou un GIF, qui en a besoin
  --loop              avec --animate : les retrace encore et encore, à une
                      seconde d’intervalle
  --fit MARGIN        recadre sur ce qui est tracé, avec MARGIN pixels (0 à %4)
                      autour
</translation>
    </message>
    <message>
        <source>  -h, --help          show this help
  -v, --version       show the version
</source>
        <extracomment>The last options, in the same columns as the others.</extracomment>
        <translation>  -h, --help          affiche cette aide
  -v, --version       affiche la version
</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>%1: %2; %3</source>
        <extracomment>%1 is the program&apos;s name, %2 the error, %3 what to do about it.</extracomment>
        <translation>%1 : %2 ; %3</translation>
    </message>
    <message>
        <source>%1: cannot write to standard output: %2</source>
        <extracomment>%1 is the program&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>%1 : impossible d’écrire sur la sortie standard : %2</translation>
    </message>
    <message>
        <source>Opens the window through this platform plugin: xcb, wayland, ...</source>
        <translation>Ouvre la fenêtre par ce greffon de plateforme : xcb, wayland, ...</translation>
    </message>
    <message>
        <source>Opens the window on this X display.</source>
        <translation>Ouvre la fenêtre sur cet affichage X.</translation>
    </message>
    <message>
        <source>Draws the buttons in this widget style, such as Fusion.</source>
        <translation>Dessine les boutons dans ce style de widgets, par exemple Fusion.</translation>
    </message>
    <message>
        <source>Takes colours and fonts from this platform theme, such as gtk3.</source>
        <translation>Prend les couleurs et les polices de ce thème de plateforme, par exemple gtk3.</translation>
    </message>
    <message>
        <source>Opens the window at this place on an X screen, such as +100+50.</source>
        <translation>Ouvre la fenêtre à cet endroit d’un écran X, par exemple +100+50.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.</source>
        <extracomment>%1 is the program&apos;s name, %2 what is wrong with its arguments.</extracomment>
        <translation>%1 : %2 Essayez « %1 --help ».</translation>
    </message>
    <message>
        <source>Draws epitrochoids: type R1, R2 and R3 and press Start.</source>
        <translation>Trace des épitrochoïdes : saisissez R1, R2 et R3, puis appuyez sur Tracer.</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Displays the version and exits.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>%1: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); to run it on a virtual X server: sudo apt-get install xvfb xauth &amp;&amp; %2</source>
        <extracomment>%1 is the program&apos;s name, %2 a command to type as it is.</extracomment>
        <translation>%1 : aucun affichage où ouvrir la fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n’est défini) ; pour le lancer sur un serveur X virtuel : sudo apt-get install xvfb xauth &amp;&amp; %2</translation>
    </message>
    <message>
        <source>%1: %2: the window needs about %3 MB of address space beyond the program itself, and the limit (ulimit -v) leaves %4 MB; raise the limit to open it</source>
        <extracomment>%1 is the program&apos;s name, %2 the error &quot;Out of memory&quot;; %3 and %4 are sizes in megabytes.</extracomment>
        <translation>%1 : %2 : la fenêtre a besoin d’environ %3 Mo d’espace d’adressage en plus du programme lui-même, et la limite (ulimit -v) en laisse %4 Mo ; relevez la limite pour l’ouvrir</translation>
    </message>
    <message>
        <source>A runs file to open, as Open Runs does: one run a line, R1 R2 R3 RRGGBB.</source>
        <translation>Un fichier de tracés à ouvrir, comme le fait « Ouvrir des tracés » : un tracé par ligne, R1 R2 R3 RRGGBB.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [FILE]</source>
        <translation>Utilisation : %1 [options] [FILE]</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Grey circle, radius %1.</source>
        <translation>Cercle gris, rayon %1.</translation>
    </message>
    <message>
        <source>No grey circle.</source>
        <translation>Pas de cercle gris.</translation>
    </message>
    <message>
        <source>%1 No curves.</source>
        <extracomment>%1 says whether there is a grey circle, and how large it is.</extracomment>
        <translation>%1 Aucune courbe.</translation>
    </message>
    <message numerus="yes">
        <source>%1 %n curves: %2.</source>
        <extracomment>%1 says whether there is a grey circle; %2 is the curves, each as said above.</extracomment>
        <translation>
            <numerusform>%1 %n courbe : %2.</numerusform>
            <numerusform>%1 %n courbes : %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the curves of a list</comment>
        <translation> ; </translation>
    </message>
    <message>
        <source>%1 in %2 (%3)</source>
        <extracomment>A curve: %1 its radii (R1 120, R2 33, R3 40), %2 its colour in words, %3 as #rrggbb.</extracomment>
        <translation>%1, en %2 (%3)</translation>
    </message>
    <message>
        <source>%1 in %2 (%3), stopped part-way by &quot;%4&quot;</source>
        <extracomment>As above; %4 is the error that stopped the curve before it was whole.</extracomment>
        <translation>%1, en %2 (%3), interrompue en cours par « %4 »</translation>
    </message>
</context>
<context>
    <name>Plotter</name>
    <message>
        <source>nothing of this picture lands on the canvas, so the page would be blank</source>
        <translation>rien de cette image ne tombe sur la toile, la page serait donc vide</translation>
    </message>
    <message>
        <source>R1 %1 R2 %2 R3 %3</source>
        <extracomment>A plotter&apos;s layer: the run&apos;s radii, written without commas as plotting software shows layer names.</extracomment>
        <translation>R1 %1 R2 %2 R3 %3</translation>
    </message>
    <message>
        <source>reference circle</source>
        <extracomment>A plotter&apos;s layer that holds the grey circle under the curves, a guide the plotter does not draw.</extracomment>
        <translation>cercle de référence</translation>
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
        <translation>vide</translation>
    </message>
    <message>
        <source>R1 is %1: the fixed circle needs a radius other than 0.</source>
        <extracomment>%1 is what the field R1 holds, as typed.</extracomment>
        <translation>R1 : %1 ; le cercle fixe doit avoir un rayon différent de 0.</translation>
    </message>
    <message>
        <source>R1 is %1: a fixed circle so small sends the curve beyond the range of numbers; a larger R1 draws it.</source>
        <translation>R1 : %1 ; un cercle fixe aussi petit envoie la courbe hors de la plage des nombres ; un R1 plus grand permet de la tracer.</translation>
    </message>
    <message>
        <source>%1 is %2: the curve would reach beyond the range of single precision (about 3.4e38); smaller numbers draw it.</source>
        <extracomment>%1 is a field&apos;s name, R1, R2 or R3; %2 what it holds.</extracomment>
        <translation>%1 : %2 ; la courbe dépasserait la plage de la simple précision (environ 3.4e38) ; des nombres plus petits permettent de la tracer.</translation>
    </message>
    <message>
        <source>The window goes on with what it has; close other programs to free memory, then try again.</source>
        <translation>La fenêtre continue avec ce qu’elle a ; fermez d’autres programmes pour libérer de la mémoire, puis réessayez.</translation>
    </message>
    <message>
        <source>there is not enough memory for the window&apos;s picture; close other programs to free memory, then open it again</source>
        <translation>la mémoire ne suffit pas pour l’image de la fenêtre ; fermez d’autres programmes pour libérer de la mémoire, puis rouvrez-la</translation>
    </message>
    <message>
        <source>R1 is %1: Clear needs a number there, written as your language settings write numbers, such as %2.</source>
        <extracomment>%2 is a number written as the user&apos;s language settings write it, such as 60.5 or 60,5.</extracomment>
        <translation>R1 : %1 ; Vider a besoin d’un nombre à cet endroit, écrit comme vos réglages de langue écrivent les nombres, par exemple %2.</translation>
    </message>
    <message>
        <source>R1 is %1: Clear needs a number below about 1.8e308.</source>
        <translation>R1 : %1 ; Vider a besoin d’un nombre inférieur à environ 1.8e308.</translation>
    </message>
</context>
<context>
    <name>Renderer</name>
    <message>
        <source>%1 (see --help)</source>
        <extracomment>%1 says what is wrong with the arguments.</extracomment>
        <translation>%1 (voir --help)</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d’écrire sur la sortie standard : %1</translation>
    </message>
    <message>
        <source>drawing</source>
        <translation>dessin</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>écriture</translation>
    </message>
    <message>
        <source>%1 is out of range: %2</source>
        <extracomment>%1 names a radius (R1, R2 or R3), %2 is what was given for it.</extracomment>
        <translation>%1 est hors de la plage des nombres : %2</translation>
    </message>
    <message>
        <source>%1 is not a number: %2</source>
        <translation>%1 n’est pas un nombre : %2</translation>
    </message>
    <message>
        <source>%1 of run %2</source>
        <extracomment>A radius&apos;s name, R1, R2 or R3, and the number of the run it is of.</extracomment>
        <translation>%1 du tracé %2</translation>
    </message>
    <message>
        <source>%1 takes six hex digits RRGGBB, not %2</source>
        <extracomment>%1 names the colour (--color, or the colour of a runs file&apos;s line), %2 is what was given.</extracomment>
        <translation>%1 attend six chiffres hexadécimaux RRGGBB, et non %2</translation>
    </message>
    <message>
        <source>--fit takes a margin in whole pixels from 0 to %1, not %2</source>
        <translation>--fit attend une marge en pixels entiers de 0 à %1, et non %2</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 a besoin d’un nom de fichier</translation>
    </message>
    <message>
        <source>the output file&apos;s name is not UTF-8 text: %1</source>
        <translation>le nom du fichier de sortie n’est pas du texte UTF-8 : %1</translation>
    </message>
    <message>
        <source>--runs needs a file name, or - for standard input</source>
        <translation>--runs a besoin d’un nom de fichier, ou de - pour l’entrée standard</translation>
    </message>
    <message>
        <source>--runs is given once, not again with %1</source>
        <translation>--runs se donne une seule fois, pas de nouveau avec %1</translation>
    </message>
    <message>
        <source>--scale takes a whole number from 1 to %1, not %2</source>
        <translation>--scale attend un nombre entier de 1 à %1, et non %2</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 a besoin d’une valeur</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>three radii are needed, R1 R2 R3; %1 given</source>
        <translation>il faut trois rayons, R1 R2 R3 ; nombre donné : %1</translation>
    </message>
    <message>
        <source>three radii are needed for each run, R1 R2 R3; %1 given</source>
        <translation>il faut trois rayons par tracé, R1 R2 R3 ; nombre donné : %1</translation>
    </message>
    <message>
        <source>%1 runs are more than the limit of %2</source>
        <translation>%1 tracés, c’est plus que la limite de %2</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <extracomment>How often --color is given: once, twice, 3 times.</extracomment>
        <translation>
            <numerusform>une fois</numerusform>
            <numerusform>%n fois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n runs</source>
        <translation>
            <numerusform>%n tracé</numerusform>
            <numerusform>%n tracés</numerusform>
        </translation>
    </message>
    <message>
        <source>more colours than runs: --color given %1, for %2 given as arguments; it colours only those, and a run of the --runs file has its colour on its line</source>
        <translation>plus de couleurs que de tracés : --color donné %1, pour %2 donnés en arguments ; il ne colore que ceux-là, et un tracé du fichier --runs a sa couleur sur sa ligne</translation>
    </message>
    <message>
        <source>more colours than runs: --color given %1, for %2</source>
        <translation>plus de couleurs que de tracés : --color donné %1, pour %2</translation>
    </message>
    <message>
        <source>--loop repeats an animation: it needs --animate</source>
        <translation>--loop répète une animation : il a besoin de --animate</translation>
    </message>
    <message>
        <source>%1 billion</source>
        <extracomment>A number of pixels, such as 1.5 billion; %1 is written with a period.</extracomment>
        <translation>%1 milliards</translation>
    </message>
    <message>
        <source>%1 million</source>
        <translation>%1 millions</translation>
    </message>
    <message>
        <source>run %1 (%2)</source>
        <extracomment>%1 is the run&apos;s number, %2 its radii.</extracomment>
        <translation>tracé %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 names a run, %2 why it is refused.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>R1 and R2 have too many digits to work out where the curve closes</source>
        <translation>R1 et R2 ont trop de chiffres pour calculer où la courbe se referme</translation>
    </message>
    <message>
        <source>closing this curve needs %1 steps, more than the limit of %2</source>
        <translation>fermer cette courbe demande %1 pas, plus que la limite de %2</translation>
    </message>
    <message>
        <source>the %1 runs take %2 steps together, more than the limit of %3</source>
        <translation>les %1 tracés demandent ensemble %2 pas, plus que la limite de %3</translation>
    </message>
    <message>
        <source>nothing of this picture lands on the canvas, so --fit has nothing to cut it to</source>
        <translation>rien de cette image ne tombe sur la toile, donc --fit n’a rien à quoi la recadrer</translation>
    </message>
    <message>
        <source>the picture at scale %1 would be %2 x %3 pixels, more than the limit of %4 pixels; a smaller --fit margin or a lower --scale takes less</source>
        <translation>l’image à l’échelle %1 ferait %2 x %3 pixels, plus que la limite de %4 pixels ; une marge --fit plus petite ou un --scale plus bas en demande moins</translation>
    </message>
    <message>
        <source>fewer runs take less</source>
        <translation>moins de tracés en demandent moins</translation>
    </message>
    <message>
        <source>a lower --scale takes less</source>
        <translation>un --scale plus bas en demande moins</translation>
    </message>
    <message>
        <source>without --until-closed the curves stop sooner</source>
        <translation>sans --until-closed, les courbes s’arrêtent plus tôt</translation>
    </message>
    <message>
        <source>without --until-closed the curve stops sooner</source>
        <translation>sans --until-closed, la courbe s’arrête plus tôt</translation>
    </message>
    <message>
        <source>drawing these curves at scale %1 means sweeping about %2 pixels, more than the limit of %3; %4</source>
        <translation>tracer ces courbes à l’échelle %1 revient à parcourir environ %2 pixels, plus que la limite de %3 ; %4</translation>
    </message>
    <message>
        <source>drawing this curve at scale %1 means sweeping about %2 pixels, more than the limit of %3; %4</source>
        <translation>tracer cette courbe à l’échelle %1 revient à parcourir environ %2 pixels, plus que la limite de %3 ; %4</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>l’entrée standard</translation>
    </message>
    <message>
        <source>%1 holds no runs, and none are given as arguments</source>
        <translation>%1 ne contient aucun tracé, et aucun n’est donné en argument</translation>
    </message>
    <message>
        <source>--animate takes seconds from %1 to %2, such as 2.5, not %3</source>
        <translation>--animate attend des secondes de %1 à %2, par exemple 2.5, et non %3</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0 to %1, not %2</source>
        <translation>--seed attend un nombre entier de 0 à %1, et non %2</translation>
    </message>
    <message>
        <source>%1: %2 %3%</source>
        <extracomment>A render&apos;s progress: %1 is the program&apos;s name, %2 what it is doing (drawing, writing), %3 how far, in percent.</extracomment>
        <translation>%1 : %2 %3 %</translation>
    </message>
    <message>
        <source>no output file: give one with -o FILE.png, -o FILE.svg or -o FILE.gif</source>
        <translation>aucun fichier de sortie : indiquez-en un avec -o FICHIER.png, -o FICHIER.svg ou -o FICHIER.gif</translation>
    </message>
    <message>
        <source>the output file must end in .png, .svg or .gif: &apos;%1&apos;</source>
        <translation>le fichier de sortie doit se terminer par .png, .svg ou .gif : &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--scale applies to PNG and GIF output only</source>
        <translation>--scale ne s’applique qu’à une sortie PNG ou GIF</translation>
    </message>
    <message>
        <source>a GIF is written as an animation: give --animate SECONDS (a still picture is best as .png)</source>
        <translation>un GIF est écrit comme une animation : indiquez --animate SECONDES (une image fixe est mieux en .png)</translation>
    </message>
    <message>
        <source>a frame of the GIF would draw %1 colours, more than the %2 a frame holds; a longer --animate spreads the runs over more frames</source>
        <translation>une image du GIF tracerait %1 couleurs, plus que les %2 que contient une image ; un --animate plus long répartit les tracés sur plus d’images</translation>
    </message>
    <message>
        <source>drawing and writing the %1 frames at scale %2 means about %3 pixels of work, more than the limit of %4; %5</source>
        <translation>tracer et écrire les %1 images à l’échelle %2 revient à environ %3 pixels de travail, plus que la limite de %4 ; %5</translation>
    </message>
    <message>
        <source>--page takes A4, A3, A5, letter or WIDTHxHEIGHT in millimetres, each from %1 to %2, such as 210x297, not %3</source>
        <translation>--page prend A4, A3, A5, letter ou LARGEURxHAUTEUR en millimètres, chacune de %1 à %2, par exemple 210x297, pas %3</translation>
    </message>
    <message>
        <source>--margin takes millimetres from 0 to %1, such as 15, not %2</source>
        <translation>--margin prend des millimètres de 0 à %1, par exemple 15, pas %2</translation>
    </message>
    <message>
        <source>--pen takes a width in millimetres from %1 to %2, such as 0.3, not %3</source>
        <translation>--pen prend une largeur en millimètres de %1 à %2, par exemple 0.3, pas %3</translation>
    </message>
    <message>
        <source>%1 is for a plotter&apos;s page: it needs --page</source>
        <translation>%1 est pour une page de traceur : il lui faut --page</translation>
    </message>
    <message>
        <source>--page applies to SVG output only</source>
        <translation>--page ne s’applique qu’à une sortie SVG</translation>
    </message>
    <message>
        <source>--page fills the page with what is drawn: it takes no --fit</source>
        <translation>--page remplit la page de ce qui est tracé : il ne prend pas --fit</translation>
    </message>
    <message>
        <source>--page sizes the picture in millimetres: it takes no --scale</source>
        <translation>--page dimensionne l’image en millimètres : il ne prend pas --scale</translation>
    </message>
    <message>
        <source>--page is for plotters, which draw a still picture: it takes no --animate</source>
        <translation>--page est pour les traceurs, qui tracent une image fixe : il ne prend pas --animate</translation>
    </message>
    <message>
        <source>margins of %1 mm and a pen of %2 mm leave %3 mm of the %4 x %5 mm page for the picture, less than %6 mm; smaller margins, a thinner pen or a larger page leave more</source>
        <translation>des marges de %1 mm et un stylo de %2 mm laissent à l’image %3 mm de la page de %4 x %5 mm, moins de %6 mm ; des marges plus petites, un stylo plus fin ou une page plus grande en laissent plus</translation>
    </message>
    <message>
        <source>another --animate takes less: a shorter one fewer frames, a longer one smaller ones</source>
        <translation>un autre --animate demande moins : un plus court, moins d’images ; un plus long, des images plus petites</translation>
    </message>
</context>
<context>
    <name>Runs</name>
    <message>
        <source>the picture has one circle, given as &apos;circle R&apos; or &apos;circle none&apos;, not %1</source>
        <translation>l’image a un seul cercle, donné par &apos;circle R&apos; ou &apos;circle none&apos;, et non %1</translation>
    </message>
    <message>
        <source>the circle&apos;s radius</source>
        <translation>le rayon du cercle</translation>
    </message>
    <message>
        <source>a run is R1 R2 R3 and maybe a colour RRGGBB, not %1</source>
        <translation>un tracé s’écrit R1 R2 R3 et peut-être une couleur RRGGBB, et non %1</translation>
    </message>
    <message>
        <source>the runs are more than the limit of %1</source>
        <translation>les tracés dépassent la limite de %1</translation>
    </message>
    <message>
        <source>the colour</source>
        <translation>la couleur</translation>
    </message>
    <message>
        <source>line %1 of %2: %3</source>
        <translation>ligne %1 de %2 : %3</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, the limit for a runs file</source>
        <translation>%1 dépasse %2 Mo, la limite d’un fichier de tracés</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Enregistrer l’image sous</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>%1 is a file&apos;s name.</extracomment>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Save Runs As</source>
        <translation>Enregistrer les tracés sous</translation>
    </message>
    <message>
        <source>Open Runs</source>
        <translation>Ouvrir des tracés</translation>
    </message>
    <message>
        <source>Volvenda runs (*.%1)</source>
        <translation>Tracés Volvenda (*.%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>%1. Return presses it; Space ends the program.</source>
        <extracomment>A button&apos;s description: %1 says what it does.</extracomment>
        <translation>%1. Entrée l’active ; Espace quitte le programme.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A button 57 pixels wide.</extracomment>
        <translation>Tracer</translation>
    </message>
    <message>
        <source>traces the curve of R1, R2 and R3 over the picture, in a new colour</source>
        <translation>trace la courbe de R1, R2 et R3 sur l’image, dans une nouvelle couleur</translation>
    </message>
    <message>
        <source>radius of the fixed circle</source>
        <translation>rayon du cercle fixe</translation>
    </message>
    <message>
        <source>radius of the rolling circle; negative rolls it inside</source>
        <translation>rayon du cercle qui roule ; négatif, il roule à l’intérieur</translation>
    </message>
    <message>
        <source>distance of the pen from the rolling circle&apos;s centre</source>
        <translation>distance du crayon au centre du cercle qui roule</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>A button 49 pixels wide.</extracomment>
        <translation>Vider</translation>
    </message>
    <message>
        <source>wipes the picture and draws the grey circle of radius R1 again</source>
        <translation>efface l’image et retrace le cercle gris de rayon R1</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button 41 pixels wide.</extracomment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>ends the program</source>
        <translation>quitte le programme</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copier l’image</translation>
    </message>
    <message>
        <source>&amp;Save Picture As…</source>
        <translation>&amp;Enregistrer l’image sous…</translation>
    </message>
    <message numerus="yes">
        <source>%n items: %1</source>
        <extracomment>What a menu holds: %1 is its items&apos; names, each after the list&apos;s separator.</extracomment>
        <translation>
            <numerusform>%n élément : %1</numerusform>
            <numerusform>%n éléments : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the items of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Open Runs…</source>
        <translation>&amp;Ouvrir des tracés…</translation>
    </message>
    <message>
        <source>Save &amp;Runs As…</source>
        <translation>Enregistrer les &amp;tracés sous…</translation>
    </message>
    <message>
        <source>%1 holds no runs</source>
        <translation>%1 ne contient aucun tracé</translation>
    </message>
    <message>
        <source>The picture stays as it was.</source>
        <translation>L’image reste telle qu’elle était.</translation>
    </message>
</context>
<context>
    <name>Writing</name>
    <message>
        <source>a frame of the GIF would hold more colours than it can</source>
        <translation>une image du GIF contiendrait plus de couleurs qu’elle ne peut en contenir</translation>
    </message>
</context>
</TS>
