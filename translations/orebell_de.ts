<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Qt platform plugin: xcb (X11, XWayland), wayland, offscreen</source>
        <translation>Qt-Plattform-Plugin: xcb (X11, XWayland), wayland, offscreen</translation>
    </message>
    <message>
        <source>Folder to load platform plugins from</source>
        <translation>Ordner, aus dem Plattform-Plugins geladen werden</translation>
    </message>
    <message>
        <source>Platform theme plugin</source>
        <translation>Plugin für das Plattform-Design</translation>
    </message>
    <message>
        <source>Further plugin to load (input devices)</source>
        <translation>Weiteres Plugin (Eingabegeräte)</translation>
    </message>
    <message>
        <source>Geometry of the first window (WxH+X+Y)</source>
        <translation>Geometrie des ersten Fensters (BxH+X+Y)</translation>
    </message>
    <message>
        <source>Icon of the windows</source>
        <translation>Symbol der Fenster</translation>
    </message>
    <message>
        <source>Title of the first window</source>
        <translation>Titel des ersten Fensters</translation>
    </message>
    <message>
        <source>Session to restore</source>
        <translation>Wiederherzustellende Sitzung</translation>
    </message>
    <message>
        <source>X11 display to connect to (xcb only)</source>
        <translation>X11-Display, mit dem verbunden wird (nur xcb)</translation>
    </message>
    <message>
        <source>Application name for the X resources (xcb only)</source>
        <translation>Anwendungsname für die X-Ressourcen (nur xcb)</translation>
    </message>
    <message>
        <source>Title of the first window (xcb only)</source>
        <translation>Titel des ersten Fensters (nur xcb)</translation>
    </message>
    <message>
        <source>True-colour visual on an 8-bit display (xcb only)</source>
        <translation>True-Color-Visual auf einem 8-Bit-Display (nur xcb)</translation>
    </message>
    <message>
        <source>Geometry of the first window (xcb only)</source>
        <translation>Geometrie des ersten Fensters (nur xcb)</translation>
    </message>
    <message>
        <source>Widget style</source>
        <translation>Widget-Stil</translation>
    </message>
    <message>
        <source>Qt style sheet to apply</source>
        <translation>Anzuwendendes Qt-Stylesheet</translation>
    </message>
    <message>
        <source>xp or none: native or Qt dialogs (windows only)</source>
        <translation>xp oder none: native oder Qt-Dialoge (nur Windows)</translation>
    </message>
    <message>
        <source>freetype or native font engine (windows only)</source>
        <translation>freetype oder native Schrift-Engine (nur Windows)</translation>
    </message>
    <message>
        <source>Lay the window out right to left</source>
        <translation>Fenster von rechts nach links anordnen</translation>
    </message>
    <message>
        <source>Print the number of widgets left at exit</source>
        <translation>Beim Beenden die Zahl übriger Widgets ausgeben</translation>
    </message>
    <message>
        <source>Never grab the mouse or keyboard</source>
        <translation>Maus und Tastatur nie belegen</translation>
    </message>
    <message>
        <source>Grab even when running under a debugger</source>
        <translation>Auch unter einem Debugger belegen</translation>
    </message>
    <message>
        <source>Talk to the X server synchronously (xcb only, for debugging)</source>
        <translation>Synchron mit dem X-Server sprechen (nur xcb, zur Fehlersuche)</translation>
    </message>
    <message>
        <source>Qt options (taken by Qt&apos;s window system before the program starts):</source>
        <translation>Qt-Optionen (vom Fenstersystem von Qt vor dem Programmstart ausgewertet):</translation>
    </message>
    <message>
        <source>Mining-laser timers, jet-can clocks, a cargo monitor and refining estimates
in a small window that stays on top of the game.</source>
        <translation>Bergbaulaser-Timer, Jetcan-Uhren, eine Frachtraumanzeige und Raffinierschätzungen
in einem kleinen Fenster, das über dem Spiel bleibt.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>Language of the window: %1 (the desktop&apos;s by default; the key Language in the section [Language] of the settings keeps a choice).</source>
        <translation>Sprache des Fensters: %1 (sonst die des Desktops; der Schlüssel Language im Abschnitt [Language] der Einstellungen hält eine Wahl fest).</translation>
    </message>
</context>
<context>
    <name>MiningLog</name>
    <message>
        <source>Isk per hour</source>
        <translation>ISK pro Stunde</translation>
    </message>
    <message>
        <source>Units per day</source>
        <translation>Einheiten pro Tag</translation>
    </message>
    <message>
        <source>Isk per hour of mining, last %1 trips</source>
        <translation>ISK pro Abbaustunde, letzte %1 Fahrten</translation>
    </message>
    <message>
        <source>Ended trips</source>
        <translation>Beendete Fahrten</translation>
    </message>
    <message>
        <source>Trip in progress: %1 isk/h so far</source>
        <translation>Laufende Fahrt: bisher %1 ISK/h</translation>
    </message>
    <message>
        <source>Trip %1, ended %2: %3 isk/h</source>
        <translation>Fahrt %1, beendet %2: %3 ISK/h</translation>
    </message>
    <message>
        <source>Units mined per day, last %1 days</source>
        <translation>Abgebaute Einheiten pro Tag, letzte %1 Tage</translation>
    </message>
    <message>
        <source>%1, %2: %3 units</source>
        <translation>%1, %2: %3 Einheiten</translation>
    </message>
    <message>
        <source>Trip in progress</source>
        <translation>Laufende Fahrt</translation>
    </message>
    <message>
        <source>Export mining log</source>
        <translation>Abbauprotokoll exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>an export is still under way</source>
        <translation>ein Export läuft noch</translation>
    </message>
    <message>
        <source>Exporting the mining log...</source>
        <translation>Das Abbauprotokoll wird exportiert...</translation>
    </message>
    <message>
        <source>Exporting %1 trips of the mining log...</source>
        <translation>%1 Fahrten des Abbauprotokolls werden exportiert...</translation>
    </message>
    <message>
        <source>Mining log	F2</source>
        <translation>Abbauprotokoll	F2</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Refine</source>
        <translation>Raffinieren</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%2 %3 &amp;middot; %4 units&lt;br&gt;%5 isk &amp;middot; %6 isk/h&lt;br&gt;%7 mining</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%2 %3 &amp;middot; %4 Einheiten&lt;br&gt;%5 ISK &amp;middot; %6 ISK/h&lt;br&gt;%7 Abbau</translation>
    </message>
    <message>
        <source>trip</source>
        <translation>Fahrt</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>Fahrten</translation>
    </message>
    <message>
        <source>Mining log</source>
        <translation>Abbauprotokoll</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <source>The mining log was not exported to %1: %2</source>
        <translation>Das Abbauprotokoll wurde nicht nach %1 exportiert: %2</translation>
    </message>
    <message>
        <source>Exported %1 %2 to %3</source>
        <translation>%1 %2 nach %3 exportiert</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Mining</source>
        <translation>Abbau</translation>
    </message>
    <message>
        <source>Ores</source>
        <translation>Erze</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>Zyklen</translation>
    </message>
    <message>
        <source>Mined out</source>
        <translation>Abgebaut</translation>
    </message>
    <message>
        <source>Isk</source>
        <translation>ISK</translation>
    </message>
    <message>
        <source>Isk/h</source>
        <translation>ISK/h</translation>
    </message>
    <message>
        <source>Ended by</source>
        <translation>Ende durch</translation>
    </message>
</context>
<context>
    <name>Orebell</name>
    <message>
        <source>Click to change color</source>
        <translation>Klicken: Farbe wechseln</translation>
    </message>
    <message>
        <source>Use a Scanner to get this value</source>
        <translation>Wert mit einem Scanner ermitteln</translation>
    </message>
    <message>
        <source>Minerals Mined From Ore</source>
        <translation>Aus Erz gewonnene Mineralien</translation>
    </message>
    <message>
        <source>Lasers have pulled this much ore</source>
        <translation>So viel Erz haben die Laser abgebaut</translation>
    </message>
    <message>
        <source>...then mouse over the basic ore types on the right --&gt;</source>
        <translation>...dann mit der Maus auf die Erzsorten rechts --&gt;</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>The F.Ore.C.Q .</source>
        <translation>Der Erzrechner</translation>
    </message>
    <message>
        <source>Mineral Yield</source>
        <translation>Mineralausbeute</translation>
    </message>
    <message>
        <source>Yield/Progress Watch</source>
        <translation>Ausbeute/Fortschritt</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>Close Timer</source>
        <translation>Timer schließen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation>Nicht benutzt</translation>
    </message>
    <message>
        <source>Mr Tandel&apos;s Quasar Website</source>
        <translation>Mr Tandels Quasar-Website</translation>
    </message>
    <message>
        <source>Add Timer</source>
        <translation>Timer hinzufügen</translation>
    </message>
    <message>
        <source>Remove Timer</source>
        <translation>Timer entfernen</translation>
    </message>
    <message>
        <source>Buttonize</source>
        <translation>Als Kachel</translation>
    </message>
    <message>
        <source>Station: (Select or enter a new station name)</source>
        <translation>Station: (wählen oder neuen Namen eingeben)</translation>
    </message>
    <message>
        <source>Controls:</source>
        <translation>Timer:</translation>
    </message>
    <message>
        <source>Time to Mine:</source>
        <translation>Abbauzeit:</translation>
    </message>
    <message>
        <source>Select Ore Type:</source>
        <translation>Erzsorte wählen:</translation>
    </message>
    <message>
        <source>Enter number of ore units...</source>
        <translation>Anzahl Erzeinheiten eingeben...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Save Station Profile</source>
        <translation>Stationsprofil speichern</translation>
    </message>
    <message>
        <source>Delete Station Profile</source>
        <translation>Stationsprofil löschen</translation>
    </message>
    <message>
        <source>Then mouse over the basic ore types on the right</source>
        <translation>Dann mit der Maus auf die Erzsorten rechts</translation>
    </message>
    <message>
        <source>Approximate Isk From Refined Ore</source>
        <translation>Ungefähre ISK aus raffiniertem Erz</translation>
    </message>
    <message>
        <source>Refinery: &quot;NOT USED&quot;</source>
        <translation>Raffinerie: &quot;UNBENUTZT&quot;</translation>
    </message>
    <message>
        <source>Enable to include Refinery/Skills into calculations</source>
        <translation>Raffinerie und Skills in die Rechnung einbeziehen</translation>
    </message>
    <message>
        <source>yld/min &quot;NOT USED&quot;</source>
        <translation>Ausb./Min &quot;UNBENUTZT&quot;</translation>
    </message>
    <message>
        <source>Enable to compare Mineral Yield per Minute</source>
        <translation>Mineralausbeute pro Minute vergleichen</translation>
    </message>
    <message>
        <source>CargoHold</source>
        <translation>Frachtraum</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Max m3 of Mining Vessel&apos;s Cargo Hold</source>
        <translation>Höchstens m3 im Frachtraum des Bergbauschiffs</translation>
    </message>
    <message>
        <source>Cargo Hold</source>
        <translation>Frachtraum</translation>
    </message>
    <message>
        <source>Capacity (m3)</source>
        <translation>Kapazität (m3)</translation>
    </message>
    <message>
        <source>STOP MINING!</source>
        <translation>ABBAU STOPP!</translation>
    </message>
    <message>
        <source>Stop Mining!</source>
        <translation>Abbau stoppen!</translation>
    </message>
    <message>
        <source>Save Settings on Exit</source>
        <translation>Beim Beenden speichern</translation>
    </message>
    <message>
        <source>Timer Settings</source>
        <translation>Timer-Einstellungen</translation>
    </message>
    <message>
        <source>Timer Refresh Rate</source>
        <translation>Aktualisierungsrate</translation>
    </message>
    <message>
        <source>Adjust to slower rate if experiencing timing errors</source>
        <translation>Langsamer stellen, wenn die Timer nachgehen</translation>
    </message>
    <message>
        <source>1/16 Sec.</source>
        <translation>1/16 Sek.</translation>
    </message>
    <message>
        <source>1/4   Sec.</source>
        <translation>1/4   Sek.</translation>
    </message>
    <message>
        <source>1/2   Sec.</source>
        <translation>1/2   Sek.</translation>
    </message>
    <message>
        <source>1 Second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message>
        <source>1/8   Sec.</source>
        <translation>1/8   Sek.</translation>
    </message>
    <message>
        <source>Virtual Refining</source>
        <translation>Virtuelles Raffinieren</translation>
    </message>
    <message>
        <source>Disable if you are having timing problems</source>
        <translation>Abschalten, wenn die Timer nachgehen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>.WAV file Path:</source>
        <translation>Pfad der .WAV-Datei:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Sound File Path</source>
        <translation>Pfad der Tondatei</translation>
    </message>
    <message>
        <source>1-59 Seconds</source>
        <translation>1-59 Sekunden</translation>
    </message>
    <message>
        <source>1-59 Minutes</source>
        <translation>1-59 Minuten</translation>
    </message>
    <message>
        <source>Cycle nearly complete</source>
        <translation>Zyklus fast fertig</translation>
    </message>
    <message>
        <source>Cycle complete</source>
        <translation>Zyklus fertig</translation>
    </message>
    <message>
        <source>Asteroid nearly depleted</source>
        <translation>Asteroid fast leer</translation>
    </message>
    <message>
        <source>Asteroid depleted</source>
        <translation>Asteroid leer</translation>
    </message>
    <message>
        <source>Jetcan reminder</source>
        <translation>Jetcan-Erinnerung</translation>
    </message>
    <message>
        <source>Crystal change reminder</source>
        <translation>Kristallwechsel</translation>
    </message>
    <message>
        <source>Estimated Mineral Yield</source>
        <translation>Geschätzte Mineralausbeute</translation>
    </message>
    <message>
        <source>Ore Mined:</source>
        <translation>Abgebautes Erz:</translation>
    </message>
    <message>
        <source>Refined</source>
        <translation>Raffiniert</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Minerals already refined</source>
        <translation>Bereits raffinierte Mineralien</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Ausbeute</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Refine</source>
        <translation>Raffin.</translation>
    </message>
    <message>
        <source>Reset Mining Mission</source>
        <translation>Abbaumission zurücksetzen</translation>
    </message>
    <message>
        <source>Refine Ore</source>
        <translation>Erz raffinieren</translation>
    </message>
    <message>
        <source>The Fastest Ore Calculator in Quasar</source>
        <translation>Der schnellste Erzrechner in Quasar</translation>
    </message>
    <message>
        <source>&apos;The F.Ore.C.Q.&apos;</source>
        <translation>&apos;Der Erzrechner&apos;</translation>
    </message>
    <message>
        <source>Ore Processing Skill Levels: (Enter 0-5)</source>
        <translation>Erzverarbeitungs-Skills: (0-5 eingeben)</translation>
    </message>
    <message>
        <source>Mouse over ore labels to reference Mineral Yields</source>
        <translation>Maus auf die Erznamen: Mineralausbeute</translation>
    </message>
    <message>
        <source>Click to Lock</source>
        <translation>Klicken zum Festhalten</translation>
    </message>
    <message>
        <source>Selected Ore Type</source>
        <translation>Gewählte Erzsorte</translation>
    </message>
    <message>
        <source>Yield Per Refined Unit</source>
        <translation>Ausbeute je raffinierte Einheit</translation>
    </message>
    <message>
        <source>Mkt. Value</source>
        <translation>Marktwert</translation>
    </message>
    <message>
        <source>Tax:</source>
        <translation>Abg.:</translation>
    </message>
    <message>
        <source>Net yield:</source>
        <translation>Nettoausb.:</translation>
    </message>
    <message>
        <source>Commission:</source>
        <translation>Gebühr:</translation>
    </message>
    <message>
        <source>m3/minute:</source>
        <translation>m3/Minute:</translation>
    </message>
    <message>
        <source>Refinable Units/min:</source>
        <translation>Raff. Einheiten/Min:</translation>
    </message>
    <message>
        <source>isk/min:</source>
        <translation>ISK/Min:</translation>
    </message>
    <message>
        <source>isk/hour:</source>
        <translation>ISK/Std:</translation>
    </message>
    <message>
        <source>Minimum Units to Refine:</source>
        <translation>Mindestmenge:</translation>
    </message>
    <message>
        <source>/sec:</source>
        <translation>/Sek:</translation>
    </message>
    <message>
        <source>Station Tax</source>
        <translation>Stationssteuer</translation>
    </message>
    <message>
        <source>Station Net Yield</source>
        <translation>Nettoausbeute der Station</translation>
    </message>
    <message>
        <source>Station Commission</source>
        <translation>Stationsgebühr</translation>
    </message>
    <message>
        <source>m3 per minute based on your timer settings for the number of timers showing</source>
        <translation>m3 pro Minute nach den Einstellungen der angezeigten Timer</translation>
    </message>
    <message>
        <source>Refinable units per minute</source>
        <translation>Raffinierbare Einheiten pro Minute</translation>
    </message>
    <message>
        <source>Enter Fair Market Value</source>
        <translation>Marktwert eingeben</translation>
    </message>
    <message>
        <source>Units to Refine</source>
        <translation>Einheiten zum Raffinieren</translation>
    </message>
    <message>
        <source>Station Yield</source>
        <translation>Stationsausbeute</translation>
    </message>
    <message>
        <source>Refining Goals</source>
        <translation>Raffinierziele</translation>
    </message>
    <message>
        <source>Next Roid Type</source>
        <translation>Nächster Roid</translation>
    </message>
    <message>
        <source>Units of Ore</source>
        <translation>Erzeinheiten</translation>
    </message>
    <message>
        <source>Current Roid</source>
        <translation>Akt. Roid</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Mining Rate</source>
        <translation>Abbaurate</translation>
    </message>
    <message>
        <source>Cycle Duration</source>
        <translation>Zyklusdauer</translation>
    </message>
    <message>
        <source>Ore</source>
        <translation>Erz</translation>
    </message>
    <message>
        <source>Depleted</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Time left in cycle</source>
        <translation>Restzeit im Zyklus</translation>
    </message>
    <message>
        <source>Time to deplete</source>
        <translation>Zeit bis leer</translation>
    </message>
    <message>
        <source>Double Down Laser</source>
        <translation>Einen Laser weniger</translation>
    </message>
    <message>
        <source>Number of focused lasers</source>
        <translation>Anzahl gebündelter Laser</translation>
    </message>
    <message>
        <source>Double Up Laser</source>
        <translation>Einen Laser mehr</translation>
    </message>
    <message>
        <source>From laser Info</source>
        <translation>Aus der Laser-Info</translation>
    </message>
    <message>
        <source>Start Jetcan Timer</source>
        <translation>Jetcan-Timer starten</translation>
    </message>
    <message>
        <source>Jetcan age</source>
        <translation>Alter der Jetcan</translation>
    </message>
    <message>
        <source>Jetcan Name</source>
        <translation>Name der Jetcan</translation>
    </message>
    <message>
        <source>Number of Timers</source>
        <translation>Anzahl Timer</translation>
    </message>
    <message>
        <source>Orebell</source>
        <translation>Orebell</translation>
    </message>
    <message>
        <source>Enter the cargo hold&apos;s capacity: a number of m3 above 0</source>
        <translation>Kapazität des Frachtraums eingeben: m3 über 0</translation>
    </message>
    <message>
        <source>Original Size: %1</source>
        <translation>Ursprüngliche Größe: %1</translation>
    </message>
    <message>
        <source>Start laser first</source>
        <translation>Erst den Laser starten</translation>
    </message>
    <message>
        <source>Double click to clear</source>
        <translation>Doppelklick zum Leeren</translation>
    </message>
    <message>
        <source>Stop Timer</source>
        <translation>Timer anhalten</translation>
    </message>
    <message>
        <source>Reset Timer</source>
        <translation>Timer zurücksetzen</translation>
    </message>
    <message>
        <source>Refined minerals/min.</source>
        <translation>Raff. Mineralien/Min.</translation>
    </message>
    <message>
        <source>Rate Not Set</source>
        <translation>Rate fehlt</translation>
    </message>
    <message>
        <source>Double click to Unlock</source>
        <translation>Doppelklick zum Lösen</translation>
    </message>
    <message>
        <source>Enter a number of ore units...</source>
        <translation>Anzahl Erzeinheiten eingeben...</translation>
    </message>
    <message>
        <source>Base Yield per %1 ore units = %2</source>
        <translation>Grundausbeute je %1 Erzeinheiten = %2</translation>
    </message>
    <message>
        <source>%1 units of %2 do not fill one batch of %3 units; they refine to nothing</source>
        <translation>%1 Einheiten %2 füllen keine Charge von %3 Einheiten; sie ergeben nichts</translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batch of %4 units</source>
        <translation>%1 Einheiten %2 ergeben %3 Charge von %4 Einheiten</translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batches of %4 units</source>
        <translation>%1 Einheiten %2 ergeben %3 Chargen von %4 Einheiten</translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batch of %4 units, %5 left over</source>
        <translation>%1 Einheiten %2 ergeben %3 Charge von %4 Einheiten, %5 bleiben übrig</translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batches of %4 units, %5 left over</source>
        <translation>%1 Einheiten %2 ergeben %3 Chargen von %4 Einheiten, %5 bleiben übrig</translation>
    </message>
    <message>
        <source>%1: %2 = %3 isk</source>
        <translation>%1: %2 = %3 ISK</translation>
    </message>
    <message>
        <source>%1 Ore units</source>
        <translation>%1 Erzeinheiten</translation>
    </message>
    <message>
        <source>Select .WAV file for %1</source>
        <translation>.WAV-Datei für %1</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Laser %1 %2</source>
        <translation>Laser %1 %2</translation>
    </message>
    <message>
        <source>Jet can %1 %2</source>
        <translation>Jetcan %1 %2</translation>
    </message>
    <message>
        <source>%1 browse</source>
        <translation>%1 durchsuchen</translation>
    </message>
    <message>
        <source>%1 sound file path</source>
        <translation>%1 Pfad der Tondatei</translation>
    </message>
    <message>
        <source>%1 delay</source>
        <translation>%1 Vorlauf</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>ore type</source>
        <translation>Erzsorte</translation>
    </message>
    <message>
        <source>units of ore</source>
        <translation>Erzeinheiten</translation>
    </message>
    <message>
        <source>mining rate</source>
        <translation>Abbaurate</translation>
    </message>
    <message>
        <source>cycle duration</source>
        <translation>Zyklusdauer</translation>
    </message>
    <message>
        <source>ore</source>
        <translation>Erz</translation>
    </message>
    <message>
        <source>ore left</source>
        <translation>verbleibendes Erz</translation>
    </message>
    <message>
        <source>depletion</source>
        <translation>Abbaufortschritt</translation>
    </message>
    <message>
        <source>time left in cycle</source>
        <translation>Restzeit im Zyklus</translation>
    </message>
    <message>
        <source>time to deplete</source>
        <translation>Zeit bis leer</translation>
    </message>
    <message>
        <source>double up</source>
        <translation>ein Laser mehr</translation>
    </message>
    <message>
        <source>double down</source>
        <translation>ein Laser weniger</translation>
    </message>
    <message>
        <source>focused lasers</source>
        <translation>gebündelte Laser</translation>
    </message>
    <message>
        <source>age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>browse</source>
        <translation>durchsuchen</translation>
    </message>
    <message>
        <source>sound file path</source>
        <translation>Pfad der Tondatei</translation>
    </message>
    <message>
        <source>delay</source>
        <translation>Vorlauf</translation>
    </message>
    <message>
        <source>Laser %1: lasers can only be added or removed while Mining Rate is a number of m3 above 0.</source>
        <translation>Laser %1: Laser können nur hinzugefügt oder entfernt werden, solange die Abbaurate eine Zahl von m3 über 0 ist.</translation>
    </message>
    <message>
        <source>Laser %1 %2:</source>
        <translation>Laser %1 %2:</translation>
    </message>
    <message>
        <source>was not started</source>
        <translation>wurde nicht gestartet</translation>
    </message>
    <message>
        <source>Units of Ore must be a number above 0.</source>
        <translation>Erzeinheiten muss eine Zahl über 0 sein.</translation>
    </message>
    <message>
        <source>Choose the asteroid&apos;s ore in the ore list.</source>
        <translation>Wählen Sie das Erz des Asteroiden in der Erzliste.</translation>
    </message>
    <message>
        <source>Mining Rate must be a number of m3 above 0.</source>
        <translation>Die Abbaurate muss eine Zahl von m3 über 0 sein.</translation>
    </message>
    <message>
        <source>Cycle Duration must be a number of seconds above 0.</source>
        <translation>Die Zyklusdauer muss eine Zahl von Sekunden über 0 sein.</translation>
    </message>
    <message>
        <source>Units of Ore is too large.</source>
        <translation>Erzeinheiten ist zu groß.</translation>
    </message>
    <message>
        <source>Mining Rate is too large.</source>
        <translation>Die Abbaurate ist zu groß.</translation>
    </message>
    <message>
        <source>Cycle Duration is too long.</source>
        <translation>Die Zyklusdauer ist zu lang.</translation>
    </message>
    <message>
        <source>Mining Rate is out of range for this ore.</source>
        <translation>Die Abbaurate liegt für dieses Erz außerhalb des Bereichs.</translation>
    </message>
    <message>
        <source>Cycle Duration is out of range for this Mining Rate.</source>
        <translation>Die Zyklusdauer liegt für diese Abbaurate außerhalb des Bereichs.</translation>
    </message>
    <message>
        <source>Units of Ore would take too long to mine at this Mining Rate.</source>
        <translation>Die Erzeinheiten bräuchten bei dieser Abbaurate zu lange.</translation>
    </message>
    <message>
        <source>%1 is empty. Enter %2; %3</source>
        <translation>%1: das Feld ist leer. Geben Sie %2 ein; %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not %3. Enter %4; %5</source>
        <translation>%1: &quot;%2&quot; ist %3. Geben Sie %4 ein; %5</translation>
    </message>
    <message>
        <source>the refining figures stay as they were until then.</source>
        <translation>bis dahin bleiben die Raffinierwerte, wie sie waren.</translation>
    </message>
    <message>
        <source>its progress bar stays as it was until then.</source>
        <translation>bis dahin bleibt sein Fortschrittsbalken, wie er war.</translation>
    </message>
    <message>
        <source>The refinery net yield</source>
        <translation>Die Nettoausbeute der Raffinerie</translation>
    </message>
    <message>
        <source>The station commission</source>
        <translation>Die Stationsgebühr</translation>
    </message>
    <message>
        <source>The station tax</source>
        <translation>Die Stationssteuer</translation>
    </message>
    <message>
        <source>The processing skill for %1</source>
        <translation>Der Verarbeitungs-Skill für %1</translation>
    </message>
    <message>
        <source>The market value of %1</source>
        <translation>Der Marktwert von %1</translation>
    </message>
    <message>
        <source>The refined amount of %1</source>
        <translation>Die raffinierte Menge %1</translation>
    </message>
    <message>
        <source>The goal for %1</source>
        <translation>Das Ziel für %1</translation>
    </message>
    <message>
        <source>The number of timers</source>
        <translation>Die Anzahl der Timer</translation>
    </message>
    <message>
        <source>a percentage such as 96.2</source>
        <translation>einen Prozentwert wie 96.2</translation>
    </message>
    <message>
        <source>a percentage such as 5.0</source>
        <translation>einen Prozentwert wie 5.0</translation>
    </message>
    <message>
        <source>a percentage such as 0.0</source>
        <translation>einen Prozentwert wie 0.0</translation>
    </message>
    <message>
        <source>a level from 0 to 5</source>
        <translation>eine Stufe von 0 bis 5</translation>
    </message>
    <message>
        <source>a price in isk, or leave it empty</source>
        <translation>einen Preis in ISK oder nichts</translation>
    </message>
    <message>
        <source>a number of units such as 0</source>
        <translation>eine Zahl von Einheiten wie 0</translation>
    </message>
    <message>
        <source>a number of units, or 0 for no goal</source>
        <translation>eine Zahl von Einheiten oder 0 für kein Ziel</translation>
    </message>
    <message>
        <source>a whole number from 1 to 7</source>
        <translation>eine ganze Zahl von 1 bis 7</translation>
    </message>
    <message>
        <source>a timer count</source>
        <translation>keine Timeranzahl</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>Nothing was refined: the estimated amount of %1 is &quot;%2&quot;, which is not a whole number of units.</source>
        <translation>Nichts wurde raffiniert: die geschätzte Menge %1 ist &quot;%2&quot;, keine ganze Zahl von Einheiten.</translation>
    </message>
    <message>
        <source>Nothing was refined: the refined amount of %1 is &quot;%2&quot;, which is not a whole number of units.</source>
        <translation>Nichts wurde raffiniert: die raffinierte Menge %1 ist &quot;%2&quot;, keine ganze Zahl von Einheiten.</translation>
    </message>
    <message>
        <source>Nothing was refined: the refined amount of %1 would be too large.</source>
        <translation>Nichts wurde raffiniert: die raffinierte Menge %1 würde zu groß.</translation>
    </message>
    <message>
        <source>Orebell could not save your entries and the ore mined.</source>
        <translation>Orebell konnte Ihre Eingaben und das abgebaute Erz nicht speichern.</translation>
    </message>
    <message>
        <source>Close Orebell again to leave without saving.</source>
        <translation>Schließen Sie Orebell noch einmal, um ohne Speichern zu beenden.</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>the ore mined</source>
        <translation>das abgebaute Erz</translation>
    </message>
    <message>
        <source>the window&apos;s entries</source>
        <translation>die Eingaben des Fensters</translation>
    </message>
    <message>
        <source>the window position</source>
        <translation>die Fensterposition</translation>
    </message>
    <message>
        <source>the settings store could not be written</source>
        <translation>die Einstellungen konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Orebell&apos;s settings were damaged and have been repaired.</source>
        <translation>Die Einstellungen von Orebell waren beschädigt und wurden repariert.</translation>
    </message>
    <message>
        <source>Orebell&apos;s settings were damaged and have been repaired; the damaged file is kept as %1.</source>
        <translation>Die Einstellungen von Orebell waren beschädigt und wurden repariert; die beschädigte Datei bleibt als %1 erhalten.</translation>
    </message>
    <message>
        <source>Please check the ore mined and your entries.</source>
        <translation>Bitte prüfen Sie das abgebaute Erz und Ihre Eingaben.</translation>
    </message>
    <message>
        <source>Rows of the ore mined stood under a damaged name and were recovered: %1.</source>
        <translation>Zeilen des abgebauten Erzes standen unter einem beschädigten Namen und wurden gerettet: %1.</translation>
    </message>
    <message>
        <source>The stored number format did not fit the stored numbers: they were read as they were written.</source>
        <translation>Das gespeicherte Zahlenformat passte nicht zu den gespeicherten Zahlen: sie wurden gelesen, wie sie geschrieben wurden.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and could not be rewritten.</source>
        <translation>Die Einstellungsdatei %1 ist beschädigt und konnte nicht neu geschrieben werden.</translation>
    </message>
    <message>
        <source>The settings could not be written to the registry key %1.</source>
        <translation>Die Einstellungen konnten nicht in den Registrierungsschlüssel %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>the section [%1] of the settings file</source>
        <translation>den Abschnitt [%1] der Einstellungsdatei</translation>
    </message>
    <message>
        <source>the section [%1] of the settings file %2</source>
        <translation>den Abschnitt [%1] der Einstellungsdatei %2</translation>
    </message>
    <message>
        <source>the registry key HKEY_CURRENT_USER\Software\VB and VBA Program Settings\%1\%2</source>
        <translation>den Registrierungsschlüssel HKEY_CURRENT_USER\Software\VB and VBA Program Settings\%1\%2</translation>
    </message>
    <message>
        <source>These global keys are off:</source>
        <translation>Diese globalen Tasten sind aus:</translation>
    </message>
    <message>
        <source>Change them in %1, with Orebell closed.</source>
        <translation>Ändern Sie sie in %1, während Orebell geschlossen ist.</translation>
    </message>
    <message>
        <source>%1 is not a key</source>
        <translation>%1 ist keine Taste</translation>
    </message>
    <message>
        <source>%1 is more than one key</source>
        <translation>%1 ist mehr als eine Taste</translation>
    </message>
    <message>
        <source>%1 is a modifier or lock key alone</source>
        <translation>%1 ist nur eine Umschalt- oder Feststelltaste</translation>
    </message>
    <message>
        <source>%1 needs Ctrl, Alt or Meta</source>
        <translation>%1 braucht Strg, Alt oder Meta</translation>
    </message>
    <message>
        <source>%1 belongs to the desktop</source>
        <translation>%1 gehört dem Desktop</translation>
    </message>
    <message>
        <source>%1: %2 is already the key of %3</source>
        <translation>%1: %2 ist schon die Taste von %3</translation>
    </message>
    <message>
        <source>%1: %2 is not on this keyboard</source>
        <translation>%1: %2 gibt es auf dieser Tastatur nicht</translation>
    </message>
    <message>
        <source>%1: %2 is the same key as another on this keyboard</source>
        <translation>%1: %2 ist auf dieser Tastatur dieselbe Taste wie eine andere</translation>
    </message>
    <message>
        <source>%1: %2 is taken by another program</source>
        <translation>%1: %2 gehört einem anderen Programm</translation>
    </message>
    <message>
        <source>%1: %2 could not be grabbed</source>
        <translation>%1: %2 konnte nicht belegt werden</translation>
    </message>
    <message>
        <source>%1: %2 could not be grabbed (%3)</source>
        <translation>%1: %2 konnte nicht belegt werden (%3)</translation>
    </message>
    <message>
        <source>global keys are not available on this system</source>
        <translation>globale Tasten gibt es auf diesem System nicht</translation>
    </message>
    <message>
        <source>%1 unavailable: a part of the program could not be loaded (%2). Reinstalling Orebell should mend it; everything else works as usual.</source>
        <translation>%1 nicht verfügbar: ein Teil des Programms konnte nicht geladen werden (%2). Eine Neuinstallation von Orebell sollte das beheben; alles andere funktioniert wie gewohnt.</translation>
    </message>
    <message>
        <source>Sound is</source>
        <translation>Ton ist</translation>
    </message>
    <message>
        <source>The mining log is</source>
        <translation>Das Abbauprotokoll ist</translation>
    </message>
    <message>
        <source>The mining log window is</source>
        <translation>Das Fenster des Abbauprotokolls ist</translation>
    </message>
    <message>
        <source>Trips are not kept in this run.</source>
        <translation>Fahrten werden in diesem Lauf nicht festgehalten.</translation>
    </message>
    <message>
        <source>The mining log could not be used (%1).</source>
        <translation>Das Abbauprotokoll konnte nicht benutzt werden (%1).</translation>
    </message>
    <message>
        <source>It was moved to %1 and a new log was started.</source>
        <translation>Es wurde nach %1 verschoben und ein neues Protokoll begonnen.</translation>
    </message>
    <message>
        <source>The mining log in %1 cannot be written now (%2).</source>
        <translation>Das Abbauprotokoll in %1 kann jetzt nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>The trips of this session are kept in %1 and go into the log as soon as it can take them.</source>
        <translation>Die Fahrten dieser Sitzung werden in %1 aufbewahrt und kommen ins Protokoll, sobald es sie aufnehmen kann.</translation>
    </message>
    <message>
        <source>The trips waiting for it cannot be kept in %1 either (%2).</source>
        <translation>Die wartenden Fahrten können auch nicht in %1 aufbewahrt werden (%2).</translation>
    </message>
    <message>
        <source>They wait in memory; if Orebell closes before the log can take them, they are lost.</source>
        <translation>Sie warten im Speicher; schließt Orebell, bevor das Protokoll sie aufnehmen kann, gehen sie verloren.</translation>
    </message>
    <message>
        <source>The mining log in %1 is left as it is: %2.</source>
        <translation>Das Abbauprotokoll in %1 bleibt, wie es ist: %2.</translation>
    </message>
    <message>
        <source>Trips of this session are not recorded.</source>
        <translation>Fahrten dieser Sitzung werden nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>%1 trip(s) could not be written to the mining log in %2 nor kept in %3 (%4).</source>
        <translation>%1 Fahrt(en) konnten weder ins Abbauprotokoll in %2 geschrieben noch in %3 aufbewahrt werden (%4).</translation>
    </message>
    <message>
        <source>Orebell tries once more as it closes; what the log cannot take then is lost.</source>
        <translation>Orebell versucht es beim Schließen noch einmal; was das Protokoll dann nicht aufnehmen kann, geht verloren.</translation>
    </message>
    <message>
        <source>The trips waiting for the mining log in %1 could not be read (%2).</source>
        <translation>Die wartenden Fahrten für das Abbauprotokoll in %1 konnten nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The file was moved to %1; none of its trips was added to the log.</source>
        <translation>Die Datei wurde nach %1 verschoben; keine ihrer Fahrten kam ins Protokoll.</translation>
    </message>
    <message>
        <source>The trips waiting for the mining log in %1 could not be read (%2), and the file could not be moved aside. It is left as it is.</source>
        <translation>Die wartenden Fahrten für das Abbauprotokoll in %1 konnten nicht gelesen werden (%2), und die Datei konnte nicht beiseitegelegt werden. Sie bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation>die Datei oder ihr Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>another program holds the file</source>
        <translation>ein anderes Programm hält die Datei</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>a read or write error: %1</source>
        <translation>ein Lese- oder Schreibfehler: %1</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>%1; it is left where it is for now</source>
        <translation>%1; sie bleibt vorerst, wo sie ist</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>ihr Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is missing (Debian package libqt6sql6-sqlite)</source>
        <translation>der SQLite-Treiber von Qt fehlt (Debian-Paket libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>it cannot use a write-ahead journal</source>
        <translation>sie kann kein Write-Ahead-Journal benutzen</translation>
    </message>
    <message>
        <source>it was written by a newer Orebell, or one this Orebell does not know (log version %1)</source>
        <translation>sie stammt von einem neueren oder unbekannten Orebell (Protokollversion %1)</translation>
    </message>
    <message>
        <source>it holds tables that are not a mining log</source>
        <translation>sie enthält Tabellen, die kein Abbauprotokoll sind</translation>
    </message>
    <message>
        <source>its integrity check failed: %1</source>
        <translation>ihre Integritätsprüfung schlug fehl: %1</translation>
    </message>
    <message>
        <source>a damaged file is in its place</source>
        <translation>an ihrer Stelle liegt eine beschädigte Datei</translation>
    </message>
    <message>
        <source>another copy of Orebell holds it</source>
        <translation>eine andere Orebell-Kopie hält sie</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>ihr Ordner ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>ihre Sperrdatei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it is not a file of waiting trips</source>
        <translation>sie ist keine Datei wartender Fahrten</translation>
    </message>
    <message>
        <source>its checksum does not match</source>
        <translation>ihre Prüfsumme stimmt nicht</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>sie kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>trip %1 in it cannot be read</source>
        <translation>Fahrt %1 darin kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>sie kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is a file of the system, not a place for an export</source>
        <translation>sie ist eine Systemdatei, kein Ort für einen Export</translation>
    </message>
    <message>
        <source>The mining log was not exported to %1: %2</source>
        <translation>Das Abbauprotokoll wurde nicht nach %1 exportiert: %2</translation>
    </message>
    <message>
        <source>an export is still under way</source>
        <translation>ein Export läuft noch</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch Null</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
    <message>
        <source>Error Number:%1</source>
        <translation>Fehlernummer:%1</translation>
    </message>
    <message>
        <source>Description :%1</source>
        <translation>Beschreibung:%1</translation>
    </message>
    <message>
        <source>Function    : %1</source>
        <translation>Funktion    : %1</translation>
    </message>
    <message>
        <source>Line        :%1</source>
        <translation>Zeile       :%1</translation>
    </message>
    <message>
        <source>Orebell is already running with these settings (%1) but does not answer.</source>
        <translation>Orebell läuft schon mit diesen Einstellungen (%1), antwortet aber nicht.</translation>
    </message>
    <message>
        <source>This copy ends. Close the other copy, or end its process, and start Orebell again.</source>
        <translation>Diese Kopie endet. Schließen Sie die andere Kopie oder beenden Sie ihren Prozess, und starten Sie Orebell erneut.</translation>
    </message>
    <message>
        <source>Ore Name</source>
        <translation>Erz</translation>
    </message>
    <message>
        <source>Units Mined</source>
        <translation>Abgebaut</translation>
    </message>
    <message>
        <source>R/Units</source>
        <translation>Charge</translation>
    </message>
</context>
<context>
    <name>SoundChooser</name>
    <message>
        <source>Orebell – choose a sound file</source>
        <translation>Orebell – Tondatei wählen</translation>
    </message>
</context>
</TS>
