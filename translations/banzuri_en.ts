<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The window's own texts in English. Source texts are the Japanese captions of the code. -->
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Menu</name>
    <message>
        <source>対局</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>対局(人間)</source>
        <translation>Two Players</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>対局(COM)</source>
        <translation>Against the Computer</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>Play First</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>Play Second</translation>
    </message>
    <message>
        <source>COM対局ﾚﾍﾞﾙ</source>
        <translation>Computer Level</translation>
    </message>
    <message>
        <source>LEVEL1</source>
        <translation>Level 1</translation>
    </message>
    <message>
        <source>LEVEL2</source>
        <translation>Level 2</translation>
    </message>
    <message>
        <source>LEVEL3</source>
        <translation>Level 3</translation>
    </message>
    <message>
        <source>LEVEL4</source>
        <translation>Level 4</translation>
    </message>
    <message>
        <source>LEVEL5</source>
        <translation>Level 5</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>局面</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>最初</source>
        <translation>Start Over</translation>
    </message>
    <message>
        <source>反転</source>
        <translation>Flip Board</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>待った</source>
        <translation>Take Back</translation>
    </message>
    <message>
        <source>開始局面を表示</source>
        <translation>Show First Position</translation>
    </message>
    <message>
        <source>最新の局面を表示</source>
        <translation>Show Latest Position</translation>
    </message>
    <message>
        <source>対局を検討</source>
        <translation>Analyse Game</translation>
    </message>
    <message>
        <source>棋譜を開く…</source>
        <translation>Open Record…</translation>
    </message>
    <message>
        <source>棋譜を保存…</source>
        <translation>Save Record…</translation>
    </message>
    <message>
        <source>局面をコピー</source>
        <translation>Copy Position</translation>
    </message>
    <message>
        <source>前回の対局を再開</source>
        <translation>Resume Last Game</translation>
    </message>
    <message>
        <source>戻</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>△</source>
        <translation>△</translation>
    </message>
    <message>
        <source>▽</source>
        <translation>▽</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>背景画</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>畳</source>
        <translation>Tatami</translation>
    </message>
    <message>
        <source>竹</source>
        <translation>Bamboo</translation>
    </message>
    <message>
        <source>宇宙</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>煉瓦</source>
        <translation>Brick</translation>
    </message>
    <message>
        <source>移動指導</source>
        <translation>Show Moves</translation>
    </message>
    <message>
        <source>経過時間</source>
        <translation>Show Clocks</translation>
    </message>
    <message>
        <source>BGM</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>最終手を強調</source>
        <translation>Highlight Last Move</translation>
    </message>
    <message>
        <source>駒の絵</source>
        <translation>Pieces</translation>
    </message>
    <message>
        <source>漢字</source>
        <translation>Kanji</translation>
    </message>
    <message>
        <source>国際</source>
        <translation>International</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>More</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Move List</translation>
    </message>
    <message>
        <source>解説</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About Banzuri</translation>
    </message>
    <message>
        <source>言語 (Language)</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>棋譜ファイル (*.kifu *.kif *.KIFU *.KIF)</source>
        <translation>Game records (*.kifu *.kif *.KIFU *.KIF)</translation>
    </message>
    <message>
        <source>すべてのファイル (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>場所:</source>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>ファイル名:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>種類:</source>
        <translation>Files of type:</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>「%1」はもうあります。置き換えますか？</source>
        <translation>“%1” already exists. Replace it?</translation>
    </message>
    <message>
        <source>はい</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>はい</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>AboutBox</name>
    <message>
        <source>バージョン %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About Banzuri</translation>
    </message>
    <message>
        <source>ホームページ</source>
        <translation>Home Page</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>形勢(上が▲/手前の有利)。クリックでその局面を表示</source>
        <translation>Evaluation (up: ▲, the lower side, is ahead). Click to show that position</translation>
    </message>
    <message>
        <source>検討中 %v/%m</source>
        <translation>Analysing %v/%m</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
