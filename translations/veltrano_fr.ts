<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
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
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <extracomment>Edit menu: deletes the selected text.</extracomment>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>File menu: ends the game program.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;HELP</source>
        <extracomment>File menu: the help of the current mode. The capitals copy the game window&apos;s button &quot;HELP&quot;; write it as your language&apos;s menus write &quot;Help&quot;.</extracomment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Veltrano</source>
        <extracomment>Edit menu: the window with the game&apos;s name and version.</extracomment>
        <translation>À &amp;propos de Veltrano</translation>
    </message>
</context>
<context>
    <name>BoardLayout</name>
    <message>
        <source>row %1</source>
        <extracomment>A line of the 3 x 3 grid, said by a screen reader; %1 is 1, 2 or 3 from the top.</extracomment>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <extracomment>A line of the 3 x 3 grid, said by a screen reader; %1 is 1, 2 or 3 from the left.</extracomment>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>falling diagonal</source>
        <extracomment>The diagonal from the top left to the bottom right, said by a screen reader.</extracomment>
        <translation>diagonale descendante</translation>
    </message>
    <message>
        <source>rising diagonal</source>
        <translation>diagonale montante</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A square of the 3 x 3 grid, said by a screen reader; %1 is its row, %2 its column, each 1 to 3.</extracomment>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>target of row %1</source>
        <extracomment>What a screen reader calls the number at the end of a row; %1 is 1, 2 or 3 from the top.</extracomment>
        <translation>cible de la ligne %1</translation>
    </message>
    <message>
        <source>target of column %1</source>
        <extracomment>What a screen reader calls the number below a column; %1 is 1, 2 or 3 from the left.</extracomment>
        <translation>cible de la colonne %1</translation>
    </message>
    <message>
        <source>target of falling diagonal</source>
        <extracomment>What a screen reader calls the number at the top left, the target of the diagonal from the top left to the bottom right.</extracomment>
        <translation>cible de la diagonale descendante</translation>
    </message>
    <message>
        <source>target of rising diagonal</source>
        <translation>cible de la diagonale montante</translation>
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
        <extracomment>%1 lists the languages&apos; codes, &quot;de, en, es, fr&quot;.</extracomment>
        <translation>Afficher le jeu dans cette langue&#xa0;: %1. Sans cette option, le jeu parle la langue du bureau, ou à défaut l’anglais.</translation>
    </message>
    <message>
        <source>language</source>
        <extracomment>The value of the option --language in the usage: &quot;--language &lt;language&gt;&quot;.</extracomment>
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
        <extracomment>%1 is what the player asked for, %2 lists the languages&apos; codes, &quot;de, en, es, fr&quot;.</extracomment>
        <translation>la langue «&#xa0;%1&#xa0;» n’existe pas&#xa0;; choisissez parmi&#xa0;: %2.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <extracomment>%1 is the argument given, which the game does not take.</extracomment>
        <translation>argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>HelpPictures</name>
    <message>
        <source>Name</source>
        <extracomment>The heading of the names in the help&apos;s picture of a score list, as the list&apos;s own heading.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The heading of the scores in the help&apos;s picture of a score list, as the list&apos;s own heading.</extracomment>
        <translation>Score</translation>
    </message>
    <message>
        <source>A solved board, rows from the top: %1. Targets: %2.</source>
        <extracomment>What a screen reader says of the help&apos;s picture of a board: %1 is its digits (&quot;2, 9, 4; 7, 5, 3; 6, 1, 8&quot;), %2 its targets (&quot;row 1 15, ..., rising diagonal 15&quot;).</extracomment>
        <translation>Une grille résolue, lignes de haut en bas&#xa0;: %1. Cibles&#xa0;: %2.</translation>
    </message>
    <message>
        <source>A score list with the headings Name and Score: %1.</source>
        <extracomment>What a screen reader says of the help&apos;s picture of a score list: %1 is its rows, &quot;Ann 87, Bob 64, ...&quot;.</extracomment>
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
    <message>
        <source>%1 %2</source>
        <comment>line and its target</comment>
        <extracomment>One target in the description of the help&apos;s picture: %1 is its line (&quot;row 1&quot;), %2 its number (&quot;18&quot;).</extracomment>
        <translation>%1&#xa0;: %2</translation>
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
        <source>New in this version: You can opt to disable the timer by clicking the check box labeled &quot;Static Version.&quot;</source>
        <extracomment>Quotes the check box &quot;Static Version&quot; (it stops the clock): write its translation.</extracomment>
        <translation>Nouveau dans cette version&#xa0;: vous pouvez arrêter le chrono en cochant la case «&#xa0;Sans chrono&#xa0;».</translation>
    </message>
    <message>
        <source>When you press &quot;Done&quot; any numbers that are in the wrong places will be blanked out and your score will be reduced accordingly.</source>
        <extracomment>Quotes the button &quot;Done&quot;: write its translation.</extracomment>
        <translation>Quand vous appuyez sur «&#xa0;Terminé&#xa0;», les chiffres mal placés sont effacés et votre score baisse en conséquence.</translation>
    </message>
    <message>
        <source>You can use the calculator at the top to help with the multiplication.</source>
        <translation>La calculatrice en haut vous aide à multiplier.</translation>
    </message>
    <message>
        <source>Certain numbers can make the puzzle easier to solve. When this happens the maximum possible score will be lowered. You can play that game or press start again to get a new set of numbers.</source>
        <extracomment>&quot;start&quot; is the button &quot;Start&quot;: write its translation.</extracomment>
        <translation>Certains nombres rendent la grille plus facile. Le score maximal possible est alors abaissé. Vous pouvez jouer cette grille ou appuyer de nouveau sur «&#xa0;Jouer&#xa0;» pour avoir d’autres nombres.</translation>
    </message>
    <message>
        <source>Clicking the word &quot;Score&quot; at the top right of the list and it will be resorted bottom score to top score. Another click will arrange it again top to bottom. Clicking the word &quot;Name&quot; will sort it alphabetically in reverse order. A second click restores the alphabetical list.</source>
        <extracomment>Quotes the headings &quot;Score&quot; and &quot;Name&quot; of the score list: write their translations.</extracomment>
        <translation>Un clic sur le mot «&#xa0;Score&#xa0;» en haut à droite de la liste la trie du plus petit au plus grand score. Un autre clic la range de nouveau du plus grand au plus petit. Un clic sur le mot «&#xa0;Nom&#xa0;» la trie par ordre alphabétique inverse. Un second clic rétablit l’ordre alphabétique.</translation>
    </message>
    <message>
        <source>When you switch to the expert mode you get a different set of scores which apply to this mode only.</source>
        <translation>En mode expert, vous avez une autre liste de scores, propre à ce mode.</translation>
    </message>
    <message>
        <source>Veltrano ver %1</source>
        <extracomment>The About window&apos;s line under the game&apos;s name; %1 is the version number, &quot;3.2&quot;.</extracomment>
        <translation>Veltrano version %1</translation>
    </message>
    <message numerus="yes">
        <source>Every %n seconds of game time the maximum possible score decreases by 1 point.</source>
        <extracomment>%n is the seconds of the game clock&apos;s period (12); each period costs 1 point.</extracomment>
        <translation>
            <numerusform>Chaque %n&#xa0;seconde de jeu, le score maximal possible baisse de 1&#xa0;point.</numerusform>
            <numerusform>Toutes les %n&#xa0;secondes de jeu, le score maximal possible baisse de 1&#xa0;point.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>If you use the help buttons you will get a number in one of the  blank squares. A %n point penalty corresponds to a loss of %1 of time. </source>
        <extracomment>The &quot;help buttons&quot; are the buy buttons. %n is the points the first of them costs (5), %1 the time that stands for, &quot;1 minute&quot; as in its caption.</extracomment>
        <translation>
            <numerusform>Les boutons d’achat placent un chiffre dans l’une des cases vides. Une pénalité de %n&#xa0;point vaut %1 de jeu.</numerusform>
            <numerusform>Les boutons d’achat placent un chiffre dans l’une des cases vides. Une pénalité de %n&#xa0;points vaut %1 de jeu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <extracomment>The time a purchase stands for, in the help: &quot;1 minute&quot; in &quot;A 5 point penalty corresponds to a loss of 1 minute of time&quot;.</extracomment>
        <translation>
            <numerusform>%n&#xa0;minute</numerusform>
            <numerusform>%n&#xa0;minutes</numerusform>
        </translation>
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
    <message>
        <source>the lines it could not read could not be kept in %1 first: %2</source>
        <extracomment>%1 is the copy&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>les lignes illisibles n’ont pas pu être conservées d’abord dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ScoreListModel</name>
    <message>
        <source>Name</source>
        <extracomment>The heading of the score list&apos;s column of names; about 130 px at 10 px with the sort mark.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The heading of the score list&apos;s column of scores; about 60 px at 10 px with the sort mark.</extracomment>
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
        <extracomment>%1 is why the score could not be added to a file.</extracomment>
        <translation>Il n’a pas pu être ajouté à un fichier&#xa0;: %1.</translation>
    </message>
    <message>
        <source>It could not be added to %1: %2.</source>
        <extracomment>%1 is the score list&apos;s file, %2 why the score could not be added to it.</extracomment>
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
    <message>
        <source>Some lines of a score list could not be read.</source>
        <translation>Certaines lignes d’une liste de scores n’ont pas pu être lues.</translation>
    </message>
    <message>
        <source>%1 has lines the game cannot read whole as a name and a score (%2 of them): they are left out of the list, or shortened to their name and score. Before the list is first saved so, the file as it is now is kept in %3.</source>
        <extracomment>%1 is the file&apos;s path, %2 how many lines, %3 the path of the copy.</extracomment>
        <translation>%1 contient des lignes que le jeu ne peut pas lire entièrement comme un nom et un score (%2 au total)&#xa0;: elles sont laissées hors de la liste, ou réduites à leur nom et à leur score. Avant que la liste soit enregistrée ainsi pour la première fois, le fichier tel qu’il est maintenant est conservé dans %3.</translation>
    </message>
</context>
<context>
    <name>fw::Application</name>
    <message>
        <source>no display found; run it on a desktop, or headless with: xvfb-run -a %1</source>
        <extracomment>%1 is the program&apos;s command.</extracomment>
        <translation>aucun affichage trouvé&#xa0;; lancez-le sur un bureau, ou sans écran avec&#xa0;: xvfb-run -a %1</translation>
    </message>
    <message>
        <source>cannot open the display %1; run it on a desktop, or headless with: xvfb-run -a %2</source>
        <extracomment>%1 is the display&apos;s name, &quot;:0&quot;; %2 the program&apos;s command.</extracomment>
        <translation>impossible d’ouvrir l’affichage %1&#xa0;; lancez-le sur un bureau, ou sans écran avec&#xa0;: xvfb-run -a %2</translation>
    </message>
</context>
<context>
    <name>fw::ListBox</name>
    <message>
        <source>Left and Right choose a heading; Space sorts by it.</source>
        <translation>Les flèches gauche et droite choisissent une colonne&#xa0;; la barre d’espace trie selon celle-ci.</translation>
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
        <extracomment>Said by a screen reader after a list&apos;s row: %1 is the row&apos;s number, %2 how many rows the list has.</extracomment>
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
<context>
    <name>ui::AboutWindow</name>
    <message>
        <source>About</source>
        <extracomment>The title of the window about the game, its name and version.</extracomment>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button, 69 px wide at 12 px: closes the window.</extracomment>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>ui::GameWindow</name>
    <message>
        <source>first purchase, %1</source>
        <extracomment>A screen reader&apos;s name of the first buy button; %1 is its caption, &quot;1 minute (5 points)&quot;.</extracomment>
        <translation>premier achat, %1</translation>
    </message>
    <message>
        <source>second purchase, %1</source>
        <extracomment>A screen reader&apos;s name of the second buy button; %1 is its caption, &quot;3 minutes (15 points)&quot;.</extracomment>
        <translation>deuxième achat, %1</translation>
    </message>
    <message>
        <source>third purchase, %1</source>
        <extracomment>A screen reader&apos;s name of the third buy button; %1 is its caption, &quot;3 minutes (15 points)&quot;.</extracomment>
        <translation>troisième achat, %1</translation>
    </message>
    <message>
        <source>fourth purchase, %1</source>
        <extracomment>A screen reader&apos;s name of the fourth buy button; %1 is its caption, &quot;3 minutes (15 points)&quot;.</extracomment>
        <translation>quatrième achat, %1</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>A button, 69 px wide at 12 px: ends the game program.</extracomment>
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
        <extracomment>%1 is the digit bought, %2 the square it went to (&quot;row 2, column 3&quot;).</extracomment>
        <translation>achat dans la case %2&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 added to %2</source>
        <extracomment>Said by a screen reader after Record; %1 is the row, name and score (&quot;Ann, 56&quot;), %2 the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>%1&#xa0;: ajouté à la liste %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A row of a score list as a screen reader says it: %1 is the player&apos;s name, %2 the score.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Maximum Possible Score</source>
        <extracomment>A screen reader&apos;s name of the number beside the caption &quot;Maximum Possible Score:&quot;; no limit of room.</extracomment>
        <translation>Score maximal possible</translation>
    </message>
    <message>
        <source>Your Score</source>
        <extracomment>A screen reader&apos;s name of the number beside the caption &quot;Your Score:&quot;; no limit of room.</extracomment>
        <translation>Votre score</translation>
    </message>
    <message>
        <source>Score, your score: %1</source>
        <extracomment>A screen reader&apos;s name of the &quot;Score&quot; button once a game is done; %1 is the points scored.</extracomment>
        <translation>Score, votre score&#xa0;: %1</translation>
    </message>
    <message>
        <source>product</source>
        <extracomment>A screen reader&apos;s name of the calculator&apos;s product, said before its value.</extracomment>
        <translation>produit</translation>
    </message>
    <message>
        <source>standard</source>
        <extracomment>A radio button, 80 px wide at 12 px with its round mark: the mode of sums. Also shown beside &quot;Scores&quot; once the mode has been switched.</extracomment>
        <translation>standard</translation>
    </message>
    <message>
        <source>expert</source>
        <extracomment>A radio button, 80 px wide at 12 px with its round mark: the mode of products. Also shown beside &quot;Scores&quot; in that mode.</extracomment>
        <translation>expert</translation>
    </message>
    <message>
        <source>HELP</source>
        <extracomment>The help button in the expert mode (&quot;expert help&quot;), 69 px wide at 12 px.
----------
A button, 69 px wide at 12 px: the help of the standard mode, in capitals as the English.</extracomment>
        <translation>AIDE</translation>
    </message>
    <message>
        <source>ExpHelp</source>
        <translation>AideExp</translation>
    </message>
    <message>
        <source>Buy a number. Cost:</source>
        <extracomment>The frame round the four buy buttons; about 240 px at 12 px. A digit 1-9 is bought.</extracomment>
        <translation>Acheter un chiffre. Coût&#xa0;:</translation>
    </message>
    <message>
        <source>first factor</source>
        <extracomment>A screen reader&apos;s names of the calculator&apos;s three menus, whose chosen digits it multiplies.</extracomment>
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
        <extracomment>Said by a screen reader when the calculator&apos;s product changes; %1 is the product.</extracomment>
        <translation>produit&#xa0;: %1</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The caption before the field for the player&apos;s name; 100 px at 12 px.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>A button, 69 px wide at 12 px: shows the field for the player&apos;s name, to record the score.</extracomment>
        <translation>Score</translation>
    </message>
    <message>
        <source>%1 removed from %2</source>
        <extracomment>Said by a screen reader after a click removes a row: %1 is the row, name and score (&quot;Ann, 56&quot;), %2 the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>%1&#xa0;: retiré de la liste %2</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A button, 69 px wide at 12 px (about 65 px of text): a new game.</extracomment>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>A button, 69 px wide at 12 px: checks the grid and shows the score.</extracomment>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Maximum Possible Score:</source>
        <extracomment>The caption before the points the game can still give; 178 px at 14 px, which the English fills: a shorter form (&quot;maximum score&quot;) is right.</extracomment>
        <translation>Score maximal possible&#xa0;:</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <extracomment>The caption before the score of a finished game; 178 px at 14 px.</extracomment>
        <translation>Votre score&#xa0;:</translation>
    </message>
    <message>
        <source>Standard scores</source>
        <extracomment>A screen reader&apos;s name of the standard mode&apos;s score list; it fills %1 or %2 of the sentences said when a row is added or removed or the list is sorted.</extracomment>
        <translation>Scores standard</translation>
    </message>
    <message>
        <source>Scores</source>
        <extracomment>The heading over the score list, at 12 px; 65 px before it runs into the mode&apos;s name beside it.</extracomment>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>A button, 69 px wide at 12 px: adds the name and score to the score list.</extracomment>
        <translation>Inscrire</translation>
    </message>
    <message>
        <source>Choices</source>
        <extracomment>The frame round the two mode buttons, &quot;standard&quot; and &quot;expert&quot;: the choice of mode.</extracomment>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Standard</source>
        <extracomment>The mode&apos;s name beside the &quot;Scores&quot; heading until the first switch of mode, as the radio button &quot;standard&quot; with a capital letter; 100 px at 12 px.</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Expert scores</source>
        <extracomment>A screen reader&apos;s name of the expert mode&apos;s score list; it fills %1 or %2 of the sentences said when a row is added or removed or the list is sorted.</extracomment>
        <translation>Scores expert</translation>
    </message>
    <message>
        <source>Static Version</source>
        <extracomment>A check box, 145 px wide at 12 px bold with its mark: ticked, the clock stops (&quot;no clock&quot;).</extracomment>
        <translation>Sans chrono</translation>
    </message>
    <message>
        <source>New game, maximum possible score %1</source>
        <extracomment>Said by a screen reader at Start; %1 is the number of points the new game starts at, 100 or less.</extracomment>
        <translation>Nouvelle partie, score maximal possible %1</translation>
    </message>
    <message>
        <source>%1 sorted by %2, ascending</source>
        <extracomment>Said by a screen reader after a sort: %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;, %2 the heading sorted by, &quot;Name&quot; or &quot;Score&quot;.</extracomment>
        <translation>%1 triés par %2, ordre croissant</translation>
    </message>
    <message>
        <source>%1 sorted by %2, descending</source>
        <extracomment>As &quot;%1 sorted by %2, ascending&quot;, from the highest or last down.</extracomment>
        <translation>%1 triés par %2, ordre décroissant</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>caption: value</comment>
        <extracomment>What a screen reader says of a score or the product: %1 is its caption (&quot;Your Score&quot;), %2 the number shown.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>a square bought in %1</source>
        <extracomment>A purchase made before the first game, which leaves the square empty; %1 is the square (&quot;row 2, column 3&quot;).</extracomment>
        <translation>achat dans la case %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>buy button: its purchase</comment>
        <extracomment>A buy button as a screen reader says it once used: %1 is its name (&quot;first purchase, 1 minute (5 points)&quot;), %2 where its digit went (&quot;7 bought in row 1, column 2&quot;).</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <extracomment>The time a buy button costs, in its caption: &quot;1 minute&quot; in &quot;1 minute (5 points)&quot;.</extracomment>
        <translation>
            <numerusform>%n&#xa0;minute</numerusform>
            <numerusform>%n&#xa0;minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <extracomment>The points a buy button costs, in its caption: &quot;5 points&quot; in &quot;1 minute (5 points)&quot;.</extracomment>
        <translation>
            <numerusform>%n&#xa0;point</numerusform>
            <numerusform>%n&#xa0;points</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>buy button: time (points)</comment>
        <extracomment>A buy button&apos;s caption, about 155 px of text at 12 px beside its round mark: %1 is the time it costs (&quot;1 minute&quot;), %2 the same cost in points (&quot;5 points&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Reading…</source>
        <extracomment>Shown at the foot of a score list while its file is read: 150 pixels at most.</extracomment>
        <translation>Lecture…</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <extracomment>Said by a screen reader; %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>Lecture de %1…</translation>
    </message>
    <message>
        <source>%1 read</source>
        <extracomment>Said by a screen reader; %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>%1&#xa0;: lecture terminée</translation>
    </message>
    <message>
        <source>Sorting…</source>
        <extracomment>Shown at the foot of a score list while it is sorted: 150 pixels at most.</extracomment>
        <translation>Tri…</translation>
    </message>
    <message>
        <source>Sorting %1…</source>
        <extracomment>Said by a screen reader; %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>Tri de %1…</translation>
    </message>
    <message>
        <source>%1 sorted</source>
        <extracomment>Said by a screen reader; %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>%1&#xa0;: tri terminé</translation>
    </message>
    <message>
        <source>Saving…</source>
        <extracomment>Shown at the foot of a score list while it is saved: 150 pixels at most.</extracomment>
        <translation>Enregistrement…</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <extracomment>Said by a screen reader; %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>Enregistrement de %1…</translation>
    </message>
    <message>
        <source>%1 saved</source>
        <extracomment>Said by a screen reader; %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>%1&#xa0;: enregistrement terminé</translation>
    </message>
    <message>
        <source>Recording…</source>
        <extracomment>Shown at the foot of a score list while a score is added to its file: 150 pixels at most.</extracomment>
        <translation>Inscription…</translation>
    </message>
    <message>
        <source>Recording in %1…</source>
        <extracomment>Said by a screen reader; %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>Inscription dans %1…</translation>
    </message>
    <message>
        <source>Standard mode: the board is empty until Start. %1 shown.</source>
        <extracomment>Said by a screen reader as the mode is chosen; %1 is the list now shown, &quot;Standard scores&quot;.</extracomment>
        <translation>Mode standard&#xa0;: la grille reste vide jusqu’à «&#xa0;Jouer&#xa0;». Liste affichée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Expert mode: the board is empty until Start. %1 shown.</source>
        <extracomment>Said by a screen reader as the mode is chosen; %1 is the list now shown, &quot;Expert scores&quot;.</extracomment>
        <translation>Mode expert&#xa0;: la grille reste vide jusqu’à «&#xa0;Jouer&#xa0;». Liste affichée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Said by a screen reader for the calculator menu&apos;s &quot;#&quot;, no digit chosen.</extracomment>
        <translation>aucun</translation>
    </message>
</context>
<context>
    <name>ui::HelpWindow</name>
    <message>
        <source>Help</source>
        <extracomment>The title of the help window of the standard mode.</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Expert Help</source>
        <extracomment>The title of the help window of the expert mode.</extracomment>
        <translation>Aide du mode expert</translation>
    </message>
    <message>
        <source>Support:</source>
        <extracomment>The caption before the support&apos;s e-mail address; 59 px at 12 px.</extracomment>
        <translation>Support&#xa0;:</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <extracomment>Closes the help window; 100 px at 14 px bold, in capitals as the English.</extracomment>
        <translation>FERMER</translation>
    </message>
    <message>
        <source>Rules</source>
        <extracomment>The name a screen reader gives the help&apos;s text of the rules.</extracomment>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Score lists</source>
        <extracomment>The name a screen reader gives the help&apos;s text about the score lists.</extracomment>
        <translation>Listes des scores</translation>
    </message>
    <message>
        <source>The game runs as root, so it opens no other program.</source>
        <translation>Le jeu tourne en tant que root&#xa0;; il n’ouvre donc aucun autre programme.</translation>
    </message>
    <message>
        <source>Write to %1 from your own account.</source>
        <extracomment>%1 is the support&apos;s e-mail address.</extracomment>
        <translation>Écrivez à %1 depuis votre propre compte.</translation>
    </message>
</context>
</TS>
