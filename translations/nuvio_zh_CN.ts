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
存储卡, 根文件夹和回收站都不能删除.</translation>
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
        <source>已選取 %s 個項目</source>
        <translation>已选取 %s 个项目</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>觸控大小:</source>
        <translation>触控大小:</translation>
    </message>
    <message>
        <source>依螢幕</source>
        <translation>按屏幕</translation>
    </message>
    <message>
        <source>小</source>
        <translation>小</translation>
    </message>
    <message>
        <source>中</source>
        <translation>中</translation>
    </message>
    <message>
        <source>大</source>
        <translation>大</translation>
    </message>
    <message>
        <source>選取</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>移至所在的資料匣</source>
        <translation>转到所在的文件夹</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>關於 File Explorer</source>
        <translation>关于 File Explorer</translation>
    </message>
    <message>
        <source>Nuvio File Explorer 2.50 中文版</source>
        <translation>Nuvio File Explorer 2.50 简体中文版</translation>
    </message>
    <message>
        <source>給掌上型裝置使用的檔案總管</source>
        <translation>给掌上型设备使用的文件管理器</translation>
    </message>
    <message>
        <source>繼續</source>
        <translation>继续</translation>
    </message>
</context>
<context>
    <name>CAddFavoriteDlg</name>
    <message>
        <source>加入我的最愛</source>
        <translation>加入收藏夹</translation>
    </message>
    <message>
        <source>名稱 :</source>
        <translation>名称 :</translation>
    </message>
    <message>
        <source>資料匣 :</source>
        <translation>文件夹 :</translation>
    </message>
</context>
<context>
    <name>CConfirmDlg</name>
    <message>
        <source>檔案取代確認</source>
        <translation>文件替换确认</translation>
    </message>
    <message>
        <source>檔案刪除確認</source>
        <translation>文件删除确认</translation>
    </message>
    <message>
        <source>是否要將現有的檔案</source>
        <translation>是否要将现有的文件</translation>
    </message>
    <message>
        <source>被下面這個檔案取代 ?</source>
        <translation>被下面这个文件替换 ?</translation>
    </message>
    <message>
        <source>是</source>
        <translation>是</translation>
    </message>
    <message>
        <source>全部取代</source>
        <translation>全部替换</translation>
    </message>
    <message>
        <source>全部刪除</source>
        <translation>全部删除</translation>
    </message>
    <message>
        <source>否</source>
        <translation>否</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CEditFavoritesDlg</name>
    <message>
        <source>編輯我的最愛</source>
        <translation>编辑收藏夹</translation>
    </message>
    <message>
        <source>名稱</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>資料匣</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>重新命名</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>刪除</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>往上移↑</source>
        <translation>往上移↑</translation>
    </message>
    <message>
        <source>往下移↓</source>
        <translation>往下移↓</translation>
    </message>
</context>
<context>
    <name>CFileDumpDlg</name>
    <message>
        <source>資料傾倒</source>
        <translation>数据倾倒</translation>
    </message>
    <message>
        <source>  位移</source>
        <translation>  位移</translation>
    </message>
    <message>
        <source>  檔案內容</source>
        <translation>  文件内容</translation>
    </message>
    <message>
        <source>最前面</source>
        <translation>最前面</translation>
    </message>
    <message>
        <source>上一頁</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>下一頁</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>最後面</source>
        <translation>最后面</translation>
    </message>
    <message>
        <source>16 進位模式</source>
        <translation>十六进制模式</translation>
    </message>
    <message>
        <source>字元模式</source>
        <translation>字符模式</translation>
    </message>
</context>
<context>
    <name>CFindFileDlg</name>
    <message>
        <source>開始尋找</source>
        <translation>开始查找</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>尋找檔案</source>
        <translation>查找文件</translation>
    </message>
    <message>
        <source>文字 :</source>
        <translation>文本 :</translation>
    </message>
    <message>
        <source>檔名 :</source>
        <translation>文件名 :</translation>
    </message>
    <message>
        <source>資料匣 :</source>
        <translation>文件夹 :</translation>
    </message>
    <message>
        <source>確定</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CPasswordDlg</name>
    <message>
        <source>檔案加密</source>
        <translation>文件加密</translation>
    </message>
    <message>
        <source>密碼 :</source>
        <translation>密码 :</translation>
    </message>
    <message>
        <source>密碼確認 :</source>
        <translation>密码确认 :</translation>
    </message>
    <message>
        <source>加密後刪除原始檔</source>
        <translation>加密后删除源文件</translation>
    </message>
    <message>
        <source>確定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CPropertiesDlg</name>
    <message>
        <source>內容</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>類型 :</source>
        <translation>类型 :</translation>
    </message>
    <message>
        <source>位置 :</source>
        <translation>位置 :</translation>
    </message>
    <message>
        <source>大小 :</source>
        <translation>大小 :</translation>
    </message>
    <message>
        <source>內含 :</source>
        <translation>包含 :</translation>
    </message>
    <message>
        <source>建立時間 :</source>
        <translation>创建时间 :</translation>
    </message>
    <message>
        <source>修改時間 :</source>
        <translation>修改时间 :</translation>
    </message>
    <message>
        <source>存取時間 :</source>
        <translation>访问时间 :</translation>
    </message>
    <message>
        <source>屬性 :</source>
        <translation>属性 :</translation>
    </message>
    <message>
        <source>唯讀</source>
        <translation>只读</translation>
    </message>
    <message>
        <source>隱藏</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>存档</translation>
    </message>
    <message>
        <source>系統</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>Multiple Files</source>
        <translation>多个文件</translation>
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
        <translation>高级设置</translation>
    </message>
    <message>
        <source>資源回收筒的容量</source>
        <translation>回收站的容量</translation>
    </message>
    <message>
        <source>限定容量不得超過下列之設定</source>
        <translation>限定容量不得超过下列之设置</translation>
    </message>
    <message>
        <source>設定檔案停留在回收筒的時間</source>
        <translation>设置文件停留在回收站的时间</translation>
    </message>
    <message>
        <source>請選擇一個週期 :</source>
        <translation>请选择一个周期 :</translation>
    </message>
    <message>
        <source>永遠</source>
        <translation>永远</translation>
    </message>
    <message>
        <source>1 天</source>
        <translation>1 天</translation>
    </message>
    <message>
        <source>1 週</source>
        <translation>1 周</translation>
    </message>
    <message>
        <source>1 個月</source>
        <translation>1 个月</translation>
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
        <translation>回收站</translation>
    </message>
    <message>
        <source>啟用資源回收筒</source>
        <translation>启用回收站</translation>
    </message>
    <message>
        <source>資源回收筒存放的位置 :</source>
        <translation>回收站存放的位置 :</translation>
    </message>
    <message>
        <source>內容 :</source>
        <translation>内容 :</translation>
    </message>
    <message>
        <source>容量:</source>
        <translation>容量:</translation>
    </message>
    <message>
        <source>還原</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>刪除</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>全選</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>進階...</source>
        <translation>高级...</translation>
    </message>
    <message>
        <source>主記憶體</source>
        <translation>主内存</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>設定</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>操作設定 :</source>
        <translation>操作设置 :</translation>
    </message>
    <message>
        <source>按兩下才能開啟檔案</source>
        <translation>双击才能打开文件</translation>
    </message>
    <message>
        <source>檔案瀏覽設定</source>
        <translation>文件浏览设置</translation>
    </message>
    <message>
        <source>不顯示隱藏檔</source>
        <translation>不显示隐藏文件</translation>
    </message>
    <message>
        <source>不顯示在唯讀記憶體中的檔案</source>
        <translation>不显示在只读内存中的文件</translation>
    </message>
    <message>
        <source>不顯示 *.DLL;*.CPL;*DRV;*.HTP</source>
        <translation>不显示 *.DLL;*.CPL;*DRV;*.HTP</translation>
    </message>
    <message>
        <source>只顯示下列的檔案 :</source>
        <translation>只显示下列的文件 :</translation>
    </message>
</context>
<context>
    <name>CSysInfoDlg</name>
    <message>
        <source>全部空間 :</source>
        <translation>全部空间 :</translation>
    </message>
    <message>
        <source>剩餘空間 :</source>
        <translation>剩余空间 :</translation>
    </message>
    <message>
        <source>仟位元組</source>
        <translation>千字节</translation>
    </message>
    <message>
        <source>系統資訊</source>
        <translation>系统信息</translation>
    </message>
    <message>
        <source>應用程式</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>記憶體</source>
        <translation>内存</translation>
    </message>
    <message>
        <source>擴充記憶體 :</source>
        <translation>存储卡 :</translation>
    </message>
    <message>
        <source>確定</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>%1 需要一個值</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>--card 需要 NAME=DIR, 而不是 "%1"</source>
        <translation>--card 需要 NAME=DIR, 而不是 "%1"</translation>
    </message>
    <message>
        <source>沒有這個資料匣: %1</source>
        <translation>没有这个文件夹: %1</translation>
    </message>
    <message>
        <source>用法: nuvio attrib [+r|-r|+h|-h|+s|-s|+a|-a]... PATH...
設定 (+) 或清除 (-) 唯讀, 隱藏, 系統和保存屬性; 沒有指定變更時, 顯示每個路徑的
屬性字母 (A 保存, H 隱藏, R 唯讀, S 系統, O 在唯讀記憶體中). 唯讀記憶體中的
檔案無法變更.
</source>
        <translation>用法: nuvio attrib [+r|-r|+h|-h|+s|-s|+a|-a]... PATH...
设置 (+) 或清除 (-) 只读, 隐藏, 系统和保存属性; 没有指定变更时, 显示每个路径的
属性字母 (A 保存, H 隐藏, R 只读, S 系统, O 在只读内存中). 只读内存中的
文件无法变更.
</translation>
    </message>
    <message>
        <source>未指定路徑</source>
        <translation>未指定路径</translation>
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
        <translation>用法: nuvio bin list [--json]
      nuvio bin put PATH...
      nuvio bin restore [--yes|--no] INDEX...
      nuvio bin erase INDEX...
      nuvio bin purge [--force]
      nuvio bin where
      nuvio bin move main|CARDNAME
文件管理器的回收站. INDEX 是项目在 bin list 中的位置.
  list     列出项目: 位置, 删除时间, 大小, 原始路径 (--json: 一个
           {index, name, original, archive, deleted, size, attributes} 数组)
  put      把项目放入回收站 (即使删除到回收站已关闭)
  restore  把项目还原到原来的位置; 替换现有的项目要先询问:
           --yes 替换, --no 保留 (都没有指定时: 保留并报告)
  erase    永久删除项目和它们的压缩文件
  purge    删除超过回收站保存时间的项目 (除非      --force,
           一天一次)
  where    显示回收站的文件夹
  move     把回收站连同压缩文件移到主内存或存储卡
</translation>
    </message>
    <message>
        <source>INDEX 是項目的位置</source>
        <translation>INDEX 是项目的位置</translation>
    </message>
    <message>
        <source>請指定 main 或儲存卡名稱</source>
        <translation>请指定 main 或存储卡名称</translation>
    </message>
    <message>
        <source>--yes 和 --no 只能擇一</source>
        <translation>--yes 和 --no 只能择一</translation>
    </message>
    <message>
        <source>bin %1 不接受參數</source>
        <translation>bin %1 不接受参数</translation>
    </message>
    <message>
        <source>未指定 bin 命令</source>
        <translation>未指定 bin 命令</translation>
    </message>
    <message>
        <source>不明的 bin 命令 %1</source>
        <translation>未知的 bin 命令 %1</translation>
    </message>
    <message>
        <source>不明的選項 %1</source>
        <translation>未知的选项 %1</translation>
    </message>
    <message>
        <source>略過: 請以 --yes 或 --no 回答</source>
        <translation>略过: 请以 --yes 或 --no 回答</translation>
    </message>
    <message>
        <source>無法建立資料匣 "%1"</source>
        <translation>无法创建文件夹 "%1"</translation>
    </message>
    <message>
        <source>無法複製 "%1"</source>
        <translation>无法拷贝 "%1"</translation>
    </message>
    <message>
        <source>無法刪除 "%1"</source>
        <translation>无法删除 "%1"</translation>
    </message>
    <message>
        <source>無法建立捷徑 "%1"</source>
        <translation>无法创建捷径 "%1"</translation>
    </message>
    <message>
        <source>資源回收筒中沒有第 %1 項</source>
        <translation>回收站中没有第 %1 项</translation>
    </message>
    <message>
        <source>第 %1 項沒有還原</source>
        <translation>第 %1 项没有还原</translation>
    </message>
    <message>
        <source>第 %1 項沒有刪除</source>
        <translation>第 %1 项没有删除</translation>
    </message>
    <message>
        <source>沒有第 %1 個我的最愛</source>
        <translation>没有第 %1 个收藏夹</translation>
    </message>
    <message>
        <source>無法加入我的最愛 "%1"</source>
        <translation>无法加入收藏夹 "%1"</translation>
    </message>
    <message>
        <source>沒有密碼: 請使用 --password-fd N 或終端機</source>
        <translation>没有密码: 请使用 --password-fd N 或终端</translation>
    </message>
    <message>
        <source>密碼是空的</source>
        <translation>密码是空的</translation>
    </message>
    <message>
        <source>密碼超過 127 個字元</source>
        <translation>密码超过 127 个字符</translation>
    </message>
    <message>
        <source>用法: nuvio encrypt [--delete] [--password-fd N] FILE...
把每個檔案加密成 FILE.enc (名稱已被使用時加上編號: a.txt(2).enc), 並顯示建立的
檔案. 密碼從描述元 N 讀取一行, 或在終端機上詢問兩次; 請勿在命令列上輸入密碼.
  --delete   加密檔完成後刪除原始檔
</source>
        <translation>用法: nuvio encrypt [--delete] [--password-fd N] FILE...
把每个文件加密成 FILE.enc (名称已被使用时加上编号: a.txt(2).enc), 并显示创建的
文件. 密码从描述符 N 读取一行, 或在终端上询问两次; 请勿在命令行上输入密码.
  --delete   加密文件完成后删除源文件
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
        <translation>用法: nuvio decrypt [--delete] [--yes|--no] [--password-fd N] FILE...
把每个 .enc 文件解密成其中保存的名称, 放在同一个文件夹中, 并显示创建的文件.
密码从描述符 N 读取一行, 或在终端上询问. 替换现有的文件要先询问:
  --yes      替换现有的文件
  --no       保留现有的文件 (都没有指定时: 保留并报告)
  --delete   内容还原后删除加密文件
</translation>
    </message>
    <message>
        <source>--password-fd 需要一個檔案描述元</source>
        <translation>--password-fd 需要一个文件描述符</translation>
    </message>
    <message>
        <source>密碼 : </source>
        <translation>密码 : </translation>
    </message>
    <message>
        <source>密碼確認 : </source>
        <translation>密码确认 : </translation>
    </message>
    <message>
        <source>未指定檔案</source>
        <translation>未指定文件</translation>
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
        <translation>用法: nuvio fav list [--json]
      nuvio fav add NAME FOLDER
      nuvio fav rm INDEX
文件管理器的收藏夹文件夹, 按菜单顺序; INDEX 是 list 显示的位置.
  list   位置, 名称和文件夹 (--json: 一个 {name, folder} 数组)
  add    加入一个收藏夹 (最多 100 个); 文件夹必须存在
  rm       移除一个收藏夹.            移除最后一个时, 文件保持原样,和
         文件管理器一样, 所以收藏夹会再出现.
</translation>
    </message>
    <message>
        <source>INDEX 是一個位置</source>
        <translation>INDEX 是一个位置</translation>
    </message>
    <message>
        <source>未指定 fav 命令</source>
        <translation>未指定 fav 命令</translation>
    </message>
    <message>
        <source>錯誤的 fav 命令</source>
        <translation>错误的 fav 命令</translation>
    </message>
    <message>
        <source>用法: nuvio mkdir PATH...
建立每個資料匣; 它的上層資料匣必須存在.
</source>
        <translation>用法: nuvio mkdir PATH...
创建每个文件夹; 它的上层文件夹必须存在.
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
        <translation>用法: nuvio cp [--yes|--no] SRC... DEST
把文件和文件夹拷贝到文件夹 DEST (或把一个项目拷贝成新名称 DEST), 和文件管理器的
粘贴一样: 拷贝到自己的文件夹时加上编号 (a(2).txt), 只读内存中的文件不拷贝,
替换现有的项目要先询问:
  --yes   替换所有现有的项目
  --no    保留所有现有的项目
都没有指定时, 保留现有的项目并报告. 只有大小写不同的两个名称不会互相替换: 第二个
会加上编号. 没有拷贝或改名的项目都会列出, 结束状态为 1. 终端上会显示百分比.
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
        <translation>用法: nuvio mv [--yes|--no] SRC... DEST
把文件和文件夹移到文件夹 DEST (或把一个项目移成新名称 DEST): 每个项目和 cp 一样
拷贝, 拷贝完成后删除来源. 文件夹不能移到它自己里面.
  --yes   替换所有现有的项目
  --no    保留所有现有的项目
都没有指定时, 保留现有的项目并报告.
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
        <translation>用法: nuvio rm [--purge] [--yes|--no] PATH...
把文件和文件夹删除到回收站 (使用 --purge 或回收站关闭时永久删除).
只读内存中的文件保留. 询问:
  --yes   也删除只读文件; 永久删除放不进回收站的项目
  --no    保留只读文件; 回收站空间不足时全部保留
都没有指定时, 采用安全的回答并报告.
</translation>
    </message>
    <message>
        <source>用法: nuvio ln TARGET LINK
建立指向 TARGET 的捷徑檔 LINK (沒有 ".lnk" 時會加上); LINK 是資料匣時, 捷徑以
TARGET 的名稱建立在其中 (名稱已被使用時加上編號).
</source>
        <translation>用法: nuvio ln TARGET LINK
创建指向 TARGET 的捷径文件 LINK (没有 ".lnk" 时会加上); LINK 是文件夹时, 捷径以
TARGET 的名称创建在其中 (名称已被使用时加上编号).
</translation>
    </message>
    <message>
        <source>需要 SRC 和 DEST</source>
        <translation>需要 SRC 和 DEST</translation>
    </message>
    <message>
        <source>需要 TARGET 和 LINK</source>
        <translation>需要 TARGET 和 LINK</translation>
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
        <translation>用法: nuvio ls [-a] [--sort name|size|date|type|attr] [--reverse] [--json] [FOLDER]
和文件管理器的文件列表一样列出文件夹 (没有指定时为文件管理器最后的文件夹): 名称,
大小, 日期, 类型和属性, 文件夹在前, 除非指定 --sort, 否则按文件管理器保存的顺序.
  -a       列出全部:                  隐藏文件, 只读内存和系统文件,以及回收站
  --sort K   按 name, size, date, type 或 attr 排序 (名称 A 到 Z,
             最大和最新的在前)
  --reverse  反向排序
  --json     一个 {name, folder, size, written, type, mime, attributes} 数组
</translation>
    </message>
    <message>
        <source>只能指定一個資料匣</source>
        <translation>只能指定一个文件夹</translation>
    </message>
    <message>
        <source>不明的排序方式</source>
        <translation>未知的排序方式</translation>
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
        <translation>用法: nuvio [--root DIR] [--card NAME=DIR]... COMMAND [ARGS...]
在文件管理器的设备和设置上工作. 路径是设备路径, 如 '\My Documents\a.txt'
("/" 等同 "\"); 相对路径从文件管理器最后显示的文件夹开始.

命令:
  ls       列出文件夹                 attrib   显示或变更属性
  mkdir    创建文件夹                 cp, mv   拷贝或移动项目
  rm       删除到回收站               ln       创建捷径文件
  bin      回收站                     encrypt, decrypt  密码加密
  find     查找文件                   dump     逐页显示文件的字节
  info     内存和存储空间             fav      收藏夹文件夹

nuvio COMMAND --help 有更多说明. 结束状态: 0 完成, 1 有项目失败或有问题没有
回答 (请以 --yes 或 --no 回答), 2 用法错误.
  --root DIR        以主机的文件夹作为设备的根目录, 代替文件管理器的设备
  --card NAME=DIR   以主机的文件夹作为存储卡 \NAME (可重复)
  --version         显示版本后结束
</translation>
    </message>
    <message>
        <source>未指定命令</source>
        <translation>未指定命令</translation>
    </message>
    <message>
        <source>不明的命令 %1</source>
        <translation>未知的命令 %1</translation>
    </message>
    <message>
        <source>用法: nuvio find [--text T] [--json] FOLDER PATTERN
尋找 FOLDER 之下名稱符合 PATTERN (* 和 ?, 不分大小寫) 的檔案, 使用 --text 時,
內容還必須包含 T (不分大小寫, UTF-16 或 UTF-8). 結果從最深的資料匣開始, 和
檔案總管的尋找對話方塊一樣, 最後是數目.
  --json   一個 {path, size, written, mime, attributes} 陣列, 沒有數目
</source>
        <translation>用法: nuvio find [--text T] [--json] FOLDER PATTERN
查找 FOLDER 之下名称符合 PATTERN (* 和 ?, 不分大小写) 的文件, 使用 --text 时,
内容还必须包含 T (不分大小写, UTF-16 或 UTF-8). 结果从最深的文件夹开始, 和
文件管理器的查找对话框一样, 最后是数目.
  --json   一个 {path, size, written, mime, attributes} 数组, 没有数目
</translation>
    </message>
    <message>
        <source>用法: nuvio dump [--chars] [--page N] FILE
和檔案總管的傾倒檢視器一樣顯示檔案的一頁: 十列, 每列 18 個位元組和它們的位移,
以 16 進位 (超過結尾為 "--") 或使用 --chars 以字元顯示.
  --page N   第 N 頁 (從 1 開始); 超過結尾時, 為到達結尾的那一頁
</source>
        <translation>用法: nuvio dump [--chars] [--page N] FILE
和文件管理器的倾倒查看器一样显示文件的一页: 十列, 每列 18 个字节和它们的位移,
以十六进制 (超出结尾为 "--") 或使用 --chars 以字符显示.
  --page N   第 N 页 (从 1 开始); 超过结尾时, 为到达结尾的那一页
</translation>
    </message>
    <message>
        <source>用法: nuvio info [--json]
程式記憶體, 儲存記憶體和每張儲存卡的空間, 以仟位元組為單位, 和檔案總管的系統資訊
一樣.
  --json   {program, storage: {totalKb, freeKb}, cards: [{name, totalKb, freeKb}]}
</source>
        <translation>用法: nuvio info [--json]
程序内存, 存储内存和每张存储卡的空间, 以千字节为单位, 和文件管理器的系统信息
一样.
  --json   {program, storage: {totalKb, freeKb}, cards: [{name, totalKb, freeKb}]}
</translation>
    </message>
    <message>
        <source>需要 FOLDER 和 PATTERN</source>
        <translation>需要 FOLDER 和 PATTERN</translation>
    </message>
    <message>
        <source>PATTERN 是名稱樣式</source>
        <translation>PATTERN 是名称样式</translation>
    </message>
    <message>
        <source>只能指定一個 FILE</source>
        <translation>只能指定一个 FILE</translation>
    </message>
    <message>
        <source>--page 需要從 1 開始的數字</source>
        <translation>--page 需要从 1 开始的数字</translation>
    </message>
    <message>
        <source>不接受參數</source>
        <translation>不接受参数</translation>
    </message>
    <message>
        <source>  全部空間 : </source>
        <translation>  全部空间 : </translation>
    </message>
    <message>
        <source>  剩餘空間 : </source>
        <translation>  剩余空间 : </translation>
    </message>
    <message>
        <source> 仟位元組
</source>
        <translation> 千字节
</translation>
    </message>
    <message>
        <source>應用程式
</source>
        <translation>应用程序
</translation>
    </message>
    <message>
        <source>記憶體
</source>
        <translation>内存
</translation>
    </message>
    <message>
        <source>擴充記憶體 :
</source>
        <translation>存储卡 :
</translation>
    </message>
    <message>
        <source>擴充記憶體 : </source>
        <translation>存储卡 : </translation>
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
        <translation>用法: nuvio-explorer [--root DIR] [--card NAME=DIR]... [PATH]
      nuvio-explorer --screenshot FILE.png [--size WxH] [--dialog ID] [PATH]
给掌上型设备使用的文件管理器. PATH 是要显示的文件夹 (或文件): 设备路径如
'\My Documents', 或在设备某个卷内的主机路径或 file:// URI. 第二次启动时
把 PATH 交给已在运行的文件管理器.

  --root DIR             以主机的文件夹作为设备的根目录, 代替默认的设备;
                         每个设备有自己的设置和回收站
  --card NAME=DIR        以主机的文件夹作为存储卡 \NAME (可重复);
                         没有指定时, 可移动媒体会显示为存储卡
  --screenshot FILE.png  在屏幕外绘制主窗口, 存成 PNG 后结束
  --size WxH             图片的大小
  --dialog ID            绘制对话框而不是主窗口
  --help                 显示这段说明后结束
  --version              显示版本后结束
</translation>
    </message>
    <message>
        <source>沒有對話方塊 %1</source>
        <translation>没有对话框 %1</translation>
    </message>
    <message>
        <source>無法寫入 %1</source>
        <translation>无法写入 %1</translation>
    </message>
</context>
<context>
    <name>DialogLayout</name>
    <message>
        <source>確定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>往上移一層</source>
        <translation>向上一层</translation>
    </message>
    <message>
        <source>開啟新的資料匣</source>
        <translation>新建文件夹</translation>
    </message>
    <message>
        <source>重新整理</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>檔案傾倒...</source>
        <translation>文件倾倒...</translation>
    </message>
    <message>
        <source>密碼</source>
        <translation>密码</translation>
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
        <source>傳送接收</source>
        <translation>发送接收</translation>
    </message>
    <message>
        <source>透過電子郵件傳送...</source>
        <translation>通过电子邮件发送...</translation>
    </message>
    <message>
        <source>透過紅外線傳送...</source>
        <translation>通过红外线发送...</translation>
    </message>
    <message>
        <source>透過紅外線接收...</source>
        <translation>通过红外线接收...</translation>
    </message>
    <message>
        <source>資源回收筒...</source>
        <translation>回收站...</translation>
    </message>
    <message>
        <source>內容...</source>
        <translation>内容...</translation>
    </message>
    <message>
        <source>設定...</source>
        <translation>设置...</translation>
    </message>
    <message>
        <source>關於 File Explorer...</source>
        <translation>关于 File Explorer...</translation>
    </message>
    <message>
        <source>離開</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>剪下</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>複製</source>
        <translation>拷贝</translation>
    </message>
    <message>
        <source>貼上</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>貼成捷徑</source>
        <translation>贴成捷径</translation>
    </message>
    <message>
        <source>重新命名</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>刪除</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>全部選取</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>反向選取</source>
        <translation>反向选择</translation>
    </message>
    <message>
        <source>尋找檔案...</source>
        <translation>查找文件...</translation>
    </message>
    <message>
        <source>大型圖示</source>
        <translation>大型图标</translation>
    </message>
    <message>
        <source>小型圖示</source>
        <translation>小型图标</translation>
    </message>
    <message>
        <source>清單</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>詳細資料</source>
        <translation>详细信息</translation>
    </message>
    <message>
        <source>排列圖示</source>
        <translation>排列图标</translation>
    </message>
    <message>
        <source>依名稱</source>
        <translation>按名称</translation>
    </message>
    <message>
        <source>依大小</source>
        <translation>按大小</translation>
    </message>
    <message>
        <source>依日期</source>
        <translation>按日期</translation>
    </message>
    <message>
        <source>依類型</source>
        <translation>按类型</translation>
    </message>
    <message>
        <source>依屬性</source>
        <translation>按属性</translation>
    </message>
    <message>
        <source>系統資訊...</source>
        <translation>系统信息...</translation>
    </message>
    <message>
        <source>顯示資料匣位置列</source>
        <translation>显示文件夹位置列</translation>
    </message>
    <message>
        <source>顯示資料欄位列</source>
        <translation>显示列标题</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>QtUserPrompt</name>
    <message>
        <source>是</source>
        <translation>是</translation>
    </message>
    <message>
        <source>否</source>
        <translation>否</translation>
    </message>
    <message>
        <source>確定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>檔案取代確認</source>
        <translation>文件替换确认</translation>
    </message>
    <message>
        <source>檔案刪除確認</source>
        <translation>文件删除确认</translation>
    </message>
</context>
<context>
    <name>RecycleListModel</name>
    <message>
        <source>原始資料匣</source>
        <translation>原始文件夹</translation>
    </message>
    <message>
        <source>刪除日期</source>
        <translation>删除日期</translation>
    </message>
</context>
</TS>
