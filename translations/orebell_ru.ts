<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CommandLine</name>
    <message>
        <source>Qt platform plugin: xcb (X11, XWayland), wayland, offscreen</source>
        <translation>Модуль платформы Qt: xcb (X11, XWayland), wayland, offscreen</translation>
    </message>
    <message>
        <source>Folder to load platform plugins from</source>
        <translation>Папка модулей платформы</translation>
    </message>
    <message>
        <source>Platform theme plugin</source>
        <translation>Модуль темы платформы</translation>
    </message>
    <message>
        <source>Further plugin to load (input devices)</source>
        <translation>Дополнительный модуль (устройства ввода)</translation>
    </message>
    <message>
        <source>Geometry of the first window (WxH+X+Y)</source>
        <translation>Геометрия первого окна (ШxВ+X+Y)</translation>
    </message>
    <message>
        <source>Icon of the windows</source>
        <translation>Значок окон</translation>
    </message>
    <message>
        <source>Title of the first window</source>
        <translation>Заголовок первого окна</translation>
    </message>
    <message>
        <source>Session to restore</source>
        <translation>Восстанавливаемый сеанс</translation>
    </message>
    <message>
        <source>X11 display to connect to (xcb only)</source>
        <translation>Дисплей X11 для подключения (только xcb)</translation>
    </message>
    <message>
        <source>Application name for the X resources (xcb only)</source>
        <translation>Имя приложения для ресурсов X (только xcb)</translation>
    </message>
    <message>
        <source>Title of the first window (xcb only)</source>
        <translation>Заголовок первого окна (только xcb)</translation>
    </message>
    <message>
        <source>True-colour visual on an 8-bit display (xcb only)</source>
        <translation>Полноцветный visual на 8-битном дисплее (только xcb)</translation>
    </message>
    <message>
        <source>Geometry of the first window (xcb only)</source>
        <translation>Геометрия первого окна (только xcb)</translation>
    </message>
    <message>
        <source>Widget style</source>
        <translation>Стиль виджетов</translation>
    </message>
    <message>
        <source>Qt style sheet to apply</source>
        <translation>Применяемая таблица стилей Qt</translation>
    </message>
    <message>
        <source>xp or none: native or Qt dialogs (windows only)</source>
        <translation>xp или none: системные диалоги или диалоги Qt (только Windows)</translation>
    </message>
    <message>
        <source>freetype or native font engine (windows only)</source>
        <translation>движок шрифтов freetype или системный (только Windows)</translation>
    </message>
    <message>
        <source>Lay the window out right to left</source>
        <translation>Располагать окно справа налево</translation>
    </message>
    <message>
        <source>Print the number of widgets left at exit</source>
        <translation>Вывести при выходе число оставшихся виджетов</translation>
    </message>
    <message>
        <source>Never grab the mouse or keyboard</source>
        <translation>Никогда не захватывать мышь и клавиатуру</translation>
    </message>
    <message>
        <source>Grab even when running under a debugger</source>
        <translation>Захватывать даже под отладчиком</translation>
    </message>
    <message>
        <source>Talk to the X server synchronously (xcb only, for debugging)</source>
        <translation>Работать с X-сервером синхронно (только xcb, для отладки)</translation>
    </message>
    <message>
        <source>Qt options (taken by Qt&apos;s window system before the program starts):</source>
        <translation>Параметры Qt (их читает оконная система Qt до запуска программы):</translation>
    </message>
    <message>
        <source>Mining-laser timers, jet-can clocks, a cargo monitor and refining estimates
in a small window that stays on top of the game.</source>
        <translation>Таймеры добывающих лазеров, часы джетканов, контроль трюма и расчёт переработки
в маленьком окне поверх игры.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Использование: %1 [параметры]</translation>
    </message>
    <message>
        <source>Language of the window: %1 (the desktop&apos;s by default; the key Language in the section [Language] of the settings keeps a choice).</source>
        <translation>Язык окна: %1 (по умолчанию — язык рабочего стола; ключ Language в разделе [Language] настроек хранит выбор).</translation>
    </message>
</context>
<context>
    <name>MiningLog</name>
    <message>
        <source>Isk per hour</source>
        <translation>ISK в час</translation>
    </message>
    <message>
        <source>Units per day</source>
        <translation>Единиц в день</translation>
    </message>
    <message>
        <source>Isk per hour of mining, last %1 trips</source>
        <translation>ISK за час добычи, последние вылеты (%1)</translation>
    </message>
    <message>
        <source>Ended trips</source>
        <translation>Завершённые вылеты</translation>
    </message>
    <message>
        <source>Trip in progress: %1 isk/h so far</source>
        <translation>Текущий вылет: пока %1 ISK/ч</translation>
    </message>
    <message>
        <source>Trip %1, ended %2: %3 isk/h</source>
        <translation>Вылет %1, завершён %2: %3 ISK/ч</translation>
    </message>
    <message>
        <source>Units mined per day, last %1 days</source>
        <translation>Добыто единиц в день, последние дни (%1)</translation>
    </message>
    <message>
        <source>%1, %2: %3 units</source>
        <translation>%1, %2: единиц — %3</translation>
    </message>
    <message>
        <source>Trip in progress</source>
        <translation>Текущий вылет</translation>
    </message>
    <message>
        <source>Export mining log</source>
        <translation>Экспорт журнала добычи</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>an export is still under way</source>
        <translation>экспорт ещё идёт</translation>
    </message>
    <message>
        <source>Exporting the mining log...</source>
        <translation>Экспорт журнала добычи...</translation>
    </message>
    <message>
        <source>Exporting %1 trips of the mining log...</source>
        <translation>Экспорт вылетов журнала добычи: %1...</translation>
    </message>
    <message>
        <source>Mining log	F2</source>
        <translation>Журнал добычи	F2</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>Идёт</translation>
    </message>
    <message>
        <source>Refine</source>
        <translation>Перераб.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрытие</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%2 %3 &amp;middot; %4 units&lt;br&gt;%5 isk &amp;middot; %6 isk/h&lt;br&gt;%7 mining</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%3: %2 &amp;middot; единиц: %4&lt;br&gt;%5 ISK &amp;middot; %6 ISK/ч&lt;br&gt;добыча: %7</translation>
    </message>
    <message>
        <source>trip</source>
        <translation>вылетов</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>вылетов</translation>
    </message>
    <message>
        <source>Mining log</source>
        <translation>Журнал добычи</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Экспорт CSV...</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Последние 7 дней</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>За всё время</translation>
    </message>
    <message>
        <source>The mining log was not exported to %1: %2</source>
        <translation>Журнал добычи не экспортирован в %1: %2</translation>
    </message>
    <message>
        <source>Exported %1 %2 to %3</source>
        <translation>Экспортировано в %3 (%2: %1)</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Mining</source>
        <translation>Добыча</translation>
    </message>
    <message>
        <source>Ores</source>
        <translation>Руды</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Единиц</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>Циклы</translation>
    </message>
    <message>
        <source>Mined out</source>
        <translation>Выработано</translation>
    </message>
    <message>
        <source>Isk</source>
        <translation>ISK</translation>
    </message>
    <message>
        <source>Isk/h</source>
        <translation>ISK/ч</translation>
    </message>
    <message>
        <source>Ended by</source>
        <translation>Завершён</translation>
    </message>
</context>
<context>
    <name>Orebell</name>
    <message>
        <source>Click to change color</source>
        <translation>Щёлкните, чтобы сменить цвет</translation>
    </message>
    <message>
        <source>Use a Scanner to get this value</source>
        <translation>Значение даёт сканер</translation>
    </message>
    <message>
        <source>Minerals Mined From Ore</source>
        <translation>Минералы из добытой руды</translation>
    </message>
    <message>
        <source>Lasers have pulled this much ore</source>
        <translation>Столько руды добыли лазеры</translation>
    </message>
    <message>
        <source>...then mouse over the basic ore types on the right --&gt;</source>
        <translation>...затем наведите мышь на руды справа --&gt;</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Таймеры</translation>
    </message>
    <message>
        <source>The F.Ore.C.Q .</source>
        <translation>Калькулятор руды</translation>
    </message>
    <message>
        <source>Mineral Yield</source>
        <translation>Выход минералов</translation>
    </message>
    <message>
        <source>Yield/Progress Watch</source>
        <translation>Выход/прогресс</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>Close Timer</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation>Не используется</translation>
    </message>
    <message>
        <source>Mr Tandel&apos;s Quasar Website</source>
        <translation>Сайт Quasar от Mr Tandel</translation>
    </message>
    <message>
        <source>Add Timer</source>
        <translation>Добавить таймер</translation>
    </message>
    <message>
        <source>Remove Timer</source>
        <translation>Убрать таймер</translation>
    </message>
    <message>
        <source>Buttonize</source>
        <translation>Свернуть в значок</translation>
    </message>
    <message>
        <source>Station: (Select or enter a new station name)</source>
        <translation>Станция: (выберите или введите имя)</translation>
    </message>
    <message>
        <source>Controls:</source>
        <translation>Таймеры:</translation>
    </message>
    <message>
        <source>Time to Mine:</source>
        <translation>Время:</translation>
    </message>
    <message>
        <source>Select Ore Type:</source>
        <translation>Руда:</translation>
    </message>
    <message>
        <source>Enter number of ore units...</source>
        <translation>Число единиц руды...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохр.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удал.</translation>
    </message>
    <message>
        <source>Save Station Profile</source>
        <translation>Сохранить профиль станции</translation>
    </message>
    <message>
        <source>Delete Station Profile</source>
        <translation>Удалить профиль станции</translation>
    </message>
    <message>
        <source>Then mouse over the basic ore types on the right</source>
        <translation>Затем наведите мышь на руды справа</translation>
    </message>
    <message>
        <source>Approximate Isk From Refined Ore</source>
        <translation>Примерно ISK за переработанную руду</translation>
    </message>
    <message>
        <source>Refinery: &quot;NOT USED&quot;</source>
        <translation>Завод: &quot;НЕ ИСП.&quot;</translation>
    </message>
    <message>
        <source>Enable to include Refinery/Skills into calculations</source>
        <translation>Учитывать завод и навыки в расчётах</translation>
    </message>
    <message>
        <source>yld/min &quot;NOT USED&quot;</source>
        <translation>вых/мин &quot;НЕ ИСП.&quot;</translation>
    </message>
    <message>
        <source>Enable to compare Mineral Yield per Minute</source>
        <translation>Сравнивать выход минералов в минуту</translation>
    </message>
    <message>
        <source>CargoHold</source>
        <translation>Трюм</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Следить</translation>
    </message>
    <message>
        <source>Max m3 of Mining Vessel&apos;s Cargo Hold</source>
        <translation>Объём трюма добывающего корабля в м3</translation>
    </message>
    <message>
        <source>Cargo Hold</source>
        <translation>Трюм</translation>
    </message>
    <message>
        <source>Capacity (m3)</source>
        <translation>Объём (м3)</translation>
    </message>
    <message>
        <source>STOP MINING!</source>
        <translation>СТОП!</translation>
    </message>
    <message>
        <source>Stop Mining!</source>
        <translation>Прекратите добычу!</translation>
    </message>
    <message>
        <source>Save Settings on Exit</source>
        <translation>Сохранять при выходе</translation>
    </message>
    <message>
        <source>Timer Settings</source>
        <translation>Настройки таймеров</translation>
    </message>
    <message>
        <source>Timer Refresh Rate</source>
        <translation>Частота обновления</translation>
    </message>
    <message>
        <source>Adjust to slower rate if experiencing timing errors</source>
        <translation>Медленнее, если таймеры отстают</translation>
    </message>
    <message>
        <source>1/16 Sec.</source>
        <translation>1/16 с</translation>
    </message>
    <message>
        <source>1/4   Sec.</source>
        <translation>1/4   с</translation>
    </message>
    <message>
        <source>1/2   Sec.</source>
        <translation>1/2   с</translation>
    </message>
    <message>
        <source>1 Second</source>
        <translation>1 секунда</translation>
    </message>
    <message>
        <source>1/8   Sec.</source>
        <translation>1/8   с</translation>
    </message>
    <message>
        <source>Virtual Refining</source>
        <translation>Вирт. переработка</translation>
    </message>
    <message>
        <source>Disable if you are having timing problems</source>
        <translation>Отключите, если таймеры отстают</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>.WAV file Path:</source>
        <translation>Файл .WAV:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Sound File Path</source>
        <translation>Путь к звуковому файлу</translation>
    </message>
    <message>
        <source>1-59 Seconds</source>
        <translation>1-59 секунд</translation>
    </message>
    <message>
        <source>1-59 Minutes</source>
        <translation>1-59 минут</translation>
    </message>
    <message>
        <source>Cycle nearly complete</source>
        <translation>Цикл почти завершён</translation>
    </message>
    <message>
        <source>Cycle complete</source>
        <translation>Цикл завершён</translation>
    </message>
    <message>
        <source>Asteroid nearly depleted</source>
        <translation>Астероид почти пуст</translation>
    </message>
    <message>
        <source>Asteroid depleted</source>
        <translation>Астероид выработан</translation>
    </message>
    <message>
        <source>Jetcan reminder</source>
        <translation>Срок джеткана</translation>
    </message>
    <message>
        <source>Crystal change reminder</source>
        <translation>Смена кристалла</translation>
    </message>
    <message>
        <source>Estimated Mineral Yield</source>
        <translation>Ожидаемый выход минералов</translation>
    </message>
    <message>
        <source>Ore Mined:</source>
        <translation>Добыто руды:</translation>
    </message>
    <message>
        <source>Refined</source>
        <translation>Перераб.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Прогресс</translation>
    </message>
    <message>
        <source>Minerals already refined</source>
        <translation>Уже переработанные минералы</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Цель</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Refine</source>
        <translation>Перераб.</translation>
    </message>
    <message>
        <source>Reset Mining Mission</source>
        <translation>Сбросить добычу</translation>
    </message>
    <message>
        <source>Refine Ore</source>
        <translation>Переработать руду</translation>
    </message>
    <message>
        <source>The Fastest Ore Calculator in Quasar</source>
        <translation>Самый быстрый калькулятор руды в Quasar</translation>
    </message>
    <message>
        <source>&apos;The F.Ore.C.Q.&apos;</source>
        <translation>&apos;Калькулятор руды&apos;</translation>
    </message>
    <message>
        <source>Ore Processing Skill Levels: (Enter 0-5)</source>
        <translation>Навыки переработки руды: (0-5)</translation>
    </message>
    <message>
        <source>Mouse over ore labels to reference Mineral Yields</source>
        <translation>Наведите мышь на руду, чтобы увидеть минералы</translation>
    </message>
    <message>
        <source>Click to Lock</source>
        <translation>Щёлкните, чтобы закрепить</translation>
    </message>
    <message>
        <source>Selected Ore Type</source>
        <translation>Выбранная руда</translation>
    </message>
    <message>
        <source>Yield Per Refined Unit</source>
        <translation>Выход на единицу переработки</translation>
    </message>
    <message>
        <source>Mkt. Value</source>
        <translation>Цена</translation>
    </message>
    <message>
        <source>Tax:</source>
        <translation>Налог</translation>
    </message>
    <message>
        <source>Net yield:</source>
        <translation>Выход:</translation>
    </message>
    <message>
        <source>Commission:</source>
        <translation>Сбор:</translation>
    </message>
    <message>
        <source>m3/minute:</source>
        <translation>м3/мин:</translation>
    </message>
    <message>
        <source>Refinable Units/min:</source>
        <translation>Партий/мин:</translation>
    </message>
    <message>
        <source>isk/min:</source>
        <translation>ISK/мин:</translation>
    </message>
    <message>
        <source>isk/hour:</source>
        <translation>ISK/час:</translation>
    </message>
    <message>
        <source>Minimum Units to Refine:</source>
        <translation>Мин. на переработку:</translation>
    </message>
    <message>
        <source>/sec:</source>
        <translation>/с:</translation>
    </message>
    <message>
        <source>Station Tax</source>
        <translation>Налог станции</translation>
    </message>
    <message>
        <source>Station Net Yield</source>
        <translation>Чистый выход станции</translation>
    </message>
    <message>
        <source>Station Commission</source>
        <translation>Сбор станции</translation>
    </message>
    <message>
        <source>m3 per minute based on your timer settings for the number of timers showing</source>
        <translation>м3 в минуту по настройкам показанных таймеров</translation>
    </message>
    <message>
        <source>Refinable units per minute</source>
        <translation>Партий переработки в минуту</translation>
    </message>
    <message>
        <source>Enter Fair Market Value</source>
        <translation>Введите рыночную цену</translation>
    </message>
    <message>
        <source>Units to Refine</source>
        <translation>Единиц на переработку</translation>
    </message>
    <message>
        <source>Station Yield</source>
        <translation>Выход станции</translation>
    </message>
    <message>
        <source>Refining Goals</source>
        <translation>Цели</translation>
    </message>
    <message>
        <source>Next Roid Type</source>
        <translation>След. астероид</translation>
    </message>
    <message>
        <source>Units of Ore</source>
        <translation>Единиц руды</translation>
    </message>
    <message>
        <source>Current Roid</source>
        <translation>Астероид</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Таймеры</translation>
    </message>
    <message>
        <source>Mining Rate</source>
        <translation>Добыча</translation>
    </message>
    <message>
        <source>Cycle Duration</source>
        <translation>Цикл, с</translation>
    </message>
    <message>
        <source>Ore</source>
        <translation>Руда</translation>
    </message>
    <message>
        <source>Depleted</source>
        <translation>Пусто</translation>
    </message>
    <message>
        <source>Time left in cycle</source>
        <translation>Осталось до конца цикла</translation>
    </message>
    <message>
        <source>Time to deplete</source>
        <translation>Время до выработки</translation>
    </message>
    <message>
        <source>Double Down Laser</source>
        <translation>На лазер меньше</translation>
    </message>
    <message>
        <source>Number of focused lasers</source>
        <translation>Число лазеров на астероиде</translation>
    </message>
    <message>
        <source>Double Up Laser</source>
        <translation>На лазер больше</translation>
    </message>
    <message>
        <source>From laser Info</source>
        <translation>Из сведений о лазере</translation>
    </message>
    <message>
        <source>Start Jetcan Timer</source>
        <translation>Запустить таймер джеткана</translation>
    </message>
    <message>
        <source>Jetcan age</source>
        <translation>Возраст джеткана</translation>
    </message>
    <message>
        <source>Jetcan Name</source>
        <translation>Имя джеткана</translation>
    </message>
    <message>
        <source>Number of Timers</source>
        <translation>Число таймеров</translation>
    </message>
    <message>
        <source>Orebell</source>
        <translation>Orebell</translation>
    </message>
    <message>
        <source>Enter the cargo hold&apos;s capacity: a number of m3 above 0</source>
        <translation>Введите объём трюма: число м3 больше 0</translation>
    </message>
    <message>
        <source>Original Size: %1</source>
        <translation>Исходный размер: %1</translation>
    </message>
    <message>
        <source>Start laser first</source>
        <translation>Сначала запустите лазер</translation>
    </message>
    <message>
        <source>Double click to clear</source>
        <translation>Двойной щелчок — очистить</translation>
    </message>
    <message>
        <source>Stop Timer</source>
        <translation>Остановить таймер</translation>
    </message>
    <message>
        <source>Reset Timer</source>
        <translation>Сбросить таймер</translation>
    </message>
    <message>
        <source>Refined minerals/min.</source>
        <translation>Минералов/мин</translation>
    </message>
    <message>
        <source>Rate Not Set</source>
        <translation>Нет скорости</translation>
    </message>
    <message>
        <source>Double click to Unlock</source>
        <translation>Двойной щелчок — открепить</translation>
    </message>
    <message>
        <source>Enter a number of ore units...</source>
        <translation>Число единиц руды...</translation>
    </message>
    <message>
        <source>Base Yield per %1 ore units = %2</source>
        <translation>Базовый выход на %1 единиц руды = %2</translation>
    </message>
    <message>
        <source>%1 units of %2 do not fill one batch of %3 units; they refine to nothing</source>
        <translation>%1 единиц %2 не заполняют партию в %3 единиц; переработка ничего не даст</translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batch of %4 units</source>
        <translation>%1 единиц %2 дают партий по %4 единиц: %3</translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batches of %4 units</source>
        <translation>%1 единиц %2 дают партий по %4 единиц: %3</translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batch of %4 units, %5 left over</source>
        <translation>%1 единиц %2 дают партий по %4 единиц: %3, остаток %5</translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batches of %4 units, %5 left over</source>
        <translation>%1 единиц %2 дают партий по %4 единиц: %3, остаток %5</translation>
    </message>
    <message>
        <source>%1: %2 = %3 isk</source>
        <translation>%1: %2 = %3 ISK</translation>
    </message>
    <message>
        <source>%1 Ore units</source>
        <translation>%1 ед. руды</translation>
    </message>
    <message>
        <source>Select .WAV file for %1</source>
        <translation>Файл .WAV: %1</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Laser %1 %2</source>
        <translation>Лазер %1: %2</translation>
    </message>
    <message>
        <source>Jet can %1 %2</source>
        <translation>Джеткан %1: %2</translation>
    </message>
    <message>
        <source>%1 browse</source>
        <translation>%1: обзор</translation>
    </message>
    <message>
        <source>%1 sound file path</source>
        <translation>%1: путь к звуковому файлу</translation>
    </message>
    <message>
        <source>%1 delay</source>
        <translation>%1: упреждение</translation>
    </message>
    <message>
        <source>start</source>
        <translation>запуск</translation>
    </message>
    <message>
        <source>ore type</source>
        <translation>руда</translation>
    </message>
    <message>
        <source>units of ore</source>
        <translation>единиц руды</translation>
    </message>
    <message>
        <source>mining rate</source>
        <translation>добыча за цикл</translation>
    </message>
    <message>
        <source>cycle duration</source>
        <translation>длительность цикла</translation>
    </message>
    <message>
        <source>ore</source>
        <translation>руда</translation>
    </message>
    <message>
        <source>ore left</source>
        <translation>осталось руды</translation>
    </message>
    <message>
        <source>depletion</source>
        <translation>выработка</translation>
    </message>
    <message>
        <source>time left in cycle</source>
        <translation>осталось до конца цикла</translation>
    </message>
    <message>
        <source>time to deplete</source>
        <translation>время до выработки</translation>
    </message>
    <message>
        <source>double up</source>
        <translation>на лазер больше</translation>
    </message>
    <message>
        <source>double down</source>
        <translation>на лазер меньше</translation>
    </message>
    <message>
        <source>focused lasers</source>
        <translation>лазеров на астероиде</translation>
    </message>
    <message>
        <source>age</source>
        <translation>возраст</translation>
    </message>
    <message>
        <source>name</source>
        <translation>имя</translation>
    </message>
    <message>
        <source>browse</source>
        <translation>обзор</translation>
    </message>
    <message>
        <source>sound file path</source>
        <translation>путь к звуковому файлу</translation>
    </message>
    <message>
        <source>delay</source>
        <translation>упреждение</translation>
    </message>
    <message>
        <source>Laser %1: lasers can only be added or removed while Mining Rate is a number of m3 above 0.</source>
        <translation>Лазер %1: добавлять и убирать лазеры можно, только пока добыча за цикл — число м3 больше 0.</translation>
    </message>
    <message>
        <source>Laser %1 %2:</source>
        <translation>Лазер %1 %2:</translation>
    </message>
    <message>
        <source>was not started</source>
        <translation>не запущен</translation>
    </message>
    <message>
        <source>Units of Ore must be a number above 0.</source>
        <translation>Единиц руды должно быть числом больше 0.</translation>
    </message>
    <message>
        <source>Choose the asteroid&apos;s ore in the ore list.</source>
        <translation>Выберите руду астероида в списке.</translation>
    </message>
    <message>
        <source>Mining Rate must be a number of m3 above 0.</source>
        <translation>Добыча за цикл должна быть числом м3 больше 0.</translation>
    </message>
    <message>
        <source>Cycle Duration must be a number of seconds above 0.</source>
        <translation>Длительность цикла должна быть числом секунд больше 0.</translation>
    </message>
    <message>
        <source>Units of Ore is too large.</source>
        <translation>Слишком много единиц руды.</translation>
    </message>
    <message>
        <source>Mining Rate is too large.</source>
        <translation>Слишком большая добыча за цикл.</translation>
    </message>
    <message>
        <source>Cycle Duration is too long.</source>
        <translation>Слишком длинный цикл.</translation>
    </message>
    <message>
        <source>Mining Rate is out of range for this ore.</source>
        <translation>Добыча за цикл вне допустимых пределов для этой руды.</translation>
    </message>
    <message>
        <source>Cycle Duration is out of range for this Mining Rate.</source>
        <translation>Длительность цикла вне допустимых пределов для этой добычи.</translation>
    </message>
    <message>
        <source>Units of Ore would take too long to mine at this Mining Rate.</source>
        <translation>При такой добыче эта руда добывалась бы слишком долго.</translation>
    </message>
    <message>
        <source>%1 is empty. Enter %2; %3</source>
        <translation>%1: поле пусто. Введите %2; %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not %3. Enter %4; %5</source>
        <translation>%1: &quot;%2&quot; — не %3. Введите %4; %5</translation>
    </message>
    <message>
        <source>the refining figures stay as they were until then.</source>
        <translation>до тех пор расчёт переработки не меняется.</translation>
    </message>
    <message>
        <source>its progress bar stays as it was until then.</source>
        <translation>до тех пор его шкала прогресса не меняется.</translation>
    </message>
    <message>
        <source>The refinery net yield</source>
        <translation>Чистый выход завода</translation>
    </message>
    <message>
        <source>The station commission</source>
        <translation>Сбор станции</translation>
    </message>
    <message>
        <source>The station tax</source>
        <translation>Налог станции</translation>
    </message>
    <message>
        <source>The processing skill for %1</source>
        <translation>Навык переработки %1</translation>
    </message>
    <message>
        <source>The market value of %1</source>
        <translation>Рыночная цена %1</translation>
    </message>
    <message>
        <source>The refined amount of %1</source>
        <translation>Переработанное количество %1</translation>
    </message>
    <message>
        <source>The goal for %1</source>
        <translation>Цель для %1</translation>
    </message>
    <message>
        <source>The number of timers</source>
        <translation>Число таймеров</translation>
    </message>
    <message>
        <source>a percentage such as 96.2</source>
        <translation>процент, например 96.2</translation>
    </message>
    <message>
        <source>a percentage such as 5.0</source>
        <translation>процент, например 5.0</translation>
    </message>
    <message>
        <source>a percentage such as 0.0</source>
        <translation>процент, например 0.0</translation>
    </message>
    <message>
        <source>a level from 0 to 5</source>
        <translation>уровень от 0 до 5</translation>
    </message>
    <message>
        <source>a price in isk, or leave it empty</source>
        <translation>цену в ISK или оставьте пустым</translation>
    </message>
    <message>
        <source>a number of units such as 0</source>
        <translation>число единиц, например 0</translation>
    </message>
    <message>
        <source>a number of units, or 0 for no goal</source>
        <translation>число единиц или 0 без цели</translation>
    </message>
    <message>
        <source>a whole number from 1 to 7</source>
        <translation>целое число от 1 до 7</translation>
    </message>
    <message>
        <source>a timer count</source>
        <translation>число таймеров</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>число</translation>
    </message>
    <message>
        <source>Nothing was refined: the estimated amount of %1 is &quot;%2&quot;, which is not a whole number of units.</source>
        <translation>Ничего не переработано: ожидаемое количество %1 — &quot;%2&quot;, это не целое число единиц.</translation>
    </message>
    <message>
        <source>Nothing was refined: the refined amount of %1 is &quot;%2&quot;, which is not a whole number of units.</source>
        <translation>Ничего не переработано: переработанное количество %1 — &quot;%2&quot;, это не целое число единиц.</translation>
    </message>
    <message>
        <source>Nothing was refined: the refined amount of %1 would be too large.</source>
        <translation>Ничего не переработано: переработанное количество %1 стало бы слишком большим.</translation>
    </message>
    <message>
        <source>Orebell could not save your entries and the ore mined.</source>
        <translation>Orebell не смог сохранить ваши данные и добытую руду.</translation>
    </message>
    <message>
        <source>Close Orebell again to leave without saving.</source>
        <translation>Закройте Orebell ещё раз, чтобы выйти без сохранения.</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Не сохранено: %1</translation>
    </message>
    <message>
        <source>the ore mined</source>
        <translation>добытая руда</translation>
    </message>
    <message>
        <source>the window&apos;s entries</source>
        <translation>данные окна</translation>
    </message>
    <message>
        <source>the window position</source>
        <translation>положение окна</translation>
    </message>
    <message>
        <source>the settings store could not be written</source>
        <translation>не удалось записать настройки</translation>
    </message>
    <message>
        <source>Orebell&apos;s settings were damaged and have been repaired.</source>
        <translation>Настройки Orebell были повреждены и восстановлены.</translation>
    </message>
    <message>
        <source>Orebell&apos;s settings were damaged and have been repaired; the damaged file is kept as %1.</source>
        <translation>Настройки Orebell были повреждены и восстановлены; повреждённый файл сохранён как %1.</translation>
    </message>
    <message>
        <source>Please check the ore mined and your entries.</source>
        <translation>Проверьте добытую руду и ваши данные.</translation>
    </message>
    <message>
        <source>Rows of the ore mined stood under a damaged name and were recovered: %1.</source>
        <translation>Строки добытой руды стояли под повреждённым именем и восстановлены: %1.</translation>
    </message>
    <message>
        <source>The stored number format did not fit the stored numbers: they were read as they were written.</source>
        <translation>Сохранённый формат чисел не подошёл к числам: они прочитаны так, как записаны.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written.</source>
        <translation>Не удалось записать файл настроек %1.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and could not be rewritten.</source>
        <translation>Файл настроек %1 повреждён, и его не удалось перезаписать.</translation>
    </message>
    <message>
        <source>The settings could not be written to the registry key %1.</source>
        <translation>Не удалось записать настройки в раздел реестра %1.</translation>
    </message>
    <message>
        <source>the section [%1] of the settings file</source>
        <translation>разделе [%1] файла настроек</translation>
    </message>
    <message>
        <source>the section [%1] of the settings file %2</source>
        <translation>разделе [%1] файла настроек %2</translation>
    </message>
    <message>
        <source>the registry key HKEY_CURRENT_USER\Software\VB and VBA Program Settings\%1\%2</source>
        <translation>разделе реестра HKEY_CURRENT_USER\Software\VB and VBA Program Settings\%1\%2</translation>
    </message>
    <message>
        <source>These global keys are off:</source>
        <translation>Эти глобальные клавиши отключены:</translation>
    </message>
    <message>
        <source>Change them in %1, with Orebell closed.</source>
        <translation>Измените их в %1, закрыв Orebell.</translation>
    </message>
    <message>
        <source>%1 is not a key</source>
        <translation>%1 — не клавиша</translation>
    </message>
    <message>
        <source>%1 is more than one key</source>
        <translation>%1 — больше одной клавиши</translation>
    </message>
    <message>
        <source>%1 is a modifier or lock key alone</source>
        <translation>%1 — только модификатор или клавиша фиксации</translation>
    </message>
    <message>
        <source>%1 needs Ctrl, Alt or Meta</source>
        <translation>%1: нужна Ctrl, Alt или Meta</translation>
    </message>
    <message>
        <source>%1 belongs to the desktop</source>
        <translation>%1 занята рабочим столом</translation>
    </message>
    <message>
        <source>%1: %2 is already the key of %3</source>
        <translation>%1: %2 уже назначена для %3</translation>
    </message>
    <message>
        <source>%1: %2 is not on this keyboard</source>
        <translation>%1: %2 нет на этой клавиатуре</translation>
    </message>
    <message>
        <source>%1: %2 is the same key as another on this keyboard</source>
        <translation>%1: %2 на этой клавиатуре совпадает с другой клавишей</translation>
    </message>
    <message>
        <source>%1: %2 is taken by another program</source>
        <translation>%1: %2 занята другой программой</translation>
    </message>
    <message>
        <source>%1: %2 could not be grabbed</source>
        <translation>%1: %2 не удалось занять</translation>
    </message>
    <message>
        <source>%1: %2 could not be grabbed (%3)</source>
        <translation>%1: %2 не удалось занять (%3)</translation>
    </message>
    <message>
        <source>global keys are not available on this system</source>
        <translation>глобальные клавиши недоступны в этой системе</translation>
    </message>
    <message>
        <source>%1 unavailable: a part of the program could not be loaded (%2). Reinstalling Orebell should mend it; everything else works as usual.</source>
        <translation>%1 недоступен: не удалось загрузить часть программы (%2). Переустановка Orebell должна это исправить; всё остальное работает как обычно.</translation>
    </message>
    <message>
        <source>Sound is</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>The mining log is</source>
        <translation>Журнал добычи</translation>
    </message>
    <message>
        <source>The mining log window is</source>
        <translation>Окно журнала добычи</translation>
    </message>
    <message>
        <source>Trips are not kept in this run.</source>
        <translation>В этом сеансе вылеты не сохраняются.</translation>
    </message>
    <message>
        <source>The mining log could not be used (%1).</source>
        <translation>Журнал добычи нельзя использовать (%1).</translation>
    </message>
    <message>
        <source>It was moved to %1 and a new log was started.</source>
        <translation>Он перемещён в %1, начат новый журнал.</translation>
    </message>
    <message>
        <source>The mining log in %1 cannot be written now (%2).</source>
        <translation>Журнал добычи %1 сейчас нельзя записать (%2).</translation>
    </message>
    <message>
        <source>The trips of this session are kept in %1 and go into the log as soon as it can take them.</source>
        <translation>Вылеты этого сеанса хранятся в %1 и попадут в журнал, как только он сможет их принять.</translation>
    </message>
    <message>
        <source>The trips waiting for it cannot be kept in %1 either (%2).</source>
        <translation>Ждущие вылеты нельзя сохранить и в %1 (%2).</translation>
    </message>
    <message>
        <source>They wait in memory; if Orebell closes before the log can take them, they are lost.</source>
        <translation>Они ждут в памяти; если Orebell закроется раньше, чем журнал их примет, они пропадут.</translation>
    </message>
    <message>
        <source>The mining log in %1 is left as it is: %2.</source>
        <translation>Журнал добычи %1 оставлен как есть: %2.</translation>
    </message>
    <message>
        <source>Trips of this session are not recorded.</source>
        <translation>Вылеты этого сеанса не записываются.</translation>
    </message>
    <message>
        <source>%1 trip(s) could not be written to the mining log in %2 nor kept in %3 (%4).</source>
        <translation>Вылетов, которые не удалось ни записать в журнал %2, ни сохранить в %3: %1 (%4).</translation>
    </message>
    <message>
        <source>Orebell tries once more as it closes; what the log cannot take then is lost.</source>
        <translation>Orebell попробует ещё раз при закрытии; то, что журнал тогда не примет, пропадёт.</translation>
    </message>
    <message>
        <source>The trips waiting for the mining log in %1 could not be read (%2).</source>
        <translation>Не удалось прочитать вылеты, ждущие журнала %1 (%2).</translation>
    </message>
    <message>
        <source>The file was moved to %1; none of its trips was added to the log.</source>
        <translation>Файл перемещён в %1; ни один его вылет не добавлен в журнал.</translation>
    </message>
    <message>
        <source>The trips waiting for the mining log in %1 could not be read (%2), and the file could not be moved aside. It is left as it is.</source>
        <translation>Не удалось прочитать вылеты, ждущие журнала %1 (%2), и файл не удалось отложить. Он оставлен как есть.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation>файл или его папка только для чтения</translation>
    </message>
    <message>
        <source>another program holds the file</source>
        <translation>файл занят другой программой</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>доступ запрещён</translation>
    </message>
    <message>
        <source>a read or write error: %1</source>
        <translation>ошибка чтения или записи: %1</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>неизвестная ошибка</translation>
    </message>
    <message>
        <source>%1; it is left where it is for now</source>
        <translation>%1; пока он остаётся на месте</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>его папку нельзя создать</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is missing (Debian package libqt6sql6-sqlite)</source>
        <translation>нет драйвера SQLite для Qt (пакет Debian libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>it cannot use a write-ahead journal</source>
        <translation>он не может использовать журнал WAL</translation>
    </message>
    <message>
        <source>it was written by a newer Orebell, or one this Orebell does not know (log version %1)</source>
        <translation>он записан более новым или незнакомым Orebell (версия журнала %1)</translation>
    </message>
    <message>
        <source>it holds tables that are not a mining log</source>
        <translation>в нём таблицы, которые не являются журналом добычи</translation>
    </message>
    <message>
        <source>its integrity check failed: %1</source>
        <translation>проверка целостности не прошла: %1</translation>
    </message>
    <message>
        <source>a damaged file is in its place</source>
        <translation>на его месте повреждённый файл</translation>
    </message>
    <message>
        <source>another copy of Orebell holds it</source>
        <translation>его держит другая копия Orebell</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>в его папку нельзя писать</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>нельзя создать его файл блокировки</translation>
    </message>
    <message>
        <source>it is not a file of waiting trips</source>
        <translation>это не файл ждущих вылетов</translation>
    </message>
    <message>
        <source>its checksum does not match</source>
        <translation>контрольная сумма не совпадает</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>его нельзя прочитать: %1</translation>
    </message>
    <message>
        <source>trip %1 in it cannot be read</source>
        <translation>вылет %1 в нём нельзя прочитать</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>его нельзя открыть: %1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it is a file of the system, not a place for an export</source>
        <translation>это системный файл, а не место для экспорта</translation>
    </message>
    <message>
        <source>The mining log was not exported to %1: %2</source>
        <translation>Журнал добычи не экспортирован в %1: %2</translation>
    </message>
    <message>
        <source>an export is still under way</source>
        <translation>экспорт ещё идёт</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Недопустимый вызов процедуры или аргумент</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Индекс вне диапазона</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Деление на ноль</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Несовпадение типов</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Внутренняя ошибка</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Недопустимое значение свойства</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Ошибка, определённая приложением или объектом</translation>
    </message>
    <message>
        <source>Error Number:%1</source>
        <translation>Номер ошибки:%1</translation>
    </message>
    <message>
        <source>Description :%1</source>
        <translation>Описание   :%1</translation>
    </message>
    <message>
        <source>Function    : %1</source>
        <translation>Функция    : %1</translation>
    </message>
    <message>
        <source>Line        :%1</source>
        <translation>Строка      :%1</translation>
    </message>
    <message>
        <source>Orebell is already running with these settings (%1) but does not answer.</source>
        <translation>Orebell уже запущен с этими настройками (%1), но не отвечает.</translation>
    </message>
    <message>
        <source>This copy ends. Close the other copy, or end its process, and start Orebell again.</source>
        <translation>Эта копия завершается. Закройте другую копию или завершите её процесс и запустите Orebell снова.</translation>
    </message>
    <message>
        <source>Ore Name</source>
        <translation>Руда</translation>
    </message>
    <message>
        <source>Units Mined</source>
        <translation>Добыто</translation>
    </message>
    <message>
        <source>R/Units</source>
        <translation>Партия</translation>
    </message>
</context>
<context>
    <name>SoundChooser</name>
    <message>
        <source>Orebell – choose a sound file</source>
        <translation>Orebell – выбор звукового файла</translation>
    </message>
</context>
</TS>
