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
        <source>Usage: %1 [options]</source>
        <translation>使い方: %1 [オプション]</translation>
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
        <source>volvenda-render: %1 %2%</source>
        <extracomment>A render&apos;s progress: %1 what it is doing (drawing, writing), %2 how far, in percent.</extracomment>
        <translation>volvenda-render: %1 %2%</translation>
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
</context>
</TS>
