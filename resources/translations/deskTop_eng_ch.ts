<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AnalogClockPanel</name>
    <message>
        <source>Display attribute</source>
        <translation>显示属性</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>表盘</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>文本：</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>星期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时差</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>播放时长：</translation>
    </message>
    <message>
        <source>Time Scale:</source>
        <translation>时刻度：</translation>
    </message>
    <message>
        <source>W:</source>
        <translation>宽：</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>高：</translation>
    </message>
    <message>
        <source>M Scale:</source>
        <translation>分刻度：</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>时针：</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>分针：</translation>
    </message>
    <message>
        <source>Second:</source>
        <translation>秒针：</translation>
    </message>
    <message>
        <source>Month day</source>
        <translation>月日</translation>
    </message>
    <message>
        <source>Day month</source>
        <translation>日月</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>圆形</translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation>文字字体</translation>
    </message>
    <message>
        <source>Date Font</source>
        <translation>日期字体</translation>
    </message>
    <message>
        <source>Week Font</source>
        <translation>星期字体</translation>
    </message>
    <message>
        <source>Scale Font</source>
        <translation>刻度字体</translation>
    </message>
</context>
<context>
    <name>BackgroundChooser</name>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>No background picture</source>
        <translation>无背景图片</translation>
    </message>
    <message>
        <source>Please Select background picture</source>
        <translation>请选择背景图片</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
</context>
<context>
    <name>BackgroundMusic</name>
    <message>
        <source>not a playable sound</source>
        <translation>不是可播放的声音</translation>
    </message>
    <message>
        <source>background music %1 cannot be played (%2); it is left out until the next program</source>
        <translation>背景音乐 %1 无法播放（%2），下一个节目之前不再播放它</translation>
    </message>
    <message>
        <source>no background music of this program can be played; music stops until the next program</source>
        <translation>本节目的背景音乐都无法播放，下一个节目之前停止背景音乐</translation>
    </message>
</context>
<context>
    <name>BackgroundRow</name>
    <message>
        <source>Tile</source>
        <translation>平铺</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>拉伸</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>背景：</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>透明</translation>
    </message>
</context>
<context>
    <name>BootSetupWin</name>
    <message>
        <source>Startup settings</source>
        <translation>启动设置</translation>
    </message>
    <message>
        <source>Start-up</source>
        <translation>开机启动</translation>
    </message>
    <message>
        <source>Auto play</source>
        <translation>自动播放</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Select the scheme</source>
        <translation>指定节目方案</translation>
    </message>
    <message>
        <source>select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Play the last play scheme</source>
        <translation>播放上次播放的方案</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Schedule(*.qvsc)</source>
        <translation>节目方案(*.qvsc)</translation>
    </message>
</context>
<context>
    <name>CommonFontSetDialog</name>
    <message>
        <source>Font:</source>
        <translation>字体：</translation>
    </message>
    <message>
        <source>Size(px):</source>
        <translation>字号(像素)：</translation>
    </message>
    <message>
        <source>Colorful characters:</source>
        <translation>炫彩字：</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Horizontal gradient(six colors)</source>
        <translation>水平渐变(六色)</translation>
    </message>
    <message>
        <source>Vertical gradient(six colors)</source>
        <translation>垂直渐变(六色)</translation>
    </message>
    <message>
        <source>Angle gradient(six colors)</source>
        <translation>斜角渐变(六色)</translation>
    </message>
    <message>
        <source>Three color streamer word</source>
        <translation>三色流光字</translation>
    </message>
    <message>
        <source>Rainbow streamer word</source>
        <translation>彩虹流光字</translation>
    </message>
    <message>
        <source>Rolling text</source>
        <translation>滚动文字</translation>
    </message>
    <message>
        <source>Rolling Direction:</source>
        <translation>滚动方向：</translation>
    </message>
    <message>
        <source>Right to Left</source>
        <translation>从右向左</translation>
    </message>
    <message>
        <source>Left toRight</source>
        <translation>从左向右</translation>
    </message>
    <message>
        <source>Rolling speed:</source>
        <translation>滚动速度：</translation>
    </message>
    <message>
        <source>Rolling text Y:</source>
        <translation>滚动文字 Y：</translation>
    </message>
</context>
<context>
    <name>CommonPlayWindow</name>
    <message>
        <source>Analog Clock</source>
        <translation>模拟时钟</translation>
    </message>
    <message>
        <source>Digital Clock</source>
        <translation>数字时钟</translation>
    </message>
    <message>
        <source>Digital Timer</source>
        <translation>计时器</translation>
    </message>
    <message>
        <source>Single - row text</source>
        <translation>单行文本</translation>
    </message>
    <message>
        <source>Scrolling Text</source>
        <translation>滚动文本</translation>
    </message>
    <message>
        <source>Simple Text</source>
        <translation>普通文本</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>网页</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>视频设备</translation>
    </message>
    <message>
        <source>Streaming Media</source>
        <translation>流媒体</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>天气</translation>
    </message>
    <message>
        <source>success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失败</translation>
    </message>
</context>
<context>
    <name>DateRangeRow</name>
    <message>
        <source>From</source>
        <translation>从</translation>
    </message>
    <message>
        <source>To</source>
        <translation>至</translation>
    </message>
</context>
<context>
    <name>DayBoxes</name>
    <message>
        <source>Monday</source>
        <translation>星期一</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>星期四</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
</context>
<context>
    <name>DigitalClockPanel</name>
    <message>
        <source>Basic Property</source>
        <translation>基本属性</translation>
    </message>
    <message>
        <source>Display Style</source>
        <translation>显示样式</translation>
    </message>
    <message>
        <source>Date Style:</source>
        <translation>日期格式：</translation>
    </message>
    <message>
        <source>Fixed Text:</source>
        <translation>固定文字：</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>字体：</translation>
    </message>
    <message>
        <source>Size(px):</source>
        <translation>字号(像素)：</translation>
    </message>
    <message>
        <source>Colorful characters:</source>
        <translation>炫彩字：</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>播放时长：</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>时</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Half Day</source>
        <translation>上午/下午</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>星期</translation>
    </message>
    <message>
        <source>2-bit Years</source>
        <translation>两位年份</translation>
    </message>
    <message>
        <source>4-bit Years</source>
        <translation>四位年份</translation>
    </message>
    <message>
        <source>12 Hours</source>
        <translation>12小时制</translation>
    </message>
    <message>
        <source>24 Hours</source>
        <translation>24小时制</translation>
    </message>
    <message>
        <source>Multi-row</source>
        <translation>多行</translation>
    </message>
    <message>
        <source>Single-row</source>
        <translation>单行</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时差</translation>
    </message>
    <message>
        <source>Year month day</source>
        <translation>年月日</translation>
    </message>
    <message>
        <source>Day month year</source>
        <translation>日月年</translation>
    </message>
    <message>
        <source>Month day year</source>
        <translation>月日年</translation>
    </message>
</context>
<context>
    <name>DigitalTimerPanel</name>
    <message>
        <source>Transparency</source>
        <translation>透明度</translation>
    </message>
    <message>
        <source>Stopwatch type:</source>
        <translation>计时方式：</translation>
    </message>
    <message>
        <source>Decrease progressively</source>
        <translation>倒计时</translation>
    </message>
    <message>
        <source>Increase progressively</source>
        <translation>正计时</translation>
    </message>
    <message>
        <source>Number color:</source>
        <translation>数字颜色：</translation>
    </message>
    <message>
        <source>Target time:</source>
        <translation>目标时长：</translation>
    </message>
</context>
<context>
    <name>DisplaySettingsDialog</name>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X：</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y：</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>宽度：</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高度：</translation>
    </message>
    <message>
        <source>On Top:</source>
        <translation>置顶：</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>从不</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>总是</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>播放时</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Name can not be empty!</source>
        <translation>名称不能为空！</translation>
    </message>
    <message>
        <source>The name already exists, please Reinput!</source>
        <translation>名称已存在，请重新输入！</translation>
    </message>
</context>
<context>
    <name>ExtendWin</name>
    <message>
        <source>Backstage setting</source>
        <translation>后台设置</translation>
    </message>
    <message>
        <source>Screen selection:</source>
        <translation>选择屏幕：</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ImagePanel</name>
    <message>
        <source>Path:</source>
        <translation>路径：</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>背景：</translation>
    </message>
    <message>
        <source>Background Music:</source>
        <translation>背景音乐：</translation>
    </message>
    <message>
        <source>Special Effect for Coming into the site</source>
        <translation>入场特效</translation>
    </message>
    <message>
        <source>Special Effect for going out from the site</source>
        <translation>出场特效</translation>
    </message>
    <message>
        <source>0.1s</source>
        <translation>0.1秒</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>缩放：</translation>
    </message>
    <message>
        <source>Stay Time:</source>
        <translation>停留时间：</translation>
    </message>
    <message>
        <source>S</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>透明度：</translation>
    </message>
    <message>
        <source>Rotation angle:</source>
        <translation>旋转角度：</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>audio(*.mp3 *.wav)</source>
        <translation>音频(*.mp3 *.wav)</translation>
    </message>
</context>
<context>
    <name>InstanceGuard</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>another instance runs</source>
        <translation>另一个实例正在运行</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>无法锁定 %1：%2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; it is not followed</source>
        <translation>%1 是符号链接，不会跟随它</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 属于另一个用户</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 不是普通文件</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <source>cannot keep %1 at mode 0700: %2</source>
        <translation>无法将 %1 保持为权限 0700：%2</translation>
    </message>
</context>
<context>
    <name>JournalWin</name>
    <message>
        <source>Log plat</source>
        <translation>播放日志</translation>
    </message>
    <message>
        <source>Look up</source>
        <translation>查询</translation>
    </message>
    <message>
        <source>date:  from</source>
        <translation>日期：从</translation>
    </message>
    <message>
        <source>to</source>
        <translation>至</translation>
    </message>
    <message>
        <source>keyword:</source>
        <translation>关键字：</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>StartTime</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>StopTime</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
</context>
<context>
    <name>LanguageSetupWin</name>
    <message>
        <source>Language setting</source>
        <translation>语言设置</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>MainMenuBKLabel</name>
    <message>
        <source>solution</source>
        <translation>方案</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>SaveAs</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>control</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>set system</source>
        <translation>系统设置</translation>
    </message>
    <message>
        <source>SetBoot</source>
        <translation>启动设置</translation>
    </message>
    <message>
        <source>SetPlay</source>
        <translation>播放日志</translation>
    </message>
    <message>
        <source>language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>help</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>MonitorWin</name>
    <message>
        <source>monitor</source>
        <translation>监视</translation>
    </message>
</context>
<context>
    <name>OfficePages</name>
    <message>
        <source>Preparing the pages of %1 ...</source>
        <translation>正在准备 %1 的页面……</translation>
    </message>
    <message>
        <source>info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The pages of %1 cannot be made: the folder %2 cannot be used (%3).</source>
        <translation>无法生成 %1 的页面：无法使用文件夹 %2（%3）。</translation>
    </message>
    <message>
        <source>The pages of %1 cannot be shown: the PDF renderer of this program cannot be loaded (%2).</source>
        <translation>无法显示 %1 的页面：无法加载本程序的 PDF 渲染模块（%2）。</translation>
    </message>
</context>
<context>
    <name>PlayLog</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>PlayLogStore</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>%1 is held by another program</source>
        <translation>%1 正被其他程序占用</translation>
    </message>
    <message>
        <source>cannot %1 %2: %3</source>
        <translation>无法%1 %2：%3</translation>
    </message>
    <message>
        <source>read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>; it could not be moved aside to %1</source>
        <translation>；也无法将其移到 %1</translation>
    </message>
</context>
<context>
    <name>PlayPlan</name>
    <message>
        <source>-Next Day</source>
        <translation>-次日</translation>
    </message>
    <message>
        <source>Every </source>
        <translation>每</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分钟</translation>
    </message>
</context>
<context>
    <name>Prodoc</name>
    <message>
        <source>%1 is damaged or not a schedule: the display window &quot;%2&quot; appears twice</source>
        <translation>%1 已损坏或不是节目方案：显示窗口“%2”出现了两次</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n display window(s) or area(s) lay outside positions %2 to %3 or sizes up to %4 and were brought inside</source>
        <translation>
            <numerusform>%1：有 %n 个显示窗口或区域超出了位置 %2 至 %3 或尺寸上限 %4，已调整到范围内</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramPanel</name>
    <message>
        <source>add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Background Color:</source>
        <translation>背景颜色：</translation>
    </message>
    <message>
        <source>Background Picture:</source>
        <translation>背景图片：</translation>
    </message>
    <message>
        <source>Display Type:</source>
        <translation>显示方式：</translation>
    </message>
    <message>
        <source>Back Music:</source>
        <translation>背景音乐：</translation>
    </message>
    <message>
        <source>Specify number of times:</source>
        <translation>指定播放次数：</translation>
    </message>
    <message>
        <source>Specify duration:</source>
        <translation>指定播放时长：</translation>
    </message>
    <message>
        <source>Cycle:</source>
        <translation>循环播放：</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>平铺</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>拉伸</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>audio(*.mp3 *.wav)</source>
        <translation>音频(*.mp3 *.wav)</translation>
    </message>
    <message>
        <source>Are you sure to delete the selected media?</source>
        <translation>确定要删除选中的媒体吗？</translation>
    </message>
    <message>
        <source>Are you sure to delete all the files?</source>
        <translation>确定要删除全部文件吗？</translation>
    </message>
</context>
<context>
    <name>ProjectTree</name>
    <message>
        <source>Add Schedule</source>
        <translation>添加节目表</translation>
    </message>
    <message>
        <source>General Segment</source>
        <translation>普通时段</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>节目</translation>
    </message>
    <message>
        <source>Common Window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>Add Common Segment</source>
        <translation>添加普通时段</translation>
    </message>
    <message>
        <source>Add Inserted Segment</source>
        <translation>添加插播时段</translation>
    </message>
    <message>
        <source>Timing Inserted</source>
        <translation>定时插播</translation>
    </message>
    <message>
        <source>Cycle Inserted</source>
        <translation>循环插播</translation>
    </message>
    <message>
        <source>Add Copied Segment</source>
        <translation>添加复制的时段</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Add Programs</source>
        <translation>添加节目</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Clear Programs</source>
        <translation>清空节目</translation>
    </message>
    <message>
        <source>Add Common Window</source>
        <translation>添加窗口</translation>
    </message>
    <message>
        <source>Add Copied Window</source>
        <translation>添加复制的窗口</translation>
    </message>
    <message>
        <source>Clear Window</source>
        <translation>清空窗口</translation>
    </message>
    <message>
        <source>Add Media</source>
        <translation>添加媒体</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Simple Text</source>
        <translation>普通文本</translation>
    </message>
    <message>
        <source>Single-row Text</source>
        <translation>单行文本</translation>
    </message>
    <message>
        <source>Scrolling Text</source>
        <translation>滚动文本</translation>
    </message>
    <message>
        <source>Analog Clock</source>
        <translation>模拟时钟</translation>
    </message>
    <message>
        <source>Digital Clock</source>
        <translation>数字时钟</translation>
    </message>
    <message>
        <source>Digital Timer</source>
        <translation>计时器</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>天气</translation>
    </message>
    <message>
        <source>Url</source>
        <translation>网页</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>流媒体</translation>
    </message>
    <message>
        <source>Video Device</source>
        <translation>视频设备</translation>
    </message>
    <message>
        <source>Clear Media</source>
        <translation>清空媒体</translation>
    </message>
    <message>
        <source>Window Position</source>
        <translation>窗口位置</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>居中</translation>
    </message>
    <message>
        <source>Horizontally Center</source>
        <translation>水平居中</translation>
    </message>
    <message>
        <source>Vertically Center</source>
        <translation>垂直居中</translation>
    </message>
    <message>
        <source>Placed to the Left</source>
        <translation>靠左</translation>
    </message>
    <message>
        <source>Placed to the  Right</source>
        <translation>靠右</translation>
    </message>
    <message>
        <source>Placed at the Top</source>
        <translation>靠上</translation>
    </message>
    <message>
        <source>Placed at the Bottom</source>
        <translation>靠下</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>窗口大小</translation>
    </message>
    <message>
        <source>Full-screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Horizontal Full-screen</source>
        <translation>水平全屏</translation>
    </message>
    <message>
        <source>Horizontal 1/2</source>
        <translation>水平 1/2</translation>
    </message>
    <message>
        <source>Horizontal 1/3</source>
        <translation>水平 1/3</translation>
    </message>
    <message>
        <source>Horizontal 1/4</source>
        <translation>水平 1/4</translation>
    </message>
    <message>
        <source>Vertical Full-screen</source>
        <translation>垂直全屏</translation>
    </message>
    <message>
        <source>Vertical 1/2</source>
        <translation>垂直 1/2</translation>
    </message>
    <message>
        <source>Vertical 1/3</source>
        <translation>垂直 1/3</translation>
    </message>
    <message>
        <source>Vertical 1/4</source>
        <translation>垂直 1/4</translation>
    </message>
    <message>
        <source>Move Up by One Layer</source>
        <translation>上移一层</translation>
    </message>
    <message>
        <source>Move Down by One Layer</source>
        <translation>下移一层</translation>
    </message>
    <message>
        <source>The schedule is empty,please add program!</source>
        <translation>节目表为空，请添加节目！</translation>
    </message>
    <message>
        <source>info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Cycle Inserted Segment</source>
        <translation>循环插播时段</translation>
    </message>
    <message>
        <source>Timing Inserted Segment</source>
        <translation>定时插播时段</translation>
    </message>
    <message>
        <source>Are you sure to delete all the segments?</source>
        <translation>确定要删除全部时段吗？</translation>
    </message>
    <message>
        <source>Are you sure to delete all the program pages of the current segment?</source>
        <translation>确定要删除当前时段的全部节目页吗？</translation>
    </message>
    <message>
        <source>Are you sure to clear all the windows of current program page?</source>
        <translation>确定要清空当前节目页的全部窗口吗？</translation>
    </message>
    <message>
        <source>Are you sure to delete all the media of the current window?</source>
        <translation>确定要删除当前窗口的全部媒体吗？</translation>
    </message>
    <message>
        <source>Are you sure to delete the current segment?</source>
        <translation>确定要删除当前时段吗？</translation>
    </message>
    <message>
        <source>Are you sure to delete the current program page?</source>
        <translation>确定要删除当前节目页吗？</translation>
    </message>
    <message>
        <source>Are you sure to delete the current window?</source>
        <translation>确定要删除当前窗口吗？</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Application failed to create. Please ensure that word 2000 or above is installed!</source>
        <translation>应用程序创建失败，请确认已安装 Word 2000 或以上版本！</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>文件不存在</translation>
    </message>
</context>
<context>
    <name>ScheduleFile</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>cannot write %1: only %2 of %3 bytes could be written (%4)</source>
        <translation>无法写入 %1：%3 字节中只写入了 %2 字节（%4）</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not a schedule: the file is too large</source>
        <translation>%1 不是节目方案：文件过大</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is damaged or not a schedule: %2</source>
        <translation>%1 已损坏或不是节目方案：%2</translation>
    </message>
</context>
<context>
    <name>SchedulePanel</name>
    <message>
        <source>Data Range of Schedule</source>
        <translation>节目计划日期范围</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>About Priority&amp;nbsp;:&amp;nbsp;&amp;nbsp;</source>
        <translation>优先级说明&amp;nbsp;：&amp;nbsp;&amp;nbsp;</translation>
    </message>
    <message>
        <source>The latter segment has higher priority in the same type.&amp;nbsp;&amp;nbsp;</source>
        <translation>同类时段中，靠后的时段优先级更高。&amp;nbsp;&amp;nbsp;</translation>
    </message>
    <message>
        <source>The timing inserted has higher priority than the cycle inserted one.</source>
        <translation>定时插播的优先级高于循环插播。</translation>
    </message>
</context>
<context>
    <name>ScheduleReader</name>
    <message numerus="yes">
        <source>%n unexpected byte(s) follow the schedule</source>
        <translation>
            <numerusform>节目方案之后多出 %n 个字节</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot read %1 at offset %2: %3</source>
        <translation>无法读取 %1 的偏移 %2 处：%3</translation>
    </message>
    <message>
        <source>the file ends too early</source>
        <translation>文件提前结束</translation>
    </message>
    <message>
        <source>a text of %1 bytes does not fit in the rest of the file</source>
        <translation>%1 字节的文本超出了文件剩余部分</translation>
    </message>
    <message>
        <source>colour component %1 is out of range</source>
        <translation>颜色分量 %1 超出范围</translation>
    </message>
    <message>
        <source>the count %1 does not fit in the rest of the file</source>
        <translation>数量 %1 超出了文件剩余部分</translation>
    </message>
</context>
<context>
    <name>SegmentPanel</name>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Play Property</source>
        <translation>播放属性</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>每隔</translation>
    </message>
    <message>
        <source>times</source>
        <translation>次</translation>
    </message>
    <message>
        <source>Time Property</source>
        <translation>时间属性</translation>
    </message>
    <message>
        <source>Effective Date</source>
        <translation>有效日期</translation>
    </message>
    <message>
        <source>Specified date</source>
        <translation>指定日期</translation>
    </message>
    <message>
        <source>Effective Day of the Work</source>
        <translation>每周有效日</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Effective Time of the Day</source>
        <translation>每日有效时间</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>全天</translation>
    </message>
    <message>
        <source>From</source>
        <translation>从</translation>
    </message>
    <message>
        <source>To</source>
        <translation>至</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the file cannot be written</source>
        <translation>无法写入该文件</translation>
    </message>
    <message>
        <source>The settings cannot be saved in %1: %2</source>
        <translation>无法将设置保存到 %1：%2</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The settings folder %1 cannot be used: %2
Settings, crash recovery and the pages of Office documents are not kept.</source>
        <translation>无法使用设置文件夹 %1：%2
设置、异常退出恢复和 Office 文档的页面都不会被保存。</translation>
    </message>
    <message>
        <source>The program cannot start: %1</source>
        <translation>程序无法启动：%1</translation>
    </message>
</context>
<context>
    <name>StreamingPanel</name>
    <message>
        <source>Url Address:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>音量：</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>播放时长：</translation>
    </message>
</context>
<context>
    <name>TextLists</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Horizontal gradient(six colors)</source>
        <translation>水平渐变(六色)</translation>
    </message>
    <message>
        <source>Vertical gradient(six colors)</source>
        <translation>垂直渐变(六色)</translation>
    </message>
    <message>
        <source>Angle gradient(six colors)</source>
        <translation>斜角渐变(六色)</translation>
    </message>
    <message>
        <source>Three color streamer word</source>
        <translation>三色流光字</translation>
    </message>
    <message>
        <source>Rainbow streamer word</source>
        <translation>彩虹流光字</translation>
    </message>
</context>
<context>
    <name>TextPanel</name>
    <message>
        <source>Vertical alignment:</source>
        <translation>垂直对齐：</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>字体：</translation>
    </message>
    <message>
        <source>Size(px):</source>
        <translation>字号(像素)：</translation>
    </message>
    <message>
        <source>Colorful characters:</source>
        <translation>炫彩字：</translation>
    </message>
    <message>
        <source>Horizontal alignment:</source>
        <translation>水平对齐：</translation>
    </message>
    <message>
        <source>Spacing:</source>
        <translation>行距：</translation>
    </message>
    <message>
        <source>Kerning:</source>
        <translation>字距：</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>背景：</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>透明</translation>
    </message>
    <message>
        <source>Special Effect for Coming into the site</source>
        <translation>入场特效</translation>
    </message>
    <message>
        <source>Special Effect for going out from the site</source>
        <translation>出场特效</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Rolling Direction:</source>
        <translation>滚动方向：</translation>
    </message>
    <message>
        <source>End to end</source>
        <translation>首尾相接</translation>
    </message>
    <message>
        <source>Interval of Cycles:</source>
        <translation>循环间隔：</translation>
    </message>
    <message>
        <source>Pixel</source>
        <translation>像素</translation>
    </message>
    <message>
        <source>Rolling speed:</source>
        <translation>滚动速度：</translation>
    </message>
    <message>
        <source>Stay Time:</source>
        <translation>停留时间：</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>CompletePlay</source>
        <translation>完整播放</translation>
    </message>
    <message>
        <source>Play Duration:</source>
        <translation>播放时长：</translation>
    </message>
</context>
<context>
    <name>TimePointLabel</name>
    <message>
        <source>Monday,</source>
        <translation>星期一,</translation>
    </message>
    <message>
        <source>Tuesday,</source>
        <translation>星期二,</translation>
    </message>
    <message>
        <source>Wednesday,</source>
        <translation>星期三,</translation>
    </message>
    <message>
        <source>Thursday,</source>
        <translation>星期四,</translation>
    </message>
    <message>
        <source>Friday,</source>
        <translation>星期五,</translation>
    </message>
    <message>
        <source>Saturday,</source>
        <translation>星期六,</translation>
    </message>
    <message>
        <source>Sunday,</source>
        <translation>星期日,</translation>
    </message>
    <message>
        <source> to </source>
        <translation> 至 </translation>
    </message>
</context>
<context>
    <name>TimingSegmentPanel</name>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Time Point List</source>
        <translation>时间点列表</translation>
    </message>
    <message>
        <source>Play Property</source>
        <translation>播放属性</translation>
    </message>
    <message>
        <source>When reached the
 time point,</source>
        <translation>到达时间点时，</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>times</source>
        <translation>次</translation>
    </message>
    <message>
        <source>Timing Inserted Segment</source>
        <translation>定时插播时段</translation>
    </message>
    <message>
        <source>info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>please select the time point to edit!</source>
        <translation>请选择要编辑的时间点！</translation>
    </message>
    <message>
        <source>please select the time point to delete!</source>
        <translation>请选择要删除的时间点！</translation>
    </message>
    <message>
        <source>Are you sure to delete the selected time point?</source>
        <translation>确定要删除选中的时间点吗？</translation>
    </message>
</context>
<context>
    <name>TimingSegmentTimePropertyWin</name>
    <message>
        <source>Time Point Information</source>
        <translation>时间点信息</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Specified date</source>
        <translation>指定日期</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>星期</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>UrlPanel</name>
    <message>
        <source>Transparency</source>
        <translation>透明度</translation>
    </message>
    <message>
        <source>Url Address:</source>
        <translation>网址：</translation>
    </message>
    <message>
        <source>Local Url</source>
        <translation>本地网页</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>web file(*.html;*.htm;*.url)</source>
        <translation>网页文件(*.html;*.htm;*.url)</translation>
    </message>
    <message>
        <source>Show Position:</source>
        <translation>显示位置:</translation>
    </message>
</context>
<context>
    <name>VideoDevicePanel</name>
    <message>
        <source>Play time:</source>
        <translation>播放时长：</translation>
    </message>
</context>
<context>
    <name>VideoPanel</name>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>路径：</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>音量：</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>进度：</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>时长：</translation>
    </message>
    <message>
        <source>Overlayed Text</source>
        <translation>叠加文字</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>编辑文字</translation>
    </message>
    <message>
        <source>Except</source>
        <translation>截取</translation>
    </message>
    <message>
        <source>Starting time:</source>
        <translation>开始时间：</translation>
    </message>
    <message>
        <source>End time:</source>
        <translation>结束时间：</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>缩放：</translation>
    </message>
    <message>
        <source>Rotation angle:</source>
        <translation>旋转角度：</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>背景：</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>填充</translation>
    </message>
    <message>
        <source>Original Scale</source>
        <translation>原始比例</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>90</source>
        <translation>90</translation>
    </message>
    <message>
        <source>180</source>
        <translation>180</translation>
    </message>
    <message>
        <source>270</source>
        <translation>270</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>平铺</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>拉伸</translation>
    </message>
</context>
<context>
    <name>WeatherPanel</name>
    <message>
        <source>City</source>
        <translation>城市</translation>
    </message>
    <message>
        <source>Update cycle:</source>
        <translation>更新周期：</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>播放时长：</translation>
    </message>
</context>
<context>
    <name>Widget</name>
    <message>
        <source>Random</source>
        <translation>随机</translation>
    </message>
    <message>
        <source>Slide from right</source>
        <translation>从右移入</translation>
    </message>
    <message>
        <source>Slide from left</source>
        <translation>从左移入</translation>
    </message>
    <message>
        <source>Slide from top</source>
        <translation>从上移入</translation>
    </message>
    <message>
        <source>Slide from bottom</source>
        <translation>从下移入</translation>
    </message>
    <message>
        <source>Slide from bottom right</source>
        <translation>从右下移入</translation>
    </message>
    <message>
        <source>Slide from bottom left</source>
        <translation>从左下移入</translation>
    </message>
    <message>
        <source>Slide from top left</source>
        <translation>从左上移入</translation>
    </message>
    <message>
        <source>Slide from top right</source>
        <translation>从右上移入</translation>
    </message>
    <message>
        <source>Reveal from right</source>
        <translation>从右展开</translation>
    </message>
    <message>
        <source>Reveal from left</source>
        <translation>从左展开</translation>
    </message>
    <message>
        <source>Reveal from top </source>
        <translation>从上展开</translation>
    </message>
    <message>
        <source>Reveal from bottom</source>
        <translation>从下展开</translation>
    </message>
    <message>
        <source>Reveal out left and right from middle</source>
        <translation>从中间向左右展开</translation>
    </message>
    <message>
        <source>Reveal in from left and right</source>
        <translation>从左右向中间展开</translation>
    </message>
    <message>
        <source>Reveal out up and down from middle</source>
        <translation>从中间向上下展开</translation>
    </message>
    <message>
        <source>Reveal in from top and bottom</source>
        <translation>从上下向中间展开</translation>
    </message>
    <message>
        <source>Reveal in to center</source>
        <translation>向中心收拢</translation>
    </message>
    <message>
        <source>Reveal into center</source>
        <translation>向中心展开</translation>
    </message>
    <message>
        <source>Reveal out from center</source>
        <translation>从中心展开</translation>
    </message>
    <message>
        <source>Analog Clock</source>
        <translation>模拟时钟</translation>
    </message>
    <message>
        <source>Digital Clock</source>
        <translation>数字时钟</translation>
    </message>
    <message>
        <source>Digital Timer</source>
        <translation>计时器</translation>
    </message>
    <message>
        <source>Single-row text</source>
        <translation>单行文本</translation>
    </message>
    <message>
        <source>Single - row text</source>
        <translation>单行文本</translation>
    </message>
    <message>
        <source>Scrolling text</source>
        <translation>滚动文本</translation>
    </message>
    <message>
        <source>Scrolling Text</source>
        <translation>滚动文本</translation>
    </message>
    <message>
        <source>Simple Text</source>
        <translation>普通文本</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>网页</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>视频设备</translation>
    </message>
    <message>
        <source>Streaming Media</source>
        <translation>流媒体</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>天气</translation>
    </message>
    <message>
        <source>Display window</source>
        <translation>显示窗口</translation>
    </message>
    <message>
        <source>minimization</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>maximization</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>monitor</source>
        <translation>监视</translation>
    </message>
    <message>
        <source>background</source>
        <translation>后台</translation>
    </message>
    <message>
        <source>win-up</source>
        <translation>收起</translation>
    </message>
    <message>
        <source>winlock</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>winhide</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>win-show</source>
        <translation>展开</translation>
    </message>
    <message>
        <source>winunlock</source>
        <translation>解锁</translation>
    </message>
    <message>
        <source>winshow</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>frontground</source>
        <translation>前台</translation>
    </message>
    <message>
        <source>Schedule(*.qvsc)</source>
        <translation>节目方案(*.qvsc)</translation>
    </message>
    <message>
        <source>info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Save failed,%1</source>
        <translation>保存失败，%1</translation>
    </message>
    <message>
        <source>Saved successfully,%1</source>
        <translation>保存成功，%1</translation>
    </message>
    <message>
        <source>Do you want to save the current schedule?</source>
        <translation>是否保存当前节目方案？</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open failed,%1</source>
        <translation>打开失败，%1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>The start-up entry %1 could not be changed: %2</source>
        <translation>无法修改开机启动项 %1：%2</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Horizontal gradient(six colors)</source>
        <translation>水平渐变(六色)</translation>
    </message>
    <message>
        <source>Vertical gradient(six colors)</source>
        <translation>垂直渐变(六色)</translation>
    </message>
    <message>
        <source>Angle gradient(six colors)</source>
        <translation>斜角渐变(六色)</translation>
    </message>
    <message>
        <source>Three color streamer word</source>
        <translation>三色流光字</translation>
    </message>
    <message>
        <source>Rainbow streamer word</source>
        <translation>彩虹流光字</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>左对齐</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>右对齐</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>居中</translation>
    </message>
    <message>
        <source>Align Top</source>
        <translation>顶端对齐</translation>
    </message>
    <message>
        <source>Align Bottom</source>
        <translation>底端对齐</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>平铺</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>拉伸</translation>
    </message>
    <message>
        <source>Right to Left</source>
        <translation>从右到左</translation>
    </message>
    <message>
        <source>Left toRight</source>
        <translation>从左到右</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>填充</translation>
    </message>
    <message>
        <source>Original Scale</source>
        <translation>原始比例</translation>
    </message>
    <message>
        <source>90</source>
        <translation>90</translation>
    </message>
    <message>
        <source>180</source>
        <translation>180</translation>
    </message>
    <message>
        <source>270</source>
        <translation>270</translation>
    </message>
    <message>
        <source>This item cannot be shown here: %1</source>
        <translation>此媒体无法在此显示：%1</translation>
    </message>
    <message>
        <source>Web pages cannot be shown on this computer: %1</source>
        <translation>此电脑无法显示网页：%1</translation>
    </message>
</context>
<context>
    <name>WindowPanel</name>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>边框</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>宽度：</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高度：</translation>
    </message>
    <message>
        <source>copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Are you sure to delete the selected media?</source>
        <translation>确定要删除选中的媒体吗？</translation>
    </message>
</context>
<context>
    <name>dataBaseConn</name>
    <message>
        <source>unable to open database:%1</source>
        <translation>无法打开数据库：%1</translation>
    </message>
</context>
<context>
    <name>digitalClockWidget</name>
    <message>
        <source>Monday</source>
        <translation>星期一</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>星期四</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>上午</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>下午</translation>
    </message>
</context>
<context>
    <name>newDisplayWindowButton</name>
    <message>
        <source>Led Display Parameter Setting</source>
        <translation>显示屏参数设置</translation>
    </message>
    <message>
        <source>Add Play Window</source>
        <translation>添加显示窗口</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
</TS>
