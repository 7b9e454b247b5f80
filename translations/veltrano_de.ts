<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
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
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <extracomment>Edit menu: deletes the selected text.</extracomment>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>File menu: ends the game program.</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;HELP</source>
        <extracomment>File menu: the help of the current mode. The capitals copy the game window&apos;s button &quot;HELP&quot;; write it as your language&apos;s menus write &quot;Help&quot;.</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Veltrano</source>
        <extracomment>Edit menu: the window with the game&apos;s name and version.</extracomment>
        <translation>Ü&amp;ber Veltrano</translation>
    </message>
</context>
<context>
    <name>BoardLayout</name>
    <message>
        <source>row %1</source>
        <extracomment>A line of the 3 x 3 grid, said by a screen reader; %1 is 1, 2 or 3 from the top.</extracomment>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <extracomment>A line of the 3 x 3 grid, said by a screen reader; %1 is 1, 2 or 3 from the left.</extracomment>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>falling diagonal</source>
        <extracomment>The diagonal from the top left to the bottom right, said by a screen reader.</extracomment>
        <translation>fallende Diagonale</translation>
    </message>
    <message>
        <source>rising diagonal</source>
        <translation>steigende Diagonale</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A square of the 3 x 3 grid, said by a screen reader; %1 is its row, %2 its column, each 1 to 3.</extracomment>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>target of row %1</source>
        <extracomment>What a screen reader calls the number at the end of a row; %1 is 1, 2 or 3 from the top.</extracomment>
        <translation>Ziel für die Zeile %1</translation>
    </message>
    <message>
        <source>target of column %1</source>
        <extracomment>What a screen reader calls the number below a column; %1 is 1, 2 or 3 from the left.</extracomment>
        <translation>Ziel für die Spalte %1</translation>
    </message>
    <message>
        <source>target of falling diagonal</source>
        <extracomment>What a screen reader calls the number at the top left, the target of the diagonal from the top left to the bottom right.</extracomment>
        <translation>Ziel für die fallende Diagonale</translation>
    </message>
    <message>
        <source>target of rising diagonal</source>
        <translation>Ziel für die steigende Diagonale</translation>
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
        <extracomment>%1 lists the languages&apos; codes, &quot;de, en, es, fr&quot;.</extracomment>
        <translation>Das Spiel in dieser Sprache zeigen: %1. Ohne diese Option spricht das Spiel die Sprache des Desktops, sonst Englisch.</translation>
    </message>
    <message>
        <source>language</source>
        <extracomment>The value of the option --language in the usage: &quot;--language &lt;language&gt;&quot;.</extracomment>
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
        <extracomment>%1 is what the player asked for, %2 lists the languages&apos; codes, &quot;de, en, es, fr&quot;.</extracomment>
        <translation>die Sprache „%1“ gibt es nicht; wähle eine von diesen: %2.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <extracomment>%1 is the argument given, which the game does not take.</extracomment>
        <translation>unerwartetes Argument „%1“.</translation>
    </message>
</context>
<context>
    <name>HelpPictures</name>
    <message>
        <source>Name</source>
        <extracomment>The heading of the names in the help&apos;s picture of a score list, as the list&apos;s own heading.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The heading of the scores in the help&apos;s picture of a score list, as the list&apos;s own heading.</extracomment>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>A solved board, rows from the top: %1. Targets: %2.</source>
        <extracomment>What a screen reader says of the help&apos;s picture of a board: %1 is its digits (&quot;2, 9, 4; 7, 5, 3; 6, 1, 8&quot;), %2 its targets (&quot;row 1 15, ..., rising diagonal 15&quot;).</extracomment>
        <translation>Ein gelöstes Spielfeld, Zeilen von oben: %1. Ziele: %2.</translation>
    </message>
    <message>
        <source>A score list with the headings Name and Score: %1.</source>
        <extracomment>What a screen reader says of the help&apos;s picture of a score list: %1 is its rows, &quot;Ann 87, Bob 64, ...&quot;.</extracomment>
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
    <message>
        <source>%1 %2</source>
        <comment>line and its target</comment>
        <extracomment>One target in the description of the help&apos;s picture: %1 is its line (&quot;row 1&quot;), %2 its number (&quot;18&quot;).</extracomment>
        <translation>%1: %2</translation>
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
        <translation>Trage die Ziffern 1 bis 9 so in die neun mittleren Felder ein, dass Zeilen, Spalten und Diagonalen diese Summen ergeben, wie im Bild links zu sehen und unten erklärt.</translation>
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
        <translation>Trage die Ziffern 1 bis 9 so in die neun mittleren Felder ein, dass das Produkt jeder Zeile, Spalte und Diagonale die Zahl an ihrem Ende ergibt, wie im Bild links zu sehen und unten erklärt.</translation>
    </message>
    <message>
        <source>The diagonal numbers must multiply to give the numbers displayed here as 126 and 28. The rows multiply to give the numbers displayed here as 108, 112, and 30. The columns multiply to give the numbers displayed here as 24, 315, and 48.</source>
        <translation>Hier müssen die Diagonalen multipliziert 126 und 28 ergeben, die Zeilen 108, 112 und 30, die Spalten 24, 315 und 48.</translation>
    </message>
    <message>
        <source>New in this version: You can opt to disable the timer by clicking the check box labeled &quot;Static Version.&quot;</source>
        <extracomment>Quotes the check box &quot;Static Version&quot; (it stops the clock): write its translation.</extracomment>
        <translation>Neu in dieser Version: Mit dem Kästchen „Ohne Uhr“ kannst du die Uhr abschalten.</translation>
    </message>
    <message>
        <source>When you press &quot;Done&quot; any numbers that are in the wrong places will be blanked out and your score will be reduced accordingly.</source>
        <extracomment>Quotes the button &quot;Done&quot;: write its translation.</extracomment>
        <translation>Wenn du „Fertig“ drückst, werden falsch gesetzte Ziffern gelöscht und deine Punktzahl sinkt entsprechend.</translation>
    </message>
    <message>
        <source>You can use the calculator at the top to help with the multiplication.</source>
        <translation>Der Rechner oben hilft dir beim Multiplizieren.</translation>
    </message>
    <message>
        <source>Certain numbers can make the puzzle easier to solve. When this happens the maximum possible score will be lowered. You can play that game or press start again to get a new set of numbers.</source>
        <extracomment>&quot;start&quot; is the button &quot;Start&quot;: write its translation.</extracomment>
        <translation>Manche Zahlen machen das Rätsel leichter. Dann sinkt die maximale Punktzahl. Du kannst dieses Rätsel spielen oder erneut „Start“ drücken, um neue Zahlen zu bekommen.</translation>
    </message>
    <message>
        <source>Clicking the word &quot;Score&quot; at the top right of the list and it will be resorted bottom score to top score. Another click will arrange it again top to bottom. Clicking the word &quot;Name&quot; will sort it alphabetically in reverse order. A second click restores the alphabetical list.</source>
        <extracomment>Quotes the headings &quot;Score&quot; and &quot;Name&quot; of the score list: write their translations.</extracomment>
        <translation>Ein Klick auf „Punkte“ oben rechts in der Liste sortiert sie von der niedrigsten zur höchsten Punktzahl, ein weiterer Klick umgekehrt. Ein Klick auf „Name“ sortiert sie alphabetisch rückwärts, ein zweiter Klick wieder alphabetisch.</translation>
    </message>
    <message>
        <source>When you switch to the expert mode you get a different set of scores which apply to this mode only.</source>
        <translation>Im Expertenmodus gibt es eine eigene Bestenliste, die nur für diesen Modus gilt.</translation>
    </message>
    <message>
        <source>Veltrano ver %1</source>
        <extracomment>The About window&apos;s line under the game&apos;s name; %1 is the version number, &quot;3.2&quot;.</extracomment>
        <translation>Veltrano Version %1</translation>
    </message>
    <message numerus="yes">
        <source>Every %n seconds of game time the maximum possible score decreases by 1 point.</source>
        <extracomment>%n is the seconds of the game clock&apos;s period (12); each period costs 1 point.</extracomment>
        <translation>
            <numerusform>Pro %n&#xa0;Sekunde Spielzeit sinkt die maximale Punktzahl um 1&#xa0;Punkt.</numerusform>
            <numerusform>Alle %n&#xa0;Sekunden Spielzeit sinkt die maximale Punktzahl um 1&#xa0;Punkt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>If you use the help buttons you will get a number in one of the  blank squares. A %n point penalty corresponds to a loss of %1 of time. </source>
        <extracomment>The &quot;help buttons&quot; are the buy buttons. %n is the points the first of them costs (5), %1 the time that stands for, &quot;1 minute&quot; as in its caption.</extracomment>
        <translation>
            <numerusform>Mit den Kaufknöpfen bekommst du in einem der leeren Felder eine Ziffer. %n&#xa0;Punkt Abzug entspricht %1 Spielzeit.</numerusform>
            <numerusform>Mit den Kaufknöpfen bekommst du in einem der leeren Felder eine Ziffer. %n&#xa0;Punkte Abzug entsprechen %1 Spielzeit.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <extracomment>The time a purchase stands for, in the help: &quot;1 minute&quot; in &quot;A 5 point penalty corresponds to a loss of 1 minute of time&quot;.</extracomment>
        <translation>
            <numerusform>%n&#xa0;Minute</numerusform>
            <numerusform>%n&#xa0;Minuten</numerusform>
        </translation>
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
    <message>
        <source>the lines it could not read could not be kept in %1 first: %2</source>
        <extracomment>%1 is the copy&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>die Zeilen, die das Spiel nicht lesen konnte, konnten nicht zuerst in %1 aufbewahrt werden: %2</translation>
    </message>
</context>
<context>
    <name>ScoreListModel</name>
    <message>
        <source>Name</source>
        <extracomment>The heading of the score list&apos;s column of names; about 130 px at 10 px with the sort mark.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The heading of the score list&apos;s column of scores; about 60 px at 10 px with the sort mark.</extracomment>
        <translation>Punkte</translation>
    </message>
</context>
<context>
    <name>ScoreLists</name>
    <message>
        <source>Your scores could not be saved.</source>
        <translation>Die Bestenlisten konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Try again, quit without saving (the files keep the scores they had), or go back to the game.</source>
        <translation>Versuche es noch einmal, beende Veltrano ohne Speichern (die Dateien bleiben, wie sie waren) oder kehre zum Spiel zurück.</translation>
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
        <translation>Weder XDG_CONFIG_HOME noch HOME nennt dafür einen Ordner mit vollständigem Pfad, daher schreibt das Spiel keine Datei. Bis es mit einer dieser Variablen neu gestartet wird, stehen neue Einträge nur in den Listen.</translation>
    </message>
    <message>
        <source>A score list could not be read.</source>
        <translation>Eine Bestenliste konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is left exactly as it is. Until the game is started again, scores recorded in this list are kept in the list only, not in the file.</source>
        <translation>Die Datei bleibt genau so, wie sie ist. Bis zum nächsten Start des Spiels stehen neue Einträge dieser Liste nur in der Liste, nicht in der Datei.</translation>
    </message>
    <message>
        <source>Your score could not be recorded.</source>
        <translation>Deine Punktzahl konnte nicht eingetragen werden.</translation>
    </message>
    <message>
        <source>There is not enough memory to add it to the list.</source>
        <translation>Der Speicher reicht nicht, um sie in die Liste aufzunehmen.</translation>
    </message>
    <message>
        <source>Your score is kept only in the list for now.</source>
        <translation>Deine Punktzahl steht vorerst nur in der Liste.</translation>
    </message>
    <message>
        <source>It could not be added to a file: %1.</source>
        <extracomment>%1 is why the score could not be added to a file.</extracomment>
        <translation>Die Punktzahl konnte in keine Datei eingetragen werden: %1.</translation>
    </message>
    <message>
        <source>It could not be added to %1: %2.</source>
        <extracomment>%1 is the score list&apos;s file, %2 why the score could not be added to it.</extracomment>
        <translation>Die Punktzahl konnte nicht in %1 eingetragen werden: %2.</translation>
    </message>
    <message>
        <source>The game tries again to save the list when it closes.</source>
        <translation>Beim Beenden versucht das Spiel erneut, die Liste zu speichern.</translation>
    </message>
    <message>
        <source>the scores could not be saved; the files keep what they had.</source>
        <translation>die Bestenlisten konnten nicht gespeichert werden; die Dateien behalten ihren bisherigen Inhalt.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 is a file&apos;s path, %2 why it failed.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Some lines of a score list could not be read.</source>
        <translation>Einige Zeilen einer Bestenliste konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 has lines the game cannot read whole as a name and a score (%2 of them): they are left out of the list, or shortened to their name and score. Before the list is first saved so, the file as it is now is kept in %3.</source>
        <extracomment>%1 is the file&apos;s path, %2 how many lines, %3 the path of the copy.</extracomment>
        <translation>%1 enthält Zeilen, die das Spiel nicht ganz als Namen und Punktzahl lesen kann (%2 Stück): Sie fehlen in der Liste oder sind auf Namen und Punktzahl gekürzt. Bevor die Liste zum ersten Mal so gespeichert wird, wird die Datei, wie sie jetzt ist, in %3 aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>fw::Application</name>
    <message>
        <source>no display found; run it on a desktop, or headless with: xvfb-run -a %1</source>
        <extracomment>%1 is the program&apos;s command.</extracomment>
        <translation>keine Anzeige gefunden; starte es auf einem Desktop oder ohne Bildschirm mit: xvfb-run -a %1</translation>
    </message>
    <message>
        <source>cannot open the display %1; run it on a desktop, or headless with: xvfb-run -a %2</source>
        <extracomment>%1 is the display&apos;s name, &quot;:0&quot;; %2 the program&apos;s command.</extracomment>
        <translation>die Anzeige %1 lässt sich nicht öffnen; starte es auf einem Desktop oder ohne Bildschirm mit: xvfb-run -a %2</translation>
    </message>
</context>
<context>
    <name>fw::ListBox</name>
    <message>
        <source>Left and Right choose a heading; Space sorts by it.</source>
        <translation>Mit den Pfeiltasten links und rechts wählst du eine Spalte, mit der Leertaste sortierst du danach.</translation>
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
        <extracomment>Said by a screen reader after a list&apos;s row: %1 is the row&apos;s number, %2 how many rows the list has.</extracomment>
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
<context>
    <name>ui::AboutWindow</name>
    <message>
        <source>About</source>
        <extracomment>The title of the window about the game, its name and version.</extracomment>
        <translation>Über Veltrano</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button, 69 px wide at 12 px: closes the window.</extracomment>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ui::GameWindow</name>
    <message>
        <source>first purchase, %1</source>
        <extracomment>A screen reader&apos;s name of the first buy button; %1 is its caption, &quot;1 minute (5 points)&quot;.</extracomment>
        <translation>erster Kauf, %1</translation>
    </message>
    <message>
        <source>second purchase, %1</source>
        <extracomment>A screen reader&apos;s name of the second buy button; %1 is its caption, &quot;3 minutes (15 points)&quot;.</extracomment>
        <translation>zweiter Kauf, %1</translation>
    </message>
    <message>
        <source>third purchase, %1</source>
        <extracomment>A screen reader&apos;s name of the third buy button; %1 is its caption, &quot;3 minutes (15 points)&quot;.</extracomment>
        <translation>dritter Kauf, %1</translation>
    </message>
    <message>
        <source>fourth purchase, %1</source>
        <extracomment>A screen reader&apos;s name of the fourth buy button; %1 is its caption, &quot;3 minutes (15 points)&quot;.</extracomment>
        <translation>vierter Kauf, %1</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>A button, 69 px wide at 12 px: ends the game program.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Noch einmal spielen</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <translation>Das Spiel ist vorbei.</translation>
    </message>
    <message>
        <source>You can quit or play again. </source>
        <translation>Du kannst das Spiel beenden oder noch einmal spielen.</translation>
    </message>
    <message>
        <source>%1 bought in %2</source>
        <extracomment>%1 is the digit bought, %2 the square it went to (&quot;row 2, column 3&quot;).</extracomment>
        <translation>%1 in %2 gekauft</translation>
    </message>
    <message>
        <source>%1 added to %2</source>
        <extracomment>Said by a screen reader after Record; %1 is the row, name and score (&quot;Ann, 56&quot;), %2 the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>%1 in die %2 eingetragen</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A row of a score list as a screen reader says it: %1 is the player&apos;s name, %2 the score.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Maximum Possible Score</source>
        <extracomment>A screen reader&apos;s name of the number beside the caption &quot;Maximum Possible Score:&quot;; no limit of room.</extracomment>
        <translation>Maximale Punktzahl</translation>
    </message>
    <message>
        <source>Your Score</source>
        <extracomment>A screen reader&apos;s name of the number beside the caption &quot;Your Score:&quot;; no limit of room.</extracomment>
        <translation>Deine Punktzahl</translation>
    </message>
    <message>
        <source>Score, your score: %1</source>
        <extracomment>A screen reader&apos;s name of the &quot;Score&quot; button once a game is done; %1 is the points scored.</extracomment>
        <translation>Punkte, deine Punktzahl: %1</translation>
    </message>
    <message>
        <source>product</source>
        <extracomment>A screen reader&apos;s name of the calculator&apos;s product, said before its value.</extracomment>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>standard</source>
        <extracomment>A radio button, 80 px wide at 12 px with its round mark: the mode of sums. Also shown beside &quot;Scores&quot; once the mode has been switched.</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>expert</source>
        <extracomment>A radio button, 80 px wide at 12 px with its round mark: the mode of products. Also shown beside &quot;Scores&quot; in that mode.</extracomment>
        <translation>Experte</translation>
    </message>
    <message>
        <source>HELP</source>
        <extracomment>The help button in the expert mode (&quot;expert help&quot;), 69 px wide at 12 px.
----------
A button, 69 px wide at 12 px: the help of the standard mode, in capitals as the English.</extracomment>
        <translation>HILFE</translation>
    </message>
    <message>
        <source>ExpHelp</source>
        <translation>ExpHilfe</translation>
    </message>
    <message>
        <source>Buy a number. Cost:</source>
        <extracomment>The frame round the four buy buttons; about 240 px at 12 px. A digit 1-9 is bought.</extracomment>
        <translation>Ziffer kaufen. Kosten:</translation>
    </message>
    <message>
        <source>first factor</source>
        <extracomment>A screen reader&apos;s names of the calculator&apos;s three menus, whose chosen digits it multiplies.</extracomment>
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
        <extracomment>Said by a screen reader when the calculator&apos;s product changes; %1 is the product.</extracomment>
        <translation>Produkt: %1</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The caption before the field for the player&apos;s name; 100 px at 12 px.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>A button, 69 px wide at 12 px: shows the field for the player&apos;s name, to record the score.</extracomment>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>%1 removed from %2</source>
        <extracomment>Said by a screen reader after a click removes a row: %1 is the row, name and score (&quot;Ann, 56&quot;), %2 the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>%1 aus der %2 entfernt</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A button, 69 px wide at 12 px (about 65 px of text): a new game.</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>A button, 69 px wide at 12 px: checks the grid and shows the score.</extracomment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Maximum Possible Score:</source>
        <extracomment>The caption before the points the game can still give; 178 px at 14 px, which the English fills: a shorter form (&quot;maximum score&quot;) is right.</extracomment>
        <translation>Maximale Punktzahl:</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <extracomment>The caption before the score of a finished game; 178 px at 14 px.</extracomment>
        <translation>Deine Punktzahl:</translation>
    </message>
    <message>
        <source>Standard scores</source>
        <extracomment>A screen reader&apos;s name of the standard mode&apos;s score list; it fills %1 or %2 of the sentences said when a row is added or removed or the list is sorted.</extracomment>
        <translation>Standard-Bestenliste</translation>
    </message>
    <message>
        <source>Scores</source>
        <extracomment>The heading over the score list, at 12 px; 65 px before it runs into the mode&apos;s name beside it.</extracomment>
        <translation>Rekorde</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>A button, 69 px wide at 12 px: adds the name and score to the score list.</extracomment>
        <translation>Eintragen</translation>
    </message>
    <message>
        <source>Choices</source>
        <extracomment>The frame round the two mode buttons, &quot;standard&quot; and &quot;expert&quot;: the choice of mode.</extracomment>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Standard</source>
        <extracomment>The mode&apos;s name beside the &quot;Scores&quot; heading until the first switch of mode, as the radio button &quot;standard&quot; with a capital letter; 100 px at 12 px.</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Expert scores</source>
        <extracomment>A screen reader&apos;s name of the expert mode&apos;s score list; it fills %1 or %2 of the sentences said when a row is added or removed or the list is sorted.</extracomment>
        <translation>Experten-Bestenliste</translation>
    </message>
    <message>
        <source>Static Version</source>
        <extracomment>A check box, 145 px wide at 12 px bold with its mark: ticked, the clock stops (&quot;no clock&quot;).</extracomment>
        <translation>Ohne Uhr</translation>
    </message>
    <message>
        <source>New game, maximum possible score %1</source>
        <extracomment>Said by a screen reader at Start; %1 is the number of points the new game starts at, 100 or less.</extracomment>
        <translation>Neues Spiel, maximale Punktzahl %1</translation>
    </message>
    <message>
        <source>%1 sorted by %2, ascending</source>
        <extracomment>Said by a screen reader after a sort: %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;, %2 the heading sorted by, &quot;Name&quot; or &quot;Score&quot;.</extracomment>
        <translation>%1 nach „%2“ aufsteigend sortiert</translation>
    </message>
    <message>
        <source>%1 sorted by %2, descending</source>
        <extracomment>As &quot;%1 sorted by %2, ascending&quot;, from the highest or last down.</extracomment>
        <translation>%1 nach „%2“ absteigend sortiert</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>caption: value</comment>
        <extracomment>What a screen reader says of a score or the product: %1 is its caption (&quot;Your Score&quot;), %2 the number shown.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>a square bought in %1</source>
        <extracomment>A purchase made before the first game, which leaves the square empty; %1 is the square (&quot;row 2, column 3&quot;).</extracomment>
        <translation>ein Feld in %1 gekauft</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>buy button: its purchase</comment>
        <extracomment>A buy button as a screen reader says it once used: %1 is its name (&quot;first purchase, 1 minute (5 points)&quot;), %2 where its digit went (&quot;7 bought in row 1, column 2&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <extracomment>The time a buy button costs, in its caption: &quot;1 minute&quot; in &quot;1 minute (5 points)&quot;.</extracomment>
        <translation>
            <numerusform>%n&#xa0;Minute</numerusform>
            <numerusform>%n&#xa0;Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <extracomment>The points a buy button costs, in its caption: &quot;5 points&quot; in &quot;1 minute (5 points)&quot;.</extracomment>
        <translation>
            <numerusform>%n&#xa0;Punkt</numerusform>
            <numerusform>%n&#xa0;Punkte</numerusform>
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
        <translation>Wird gelesen…</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <extracomment>Said by a screen reader; %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>%1 wird gelesen…</translation>
    </message>
    <message>
        <source>%1 read</source>
        <extracomment>Said by a screen reader; %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>%1 gelesen</translation>
    </message>
    <message>
        <source>Sorting…</source>
        <extracomment>Shown at the foot of a score list while it is sorted: 150 pixels at most.</extracomment>
        <translation>Wird sortiert…</translation>
    </message>
    <message>
        <source>Sorting %1…</source>
        <extracomment>Said by a screen reader; %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>%1 wird sortiert…</translation>
    </message>
    <message>
        <source>%1 sorted</source>
        <extracomment>Said by a screen reader; %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>%1 sortiert</translation>
    </message>
    <message>
        <source>Saving…</source>
        <extracomment>Shown at the foot of a score list while it is saved: 150 pixels at most.</extracomment>
        <translation>Wird gespeichert…</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <extracomment>Said by a screen reader; %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>%1 wird gespeichert…</translation>
    </message>
    <message>
        <source>%1 saved</source>
        <extracomment>Said by a screen reader; %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Recording…</source>
        <extracomment>Shown at the foot of a score list while a score is added to its file: 150 pixels at most.</extracomment>
        <translation>Wird eingetragen…</translation>
    </message>
    <message>
        <source>Recording in %1…</source>
        <extracomment>Said by a screen reader; %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>Eintrag in %1…</translation>
    </message>
    <message>
        <source>Standard mode: the board is empty until Start. %1 shown.</source>
        <extracomment>Said by a screen reader as the mode is chosen; %1 is the list now shown, &quot;Standard scores&quot;.</extracomment>
        <translation>Standardmodus: Das Spielfeld bleibt bis „Start“ leer. Die %1 wird angezeigt.</translation>
    </message>
    <message>
        <source>Expert mode: the board is empty until Start. %1 shown.</source>
        <extracomment>Said by a screen reader as the mode is chosen; %1 is the list now shown, &quot;Expert scores&quot;.</extracomment>
        <translation>Expertenmodus: Das Spielfeld bleibt bis „Start“ leer. Die %1 wird angezeigt.</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Said by a screen reader for the calculator menu&apos;s &quot;#&quot;, no digit chosen.</extracomment>
        <translation>keiner</translation>
    </message>
</context>
<context>
    <name>ui::HelpWindow</name>
    <message>
        <source>Help</source>
        <extracomment>The title of the help window of the standard mode.</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Expert Help</source>
        <extracomment>The title of the help window of the expert mode.</extracomment>
        <translation>Hilfe zum Expertenmodus</translation>
    </message>
    <message>
        <source>Support:</source>
        <extracomment>The caption before the support&apos;s e-mail address; 59 px at 12 px.</extracomment>
        <translation>Support:</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <extracomment>Closes the help window; 100 px at 14 px bold, in capitals as the English.</extracomment>
        <translation>SCHLIESSEN</translation>
    </message>
    <message>
        <source>Rules</source>
        <extracomment>The name a screen reader gives the help&apos;s text of the rules.</extracomment>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Score lists</source>
        <extracomment>The name a screen reader gives the help&apos;s text about the score lists.</extracomment>
        <translation>Bestenlisten</translation>
    </message>
    <message>
        <source>The game runs as root, so it opens no other program.</source>
        <translation>Das Spiel läuft als root und öffnet darum kein anderes Programm.</translation>
    </message>
    <message>
        <source>Write to %1 from your own account.</source>
        <extracomment>%1 is the support&apos;s e-mail address.</extracomment>
        <translation>Schreibe von deinem eigenen Benutzerkonto aus an %1.</translation>
    </message>
</context>
</TS>
