<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>%1 %2</source>
        <extracomment>The About box&apos;s title: &quot;About&quot; (%1), then the program&apos;s name (%2).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 kb memory free</source>
        <translation>%1 KB de memoria libre</translation>
    </message>
    <message>
        <source>Display driver - %1</source>
        <translation>Controlador de pantalla - %1</translation>
    </message>
    <message>
        <source>%1 X %2 Resolution</source>
        <translation>Resolución de %1 x %2</translation>
    </message>
    <message>
        <source>%1 Colors</source>
        <translation>%1 colores</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>Card ranks</name>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>J</source>
        <translation>J</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Diez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Comodín</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>The rank and the suit of a card: &quot;Seven of Clubs&quot;.</extracomment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Your scores will not be kept: %1</source>
        <translation>Sus puntuaciones no se guardarán: %1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>Your settings file was damaged: everything that could be read is kept</source>
        <translation>Su archivo de configuración estaba dañado: se conserva todo lo que se ha podido leer</translation>
    </message>
    <message>
        <source>Your scores could not be saved: %1</source>
        <translation>No se han podido guardar sus puntuaciones: %1</translation>
    </message>
    <message>
        <source>no memory for its %1 bytes</source>
        <translation>no hay memoria suficiente para sus %1 bytes</translation>
    </message>
    <message>
        <source>it is larger than a bundle can be</source>
        <translation>el archivo es más grande de lo que admite un paquete de recursos</translation>
    </message>
    <message>
        <source>%1 lies outside the data</source>
        <translation>%1 queda fuera de los datos</translation>
    </message>
    <message>
        <source>it has no seal</source>
        <translation>el archivo no tiene sello</translation>
    </message>
    <message>
        <source>its seal does not fit its length</source>
        <translation>el sello no corresponde a la longitud del archivo</translation>
    </message>
    <message>
        <source>its contents do not match its seal</source>
        <translation>el contenido no coincide con el sello</translation>
    </message>
    <message>
        <source>its seal counts other files</source>
        <translation>el sello cuenta otros archivos</translation>
    </message>
    <message>
        <source>the seal&apos;s size of %1 leaves the data</source>
        <translation>el tamaño de %1 que indica el sello sobrepasa los datos</translation>
    </message>
    <message>
        <source>The game resource library %1 is missing, unreadable or damaged. %2</source>
        <translation>La biblioteca de recursos del juego, %1, falta, no se puede leer o está dañada. %2</translation>
    </message>
    <message>
        <source>%1 is damaged: %2 does not match its seal.</source>
        <translation>%1 está dañado: %2 no coincide con el sello.</translation>
    </message>
    <message>
        <source>Looked in: %1.%2</source>
        <translation>Se ha buscado en: %1.%2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>%1 is damaged: Qt cannot read it.</source>
        <translation>%1 está dañado: Qt no puede leerlo.</translation>
    </message>
    <message>
        <source>/h: names an X11 window; skipped under Wayland</source>
        <translation>/h: designa una ventana X11; se omite en Wayland</translation>
    </message>
    <message>
        <source>no graphical display found. Set DISPLAY to a running X server, or start it under a virtual one: xvfb-run quintaro</source>
        <translation>no se ha encontrado ninguna pantalla gráfica. Haga que DISPLAY apunte a un servidor X en marcha, o inicie el juego en uno virtual: xvfb-run quintaro</translation>
    </message>
</context>
<context>
    <name>Games</name>
    <message>
        <source>Straight Poker</source>
        <translation>Straight Poker</translation>
    </message>
    <message>
        <source>Jokers Wild Poker</source>
        <translation>Jokers Wild Poker</translation>
    </message>
    <message>
        <source>Deuces Wild Poker</source>
        <translation>Deuces Wild Poker</translation>
    </message>
</context>
<context>
    <name>Hand Analysis</name>
    <message>
        <source>Hand Analysis</source>
        <translation>Análisis de la mano</translation>
    </message>
    <message>
        <source>No cards have been dealt in this game yet.</source>
        <translation>Todavía no se han repartido cartas en esta partida.</translation>
    </message>
    <message>
        <source>Working out the chances of every draw...</source>
        <translation>Calculando las probabilidades de cada cambio...</translation>
    </message>
    <message>
        <source>%1: dealt %2 at a bet of $%3.  ▶ marks your hold.</source>
        <extracomment>The game (%1), the five cards dealt (%2) and the bet in dollars (%3).</extracomment>
        <translation>%1: se han repartido %2 con una apuesta de $%3. ▶ marca su selección.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Mantener</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Valor esperado</translation>
    </message>
</context>
<context>
    <name>Hands</name>
    <message>
        <source>Nothing</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Pareja</translation>
    </message>
    <message>
        <source>Pair (Jacks or better)</source>
        <translation>Pareja (jotas o mejor)</translation>
    </message>
    <message>
        <source>Pair (Kings or better)</source>
        <translation>Pareja (reyes o mejor)</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Doble pareja</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Escalera</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Póquer</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Escalera de color</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Escalera real</translation>
    </message>
    <message>
        <source>Five of a Kind</source>
        <translation>Repóquer</translation>
    </message>
    <message>
        <source>Four Wild Cards</source>
        <translation>Póquer de doses</translation>
    </message>
    <message>
        <source>Royal Flush (No Wilds)</source>
        <translation>Escalera real (sin comodines)</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Hand</source>
        <translation>Mano</translation>
    </message>
</context>
<context>
    <name>Help window</name>
    <message>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>Discard all</source>
        <translation>Descartar todas</translation>
    </message>
    <message>
        <source>discard all</source>
        <translation>descartar todas</translation>
    </message>
    <message>
        <source>hold %1</source>
        <extracomment>The cards kept, as &quot;K♣ K♦&quot;.</extracomment>
        <translation>mantener %1</translation>
    </message>
    <message>
        <source>Best: %1 (%2)</source>
        <extracomment>The best hold, as &quot;hold K♣ K♦&quot; (%1), and what it pays on average, as &quot;$1.53&quot; (%2).</extracomment>
        <translation>Mejor selección: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>Green Felt</source>
        <translation>Fieltro verde</translation>
    </message>
    <message>
        <source>Blue Felt</source>
        <translation>Fieltro azul</translation>
    </message>
    <message>
        <source>Red Felt</source>
        <translation>Fieltro rojo</translation>
    </message>
    <message>
        <source>Oak</source>
        <translation>Roble</translation>
    </message>
    <message>
        <source>Walnut</source>
        <translation>Nogal</translation>
    </message>
    <message>
        <source>White Marble</source>
        <translation>Mármol blanco</translation>
    </message>
    <message>
        <source>Green Marble</source>
        <translation>Mármol verde</translation>
    </message>
    <message>
        <source>Slate</source>
        <translation>Pizarra</translation>
    </message>
    <message>
        <source>Leather</source>
        <translation>Cuero</translation>
    </message>
    <message>
        <source>Linen</source>
        <translation>Lino</translation>
    </message>
    <message>
        <source>Cork</source>
        <translation>Corcho</translation>
    </message>
    <message>
        <source>Casino Carpet</source>
        <translation>Moqueta de casino</translation>
    </message>
    <message>
        <source>Argyle</source>
        <translation>Rombos</translation>
    </message>
    <message>
        <source>Parquet</source>
        <translation>Parqué</translation>
    </message>
    <message>
        <source>Denim</source>
        <translation>Tela vaquera</translation>
    </message>
    <message>
        <source>Paris</source>
        <translation>Paris</translation>
    </message>
    <message>
        <source>Dondorf</source>
        <translation>Dondorf</translation>
    </message>
    <message>
        <source>Nicu</source>
        <translation>Nicu</translation>
    </message>
    <message>
        <source>Oxygen Air</source>
        <translation>Oxygen Air</translation>
    </message>
    <message>
        <source>Paris Blue</source>
        <translation>Paris azul</translation>
    </message>
    <message>
        <source>Paris Red</source>
        <translation>Paris rojo</translation>
    </message>
    <message>
        <source>Lattice</source>
        <translation>Celosía</translation>
    </message>
    <message>
        <source>Aces Blue</source>
        <translation>Ases azules</translation>
    </message>
    <message>
        <source>Aces Red</source>
        <translation>Ases rojos</translation>
    </message>
    <message>
        <source>Edelweiss</source>
        <translation>Edelweiss</translation>
    </message>
    <message>
        <source>Royal Crest</source>
        <translation>Escudo real</translation>
    </message>
    <message>
        <source>Green Vine</source>
        <translation>Enredadera verde</translation>
    </message>
    <message>
        <source>Night Vine</source>
        <translation>Enredadera nocturna</translation>
    </message>
    <message>
        <source>Damask</source>
        <translation>Damasco</translation>
    </message>
    <message>
        <source>Tristan</source>
        <translation>Tristan</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pirámide</translation>
    </message>
    <message>
        <source>Tartan</source>
        <translation>Tartán</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Light Grey</source>
        <translation>Gris claro</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Azul claro</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Verde claro</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>Cian claro</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Rojo claro</translation>
    </message>
    <message>
        <source>Light Magenta</source>
        <translation>Magenta claro</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>Cómo &amp;jugar</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Uso de la ayuda</translation>
    </message>
    <message>
        <source>&amp;Pop-up Help</source>
        <translation>Ayuda &amp;emergente</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <extracomment>The program&apos;s name goes in after &quot;About &quot;; mark its place with %1: &quot;Ü&amp;ber %1...&quot;.</extracomment>
        <translation>&amp;Acerca de %1...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Changing the options ends the game in progress. Do you want to continue?</source>
        <translation>Si cambia las opciones, terminará la partida en curso. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Starting a new game ends the game in progress. Do you want to start a new game?</source>
        <translation>Si empieza una partida nueva, terminará la partida en curso. ¿Desea empezar una partida nueva?</translation>
    </message>
    <message>
        <source>Do you want to clear every name and score from this Hall of Fame?</source>
        <translation>¿Desea borrar todos los nombres y puntuaciones de este salón de la fama?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Welcome</source>
        <translation>&amp;Bienvenida</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Mesa</translation>
    </message>
    <message>
        <source>&amp;Credits</source>
        <translation>&amp;Créditos</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message>
        <source>Card faces and backs are drawn from the free card decks of the KDE games: Paris, Dondorf, Nicu, Oxygen and others, under the GNU GPL.</source>
        <translation>Las caras y los dorsos de las cartas proceden de las barajas libres de los juegos de KDE: Paris, Dondorf, Nicu, Oxygen y otras, bajo la GNU GPL.</translation>
    </message>
    <message>
        <source>The table pictures, backgrounds and sounds are made by the game&apos;s own tools when it is built.</source>
        <translation>Las imágenes de la mesa, los fondos y los sonidos los crean las propias herramientas del juego al compilarlo.</translation>
    </message>
    <message>
        <source>Text is set in Liberation Sans. Built with Qt.</source>
        <translation>Texto compuesto en Liberation Sans. Creado con Qt.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Salón de la fama</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>So&amp;und Enabled</source>
        <translation>&amp;Activar sonidos</translation>
    </message>
    <message>
        <source>&amp;Locate...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>Non&amp;e</source>
        <translation>&amp;Ninguno</translation>
    </message>
    <message>
        <source>HALL OF FAME</source>
        <translation>SALÓN DE LA FAMA</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>Show &amp;High Scores...</source>
        <translation>Mostrar &amp;mejores puntuaciones...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>Show &amp;Strategy</source>
        <translation>Mostrar estrate&amp;gia</translation>
    </message>
    <message>
        <source>&amp;Trainer</source>
        <translation>&amp;Entrenador</translation>
    </message>
    <message>
        <source>Hand &amp;Analysis...</source>
        <translation>&amp;Análisis de la mano...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>Es&amp;tadísticas...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>You are broke!</source>
        <translation>¡Se ha quedado sin dinero!</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Card Back Names</source>
        <translation>Nombres de dorsos</translation>
    </message>
    <message>
        <source>Card Back Preview</source>
        <translation>Vista previa del dorso</translation>
    </message>
    <message>
        <source>Face Names</source>
        <translation>Nombres de caras</translation>
    </message>
    <message>
        <source>Face Preview</source>
        <translation>Vista previa de caras</translation>
    </message>
    <message>
        <source>Locate Sound for %1</source>
        <extracomment>%1 is the sound event, as the Extras page lists it.</extracomment>
        <translation>Buscar sonido para «%1»</translation>
    </message>
    <message>
        <source>Sounds (*.wav)</source>
        <translation>Sonidos (*.wav)</translation>
    </message>
    <message>
        <source>Quintaro Options</source>
        <translation>Opciones de Quintaro</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Click the Options tab to bring up various game-specific options.</source>
        <translation>Haga clic en la pestaña Opciones para ver las distintas opciones del juego.</translation>
    </message>
    <message>
        <source>&amp;Faces</source>
        <translation>&amp;Caras</translation>
    </message>
    <message>
        <source>Click the Faces tab to change the faces of the playing cards.</source>
        <translation>Haga clic en la pestaña Caras para cambiar las caras de las cartas.</translation>
    </message>
    <message>
        <source>&amp;Backs</source>
        <translation>&amp;Dorsos</translation>
    </message>
    <message>
        <source>Click the Backs tab to change the backs of the playing cards.</source>
        <translation>Haga clic en la pestaña Dorsos para cambiar el dorso de las cartas.</translation>
    </message>
    <message>
        <source>&amp;Extras</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Click the Extras tab to change the background color or to change the sounds played by the game.</source>
        <translation>Haga clic en la pestaña Extras para cambiar el color de fondo o los sonidos del juego.</translation>
    </message>
    <message>
        <source>Game To Play</source>
        <translation>Variante</translation>
    </message>
    <message>
        <source>&amp;Straight Poker</source>
        <translation>&amp;Straight Poker</translation>
    </message>
    <message>
        <source>Click this radio button to change to a game of straight (jacks or better) poker.</source>
        <translation>Haga clic en este botón de opción para cambiar al Straight Poker (jotas o mejor).</translation>
    </message>
    <message>
        <source>&amp;Jokers Wild</source>
        <translation>&amp;Jokers Wild</translation>
    </message>
    <message>
        <source>Click this radio button to change to a game of Jokers Wild Poker.  This game is easier than Straight Poker, but the payoffs are lower and more difficult.</source>
        <translation>Haga clic en este botón de opción para cambiar al Jokers Wild Poker. Este juego es más fácil que el Straight Poker, pero los pagos son más bajos y más difíciles de conseguir.</translation>
    </message>
    <message>
        <source>&amp;Deuces Wild</source>
        <translation>Deuces &amp;Wild</translation>
    </message>
    <message>
        <source>Click this radio button to change to a game of Deuces Wild Poker.  This game is even easier to play than Jokers Wild Poker, but the payoffs are the lowest of all three games.</source>
        <translation>Haga clic en este botón de opción para cambiar al Deuces Wild Poker. Este juego es aún más fácil que el Jokers Wild Poker, pero sus pagos son los más bajos de los tres juegos.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Click OK to accept the changes you have made to the game options.  If you have a game in progress, the game will be restarted.</source>
        <translation>Haga clic en Aceptar para aplicar los cambios que haya hecho en las opciones del juego. Si hay una partida en curso, volverá a empezar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Click Cancel to cancel any changes to game options you may have made.  Click here if you do not wish to save any changes you have made to the game options.</source>
        <translation>Haga clic en Cancelar para descartar los cambios que haya hecho en las opciones del juego. Haga clic aquí si no desea guardar los cambios que haya hecho en las opciones del juego.</translation>
    </message>
</context>
<context>
    <name>Pop-up help</name>
    <message>
        <source>Quintaro is a simulation of a Las Vegas-style poker machine.  The payoffs for the various hands are shown at the top of the screen.  Click the columns to place your bet, and press the &apos;Deal&apos; button to start dealing your cards.  You are allowed one redeal after choosing which cards to discard.  Cards are discarded by clicking on the card face to flip the card over.  Click on the &apos;Redeal&apos; to get your new cards and to finish the round.

Press F1 for extended help.</source>
        <translation>Quintaro simula una máquina de póquer al estilo de Las Vegas. Los pagos de las distintas manos se muestran en la parte superior de la pantalla. Haga clic en las columnas para hacer su apuesta y pulse «Repartir» para recibir sus cartas. Después de elegir qué cartas descartar, tiene derecho a un cambio. Para descartar una carta, haga clic en ella y se pondrá boca abajo. Haga clic en «Cambiar» para recibir las cartas nuevas y terminar la ronda.

Pulse F1 para ver la ayuda completa.</translation>
    </message>
    <message>
        <source>Click the deal button to deal or redeal your cards.</source>
        <translation>Haga clic en «Repartir» para repartir o cambiar sus cartas.</translation>
    </message>
    <message>
        <source>Click here to toggle holding or discarding the first card in your poker hand.</source>
        <translation>Haga clic aquí para alternar entre mantener y descartar la primera carta de su mano.</translation>
    </message>
    <message>
        <source>Click here to toggle holding or discarding the second card in your poker hand.</source>
        <translation>Haga clic aquí para alternar entre mantener y descartar la segunda carta de su mano.</translation>
    </message>
    <message>
        <source>Click here to toggle holding or discarding the third card in your poker hand.</source>
        <translation>Haga clic aquí para alternar entre mantener y descartar la tercera carta de su mano.</translation>
    </message>
    <message>
        <source>Click here to toggle holding or discarding the fourth card in your poker hand.</source>
        <translation>Haga clic aquí para alternar entre mantener y descartar la cuarta carta de su mano.</translation>
    </message>
    <message>
        <source>Click here to toggle holding or discarding the fifth card in your poker hand.</source>
        <translation>Haga clic aquí para alternar entre mantener y descartar la quinta carta de su mano.</translation>
    </message>
    <message>
        <source>These boxes show the payoffs for a bet of one dollar.  They correspond to the hands on the left.  Click here to bet this amount.  You cannot bet when a game is in progress.</source>
        <translation>Estas casillas muestran los pagos por una apuesta de un dólar. Corresponden a las manos de la izquierda. Haga clic aquí para apostar esta cantidad. No puede apostar mientras haya una partida en curso.</translation>
    </message>
    <message>
        <source>These boxes show the payoffs for a bet of two dollars.  They correspond to the hands on the left.  Click here to bet this amount.  You cannot bet when a game is in progress.</source>
        <translation>Estas casillas muestran los pagos por una apuesta de dos dólares. Corresponden a las manos de la izquierda. Haga clic aquí para apostar esta cantidad. No puede apostar mientras haya una partida en curso.</translation>
    </message>
    <message>
        <source>These boxes show the payoffs for a bet of three dollars.  They correspond to the hands on the left.  Click here to bet this amount.  You cannot bet when a game is in progress.</source>
        <translation>Estas casillas muestran los pagos por una apuesta de tres dólares. Corresponden a las manos de la izquierda. Haga clic aquí para apostar esta cantidad. No puede apostar mientras haya una partida en curso.</translation>
    </message>
    <message>
        <source>These boxes show the payoffs for a bet of four dollars.  They correspond to the hands on the left.  Click here to bet this amount.  You cannot bet when a game is in progress.</source>
        <translation>Estas casillas muestran los pagos por una apuesta de cuatro dólares. Corresponden a las manos de la izquierda. Haga clic aquí para apostar esta cantidad. No puede apostar mientras haya una partida en curso.</translation>
    </message>
    <message>
        <source>These boxes show the payoffs for a bet of five dollars.  They correspond to the hands on the left.  Click here to bet this amount.  You cannot bet when a game is in progress.</source>
        <translation>Estas casillas muestran los pagos por una apuesta de cinco dólares. Corresponden a las manos de la izquierda. Haga clic aquí para apostar esta cantidad. No puede apostar mientras haya una partida en curso.</translation>
    </message>
    <message>
        <source>These boxes show the poker hands that pay for this particular game.</source>
        <translation>Estas casillas muestran las manos ganadoras de este juego.</translation>
    </message>
    <message>
        <source>Starts a new game.  Choose this option if you have run out of money, or you want to restart the game under a different name.</source>
        <translation>Empieza una partida nueva. Elija esta opción si se ha quedado sin dinero o si quiere volver a empezar con otro nombre.</translation>
    </message>
    <message>
        <source>Show the table of high scores.  There are three different high score tables, one for each game (Straight, Jokers Wild, Deuces Wild).  The table displayed depends on the game being played, chosen from the Game Options dialog.</source>
        <translation>Muestra la tabla de mejores puntuaciones. Hay tres tablas distintas, una para cada juego (Straight, Jokers Wild, Deuces Wild). La tabla que se muestra depende del juego en curso, elegido en el diálogo Opciones del juego.</translation>
    </message>
    <message>
        <source>Brings up the Game Options dialog.  This Game Options dialog will allow you change both the appearance and rules of the game.</source>
        <translation>Abre el diálogo Opciones del juego, en el que puede cambiar tanto el aspecto como las reglas del juego.</translation>
    </message>
    <message>
        <source>While this is checked, the strip under the pay table names the hold that pays most on average for the cards dealt, with its expected payoff at the current bet.</source>
        <translation>Mientras esta opción está marcada, la franja bajo la tabla de pagos indica la selección que más paga de media con las cartas repartidas, junto con su pago medio con la apuesta actual.</translation>
    </message>
    <message>
        <source>While this is checked, a Redeal whose hold is worth less on average than the best hold is held back once, and the strip under the pay table names the better hold; press Redeal again to keep yours.  After each hand the strip tells what best play would have paid, and the hand is counted in the statistics.</source>
        <translation>Mientras esta opción está marcada, un cambio cuya selección vale de media menos que la mejor selección se retiene una vez, y la franja bajo la tabla de pagos indica la mejor selección; pulse «Cambiar» otra vez para mantener la suya. Después de cada mano, la franja indica lo que habría pagado el juego óptimo, y la mano se cuenta en las estadísticas.</translation>
    </message>
    <message>
        <source>Opens a window beside the table that lists every way to hold the cards dealt, the best first, with what each pays on average at the current bet and its chance of each pay line.  Your own hold is marked, and the window follows every deal and every card you hold or discard.</source>
        <translation>Abre junto a la mesa una ventana que enumera todas las formas de mantener las cartas repartidas, la mejor primero, con lo que paga cada una de media con la apuesta actual y su probabilidad de cada línea de la tabla de pagos. Su propia selección aparece marcada, y la ventana sigue cada reparto y cada carta que mantiene o descarta.</translation>
    </message>
    <message>
        <source>Shows, for each game, the hands played with the trainer on, for this session and for all time: the money bet and paid, the expected return of your holds and of best play, your mistakes and what they cost, and how often each pay line was hit.</source>
        <translation>Muestra, para cada juego, las manos jugadas con el entrenador activado, en esta sesión y en total: el dinero apostado y pagado, el retorno esperado de sus selecciones y del juego óptimo, sus errores y lo que le han costado, y cuántas veces se ha alcanzado cada línea.</translation>
    </message>
    <message>
        <source>Quits the game.</source>
        <translation>Sale del juego.</translation>
    </message>
    <message>
        <source>Every way to hold the cards dealt, the best first: the cards kept, what the hold pays on average at the bet, and its chance of ending on each pay line.  The row of the cards you hold now is marked.  Between hands the last deal stays here.</source>
        <translation>Todas las formas de mantener las cartas repartidas, la mejor primero: las cartas mantenidas, lo que paga la selección de media con la apuesta actual y su probabilidad de terminar en cada línea de la tabla de pagos. La fila de las cartas que mantiene ahora aparece marcada. Entre una mano y otra, el último reparto se queda aquí.</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>%1 pay table</source>
        <translation>Tabla de pagos del %1</translation>
    </message>
    <message>
        <source>A draw poker machine</source>
        <translation>Una máquina de videopóquer</translation>
    </message>
    <message>
        <source>A jester&apos;s cap</source>
        <translation>Un gorro de bufón</translation>
    </message>
    <message>
        <source>Five Card Draw: a royal flush of spades on a card table among stacks of chips</source>
        <translation>Five Card Draw: una escalera real de picas sobre una mesa de juego, entre pilas de fichas</translation>
    </message>
    <message>
        <source>Face down</source>
        <translation>Boca abajo</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <translation>Apuesta %1</translation>
    </message>
    <message>
        <source>No win. %1</source>
        <translation>Sin premio. %1</translation>
    </message>
    <message>
        <source>%1. You win %2. %3</source>
        <extracomment>The hand (%1), what it won (%2) and the balance, as &quot;Balance $101&quot; (%3).</extracomment>
        <translation>%1. Gana %2. %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A figure&apos;s caption (%1) and its amount (%2), as a screen reader reads them.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Sign in</name>
    <message>
        <source>Please Sign In</source>
        <translation>Identificación</translation>
    </message>
    <message>
        <source>Welcome to the Casino!</source>
        <translation>¡Bienvenido al casino!</translation>
    </message>
    <message>
        <source>You will be provided with $100 to play.  Please enter your name below.</source>
        <translation>Recibirá $100 para jugar. Escriba su nombre a continuación.</translation>
    </message>
    <message>
        <source>Enter your name here.  It will be used for the high score tables.</source>
        <translation>Escriba aquí su nombre. Aparecerá en las tablas de mejores puntuaciones.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Click OK when you have entered your name in the above field.</source>
        <translation>Haga clic en Aceptar cuando haya escrito su nombre en el campo de arriba.</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>%1 Start</source>
        <translation>Inicio de %1</translation>
    </message>
    <message>
        <source>%1 Exit</source>
        <translation>Salida de %1</translation>
    </message>
    <message>
        <source>Change Bet</source>
        <translation>Cambiar la apuesta</translation>
    </message>
    <message>
        <source>Deal Cards</source>
        <translation>Repartir cartas</translation>
    </message>
    <message>
        <source>Flip Card - Front</source>
        <translation>Voltear carta – cara</translation>
    </message>
    <message>
        <source>Flip Card - Back</source>
        <translation>Voltear carta – dorso</translation>
    </message>
    <message>
        <source>Jackpot</source>
        <translation>Premio gordo</translation>
    </message>
    <message>
        <source>You are Broke</source>
        <translation>Sin dinero</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>Co&amp;piar</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Restablecer...</translation>
    </message>
    <message>
        <source>Reset the statistics of %1?  The figures of this session and of all time are lost.</source>
        <translation>¿Restablecer las estadísticas del %1? Se perderán las cifras de esta sesión y las del total.</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Esta sesión</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>En total</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Manos jugadas</translation>
    </message>
    <message>
        <source>Total bet</source>
        <translation>Total apostado</translation>
    </message>
    <message>
        <source>Total paid</source>
        <translation>Total pagado</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retorno</translation>
    </message>
    <message>
        <source>Expected return of your holds</source>
        <translation>Retorno esperado de sus selecciones</translation>
    </message>
    <message>
        <source>Expected return of best play</source>
        <translation>Retorno esperado del juego óptimo</translation>
    </message>
    <message>
        <source>Best play would have paid</source>
        <translation>El juego óptimo habría pagado</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Errores</translation>
    </message>
    <message>
        <source>Cost of mistakes</source>
        <translation>Coste de los errores</translation>
    </message>
    <message>
        <source>Cost in % of the total bet</source>
        <translation>Coste en % del total apostado</translation>
    </message>
    <message>
        <source>Costliest mistake</source>
        <translation>Error más caro</translation>
    </message>
    <message>
        <source>Hold taken</source>
        <translation>Selección hecha</translation>
    </message>
    <message>
        <source>Best hold</source>
        <translation>Mejor selección</translation>
    </message>
    <message>
        <source>Pay lines hit (yours / best play)</source>
        <translation>Líneas alcanzadas (usted / juego óptimo)</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Win</source>
        <translation>Premio</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Click a payline to change your bet</source>
        <translation>Haga clic en una columna para cambiar la apuesta</translation>
    </message>
    <message>
        <source>Bet $1</source>
        <translation>Apostar $1</translation>
    </message>
    <message>
        <source>Bet $2</source>
        <translation>Apostar $2</translation>
    </message>
    <message>
        <source>Bet $3</source>
        <translation>Apostar $3</translation>
    </message>
    <message>
        <source>Bet $4</source>
        <translation>Apostar $4</translation>
    </message>
    <message>
        <source>Bet $5</source>
        <translation>Apostar $5</translation>
    </message>
    <message>
        <source>Redeal</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Repartir</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Mantener</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Press &quot;Deal&quot; for a new game</source>
        <translation>Pulse «Repartir» para una nueva partida</translation>
    </message>
</context>
<context>
    <name>Trainer</name>
    <message>
        <source>%1; yours %2</source>
        <extracomment>The best hold, as &quot;Best: hold K♣ K♦ ($1.53)&quot; (%1), and what the player&apos;s pays (%2).</extracomment>
        <translation>%1; la suya: %2</translation>
    </message>
    <message>
        <source>%1. Redeal again to keep yours</source>
        <translation>%1. Pulse «Cambiar» otra vez para mantener la suya</translation>
    </message>
</context>
</TS>
