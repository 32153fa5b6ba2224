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
        <source>Usage: %1 [options]</source>
        <translation>Использование: %1 [параметры]</translation>
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
        <source>volvenda-render: %1 %2%</source>
        <extracomment>A render&apos;s progress: %1 what it is doing (drawing, writing), %2 how far, in percent.</extracomment>
        <translation>volvenda-render: %1 %2%</translation>
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
</context>
</TS>
