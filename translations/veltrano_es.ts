<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <extracomment>Edit menu: deletes the selected text.</extracomment>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>File menu: ends the game program.</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;HELP</source>
        <extracomment>File menu: the help of the current mode. The capitals copy the game window&apos;s button &quot;HELP&quot;; write it as your language&apos;s menus write &quot;Help&quot;.</extracomment>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;About Veltrano</source>
        <extracomment>Edit menu: the window with the game&apos;s name and version.</extracomment>
        <translation>&amp;Acerca de Veltrano</translation>
    </message>
</context>
<context>
    <name>BoardLayout</name>
    <message>
        <source>row %1</source>
        <extracomment>A line of the 3 x 3 grid, said by a screen reader; %1 is 1, 2 or 3 from the top.</extracomment>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <extracomment>A line of the 3 x 3 grid, said by a screen reader; %1 is 1, 2 or 3 from the left.</extracomment>
        <translation>columna %1</translation>
    </message>
    <message>
        <source>falling diagonal</source>
        <extracomment>The diagonal from the top left to the bottom right, said by a screen reader.</extracomment>
        <translation>diagonal descendente</translation>
    </message>
    <message>
        <source>rising diagonal</source>
        <translation>diagonal ascendente</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A square of the 3 x 3 grid, said by a screen reader; %1 is its row, %2 its column, each 1 to 3.</extracomment>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>target of row %1</source>
        <extracomment>What a screen reader calls the number at the end of a row; %1 is 1, 2 or 3 from the top.</extracomment>
        <translation>objetivo de la fila %1</translation>
    </message>
    <message>
        <source>target of column %1</source>
        <extracomment>What a screen reader calls the number below a column; %1 is 1, 2 or 3 from the left.</extracomment>
        <translation>objetivo de la columna %1</translation>
    </message>
    <message>
        <source>target of falling diagonal</source>
        <extracomment>What a screen reader calls the number at the top left, the target of the diagonal from the top left to the bottom right.</extracomment>
        <translation>objetivo de la diagonal descendente</translation>
    </message>
    <message>
        <source>target of rising diagonal</source>
        <translation>objetivo de la diagonal ascendente</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>Show the game in this language: %1. Without it, the game speaks the desktop&apos;s language, or English.</source>
        <extracomment>%1 lists the languages&apos; codes, &quot;de, en, es, fr&quot;.</extracomment>
        <translation>Muestra el juego en este idioma: %1. Sin esta opción, el juego usa el idioma del escritorio o, si no, el inglés.</translation>
    </message>
    <message>
        <source>language</source>
        <extracomment>The value of the option --language in the usage: &quot;--language &lt;language&gt;&quot;.</extracomment>
        <translation>idioma</translation>
    </message>
    <message>
        <source>A number puzzle against the clock: fill the 3 x 3 grid with the digits 1 to 9
so that every row, column and diagonal meets its target.</source>
        <translation>Un rompecabezas numérico contrarreloj: rellena la cuadrícula de 3 x 3
con las cifras del 1 al 9 para que cada fila, columna y diagonal
alcance su objetivo.</translation>
    </message>
    <message>
        <source>there is no language &apos;%1&apos;; choose one of: %2.</source>
        <extracomment>%1 is what the player asked for, %2 lists the languages&apos; codes, &quot;de, en, es, fr&quot;.</extracomment>
        <translation>no existe el idioma «%1»; elige uno de estos: %2.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <extracomment>%1 is the argument given, which the game does not take.</extracomment>
        <translation>argumento inesperado «%1».</translation>
    </message>
</context>
<context>
    <name>HelpPictures</name>
    <message>
        <source>Name</source>
        <extracomment>The heading of the names in the help&apos;s picture of a score list, as the list&apos;s own heading.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The heading of the scores in the help&apos;s picture of a score list, as the list&apos;s own heading.</extracomment>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>A solved board, rows from the top: %1. Targets: %2.</source>
        <extracomment>What a screen reader says of the help&apos;s picture of a board: %1 is its digits (&quot;2, 9, 4; 7, 5, 3; 6, 1, 8&quot;), %2 its targets (&quot;row 1 15, ..., rising diagonal 15&quot;).</extracomment>
        <translation>Un tablero resuelto, filas de arriba abajo: %1. Objetivos: %2.</translation>
    </message>
    <message>
        <source>A score list with the headings Name and Score: %1.</source>
        <extracomment>What a screen reader says of the help&apos;s picture of a score list: %1 is its rows, &quot;Ann 87, Bob 64, ...&quot;.</extracomment>
        <translation>Una lista de puntuaciones con las columnas Nombre y Puntos: %1.</translation>
    </message>
    <message>
        <source>Example board of the standard mode</source>
        <translation>Tablero de ejemplo del modo estándar</translation>
    </message>
    <message>
        <source>Example score list</source>
        <translation>Lista de puntuaciones de ejemplo</translation>
    </message>
    <message>
        <source>Example board of the expert mode</source>
        <translation>Tablero de ejemplo del modo experto</translation>
    </message>
    <message>
        <source>Example expert score list</source>
        <translation>Lista de puntuaciones de ejemplo del modo experto</translation>
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
        <translation>Al empezar recibes números como los de la imagen de la izquierda: 18, 15, 18, 6, 21, 11, 15 y 19.</translation>
    </message>
    <message>
        <source>The idea is to enter the numbers 1 through 9 in the middle nine blocks so that the rows, columns and diagonals add up as in the illustration at the left and discussed below.</source>
        <translation>Se trata de poner las cifras del 1 al 9 en las nueve casillas centrales para que filas, columnas y diagonales sumen esos números, como en la imagen y como se explica abajo.</translation>
    </message>
    <message>
        <source>The diagonals must add up to numbers displayed here as 18 and 15. The rows add up to the numbers displayed here as 18, 6, and 21. The columns add up to the numbers displayed here as 19, 15, and 11.</source>
        <translation>Aquí las diagonales deben sumar 18 y 15, las filas 18, 6 y 21, y las columnas 19, 15 y 11.</translation>
    </message>
    <message>
        <source>When you start you will be given the numbers like 126, 28, 108, 112, 30, 48, 315, and 24 displayed in the picture at the left.</source>
        <translation>Al empezar recibes números como los de la imagen de la izquierda: 126, 28, 108, 112, 30, 48, 315 y 24.</translation>
    </message>
    <message>
        <source>The idea is to enter the numbers 1 through 9 in the middle nine blocks so that the rows, columns and diagonals multiply to give he numbers at their ends as shown in the illustration at the left and discussed below.</source>
        <translation>Se trata de poner las cifras del 1 al 9 en las nueve casillas centrales para que el producto de cada fila, columna y diagonal dé el número de su extremo, como en la imagen y como se explica abajo.</translation>
    </message>
    <message>
        <source>The diagonal numbers must multiply to give the numbers displayed here as 126 and 28. The rows multiply to give the numbers displayed here as 108, 112, and 30. The columns multiply to give the numbers displayed here as 24, 315, and 48.</source>
        <translation>Aquí el producto de las diagonales debe dar 126 y 28, el de las filas 108, 112 y 30, y el de las columnas 24, 315 y 48.</translation>
    </message>
    <message>
        <source>New in this version: You can opt to disable the timer by clicking the check box labeled &quot;Static Version.&quot;</source>
        <extracomment>Quotes the check box &quot;Static Version&quot; (it stops the clock): write its translation.</extracomment>
        <translation>Novedad de esta versión: puedes parar el reloj marcando la casilla «Sin reloj».</translation>
    </message>
    <message>
        <source>When you press &quot;Done&quot; any numbers that are in the wrong places will be blanked out and your score will be reduced accordingly.</source>
        <extracomment>Quotes the button &quot;Done&quot;: write its translation.</extracomment>
        <translation>Al pulsar «Listo», las cifras mal colocadas se borran y tu puntuación baja en proporción.</translation>
    </message>
    <message>
        <source>You can use the calculator at the top to help with the multiplication.</source>
        <translation>La calculadora de arriba te ayuda a multiplicar.</translation>
    </message>
    <message>
        <source>Certain numbers can make the puzzle easier to solve. When this happens the maximum possible score will be lowered. You can play that game or press start again to get a new set of numbers.</source>
        <extracomment>&quot;start&quot; is the button &quot;Start&quot;: write its translation.</extracomment>
        <translation>Algunos números facilitan el rompecabezas. En ese caso, la puntuación máxima posible baja. Puedes jugar esa partida o volver a pulsar «Jugar» para tener otros números.</translation>
    </message>
    <message>
        <source>Clicking the word &quot;Score&quot; at the top right of the list and it will be resorted bottom score to top score. Another click will arrange it again top to bottom. Clicking the word &quot;Name&quot; will sort it alphabetically in reverse order. A second click restores the alphabetical list.</source>
        <extracomment>Quotes the headings &quot;Score&quot; and &quot;Name&quot; of the score list: write their translations.</extracomment>
        <translation>Un clic en la palabra «Puntos», arriba a la derecha de la lista, la ordena de menor a mayor puntuación. Otro clic la vuelve a ordenar de mayor a menor. Un clic en «Nombre» la ordena alfabéticamente al revés. Un segundo clic restablece el orden alfabético.</translation>
    </message>
    <message>
        <source>When you switch to the expert mode you get a different set of scores which apply to this mode only.</source>
        <translation>En el modo experto tienes otra lista de puntuaciones, solo para ese modo.</translation>
    </message>
    <message>
        <source>Veltrano ver %1</source>
        <extracomment>The About window&apos;s line under the game&apos;s name; %1 is the version number, &quot;3.2&quot;.</extracomment>
        <translation>Veltrano versión %1</translation>
    </message>
    <message numerus="yes">
        <source>Every %n seconds of game time the maximum possible score decreases by 1 point.</source>
        <extracomment>%n is the seconds of the game clock&apos;s period (12); each period costs 1 point.</extracomment>
        <translation>
            <numerusform>Cada %n&#xa0;segundo de juego, la puntuación máxima posible baja 1&#xa0;punto.</numerusform>
            <numerusform>Cada %n&#xa0;segundos de juego, la puntuación máxima posible baja 1&#xa0;punto.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>If you use the help buttons you will get a number in one of the  blank squares. A %n point penalty corresponds to a loss of %1 of time. </source>
        <extracomment>The &quot;help buttons&quot; are the buy buttons. %n is the points the first of them costs (5), %1 the time that stands for, &quot;1 minute&quot; as in its caption.</extracomment>
        <translation>
            <numerusform>Con los botones de compra obtienes una cifra en una de las casillas vacías. Una penalización de %n&#xa0;punto equivale a %1 de juego.</numerusform>
            <numerusform>Con los botones de compra obtienes una cifra en una de las casillas vacías. Una penalización de %n&#xa0;puntos equivale a %1 de juego.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <extracomment>The time a purchase stands for, in the help: &quot;1 minute&quot; in &quot;A 5 point penalty corresponds to a loss of 1 minute of time&quot;.</extracomment>
        <translation>
            <numerusform>%n&#xa0;minuto</numerusform>
            <numerusform>%n&#xa0;minutos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>it is a link, not a file</source>
        <translation>es un enlace, no un archivo</translation>
    </message>
    <message>
        <source>it is a link, which a game run as root does not follow in a folder others may write to</source>
        <translation>es un enlace, y un juego ejecutado como root no sigue enlaces en una carpeta en la que otros pueden escribir</translation>
    </message>
    <message>
        <source>%1 (it is a link to %2)</source>
        <extracomment>%1 is the system&apos;s reason, %2 the file the link leads to.</extracomment>
        <translation>%1 (es un enlace a %2)</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>there is no preferences folder</source>
        <translation>no hay carpeta de preferencias</translation>
    </message>
    <message>
        <source>the game could not take on the rights of the folder&apos;s owner</source>
        <translation>el juego no ha podido asumir los permisos del propietario de la carpeta</translation>
    </message>
    <message>
        <source>it would be larger than 1 GiB</source>
        <translation>el archivo ocuparía más de 1 GiB</translation>
    </message>
    <message>
        <source>it would have more than 16 million lines</source>
        <translation>el archivo tendría más de 16 millones de líneas</translation>
    </message>
    <message>
        <source>it has more than 16 million lines</source>
        <translation>el archivo tiene más de 16 millones de líneas</translation>
    </message>
    <message>
        <source>it is larger than 1 GiB</source>
        <translation>el archivo ocupa más de 1 GiB</translation>
    </message>
    <message>
        <source>another game, process %1 on %2, kept it locked</source>
        <extracomment>%1 is a process number, %2 the name of another computer.</extracomment>
        <translation>otro juego (proceso %1 en %2) tenía el archivo bloqueado</translation>
    </message>
    <message>
        <source>another game, process %1, kept it locked</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>otro juego (proceso %1) tenía el archivo bloqueado</translation>
    </message>
    <message>
        <source>another game on %1, kept it locked</source>
        <extracomment>%1 is the name of another computer.</extracomment>
        <translation>otro juego en %1 tenía el archivo bloqueado</translation>
    </message>
    <message>
        <source>another game kept it locked</source>
        <translation>otro juego tenía el archivo bloqueado</translation>
    </message>
    <message>
        <source>it is locked by a lock file that the game may neither read nor remove, %1 (%2); once it is removed, the game can use the list</source>
        <extracomment>%1 is the lock file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>el archivo está bloqueado por un archivo de bloqueo que el juego no puede leer ni borrar, %1 (%2); en cuanto se borre el archivo de bloqueo, el juego podrá usar la lista</translation>
    </message>
    <message>
        <source>its lock file %1 is in the way: %2</source>
        <extracomment>%1 is the lock file&apos;s name, %2 what stands in its place.</extracomment>
        <translation>el archivo de bloqueo %1 lo impide: %2</translation>
    </message>
    <message>
        <source>its lock file could not be made</source>
        <translation>no se ha podido crear el archivo de bloqueo</translation>
    </message>
    <message>
        <source>its lock file could not be made: %1</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>no se ha podido crear el archivo de bloqueo: %1</translation>
    </message>
    <message>
        <source>it could not be read when the game started, so it is left as it is</source>
        <translation>no se pudo leer al iniciarse el juego, así que se deja tal como está</translation>
    </message>
    <message>
        <source>the lines it could not read could not be kept in %1 first: %2</source>
        <extracomment>%1 is the copy&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>las líneas que no pudo leer no se han podido guardar antes en %1: %2</translation>
    </message>
</context>
<context>
    <name>ScoreListModel</name>
    <message>
        <source>Name</source>
        <extracomment>The heading of the score list&apos;s column of names; about 130 px at 10 px with the sort mark.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The heading of the score list&apos;s column of scores; about 60 px at 10 px with the sort mark.</extracomment>
        <translation>Puntos</translation>
    </message>
</context>
<context>
    <name>ScoreLists</name>
    <message>
        <source>Your scores could not be saved.</source>
        <translation>No se han podido guardar tus puntuaciones.</translation>
    </message>
    <message>
        <source>Try again, quit without saving (the files keep the scores they had), or go back to the game.</source>
        <translation>Vuelve a intentarlo, sal sin guardar (los archivos conservan las puntuaciones que tenían) o vuelve al juego.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Salir sin guardar</translation>
    </message>
    <message>
        <source>Back to the Game</source>
        <translation>Volver al juego</translation>
    </message>
    <message>
        <source>The score lists cannot be kept in files.</source>
        <translation>Las listas de puntuaciones no se pueden guardar en archivos.</translation>
    </message>
    <message>
        <source>Neither XDG_CONFIG_HOME nor HOME names a folder for them by its full path, so the game writes no file. Until it is started again with one of them set, scores recorded are kept in the lists only.</source>
        <translation>Ni XDG_CONFIG_HOME ni HOME indican una carpeta con su ruta completa, así que el juego no escribe ningún archivo. Hasta que se vuelva a iniciar con una de ellas definida, las puntuaciones anotadas solo se conservan en las listas.</translation>
    </message>
    <message>
        <source>A score list could not be read.</source>
        <translation>No se ha podido leer una lista de puntuaciones.</translation>
    </message>
    <message>
        <source>The file is left exactly as it is. Until the game is started again, scores recorded in this list are kept in the list only, not in the file.</source>
        <translation>El archivo se deja tal como está. Hasta que el juego se vuelva a iniciar, las puntuaciones anotadas en esta lista solo se conservan en la lista, no en el archivo.</translation>
    </message>
    <message>
        <source>Your score could not be recorded.</source>
        <translation>No se ha podido anotar tu puntuación.</translation>
    </message>
    <message>
        <source>There is not enough memory to add it to the list.</source>
        <translation>No hay memoria suficiente para añadirla a la lista.</translation>
    </message>
    <message>
        <source>Your score is kept only in the list for now.</source>
        <translation>Por ahora, tu puntuación solo está en la lista.</translation>
    </message>
    <message>
        <source>It could not be added to a file: %1.</source>
        <extracomment>%1 is why the score could not be added to a file.</extracomment>
        <translation>No se ha podido añadir a un archivo: %1.</translation>
    </message>
    <message>
        <source>It could not be added to %1: %2.</source>
        <extracomment>%1 is the score list&apos;s file, %2 why the score could not be added to it.</extracomment>
        <translation>No se ha podido añadir a %1: %2.</translation>
    </message>
    <message>
        <source>The game tries again to save the list when it closes.</source>
        <translation>El juego volverá a intentar guardar la lista al cerrarse.</translation>
    </message>
    <message>
        <source>the scores could not be saved; the files keep what they had.</source>
        <translation>no se han podido guardar las puntuaciones; los archivos conservan lo que tenían.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 is a file&apos;s path, %2 why it failed.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Some lines of a score list could not be read.</source>
        <translation>Algunas líneas de una lista de puntuaciones no se han podido leer.</translation>
    </message>
    <message>
        <source>%1 has lines the game cannot read whole as a name and a score (%2 of them): they are left out of the list, or shortened to their name and score. Before the list is first saved so, the file as it is now is kept in %3.</source>
        <extracomment>%1 is the file&apos;s path, %2 how many lines, %3 the path of the copy.</extracomment>
        <translation>%1 tiene líneas que el juego no puede leer enteras como un nombre y una puntuación (%2 en total): se dejan fuera de la lista o se acortan a su nombre y su puntuación. Antes de guardar la lista así por primera vez, el archivo tal como está ahora se conserva en %3.</translation>
    </message>
</context>
<context>
    <name>fw::Application</name>
    <message>
        <source>no display found; run it on a desktop, or headless with: xvfb-run -a %1</source>
        <extracomment>%1 is the program&apos;s command.</extracomment>
        <translation>no se ha encontrado ninguna pantalla; ejecútalo en un escritorio o, sin pantalla, con: xvfb-run -a %1</translation>
    </message>
    <message>
        <source>cannot open the display %1; run it on a desktop, or headless with: xvfb-run -a %2</source>
        <extracomment>%1 is the display&apos;s name, &quot;:0&quot;; %2 the program&apos;s command.</extracomment>
        <translation>no se puede abrir la pantalla %1; ejecútalo en un escritorio o, sin pantalla, con: xvfb-run -a %2</translation>
    </message>
</context>
<context>
    <name>fw::ListBox</name>
    <message>
        <source>Left and Right choose a heading; Space sorts by it.</source>
        <translation>Las flechas izquierda y derecha eligen una columna; la barra espaciadora ordena por ella.</translation>
    </message>
    <message>
        <source>The list could not be sorted.</source>
        <translation>No se ha podido ordenar la lista.</translation>
    </message>
    <message>
        <source>There is not enough memory to sort it. Its rows are left in their order.</source>
        <translation>No hay memoria suficiente para ordenarla. Las filas conservan su orden.</translation>
    </message>
    <message>
        <source>sorted ascending</source>
        <translation>orden ascendente</translation>
    </message>
    <message>
        <source>sorted descending</source>
        <translation>orden descendente</translation>
    </message>
    <message>
        <source>row %1 of %2</source>
        <extracomment>Said by a screen reader after a list&apos;s row: %1 is the row&apos;s number, %2 how many rows the list has.</extracomment>
        <translation>fila %1 de %2</translation>
    </message>
</context>
<context>
    <name>fw::MessageDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ui::AboutWindow</name>
    <message>
        <source>About</source>
        <extracomment>The title of the window about the game, its name and version.</extracomment>
        <translation>Acerca de Veltrano</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button, 69 px wide at 12 px: closes the window.</extracomment>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>ui::GameWindow</name>
    <message>
        <source>first purchase, %1</source>
        <extracomment>A screen reader&apos;s name of the first buy button; %1 is its caption, &quot;1 minute (5 points)&quot;.</extracomment>
        <translation>primera compra, %1</translation>
    </message>
    <message>
        <source>second purchase, %1</source>
        <extracomment>A screen reader&apos;s name of the second buy button; %1 is its caption, &quot;3 minutes (15 points)&quot;.</extracomment>
        <translation>segunda compra, %1</translation>
    </message>
    <message>
        <source>third purchase, %1</source>
        <extracomment>A screen reader&apos;s name of the third buy button; %1 is its caption, &quot;3 minutes (15 points)&quot;.</extracomment>
        <translation>tercera compra, %1</translation>
    </message>
    <message>
        <source>fourth purchase, %1</source>
        <extracomment>A screen reader&apos;s name of the fourth buy button; %1 is its caption, &quot;3 minutes (15 points)&quot;.</extracomment>
        <translation>cuarta compra, %1</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>A button, 69 px wide at 12 px: ends the game program.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Volver a jugar</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <translation>La partida ha terminado.</translation>
    </message>
    <message>
        <source>You can quit or play again. </source>
        <translation>Puedes salir o volver a jugar.</translation>
    </message>
    <message>
        <source>%1 bought in %2</source>
        <extracomment>%1 is the digit bought, %2 the square it went to (&quot;row 2, column 3&quot;).</extracomment>
        <translation>compra de %1 en la %2</translation>
    </message>
    <message>
        <source>%1 added to %2</source>
        <extracomment>Said by a screen reader after Record; %1 is the row, name and score (&quot;Ann, 56&quot;), %2 the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>%1 añadido a %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A row of a score list as a screen reader says it: %1 is the player&apos;s name, %2 the score.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Maximum Possible Score</source>
        <extracomment>A screen reader&apos;s name of the number beside the caption &quot;Maximum Possible Score:&quot;; no limit of room.</extracomment>
        <translation>Puntuación máxima posible</translation>
    </message>
    <message>
        <source>Your Score</source>
        <extracomment>A screen reader&apos;s name of the number beside the caption &quot;Your Score:&quot;; no limit of room.</extracomment>
        <translation>Tu puntuación</translation>
    </message>
    <message>
        <source>Score, your score: %1</source>
        <extracomment>A screen reader&apos;s name of the &quot;Score&quot; button once a game is done; %1 is the points scored.</extracomment>
        <translation>Puntos, tu puntuación: %1</translation>
    </message>
    <message>
        <source>product</source>
        <extracomment>A screen reader&apos;s name of the calculator&apos;s product, said before its value.</extracomment>
        <translation>producto</translation>
    </message>
    <message>
        <source>standard</source>
        <extracomment>A radio button, 80 px wide at 12 px with its round mark: the mode of sums. Also shown beside &quot;Scores&quot; once the mode has been switched.</extracomment>
        <translation>estándar</translation>
    </message>
    <message>
        <source>expert</source>
        <extracomment>A radio button, 80 px wide at 12 px with its round mark: the mode of products. Also shown beside &quot;Scores&quot; in that mode.</extracomment>
        <translation>experto</translation>
    </message>
    <message>
        <source>HELP</source>
        <extracomment>The help button in the expert mode (&quot;expert help&quot;), 69 px wide at 12 px.
----------
A button, 69 px wide at 12 px: the help of the standard mode, in capitals as the English.</extracomment>
        <translation>AYUDA</translation>
    </message>
    <message>
        <source>ExpHelp</source>
        <translation>AyudaExp</translation>
    </message>
    <message>
        <source>Buy a number. Cost:</source>
        <extracomment>The frame round the four buy buttons; about 240 px at 12 px. A digit 1-9 is bought.</extracomment>
        <translation>Comprar una cifra. Coste:</translation>
    </message>
    <message>
        <source>first factor</source>
        <extracomment>A screen reader&apos;s names of the calculator&apos;s three menus, whose chosen digits it multiplies.</extracomment>
        <translation>primer factor</translation>
    </message>
    <message>
        <source>second factor</source>
        <translation>segundo factor</translation>
    </message>
    <message>
        <source>third factor</source>
        <translation>tercer factor</translation>
    </message>
    <message>
        <source>product: %1</source>
        <extracomment>Said by a screen reader when the calculator&apos;s product changes; %1 is the product.</extracomment>
        <translation>producto: %1</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The caption before the field for the player&apos;s name; 100 px at 12 px.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>A button, 69 px wide at 12 px: shows the field for the player&apos;s name, to record the score.</extracomment>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>%1 removed from %2</source>
        <extracomment>Said by a screen reader after a click removes a row: %1 is the row, name and score (&quot;Ann, 56&quot;), %2 the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>%1 quitado de %2</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A button, 69 px wide at 12 px (about 65 px of text): a new game.</extracomment>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>A button, 69 px wide at 12 px: checks the grid and shows the score.</extracomment>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Maximum Possible Score:</source>
        <extracomment>The caption before the points the game can still give; 178 px at 14 px, which the English fills: a shorter form (&quot;maximum score&quot;) is right.</extracomment>
        <translation>Puntuación máxima:</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <extracomment>The caption before the score of a finished game; 178 px at 14 px.</extracomment>
        <translation>Tu puntuación:</translation>
    </message>
    <message>
        <source>Standard scores</source>
        <extracomment>A screen reader&apos;s name of the standard mode&apos;s score list; it fills %1 or %2 of the sentences said when a row is added or removed or the list is sorted.</extracomment>
        <translation>Puntuaciones estándar</translation>
    </message>
    <message>
        <source>Scores</source>
        <extracomment>The heading over the score list, at 12 px; 65 px before it runs into the mode&apos;s name beside it.</extracomment>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>A button, 69 px wide at 12 px: adds the name and score to the score list.</extracomment>
        <translation>Anotar</translation>
    </message>
    <message>
        <source>Choices</source>
        <extracomment>The frame round the two mode buttons, &quot;standard&quot; and &quot;expert&quot;: the choice of mode.</extracomment>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Standard</source>
        <extracomment>The mode&apos;s name beside the &quot;Scores&quot; heading until the first switch of mode, as the radio button &quot;standard&quot; with a capital letter; 100 px at 12 px.</extracomment>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Expert scores</source>
        <extracomment>A screen reader&apos;s name of the expert mode&apos;s score list; it fills %1 or %2 of the sentences said when a row is added or removed or the list is sorted.</extracomment>
        <translation>Puntuaciones de experto</translation>
    </message>
    <message>
        <source>Static Version</source>
        <extracomment>A check box, 145 px wide at 12 px bold with its mark: ticked, the clock stops (&quot;no clock&quot;).</extracomment>
        <translation>Sin reloj</translation>
    </message>
    <message>
        <source>New game, maximum possible score %1</source>
        <extracomment>Said by a screen reader at Start; %1 is the number of points the new game starts at, 100 or less.</extracomment>
        <translation>Nueva partida, puntuación máxima posible %1</translation>
    </message>
    <message>
        <source>%1 sorted by %2, ascending</source>
        <extracomment>Said by a screen reader after a sort: %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;, %2 the heading sorted by, &quot;Name&quot; or &quot;Score&quot;.</extracomment>
        <translation>%1 en orden ascendente por %2</translation>
    </message>
    <message>
        <source>%1 sorted by %2, descending</source>
        <extracomment>As &quot;%1 sorted by %2, ascending&quot;, from the highest or last down.</extracomment>
        <translation>%1 en orden descendente por %2</translation>
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
        <translation>compra de una casilla en la %1</translation>
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
            <numerusform>%n&#xa0;minuto</numerusform>
            <numerusform>%n&#xa0;minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <extracomment>The points a buy button costs, in its caption: &quot;5 points&quot; in &quot;1 minute (5 points)&quot;.</extracomment>
        <translation>
            <numerusform>%n&#xa0;punto</numerusform>
            <numerusform>%n&#xa0;puntos</numerusform>
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
        <translation>Leyendo…</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <extracomment>Said by a screen reader; %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>Leyendo %1…</translation>
    </message>
    <message>
        <source>%1 read</source>
        <extracomment>Said by a screen reader; %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>%1: lectura terminada</translation>
    </message>
    <message>
        <source>Sorting…</source>
        <extracomment>Shown at the foot of a score list while it is sorted: 150 pixels at most.</extracomment>
        <translation>Ordenando…</translation>
    </message>
    <message>
        <source>Sorting %1…</source>
        <extracomment>Said by a screen reader; %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>Ordenando %1…</translation>
    </message>
    <message>
        <source>%1 sorted</source>
        <extracomment>Said by a screen reader; %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>%1: orden terminado</translation>
    </message>
    <message>
        <source>Saving…</source>
        <extracomment>Shown at the foot of a score list while it is saved: 150 pixels at most.</extracomment>
        <translation>Guardando…</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <extracomment>Said by a screen reader; %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>Guardando %1…</translation>
    </message>
    <message>
        <source>%1 saved</source>
        <extracomment>Said by a screen reader; %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>%1: guardado terminado</translation>
    </message>
    <message>
        <source>Recording…</source>
        <extracomment>Shown at the foot of a score list while a score is added to its file: 150 pixels at most.</extracomment>
        <translation>Anotando…</translation>
    </message>
    <message>
        <source>Recording in %1…</source>
        <extracomment>Said by a screen reader; %1 is the list&apos;s name, &quot;Standard scores&quot; or &quot;Expert scores&quot;.</extracomment>
        <translation>Anotando en %1…</translation>
    </message>
    <message>
        <source>Standard mode: the board is empty until Start. %1 shown.</source>
        <extracomment>Said by a screen reader as the mode is chosen; %1 is the list now shown, &quot;Standard scores&quot;.</extracomment>
        <translation>Modo estándar: el tablero queda vacío hasta «Jugar». Lista mostrada: %1.</translation>
    </message>
    <message>
        <source>Expert mode: the board is empty until Start. %1 shown.</source>
        <extracomment>Said by a screen reader as the mode is chosen; %1 is the list now shown, &quot;Expert scores&quot;.</extracomment>
        <translation>Modo experto: el tablero queda vacío hasta «Jugar». Lista mostrada: %1.</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Said by a screen reader for the calculator menu&apos;s &quot;#&quot;, no digit chosen.</extracomment>
        <translation>ninguno</translation>
    </message>
</context>
<context>
    <name>ui::HelpWindow</name>
    <message>
        <source>Help</source>
        <extracomment>The title of the help window of the standard mode.</extracomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Expert Help</source>
        <extracomment>The title of the help window of the expert mode.</extracomment>
        <translation>Ayuda del modo experto</translation>
    </message>
    <message>
        <source>Support:</source>
        <extracomment>The caption before the support&apos;s e-mail address; 59 px at 12 px.</extracomment>
        <translation>Soporte:</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <extracomment>Closes the help window; 100 px at 14 px bold, in capitals as the English.</extracomment>
        <translation>CERRAR</translation>
    </message>
    <message>
        <source>Rules</source>
        <extracomment>The name a screen reader gives the help&apos;s text of the rules.</extracomment>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Score lists</source>
        <extracomment>The name a screen reader gives the help&apos;s text about the score lists.</extracomment>
        <translation>Listas de puntuaciones</translation>
    </message>
    <message>
        <source>The game runs as root, so it opens no other program.</source>
        <translation>El juego se ejecuta como root, así que no abre ningún otro programa.</translation>
    </message>
    <message>
        <source>Write to %1 from your own account.</source>
        <extracomment>%1 is the support&apos;s e-mail address.</extracomment>
        <translation>Escribe a %1 desde tu propia cuenta.</translation>
    </message>
</context>
</TS>
