<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_GB">
<context>
    <name>AtomicWriter</name>
    <message>
        <source>its folder cannot be made</source>
        <translation>sein Ordner lässt sich nicht anlegen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Swirlfall: steer every particle into its goal with red and blue gravity wells.</source>
        <translation>Swirlfall: Lenke jedes Teilchen mit roten und blauen Schwerkraftbrunnen in sein Ziel.</translation>
    </message>
    <message>
        <source>A level file (.swirl) to play, or with --verify, the files to check.</source>
        <translation>Eine Level-Datei (.swirl) zum Spielen, oder mit --verify die zu prüfenden Dateien.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Start on level &lt;n&gt;, from 1 to %1.</source>
        <translation>Mit Level &lt;n&gt; beginnen, von 1 bis %1.</translation>
    </message>
    <message>
        <source>Keep best times in &lt;file&gt; instead of scores.dat in the current folder.</source>
        <translation>Bestzeiten in &lt;file&gt; statt in scores.dat im aktuellen Ordner aufbewahren.</translation>
    </message>
    <message>
        <source>Keep best times in scores.dat in the user&apos;s data folder, $XDG_DATA_HOME/swirlfall (~/.local/share/swirlfall by default), as the desktop menu&apos;s entry does.</source>
        <translation>Bestzeiten in scores.dat im Datenordner des Benutzers aufbewahren, $XDG_DATA_HOME/swirlfall (sonst ~/.local/share/swirlfall), wie es der Eintrag im Startmenü tut.</translation>
    </message>
    <message>
        <source>Start in full screen, the playfield scaled to the screen.</source>
        <translation>Im Vollbild starten, das Spielfeld auf den Bildschirm vergrößert.</translation>
    </message>
    <message>
        <source>Check the proof of each level file or replay given, without a display: one line per file; exit status 0 when every proof holds, 1 when one is missing or does not hold, 2 when a file cannot be read.</source>
        <translation>Den Beweis jeder angegebenen Level-Datei oder Aufzeichnung prüfen, ohne Bildschirm: eine Zeile je Datei; Rückgabewert 0, wenn jeder Beweis hält, 1, wenn einer fehlt oder nicht hält, 2, wenn eine Datei nicht lesbar ist.</translation>
    </message>
    <message>
        <source>Open the level editor on the level file given, or on a new level (saved to the file given, if it does not exist yet).</source>
        <translation>Den Level-Editor mit der angegebenen Level-Datei öffnen, oder mit einem neuen Level (in die angegebene Datei gespeichert, falls es sie noch nicht gibt).</translation>
    </message>
    <message>
        <source>Print level &lt;n&gt; as a level file, with its solution as the proof.</source>
        <translation>Level &lt;n&gt; als Level-Datei ausgeben, mit seiner Lösung als Beweis.</translation>
    </message>
    <message>
        <source>Open the level of the replay in &lt;file&gt; and play the replay, as the Show solution command plays a level&apos;s solution; a level file plays its proof.</source>
        <translation>Das Level der Aufzeichnung in &lt;file&gt; öffnen und die Aufzeichnung abspielen, so wie „Lösung zeigen“ die Lösung eines Levels abspielt; eine Level-Datei spielt ihren Beweis ab.</translation>
    </message>
    <message>
        <source>--verify takes the files to check</source>
        <translation>--verify braucht die zu prüfenden Dateien</translation>
    </message>
    <message>
        <source>--%1 takes a level from 1 to %2, not &apos;%3&apos;</source>
        <translation>--%1 braucht ein Level von 1 bis %2, nicht „%3“</translation>
    </message>
    <message>
        <source>--edit takes one level file at most</source>
        <translation>--edit nimmt höchstens eine Level-Datei</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>--level, --replay and a level file each choose the level; give one</source>
        <translation>--level, --replay und eine Level-Datei wählen jeweils das Level; nur eines angeben</translation>
    </message>
    <message>
        <source>--scores and --user-data each name where best times are kept; give one</source>
        <translation>--scores und --user-data geben jeweils an, wo die Bestzeiten liegen; nur eines angeben</translation>
    </message>
    <message>
        <source>--scores takes the name of a file</source>
        <translation>--scores braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>Print the level the seed &lt;seed&gt; gives, such as 3-easy-42 or 3-daily-2026-12-20, as a level file with its proof.</source>
        <translation>Das Level, das der Startwert &lt;seed&gt; ergibt, etwa 3-easy-42 oder 3-daily-2026-12-20, als Level-Datei mit seinem Beweis ausgeben.</translation>
    </message>
    <message>
        <source>Play without sound this time; the Sound setting stays as it is.</source>
        <translation>Diesmal ohne Ton spielen; die Einstellung „Ton“ bleibt, wie sie ist.</translation>
    </message>
</context>
<context>
    <name>ConsoleCommands</name>
    <message>
        <source>the seed %1 gives no level</source>
        <translation>der Startwert %1 ergibt kein Level</translation>
    </message>
</context>
<context>
    <name>DailyStreak</name>
    <message>
        <source>a streak</source>
        <translation>eine Serie</translation>
    </message>
    <message>
        <source>not a streak: it is not &quot;%1&quot; and its three lines</source>
        <translation>keine Serie: Sie ist nicht „%1“ mit ihren drei Zeilen</translation>
    </message>
    <message>
        <source>not a streak: its days, longest and last day do not agree</source>
        <translation>keine Serie: Ihre Tage, die längste und der letzte Tag passen nicht zusammen</translation>
    </message>
</context>
<context>
    <name>DayLog</name>
    <message>
        <source>not a file of days: line %1: %2</source>
        <translation>keine Datei der Tage: Zeile %1: %2</translation>
    </message>
    <message>
        <source>a file of days</source>
        <translation>eine Datei der Tage</translation>
    </message>
    <message>
        <source>it does not end with a whole line</source>
        <translation>sie endet nicht mit einer ganzen Zeile</translation>
    </message>
    <message>
        <source>it is not &quot;%1&quot;</source>
        <translation>sie ist nicht „%1“</translation>
    </message>
    <message>
        <source>more than %1 days</source>
        <translation>mehr als %1 Tage</translation>
    </message>
    <message>
        <source>a day out of order, or passed before it came</source>
        <translation>ein Tag außer der Reihe, oder gelöst, bevor er kam</translation>
    </message>
    <message>
        <source>not a day, the day passed on, a time, wells and hints</source>
        <translation>kein Tag, Tag der Lösung, Zeit, Brunnen und Hinweise</translation>
    </message>
</context>
<context>
    <name>EditorCanvas</name>
    <message>
        <source>A level has at most %1 particles.</source>
        <translation>Ein Level hat höchstens %1 Teilchen.</translation>
    </message>
    <message>
        <source>Add red particle</source>
        <translation>Rotes Teilchen hinzufügen</translation>
    </message>
    <message>
        <source>Add blue particle</source>
        <translation>Blaues Teilchen hinzufügen</translation>
    </message>
    <message>
        <source>An area has at most %1 points.</source>
        <translation>Eine Fläche hat höchstens %1 Punkte.</translation>
    </message>
    <message>
        <source>Move particle</source>
        <translation>Teilchen verschieben</translation>
    </message>
    <message>
        <source>Move area</source>
        <translation>Fläche verschieben</translation>
    </message>
    <message>
        <source>Move point</source>
        <translation>Punkt verschieben</translation>
    </message>
    <message>
        <source>A level has at most %1 areas.</source>
        <translation>Ein Level hat höchstens %1 Flächen.</translation>
    </message>
    <message>
        <source>Add red goal</source>
        <translation>Rotes Ziel hinzufügen</translation>
    </message>
    <message>
        <source>Add blue goal</source>
        <translation>Blaues Ziel hinzufügen</translation>
    </message>
    <message>
        <source>Add hazard</source>
        <translation>Gefahrenzone hinzufügen</translation>
    </message>
    <message>
        <source>Delete particle</source>
        <translation>Teilchen löschen</translation>
    </message>
    <message>
        <source>Delete point</source>
        <translation>Punkt löschen</translation>
    </message>
    <message>
        <source>Delete area</source>
        <translation>Fläche löschen</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Red wells</source>
        <translation>Rote Brunnen</translation>
    </message>
    <message>
        <source>Blue wells</source>
        <translation>Blaue Brunnen</translation>
    </message>
    <message>
        <source>Try it (F5)</source>
        <translation>Ausprobieren (F5)</translation>
    </message>
    <message>
        <source>Play the level in the game: a pass becomes its proof.</source>
        <translation>Das Level im Spiel spielen: ein Sieg wird sein Beweis.</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>Suchen für</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Starts a new level</source>
        <translation>Beginnt ein neues Level</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Opens a level file</source>
        <translation>Öffnet eine Level-Datei</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Saves the level, with its proof if it has one</source>
        <translation>Speichert das Level, mit seinem Beweis, falls es einen hat</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Saves the level in another file</source>
        <translation>Speichert das Level in einer anderen Datei</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Closes the editor</source>
        <translation>Schließt den Editor</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Takes back the last change</source>
        <translation>Nimmt die letzte Änderung zurück</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Makes the change taken back again</source>
        <translation>Macht die zurückgenommene Änderung wieder</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Removes what is selected: a particle, an area or one of its points</source>
        <translation>Entfernt die Auswahl: ein Teilchen, eine Fläche oder einen ihrer Punkte</translation>
    </message>
    <message>
        <source>Close area</source>
        <translation>Fläche schließen</translation>
    </message>
    <message>
        <source>Closes the area being drawn</source>
        <translation>Schließt die Fläche, die gezeichnet wird</translation>
    </message>
    <message>
        <source>Snap to grid</source>
        <translation>Am Raster ausrichten</translation>
    </message>
    <message>
        <source>Points snap to a 10-pixel grid, or not</source>
        <translation>Punkte rasten auf einem 10-Pixel-Raster ein, oder nicht</translation>
    </message>
    <message>
        <source>Points snap to a 10-pixel grid (G)</source>
        <translation>Punkte rasten auf einem 10-Pixel-Raster ein (G)</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Ausprobieren</translation>
    </message>
    <message>
        <source>Plays the level in the game: a pass becomes its proof</source>
        <translation>Spielt das Level im Spiel: ein Sieg wird sein Beweis</translation>
    </message>
    <message>
        <source>Find a solution</source>
        <translation>Lösung suchen</translation>
    </message>
    <message>
        <source>Runs the solver for the time set; F6 again cancels it</source>
        <translation>Lässt den Löser die eingestellte Zeit lang suchen; F6 bricht ab</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Pick a particle, an area or a point; drag to move it, Delete to remove it</source>
        <translation>Ein Teilchen, eine Fläche oder einen Punkt wählen; ziehen verschiebt, Entf löscht</translation>
    </message>
    <message>
        <source>Red particle</source>
        <translation>Rotes Teilchen</translation>
    </message>
    <message>
        <source>A red particle at each click</source>
        <translation>Ein rotes Teilchen bei jedem Klick</translation>
    </message>
    <message>
        <source>Blue particle</source>
        <translation>Blaues Teilchen</translation>
    </message>
    <message>
        <source>A blue particle at each click</source>
        <translation>Ein blaues Teilchen bei jedem Klick</translation>
    </message>
    <message>
        <source>Red goal</source>
        <translation>Rotes Ziel</translation>
    </message>
    <message>
        <source>A red goal, point by point: double click or Enter closes it</source>
        <translation>Ein rotes Ziel, Punkt für Punkt: Doppelklick oder Eingabe schließt es</translation>
    </message>
    <message>
        <source>Blue goal</source>
        <translation>Blaues Ziel</translation>
    </message>
    <message>
        <source>A blue goal, point by point: double click or Enter closes it</source>
        <translation>Ein blaues Ziel, Punkt für Punkt: Doppelklick oder Eingabe schließt es</translation>
    </message>
    <message>
        <source>Hazard</source>
        <translation>Gefahrenzone</translation>
    </message>
    <message>
        <source>A hazard, point by point: double click or Enter closes it</source>
        <translation>Eine Gefahrenzone, Punkt für Punkt: Doppelklick oder Eingabe schließt sie</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Keys and tools</source>
        <translation>Tasten und Werkzeuge</translation>
    </message>
    <message>
        <source>Lists the editor&apos;s keys and tools</source>
        <translation>Zeigt die Tasten und Werkzeuge des Editors</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Find a solution (F6)</source>
        <translation>Lösung suchen (F6)</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>nicht gespeichert</translation>
    </message>
    <message>
        <source>%1 (%2)[*] - Swirlfall level editor</source>
        <translation>%1 (%2)[*] – Swirlfall-Level-Editor</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Open level</source>
        <translation>Level öffnen</translation>
    </message>
    <message>
        <source>This file cannot be opened</source>
        <translation>Diese Datei lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>Save level</source>
        <translation>Level speichern</translation>
    </message>
    <message>
        <source>The level cannot be saved</source>
        <translation>Das Level lässt sich nicht speichern</translation>
    </message>
    <message>
        <source>A level needs a particle to be played.</source>
        <translation>Ein Level braucht ein Teilchen, um gespielt zu werden.</translation>
    </message>
    <message>
        <source>A level needs a particle to be solved.</source>
        <translation>Ein Level braucht ein Teilchen, um gelöst zu werden.</translation>
    </message>
    <message>
        <source>Your pass in %1 ms is the level&apos;s proof.</source>
        <translation>Dein Sieg in %1 ms ist der Beweis des Levels.</translation>
    </message>
    <message>
        <source>The level changed during the search; its solution is not kept.</source>
        <translation>Das Level hat sich während der Suche geändert; seine Lösung wird nicht behalten.</translation>
    </message>
    <message>
        <source>Found a solution in %1 ms; the proof is faster.</source>
        <translation>Lösung in %1 ms gefunden; der Beweis ist schneller.</translation>
    </message>
    <message>
        <source>Found a solution in %1 ms, as fast as the proof.</source>
        <translation>Lösung in %1 ms gefunden, so schnell wie der Beweis.</translation>
    </message>
    <message>
        <source>Found a solution in %1 ms: it is the level&apos;s proof.</source>
        <translation>Lösung in %1 ms gefunden: sie ist der Beweis des Levels.</translation>
    </message>
    <message>
        <source>The search was cancelled.</source>
        <translation>Die Suche wurde abgebrochen.</translation>
    </message>
    <message>
        <source>No solution found in %1 s.</source>
        <translation>Keine Lösung in %1 s gefunden.</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>The level has changes that are not saved. Save them?</source>
        <translation>Das Level hat ungespeicherte Änderungen. Speichern?</translation>
    </message>
    <message>
        <source>level</source>
        <translation>level</translation>
    </message>
</context>
<context>
    <name>EndLine</name>
    <message numerus="yes">
        <source>Passed with %n hints</source>
        <translation>
            <numerusform>Mit %n Hinweis geschafft</numerusform>
            <numerusform>Mit %n Hinweisen geschafft</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Replays and levels (*.txt *.%1);;All files (*)</source>
        <translation>Aufzeichnungen und Level (*.txt *.%1);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open level</source>
        <translation>Level öffnen</translation>
    </message>
    <message>
        <source>Open replay</source>
        <translation>Aufzeichnung öffnen</translation>
    </message>
    <message>
        <source>%1: a level without a proof, no replay to play</source>
        <translation>%1: ein Level ohne Beweis, keine Aufzeichnung zum Abspielen</translation>
    </message>
    <message>
        <source>This file cannot be opened:
%1</source>
        <translation>Diese Datei lässt sich nicht öffnen:
%1</translation>
    </message>
    <message>
        <source>%1: a folder with no level files</source>
        <translation>%1: ein Ordner ohne Level-Dateien</translation>
    </message>
    <message>
        <source>Play levels</source>
        <translation>Level spielen</translation>
    </message>
</context>
<context>
    <name>GameStart</name>
    <message>
        <source>%1: a level without a proof, no replay to play</source>
        <translation>%1: ein Level ohne Beweis, keine Aufzeichnung zum Abspielen</translation>
    </message>
    <message>
        <source>--user-data: no data folder is known (HOME is not set)</source>
        <translation>--user-data: kein Datenordner bekannt (HOME ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>a file for best times</source>
        <translation>eine Datei für Bestzeiten</translation>
    </message>
    <message>
        <source>a folder, not a file for best times</source>
        <translation>ein Ordner, keine Datei für Bestzeiten</translation>
    </message>
</context>
<context>
    <name>HintMarks</name>
    <message>
        <source>at the start</source>
        <translation>am Start</translation>
    </message>
    <message>
        <source>at %1 s</source>
        <translation>bei %1 s</translation>
    </message>
    <message>
        <source>taken away %1</source>
        <comment>a well, at a moment</comment>
        <translation>%1 entfernt</translation>
    </message>
</context>
<context>
    <name>HowToPlay</name>
    <message>
        <source>How to play</source>
        <translation>So wird gespielt</translation>
    </message>
    <message>
        <source>The goal</source>
        <translation>Das Ziel</translation>
    </message>
    <message>
        <source>Bring every particle into the goal of its colour, without letting one touch a well, a hazard or the goal of the other colour. Each well pulls the particles of its own colour and pushes the others, with the same strength at any distance.</source>
        <translation>Bringe jedes Teilchen in das Ziel seiner Farbe, ohne dass eines einen Brunnen, eine Gefahrenzone oder das Ziel der anderen Farbe berührt. Jeder Brunnen zieht die Teilchen seiner Farbe an und stößt die anderen ab, auf jede Entfernung gleich stark.</translation>
    </message>
    <message>
        <source>A drag sideways sets a blue well where it began.</source>
        <translation>Ziehen zur Seite setzt einen blauen Brunnen, wo es begann.</translation>
    </message>
    <message>
        <source>A drag up or down sets a red well where it began.</source>
        <translation>Ziehen nach oben oder unten setzt einen roten Brunnen, wo es begann.</translation>
    </message>
    <message>
        <source>The mouse</source>
        <translation>Die Maus</translation>
    </message>
    <message>
        <source>Left drag, sideways</source>
        <translation>Mit der linken Maustaste ziehen, zur Seite</translation>
    </message>
    <message>
        <source>Sets a blue well where the drag began</source>
        <translation>Setzt einen blauen Brunnen, wo das Ziehen begann</translation>
    </message>
    <message>
        <source>Left drag, up or down</source>
        <translation>Mit der linken Maustaste ziehen, hoch oder runter</translation>
    </message>
    <message>
        <source>Sets a red well where the drag began</source>
        <translation>Setzt einen roten Brunnen, wo das Ziehen begann</translation>
    </message>
    <message>
        <source>Left click on a well</source>
        <translation>Linksklick auf einen Brunnen</translation>
    </message>
    <message>
        <source>Removes it; the well is not given back</source>
        <translation>Entfernt ihn; der Brunnen kommt nicht zurück</translation>
    </message>
    <message>
        <source>Left click after the end</source>
        <translation>Linksklick nach dem Ende</translation>
    </message>
    <message>
        <source>Goes on to the next level</source>
        <translation>Geht zum nächsten Level</translation>
    </message>
    <message>
        <source>Right click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Starts the level again</source>
        <translation>Beginnt das Level von vorn</translation>
    </message>
    <message>
        <source>The keys</source>
        <translation>Die Tasten</translation>
    </message>
    <message>
        <source>The previous, the next level (of the collection played)</source>
        <translation>Das vorige, das nächste Level (der gespielten Sammlung)</translation>
    </message>
    <message>
        <source>A particle keeps its speed after its well is removed.</source>
        <translation>Ein Teilchen behält seine Geschwindigkeit, wenn sein Brunnen entfernt wird.</translation>
    </message>
    <message>
        <source>Puzzles and the days in a row</source>
        <translation>Rätsel und die Tage in Folge</translation>
    </message>
    <message>
        <source>Puzzles, the chooser&apos;s last collection, are made from seeds and proven before they are offered: Easy, Medium or Hard, with one to five stars. The puzzle of the day is the same for everyone on a day (in UTC); passed on its day, it carries your days in a row on, and a day missed starts them again. Your days, in the Menu, shows them all.</source>
        <translation>Rätsel, die letzte Sammlung der Auswahl, werden aus Startwerten gemacht und bewiesen, bevor sie angeboten werden: Leicht, Mittel oder Schwer, mit einem bis fünf Sternen. Das Rätsel des Tages ist an einem Tag (in UTC) für alle dasselbe; an seinem Tag gelöst, setzt es deine Tage in Folge fort, und ein verpasster Tag beginnt sie von vorn. „Deine Tage“ im Menü zeigt sie alle.</translation>
    </message>
    <message>
        <source>Stuck?</source>
        <translation>Festgefahren?</translation>
    </message>
    <message>
        <source>H shows where and when the level&apos;s solution sets its next well: a faint well, and its moment, until you set a well or start again. Each H shows one well more, those before too; a well the solution takes away again is crossed out. A pass after hints is a pass, and says how many it took. S plays the whole solution.</source>
        <translation>H zeigt, wo und wann die Lösung des Levels ihren nächsten Brunnen setzt: einen blassen Brunnen und seinen Zeitpunkt, bis du einen Brunnen setzt oder neu beginnst. Jedes H zeigt einen Brunnen mehr, die vorigen auch; ein Brunnen, den die Lösung wieder entfernt, ist durchgestrichen. Ein Sieg nach Hinweisen ist ein Sieg und sagt, wie viele er brauchte. S spielt die ganze Lösung ab.</translation>
    </message>
</context>
<context>
    <name>LevelCatalogue</name>
    <message>
        <source>a level or a replay</source>
        <translation>ein Level oder eine Aufzeichnung</translation>
    </message>
</context>
<context>
    <name>LevelCheck</name>
    <message>
        <source>There are no particles: the level cannot be saved yet.</source>
        <translation>Es gibt keine Teilchen: das Level lässt sich noch nicht speichern.</translation>
    </message>
    <message>
        <source>in the frame</source>
        <translation>im Rahmen</translation>
    </message>
    <message>
        <source>in a hazard</source>
        <translation>in einer Gefahrenzone</translation>
    </message>
    <message>
        <source>in a goal</source>
        <translation>in einem Ziel</translation>
    </message>
    <message>
        <source>A red particle at (%1, %2) starts %3.</source>
        <translation>Ein rotes Teilchen bei (%1, %2) beginnt %3.</translation>
    </message>
    <message>
        <source>A blue particle at (%1, %2) starts %3.</source>
        <translation>Ein blaues Teilchen bei (%1, %2) beginnt %3.</translation>
    </message>
    <message>
        <source>There are red particles but no red goal.</source>
        <translation>Es gibt rote Teilchen, aber kein rotes Ziel.</translation>
    </message>
    <message>
        <source>There are blue particles but no blue goal.</source>
        <translation>Es gibt blaue Teilchen, aber kein blaues Ziel.</translation>
    </message>
    <message>
        <source>There are no wells to set: nothing can move the particles.</source>
        <translation>Es gibt keine Brunnen zu setzen: nichts kann die Teilchen bewegen.</translation>
    </message>
    <message>
        <source>A hazard lies under the red goal at (%1, %2): a particle there fails the level.</source>
        <translation>Unter dem roten Ziel bei (%1, %2) liegt eine Gefahrenzone: Ein Teilchen dort lässt das Level scheitern.</translation>
    </message>
    <message>
        <source>A hazard lies under the blue goal at (%1, %2): a particle there fails the level.</source>
        <translation>Unter dem blauen Ziel bei (%1, %2) liegt eine Gefahrenzone: Ein Teilchen dort lässt das Level scheitern.</translation>
    </message>
</context>
<context>
    <name>LevelChooser</name>
    <message>
        <source>Choose a level</source>
        <translation>Level wählen</translation>
    </message>
    <message>
        <source>Type to find a level by name</source>
        <translation>Tippen, um ein Level nach Namen zu finden</translation>
    </message>
    <message>
        <source>Add levels…</source>
        <translation>Level hinzufügen…</translation>
    </message>
    <message>
        <source>Level files…</source>
        <translation>Level-Dateien…</translation>
    </message>
    <message>
        <source>A folder of levels, as a set…</source>
        <translation>Einen Ordner mit Leveln, als Reihe…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>No level&apos;s name holds “%1”.</source>
        <translation>Kein Levelname enthält „%1“.</translation>
    </message>
    <message>
        <source>No levels here.</source>
        <translation>Hier sind keine Level.</translation>
    </message>
    <message>
        <source>No levels here yet. “Add levels…” copies level files here, the level editor (Ctrl+N) saves new levels here, and a level file dropped on the game plays it.</source>
        <translation>Hier sind noch keine Level. „Level hinzufügen…“ kopiert Level-Dateien hierher, der Level-Editor (Strg+N) speichert neue Level hier, und eine auf das Spiel gezogene Level-Datei wird gespielt.</translation>
    </message>
    <message>
        <source>Play a seed…</source>
        <translation>Startwert spielen…</translation>
    </message>
    <message>
        <source>Save to My levels</source>
        <translation>In „Meine Level“ speichern</translation>
    </message>
    <message>
        <source>Copy seed</source>
        <translation>Startwert kopieren</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Ergebnis kopieren</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Your days…</source>
        <translation>Deine Tage…</translation>
    </message>
</context>
<context>
    <name>LevelCollection</name>
    <message>
        <source>Swirlfall</source>
        <translation>Swirlfall</translation>
    </message>
    <message>
        <source>My levels</source>
        <translation>Meine Level</translation>
    </message>
</context>
<context>
    <name>LevelDocument</name>
    <message>
        <source>Prove</source>
        <translation>Beweisen</translation>
    </message>
    <message>
        <source>New level</source>
        <translation>Neues Level</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
</context>
<context>
    <name>LevelDraft</name>
    <message>
        <source>Proven: passes in %1 ms</source>
        <translation>Bewiesen: gelingt in %1 ms</translation>
    </message>
    <message>
        <source>The proof no longer holds after an edit</source>
        <translation>Der Beweis hält nach einer Änderung nicht mehr</translation>
    </message>
    <message>
        <source>Not proven: %1</source>
        <translation>Unbewiesen: %1</translation>
    </message>
    <message>
        <source>Not proven</source>
        <translation>Unbewiesen</translation>
    </message>
</context>
<context>
    <name>LevelFile</name>
    <message>
        <source>a level</source>
        <translation>ein Level</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number</source>
        <translation>„%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>a number too large</source>
        <translation>eine zu große Zahl</translation>
    </message>
    <message>
        <source>a colour is red or blue, not &apos;%1&apos;</source>
        <translation>eine Farbe ist red oder blue, nicht „%1“</translation>
    </message>
    <message>
        <source>an x without its y</source>
        <translation>ein x ohne sein y</translation>
    </message>
    <message>
        <source>an area has %1 to %2 points, not %3</source>
        <translation>eine Fläche hat %1 bis %2 Punkte, nicht %3</translation>
    </message>
    <message>
        <source>(%1, %2) is off the playfield</source>
        <translation>(%1, %2) liegt außerhalb des Spielfelds</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>a second name</source>
        <translation>ein zweiter Name</translation>
    </message>
    <message>
        <source>a name has 1 to %1 characters, not %2</source>
        <translation>ein Name hat 1 bis %1 Zeichen, nicht %2</translation>
    </message>
    <message>
        <source>a name has only printable characters</source>
        <translation>ein Name hat nur druckbare Zeichen</translation>
    </message>
    <message>
        <source>a second wells line</source>
        <translation>eine zweite wells-Zeile</translation>
    </message>
    <message>
        <source>wells takes &apos;red &lt;n&gt; blue &lt;n&gt;&apos;</source>
        <translation>wells braucht „red &lt;n&gt; blue &lt;n&gt;“</translation>
    </message>
    <message>
        <source>a budget is 0 to %1 wells, not %2</source>
        <translation>ein Vorrat hat 0 bis %1 Brunnen, nicht %2</translation>
    </message>
    <message>
        <source>particle takes &apos;red|blue &lt;x&gt; &lt;y&gt;&apos;</source>
        <translation>particle braucht „red|blue &lt;x&gt; &lt;y&gt;“</translation>
    </message>
    <message>
        <source>more than %1 particles</source>
        <translation>mehr als %1 Teilchen</translation>
    </message>
    <message>
        <source>more than %1 areas</source>
        <translation>mehr als %1 Flächen</translation>
    </message>
    <message>
        <source>goal takes &apos;red|blue&apos; and its points</source>
        <translation>goal braucht „red|blue“ und seine Punkte</translation>
    </message>
    <message>
        <source>unknown word &apos;%1&apos;</source>
        <translation>unbekanntes Wort „%1“</translation>
    </message>
    <message>
        <source>line %1: longer than %2 characters</source>
        <translation>Zeile %1: länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>not a Swirlfall level: it starts without &quot;%1 %2&quot;</source>
        <translation>kein Swirlfall-Level: es beginnt nicht mit „%1 %2“</translation>
    </message>
    <message>
        <source>format version %1, but this game reads version %2</source>
        <translation>Formatversion %1, aber dieses Spiel liest Version %2</translation>
    </message>
    <message>
        <source>solution takes the time in ms in which its replay passes the level</source>
        <translation>solution braucht die Zeit in ms, in der die Aufzeichnung das Level schafft</translation>
    </message>
    <message>
        <source>line %1: the level has no %2</source>
        <translation>Zeile %1: dem Level fehlt %2</translation>
    </message>
    <message>
        <source>&quot;%1 %2&quot; line</source>
        <translation>die Zeile „%1 %2“</translation>
    </message>
    <message>
        <source>name</source>
        <translation>der Name</translation>
    </message>
    <message>
        <source>wells line</source>
        <translation>die wells-Zeile</translation>
    </message>
    <message>
        <source>particle</source>
        <translation>ein Teilchen</translation>
    </message>
    <message>
        <source>Swirlfall levels (*.%1);;All files (*)</source>
        <translation>Swirlfall-Level (*.%1);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>LevelGenerator</name>
    <message>
        <source>%1 · %2</source>
        <comment>a puzzle&apos;s tier and its difficulty, as stars</comment>
        <translation>%1 · %2</translation>
    </message>
</context>
<context>
    <name>LevelImport</name>
    <message>
        <source>%1: the folder cannot be made</source>
        <translation>%1: der Ordner lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>%1: it cannot be copied to %2</source>
        <translation>%1: lässt sich nicht nach %2 kopieren</translation>
    </message>
    <message>
        <source>%1: no free name for it in %2</source>
        <translation>%1: kein freier Name dafür in %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
</context>
<context>
    <name>LevelImporter</name>
    <message>
        <source>Add levels</source>
        <translation>Level hinzufügen</translation>
    </message>
    <message>
        <source>Add a set of levels</source>
        <translation>Eine Reihe von Leveln hinzufügen</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 als %2</translation>
    </message>
    <message>
        <source>%1, as %2</source>
        <translation>%1, als %2</translation>
    </message>
    <message>
        <source>Added to My levels:</source>
        <translation>Zu „Meine Level“ hinzugefügt:</translation>
    </message>
    <message>
        <source>Added under another name, as a file of that name is there:</source>
        <translation>Unter anderem Namen hinzugefügt, da eine Datei dieses Namens da ist:</translation>
    </message>
    <message>
        <source>Already in My levels, not added again:</source>
        <translation>Schon in „Meine Level“, nicht noch einmal hinzugefügt:</translation>
    </message>
    <message>
        <source>Not added:</source>
        <translation>Nicht hinzugefügt:</translation>
    </message>
    <message>
        <source>Save to My levels</source>
        <translation>In „Meine Level“ speichern</translation>
    </message>
</context>
<context>
    <name>LevelLibrary</name>
    <message>
        <source>Puzzles</source>
        <translation>Rätsel</translation>
    </message>
</context>
<context>
    <name>LevelListModel</name>
    <message>
        <source>Seed %1</source>
        <translation>Startwert %1</translation>
    </message>
</context>
<context>
    <name>LevelRowDelegate</name>
    <message>
        <source>Not read yet</source>
        <translation>Noch nicht gelesen</translation>
    </message>
    <message>
        <source>Cannot be played: %1</source>
        <translation>Nicht spielbar: %1</translation>
    </message>
    <message>
        <source>Proven</source>
        <translation>Bewiesen</translation>
    </message>
    <message>
        <source>Not proven</source>
        <translation>Unbewiesen</translation>
    </message>
    <message>
        <source>Its proof fails</source>
        <translation>Sein Beweis scheitert</translation>
    </message>
    <message>
        <source>Checking its proof…</source>
        <translation>Beweis wird geprüft…</translation>
    </message>
    <message>
        <source> · your best run is kept (W)</source>
        <translation> · dein bester Lauf ist gespeichert (W)</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Not passed</source>
        <translation>Ungelöst</translation>
    </message>
    <message>
        <source>Being made and proven…</source>
        <translation>Wird gemacht und bewiesen…</translation>
    </message>
</context>
<context>
    <name>ProofCheck</name>
    <message>
        <source>passes in %1 ms, as stated</source>
        <translation>gelingt in %1 ms, wie angegeben</translation>
    </message>
    <message>
        <source>no proof: nothing shows that it can be passed</source>
        <translation>kein Beweis: nichts zeigt, dass es zu schaffen ist</translation>
    </message>
    <message>
        <source>the proof passes, but in %1 ms, not in %2 ms as stated</source>
        <translation>der Beweis gelingt, aber in %1 ms, nicht in %2 ms wie angegeben</translation>
    </message>
    <message>
        <source>the proof fails: the level is failed after %1 ms</source>
        <translation>der Beweis scheitert: das Level geht nach %1 ms verloren</translation>
    </message>
    <message>
        <source>the proof fails: the level is not passed after %1 s</source>
        <translation>der Beweis scheitert: das Level ist nach %1 s nicht geschafft</translation>
    </message>
</context>
<context>
    <name>ProofHints</name>
    <message>
        <source>This level has no proof to hint from</source>
        <translation>Dieses Level hat keinen Beweis, aus dem ein Hinweis käme</translation>
    </message>
    <message>
        <source>The proof sets no more wells</source>
        <translation>Der Beweis setzt keine weiteren Brunnen</translation>
    </message>
</context>
<context>
    <name>PuzzleSession</name>
    <message>
        <source>a streak</source>
        <translation>eine Serie</translation>
    </message>
    <message>
        <source>%1: %2; the streak of days starts afresh</source>
        <translation>%1: %2; die Serie der Tage beginnt von vorn</translation>
    </message>
    <message>
        <source>%1 · days in a row: %2</source>
        <translation>%1 · Tage in Folge: %2</translation>
    </message>
    <message>
        <source>Swirlfall · %1 · %2 s · wells: %3 · days in a row: %4</source>
        <translation>Swirlfall · %1 · %2 s · Brunnen: %3 · Tage in Folge: %4</translation>
    </message>
    <message>
        <source>the streak could not be kept in %1: %2</source>
        <translation>die Serie konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Swirlfall · %1 · %2 s · wells: %3</source>
        <translation>Swirlfall · %1 · %2 s · Brunnen: %3</translation>
    </message>
    <message>
        <source>a file of days</source>
        <translation>eine Datei der Tage</translation>
    </message>
    <message>
        <source>%1: %2; the days passed start afresh, the streak is kept</source>
        <translation>%1: %2; die gelösten Tage beginnen von vorn, die Serie bleibt</translation>
    </message>
    <message>
        <source>a seed</source>
        <translation>ein Startwert</translation>
    </message>
    <message>
        <source>%1 · longest days in a row: %2</source>
        <translation>%1 · meiste Tage in Folge: %2</translation>
    </message>
    <message>
        <source>%1 · days in a row: %2, longest %3</source>
        <translation>%1 · Tage in Folge: %2, meiste %3</translation>
    </message>
    <message>
        <source>the puzzle played last could not be kept in %1: %2</source>
        <translation>das zuletzt gespielte Rätsel konnte nicht in %1 behalten werden: %2</translation>
    </message>
    <message>
        <source>the days passed could not be kept in %1: %2</source>
        <translation>die gelösten Tage konnten nicht in %1 behalten werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 · %n hints</source>
        <translation>
            <numerusform>%1 · %n Hinweis</numerusform>
            <numerusform>%1 · %n Hinweise</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PuzzleShelf</name>
    <message>
        <source>Making and proving the level of %1…</source>
        <translation>Das Level von %1 wird gemacht und bewiesen…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Play a seed</source>
        <translation>Startwert spielen</translation>
    </message>
    <message>
        <source>Making and proving the level of %1: candidate %2…</source>
        <translation>Das Level von %1 wird gemacht und bewiesen: Entwurf %2…</translation>
    </message>
    <message>
        <source>The seed %1 gives no level.</source>
        <translation>Der Startwert %1 ergibt kein Level.</translation>
    </message>
    <message>
        <source>A seed, typed or pasted, such as 3-easy-42 or 3-daily-2026-12-20:</source>
        <translation>Ein Startwert, getippt oder eingefügt, etwa 3-easy-42 oder 3-daily-2026-12-20:</translation>
    </message>
    <message>
        <source>the new puzzles could not be kept in %1: %2</source>
        <translation>die neuen Rätsel konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Type or paste a seed to play its level, or Cancel.</source>
        <translation>Tippe oder füge einen Startwert ein, um sein Level zu spielen, oder brich ab.</translation>
    </message>
    <message>
        <source>%1 opens on its day: it can be played from then on, and counts for that day only.</source>
        <translation>%1 öffnet an seinem Tag: Ab dann kann es gespielt werden, und es zählt nur für diesen Tag.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nach &apos;%1&apos; fehlt der Wert.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Schließen ohne zu speichern</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Meta</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>F%1</source>
        <translation>F%1</translation>
    </message>
</context>
<context>
    <name>RecordBook</name>
    <message>
        <source>the record could not be saved in %1: %2</source>
        <translation>der Rekord ließ sich nicht in %1 speichern: %2</translation>
    </message>
    <message>
        <source>%1: not a run of this level</source>
        <translation>%1: kein Lauf dieses Levels</translation>
    </message>
    <message>
        <source>a drag beyond a player&apos;s reach</source>
        <translation>ein Ziehen außer Reichweite eines Spielers</translation>
    </message>
    <message>
        <source>the run that set this record could not be kept in %1: %2</source>
        <translation>der Lauf zu diesem Rekord ließ sich nicht in %1 aufbewahren: %2</translation>
    </message>
    <message>
        <source>a file for best times</source>
        <translation>eine Datei für Bestzeiten</translation>
    </message>
    <message>
        <source>%1: %2; the best times of this session are not kept</source>
        <translation>%1: %2; die Bestzeiten dieser Sitzung werden nicht behalten</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>a replay</source>
        <translation>eine Aufzeichnung</translation>
    </message>
    <message>
        <source>no header &quot;# level &lt;n&gt; time &lt;ms&gt;&quot; names the level</source>
        <translation>keine Kopfzeile „# level &lt;n&gt; time &lt;ms&gt;“ nennt das Level</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>a number too large</source>
        <translation>eine zu große Zahl</translation>
    </message>
    <message>
        <source>there is no level %1 (the levels are 1 to %2)</source>
        <translation>es gibt kein Level %1 (die Level sind 1 bis %2)</translation>
    </message>
    <message>
        <source>a well&apos;s kind is 0 (red) or 1 (blue)</source>
        <translation>die Art eines Brunnens ist 0 (rot) oder 1 (blau)</translation>
    </message>
    <message>
        <source>not an action: %1</source>
        <translation>keine Aktion: %1</translation>
    </message>
    <message>
        <source>(%1, %2) is too far off the playfield</source>
        <translation>(%1, %2) liegt zu weit außerhalb des Spielfelds</translation>
    </message>
    <message>
        <source>ticks go backwards</source>
        <translation>die Ticks laufen rückwärts</translation>
    </message>
</context>
<context>
    <name>ScenePainter</name>
    <message>
        <source>[Left mouse drag] horizontally or vertically to set a gravity well.
[Left mouse click] on a set gravity well to remove it.
[Right mouse click] to restart the level.
[Right / left arrow] to switch level.</source>
        <translation>[Linke Maustaste ziehen] waagrecht oder senkrecht setzt einen Schwerkraftbrunnen.
[Linksklick] auf einen gesetzten Brunnen entfernt ihn.
[Rechtsklick] beginnt das Level von vorn.
[Pfeil rechts / links] wechselt das Level.</translation>
    </message>
    <message>
        <source>[P] or [Left mouse click] to go on.</source>
        <translation>[P] oder [Linksklick] spielt weiter.</translation>
    </message>
    <message>
        <source>[Left mouse click] to advance to the next level.
[Right mouse click] to restart the level.
[Right / left arrow] to switch level.</source>
        <translation>[Linksklick] geht zum nächsten Level.
[Rechtsklick] beginnt das Level von vorn.
[Pfeil rechts / links] wechselt das Level.</translation>
    </message>
    <message>
        <source>[Left or right mouse click] to play the level again.
[Right / left arrow] to switch level.</source>
        <translation>[Links- oder Rechtsklick] spielt das Level noch einmal.
[Pfeil rechts / links] wechselt das Level.</translation>
    </message>
    <message>
        <source>Ready to start level %1</source>
        <translation>Bereit für Level %1</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>Bereit zum Start</translation>
    </message>
    <message>
        <source>Level %1 failed</source>
        <translation>Level %1 verloren</translation>
    </message>
    <message>
        <source>Level failed</source>
        <translation>Level verloren</translation>
    </message>
    <message>
        <source>Level %1 passed</source>
        <translation>Level %1 geschafft</translation>
    </message>
    <message>
        <source>Level passed</source>
        <translation>Level geschafft</translation>
    </message>
    <message>
        <source>New record!</source>
        <translation>Neuer Rekord!</translation>
    </message>
    <message>
        <source>Not proven</source>
        <translation>Unbewiesen</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestzeiten</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Not passed</source>
        <translation>Ungelöst</translation>
    </message>
    <message>
        <source>Total time: %1
Passed levels: %2 / %3</source>
        <translation>Gesamtzeit: %1
Geschaffte Level: %2 / %3</translation>
    </message>
    <message>
        <source>New record! (not kept)</source>
        <translation>Neuer Rekord! (nicht gespeichert)</translation>
    </message>
</context>
<context>
    <name>Seed</name>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Puzzle of %1</source>
        <translation>Rätsel vom %1</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>the day of a puzzle of the day</comment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>“%1” is not a seed: a seed is the generator&apos;s version, a tier and a word of letters and digits (and - _ . between them), as 3-easy-42.</source>
        <translation>„%1“ ist kein Startwert: Ein Startwert ist die Version des Generators, eine Stufe und ein Wort aus Buchstaben und Ziffern (und - _ . dazwischen), etwa 3-easy-42.</translation>
    </message>
    <message>
        <source>“%1” is a seed of generator %2; this game&apos;s generators are 1 to %3.</source>
        <translation>„%1“ ist ein Startwert des Generators %2; die Generatoren dieses Spiels sind 1 bis %3.</translation>
    </message>
    <message>
        <source>“%1” is not a seed: its word has %2 characters, and a seed&apos;s word has at most %3.</source>
        <translation>„%1“ ist kein Startwert: Sein Wort hat %2 Zeichen, und das Wort eines Startwerts hat höchstens %3.</translation>
    </message>
    <message>
        <source>“%1” is not a seed: the puzzle of a day is named by its date, as 3-daily-2026-12-20.</source>
        <translation>„%1“ ist kein Startwert: Das Rätsel eines Tages wird nach seinem Datum benannt, etwa 3-daily-2026-12-20.</translation>
    </message>
    <message>
        <source>“%1” is not a seed: its tier is easy, medium, hard or daily, not “%2”.</source>
        <translation>„%1“ ist kein Startwert: Seine Stufe ist easy, medium, hard oder daily, nicht „%2“.</translation>
    </message>
</context>
<context>
    <name>SolutionPlayback</name>
    <message>
        <source>Playing your best run: [Mouse click] or [any key] to stop it.</source>
        <translation>Dein bester Lauf läuft: [Mausklick] oder [eine Taste] hält ihn an.</translation>
    </message>
    <message>
        <source>Playing a replay: [Mouse click] or [any key] to stop it.</source>
        <translation>Eine Aufzeichnung läuft: [Mausklick] oder [eine Taste] hält sie an.</translation>
    </message>
    <message>
        <source>Playing the solution: [Mouse click] or [any key] to stop it.</source>
        <translation>Die Lösung läuft: [Mausklick] oder [eine Taste] hält sie an.</translation>
    </message>
</context>
<context>
    <name>SoundDevice</name>
    <message>
        <source>no sound output could be opened; the game plays silently</source>
        <translation>keine Tonausgabe ließ sich öffnen; das Spiel läuft ohne Ton</translation>
    </message>
</context>
<context>
    <name>TimesChart</name>
    <message>
        <source>No puzzle of a day passed in this month.</source>
        <translation>In diesem Monat wurde kein Rätsel eines Tages gelöst.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>UntrustedText</name>
    <message>
        <source>a folder, not %1</source>
        <translation>ein Ordner, nicht %1</translation>
    </message>
    <message>
        <source>not a regular file, not %1</source>
        <translation>keine gewöhnliche Datei, nicht %1</translation>
    </message>
    <message>
        <source>larger than %1 KiB, too large for %2</source>
        <translation>größer als %1 KiB, zu groß für %2</translation>
    </message>
    <message>
        <source>line %1: not UTF-8 text</source>
        <translation>Zeile %1: kein UTF-8-Text</translation>
    </message>
</context>
<context>
    <name>YourDays</name>
    <message>
        <source>Your days</source>
        <translation>Deine Tage</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Ergebnis kopieren</translation>
    </message>
    <message>
        <source>Play the day&apos;s puzzle</source>
        <translation>Rätsel des Tages spielen</translation>
    </message>
    <message>
        <source>passed on its day</source>
        <translation>an seinem Tag gelöst</translation>
    </message>
    <message>
        <source>passed late</source>
        <translation>später gelöst</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>verpasst</translation>
    </message>
    <message>
        <source>Days in a row: %1
Longest run of days: %2
Days played: %3, %4 of them on their day</source>
        <translation>Tage in Folge: %1
Meiste Tage in Folge: %2
Gespielte Tage: %3, davon %4 an ihrem Tag</translation>
    </message>
    <message>
        <source>Your times on the puzzles of %1:</source>
        <translation>Deine Zeiten bei den Rätseln im %1:</translation>
    </message>
    <message>
        <source>MMMM yyyy</source>
        <comment>a month of the calendar</comment>
        <translation>MMMM yyyy</translation>
    </message>
    <message>
        <source>%1: passed on its day, in %2 s.</source>
        <translation>%1: an seinem Tag gelöst, in %2 s.</translation>
    </message>
    <message>
        <source>%1: passed late, on %2, in %3 s.</source>
        <translation>%1: später gelöst, am %2, in %3 s.</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>the day a puzzle was passed late on</comment>
        <translation>d. MMMM</translation>
    </message>
    <message>
        <source>%1: today&apos;s, to pass today for the days in a row.</source>
        <translation>%1: das heutige, heute zu lösen für die Tage in Folge.</translation>
    </message>
    <message>
        <source>%1: not passed; it can still be played, late.</source>
        <translation>%1: nicht gelöst; es kann noch gespielt werden, später.</translation>
    </message>
    <message>
        <source>To share: %1</source>
        <translation>Zum Teilen: %1</translation>
    </message>
</context>
<context>
    <name>vorticade</name>
    <message>
        <source>High scores</source>
        <translation>Bestzeiten</translation>
    </message>
    <message>
        <source>TAB</source>
        <translation>TAB</translation>
    </message>
    <message>
        <source>Shows the best time of every level (Tab: while it is held)</source>
        <translation>Zeigt die Bestzeit jedes Levels (Tab: solange gedrückt)</translation>
    </message>
    <message>
        <source>Show solution</source>
        <translation>Lösung zeigen</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Plays the level&apos;s solution; a click or a key stops it</source>
        <translation>Spielt die Lösung des Levels ab; ein Klick oder eine Taste hält sie an</translation>
    </message>
    <message>
        <source>Watch my best run</source>
        <translation>Meinen besten Lauf ansehen</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Plays the run that set your record on the level</source>
        <translation>Spielt den Lauf ab, der deinen Rekord im Level aufgestellt hat</translation>
    </message>
    <message>
        <source>Open replay…</source>
        <translation>Aufzeichnung öffnen…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Plays a replay, or a level file with its proof</source>
        <translation>Spielt eine Aufzeichnung ab, oder eine Level-Datei mit ihrem Beweis</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Pauses a running level, and goes on</source>
        <translation>Hält ein laufendes Level an und spielt weiter</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>Fills the screen with the playfield, and back</source>
        <translation>Füllt den Bildschirm mit dem Spielfeld, und zurück</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>So wird gespielt</translation>
    </message>
    <message>
        <source>Shift+F1</source>
        <translation>Shift+F1</translation>
    </message>
    <message>
        <source>Shows how to play: the goal, the mouse and the keys</source>
        <translation>Zeigt, wie gespielt wird: das Ziel, die Maus und die Tasten</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Tells which game this is, and its version</source>
        <translation>Sagt, welches Spiel dies ist, und seine Version</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>ESC</source>
        <translation>ESC</translation>
    </message>
    <message>
        <source>Quits the game</source>
        <translation>Beendet das Spiel</translation>
    </message>
    <message>
        <source>Choose level…</source>
        <translation>Level wählen…</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Shows every level, yours and the sets too, to choose one</source>
        <translation>Zeigt alle Level, auch deine und die Reihen, zur Auswahl</translation>
    </message>
    <message>
        <source>Open level…</source>
        <translation>Level öffnen…</translation>
    </message>
    <message>
        <source>Plays a level file</source>
        <translation>Spielt eine Level-Datei</translation>
    </message>
    <message>
        <source>New level…</source>
        <translation>Neues Level…</translation>
    </message>
    <message>
        <source>Opens the level editor on a new level</source>
        <translation>Öffnet den Level-Editor mit einem neuen Level</translation>
    </message>
    <message>
        <source>Edit level…</source>
        <translation>Level bearbeiten…</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Opens the level editor on the level played</source>
        <translation>Öffnet den Level-Editor mit dem gespielten Level</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>About Swirlfall</source>
        <translation>Über Swirlfall</translation>
    </message>
    <message>
        <source>Swirlfall %1
Developed by the Swirlfall team in 2026.
Released for Linux desktops under the GNU GPL, version 3 or later.</source>
        <translation>Swirlfall %1
Entwickelt vom Swirlfall-Team im Jahr 2026.
Veröffentlicht für Linux-Desktops unter der GNU GPL, Version 3 oder später.</translation>
    </message>
    <message>
        <source>No solution to show: the level is not proven</source>
        <translation>Keine Lösung zu zeigen: das Level ist nicht bewiesen</translation>
    </message>
    <message>
        <source>Save puzzle to My levels</source>
        <translation>Rätsel in Meine Level speichern</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Keeps the puzzle played in My levels</source>
        <translation>Speichert das gespielte Rätsel in Meine Level</translation>
    </message>
    <message>
        <source>Copy puzzle&apos;s seed</source>
        <translation>Startwert des Rätsels kopieren</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Puts the seed of the puzzle played on the clipboard, to share</source>
        <translation>Legt den Startwert des gespielten Rätsels in die Zwischenablage, zum Teilen</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Ergebnis kopieren</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>Puts your result on the puzzle of the day on the clipboard, to share: no answer in it</source>
        <translation>Legt dein Ergebnis beim Rätsel des Tages in die Zwischenablage, zum Teilen: ohne die Lösung</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Turns the game&apos;s sounds off, and on again; the choice is kept</source>
        <translation>Schaltet die Töne des Spiels aus und wieder ein; die Wahl bleibt erhalten</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Your days…</source>
        <translation>Deine Tage…</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Shows the puzzles of the days at a glance: passed, late or missed, the streaks and your times</source>
        <translation>Zeigt die Rätsel der Tage auf einen Blick: gelöst, später oder verpasst, die Serien und deine Zeiten</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Shows where and when the solution sets its next well, with those shown before</source>
        <translation>Zeigt, wo und wann die Lösung ihren nächsten Brunnen setzt, mit den schon gezeigten</translation>
    </message>
</context>
</TS>
