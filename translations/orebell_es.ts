<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Qt platform plugin: xcb (X11, XWayland), wayland, offscreen</source>
        <translation>Complemento de plataforma de Qt: xcb (X11, XWayland), wayland, offscreen</translation>
    </message>
    <message>
        <source>Folder to load platform plugins from</source>
        <translation>Carpeta de los complementos de plataforma</translation>
    </message>
    <message>
        <source>Platform theme plugin</source>
        <translation>Complemento de tema de la plataforma</translation>
    </message>
    <message>
        <source>Further plugin to load (input devices)</source>
        <translation>Otro complemento (dispositivos de entrada)</translation>
    </message>
    <message>
        <source>Geometry of the first window (WxH+X+Y)</source>
        <translation>Geometría de la primera ventana (AnxAl+X+Y)</translation>
    </message>
    <message>
        <source>Icon of the windows</source>
        <translation>Icono de las ventanas</translation>
    </message>
    <message>
        <source>Title of the first window</source>
        <translation>Título de la primera ventana</translation>
    </message>
    <message>
        <source>Session to restore</source>
        <translation>Sesión a restaurar</translation>
    </message>
    <message>
        <source>X11 display to connect to (xcb only)</source>
        <translation>Pantalla X11 a la que conectar (solo xcb)</translation>
    </message>
    <message>
        <source>Application name for the X resources (xcb only)</source>
        <translation>Nombre de aplicación para los recursos X (solo xcb)</translation>
    </message>
    <message>
        <source>Title of the first window (xcb only)</source>
        <translation>Título de la primera ventana (solo xcb)</translation>
    </message>
    <message>
        <source>True-colour visual on an 8-bit display (xcb only)</source>
        <translation>Visual de color verdadero en una pantalla de 8 bits (solo xcb)</translation>
    </message>
    <message>
        <source>Geometry of the first window (xcb only)</source>
        <translation>Geometría de la primera ventana (solo xcb)</translation>
    </message>
    <message>
        <source>Widget style</source>
        <translation>Estilo de los widgets</translation>
    </message>
    <message>
        <source>Qt style sheet to apply</source>
        <translation>Hoja de estilo de Qt a aplicar</translation>
    </message>
    <message>
        <source>xp or none: native or Qt dialogs (windows only)</source>
        <translation>xp o none: diálogos nativos o de Qt (solo Windows)</translation>
    </message>
    <message>
        <source>freetype or native font engine (windows only)</source>
        <translation>motor de fuentes freetype o nativo (solo Windows)</translation>
    </message>
    <message>
        <source>Lay the window out right to left</source>
        <translation>Disponer la ventana de derecha a izquierda</translation>
    </message>
    <message>
        <source>Print the number of widgets left at exit</source>
        <translation>Mostrar al salir el número de widgets restantes</translation>
    </message>
    <message>
        <source>Never grab the mouse or keyboard</source>
        <translation>No capturar nunca el ratón ni el teclado</translation>
    </message>
    <message>
        <source>Grab even when running under a debugger</source>
        <translation>Capturar incluso bajo un depurador</translation>
    </message>
    <message>
        <source>Talk to the X server synchronously (xcb only, for debugging)</source>
        <translation>Hablar con el servidor X de forma síncrona (solo xcb, para depurar)</translation>
    </message>
    <message>
        <source>Qt options (taken by Qt&apos;s window system before the program starts):</source>
        <translation>Opciones de Qt (las lee el sistema de ventanas de Qt antes de iniciar el programa):</translation>
    </message>
    <message>
        <source>Mining-laser timers, jet-can clocks, a cargo monitor and refining estimates
in a small window that stays on top of the game.</source>
        <translation>Temporizadores de láseres mineros, relojes de jetcans, control de la bodega y estimaciones
de refinado en una ventana pequeña que queda encima del juego.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>Language of the window: %1 (the desktop&apos;s by default; the key Language in the section [Language] of the settings keeps a choice).</source>
        <translation>Idioma de la ventana: %1 (el del escritorio por defecto; la clave Language de la sección [Language] de los ajustes guarda una elección).</translation>
    </message>
</context>
<context>
    <name>MiningLog</name>
    <message>
        <source>Isk per hour</source>
        <translation>ISK por hora</translation>
    </message>
    <message>
        <source>Units per day</source>
        <translation>Unidades por día</translation>
    </message>
    <message>
        <source>Isk per hour of mining, last %1 trips</source>
        <translation>ISK por hora de minería, últimos %1 viajes</translation>
    </message>
    <message>
        <source>Ended trips</source>
        <translation>Viajes terminados</translation>
    </message>
    <message>
        <source>Trip in progress: %1 isk/h so far</source>
        <translation>Viaje en curso: %1 ISK/h hasta ahora</translation>
    </message>
    <message>
        <source>Trip %1, ended %2: %3 isk/h</source>
        <translation>Viaje %1, terminado el %2: %3 ISK/h</translation>
    </message>
    <message>
        <source>Units mined per day, last %1 days</source>
        <translation>Unidades extraídas por día, últimos %1 días</translation>
    </message>
    <message>
        <source>%1, %2: %3 units</source>
        <translation>%1, %2: %3 unidades</translation>
    </message>
    <message>
        <source>Trip in progress</source>
        <translation>Viaje en curso</translation>
    </message>
    <message>
        <source>Export mining log</source>
        <translation>Exportar registro de minería</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>an export is still under way</source>
        <translation>todavía hay una exportación en curso</translation>
    </message>
    <message>
        <source>Exporting the mining log...</source>
        <translation>Exportando el registro de minería...</translation>
    </message>
    <message>
        <source>Exporting %1 trips of the mining log...</source>
        <translation>Exportando %1 viajes del registro de minería...</translation>
    </message>
    <message>
        <source>Mining log	F2</source>
        <translation>Registro de minería	F2</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>En curso</translation>
    </message>
    <message>
        <source>Refine</source>
        <translation>Refinado</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reinicio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cierre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%2 %3 &amp;middot; %4 units&lt;br&gt;%5 isk &amp;middot; %6 isk/h&lt;br&gt;%7 mining</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%2 %3 &amp;middot; %4 unidades&lt;br&gt;%5 ISK &amp;middot; %6 ISK/h&lt;br&gt;%7 de minería</translation>
    </message>
    <message>
        <source>trip</source>
        <translation>viaje</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>viajes</translation>
    </message>
    <message>
        <source>Mining log</source>
        <translation>Registro de minería</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exportar CSV...</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Últimos 7 días</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Desde siempre</translation>
    </message>
    <message>
        <source>The mining log was not exported to %1: %2</source>
        <translation>El registro de minería no se exportó a %1: %2</translation>
    </message>
    <message>
        <source>Exported %1 %2 to %3</source>
        <translation>%1 %2 exportados a %3</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Mining</source>
        <translation>Minería</translation>
    </message>
    <message>
        <source>Ores</source>
        <translation>Minerales</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>Ciclos</translation>
    </message>
    <message>
        <source>Mined out</source>
        <translation>Agotados</translation>
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
        <translation>Fin por</translation>
    </message>
</context>
<context>
    <name>Orebell</name>
    <message>
        <source>Click to change color</source>
        <translation>Clic para cambiar el color</translation>
    </message>
    <message>
        <source>Use a Scanner to get this value</source>
        <translation>Valor que da un escáner</translation>
    </message>
    <message>
        <source>Minerals Mined From Ore</source>
        <translation>Minerales obtenidos del mineral</translation>
    </message>
    <message>
        <source>Lasers have pulled this much ore</source>
        <translation>Mineral extraído por los láseres</translation>
    </message>
    <message>
        <source>...then mouse over the basic ore types on the right --&gt;</source>
        <translation>...luego pase el ratón por los minerales de la derecha --&gt;</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Temporizadores</translation>
    </message>
    <message>
        <source>The F.Ore.C.Q .</source>
        <translation>La calculadora de mineral</translation>
    </message>
    <message>
        <source>Mineral Yield</source>
        <translation>Rendimiento de minerales</translation>
    </message>
    <message>
        <source>Yield/Progress Watch</source>
        <translation>Rendimiento/progreso</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Close Timer</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation>Sin uso</translation>
    </message>
    <message>
        <source>Mr Tandel&apos;s Quasar Website</source>
        <translation>Web de Quasar de Mr Tandel</translation>
    </message>
    <message>
        <source>Add Timer</source>
        <translation>Añadir temporizador</translation>
    </message>
    <message>
        <source>Remove Timer</source>
        <translation>Quitar temporizador</translation>
    </message>
    <message>
        <source>Buttonize</source>
        <translation>Reducir a icono</translation>
    </message>
    <message>
        <source>Station: (Select or enter a new station name)</source>
        <translation>Estación: (elija o escriba un nombre)</translation>
    </message>
    <message>
        <source>Controls:</source>
        <translation>Láseres:</translation>
    </message>
    <message>
        <source>Time to Mine:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Select Ore Type:</source>
        <translation>Mineral:</translation>
    </message>
    <message>
        <source>Enter number of ore units...</source>
        <translation>Unidades de mineral...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Save Station Profile</source>
        <translation>Guardar perfil de estación</translation>
    </message>
    <message>
        <source>Delete Station Profile</source>
        <translation>Borrar perfil de estación</translation>
    </message>
    <message>
        <source>Then mouse over the basic ore types on the right</source>
        <translation>Luego pase el ratón por los minerales de la derecha</translation>
    </message>
    <message>
        <source>Approximate Isk From Refined Ore</source>
        <translation>ISK aproximados del mineral refinado</translation>
    </message>
    <message>
        <source>Refinery: &quot;NOT USED&quot;</source>
        <translation>Refinería: &quot;SIN USO&quot;</translation>
    </message>
    <message>
        <source>Enable to include Refinery/Skills into calculations</source>
        <translation>Incluir refinería y habilidades en los cálculos</translation>
    </message>
    <message>
        <source>yld/min &quot;NOT USED&quot;</source>
        <translation>rend/min &quot;SIN USO&quot;</translation>
    </message>
    <message>
        <source>Enable to compare Mineral Yield per Minute</source>
        <translation>Comparar el rendimiento de minerales por minuto</translation>
    </message>
    <message>
        <source>CargoHold</source>
        <translation>Bodega</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Vigilar</translation>
    </message>
    <message>
        <source>Max m3 of Mining Vessel&apos;s Cargo Hold</source>
        <translation>Capacidad en m3 de la bodega de la nave minera</translation>
    </message>
    <message>
        <source>Cargo Hold</source>
        <translation>Bodega</translation>
    </message>
    <message>
        <source>Capacity (m3)</source>
        <translation>Capacidad (m3)</translation>
    </message>
    <message>
        <source>STOP MINING!</source>
        <translation>¡PARE!</translation>
    </message>
    <message>
        <source>Stop Mining!</source>
        <translation>¡Deje de minar!</translation>
    </message>
    <message>
        <source>Save Settings on Exit</source>
        <translation>Guardar al salir</translation>
    </message>
    <message>
        <source>Timer Settings</source>
        <translation>Ajustes de temporizadores</translation>
    </message>
    <message>
        <source>Timer Refresh Rate</source>
        <translation>Frecuencia de refresco</translation>
    </message>
    <message>
        <source>Adjust to slower rate if experiencing timing errors</source>
        <translation>Más lento si los temporizadores se retrasan</translation>
    </message>
    <message>
        <source>1/16 Sec.</source>
        <translation>1/16 s</translation>
    </message>
    <message>
        <source>1/4   Sec.</source>
        <translation>1/4   s</translation>
    </message>
    <message>
        <source>1/2   Sec.</source>
        <translation>1/2   s</translation>
    </message>
    <message>
        <source>1 Second</source>
        <translation>1 segundo</translation>
    </message>
    <message>
        <source>1/8   Sec.</source>
        <translation>1/8   s</translation>
    </message>
    <message>
        <source>Virtual Refining</source>
        <translation>Refinado virtual</translation>
    </message>
    <message>
        <source>Disable if you are having timing problems</source>
        <translation>Desactivar si los temporizadores se retrasan</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>.WAV file Path:</source>
        <translation>Archivo .WAV:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Sound File Path</source>
        <translation>Ruta del archivo de sonido</translation>
    </message>
    <message>
        <source>1-59 Seconds</source>
        <translation>1-59 segundos</translation>
    </message>
    <message>
        <source>1-59 Minutes</source>
        <translation>1-59 minutos</translation>
    </message>
    <message>
        <source>Cycle nearly complete</source>
        <translation>Ciclo casi acabado</translation>
    </message>
    <message>
        <source>Cycle complete</source>
        <translation>Ciclo acabado</translation>
    </message>
    <message>
        <source>Asteroid nearly depleted</source>
        <translation>Asteroide casi agotado</translation>
    </message>
    <message>
        <source>Asteroid depleted</source>
        <translation>Asteroide agotado</translation>
    </message>
    <message>
        <source>Jetcan reminder</source>
        <translation>Aviso de jetcan</translation>
    </message>
    <message>
        <source>Crystal change reminder</source>
        <translation>Cambio de cristal</translation>
    </message>
    <message>
        <source>Estimated Mineral Yield</source>
        <translation>Rendimiento estimado de minerales</translation>
    </message>
    <message>
        <source>Ore Mined:</source>
        <translation>Mineral extraído:</translation>
    </message>
    <message>
        <source>Refined</source>
        <translation>Refinado</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Minerals already refined</source>
        <translation>Minerales ya refinados</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Rend.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Refine</source>
        <translation>Refinar</translation>
    </message>
    <message>
        <source>Reset Mining Mission</source>
        <translation>Reiniciar la misión minera</translation>
    </message>
    <message>
        <source>Refine Ore</source>
        <translation>Refinar mineral</translation>
    </message>
    <message>
        <source>The Fastest Ore Calculator in Quasar</source>
        <translation>La calculadora de mineral más rápida de Quasar</translation>
    </message>
    <message>
        <source>&apos;The F.Ore.C.Q.&apos;</source>
        <translation>&apos;La calculadora de mineral&apos;</translation>
    </message>
    <message>
        <source>Ore Processing Skill Levels: (Enter 0-5)</source>
        <translation>Habilidades de procesado: (de 0 a 5)</translation>
    </message>
    <message>
        <source>Mouse over ore labels to reference Mineral Yields</source>
        <translation>Pase el ratón por un mineral para ver sus minerales</translation>
    </message>
    <message>
        <source>Click to Lock</source>
        <translation>Clic para fijar</translation>
    </message>
    <message>
        <source>Selected Ore Type</source>
        <translation>Mineral elegido</translation>
    </message>
    <message>
        <source>Yield Per Refined Unit</source>
        <translation>Rendimiento por unidad refinada</translation>
    </message>
    <message>
        <source>Mkt. Value</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Tax:</source>
        <translation>Tasa:</translation>
    </message>
    <message>
        <source>Net yield:</source>
        <translation>Rend. neto:</translation>
    </message>
    <message>
        <source>Commission:</source>
        <translation>Comisión:</translation>
    </message>
    <message>
        <source>m3/minute:</source>
        <translation>m3/minuto:</translation>
    </message>
    <message>
        <source>Refinable Units/min:</source>
        <translation>Unid. refinables/min:</translation>
    </message>
    <message>
        <source>isk/min:</source>
        <translation>ISK/min:</translation>
    </message>
    <message>
        <source>isk/hour:</source>
        <translation>ISK/hora:</translation>
    </message>
    <message>
        <source>Minimum Units to Refine:</source>
        <translation>Mínimo para refinar:</translation>
    </message>
    <message>
        <source>/sec:</source>
        <translation>/s:</translation>
    </message>
    <message>
        <source>Station Tax</source>
        <translation>Impuesto de la estación</translation>
    </message>
    <message>
        <source>Station Net Yield</source>
        <translation>Rendimiento neto de la estación</translation>
    </message>
    <message>
        <source>Station Commission</source>
        <translation>Comisión de la estación</translation>
    </message>
    <message>
        <source>m3 per minute based on your timer settings for the number of timers showing</source>
        <translation>m3 por minuto según los ajustes de los temporizadores visibles</translation>
    </message>
    <message>
        <source>Refinable units per minute</source>
        <translation>Unidades refinables por minuto</translation>
    </message>
    <message>
        <source>Enter Fair Market Value</source>
        <translation>Escriba el precio de mercado</translation>
    </message>
    <message>
        <source>Units to Refine</source>
        <translation>Unidades a refinar</translation>
    </message>
    <message>
        <source>Station Yield</source>
        <translation>Rendimiento de la estación</translation>
    </message>
    <message>
        <source>Refining Goals</source>
        <translation>Metas</translation>
    </message>
    <message>
        <source>Next Roid Type</source>
        <translation>Siguiente roid</translation>
    </message>
    <message>
        <source>Units of Ore</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Current Roid</source>
        <translation>Roid actual</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Temporiz.</translation>
    </message>
    <message>
        <source>Mining Rate</source>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>Cycle Duration</source>
        <translation>Ciclo</translation>
    </message>
    <message>
        <source>Ore</source>
        <translation>Mineral</translation>
    </message>
    <message>
        <source>Depleted</source>
        <translation>Agotado</translation>
    </message>
    <message>
        <source>Time left in cycle</source>
        <translation>Tiempo restante del ciclo</translation>
    </message>
    <message>
        <source>Time to deplete</source>
        <translation>Tiempo hasta agotarse</translation>
    </message>
    <message>
        <source>Double Down Laser</source>
        <translation>Un láser menos</translation>
    </message>
    <message>
        <source>Number of focused lasers</source>
        <translation>Número de láseres agrupados</translation>
    </message>
    <message>
        <source>Double Up Laser</source>
        <translation>Un láser más</translation>
    </message>
    <message>
        <source>From laser Info</source>
        <translation>Ver la info del láser</translation>
    </message>
    <message>
        <source>Start Jetcan Timer</source>
        <translation>Iniciar temporizador del jetcan</translation>
    </message>
    <message>
        <source>Jetcan age</source>
        <translation>Edad del jetcan</translation>
    </message>
    <message>
        <source>Jetcan Name</source>
        <translation>Nombre del jetcan</translation>
    </message>
    <message>
        <source>Number of Timers</source>
        <translation>Número de temporizadores</translation>
    </message>
    <message>
        <source>Orebell</source>
        <translation>Orebell</translation>
    </message>
    <message>
        <source>Enter the cargo hold&apos;s capacity: a number of m3 above 0</source>
        <translation>Escriba la capacidad de la bodega: un número de m3 mayor que 0</translation>
    </message>
    <message>
        <source>Original Size: %1</source>
        <translation>Tamaño original: %1</translation>
    </message>
    <message>
        <source>Start laser first</source>
        <translation>Inicie antes el láser</translation>
    </message>
    <message>
        <source>Double click to clear</source>
        <translation>Doble clic para vaciar</translation>
    </message>
    <message>
        <source>Stop Timer</source>
        <translation>Detener temporizador</translation>
    </message>
    <message>
        <source>Reset Timer</source>
        <translation>Reiniciar temporizador</translation>
    </message>
    <message>
        <source>Refined minerals/min.</source>
        <translation>Minerales ref./min</translation>
    </message>
    <message>
        <source>Rate Not Set</source>
        <translation>Sin ritmo</translation>
    </message>
    <message>
        <source>Double click to Unlock</source>
        <translation>Doble clic para soltar</translation>
    </message>
    <message>
        <source>Enter a number of ore units...</source>
        <translation>Unidades de mineral...</translation>
    </message>
    <message>
        <source>Base Yield per %1 ore units = %2</source>
        <translation>Rendimiento base por %1 unidades = %2</translation>
    </message>
    <message>
        <source>%1 units of %2 do not fill one batch of %3 units; they refine to nothing</source>
        <translation>%1 unidades de %2 no llenan un lote de %3 unidades; no dan nada</translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batch of %4 units</source>
        <translation>%1 unidades de %2 dan %3 lote de %4 unidades</translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batches of %4 units</source>
        <translation>%1 unidades de %2 dan %3 lotes de %4 unidades</translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batch of %4 units, %5 left over</source>
        <translation>%1 unidades de %2 dan %3 lote de %4 unidades, sobran %5</translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batches of %4 units, %5 left over</source>
        <translation>%1 unidades de %2 dan %3 lotes de %4 unidades, sobran %5</translation>
    </message>
    <message>
        <source>%1: %2 = %3 isk</source>
        <translation>%1: %2 = %3 ISK</translation>
    </message>
    <message>
        <source>%1 Ore units</source>
        <translation>%1 unidades</translation>
    </message>
    <message>
        <source>Select .WAV file for %1</source>
        <translation>Archivo .WAV para %1</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Laser %1 %2</source>
        <translation>Láser %1 %2</translation>
    </message>
    <message>
        <source>Jet can %1 %2</source>
        <translation>Jetcan %1 %2</translation>
    </message>
    <message>
        <source>%1 browse</source>
        <translation>%1 examinar</translation>
    </message>
    <message>
        <source>%1 sound file path</source>
        <translation>%1 ruta del archivo de sonido</translation>
    </message>
    <message>
        <source>%1 delay</source>
        <translation>%1 antelación</translation>
    </message>
    <message>
        <source>start</source>
        <translation>iniciar</translation>
    </message>
    <message>
        <source>ore type</source>
        <translation>mineral</translation>
    </message>
    <message>
        <source>units of ore</source>
        <translation>unidades de mineral</translation>
    </message>
    <message>
        <source>mining rate</source>
        <translation>ritmo de extracción</translation>
    </message>
    <message>
        <source>cycle duration</source>
        <translation>duración del ciclo</translation>
    </message>
    <message>
        <source>ore</source>
        <translation>mineral</translation>
    </message>
    <message>
        <source>ore left</source>
        <translation>mineral restante</translation>
    </message>
    <message>
        <source>depletion</source>
        <translation>agotamiento</translation>
    </message>
    <message>
        <source>time left in cycle</source>
        <translation>tiempo restante del ciclo</translation>
    </message>
    <message>
        <source>time to deplete</source>
        <translation>tiempo hasta agotarse</translation>
    </message>
    <message>
        <source>double up</source>
        <translation>un láser más</translation>
    </message>
    <message>
        <source>double down</source>
        <translation>un láser menos</translation>
    </message>
    <message>
        <source>focused lasers</source>
        <translation>láseres agrupados</translation>
    </message>
    <message>
        <source>age</source>
        <translation>edad</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>browse</source>
        <translation>examinar</translation>
    </message>
    <message>
        <source>sound file path</source>
        <translation>ruta del archivo de sonido</translation>
    </message>
    <message>
        <source>delay</source>
        <translation>antelación</translation>
    </message>
    <message>
        <source>Laser %1: lasers can only be added or removed while Mining Rate is a number of m3 above 0.</source>
        <translation>Láser %1: solo se pueden añadir o quitar láseres si el ritmo es un número de m3 mayor que 0.</translation>
    </message>
    <message>
        <source>Laser %1 %2:</source>
        <translation>Láser %1 %2:</translation>
    </message>
    <message>
        <source>was not started</source>
        <translation>no se inició</translation>
    </message>
    <message>
        <source>Units of Ore must be a number above 0.</source>
        <translation>Las unidades de mineral deben ser un número mayor que 0.</translation>
    </message>
    <message>
        <source>Choose the asteroid&apos;s ore in the ore list.</source>
        <translation>Elija el mineral del asteroide en la lista.</translation>
    </message>
    <message>
        <source>Mining Rate must be a number of m3 above 0.</source>
        <translation>El ritmo debe ser un número de m3 mayor que 0.</translation>
    </message>
    <message>
        <source>Cycle Duration must be a number of seconds above 0.</source>
        <translation>La duración del ciclo debe ser un número de segundos mayor que 0.</translation>
    </message>
    <message>
        <source>Units of Ore is too large.</source>
        <translation>Las unidades de mineral son demasiadas.</translation>
    </message>
    <message>
        <source>Mining Rate is too large.</source>
        <translation>El ritmo es demasiado grande.</translation>
    </message>
    <message>
        <source>Cycle Duration is too long.</source>
        <translation>La duración del ciclo es demasiado larga.</translation>
    </message>
    <message>
        <source>Mining Rate is out of range for this ore.</source>
        <translation>El ritmo está fuera de rango para este mineral.</translation>
    </message>
    <message>
        <source>Cycle Duration is out of range for this Mining Rate.</source>
        <translation>La duración del ciclo está fuera de rango para este ritmo.</translation>
    </message>
    <message>
        <source>Units of Ore would take too long to mine at this Mining Rate.</source>
        <translation>Esas unidades tardarían demasiado a este ritmo.</translation>
    </message>
    <message>
        <source>%1 is empty. Enter %2; %3</source>
        <translation>%1: el campo está vacío. Escriba %2; %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not %3. Enter %4; %5</source>
        <translation>%1: &quot;%2&quot; no es %3. Escriba %4; %5</translation>
    </message>
    <message>
        <source>the refining figures stay as they were until then.</source>
        <translation>hasta entonces, las cifras de refinado no cambian.</translation>
    </message>
    <message>
        <source>its progress bar stays as it was until then.</source>
        <translation>hasta entonces, su barra de progreso no cambia.</translation>
    </message>
    <message>
        <source>The refinery net yield</source>
        <translation>El rendimiento neto de la refinería</translation>
    </message>
    <message>
        <source>The station commission</source>
        <translation>La comisión de la estación</translation>
    </message>
    <message>
        <source>The station tax</source>
        <translation>El impuesto de la estación</translation>
    </message>
    <message>
        <source>The processing skill for %1</source>
        <translation>La habilidad de procesado de %1</translation>
    </message>
    <message>
        <source>The market value of %1</source>
        <translation>El precio de mercado de %1</translation>
    </message>
    <message>
        <source>The refined amount of %1</source>
        <translation>La cantidad refinada de %1</translation>
    </message>
    <message>
        <source>The goal for %1</source>
        <translation>La meta de %1</translation>
    </message>
    <message>
        <source>The number of timers</source>
        <translation>El número de temporizadores</translation>
    </message>
    <message>
        <source>a percentage such as 96.2</source>
        <translation>un porcentaje como 96.2</translation>
    </message>
    <message>
        <source>a percentage such as 5.0</source>
        <translation>un porcentaje como 5.0</translation>
    </message>
    <message>
        <source>a percentage such as 0.0</source>
        <translation>un porcentaje como 0.0</translation>
    </message>
    <message>
        <source>a level from 0 to 5</source>
        <translation>un nivel de 0 a 5</translation>
    </message>
    <message>
        <source>a price in isk, or leave it empty</source>
        <translation>un precio en ISK, o nada</translation>
    </message>
    <message>
        <source>a number of units such as 0</source>
        <translation>un número de unidades como 0</translation>
    </message>
    <message>
        <source>a number of units, or 0 for no goal</source>
        <translation>un número de unidades, o 0 sin meta</translation>
    </message>
    <message>
        <source>a whole number from 1 to 7</source>
        <translation>un número entero de 1 a 7</translation>
    </message>
    <message>
        <source>a timer count</source>
        <translation>un número de temporizadores</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un número</translation>
    </message>
    <message>
        <source>Nothing was refined: the estimated amount of %1 is &quot;%2&quot;, which is not a whole number of units.</source>
        <translation>No se refinó nada: la cantidad estimada de %1 es &quot;%2&quot;, que no es un número entero de unidades.</translation>
    </message>
    <message>
        <source>Nothing was refined: the refined amount of %1 is &quot;%2&quot;, which is not a whole number of units.</source>
        <translation>No se refinó nada: la cantidad refinada de %1 es &quot;%2&quot;, que no es un número entero de unidades.</translation>
    </message>
    <message>
        <source>Nothing was refined: the refined amount of %1 would be too large.</source>
        <translation>No se refinó nada: la cantidad refinada de %1 sería demasiado grande.</translation>
    </message>
    <message>
        <source>Orebell could not save your entries and the ore mined.</source>
        <translation>Orebell no pudo guardar sus datos ni el mineral extraído.</translation>
    </message>
    <message>
        <source>Close Orebell again to leave without saving.</source>
        <translation>Cierre Orebell otra vez para salir sin guardar.</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Sin guardar: %1</translation>
    </message>
    <message>
        <source>the ore mined</source>
        <translation>el mineral extraído</translation>
    </message>
    <message>
        <source>the window&apos;s entries</source>
        <translation>los datos de la ventana</translation>
    </message>
    <message>
        <source>the window position</source>
        <translation>la posición de la ventana</translation>
    </message>
    <message>
        <source>the settings store could not be written</source>
        <translation>no se pudieron escribir los ajustes</translation>
    </message>
    <message>
        <source>Orebell&apos;s settings were damaged and have been repaired.</source>
        <translation>Los ajustes de Orebell estaban dañados y se han reparado.</translation>
    </message>
    <message>
        <source>Orebell&apos;s settings were damaged and have been repaired; the damaged file is kept as %1.</source>
        <translation>Los ajustes de Orebell estaban dañados y se han reparado; el archivo dañado se guarda como %1.</translation>
    </message>
    <message>
        <source>Please check the ore mined and your entries.</source>
        <translation>Revise el mineral extraído y sus datos.</translation>
    </message>
    <message>
        <source>Rows of the ore mined stood under a damaged name and were recovered: %1.</source>
        <translation>Había filas del mineral extraído bajo un nombre dañado y se recuperaron: %1.</translation>
    </message>
    <message>
        <source>The stored number format did not fit the stored numbers: they were read as they were written.</source>
        <translation>El formato de números guardado no encajaba con los números: se leyeron tal como se escribieron.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written.</source>
        <translation>No se pudo escribir el archivo de ajustes %1.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and could not be rewritten.</source>
        <translation>El archivo de ajustes %1 está dañado y no se pudo reescribir.</translation>
    </message>
    <message>
        <source>The settings could not be written to the registry key %1.</source>
        <translation>No se pudieron escribir los ajustes en la clave del registro %1.</translation>
    </message>
    <message>
        <source>the section [%1] of the settings file</source>
        <translation>la sección [%1] del archivo de ajustes</translation>
    </message>
    <message>
        <source>the section [%1] of the settings file %2</source>
        <translation>la sección [%1] del archivo de ajustes %2</translation>
    </message>
    <message>
        <source>the registry key HKEY_CURRENT_USER\Software\VB and VBA Program Settings\%1\%2</source>
        <translation>la clave del registro HKEY_CURRENT_USER\Software\VB and VBA Program Settings\%1\%2</translation>
    </message>
    <message>
        <source>These global keys are off:</source>
        <translation>Estas teclas globales están desactivadas:</translation>
    </message>
    <message>
        <source>Change them in %1, with Orebell closed.</source>
        <translation>Cámbielas en %1, con Orebell cerrado.</translation>
    </message>
    <message>
        <source>%1 is not a key</source>
        <translation>%1 no es una tecla</translation>
    </message>
    <message>
        <source>%1 is more than one key</source>
        <translation>%1 es más de una tecla</translation>
    </message>
    <message>
        <source>%1 is a modifier or lock key alone</source>
        <translation>%1 es solo un modificador o una tecla de bloqueo</translation>
    </message>
    <message>
        <source>%1 needs Ctrl, Alt or Meta</source>
        <translation>%1 necesita Ctrl, Alt o Meta</translation>
    </message>
    <message>
        <source>%1 belongs to the desktop</source>
        <translation>%1 pertenece al escritorio</translation>
    </message>
    <message>
        <source>%1: %2 is already the key of %3</source>
        <translation>%1: %2 ya es la tecla de %3</translation>
    </message>
    <message>
        <source>%1: %2 is not on this keyboard</source>
        <translation>%1: %2 no existe en este teclado</translation>
    </message>
    <message>
        <source>%1: %2 is the same key as another on this keyboard</source>
        <translation>%1: %2 es la misma tecla que otra en este teclado</translation>
    </message>
    <message>
        <source>%1: %2 is taken by another program</source>
        <translation>%1: %2 la usa otro programa</translation>
    </message>
    <message>
        <source>%1: %2 could not be grabbed</source>
        <translation>%1: %2 no se pudo reservar</translation>
    </message>
    <message>
        <source>%1: %2 could not be grabbed (%3)</source>
        <translation>%1: %2 no se pudo reservar (%3)</translation>
    </message>
    <message>
        <source>global keys are not available on this system</source>
        <translation>las teclas globales no están disponibles en este sistema</translation>
    </message>
    <message>
        <source>%1 unavailable: a part of the program could not be loaded (%2). Reinstalling Orebell should mend it; everything else works as usual.</source>
        <translation>%1 no disponible: no se pudo cargar una parte del programa (%2). Reinstalar Orebell debería arreglarlo; todo lo demás funciona con normalidad.</translation>
    </message>
    <message>
        <source>Sound is</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>The mining log is</source>
        <translation>Registro de minería</translation>
    </message>
    <message>
        <source>The mining log window is</source>
        <translation>Ventana del registro de minería</translation>
    </message>
    <message>
        <source>Trips are not kept in this run.</source>
        <translation>En esta sesión no se guardan los viajes.</translation>
    </message>
    <message>
        <source>The mining log could not be used (%1).</source>
        <translation>No se pudo usar el registro de minería (%1).</translation>
    </message>
    <message>
        <source>It was moved to %1 and a new log was started.</source>
        <translation>Se movió a %1 y se empezó un registro nuevo.</translation>
    </message>
    <message>
        <source>The mining log in %1 cannot be written now (%2).</source>
        <translation>El registro de minería de %1 no se puede escribir ahora (%2).</translation>
    </message>
    <message>
        <source>The trips of this session are kept in %1 and go into the log as soon as it can take them.</source>
        <translation>Los viajes de esta sesión se guardan en %1 y pasarán al registro en cuanto pueda aceptarlos.</translation>
    </message>
    <message>
        <source>The trips waiting for it cannot be kept in %1 either (%2).</source>
        <translation>Los viajes en espera tampoco se pueden guardar en %1 (%2).</translation>
    </message>
    <message>
        <source>They wait in memory; if Orebell closes before the log can take them, they are lost.</source>
        <translation>Esperan en memoria; si Orebell se cierra antes de que el registro los acepte, se pierden.</translation>
    </message>
    <message>
        <source>The mining log in %1 is left as it is: %2.</source>
        <translation>El registro de minería de %1 se deja como está: %2.</translation>
    </message>
    <message>
        <source>Trips of this session are not recorded.</source>
        <translation>Los viajes de esta sesión no se registran.</translation>
    </message>
    <message>
        <source>%1 trip(s) could not be written to the mining log in %2 nor kept in %3 (%4).</source>
        <translation>%1 viaje(s) no se pudieron escribir en el registro de %2 ni guardar en %3 (%4).</translation>
    </message>
    <message>
        <source>Orebell tries once more as it closes; what the log cannot take then is lost.</source>
        <translation>Orebell lo intenta otra vez al cerrarse; lo que el registro no acepte entonces se pierde.</translation>
    </message>
    <message>
        <source>The trips waiting for the mining log in %1 could not be read (%2).</source>
        <translation>No se pudieron leer los viajes en espera del registro de %1 (%2).</translation>
    </message>
    <message>
        <source>The file was moved to %1; none of its trips was added to the log.</source>
        <translation>El archivo se movió a %1; ninguno de sus viajes se añadió al registro.</translation>
    </message>
    <message>
        <source>The trips waiting for the mining log in %1 could not be read (%2), and the file could not be moved aside. It is left as it is.</source>
        <translation>No se pudieron leer los viajes en espera del registro de %1 (%2), y el archivo no se pudo apartar. Se deja como está.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation>el archivo o su carpeta es de solo lectura</translation>
    </message>
    <message>
        <source>another program holds the file</source>
        <translation>otro programa tiene el archivo</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>a read or write error: %1</source>
        <translation>un error de lectura o escritura: %1</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>%1; it is left where it is for now</source>
        <translation>%1; se deja donde está por ahora</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is missing (Debian package libqt6sql6-sqlite)</source>
        <translation>falta el controlador SQLite de Qt (paquete Debian libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>it cannot use a write-ahead journal</source>
        <translation>no puede usar un diario WAL</translation>
    </message>
    <message>
        <source>it was written by a newer Orebell, or one this Orebell does not know (log version %1)</source>
        <translation>lo escribió un Orebell más nuevo o desconocido (versión del registro %1)</translation>
    </message>
    <message>
        <source>it holds tables that are not a mining log</source>
        <translation>contiene tablas que no son un registro de minería</translation>
    </message>
    <message>
        <source>its integrity check failed: %1</source>
        <translation>su comprobación de integridad falló: %1</translation>
    </message>
    <message>
        <source>a damaged file is in its place</source>
        <translation>en su lugar hay un archivo dañado</translation>
    </message>
    <message>
        <source>another copy of Orebell holds it</source>
        <translation>otra copia de Orebell lo tiene</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>no se puede escribir en su carpeta</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>no se puede crear su archivo de bloqueo</translation>
    </message>
    <message>
        <source>it is not a file of waiting trips</source>
        <translation>no es un archivo de viajes en espera</translation>
    </message>
    <message>
        <source>its checksum does not match</source>
        <translation>su suma de control no coincide</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>trip %1 in it cannot be read</source>
        <translation>no se puede leer su viaje %1</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is a file of the system, not a place for an export</source>
        <translation>es un archivo del sistema, no un lugar para exportar</translation>
    </message>
    <message>
        <source>The mining log was not exported to %1: %2</source>
        <translation>El registro de minería no se exportó a %1: %2</translation>
    </message>
    <message>
        <source>an export is still under way</source>
        <translation>todavía hay una exportación en curso</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Llamada a procedimiento o argumento no válidos</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Error interno</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>No se encontró el archivo</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propiedad no válido</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Error definido por la aplicación o el objeto</translation>
    </message>
    <message>
        <source>Error Number:%1</source>
        <translation>Número de error:%1</translation>
    </message>
    <message>
        <source>Description :%1</source>
        <translation>Descripción:%1</translation>
    </message>
    <message>
        <source>Function    : %1</source>
        <translation>Función     : %1</translation>
    </message>
    <message>
        <source>Line        :%1</source>
        <translation>Línea       :%1</translation>
    </message>
    <message>
        <source>Orebell is already running with these settings (%1) but does not answer.</source>
        <translation>Orebell ya se está ejecutando con estos ajustes (%1) pero no responde.</translation>
    </message>
    <message>
        <source>This copy ends. Close the other copy, or end its process, and start Orebell again.</source>
        <translation>Esta copia termina. Cierre la otra copia, o termine su proceso, y vuelva a iniciar Orebell.</translation>
    </message>
    <message>
        <source>Ore Name</source>
        <translation>Mineral</translation>
    </message>
    <message>
        <source>Units Mined</source>
        <translation>Extraído</translation>
    </message>
    <message>
        <source>R/Units</source>
        <translation>Lote</translation>
    </message>
</context>
<context>
    <name>SoundChooser</name>
    <message>
        <source>Orebell – choose a sound file</source>
        <translation>Orebell – elegir un archivo de sonido</translation>
    </message>
</context>
</TS>
