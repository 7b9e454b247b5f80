<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>App</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HELP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Veltrano</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoardLayout</name>
    <message>
        <source>row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falling diagonal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rising diagonal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>target of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the game in this language: %1. Without it, the game speaks the desktop&apos;s language, or English.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A number puzzle against the clock: fill the 3 x 3 grid with the digits 1 to 9
so that every row, column and diagonal meets its target.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no language &apos;%1&apos;; choose one of: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>first purchase, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second purchase, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>third purchase, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fourth purchase, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game is over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can quit or play again. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bought in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 added to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Possible Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score, your score: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HELP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ExpHelp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minute (%2 points)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes (%2 points)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buy a number. Cost:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>third factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>product: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 removed from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sorted by %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Possible Score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Static Version</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpPictures</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A solved board, rows from the top: %1. Targets: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A score list with the headings Name and Score: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example board of the standard mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example score list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example board of the expert mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example expert score list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>When you start you will be given the numbers like 18, 15, 18, 6, 21, 11, 15, and 19 displayed in the picture at the left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The idea is to enter the numbers 1 through 9 in the middle nine blocks so that the rows, columns and diagonals add up as in the illustration at the left and discussed below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diagonals must add up to numbers displayed here as 18 and 15. The rows add up to the numbers displayed here as 18, 6, and 21. The columns add up to the numbers displayed here as 19, 15, and 11.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When you start you will be given the numbers like 126, 28, 108, 112, 30, 48, 315, and 24 displayed in the picture at the left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The idea is to enter the numbers 1 through 9 in the middle nine blocks so that the rows, columns and diagonals multiply to give he numbers at their ends as shown in the illustration at the left and discussed below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diagonal numbers must multiply to give the numbers displayed here as 126 and 28. The rows multiply to give the numbers displayed here as 108, 112, and 30. The columns multiply to give the numbers displayed here as 24, 315, and 48.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every 12 seconds of game time the maximum possible score decreases by 1 point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New in this version: You can opt to disable the timer by clicking the check box labeled &quot;Static Version.&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you use the help buttons you will get a number in one of the  blank squares. A 5 point penalty corresponds to a loss of 1 minute of time. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When you press &quot;Done&quot; any numbers that are in the wrong places will be blanked out and your score will be reduced accordingly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can use the calculator at the top to help with the multiplication.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certain numbers can make the puzzle easier to solve. When this happens the maximum possible score will be lowered. You can play that game or press start again to get a new set of numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clicking the word &quot;Score&quot; at the top right of the list and it will be resorted bottom score to top score. Another click will arrange it again top to bottom. Clicking the word &quot;Name&quot; will sort it alphabetically in reverse order. A second click restores the alphabetical list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When you switch to the expert mode you get a different set of scores which apply to this mode only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veltrano ver %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreLists</name>
    <message>
        <source>Your scores could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try again, quit without saving (the files keep the scores they had), or go back to the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The score lists cannot be kept in files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neither XDG_CONFIG_HOME nor HOME names a folder for them by its full path, so the game writes no file. Until it is started again with one of them set, scores recorded are kept in the lists only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A score list could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is left exactly as it is. Until the game is started again, scores recorded in this list are kept in the list only, not in the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your score could not be recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory to add it to the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your score is kept only in the list for now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be added to a file: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be added to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game tries again to save the list when it closes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fw::Application</name>
    <message>
        <source>no display found; run it on a desktop, or headless with: xvfb-run -a veltrano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open the display %1; run it on a desktop, or headless with: xvfb-run -a veltrano</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fw::ListBox</name>
    <message>
        <source>Left and Right choose a heading; Space sorts by it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list could not be sorted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory to sort it. Its rows are left in their order.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fw::MessageDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
