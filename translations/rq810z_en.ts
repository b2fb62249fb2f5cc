<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>FileDialogs</name>
    <message>
        <source>Select List File</source>
        <translation>Playlist Files</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>All Files</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>リストファイルを読み込めませんでした。</source>
        <translation>The list file could not be read.</translation>
    </message>
    <message>
        <source>リストファイルを保存できませんでした。</source>
        <translation>The list file could not be saved.</translation>
    </message>
</context>
<context>
    <name>PlaylistEditor</name>
    <message>
        <source>新規</source>
        <translation>New</translation>
    </message>
    <message>
        <source>読込</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ソート</source>
        <translation>Sort</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>上へ</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下へ</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>ランダム</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>ならべ丸</source>
        <translation>Narabemaru Playlist Editor</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>サーチの速度には整数を入力してください。</source>
        <translation>Enter a whole number for every search speed.</translation>
    </message>
    <message>
        <source>デフォルト</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>再生中からの動作</source>
        <translation>Wheel while playing</translation>
    </message>
    <message>
        <source>前後早送り</source>
        <translation>Fast forward and back</translation>
    </message>
    <message>
        <source>スロー～早送り</source>
        <translation>Slow motion to fast forward</translation>
    </message>
    <message>
        <source>一時停止からの動作</source>
        <translation>Wheel while paused</translation>
    </message>
    <message>
        <source>前後コマ送り</source>
        <translation>Frame steps forward and back</translation>
    </message>
    <message>
        <source>一時停止時のサーチボタン設定</source>
        <translation>Search buttons while paused</translation>
    </message>
    <message>
        <source>早送りボタンをスローにする</source>
        <translation>FF button plays slow motion</translation>
    </message>
    <message>
        <source>再生ファイルの有るフォルダにインデックスを書き込む</source>
        <translation>Write index files into the folder of the file playing</translation>
    </message>
    <message>
        <source>最大化時省電力強制オフ</source>
        <translation>Keep power saving off in full screen</translation>
    </message>
    <message>
        <source>最大化時 左クリックで再生/一時停止。ダブルクリックで操作パネル表示</source>
        <translation>Full screen: left click plays or pauses, double click shows the control panel</translation>
    </message>
    <message>
        <source>最大化時マウスカーソルを隠す</source>
        <translation>Hide the mouse cursor in full screen</translation>
    </message>
    <message>
        <source>ウインドウを常に手前に表示</source>
        <translation>Keep the window on top</translation>
    </message>
    <message>
        <source>動画ウインドウの表示サイズ保存</source>
        <translation>Remember the size of the video window</translation>
    </message>
    <message>
        <source>起動後すぐに再生</source>
        <translation>Play right after start</translation>
    </message>
    <message>
        <source>操作設定ダイアログ</source>
        <translation>Operation Settings</translation>
    </message>
    <message>
        <source>サーチの速度(mms)</source>
        <translation>Search speeds (mms)</translation>
    </message>
    <message>
        <source>再生中からの速度</source>
        <translation>From playing</translation>
    </message>
    <message>
        <source>一時停止からの速度</source>
        <translation>From pause</translation>
    </message>
    <message>
        <source>初期化</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>バックグラウンドの指定</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>右クリック</source>
        <translation>Right click</translation>
    </message>
    <message>
        <source>左クリック</source>
        <translation>Left click</translation>
    </message>
</context>
</TS>
