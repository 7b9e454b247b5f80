<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>App</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>AIDE</translation>
    </message>
    <message>
        <source>About Veltrano</source>
        <translation>À propos de Veltrano</translation>
    </message>
</context>
<context>
    <name>BoardLayout</name>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>falling diagonal</source>
        <translation>diagonale descendante</translation>
    </message>
    <message>
        <source>rising diagonal</source>
        <translation>diagonale montante</translation>
    </message>
    <message>
        <source>target of %1</source>
        <translation>cible de la %1</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Show the game in this language: %1. Without it, the game speaks the desktop&apos;s language, or English.</source>
        <translation>Afficher le jeu dans cette langue&#xa0;: %1. Sans cette option, le jeu parle la langue du bureau, ou à défaut l’anglais.</translation>
    </message>
    <message>
        <source>language</source>
        <translation>langue</translation>
    </message>
    <message>
        <source>A number puzzle against the clock: fill the 3 x 3 grid with the digits 1 to 9
so that every row, column and diagonal meets its target.</source>
        <translation>Un casse-tête de chiffres contre la montre&#xa0;: remplissez la grille de 3 x 3
avec les chiffres de 1 à 9 pour que chaque ligne, colonne et diagonale
atteigne sa cible.</translation>
    </message>
    <message>
        <source>there is no language &apos;%1&apos;; choose one of: %2.</source>
        <translation>la langue «&#xa0;%1&#xa0;» n’existe pas&#xa0;; choisissez parmi&#xa0;: %2.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>first purchase, %1</source>
        <translation>premier achat, %1</translation>
    </message>
    <message>
        <source>second purchase, %1</source>
        <translation>deuxième achat, %1</translation>
    </message>
    <message>
        <source>third purchase, %1</source>
        <translation>troisième achat, %1</translation>
    </message>
    <message>
        <source>fourth purchase, %1</source>
        <translation>quatrième achat, %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <translation>La partie est terminée.</translation>
    </message>
    <message>
        <source>You can quit or play again. </source>
        <translation>Vous pouvez quitter ou rejouer.</translation>
    </message>
    <message>
        <source>%1 bought in %2</source>
        <translation>achat en %2&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 added to %2</source>
        <translation>%1&#xa0;: ajouté à la liste %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Maximum Possible Score</source>
        <translation>Score maximal possible</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Votre score</translation>
    </message>
    <message>
        <source>Score, your score: %1</source>
        <translation>Score, votre score&#xa0;: %1</translation>
    </message>
    <message>
        <source>a square</source>
        <translation>une case</translation>
    </message>
    <message>
        <source>product</source>
        <translation>produit</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>standard</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>expert</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>AIDE</translation>
    </message>
    <message>
        <source>ExpHelp</source>
        <translation>AideExp</translation>
    </message>
    <message>
        <source>%1 minute (%2 points)</source>
        <translation>%1 minute (%2 points)</translation>
    </message>
    <message>
        <source>%1 minutes (%2 points)</source>
        <translation>%1 minutes (%2 points)</translation>
    </message>
    <message>
        <source>Buy a number. Cost:</source>
        <translation>Acheter un chiffre. Coût&#xa0;:</translation>
    </message>
    <message>
        <source>first factor</source>
        <translation>premier facteur</translation>
    </message>
    <message>
        <source>second factor</source>
        <translation>deuxième facteur</translation>
    </message>
    <message>
        <source>third factor</source>
        <translation>troisième facteur</translation>
    </message>
    <message>
        <source>product: %1</source>
        <translation>produit&#xa0;: %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>%1 removed from %2</source>
        <translation>%1&#xa0;: retiré de la liste %2</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fini</translation>
    </message>
    <message>
        <source>Maximum Possible Score:</source>
        <translation>Score maximal possible&#xa0;:</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Votre score&#xa0;:</translation>
    </message>
    <message>
        <source>Standard scores</source>
        <translation>Scores standard</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Inscrire</translation>
    </message>
    <message>
        <source>Choices</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Expert scores</source>
        <translation>Scores expert</translation>
    </message>
    <message>
        <source>Static Version</source>
        <translation>Sans chrono</translation>
    </message>
    <message>
        <source>New game, maximum possible score %1</source>
        <translation>Nouvelle partie, score maximal possible %1</translation>
    </message>
    <message>
        <source>%1 sorted by %2, ascending</source>
        <translation>%1 triés par %2, ordre croissant</translation>
    </message>
    <message>
        <source>%1 sorted by %2, descending</source>
        <translation>%1 triés par %2, ordre décroissant</translation>
    </message>
    <message>
        <source>Standard mode: the board is empty until Start. %1 shown.</source>
        <translation>Mode standard&#xa0;: la grille reste vide jusqu’à «&#xa0;Jouer&#xa0;». Liste affichée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Expert mode: the board is empty until Start. %1 shown.</source>
        <translation>Mode expert&#xa0;: la grille reste vide jusqu’à «&#xa0;Jouer&#xa0;». Liste affichée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
</context>
<context>
    <name>HelpPictures</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>A solved board, rows from the top: %1. Targets: %2.</source>
        <translation>Une grille résolue, lignes de haut en bas&#xa0;: %1. Cibles&#xa0;: %2.</translation>
    </message>
    <message>
        <source>A score list with the headings Name and Score: %1.</source>
        <translation>Une liste de scores avec les colonnes Nom et Score&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Example board of the standard mode</source>
        <translation>Exemple de grille en mode standard</translation>
    </message>
    <message>
        <source>Example score list</source>
        <translation>Exemple de liste de scores</translation>
    </message>
    <message>
        <source>Example board of the expert mode</source>
        <translation>Exemple de grille en mode expert</translation>
    </message>
    <message>
        <source>Example expert score list</source>
        <translation>Exemple de liste de scores du mode expert</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>When you start you will be given the numbers like 18, 15, 18, 6, 21, 11, 15, and 19 displayed in the picture at the left.</source>
        <translation>Au départ, vous recevez des nombres comme ceux de l’image de gauche&#xa0;: 18, 15, 18, 6, 21, 11, 15 et 19.</translation>
    </message>
    <message>
        <source>The idea is to enter the numbers 1 through 9 in the middle nine blocks so that the rows, columns and diagonals add up as in the illustration at the left and discussed below.</source>
        <translation>Le but est de placer les chiffres de 1 à 9 dans les neuf cases du milieu pour que lignes, colonnes et diagonales donnent ces sommes, comme sur l’image et ci-dessous.</translation>
    </message>
    <message>
        <source>The diagonals must add up to numbers displayed here as 18 and 15. The rows add up to the numbers displayed here as 18, 6, and 21. The columns add up to the numbers displayed here as 19, 15, and 11.</source>
        <translation>Ici, les diagonales doivent faire 18 et 15, les lignes 18, 6 et 21, et les colonnes 19, 15 et 11.</translation>
    </message>
    <message>
        <source>When you start you will be given the numbers like 126, 28, 108, 112, 30, 48, 315, and 24 displayed in the picture at the left.</source>
        <translation>Au départ, vous recevez des nombres comme ceux de l’image de gauche&#xa0;: 126, 28, 108, 112, 30, 48, 315 et 24.</translation>
    </message>
    <message>
        <source>The idea is to enter the numbers 1 through 9 in the middle nine blocks so that the rows, columns and diagonals multiply to give he numbers at their ends as shown in the illustration at the left and discussed below.</source>
        <translation>Le but est de placer les chiffres de 1 à 9 dans les neuf cases du milieu pour que le produit de chaque ligne, colonne et diagonale donne le nombre à son extrémité, comme sur l’image et ci-dessous.</translation>
    </message>
    <message>
        <source>The diagonal numbers must multiply to give the numbers displayed here as 126 and 28. The rows multiply to give the numbers displayed here as 108, 112, and 30. The columns multiply to give the numbers displayed here as 24, 315, and 48.</source>
        <translation>Ici, le produit des diagonales doit faire 126 et 28, celui des lignes 108, 112 et 30, et celui des colonnes 24, 315 et 48.</translation>
    </message>
    <message>
        <source>Every 12 seconds of game time the maximum possible score decreases by 1 point.</source>
        <translation>Toutes les 12 secondes de jeu, le score maximal possible baisse de 1 point.</translation>
    </message>
    <message>
        <source>New in this version: You can opt to disable the timer by clicking the check box labeled &quot;Static Version.&quot;</source>
        <translation>Nouveau dans cette version&#xa0;: vous pouvez arrêter le chrono en cochant la case «&#xa0;Sans chrono&#xa0;».</translation>
    </message>
    <message>
        <source>If you use the help buttons you will get a number in one of the  blank squares. A 5 point penalty corresponds to a loss of 1 minute of time. </source>
        <translation>Les boutons d’achat placent un chiffre dans l’une des cases vides. Une pénalité de 5 points vaut 1 minute de jeu.</translation>
    </message>
    <message>
        <source>When you press &quot;Done&quot; any numbers that are in the wrong places will be blanked out and your score will be reduced accordingly.</source>
        <translation>Quand vous appuyez sur «&#xa0;Fini&#xa0;», les chiffres mal placés sont effacés et votre score baisse d’autant.</translation>
    </message>
    <message>
        <source>You can use the calculator at the top to help with the multiplication.</source>
        <translation>La calculatrice en haut vous aide à multiplier.</translation>
    </message>
    <message>
        <source>Certain numbers can make the puzzle easier to solve. When this happens the maximum possible score will be lowered. You can play that game or press start again to get a new set of numbers.</source>
        <translation>Certains nombres rendent la grille plus facile. Le score maximal possible est alors abaissé. Vous pouvez jouer cette grille ou appuyer de nouveau sur «&#xa0;Jouer&#xa0;» pour avoir d’autres nombres.</translation>
    </message>
    <message>
        <source>Clicking the word &quot;Score&quot; at the top right of the list and it will be resorted bottom score to top score. Another click will arrange it again top to bottom. Clicking the word &quot;Name&quot; will sort it alphabetically in reverse order. A second click restores the alphabetical list.</source>
        <translation>Un clic sur le mot «&#xa0;Score&#xa0;» en haut à droite de la liste la trie du plus petit au plus grand score. Un autre clic la range de nouveau du plus grand au plus petit. Un clic sur le mot «&#xa0;Nom&#xa0;» la trie par ordre alphabétique inverse. Un second clic rétablit l’ordre alphabétique.</translation>
    </message>
    <message>
        <source>When you switch to the expert mode you get a different set of scores which apply to this mode only.</source>
        <translation>En mode expert, vous avez une autre liste de scores, propre à ce mode.</translation>
    </message>
    <message>
        <source>Veltrano ver %1</source>
        <translation>Veltrano version %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Expert Help</source>
        <translation>Aide du mode expert</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Support&#xa0;:</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>FERMER</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Score lists</source>
        <translation>Listes des scores</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>it is a link, not a file</source>
        <translation>c’est un lien, pas un fichier</translation>
    </message>
    <message>
        <source>it is a link, which a game run as root does not follow in a folder others may write to</source>
        <translation>c’est un lien, et un jeu lancé en tant que root ne suit aucun lien dans un dossier où d’autres peuvent écrire</translation>
    </message>
    <message>
        <source>%1 (it is a link to %2)</source>
        <extracomment>%1 is the system&apos;s reason, %2 the file the link leads to.</extracomment>
        <translation>%1 (c’est un lien vers %2)</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c’est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>there is no preferences folder</source>
        <translation>il n’y a pas de dossier de préférences</translation>
    </message>
    <message>
        <source>the game could not take on the rights of the folder&apos;s owner</source>
        <translation>le jeu n’a pas pu obtenir les droits du propriétaire du dossier</translation>
    </message>
    <message>
        <source>it would be larger than 1 GiB</source>
        <translation>le fichier dépasserait 1 Gio</translation>
    </message>
    <message>
        <source>it would have more than 16 million lines</source>
        <translation>le fichier compterait plus de 16 millions de lignes</translation>
    </message>
    <message>
        <source>it has more than 16 million lines</source>
        <translation>le fichier compte plus de 16 millions de lignes</translation>
    </message>
    <message>
        <source>it is larger than 1 GiB</source>
        <translation>le fichier dépasse 1 Gio</translation>
    </message>
    <message>
        <source>another game, process %1 on %2, kept it locked</source>
        <extracomment>%1 is a process number, %2 the name of another computer.</extracomment>
        <translation>un autre jeu (processus %1 sur %2) gardait le fichier verrouillé</translation>
    </message>
    <message>
        <source>another game, process %1, kept it locked</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>un autre jeu (processus %1) gardait le fichier verrouillé</translation>
    </message>
    <message>
        <source>another game on %1, kept it locked</source>
        <extracomment>%1 is the name of another computer.</extracomment>
        <translation>un autre jeu sur %1 gardait le fichier verrouillé</translation>
    </message>
    <message>
        <source>another game kept it locked</source>
        <translation>un autre jeu gardait le fichier verrouillé</translation>
    </message>
    <message>
        <source>it is locked by a lock file that the game may neither read nor remove, %1 (%2); once it is removed, the game can use the list</source>
        <extracomment>%1 is the lock file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>le fichier est verrouillé par un fichier de verrouillage que le jeu ne peut ni lire ni supprimer, %1 (%2)&#xa0;; une fois celui-ci supprimé, le jeu pourra utiliser la liste</translation>
    </message>
    <message>
        <source>its lock file %1 is in the way: %2</source>
        <extracomment>%1 is the lock file&apos;s name, %2 what stands in its place.</extracomment>
        <translation>le fichier de verrouillage %1 fait obstacle&#xa0;: %2</translation>
    </message>
    <message>
        <source>its lock file could not be made</source>
        <translation>le fichier de verrouillage n’a pas pu être créé</translation>
    </message>
    <message>
        <source>its lock file could not be made: %1</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>le fichier de verrouillage n’a pas pu être créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>it could not be read when the game started, so it is left as it is</source>
        <translation>le fichier n’a pas pu être lu au lancement du jeu&#xa0;; il reste donc tel quel</translation>
    </message>
</context>
<context>
    <name>ScoreListModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
</context>
<context>
    <name>ScoreLists</name>
    <message>
        <source>Your scores could not be saved.</source>
        <translation>Vos scores n’ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <source>Try again, quit without saving (the files keep the scores they had), or go back to the game.</source>
        <translation>Réessayez, quittez sans enregistrer (les fichiers gardent les scores qu’ils avaient) ou revenez au jeu.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Quitter sans enregistrer</translation>
    </message>
    <message>
        <source>Back to the Game</source>
        <translation>Revenir au jeu</translation>
    </message>
    <message>
        <source>The score lists cannot be kept in files.</source>
        <translation>Les listes de scores ne peuvent pas être gardées dans des fichiers.</translation>
    </message>
    <message>
        <source>Neither XDG_CONFIG_HOME nor HOME names a folder for them by its full path, so the game writes no file. Until it is started again with one of them set, scores recorded are kept in the lists only.</source>
        <translation>Ni XDG_CONFIG_HOME ni HOME n’indique de dossier par son chemin complet&#xa0;: le jeu n’écrit donc aucun fichier. Tant qu’il n’est pas relancé avec l’une de ces variables, les scores inscrits ne sont gardés que dans les listes.</translation>
    </message>
    <message>
        <source>A score list could not be read.</source>
        <translation>Une liste de scores n’a pas pu être lue.</translation>
    </message>
    <message>
        <source>The file is left exactly as it is. Until the game is started again, scores recorded in this list are kept in the list only, not in the file.</source>
        <translation>Le fichier est laissé tel quel. Jusqu’au prochain lancement du jeu, les scores inscrits dans cette liste ne sont gardés que dans la liste, pas dans le fichier.</translation>
    </message>
    <message>
        <source>Your score could not be recorded.</source>
        <translation>Votre score n’a pas pu être inscrit.</translation>
    </message>
    <message>
        <source>There is not enough memory to add it to the list.</source>
        <translation>La mémoire ne suffit pas pour l’ajouter à la liste.</translation>
    </message>
    <message>
        <source>Your score is kept only in the list for now.</source>
        <translation>Votre score n’est pour l’instant gardé que dans la liste.</translation>
    </message>
    <message>
        <source>It could not be added to a file: %1.</source>
        <translation>Il n’a pas pu être ajouté à un fichier&#xa0;: %1.</translation>
    </message>
    <message>
        <source>It could not be added to %1: %2.</source>
        <translation>Il n’a pas pu être ajouté à %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The game tries again to save the list when it closes.</source>
        <translation>Le jeu réessaiera d’enregistrer la liste à sa fermeture.</translation>
    </message>
    <message>
        <source>the scores could not be saved; the files keep what they had.</source>
        <translation>les scores n’ont pas pu être enregistrés&#xa0;; les fichiers gardent ce qu’ils contenaient.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 is a file&apos;s path, %2 why it failed.</extracomment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>fw::Application</name>
    <message>
        <source>no display found; run it on a desktop, or headless with: xvfb-run -a veltrano</source>
        <translation>aucun affichage trouvé&#xa0;; lancez-le sur un bureau, ou sans écran avec&#xa0;: xvfb-run -a veltrano</translation>
    </message>
    <message>
        <source>cannot open the display %1; run it on a desktop, or headless with: xvfb-run -a veltrano</source>
        <translation>impossible d’ouvrir l’affichage %1&#xa0;; lancez-le sur un bureau, ou sans écran avec&#xa0;: xvfb-run -a veltrano</translation>
    </message>
    <message>
        <source>The game runs as root, so it opens no other program.</source>
        <translation>Le jeu tourne en tant que root&#xa0;; il n’ouvre donc aucun autre programme.</translation>
    </message>
    <message>
        <source>Write to %1 from your own account.</source>
        <translation>Écrivez à %1 depuis votre propre compte.</translation>
    </message>
</context>
<context>
    <name>fw::ListBox</name>
    <message>
        <source>Left and Right choose a heading; Space sorts by it.</source>
        <translation>Gauche et Droite choisissent une colonne&#xa0;; Espace trie selon celle-ci.</translation>
    </message>
    <message>
        <source>The list could not be sorted.</source>
        <translation>La liste n’a pas pu être triée.</translation>
    </message>
    <message>
        <source>There is not enough memory to sort it. Its rows are left in their order.</source>
        <translation>La mémoire ne suffit pas pour la trier. Ses lignes restent dans leur ordre.</translation>
    </message>
    <message>
        <source>sorted ascending</source>
        <translation>tri croissant</translation>
    </message>
    <message>
        <source>sorted descending</source>
        <translation>tri décroissant</translation>
    </message>
    <message>
        <source>row %1 of %2</source>
        <translation>ligne %1 sur %2</translation>
    </message>
</context>
<context>
    <name>fw::MessageDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
