<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Qt platform plugin: xcb (X11, XWayland), wayland, offscreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder to load platform plugins from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Platform theme plugin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Further plugin to load (input devices)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geometry of the first window (WxH+X+Y)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon of the windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title of the first window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session to restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X11 display to connect to (xcb only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application name for the X resources (xcb only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title of the first window (xcb only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True-colour visual on an 8-bit display (xcb only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geometry of the first window (xcb only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Widget style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt style sheet to apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xp or none: native or Qt dialogs (windows only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>freetype or native font engine (windows only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lay the window out right to left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the number of widgets left at exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never grab the mouse or keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grab even when running under a debugger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talk to the X server synchronously (xcb only, for debugging)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt options (taken by Qt&apos;s window system before the program starts):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mining-laser timers, jet-can clocks, a cargo monitor and refining estimates
in a small window that stays on top of the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the window: en, de or fr (the desktop&apos;s by default;
the key Language in the section [Language] of the settings
keeps a choice).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MiningLog</name>
    <message>
        <source>Isk per hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units per day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isk per hour of mining, last %1 trips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ended trips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trip in progress: %1 isk/h so far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trip %1, ended %2: %3 isk/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units mined per day, last %1 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2: %3 units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trip in progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export mining log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an export is still under way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting the mining log...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting %1 trips of the mining log...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mining log	F2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%2 %3 &amp;middot; %4 units&lt;br&gt;%5 isk &amp;middot; %6 isk/h&lt;br&gt;%7 mining</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mining log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mining log was not exported to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mining</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mined out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isk/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ended by</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Orebell</name>
    <message>
        <source>Click to change color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use a Scanner to get this value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minerals Mined From Ore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lasers have pulled this much ore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...then mouse over the basic ore types on the right --&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The F.Ore.C.Q .</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mineral Yield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yield/Progress Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mr Tandel&apos;s Quasar Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buttonize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station: (Select or enter a new station name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controls:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time to Mine:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Ore Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter number of ore units...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Station Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Station Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then mouse over the basic ore types on the right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Approximate Isk From Refined Ore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refinery: &quot;NOT USED&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable to include Refinery/Skills into calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yld/min &quot;NOT USED&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable to compare Mineral Yield per Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CargoHold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max m3 of Mining Vessel&apos;s Cargo Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cargo Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity (m3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOP MINING!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Mining!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Settings on Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer Refresh Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust to slower rate if experiencing timing errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/16 Sec.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/4   Sec.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/2   Sec.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/8   Sec.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtual Refining</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable if you are having timing problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.WAV file Path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound File Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1-59 Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1-59 Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle nearly complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asteroid nearly depleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asteroid depleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jetcan reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crystal change reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated Mineral Yield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ore Mined:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minerals already refined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Mining Mission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refine Ore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Fastest Ore Calculator in Quasar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;The F.Ore.C.Q.&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ore Processing Skill Levels: (Enter 0-5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse over ore labels to reference Mineral Yields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Ore Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yield Per Refined Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mkt. Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net yield:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commission:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m3/minute:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refinable Units/min:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>isk/min:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>isk/hour:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum Units to Refine:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/sec:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station Tax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station Net Yield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station Commission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m3 per minute based on your timer settings for the number of timers showing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refinable units per minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Fair Market Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units to Refine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station Yield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refining Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Roid Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units of Ore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Roid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mining Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time left in cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time to deplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Down Laser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of focused lasers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Up Laser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From laser Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Jetcan Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jetcan age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jetcan Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Timers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orebell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the cargo hold&apos;s capacity: a number of m3 above 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original Size: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start laser first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double click to clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refined minerals/min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate Not Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double click to Unlock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a number of ore units...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base Yield per %1 ore units = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 units of %2 do not fill one batch of %3 units; they refine to nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batch of %4 units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batches of %4 units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batch of %4 units, %5 left over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batches of %4 units, %5 left over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 = %3 isk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Ore units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select .WAV file for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laser %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jet can %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sound file path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ore type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>units of ore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mining rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cycle duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ore left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>depletion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time left in cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time to deplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>double up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>double down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>focused lasers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sound file path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laser %1: lasers can only be added or removed while Mining Rate is a number of m3 above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laser %1 %2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>was not started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units of Ore must be a number above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the asteroid&apos;s ore in the ore list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mining Rate must be a number of m3 above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle Duration must be a number of seconds above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units of Ore is too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mining Rate is too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle Duration is too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mining Rate is out of range for this ore.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle Duration is out of range for this Mining Rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units of Ore would take too long to mine at this Mining Rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is empty. Enter %2; %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not %3. Enter %4; %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the refining figures stay as they were until then.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its progress bar stays as it was until then.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The refinery net yield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The station commission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The station tax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The processing skill for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The market value of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The refined amount of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The goal for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of timers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a percentage such as 96.2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a percentage such as 5.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a percentage such as 0.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a level from 0 to 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a price in isk, or leave it empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number of units such as 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number of units, or 0 for no goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a whole number from 1 to 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a timer count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was refined: the estimated amount of %1 is &quot;%2&quot;, which is not a whole number of units.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was refined: the refined amount of %1 is &quot;%2&quot;, which is not a whole number of units.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was refined: the refined amount of %1 would be too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orebell could not save your entries and the ore mined.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Orebell again to leave without saving.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the ore mined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the window&apos;s entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the window position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings store could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orebell&apos;s settings were damaged and have been repaired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orebell&apos;s settings were damaged and have been repaired; the damaged file is kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please check the ore mined and your entries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows of the ore mined stood under a damaged name and were recovered: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stored number format did not fit the stored numbers: they were read as they were written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and could not be rewritten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be written to the registry key %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the section [%1] of the settings file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the section [%1] of the settings file %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the registry key HKEY_CURRENT_USER\Software\VB and VBA Program Settings\%1\%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These global keys are off:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change them in %1, with Orebell closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is more than one key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a modifier or lock key alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs Ctrl, Alt or Meta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 belongs to the desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is already the key of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is not on this keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is the same key as another on this keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is taken by another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 could not be grabbed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 could not be grabbed (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>global keys are not available on this system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 unavailable: a part of the program could not be loaded (%2). Reinstalling Orebell should mend it; everything else works as usual.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mining log is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mining log window is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trips are not kept in this run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mining log could not be used (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was moved to %1 and a new log was started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mining log in %1 cannot be written now (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trips of this session are kept in %1 and go into the log as soon as it can take them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trips waiting for it cannot be kept in %1 either (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They wait in memory; if Orebell closes before the log can take them, they are lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mining log in %1 is left as it is: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trips of this session are not recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 trip(s) could not be written to the mining log in %2 nor kept in %3 (%4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orebell tries once more as it closes; what the log cannot take then is lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trips waiting for the mining log in %1 could not be read (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was moved to %1; none of its trips was added to the log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trips waiting for the mining log in %1 could not be read (%2), and the file could not be moved aside. It is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program holds the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a read or write error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; it is left where it is for now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is missing (Debian package libqt6sql6-sqlite)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot use a write-ahead journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was written by a newer Orebell, or one this Orebell does not know (log version %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds tables that are not a mining log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its integrity check failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a damaged file is in its place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another copy of Orebell holds it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a file of waiting trips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its checksum does not match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trip %1 in it cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a file of the system, not a place for an export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mining log was not exported to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an export is still under way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Number:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description :%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function    : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line        :%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orebell is already running with these settings (%1) but does not answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This copy ends. Close the other copy, or end its process, and start Orebell again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundChooser</name>
    <message>
        <source>Orebell – choose a sound file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
