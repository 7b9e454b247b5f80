<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Über Veltrano</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>App</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>HILFE</translation>
    </message>
    <message>
        <source>About Veltrano</source>
        <translation>Über Veltrano</translation>
    </message>
</context>
<context>
    <name>BoardLayout</name>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>falling diagonal</source>
        <translation>fallende Diagonale</translation>
    </message>
    <message>
        <source>rising diagonal</source>
        <translation>steigende Diagonale</translation>
    </message>
    <message>
        <source>target of %1</source>
        <translation>Ziel für %1</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the game in this language: %1. Without it, the game speaks the desktop&apos;s language, or English.</source>
        <translation>Das Spiel in dieser Sprache zeigen: %1. Ohne diese Option spricht das Spiel die Sprache des Desktops, sonst Englisch.</translation>
    </message>
    <message>
        <source>language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>A number puzzle against the clock: fill the 3 x 3 grid with the digits 1 to 9
so that every row, column and diagonal meets its target.</source>
        <translation>Ein Zahlenrätsel gegen die Uhr: Fülle das Gitter aus 3 x 3 Feldern so mit den
Ziffern 1 bis 9, dass jede Zeile, Spalte und Diagonale ihr Ziel erreicht.</translation>
    </message>
    <message>
        <source>there is no language &apos;%1&apos;; choose one of: %2.</source>
        <translation>die Sprache „%1“ gibt es nicht; wähle eine von diesen: %2.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>unerwartetes Argument „%1“.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>first purchase, %1</source>
        <translation>erster Kauf, %1</translation>
    </message>
    <message>
        <source>second purchase, %1</source>
        <translation>zweiter Kauf, %1</translation>
    </message>
    <message>
        <source>third purchase, %1</source>
        <translation>dritter Kauf, %1</translation>
    </message>
    <message>
        <source>fourth purchase, %1</source>
        <translation>vierter Kauf, %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <translation>Das Spiel ist vorbei.</translation>
    </message>
    <message>
        <source>You can quit or play again. </source>
        <translation>Du kannst aufhören oder noch einmal spielen.</translation>
    </message>
    <message>
        <source>%1 bought in %2</source>
        <translation>%1 in %2 gekauft</translation>
    </message>
    <message>
        <source>%1 added to %2</source>
        <translation>%1 in die %2 eingetragen</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Maximum Possible Score</source>
        <translation>Höchstmögliche Punkte</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Deine Punkte</translation>
    </message>
    <message>
        <source>Score, your score: %1</source>
        <translation>Punkte, deine Punktzahl: %1</translation>
    </message>
    <message>
        <source>a square</source>
        <translation>ein Feld</translation>
    </message>
    <message>
        <source>product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>HILFE</translation>
    </message>
    <message>
        <source>ExpHelp</source>
        <translation>ExpHilfe</translation>
    </message>
    <message>
        <source>%1 minute (%2 points)</source>
        <translation>%1 Minute (%2 Punkte)</translation>
    </message>
    <message>
        <source>%1 minutes (%2 points)</source>
        <translation>%1 Minuten (%2 Punkte)</translation>
    </message>
    <message>
        <source>Buy a number. Cost:</source>
        <translation>Zahl kaufen. Kosten:</translation>
    </message>
    <message>
        <source>first factor</source>
        <translation>erster Faktor</translation>
    </message>
    <message>
        <source>second factor</source>
        <translation>zweiter Faktor</translation>
    </message>
    <message>
        <source>third factor</source>
        <translation>dritter Faktor</translation>
    </message>
    <message>
        <source>product: %1</source>
        <translation>Produkt: %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>%1 removed from %2</source>
        <translation>%1 aus der %2 entfernt</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Maximum Possible Score:</source>
        <translation>Höchstmögliche Punkte:</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Deine Punkte:</translation>
    </message>
    <message>
        <source>Standard scores</source>
        <translation>Standard-Bestenliste</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Rekorde</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Eintragen</translation>
    </message>
    <message>
        <source>Choices</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Expert scores</source>
        <translation>Experten-Bestenliste</translation>
    </message>
    <message>
        <source>Static Version</source>
        <translation>Ohne Uhr</translation>
    </message>
    <message>
        <source>New game, maximum possible score %1</source>
        <translation>Neues Spiel, höchstmögliche Punktzahl %1</translation>
    </message>
    <message>
        <source>%1 sorted by %2, ascending</source>
        <translation>%1 nach „%2“ aufsteigend sortiert</translation>
    </message>
    <message>
        <source>%1 sorted by %2, descending</source>
        <translation>%1 nach „%2“ absteigend sortiert</translation>
    </message>
    <message>
        <source>Standard mode: the board is empty until Start. %1 shown.</source>
        <translation>Standardmodus: Das Spielfeld bleibt bis „Start“ leer. Die %1 wird angezeigt.</translation>
    </message>
    <message>
        <source>Expert mode: the board is empty until Start. %1 shown.</source>
        <translation>Expertenmodus: Das Spielfeld bleibt bis „Start“ leer. Die %1 wird angezeigt.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
</context>
<context>
    <name>HelpPictures</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>A solved board, rows from the top: %1. Targets: %2.</source>
        <translation>Ein gelöstes Spielfeld, Zeilen von oben: %1. Ziele: %2.</translation>
    </message>
    <message>
        <source>A score list with the headings Name and Score: %1.</source>
        <translation>Eine Bestenliste mit den Spalten Name und Punkte: %1.</translation>
    </message>
    <message>
        <source>Example board of the standard mode</source>
        <translation>Beispiel eines Spielfelds im Standardmodus</translation>
    </message>
    <message>
        <source>Example score list</source>
        <translation>Beispiel einer Bestenliste</translation>
    </message>
    <message>
        <source>Example board of the expert mode</source>
        <translation>Beispiel eines Spielfelds im Expertenmodus</translation>
    </message>
    <message>
        <source>Example expert score list</source>
        <translation>Beispiel einer Bestenliste im Expertenmodus</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>When you start you will be given the numbers like 18, 15, 18, 6, 21, 11, 15, and 19 displayed in the picture at the left.</source>
        <translation>Beim Start bekommst du Zahlen wie die im Bild links: 18, 15, 18, 6, 21, 11, 15 und 19.</translation>
    </message>
    <message>
        <source>The idea is to enter the numbers 1 through 9 in the middle nine blocks so that the rows, columns and diagonals add up as in the illustration at the left and discussed below.</source>
        <translation>Trage die Zahlen 1 bis 9 so in die neun mittleren Felder ein, dass Zeilen, Spalten und Diagonalen diese Summen ergeben, wie im Bild links und unten erklärt.</translation>
    </message>
    <message>
        <source>The diagonals must add up to numbers displayed here as 18 and 15. The rows add up to the numbers displayed here as 18, 6, and 21. The columns add up to the numbers displayed here as 19, 15, and 11.</source>
        <translation>Die Diagonalen müssen hier 18 und 15 ergeben, die Zeilen 18, 6 und 21, die Spalten 19, 15 und 11.</translation>
    </message>
    <message>
        <source>When you start you will be given the numbers like 126, 28, 108, 112, 30, 48, 315, and 24 displayed in the picture at the left.</source>
        <translation>Beim Start bekommst du Zahlen wie die im Bild links: 126, 28, 108, 112, 30, 48, 315 und 24.</translation>
    </message>
    <message>
        <source>The idea is to enter the numbers 1 through 9 in the middle nine blocks so that the rows, columns and diagonals multiply to give he numbers at their ends as shown in the illustration at the left and discussed below.</source>
        <translation>Trage die Zahlen 1 bis 9 so in die neun mittleren Felder ein, dass das Produkt jeder Zeile, Spalte und Diagonale die Zahl an ihrem Ende ergibt, wie im Bild links und unten erklärt.</translation>
    </message>
    <message>
        <source>The diagonal numbers must multiply to give the numbers displayed here as 126 and 28. The rows multiply to give the numbers displayed here as 108, 112, and 30. The columns multiply to give the numbers displayed here as 24, 315, and 48.</source>
        <translation>Hier müssen die Diagonalen multipliziert 126 und 28 ergeben, die Zeilen 108, 112 und 30, die Spalten 24, 315 und 48.</translation>
    </message>
    <message>
        <source>Every 12 seconds of game time the maximum possible score decreases by 1 point.</source>
        <translation>Alle 12 Sekunden Spielzeit sinkt die höchstmögliche Punktzahl um 1 Punkt.</translation>
    </message>
    <message>
        <source>New in this version: You can opt to disable the timer by clicking the check box labeled &quot;Static Version.&quot;</source>
        <translation>Neu in dieser Version: Mit dem Kästchen „Ohne Uhr“ kannst du die Uhr abschalten.</translation>
    </message>
    <message>
        <source>If you use the help buttons you will get a number in one of the  blank squares. A 5 point penalty corresponds to a loss of 1 minute of time. </source>
        <translation>Mit den Kaufknöpfen bekommst du in einem der leeren Felder eine Zahl. 5 Punkte Abzug entsprechen 1 Minute Spielzeit.</translation>
    </message>
    <message>
        <source>When you press &quot;Done&quot; any numbers that are in the wrong places will be blanked out and your score will be reduced accordingly.</source>
        <translation>Wenn du „Fertig“ drückst, werden falsch gesetzte Zahlen gelöscht und deine Punkte entsprechend gekürzt.</translation>
    </message>
    <message>
        <source>You can use the calculator at the top to help with the multiplication.</source>
        <translation>Der Rechner oben hilft dir beim Multiplizieren.</translation>
    </message>
    <message>
        <source>Certain numbers can make the puzzle easier to solve. When this happens the maximum possible score will be lowered. You can play that game or press start again to get a new set of numbers.</source>
        <translation>Manche Zahlen machen das Rätsel leichter. Dann sinkt die höchstmögliche Punktzahl. Du kannst dieses Rätsel spielen oder erneut „Start“ drücken, um neue Zahlen zu bekommen.</translation>
    </message>
    <message>
        <source>Clicking the word &quot;Score&quot; at the top right of the list and it will be resorted bottom score to top score. Another click will arrange it again top to bottom. Clicking the word &quot;Name&quot; will sort it alphabetically in reverse order. A second click restores the alphabetical list.</source>
        <translation>Ein Klick auf „Punkte“ oben rechts in der Liste sortiert sie von der niedrigsten zur höchsten Punktzahl, ein weiterer Klick umgekehrt. Ein Klick auf „Name“ sortiert sie alphabetisch rückwärts, ein zweiter Klick wieder alphabetisch.</translation>
    </message>
    <message>
        <source>When you switch to the expert mode you get a different set of scores which apply to this mode only.</source>
        <translation>Im Expertenmodus gibt es eine eigene Bestenliste, die nur für diesen Modus gilt.</translation>
    </message>
    <message>
        <source>Veltrano ver %1</source>
        <translation>Veltrano Version %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Expert Help</source>
        <translation>Hilfe zum Expertenmodus</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Support:</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>SCHLIESSEN</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Score lists</source>
        <translation>Bestenlisten</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>it is a link, not a file</source>
        <translation>das ist ein Link, keine Datei</translation>
    </message>
    <message>
        <source>it is a link, which a game run as root does not follow in a folder others may write to</source>
        <translation>das ist ein Link, und ein als root gestartetes Spiel folgt keinem Link in einem Ordner, in den auch andere schreiben dürfen</translation>
    </message>
    <message>
        <source>%1 (it is a link to %2)</source>
        <extracomment>%1 is the system&apos;s reason, %2 the file the link leads to.</extracomment>
        <translation>%1 (das ist ein Link auf %2)</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>das ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>das ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>there is no preferences folder</source>
        <translation>es gibt keinen Einstellungsordner</translation>
    </message>
    <message>
        <source>the game could not take on the rights of the folder&apos;s owner</source>
        <translation>das Spiel konnte die Rechte des Ordnerbesitzers nicht übernehmen</translation>
    </message>
    <message>
        <source>it would be larger than 1 GiB</source>
        <translation>die Datei würde größer als 1 GiB werden</translation>
    </message>
    <message>
        <source>it would have more than 16 million lines</source>
        <translation>die Datei hätte mehr als 16 Millionen Zeilen</translation>
    </message>
    <message>
        <source>it has more than 16 million lines</source>
        <translation>die Datei hat mehr als 16 Millionen Zeilen</translation>
    </message>
    <message>
        <source>it is larger than 1 GiB</source>
        <translation>die Datei ist größer als 1 GiB</translation>
    </message>
    <message>
        <source>another game, process %1 on %2, kept it locked</source>
        <extracomment>%1 is a process number, %2 the name of another computer.</extracomment>
        <translation>ein anderes Spiel (Prozess %1 auf %2) hielt die Datei gesperrt</translation>
    </message>
    <message>
        <source>another game, process %1, kept it locked</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>ein anderes Spiel (Prozess %1) hielt die Datei gesperrt</translation>
    </message>
    <message>
        <source>another game on %1, kept it locked</source>
        <extracomment>%1 is the name of another computer.</extracomment>
        <translation>ein anderes Spiel auf %1 hielt die Datei gesperrt</translation>
    </message>
    <message>
        <source>another game kept it locked</source>
        <translation>ein anderes Spiel hielt die Datei gesperrt</translation>
    </message>
    <message>
        <source>it is locked by a lock file that the game may neither read nor remove, %1 (%2); once it is removed, the game can use the list</source>
        <extracomment>%1 is the lock file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>die Datei ist durch eine Sperrdatei gesperrt, die das Spiel weder lesen noch entfernen darf: %1 (%2); sobald die Sperrdatei entfernt ist, kann das Spiel die Liste verwenden</translation>
    </message>
    <message>
        <source>its lock file %1 is in the way: %2</source>
        <extracomment>%1 is the lock file&apos;s name, %2 what stands in its place.</extracomment>
        <translation>die Sperrdatei %1 steht im Weg: %2</translation>
    </message>
    <message>
        <source>its lock file could not be made</source>
        <translation>die Sperrdatei ließ sich nicht anlegen</translation>
    </message>
    <message>
        <source>its lock file could not be made: %1</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>die Sperrdatei ließ sich nicht anlegen: %1</translation>
    </message>
    <message>
        <source>it could not be read when the game started, so it is left as it is</source>
        <translation>die Datei ließ sich beim Start des Spiels nicht lesen und bleibt darum, wie sie ist</translation>
    </message>
</context>
<context>
    <name>ScoreListModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
</context>
<context>
    <name>ScoreLists</name>
    <message>
        <source>Your scores could not be saved.</source>
        <translation>Deine Punkte konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Try again, quit without saving (the files keep the scores they had), or go back to the game.</source>
        <translation>Versuche es noch einmal, beende, ohne zu speichern (die Dateien bleiben, wie sie waren), oder kehre zum Spiel zurück.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Noch einmal versuchen</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Beenden ohne Speichern</translation>
    </message>
    <message>
        <source>Back to the Game</source>
        <translation>Zurück zum Spiel</translation>
    </message>
    <message>
        <source>The score lists cannot be kept in files.</source>
        <translation>Die Bestenlisten können nicht in Dateien gespeichert werden.</translation>
    </message>
    <message>
        <source>Neither XDG_CONFIG_HOME nor HOME names a folder for them by its full path, so the game writes no file. Until it is started again with one of them set, scores recorded are kept in the lists only.</source>
        <translation>Weder XDG_CONFIG_HOME noch HOME nennt dafür einen Ordner mit vollständigem Pfad, daher schreibt das Spiel keine Datei. Bis es mit einer dieser Variablen neu gestartet wird, stehen eingetragene Punkte nur in den Listen.</translation>
    </message>
    <message>
        <source>A score list could not be read.</source>
        <translation>Eine Bestenliste konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is left exactly as it is. Until the game is started again, scores recorded in this list are kept in the list only, not in the file.</source>
        <translation>Die Datei bleibt genau so, wie sie ist. Bis zum nächsten Start des Spiels stehen in diese Liste eingetragene Punkte nur in der Liste, nicht in der Datei.</translation>
    </message>
    <message>
        <source>Your score could not be recorded.</source>
        <translation>Deine Punkte konnten nicht eingetragen werden.</translation>
    </message>
    <message>
        <source>There is not enough memory to add it to the list.</source>
        <translation>Der Speicher reicht nicht, um sie in die Liste aufzunehmen.</translation>
    </message>
    <message>
        <source>Your score is kept only in the list for now.</source>
        <translation>Deine Punkte stehen vorerst nur in der Liste.</translation>
    </message>
    <message>
        <source>It could not be added to a file: %1.</source>
        <translation>Die Punkte konnten in keine Datei eingetragen werden: %1.</translation>
    </message>
    <message>
        <source>It could not be added to %1: %2.</source>
        <translation>Die Punkte konnten nicht in %1 eingetragen werden: %2.</translation>
    </message>
    <message>
        <source>The game tries again to save the list when it closes.</source>
        <translation>Beim Beenden versucht das Spiel erneut, die Liste zu speichern.</translation>
    </message>
    <message>
        <source>the scores could not be saved; the files keep what they had.</source>
        <translation>die Punkte konnten nicht gespeichert werden; die Dateien behalten ihren bisherigen Inhalt.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 is a file&apos;s path, %2 why it failed.</extracomment>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>fw::Application</name>
    <message>
        <source>no display found; run it on a desktop, or headless with: xvfb-run -a veltrano</source>
        <translation>keine Anzeige gefunden; starte es auf einem Desktop oder ohne Bildschirm mit: xvfb-run -a veltrano</translation>
    </message>
    <message>
        <source>cannot open the display %1; run it on a desktop, or headless with: xvfb-run -a veltrano</source>
        <translation>die Anzeige %1 lässt sich nicht öffnen; starte es auf einem Desktop oder ohne Bildschirm mit: xvfb-run -a veltrano</translation>
    </message>
    <message>
        <source>The game runs as root, so it opens no other program.</source>
        <translation>Das Spiel läuft als root und öffnet darum kein anderes Programm.</translation>
    </message>
    <message>
        <source>Write to %1 from your own account.</source>
        <translation>Schreib von deinem eigenen Benutzerkonto aus an %1.</translation>
    </message>
</context>
<context>
    <name>fw::ListBox</name>
    <message>
        <source>Left and Right choose a heading; Space sorts by it.</source>
        <translation>Links und Rechts wählen eine Spalte, die Leertaste sortiert danach.</translation>
    </message>
    <message>
        <source>The list could not be sorted.</source>
        <translation>Die Liste konnte nicht sortiert werden.</translation>
    </message>
    <message>
        <source>There is not enough memory to sort it. Its rows are left in their order.</source>
        <translation>Der Speicher reicht zum Sortieren nicht. Die Zeilen bleiben in ihrer Reihenfolge.</translation>
    </message>
    <message>
        <source>sorted ascending</source>
        <translation>aufsteigend sortiert</translation>
    </message>
    <message>
        <source>sorted descending</source>
        <translation>absteigend sortiert</translation>
    </message>
    <message>
        <source>row %1 of %2</source>
        <translation>Zeile %1 von %2</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
