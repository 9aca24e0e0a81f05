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
        <translation>Attr.</translation>
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
        <source>已選取 %s 個項目</source>
        <translation>%s selected</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>觸控大小:</source>
        <translation>Touch size:</translation>
    </message>
    <message>
        <source>依螢幕</source>
        <translation>By screen</translation>
    </message>
    <message>
        <source>小</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>選取</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>移至所在的資料匣</source>
        <translation>Go to Folder</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>關於 File Explorer</source>
        <translation>About File Explorer</translation>
    </message>
    <message>
        <source>Nuvio File Explorer 2.50 中文版</source>
        <translation>Nuvio File Explorer 2.50</translation>
    </message>
    <message>
        <source>給掌上型裝置使用的檔案總管</source>
        <translation>A file manager for handheld devices</translation>
    </message>
    <message>
        <source>繼續</source>
        <translation>Continue</translation>
    </message>
</context>
<context>
    <name>CAddFavoriteDlg</name>
    <message>
        <source>加入我的最愛</source>
        <translation>Add to Favorites</translation>
    </message>
    <message>
        <source>名稱 :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>資料匣 :</source>
        <translation>Folder:</translation>
    </message>
</context>
<context>
    <name>CConfirmDlg</name>
    <message>
        <source>檔案取代確認</source>
        <translation>Confirm File Replace</translation>
    </message>
    <message>
        <source>檔案刪除確認</source>
        <translation>Confirm File Delete</translation>
    </message>
    <message>
        <source>是否要將現有的檔案</source>
        <translation>Replace the existing file</translation>
    </message>
    <message>
        <source>被下面這個檔案取代 ?</source>
        <translation>with this one?</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>全部取代</source>
        <translation>Replace All</translation>
    </message>
    <message>
        <source>全部刪除</source>
        <translation>Delete All</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CEditFavoritesDlg</name>
    <message>
        <source>編輯我的最愛</source>
        <translation>Edit Favorites</translation>
    </message>
    <message>
        <source>名稱</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>資料匣</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>重新命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>刪除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>往上移↑</source>
        <translation>Move Up ↑</translation>
    </message>
    <message>
        <source>往下移↓</source>
        <translation>Move Down ↓</translation>
    </message>
</context>
<context>
    <name>CFileDumpDlg</name>
    <message>
        <source>資料傾倒</source>
        <translation>File Dump</translation>
    </message>
    <message>
        <source>  位移</source>
        <translation>  Offset</translation>
    </message>
    <message>
        <source>  檔案內容</source>
        <translation>  File Contents</translation>
    </message>
    <message>
        <source>最前面</source>
        <translation>First</translation>
    </message>
    <message>
        <source>上一頁</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>下一頁</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>最後面</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>16 進位模式</source>
        <translation>Hexadecimal</translation>
    </message>
    <message>
        <source>字元模式</source>
        <translation>Characters</translation>
    </message>
</context>
<context>
    <name>CFindFileDlg</name>
    <message>
        <source>開始尋找</source>
        <translation>Find Now</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>尋找檔案</source>
        <translation>Find Files</translation>
    </message>
    <message>
        <source>文字 :</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>檔名 :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>資料匣 :</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>確定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CPasswordDlg</name>
    <message>
        <source>檔案加密</source>
        <translation>Encrypt File</translation>
    </message>
    <message>
        <source>密碼 :</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>密碼確認 :</source>
        <translation>Confirm password:</translation>
    </message>
    <message>
        <source>加密後刪除原始檔</source>
        <translation>Delete the original after encrypting</translation>
    </message>
    <message>
        <source>確定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CPropertiesDlg</name>
    <message>
        <source>內容</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>類型 :</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>位置 :</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>大小 :</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>內含 :</source>
        <translation>Contains:</translation>
    </message>
    <message>
        <source>建立時間 :</source>
        <translation>Created:</translation>
    </message>
    <message>
        <source>修改時間 :</source>
        <translation>Modified:</translation>
    </message>
    <message>
        <source>存取時間 :</source>
        <translation>Accessed:</translation>
    </message>
    <message>
        <source>屬性 :</source>
        <translation>Attributes:</translation>
    </message>
    <message>
        <source>唯讀</source>
        <translation>Read-only</translation>
    </message>
    <message>
        <source>隱藏</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>系統</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Multiple Files</source>
        <translation>Multiple Files</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
</context>
<context>
    <name>CRecycleAdvancedDlg</name>
    <message>
        <source>進階設定</source>
        <translation>Advanced Settings</translation>
    </message>
    <message>
        <source>資源回收筒的容量</source>
        <translation>Recycle Bin Capacity</translation>
    </message>
    <message>
        <source>限定容量不得超過下列之設定</source>
        <translation>Limit the size to at most</translation>
    </message>
    <message>
        <source>設定檔案停留在回收筒的時間</source>
        <translation>How Long Files Stay in the Bin</translation>
    </message>
    <message>
        <source>請選擇一個週期 :</source>
        <translation>Choose a period:</translation>
    </message>
    <message>
        <source>永遠</source>
        <translation>Forever</translation>
    </message>
    <message>
        <source>1 天</source>
        <translation>1 day</translation>
    </message>
    <message>
        <source>1 週</source>
        <translation>1 week</translation>
    </message>
    <message>
        <source>1 個月</source>
        <translation>1 month</translation>
    </message>
    <message>
        <source>MB   (1...32)</source>
        <translation>MB   (1...32)</translation>
    </message>
</context>
<context>
    <name>CRecycleBinDlg</name>
    <message>
        <source>資源回收筒</source>
        <translation>Recycle Bin</translation>
    </message>
    <message>
        <source>啟用資源回收筒</source>
        <translation>Use the recycle bin</translation>
    </message>
    <message>
        <source>資源回收筒存放的位置 :</source>
        <translation>Keep the recycle bin in:</translation>
    </message>
    <message>
        <source>內容 :</source>
        <translation>Contents:</translation>
    </message>
    <message>
        <source>容量:</source>
        <translation>Capacity:</translation>
    </message>
    <message>
        <source>還原</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>刪除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>全選</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>進階...</source>
        <translation>Advanced...</translation>
    </message>
    <message>
        <source>主記憶體</source>
        <translation>Main memory</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>操作設定 :</source>
        <translation>Operation:</translation>
    </message>
    <message>
        <source>按兩下才能開啟檔案</source>
        <translation>Double-tap to open files</translation>
    </message>
    <message>
        <source>檔案瀏覽設定</source>
        <translation>Browsing</translation>
    </message>
    <message>
        <source>不顯示隱藏檔</source>
        <translation>Hide hidden files</translation>
    </message>
    <message>
        <source>不顯示在唯讀記憶體中的檔案</source>
        <translation>Hide files in ROM</translation>
    </message>
    <message>
        <source>不顯示 *.DLL;*.CPL;*DRV;*.HTP</source>
        <translation>Hide *.DLL;*.CPL;*DRV;*.HTP</translation>
    </message>
    <message>
        <source>只顯示下列的檔案 :</source>
        <translation>Show only these files:</translation>
    </message>
</context>
<context>
    <name>CSysInfoDlg</name>
    <message>
        <source>全部空間 :</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>剩餘空間 :</source>
        <translation>Free:</translation>
    </message>
    <message>
        <source>仟位元組</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>系統資訊</source>
        <translation>System Information</translation>
    </message>
    <message>
        <source>應用程式</source>
        <translation>Programs</translation>
    </message>
    <message>
        <source>記憶體</source>
        <translation>Storage</translation>
    </message>
    <message>
        <source>擴充記憶體 :</source>
        <translation>Storage card:</translation>
    </message>
    <message>
        <source>確定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>%1 需要一個值</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>--card 需要 NAME=DIR, 而不是 "%1"</source>
        <translation>--card takes NAME=DIR, not "%1"</translation>
    </message>
    <message>
        <source>沒有這個資料匣: %1</source>
        <translation>no such folder: %1</translation>
    </message>
    <message>
        <source>用法: nuvio attrib [+r|-r|+h|-h|+s|-s|+a|-a]... PATH...
設定 (+) 或清除 (-) 唯讀, 隱藏, 系統和保存屬性; 沒有指定變更時, 顯示每個路徑的
屬性字母 (A 保存, H 隱藏, R 唯讀, S 系統, O 在唯讀記憶體中). 唯讀記憶體中的
檔案無法變更.
</source>
        <translation>usage: nuvio attrib [+r|-r|+h|-h|+s|-s|+a|-a]... PATH...
Sets (+) or clears (-) the read-only, hidden, system and archive bits; without
changes prints each path's attribute letters (A archive, H hidden, R read-only,
S system, O in ROM). Files in ROM cannot be changed.
</translation>
    </message>
    <message>
        <source>未指定路徑</source>
        <translation>no path given</translation>
    </message>
    <message>
        <source>用法: nuvio bin list [--json]
      nuvio bin put PATH...
      nuvio bin restore [--yes|--no] INDEX...
      nuvio bin erase INDEX...
      nuvio bin purge [--force]
      nuvio bin where
      nuvio bin move main|CARDNAME
檔案總管的資源回收筒. INDEX 是項目在 bin list 中的位置.
  list     列出項目: 位置, 刪除時間, 大小, 原始路徑 (--json: 一個
           {index, name, original, archive, deleted, size, attributes} 陣列)
  put      把項目放入資源回收筒 (即使刪除到資源回收筒已關閉)
  restore  把項目還原到原來的位置; 取代現有的項目要先詢問:
           --yes 取代, --no 保留 (都沒有指定時: 保留並報告)
  erase    永久刪除項目和它們的壓縮檔
  purge    刪除超過資源回收筒保存時間的項目 (除非 --force,
           一天一次)
  where    顯示資源回收筒的資料匣
  move     把資源回收筒連同壓縮檔移到主記憶體或儲存卡
</source>
        <translation>usage: nuvio bin list [--json]
       nuvio bin put PATH...
       nuvio bin restore [--yes|--no] INDEX...
       nuvio bin erase INDEX...
       nuvio bin purge [--force]
       nuvio bin where
       nuvio bin move main|CARDNAME
The explorer's recycle bin. INDEX is an entry's position as bin list shows it.
  list     the entries: position, delete time, size, original path (--json: an array
           of {index, name, original, archive, deleted, size, attributes})
  put      puts items into the bin (even when deleting into it is turned off)
  restore  brings entries back to where they came from; replacing an existing item
           is a question: --yes replaces, --no keeps (without either: kept, reported)
  erase    removes entries and their archives for good
  purge    removes the entries older than the bin's lifetime (once a day unless
           --force)
  where    prints the bin's folder
  move     moves the bin with its archives to main memory or a storage card
</translation>
    </message>
    <message>
        <source>INDEX 是項目的位置</source>
        <translation>INDEX is an entry's position</translation>
    </message>
    <message>
        <source>請指定 main 或儲存卡名稱</source>
        <translation>main|CARDNAME</translation>
    </message>
    <message>
        <source>--yes 和 --no 只能擇一</source>
        <translation>--yes or --no</translation>
    </message>
    <message>
        <source>bin %1 不接受參數</source>
        <translation>bin %1 takes no arguments</translation>
    </message>
    <message>
        <source>未指定 bin 命令</source>
        <translation>no bin command</translation>
    </message>
    <message>
        <source>不明的 bin 命令 %1</source>
        <translation>unknown bin command %1</translation>
    </message>
    <message>
        <source>不明的選項 %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>略過: 請以 --yes 或 --no 回答</source>
        <translation>skipped: answer with --yes or --no</translation>
    </message>
    <message>
        <source>無法建立資料匣 "%1"</source>
        <translation>cannot create the folder "%1"</translation>
    </message>
    <message>
        <source>無法複製 "%1"</source>
        <translation>cannot copy "%1"</translation>
    </message>
    <message>
        <source>無法刪除 "%1"</source>
        <translation>cannot delete "%1"</translation>
    </message>
    <message>
        <source>無法建立捷徑 "%1"</source>
        <translation>cannot create the shortcut "%1"</translation>
    </message>
    <message>
        <source>資源回收筒中沒有第 %1 項</source>
        <translation>the recycle bin has no entry %1</translation>
    </message>
    <message>
        <source>第 %1 項沒有還原</source>
        <translation>entry %1 was not restored</translation>
    </message>
    <message>
        <source>第 %1 項沒有刪除</source>
        <translation>entry %1 was not erased</translation>
    </message>
    <message>
        <source>沒有第 %1 個我的最愛</source>
        <translation>there is no favourite %1</translation>
    </message>
    <message>
        <source>無法加入我的最愛 "%1"</source>
        <translation>cannot add the favourite "%1"</translation>
    </message>
    <message>
        <source>沒有密碼: 請使用 --password-fd N 或終端機</source>
        <translation>no password: use --password-fd N or a terminal</translation>
    </message>
    <message>
        <source>密碼是空的</source>
        <translation>the password is empty</translation>
    </message>
    <message>
        <source>密碼超過 127 個字元</source>
        <translation>the password is longer than 127 characters</translation>
    </message>
    <message>
        <source>用法: nuvio encrypt [--delete] [--password-fd N] FILE...
把每個檔案加密成 FILE.enc (名稱已被使用時加上編號: a.txt(2).enc), 並顯示建立的
檔案. 密碼從描述元 N 讀取一行, 或在終端機上詢問兩次; 請勿在命令列上輸入密碼.
  --delete   加密檔完成後刪除原始檔
</source>
        <translation>usage: nuvio encrypt [--delete] [--password-fd N] FILE...
Encrypts each file into FILE.enc (numbered when taken: a.txt(2).enc) and prints the
files made. The password is read as one line from descriptor N, or asked twice on
the terminal; never give it on the command line.
  --delete   delete each original once its encrypted file is complete
</translation>
    </message>
    <message>
        <source>用法: nuvio decrypt [--delete] [--yes|--no] [--password-fd N] FILE...
把每個 .enc 檔解密成其中儲存的名稱, 放在同一個資料匣中, 並顯示建立的檔案.
密碼從描述元 N 讀取一行, 或在終端機上詢問. 取代現有的檔案要先詢問:
  --yes      取代現有的檔案
  --no       保留現有的檔案 (都沒有指定時: 保留並報告)
  --delete   內容還原後刪除加密檔
</source>
        <translation>usage: nuvio decrypt [--delete] [--yes|--no] [--password-fd N] FILE...
Decrypts each .enc file into the name stored in it, in the same folder, and prints the
files made. The password is read as one line from descriptor N, or asked on the
terminal. Replacing an existing file is a question:
  --yes      replace existing files
  --no       keep existing files (without either: kept, reported)
  --delete   delete each encrypted file once its content is back
</translation>
    </message>
    <message>
        <source>--password-fd 需要一個檔案描述元</source>
        <translation>--password-fd takes a descriptor</translation>
    </message>
    <message>
        <source>密碼 : </source>
        <translation>Password: </translation>
    </message>
    <message>
        <source>密碼確認 : </source>
        <translation>Confirm password: </translation>
    </message>
    <message>
        <source>未指定檔案</source>
        <translation>no file</translation>
    </message>
    <message>
        <source>用法: nuvio fav list [--json]
      nuvio fav add NAME FOLDER
      nuvio fav rm INDEX
檔案總管的我的最愛資料匣, 依選單順序; INDEX 是 list 顯示的位置.
  list   位置, 名稱和資料匣 (--json: 一個 {name, folder} 陣列)
  add    加入一個我的最愛 (最多 100 個); 資料匣必須存在
  rm     移除一個我的最愛. 移除最後一個時, 檔案保持原樣, 和
         檔案總管一樣, 所以我的最愛會再出現.
</source>
        <translation>usage: nuvio fav list [--json]
       nuvio fav add NAME FOLDER
       nuvio fav rm INDEX
The explorer's favourite folders, in menu order; INDEX is a position as list shows it.
  list   position, name and folder (--json: an array of {name, folder})
  add    appends a favourite (at most 100); the folder must exist
  rm     removes a favourite. Removing the last one leaves the file as it was, as in
         the explorer, so the favourites come back.
</translation>
    </message>
    <message>
        <source>INDEX 是一個位置</source>
        <translation>INDEX is a position</translation>
    </message>
    <message>
        <source>未指定 fav 命令</source>
        <translation>no fav command</translation>
    </message>
    <message>
        <source>錯誤的 fav 命令</source>
        <translation>wrong fav command</translation>
    </message>
    <message>
        <source>用法: nuvio mkdir PATH...
建立每個資料匣; 它的上層資料匣必須存在.
</source>
        <translation>usage: nuvio mkdir PATH...
Creates each folder; its parent must exist.
</translation>
    </message>
    <message>
        <source>用法: nuvio cp [--yes|--no] SRC... DEST
把檔案和資料匣複製到資料匣 DEST (或把一個項目複製成新名稱 DEST), 和檔案總管的
貼上一樣: 複製到自己的資料匣時加上編號 (a(2).txt), 唯讀記憶體中的檔案不複製,
取代現有的項目要先詢問:
  --yes   取代所有現有的項目
  --no    保留所有現有的項目
都沒有指定時, 保留現有的項目並報告. 只有大小寫不同的兩個名稱不會互相取代: 第二個
會加上編號. 沒有複製或改名的項目都會列出, 結束狀態為 1. 終端機上會顯示百分比.
</source>
        <translation>usage: nuvio cp [--yes|--no] SRC... DEST
Copies files and folders into the folder DEST (or one item to the new name DEST) as
the explorer's paste does: a copy into its own folder is numbered (a(2).txt), files in
ROM are not copied, and replacing an existing item is a question:
  --yes   replace every existing item
  --no    keep every existing item
Without either, existing items are kept and reported. Two names that differ only in
letter case never replace each other: the second gets a numbered name. Whatever is
left out or renamed is named, with exit status 1. A terminal shows the percentage.
</translation>
    </message>
    <message>
        <source>用法: nuvio mv [--yes|--no] SRC... DEST
把檔案和資料匣移到資料匣 DEST (或把一個項目移成新名稱 DEST): 每個項目和 cp 一樣
複製, 複製完成後刪除來源. 資料匣不能移到它自己裡面.
  --yes   取代所有現有的項目
  --no    保留所有現有的項目
都沒有指定時, 保留現有的項目並報告.
</source>
        <translation>usage: nuvio mv [--yes|--no] SRC... DEST
Moves files and folders into the folder DEST (or one item to the new name DEST): each
is copied as by cp, and its source is removed once the copy is complete. A folder
cannot go into itself.
  --yes   replace every existing item
  --no    keep every existing item
Without either, existing items are kept and reported.
</translation>
    </message>
    <message>
        <source>用法: nuvio rm [--purge] [--yes|--no] PATH...
把檔案和資料匣刪除到資源回收筒 (使用 --purge 或資源回收筒關閉時永久刪除).
唯讀記憶體中的檔案保留. 詢問:
  --yes   也刪除唯讀檔; 永久刪除放不進資源回收筒的項目
  --no    保留唯讀檔; 資源回收筒空間不足時全部保留
都沒有指定時, 採用安全的回答並報告.
</source>
        <translation>usage: nuvio rm [--purge] [--yes|--no] PATH...
Deletes files and folders into the recycle bin (for good with --purge or when the
bin is turned off). Files in ROM stay. Questions:
  --yes   delete read-only files too; delete for good what does not fit in the bin
  --no    keep read-only files; keep everything when the bin has no room
Without either, the safe answer is taken and reported.
</translation>
    </message>
    <message>
        <source>用法: nuvio ln TARGET LINK
建立指向 TARGET 的捷徑檔 LINK (沒有 ".lnk" 時會加上); LINK 是資料匣時, 捷徑以
TARGET 的名稱建立在其中 (名稱已被使用時加上編號).
</source>
        <translation>usage: nuvio ln TARGET LINK
Creates the shortcut file LINK (".lnk" is added when missing) to TARGET; when LINK
is a folder, the shortcut is made in it under TARGET's name (numbered when taken).
</translation>
    </message>
    <message>
        <source>需要 SRC 和 DEST</source>
        <translation>SRC and DEST</translation>
    </message>
    <message>
        <source>需要 TARGET 和 LINK</source>
        <translation>TARGET LINK</translation>
    </message>
    <message>
        <source>用法: nuvio ls [-a] [--sort name|size|date|type|attr] [--reverse] [--json] [FOLDER]
和檔案總管的檔案清單一樣列出資料匣 (沒有指定時為檔案總管最後的資料匣): 名稱,
大小, 日期, 類型和屬性, 資料匣在前, 除非指定 --sort, 否則依檔案總管儲存的順序.
  -a         列出全部: 隱藏檔, 唯讀記憶體和系統檔, 以及資源回收筒
  --sort K   依 name, size, date, type 或 attr 排序 (名稱 A 到 Z,
             最大和最新的在前)
  --reverse  反向排序
  --json     一個 {name, folder, size, written, type, mime, attributes} 陣列
</source>
        <translation>usage: nuvio ls [-a] [--sort name|size|date|type|attr] [--reverse] [--json] [FOLDER]
Lists a folder (the explorer's last folder when none is given) as the explorer's file
list does: name, size, date, type and attributes, folders first, in the explorer's
stored order unless --sort is given.
  -a         list everything: hidden, ROM and system files and the recycle bin too
  --sort K   order by name, size, date, type or attr (names A to Z, largest and
             newest first)
  --reverse  the other way round
  --json     an array of {name, folder, size, written, type, mime, attributes}
</translation>
    </message>
    <message>
        <source>只能指定一個資料匣</source>
        <translation>one folder only</translation>
    </message>
    <message>
        <source>不明的排序方式</source>
        <translation>unknown sort key</translation>
    </message>
    <message>
        <source>用法: nuvio [--root DIR] [--card NAME=DIR]... COMMAND [ARGS...]
在檔案總管的裝置和設定上工作. 路徑是裝置路徑, 如 '\My Documents\a.txt'
("/" 等同 "\"); 相對路徑從檔案總管最後顯示的資料匣開始.

命令:
  ls       列出資料匣                 attrib   顯示或變更屬性
  mkdir    建立資料匣                 cp, mv   複製或移動項目
  rm       刪除到資源回收筒           ln       建立捷徑檔
  bin      資源回收筒                 encrypt, decrypt  密碼加密
  find     尋找檔案                   dump     逐頁顯示檔案的位元組
  info     記憶體和儲存空間           fav      我的最愛資料匣

nuvio COMMAND --help 有更多說明. 結束狀態: 0 完成, 1 有項目失敗或有問題沒有
回答 (請以 --yes 或 --no 回答), 2 用法錯誤.
  --root DIR        以主機的資料匣作為裝置的根目錄, 取代檔案總管的裝置
  --card NAME=DIR   以主機的資料匣作為儲存卡 \NAME (可重複)
  --version         顯示版本後結束
</source>
        <translation>usage: nuvio [--root DIR] [--card NAME=DIR]... COMMAND [ARGS...]
Works on the explorer's device and settings. Paths are device paths such as
'\My Documents\a.txt' ("/" works as "\"); a relative path starts in the folder the
explorer showed last.

commands:
  ls       list a folder              attrib   show or change attributes
  mkdir    create folders             cp, mv   copy or move items
  rm       delete into the bin        ln       create a shortcut file
  bin      the recycle bin            encrypt, decrypt   password encryption
  find     find files                 dump     a file's bytes page by page
  info     memory and storage         fav      favourite folders

nuvio COMMAND --help tells more. Exit status: 0 done, 1 some item failed or a
question went unanswered (answer with --yes or --no), 2 bad usage.
  --root DIR        a host folder as the device's root instead of the explorer's
  --card NAME=DIR   a host folder as the storage card \NAME (repeatable)
  --version         print the version and exit
</translation>
    </message>
    <message>
        <source>未指定命令</source>
        <translation>no command</translation>
    </message>
    <message>
        <source>不明的命令 %1</source>
        <translation>unknown command %1</translation>
    </message>
    <message>
        <source>用法: nuvio find [--text T] [--json] FOLDER PATTERN
尋找 FOLDER 之下名稱符合 PATTERN (* 和 ?, 不分大小寫) 的檔案, 使用 --text 時,
內容還必須包含 T (不分大小寫, UTF-16 或 UTF-8). 結果從最深的資料匣開始, 和
檔案總管的尋找對話方塊一樣, 最後是數目.
  --json   一個 {path, size, written, mime, attributes} 陣列, 沒有數目
</source>
        <translation>usage: nuvio find [--text T] [--json] FOLDER PATTERN
Finds the files below FOLDER whose names match PATTERN (* and ?, any letter case) and,
with --text, whose content holds T (any letter case, UTF-16 or UTF-8). Results come
deepest folder first, as the explorer's find dialog lists them, then the count.
  --json   an array of {path, size, written, mime, attributes}, without the count
</translation>
    </message>
    <message>
        <source>用法: nuvio dump [--chars] [--page N] FILE
和檔案總管的傾倒檢視器一樣顯示檔案的一頁: 十列, 每列 18 個位元組和它們的位移,
以 16 進位 (超過結尾為 "--") 或使用 --chars 以字元顯示.
  --page N   第 N 頁 (從 1 開始); 超過結尾時, 為到達結尾的那一頁
</source>
        <translation>usage: nuvio dump [--chars] [--page N] FILE
Shows one page of the file as the explorer's dump viewer does: ten rows of 18 bytes
with their offsets, in hexadecimal ("--" past the end) or with --chars as characters.
  --page N   the Nth page (from 1); past the end, the page that reaches the end
</translation>
    </message>
    <message>
        <source>用法: nuvio info [--json]
程式記憶體, 儲存記憶體和每張儲存卡的空間, 以仟位元組為單位, 和檔案總管的系統資訊
一樣.
  --json   {program, storage: {totalKb, freeKb}, cards: [{name, totalKb, freeKb}]}
</source>
        <translation>usage: nuvio info [--json]
Program memory, storage memory and each storage card's space in kilobytes, as the
explorer's system information shows them.
  --json   {program, storage: {totalKb, freeKb}, cards: [{name, totalKb, freeKb}]}
</translation>
    </message>
    <message>
        <source>需要 FOLDER 和 PATTERN</source>
        <translation>FOLDER PATTERN</translation>
    </message>
    <message>
        <source>PATTERN 是名稱樣式</source>
        <translation>PATTERN is a name pattern</translation>
    </message>
    <message>
        <source>只能指定一個 FILE</source>
        <translation>one FILE</translation>
    </message>
    <message>
        <source>--page 需要從 1 開始的數字</source>
        <translation>--page takes a number from 1</translation>
    </message>
    <message>
        <source>不接受參數</source>
        <translation>no arguments</translation>
    </message>
    <message>
        <source>  全部空間 : </source>
        <translation>  Total: </translation>
    </message>
    <message>
        <source>  剩餘空間 : </source>
        <translation>  Free: </translation>
    </message>
    <message>
        <source> 仟位元組
</source>
        <translation> KB
</translation>
    </message>
    <message>
        <source>應用程式
</source>
        <translation>Programs
</translation>
    </message>
    <message>
        <source>記憶體
</source>
        <translation>Storage
</translation>
    </message>
    <message>
        <source>擴充記憶體 :
</source>
        <translation>Storage card:
</translation>
    </message>
    <message>
        <source>擴充記憶體 : </source>
        <translation>Storage card: </translation>
    </message>
    <message>
        <source>用法: nuvio-explorer [--root DIR] [--card NAME=DIR]... [PATH]
      nuvio-explorer --screenshot FILE.png [--size WxH] [--dialog ID] [PATH]
給掌上型裝置使用的檔案總管. PATH 是要顯示的資料匣 (或檔案): 裝置路徑如
'\My Documents', 或在裝置某個磁碟區內的主機路徑或 file:// URI. 第二次啟動時
把 PATH 交給已在執行的檔案總管.

  --root DIR             以主機的資料匣作為裝置的根目錄, 取代預設的裝置;
                         每個裝置有自己的設定和資源回收筒
  --card NAME=DIR        以主機的資料匣作為儲存卡 \NAME (可重複);
                         沒有指定時, 卸除式媒體會顯示為儲存卡
  --screenshot FILE.png  在螢幕外繪製主視窗, 存成 PNG 後結束
  --size WxH             圖片的大小
  --dialog ID            繪製對話方塊而不是主視窗
  --help                 顯示這段說明後結束
  --version              顯示版本後結束
</source>
        <translation>usage: nuvio-explorer [--root DIR] [--card NAME=DIR]... [PATH]
       nuvio-explorer --screenshot FILE.png [--size WxH] [--dialog ID] [PATH]
A file manager for handheld touch devices. PATH is the folder (or file) to show: a
device path such as '\My Documents', or a host path or file:// URI inside one of the
device's volumes. A second start hands PATH to the explorer already running.

  --root DIR             a host folder as the device's root instead of the default
                         device; each device keeps its own settings and bin
  --card NAME=DIR        a host folder as the storage card \NAME (repeatable);
                         without it, removable media appear as cards
  --screenshot FILE.png  render the main window offscreen into a PNG and exit
  --size WxH             the size of that picture
  --dialog ID            a dialog instead of the main window
  --help                 print this text and exit
  --version              print the version and exit
</translation>
    </message>
    <message>
        <source>沒有對話方塊 %1</source>
        <translation>no dialog %1</translation>
    </message>
    <message>
        <source>無法寫入 %1</source>
        <translation>cannot write %1</translation>
    </message>
</context>
<context>
    <name>DialogLayout</name>
    <message>
        <source>確定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>往上移一層</source>
        <translation>Up One Level</translation>
    </message>
    <message>
        <source>開啟新的資料匣</source>
        <translation>New Folder</translation>
    </message>
    <message>
        <source>重新整理</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>檔案傾倒...</source>
        <translation>File Dump...</translation>
    </message>
    <message>
        <source>密碼</source>
        <translation>Password</translation>
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
        <source>傳送接收</source>
        <translation>Send and Receive</translation>
    </message>
    <message>
        <source>透過電子郵件傳送...</source>
        <translation>Send by E-mail...</translation>
    </message>
    <message>
        <source>透過紅外線傳送...</source>
        <translation>Send by Infrared...</translation>
    </message>
    <message>
        <source>透過紅外線接收...</source>
        <translation>Receive by Infrared...</translation>
    </message>
    <message>
        <source>資源回收筒...</source>
        <translation>Recycle Bin...</translation>
    </message>
    <message>
        <source>內容...</source>
        <translation>Properties...</translation>
    </message>
    <message>
        <source>設定...</source>
        <translation>Settings...</translation>
    </message>
    <message>
        <source>關於 File Explorer...</source>
        <translation>About File Explorer...</translation>
    </message>
    <message>
        <source>離開</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>剪下</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>複製</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>貼上</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>貼成捷徑</source>
        <translation>Paste Shortcut</translation>
    </message>
    <message>
        <source>重新命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>刪除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>全部選取</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>反向選取</source>
        <translation>Invert Selection</translation>
    </message>
    <message>
        <source>尋找檔案...</source>
        <translation>Find Files...</translation>
    </message>
    <message>
        <source>大型圖示</source>
        <translation>Large Icons</translation>
    </message>
    <message>
        <source>小型圖示</source>
        <translation>Small Icons</translation>
    </message>
    <message>
        <source>清單</source>
        <translation>List</translation>
    </message>
    <message>
        <source>詳細資料</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>排列圖示</source>
        <translation>Arrange Icons</translation>
    </message>
    <message>
        <source>依名稱</source>
        <translation>By Name</translation>
    </message>
    <message>
        <source>依大小</source>
        <translation>By Size</translation>
    </message>
    <message>
        <source>依日期</source>
        <translation>By Date</translation>
    </message>
    <message>
        <source>依類型</source>
        <translation>By Type</translation>
    </message>
    <message>
        <source>依屬性</source>
        <translation>By Attributes</translation>
    </message>
    <message>
        <source>系統資訊...</source>
        <translation>System Information...</translation>
    </message>
    <message>
        <source>顯示資料匣位置列</source>
        <translation>Address Bar</translation>
    </message>
    <message>
        <source>顯示資料欄位列</source>
        <translation>Column Headers</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>QtUserPrompt</name>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>確定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>檔案取代確認</source>
        <translation>Confirm File Replace</translation>
    </message>
    <message>
        <source>檔案刪除確認</source>
        <translation>Confirm File Delete</translation>
    </message>
</context>
<context>
    <name>RecycleListModel</name>
    <message>
        <source>原始資料匣</source>
        <translation>Original Folder</translation>
    </message>
    <message>
        <source>刪除日期</source>
        <translation>Date Deleted</translation>
    </message>
</context>
</TS>
