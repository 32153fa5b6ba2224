<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Colours</name>
    <message>
        <source>red</source>
        <translation>красный</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>тёмно-красный</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>розовый</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>оранжевый</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>коричневый</translation>
    </message>
    <message>
        <source>light orange</source>
        <translation>светло-оранжевый</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>жёлтый</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>оливковый</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>светло-жёлтый</translation>
    </message>
    <message>
        <source>lime</source>
        <translation>лаймовый</translation>
    </message>
    <message>
        <source>dark lime</source>
        <translation>тёмно-лаймовый</translation>
    </message>
    <message>
        <source>light lime</source>
        <translation>светло-лаймовый</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелёный</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>тёмно-зелёный</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>светло-зелёный</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>сине-зелёный</translation>
    </message>
    <message>
        <source>dark teal</source>
        <translation>тёмный сине-зелёный</translation>
    </message>
    <message>
        <source>light teal</source>
        <translation>светлый сине-зелёный</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>синий</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>тёмно-синий</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>голубой</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>фиолетовый</translation>
    </message>
    <message>
        <source>dark purple</source>
        <translation>тёмно-фиолетовый</translation>
    </message>
    <message>
        <source>light purple</source>
        <translation>светло-фиолетовый</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>пурпурный</translation>
    </message>
    <message>
        <source>dark magenta</source>
        <translation>тёмно-пурпурный</translation>
    </message>
    <message>
        <source>light magenta</source>
        <translation>светло-пурпурный</translation>
    </message>
    <message>
        <source>black</source>
        <translation>чёрный</translation>
    </message>
    <message>
        <source>white</source>
        <translation>белый</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>тёмно-серый</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>светло-серый</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>серый</translation>
    </message>
    <message>
        <source>dark greyish %1</source>
        <extracomment>%1 is a colour&apos;s name, such as blue.</extracomment>
        <translation>тёмный серовато-%1</translation>
    </message>
    <message>
        <source>light greyish %1</source>
        <translation>светлый серовато-%1</translation>
    </message>
    <message>
        <source>greyish %1</source>
        <translation>серовато-%1</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Type mismatch</source>
        <translation>Несоответствие типов</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Деление на ноль</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>The file cannot be written</source>
        <translation>Файл невозможно записать</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Не удалось записать файл</translation>
    </message>
    <message>
        <source>Run-time error</source>
        <translation>Ошибка выполнения</translation>
    </message>
    <message>
        <source>Bad argument</source>
        <translation>Неверный аргумент</translation>
    </message>
    <message>
        <source>The work is refused</source>
        <translation>Работа отклонена</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>its folder is sticky (as /tmp is) and the file belongs to someone else, who alone may replace it there</source>
        <translation>его папка с битом sticky (как /tmp), а файл принадлежит другому пользователю — только он может заменить его там</translation>
    </message>
    <message>
        <source>it carries attributes you may not read, which a new file would lose: %1</source>
        <extracomment>%1 is a list of extended attributes&apos; names, such as user.xdg.origin.url.</extracomment>
        <translation>у него есть атрибуты, которые вам нельзя читать и которые новый файл потерял бы: %1</translation>
    </message>
    <message>
        <source>it has become %1</source>
        <translation>теперь это %1</translation>
    </message>
    <message>
        <source>the file would not be whole</source>
        <translation>файл получился бы неполным</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 the reason.</extracomment>
        <translation>не удаётся записать «%1»: %2</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>именованный канал</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>сокет</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>устройство</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>не обычный файл</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>нет имени файла</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>имя не является допустимым текстом</translation>
    </message>
    <message>
        <source>the name holds a null character</source>
        <translation>имя содержит нулевой символ</translation>
    </message>
    <message>
        <source>the name ends in &apos;/&apos;, as a folder&apos;s does</source>
        <translation>имя оканчивается на «/», как имя папки</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>его папка не существует</translation>
    </message>
    <message>
        <source>it is %1</source>
        <extracomment>%1 is what the file is, such as a folder.</extracomment>
        <translation>это %1</translation>
    </message>
    <message>
        <source>it is a symbolic link to a file that does not exist</source>
        <translation>это символическая ссылка на несуществующий файл</translation>
    </message>
    <message>
        <source>it is a symbolic link to %1</source>
        <extracomment>%1 is what the link&apos;s target is, such as a folder.</extracomment>
        <translation>это символическая ссылка, цель которой — %1</translation>
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
        <translation>Запуск без собственного цвета получает тот, который выбрала бы кнопка «Старт» в
окне при этом нажатии, поэтому одинаковый --seed даёт одинаковые цвета, а
заданный цвет одного запуска не меняет цвета остальных. Радиусы в FILE
записываются так же, как в командной строке; строки могут оканчиваться на LF,
CRLF или один CR, а метка порядка байтов перед первой строкой пропускается.
Ошибочная строка называется по номеру, до всякого рисования, и показывается с
пробелами, кроме обычного, в виде escape-последовательностей (\u00a0),
обрезанная примерно до строки терминала. Радиус вне диапазона double или слишком
малый для него (1e309, 1e-400; 0 — это число) отклоняется, как и -inf,
прочитанный как радиус.
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
        <translation>Код возврата:
  0 — записано; 1 — ошибка выполнения («Деление на ноль», «Переполнение», с
  указанием запуска, если их несколько), слишком много работы, мало памяти
  («Недостаточно памяти»), нечего обрезать, или не удалось записать файл или
  стандартный вывод; 2 — неверный аргумент или строка файла запусков либо вывод,
  который не является ни обычным файлом, ни новым именем.
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
        <translation>Без --fit изображение — это холст окна, %1 x %2 пикселей. --fit обрезает холст
по рамке того, что на нём нарисовано (все кривые и серая окружность, если нет
--no-reference), с учётом толщины линий; MARGIN задаётся в логических пикселях,
поэтому --scale его тоже умножает. То, что обрезал холст, остаётся обрезанным.
Если на холст не попадает ничего, изображения нет: запуск завершается ошибкой.
</translation>
    </message>
    <message>
        <source>Examples:
The window&apos;s first picture with twice as many pixels each way, for a screen
of high density:
  $ %1 -o curve.png --scale 2 120 33 40
</source>
        <translation>Примеры:
Первое изображение окна с вдвое большим числом пикселей по каждой оси, для
экрана высокой плотности:
  $ %1 -o curve.png --scale 2 120 33 40
</translation>
    </message>
    <message>
        <source>The window&apos;s curve drawing itself over four seconds, and again after a
second&apos;s pause, for ever:
  $ %1 -o growing.svg --animate 4 --loop 120 33 40
</source>
        <translation>Кривая окна, которая рисуется за четыре секунды и снова после секундной паузы,
бесконечно:
  $ %1 -o growing.svg --animate 4 --loop 120 33 40
</translation>
    </message>
    <message>
        <source>Three presses of Start layered over one grey circle, the first two curves in
dark teal and orange, the third in a random colour:
  $ %1 -o layers.png --color 1f6f6a --color e08020 120 33 40 120 -45 80 100 20 60
</source>
        <translation>Три нажатия «Старт» поверх одной серой окружности: первые две кривые тёмного
сине-зелёного и оранжевого цвета, третья — случайного:
  $ %1 -o layers.png --color 1f6f6a --color e08020 120 33 40 120 -45 80 100 20 60
</translation>
    </message>
    <message>
        <source>The window&apos;s first picture at scale 2, cut to the curve and the grey circle
with 8 logical pixels round them:
  $ %1 -o cut.png --fit 8 --scale 2 120 33 40
</source>
        <translation>Первое изображение окна в масштабе 2, обрезанное по кривой и серой окружности с
полем в 8 логических пикселей:
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
        <translation>Использование: %1 [параметры] R1 R2 R3 [R1 R2 R3 ...]
Рисует эпитрохоиду с радиусом неподвижной окружности R1, радиусом катящейся
окружности R2 и расстоянием пера R3 в файл PNG, SVG или GIF — так же, как её
рисует окно Volvenda. Каждые следующие три радиуса — ещё одно нажатие «Старт»
поверх того же изображения, по порядку, каждая кривая своим цветом; серая
окружность — по первому R1.
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
        <translation>FILE — новое имя или существующий обычный файл (или символическая ссылка на
него); он заменяется только целым новым файлом с сохранением прав доступа, ACL
доступа и атрибутов user.*, а также владельца и группы, если пишущий может их
установить (жёсткая ссылка на старый файл сохраняет старое изображение). Файл,
атрибуты user.* которого пишущему нельзя читать и, значит, нельзя сохранить,
отклоняется до начала работы, как и чужой файл в папке с битом sticky, например
/tmp, заменить который там может только владелец. Ограничение размера файла
(ulimit -f) приводит к ошибке, как переполненный диск. Запуск, прерванный во
время записи, может оставить рядом временный файл FILE.XXXXXX (FILE, обрезанное
до 32 байт); его можно удалить. В изображении не больше %1 запусков, а файл
запусков не больше %2 МБ. С --until-closed все запуски вместе проходят не больше
%3 шагов, а рисование изображения PNG или GIF вместе с его кадрами
занимает не больше примерно трёх секунд (при большем масштабе или большем числе
кадров — меньше шагов) и не больше %4 пикселей на кадр; больше отклоняется
до начала рисования.
</translation>
    </message>
    <message>
        <source>The same as a GIF, for a chat or an issue tracker, drawing itself once over
five seconds; with -o growing.png, an animated PNG:
  $ %1 -o growing.gif --animate 5 120 33 40
</source>
        <translation>То же в виде GIF для чата или трекера задач: кривая рисуется один раз за пять
секунд; с -o growing.png получится анимированный PNG:
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
        <translation>  --page SIZE         SVG для перьевого плоттера: страница размера SIZE, A4, A3,
                      A5, letter или ШxВ в миллиметрах (от %1 до %2 по каждой
                      стороне, например 210x297)
  --margin MM         с --page: пустое поле (от 0 до %3 мм; по умолчанию %4)
  --pen MM            с --page: ширина пера (от %5 до %6 мм; по умолчанию %7)
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
        <translation>С --page изображение заполняет страницу для плоттера, в миллиметрах: серая
окружность (если нет --no-reference) на отдельном слое «% опорная окружность»,
который программы для плоттеров пропускают, затем каждый запуск на слое,
названном по его номеру в порядке рисования и радиусам («1 R1 120 R2 33 R3 40»),
одним контуром своего цвета шириной в перо, без заливки и фона. Холст обрезает
кривые, как в изображениях PNG и SVG; рамка оставшегося (середины линий)
заполняет место внутри полей и половины пера, по центру, с сохранением
пропорций. Поля оставляют изображению не меньше %1 мм в каждую сторону. Со
страницей нельзя --fit, --scale и --animate.
</translation>
    </message>
    <message>
        <source>The window&apos;s first picture on a page of A4 for a pen plotter, with margins of
20 mm and a pen 0.5 mm wide:
  $ %1 -o plot.svg --page A4 --margin 20 --pen 0.5 120 33 40
</source>
        <translation>Первое изображение окна на странице A4 для перьевого плоттера, с полями 20 мм и
пером шириной 0,5 мм:
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
        <translation>Параметры:
  -o, --output FILE   куда записать; формат определяется расширением: .png,
                      .svg или .gif
  --color RRGGBB      цвет кривой (шестнадцатеричный), по одному для каждого
                      запуска из аргументов, по порядку; запуск без него
                      получает случайный цвет (в файле запусков цвет запуска
                      указан в его строке)
  --seed N            задаёт начальное значение случайных цветов, чтобы одна и
                      та же команда давала тот же файл
  --runs FILE         рисует запуски из FILE (- для стандартного ввода) после
                      запусков из аргументов: по одному в строке, R1 R2 R3 и,
                      возможно, цвет RRGGBB; пустые строки и строки,
                      начинающиеся с #, пропускаются; строка &apos;circle R&apos; или
                      &apos;circle none&apos; задаёт серую окружность вместо R1 первого
                      запуска (такие файлы записывает «Сохранить запуски как»
                      в окне)
  --scale K           только PNG и GIF: K пикселей устройства на логический
                      пиксель (от 1 до %1; по умолчанию 1)
  --until-closed      продолжать каждую кривую, пока она не замкнётся, а не
                      останавливаться там, где останавливается окно
  --no-reference      не рисовать серую опорную окружность
  --animate SECONDS   кривые рисуются одна за другой в одном темпе, всего за
                      SECONDS, от %2 до %3, кадрами не короче %5 мс: SVG или
                      анимированный PNG (программа просмотра без анимации
                      показывает их готовыми) либо GIF, которому это необходимо
  --loop              с --animate: рисовать их снова и снова, с секундной паузой
  --fit MARGIN        обрезать по нарисованному, оставив вокруг MARGIN пикселей
                      (от 0 до %4)
</translation>
    </message>
    <message>
        <source>  -h, --help          show this help
  -v, --version       show the version
</source>
        <extracomment>The last options, in the same columns as the others.</extracomment>
        <translation>  -h, --help          показать эту справку
  -v, --version       показать версию
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
        <translation>%1: не удаётся записать в стандартный вывод: %2</translation>
    </message>
    <message>
        <source>Opens the window through this platform plugin: xcb, wayland, ...</source>
        <translation>Открывает окно через этот модуль платформы: xcb, wayland, ...</translation>
    </message>
    <message>
        <source>Opens the window on this X display.</source>
        <translation>Открывает окно на этом дисплее X.</translation>
    </message>
    <message>
        <source>Draws the buttons in this widget style, such as Fusion.</source>
        <translation>Рисует кнопки в этом стиле виджетов, например Fusion.</translation>
    </message>
    <message>
        <source>Takes colours and fonts from this platform theme, such as gtk3.</source>
        <translation>Берёт цвета и шрифты из этой темы платформы, например gtk3.</translation>
    </message>
    <message>
        <source>Opens the window at this place on an X screen, such as +100+50.</source>
        <translation>Открывает окно в этом месте экрана X, например +100+50.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.</source>
        <extracomment>%1 is the program&apos;s name, %2 what is wrong with its arguments.</extracomment>
        <translation>%1: %2 См. «%1 --help».</translation>
    </message>
    <message>
        <source>Draws epitrochoids: type R1, R2 and R3 and press Start.</source>
        <translation>Рисует эпитрохоиды: введите R1, R2 и R3 и нажмите «Старт».</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>Показывает эту справку и завершает работу.</translation>
    </message>
    <message>
        <source>Displays the version and exits.</source>
        <translation>Показывает версию и завершает работу.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
    <message>
        <source>%1: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); to run it on a virtual X server: sudo apt-get install xvfb xauth &amp;&amp; %2</source>
        <extracomment>%1 is the program&apos;s name, %2 a command to type as it is.</extracomment>
        <translation>%1: нет дисплея, на котором можно открыть окно (не задана ни DISPLAY, ни WAYLAND_DISPLAY); чтобы запустить программу на виртуальном X-сервере: sudo apt-get install xvfb xauth &amp;&amp; %2</translation>
    </message>
    <message>
        <source>%1: %2: the window needs about %3 MB of address space beyond the program itself, and the limit (ulimit -v) leaves %4 MB; raise the limit to open it</source>
        <extracomment>%1 is the program&apos;s name, %2 the error &quot;Out of memory&quot;; %3 and %4 are sizes in megabytes.</extracomment>
        <translation>%1: %2: окну нужно около %3 МБ адресного пространства сверх самой программы, а ограничение (ulimit -v) оставляет %4 МБ; увеличьте ограничение, чтобы открыть его</translation>
    </message>
    <message>
        <source>A runs file to open, as Open Runs does: one run a line, R1 R2 R3 RRGGBB.</source>
        <translation>Файл запусков для открытия, как в «Открыть запуски»: по одному запуску в строке, R1 R2 R3 RRGGBB.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [FILE]</source>
        <translation>Использование: %1 [параметры] [FILE]</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Grey circle, radius %1.</source>
        <translation>Серая окружность, радиус %1.</translation>
    </message>
    <message>
        <source>No grey circle.</source>
        <translation>Серой окружности нет.</translation>
    </message>
    <message>
        <source>%1 No curves.</source>
        <extracomment>%1 says whether there is a grey circle, and how large it is.</extracomment>
        <translation>%1 Кривых нет.</translation>
    </message>
    <message numerus="yes">
        <source>%1 %n curves: %2.</source>
        <extracomment>%1 says whether there is a grey circle; %2 is the curves, each as said above.</extracomment>
        <translation>
            <numerusform>%1 %n кривая: %2.</numerusform>
            <numerusform>%1 %n кривые: %2.</numerusform>
            <numerusform>%1 %n кривых: %2.</numerusform>
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
        <translation>%1, цвет: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 in %2 (%3), stopped part-way by &quot;%4&quot;</source>
        <extracomment>As above; %4 is the error that stopped the curve before it was whole.</extracomment>
        <translation>%1, цвет: %2 (%3), прервана на полпути ошибкой «%4»</translation>
    </message>
</context>
<context>
    <name>Plotter</name>
    <message>
        <source>nothing of this picture lands on the canvas, so the page would be blank</source>
        <translation>ничего из этого изображения не попадает на холст, поэтому страница была бы пустой</translation>
    </message>
    <message>
        <source>R1 %1 R2 %2 R3 %3</source>
        <extracomment>A plotter&apos;s layer: the run&apos;s radii, written without commas as plotting software shows layer names.</extracomment>
        <translation>R1 %1 R2 %2 R3 %3</translation>
    </message>
    <message>
        <source>reference circle</source>
        <extracomment>A plotter&apos;s layer that holds the grey circle under the curves, a guide the plotter does not draw.</extracomment>
        <translation>опорная окружность</translation>
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
        <translation>пусто</translation>
    </message>
    <message>
        <source>R1 is %1: the fixed circle needs a radius other than 0.</source>
        <extracomment>%1 is what the field R1 holds, as typed.</extracomment>
        <translation>R1: %1 — неподвижной окружности нужен радиус, отличный от 0.</translation>
    </message>
    <message>
        <source>R1 is %1: a fixed circle so small sends the curve beyond the range of numbers; a larger R1 draws it.</source>
        <translation>R1: %1 — при такой маленькой неподвижной окружности кривая выходит за пределы диапазона чисел; с большим R1 она нарисуется.</translation>
    </message>
    <message>
        <source>%1 is %2: the curve would reach beyond the range of single precision (about 3.4e38); smaller numbers draw it.</source>
        <extracomment>%1 is a field&apos;s name, R1, R2 or R3; %2 what it holds.</extracomment>
        <translation>%1: %2 — кривая вышла бы за пределы одинарной точности (около 3.4e38); с меньшими числами она нарисуется.</translation>
    </message>
    <message>
        <source>The window goes on with what it has; close other programs to free memory, then try again.</source>
        <translation>Окно продолжает работу с тем, что есть; закройте другие программы, чтобы освободить память, и попробуйте снова.</translation>
    </message>
    <message>
        <source>there is not enough memory for the window&apos;s picture; close other programs to free memory, then open it again</source>
        <translation>не хватает памяти для изображения окна; закройте другие программы, чтобы освободить память, и откройте его снова</translation>
    </message>
    <message>
        <source>R1 is %1: Clear needs a number there, written as your language settings write numbers, such as %2.</source>
        <extracomment>%2 is a number written as the user&apos;s language settings write it, such as 60.5 or 60,5.</extracomment>
        <translation>R1: %1 — для кнопки «Сброс» там нужно число, записанное так, как числа записывают ваши языковые настройки, например %2.</translation>
    </message>
    <message>
        <source>R1 is %1: Clear needs a number below about 1.8e308.</source>
        <translation>R1: %1 — для кнопки «Сброс» нужно число меньше примерно 1.8e308.</translation>
    </message>
</context>
<context>
    <name>Renderer</name>
    <message>
        <source>%1 (see --help)</source>
        <extracomment>%1 says what is wrong with the arguments.</extracomment>
        <translation>%1 (см. --help)</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>не удаётся записать в стандартный вывод: %1</translation>
    </message>
    <message>
        <source>drawing</source>
        <translation>рисование</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>запись</translation>
    </message>
    <message>
        <source>%1 is out of range: %2</source>
        <extracomment>%1 names a radius (R1, R2 or R3), %2 is what was given for it.</extracomment>
        <translation>%1 вне диапазона чисел: %2</translation>
    </message>
    <message>
        <source>%1 is not a number: %2</source>
        <translation>%1 — не число: %2</translation>
    </message>
    <message>
        <source>%1 of run %2</source>
        <extracomment>A radius&apos;s name, R1, R2 or R3, and the number of the run it is of.</extracomment>
        <translation>%1 запуска %2</translation>
    </message>
    <message>
        <source>%1 takes six hex digits RRGGBB, not %2</source>
        <extracomment>%1 names the colour (--color, or the colour of a runs file&apos;s line), %2 is what was given.</extracomment>
        <translation>%1 требует шесть шестнадцатеричных цифр RRGGBB, а не %2</translation>
    </message>
    <message>
        <source>--fit takes a margin in whole pixels from 0 to %1, not %2</source>
        <translation>--fit требует поле в целых пикселях от 0 до %1, а не %2</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>для %1 нужно имя файла</translation>
    </message>
    <message>
        <source>the output file&apos;s name is not UTF-8 text: %1</source>
        <translation>имя выходного файла — не текст в UTF-8: %1</translation>
    </message>
    <message>
        <source>--runs needs a file name, or - for standard input</source>
        <translation>для --runs нужно имя файла или - для стандартного ввода</translation>
    </message>
    <message>
        <source>--runs is given once, not again with %1</source>
        <translation>--runs указывается один раз, а не ещё раз с %1</translation>
    </message>
    <message>
        <source>--scale takes a whole number from 1 to %1, not %2</source>
        <translation>--scale требует целое число от 1 до %1, а не %2</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>для %1 нужно значение</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 не принимает значения</translation>
    </message>
    <message>
        <source>three radii are needed, R1 R2 R3; %1 given</source>
        <translation>нужны три радиуса, R1 R2 R3; указано: %1</translation>
    </message>
    <message>
        <source>three radii are needed for each run, R1 R2 R3; %1 given</source>
        <translation>для каждого запуска нужны три радиуса, R1 R2 R3; указано: %1</translation>
    </message>
    <message>
        <source>%1 runs are more than the limit of %2</source>
        <translation>запусков: %1, это больше предела в %2</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <extracomment>How often --color is given: once, twice, 3 times.</extracomment>
        <translation>
            <numerusform>%n раз</numerusform>
            <numerusform>%n раза</numerusform>
            <numerusform>%n раз</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n runs</source>
        <translation>
            <numerusform>%n запуска</numerusform>
            <numerusform>%n запусков</numerusform>
            <numerusform>%n запусков</numerusform>
        </translation>
    </message>
    <message>
        <source>more colours than runs: --color given %1, for %2 given as arguments; it colours only those, and a run of the --runs file has its colour on its line</source>
        <translation>цветов больше, чем запусков: --color указан %1 для %2 из аргументов; он задаёт цвет только им, а у запуска из файла --runs цвет указан в его строке</translation>
    </message>
    <message>
        <source>more colours than runs: --color given %1, for %2</source>
        <translation>цветов больше, чем запусков: --color указан %1 для %2</translation>
    </message>
    <message>
        <source>--loop repeats an animation: it needs --animate</source>
        <translation>--loop повторяет анимацию: ему нужен --animate</translation>
    </message>
    <message>
        <source>%1 billion</source>
        <extracomment>A number of pixels, such as 1.5 billion; %1 is written with a period.</extracomment>
        <translation>%1 млрд</translation>
    </message>
    <message>
        <source>%1 million</source>
        <translation>%1 млн</translation>
    </message>
    <message>
        <source>run %1 (%2)</source>
        <extracomment>%1 is the run&apos;s number, %2 its radii.</extracomment>
        <translation>запуск %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 names a run, %2 why it is refused.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>R1 and R2 have too many digits to work out where the curve closes</source>
        <translation>у R1 и R2 слишком много цифр, чтобы вычислить, где кривая замкнётся</translation>
    </message>
    <message>
        <source>closing this curve needs %1 steps, more than the limit of %2</source>
        <translation>чтобы замкнуть эту кривую, нужно шагов: %1, это больше предела в %2</translation>
    </message>
    <message>
        <source>the %1 runs take %2 steps together, more than the limit of %3</source>
        <translation>запускам (их %1) вместе нужно шагов: %2, это больше предела в %3</translation>
    </message>
    <message>
        <source>nothing of this picture lands on the canvas, so --fit has nothing to cut it to</source>
        <translation>ничего из этого изображения не попадает на холст, поэтому --fit не к чему обрезать</translation>
    </message>
    <message>
        <source>the picture at scale %1 would be %2 x %3 pixels, more than the limit of %4 pixels; a smaller --fit margin or a lower --scale takes less</source>
        <translation>изображение в масштабе %1 было бы размером %2 x %3 пикселей, больше предела в %4 пикселей; меньшее поле --fit или меньший --scale потребует меньше</translation>
    </message>
    <message>
        <source>fewer runs take less</source>
        <translation>меньшее число запусков потребует меньше</translation>
    </message>
    <message>
        <source>a lower --scale takes less</source>
        <translation>меньший --scale потребует меньше</translation>
    </message>
    <message>
        <source>without --until-closed the curves stop sooner</source>
        <translation>без --until-closed кривые остановятся раньше</translation>
    </message>
    <message>
        <source>without --until-closed the curve stops sooner</source>
        <translation>без --until-closed кривая остановится раньше</translation>
    </message>
    <message>
        <source>drawing these curves at scale %1 means sweeping about %2 pixels, more than the limit of %3; %4</source>
        <translation>чтобы нарисовать эти кривые в масштабе %1, нужно пройти около %2 пикселей, больше предела в %3; %4</translation>
    </message>
    <message>
        <source>drawing this curve at scale %1 means sweeping about %2 pixels, more than the limit of %3; %4</source>
        <translation>чтобы нарисовать эту кривую в масштабе %1, нужно пройти около %2 пикселей, больше предела в %3; %4</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>стандартный ввод</translation>
    </message>
    <message>
        <source>%1 holds no runs, and none are given as arguments</source>
        <translation>в %1 нет запусков, и в аргументах их тоже нет</translation>
    </message>
    <message>
        <source>--animate takes seconds from %1 to %2, such as 2.5, not %3</source>
        <translation>--animate требует секунды от %1 до %2, например 2.5, а не %3</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0 to %1, not %2</source>
        <translation>--seed требует целое число от 0 до %1, а не %2</translation>
    </message>
    <message>
        <source>%1: %2 %3%</source>
        <extracomment>A render&apos;s progress: %1 is the program&apos;s name, %2 what it is doing (drawing, writing), %3 how far, in percent.</extracomment>
        <translation>%1: %2 %3%</translation>
    </message>
    <message>
        <source>no output file: give one with -o FILE.png, -o FILE.svg or -o FILE.gif</source>
        <translation>нет выходного файла: укажите его через -o ФАЙЛ.png, -o ФАЙЛ.svg или -o ФАЙЛ.gif</translation>
    </message>
    <message>
        <source>the output file must end in .png, .svg or .gif: &apos;%1&apos;</source>
        <translation>выходной файл должен оканчиваться на .png, .svg или .gif: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--scale applies to PNG and GIF output only</source>
        <translation>--scale действует только для вывода в PNG и GIF</translation>
    </message>
    <message>
        <source>a GIF is written as an animation: give --animate SECONDS (a still picture is best as .png)</source>
        <translation>GIF записывается как анимация: укажите --animate СЕКУНДЫ (неподвижное изображение лучше сохранять в .png)</translation>
    </message>
    <message>
        <source>a frame of the GIF would draw %1 colours, more than the %2 a frame holds; a longer --animate spreads the runs over more frames</source>
        <translation>кадру GIF нужно было бы цветов: %1, это больше, чем %2, которые вмещает кадр; более длинный --animate распределит запуски по большему числу кадров</translation>
    </message>
    <message>
        <source>drawing and writing the %1 frames at scale %2 means about %3 pixels of work, more than the limit of %4; %5</source>
        <translation>чтобы нарисовать и записать кадры (их %1) в масштабе %2, нужно около %3 пикселей работы, больше предела в %4; %5</translation>
    </message>
    <message>
        <source>--page takes A4, A3, A5, letter or WIDTHxHEIGHT in millimetres, each from %1 to %2, such as 210x297, not %3</source>
        <translation>--page принимает A4, A3, A5, letter или ШИРИНАxВЫСОТА в миллиметрах, каждая от %1 до %2, например 210x297, а не %3</translation>
    </message>
    <message>
        <source>--margin takes millimetres from 0 to %1, such as 15, not %2</source>
        <translation>--margin принимает миллиметры от 0 до %1, например 15, а не %2</translation>
    </message>
    <message>
        <source>--pen takes a width in millimetres from %1 to %2, such as 0.3, not %3</source>
        <translation>--pen принимает ширину в миллиметрах от %1 до %2, например 0.3, а не %3</translation>
    </message>
    <message>
        <source>%1 is for a plotter&apos;s page: it needs --page</source>
        <translation>%1 относится к странице для плоттера: нужен --page</translation>
    </message>
    <message>
        <source>--page applies to SVG output only</source>
        <translation>--page действует только для вывода в SVG</translation>
    </message>
    <message>
        <source>--page fills the page with what is drawn: it takes no --fit</source>
        <translation>--page заполняет страницу нарисованным: --fit с ним нельзя</translation>
    </message>
    <message>
        <source>--page sizes the picture in millimetres: it takes no --scale</source>
        <translation>--page задаёт размер изображения в миллиметрах: --scale с ним нельзя</translation>
    </message>
    <message>
        <source>--page is for plotters, which draw a still picture: it takes no --animate</source>
        <translation>--page предназначен для плоттеров, которые рисуют неподвижное изображение: --animate с ним нельзя</translation>
    </message>
    <message>
        <source>margins of %1 mm and a pen of %2 mm leave %3 mm of the %4 x %5 mm page for the picture, less than %6 mm; smaller margins, a thinner pen or a larger page leave more</source>
        <translation>поля по %1 мм и перо %2 мм оставляют изображению %3 мм страницы %4 x %5 мм, меньше %6 мм; меньшие поля, более тонкое перо или большая страница оставят больше</translation>
    </message>
    <message>
        <source>another --animate takes less: a shorter one fewer frames, a longer one smaller ones</source>
        <translation>другой --animate займёт меньше: более короткий даёт меньше кадров, более длинный — кадры меньше</translation>
    </message>
</context>
<context>
    <name>Runs</name>
    <message>
        <source>the picture has one circle, given as &apos;circle R&apos; or &apos;circle none&apos;, not %1</source>
        <translation>у изображения одна окружность, задаваемая как &apos;circle R&apos; или &apos;circle none&apos;, а не %1</translation>
    </message>
    <message>
        <source>the circle&apos;s radius</source>
        <translation>радиус окружности</translation>
    </message>
    <message>
        <source>a run is R1 R2 R3 and maybe a colour RRGGBB, not %1</source>
        <translation>запуск — это R1 R2 R3 и, возможно, цвет RRGGBB, а не %1</translation>
    </message>
    <message>
        <source>the runs are more than the limit of %1</source>
        <translation>запусков больше предела в %1</translation>
    </message>
    <message>
        <source>the colour</source>
        <translation>цвет</translation>
    </message>
    <message>
        <source>line %1 of %2: %3</source>
        <translation>строка %1 в %2: %3</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, the limit for a runs file</source>
        <translation>%1 больше %2 МБ — предела для файла запусков</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Рисунок SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Сохранить изображение как</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>%1 is a file&apos;s name.</extracomment>
        <translation>%1 уже существует.
Заменить его?</translation>
    </message>
    <message>
        <source>Save Runs As</source>
        <translation>Сохранить запуски как</translation>
    </message>
    <message>
        <source>Open Runs</source>
        <translation>Открыть запуски</translation>
    </message>
    <message>
        <source>Volvenda runs (*.%1)</source>
        <translation>Запуски Volvenda (*.%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>%1. Return presses it; Space ends the program.</source>
        <extracomment>A button&apos;s description: %1 says what it does.</extracomment>
        <translation>%1. Enter нажимает её; пробел завершает программу.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A button 57 pixels wide.</extracomment>
        <translation>Старт</translation>
    </message>
    <message>
        <source>traces the curve of R1, R2 and R3 over the picture, in a new colour</source>
        <translation>рисует кривую по R1, R2 и R3 поверх изображения новым цветом</translation>
    </message>
    <message>
        <source>radius of the fixed circle</source>
        <translation>радиус неподвижной окружности</translation>
    </message>
    <message>
        <source>radius of the rolling circle; negative rolls it inside</source>
        <translation>радиус катящейся окружности; при отрицательном она катится внутри</translation>
    </message>
    <message>
        <source>distance of the pen from the rolling circle&apos;s centre</source>
        <translation>расстояние от пера до центра катящейся окружности</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>A button 49 pixels wide.</extracomment>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>wipes the picture and draws the grey circle of radius R1 again</source>
        <translation>стирает изображение и заново рисует серую окружность радиусом R1</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button 41 pixels wide.</extracomment>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>ends the program</source>
        <translation>завершает программу</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Копировать изображение</translation>
    </message>
    <message>
        <source>&amp;Save Picture As…</source>
        <translation>&amp;Сохранить изображение как…</translation>
    </message>
    <message numerus="yes">
        <source>%n items: %1</source>
        <extracomment>What a menu holds: %1 is its items&apos; names, each after the list&apos;s separator.</extracomment>
        <translation>
            <numerusform>%n пункт: %1</numerusform>
            <numerusform>%n пункта: %1</numerusform>
            <numerusform>%n пунктов: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the items of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>&amp;Open Runs…</source>
        <translation>О&amp;ткрыть запуски…</translation>
    </message>
    <message>
        <source>Save &amp;Runs As…</source>
        <translation>Сохранить &amp;запуски как…</translation>
    </message>
    <message>
        <source>%1 holds no runs</source>
        <translation>в %1 нет запусков</translation>
    </message>
    <message>
        <source>The picture stays as it was.</source>
        <translation>Изображение остаётся прежним.</translation>
    </message>
</context>
<context>
    <name>Writing</name>
    <message>
        <source>a frame of the GIF would hold more colours than it can</source>
        <translation>в кадре GIF оказалось бы больше цветов, чем он может вместить</translation>
    </message>
</context>
</TS>
