<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>CrashTexts</name>
    <message>
        <location filename="../../src/app/crash_report.cpp" line="+19"/>
        <source>错误</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pictavo 已停止工作。

出现了一个问题，导致软件停止工作。请进入软件官网联系客服。</source>
        <translation>Pictavo 已停止工作。

出現了一個問題，導致軟體停止工作。請進入軟體官網聯絡客服。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../src/ui/dialogs/dialog_buttons.cpp" line="+11"/>
        <source>确定</source>
        <translation>確定</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../src/ui/workers/task.cpp" line="+63"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/product_import_dialog.cpp" line="+54"/>
        <location filename="../../src/ui/panels/picture_file_check.cpp" line="+24"/>
        <source>错误</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/progress_dialog.cpp" line="+11"/>
        <source>共 %1 张图片，正在处理第 %2 张。</source>
        <translation>共 %1 張圖片，正在處理第 %2 張。</translation>
    </message>
    <message>
        <location filename="../../src/ui/file_choosers.cpp" line="+25"/>
        <source>文件路径</source>
        <translation>檔案路徑</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>文件夹路径</source>
        <translation>資料夾路徑</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>修改文件名称</source>
        <translation>修改檔案名稱</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>修改文件夹名称</source>
        <translation>修改資料夾名稱</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>修改%1长度</source>
        <translation>修改%1長度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1长度不能大于 %2 个字符！

当前%1长度：%3 个字符
%4

解决方案：%5，使其长度不超过 %2 个字符。

提示：一个英文字母占 1 个字符，一个汉字占 2 个字符。</source>
        <translation>%1長度不能大於 %2 個字元！

目前%1長度：%3 個字元
%4

解決方案：%5，使其長度不超過 %2 個字元。

提示：一個英文字母佔 1 個字元，一個漢字佔 2 個字元。</translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../../src/ui/generation_command.cpp" line="+97"/>
        <location filename="../../src/ui/panels/picture_file_check.cpp" line="-3"/>
        <location filename="../../src/ui/web_pages.cpp" line="+23"/>
        <location line="+5"/>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>所有文件 (*.*)</source>
        <translation>所有檔案 (*.*)</translation>
    </message>
    <message>
        <location filename="../../src/ui/generation_command.cpp" line="+1"/>
        <source>无法创建播放视频的HTML文件，但这不影响新生成的mp4视频文件的正常使用。

你可以从网上下载：射手影音 来播放视频。</source>
        <translation>無法建立播放影片的 HTML 檔案，但這不影響新產生的 mp4 影片檔案的正常使用。

你可以從網路上下載影音播放器來播放影片。</translation>
    </message>
    <message>
        <location filename="../../src/ui/panels/cover_panel.cpp" line="+10"/>
        <source>设置封面：文件管理器中显示的视频缩略图</source>
        <translation>設定封面：檔案管理器中顯示的影片縮圖</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>设置封面</source>
        <translation>設定封面</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>不设置封面</source>
        <translation>不設定封面</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>图片：</source>
        <translation>圖片：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>选择封面图片</source>
        <translation>選擇封面圖片</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>图片 (*.JPG *.PNG *.jpg *.png)</source>
        <translation>圖片 (*.JPG *.PNG *.jpg *.png)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>选择封面</source>
        <translation>選擇封面</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关于【设置封面】选项</source>
        <translation>關於【設定封面】選項</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>【设置封面】是 v7.0 版本新增的实验性选项，用于设置生成的视频在文件管理器中显示的缩略图效果。

特别提示：
文件管理器里的视频缩略图显示效果与文件管理器及其缩略图设置有关，因此该选项是否有效最终由所用的文件管理器决定。</source>
        <translation>【設定封面】是 v7.0 版本新增的實驗性選項，用於設定產生的影片在檔案管理器中顯示的縮圖效果。

特別提示：
檔案管理器裡的影片縮圖顯示效果與檔案管理器及其縮圖設定有關，因此該選項是否有效最終由所用的檔案管理器決定。</translation>
    </message>
    <message>
        <location filename="../../src/ui/panels/logo_panel.cpp" line="+16"/>
        <location line="+1"/>
        <source>加图标</source>
        <translation>加圖示</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>不加图标</source>
        <translation>不加圖示</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>图标：</source>
        <translation>圖示：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>选择图片</source>
        <translation>選擇圖片</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PNG图片 (*.PNG *.png)</source>
        <translation>PNG圖片 (*.PNG *.png)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>选择图标</source>
        <translation>選擇圖示</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>关于图标</source>
        <translation>關於圖示</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PNG、JPG格式的图片都可以做图标。

建议：使用 [透明背景的PNG图片] 做图标，效果更好。

注意：图标的尺寸不能大于视频的尺寸。</source>
        <translation>PNG、JPG格式的圖片都可以做圖示。

建議：使用 [透明背景的PNG圖片] 做圖示，效果更好。

注意：圖示的尺寸不能大於影片的尺寸。</translation>
    </message>
    <message>
        <location filename="../../src/ui/panels/music_panel.cpp" line="+30"/>
        <source> 试听中</source>
        <translation> 試聽中</translation>
    </message>
    <message>
        <location filename="../../src/ui/panels/picture_file_check.cpp" line="+1"/>
        <source>选择的图标文件是一个使用了[CMYK颜色模式]的JPG图片，请先将图标文件转换成[RGB颜色模式]后再使用。</source>
        <translation>選擇的圖示檔案是一個使用了[CMYK顏色模式]的JPG圖片，請先將圖示檔案轉換成[RGB顏色模式]後再使用。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>选中的文件格式不受支持，请选择 PNG 或 JPG 格式的图片。</source>
        <translation>選取的檔案格式不受支援，請選擇 PNG 或 JPG 格式的圖片。</translation>
    </message>
    <message>
        <location filename="../../src/ui/picture_list/caption_badges.cpp" line="+19"/>
        <source>文字</source>
        <translation>文字</translation>
    </message>
    <message>
        <location filename="../../src/ui/picture_list/picture_list_menu.cpp" line="+20"/>
        <location filename="../../src/ui/toolbar.cpp" line="+121"/>
        <source>添加图片</source>
        <translation>新增圖片</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>插入图片</source>
        <translation>插入圖片</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>移除选中</source>
        <translation>移除選取專案</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>移除全部	Ctrl+D</source>
        <translation>移除全部	Ctrl+D</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>随机排列图片</source>
        <translation>隨機排列圖片</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>更换一组动画</source>
        <translation>更換一組動畫</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>全部设置为该动画</source>
        <translation>全部設定為該動畫</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>自动贴边对角排列文字</source>
        <translation>自動貼邊對角排列文字</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>自动贴边交叉排列文字</source>
        <translation>自動貼邊交叉排列文字</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>自动不贴边对角排列文字</source>
        <translation>自動不貼邊對角排列文字</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>自动不贴边交叉排列文字</source>
        <translation>自動不貼邊交叉排列文字</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>自动中间下方排列文字</source>
        <translation>自動中間下方排列文字</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>设置为封面</source>
        <translation>設定為封面</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>预览该图片动画	F5</source>
        <translation>預覽該圖片動畫	F5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>图片动感</source>
        <translation>圖片動態</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>跟随项目设置</source>
        <translation>依專案設定</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>撤销</source>
        <translation>復原</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>重做</source>
        <translation>重做</translation>
    </message>
    <message>
        <location filename="../../src/ui/preview/preview_artwork.cpp" line="+24"/>
        <location filename="../../src/ui/window_layout.cpp" line="+49"/>
        <source>视频输出设置</source>
        <translation>影片輸出設定</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>视频尺寸：</source>
        <translation>影片尺寸：</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>数据正在缓冲...</source>
        <translation>資料正在緩衝...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>提示：视频尺寸设置小一点，预览更流畅。</source>
        <translation>提示：影片尺寸設定小一點，預覽更流暢。</translation>
    </message>
    <message>
        <location filename="../../src/ui/project_commands.cpp" line="+17"/>
        <source>项目文件 (*.dat)</source>
        <translation>專案檔案 (*.dat)</translation>
    </message>
    <message>
        <location filename="../../src/ui/project_menu.cpp" line="+28"/>
        <source>新建</source>
        <translation>新增</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>打开</source>
        <translation>開啟</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>保存</source>
        <translation>儲存</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>另存为</source>
        <translation>另存為</translation>
    </message>
    <message>
        <location filename="../../src/ui/toolbar.cpp" line="-3"/>
        <source>我的项目</source>
        <translation>我的專案</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>加载宝贝</source>
        <translation>載入商品</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>加载淘宝,天猫宝贝图片</source>
        <translation>載入淘寶,天貓商品圖片</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>移除图片</source>
        <translation>移除圖片</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>导入动画</source>
        <translation>匯入動畫</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>导入gif动画</source>
        <translation>匯入gif動畫</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>图片左转</source>
        <translation>圖片左轉</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>图片右转</source>
        <translation>圖片右轉</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>向左移动</source>
        <translation>向左移動</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>快捷键: Ctrl + ←</source>
        <translation>快捷鍵: Ctrl + ←</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>向右移动</source>
        <translation>向右移動</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>快捷键: Ctrl + →</source>
        <translation>快捷鍵: Ctrl + →</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>视频预览</source>
        <translation>影片預覽</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>生成视频</source>
        <translation>產生影片</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>快捷方式</source>
        <translation>捷徑</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>在桌面创建一个快捷方式</source>
        <translation>在桌面建立一個捷徑</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>官方网站</source>
        <translation>官方網站</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关于软件</source>
        <translation>關於軟體</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>使用指南</source>
        <translation>使用指南</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GIF模式</source>
        <translation>GIF模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>开启[GIF模式]后视频由最多 %1 张连续的图片组成</source>
        <translation>開啟[GIF模式]後影片由最多 %1 張連續的圖片組成</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>软件设置</source>
        <translation>軟體設定</translation>
    </message>
    <message>
        <location filename="../../src/ui/web_pages.cpp" line="-4"/>
        <source>没有设置官方网站的地址 (PICTAVO_SERVICE_URL)。</source>
        <translation>沒有設定官方網站的網址 (PICTAVO_SERVICE_URL)。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>无法打开浏览器:
%1</source>
        <translation>無法開啟瀏覽器:
%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 V%2


制作由多张图片(最多1000张)组成带多种播放特效的视频，输出视频格式：MP4。

支持处理的图片格式：JPG, PNG, GIF(静态), BMP, TBI。


官网：</source>
        <translation>%1 V%2


製作由多張圖片(最多1000張)組成帶多種播放特效的影片，輸出影片格式：MP4。

支援處理的圖片格式：JPG, PNG, GIF(靜態), BMP, TBI。


官網：</translation>
    </message>
    <message>
        <location filename="../../src/ui/window_layout.cpp" line="-11"/>
        <source>图片列表</source>
        <translation>圖片清單</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>文字设置</source>
        <translation>文字設定</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>图标设置</source>
        <translation>圖示設定</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>背景音乐设置</source>
        <translation>背景音樂設定</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>封面设置</source>
        <translation>封面設定</translation>
    </message>
    <message>
        <location filename="../../src/ui/panels/music_panel_style.cpp" line="+39"/>
        <source>秒</source>
        <translation> 秒</translation>
    </message>
</context>
<context>
    <name>SelectionInformation</name>
    <message>
        <location filename="../../src/ui/picture_list/selection_information.cpp" line="+36"/>
        <source>无法识别的图片:</source>
        <translation>無法識別的圖片:</translation>
    </message>
</context>
<context>
    <name>StartupTexts</name>
    <message>
        <location filename="../../src/app/startup_steps.cpp" line="+31"/>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>错误</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>注意</source>
        <translation>注意</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>找不到 %1 文件，可能是没有对下载的软件压缩包进行正确的解压缩。

点击[确定]按钮，查看正确的解压缩方式。</source>
        <translation>找不到 %1 檔案，可能是沒有對下載的軟體壓縮檔進行正確的解壓縮。

點選[確定]按鈕，檢視正確的解壓縮方式。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>软件无法正常启动，可能是没有对下载的软件压缩包进行正确的解压缩。

点击[确定]按钮，查看正确的解压缩方式。</source>
        <translation>軟體無法正常啟動，可能是沒有對下載的軟體壓縮檔進行正確的解壓縮。

點選[確定]按鈕，檢視正確的解壓縮方式。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>图像处理库无法正常启动，软件无法读取图片，即将退出。

%1</source>
        <translation>影像處理函式庫無法正常啟動，軟體無法讀取圖片，即將結束。

%1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>无法创建文件夹: %1</source>
        <translation>無法建立資料夾: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../src/main/main.cpp" line="+75"/>
        <location line="+45"/>
        <source>错误</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>无法启动后台任务，软件即将退出。</source>
        <translation>無法啟動背景工作，軟體即將結束。</translation>
    </message>
</context>
<context>
    <name>pictavo::CaptionMarginsDialog</name>
    <message>
        <location filename="../../src/ui/dialogs/caption_margins_dialog.cpp" line="+60"/>
        <source>【加文字】边距设置</source>
        <translation>【加文字】邊距設定</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>全部使用默认值</source>
        <translation>全部使用預設值</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>说明：边距的值以视频的宽度与高度做为参照依据。</source>
        <translation>說明：邊距的值以影片的寬度與高度做為參照依據。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>【加文字】 位置：【中间下方】的下边距设置</source>
        <translation>【加文字】 位置：【中間下方】的下邊距設定</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>% (视频高度的百分比)</source>
        <translation>% (影片高度的百分比)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>【加文字】 位置：左上角、左下角、右上角、右下角的边距设置</source>
        <translation>【加文字】 位置：左上角、左下角、右上角、右下角的邊距設定</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>提示</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>pictavo::CaptionPanel</name>
    <message>
        <location filename="../../src/ui/panels/caption_panel.cpp" line="+57"/>
        <location line="+71"/>
        <source>加文字</source>
        <translation>加文字</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>位置：</source>
        <translation>位置：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>文字：</source>
        <translation>文字：</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>字体：</source>
        <translation>字型：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>字号：</source>
        <translation>字型大小：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>颜色：</source>
        <translation>顏色：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>文字示例</source>
        <translation>文字範例</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文字的字体、字号、颜色是统一设置的，可以设置每一张图片文字显示的位置和内容，也可以在图片上点右键选择自动设置文字的位置。

提示：在加文字的情况下，图片停顿时间最好大于1.5秒。</source>
        <translation>文字的字型、字型大小、顏色是統一設定的，可以設定每一張圖片文字顯示的位置和內容，也可以在圖片上按右鍵選擇自動設定文字的位置。

提示：在加文字的情況下，圖片停頓時間最好大於1.5秒。</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>注意</source>
        <translation>注意</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>在您的电脑中没有找到必需的 [黑体] 和 [楷体] 字体，目前无法在视频中添加文字。

是否要下载该字体？</source>
        <translation>在您的電腦中沒有找到必需的 [黑體] 和 [楷體] 字型，目前無法在影片中新增文字。

是否要下載該字型？</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>不加文字</source>
        <translation>不加文字</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>文字位置</source>
        <translation>文字位置</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>修改文字</source>
        <translation>修改文字</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>文字字体</source>
        <translation>文字字型</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>文字字号</source>
        <translation>文字字型大小</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>文字颜色</source>
        <translation>文字顏色</translation>
    </message>
</context>
<context>
    <name>pictavo::CustomSizeDialog</name>
    <message>
        <location filename="../../src/ui/dialogs/custom_size_dialog.cpp" line="+35"/>
        <source>自定义视频尺寸</source>
        <translation>自訂影片尺寸</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+5"/>
        <source>宽：</source>
        <translation>寬：</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+6"/>
        <source>高：</source>
        <translation>高：</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>设置输出视频的尺寸：</source>
        <translation>設定輸出影片的尺寸：</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>请输入视频的宽度</source>
        <translation>請輸入影片的寬度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>请输入视频的高度</source>
        <translation>請輸入影片的高度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>视频的宽度必须是偶数(能被2整除)</source>
        <translation>影片的寬度必須是偶數(能被2整除)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>视频的高度必须是偶数(能被2整除)</source>
        <translation>影片的高度必須是偶數(能被2整除)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>视频的宽度必须在 128 - 3840 之间</source>
        <translation>影片的寬度必須在 128 - 3840 之間</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>视频的高度必须在 128 - 2160 之间</source>
        <translation>影片的高度必須在 128 - 2160 之間</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>提示</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>pictavo::EffectChooser</name>
    <message>
        <location filename="../../src/ui/picture_list/effect_chooser.cpp" line="+38"/>
        <source>图片动画</source>
        <translation>圖片動畫</translation>
    </message>
</context>
<context>
    <name>pictavo::GenerationCommand</name>
    <message>
        <location filename="../../src/ui/generation_command.cpp" line="-48"/>
        <source>视频保存到</source>
        <translation>影片儲存到</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>mp4视频 (*.mp4)</source>
        <translation>mp4影片 (*.mp4)</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+14"/>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>错误</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>完成</source>
        <translation>完成</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>视频文件已生成，是否要查看该视频？</source>
        <translation>影片檔案已產生，是否要檢視該影片？</translation>
    </message>
</context>
<context>
    <name>pictavo::InformationWindow</name>
    <message>
        <location filename="../../src/ui/information_window.cpp" line="+16"/>
        <source>信息 - F2</source>
        <translation>訊息 - F2</translation>
    </message>
</context>
<context>
    <name>pictavo::LogoPanel</name>
    <message>
        <location filename="../../src/ui/panels/logo_panel.cpp" line="+14"/>
        <source>位置：</source>
        <translation>位置：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>图标位置</source>
        <translation>圖示位置</translation>
    </message>
</context>
<context>
    <name>pictavo::LoopStartDialog</name>
    <message>
        <location filename="../../src/ui/dialogs/loop_start_dialog.cpp" line="+19"/>
        <source>图片循环播放设置</source>
        <translation>圖片循環播放設定</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>第一张图片在循环播放时的过渡动画设置为：</source>
        <translation>第一張圖片在循環播放時的過渡動畫設定為：</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>当勾选【当音频长度 &gt; 视频长度时, 图片循环播放】选项，同时第一张图片设置为【无动画】时：</source>
        <translation>當勾選【當音訊長度 &gt; 影片長度時, 圖片循環播放】選項，同時第一張圖片設定為【無動畫】時：</translation>
    </message>
</context>
<context>
    <name>pictavo::MainStatusBar</name>
    <message>
        <location filename="../../src/ui/status_bar.cpp" line="+48"/>
        <source>音频长度: %1</source>
        <translation>音訊長度: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>视频长度: %1</source>
        <translation>影片長度: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n 张图片</source>
        <translation>
            <numerusform>%n 張圖片</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pictavo::MainWindow</name>
    <message>
        <location filename="../../src/ui/main_window.cpp" line="+60"/>
        <source>工具栏</source>
        <translation>工具列</translation>
    </message>
    <message>
        <location filename="../../src/ui/main_window_commands.cpp" line="+105"/>
        <source>撤销</source>
        <translation>復原</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>重做</source>
        <translation>重做</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>选择图片 - 支持多选</source>
        <translation>選擇圖片 - 支援多選</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>图片文件(*.jpg *.jpeg *.gif *.png *.bmp *.tbi *.JPG *.JPEG *.GIF *.PNG *.BMP *.TBI)</source>
        <translation>圖片檔案(*.jpg *.jpeg *.gif *.png *.bmp *.tbi *.JPG *.JPEG *.GIF *.PNG *.BMP *.TBI)</translation>
    </message>
    <message>
        <location line="+40"/>
        <location line="+2"/>
        <location filename="../../src/ui/main_window_pictures.cpp" line="+37"/>
        <location line="+42"/>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>在桌面上成功创建了一个快捷方式</source>
        <translation>在桌面上成功建立了一個捷徑</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>在桌面上创建快捷方式失败</source>
        <translation>在桌面上建立捷徑失敗</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>关于</source>
        <translation>關於</translation>
    </message>
    <message>
        <location filename="../../src/ui/main_window_pictures.cpp" line="-5"/>
        <source>选择一个gif动画</source>
        <translation>選擇一個gif動畫</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>GIF图片 (*.GIF *.gif)</source>
        <translation>GIF圖片 (*.GIF *.gif)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>选择的文件格式不对，请选择一个gif动画文件。</source>
        <translation>選擇的檔案格式不對，請選擇一個gif動畫檔案。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>导入动画中...</source>
        <translation>匯入動畫中...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>添加图片</source>
        <translation>新增圖片</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+2"/>
        <source>错误</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>解析gif动画帧的时候发生错误！</source>
        <translation>解析gif動畫影格的時候發生錯誤！</translation>
    </message>
</context>
<context>
    <name>pictavo::MotionControls</name>
    <message>
        <location filename="../../src/ui/panels/motion_controls.cpp" line="+20"/>
        <source>静止</source>
        <translation>靜止</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>自动</source>
        <translation>自動</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>推近</source>
        <translation>拉近</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>拉远</source>
        <translation>拉遠</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>向左移动</source>
        <translation>向左移動</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>向右移动</source>
        <translation>向右移動</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>向上移动</source>
        <translation>向上移動</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>向下移动</source>
        <translation>向下移動</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>画面：</source>
        <translation>畫面：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>适应</source>
        <translation>符合</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>填满</source>
        <translation>填滿</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>模糊背景</source>
        <translation>模糊背景</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>动感：</source>
        <translation>動態：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>幅度：</source>
        <translation>幅度：</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>画面</source>
        <translation>畫面</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>动感</source>
        <translation>動態</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>动感幅度</source>
        <translation>動態幅度</translation>
    </message>
</context>
<context>
    <name>pictavo::MusicPanel</name>
    <message>
        <location filename="../../src/ui/panels/music_panel.cpp" line="+56"/>
        <location line="+92"/>
        <source>加背景音乐</source>
        <translation>加背景音樂</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>根据背景音乐自动调整图片停顿时间</source>
        <translation>根據背景音樂自動調整圖片停頓時間</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>当音频长度 &gt; 视频长度时, 图片循环播放</source>
        <translation>當音訊長度 &gt; 影片長度時, 圖片循環播放</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>背景音乐列表</source>
        <translation>背景音樂清單</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>添加</source>
        <translation>新增</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>删除</source>
        <translation>刪除</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../src/ui/panels/music_panel_playback.cpp" line="+50"/>
        <source>试听</source>
        <translation>試聽</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>去掉背景音乐</source>
        <translation>去掉背景音樂</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>自动调整图片停顿时间</source>
        <translation>自動調整圖片停頓時間</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>图片循环播放</source>
        <translation>圖片循環播放</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>选择背景音乐</source>
        <translation>選擇背景音樂</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>mp3音乐 (*.mp3)</source>
        <translation>mp3音樂 (*.mp3)</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+18"/>
        <source>分析背景音乐中...</source>
        <translation>分析背景音樂中...</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>添加背景音乐</source>
        <translation>新增背景音樂</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>删除背景音乐</source>
        <translation>刪除背景音樂</translation>
    </message>
    <message>
        <location filename="../../src/ui/panels/music_panel_playback.cpp" line="-9"/>
        <source>停止</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>无法试听：你的电脑上没有安装可以播放mp3文件的音乐播放器。</source>
        <translation>無法試聽：你的電腦上沒有安裝可以播放mp3檔案的音樂播放器。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>错误</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>无法试听, 错误返回值: %1</source>
        <translation>無法試聽, 錯誤傳回值: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>音乐播放失败:</source>
        <translation>音樂播放失敗:</translation>
    </message>
    <message>
        <location filename="../../src/ui/panels/music_panel_style.cpp" line="+17"/>
        <location line="+57"/>
        <source>按节拍切换图片</source>
        <translation>依節拍切換圖片</translation>
    </message>
    <message>
        <location line="-56"/>
        <source>每张图片停留整数个节拍，图片在背景音乐的节拍处切换。</source>
        <translation>每張圖片停留整數個節拍，圖片在背景音樂的節拍處切換。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>音乐效果</source>
        <translation>音樂效果</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>开头淡入</source>
        <translation>開頭淡入</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>淡入长度</source>
        <translation>淡入長度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>结尾淡出</source>
        <translation>結尾淡出</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>淡出长度</source>
        <translation>淡出長度</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+57"/>
        <source>统一各首音乐的音量</source>
        <translation>統一各首音樂的音量</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>音乐淡入</source>
        <translation>音樂淡入</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>音乐淡出</source>
        <translation>音樂淡出</translation>
    </message>
</context>
<context>
    <name>pictavo::MusicTrackModel</name>
    <message>
        <location filename="../../src/ui/models/music_track_model.cpp" line="+25"/>
        <source>     %1 BPM</source>
        <translation>     %1 BPM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>     无明显节拍</source>
        <translation>     無明顯節拍</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> 试听中</source>
        <translation> 試聽中</translation>
    </message>
</context>
<context>
    <name>pictavo::OutputPanel</name>
    <message>
        <location filename="../../src/ui/panels/output_panel.cpp" line="+34"/>
        <source>视频尺寸：</source>
        <translation>影片尺寸：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>图片停顿：</source>
        <translation>圖片停頓：</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>生成视频</source>
        <translation>產生影片</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>自定义...</source>
        <translation>自訂...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>视频尺寸</source>
        <translation>影片尺寸</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>自定义视频尺寸</source>
        <translation>自訂影片尺寸</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>图片停顿</source>
        <translation>圖片停頓</translation>
    </message>
</context>
<context>
    <name>pictavo::PictureCommands</name>
    <message>
        <location filename="../../src/ui/picture_list/picture_commands.cpp" line="+27"/>
        <source>图片左转</source>
        <translation>圖片左轉</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>图片右转</source>
        <translation>圖片右轉</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>向左移动</source>
        <translation>向左移動</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>向右移动</source>
        <translation>向右移動</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>随机排列图片</source>
        <translation>隨機排列圖片</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>更换一组动画</source>
        <translation>更換一組動畫</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>全部设置为该动画</source>
        <translation>全部設定為該動畫</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>图片动感</source>
        <translation>圖片動態</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>排列文字</source>
        <translation>排列文字</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>移除图片</source>
        <translation>移除圖片</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>设置为封面</source>
        <translation>設定為封面</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>更换动画</source>
        <translation>更換動畫</translation>
    </message>
</context>
<context>
    <name>pictavo::PictureListView</name>
    <message>
        <location filename="../../src/ui/picture_list/picture_list_view.cpp" line="+48"/>
        <source>双击这里或拖入图片来添加</source>
        <translation>按兩下這裡或拖入圖片來新增</translation>
    </message>
</context>
<context>
    <name>pictavo::PictureLoading</name>
    <message>
        <location filename="../../src/ui/picture_list/picture_loading.cpp" line="+49"/>
        <source>停止</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>加载图片</source>
        <translation>載入圖片</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+45"/>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>添加图片</source>
        <translation>新增圖片</translation>
    </message>
</context>
<context>
    <name>pictavo::PictureOptionPanel</name>
    <message>
        <location filename="../../src/ui/panels/picture_option_panel.cpp" line="+27"/>
        <source>选择...</source>
        <translation>選擇...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>?</source>
        <translation>?</translation>
    </message>
</context>
<context>
    <name>pictavo::PreviewCommand</name>
    <message>
        <location filename="../../src/ui/preview/preview_command.cpp" line="+62"/>
        <location line="+30"/>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>请选择视频尺寸</source>
        <translation>請選擇影片尺寸</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>启动线程失败</source>
        <translation>啟動執行緒失敗</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>预览画面的数据无法显示。</source>
        <translation>預覽畫面的資料無法顯示。</translation>
    </message>
</context>
<context>
    <name>pictavo::PreviewRun</name>
    <message>
        <location filename="../../src/ui/workers/preview_run.cpp" line="+105"/>
        <source>启动线程失败</source>
        <translation>啟動執行緒失敗</translation>
    </message>
</context>
<context>
    <name>pictavo::PreviewWindow</name>
    <message>
        <location filename="../../src/ui/preview/preview_window.cpp" line="+22"/>
        <source>预览 - 提示：预览窗口显示的效果与最终生成的视频可能会有些差异</source>
        <translation>預覽 - 提示：預覽視窗顯示的效果與最終產生的影片可能會有些差異</translation>
    </message>
</context>
<context>
    <name>pictavo::ProductImportDialog</name>
    <message>
        <location filename="../../src/ui/dialogs/product_import_dialog.cpp" line="+13"/>
        <source>图片类型：</source>
        <translation>圖片類型：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>宝贝地址或图片地址：</source>
        <translation>商品網址或圖片網址：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>确定</source>
        <translation>確定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>加载宝贝图片</source>
        <translation>載入商品圖片</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>主图</source>
        <translation>主圖</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>颜色分类图</source>
        <translation>顏色分類圖</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>主图 + 颜色分类图</source>
        <translation>主圖 + 顏色分類圖</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&lt;a href=&quot;#&quot;&gt;-&amp;gt; 使用浏览器扩展程序获取图片地址&lt;/a&gt; </source>
        <translation>&lt;a href=&quot;#&quot;&gt;-&amp;gt; 使用瀏覽器擴充功能取得圖片網址&lt;/a&gt; </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>-&gt; 使用浏览器扩展程序获取图片地址</source>
        <translation>-&gt; 使用瀏覽器擴充功能取得圖片網址</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>进度</source>
        <translation>進度</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>图片地址：</source>
        <translation>圖片網址：</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+13"/>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>关于加载1688商品图片：

请点击【使用浏览器扩展程序获取图片地址】
先获取商品图片地址，然后将图片地址添加到软件中。</source>
        <translation>關於載入1688商品圖片：

請點選【使用瀏覽器擴充功能取得圖片網址】
先取得商品圖片網址，然後將圖片網址新增到軟體中。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>宝贝图片服务还没有配置，暂时无法加载宝贝图片。

请设置环境变量 PICTAVO_SERVICE_URL，或在首选项文件中把 service_url 设为宝贝图片服务的地址，然后再试。</source>
        <translation>商品圖片服務還沒有配置，暫時無法載入商品圖片。

請設定環境變數 PICTAVO_SERVICE_URL，或在偏好設定檔中把 service_url 設為商品圖片服務的網址，然後再試。</translation>
    </message>
</context>
<context>
    <name>pictavo::ProgressDialog</name>
    <message>
        <location filename="../../src/ui/dialogs/progress_dialog.cpp" line="+8"/>
        <location line="+14"/>
        <source>停止</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+4"/>
        <source>处理进度</source>
        <translation>處理進度</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>停止中...</source>
        <translation>停止中...</translation>
    </message>
</context>
<context>
    <name>pictavo::ProjectCommands</name>
    <message>
        <location filename="../../src/ui/project_commands.cpp" line="+10"/>
        <source>询问</source>
        <translation>詢問</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>项目已更改，是否保存更改？</source>
        <translation>專案已更改，是否儲存更改？</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>新建项目</source>
        <translation>新增專案</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+17"/>
        <source>打开项目</source>
        <translation>開啟專案</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>打开项目中...</source>
        <translation>開啟專案中...</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>项目保存到</source>
        <translation>專案儲存到</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>提示</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>pictavo::SettingsMenu</name>
    <message>
        <location filename="../../src/ui/settings_menu.cpp" line="+45"/>
        <source>视频背景填充色</source>
        <translation>影片背景填充色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>白色</source>
        <translation>白色</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>黑色</source>
        <translation>黑色</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>生成视频的默认文件名</source>
        <translation>產生影片的預設檔名</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>空白</source>
        <translation>空白</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>当前时间</source>
        <translation>目前時間</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>第一张图片的文件名</source>
        <translation>第一張圖片的檔名</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>视频画面传送方式</source>
        <translation>影片畫面傳送方式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>原始画面 (更快、更清晰)</source>
        <translation>原始畫面 (更快、更清晰)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>JPEG 图片</source>
        <translation>JPEG 圖片</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>【加文字】边距设置...</source>
        <translation>【加文字】邊距設定...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>图片循环播放设置...</source>
        <translation>圖片循環播放設定...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>窗口隐藏到系统托盘中</source>
        <translation>視窗隱藏到系統匣中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>窗口隐藏到系统托盘中 (当前桌面没有系统托盘，关闭窗口时将退出程序)</source>
        <translation>視窗隱藏到系統匣中 (目前桌面沒有系統匣，關閉視窗時將結束程式)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关闭窗口时</source>
        <translation>關閉視窗時</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>退出程序</source>
        <translation>結束程式</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>使用指南</source>
        <translation>使用指南</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>信息窗口</source>
        <translation>訊息視窗</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>界面语言 (重新启动软件后生效)</source>
        <translation>介面語言 (重新啟動軟體後生效)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>跟随系统</source>
        <translation>跟隨系統</translation>
    </message>
</context>
<context>
    <name>pictavo::StatusBarTask</name>
    <message>
        <location filename="../../src/ui/status_bar_task.cpp" line="+19"/>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>pictavo::Task</name>
    <message>
        <location filename="../../src/ui/workers/task.cpp" line="-32"/>
        <source>启动线程失败</source>
        <translation>啟動執行緒失敗</translation>
    </message>
</context>
<context>
    <name>pictavo::TrayIcon</name>
    <message>
        <location filename="../../src/ui/tray_icon.cpp" line="+13"/>
        <source>显示主窗口</source>
        <translation>顯示主視窗</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>退出</source>
        <translation>結束</translation>
    </message>
</context>
</TS>
