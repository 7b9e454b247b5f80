<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
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
        <source>Clear</source>
        <translation>Borrar</translation>
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
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>AYUDA</translation>
    </message>
    <message>
        <source>About Veltrano</source>
        <translation>Acerca de Veltrano</translation>
    </message>
</context>
<context>
    <name>BoardLayout</name>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>columna %1</translation>
    </message>
    <message>
        <source>falling diagonal</source>
        <translation>diagonal descendente</translation>
    </message>
    <message>
        <source>rising diagonal</source>
        <translation>diagonal ascendente</translation>
    </message>
    <message>
        <source>target of %1</source>
        <translation>objetivo de la %1</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>fila %1, columna %2</translation>
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
        <translation>Muestra el juego en este idioma: %1. Sin esta opción, el juego usa el idioma del escritorio o, si no, el inglés.</translation>
    </message>
    <message>
        <source>language</source>
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
        <translation>no existe el idioma «%1»; elige uno de estos: %2.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argumento inesperado «%1».</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>first purchase, %1</source>
        <translation>primera compra, %1</translation>
    </message>
    <message>
        <source>second purchase, %1</source>
        <translation>segunda compra, %1</translation>
    </message>
    <message>
        <source>third purchase, %1</source>
        <translation>tercera compra, %1</translation>
    </message>
    <message>
        <source>fourth purchase, %1</source>
        <translation>cuarta compra, %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Quit</source>
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
        <translation>compra de %1 en %2</translation>
    </message>
    <message>
        <source>%1 added to %2</source>
        <translation>%1 añadido a %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Maximum Possible Score</source>
        <translation>Puntuación máxima posible</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Tu puntuación</translation>
    </message>
    <message>
        <source>Score, your score: %1</source>
        <translation>Puntos, tu puntuación: %1</translation>
    </message>
    <message>
        <source>a square</source>
        <translation>una casilla</translation>
    </message>
    <message>
        <source>product</source>
        <translation>producto</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>estándar</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>experto</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>AYUDA</translation>
    </message>
    <message>
        <source>ExpHelp</source>
        <translation>AyudaExp</translation>
    </message>
    <message>
        <source>%1 minute (%2 points)</source>
        <translation>%1 minuto (%2 puntos)</translation>
    </message>
    <message>
        <source>%1 minutes (%2 points)</source>
        <translation>%1 minutos (%2 puntos)</translation>
    </message>
    <message>
        <source>Buy a number. Cost:</source>
        <translation>Compra un número. Coste:</translation>
    </message>
    <message>
        <source>first factor</source>
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
        <translation>producto: %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>%1 removed from %2</source>
        <translation>%1 quitado de %2</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Maximum Possible Score:</source>
        <translation>Puntuación máxima:</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Tu puntuación:</translation>
    </message>
    <message>
        <source>Standard scores</source>
        <translation>Puntuaciones estándar</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Anotar</translation>
    </message>
    <message>
        <source>Choices</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Expert scores</source>
        <translation>Puntuaciones de experto</translation>
    </message>
    <message>
        <source>Static Version</source>
        <translation>Sin reloj</translation>
    </message>
    <message>
        <source>New game, maximum possible score %1</source>
        <translation>Nueva partida, puntuación máxima posible %1</translation>
    </message>
    <message>
        <source>%1 sorted by %2, ascending</source>
        <translation>%1 en orden ascendente por %2</translation>
    </message>
    <message>
        <source>%1 sorted by %2, descending</source>
        <translation>%1 en orden descendente por %2</translation>
    </message>
    <message>
        <source>Standard mode: the board is empty until Start. %1 shown.</source>
        <translation>Modo estándar: el tablero queda vacío hasta «Jugar». Lista mostrada: %1.</translation>
    </message>
    <message>
        <source>Expert mode: the board is empty until Start. %1 shown.</source>
        <translation>Modo experto: el tablero queda vacío hasta «Jugar». Lista mostrada: %1.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
</context>
<context>
    <name>HelpPictures</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>A solved board, rows from the top: %1. Targets: %2.</source>
        <translation>Un tablero resuelto, filas de arriba abajo: %1. Objetivos: %2.</translation>
    </message>
    <message>
        <source>A score list with the headings Name and Score: %1.</source>
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
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>When you start you will be given the numbers like 18, 15, 18, 6, 21, 11, 15, and 19 displayed in the picture at the left.</source>
        <translation>Al empezar recibes números como los de la imagen de la izquierda: 18, 15, 18, 6, 21, 11, 15 y 19.</translation>
    </message>
    <message>
        <source>The idea is to enter the numbers 1 through 9 in the middle nine blocks so that the rows, columns and diagonals add up as in the illustration at the left and discussed below.</source>
        <translation>Se trata de poner los números del 1 al 9 en las nueve casillas centrales para que filas, columnas y diagonales sumen esos números, como en la imagen y como se explica abajo.</translation>
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
        <translation>Se trata de poner los números del 1 al 9 en las nueve casillas centrales para que el producto de cada fila, columna y diagonal dé el número de su extremo, como en la imagen y como se explica abajo.</translation>
    </message>
    <message>
        <source>The diagonal numbers must multiply to give the numbers displayed here as 126 and 28. The rows multiply to give the numbers displayed here as 108, 112, and 30. The columns multiply to give the numbers displayed here as 24, 315, and 48.</source>
        <translation>Aquí el producto de las diagonales debe dar 126 y 28, el de las filas 108, 112 y 30, y el de las columnas 24, 315 y 48.</translation>
    </message>
    <message>
        <source>Every 12 seconds of game time the maximum possible score decreases by 1 point.</source>
        <translation>Cada 12 segundos de juego, la puntuación máxima posible baja 1 punto.</translation>
    </message>
    <message>
        <source>New in this version: You can opt to disable the timer by clicking the check box labeled &quot;Static Version.&quot;</source>
        <translation>Novedad de esta versión: puedes parar el reloj marcando la casilla «Sin reloj».</translation>
    </message>
    <message>
        <source>If you use the help buttons you will get a number in one of the  blank squares. A 5 point penalty corresponds to a loss of 1 minute of time. </source>
        <translation>Con los botones de compra obtienes un número en una de las casillas vacías. Una penalización de 5 puntos equivale a 1 minuto de juego.</translation>
    </message>
    <message>
        <source>When you press &quot;Done&quot; any numbers that are in the wrong places will be blanked out and your score will be reduced accordingly.</source>
        <translation>Al pulsar «Listo», los números mal colocados se borran y tu puntuación baja en proporción.</translation>
    </message>
    <message>
        <source>You can use the calculator at the top to help with the multiplication.</source>
        <translation>La calculadora de arriba te ayuda a multiplicar.</translation>
    </message>
    <message>
        <source>Certain numbers can make the puzzle easier to solve. When this happens the maximum possible score will be lowered. You can play that game or press start again to get a new set of numbers.</source>
        <translation>Algunos números facilitan el rompecabezas. En ese caso, la puntuación máxima posible baja. Puedes jugar esa partida o volver a pulsar «Jugar» para tener otros números.</translation>
    </message>
    <message>
        <source>Clicking the word &quot;Score&quot; at the top right of the list and it will be resorted bottom score to top score. Another click will arrange it again top to bottom. Clicking the word &quot;Name&quot; will sort it alphabetically in reverse order. A second click restores the alphabetical list.</source>
        <translation>Un clic en la palabra «Puntos», arriba a la derecha de la lista, la ordena de menor a mayor puntuación. Otro clic la vuelve a ordenar de mayor a menor. Un clic en «Nombre» la ordena alfabéticamente al revés. Un segundo clic restablece el orden alfabético.</translation>
    </message>
    <message>
        <source>When you switch to the expert mode you get a different set of scores which apply to this mode only.</source>
        <translation>En el modo experto tienes otra lista de puntuaciones, solo para ese modo.</translation>
    </message>
    <message>
        <source>Veltrano ver %1</source>
        <translation>Veltrano versión %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Expert Help</source>
        <translation>Ayuda del modo experto</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Soporte:</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CERRAR</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Score lists</source>
        <translation>Listas de puntuaciones</translation>
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
</context>
<context>
    <name>ScoreListModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Score</source>
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
        <translation>No se ha podido añadir a un archivo: %1.</translation>
    </message>
    <message>
        <source>It could not be added to %1: %2.</source>
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
</context>
<context>
    <name>fw::Application</name>
    <message>
        <source>no display found; run it on a desktop, or headless with: xvfb-run -a veltrano</source>
        <translation>no se ha encontrado ninguna pantalla; ejecútalo en un escritorio o, sin pantalla, con: xvfb-run -a veltrano</translation>
    </message>
    <message>
        <source>cannot open the display %1; run it on a desktop, or headless with: xvfb-run -a veltrano</source>
        <translation>no se puede abrir la pantalla %1; ejecútalo en un escritorio o, sin pantalla, con: xvfb-run -a veltrano</translation>
    </message>
    <message>
        <source>The game runs as root, so it opens no other program.</source>
        <translation>El juego se ejecuta como root, así que no abre ningún otro programa.</translation>
    </message>
    <message>
        <source>Write to %1 from your own account.</source>
        <translation>Escribe a %1 desde tu propia cuenta.</translation>
    </message>
</context>
<context>
    <name>fw::ListBox</name>
    <message>
        <source>Left and Right choose a heading; Space sorts by it.</source>
        <translation>Izquierda y Derecha eligen una columna; Espacio ordena por ella.</translation>
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
</TS>
