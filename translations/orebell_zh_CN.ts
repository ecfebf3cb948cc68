<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>Qt platform plugin: xcb (X11, XWayland), wayland, offscreen</source>
        <translation>Qt 平台插件：xcb（X11、XWayland）、wayland、offscreen</translation>
    </message>
    <message>
        <source>Folder to load platform plugins from</source>
        <translation>加载平台插件的文件夹</translation>
    </message>
    <message>
        <source>Platform theme plugin</source>
        <translation>平台主题插件</translation>
    </message>
    <message>
        <source>Further plugin to load (input devices)</source>
        <translation>要加载的其他插件（输入设备）</translation>
    </message>
    <message>
        <source>Geometry of the first window (WxH+X+Y)</source>
        <translation>第一个窗口的几何尺寸（宽x高+X+Y）</translation>
    </message>
    <message>
        <source>Icon of the windows</source>
        <translation>窗口图标</translation>
    </message>
    <message>
        <source>Title of the first window</source>
        <translation>第一个窗口的标题</translation>
    </message>
    <message>
        <source>Session to restore</source>
        <translation>要恢复的会话</translation>
    </message>
    <message>
        <source>X11 display to connect to (xcb only)</source>
        <translation>要连接的 X11 显示（仅 xcb）</translation>
    </message>
    <message>
        <source>Application name for the X resources (xcb only)</source>
        <translation>X 资源使用的应用程序名（仅 xcb）</translation>
    </message>
    <message>
        <source>Title of the first window (xcb only)</source>
        <translation>第一个窗口的标题（仅 xcb）</translation>
    </message>
    <message>
        <source>True-colour visual on an 8-bit display (xcb only)</source>
        <translation>在 8 位显示上使用真彩色视觉（仅 xcb）</translation>
    </message>
    <message>
        <source>Geometry of the first window (xcb only)</source>
        <translation>第一个窗口的几何尺寸（仅 xcb）</translation>
    </message>
    <message>
        <source>Widget style</source>
        <translation>控件样式</translation>
    </message>
    <message>
        <source>Qt style sheet to apply</source>
        <translation>要应用的 Qt 样式表</translation>
    </message>
    <message>
        <source>xp or none: native or Qt dialogs (windows only)</source>
        <translation>xp 或 none：原生或 Qt 对话框（仅 Windows）</translation>
    </message>
    <message>
        <source>freetype or native font engine (windows only)</source>
        <translation>freetype 或原生字体引擎（仅 Windows）</translation>
    </message>
    <message>
        <source>Lay the window out right to left</source>
        <translation>从右到左布置窗口</translation>
    </message>
    <message>
        <source>Print the number of widgets left at exit</source>
        <translation>退出时打印剩余控件数量</translation>
    </message>
    <message>
        <source>Never grab the mouse or keyboard</source>
        <translation>从不独占鼠标或键盘</translation>
    </message>
    <message>
        <source>Grab even when running under a debugger</source>
        <translation>即使在调试器下也独占</translation>
    </message>
    <message>
        <source>Talk to the X server synchronously (xcb only, for debugging)</source>
        <translation>与 X 服务器同步通信（仅 xcb，用于调试）</translation>
    </message>
    <message>
        <source>Qt options (taken by Qt&apos;s window system before the program starts):</source>
        <translation>Qt 选项（程序启动前由 Qt 窗口系统读取）：</translation>
    </message>
    <message>
        <source>Mining-laser timers, jet-can clocks, a cargo monitor and refining estimates
in a small window that stays on top of the game.</source>
        <translation>采矿激光计时器、货柜时钟、货舱监视和精炼估算，
都在一个始终位于游戏上方的小窗口中。</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>用法：%1 [选项]</translation>
    </message>
    <message>
        <source>Language of the window: %1 (the desktop&apos;s by default; the key Language in the section [Language] of the settings keeps a choice).</source>
        <translation>窗口语言：%1（默认使用桌面语言；设置中 [Language] 节的 Language 键保存所选语言）。</translation>
    </message>
</context>
<context>
    <name>MiningLog</name>
    <message>
        <source>Isk per hour</source>
        <translation>每小时 ISK</translation>
    </message>
    <message>
        <source>Units per day</source>
        <translation>每天单位数</translation>
    </message>
    <message>
        <source>Isk per hour of mining, last %1 trips</source>
        <translation>每采矿小时 ISK，最近 %1 个行程</translation>
    </message>
    <message>
        <source>Ended trips</source>
        <translation>已结束的行程</translation>
    </message>
    <message>
        <source>Trip in progress: %1 isk/h so far</source>
        <translation>进行中的行程：目前 %1 ISK/小时</translation>
    </message>
    <message>
        <source>Trip %1, ended %2: %3 isk/h</source>
        <translation>行程 %1，结束于 %2：%3 ISK/小时</translation>
    </message>
    <message>
        <source>Units mined per day, last %1 days</source>
        <translation>每天开采单位数，最近 %1 天</translation>
    </message>
    <message>
        <source>%1, %2: %3 units</source>
        <translation>%1，%2：%3 单位</translation>
    </message>
    <message>
        <source>Trip in progress</source>
        <translation>进行中的行程</translation>
    </message>
    <message>
        <source>Export mining log</source>
        <translation>导出采矿日志</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>an export is still under way</source>
        <translation>仍有导出正在进行</translation>
    </message>
    <message>
        <source>Exporting the mining log...</source>
        <translation>正在导出采矿日志……</translation>
    </message>
    <message>
        <source>Exporting %1 trips of the mining log...</source>
        <translation>正在导出采矿日志的 %1 个行程……</translation>
    </message>
    <message>
        <source>Mining log	F2</source>
        <translation>采矿日志	F2</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>进行中</translation>
    </message>
    <message>
        <source>Refine</source>
        <translation>精炼</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%2 %3 &amp;middot; %4 units&lt;br&gt;%5 isk &amp;middot; %6 isk/h&lt;br&gt;%7 mining</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%2 %3 &amp;middot; %4 单位&lt;br&gt;%5 ISK &amp;middot; %6 ISK/小时&lt;br&gt;采矿 %7</translation>
    </message>
    <message>
        <source>trip</source>
        <translation>个行程</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>个行程</translation>
    </message>
    <message>
        <source>Mining log</source>
        <translation>采矿日志</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>导出 CSV……</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>最近 7 天</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>The mining log was not exported to %1: %2</source>
        <translation>采矿日志未导出到 %1：%2</translation>
    </message>
    <message>
        <source>Exported %1 %2 to %3</source>
        <translation>已将 %1 %2导出到 %3</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Mining</source>
        <translation>采矿</translation>
    </message>
    <message>
        <source>Ores</source>
        <translation>矿石</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>周期</translation>
    </message>
    <message>
        <source>Mined out</source>
        <translation>采空</translation>
    </message>
    <message>
        <source>Isk</source>
        <translation>ISK</translation>
    </message>
    <message>
        <source>Isk/h</source>
        <translation>ISK/小时</translation>
    </message>
    <message>
        <source>Ended by</source>
        <translation>结束方式</translation>
    </message>
</context>
<context>
    <name>Orebell</name>
    <message>
        <source>Click to change color</source>
        <translation>单击更换颜色</translation>
    </message>
    <message>
        <source>Use a Scanner to get this value</source>
        <translation>用扫描器获取此值</translation>
    </message>
    <message>
        <source>Minerals Mined From Ore</source>
        <translation>从矿石得到的矿物</translation>
    </message>
    <message>
        <source>Lasers have pulled this much ore</source>
        <translation>激光已开采的矿石量</translation>
    </message>
    <message>
        <source>...then mouse over the basic ore types on the right --&gt;</source>
        <translation>……然后把鼠标移到右侧的基础矿石上 --&gt;</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>计时器</translation>
    </message>
    <message>
        <source>The F.Ore.C.Q .</source>
        <translation>矿石计算器</translation>
    </message>
    <message>
        <source>Mineral Yield</source>
        <translation>矿物产出</translation>
    </message>
    <message>
        <source>Yield/Progress Watch</source>
        <translation>产出/进度</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Close Timer</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation>未使用</translation>
    </message>
    <message>
        <source>Mr Tandel&apos;s Quasar Website</source>
        <translation>Mr Tandel 的 Quasar 网站</translation>
    </message>
    <message>
        <source>Add Timer</source>
        <translation>添加计时器</translation>
    </message>
    <message>
        <source>Remove Timer</source>
        <translation>移除计时器</translation>
    </message>
    <message>
        <source>Buttonize</source>
        <translation>缩为图标</translation>
    </message>
    <message>
        <source>Station: (Select or enter a new station name)</source>
        <translation>空间站：（选择或输入新名称）</translation>
    </message>
    <message>
        <source>Controls:</source>
        <translation>计时器：</translation>
    </message>
    <message>
        <source>Time to Mine:</source>
        <translation>开采时间：</translation>
    </message>
    <message>
        <source>Select Ore Type:</source>
        <translation>选择矿石：</translation>
    </message>
    <message>
        <source>Enter number of ore units...</source>
        <translation>输入矿石单位数……</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Save Station Profile</source>
        <translation>保存空间站配置</translation>
    </message>
    <message>
        <source>Delete Station Profile</source>
        <translation>删除空间站配置</translation>
    </message>
    <message>
        <source>Then mouse over the basic ore types on the right</source>
        <translation>然后把鼠标移到右侧的基础矿石上</translation>
    </message>
    <message>
        <source>Approximate Isk From Refined Ore</source>
        <translation>精炼矿石的大约 ISK</translation>
    </message>
    <message>
        <source>Refinery: &quot;NOT USED&quot;</source>
        <translation>精炼厂：“未使用”</translation>
    </message>
    <message>
        <source>Enable to include Refinery/Skills into calculations</source>
        <translation>计算中计入精炼厂和技能</translation>
    </message>
    <message>
        <source>yld/min &quot;NOT USED&quot;</source>
        <translation>产出/分“未使用”</translation>
    </message>
    <message>
        <source>Enable to compare Mineral Yield per Minute</source>
        <translation>比较每分钟矿物产出</translation>
    </message>
    <message>
        <source>CargoHold</source>
        <translation>货舱</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>监视</translation>
    </message>
    <message>
        <source>Max m3 of Mining Vessel&apos;s Cargo Hold</source>
        <translation>采矿船货舱容量（m3）</translation>
    </message>
    <message>
        <source>Cargo Hold</source>
        <translation>货舱</translation>
    </message>
    <message>
        <source>Capacity (m3)</source>
        <translation>容量（m3）</translation>
    </message>
    <message>
        <source>STOP MINING!</source>
        <translation>停止开采！</translation>
    </message>
    <message>
        <source>Stop Mining!</source>
        <translation>停止开采！</translation>
    </message>
    <message>
        <source>Save Settings on Exit</source>
        <translation>退出时保存设置</translation>
    </message>
    <message>
        <source>Timer Settings</source>
        <translation>计时器设置</translation>
    </message>
    <message>
        <source>Timer Refresh Rate</source>
        <translation>刷新频率</translation>
    </message>
    <message>
        <source>Adjust to slower rate if experiencing timing errors</source>
        <translation>计时器落后时请调慢</translation>
    </message>
    <message>
        <source>1/16 Sec.</source>
        <translation>1/16 秒</translation>
    </message>
    <message>
        <source>1/4   Sec.</source>
        <translation>1/4   秒</translation>
    </message>
    <message>
        <source>1/2   Sec.</source>
        <translation>1/2   秒</translation>
    </message>
    <message>
        <source>1 Second</source>
        <translation>1 秒</translation>
    </message>
    <message>
        <source>1/8   Sec.</source>
        <translation>1/8   秒</translation>
    </message>
    <message>
        <source>Virtual Refining</source>
        <translation>虚拟精炼</translation>
    </message>
    <message>
        <source>Disable if you are having timing problems</source>
        <translation>计时器落后时请关闭</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>.WAV file Path:</source>
        <translation>.WAV 文件路径：</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Sound File Path</source>
        <translation>声音文件路径</translation>
    </message>
    <message>
        <source>1-59 Seconds</source>
        <translation>1-59 秒</translation>
    </message>
    <message>
        <source>1-59 Minutes</source>
        <translation>1-59 分钟</translation>
    </message>
    <message>
        <source>Cycle nearly complete</source>
        <translation>周期即将结束</translation>
    </message>
    <message>
        <source>Cycle complete</source>
        <translation>周期结束</translation>
    </message>
    <message>
        <source>Asteroid nearly depleted</source>
        <translation>小行星即将采空</translation>
    </message>
    <message>
        <source>Asteroid depleted</source>
        <translation>小行星已采空</translation>
    </message>
    <message>
        <source>Jetcan reminder</source>
        <translation>抛弃货柜提醒</translation>
    </message>
    <message>
        <source>Crystal change reminder</source>
        <translation>更换晶体提醒</translation>
    </message>
    <message>
        <source>Estimated Mineral Yield</source>
        <translation>预计矿物产出</translation>
    </message>
    <message>
        <source>Ore Mined:</source>
        <translation>已采矿石：</translation>
    </message>
    <message>
        <source>Refined</source>
        <translation>已精炼</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Minerals already refined</source>
        <translation>已精炼的矿物</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>产出</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Refine</source>
        <translation>精炼</translation>
    </message>
    <message>
        <source>Reset Mining Mission</source>
        <translation>重置采矿任务</translation>
    </message>
    <message>
        <source>Refine Ore</source>
        <translation>精炼矿石</translation>
    </message>
    <message>
        <source>The Fastest Ore Calculator in Quasar</source>
        <translation>Quasar 最快的矿石计算器</translation>
    </message>
    <message>
        <source>&apos;The F.Ore.C.Q.&apos;</source>
        <translation>“矿石计算器”</translation>
    </message>
    <message>
        <source>Ore Processing Skill Levels: (Enter 0-5)</source>
        <translation>矿石处理技能等级：（输入 0-5）</translation>
    </message>
    <message>
        <source>Mouse over ore labels to reference Mineral Yields</source>
        <translation>鼠标移到矿石名称上查看矿物产出</translation>
    </message>
    <message>
        <source>Click to Lock</source>
        <translation>单击锁定</translation>
    </message>
    <message>
        <source>Selected Ore Type</source>
        <translation>所选矿石</translation>
    </message>
    <message>
        <source>Yield Per Refined Unit</source>
        <translation>每精炼单位的产出</translation>
    </message>
    <message>
        <source>Mkt. Value</source>
        <translation>市价</translation>
    </message>
    <message>
        <source>Tax:</source>
        <translation>税：</translation>
    </message>
    <message>
        <source>Net yield:</source>
        <translation>净产出：</translation>
    </message>
    <message>
        <source>Commission:</source>
        <translation>手续费：</translation>
    </message>
    <message>
        <source>m3/minute:</source>
        <translation>m3/分钟：</translation>
    </message>
    <message>
        <source>Refinable Units/min:</source>
        <translation>可精炼批次/分：</translation>
    </message>
    <message>
        <source>isk/min:</source>
        <translation>ISK/分钟：</translation>
    </message>
    <message>
        <source>isk/hour:</source>
        <translation>ISK/小时：</translation>
    </message>
    <message>
        <source>Minimum Units to Refine:</source>
        <translation>最少精炼单位：</translation>
    </message>
    <message>
        <source>/sec:</source>
        <translation>/秒：</translation>
    </message>
    <message>
        <source>Station Tax</source>
        <translation>空间站税</translation>
    </message>
    <message>
        <source>Station Net Yield</source>
        <translation>空间站净产出</translation>
    </message>
    <message>
        <source>Station Commission</source>
        <translation>空间站手续费</translation>
    </message>
    <message>
        <source>m3 per minute based on your timer settings for the number of timers showing</source>
        <translation>按所显示计时器的设置计算的每分钟 m3</translation>
    </message>
    <message>
        <source>Refinable units per minute</source>
        <translation>每分钟可精炼批次</translation>
    </message>
    <message>
        <source>Enter Fair Market Value</source>
        <translation>输入市场价格</translation>
    </message>
    <message>
        <source>Units to Refine</source>
        <translation>精炼单位</translation>
    </message>
    <message>
        <source>Station Yield</source>
        <translation>空间站产出</translation>
    </message>
    <message>
        <source>Refining Goals</source>
        <translation>精炼目标</translation>
    </message>
    <message>
        <source>Next Roid Type</source>
        <translation>下一小行星</translation>
    </message>
    <message>
        <source>Units of Ore</source>
        <translation>矿石单位</translation>
    </message>
    <message>
        <source>Current Roid</source>
        <translation>当前小行星</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>计时器</translation>
    </message>
    <message>
        <source>Mining Rate</source>
        <translation>开采量</translation>
    </message>
    <message>
        <source>Cycle Duration</source>
        <translation>周期时长</translation>
    </message>
    <message>
        <source>Ore</source>
        <translation>矿石</translation>
    </message>
    <message>
        <source>Depleted</source>
        <translation>已采空</translation>
    </message>
    <message>
        <source>Time left in cycle</source>
        <translation>本周期剩余时间</translation>
    </message>
    <message>
        <source>Time to deplete</source>
        <translation>采空所需时间</translation>
    </message>
    <message>
        <source>Double Down Laser</source>
        <translation>减少一台激光</translation>
    </message>
    <message>
        <source>Number of focused lasers</source>
        <translation>集中的激光数</translation>
    </message>
    <message>
        <source>Double Up Laser</source>
        <translation>增加一台激光</translation>
    </message>
    <message>
        <source>From laser Info</source>
        <translation>见激光信息</translation>
    </message>
    <message>
        <source>Start Jetcan Timer</source>
        <translation>开始货柜计时</translation>
    </message>
    <message>
        <source>Jetcan age</source>
        <translation>货柜存在时间</translation>
    </message>
    <message>
        <source>Jetcan Name</source>
        <translation>货柜名称</translation>
    </message>
    <message>
        <source>Number of Timers</source>
        <translation>计时器数量</translation>
    </message>
    <message>
        <source>Orebell</source>
        <translation>Orebell</translation>
    </message>
    <message>
        <source>Enter the cargo hold&apos;s capacity: a number of m3 above 0</source>
        <translation>输入货舱容量：大于 0 的 m3 数</translation>
    </message>
    <message>
        <source>Original Size: %1</source>
        <translation>原始大小：%1</translation>
    </message>
    <message>
        <source>Start laser first</source>
        <translation>请先启动激光</translation>
    </message>
    <message>
        <source>Double click to clear</source>
        <translation>双击清空</translation>
    </message>
    <message>
        <source>Stop Timer</source>
        <translation>停止计时</translation>
    </message>
    <message>
        <source>Reset Timer</source>
        <translation>重置计时</translation>
    </message>
    <message>
        <source>Refined minerals/min.</source>
        <translation>精炼矿物/分</translation>
    </message>
    <message>
        <source>Rate Not Set</source>
        <translation>未设开采量</translation>
    </message>
    <message>
        <source>Double click to Unlock</source>
        <translation>双击解锁</translation>
    </message>
    <message>
        <source>Enter a number of ore units...</source>
        <translation>输入矿石单位数……</translation>
    </message>
    <message>
        <source>Base Yield per %1 ore units = %2</source>
        <translation>每 %1 矿石单位的基础产出 = %2</translation>
    </message>
    <message>
        <source>%1 units of %2 do not fill one batch of %3 units; they refine to nothing</source>
        <translation>%1 单位 %2 不足一批 %3 单位；精炼不出任何东西</translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batch of %4 units</source>
        <translation>%1 单位 %2 可精炼 %3 批，每批 %4 单位</translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batches of %4 units</source>
        <translation>%1 单位 %2 可精炼 %3 批，每批 %4 单位</translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batch of %4 units, %5 left over</source>
        <translation>%1 单位 %2 可精炼 %3 批，每批 %4 单位，剩余 %5</translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batches of %4 units, %5 left over</source>
        <translation>%1 单位 %2 可精炼 %3 批，每批 %4 单位，剩余 %5</translation>
    </message>
    <message>
        <source>%1: %2 = %3 isk</source>
        <translation>%1：%2 = %3 ISK</translation>
    </message>
    <message>
        <source>%1 Ore units</source>
        <translation>%1 矿石单位</translation>
    </message>
    <message>
        <source>Select .WAV file for %1</source>
        <translation>为 %1 选择 .WAV 文件</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Laser %1 %2</source>
        <translation>激光 %1 %2</translation>
    </message>
    <message>
        <source>Jet can %1 %2</source>
        <translation>货柜 %1 %2</translation>
    </message>
    <message>
        <source>%1 browse</source>
        <translation>%1 浏览</translation>
    </message>
    <message>
        <source>%1 sound file path</source>
        <translation>%1 声音文件路径</translation>
    </message>
    <message>
        <source>%1 delay</source>
        <translation>%1 提前量</translation>
    </message>
    <message>
        <source>start</source>
        <translation>启动</translation>
    </message>
    <message>
        <source>ore type</source>
        <translation>矿石种类</translation>
    </message>
    <message>
        <source>units of ore</source>
        <translation>矿石单位</translation>
    </message>
    <message>
        <source>mining rate</source>
        <translation>开采量</translation>
    </message>
    <message>
        <source>cycle duration</source>
        <translation>周期时长</translation>
    </message>
    <message>
        <source>ore</source>
        <translation>矿石</translation>
    </message>
    <message>
        <source>ore left</source>
        <translation>剩余矿石</translation>
    </message>
    <message>
        <source>depletion</source>
        <translation>采空进度</translation>
    </message>
    <message>
        <source>time left in cycle</source>
        <translation>本周期剩余时间</translation>
    </message>
    <message>
        <source>time to deplete</source>
        <translation>采空所需时间</translation>
    </message>
    <message>
        <source>double up</source>
        <translation>增加一台激光</translation>
    </message>
    <message>
        <source>double down</source>
        <translation>减少一台激光</translation>
    </message>
    <message>
        <source>focused lasers</source>
        <translation>集中的激光</translation>
    </message>
    <message>
        <source>age</source>
        <translation>存在时间</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>sound file path</source>
        <translation>声音文件路径</translation>
    </message>
    <message>
        <source>delay</source>
        <translation>提前量</translation>
    </message>
    <message>
        <source>Laser %1: lasers can only be added or removed while Mining Rate is a number of m3 above 0.</source>
        <translation>激光 %1：只有在开采量是大于 0 的 m3 数时才能增减激光。</translation>
    </message>
    <message>
        <source>Laser %1 %2:</source>
        <translation>激光 %1 %2：</translation>
    </message>
    <message>
        <source>was not started</source>
        <translation>未启动</translation>
    </message>
    <message>
        <source>Units of Ore must be a number above 0.</source>
        <translation>矿石单位必须是大于 0 的数。</translation>
    </message>
    <message>
        <source>Choose the asteroid&apos;s ore in the ore list.</source>
        <translation>请在矿石列表中选择小行星的矿石。</translation>
    </message>
    <message>
        <source>Mining Rate must be a number of m3 above 0.</source>
        <translation>开采量必须是大于 0 的 m3 数。</translation>
    </message>
    <message>
        <source>Cycle Duration must be a number of seconds above 0.</source>
        <translation>周期时长必须是大于 0 的秒数。</translation>
    </message>
    <message>
        <source>Units of Ore is too large.</source>
        <translation>矿石单位太大。</translation>
    </message>
    <message>
        <source>Mining Rate is too large.</source>
        <translation>开采量太大。</translation>
    </message>
    <message>
        <source>Cycle Duration is too long.</source>
        <translation>周期时长太长。</translation>
    </message>
    <message>
        <source>Mining Rate is out of range for this ore.</source>
        <translation>此矿石的开采量超出范围。</translation>
    </message>
    <message>
        <source>Cycle Duration is out of range for this Mining Rate.</source>
        <translation>此开采量的周期时长超出范围。</translation>
    </message>
    <message>
        <source>Units of Ore would take too long to mine at this Mining Rate.</source>
        <translation>按此开采量，这些矿石需要开采太久。</translation>
    </message>
    <message>
        <source>%1 is empty. Enter %2; %3</source>
        <translation>%1为空。请输入%2；%3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not %3. Enter %4; %5</source>
        <translation>%1“%2”不是%3。请输入%4；%5</translation>
    </message>
    <message>
        <source>the refining figures stay as they were until then.</source>
        <translation>在此之前精炼数据保持不变。</translation>
    </message>
    <message>
        <source>its progress bar stays as it was until then.</source>
        <translation>在此之前其进度条保持不变。</translation>
    </message>
    <message>
        <source>The refinery net yield</source>
        <translation>精炼厂净产出</translation>
    </message>
    <message>
        <source>The station commission</source>
        <translation>空间站手续费</translation>
    </message>
    <message>
        <source>The station tax</source>
        <translation>空间站税</translation>
    </message>
    <message>
        <source>The processing skill for %1</source>
        <translation>%1 的处理技能</translation>
    </message>
    <message>
        <source>The market value of %1</source>
        <translation>%1 的市场价格</translation>
    </message>
    <message>
        <source>The refined amount of %1</source>
        <translation>%1 的已精炼数量</translation>
    </message>
    <message>
        <source>The goal for %1</source>
        <translation>%1 的目标</translation>
    </message>
    <message>
        <source>The number of timers</source>
        <translation>计时器数量</translation>
    </message>
    <message>
        <source>a percentage such as 96.2</source>
        <translation>百分比，例如 96.2</translation>
    </message>
    <message>
        <source>a percentage such as 5.0</source>
        <translation>百分比，例如 5.0</translation>
    </message>
    <message>
        <source>a percentage such as 0.0</source>
        <translation>百分比，例如 0.0</translation>
    </message>
    <message>
        <source>a level from 0 to 5</source>
        <translation>0 到 5 的等级</translation>
    </message>
    <message>
        <source>a price in isk, or leave it empty</source>
        <translation>ISK 价格，或留空</translation>
    </message>
    <message>
        <source>a number of units such as 0</source>
        <translation>单位数，例如 0</translation>
    </message>
    <message>
        <source>a number of units, or 0 for no goal</source>
        <translation>单位数，0 表示没有目标</translation>
    </message>
    <message>
        <source>a whole number from 1 to 7</source>
        <translation>1 到 7 的整数</translation>
    </message>
    <message>
        <source>a timer count</source>
        <translation>计时器数量</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>Nothing was refined: the estimated amount of %1 is &quot;%2&quot;, which is not a whole number of units.</source>
        <translation>未精炼任何东西：%1 的预计数量是“%2”，不是整数单位。</translation>
    </message>
    <message>
        <source>Nothing was refined: the refined amount of %1 is &quot;%2&quot;, which is not a whole number of units.</source>
        <translation>未精炼任何东西：%1 的已精炼数量是“%2”，不是整数单位。</translation>
    </message>
    <message>
        <source>Nothing was refined: the refined amount of %1 would be too large.</source>
        <translation>未精炼任何东西：%1 的已精炼数量会过大。</translation>
    </message>
    <message>
        <source>Orebell could not save your entries and the ore mined.</source>
        <translation>Orebell 无法保存您的输入和已采矿石。</translation>
    </message>
    <message>
        <source>Close Orebell again to leave without saving.</source>
        <translation>再次关闭 Orebell 即不保存退出。</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>未保存：%1</translation>
    </message>
    <message>
        <source>the ore mined</source>
        <translation>已采矿石</translation>
    </message>
    <message>
        <source>the window&apos;s entries</source>
        <translation>窗口中的输入</translation>
    </message>
    <message>
        <source>the window position</source>
        <translation>窗口位置</translation>
    </message>
    <message>
        <source>the settings store could not be written</source>
        <translation>无法写入设置</translation>
    </message>
    <message>
        <source>Orebell&apos;s settings were damaged and have been repaired.</source>
        <translation>Orebell 的设置已损坏，现已修复。</translation>
    </message>
    <message>
        <source>Orebell&apos;s settings were damaged and have been repaired; the damaged file is kept as %1.</source>
        <translation>Orebell 的设置已损坏，现已修复；损坏的文件保存为 %1。</translation>
    </message>
    <message>
        <source>Please check the ore mined and your entries.</source>
        <translation>请检查已采矿石和您的输入。</translation>
    </message>
    <message>
        <source>Rows of the ore mined stood under a damaged name and were recovered: %1.</source>
        <translation>已采矿石中有几行位于损坏的名称下，已恢复：%1。</translation>
    </message>
    <message>
        <source>The stored number format did not fit the stored numbers: they were read as they were written.</source>
        <translation>保存的数字格式与保存的数字不符：已按写入时的样子读取。</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written.</source>
        <translation>无法写入设置文件 %1。</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and could not be rewritten.</source>
        <translation>设置文件 %1 已损坏，无法重写。</translation>
    </message>
    <message>
        <source>The settings could not be written to the registry key %1.</source>
        <translation>无法将设置写入注册表项 %1。</translation>
    </message>
    <message>
        <source>the section [%1] of the settings file</source>
        <translation>设置文件的 [%1] 节</translation>
    </message>
    <message>
        <source>the section [%1] of the settings file %2</source>
        <translation>设置文件 %2 的 [%1] 节</translation>
    </message>
    <message>
        <source>the registry key HKEY_CURRENT_USER\Software\VB and VBA Program Settings\%1\%2</source>
        <translation>注册表项 HKEY_CURRENT_USER\Software\VB and VBA Program Settings\%1\%2</translation>
    </message>
    <message>
        <source>These global keys are off:</source>
        <translation>以下全局快捷键已关闭：</translation>
    </message>
    <message>
        <source>Change them in %1, with Orebell closed.</source>
        <translation>请在关闭 Orebell 后在%1中修改。</translation>
    </message>
    <message>
        <source>%1 is not a key</source>
        <translation>%1 不是按键</translation>
    </message>
    <message>
        <source>%1 is more than one key</source>
        <translation>%1 不止一个按键</translation>
    </message>
    <message>
        <source>%1 is a modifier or lock key alone</source>
        <translation>%1 只是修饰键或锁定键</translation>
    </message>
    <message>
        <source>%1 needs Ctrl, Alt or Meta</source>
        <translation>%1 需要 Ctrl、Alt 或 Meta</translation>
    </message>
    <message>
        <source>%1 belongs to the desktop</source>
        <translation>%1 属于桌面</translation>
    </message>
    <message>
        <source>%1: %2 is already the key of %3</source>
        <translation>%1：%2 已是 %3 的按键</translation>
    </message>
    <message>
        <source>%1: %2 is not on this keyboard</source>
        <translation>%1：此键盘上没有 %2</translation>
    </message>
    <message>
        <source>%1: %2 is the same key as another on this keyboard</source>
        <translation>%1：在此键盘上 %2 与另一个键相同</translation>
    </message>
    <message>
        <source>%1: %2 is taken by another program</source>
        <translation>%1：%2 已被其他程序占用</translation>
    </message>
    <message>
        <source>%1: %2 could not be grabbed</source>
        <translation>%1：无法占用 %2</translation>
    </message>
    <message>
        <source>%1: %2 could not be grabbed (%3)</source>
        <translation>%1：无法占用 %2（%3）</translation>
    </message>
    <message>
        <source>global keys are not available on this system</source>
        <translation>此系统不支持全局快捷键</translation>
    </message>
    <message>
        <source>%1 unavailable: a part of the program could not be loaded (%2). Reinstalling Orebell should mend it; everything else works as usual.</source>
        <translation>%1不可用：无法加载程序的一部分（%2）。重新安装 Orebell 应能修复；其他功能照常使用。</translation>
    </message>
    <message>
        <source>Sound is</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>The mining log is</source>
        <translation>采矿日志</translation>
    </message>
    <message>
        <source>The mining log window is</source>
        <translation>采矿日志窗口</translation>
    </message>
    <message>
        <source>Trips are not kept in this run.</source>
        <translation>本次运行不记录行程。</translation>
    </message>
    <message>
        <source>The mining log could not be used (%1).</source>
        <translation>无法使用采矿日志（%1）。</translation>
    </message>
    <message>
        <source>It was moved to %1 and a new log was started.</source>
        <translation>它已移到 %1，并开始了新的日志。</translation>
    </message>
    <message>
        <source>The mining log in %1 cannot be written now (%2).</source>
        <translation>现在无法写入 %1 中的采矿日志（%2）。</translation>
    </message>
    <message>
        <source>The trips of this session are kept in %1 and go into the log as soon as it can take them.</source>
        <translation>本次的行程保存在 %1 中，日志一旦可写就会写入。</translation>
    </message>
    <message>
        <source>The trips waiting for it cannot be kept in %1 either (%2).</source>
        <translation>等待中的行程也无法保存在 %1 中（%2）。</translation>
    </message>
    <message>
        <source>They wait in memory; if Orebell closes before the log can take them, they are lost.</source>
        <translation>它们在内存中等待；如果 Orebell 在日志可写之前关闭，它们将丢失。</translation>
    </message>
    <message>
        <source>The mining log in %1 is left as it is: %2.</source>
        <translation>%1 中的采矿日志保持原样：%2。</translation>
    </message>
    <message>
        <source>Trips of this session are not recorded.</source>
        <translation>本次的行程不会被记录。</translation>
    </message>
    <message>
        <source>%1 trip(s) could not be written to the mining log in %2 nor kept in %3 (%4).</source>
        <translation>%1 个行程既无法写入 %2 中的采矿日志，也无法保存在 %3 中（%4）。</translation>
    </message>
    <message>
        <source>Orebell tries once more as it closes; what the log cannot take then is lost.</source>
        <translation>Orebell 关闭时会再试一次；届时日志无法接收的内容将丢失。</translation>
    </message>
    <message>
        <source>The trips waiting for the mining log in %1 could not be read (%2).</source>
        <translation>无法读取等待写入 %1 中采矿日志的行程（%2）。</translation>
    </message>
    <message>
        <source>The file was moved to %1; none of its trips was added to the log.</source>
        <translation>该文件已移到 %1；其中的行程均未加入日志。</translation>
    </message>
    <message>
        <source>The trips waiting for the mining log in %1 could not be read (%2), and the file could not be moved aside. It is left as it is.</source>
        <translation>无法读取等待写入 %1 中采矿日志的行程（%2），该文件也无法移开。它保持原样。</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation>文件或其文件夹为只读</translation>
    </message>
    <message>
        <source>another program holds the file</source>
        <translation>文件被其他程序占用</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>权限被拒绝</translation>
    </message>
    <message>
        <source>a read or write error: %1</source>
        <translation>读写错误：%1</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>%1; it is left where it is for now</source>
        <translation>%1；暂时保留在原处</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>无法创建其文件夹</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is missing (Debian package libqt6sql6-sqlite)</source>
        <translation>缺少 Qt 的 SQLite 驱动（Debian 软件包 libqt6sql6-sqlite）</translation>
    </message>
    <message>
        <source>it cannot use a write-ahead journal</source>
        <translation>它无法使用预写日志</translation>
    </message>
    <message>
        <source>it was written by a newer Orebell, or one this Orebell does not know (log version %1)</source>
        <translation>它由更新的或未知的 Orebell 写入（日志版本 %1）</translation>
    </message>
    <message>
        <source>it holds tables that are not a mining log</source>
        <translation>它包含的表不是采矿日志</translation>
    </message>
    <message>
        <source>its integrity check failed: %1</source>
        <translation>完整性检查失败：%1</translation>
    </message>
    <message>
        <source>a damaged file is in its place</source>
        <translation>其位置上是一个损坏的文件</translation>
    </message>
    <message>
        <source>another copy of Orebell holds it</source>
        <translation>另一个 Orebell 正在使用它</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>其文件夹不可写</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>无法创建其锁文件</translation>
    </message>
    <message>
        <source>it is not a file of waiting trips</source>
        <translation>它不是等待中行程的文件</translation>
    </message>
    <message>
        <source>its checksum does not match</source>
        <translation>校验和不匹配</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>trip %1 in it cannot be read</source>
        <translation>其中的行程 %1 无法读取</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>无法打开：%1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>it is a file of the system, not a place for an export</source>
        <translation>它是系统文件，不能用于导出</translation>
    </message>
    <message>
        <source>The mining log was not exported to %1: %2</source>
        <translation>采矿日志未导出到 %1：%2</translation>
    </message>
    <message>
        <source>an export is still under way</source>
        <translation>仍有导出正在进行</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>无效的过程调用或参数</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>下标越界</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>除以零</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>类型不匹配</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>内部错误</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>找不到文件</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>无效的属性值</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>应用程序定义或对象定义的错误</translation>
    </message>
    <message>
        <source>Error Number:%1</source>
        <translation>错误号：%1</translation>
    </message>
    <message>
        <source>Description :%1</source>
        <translation>描述：%1</translation>
    </message>
    <message>
        <source>Function    : %1</source>
        <translation>函数：%1</translation>
    </message>
    <message>
        <source>Line        :%1</source>
        <translation>行：%1</translation>
    </message>
    <message>
        <source>Orebell is already running with these settings (%1) but does not answer.</source>
        <translation>Orebell 已使用这些设置（%1）运行，但没有响应。</translation>
    </message>
    <message>
        <source>This copy ends. Close the other copy, or end its process, and start Orebell again.</source>
        <translation>此副本将退出。请关闭另一个副本或结束其进程，然后重新启动 Orebell。</translation>
    </message>
    <message>
        <source>Ore Name</source>
        <translation>矿石</translation>
    </message>
    <message>
        <source>Units Mined</source>
        <translation>已采单位</translation>
    </message>
    <message>
        <source>R/Units</source>
        <translation>每批</translation>
    </message>
</context>
<context>
    <name>SoundChooser</name>
    <message>
        <source>Orebell – choose a sound file</source>
        <translation>Orebell – 选择声音文件</translation>
    </message>
</context>
</TS>
