<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_TW">
<context>
    <name>StringTable</name>
    <message>
        <source>編輯</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Nuvio File Explorer 中文版</source>
        <translation>Nuvio File Explorer 简体中文版</translation>
    </message>
    <message>
        <source>檔名</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>類型</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>屬性</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>資料匣</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>無法辨識的檔案類型</source>
        <translation>无法辨识的文件类型</translation>
    </message>
    <message>
        <source>重新命名失敗 !</source>
        <translation>重命名失败 !</translation>
    </message>
    <message>
        <source>你是否要刪除 '%s' ?</source>
        <translation>你是否要删除 '%s' ?</translation>
    </message>
    <message>
        <source>來源資料匣和目的資料匣不可相同 !</source>
        <translation>来源文件夹和目的文件夹不可相同 !</translation>
    </message>
    <message>
        <source>檔案搬移失敗 !</source>
        <translation>文件移动失败 !</translation>
    </message>
    <message>
        <source>新資料匣</source>
        <translation>新文件夹</translation>
    </message>
    <message>
        <source>資料匣已經存在 !
請使用不同的名稱.</source>
        <translation>文件夹已经存在 !
请使用不同的名称.</translation>
    </message>
    <message>
        <source>你是否要刪除資料匣 - '%s' ?</source>
        <translation>你是否要删除文件夹 - '%s' ?</translation>
    </message>
    <message>
        <source>這個叫做 '%s' 的檔案已經存在.</source>
        <translation>这个叫做 '%s' 的文件已经存在.</translation>
    </message>
    <message>
        <source>全部取代</source>
        <translation>全部替换</translation>
    </message>
    <message>
        <source>這個資料匣內已經有和 '%s' 相同的子資料匣. 
你是否要取代這個相同的資料匣 ?</source>
        <translation>这个文件夹内已经有和 '%s' 相同的子文件夹. 
你是否要替换这个相同的文件夹 ?</translation>
    </message>
    <message>
        <source>取代資料匣確定</source>
        <translation>替换文件夹确定</translation>
    </message>
    <message>
        <source>'%s' 是一個唯讀檔.
你是否真的要刪除他 ?</source>
        <translation>'%s' 是一个只读档.
你是否真的要删除他 ?</translation>
    </message>
    <message>
        <source>無法刪除 '%s' !
這個檔案可能是在唯讀記憶體內. </source>
        <translation>无法删除 '%s' !
这个文件可能是在只读内存内. </translation>
    </message>
    <message>
        <source>找不到 "%s".
請確定路徑名稱和檔案名稱是否正確.</source>
        <translation>找不到 "%s".
请确定路径名称和文件名称是否正确.</translation>
    </message>
    <message>
        <source>"%s" 這個檔案並沒有設定任何關聯, 無法開啟.
請你先執行可以開啟這個檔案的應用程式, 然後再由應用程式內開啟這個檔案.</source>
        <translation>"%s" 这个文件并没有设置任何关联, 无法打开.
请你先运行可以打开这个文件的应用程序, 然后再由应用程序内打开这个文件.</translation>
    </message>
    <message>
        <source>名稱</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>找不到資料匣 "%s" !</source>
        <translation>找不到文件夹 "%s" !</translation>
    </message>
    <message>
        <source>我的電腦</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>找到 %d 個檔案.</source>
        <translation>找到 %d 个文件.</translation>
    </message>
    <message>
        <source>%4.1fMB (%ld 位元組)</source>
        <translation>%4.1fMB (%ld 字节)</translation>
    </message>
    <message>
        <source>%d 個檔案, %d 個資料匣</source>
        <translation>%d 个文件, %d 个文件夹</translation>
    </message>
    <message>
        <source>%4.1fKB (%ld 位元組)</source>
        <translation>%4.1fKB (%ld 字节)</translation>
    </message>
    <message>
        <source>位元組</source>
        <translation>字节</translation>
    </message>
    <message>
        <source>擴充記憶體已經被移除!
請你插入擴充記憶體或更改資源回收筒的位置.</source>
        <translation>存储卡已经被移除!
请你插入存储卡或更改回收站的位置.</translation>
    </message>
    <message>
        <source>無法刪除檔案 !
找不到資源回收筒. 請更改資源回收筒的位置或關閉資源回收筒的功能.</source>
        <translation>无法删除文件 !
找不到回收站. 请更改回收站的位置或关闭回收站的功能.</translation>
    </message>
    <message>
        <source>資源回收筒已經被破壞!
Nuvio File Explorer 將會重新建立一個新的資源回收筒.</source>
        <translation>回收站已经被破坏!
Nuvio File Explorer 将会重新创建一个新的回收站.</translation>
    </message>
    <message>
        <source>系統錯誤 !
所選擇的檔案不能被成功的回復.
可能是擴充記憶體已經被移除或是系統的檔案結構遭到損毀.</source>
        <translation>系统错误 !
所选择的文件不能被成功的恢复.
可能是存储卡已经被移除或是系统的文件结构遭到损毁.</translation>
    </message>
    <message>
        <source>回復失敗 !
你並沒有足夠的記憶空間來存放回復後的檔案.</source>
        <translation>恢复失败 !
你并没有足够的内存来存放恢复后的文件.</translation>
    </message>
    <message>
        <source>你的主記憶體或擴充記憶體的空間不足 !</source>
        <translation>你的主内存或存储卡的空间不足 !</translation>
    </message>
    <message>
        <source>記憶空間不足 !
請先關閉一些應用程式.</source>
        <translation>内存不足 !
请先关闭一些应用程序.</translation>
    </message>
    <message>
        <source>資源回收筒已經滿了 !
請先刪除一些檔案或將資源回收筒的容量加大.</source>
        <translation>回收站已经满了 !
请先删除一些文件或将回收站的容量加大.</translation>
    </message>
    <message>
        <source>無法複製放在唯讀記憶體中的檔案 !
%s</source>
        <translation>无法拷贝放在只读内存中的文件 !
%s</translation>
    </message>
    <message>
        <source>我的最愛的資料匣不可超過 100 筆 !
請你先刪除一些資料.</source>
        <translation>收藏夹的文件夹不可超过 100 项 !
请你先删除一些数据.</translation>
    </message>
    <message>
        <source>這個版本的 Nuvio File Explorer 具有壓縮資源回收筒的功能.
請按 "確定" 鍵開始壓縮資料.</source>
        <translation>这个版本的 Nuvio File Explorer 具有压缩回收站的功能.
请按 "确定" 键开始压缩数据.</translation>
    </message>
    <message>
        <source>解密</source>
        <translation>解密</translation>
    </message>
    <message>
        <source>無法將這個檔案加密 !</source>
        <translation>无法将这个文件加密 !</translation>
    </message>
    <message>
        <source>檔案格式錯誤 !
這並不是一個加密過的檔案.  </source>
        <translation>文件格式错误 !
这并不是一个加密过的文件.  </translation>
    </message>
    <message>
        <source>無法將放在唯讀記憶體中的檔案加密 !</source>
        <translation>无法将放在只读内存中的文件加密 !</translation>
    </message>
    <message>
        <source>密碼錯誤 !
'密碼' 和  '密碼確認' 這兩個欄位的值必須相同.</source>
        <translation>密码错误 !
'密码' 和  '密码确认' 这两个字段的值必须相同.</translation>
    </message>
    <message>
        <source>%s
這個檔案已經存在 !
你是否要取代他 ?</source>
        <translation>%s
这个文件已经存在 !
你是否要替换他 ?</translation>
    </message>
    <message>
        <source>無法開啟這個檔案 !</source>
        <translation>无法打开这个文件 !</translation>
    </message>
    <message>
        <source>密碼錯誤 !
無法將這個檔案解密.</source>
        <translation>密码错误 !
无法将这个文件解密.</translation>
    </message>
    <message>
        <source>你所要刪除的檔案太大, 無法放到資源回收筒 地
你是否要將他直接刪除 ?</source>
        <translation>你所要删除的文件太大, 无法放到回收站 地
你是否要将他直接删除 ?</translation>
    </message>
    <message>
        <source>請先刪除一些資源回收筒中的檔案或將資源回收筒的容量加大 !</source>
        <translation>请先删除一些回收站中的文件或将回收站的容量加大 !</translation>
    </message>
    <message>
        <source>無法將資料匣 '%s' 複製或搬移到它自己的子資料匣內 !</source>
        <translation>无法将文件夹 '%s' 拷贝或移动到它自己的子文件夹内 !</translation>
    </message>
    <message>
        <source>'%s' 是一個程式.
你是否要執行他 ?</source>
        <translation>'%s' 是一个程序.
你是否要运行他 ?</translation>
    </message>
    <message>
        <source>下列項目沒有被處理 :
%s</source>
        <translation>下列项目没有被处理 :
%s</translation>
    </message>
    <message>
        <source>下列項目和另一個只差在大小寫的名稱相同, 已經改名存放 :
%s</source>
        <translation>下列项目和另一个只差在大小写的名称相同, 已经改名存放 :
%s</translation>
    </message>
    <message>
        <source>無法變更 '%s' 的屬性 !</source>
        <translation>无法变更 '%s' 的属性 !</translation>
    </message>
    <message>
        <source>無法刪除 '%s' !
儲存卡, 根資料匣和資源回收筒都不能刪除.</source>
        <translation>无法删除 '%s' !
保存卡, 根文件夹和回收站都不能删除.</translation>
    </message>
    <message>
        <source>'%s' 在資源回收筒中的資料已損毀, 無法還原 !
這個項目仍保留在資源回收筒中.</source>
        <translation>'%s' 在回收站中的数据已损毁, 无法还原 !
这个项目仍保留在回收站中.</translation>
    </message>
    <message>
        <source>下列項目的名稱只有大小寫和其他項目不同, 已改用新的名稱還原:
%s</source>
        <translation>下列项目的名称只有大小写和其他项目不同, 已改用新的名称还原:
%s</translation>
    </message>
    <message>
        <source>已將 '%s' 放入資源回收筒, 但下列項目無法刪除, 仍留在原處:
%s</source>
        <translation>已将 '%s' 放入回收站, 但下列项目无法删除, 仍留在原处:
%s</translation>
    </message>
    <message>
        <source>唯讀記憶體中的檔案</source>
        <translation>只读内存中的文件</translation>
    </message>
    <message>
        <source>唯讀檔案</source>
        <translation>只读文件</translation>
    </message>
    <message>
        <source>無法刪除</source>
        <translation>无法删除</translation>
    </message>
    <message>
        <source>檔案</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>往上移一層</source>
        <translation>往上移一层</translation>
    </message>
    <message>
        <source>檢視</source>
        <translation>查看</translation>
    </message>
    <message>
        <source>刪除</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>重新命名</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>貼成捷徑</source>
        <translation>贴成捷径</translation>
    </message>
    <message>
        <source>透過電子郵件傳送</source>
        <translation>通过电子邮件发送</translation>
    </message>
    <message>
        <source>透過紅外線傳送</source>
        <translation>通过红外线发送</translation>
    </message>
    <message>
        <source>加到我的最愛...</source>
        <translation>加到收藏夹...</translation>
    </message>
    <message>
        <source>編輯我的最愛...</source>
        <translation>编辑收藏夹...</translation>
    </message>
    <message>
        <source>資源回收筒</source>
        <translation>回收站</translation>
    </message>
    <message>
        <source>開啟</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>內容...</source>
        <translation>内容...</translation>
    </message>
    <message>
        <source>加密...</source>
        <translation>加密...</translation>
    </message>
    <message>
        <source>解密...</source>
        <translation>解密...</translation>
    </message>
    <message>
        <source>檔案傾倒...</source>
        <translation>文件倾倒...</translation>
    </message>
    <message>
        <source>複製</source>
        <translation>拷贝</translation>
    </message>
    <message>
        <source>剪下</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>貼上</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>磁碟空間不足。</source>
        <translation>磁盘空间不足。</translation>
    </message>
    <message>
        <source>存取被拒。</source>
        <translation>拒绝访问。</translation>
    </message>
    <message>
        <source>媒體有防寫保護。</source>
        <translation>介质受写保护。</translation>
    </message>
    <message>
        <source>I/O 錯誤。</source>
        <translation>I/O 错误。</translation>
    </message>
    <message>
        <source>找不到檔案或資料匣。</source>
        <translation>找不到文件或文件夹。</translation>
    </message>
    <message>
        <source>已經有相同名稱的項目。</source>
        <translation>已有同名的项目。</translation>
    </message>
    <message>
        <source>名稱或路徑無效。</source>
        <translation>名称或路径无效。</translation>
    </message>
    <message>
        <source>資料匣不是空的。</source>
        <translation>文件夹不是空的。</translation>
    </message>
    <message>
        <source>這個媒體不支援這項操作。</source>
        <translation>此介质不支持这项操作。</translation>
    </message>
    <message>
        <source>無法建立資料匣 '%s' !</source>
        <translation>无法创建文件夹 '%s' !</translation>
    </message>
    <message>
        <source>資料匣位置</source>
        <translation>文件夹位置</translation>
    </message>
    <message>
        <source>檔案清單</source>
        <translation>文件列表</translation>
    </message>
    <message>
        <source>資料匣樹狀結構</source>
        <translation>文件夹树</translation>
    </message>
    <message>
        <source>搜尋結果</source>
        <translation>搜索结果</translation>
    </message>
    <message>
        <source>我的最愛清單</source>
        <translation>收藏夹列表</translation>
    </message>
    <message>
        <source>資源回收筒內容</source>
        <translation>回收站内容</translation>
    </message>
    <message>
        <source>前半段</source>
        <translation>前半段</translation>
    </message>
    <message>
        <source>後半段</source>
        <translation>后半段</translation>
    </message>
</context>
</TS>
