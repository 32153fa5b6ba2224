<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Colours</name>
    <message>
        <source>red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>暗い赤</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>ピンク</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>茶色</translation>
    </message>
    <message>
        <source>light orange</source>
        <translation>明るいオレンジ</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>オリーブ</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>明るい黄色</translation>
    </message>
    <message>
        <source>lime</source>
        <translation>ライム</translation>
    </message>
    <message>
        <source>dark lime</source>
        <translation>暗いライム</translation>
    </message>
    <message>
        <source>light lime</source>
        <translation>明るいライム</translation>
    </message>
    <message>
        <source>green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>暗い緑</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>明るい緑</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>ティール</translation>
    </message>
    <message>
        <source>dark teal</source>
        <translation>暗いティール</translation>
    </message>
    <message>
        <source>light teal</source>
        <translation>明るいティール</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>暗い青</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>水色</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>紫</translation>
    </message>
    <message>
        <source>dark purple</source>
        <translation>暗い紫</translation>
    </message>
    <message>
        <source>light purple</source>
        <translation>明るい紫</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>マゼンタ</translation>
    </message>
    <message>
        <source>dark magenta</source>
        <translation>暗いマゼンタ</translation>
    </message>
    <message>
        <source>light magenta</source>
        <translation>明るいマゼンタ</translation>
    </message>
    <message>
        <source>black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>white</source>
        <translation>白</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>暗い灰色</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>明るい灰色</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>dark greyish %1</source>
        <extracomment>%1 is a colour&apos;s name, such as blue.</extracomment>
        <translation>暗い灰色がかった%1</translation>
    </message>
    <message>
        <source>light greyish %1</source>
        <translation>明るい灰色がかった%1</translation>
    </message>
    <message>
        <source>greyish %1</source>
        <translation>灰色がかった%1</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Type mismatch</source>
        <translation>型が一致しません</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>オーバーフロー</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>0 で除算しました</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>The file cannot be written</source>
        <translation>ファイルに書き込めません</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>ファイルを書き込めませんでした</translation>
    </message>
    <message>
        <source>Run-time error</source>
        <translation>実行時エラー</translation>
    </message>
    <message>
        <source>Bad argument</source>
        <translation>引数が誤っています</translation>
    </message>
    <message>
        <source>The work is refused</source>
        <translation>処理を拒否しました</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>its folder is sticky (as /tmp is) and the file belongs to someone else, who alone may replace it there</source>
        <translation>そのフォルダーは /tmp と同じくスティッキーで、ファイルはほかの人のものです。そこで置き換えられるのはその人だけです</translation>
    </message>
    <message>
        <source>it carries attributes you may not read, which a new file would lose: %1</source>
        <extracomment>%1 is a list of extended attributes&apos; names, such as user.xdg.origin.url.</extracomment>
        <translation>読み取りを許されていない属性があり、新しいファイルではそれが失われます: %1</translation>
    </message>
    <message>
        <source>it has become %1</source>
        <translation>%1に変わっています</translation>
    </message>
    <message>
        <source>the file would not be whole</source>
        <translation>ファイルが完全になりません</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 the reason.</extracomment>
        <translation>「%1」に書き込めません: %2</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>名前付きパイプ</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ソケット</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではないもの</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>ファイル名がありません</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>名前が正しいテキストではありません</translation>
    </message>
    <message>
        <source>the name holds a null character</source>
        <translation>名前に NUL 文字が含まれています</translation>
    </message>
    <message>
        <source>the name ends in &apos;/&apos;, as a folder&apos;s does</source>
        <translation>名前がフォルダーのように「/」で終わっています</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>そのフォルダーが存在しません</translation>
    </message>
    <message>
        <source>it is %1</source>
        <extracomment>%1 is what the file is, such as a folder.</extracomment>
        <translation>%1です</translation>
    </message>
    <message>
        <source>it is a symbolic link to a file that does not exist</source>
        <translation>存在しないファイルを指すシンボリックリンクです</translation>
    </message>
    <message>
        <source>it is a symbolic link to %1</source>
        <extracomment>%1 is what the link&apos;s target is, such as a folder.</extracomment>
        <translation>%1を指すシンボリックリンクです</translation>
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
        <translation>自分の色がない実行には、ウィンドウでその回に「開始」を押したときに選ばれる色が
付きます。そのため同じ --seed では同じ色になり、ある実行の色を指定してもほかの
実行の色は変わりません。FILE の半径はコマンドラインと同じように書きます。行末
は LF、CRLF、CR のどれでもよく、最初の行の前のバイトオーダーマークは読み飛ばし
ます。誤った行は描く前に行番号で示し、普通の空白以外の空白をエスケープ (\u00a0)
にして、端末の約 1 行分に切って表示します。double の範囲を超える半径や小さすぎ
る半径 (1e309、1e-400。0 は数値です) は受け付けず、半径として読んだ -inf も同
様です。
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
        <translation>終了ステータス:
  0 書き込み成功。1 実行時エラー (「0 で除算しました」「オーバーフロー」。実行
  が複数あればどの実行かも示します)、作業が多すぎる、メモリが足りない (「メモ
  リが不足しています」)、切り取る対象がない、またはファイルか標準出力に書き込
  めなかった。2 引数か実行ファイルの行が誤っている、または出力先が通常のファイ
  ルでも新しい名前でもない。
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
        <translation>--fit を付けないと、画像はウィンドウのキャンバス (%1 x %2 ピクセル) そのもので
す。--fit はキャンバスを、描かれたもの (すべての曲線と、--no-reference でなけ
れば灰色の円) を囲む枠に合わせて切り取ります。線の太さも含みます。MARGIN は論
理ピクセルなので、--scale で掛け算されます。キャンバスで切れた部分は切れたまま
です。キャンバスに何も描かれなければ画像はなく、失敗します。
</translation>
    </message>
    <message>
        <source>Examples:
The window&apos;s first picture with twice as many pixels each way, for a screen
of high density:
  $ %1 -o curve.png --scale 2 120 33 40
</source>
        <translation>例:
ウィンドウの最初の画像を、高密度の画面向けに縦横 2 倍のピクセル数で描きます:
  $ %1 -o curve.png --scale 2 120 33 40
</translation>
    </message>
    <message>
        <source>The window&apos;s curve drawing itself over four seconds, and again after a
second&apos;s pause, for ever:
  $ %1 -o growing.svg --animate 4 --loop 120 33 40
</source>
        <translation>ウィンドウの曲線が 4 秒かけて描かれ、1 秒休んでまた描かれるのを繰り返します:
  $ %1 -o growing.svg --animate 4 --loop 120 33 40
</translation>
    </message>
    <message>
        <source>Three presses of Start layered over one grey circle, the first two curves in
dark teal and orange, the third in a random colour:
  $ %1 -o layers.png --color 1f6f6a --color e08020 120 33 40 120 -45 80 100 20 60
</source>
        <translation>1 つの灰色の円の上に「開始」を 3 回重ねます。最初の 2 本は暗いティールとオレン
ジ、3 本目はランダムな色です:
  $ %1 -o layers.png --color 1f6f6a --color e08020 120 33 40 120 -45 80 100 20 60
</translation>
    </message>
    <message>
        <source>The window&apos;s first picture at scale 2, cut to the curve and the grey circle
with 8 logical pixels round them:
  $ %1 -o cut.png --fit 8 --scale 2 120 33 40
</source>
        <translation>ウィンドウの最初の画像を倍率 2 で、曲線と灰色の円の周りに論理ピクセルで 8 の余
白を残して切り取ります:
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
        <translation>使い方: %1 [オプション] R1 R2 R3 [R1 R2 R3 ...]
固定円の半径 R1、転がる円の半径 R2、ペンの距離 R3 の外トロコイドを、Volvenda
のウィンドウと同じように PNG、SVG または GIF ファイルに描きます。半径を 3 つ足す
ごとに、同じ画像の上で「開始」をもう一度押したことになり、順に描かれ、曲線はそれ
ぞれ自分の色になります。灰色の円は最初の R1 のものです。
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
        <translation>FILE は新しい名前か既存の通常のファイル (またはそれへのシンボリックリンク) で、
完全な新しいファイルでのみ置き換えます。そのとき、アクセス権、アクセス ACL、us
er.* 属性を保ち、書き込む人が設定できるなら所有者とグループも保ちます (古いフ
ァイルへのハードリンクは古い画像のままです)。書き込む人が user.* 属性を読めず、
したがって保てないファイルは作業の前に拒否します。/tmp のようなスティッキーな
フォルダーにあるほかの人のファイルも、そこで置き換えられるのは所有者だけなので
拒否します。ファイルサイズの制限 (ulimit -f) はディスクがいっぱいのときと同じ
く失敗になります。書き込み中に強制終了すると、隣に FILE.XXXXXX という一時ファ
イル (FILE は 32 バイトまで) が残ることがあります。削除してかまいません。画像
の実行は %1 まで、実行ファイルは %2 MB までです。--until-closed では全実行で合
わせて %3 ステップまで、PNG か GIF の画像の描画はフレームも含めて約 3 秒
(倍率が高いほど、またフレームが多いほどステップは少なくなります) と 1 フレームあ
たり %4 ピクセルまでで、それを超えると描く前に拒否します。
</translation>
    </message>
    <message>
        <source>The same as a GIF, for a chat or an issue tracker, drawing itself once over
five seconds; with -o growing.png, an animated PNG:
  $ %1 -o growing.gif --animate 5 120 33 40
</source>
        <translation>同じ曲線を、チャットや課題管理システム向けに、5 秒かけて 1 回だけ描かれる GIF に
します。-o growing.png ならアニメーション PNG になります:
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
        <translation>  --page SIZE         ペンプロッター用の SVG: 大きさ SIZE のページ。A4、A3、A5、
                      letter、またはミリメートルで 幅x高さ (それぞれ %1 から
                      %2、たとえば 210x297)
  --margin MM         --page と一緒に使い、空白の余白 (0 から %3 mm、既定は %4)
  --pen MM            --page と一緒に使い、ペンの太さ (%5 から %6 mm、既定は
                      %7)
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
        <translation>--page を付けると、画像はプロッター用のページ (ミリメートル単位) いっぱいに描か
れます: 灰色の円 (--no-reference がなければ) は「% 基準円」という名前の専用のレ
イヤーに入り、プロット用ソフトウェアはこれを飛ばします。続いて各実行が、描く順
番の番号と半径で名付けたレイヤー (「1 R1 120 R2 33 R3 40」) に、その色の 1 本の
パスとして入ります。線の太さはペンと同じで、塗りも背景もありません。曲線は PNG
や SVG の画像と同じくキャンバスで切られ、残った部分の枠 (線の中心) が、余白と
ペンの半分の内側を縦横比を保って中央に満たします。余白は画像に縦横それぞれ少な
くとも %1 mm を残します。ページには --fit、--scale、--animate は使えません。
</translation>
    </message>
    <message>
        <source>The window&apos;s first picture on a page of A4 for a pen plotter, with margins of
20 mm and a pen 0.5 mm wide:
  $ %1 -o plot.svg --page A4 --margin 20 --pen 0.5 120 33 40
</source>
        <translation>ウィンドウの最初の画像を、ペンプロッター用の A4 のページに、余白 20 mm、太さ
0.5 mm のペンで描きます:
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
        <translation>オプション:
  -o, --output FILE   書き込み先。形式は拡張子 (.png、.svg または .gif) で決まり
                      ます
  --color RRGGBB      曲線の色 (16 進数)。引数で指定した実行ごとに順に 1 つず
                      つ指定します。指定のない実行にはランダムな色が付きます
                      (実行ファイルでは色をその行に書きます)
  --seed N            ランダムな色の種。同じコマンドで同じファイルになります
  --runs FILE         引数の実行のあとに FILE (標準入力なら -) の実行を描きま
                      す。1 行に 1 つ、R1 R2 R3 と必要なら色 RRGGBB を書きます。
                      空行と # で始まる行は読み飛ばします。&apos;circle R&apos; または
                      &apos;circle none&apos; の行は、最初の実行の R1 の代わりに灰色の円を
                      決めます (ウィンドウの「名前を付けて実行を保存」がこのよう
                      なファイルを書きます)
  --scale K           PNG と GIF のみ: 論理ピクセルあたりのデバイスピクセル数 K
                      (1 から %1、既定は 1)
  --until-closed      ウィンドウが止まる位置で止めず、各曲線が閉じるまで描きま
                      す
  --no-reference      灰色の基準円を描きません
  --animate SECONDS   曲線が順に同じ速さで、合わせて SECONDS 秒 (%2 から %3)
                      かけて、%5 ミリ秒以上のフレームで描かれます。出力は SVG か
                      アニメーション PNG (アニメーションしないビューアーでは完成
                      した姿が見えます)、または GIF (GIF では必須) です
  --loop              --animate と一緒に使い、1 秒おいて何度も描き直します
  --fit MARGIN        描いた部分に合わせて切り取り、周りに MARGIN ピクセル (0
                      から %4) の余白を残します
</translation>
    </message>
    <message>
        <source>  -h, --help          show this help
  -v, --version       show the version
</source>
        <extracomment>The last options, in the same columns as the others.</extracomment>
        <translation>  -h, --help          このヘルプを表示します
  -v, --version       バージョンを表示します
</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>%1: %2; %3</source>
        <extracomment>%1 is the program&apos;s name, %2 the error, %3 what to do about it.</extracomment>
        <translation>%1: %2。%3</translation>
    </message>
    <message>
        <source>%1: cannot write to standard output: %2</source>
        <extracomment>%1 is the program&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>%1: 標準出力に書き込めません: %2</translation>
    </message>
    <message>
        <source>Opens the window through this platform plugin: xcb, wayland, ...</source>
        <translation>このプラットフォームプラグインでウィンドウを開きます: xcb、wayland など</translation>
    </message>
    <message>
        <source>Opens the window on this X display.</source>
        <translation>この X ディスプレイにウィンドウを開きます。</translation>
    </message>
    <message>
        <source>Draws the buttons in this widget style, such as Fusion.</source>
        <translation>ボタンをこのウィジェットスタイル (Fusion など) で描きます。</translation>
    </message>
    <message>
        <source>Takes colours and fonts from this platform theme, such as gtk3.</source>
        <translation>色とフォントをこのプラットフォームテーマ (gtk3 など) から取ります。</translation>
    </message>
    <message>
        <source>Opens the window at this place on an X screen, such as +100+50.</source>
        <translation>ウィンドウを X 画面のこの位置 (+100+50 など) に開きます。</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.</source>
        <extracomment>%1 is the program&apos;s name, %2 what is wrong with its arguments.</extracomment>
        <translation>%1: %2 「%1 --help」を参照してください。</translation>
    </message>
    <message>
        <source>Draws epitrochoids: type R1, R2 and R3 and press Start.</source>
        <translation>外トロコイドを描きます。R1、R2、R3 を入力して「開始」を押してください。</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Displays the version and exits.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数「%1」です。</translation>
    </message>
    <message>
        <source>%1: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); to run it on a virtual X server: sudo apt-get install xvfb xauth &amp;&amp; %2</source>
        <extracomment>%1 is the program&apos;s name, %2 a command to type as it is.</extracomment>
        <translation>%1: ウィンドウを開くディスプレイがありません (DISPLAY も WAYLAND_DISPLAY も設定されていません)。仮想 X サーバーで実行するには: sudo apt-get install xvfb xauth &amp;&amp; %2</translation>
    </message>
    <message>
        <source>%1: %2: the window needs about %3 MB of address space beyond the program itself, and the limit (ulimit -v) leaves %4 MB; raise the limit to open it</source>
        <extracomment>%1 is the program&apos;s name, %2 the error &quot;Out of memory&quot;; %3 and %4 are sizes in megabytes.</extracomment>
        <translation>%1: %2: ウィンドウにはプログラム本体のほかに約 %3 MB のアドレス空間が必要ですが、制限 (ulimit -v) では %4 MB しか残りません。開くには制限を引き上げてください</translation>
    </message>
    <message>
        <source>A runs file to open, as Open Runs does: one run a line, R1 R2 R3 RRGGBB.</source>
        <translation>開く実行ファイル (「実行を開く」と同じ)。1 行に 1 つ、R1 R2 R3 RRGGBB。</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [FILE]</source>
        <translation>使い方: %1 [オプション] [FILE]</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Grey circle, radius %1.</source>
        <translation>灰色の円、半径 %1。</translation>
    </message>
    <message>
        <source>No grey circle.</source>
        <translation>灰色の円はありません。</translation>
    </message>
    <message>
        <source>%1 No curves.</source>
        <extracomment>%1 says whether there is a grey circle, and how large it is.</extracomment>
        <translation>%1曲線はありません。</translation>
    </message>
    <message numerus="yes">
        <source>%1 %n curves: %2.</source>
        <extracomment>%1 says whether there is a grey circle; %2 is the curves, each as said above.</extracomment>
        <translation>
            <numerusform>%1曲線 %n 本: %2。</numerusform>
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
        <translation>%1、色は%2 (%3)</translation>
    </message>
    <message>
        <source>%1 in %2 (%3), stopped part-way by &quot;%4&quot;</source>
        <extracomment>As above; %4 is the error that stopped the curve before it was whole.</extracomment>
        <translation>%1、色は%2 (%3)、「%4」により途中で停止</translation>
    </message>
</context>
<context>
    <name>Plotter</name>
    <message>
        <source>nothing of this picture lands on the canvas, so the page would be blank</source>
        <translation>この画像はキャンバスに何も描かれないので、ページは白紙になります</translation>
    </message>
    <message>
        <source>R1 %1 R2 %2 R3 %3</source>
        <extracomment>A plotter&apos;s layer: the run&apos;s radii, written without commas as plotting software shows layer names.</extracomment>
        <translation>R1 %1 R2 %2 R3 %3</translation>
    </message>
    <message>
        <source>reference circle</source>
        <extracomment>A plotter&apos;s layer that holds the grey circle under the curves, a guide the plotter does not draw.</extracomment>
        <translation>基準円</translation>
    </message>
</context>
<context>
    <name>Radii</name>
    <message>
        <source>R1 %1, R2 %2, R3 %3</source>
        <extracomment>The three radii of a curve, named as the window&apos;s fields are.</extracomment>
        <translation>R1 %1、R2 %2、R3 %3</translation>
    </message>
</context>
<context>
    <name>Remedies</name>
    <message>
        <source>empty</source>
        <comment>a field with nothing in it</comment>
        <translation>空</translation>
    </message>
    <message>
        <source>R1 is %1: the fixed circle needs a radius other than 0.</source>
        <extracomment>%1 is what the field R1 holds, as typed.</extracomment>
        <translation>R1 の値は %1 です。固定円の半径には 0 以外の値が必要です。</translation>
    </message>
    <message>
        <source>R1 is %1: a fixed circle so small sends the curve beyond the range of numbers; a larger R1 draws it.</source>
        <translation>R1 の値は %1 です。固定円がこれほど小さいと、曲線が数値の範囲を超えます。R1 を大きくすると描けます。</translation>
    </message>
    <message>
        <source>%1 is %2: the curve would reach beyond the range of single precision (about 3.4e38); smaller numbers draw it.</source>
        <extracomment>%1 is a field&apos;s name, R1, R2 or R3; %2 what it holds.</extracomment>
        <translation>%1 の値は %2 です。曲線が単精度の範囲 (約 3.4e38) を超えてしまいます。もっと小さい数なら描けます。</translation>
    </message>
    <message>
        <source>The window goes on with what it has; close other programs to free memory, then try again.</source>
        <translation>ウィンドウは今ある内容のまま続けます。ほかのプログラムを閉じてメモリを空けてから、もう一度試してください。</translation>
    </message>
    <message>
        <source>there is not enough memory for the window&apos;s picture; close other programs to free memory, then open it again</source>
        <translation>ウィンドウの画像に必要なメモリが足りません。ほかのプログラムを閉じてメモリを空けてから、もう一度開いてください</translation>
    </message>
    <message>
        <source>R1 is %1: Clear needs a number there, written as your language settings write numbers, such as %2.</source>
        <extracomment>%2 is a number written as the user&apos;s language settings write it, such as 60.5 or 60,5.</extracomment>
        <translation>R1 の値は %1 です。「消去」にはそこに数値が必要です。言語の設定どおりの書き方で、たとえば %2 のように入力してください。</translation>
    </message>
    <message>
        <source>R1 is %1: Clear needs a number below about 1.8e308.</source>
        <translation>R1 の値は %1 です。「消去」には約 1.8e308 未満の数値が必要です。</translation>
    </message>
</context>
<context>
    <name>Renderer</name>
    <message>
        <source>%1 (see --help)</source>
        <extracomment>%1 says what is wrong with the arguments.</extracomment>
        <translation>%1 (--help を参照)</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>標準出力に書き込めません: %1</translation>
    </message>
    <message>
        <source>drawing</source>
        <translation>描画中</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>書き込み中</translation>
    </message>
    <message>
        <source>%1 is out of range: %2</source>
        <extracomment>%1 names a radius (R1, R2 or R3), %2 is what was given for it.</extracomment>
        <translation>%1 が数値の範囲外です: %2</translation>
    </message>
    <message>
        <source>%1 is not a number: %2</source>
        <translation>%1 が数値ではありません: %2</translation>
    </message>
    <message>
        <source>%1 of run %2</source>
        <extracomment>A radius&apos;s name, R1, R2 or R3, and the number of the run it is of.</extracomment>
        <translation>実行 %2 の %1</translation>
    </message>
    <message>
        <source>%1 takes six hex digits RRGGBB, not %2</source>
        <extracomment>%1 names the colour (--color, or the colour of a runs file&apos;s line), %2 is what was given.</extracomment>
        <translation>%1 には 16 進数 6 桁 RRGGBB を指定してください (%2 ではなく)</translation>
    </message>
    <message>
        <source>--fit takes a margin in whole pixels from 0 to %1, not %2</source>
        <translation>--fit には 0 から %1 までの整数のピクセル数で余白を指定してください (%2 ではなく)</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 にはファイル名が必要です</translation>
    </message>
    <message>
        <source>the output file&apos;s name is not UTF-8 text: %1</source>
        <translation>出力ファイルの名前が UTF-8 のテキストではありません: %1</translation>
    </message>
    <message>
        <source>--runs needs a file name, or - for standard input</source>
        <translation>--runs にはファイル名 (標準入力なら -) が必要です</translation>
    </message>
    <message>
        <source>--runs is given once, not again with %1</source>
        <translation>--runs は一度だけ指定します (%1 で再び指定することはできません)</translation>
    </message>
    <message>
        <source>--scale takes a whole number from 1 to %1, not %2</source>
        <translation>--scale には 1 から %1 までの整数を指定してください (%2 ではなく)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 には値が必要です</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 は値を取りません</translation>
    </message>
    <message>
        <source>three radii are needed, R1 R2 R3; %1 given</source>
        <translation>半径が 3 つ (R1 R2 R3) 必要です。指定された数: %1</translation>
    </message>
    <message>
        <source>three radii are needed for each run, R1 R2 R3; %1 given</source>
        <translation>実行ごとに半径が 3 つ (R1 R2 R3) 必要です。指定された数: %1</translation>
    </message>
    <message>
        <source>%1 runs are more than the limit of %2</source>
        <translation>実行 %1 回は上限の %2 を超えています</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <extracomment>How often --color is given: once, twice, 3 times.</extracomment>
        <translation>
            <numerusform>%n 回</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n runs</source>
        <translation>
            <numerusform>%n 回の実行</numerusform>
        </translation>
    </message>
    <message>
        <source>more colours than runs: --color given %1, for %2 given as arguments; it colours only those, and a run of the --runs file has its colour on its line</source>
        <translation>色が実行より多すぎます: --color を %1 指定しましたが、引数で指定した実行は %2 です。--color が色を付けるのは引数の実行だけで、--runs のファイルの実行は色をその行に書きます</translation>
    </message>
    <message>
        <source>more colours than runs: --color given %1, for %2</source>
        <translation>色が実行より多すぎます: --color を %1 指定しましたが、実行は %2 です</translation>
    </message>
    <message>
        <source>--loop repeats an animation: it needs --animate</source>
        <translation>--loop はアニメーションを繰り返します: --animate が必要です</translation>
    </message>
    <message>
        <source>%1 billion</source>
        <extracomment>A number of pixels, such as 1.5 billion; %1 is written with a period.</extracomment>
        <translation>%1 × 10^9</translation>
    </message>
    <message>
        <source>%1 million</source>
        <translation>%1 × 10^6</translation>
    </message>
    <message>
        <source>run %1 (%2)</source>
        <extracomment>%1 is the run&apos;s number, %2 its radii.</extracomment>
        <translation>実行 %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 names a run, %2 why it is refused.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>R1 and R2 have too many digits to work out where the curve closes</source>
        <translation>R1 と R2 の桁が多すぎて、曲線が閉じる位置を求められません</translation>
    </message>
    <message>
        <source>closing this curve needs %1 steps, more than the limit of %2</source>
        <translation>この曲線を閉じるには %1 ステップ必要で、上限の %2 を超えています</translation>
    </message>
    <message>
        <source>the %1 runs take %2 steps together, more than the limit of %3</source>
        <translation>%1 回の実行で合わせて %2 ステップかかり、上限の %3 を超えています</translation>
    </message>
    <message>
        <source>nothing of this picture lands on the canvas, so --fit has nothing to cut it to</source>
        <translation>この画像はキャンバスに何も描かれないため、--fit で切り取る対象がありません</translation>
    </message>
    <message>
        <source>the picture at scale %1 would be %2 x %3 pixels, more than the limit of %4 pixels; a smaller --fit margin or a lower --scale takes less</source>
        <translation>倍率 %1 の画像は %2 x %3 ピクセルになり、上限の %4 ピクセルを超えます。--fit の余白を小さくするか --scale を下げると減ります</translation>
    </message>
    <message>
        <source>fewer runs take less</source>
        <translation>実行を減らすと少なくなります</translation>
    </message>
    <message>
        <source>a lower --scale takes less</source>
        <translation>--scale を下げると少なくなります</translation>
    </message>
    <message>
        <source>without --until-closed the curves stop sooner</source>
        <translation>--until-closed を付けなければ曲線は早く止まります</translation>
    </message>
    <message>
        <source>without --until-closed the curve stops sooner</source>
        <translation>--until-closed を付けなければ曲線は早く止まります</translation>
    </message>
    <message>
        <source>drawing these curves at scale %1 means sweeping about %2 pixels, more than the limit of %3; %4</source>
        <translation>これらの曲線を倍率 %1 で描くには約 %2 ピクセルを塗る必要があり、上限の %3 を超えます。%4</translation>
    </message>
    <message>
        <source>drawing this curve at scale %1 means sweeping about %2 pixels, more than the limit of %3; %4</source>
        <translation>この曲線を倍率 %1 で描くには約 %2 ピクセルを塗る必要があり、上限の %3 を超えます。%4</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>標準入力</translation>
    </message>
    <message>
        <source>%1 holds no runs, and none are given as arguments</source>
        <translation>%1 に実行がなく、引数にも指定されていません</translation>
    </message>
    <message>
        <source>--animate takes seconds from %1 to %2, such as 2.5, not %3</source>
        <translation>--animate には %1 から %2 までの秒数 (2.5 など) を指定してください (%3 ではなく)</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0 to %1, not %2</source>
        <translation>--seed には 0 から %1 までの整数を指定してください (%2 ではなく)</translation>
    </message>
    <message>
        <source>%1: %2 %3%</source>
        <extracomment>A render&apos;s progress: %1 is the program&apos;s name, %2 what it is doing (drawing, writing), %3 how far, in percent.</extracomment>
        <translation>%1: %2 %3%</translation>
    </message>
    <message>
        <source>no output file: give one with -o FILE.png, -o FILE.svg or -o FILE.gif</source>
        <translation>出力ファイルがありません: -o ファイル.png、-o ファイル.svg または -o ファイル.gif で指定してください</translation>
    </message>
    <message>
        <source>the output file must end in .png, .svg or .gif: &apos;%1&apos;</source>
        <translation>出力ファイルは .png、.svg か .gif で終わる名前にしてください: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--scale applies to PNG and GIF output only</source>
        <translation>--scale は PNG 出力と GIF 出力にだけ使えます</translation>
    </message>
    <message>
        <source>a GIF is written as an animation: give --animate SECONDS (a still picture is best as .png)</source>
        <translation>GIF はアニメーションとして書き込みます: --animate 秒数 を指定してください (静止画には .png が向いています)</translation>
    </message>
    <message>
        <source>a frame of the GIF would draw %1 colours, more than the %2 a frame holds; a longer --animate spreads the runs over more frames</source>
        <translation>GIF のフレームに %1 色を描くことになり、1 フレームに入る %2 色を超えます。--animate を長くすると実行がより多くのフレームに分かれます</translation>
    </message>
    <message>
        <source>drawing and writing the %1 frames at scale %2 means about %3 pixels of work, more than the limit of %4; %5</source>
        <translation>倍率 %2 で %1 フレームを描いて書き込むには約 %3 ピクセル分の作業が必要で、上限の %4 を超えます。%5</translation>
    </message>
    <message>
        <source>--page takes A4, A3, A5, letter or WIDTHxHEIGHT in millimetres, each from %1 to %2, such as 210x297, not %3</source>
        <translation>--page には A4、A3、A5、letter、またはミリメートルで 幅x高さ (それぞれ %1 から %2、たとえば 210x297) を指定します。%3 ではありません</translation>
    </message>
    <message>
        <source>--margin takes millimetres from 0 to %1, such as 15, not %2</source>
        <translation>--margin には 0 から %1 までのミリメートル (たとえば 15) を指定します。%2 ではありません</translation>
    </message>
    <message>
        <source>--pen takes a width in millimetres from %1 to %2, such as 0.3, not %3</source>
        <translation>--pen には %1 から %2 までのミリメートルの太さ (たとえば 0.3) を指定します。%3 ではありません</translation>
    </message>
    <message>
        <source>%1 is for a plotter&apos;s page: it needs --page</source>
        <translation>%1 はプロッター用のページのためのものです: --page が必要です</translation>
    </message>
    <message>
        <source>--page applies to SVG output only</source>
        <translation>--page は SVG 出力にだけ使えます</translation>
    </message>
    <message>
        <source>--page fills the page with what is drawn: it takes no --fit</source>
        <translation>--page は描いたものでページを満たします: --fit は使えません</translation>
    </message>
    <message>
        <source>--page sizes the picture in millimetres: it takes no --scale</source>
        <translation>--page は画像の大きさをミリメートルで決めます: --scale は使えません</translation>
    </message>
    <message>
        <source>--page is for plotters, which draw a still picture: it takes no --animate</source>
        <translation>--page は静止画を描くプロッターのためのものです: --animate は使えません</translation>
    </message>
    <message>
        <source>margins of %1 mm and a pen of %2 mm leave %3 mm of the %4 x %5 mm page for the picture, less than %6 mm; smaller margins, a thinner pen or a larger page leave more</source>
        <translation>余白 %1 mm とペン %2 mm では、%4 x %5 mm のページのうち画像に残るのは %3 mm で、%6 mm に足りません。余白を小さく、ペンを細く、またはページを大きくすると広がります</translation>
    </message>
    <message>
        <source>another --animate takes less: a shorter one fewer frames, a longer one smaller ones</source>
        <translation>--animate を変えると少なくなります。短くするとフレームが減り、長くするとフレームが小さくなります</translation>
    </message>
</context>
<context>
    <name>Runs</name>
    <message>
        <source>the picture has one circle, given as &apos;circle R&apos; or &apos;circle none&apos;, not %1</source>
        <translation>画像の円は 1 つで、&apos;circle R&apos; または &apos;circle none&apos; と書きます (%1 ではなく)</translation>
    </message>
    <message>
        <source>the circle&apos;s radius</source>
        <translation>円の半径</translation>
    </message>
    <message>
        <source>a run is R1 R2 R3 and maybe a colour RRGGBB, not %1</source>
        <translation>実行は R1 R2 R3 と、必要なら色 RRGGBB で書きます (%1 ではなく)</translation>
    </message>
    <message>
        <source>the runs are more than the limit of %1</source>
        <translation>実行が上限の %1 を超えています</translation>
    </message>
    <message>
        <source>the colour</source>
        <translation>色</translation>
    </message>
    <message>
        <source>line %1 of %2: %3</source>
        <translation>%2 の %1 行目: %3</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読み取れません: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, the limit for a runs file</source>
        <translation>%1 は実行ファイルの上限である %2 MB を超えています</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG 図形 (*.svg)</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>名前を付けて画像を保存</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>%1 is a file&apos;s name.</extracomment>
        <translation>%1 は既に存在します。
置き換えますか?</translation>
    </message>
    <message>
        <source>Save Runs As</source>
        <translation>名前を付けて実行を保存</translation>
    </message>
    <message>
        <source>Open Runs</source>
        <translation>実行を開く</translation>
    </message>
    <message>
        <source>Volvenda runs (*.%1)</source>
        <translation>Volvenda の実行 (*.%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>%1. Return presses it; Space ends the program.</source>
        <extracomment>A button&apos;s description: %1 says what it does.</extracomment>
        <translation>%1。Enter キーで押せます。Space キーでプログラムを終了します。</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A button 57 pixels wide.</extracomment>
        <translation>開始</translation>
    </message>
    <message>
        <source>traces the curve of R1, R2 and R3 over the picture, in a new colour</source>
        <translation>R1、R2、R3 の曲線を新しい色で画像に重ねて描きます</translation>
    </message>
    <message>
        <source>radius of the fixed circle</source>
        <translation>固定円の半径</translation>
    </message>
    <message>
        <source>radius of the rolling circle; negative rolls it inside</source>
        <translation>転がる円の半径。負の値では内側を転がります</translation>
    </message>
    <message>
        <source>distance of the pen from the rolling circle&apos;s centre</source>
        <translation>転がる円の中心からペンまでの距離</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>A button 49 pixels wide.</extracomment>
        <translation>消去</translation>
    </message>
    <message>
        <source>wipes the picture and draws the grey circle of radius R1 again</source>
        <translation>画像を消して、半径 R1 の灰色の円を描き直します</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button 41 pixels wide.</extracomment>
        <translation>終了</translation>
    </message>
    <message>
        <source>ends the program</source>
        <translation>プログラムを終了します</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>画像をコピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save Picture As…</source>
        <translation>名前を付けて画像を保存(&amp;S)…</translation>
    </message>
    <message numerus="yes">
        <source>%n items: %1</source>
        <extracomment>What a menu holds: %1 is its items&apos; names, each after the list&apos;s separator.</extracomment>
        <translation>
            <numerusform>%n 項目: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the items of a list</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直す(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Open Runs…</source>
        <translation>実行を開く(&amp;O)…</translation>
    </message>
    <message>
        <source>Save &amp;Runs As…</source>
        <translation>名前を付けて実行を保存(&amp;A)…</translation>
    </message>
    <message>
        <source>%1 holds no runs</source>
        <translation>%1 に実行がありません</translation>
    </message>
    <message>
        <source>The picture stays as it was.</source>
        <translation>画像は元のままです。</translation>
    </message>
</context>
<context>
    <name>Writing</name>
    <message>
        <source>a frame of the GIF would hold more colours than it can</source>
        <translation>GIF のフレームに入りきらない数の色が必要になります</translation>
    </message>
</context>
</TS>
