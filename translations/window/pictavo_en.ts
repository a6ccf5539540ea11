<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>CrashTexts</name>
    <message>
        <location filename="../../src/app/crash_report.cpp" line="+19"/>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pictavo 已停止工作。

出现了一个问题，导致软件停止工作。请进入软件官网联系客服。</source>
        <translation>Pictavo has stopped working.

A problem caused the program to stop working. Please contact support on the Pictavo website.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../src/ui/dialogs/dialog_buttons.cpp" line="+11"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../src/ui/workers/task.cpp" line="+63"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/product_import_dialog.cpp" line="+54"/>
        <location filename="../../src/ui/panels/picture_file_check.cpp" line="+24"/>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/progress_dialog.cpp" line="+11"/>
        <source>共 %1 张图片，正在处理第 %2 张。</source>
        <translation>Processing picture %2 of %1.</translation>
    </message>
    <message>
        <location filename="../../src/ui/file_choosers.cpp" line="+25"/>
        <source>文件路径</source>
        <translation>file path</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>文件夹路径</source>
        <translation>folder path</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>修改文件名称</source>
        <translation>rename the file</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>修改文件夹名称</source>
        <translation>rename the folder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>修改%1长度</source>
        <translation>shorten the %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1长度不能大于 %2 个字符！

当前%1长度：%3 个字符
%4

解决方案：%5，使其长度不超过 %2 个字符。

提示：一个英文字母占 1 个字符，一个汉字占 2 个字符。</source>
        <translation>The %1 cannot be longer than %2 characters!

Current length of the %1: %3 characters
%4

Solution: %5 so that it is no longer than %2 characters.

Note: a Latin letter takes 1 character, a Chinese character takes 2.</translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../../src/ui/generation_command.cpp" line="+97"/>
        <location filename="../../src/ui/panels/picture_file_check.cpp" line="-3"/>
        <location filename="../../src/ui/web_pages.cpp" line="+23"/>
        <location line="+5"/>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>所有文件 (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <location filename="../../src/ui/generation_command.cpp" line="+1"/>
        <source>无法创建播放视频的HTML文件，但这不影响新生成的mp4视频文件的正常使用。

你可以从网上下载：射手影音 来播放视频。</source>
        <translation>The HTML file that plays the video could not be created, but the new MP4 video can still be used normally.

You can download a video player from the internet to play it.</translation>
    </message>
    <message>
        <location filename="../../src/ui/panels/cover_panel.cpp" line="+10"/>
        <source>设置封面：文件管理器中显示的视频缩略图</source>
        <translation>Set cover: the video thumbnail shown in file managers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>设置封面</source>
        <translation>Set cover</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>不设置封面</source>
        <translation>No cover</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>图片：</source>
        <translation>Picture:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>选择封面图片</source>
        <translation>Choose a cover picture</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>图片 (*.JPG *.PNG *.jpg *.png)</source>
        <translation>Pictures (*.JPG *.PNG *.jpg *.png)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>选择封面</source>
        <translation>Choose cover</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关于【设置封面】选项</source>
        <translation>About the [Set cover] option</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>【设置封面】是 v7.0 版本新增的实验性选项，用于设置生成的视频在文件管理器中显示的缩略图效果。

特别提示：
文件管理器里的视频缩略图显示效果与文件管理器及其缩略图设置有关，因此该选项是否有效最终由所用的文件管理器决定。</source>
        <translation>[Set cover] is an experimental option added in v7.0. It sets the thumbnail that file managers show for the generated video.

Please note:
how a file manager shows video thumbnails depends on the file manager and its thumbnail settings, so whether this option takes effect is up to the file manager you use.</translation>
    </message>
    <message>
        <location filename="../../src/ui/panels/logo_panel.cpp" line="+16"/>
        <location line="+1"/>
        <source>加图标</source>
        <translation>Add logo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>不加图标</source>
        <translation>No logo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>图标：</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>选择图片</source>
        <translation>Choose picture</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PNG图片 (*.PNG *.png)</source>
        <translation>PNG pictures (*.PNG *.png)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>选择图标</source>
        <translation>Choose logo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>关于图标</source>
        <translation>About logos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PNG、JPG格式的图片都可以做图标。

建议：使用 [透明背景的PNG图片] 做图标，效果更好。

注意：图标的尺寸不能大于视频的尺寸。</source>
        <translation>PNG and JPG pictures can both be used as logos.

Tip: a [PNG picture with a transparent background] makes a better logo.

Note: the logo cannot be larger than the video.</translation>
    </message>
    <message>
        <location filename="../../src/ui/panels/music_panel.cpp" line="+30"/>
        <source> 试听中</source>
        <translation> playing</translation>
    </message>
    <message>
        <location filename="../../src/ui/panels/picture_file_check.cpp" line="+1"/>
        <source>选择的图标文件是一个使用了[CMYK颜色模式]的JPG图片，请先将图标文件转换成[RGB颜色模式]后再使用。</source>
        <translation>The chosen logo file is a JPG picture in [CMYK colour mode]. Please convert it to [RGB colour mode] first.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>选中的文件格式不受支持，请选择 PNG 或 JPG 格式的图片。</source>
        <translation>The chosen file format is not supported. Please choose a PNG or JPG picture.</translation>
    </message>
    <message>
        <location filename="../../src/ui/picture_list/caption_badges.cpp" line="+19"/>
        <source>文字</source>
        <translation>Text</translation>
    </message>
    <message>
        <location filename="../../src/ui/picture_list/picture_list_menu.cpp" line="+20"/>
        <location filename="../../src/ui/toolbar.cpp" line="+121"/>
        <source>添加图片</source>
        <translation>Add pictures</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>插入图片</source>
        <translation>Insert pictures</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>移除选中</source>
        <translation>Remove selected</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>移除全部	Ctrl+D</source>
        <translation>Remove all	Ctrl+D</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>随机排列图片</source>
        <translation>Shuffle pictures</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>更换一组动画</source>
        <translation>Change all animations</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>全部设置为该动画</source>
        <translation>Use this animation for all</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>自动贴边对角排列文字</source>
        <translation>Captions at the edges, diagonally</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>自动贴边交叉排列文字</source>
        <translation>Captions at the edges, alternating</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>自动不贴边对角排列文字</source>
        <translation>Inset captions, diagonally</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>自动不贴边交叉排列文字</source>
        <translation>Inset captions, alternating</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>自动中间下方排列文字</source>
        <translation>Captions at the bottom centre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>设置为封面</source>
        <translation>Set as cover</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>预览该图片动画	F5</source>
        <translation>Preview this picture&apos;s animation	F5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>图片动感</source>
        <translation>Picture motion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>跟随项目设置</source>
        <translation>Follow project setting</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <location filename="../../src/ui/preview/preview_artwork.cpp" line="+24"/>
        <location filename="../../src/ui/window_layout.cpp" line="+49"/>
        <source>视频输出设置</source>
        <translation>Video output settings</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>视频尺寸：</source>
        <translation>Video size:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>数据正在缓冲...</source>
        <translation>Buffering...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>提示：视频尺寸设置小一点，预览更流畅。</source>
        <translation>Tip: a smaller video size makes the preview smoother.</translation>
    </message>
    <message>
        <location filename="../../src/ui/project_commands.cpp" line="+17"/>
        <source>项目文件 (*.dat)</source>
        <translation>Project files (*.dat)</translation>
    </message>
    <message>
        <location filename="../../src/ui/project_menu.cpp" line="+28"/>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>另存为</source>
        <translation>Save as</translation>
    </message>
    <message>
        <location filename="../../src/ui/toolbar.cpp" line="-3"/>
        <source>我的项目</source>
        <translation>My projects</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>加载宝贝</source>
        <translation>Load product</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>加载淘宝,天猫宝贝图片</source>
        <translation>Load Taobao and Tmall product pictures</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>移除图片</source>
        <translation>Remove pictures</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>导入动画</source>
        <translation>Import animation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>导入gif动画</source>
        <translation>Import a GIF animation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>图片左转</source>
        <translation>Rotate left</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>图片右转</source>
        <translation>Rotate right</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>向左移动</source>
        <translation>Move left</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>快捷键: Ctrl + ←</source>
        <translation>Shortcut: Ctrl + ←</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>向右移动</source>
        <translation>Move right</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>快捷键: Ctrl + →</source>
        <translation>Shortcut: Ctrl + →</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>视频预览</source>
        <translation>Preview video</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>生成视频</source>
        <translation>Generate video</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>快捷方式</source>
        <translation>Shortcut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>在桌面创建一个快捷方式</source>
        <translation>Create a shortcut on the desktop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>官方网站</source>
        <translation>Website</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关于软件</source>
        <translation>About Pictavo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>使用指南</source>
        <translation>User guide</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GIF模式</source>
        <translation>GIF mode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>开启[GIF模式]后视频由最多 %1 张连续的图片组成</source>
        <translation>In [GIF mode] the video consists of at most %1 consecutive pictures</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>软件设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <location filename="../../src/ui/web_pages.cpp" line="-4"/>
        <source>没有设置官方网站的地址 (PICTAVO_SERVICE_URL)。</source>
        <translation>The website address is not set (PICTAVO_SERVICE_URL).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>无法打开浏览器:
%1</source>
        <translation>Cannot open the browser:
%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 V%2


制作由多张图片(最多1000张)组成带多种播放特效的视频，输出视频格式：MP4。

支持处理的图片格式：JPG, PNG, GIF(静态), BMP, TBI。


官网：</source>
        <translation>%1 V%2


Makes videos with many playback effects from several pictures (up to 1000). Output video format: MP4.

Supported picture formats: JPG, PNG, GIF (static), BMP, TBI.


Website: </translation>
    </message>
    <message>
        <location filename="../../src/ui/window_layout.cpp" line="-11"/>
        <source>图片列表</source>
        <translation>Picture list</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>文字设置</source>
        <translation>Caption settings</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>图标设置</source>
        <translation>Logo settings</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>背景音乐设置</source>
        <translation>Background music settings</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>封面设置</source>
        <translation>Cover settings</translation>
    </message>
    <message>
        <location filename="../../src/ui/panels/music_panel_style.cpp" line="+39"/>
        <source>秒</source>
        <translation> s</translation>
    </message>
</context>
<context>
    <name>SelectionInformation</name>
    <message>
        <location filename="../../src/ui/picture_list/selection_information.cpp" line="+36"/>
        <source>无法识别的图片:</source>
        <translation>Unknown picture:</translation>
    </message>
</context>
<context>
    <name>StartupTexts</name>
    <message>
        <location filename="../../src/app/startup_steps.cpp" line="+31"/>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>注意</source>
        <translation>Attention</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>找不到 %1 文件，可能是没有对下载的软件压缩包进行正确的解压缩。

点击[确定]按钮，查看正确的解压缩方式。</source>
        <translation>The file %1 was not found; the downloaded archive may not have been unpacked correctly.

Click [OK] to see how to unpack it correctly.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>软件无法正常启动，可能是没有对下载的软件压缩包进行正确的解压缩。

点击[确定]按钮，查看正确的解压缩方式。</source>
        <translation>Pictavo cannot start; the downloaded archive may not have been unpacked correctly.

Click [OK] to see how to unpack it correctly.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>图像处理库无法正常启动，软件无法读取图片，即将退出。

%1</source>
        <translation>The image library could not start, so Pictavo cannot read pictures and will exit.

%1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>无法创建文件夹: %1</source>
        <translation>Cannot create the folder: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../src/main/main.cpp" line="+75"/>
        <location line="+45"/>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>无法启动后台任务，软件即将退出。</source>
        <translation>Background tasks could not be started; Pictavo will exit.</translation>
    </message>
</context>
<context>
    <name>pictavo::CaptionMarginsDialog</name>
    <message>
        <location filename="../../src/ui/dialogs/caption_margins_dialog.cpp" line="+60"/>
        <source>【加文字】边距设置</source>
        <translation>Caption margins</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>全部使用默认值</source>
        <translation>Use all defaults</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>说明：边距的值以视频的宽度与高度做为参照依据。</source>
        <translation>Note: margins are relative to the video&apos;s width and height.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>【加文字】 位置：【中间下方】的下边距设置</source>
        <translation>Lower margin of captions at [Bottom centre]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>% (视频高度的百分比)</source>
        <translation>% (of the video height)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>【加文字】 位置：左上角、左下角、右上角、右下角的边距设置</source>
        <translation>Margins of captions in the four corners</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>pictavo::CaptionPanel</name>
    <message>
        <location filename="../../src/ui/panels/caption_panel.cpp" line="+57"/>
        <location line="+71"/>
        <source>加文字</source>
        <translation>Add captions</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>位置：</source>
        <translation>Position:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>文字：</source>
        <translation>Text:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>字体：</source>
        <translation>Font:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>字号：</source>
        <translation>Size:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>颜色：</source>
        <translation>Colour:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>文字示例</source>
        <translation>Sample text</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>文字的字体、字号、颜色是统一设置的，可以设置每一张图片文字显示的位置和内容，也可以在图片上点右键选择自动设置文字的位置。

提示：在加文字的情况下，图片停顿时间最好大于1.5秒。</source>
        <translation>The caption font, size and colour apply to all pictures; each picture can have its own caption text and position. You can also right-click a picture to arrange the captions automatically.

Tip: with captions, a pause of more than 1.5 seconds per picture works best.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>注意</source>
        <translation>Attention</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>在您的电脑中没有找到必需的 [黑体] 和 [楷体] 字体，目前无法在视频中添加文字。

是否要下载该字体？</source>
        <translation>The fonts [SimHei] and [KaiTi] that captions need were not found on your computer, so captions cannot be added to the video yet.

Do you want to download these fonts?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>不加文字</source>
        <translation>No captions</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>文字位置</source>
        <translation>Caption position</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>修改文字</source>
        <translation>Change caption</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>文字字体</source>
        <translation>Caption font</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>文字字号</source>
        <translation>Caption size</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>文字颜色</source>
        <translation>Caption colour</translation>
    </message>
</context>
<context>
    <name>pictavo::CustomSizeDialog</name>
    <message>
        <location filename="../../src/ui/dialogs/custom_size_dialog.cpp" line="+35"/>
        <source>自定义视频尺寸</source>
        <translation>Custom video size</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+5"/>
        <source>宽：</source>
        <translation>Width:</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+6"/>
        <source>高：</source>
        <translation>Height:</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>设置输出视频的尺寸：</source>
        <translation>Set the size of the output video:</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>请输入视频的宽度</source>
        <translation>Please enter the video width</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>请输入视频的高度</source>
        <translation>Please enter the video height</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>视频的宽度必须是偶数(能被2整除)</source>
        <translation>The video width must be even (divisible by 2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>视频的高度必须是偶数(能被2整除)</source>
        <translation>The video height must be even (divisible by 2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>视频的宽度必须在 128 - 3840 之间</source>
        <translation>The video width must be between 128 and 3840</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>视频的高度必须在 128 - 2160 之间</source>
        <translation>The video height must be between 128 and 2160</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>pictavo::EffectChooser</name>
    <message>
        <location filename="../../src/ui/picture_list/effect_chooser.cpp" line="+38"/>
        <source>图片动画</source>
        <translation>Picture animation</translation>
    </message>
</context>
<context>
    <name>pictavo::GenerationCommand</name>
    <message>
        <location filename="../../src/ui/generation_command.cpp" line="-48"/>
        <source>视频保存到</source>
        <translation>Save video to</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>mp4视频 (*.mp4)</source>
        <translation>MP4 video (*.mp4)</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+14"/>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>视频文件已生成，是否要查看该视频？</source>
        <translation>The video file has been created. Do you want to watch it?</translation>
    </message>
</context>
<context>
    <name>pictavo::InformationWindow</name>
    <message>
        <location filename="../../src/ui/information_window.cpp" line="+16"/>
        <source>信息 - F2</source>
        <translation>Information - F2</translation>
    </message>
</context>
<context>
    <name>pictavo::LogoPanel</name>
    <message>
        <location filename="../../src/ui/panels/logo_panel.cpp" line="+14"/>
        <source>位置：</source>
        <translation>Position:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>图标位置</source>
        <translation>Logo position</translation>
    </message>
</context>
<context>
    <name>pictavo::LoopStartDialog</name>
    <message>
        <location filename="../../src/ui/dialogs/loop_start_dialog.cpp" line="+19"/>
        <source>图片循环播放设置</source>
        <translation>Picture loop settings</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>第一张图片在循环播放时的过渡动画设置为：</source>
        <translation>When the pictures play again, the first picture&apos;s transition is:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>当勾选【当音频长度 &gt; 视频长度时, 图片循环播放】选项，同时第一张图片设置为【无动画】时：</source>
        <translation>When [Loop pictures while the audio is longer than the video] is on and the first picture has [No animation]:</translation>
    </message>
</context>
<context>
    <name>pictavo::MainStatusBar</name>
    <message>
        <location filename="../../src/ui/status_bar.cpp" line="+48"/>
        <source>音频长度: %1</source>
        <translation>Audio length: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>视频长度: %1</source>
        <translation>Video length: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n 张图片</source>
        <translation>
            <numerusform>%n picture</numerusform>
            <numerusform>%n pictures</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pictavo::MainWindow</name>
    <message>
        <location filename="../../src/ui/main_window.cpp" line="+60"/>
        <source>工具栏</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <location filename="../../src/ui/main_window_commands.cpp" line="+105"/>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>选择图片 - 支持多选</source>
        <translation>Choose pictures - you can select several</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>图片文件(*.jpg *.jpeg *.gif *.png *.bmp *.tbi *.JPG *.JPEG *.GIF *.PNG *.BMP *.TBI)</source>
        <translation>Picture files (*.jpg *.jpeg *.gif *.png *.bmp *.tbi *.JPG *.JPEG *.GIF *.PNG *.BMP *.TBI)</translation>
    </message>
    <message>
        <location line="+40"/>
        <location line="+2"/>
        <location filename="../../src/ui/main_window_pictures.cpp" line="+37"/>
        <location line="+42"/>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>在桌面上成功创建了一个快捷方式</source>
        <translation>A shortcut was created on the desktop</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>在桌面上创建快捷方式失败</source>
        <translation>Creating a shortcut on the desktop failed</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <location filename="../../src/ui/main_window_pictures.cpp" line="-5"/>
        <source>选择一个gif动画</source>
        <translation>Choose a GIF animation</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>GIF图片 (*.GIF *.gif)</source>
        <translation>GIF pictures (*.GIF *.gif)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>选择的文件格式不对，请选择一个gif动画文件。</source>
        <translation>Wrong file format. Please choose a GIF animation file.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>导入动画中...</source>
        <translation>Importing animation...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>添加图片</source>
        <translation>Add pictures</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+2"/>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>解析gif动画帧的时候发生错误！</source>
        <translation>An error occurred while reading the frames of the GIF animation!</translation>
    </message>
</context>
<context>
    <name>pictavo::MotionControls</name>
    <message>
        <location filename="../../src/ui/panels/motion_controls.cpp" line="+20"/>
        <source>静止</source>
        <translation>Still</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>自动</source>
        <translation>Auto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>推近</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>拉远</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>向左移动</source>
        <translation>Pan left</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>向右移动</source>
        <translation>Pan right</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>向上移动</source>
        <translation>Pan up</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>向下移动</source>
        <translation>Pan down</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>画面：</source>
        <translation>Framing:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>适应</source>
        <translation>Fit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>填满</source>
        <translation>Fill</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>模糊背景</source>
        <translation>Blurred background</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>动感：</source>
        <translation>Motion:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>幅度：</source>
        <translation>Strength:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>画面</source>
        <translation>Framing</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>动感</source>
        <translation>Motion</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>动感幅度</source>
        <translation>Motion strength</translation>
    </message>
</context>
<context>
    <name>pictavo::MusicPanel</name>
    <message>
        <location filename="../../src/ui/panels/music_panel.cpp" line="+56"/>
        <location line="+92"/>
        <source>加背景音乐</source>
        <translation>Background music</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>根据背景音乐自动调整图片停顿时间</source>
        <translation>Fit picture pauses to the background music</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>当音频长度 &gt; 视频长度时, 图片循环播放</source>
        <translation>Loop pictures while the audio is longer than the video</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>背景音乐列表</source>
        <translation>Background music list</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../src/ui/panels/music_panel_playback.cpp" line="+50"/>
        <source>试听</source>
        <translation>Play</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>去掉背景音乐</source>
        <translation>Remove background music</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>自动调整图片停顿时间</source>
        <translation>Fit picture pauses to the music</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>图片循环播放</source>
        <translation>Loop pictures</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>选择背景音乐</source>
        <translation>Choose background music</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>mp3音乐 (*.mp3)</source>
        <translation>MP3 music (*.mp3)</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+18"/>
        <source>分析背景音乐中...</source>
        <translation>Analysing background music...</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>添加背景音乐</source>
        <translation>Add background music</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>删除背景音乐</source>
        <translation>Delete background music</translation>
    </message>
    <message>
        <location filename="../../src/ui/panels/music_panel_playback.cpp" line="-9"/>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>无法试听：你的电脑上没有安装可以播放mp3文件的音乐播放器。</source>
        <translation>Cannot play: no music player that can play MP3 files is installed on your computer.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>无法试听, 错误返回值: %1</source>
        <translation>Cannot play, error code: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>音乐播放失败:</source>
        <translation>Playing the music failed:</translation>
    </message>
    <message>
        <location filename="../../src/ui/panels/music_panel_style.cpp" line="+17"/>
        <location line="+57"/>
        <source>按节拍切换图片</source>
        <translation>Change on the beat</translation>
    </message>
    <message>
        <location line="-56"/>
        <source>每张图片停留整数个节拍，图片在背景音乐的节拍处切换。</source>
        <translation>Each picture stays a whole number of beats, so pictures change on the beat of the background music.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>音乐效果</source>
        <translation>Music effects</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>开头淡入</source>
        <translation>Fade in at start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>淡入长度</source>
        <translation>Fade-in length</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>结尾淡出</source>
        <translation>Fade out at end</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>淡出长度</source>
        <translation>Fade-out length</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+57"/>
        <source>统一各首音乐的音量</source>
        <translation>Level the volume of all tracks</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>音乐淡入</source>
        <translation>Music fade-in</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>音乐淡出</source>
        <translation>Music fade-out</translation>
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
        <translation>     no clear beat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> 试听中</source>
        <translation> playing</translation>
    </message>
</context>
<context>
    <name>pictavo::OutputPanel</name>
    <message>
        <location filename="../../src/ui/panels/output_panel.cpp" line="+34"/>
        <source>视频尺寸：</source>
        <translation>Video size:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>图片停顿：</source>
        <translation>Picture pause:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>生成视频</source>
        <translation>Generate video</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>自定义...</source>
        <translation>Custom...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>视频尺寸</source>
        <translation>Video size</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>自定义视频尺寸</source>
        <translation>Custom video size</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>图片停顿</source>
        <translation>Picture pause</translation>
    </message>
</context>
<context>
    <name>pictavo::PictureCommands</name>
    <message>
        <location filename="../../src/ui/picture_list/picture_commands.cpp" line="+27"/>
        <source>图片左转</source>
        <translation>Rotate left</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>图片右转</source>
        <translation>Rotate right</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>向左移动</source>
        <translation>Move left</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>向右移动</source>
        <translation>Move right</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>随机排列图片</source>
        <translation>Shuffle pictures</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>更换一组动画</source>
        <translation>Change all animations</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>全部设置为该动画</source>
        <translation>Use this animation for all</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>图片动感</source>
        <translation>Picture motion</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>排列文字</source>
        <translation>Arrange captions</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>移除图片</source>
        <translation>Remove pictures</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>设置为封面</source>
        <translation>Set as cover</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>更换动画</source>
        <translation>Change animation</translation>
    </message>
</context>
<context>
    <name>pictavo::PictureListView</name>
    <message>
        <location filename="../../src/ui/picture_list/picture_list_view.cpp" line="+48"/>
        <source>双击这里或拖入图片来添加</source>
        <translation>Double-click here or drop pictures to add them</translation>
    </message>
</context>
<context>
    <name>pictavo::PictureLoading</name>
    <message>
        <location filename="../../src/ui/picture_list/picture_loading.cpp" line="+49"/>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>加载图片</source>
        <translation>Load pictures</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+45"/>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>添加图片</source>
        <translation>Add pictures</translation>
    </message>
</context>
<context>
    <name>pictavo::PictureOptionPanel</name>
    <message>
        <location filename="../../src/ui/panels/picture_option_panel.cpp" line="+27"/>
        <source>选择...</source>
        <translation>Choose...</translation>
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
        <translation>Notice</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>请选择视频尺寸</source>
        <translation>Please choose a video size</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>启动线程失败</source>
        <translation>Starting a thread failed</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>预览画面的数据无法显示。</source>
        <translation>The preview picture cannot be shown.</translation>
    </message>
</context>
<context>
    <name>pictavo::PreviewRun</name>
    <message>
        <location filename="../../src/ui/workers/preview_run.cpp" line="+105"/>
        <source>启动线程失败</source>
        <translation>Starting a thread failed</translation>
    </message>
</context>
<context>
    <name>pictavo::PreviewWindow</name>
    <message>
        <location filename="../../src/ui/preview/preview_window.cpp" line="+22"/>
        <source>预览 - 提示：预览窗口显示的效果与最终生成的视频可能会有些差异</source>
        <translation>Preview - Note: the preview may differ a little from the final video</translation>
    </message>
</context>
<context>
    <name>pictavo::ProductImportDialog</name>
    <message>
        <location filename="../../src/ui/dialogs/product_import_dialog.cpp" line="+13"/>
        <source>图片类型：</source>
        <translation>Picture type:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>宝贝地址或图片地址：</source>
        <translation>Product or picture addresses:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>加载宝贝图片</source>
        <translation>Load product pictures</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>主图</source>
        <translation>Main pictures</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>颜色分类图</source>
        <translation>Colour option pictures</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>主图 + 颜色分类图</source>
        <translation>Main + colour option pictures</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&lt;a href=&quot;#&quot;&gt;-&amp;gt; 使用浏览器扩展程序获取图片地址&lt;/a&gt; </source>
        <translation>&lt;a href=&quot;#&quot;&gt;-&amp;gt; Get picture addresses with a browser extension&lt;/a&gt; </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>-&gt; 使用浏览器扩展程序获取图片地址</source>
        <translation>-&gt; Get picture addresses with a browser extension</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>进度</source>
        <translation>Progress</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>图片地址：</source>
        <translation>Picture addresses:</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+13"/>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>关于加载1688商品图片：

请点击【使用浏览器扩展程序获取图片地址】
先获取商品图片地址，然后将图片地址添加到软件中。</source>
        <translation>About loading 1688 product pictures:

Click [Get picture addresses with a browser extension]
to get the product&apos;s picture addresses first, then add those addresses to Pictavo.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>宝贝图片服务还没有配置，暂时无法加载宝贝图片。

请设置环境变量 PICTAVO_SERVICE_URL，或在首选项文件中把 service_url 设为宝贝图片服务的地址，然后再试。</source>
        <translation>The product picture service is not configured yet, so product pictures cannot be loaded.

Set the environment variable PICTAVO_SERVICE_URL, or set service_url in the preferences file to the address of the product picture service, and try again.</translation>
    </message>
</context>
<context>
    <name>pictavo::ProgressDialog</name>
    <message>
        <location filename="../../src/ui/dialogs/progress_dialog.cpp" line="+8"/>
        <location line="+14"/>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+4"/>
        <source>处理进度</source>
        <translation>Progress</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>停止中...</source>
        <translation>Stopping...</translation>
    </message>
</context>
<context>
    <name>pictavo::ProjectCommands</name>
    <message>
        <location filename="../../src/ui/project_commands.cpp" line="+10"/>
        <source>询问</source>
        <translation>Question</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>项目已更改，是否保存更改？</source>
        <translation>The project has changed. Save the changes?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>新建项目</source>
        <translation>New project</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+17"/>
        <source>打开项目</source>
        <translation>Open project</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>打开项目中...</source>
        <translation>Opening project...</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>项目保存到</source>
        <translation>Save project to</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>pictavo::SettingsMenu</name>
    <message>
        <location filename="../../src/ui/settings_menu.cpp" line="+45"/>
        <source>视频背景填充色</source>
        <translation>Video background colour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>白色</source>
        <translation>White</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>黑色</source>
        <translation>Black</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>生成视频的默认文件名</source>
        <translation>Default name of the generated video</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>空白</source>
        <translation>Blank</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>当前时间</source>
        <translation>Current time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>第一张图片的文件名</source>
        <translation>File name of the first picture</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>视频画面传送方式</source>
        <translation>How frames reach the encoder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>原始画面 (更快、更清晰)</source>
        <translation>Raw frames (faster, sharper)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>JPEG 图片</source>
        <translation>JPEG pictures</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>【加文字】边距设置...</source>
        <translation>Caption margins...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>图片循环播放设置...</source>
        <translation>Picture loop settings...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>窗口隐藏到系统托盘中</source>
        <translation>Hide the window to the system tray</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>窗口隐藏到系统托盘中 (当前桌面没有系统托盘，关闭窗口时将退出程序)</source>
        <translation>Hide the window to the system tray (this desktop has no system tray, so closing the window exits)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关闭窗口时</source>
        <translation>When the window is closed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>退出程序</source>
        <translation>Exit the program</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>使用指南</source>
        <translation>User guide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>信息窗口</source>
        <translation>Information window</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>界面语言 (重新启动软件后生效)</source>
        <translation>Language (takes effect after a restart)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>跟随系统</source>
        <translation>Follow the system</translation>
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
        <translation>Starting a thread failed</translation>
    </message>
</context>
<context>
    <name>pictavo::TrayIcon</name>
    <message>
        <location filename="../../src/ui/tray_icon.cpp" line="+13"/>
        <source>显示主窗口</source>
        <translation>Show the main window</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
</context>
</TS>
