<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_GB">
<context>
    <name>AtomicWriter</name>
    <message>
        <source>its folder cannot be made</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Swirlfall: steer every particle into its goal with red and blue gravity wells.</source>
        <translation>Swirlfall : guidez chaque particule vers son but avec des puits de gravité rouges et bleus.</translation>
    </message>
    <message>
        <source>A level file (.swirl) to play, or with --verify, the files to check.</source>
        <translation>Un fichier de niveau (.swirl) à jouer, ou avec --verify, les fichiers à vérifier.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Start on level &lt;n&gt;, from 1 to %1.</source>
        <translation>Commencer au niveau &lt;n&gt;, de 1 à %1.</translation>
    </message>
    <message>
        <source>Keep best times in &lt;file&gt; instead of scores.dat in the current folder.</source>
        <translation>Garder les meilleurs temps dans &lt;file&gt; au lieu de scores.dat dans le dossier courant.</translation>
    </message>
    <message>
        <source>Keep best times in scores.dat in the user&apos;s data folder, $XDG_DATA_HOME/swirlfall (~/.local/share/swirlfall by default), as the desktop menu&apos;s entry does.</source>
        <translation>Garder les meilleurs temps dans scores.dat dans le dossier de données de l&apos;utilisateur, $XDG_DATA_HOME/swirlfall (~/.local/share/swirlfall par défaut), comme le fait l&apos;entrée du menu du bureau.</translation>
    </message>
    <message>
        <source>Start in full screen, the playfield scaled to the screen.</source>
        <translation>Démarrer en plein écran, le terrain mis à l&apos;échelle de l&apos;écran.</translation>
    </message>
    <message>
        <source>Check the proof of each level file or replay given, without a display: one line per file; exit status 0 when every proof holds, 1 when one is missing or does not hold, 2 when a file cannot be read.</source>
        <translation>Vérifier la preuve de chaque fichier de niveau ou enregistrement donné, sans affichage : une ligne par fichier ; code de sortie 0 si chaque preuve tient, 1 si l&apos;une manque ou ne tient pas, 2 si un fichier est illisible.</translation>
    </message>
    <message>
        <source>Open the level editor on the level file given, or on a new level (saved to the file given, if it does not exist yet).</source>
        <translation>Ouvrir l&apos;éditeur de niveaux sur le fichier de niveau donné, ou sur un nouveau niveau (enregistré dans le fichier donné s&apos;il n&apos;existe pas encore).</translation>
    </message>
    <message>
        <source>Print level &lt;n&gt; as a level file, with its solution as the proof.</source>
        <translation>Écrire le niveau &lt;n&gt; comme fichier de niveau, avec sa solution comme preuve.</translation>
    </message>
    <message>
        <source>Open the level of the replay in &lt;file&gt; and play the replay, as the Show solution command plays a level&apos;s solution; a level file plays its proof.</source>
        <translation>Ouvrir le niveau de l&apos;enregistrement dans &lt;file&gt; et le rejouer, comme « Montrer la solution » rejoue la solution d&apos;un niveau ; un fichier de niveau rejoue sa preuve.</translation>
    </message>
    <message>
        <source>--verify takes the files to check</source>
        <translation>--verify attend les fichiers à vérifier</translation>
    </message>
    <message>
        <source>--%1 takes a level from 1 to %2, not &apos;%3&apos;</source>
        <translation>--%1 attend un niveau de 1 à %2, pas « %3 »</translation>
    </message>
    <message>
        <source>--edit takes one level file at most</source>
        <translation>--edit prend au plus un fichier de niveau</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>--level, --replay and a level file each choose the level; give one</source>
        <translation>--level, --replay et un fichier de niveau choisissent chacun le niveau ; n&apos;en donnez qu&apos;un</translation>
    </message>
    <message>
        <source>--scores and --user-data each name where best times are kept; give one</source>
        <translation>--scores et --user-data indiquent chacun où garder les meilleurs temps ; n&apos;en donnez qu&apos;un</translation>
    </message>
    <message>
        <source>--scores takes the name of a file</source>
        <translation>--scores attend un nom de fichier</translation>
    </message>
    <message>
        <source>Print the level the seed &lt;seed&gt; gives, such as 3-easy-42 or 3-daily-2026-12-20, as a level file with its proof.</source>
        <translation>Afficher le niveau que donne la graine &lt;seed&gt;, comme 3-easy-42 ou 3-daily-2026-12-20, en fichier de niveau avec sa preuve.</translation>
    </message>
    <message>
        <source>Play without sound this time; the Sound setting stays as it is.</source>
        <translation>Jouer sans son cette fois ; le réglage « Son » reste tel quel.</translation>
    </message>
</context>
<context>
    <name>ConsoleCommands</name>
    <message>
        <source>the seed %1 gives no level</source>
        <translation>la graine %1 ne donne aucun niveau</translation>
    </message>
</context>
<context>
    <name>DailyStreak</name>
    <message>
        <source>a streak</source>
        <translation>une série</translation>
    </message>
    <message>
        <source>not a streak: it is not &quot;%1&quot; and its three lines</source>
        <translation>pas une série : ce n’est pas « %1 » et ses trois lignes</translation>
    </message>
    <message>
        <source>not a streak: its days, longest and last day do not agree</source>
        <translation>pas une série : ses jours, la plus longue et le dernier jour ne s’accordent pas</translation>
    </message>
</context>
<context>
    <name>DayLog</name>
    <message>
        <source>not a file of days: line %1: %2</source>
        <translation>pas un fichier de jours : ligne %1 : %2</translation>
    </message>
    <message>
        <source>a file of days</source>
        <translation>un fichier de jours</translation>
    </message>
    <message>
        <source>it does not end with a whole line</source>
        <translation>il ne finit pas par une ligne entière</translation>
    </message>
    <message>
        <source>it is not &quot;%1&quot;</source>
        <translation>ce n’est pas « %1 »</translation>
    </message>
    <message>
        <source>more than %1 days</source>
        <translation>plus de %1 jours</translation>
    </message>
    <message>
        <source>a day out of order, or passed before it came</source>
        <translation>un jour hors d’ordre, ou réussi avant d’être venu</translation>
    </message>
    <message>
        <source>not a day, the day passed on, a time, wells and hints</source>
        <translation>pas un jour, le jour de la réussite, un temps, des puits et des indices</translation>
    </message>
</context>
<context>
    <name>EditorCanvas</name>
    <message>
        <source>A level has at most %1 particles.</source>
        <translation>Un niveau a au plus %1 particules.</translation>
    </message>
    <message>
        <source>Add red particle</source>
        <translation>Ajouter une particule rouge</translation>
    </message>
    <message>
        <source>Add blue particle</source>
        <translation>Ajouter une particule bleue</translation>
    </message>
    <message>
        <source>An area has at most %1 points.</source>
        <translation>Une zone a au plus %1 points.</translation>
    </message>
    <message>
        <source>Move particle</source>
        <translation>Déplacer la particule</translation>
    </message>
    <message>
        <source>Move area</source>
        <translation>Déplacer la zone</translation>
    </message>
    <message>
        <source>Move point</source>
        <translation>Déplacer le point</translation>
    </message>
    <message>
        <source>A level has at most %1 areas.</source>
        <translation>Un niveau a au plus %1 zones.</translation>
    </message>
    <message>
        <source>Add red goal</source>
        <translation>Ajouter un but rouge</translation>
    </message>
    <message>
        <source>Add blue goal</source>
        <translation>Ajouter un but bleu</translation>
    </message>
    <message>
        <source>Add hazard</source>
        <translation>Ajouter une zone dangereuse</translation>
    </message>
    <message>
        <source>Delete particle</source>
        <translation>Supprimer la particule</translation>
    </message>
    <message>
        <source>Delete point</source>
        <translation>Supprimer le point</translation>
    </message>
    <message>
        <source>Delete area</source>
        <translation>Supprimer la zone</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Red wells</source>
        <translation>Puits rouges</translation>
    </message>
    <message>
        <source>Blue wells</source>
        <translation>Puits bleus</translation>
    </message>
    <message>
        <source>Try it (F5)</source>
        <translation>Essayer (F5)</translation>
    </message>
    <message>
        <source>Play the level in the game: a pass becomes its proof.</source>
        <translation>Jouer le niveau dans le jeu : une réussite devient sa preuve.</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>Chercher pendant</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Starts a new level</source>
        <translation>Commence un nouveau niveau</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Opens a level file</source>
        <translation>Ouvre un fichier de niveau</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Saves the level, with its proof if it has one</source>
        <translation>Enregistre le niveau, avec sa preuve s&apos;il en a une</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Saves the level in another file</source>
        <translation>Enregistre le niveau dans un autre fichier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Closes the editor</source>
        <translation>Ferme l&apos;éditeur</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Takes back the last change</source>
        <translation>Reprend la dernière modification</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refaire</translation>
    </message>
    <message>
        <source>Makes the change taken back again</source>
        <translation>Refait la modification reprise</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Removes what is selected: a particle, an area or one of its points</source>
        <translation>Supprime la sélection : une particule, une zone ou l&apos;un de ses points</translation>
    </message>
    <message>
        <source>Close area</source>
        <translation>Fermer la zone</translation>
    </message>
    <message>
        <source>Closes the area being drawn</source>
        <translation>Ferme la zone en cours de tracé</translation>
    </message>
    <message>
        <source>Snap to grid</source>
        <translation>Aligner sur la grille</translation>
    </message>
    <message>
        <source>Points snap to a 10-pixel grid, or not</source>
        <translation>Les points s&apos;alignent sur une grille de 10 pixels, ou non</translation>
    </message>
    <message>
        <source>Points snap to a 10-pixel grid (G)</source>
        <translation>Les points s&apos;alignent sur une grille de 10 pixels (G)</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Essayer</translation>
    </message>
    <message>
        <source>Plays the level in the game: a pass becomes its proof</source>
        <translation>Joue le niveau dans le jeu : une réussite devient sa preuve</translation>
    </message>
    <message>
        <source>Find a solution</source>
        <translation>Chercher une solution</translation>
    </message>
    <message>
        <source>Runs the solver for the time set; F6 again cancels it</source>
        <translation>Lance le solveur pour le temps choisi ; F6 à nouveau l&apos;annule</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Pick a particle, an area or a point; drag to move it, Delete to remove it</source>
        <translation>Choisir une particule, une zone ou un point ; glisser pour déplacer, Suppr pour supprimer</translation>
    </message>
    <message>
        <source>Red particle</source>
        <translation>Particule rouge</translation>
    </message>
    <message>
        <source>A red particle at each click</source>
        <translation>Une particule rouge à chaque clic</translation>
    </message>
    <message>
        <source>Blue particle</source>
        <translation>Particule bleue</translation>
    </message>
    <message>
        <source>A blue particle at each click</source>
        <translation>Une particule bleue à chaque clic</translation>
    </message>
    <message>
        <source>Red goal</source>
        <translation>But rouge</translation>
    </message>
    <message>
        <source>A red goal, point by point: double click or Enter closes it</source>
        <translation>Un but rouge, point par point : un double-clic ou Entrée le ferme</translation>
    </message>
    <message>
        <source>Blue goal</source>
        <translation>But bleu</translation>
    </message>
    <message>
        <source>A blue goal, point by point: double click or Enter closes it</source>
        <translation>Un but bleu, point par point : un double-clic ou Entrée le ferme</translation>
    </message>
    <message>
        <source>Hazard</source>
        <translation>Zone dangereuse</translation>
    </message>
    <message>
        <source>A hazard, point by point: double click or Enter closes it</source>
        <translation>Une zone dangereuse, point par point : un double-clic ou Entrée la ferme</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Keys and tools</source>
        <translation>Touches et outils</translation>
    </message>
    <message>
        <source>Lists the editor&apos;s keys and tools</source>
        <translation>Liste les touches et les outils de l&apos;éditeur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Find a solution (F6)</source>
        <translation>Chercher une solution (F6)</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>non enregistré</translation>
    </message>
    <message>
        <source>%1 (%2)[*] - Swirlfall level editor</source>
        <translation>%1 (%2)[*] – éditeur de niveaux de Swirlfall</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Open level</source>
        <translation>Ouvrir un niveau</translation>
    </message>
    <message>
        <source>This file cannot be opened</source>
        <translation>Ce fichier ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>Save level</source>
        <translation>Enregistrer le niveau</translation>
    </message>
    <message>
        <source>The level cannot be saved</source>
        <translation>Le niveau ne peut pas être enregistré</translation>
    </message>
    <message>
        <source>A level needs a particle to be played.</source>
        <translation>Un niveau a besoin d&apos;une particule pour être joué.</translation>
    </message>
    <message>
        <source>A level needs a particle to be solved.</source>
        <translation>Un niveau a besoin d&apos;une particule pour être résolu.</translation>
    </message>
    <message>
        <source>Your pass in %1 ms is the level&apos;s proof.</source>
        <translation>Votre réussite en %1 ms est la preuve du niveau.</translation>
    </message>
    <message>
        <source>The level changed during the search; its solution is not kept.</source>
        <translation>Le niveau a changé pendant la recherche ; sa solution n&apos;est pas gardée.</translation>
    </message>
    <message>
        <source>Found a solution in %1 ms; the proof is faster.</source>
        <translation>Solution trouvée en %1 ms ; la preuve est plus rapide.</translation>
    </message>
    <message>
        <source>Found a solution in %1 ms, as fast as the proof.</source>
        <translation>Solution trouvée en %1 ms, aussi rapide que la preuve.</translation>
    </message>
    <message>
        <source>Found a solution in %1 ms: it is the level&apos;s proof.</source>
        <translation>Solution trouvée en %1 ms : c&apos;est la preuve du niveau.</translation>
    </message>
    <message>
        <source>The search was cancelled.</source>
        <translation>La recherche a été annulée.</translation>
    </message>
    <message>
        <source>No solution found in %1 s.</source>
        <translation>Aucune solution trouvée en %1 s.</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>The level has changes that are not saved. Save them?</source>
        <translation>Le niveau a des modifications non enregistrées. Les enregistrer ?</translation>
    </message>
    <message>
        <source>level</source>
        <translation>niveau</translation>
    </message>
</context>
<context>
    <name>EndLine</name>
    <message numerus="yes">
        <source>Passed with %n hints</source>
        <translation>
            <numerusform>Réussi avec %n indice</numerusform>
            <numerusform>Réussi avec %n indices</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Replays and levels (*.txt *.%1);;All files (*)</source>
        <translation>Enregistrements et niveaux (*.txt *.%1);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open level</source>
        <translation>Ouvrir un niveau</translation>
    </message>
    <message>
        <source>Open replay</source>
        <translation>Ouvrir un enregistrement</translation>
    </message>
    <message>
        <source>%1: a level without a proof, no replay to play</source>
        <translation>%1 : un niveau sans preuve, aucun enregistrement à rejouer</translation>
    </message>
    <message>
        <source>This file cannot be opened:
%1</source>
        <translation>Ce fichier ne peut pas être ouvert :
%1</translation>
    </message>
    <message>
        <source>%1: a folder with no level files</source>
        <translation>%1 : un dossier sans fichier de niveau</translation>
    </message>
    <message>
        <source>Play levels</source>
        <translation>Jouer des niveaux</translation>
    </message>
</context>
<context>
    <name>GameStart</name>
    <message>
        <source>%1: a level without a proof, no replay to play</source>
        <translation>%1 : un niveau sans preuve, aucun enregistrement à rejouer</translation>
    </message>
    <message>
        <source>--user-data: no data folder is known (HOME is not set)</source>
        <translation>--user-data : aucun dossier de données connu (HOME n&apos;est pas défini)</translation>
    </message>
    <message>
        <source>a file for best times</source>
        <translation>un fichier de meilleurs temps</translation>
    </message>
    <message>
        <source>a folder, not a file for best times</source>
        <translation>un dossier, pas un fichier de meilleurs temps</translation>
    </message>
</context>
<context>
    <name>HintMarks</name>
    <message>
        <source>at the start</source>
        <translation>au départ</translation>
    </message>
    <message>
        <source>at %1 s</source>
        <translation>à %1 s</translation>
    </message>
    <message>
        <source>taken away %1</source>
        <comment>a well, at a moment</comment>
        <translation>retiré %1</translation>
    </message>
</context>
<context>
    <name>HowToPlay</name>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>The goal</source>
        <translation>Le but du jeu</translation>
    </message>
    <message>
        <source>Bring every particle into the goal of its colour, without letting one touch a well, a hazard or the goal of the other colour. Each well pulls the particles of its own colour and pushes the others, with the same strength at any distance.</source>
        <translation>Amenez chaque particule dans le but de sa couleur, sans qu&apos;aucune ne touche un puits, une zone dangereuse ou le but de l&apos;autre couleur. Chaque puits attire les particules de sa couleur et repousse les autres, avec la même force à toute distance.</translation>
    </message>
    <message>
        <source>A drag sideways sets a blue well where it began.</source>
        <translation>Glisser de côté pose un puits bleu là où le geste commence.</translation>
    </message>
    <message>
        <source>A drag up or down sets a red well where it began.</source>
        <translation>Glisser vers le haut ou le bas pose un puits rouge là où le geste commence.</translation>
    </message>
    <message>
        <source>The mouse</source>
        <translation>La souris</translation>
    </message>
    <message>
        <source>Left drag, sideways</source>
        <translation>Glisser avec le bouton gauche, de côté</translation>
    </message>
    <message>
        <source>Sets a blue well where the drag began</source>
        <translation>Pose un puits bleu là où le geste commence</translation>
    </message>
    <message>
        <source>Left drag, up or down</source>
        <translation>Glisser avec le bouton gauche, vers le haut ou le bas</translation>
    </message>
    <message>
        <source>Sets a red well where the drag began</source>
        <translation>Pose un puits rouge là où le geste commence</translation>
    </message>
    <message>
        <source>Left click on a well</source>
        <translation>Clic gauche sur un puits</translation>
    </message>
    <message>
        <source>Removes it; the well is not given back</source>
        <translation>L&apos;enlève ; le puits n&apos;est pas rendu</translation>
    </message>
    <message>
        <source>Left click after the end</source>
        <translation>Clic gauche après la fin</translation>
    </message>
    <message>
        <source>Goes on to the next level</source>
        <translation>Passe au niveau suivant</translation>
    </message>
    <message>
        <source>Right click</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Starts the level again</source>
        <translation>Recommence le niveau</translation>
    </message>
    <message>
        <source>The keys</source>
        <translation>Les touches</translation>
    </message>
    <message>
        <source>The previous, the next level (of the collection played)</source>
        <translation>Le niveau précédent, le suivant (de la collection jouée)</translation>
    </message>
    <message>
        <source>A particle keeps its speed after its well is removed.</source>
        <translation>Une particule garde sa vitesse quand son puits est retiré.</translation>
    </message>
    <message>
        <source>Puzzles and the days in a row</source>
        <translation>Les énigmes et les jours d’affilée</translation>
    </message>
    <message>
        <source>Puzzles, the chooser&apos;s last collection, are made from seeds and proven before they are offered: Easy, Medium or Hard, with one to five stars. The puzzle of the day is the same for everyone on a day (in UTC); passed on its day, it carries your days in a row on, and a day missed starts them again. Your days, in the Menu, shows them all.</source>
        <translation>Les énigmes, dernière collection du sélecteur, sont faites à partir de graines et prouvées avant d’être proposées : Facile, Moyen ou Difficile, avec une à cinq étoiles. L’énigme du jour est la même pour tous un même jour (en UTC) ; réussie le jour même, elle prolonge vos jours d’affilée, et un jour manqué les fait repartir de zéro. « Vos jours », dans le Menu, les montre tous.</translation>
    </message>
    <message>
        <source>Stuck?</source>
        <translation>Bloqué ?</translation>
    </message>
    <message>
        <source>H shows where and when the level&apos;s solution sets its next well: a faint well, and its moment, until you set a well or start again. Each H shows one well more, those before too; a well the solution takes away again is crossed out. A pass after hints is a pass, and says how many it took. S plays the whole solution.</source>
        <translation>H montre où et quand la solution du niveau pose son prochain puits : un puits pâle, et son moment, jusqu’à ce que vous posiez un puits ou recommenciez. Chaque H montre un puits de plus, avec les précédents ; un puits que la solution retire ensuite est barré. Une réussite après des indices est une réussite, et dit combien elle en a pris. S rejoue toute la solution.</translation>
    </message>
</context>
<context>
    <name>LevelCatalogue</name>
    <message>
        <source>a level or a replay</source>
        <translation>un niveau ou un enregistrement</translation>
    </message>
</context>
<context>
    <name>LevelCheck</name>
    <message>
        <source>There are no particles: the level cannot be saved yet.</source>
        <translation>Il n&apos;y a aucune particule : le niveau ne peut pas encore être enregistré.</translation>
    </message>
    <message>
        <source>in the frame</source>
        <translation>dans le cadre</translation>
    </message>
    <message>
        <source>in a hazard</source>
        <translation>dans une zone dangereuse</translation>
    </message>
    <message>
        <source>in a goal</source>
        <translation>dans un but</translation>
    </message>
    <message>
        <source>A red particle at (%1, %2) starts %3.</source>
        <translation>Une particule rouge en (%1, %2) commence %3.</translation>
    </message>
    <message>
        <source>A blue particle at (%1, %2) starts %3.</source>
        <translation>Une particule bleue en (%1, %2) commence %3.</translation>
    </message>
    <message>
        <source>There are red particles but no red goal.</source>
        <translation>Il y a des particules rouges mais aucun but rouge.</translation>
    </message>
    <message>
        <source>There are blue particles but no blue goal.</source>
        <translation>Il y a des particules bleues mais aucun but bleu.</translation>
    </message>
    <message>
        <source>There are no wells to set: nothing can move the particles.</source>
        <translation>Il n&apos;y a aucun puits à poser : rien ne peut déplacer les particules.</translation>
    </message>
    <message>
        <source>A hazard lies under the red goal at (%1, %2): a particle there fails the level.</source>
        <translation>Une zone dangereuse se trouve sous le but rouge en (%1, %2) : une particule qui y arrive fait échouer le niveau.</translation>
    </message>
    <message>
        <source>A hazard lies under the blue goal at (%1, %2): a particle there fails the level.</source>
        <translation>Une zone dangereuse se trouve sous le but bleu en (%1, %2) : une particule qui y arrive fait échouer le niveau.</translation>
    </message>
</context>
<context>
    <name>LevelChooser</name>
    <message>
        <source>Choose a level</source>
        <translation>Choisir un niveau</translation>
    </message>
    <message>
        <source>Type to find a level by name</source>
        <translation>Tapez pour chercher un niveau par son nom</translation>
    </message>
    <message>
        <source>Add levels…</source>
        <translation>Ajouter des niveaux…</translation>
    </message>
    <message>
        <source>Level files…</source>
        <translation>Fichiers de niveau…</translation>
    </message>
    <message>
        <source>A folder of levels, as a set…</source>
        <translation>Un dossier de niveaux, comme série…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>No level&apos;s name holds “%1”.</source>
        <translation>Aucun nom de niveau ne contient « %1 ».</translation>
    </message>
    <message>
        <source>No levels here.</source>
        <translation>Pas de niveaux ici.</translation>
    </message>
    <message>
        <source>No levels here yet. “Add levels…” copies level files here, the level editor (Ctrl+N) saves new levels here, and a level file dropped on the game plays it.</source>
        <translation>Pas encore de niveaux ici. « Ajouter des niveaux… » copie des fichiers de niveau ici, l&apos;éditeur de niveaux (Ctrl+N) y enregistre les nouveaux niveaux, et un fichier de niveau déposé sur le jeu se joue.</translation>
    </message>
    <message>
        <source>Play a seed…</source>
        <translation>Jouer une graine…</translation>
    </message>
    <message>
        <source>Save to My levels</source>
        <translation>Enregistrer dans Mes niveaux</translation>
    </message>
    <message>
        <source>Copy seed</source>
        <translation>Copier la graine</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Copier le résultat</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Your days…</source>
        <translation>Vos jours…</translation>
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
        <translation>Mes niveaux</translation>
    </message>
</context>
<context>
    <name>LevelDocument</name>
    <message>
        <source>Prove</source>
        <translation>Prouver</translation>
    </message>
    <message>
        <source>New level</source>
        <translation>Nouveau niveau</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
</context>
<context>
    <name>LevelDraft</name>
    <message>
        <source>Proven: passes in %1 ms</source>
        <translation>Prouvé : réussi en %1 ms</translation>
    </message>
    <message>
        <source>The proof no longer holds after an edit</source>
        <translation>La preuve ne tient plus après une modification</translation>
    </message>
    <message>
        <source>Not proven: %1</source>
        <translation>Non prouvé : %1</translation>
    </message>
    <message>
        <source>Not proven</source>
        <translation>Non prouvé</translation>
    </message>
</context>
<context>
    <name>LevelFile</name>
    <message>
        <source>a level</source>
        <translation>un niveau</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number</source>
        <translation>« %1 » n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>a number too large</source>
        <translation>un nombre trop grand</translation>
    </message>
    <message>
        <source>a colour is red or blue, not &apos;%1&apos;</source>
        <translation>une couleur est red ou blue, pas « %1 »</translation>
    </message>
    <message>
        <source>an x without its y</source>
        <translation>un x sans son y</translation>
    </message>
    <message>
        <source>an area has %1 to %2 points, not %3</source>
        <translation>une zone a de %1 à %2 points, pas %3</translation>
    </message>
    <message>
        <source>(%1, %2) is off the playfield</source>
        <translation>(%1, %2) est hors du terrain</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>a second name</source>
        <translation>un second nom</translation>
    </message>
    <message>
        <source>a name has 1 to %1 characters, not %2</source>
        <translation>un nom a de 1 à %1 caractères, pas %2</translation>
    </message>
    <message>
        <source>a name has only printable characters</source>
        <translation>un nom n&apos;a que des caractères imprimables</translation>
    </message>
    <message>
        <source>a second wells line</source>
        <translation>une seconde ligne wells</translation>
    </message>
    <message>
        <source>wells takes &apos;red &lt;n&gt; blue &lt;n&gt;&apos;</source>
        <translation>wells attend « red &lt;n&gt; blue &lt;n&gt; »</translation>
    </message>
    <message>
        <source>a budget is 0 to %1 wells, not %2</source>
        <translation>une réserve compte de 0 à %1 puits, pas %2</translation>
    </message>
    <message>
        <source>particle takes &apos;red|blue &lt;x&gt; &lt;y&gt;&apos;</source>
        <translation>particle attend « red|blue &lt;x&gt; &lt;y&gt; »</translation>
    </message>
    <message>
        <source>more than %1 particles</source>
        <translation>plus de %1 particules</translation>
    </message>
    <message>
        <source>more than %1 areas</source>
        <translation>plus de %1 zones</translation>
    </message>
    <message>
        <source>goal takes &apos;red|blue&apos; and its points</source>
        <translation>goal attend « red|blue » et ses points</translation>
    </message>
    <message>
        <source>unknown word &apos;%1&apos;</source>
        <translation>mot inconnu « %1 »</translation>
    </message>
    <message>
        <source>line %1: longer than %2 characters</source>
        <translation>ligne %1 : plus longue que %2 caractères</translation>
    </message>
    <message>
        <source>not a Swirlfall level: it starts without &quot;%1 %2&quot;</source>
        <translation>pas un niveau Swirlfall : il ne commence pas par « %1 %2 »</translation>
    </message>
    <message>
        <source>format version %1, but this game reads version %2</source>
        <translation>version de format %1, mais ce jeu lit la version %2</translation>
    </message>
    <message>
        <source>solution takes the time in ms in which its replay passes the level</source>
        <translation>solution attend le temps en ms en lequel son enregistrement réussit le niveau</translation>
    </message>
    <message>
        <source>line %1: the level has no %2</source>
        <translation>ligne %1 : le niveau n&apos;a pas %2</translation>
    </message>
    <message>
        <source>&quot;%1 %2&quot; line</source>
        <translation>de ligne « %1 %2 »</translation>
    </message>
    <message>
        <source>name</source>
        <translation>de nom</translation>
    </message>
    <message>
        <source>wells line</source>
        <translation>de ligne wells</translation>
    </message>
    <message>
        <source>particle</source>
        <translation>de particule</translation>
    </message>
    <message>
        <source>Swirlfall levels (*.%1);;All files (*)</source>
        <translation>Niveaux Swirlfall (*.%1);;Tous les fichiers (*)</translation>
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
        <translation>%1 : le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>%1: it cannot be copied to %2</source>
        <translation>%1 : ne peut pas être copié vers %2</translation>
    </message>
    <message>
        <source>%1: no free name for it in %2</source>
        <translation>%1 : aucun nom libre pour lui dans %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
</context>
<context>
    <name>LevelImporter</name>
    <message>
        <source>Add levels</source>
        <translation>Ajouter des niveaux</translation>
    </message>
    <message>
        <source>Add a set of levels</source>
        <translation>Ajouter une série de niveaux</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 sous le nom %2</translation>
    </message>
    <message>
        <source>%1, as %2</source>
        <translation>%1, sous le nom %2</translation>
    </message>
    <message>
        <source>Added to My levels:</source>
        <translation>Ajoutés à Mes niveaux :</translation>
    </message>
    <message>
        <source>Added under another name, as a file of that name is there:</source>
        <translation>Ajoutés sous un autre nom, car un fichier de ce nom existe :</translation>
    </message>
    <message>
        <source>Already in My levels, not added again:</source>
        <translation>Déjà dans Mes niveaux, pas ajoutés de nouveau :</translation>
    </message>
    <message>
        <source>Not added:</source>
        <translation>Non ajoutés :</translation>
    </message>
    <message>
        <source>Save to My levels</source>
        <translation>Enregistrer dans Mes niveaux</translation>
    </message>
</context>
<context>
    <name>LevelLibrary</name>
    <message>
        <source>Puzzles</source>
        <translation>Énigmes</translation>
    </message>
</context>
<context>
    <name>LevelListModel</name>
    <message>
        <source>Seed %1</source>
        <translation>Graine %1</translation>
    </message>
</context>
<context>
    <name>LevelRowDelegate</name>
    <message>
        <source>Not read yet</source>
        <translation>Pas encore lu</translation>
    </message>
    <message>
        <source>Cannot be played: %1</source>
        <translation>Injouable : %1</translation>
    </message>
    <message>
        <source>Proven</source>
        <translation>Prouvé</translation>
    </message>
    <message>
        <source>Not proven</source>
        <translation>Non prouvé</translation>
    </message>
    <message>
        <source>Its proof fails</source>
        <translation>Sa preuve échoue</translation>
    </message>
    <message>
        <source>Checking its proof…</source>
        <translation>Vérification de la preuve…</translation>
    </message>
    <message>
        <source> · your best run is kept (W)</source>
        <translation> · votre meilleure partie est gardée (W)</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Not passed</source>
        <translation>Non réussi</translation>
    </message>
    <message>
        <source>Being made and proven…</source>
        <translation>En cours de création et de preuve…</translation>
    </message>
</context>
<context>
    <name>ProofCheck</name>
    <message>
        <source>passes in %1 ms, as stated</source>
        <translation>réussit en %1 ms, comme indiqué</translation>
    </message>
    <message>
        <source>no proof: nothing shows that it can be passed</source>
        <translation>aucune preuve : rien ne montre qu&apos;il peut être réussi</translation>
    </message>
    <message>
        <source>the proof passes, but in %1 ms, not in %2 ms as stated</source>
        <translation>la preuve réussit, mais en %1 ms, pas en %2 ms comme indiqué</translation>
    </message>
    <message>
        <source>the proof fails: the level is failed after %1 ms</source>
        <translation>la preuve échoue : le niveau est perdu après %1 ms</translation>
    </message>
    <message>
        <source>the proof fails: the level is not passed after %1 s</source>
        <translation>la preuve échoue : le niveau n&apos;est pas réussi après %1 s</translation>
    </message>
</context>
<context>
    <name>ProofHints</name>
    <message>
        <source>This level has no proof to hint from</source>
        <translation>Ce niveau n’a pas de preuve d’où tirer un indice</translation>
    </message>
    <message>
        <source>The proof sets no more wells</source>
        <translation>La preuve ne pose plus d’autre puits</translation>
    </message>
</context>
<context>
    <name>PuzzleSession</name>
    <message>
        <source>a streak</source>
        <translation>une série</translation>
    </message>
    <message>
        <source>%1: %2; the streak of days starts afresh</source>
        <translation>%1 : %2 ; la série de jours repart de zéro</translation>
    </message>
    <message>
        <source>%1 · days in a row: %2</source>
        <translation>%1 · jours d’affilée : %2</translation>
    </message>
    <message>
        <source>Swirlfall · %1 · %2 s · wells: %3 · days in a row: %4</source>
        <translation>Swirlfall · %1 · %2 s · puits : %3 · jours d’affilée : %4</translation>
    </message>
    <message>
        <source>the streak could not be kept in %1: %2</source>
        <translation>la série n’a pas pu être gardée dans %1 : %2</translation>
    </message>
    <message>
        <source>Swirlfall · %1 · %2 s · wells: %3</source>
        <translation>Swirlfall · %1 · %2 s · puits : %3</translation>
    </message>
    <message>
        <source>a file of days</source>
        <translation>un fichier de jours</translation>
    </message>
    <message>
        <source>%1: %2; the days passed start afresh, the streak is kept</source>
        <translation>%1 : %2 ; les jours réussis repartent de zéro, la série est gardée</translation>
    </message>
    <message>
        <source>a seed</source>
        <translation>une graine</translation>
    </message>
    <message>
        <source>%1 · longest days in a row: %2</source>
        <translation>%1 · record de jours d’affilée : %2</translation>
    </message>
    <message>
        <source>%1 · days in a row: %2, longest %3</source>
        <translation>%1 · jours d’affilée : %2, record %3</translation>
    </message>
    <message>
        <source>the puzzle played last could not be kept in %1: %2</source>
        <translation>la dernière énigme jouée n’a pas pu être gardée dans %1 : %2</translation>
    </message>
    <message>
        <source>the days passed could not be kept in %1: %2</source>
        <translation>les jours réussis n’ont pas pu être gardés dans %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 · %n hints</source>
        <translation>
            <numerusform>%1 · %n indice</numerusform>
            <numerusform>%1 · %n indices</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PuzzleShelf</name>
    <message>
        <source>Making and proving the level of %1…</source>
        <translation>Création et preuve du niveau de %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Play a seed</source>
        <translation>Jouer une graine</translation>
    </message>
    <message>
        <source>Making and proving the level of %1: candidate %2…</source>
        <translation>Création et preuve du niveau de %1 : essai %2…</translation>
    </message>
    <message>
        <source>The seed %1 gives no level.</source>
        <translation>La graine %1 ne donne aucun niveau.</translation>
    </message>
    <message>
        <source>A seed, typed or pasted, such as 3-easy-42 or 3-daily-2026-12-20:</source>
        <translation>Une graine, tapée ou collée, comme 3-easy-42 ou 3-daily-2026-12-20 :</translation>
    </message>
    <message>
        <source>the new puzzles could not be kept in %1: %2</source>
        <translation>les nouvelles énigmes n’ont pas pu être gardées dans %1 : %2</translation>
    </message>
    <message>
        <source>Type or paste a seed to play its level, or Cancel.</source>
        <translation>Tapez ou collez une graine pour jouer son niveau, ou annulez.</translation>
    </message>
    <message>
        <source>%1 opens on its day: it can be played from then on, and counts for that day only.</source>
        <translation>%1 ouvre le jour venu : elle peut être jouée dès lors, et ne compte que pour ce jour.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation : %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments :</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue « %1 ».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues : %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après « %1 ».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après « %1 ».</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Fermer sans enregistrer</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Ignorer</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Meta</source>
        <translation>Méta</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Inser</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>Page préc.</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>Page suiv.</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
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
        <translation>le record n&apos;a pas pu être enregistré dans %1 : %2</translation>
    </message>
    <message>
        <source>%1: not a run of this level</source>
        <translation>%1 : pas une partie de ce niveau</translation>
    </message>
    <message>
        <source>a drag beyond a player&apos;s reach</source>
        <translation>un geste hors de portée d&apos;un joueur</translation>
    </message>
    <message>
        <source>the run that set this record could not be kept in %1: %2</source>
        <translation>la partie de ce record n&apos;a pas pu être gardée dans %1 : %2</translation>
    </message>
    <message>
        <source>a file for best times</source>
        <translation>un fichier de meilleurs temps</translation>
    </message>
    <message>
        <source>%1: %2; the best times of this session are not kept</source>
        <translation>%1 : %2 ; les meilleurs temps de cette session ne sont pas gardés</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>a replay</source>
        <translation>un enregistrement</translation>
    </message>
    <message>
        <source>no header &quot;# level &lt;n&gt; time &lt;ms&gt;&quot; names the level</source>
        <translation>aucun en-tête « # level &lt;n&gt; time &lt;ms&gt; » ne nomme le niveau</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>plus longue que %1 caractères</translation>
    </message>
    <message>
        <source>a number too large</source>
        <translation>un nombre trop grand</translation>
    </message>
    <message>
        <source>there is no level %1 (the levels are 1 to %2)</source>
        <translation>il n&apos;y a pas de niveau %1 (les niveaux vont de 1 à %2)</translation>
    </message>
    <message>
        <source>a well&apos;s kind is 0 (red) or 1 (blue)</source>
        <translation>le type d&apos;un puits est 0 (rouge) ou 1 (bleu)</translation>
    </message>
    <message>
        <source>not an action: %1</source>
        <translation>pas une action : %1</translation>
    </message>
    <message>
        <source>(%1, %2) is too far off the playfield</source>
        <translation>(%1, %2) est trop loin du terrain</translation>
    </message>
    <message>
        <source>ticks go backwards</source>
        <translation>les ticks reviennent en arrière</translation>
    </message>
</context>
<context>
    <name>ScenePainter</name>
    <message>
        <source>[Left mouse drag] horizontally or vertically to set a gravity well.
[Left mouse click] on a set gravity well to remove it.
[Right mouse click] to restart the level.
[Right / left arrow] to switch level.</source>
        <translation>[Glisser avec le bouton gauche] horizontalement ou verticalement pose un puits de gravité.
[Clic gauche] sur un puits posé l&apos;enlève.
[Clic droit] recommence le niveau.
[Flèche droite / gauche] change de niveau.</translation>
    </message>
    <message>
        <source>[P] or [Left mouse click] to go on.</source>
        <translation>[P] ou [Clic gauche] pour continuer.</translation>
    </message>
    <message>
        <source>[Left mouse click] to advance to the next level.
[Right mouse click] to restart the level.
[Right / left arrow] to switch level.</source>
        <translation>[Clic gauche] passe au niveau suivant.
[Clic droit] recommence le niveau.
[Flèche droite / gauche] change de niveau.</translation>
    </message>
    <message>
        <source>[Left or right mouse click] to play the level again.
[Right / left arrow] to switch level.</source>
        <translation>[Clic gauche ou droit] rejoue le niveau.
[Flèche droite / gauche] change de niveau.</translation>
    </message>
    <message>
        <source>Ready to start level %1</source>
        <translation>Prêt à commencer le niveau %1</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>Prêt à commencer</translation>
    </message>
    <message>
        <source>Level %1 failed</source>
        <translation>Niveau %1 perdu</translation>
    </message>
    <message>
        <source>Level failed</source>
        <translation>Niveau perdu</translation>
    </message>
    <message>
        <source>Level %1 passed</source>
        <translation>Niveau %1 réussi</translation>
    </message>
    <message>
        <source>Level passed</source>
        <translation>Niveau réussi</translation>
    </message>
    <message>
        <source>New record!</source>
        <translation>Nouveau record !</translation>
    </message>
    <message>
        <source>Not proven</source>
        <translation>Non prouvé</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs temps</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Not passed</source>
        <translation>Non réussi</translation>
    </message>
    <message>
        <source>Total time: %1
Passed levels: %2 / %3</source>
        <translation>Temps total : %1
Niveaux réussis : %2 / %3</translation>
    </message>
    <message>
        <source>New record! (not kept)</source>
        <translation>Nouveau record ! (non gardé)</translation>
    </message>
</context>
<context>
    <name>Seed</name>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Puzzle of %1</source>
        <translation>Énigme du %1</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>the day of a puzzle of the day</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>“%1” is not a seed: a seed is the generator&apos;s version, a tier and a word of letters and digits (and - _ . between them), as 3-easy-42.</source>
        <translation>« %1 » n’est pas une graine : une graine est la version du générateur, un niveau de difficulté et un mot de lettres et de chiffres (et - _ . entre eux), comme 3-easy-42.</translation>
    </message>
    <message>
        <source>“%1” is a seed of generator %2; this game&apos;s generators are 1 to %3.</source>
        <translation>« %1 » est une graine du générateur %2 ; les générateurs de ce jeu vont de 1 à %3.</translation>
    </message>
    <message>
        <source>“%1” is not a seed: its word has %2 characters, and a seed&apos;s word has at most %3.</source>
        <translation>« %1 » n’est pas une graine : son mot a %2 caractères, et le mot d’une graine en a au plus %3.</translation>
    </message>
    <message>
        <source>“%1” is not a seed: the puzzle of a day is named by its date, as 3-daily-2026-12-20.</source>
        <translation>« %1 » n’est pas une graine : l’énigme d’un jour porte sa date, comme 3-daily-2026-12-20.</translation>
    </message>
    <message>
        <source>“%1” is not a seed: its tier is easy, medium, hard or daily, not “%2”.</source>
        <translation>« %1 » n’est pas une graine : son niveau est easy, medium, hard ou daily, pas « %2 ».</translation>
    </message>
</context>
<context>
    <name>SolutionPlayback</name>
    <message>
        <source>Playing your best run: [Mouse click] or [any key] to stop it.</source>
        <translation>Votre meilleure partie est rejouée : [Clic] ou [une touche] pour l&apos;arrêter.</translation>
    </message>
    <message>
        <source>Playing a replay: [Mouse click] or [any key] to stop it.</source>
        <translation>Un enregistrement est rejoué : [Clic] ou [une touche] pour l&apos;arrêter.</translation>
    </message>
    <message>
        <source>Playing the solution: [Mouse click] or [any key] to stop it.</source>
        <translation>La solution est rejouée : [Clic] ou [une touche] pour l&apos;arrêter.</translation>
    </message>
</context>
<context>
    <name>SoundDevice</name>
    <message>
        <source>no sound output could be opened; the game plays silently</source>
        <translation>aucune sortie son n&apos;a pu être ouverte ; le jeu se joue en silence</translation>
    </message>
</context>
<context>
    <name>TimesChart</name>
    <message>
        <source>No puzzle of a day passed in this month.</source>
        <translation>Aucune énigme du jour réussie ce mois-ci.</translation>
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
        <translation>un dossier, pas %1</translation>
    </message>
    <message>
        <source>not a regular file, not %1</source>
        <translation>pas un fichier ordinaire, pas %1</translation>
    </message>
    <message>
        <source>larger than %1 KiB, too large for %2</source>
        <translation>plus de %1 Kio, trop grand pour %2</translation>
    </message>
    <message>
        <source>line %1: not UTF-8 text</source>
        <translation>ligne %1 : pas du texte UTF-8</translation>
    </message>
</context>
<context>
    <name>YourDays</name>
    <message>
        <source>Your days</source>
        <translation>Vos jours</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Copier le résultat</translation>
    </message>
    <message>
        <source>Play the day&apos;s puzzle</source>
        <translation>Jouer l’énigme du jour</translation>
    </message>
    <message>
        <source>passed on its day</source>
        <translation>réussie le jour même</translation>
    </message>
    <message>
        <source>passed late</source>
        <translation>réussie en retard</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>manquée</translation>
    </message>
    <message>
        <source>Days in a row: %1
Longest run of days: %2
Days played: %3, %4 of them on their day</source>
        <translation>Jours d’affilée : %1
Record de jours d’affilée : %2
Jours joués : %3, dont %4 le jour même</translation>
    </message>
    <message>
        <source>Your times on the puzzles of %1:</source>
        <translation>Vos temps sur les énigmes de %1 :</translation>
    </message>
    <message>
        <source>MMMM yyyy</source>
        <comment>a month of the calendar</comment>
        <translation>MMMM yyyy</translation>
    </message>
    <message>
        <source>%1: passed on its day, in %2 s.</source>
        <translation>%1 : réussie le jour même, en %2 s.</translation>
    </message>
    <message>
        <source>%1: passed late, on %2, in %3 s.</source>
        <translation>%1 : réussie en retard, le %2, en %3 s.</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>the day a puzzle was passed late on</comment>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>%1: today&apos;s, to pass today for the days in a row.</source>
        <translation>%1 : celle d’aujourd’hui, à réussir aujourd’hui pour les jours d’affilée.</translation>
    </message>
    <message>
        <source>%1: not passed; it can still be played, late.</source>
        <translation>%1 : pas réussie ; elle peut encore être jouée, en retard.</translation>
    </message>
    <message>
        <source>To share: %1</source>
        <translation>À partager : %1</translation>
    </message>
</context>
<context>
    <name>vorticade</name>
    <message>
        <source>High scores</source>
        <translation>Meilleurs temps</translation>
    </message>
    <message>
        <source>TAB</source>
        <translation>TAB</translation>
    </message>
    <message>
        <source>Shows the best time of every level (Tab: while it is held)</source>
        <translation>Montre le meilleur temps de chaque niveau (Tab : tant qu&apos;elle est enfoncée)</translation>
    </message>
    <message>
        <source>Show solution</source>
        <translation>Montrer la solution</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Plays the level&apos;s solution; a click or a key stops it</source>
        <translation>Rejoue la solution du niveau ; un clic ou une touche l&apos;arrête</translation>
    </message>
    <message>
        <source>Watch my best run</source>
        <translation>Voir ma meilleure partie</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Plays the run that set your record on the level</source>
        <translation>Rejoue la partie qui a établi votre record sur le niveau</translation>
    </message>
    <message>
        <source>Open replay…</source>
        <translation>Ouvrir un enregistrement…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Plays a replay, or a level file with its proof</source>
        <translation>Rejoue un enregistrement, ou un fichier de niveau avec sa preuve</translation>
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
        <translation>Met en pause un niveau en cours, et reprend</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>Fills the screen with the playfield, and back</source>
        <translation>Remplit l&apos;écran avec le terrain, et revient</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>Shift+F1</source>
        <translation>Shift+F1</translation>
    </message>
    <message>
        <source>Shows how to play: the goal, the mouse and the keys</source>
        <translation>Montre comment jouer : le but, la souris et les touches</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Tells which game this is, and its version</source>
        <translation>Dit quel jeu c&apos;est, et sa version</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>ESC</source>
        <translation>ESC</translation>
    </message>
    <message>
        <source>Quits the game</source>
        <translation>Quitte le jeu</translation>
    </message>
    <message>
        <source>Choose level…</source>
        <translation>Choisir un niveau…</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Shows every level, yours and the sets too, to choose one</source>
        <translation>Montre tous les niveaux, les vôtres et les séries aussi, pour en choisir un</translation>
    </message>
    <message>
        <source>Open level…</source>
        <translation>Ouvrir un niveau…</translation>
    </message>
    <message>
        <source>Plays a level file</source>
        <translation>Joue un fichier de niveau</translation>
    </message>
    <message>
        <source>New level…</source>
        <translation>Nouveau niveau…</translation>
    </message>
    <message>
        <source>Opens the level editor on a new level</source>
        <translation>Ouvre l&apos;éditeur de niveaux sur un nouveau niveau</translation>
    </message>
    <message>
        <source>Edit level…</source>
        <translation>Modifier le niveau…</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Opens the level editor on the level played</source>
        <translation>Ouvre l&apos;éditeur de niveaux sur le niveau joué</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveaux</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>About Swirlfall</source>
        <translation>À propos de Swirlfall</translation>
    </message>
    <message>
        <source>Swirlfall %1
Developed by the Swirlfall team in 2026.
Released for Linux desktops under the GNU GPL, version 3 or later.</source>
        <translation>Swirlfall %1
Développé par l&apos;équipe Swirlfall en 2026.
Publié pour les bureaux Linux sous la GNU GPL, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>No solution to show: the level is not proven</source>
        <translation>Aucune solution à montrer : le niveau n&apos;est pas prouvé</translation>
    </message>
    <message>
        <source>Save puzzle to My levels</source>
        <translation>Garder l’énigme dans Mes niveaux</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Keeps the puzzle played in My levels</source>
        <translation>Garde l’énigme jouée dans Mes niveaux</translation>
    </message>
    <message>
        <source>Copy puzzle&apos;s seed</source>
        <translation>Copier la graine de l’énigme</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Puts the seed of the puzzle played on the clipboard, to share</source>
        <translation>Met la graine de l’énigme jouée dans le presse-papiers, pour la partager</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Copier le résultat</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>Puts your result on the puzzle of the day on the clipboard, to share: no answer in it</source>
        <translation>Met votre résultat à l’énigme du jour dans le presse-papiers, pour le partager : sans la solution</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Turns the game&apos;s sounds off, and on again; the choice is kept</source>
        <translation>Coupe les sons du jeu, et les remet ; le choix est gardé</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Son coupé</translation>
    </message>
    <message>
        <source>Your days…</source>
        <translation>Vos jours…</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Shows the puzzles of the days at a glance: passed, late or missed, the streaks and your times</source>
        <translation>Montre les énigmes des jours d’un coup d’œil : réussies, en retard ou manquées, les séries et vos temps</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Shows where and when the solution sets its next well, with those shown before</source>
        <translation>Montre où et quand la solution pose son prochain puits, avec ceux déjà montrés</translation>
    </message>
</context>
</TS>
