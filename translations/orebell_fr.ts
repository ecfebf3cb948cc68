<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Qt platform plugin: xcb (X11, XWayland), wayland, offscreen</source>
        <translation>Module de plateforme Qt : xcb (X11, XWayland), wayland, offscreen</translation>
    </message>
    <message>
        <source>Folder to load platform plugins from</source>
        <translation>Dossier des modules de plateforme</translation>
    </message>
    <message>
        <source>Platform theme plugin</source>
        <translation>Module de thème de la plateforme</translation>
    </message>
    <message>
        <source>Further plugin to load (input devices)</source>
        <translation>Module supplémentaire (périphériques d&apos;entrée)</translation>
    </message>
    <message>
        <source>Geometry of the first window (WxH+X+Y)</source>
        <translation>Géométrie de la première fenêtre (LxH+X+Y)</translation>
    </message>
    <message>
        <source>Icon of the windows</source>
        <translation>Icône des fenêtres</translation>
    </message>
    <message>
        <source>Title of the first window</source>
        <translation>Titre de la première fenêtre</translation>
    </message>
    <message>
        <source>Session to restore</source>
        <translation>Session à restaurer</translation>
    </message>
    <message>
        <source>X11 display to connect to (xcb only)</source>
        <translation>Écran X11 auquel se connecter (xcb seulement)</translation>
    </message>
    <message>
        <source>Application name for the X resources (xcb only)</source>
        <translation>Nom d&apos;application pour les ressources X (xcb seulement)</translation>
    </message>
    <message>
        <source>Title of the first window (xcb only)</source>
        <translation>Titre de la première fenêtre (xcb seulement)</translation>
    </message>
    <message>
        <source>True-colour visual on an 8-bit display (xcb only)</source>
        <translation>Visuel en couleurs vraies sur un écran 8 bits (xcb seulement)</translation>
    </message>
    <message>
        <source>Geometry of the first window (xcb only)</source>
        <translation>Géométrie de la première fenêtre (xcb seulement)</translation>
    </message>
    <message>
        <source>Widget style</source>
        <translation>Style des widgets</translation>
    </message>
    <message>
        <source>Qt style sheet to apply</source>
        <translation>Feuille de style Qt à appliquer</translation>
    </message>
    <message>
        <source>xp or none: native or Qt dialogs (windows only)</source>
        <translation>xp ou none : dialogues natifs ou Qt (Windows seulement)</translation>
    </message>
    <message>
        <source>freetype or native font engine (windows only)</source>
        <translation>moteur de polices freetype ou natif (Windows seulement)</translation>
    </message>
    <message>
        <source>Lay the window out right to left</source>
        <translation>Disposer la fenêtre de droite à gauche</translation>
    </message>
    <message>
        <source>Print the number of widgets left at exit</source>
        <translation>Afficher le nombre de widgets restants à la sortie</translation>
    </message>
    <message>
        <source>Never grab the mouse or keyboard</source>
        <translation>Ne jamais capturer la souris ni le clavier</translation>
    </message>
    <message>
        <source>Grab even when running under a debugger</source>
        <translation>Capturer même sous un débogueur</translation>
    </message>
    <message>
        <source>Talk to the X server synchronously (xcb only, for debugging)</source>
        <translation>Parler au serveur X de façon synchrone (xcb seulement, pour le débogage)</translation>
    </message>
    <message>
        <source>Qt options (taken by Qt&apos;s window system before the program starts):</source>
        <translation>Options Qt (lues par le système de fenêtres de Qt avant le démarrage du programme) :</translation>
    </message>
    <message>
        <source>Mining-laser timers, jet-can clocks, a cargo monitor and refining estimates
in a small window that stays on top of the game.</source>
        <translation>Minuteurs de lasers de minage, horloges de jetcans, suivi de la soute et estimations
de raffinage dans une petite fenêtre qui reste au-dessus du jeu.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Usage : %1 [options]</translation>
    </message>
    <message>
        <source>Language of the window: %1 (the desktop&apos;s by default; the key Language in the section [Language] of the settings keeps a choice).</source>
        <translation>Langue de la fenêtre : %1 (celle du bureau par défaut ; la clé Language de la section [Language] des réglages garde un choix).</translation>
    </message>
</context>
<context>
    <name>MiningLog</name>
    <message>
        <source>Isk per hour</source>
        <translation>ISK par heure</translation>
    </message>
    <message>
        <source>Units per day</source>
        <translation>Unités par jour</translation>
    </message>
    <message>
        <source>Isk per hour of mining, last %1 trips</source>
        <translation>ISK par heure de minage, %1 dernières sorties</translation>
    </message>
    <message>
        <source>Ended trips</source>
        <translation>Sorties terminées</translation>
    </message>
    <message>
        <source>Trip in progress: %1 isk/h so far</source>
        <translation>Sortie en cours : %1 ISK/h jusqu&apos;ici</translation>
    </message>
    <message>
        <source>Trip %1, ended %2: %3 isk/h</source>
        <translation>Sortie %1, finie le %2 : %3 ISK/h</translation>
    </message>
    <message>
        <source>Units mined per day, last %1 days</source>
        <translation>Unités extraites par jour, %1 derniers jours</translation>
    </message>
    <message>
        <source>%1, %2: %3 units</source>
        <translation>%1, %2 : %3 unités</translation>
    </message>
    <message>
        <source>Trip in progress</source>
        <translation>Sortie en cours</translation>
    </message>
    <message>
        <source>Export mining log</source>
        <translation>Exporter le journal de minage</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>an export is still under way</source>
        <translation>un export est encore en cours</translation>
    </message>
    <message>
        <source>Exporting the mining log...</source>
        <translation>Export du journal de minage...</translation>
    </message>
    <message>
        <source>Exporting %1 trips of the mining log...</source>
        <translation>Export de %1 sorties du journal de minage...</translation>
    </message>
    <message>
        <source>Mining log	F2</source>
        <translation>Journal de minage	F2</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Refine</source>
        <translation>Raffinage</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Remise à zéro</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermeture</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%2 %3 &amp;middot; %4 units&lt;br&gt;%5 isk &amp;middot; %6 isk/h&lt;br&gt;%7 mining</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%2 %3 &amp;middot; %4 unités&lt;br&gt;%5 ISK &amp;middot; %6 ISK/h&lt;br&gt;%7 de minage</translation>
    </message>
    <message>
        <source>trip</source>
        <translation>sortie</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>sorties</translation>
    </message>
    <message>
        <source>Mining log</source>
        <translation>Journal de minage</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>7 derniers jours</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Depuis toujours</translation>
    </message>
    <message>
        <source>The mining log was not exported to %1: %2</source>
        <translation>Le journal de minage n&apos;a pas été exporté vers %1 : %2</translation>
    </message>
    <message>
        <source>Exported %1 %2 to %3</source>
        <translation>%1 %2 exportées vers %3</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Mining</source>
        <translation>Minage</translation>
    </message>
    <message>
        <source>Ores</source>
        <translation>Minerais</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>Mined out</source>
        <translation>Épuisés</translation>
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
        <translation>Fin par</translation>
    </message>
</context>
<context>
    <name>Orebell</name>
    <message>
        <source>Click to change color</source>
        <translation>Cliquer pour changer la couleur</translation>
    </message>
    <message>
        <source>Use a Scanner to get this value</source>
        <translation>Valeur donnée par un scanner</translation>
    </message>
    <message>
        <source>Minerals Mined From Ore</source>
        <translation>Minéraux tirés du minerai</translation>
    </message>
    <message>
        <source>Lasers have pulled this much ore</source>
        <translation>Minerai extrait par les lasers</translation>
    </message>
    <message>
        <source>...then mouse over the basic ore types on the right --&gt;</source>
        <translation>...puis survolez les minerais de base à droite --&gt;</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Minuteurs</translation>
    </message>
    <message>
        <source>The F.Ore.C.Q .</source>
        <translation>Le calculateur de minerai</translation>
    </message>
    <message>
        <source>Mineral Yield</source>
        <translation>Rendement en minéraux</translation>
    </message>
    <message>
        <source>Yield/Progress Watch</source>
        <translation>Rendement/progression</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Close Timer</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation>Inutilisé</translation>
    </message>
    <message>
        <source>Mr Tandel&apos;s Quasar Website</source>
        <translation>Site Quasar de Mr Tandel</translation>
    </message>
    <message>
        <source>Add Timer</source>
        <translation>Ajouter un minuteur</translation>
    </message>
    <message>
        <source>Remove Timer</source>
        <translation>Retirer un minuteur</translation>
    </message>
    <message>
        <source>Buttonize</source>
        <translation>Réduire en vignette</translation>
    </message>
    <message>
        <source>Station: (Select or enter a new station name)</source>
        <translation>Station : (choisir ou saisir un nom)</translation>
    </message>
    <message>
        <source>Controls:</source>
        <translation>Minuteurs :</translation>
    </message>
    <message>
        <source>Time to Mine:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>Select Ore Type:</source>
        <translation>Minerai :</translation>
    </message>
    <message>
        <source>Enter number of ore units...</source>
        <translation>Nombre d&apos;unités de minerai...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enreg.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr.</translation>
    </message>
    <message>
        <source>Save Station Profile</source>
        <translation>Enregistrer le profil de station</translation>
    </message>
    <message>
        <source>Delete Station Profile</source>
        <translation>Supprimer le profil de station</translation>
    </message>
    <message>
        <source>Then mouse over the basic ore types on the right</source>
        <translation>Puis survolez les minerais de base à droite</translation>
    </message>
    <message>
        <source>Approximate Isk From Refined Ore</source>
        <translation>ISK approximatifs du minerai raffiné</translation>
    </message>
    <message>
        <source>Refinery: &quot;NOT USED&quot;</source>
        <translation>Raffinerie : &quot;INUTILISÉ&quot;</translation>
    </message>
    <message>
        <source>Enable to include Refinery/Skills into calculations</source>
        <translation>Inclure raffinerie et compétences dans les calculs</translation>
    </message>
    <message>
        <source>yld/min &quot;NOT USED&quot;</source>
        <translation>rdt/min &quot;INUTILISÉ&quot;</translation>
    </message>
    <message>
        <source>Enable to compare Mineral Yield per Minute</source>
        <translation>Comparer le rendement en minéraux par minute</translation>
    </message>
    <message>
        <source>CargoHold</source>
        <translation>Soute</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Suivre</translation>
    </message>
    <message>
        <source>Max m3 of Mining Vessel&apos;s Cargo Hold</source>
        <translation>Capacité en m3 de la soute du vaisseau</translation>
    </message>
    <message>
        <source>Cargo Hold</source>
        <translation>Soute</translation>
    </message>
    <message>
        <source>Capacity (m3)</source>
        <translation>Capacité (m3)</translation>
    </message>
    <message>
        <source>STOP MINING!</source>
        <translation>ARRÊTEZ !</translation>
    </message>
    <message>
        <source>Stop Mining!</source>
        <translation>Arrêtez de miner !</translation>
    </message>
    <message>
        <source>Save Settings on Exit</source>
        <translation>Enregistrer en quittant</translation>
    </message>
    <message>
        <source>Timer Settings</source>
        <translation>Réglages des minuteurs</translation>
    </message>
    <message>
        <source>Timer Refresh Rate</source>
        <translation>Fréquence d&apos;affichage</translation>
    </message>
    <message>
        <source>Adjust to slower rate if experiencing timing errors</source>
        <translation>Ralentir si les minuteurs prennent du retard</translation>
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
        <translation>1 seconde</translation>
    </message>
    <message>
        <source>1/8   Sec.</source>
        <translation>1/8   s</translation>
    </message>
    <message>
        <source>Virtual Refining</source>
        <translation>Raffinage virtuel</translation>
    </message>
    <message>
        <source>Disable if you are having timing problems</source>
        <translation>Désactiver si les minuteurs prennent du retard</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>.WAV file Path:</source>
        <translation>Fichier .WAV :</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Sound File Path</source>
        <translation>Chemin du fichier son</translation>
    </message>
    <message>
        <source>1-59 Seconds</source>
        <translation>1-59 secondes</translation>
    </message>
    <message>
        <source>1-59 Minutes</source>
        <translation>1-59 minutes</translation>
    </message>
    <message>
        <source>Cycle nearly complete</source>
        <translation>Cycle presque fini</translation>
    </message>
    <message>
        <source>Cycle complete</source>
        <translation>Cycle fini</translation>
    </message>
    <message>
        <source>Asteroid nearly depleted</source>
        <translation>Astéroïde presque vide</translation>
    </message>
    <message>
        <source>Asteroid depleted</source>
        <translation>Astéroïde vide</translation>
    </message>
    <message>
        <source>Jetcan reminder</source>
        <translation>Rappel jetcan</translation>
    </message>
    <message>
        <source>Crystal change reminder</source>
        <translation>Changer de cristal</translation>
    </message>
    <message>
        <source>Estimated Mineral Yield</source>
        <translation>Rendement estimé en minéraux</translation>
    </message>
    <message>
        <source>Ore Mined:</source>
        <translation>Minerai extrait :</translation>
    </message>
    <message>
        <source>Refined</source>
        <translation>Raffiné</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Minerals already refined</source>
        <translation>Minéraux déjà raffinés</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>But</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Rdt</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>RàZ</translation>
    </message>
    <message>
        <source>Refine</source>
        <translation>Raffiner</translation>
    </message>
    <message>
        <source>Reset Mining Mission</source>
        <translation>Remettre la mission à zéro</translation>
    </message>
    <message>
        <source>Refine Ore</source>
        <translation>Raffiner le minerai</translation>
    </message>
    <message>
        <source>The Fastest Ore Calculator in Quasar</source>
        <translation>Le calculateur de minerai le plus rapide de Quasar</translation>
    </message>
    <message>
        <source>&apos;The F.Ore.C.Q.&apos;</source>
        <translation>&apos;Le calculateur de minerai&apos;</translation>
    </message>
    <message>
        <source>Ore Processing Skill Levels: (Enter 0-5)</source>
        <translation>Compétences de traitement : (0 à 5)</translation>
    </message>
    <message>
        <source>Mouse over ore labels to reference Mineral Yields</source>
        <translation>Survolez un minerai pour voir ses minéraux</translation>
    </message>
    <message>
        <source>Click to Lock</source>
        <translation>Cliquer pour figer</translation>
    </message>
    <message>
        <source>Selected Ore Type</source>
        <translation>Minerai choisi</translation>
    </message>
    <message>
        <source>Yield Per Refined Unit</source>
        <translation>Rendement par unité raffinée</translation>
    </message>
    <message>
        <source>Mkt. Value</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Tax:</source>
        <translation>Taxe :</translation>
    </message>
    <message>
        <source>Net yield:</source>
        <translation>Rdt net :</translation>
    </message>
    <message>
        <source>Commission:</source>
        <translation>Comm. :</translation>
    </message>
    <message>
        <source>m3/minute:</source>
        <translation>m3/minute :</translation>
    </message>
    <message>
        <source>Refinable Units/min:</source>
        <translation>Unités raff./min :</translation>
    </message>
    <message>
        <source>isk/min:</source>
        <translation>ISK/min :</translation>
    </message>
    <message>
        <source>isk/hour:</source>
        <translation>ISK/heure :</translation>
    </message>
    <message>
        <source>Minimum Units to Refine:</source>
        <translation>Unités min. à raffiner :</translation>
    </message>
    <message>
        <source>/sec:</source>
        <translation>/s :</translation>
    </message>
    <message>
        <source>Station Tax</source>
        <translation>Taxe de la station</translation>
    </message>
    <message>
        <source>Station Net Yield</source>
        <translation>Rendement net de la station</translation>
    </message>
    <message>
        <source>Station Commission</source>
        <translation>Commission de la station</translation>
    </message>
    <message>
        <source>m3 per minute based on your timer settings for the number of timers showing</source>
        <translation>m3 par minute selon les réglages des minuteurs affichés</translation>
    </message>
    <message>
        <source>Refinable units per minute</source>
        <translation>Unités raffinables par minute</translation>
    </message>
    <message>
        <source>Enter Fair Market Value</source>
        <translation>Saisir le prix du marché</translation>
    </message>
    <message>
        <source>Units to Refine</source>
        <translation>Unités à raffiner</translation>
    </message>
    <message>
        <source>Station Yield</source>
        <translation>Rendement de la station</translation>
    </message>
    <message>
        <source>Refining Goals</source>
        <translation>Objectifs</translation>
    </message>
    <message>
        <source>Next Roid Type</source>
        <translation>Roid suivant</translation>
    </message>
    <message>
        <source>Units of Ore</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Current Roid</source>
        <translation>Roid actuel</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Minuteurs</translation>
    </message>
    <message>
        <source>Mining Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Cycle Duration</source>
        <translation>Durée cycle</translation>
    </message>
    <message>
        <source>Ore</source>
        <translation>Minerai</translation>
    </message>
    <message>
        <source>Depleted</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Time left in cycle</source>
        <translation>Temps restant du cycle</translation>
    </message>
    <message>
        <source>Time to deplete</source>
        <translation>Temps avant épuisement</translation>
    </message>
    <message>
        <source>Double Down Laser</source>
        <translation>Un laser de moins</translation>
    </message>
    <message>
        <source>Number of focused lasers</source>
        <translation>Nombre de lasers groupés</translation>
    </message>
    <message>
        <source>Double Up Laser</source>
        <translation>Un laser de plus</translation>
    </message>
    <message>
        <source>From laser Info</source>
        <translation>Voir l&apos;info du laser</translation>
    </message>
    <message>
        <source>Start Jetcan Timer</source>
        <translation>Lancer le minuteur du jetcan</translation>
    </message>
    <message>
        <source>Jetcan age</source>
        <translation>Âge du jetcan</translation>
    </message>
    <message>
        <source>Jetcan Name</source>
        <translation>Nom du jetcan</translation>
    </message>
    <message>
        <source>Number of Timers</source>
        <translation>Nombre de minuteurs</translation>
    </message>
    <message>
        <source>Orebell</source>
        <translation>Orebell</translation>
    </message>
    <message>
        <source>Enter the cargo hold&apos;s capacity: a number of m3 above 0</source>
        <translation>Saisissez la capacité de la soute : un nombre de m3 supérieur à 0</translation>
    </message>
    <message>
        <source>Original Size: %1</source>
        <translation>Taille d&apos;origine : %1</translation>
    </message>
    <message>
        <source>Start laser first</source>
        <translation>Lancez d&apos;abord le laser</translation>
    </message>
    <message>
        <source>Double click to clear</source>
        <translation>Double-clic pour vider</translation>
    </message>
    <message>
        <source>Stop Timer</source>
        <translation>Arrêter le minuteur</translation>
    </message>
    <message>
        <source>Reset Timer</source>
        <translation>Remettre à zéro</translation>
    </message>
    <message>
        <source>Refined minerals/min.</source>
        <translation>Minéraux raff./min</translation>
    </message>
    <message>
        <source>Rate Not Set</source>
        <translation>Débit absent</translation>
    </message>
    <message>
        <source>Double click to Unlock</source>
        <translation>Double-clic pour libérer</translation>
    </message>
    <message>
        <source>Enter a number of ore units...</source>
        <translation>Nombre d&apos;unités de minerai...</translation>
    </message>
    <message>
        <source>Base Yield per %1 ore units = %2</source>
        <translation>Rendement de base pour %1 unités = %2</translation>
    </message>
    <message>
        <source>%1 units of %2 do not fill one batch of %3 units; they refine to nothing</source>
        <translation>%1 unités de %2 ne remplissent pas un lot de %3 unités ; elles ne donnent rien</translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batch of %4 units</source>
        <translation>%1 unités de %2 font %3 lot de %4 unités</translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batches of %4 units</source>
        <translation>%1 unités de %2 font %3 lots de %4 unités</translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batch of %4 units, %5 left over</source>
        <translation>%1 unités de %2 font %3 lot de %4 unités, reste %5</translation>
    </message>
    <message>
        <source>%1 units of %2 make %3 batches of %4 units, %5 left over</source>
        <translation>%1 unités de %2 font %3 lots de %4 unités, reste %5</translation>
    </message>
    <message>
        <source>%1: %2 = %3 isk</source>
        <translation>%1 : %2 = %3 ISK</translation>
    </message>
    <message>
        <source>%1 Ore units</source>
        <translation>%1 unités</translation>
    </message>
    <message>
        <source>Select .WAV file for %1</source>
        <translation>Fichier .WAV pour %1</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>%1 parcourir</translation>
    </message>
    <message>
        <source>%1 sound file path</source>
        <translation>%1 chemin du fichier son</translation>
    </message>
    <message>
        <source>%1 delay</source>
        <translation>%1 délai</translation>
    </message>
    <message>
        <source>start</source>
        <translation>démarrer</translation>
    </message>
    <message>
        <source>ore type</source>
        <translation>minerai</translation>
    </message>
    <message>
        <source>units of ore</source>
        <translation>unités de minerai</translation>
    </message>
    <message>
        <source>mining rate</source>
        <translation>débit</translation>
    </message>
    <message>
        <source>cycle duration</source>
        <translation>durée du cycle</translation>
    </message>
    <message>
        <source>ore</source>
        <translation>minerai</translation>
    </message>
    <message>
        <source>ore left</source>
        <translation>minerai restant</translation>
    </message>
    <message>
        <source>depletion</source>
        <translation>épuisement</translation>
    </message>
    <message>
        <source>time left in cycle</source>
        <translation>temps restant du cycle</translation>
    </message>
    <message>
        <source>time to deplete</source>
        <translation>temps avant épuisement</translation>
    </message>
    <message>
        <source>double up</source>
        <translation>un laser de plus</translation>
    </message>
    <message>
        <source>double down</source>
        <translation>un laser de moins</translation>
    </message>
    <message>
        <source>focused lasers</source>
        <translation>lasers groupés</translation>
    </message>
    <message>
        <source>age</source>
        <translation>âge</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>browse</source>
        <translation>parcourir</translation>
    </message>
    <message>
        <source>sound file path</source>
        <translation>chemin du fichier son</translation>
    </message>
    <message>
        <source>delay</source>
        <translation>délai</translation>
    </message>
    <message>
        <source>Laser %1: lasers can only be added or removed while Mining Rate is a number of m3 above 0.</source>
        <translation>Laser %1 : on ne peut ajouter ou retirer des lasers que si le débit est un nombre de m3 supérieur à 0.</translation>
    </message>
    <message>
        <source>Laser %1 %2:</source>
        <translation>Laser %1 %2 :</translation>
    </message>
    <message>
        <source>was not started</source>
        <translation>n&apos;a pas démarré</translation>
    </message>
    <message>
        <source>Units of Ore must be a number above 0.</source>
        <translation>Les unités de minerai doivent être un nombre supérieur à 0.</translation>
    </message>
    <message>
        <source>Choose the asteroid&apos;s ore in the ore list.</source>
        <translation>Choisissez le minerai de l&apos;astéroïde dans la liste.</translation>
    </message>
    <message>
        <source>Mining Rate must be a number of m3 above 0.</source>
        <translation>Le débit doit être un nombre de m3 supérieur à 0.</translation>
    </message>
    <message>
        <source>Cycle Duration must be a number of seconds above 0.</source>
        <translation>La durée du cycle doit être un nombre de secondes supérieur à 0.</translation>
    </message>
    <message>
        <source>Units of Ore is too large.</source>
        <translation>Les unités de minerai sont trop nombreuses.</translation>
    </message>
    <message>
        <source>Mining Rate is too large.</source>
        <translation>Le débit est trop grand.</translation>
    </message>
    <message>
        <source>Cycle Duration is too long.</source>
        <translation>La durée du cycle est trop longue.</translation>
    </message>
    <message>
        <source>Mining Rate is out of range for this ore.</source>
        <translation>Le débit est hors limites pour ce minerai.</translation>
    </message>
    <message>
        <source>Cycle Duration is out of range for this Mining Rate.</source>
        <translation>La durée du cycle est hors limites pour ce débit.</translation>
    </message>
    <message>
        <source>Units of Ore would take too long to mine at this Mining Rate.</source>
        <translation>Ces unités de minerai prendraient trop de temps à ce débit.</translation>
    </message>
    <message>
        <source>%1 is empty. Enter %2; %3</source>
        <translation>%1 : le champ est vide. Saisissez %2 ; %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not %3. Enter %4; %5</source>
        <translation>%1 : &quot;%2&quot; n&apos;est pas %3. Saisissez %4 ; %5</translation>
    </message>
    <message>
        <source>the refining figures stay as they were until then.</source>
        <translation>d&apos;ici là, les chiffres du raffinage restent inchangés.</translation>
    </message>
    <message>
        <source>its progress bar stays as it was until then.</source>
        <translation>d&apos;ici là, sa barre de progression reste inchangée.</translation>
    </message>
    <message>
        <source>The refinery net yield</source>
        <translation>Le rendement net de la raffinerie</translation>
    </message>
    <message>
        <source>The station commission</source>
        <translation>La commission de la station</translation>
    </message>
    <message>
        <source>The station tax</source>
        <translation>La taxe de la station</translation>
    </message>
    <message>
        <source>The processing skill for %1</source>
        <translation>La compétence de traitement de %1</translation>
    </message>
    <message>
        <source>The market value of %1</source>
        <translation>Le prix du marché de %1</translation>
    </message>
    <message>
        <source>The refined amount of %1</source>
        <translation>La quantité raffinée de %1</translation>
    </message>
    <message>
        <source>The goal for %1</source>
        <translation>L&apos;objectif pour %1</translation>
    </message>
    <message>
        <source>The number of timers</source>
        <translation>Le nombre de minuteurs</translation>
    </message>
    <message>
        <source>a percentage such as 96.2</source>
        <translation>un pourcentage comme 96.2</translation>
    </message>
    <message>
        <source>a percentage such as 5.0</source>
        <translation>un pourcentage comme 5.0</translation>
    </message>
    <message>
        <source>a percentage such as 0.0</source>
        <translation>un pourcentage comme 0.0</translation>
    </message>
    <message>
        <source>a level from 0 to 5</source>
        <translation>un niveau de 0 à 5</translation>
    </message>
    <message>
        <source>a price in isk, or leave it empty</source>
        <translation>un prix en ISK, ou rien</translation>
    </message>
    <message>
        <source>a number of units such as 0</source>
        <translation>un nombre d&apos;unités comme 0</translation>
    </message>
    <message>
        <source>a number of units, or 0 for no goal</source>
        <translation>un nombre d&apos;unités, ou 0 sans objectif</translation>
    </message>
    <message>
        <source>a whole number from 1 to 7</source>
        <translation>un nombre entier de 1 à 7</translation>
    </message>
    <message>
        <source>a timer count</source>
        <translation>un nombre de minuteurs</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>Nothing was refined: the estimated amount of %1 is &quot;%2&quot;, which is not a whole number of units.</source>
        <translation>Rien n&apos;a été raffiné : la quantité estimée de %1 est &quot;%2&quot;, qui n&apos;est pas un nombre entier d&apos;unités.</translation>
    </message>
    <message>
        <source>Nothing was refined: the refined amount of %1 is &quot;%2&quot;, which is not a whole number of units.</source>
        <translation>Rien n&apos;a été raffiné : la quantité raffinée de %1 est &quot;%2&quot;, qui n&apos;est pas un nombre entier d&apos;unités.</translation>
    </message>
    <message>
        <source>Nothing was refined: the refined amount of %1 would be too large.</source>
        <translation>Rien n&apos;a été raffiné : la quantité raffinée de %1 serait trop grande.</translation>
    </message>
    <message>
        <source>Orebell could not save your entries and the ore mined.</source>
        <translation>Orebell n&apos;a pas pu enregistrer vos saisies et le minerai extrait.</translation>
    </message>
    <message>
        <source>Close Orebell again to leave without saving.</source>
        <translation>Fermez Orebell de nouveau pour quitter sans enregistrer.</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Non enregistré : %1</translation>
    </message>
    <message>
        <source>the ore mined</source>
        <translation>le minerai extrait</translation>
    </message>
    <message>
        <source>the window&apos;s entries</source>
        <translation>les saisies de la fenêtre</translation>
    </message>
    <message>
        <source>the window position</source>
        <translation>la position de la fenêtre</translation>
    </message>
    <message>
        <source>the settings store could not be written</source>
        <translation>les réglages n&apos;ont pas pu être écrits</translation>
    </message>
    <message>
        <source>Orebell&apos;s settings were damaged and have been repaired.</source>
        <translation>Les réglages d&apos;Orebell étaient endommagés et ont été réparés.</translation>
    </message>
    <message>
        <source>Orebell&apos;s settings were damaged and have been repaired; the damaged file is kept as %1.</source>
        <translation>Les réglages d&apos;Orebell étaient endommagés et ont été réparés ; le fichier endommagé est gardé sous %1.</translation>
    </message>
    <message>
        <source>Please check the ore mined and your entries.</source>
        <translation>Vérifiez le minerai extrait et vos saisies.</translation>
    </message>
    <message>
        <source>Rows of the ore mined stood under a damaged name and were recovered: %1.</source>
        <translation>Des lignes du minerai extrait étaient sous un nom endommagé et ont été récupérées : %1.</translation>
    </message>
    <message>
        <source>The stored number format did not fit the stored numbers: they were read as they were written.</source>
        <translation>Le format des nombres enregistré ne correspondait pas aux nombres : ils ont été lus tels qu&apos;écrits.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written.</source>
        <translation>Le fichier de réglages %1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and could not be rewritten.</source>
        <translation>Le fichier de réglages %1 est endommagé et n&apos;a pas pu être réécrit.</translation>
    </message>
    <message>
        <source>The settings could not be written to the registry key %1.</source>
        <translation>Les réglages n&apos;ont pas pu être écrits dans la clé de registre %1.</translation>
    </message>
    <message>
        <source>the section [%1] of the settings file</source>
        <translation>la section [%1] du fichier de réglages</translation>
    </message>
    <message>
        <source>the section [%1] of the settings file %2</source>
        <translation>la section [%1] du fichier de réglages %2</translation>
    </message>
    <message>
        <source>the registry key HKEY_CURRENT_USER\Software\VB and VBA Program Settings\%1\%2</source>
        <translation>la clé de registre HKEY_CURRENT_USER\Software\VB and VBA Program Settings\%1\%2</translation>
    </message>
    <message>
        <source>These global keys are off:</source>
        <translation>Ces touches globales sont désactivées :</translation>
    </message>
    <message>
        <source>Change them in %1, with Orebell closed.</source>
        <translation>Modifiez-les dans %1, Orebell fermé.</translation>
    </message>
    <message>
        <source>%1 is not a key</source>
        <translation>%1 n&apos;est pas une touche</translation>
    </message>
    <message>
        <source>%1 is more than one key</source>
        <translation>%1 est plus d&apos;une touche</translation>
    </message>
    <message>
        <source>%1 is a modifier or lock key alone</source>
        <translation>%1 est un modificateur ou une touche de verrouillage seul</translation>
    </message>
    <message>
        <source>%1 needs Ctrl, Alt or Meta</source>
        <translation>%1 demande Ctrl, Alt ou Meta</translation>
    </message>
    <message>
        <source>%1 belongs to the desktop</source>
        <translation>%1 appartient au bureau</translation>
    </message>
    <message>
        <source>%1: %2 is already the key of %3</source>
        <translation>%1 : %2 est déjà la touche de %3</translation>
    </message>
    <message>
        <source>%1: %2 is not on this keyboard</source>
        <translation>%1 : %2 n&apos;existe pas sur ce clavier</translation>
    </message>
    <message>
        <source>%1: %2 is the same key as another on this keyboard</source>
        <translation>%1 : %2 est la même touche qu&apos;une autre sur ce clavier</translation>
    </message>
    <message>
        <source>%1: %2 is taken by another program</source>
        <translation>%1 : %2 est prise par un autre programme</translation>
    </message>
    <message>
        <source>%1: %2 could not be grabbed</source>
        <translation>%1 : %2 n&apos;a pas pu être réservée</translation>
    </message>
    <message>
        <source>%1: %2 could not be grabbed (%3)</source>
        <translation>%1 : %2 n&apos;a pas pu être réservée (%3)</translation>
    </message>
    <message>
        <source>global keys are not available on this system</source>
        <translation>les touches globales ne sont pas disponibles sur ce système</translation>
    </message>
    <message>
        <source>%1 unavailable: a part of the program could not be loaded (%2). Reinstalling Orebell should mend it; everything else works as usual.</source>
        <translation>%1 indisponible : une partie du programme n&apos;a pas pu être chargée (%2). Réinstaller Orebell devrait corriger cela ; tout le reste fonctionne normalement.</translation>
    </message>
    <message>
        <source>Sound is</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>The mining log is</source>
        <translation>Journal de minage</translation>
    </message>
    <message>
        <source>The mining log window is</source>
        <translation>Fenêtre du journal de minage</translation>
    </message>
    <message>
        <source>Trips are not kept in this run.</source>
        <translation>Les sorties ne sont pas gardées pendant cette session.</translation>
    </message>
    <message>
        <source>The mining log could not be used (%1).</source>
        <translation>Le journal de minage n&apos;a pas pu être utilisé (%1).</translation>
    </message>
    <message>
        <source>It was moved to %1 and a new log was started.</source>
        <translation>Il a été déplacé vers %1 et un nouveau journal a été commencé.</translation>
    </message>
    <message>
        <source>The mining log in %1 cannot be written now (%2).</source>
        <translation>Le journal de minage %1 ne peut pas être écrit pour l&apos;instant (%2).</translation>
    </message>
    <message>
        <source>The trips of this session are kept in %1 and go into the log as soon as it can take them.</source>
        <translation>Les sorties de cette session sont gardées dans %1 et iront au journal dès qu&apos;il pourra les prendre.</translation>
    </message>
    <message>
        <source>The trips waiting for it cannot be kept in %1 either (%2).</source>
        <translation>Les sorties en attente ne peuvent pas non plus être gardées dans %1 (%2).</translation>
    </message>
    <message>
        <source>They wait in memory; if Orebell closes before the log can take them, they are lost.</source>
        <translation>Elles attendent en mémoire ; si Orebell se ferme avant que le journal les prenne, elles sont perdues.</translation>
    </message>
    <message>
        <source>The mining log in %1 is left as it is: %2.</source>
        <translation>Le journal de minage %1 est laissé tel quel : %2.</translation>
    </message>
    <message>
        <source>Trips of this session are not recorded.</source>
        <translation>Les sorties de cette session ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>%1 trip(s) could not be written to the mining log in %2 nor kept in %3 (%4).</source>
        <translation>%1 sortie(s) n&apos;ont pu être ni écrites dans le journal %2 ni gardées dans %3 (%4).</translation>
    </message>
    <message>
        <source>Orebell tries once more as it closes; what the log cannot take then is lost.</source>
        <translation>Orebell réessaie à la fermeture ; ce que le journal ne peut alors prendre est perdu.</translation>
    </message>
    <message>
        <source>The trips waiting for the mining log in %1 could not be read (%2).</source>
        <translation>Les sorties en attente du journal %1 n&apos;ont pas pu être lues (%2).</translation>
    </message>
    <message>
        <source>The file was moved to %1; none of its trips was added to the log.</source>
        <translation>Le fichier a été déplacé vers %1 ; aucune de ses sorties n&apos;a été ajoutée au journal.</translation>
    </message>
    <message>
        <source>The trips waiting for the mining log in %1 could not be read (%2), and the file could not be moved aside. It is left as it is.</source>
        <translation>Les sorties en attente du journal %1 n&apos;ont pas pu être lues (%2), et le fichier n&apos;a pas pu être mis de côté. Il est laissé tel quel.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation>le fichier ou son dossier est en lecture seule</translation>
    </message>
    <message>
        <source>another program holds the file</source>
        <translation>un autre programme tient le fichier</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>a read or write error: %1</source>
        <translation>une erreur de lecture ou d&apos;écriture : %1</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>%1; it is left where it is for now</source>
        <translation>%1 ; il reste en place pour l&apos;instant</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is missing (Debian package libqt6sql6-sqlite)</source>
        <translation>le pilote SQLite de Qt manque (paquet Debian libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>it cannot use a write-ahead journal</source>
        <translation>il ne peut pas utiliser de journal WAL</translation>
    </message>
    <message>
        <source>it was written by a newer Orebell, or one this Orebell does not know (log version %1)</source>
        <translation>il a été écrit par un Orebell plus récent ou inconnu (version du journal %1)</translation>
    </message>
    <message>
        <source>it holds tables that are not a mining log</source>
        <translation>il contient des tables qui ne sont pas un journal de minage</translation>
    </message>
    <message>
        <source>its integrity check failed: %1</source>
        <translation>son contrôle d&apos;intégrité a échoué : %1</translation>
    </message>
    <message>
        <source>a damaged file is in its place</source>
        <translation>un fichier endommagé est à sa place</translation>
    </message>
    <message>
        <source>another copy of Orebell holds it</source>
        <translation>une autre copie d&apos;Orebell le tient</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>son dossier n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>son fichier de verrou ne peut pas être créé</translation>
    </message>
    <message>
        <source>it is not a file of waiting trips</source>
        <translation>ce n&apos;est pas un fichier de sorties en attente</translation>
    </message>
    <message>
        <source>its checksum does not match</source>
        <translation>sa somme de contrôle ne correspond pas</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>il ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>trip %1 in it cannot be read</source>
        <translation>la sortie %1 qu&apos;il contient ne peut pas être lue</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>il ne peut pas être ouvert : %1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a file of the system, not a place for an export</source>
        <translation>c&apos;est un fichier du système, pas un lieu d&apos;export</translation>
    </message>
    <message>
        <source>The mining log was not exported to %1: %2</source>
        <translation>Le journal de minage n&apos;a pas été exporté vers %1 : %2</translation>
    </message>
    <message>
        <source>an export is still under way</source>
        <translation>un export est encore en cours</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>L&apos;indice n&apos;appartient pas à la sélection</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erreur interne</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erreur définie par l&apos;application ou par l&apos;objet</translation>
    </message>
    <message>
        <source>Error Number:%1</source>
        <translation>Numéro d&apos;erreur :%1</translation>
    </message>
    <message>
        <source>Description :%1</source>
        <translation>Description :%1</translation>
    </message>
    <message>
        <source>Function    : %1</source>
        <translation>Fonction    : %1</translation>
    </message>
    <message>
        <source>Line        :%1</source>
        <translation>Ligne       :%1</translation>
    </message>
    <message>
        <source>Orebell is already running with these settings (%1) but does not answer.</source>
        <translation>Orebell tourne déjà avec ces réglages (%1) mais ne répond pas.</translation>
    </message>
    <message>
        <source>This copy ends. Close the other copy, or end its process, and start Orebell again.</source>
        <translation>Cette copie s&apos;arrête. Fermez l&apos;autre copie, ou terminez son processus, et relancez Orebell.</translation>
    </message>
    <message>
        <source>Ore Name</source>
        <translation>Minerai</translation>
    </message>
    <message>
        <source>Units Mined</source>
        <translation>Extrait</translation>
    </message>
    <message>
        <source>R/Units</source>
        <translation>Lot</translation>
    </message>
</context>
<context>
    <name>SoundChooser</name>
    <message>
        <source>Orebell – choose a sound file</source>
        <translation>Orebell – choisir un fichier son</translation>
    </message>
</context>
</TS>
