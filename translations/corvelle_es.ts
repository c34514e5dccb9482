<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>corvelle::AboutWindow</name>
    <message>
        <source>About Corvelle</source>
        <translation>Acerca de Corvelle</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior.</translation>
    </message>
    <message>
        <source>Continue Playing</source>
        <translation>Seguir jugando</translation>
    </message>
</context>
<context>
    <name>corvelle::CardPicture</name>
    <message>
        <source>Draw pile, 1 card</source>
        <translation>Mazo de robo, 1 carta</translation>
    </message>
    <message>
        <source>Draw pile, %1 cards</source>
        <translation>Mazo de robo, %1 cartas</translation>
    </message>
    <message>
        <source>Discard pile, %1</source>
        <translation>Descarte, %1</translation>
    </message>
    <message>
        <source>Covered</source>
        <translation>Cubierta</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
</context>
<context>
    <name>corvelle::CardPictureLoad</name>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (falta)</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <translation>%1 (dañada)</translation>
    </message>
    <message>
        <source>Corvelle cannot start because some of its card pictures are missing or damaged.

Picture folder: %1

%2</source>
        <translation>Corvelle no puede iniciarse porque faltan algunas imágenes de cartas o están dañadas.

Carpeta de imágenes: %1

%2</translation>
    </message>
</context>
<context>
    <name>corvelle::CardWords</name>
    <message>
        <source>Spades</source>
        <translation>Picas</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Tréboles</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Diamantes</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Corazones</translation>
    </message>
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
        <source>Black Joker</source>
        <translation>Comodín negro</translation>
    </message>
    <message>
        <source>Red Joker</source>
        <translation>Comodín rojo</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card: %1 its rank (&quot;Seven&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>corvelle::ClearableTables</name>
    <message>
        <source>No way of playing deal %1 clears its table: it is dealt as asked, though only clearable tables are dealt otherwise.</source>
        <translation>Ninguna forma de jugar el reparto %1 despeja su mesa: se reparte tal como se pidió, aunque por lo demás solo se reparten mesas ganables.</translation>
    </message>
</context>
<context>
    <name>corvelle::EngineText</name>
    <message>
        <source>Sorry no more cards left to deal!</source>
        <translation>¡Lo sentimos, no quedan más cartas para robar!</translation>
    </message>
    <message>
        <source>The current game is over, please start a new game to continue playing</source>
        <translation>La partida ha terminado. Empiece una partida nueva para seguir jugando.</translation>
    </message>
    <message>
        <source>Sorry, but you may only undo a card movement after it has been completed!</source>
        <translation>Lo sentimos, solo se puede deshacer un movimiento después de haberlo hecho.</translation>
    </message>
    <message>
        <source>the table or the column grid disagrees with the deck</source>
        <translation>la mesa o las columnas no coinciden con la baraja</translation>
    </message>
    <message>
        <source>the played marks disagree with the table</source>
        <translation>las marcas de cartas jugadas no coinciden con la mesa</translation>
    </message>
    <message>
        <source>a card lies below a played card of its column</source>
        <translation>una carta está debajo de una carta jugada de su columna</translation>
    </message>
    <message>
        <source>the count of table cards disagrees with the table</source>
        <translation>el número de cartas en la mesa no coincide con la mesa</translation>
    </message>
    <message>
        <source>the undo record holds a value out of range</source>
        <translation>el registro para deshacer contiene un valor fuera de rango</translation>
    </message>
    <message>
        <source>the undo record points to no card last played</source>
        <translation>el registro para deshacer no señala ninguna última carta jugada</translation>
    </message>
    <message>
        <source>the undo record points to no card last drawn</source>
        <translation>el registro para deshacer no señala ninguna última carta robada</translation>
    </message>
    <message>
        <source>an undo is offered for nothing</source>
        <translation>se ofrece deshacer cuando no hay nada que deshacer</translation>
    </message>
    <message>
        <source>a wild card is chosen that cannot be chosen</source>
        <translation>hay elegido un comodín que no se puede elegir</translation>
    </message>
    <message>
        <source>the count of wild cards disagrees with the choice</source>
        <translation>el número de comodines no coincide con la selección</translation>
    </message>
    <message>
        <source>the count of wild cards played is impossible</source>
        <translation>el número de comodines jugados es imposible</translation>
    </message>
    <message>
        <source>the score or the peak score is out of range</source>
        <translation>la puntuación o la puntuación máxima está fuera de rango</translation>
    </message>
    <message>
        <source>the anty or its phase is out of range</source>
        <translation>la apuesta o su fase está fuera de rango</translation>
    </message>
    <message>
        <source>the run is shorter than no card</source>
        <translation>la racha es más corta que ninguna carta</translation>
    </message>
    <message>
        <source>the score to beat is no number</source>
        <translation>la puntuación que batir no es un número</translation>
    </message>
    <message>
        <source>the deal number or the round is out of range</source>
        <translation>el número de reparto o la ronda está fuera de rango</translation>
    </message>
    <message>
        <source>the options are no choice of the menus</source>
        <translation>las opciones no corresponden a ninguna elección de los menús</translation>
    </message>
    <message>
        <source>the deck is not a permutation of the 54 cards</source>
        <translation>la baraja no es una permutación de las 54 cartas</translation>
    </message>
    <message>
        <source>the deck is not the one its deal number and round give</source>
        <translation>la baraja no es la que dan su número de reparto y su ronda</translation>
    </message>
    <message>
        <source>the draw pile disagrees with the deck position</source>
        <translation>el mazo de robo no coincide con la posición en la baraja</translation>
    </message>
    <message>
        <source>the discard top was never turned up</source>
        <translation>la carta superior del descarte nunca se destapó</translation>
    </message>
    <message>
        <source>the game is over with cards left to draw</source>
        <translation>la partida ha terminado aunque quedan cartas para robar</translation>
    </message>
</context>
<context>
    <name>corvelle::HallOfFameWindow</name>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Salón de la fama</translation>
    </message>
    <message>
        <source>Back to Corvelle</source>
        <translation>Volver a Corvelle</translation>
    </message>
    <message>
        <source>Exit Corvelle</source>
        <translation>Salir de Corvelle</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Puntuaciones</translation>
    </message>
    <message>
        <source>Clear High Scores</source>
        <translation>Borrar los récords</translation>
    </message>
    <message>
        <source>Place %1: %2</source>
        <translation>Puesto %1: %2</translation>
    </message>
    <message>
        <source>Place %1: %2, %3</source>
        <translation>Puesto %1: %2, %3</translation>
    </message>
    <message>
        <source>Name, place %1</source>
        <translation>Nombre, puesto %1</translation>
    </message>
</context>
<context>
    <name>corvelle::HighScores</name>
    <message>
        <source>The high scores could not be saved to %1: %2

They are kept for as long as Corvelle runs, and the file keeps its previous content.</source>
        <translation>No se pudieron guardar los récords en %1: %2

Se conservan mientras Corvelle siga abierto, y el archivo mantiene su contenido anterior.</translation>
    </message>
    <message>
        <source>Corvelle cannot save high scores in %1, so it has taken them over and keeps them in %2 from now on.</source>
        <translation>Corvelle no puede guardar los récords en %1, así que los ha trasladado y a partir de ahora los guarda en %2.</translation>
    </message>
    <message>
        <source>The old high scores in %1 could not be read: %2</source>
        <translation>No se pudieron leer los récords antiguos de %1: %2</translation>
    </message>
    <message>
        <source>The old high score file %1 could not be removed. Please remove it, or its scores will be taken over again.</source>
        <translation>No se pudo eliminar el archivo de récords antiguo %1. Elimínelo, o sus puntuaciones se volverán a importar.</translation>
    </message>
    <message>
        <source>The high scores in %1 could not be copied to %2, so they are not replaced by the old high scores of %3.</source>
        <translation>No se pudieron copiar los récords de %1 a %2, así que no se sustituyen por los récords antiguos de %3.</translation>
    </message>
    <message>
        <source>The old high scores of %1 replace the Hall of Fame. The Hall of Fame they replace is kept in %2.</source>
        <translation>Los récords antiguos de %1 sustituyen al salón de la fama. El salón de la fama sustituido se guarda en %2.</translation>
    </message>
    <message>
        <source>The high scores in %1 could not be read: %2

The Hall of Fame starts empty, and the file is kept as %3 before it is replaced.</source>
        <translation>No se pudieron leer los récords de %1: %2

El salón de la fama empieza vacío, y el archivo se guarda como %3 antes de sustituirlo.</translation>
    </message>
    <message>
        <source>The high score file %1 is damaged. The entries that could be read are kept, the others are free places, and the file is copied to %2 before it is replaced.</source>
        <translation>El archivo de récords %1 está dañado. Se conservan las entradas legibles, los demás puestos quedan libres, y el archivo se copia a %2 antes de sustituirlo.</translation>
    </message>
    <message>
        <source>An error has occured in the highscore rearanging routine, please inform me via email if you have gotten this error!</source>
        <translation>Se ha producido un error al reordenar los récords. ¡Por favor, comuníquemelo por correo electrónico!</translation>
    </message>
    <message>
        <source>The damaged high score file %1 could not be kept as %2, so it is not replaced. The high scores are kept for as long as Corvelle runs.</source>
        <translation>No se pudo guardar el archivo de récords dañado %1 como %2, así que no se sustituye. Los récords se conservan mientras Corvelle siga abierto.</translation>
    </message>
</context>
<context>
    <name>corvelle::KeptGame</name>
    <message>
        <source>The game in progress could not be kept in %1: %2</source>
        <translation>No se pudo guardar la partida en curso en %1: %2</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>el archivo está dañado</translation>
    </message>
    <message>
        <source>The kept game in %1 cannot be resumed: %2.%3</source>
        <translation>La partida guardada en %1 no se puede reanudar: %2.%3</translation>
    </message>
    <message>
        <source> It is kept as %1.</source>
        <translation> Se guarda como %1.</translation>
    </message>
    <message>
        <source>The kept game in %1 cannot be resumed: it could not be taken off the disk (%2), so it stays kept.</source>
        <translation>La partida guardada en %1 no se puede reanudar: no se pudo quitar del disco (%2), así que sigue guardada.</translation>
    </message>
</context>
<context>
    <name>corvelle::MainWindow</name>
    <message>
        <source>&amp;Normal Cards (100%)</source>
        <translation>Cartas &amp;normales (100 %)</translation>
    </message>
    <message>
        <source>&amp;Bigger Cards (125%)</source>
        <translation>Cartas &amp;medianas (125 %)</translation>
    </message>
    <message>
        <source>&amp;Large Cards (150%)</source>
        <translation>Cartas &amp;grandes (150 %)</translation>
    </message>
    <message>
        <source>&amp;Very Large Cards (175%)</source>
        <translation>Cartas m&amp;uy grandes (175 %)</translation>
    </message>
    <message>
        <source>&amp;Huge Cards (200%)</source>
        <translation>Cartas &amp;enormes (200 %)</translation>
    </message>
    <message>
        <source>Card table</source>
        <translation>Mesa de juego</translation>
    </message>
    <message>
        <source>Left and Right choose a card, Enter plays it, Space draws</source>
        <translation>Izquierda y Derecha eligen una carta, Intro la juega, Espacio roba</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Puntos:</translation>
    </message>
    <message>
        <source>Highest Score:</source>
        <translation>Récord:</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Sorry Game Over!</source>
        <translation>¡Fin de la partida!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Otra vez</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Undo Last Card Move</source>
        <translation>Deshacer la última jugada</translation>
    </message>
    <message>
        <source>These card faces cannot be shown because some of their pictures are missing or damaged, so the cards keep the faces they have.

Picture folder: %1

%2</source>
        <translation>Estas caras de cartas no se pueden mostrar porque faltan algunas de sus imágenes o están dañadas, así que las cartas mantienen las caras que tienen.

Carpeta de imágenes: %1

%2</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;NewGame</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Récords</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Cheat Options</source>
        <translation>Opciones de trampas</translation>
    </message>
    <message>
        <source>Select Wild Cards</source>
        <translation>Elegir comodines</translation>
    </message>
    <message>
        <source>Cheats Enabled</source>
        <translation>Trampas activadas</translation>
    </message>
    <message>
        <source>Disable Cheats</source>
        <translation>Desactivar trampas</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Card &amp;Faces</source>
        <translation>&amp;Caras de las cartas</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Clásicas</translation>
    </message>
    <message>
        <source>&amp;Large Print</source>
        <translation>&amp;Letra grande</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>About Corvelle</source>
        <translation>Acerca de Corvelle</translation>
    </message>
    <message>
        <source>Game Rules</source>
        <translation>Reglas del juego</translation>
    </message>
    <message>
        <source>Hint: play the %1</source>
        <translation>Pista: jugar %1</translation>
    </message>
    <message>
        <source>Hint: draw</source>
        <translation>Pista: robar</translation>
    </message>
    <message>
        <source>Hint: no move can add to your score now</source>
        <translation>Pista: ninguna jugada puede aumentar ya su puntuación</translation>
    </message>
    <message>
        <source>The game is over</source>
        <translation>La partida ha terminado</translation>
    </message>
    <message>
        <source>No card is chosen: Left and Right choose one</source>
        <translation>No hay ninguna carta elegida: Izquierda y Derecha eligen una</translation>
    </message>
    <message>
        <source>The %1 does not fit on the %2</source>
        <translation>%1 no va sobre %2</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Puntos %1</translation>
    </message>
    <message>
        <source>Highest score %1</source>
        <translation>Récord %1</translation>
    </message>
</context>
<context>
    <name>corvelle::MoveAnnouncer</name>
    <message>
        <source>round won, new round dealt</source>
        <translation>ronda ganada, nueva ronda repartida</translation>
    </message>
    <message>
        <source>new game dealt</source>
        <translation>nueva partida repartida</translation>
    </message>
    <message>
        <source>%1 on the discard pile</source>
        <translation>%1 en el descarte</translation>
    </message>
    <message>
        <source>undo, %1 back on the table, %2 on the discard pile</source>
        <translation>deshecho, %1 de vuelta en la mesa, %2 en el descarte</translation>
    </message>
    <message>
        <source>undo, draw taken back, %1 on the discard pile</source>
        <translation>deshecho, robo anulado, %1 en el descarte</translation>
    </message>
    <message>
        <source>drew the %1</source>
        <translation>robo: %1</translation>
    </message>
    <message>
        <source>%1 played</source>
        <translation>jugada: %1</translation>
    </message>
    <message>
        <source>game over</source>
        <translation>fin de la partida</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>puntos %1</translation>
    </message>
</context>
<context>
    <name>corvelle::NameRequest</name>
    <message>
        <source>Please enter your name for the High Scores Hall of Fame.</source>
        <translation>Escriba su nombre para el salón de la fama.</translation>
    </message>
    <message>
        <source>High Scores: Hall of Fame</source>
        <translation>Récords: salón de la fama</translation>
    </message>
</context>
<context>
    <name>corvelle::OptionStore</name>
    <message>
        <source>The settings file %1 is not a file. Corvelle plays with the options in memory and cannot save them.</source>
        <translation>El archivo de configuración %1 no es un archivo. Corvelle juega con las opciones en memoria y no puede guardarlas.</translation>
    </message>
</context>
<context>
    <name>corvelle::OptionTable</name>
    <message>
        <source>Card Drawing Method</source>
        <translation>Forma de robar</translation>
    </message>
    <message>
        <source>High Score PopUp</source>
        <translation>Ventana de récords</translation>
    </message>
    <message>
        <source>Play Mode</source>
        <translation>Modo de juego</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Shuffling</source>
        <translation>Barajado</translation>
    </message>
    <message>
        <source>Discard Pile Only</source>
        <translation>Solo el descarte</translation>
    </message>
    <message>
        <source>Discard Pile &amp;&amp; Draw Pile</source>
        <translation>Descarte &amp;&amp; mazo de robo</translation>
    </message>
    <message>
        <source>Discard Pile &amp;&amp; Background</source>
        <translation>Descarte &amp;&amp; fondo</translation>
    </message>
    <message>
        <source>Show High Scores</source>
        <translation>Mostrar los récords</translation>
    </message>
    <message>
        <source>Dont Show High Scores</source>
        <translation>No mostrar los récords</translation>
    </message>
    <message>
        <source>Ace King - King Ace</source>
        <translation>As sobre Rey - Rey sobre As</translation>
    </message>
    <message>
        <source>No Ace King - King Ace</source>
        <translation>Sin As sobre Rey - Rey sobre As</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activada</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivada</translation>
    </message>
</context>
<context>
    <name>corvelle::PlayMenu</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>&amp;Restart This Deal</source>
        <translation>&amp;Reiniciar este reparto</translation>
    </message>
    <message>
        <source>Play &amp;Deal Number...</source>
        <translation>Jugar el reparto &amp;número...</translation>
    </message>
    <message>
        <source>Deal of the Da&amp;y</source>
        <translation>Reparto del &amp;día</translation>
    </message>
    <message>
        <source>Resume &amp;Last Game</source>
        <translation>Reanudar la ú&amp;ltima partida</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>R&amp;eset Statistics</source>
        <translation>Restablecer e&amp;stadísticas</translation>
    </message>
    <message>
        <source>Re&amp;view Last Round</source>
        <translation>Re&amp;visar la última ronda</translation>
    </message>
    <message>
        <source>Review &amp;This Round</source>
        <translation>Revisar es&amp;ta ronda</translation>
    </message>
    <message>
        <source>Show Review at Round E&amp;nd</source>
        <translation>Mostrar la revisión al &amp;final de la ronda</translation>
    </message>
    <message>
        <source>Please enter the number of the deal to play (1 to %1).</source>
        <translation>Escriba el número del reparto que quiere jugar (1 a %1).</translation>
    </message>
    <message>
        <source>Play Deal Number</source>
        <translation>Jugar el reparto número</translation>
    </message>
    <message>
        <source>There is no deal %1: deals are numbered from 1 to %2.</source>
        <translation>No existe el reparto %1: los repartos van numerados del 1 al %2.</translation>
    </message>
    <message>
        <source>Reset the statistics? Every game and round recorded so far is forgotten.</source>
        <translation>¿Restablecer las estadísticas? Se olvidarán todas las partidas y rondas registradas hasta ahora.</translation>
    </message>
    <message>
        <source>Only &amp;Clearable Tables</source>
        <translation>Solo mesas &amp;ganables</translation>
    </message>
</context>
<context>
    <name>corvelle::ReviewWindow</name>
    <message>
        <source>Round Review</source>
        <translation>Revisión de la ronda</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>What you did</source>
        <translation>Su jugada</translation>
    </message>
    <message>
        <source>In reach</source>
        <translation>Al alcance</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdido</translation>
    </message>
    <message>
        <source>Steps of the round</source>
        <translation>Pasos de la ronda</translation>
    </message>
    <message>
        <source>What was in reach along the round</source>
        <translation>Lo que estuvo al alcance a lo largo de la ronda</translation>
    </message>
    <message>
        <source>Show Best Line</source>
        <translation>Mejor línea</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Back to Corvelle</source>
        <translation>Volver a Corvelle</translation>
    </message>
    <message>
        <source>Deal of the day, deal %1, round %2</source>
        <translation>Reparto del día, reparto %1, ronda %2</translation>
    </message>
    <message>
        <source>Deal %1, round %2</source>
        <translation>Reparto %1, ronda %2</translation>
    </message>
    <message>
        <source>Working out the best of every position...</source>
        <translation>Calculando lo mejor de cada posición...</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>al menos %1</translation>
    </message>
    <message>
        <source>You scored %1 of a possible %2</source>
        <translation>Ha conseguido %1 de %2 posibles</translation>
    </message>
    <message>
        <source>You scored %1 so far, of a possible %2</source>
        <translation>Lleva %1 de %2 posibles</translation>
    </message>
    <message>
        <source> (from where the kept game was resumed)</source>
        <translation> (desde donde se reanudó la partida guardada)</translation>
    </message>
    <message>
        <source>+%1</source>
        <translation>+%1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Round won</source>
        <translation>Ronda ganada</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>The round was won.</source>
        <translation>La ronda se ganó.</translation>
    </message>
    <message>
        <source>The game was over.</source>
        <translation>La partida había terminado.</translation>
    </message>
    <message>
        <source>played the %1</source>
        <translation>jugada: %1</translation>
    </message>
    <message>
        <source>drew the %1</source>
        <translation>robo: %1</translation>
    </message>
    <message>
        <source>drew: no cards left</source>
        <translation>robo: no quedaban cartas</translation>
    </message>
    <message>
        <source>took back the last move</source>
        <translation>se deshizo la última jugada</translation>
    </message>
    <message>
        <source>drew</source>
        <translation>robo</translation>
    </message>
    <message>
        <source>took back</source>
        <translation>jugada deshecha</translation>
    </message>
    <message>
        <source>%1: %2 points fewer in reach</source>
        <translation>%1 — %2 puntos menos al alcance</translation>
    </message>
    <message>
        <source>drawing</source>
        <translation>robar</translation>
    </message>
    <message>
        <source>playing the %1</source>
        <translation>jugar %1</translation>
    </message>
    <message>
        <source>%1: %2 would have kept %3 more points in reach</source>
        <translation>%1 — %2 habría mantenido %3 puntos más al alcance</translation>
    </message>
    <message>
        <source>No move here can add to the score.</source>
        <translation>Ninguna jugada puede aumentar aquí la puntuación.</translation>
    </message>
    <message>
        <source>Best move here: draw</source>
        <translation>Mejor jugada aquí: robar</translation>
    </message>
    <message>
        <source>Best move here: play the %1</source>
        <translation>Mejor jugada aquí: jugar %1</translation>
    </message>
    <message>
        <source>Working out the best line...</source>
        <translation>Calculando la mejor línea...</translation>
    </message>
    <message>
        <source>the end of the line</source>
        <translation>fin de la línea</translation>
    </message>
    <message>
        <source>draw</source>
        <translation>robar</translation>
    </message>
    <message>
        <source>play the %1</source>
        <translation>jugar %1</translation>
    </message>
    <message>
        <source>Best line, move %1 of %2: %3</source>
        <translation>Mejor línea, jugada %1 de %2: %3</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
</context>
<context>
    <name>corvelle::RulesText</name>
    <message>
        <source>Playing the Game:

The object of Corvelle is to move every card dealt to the table onto the discard pile. Each deal lays 35 cards face up in seven columns, turns up one card as the first card of the discard pile and leaves the other 18 cards face down in the draw pile.

Click a table card to move it onto the discard pile. Only a card that nothing covers can be moved, that is the bottom card of a column, and only when its rank is one above or one below the rank of the card on top of the discard pile. Suit and colour do not matter: a 7 goes on a 6 or an 8 of any suit, never on another 7. An Ace and a King also count as neighbours unless you switch that off.

The two jokers are wild: a joker can be played on any card, and any card can be played on a joker.

When no table card fits, click the discard pile to turn up the next card of the draw pile and play on from it.

Clearing the whole table wins the round: the deck is shuffled again and a new hand is dealt automatically, and your score keeps growing from round to round until the game ends.</source>
        <translation>Cómo se juega:

El objetivo de Corvelle es llevar al descarte todas las cartas repartidas en la mesa. Cada reparto coloca 35 cartas boca arriba en siete columnas, destapa una carta como primera carta del descarte y deja las otras 18 cartas boca abajo en el mazo de robo.

Haga clic en una carta de la mesa para pasarla al descarte. Solo se puede mover una carta que no esté cubierta por ninguna otra, es decir, la carta de abajo de una columna, y solo si su valor es uno más o uno menos que el de la carta superior del descarte. El palo y el color no importan: un 7 va sobre un 6 o un 8 de cualquier palo, nunca sobre otro 7. El As y el Rey también cuentan como vecinos, a menos que lo desactive.

Los dos comodines son libres: un comodín se puede jugar sobre cualquier carta, y cualquier carta se puede jugar sobre un comodín.

Cuando ninguna carta de la mesa encaje, haga clic en el descarte para destapar la siguiente carta del mazo de robo y siga jugando a partir de ella.

Despejar toda la mesa gana la ronda: la baraja se vuelve a barajar, se reparte automáticamente una mano nueva y su puntuación sigue creciendo de ronda en ronda hasta que termina la partida.</translation>
    </message>
    <message>
        <source>Winning and Losing:

Each time you clear the table, a new hand is dealt for you at once and the game goes on.

The game ends when the draw pile is used up and no free table card can be played on the discard pile. A box saying &quot;Sorry Game Over!&quot; then appears in the lower right corner of the window, and you click &quot;Try Again&quot; to start a new game (or &quot;Quit&quot; to stop). Until a new game is dealt, &quot;Undo Last Card Move&quot; can still take back your last move and let you play on from there.

If your final score is good enough for the Hall of Fame, you are first asked for your name. Your score is then entered, a new game is dealt, and the Hall of Fame window opens, unless you have chosen &quot;Dont Show High Scores&quot; under &quot;High Score PopUp&quot; in the &quot;Options&quot; menu.</source>
        <translation>Ganar y perder:

Cada vez que despeja la mesa, se le reparte al instante una mano nueva y la partida continúa.

La partida termina cuando se agota el mazo de robo y ninguna carta libre de la mesa se puede jugar sobre el descarte. Entonces aparece en la esquina inferior derecha de la ventana un recuadro con «¡Fin de la partida!», y puede hacer clic en «Otra vez» para empezar una partida nueva (o en «Salir» para terminar). Mientras no se reparta una partida nueva, «Deshacer la última jugada» todavía puede deshacer su último movimiento y dejarle seguir jugando desde ahí.

Si su puntuación final es lo bastante buena para el salón de la fama, primero se le pide su nombre. Después se anota su puntuación, se reparte una partida nueva y se abre la ventana del salón de la fama, a menos que haya elegido «No mostrar los récords» en «Ventana de récords» del menú «Opciones».</translation>
    </message>
    <message>
        <source>Customizing the Game:

Every setting in the &quot;Options&quot; menu except the cheat options is saved and remembered the next time you play.

&quot;Play Mode&quot;: with &quot;Ace King - King Ace&quot; (the default) an Ace may be played on a King and a King on an Ace; with &quot;No Ace King - King Ace&quot; they are not neighbours.

&quot;Card Drawing Method&quot;: with &quot;Discard Pile Only&quot; (the default) you draw by clicking the discard pile; &quot;Discard Pile &amp; Draw Pile&quot; lets a click on the draw pile draw as well, and &quot;Discard Pile &amp; Background&quot; a click on the bare table.

&quot;Scoring&quot;: &quot;On&quot; (the default) counts points; &quot;Off&quot; hides the score, and cards played, draws and undos no longer change it; only the bonus for a won round is still added, and a new game does not set it back to 0.

&quot;Shuffling&quot;: the deck is shuffled 1, 2 or 3 times before each deal.

Cheat mode is switched on through &quot;Cheat Options&quot;, &quot;Select Wild Cards&quot;: tick up to 6 additional wild cards and click &quot;Continue Playing&quot;. If you tick none, cheats are switched off. &quot;Disable Cheats&quot; switches all cheats off without undoing anything that has already happened and without forgetting your cards; &quot;Cheats Enabled&quot; switches the same cards back on. Your wild cards last through new games until you close Corvelle; they are never saved.

NOTE: Once one of your chosen wild cards has been played from the table while cheats were on, a high score in that game is marked as a cheat, even if you disable cheats afterwards. Only undoing that very move while cheats are still on, or starting a new game, takes the mark away.</source>
        <translation>Personalizar el juego:

Todos los ajustes del menú «Opciones», salvo las opciones de trampas, se guardan y se recuerdan la próxima vez que juegue.

«Modo de juego»: con «As sobre Rey - Rey sobre As» (la opción predeterminada) se puede jugar un As sobre un Rey y un Rey sobre un As; con «Sin As sobre Rey - Rey sobre As» no son vecinos.

«Forma de robar»: con «Solo el descarte» (la opción predeterminada) se roba haciendo clic en el descarte; «Descarte &amp; mazo de robo» permite robar también con un clic en el mazo de robo, y «Descarte &amp; fondo» con un clic en la mesa vacía.

«Puntuación»: «Activada» (la opción predeterminada) cuenta los puntos; «Desactivada» oculta la puntuación, y las cartas jugadas, los robos y los movimientos deshechos ya no la cambian; solo se sigue sumando la bonificación por ronda ganada, y una partida nueva no la devuelve a 0.

«Barajado»: la baraja se baraja 1, 2 o 3 veces antes de cada reparto.

El modo trampas se activa con «Opciones de trampas», «Elegir comodines»: marque hasta 6 comodines adicionales y haga clic en «Seguir jugando». Si no marca ninguno, las trampas quedan desactivadas. «Desactivar trampas» desactiva todas las trampas sin deshacer nada de lo que ya ha ocurrido y sin olvidar sus cartas; «Trampas activadas» vuelve a activar las mismas cartas. Sus comodines se mantienen en las partidas nuevas hasta que cierre Corvelle; nunca se guardan.

NOTA: En cuanto una de las cartas que eligió como comodín se haya jugado desde la mesa con las trampas activadas, un récord en esa partida se marca como tramposo, aunque después desactive las trampas. Solo deshacer esa misma jugada mientras las trampas siguen activadas, o empezar una partida nueva, quita la marca.</translation>
    </message>
    <message>
        <source>Cheat Mode:

Cheat mode lets you choose up to 6 more wild cards besides the two jokers. While cheats are on, each of them plays exactly like a joker.

For fairness, an asterisk (&quot; *&quot;) is added to the name you enter for a high score in a game where you played one of your chosen wild cards from the table.

Scoring works the same as in normal play. The extra wild cards simply make for longer games and a different way of playing.</source>
        <translation>Modo trampas:

El modo trampas le permite elegir hasta 6 comodines más, además de los dos comodines. Mientras las trampas están activadas, cada uno de ellos se juega exactamente como un comodín.

Por justicia, se añade un asterisco (« *») al nombre que escriba para un récord en una partida en la que haya jugado desde la mesa una de las cartas que eligió como comodín.

La puntuación funciona igual que en el juego normal. Los comodines adicionales simplemente dan partidas más largas y otra manera de jugar.</translation>
    </message>
    <message>
        <source>Scoring:

With scoring on, each card you move to the discard pile adds the anty to your score. The anty starts at 5 points and grows by 5 with every card moved, so a run of cards scores 5, 10, 15, 20 points and so on. Drawing a card (by clicking the discard pile) ends the run and sets the anty back to 5. A new round does not end a run.

Winning a round adds 5 points for each card still left in the draw pile.

When a game ends with a score higher than one of the five in the Hall of Fame, you are asked for your name. The high scores are shown by &quot;High Scores&quot; in the &quot;Game&quot; menu, and &quot;Clear High Scores&quot; in the &quot;Scores&quot; menu of that window resets them.

Your score also changes when you undo a move, as the next section explains.</source>
        <translation>Puntuación:

Con la puntuación activada, cada carta que pasa al descarte suma la apuesta a su puntuación. La apuesta empieza en 5 puntos y sube 5 con cada carta movida, así que una racha de cartas da 5, 10, 15, 20 puntos y así sucesivamente. Robar una carta (haciendo clic en el descarte) termina la racha y devuelve la apuesta a 5. Una ronda nueva no termina una racha.

Ganar una ronda suma 5 puntos por cada carta que quede en el mazo de robo.

Cuando una partida termina con una puntuación mayor que alguna de las cinco del salón de la fama, se le pide su nombre. Los récords se muestran con «Récords» en el menú «Partida», y «Borrar los récords» en el menú «Puntuaciones» de esa ventana los pone a cero.

Su puntuación también cambia al deshacer un movimiento, como explica la sección siguiente.</translation>
    </message>
    <message>
        <source>Undo Penalization:

&quot;Undo Last Card Move&quot; takes back your last card movement, a table card played or a card drawn. Only one movement can be taken back, and the move that clears the table cannot be undone.

With scoring on, each undo costs 10 points and sets the anty back to 5 points; a score below 10 points drops to 0. After undoing a table card the run goes on from the lowered anty, so the next card you play scores 10 points.</source>
        <translation>Penalización por deshacer:

«Deshacer la última jugada» anula su último movimiento de carta: una carta jugada desde la mesa o una carta robada. Solo se puede deshacer un movimiento, y el movimiento que despeja la mesa no se puede deshacer.

Con la puntuación activada, cada vez que deshace cuesta 10 puntos y devuelve la apuesta a 5 puntos; una puntuación por debajo de 10 puntos baja a 0. Después de deshacer una carta de la mesa, la racha sigue desde la apuesta rebajada, así que la siguiente carta que juegue da 10 puntos.</translation>
    </message>
</context>
<context>
    <name>corvelle::RulesWindow</name>
    <message>
        <source>Game Rules</source>
        <translation>Reglas del juego</translation>
    </message>
    <message>
        <source>Back to Corvelle</source>
        <translation>Volver a Corvelle</translation>
    </message>
</context>
<context>
    <name>corvelle::SaveFile</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>writing the new content failed</source>
        <translation>falló la escritura del nuevo contenido</translation>
    </message>
    <message>
        <source>giving the new file the old one&apos;s permissions failed</source>
        <translation>no se pudieron dar al nuevo archivo los permisos del anterior</translation>
    </message>
    <message>
        <source>writing the new content to the disk failed</source>
        <translation>falló la escritura del nuevo contenido en el disco</translation>
    </message>
    <message>
        <source>closing the new file failed</source>
        <translation>falló el cierre del nuevo archivo</translation>
    </message>
    <message>
        <source>the file was replaced, but its folder could not be opened to sync it</source>
        <translation>el archivo se sustituyó, pero no se pudo abrir su carpeta para sincronizarla</translation>
    </message>
    <message>
        <source>the file was replaced, but its folder could not be synced</source>
        <translation>el archivo se sustituyó, pero no se pudo sincronizar su carpeta</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>un FIFO</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no un archivo normal</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>es %1</translation>
    </message>
    <message>
        <source>the new file could not be created beside it</source>
        <translation>no se pudo crear el nuevo archivo a su lado</translation>
    </message>
    <message>
        <source>the new file could not take the old one&apos;s place</source>
        <translation>el nuevo archivo no pudo ocupar el lugar del anterior</translation>
    </message>
</context>
<context>
    <name>corvelle::ScoreChart</name>
    <message>
        <source>Scores of the last games</source>
        <translation>Puntuaciones de las últimas partidas</translation>
    </message>
    <message>
        <source>No game yet</source>
        <translation>Aún no hay partidas</translation>
    </message>
    <message>
        <source>%1 of %2 possible</source>
        <translation>%1 de %2 posibles</translation>
    </message>
    <message>
        <source>%1 (best unknown)</source>
        <translation>%1 (mejor desconocido)</translation>
    </message>
    <message>
        <source>%1 games, oldest first: %2</source>
        <translation>%1 partidas, de la más antigua a la más reciente: %2</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>Aún no hay partidas</translation>
    </message>
    <message>
        <source>latest</source>
        <translation>última</translation>
    </message>
</context>
<context>
    <name>corvelle::SecondaryWindow</name>
    <message>
        <source>Exit Corvelle</source>
        <translation>Salir de Corvelle</translation>
    </message>
</context>
<context>
    <name>corvelle::SolverCommands</name>
    <message>
        <source>at least %1</source>
        <translation>al menos %1</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;Best Possible Score</source>
        <translation>&amp;Mejor puntuación posible</translation>
    </message>
    <message>
        <source>not worked out yet</source>
        <translation>aún sin calcular</translation>
    </message>
    <message>
        <source>The most this round can give:

from its start: %1 points
from here: %2 more points</source>
        <translation>Lo máximo que puede dar esta ronda:

desde su inicio: %1 puntos
desde aquí: %2 puntos más</translation>
    </message>
    <message>
        <source>&amp;Hint (thinking...)</source>
        <translation>&amp;Pista (pensando...)</translation>
    </message>
</context>
<context>
    <name>corvelle::Statistics</name>
    <message>
        <source>The statistics in %1 are damaged. They are kept as %2, and the statistics start again.</source>
        <translation>Las estadísticas de %1 están dañadas. Se guardan como %2, y las estadísticas empiezan de nuevo.</translation>
    </message>
    <message>
        <source>The statistics in %1 are damaged and could not be kept aside. The statistics start again and are not saved in this run.</source>
        <translation>Las estadísticas de %1 están dañadas y no se pudieron apartar. Las estadísticas empiezan de nuevo y no se guardan en esta sesión.</translation>
    </message>
    <message>
        <source>The statistics could not be saved to %1: %2

They are kept for as long as Corvelle runs.</source>
        <translation>No se pudieron guardar las estadísticas en %1: %2

Se conservan mientras Corvelle siga abierto.</translation>
    </message>
</context>
<context>
    <name>corvelle::StatisticsWindow</name>
    <message>
        <source>Games played:</source>
        <translation>Partidas jugadas:</translation>
    </message>
    <message>
        <source>Rounds cleared:</source>
        <translation>Rondas ganadas:</translation>
    </message>
    <message>
        <source>Best game score:</source>
        <translation>Mejor partida:</translation>
    </message>
    <message>
        <source>Best round:</source>
        <translation>Mejor ronda:</translation>
    </message>
    <message>
        <source>Longest run:</source>
        <translation>Racha más larga:</translation>
    </message>
    <message>
        <source>Mean score:</source>
        <translation>Puntuación media:</translation>
    </message>
    <message>
        <source>Mean share of best:</source>
        <translation>Media sobre el máximo:</translation>
    </message>
    <message>
        <source>Hints used:</source>
        <translation>Pistas usadas:</translation>
    </message>
    <message>
        <source>Current deal:</source>
        <translation>Reparto actual:</translation>
    </message>
    <message>
        <source>Deal of the day:</source>
        <translation>Reparto del día:</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>%1, best %2</source>
        <translation>%1, mejor %2</translation>
    </message>
    <message>
        <source>of %1 possible</source>
        <translation>de %1 posibles</translation>
    </message>
    <message>
        <source>best not known</source>
        <translation>mejor desconocido</translation>
    </message>
    <message>
        <source>Deal %1, round %2: %3 points, %4%5</source>
        <translation>Reparto %1, ronda %2: %3 puntos, %4%5</translation>
    </message>
    <message>
        <source>, cleared</source>
        <translation>, ganada</translation>
    </message>
    <message>
        <source>, game over</source>
        <translation>, fin de la partida</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Last 20 games: score and best possible</source>
        <translation>Últimas 20 partidas: puntos y máximo</translation>
    </message>
    <message>
        <source>Bar: score   Outline: best possible   ?: best unknown</source>
        <translation>Barra: puntos   Contorno: máximo   ?: desconocido</translation>
    </message>
    <message>
        <source>Last rounds</source>
        <translation>Últimas rondas</translation>
    </message>
    <message>
        <source>Back to Corvelle</source>
        <translation>Volver a Corvelle</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%1 de %2 (%3)</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cartas</translation>
    </message>
</context>
<context>
    <name>corvelle::TablePicture</name>
    <message>
        <source>Table</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>1 card to draw</source>
        <translation>1 carta para robar</translation>
    </message>
    <message>
        <source>%1 cards to draw</source>
        <translation>%1 cartas para robar</translation>
    </message>
    <message>
        <source>Free cards: %1. Discard pile: %2. %3.</source>
        <translation>Cartas libres: %1. Descarte: %2. %3.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
</context>
<context>
    <name>corvelle::WildCardWindow</name>
    <message>
        <source>Select up to six (6) aditional wildcards</source>
        <translation>Elija hasta seis (6) comodines más</translation>
    </message>
    <message>
        <source>Cheat Mode Options Select Window</source>
        <translation>Modo trampas: elegir comodines</translation>
    </message>
    <message>
        <source>Continue Playing</source>
        <translation>Seguir jugando</translation>
    </message>
</context>
</TS>
