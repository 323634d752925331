<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Tavrolin</name>
    <message>
        <source>Tavrolin.dll が同じﾌｫﾙﾀﾞに見つかりません！</source>
        <translation>Tavrolin.dll was not found in the same folder!</translation>
    </message>
</context>
<context>
    <name>Tavrolin_P</name>
    <message>
        <source>BGM</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>音楽CD</source>
        <translation>CD</translation>
    </message>
    <message>
        <source>MP3、WAV</source>
        <translation>File</translation>
    </message>
    <message>
        <source>曲目をﾘﾋﾟｰﾄ</source>
        <translation>on repeat</translation>
    </message>
    <message>
        <source>地球の大きさ</source>
        <translation>Planet size</translation>
    </message>
    <message>
        <source>小</source>
        <translation>−</translation>
    </message>
    <message>
        <source>大</source>
        <translation>+</translation>
    </message>
    <message>
        <source>標準</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>移動ｽﾋﾟｰﾄﾞ</source>
        <translation>Travel speed</translation>
    </message>
    <message>
        <source>遅</source>
        <translation>−</translation>
    </message>
    <message>
        <source>速</source>
        <translation>+</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙを開く</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>BGMﾌｧｲﾙ (MP3 WAV)</source>
        <translation>Music files (MP3 WAV)</translation>
    </message>
    <message>
        <source>設定を保存できませんでした。
%1</source>
        <translation>The settings could not be saved.
%1</translation>
    </message>
</context>
</TS>
