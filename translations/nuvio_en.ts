<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_TW">
<context>
    <name>StringTable</name>
    <message>
        <source>編輯</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Nuvio File Explorer 中文版</source>
        <translation>Nuvio File Explorer</translation>
    </message>
    <message>
        <source>檔名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>類型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>屬性</source>
        <translation>Attributes</translation>
    </message>
    <message>
        <source>資料匣</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>無法辨識的檔案類型</source>
        <translation>Unknown file type</translation>
    </message>
    <message>
        <source>重新命名失敗 !</source>
        <translation>Renaming failed!</translation>
    </message>
    <message>
        <source>你是否要刪除 '%s' ?</source>
        <translation>Do you want to delete '%s'?</translation>
    </message>
    <message>
        <source>來源資料匣和目的資料匣不可相同 !</source>
        <translation>The source and destination folders must not be the same!</translation>
    </message>
    <message>
        <source>檔案搬移失敗 !</source>
        <translation>Moving files failed!</translation>
    </message>
    <message>
        <source>新資料匣</source>
        <translation>New Folder</translation>
    </message>
    <message>
        <source>資料匣已經存在 !
請使用不同的名稱.</source>
        <translation>The folder already exists!
Please use a different name.</translation>
    </message>
    <message>
        <source>你是否要刪除資料匣 - '%s' ?</source>
        <translation>Do you want to delete the folder '%s'?</translation>
    </message>
    <message>
        <source>這個叫做 '%s' 的檔案已經存在.</source>
        <translation>A file named '%s' already exists.</translation>
    </message>
    <message>
        <source>全部取代</source>
        <translation>Replace All</translation>
    </message>
    <message>
        <source>這個資料匣內已經有和 '%s' 相同的子資料匣. 
你是否要取代這個相同的資料匣 ?</source>
        <translation>This folder already holds a folder named '%s'.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>取代資料匣確定</source>
        <translation>Confirm Folder Replace</translation>
    </message>
    <message>
        <source>'%s' 是一個唯讀檔.
你是否真的要刪除他 ?</source>
        <translation>'%s' is a read-only file.
Do you really want to delete it?</translation>
    </message>
    <message>
        <source>無法刪除 '%s' !
這個檔案可能是在唯讀記憶體內. </source>
        <translation>Cannot delete '%s'!
The file may be in ROM.</translation>
    </message>
    <message>
        <source>找不到 "%s".
請確定路徑名稱和檔案名稱是否正確.</source>
        <translation>Cannot find "%s".
Make sure the path and file name are correct.</translation>
    </message>
    <message>
        <source>"%s" 這個檔案並沒有設定任何關聯, 無法開啟.
請你先執行可以開啟這個檔案的應用程式, 然後再由應用程式內開啟這個檔案.</source>
        <translation>"%s" is not associated with any program and cannot be opened.
Start a program that can open this file first, then open the file from that program.</translation>
    </message>
    <message>
        <source>名稱</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>找不到資料匣 "%s" !</source>
        <translation>Cannot find the folder "%s"!</translation>
    </message>
    <message>
        <source>我的電腦</source>
        <translation>My Device</translation>
    </message>
    <message>
        <source>找到 %d 個檔案.</source>
        <translation>%d files found.</translation>
    </message>
    <message>
        <source>%4.1fMB (%ld 位元組)</source>
        <translation>%4.1f MB (%ld bytes)</translation>
    </message>
    <message>
        <source>%d 個檔案, %d 個資料匣</source>
        <translation>%d files, %d folders</translation>
    </message>
    <message>
        <source>%4.1fKB (%ld 位元組)</source>
        <translation>%4.1f KB (%ld bytes)</translation>
    </message>
    <message>
        <source>位元組</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>擴充記憶體已經被移除!
請你插入擴充記憶體或更改資源回收筒的位置.</source>
        <translation>The storage card has been removed!
Insert the storage card or change the location of the recycle bin.</translation>
    </message>
    <message>
        <source>無法刪除檔案 !
找不到資源回收筒. 請更改資源回收筒的位置或關閉資源回收筒的功能.</source>
        <translation>Cannot delete the file!
The recycle bin cannot be found. Change the location of the recycle bin or turn it off.</translation>
    </message>
    <message>
        <source>資源回收筒已經被破壞!
Nuvio File Explorer 將會重新建立一個新的資源回收筒.</source>
        <translation>The recycle bin is damaged!
Nuvio File Explorer will create a new recycle bin.</translation>
    </message>
    <message>
        <source>系統錯誤 !
所選擇的檔案不能被成功的回復.
可能是擴充記憶體已經被移除或是系統的檔案結構遭到損毀.</source>
        <translation>System error!
The selected files could not be restored.
The storage card may have been removed or the file system is damaged.</translation>
    </message>
    <message>
        <source>回復失敗 !
你並沒有足夠的記憶空間來存放回復後的檔案.</source>
        <translation>Restoring failed!
There is not enough space for the restored files.</translation>
    </message>
    <message>
        <source>你的主記憶體或擴充記憶體的空間不足 !</source>
        <translation>There is not enough space in main memory or on the storage card!</translation>
    </message>
    <message>
        <source>記憶空間不足 !
請先關閉一些應用程式.</source>
        <translation>Out of memory!
Please close some programs first.</translation>
    </message>
    <message>
        <source>資源回收筒已經滿了 !
請先刪除一些檔案或將資源回收筒的容量加大.</source>
        <translation>The recycle bin is full!
Delete some files first or enlarge the recycle bin.</translation>
    </message>
    <message>
        <source>無法複製放在唯讀記憶體中的檔案 !
%s</source>
        <translation>Files in ROM cannot be copied!
%s</translation>
    </message>
    <message>
        <source>我的最愛的資料匣不可超過 100 筆 !
請你先刪除一些資料.</source>
        <translation>There can be at most 100 favourite folders!
Please delete some first.</translation>
    </message>
    <message>
        <source>這個版本的 Nuvio File Explorer 具有壓縮資源回收筒的功能.
請按 "確定" 鍵開始壓縮資料.</source>
        <translation>This version of Nuvio File Explorer compresses the recycle bin.
Press "OK" to start compressing.</translation>
    </message>
    <message>
        <source>解密</source>
        <translation>Decrypt</translation>
    </message>
    <message>
        <source>無法將這個檔案加密 !</source>
        <translation>Cannot encrypt this file!</translation>
    </message>
    <message>
        <source>檔案格式錯誤 !
這並不是一個加密過的檔案.  </source>
        <translation>Wrong file format!
This is not an encrypted file.</translation>
    </message>
    <message>
        <source>無法將放在唯讀記憶體中的檔案加密 !</source>
        <translation>Files in ROM cannot be encrypted!</translation>
    </message>
    <message>
        <source>密碼錯誤 !
'密碼' 和  '密碼確認' 這兩個欄位的值必須相同.</source>
        <translation>Password error!
The fields 'Password' and 'Confirm password' must hold the same value.</translation>
    </message>
    <message>
        <source>%s
這個檔案已經存在 !
你是否要取代他 ?</source>
        <translation>%s
This file already exists!
Do you want to replace it?</translation>
    </message>
    <message>
        <source>無法開啟這個檔案 !</source>
        <translation>Cannot open this file!</translation>
    </message>
    <message>
        <source>密碼錯誤 !
無法將這個檔案解密.</source>
        <translation>Wrong password!
This file cannot be decrypted.</translation>
    </message>
    <message>
        <source>你所要刪除的檔案太大, 無法放到資源回收筒 地
你是否要將他直接刪除 ?</source>
        <translation>The files you want to delete are too large for the recycle bin.
Do you want to delete them directly?</translation>
    </message>
    <message>
        <source>請先刪除一些資源回收筒中的檔案或將資源回收筒的容量加大 !</source>
        <translation>Delete some files from the recycle bin first or enlarge the recycle bin!</translation>
    </message>
    <message>
        <source>無法將資料匣 '%s' 複製或搬移到它自己的子資料匣內 !</source>
        <translation>Cannot copy or move the folder '%s' into one of its own subfolders!</translation>
    </message>
    <message>
        <source>'%s' 是一個程式.
你是否要執行他 ?</source>
        <translation>'%s' is a program.
Do you want to run it?</translation>
    </message>
    <message>
        <source>下列項目沒有被處理 :
%s</source>
        <translation>These items were not handled:
%s</translation>
    </message>
    <message>
        <source>下列項目和另一個只差在大小寫的名稱相同, 已經改名存放 :
%s</source>
        <translation>These items have the same name as another one except for letter case and were stored under a new name:
%s</translation>
    </message>
    <message>
        <source>無法變更 '%s' 的屬性 !</source>
        <translation>Cannot change the attributes of '%s'!</translation>
    </message>
    <message>
        <source>無法刪除 '%s' !
儲存卡, 根資料匣和資源回收筒都不能刪除.</source>
        <translation>Cannot delete '%s'!
Storage cards, the root folder and the recycle bin cannot be deleted.</translation>
    </message>
    <message>
        <source>'%s' 在資源回收筒中的資料已損毀, 無法還原 !
這個項目仍保留在資源回收筒中.</source>
        <translation>The recycle bin's data of '%s' is damaged and cannot be restored!
The item stays in the recycle bin.</translation>
    </message>
    <message>
        <source>下列項目的名稱只有大小寫和其他項目不同, 已改用新的名稱還原:
%s</source>
        <translation>These items differ from other items only in letter case and were restored under a new name:
%s</translation>
    </message>
    <message>
        <source>已將 '%s' 放入資源回收筒, 但下列項目無法刪除, 仍留在原處:
%s</source>
        <translation>'%s' was put into the recycle bin, but these items could not be deleted and stay where they were:
%s</translation>
    </message>
    <message>
        <source>唯讀記憶體中的檔案</source>
        <translation>file in ROM</translation>
    </message>
    <message>
        <source>唯讀檔案</source>
        <translation>read-only file</translation>
    </message>
    <message>
        <source>無法刪除</source>
        <translation>cannot be deleted</translation>
    </message>
    <message>
        <source>檔案</source>
        <translation>File</translation>
    </message>
    <message>
        <source>往上移一層</source>
        <translation>Up One Level</translation>
    </message>
    <message>
        <source>檢視</source>
        <translation>View</translation>
    </message>
    <message>
        <source>刪除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>重新命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>貼成捷徑</source>
        <translation>Paste Shortcut</translation>
    </message>
    <message>
        <source>透過電子郵件傳送</source>
        <translation>Send by E-mail</translation>
    </message>
    <message>
        <source>透過紅外線傳送</source>
        <translation>Send over a Link</translation>
    </message>
    <message>
        <source>加到我的最愛...</source>
        <translation>Add to Favourites...</translation>
    </message>
    <message>
        <source>編輯我的最愛...</source>
        <translation>Edit Favourites...</translation>
    </message>
    <message>
        <source>資源回收筒</source>
        <translation>Recycle Bin</translation>
    </message>
    <message>
        <source>開啟</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>內容...</source>
        <translation>Properties...</translation>
    </message>
    <message>
        <source>加密...</source>
        <translation>Encrypt...</translation>
    </message>
    <message>
        <source>解密...</source>
        <translation>Decrypt...</translation>
    </message>
    <message>
        <source>檔案傾倒...</source>
        <translation>File Dump...</translation>
    </message>
    <message>
        <source>複製</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>剪下</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>貼上</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>磁碟空間不足。</source>
        <translation>There is not enough space on the disk.</translation>
    </message>
    <message>
        <source>存取被拒。</source>
        <translation>Access is denied.</translation>
    </message>
    <message>
        <source>媒體有防寫保護。</source>
        <translation>The media is write protected.</translation>
    </message>
    <message>
        <source>I/O 錯誤。</source>
        <translation>I/O error.</translation>
    </message>
    <message>
        <source>找不到檔案或資料匣。</source>
        <translation>The file or folder was not found.</translation>
    </message>
    <message>
        <source>已經有相同名稱的項目。</source>
        <translation>An item of the same name exists.</translation>
    </message>
    <message>
        <source>名稱或路徑無效。</source>
        <translation>The name or path is not valid.</translation>
    </message>
    <message>
        <source>資料匣不是空的。</source>
        <translation>The folder is not empty.</translation>
    </message>
    <message>
        <source>這個媒體不支援這項操作。</source>
        <translation>The media does not support this operation.</translation>
    </message>
    <message>
        <source>無法建立資料匣 '%s' !</source>
        <translation>Cannot create the folder '%s'!</translation>
    </message>
    <message>
        <source>資料匣位置</source>
        <translation>Folder location</translation>
    </message>
    <message>
        <source>檔案清單</source>
        <translation>File list</translation>
    </message>
    <message>
        <source>資料匣樹狀結構</source>
        <translation>Folder tree</translation>
    </message>
    <message>
        <source>搜尋結果</source>
        <translation>Search results</translation>
    </message>
    <message>
        <source>我的最愛清單</source>
        <translation>Favorites list</translation>
    </message>
    <message>
        <source>資源回收筒內容</source>
        <translation>Recycle bin contents</translation>
    </message>
    <message>
        <source>前半段</source>
        <translation>First half</translation>
    </message>
    <message>
        <source>後半段</source>
        <translation>Second half</translation>
    </message>
</context>
</TS>
