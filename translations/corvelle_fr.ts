<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>corvelle::AboutWindow</name>
    <message>
        <source>About Corvelle</source>
        <translation>À propos de Corvelle</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Logiciel libre sous licence publique générale GNU, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>Continue Playing</source>
        <translation>Continuer</translation>
    </message>
</context>
<context>
    <name>corvelle::CardPicture</name>
    <message>
        <source>Draw pile, 1 card</source>
        <translation>Pioche, 1 carte</translation>
    </message>
    <message>
        <source>Draw pile, %1 cards</source>
        <translation>Pioche, %1 cartes</translation>
    </message>
    <message>
        <source>Discard pile, %1</source>
        <translation>Défausse, %1</translation>
    </message>
    <message>
        <source>Covered</source>
        <translation>Recouverte</translation>
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
        <translation>%1 (manquante)</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <translation>%1 (endommagée)</translation>
    </message>
    <message>
        <source>Corvelle cannot start because some of its card pictures are missing or damaged.

Picture folder: %1

%2</source>
        <translation>Corvelle ne peut pas démarrer : certaines images de cartes sont manquantes ou endommagées.

Dossier des images : %1

%2</translation>
    </message>
</context>
<context>
    <name>corvelle::CardWords</name>
    <message>
        <source>Spades</source>
        <translation>Pique</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Trèfle</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Carreau</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>Black Joker</source>
        <translation>Joker noir</translation>
    </message>
    <message>
        <source>Red Joker</source>
        <translation>Joker rouge</translation>
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
        <translation>Aucune façon de jouer la donne %1 ne vide sa table : elle est distribuée comme demandé, bien que seules des tables gagnables soient distribuées sinon.</translation>
    </message>
</context>
<context>
    <name>corvelle::EngineText</name>
    <message>
        <source>Sorry no more cards left to deal!</source>
        <translation>Désolé, il ne reste plus de cartes à piocher !</translation>
    </message>
    <message>
        <source>The current game is over, please start a new game to continue playing</source>
        <translation>La partie est terminée. Commencez une nouvelle partie pour continuer à jouer.</translation>
    </message>
    <message>
        <source>Sorry, but you may only undo a card movement after it has been completed!</source>
        <translation>Désolé, un coup ne peut être annulé qu’une fois joué !</translation>
    </message>
    <message>
        <source>the table or the column grid disagrees with the deck</source>
        <translation>la table ou les colonnes ne correspondent pas au paquet</translation>
    </message>
    <message>
        <source>the played marks disagree with the table</source>
        <translation>les cartes marquées comme jouées ne correspondent pas à la table</translation>
    </message>
    <message>
        <source>a card lies below a played card of its column</source>
        <translation>une carte se trouve sous une carte jouée de sa colonne</translation>
    </message>
    <message>
        <source>the count of table cards disagrees with the table</source>
        <translation>le nombre de cartes sur la table ne correspond pas à la table</translation>
    </message>
    <message>
        <source>the undo record holds a value out of range</source>
        <translation>l’enregistrement d’annulation contient une valeur hors limites</translation>
    </message>
    <message>
        <source>the undo record points to no card last played</source>
        <translation>l’enregistrement d’annulation ne désigne aucune dernière carte jouée</translation>
    </message>
    <message>
        <source>the undo record points to no card last drawn</source>
        <translation>l’enregistrement d’annulation ne désigne aucune dernière carte piochée</translation>
    </message>
    <message>
        <source>an undo is offered for nothing</source>
        <translation>une annulation est proposée alors qu’il n’y a rien à annuler</translation>
    </message>
    <message>
        <source>a wild card is chosen that cannot be chosen</source>
        <translation>un joker est choisi alors qu’il ne peut pas l’être</translation>
    </message>
    <message>
        <source>the count of wild cards disagrees with the choice</source>
        <translation>le nombre de jokers ne correspond pas au choix</translation>
    </message>
    <message>
        <source>the count of wild cards played is impossible</source>
        <translation>le nombre de jokers joués est impossible</translation>
    </message>
    <message>
        <source>the score or the peak score is out of range</source>
        <translation>le score ou le score maximal est hors limites</translation>
    </message>
    <message>
        <source>the anty or its phase is out of range</source>
        <translation>la mise ou sa phase est hors limites</translation>
    </message>
    <message>
        <source>the run is shorter than no card</source>
        <translation>la série compte moins que zéro carte</translation>
    </message>
    <message>
        <source>the score to beat is no number</source>
        <translation>le score à battre n’est pas un nombre</translation>
    </message>
    <message>
        <source>the deal number or the round is out of range</source>
        <translation>le numéro de donne ou la manche est hors limites</translation>
    </message>
    <message>
        <source>the options are no choice of the menus</source>
        <translation>les options ne correspondent à aucun choix des menus</translation>
    </message>
    <message>
        <source>the deck is not a permutation of the 54 cards</source>
        <translation>le paquet n’est pas une permutation des 54 cartes</translation>
    </message>
    <message>
        <source>the deck is not the one its deal number and round give</source>
        <translation>le paquet n’est pas celui que donnent son numéro de donne et sa manche</translation>
    </message>
    <message>
        <source>the draw pile disagrees with the deck position</source>
        <translation>la pioche ne correspond pas à la position dans le paquet</translation>
    </message>
    <message>
        <source>the discard top was never turned up</source>
        <translation>la carte du dessus de la défausse n’a jamais été retournée</translation>
    </message>
    <message>
        <source>the game is over with cards left to draw</source>
        <translation>la partie est terminée alors qu’il reste des cartes à piocher</translation>
    </message>
</context>
<context>
    <name>corvelle::HallOfFameWindow</name>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Tableau d’honneur</translation>
    </message>
    <message>
        <source>Back to Corvelle</source>
        <translation>Retour à Corvelle</translation>
    </message>
    <message>
        <source>Exit Corvelle</source>
        <translation>Quitter Corvelle</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Clear High Scores</source>
        <translation>Effacer les meilleurs scores</translation>
    </message>
    <message>
        <source>Place %1: %2</source>
        <translation>Place %1 : %2</translation>
    </message>
    <message>
        <source>Place %1: %2, %3</source>
        <translation>Place %1 : %2, %3</translation>
    </message>
    <message>
        <source>Name, place %1</source>
        <translation>Nom, place %1</translation>
    </message>
</context>
<context>
    <name>corvelle::HighScores</name>
    <message>
        <source>The high scores could not be saved to %1: %2

They are kept for as long as Corvelle runs, and the file keeps its previous content.</source>
        <translation>Les meilleurs scores n’ont pas pu être enregistrés dans %1 : %2

Ils sont conservés tant que Corvelle fonctionne, et le fichier garde son contenu précédent.</translation>
    </message>
    <message>
        <source>Corvelle cannot save high scores in %1, so it has taken them over and keeps them in %2 from now on.</source>
        <translation>Corvelle ne peut pas enregistrer les meilleurs scores dans %1 : il les a donc repris et les conserve désormais dans %2.</translation>
    </message>
    <message>
        <source>The old high scores in %1 could not be read: %2</source>
        <translation>Les anciens meilleurs scores de %1 n’ont pas pu être lus : %2</translation>
    </message>
    <message>
        <source>The old high score file %1 could not be removed. Please remove it, or its scores will be taken over again.</source>
        <translation>L’ancien fichier de meilleurs scores %1 n’a pas pu être supprimé. Supprimez-le, sinon ses scores seront repris une nouvelle fois.</translation>
    </message>
    <message>
        <source>The high scores in %1 could not be copied to %2, so they are not replaced by the old high scores of %3.</source>
        <translation>Les meilleurs scores de %1 n’ont pas pu être copiés dans %2 : ils ne sont donc pas remplacés par les anciens meilleurs scores de %3.</translation>
    </message>
    <message>
        <source>The old high scores of %1 replace the Hall of Fame. The Hall of Fame they replace is kept in %2.</source>
        <translation>Les anciens meilleurs scores de %1 remplacent le tableau d’honneur. Le tableau d’honneur remplacé est conservé dans %2.</translation>
    </message>
    <message>
        <source>The high scores in %1 could not be read: %2

The Hall of Fame starts empty, and the file is kept as %3 before it is replaced.</source>
        <translation>Les meilleurs scores de %1 n’ont pas pu être lus : %2

Le tableau d’honneur repart vide, et le fichier est conservé sous %3 avant d’être remplacé.</translation>
    </message>
    <message>
        <source>The high score file %1 is damaged. The entries that could be read are kept, the others are free places, and the file is copied to %2 before it is replaced.</source>
        <translation>Le fichier de meilleurs scores %1 est endommagé. Les entrées lisibles sont conservées, les autres places sont libres, et le fichier est copié dans %2 avant d’être remplacé.</translation>
    </message>
    <message>
        <source>An error has occured in the highscore rearanging routine, please inform me via email if you have gotten this error!</source>
        <translation>Une erreur s’est produite lors du reclassement des meilleurs scores. Merci de me la signaler par e-mail !</translation>
    </message>
    <message>
        <source>The damaged high score file %1 could not be kept as %2, so it is not replaced. The high scores are kept for as long as Corvelle runs.</source>
        <translation>Le fichier de meilleurs scores endommagé %1 n’a pas pu être conservé sous %2 : il n’est donc pas remplacé. Les meilleurs scores sont conservés tant que Corvelle fonctionne.</translation>
    </message>
</context>
<context>
    <name>corvelle::KeptGame</name>
    <message>
        <source>The game in progress could not be kept in %1: %2</source>
        <translation>La partie en cours n’a pas pu être conservée dans %1 : %2</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>le fichier est endommagé</translation>
    </message>
    <message>
        <source>The kept game in %1 cannot be resumed: %2.%3</source>
        <translation>La partie conservée dans %1 ne peut pas être reprise : %2.%3</translation>
    </message>
    <message>
        <source> It is kept as %1.</source>
        <translation> Elle est conservée sous %1.</translation>
    </message>
    <message>
        <source>The kept game in %1 cannot be resumed: it could not be taken off the disk (%2), so it stays kept.</source>
        <translation>La partie conservée dans %1 ne peut pas être reprise : elle n’a pas pu être retirée du disque (%2), elle reste donc conservée.</translation>
    </message>
</context>
<context>
    <name>corvelle::MainWindow</name>
    <message>
        <source>&amp;Normal Cards (100%)</source>
        <translation>Cartes &amp;normales (100 %)</translation>
    </message>
    <message>
        <source>&amp;Bigger Cards (125%)</source>
        <translation>Cartes &amp;plus grandes (125 %)</translation>
    </message>
    <message>
        <source>&amp;Large Cards (150%)</source>
        <translation>&amp;Grandes cartes (150 %)</translation>
    </message>
    <message>
        <source>&amp;Very Large Cards (175%)</source>
        <translation>&amp;Très grandes cartes (175 %)</translation>
    </message>
    <message>
        <source>&amp;Huge Cards (200%)</source>
        <translation>Cartes énor&amp;mes (200 %)</translation>
    </message>
    <message>
        <source>Card table</source>
        <translation>Table de jeu</translation>
    </message>
    <message>
        <source>Left and Right choose a card, Enter plays it, Space draws</source>
        <translation>Gauche et Droite choisissent une carte, Entrée la joue, Espace pioche</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score :</translation>
    </message>
    <message>
        <source>Highest Score:</source>
        <translation>Record :</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Sorry Game Over!</source>
        <translation>Partie terminée !</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Undo Last Card Move</source>
        <translation>Annuler le dernier coup</translation>
    </message>
    <message>
        <source>These card faces cannot be shown because some of their pictures are missing or damaged, so the cards keep the faces they have.

Picture folder: %1

%2</source>
        <translation>Ces faces de cartes ne peuvent pas être affichées, car certaines de leurs images sont manquantes ou endommagées : les cartes gardent leurs faces actuelles.

Dossier des images : %1

%2</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;NewGame</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Cheat Options</source>
        <translation>Options de triche</translation>
    </message>
    <message>
        <source>Select Wild Cards</source>
        <translation>Choisir les jokers</translation>
    </message>
    <message>
        <source>Cheats Enabled</source>
        <translation>Triche activée</translation>
    </message>
    <message>
        <source>Disable Cheats</source>
        <translation>Désactiver la triche</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Card &amp;Faces</source>
        <translation>&amp;Faces des cartes</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Classiques</translation>
    </message>
    <message>
        <source>&amp;Large Print</source>
        <translation>&amp;Gros caractères</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>About Corvelle</source>
        <translation>À propos de Corvelle</translation>
    </message>
    <message>
        <source>Game Rules</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>Hint: play the %1</source>
        <translation>Indice : jouer %1</translation>
    </message>
    <message>
        <source>Hint: draw</source>
        <translation>Indice : piocher</translation>
    </message>
    <message>
        <source>Hint: no move can add to your score now</source>
        <translation>Indice : aucun coup ne peut plus augmenter votre score</translation>
    </message>
    <message>
        <source>The game is over</source>
        <translation>La partie est terminée</translation>
    </message>
    <message>
        <source>No card is chosen: Left and Right choose one</source>
        <translation>Aucune carte choisie : Gauche et Droite en choisissent une</translation>
    </message>
    <message>
        <source>The %1 does not fit on the %2</source>
        <translation>%1 ne va pas sur %2</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Score %1</translation>
    </message>
    <message>
        <source>Highest score %1</source>
        <translation>Record %1</translation>
    </message>
</context>
<context>
    <name>corvelle::MoveAnnouncer</name>
    <message>
        <source>round won, new round dealt</source>
        <translation>manche gagnée, nouvelle manche distribuée</translation>
    </message>
    <message>
        <source>new game dealt</source>
        <translation>nouvelle partie distribuée</translation>
    </message>
    <message>
        <source>%1 on the discard pile</source>
        <translation>%1 sur la défausse</translation>
    </message>
    <message>
        <source>undo, %1 back on the table, %2 on the discard pile</source>
        <translation>annulé, %1 de retour sur la table, %2 sur la défausse</translation>
    </message>
    <message>
        <source>undo, draw taken back, %1 on the discard pile</source>
        <translation>annulé, pioche reprise, %1 sur la défausse</translation>
    </message>
    <message>
        <source>drew the %1</source>
        <translation>pioché : %1</translation>
    </message>
    <message>
        <source>%1 played</source>
        <translation>joué : %1</translation>
    </message>
    <message>
        <source>game over</source>
        <translation>partie terminée</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>score %1</translation>
    </message>
</context>
<context>
    <name>corvelle::NameRequest</name>
    <message>
        <source>Please enter your name for the High Scores Hall of Fame.</source>
        <translation>Veuillez saisir votre nom pour le tableau d’honneur.</translation>
    </message>
    <message>
        <source>High Scores: Hall of Fame</source>
        <translation>Meilleurs scores : tableau d’honneur</translation>
    </message>
</context>
<context>
    <name>corvelle::OptionStore</name>
    <message>
        <source>The settings file %1 is not a file. Corvelle plays with the options in memory and cannot save them.</source>
        <translation>Le fichier de réglages %1 n’est pas un fichier. Corvelle joue avec les options en mémoire et ne peut pas les enregistrer.</translation>
    </message>
</context>
<context>
    <name>corvelle::OptionTable</name>
    <message>
        <source>Card Drawing Method</source>
        <translation>Méthode de pioche</translation>
    </message>
    <message>
        <source>High Score PopUp</source>
        <translation>Affichage des meilleurs scores</translation>
    </message>
    <message>
        <source>Play Mode</source>
        <translation>Mode de jeu</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Comptage des points</translation>
    </message>
    <message>
        <source>Shuffling</source>
        <translation>Mélange</translation>
    </message>
    <message>
        <source>Discard Pile Only</source>
        <translation>Défausse seulement</translation>
    </message>
    <message>
        <source>Discard Pile &amp;&amp; Draw Pile</source>
        <translation>Défausse &amp;&amp; pioche</translation>
    </message>
    <message>
        <source>Discard Pile &amp;&amp; Background</source>
        <translation>Défausse &amp;&amp; arrière-plan</translation>
    </message>
    <message>
        <source>Show High Scores</source>
        <translation>Afficher les meilleurs scores</translation>
    </message>
    <message>
        <source>Dont Show High Scores</source>
        <translation>Ne pas afficher les meilleurs scores</translation>
    </message>
    <message>
        <source>Ace King - King Ace</source>
        <translation>As sur Roi - Roi sur As</translation>
    </message>
    <message>
        <source>No Ace King - King Ace</source>
        <translation>Pas d’As sur Roi - Roi sur As</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
</context>
<context>
    <name>corvelle::PlayMenu</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>&amp;Restart This Deal</source>
        <translation>&amp;Recommencer cette donne</translation>
    </message>
    <message>
        <source>Play &amp;Deal Number...</source>
        <translation>Jouer la donne &amp;numéro...</translation>
    </message>
    <message>
        <source>Deal of the Da&amp;y</source>
        <translation>&amp;Donne du jour</translation>
    </message>
    <message>
        <source>Resume &amp;Last Game</source>
        <translation>Reprendre la partie &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>R&amp;eset Statistics</source>
        <translation>Réinitialiser les s&amp;tatistiques</translation>
    </message>
    <message>
        <source>Re&amp;view Last Round</source>
        <translation>&amp;Analyser la dernière manche</translation>
    </message>
    <message>
        <source>Review &amp;This Round</source>
        <translation>Analyser &amp;cette manche</translation>
    </message>
    <message>
        <source>Show Review at Round E&amp;nd</source>
        <translation>Afficher l’analyse en &amp;fin de manche</translation>
    </message>
    <message>
        <source>Please enter the number of the deal to play (1 to %1).</source>
        <translation>Veuillez saisir le numéro de la donne à jouer (1 à %1).</translation>
    </message>
    <message>
        <source>Play Deal Number</source>
        <translation>Jouer la donne numéro</translation>
    </message>
    <message>
        <source>There is no deal %1: deals are numbered from 1 to %2.</source>
        <translation>Il n’y a pas de donne %1 : les donnes sont numérotées de 1 à %2.</translation>
    </message>
    <message>
        <source>Reset the statistics? Every game and round recorded so far is forgotten.</source>
        <translation>Réinitialiser les statistiques ? Toutes les parties et manches enregistrées jusqu’ici seront oubliées.</translation>
    </message>
    <message>
        <source>Only &amp;Clearable Tables</source>
        <translation>Seulement des tables &amp;gagnables</translation>
    </message>
</context>
<context>
    <name>corvelle::ReviewWindow</name>
    <message>
        <source>Round Review</source>
        <translation>Analyse de la manche</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>What you did</source>
        <translation>Votre coup</translation>
    </message>
    <message>
        <source>In reach</source>
        <translation>À portée</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>Steps of the round</source>
        <translation>Étapes de la manche</translation>
    </message>
    <message>
        <source>What was in reach along the round</source>
        <translation>Ce qui était à portée au fil de la manche</translation>
    </message>
    <message>
        <source>Show Best Line</source>
        <translation>Meilleure suite</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Back to Corvelle</source>
        <translation>Retour à Corvelle</translation>
    </message>
    <message>
        <source>Deal of the day, deal %1, round %2</source>
        <translation>Donne du jour, donne %1, manche %2</translation>
    </message>
    <message>
        <source>Deal %1, round %2</source>
        <translation>Donne %1, manche %2</translation>
    </message>
    <message>
        <source>Working out the best of every position...</source>
        <translation>Calcul du meilleur de chaque position...</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>au moins %1</translation>
    </message>
    <message>
        <source>You scored %1 of a possible %2</source>
        <translation>Vous avez marqué %1 sur %2 possibles</translation>
    </message>
    <message>
        <source>You scored %1 so far, of a possible %2</source>
        <translation>Vous avez marqué %1 jusqu’ici, sur %2 possibles</translation>
    </message>
    <message>
        <source> (from where the kept game was resumed)</source>
        <translation> (depuis la reprise de la partie conservée)</translation>
    </message>
    <message>
        <source>+%1</source>
        <translation>+%1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Round won</source>
        <translation>Manche gagnée</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>The round was won.</source>
        <translation>La manche a été gagnée.</translation>
    </message>
    <message>
        <source>The game was over.</source>
        <translation>La partie était terminée.</translation>
    </message>
    <message>
        <source>played the %1</source>
        <translation>joué : %1</translation>
    </message>
    <message>
        <source>drew the %1</source>
        <translation>pioché : %1</translation>
    </message>
    <message>
        <source>drew: no cards left</source>
        <translation>pioché : plus de cartes</translation>
    </message>
    <message>
        <source>took back the last move</source>
        <translation>dernier coup annulé</translation>
    </message>
    <message>
        <source>drew</source>
        <translation>pioché</translation>
    </message>
    <message>
        <source>took back</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>%1: %2 points fewer in reach</source>
        <translation>%1 — %2 points de moins à portée</translation>
    </message>
    <message>
        <source>drawing</source>
        <translation>piocher</translation>
    </message>
    <message>
        <source>playing the %1</source>
        <translation>jouer %1</translation>
    </message>
    <message>
        <source>%1: %2 would have kept %3 more points in reach</source>
        <translation>%1 — %2 aurait gardé %3 points de plus à portée</translation>
    </message>
    <message>
        <source>No move here can add to the score.</source>
        <translation>Aucun coup ne peut ici augmenter le score.</translation>
    </message>
    <message>
        <source>Best move here: draw</source>
        <translation>Meilleur coup ici : piocher</translation>
    </message>
    <message>
        <source>Best move here: play the %1</source>
        <translation>Meilleur coup ici : jouer %1</translation>
    </message>
    <message>
        <source>Working out the best line...</source>
        <translation>Calcul de la meilleure suite...</translation>
    </message>
    <message>
        <source>the end of the line</source>
        <translation>fin de la suite</translation>
    </message>
    <message>
        <source>draw</source>
        <translation>piocher</translation>
    </message>
    <message>
        <source>play the %1</source>
        <translation>jouer %1</translation>
    </message>
    <message>
        <source>Best line, move %1 of %2: %3</source>
        <translation>Meilleure suite, coup %1 sur %2 : %3</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
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
        <translation>Déroulement du jeu :

Le but de Corvelle est de faire passer sur la défausse chaque carte distribuée sur la table. Chaque donne étale 35 cartes face visible en sept colonnes, retourne une carte qui devient la première carte de la défausse et laisse les 18 autres cartes face cachée dans la pioche.

Cliquez sur une carte de la table pour la poser sur la défausse. Seule une carte que rien ne recouvre peut être déplacée, c’est-à-dire la carte du bas d’une colonne, et seulement si son rang est d’un cran supérieur ou inférieur à celui de la carte du dessus de la défausse. Ni la couleur (pique, cœur, carreau, trèfle) ni le rouge ou le noir ne comptent : un 7 va sur un 6 ou un 8 de n’importe quelle couleur, jamais sur un autre 7. L’As et le Roi comptent aussi comme voisins, sauf si vous désactivez cette règle.

Les deux jokers sont libres : un joker peut être joué sur n’importe quelle carte, et n’importe quelle carte peut être jouée sur un joker.

Quand aucune carte de la table ne convient, cliquez sur la défausse pour retourner la carte suivante de la pioche et continuez à partir d’elle.

Vider toute la table fait gagner la manche : le paquet est de nouveau mélangé, une nouvelle main est distribuée automatiquement, et votre score continue de grandir de manche en manche jusqu’à la fin de la partie.</translation>
    </message>
    <message>
        <source>Winning and Losing:

Each time you clear the table, a new hand is dealt for you at once and the game goes on.

The game ends when the draw pile is used up and no free table card can be played on the discard pile. A box saying &quot;Sorry Game Over!&quot; then appears in the lower right corner of the window, and you click &quot;Try Again&quot; to start a new game (or &quot;Quit&quot; to stop). Until a new game is dealt, &quot;Undo Last Card Move&quot; can still take back your last move and let you play on from there.

If your final score is good enough for the Hall of Fame, you are first asked for your name. Your score is then entered, a new game is dealt, and the Hall of Fame window opens, unless you have chosen &quot;Dont Show High Scores&quot; under &quot;High Score PopUp&quot; in the &quot;Options&quot; menu.</source>
        <translation>Gagner et perdre :

Chaque fois que vous videz la table, une nouvelle main vous est aussitôt distribuée et la partie continue.

La partie se termine quand la pioche est épuisée et qu’aucune carte libre de la table ne peut aller sur la défausse. Un cadre « Partie terminée ! » apparaît alors dans le coin inférieur droit de la fenêtre ; cliquez sur « Rejouer » pour commencer une nouvelle partie (ou sur « Quitter » pour arrêter). Tant qu’aucune nouvelle partie n’est distribuée, « Annuler le dernier coup » peut encore reprendre votre dernier coup et vous laisser rejouer à partir de là.

Si votre score final est assez bon pour le tableau d’honneur, votre nom vous est d’abord demandé. Votre score est alors inscrit, une nouvelle partie est distribuée et la fenêtre du tableau d’honneur s’ouvre, sauf si vous avez choisi « Ne pas afficher les meilleurs scores » sous « Affichage des meilleurs scores » dans le menu « Options ».</translation>
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
        <translation>Personnaliser le jeu :

Tous les réglages du menu « Options », sauf les options de triche, sont enregistrés et repris la prochaine fois que vous jouez.

« Mode de jeu » : avec « As sur Roi - Roi sur As » (par défaut), un As peut être joué sur un Roi et un Roi sur un As ; avec « Pas d’As sur Roi - Roi sur As », ils ne sont pas voisins.

« Méthode de pioche » : avec « Défausse seulement » (par défaut), vous piochez en cliquant sur la défausse ; « Défausse &amp; pioche » permet aussi de piocher d’un clic sur la pioche, et « Défausse &amp; arrière-plan » d’un clic sur la table nue.

« Comptage des points » : « Activé » (par défaut) compte les points ; « Désactivé » masque le score, et les cartes jouées, les pioches et les annulations ne le modifient plus ; seul le bonus d’une manche gagnée est encore ajouté, et une nouvelle partie ne le remet pas à 0.

« Mélange » : le paquet est mélangé 1, 2 ou 3 fois avant chaque donne.

Le mode triche s’active par « Options de triche », « Choisir les jokers » : cochez jusqu’à 6 jokers supplémentaires et cliquez sur « Continuer ». Si vous n’en cochez aucun, la triche est désactivée. « Désactiver la triche » coupe toute triche sans rien annuler de ce qui s’est déjà passé et sans oublier vos cartes ; « Triche activée » réactive les mêmes cartes. Vos jokers restent valables d’une partie à l’autre jusqu’à ce que vous fermiez Corvelle ; ils ne sont jamais enregistrés.

REMARQUE : dès qu’une des cartes choisies comme joker a été jouée depuis la table pendant que la triche était activée, un meilleur score obtenu dans cette partie est marqué comme triché, même si vous désactivez la triche ensuite. Seule l’annulation de ce coup précis tant que la triche est encore activée, ou une nouvelle partie, retire cette marque.</translation>
    </message>
    <message>
        <source>Cheat Mode:

Cheat mode lets you choose up to 6 more wild cards besides the two jokers. While cheats are on, each of them plays exactly like a joker.

For fairness, an asterisk (&quot; *&quot;) is added to the name you enter for a high score in a game where you played one of your chosen wild cards from the table.

Scoring works the same as in normal play. The extra wild cards simply make for longer games and a different way of playing.</source>
        <translation>Mode triche :

Le mode triche vous permet de choisir jusqu’à 6 jokers supplémentaires, en plus des deux jokers. Tant que la triche est activée, chacun d’eux se joue exactement comme un joker.

Par souci d’équité, un astérisque (« * ») est ajouté au nom que vous saisissez pour un meilleur score dans une partie où vous avez joué depuis la table l’une des cartes choisies comme joker.

Les points se comptent comme en jeu normal. Les jokers supplémentaires donnent simplement des parties plus longues et une autre façon de jouer.</translation>
    </message>
    <message>
        <source>Scoring:

With scoring on, each card you move to the discard pile adds the anty to your score. The anty starts at 5 points and grows by 5 with every card moved, so a run of cards scores 5, 10, 15, 20 points and so on. Drawing a card (by clicking the discard pile) ends the run and sets the anty back to 5. A new round does not end a run.

Winning a round adds 5 points for each card still left in the draw pile.

When a game ends with a score higher than one of the five in the Hall of Fame, you are asked for your name. The high scores are shown by &quot;High Scores&quot; in the &quot;Game&quot; menu, and &quot;Clear High Scores&quot; in the &quot;Scores&quot; menu of that window resets them.

Your score also changes when you undo a move, as the next section explains.</source>
        <translation>Comptage des points :

Quand le comptage est activé, chaque carte posée sur la défausse ajoute la mise à votre score. La mise commence à 5 points et augmente de 5 à chaque carte posée, si bien qu’une série de cartes rapporte 5, 10, 15, 20 points et ainsi de suite. Piocher une carte (en cliquant sur la défausse) termine la série et ramène la mise à 5. Une nouvelle manche ne termine pas une série.

Gagner une manche rapporte 5 points par carte restant dans la pioche.

Quand une partie se termine avec un score supérieur à l’un des cinq du tableau d’honneur, votre nom vous est demandé. Les meilleurs scores s’affichent par « Meilleurs scores » dans le menu « Partie », et « Effacer les meilleurs scores » dans le menu « Scores » de cette fenêtre les remet à zéro.

Votre score change aussi quand vous annulez un coup, comme l’explique la section suivante.</translation>
    </message>
    <message>
        <source>Undo Penalization:

&quot;Undo Last Card Move&quot; takes back your last card movement, a table card played or a card drawn. Only one movement can be taken back, and the move that clears the table cannot be undone.

With scoring on, each undo costs 10 points and sets the anty back to 5 points; a score below 10 points drops to 0. After undoing a table card the run goes on from the lowered anty, so the next card you play scores 10 points.</source>
        <translation>Pénalité d’annulation :

« Annuler le dernier coup » reprend votre dernier déplacement de carte : une carte jouée depuis la table ou une carte piochée. Un seul déplacement peut être repris, et le coup qui vide la table ne peut pas être annulé.

Quand le comptage est activé, chaque annulation coûte 10 points et ramène la mise à 5 points ; un score inférieur à 10 points tombe à 0. Après l’annulation d’une carte de la table, la série reprend à partir de la mise abaissée, si bien que la prochaine carte jouée rapporte 10 points.</translation>
    </message>
</context>
<context>
    <name>corvelle::RulesWindow</name>
    <message>
        <source>Game Rules</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>Back to Corvelle</source>
        <translation>Retour à Corvelle</translation>
    </message>
</context>
<context>
    <name>corvelle::SaveFile</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>writing the new content failed</source>
        <translation>l’écriture du nouveau contenu a échoué</translation>
    </message>
    <message>
        <source>giving the new file the old one&apos;s permissions failed</source>
        <translation>la nouvelle copie n’a pas pu recevoir les droits de l’ancienne</translation>
    </message>
    <message>
        <source>writing the new content to the disk failed</source>
        <translation>l’écriture du nouveau contenu sur le disque a échoué</translation>
    </message>
    <message>
        <source>closing the new file failed</source>
        <translation>la fermeture du nouveau fichier a échoué</translation>
    </message>
    <message>
        <source>the file was replaced, but its folder could not be opened to sync it</source>
        <translation>le fichier a été remplacé, mais son dossier n’a pas pu être ouvert pour le synchroniser</translation>
    </message>
    <message>
        <source>the file was replaced, but its folder could not be synced</source>
        <translation>le fichier a été remplacé, mais son dossier n’a pas pu être synchronisé</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>un FIFO</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>c’est %1</translation>
    </message>
    <message>
        <source>the new file could not be created beside it</source>
        <translation>le nouveau fichier n’a pas pu être créé à côté</translation>
    </message>
    <message>
        <source>the new file could not take the old one&apos;s place</source>
        <translation>le nouveau fichier n’a pas pu prendre la place de l’ancien</translation>
    </message>
</context>
<context>
    <name>corvelle::ScoreChart</name>
    <message>
        <source>Scores of the last games</source>
        <translation>Scores des dernières parties</translation>
    </message>
    <message>
        <source>No game yet</source>
        <translation>Aucune partie pour l’instant</translation>
    </message>
    <message>
        <source>%1 of %2 possible</source>
        <translation>%1 sur %2 possibles</translation>
    </message>
    <message>
        <source>%1 (best unknown)</source>
        <translation>%1 (meilleur inconnu)</translation>
    </message>
    <message>
        <source>%1 games, oldest first: %2</source>
        <translation>%1 parties, de la plus ancienne à la plus récente : %2</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>Aucune partie pour l’instant</translation>
    </message>
    <message>
        <source>latest</source>
        <translation>dernière</translation>
    </message>
</context>
<context>
    <name>corvelle::SecondaryWindow</name>
    <message>
        <source>Exit Corvelle</source>
        <translation>Quitter Corvelle</translation>
    </message>
</context>
<context>
    <name>corvelle::SolverCommands</name>
    <message>
        <source>at least %1</source>
        <translation>au moins %1</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Best Possible Score</source>
        <translation>&amp;Meilleur score possible</translation>
    </message>
    <message>
        <source>not worked out yet</source>
        <translation>pas encore calculé</translation>
    </message>
    <message>
        <source>The most this round can give:

from its start: %1 points
from here: %2 more points</source>
        <translation>Le maximum que cette manche peut rapporter :

depuis son début : %1 points
d’ici : %2 points de plus</translation>
    </message>
    <message>
        <source>&amp;Hint (thinking...)</source>
        <translation>&amp;Indice (réflexion...)</translation>
    </message>
</context>
<context>
    <name>corvelle::Statistics</name>
    <message>
        <source>The statistics in %1 are damaged. They are kept as %2, and the statistics start again.</source>
        <translation>Les statistiques de %1 sont endommagées. Elles sont conservées sous %2, et les statistiques repartent de zéro.</translation>
    </message>
    <message>
        <source>The statistics in %1 are damaged and could not be kept aside. The statistics start again and are not saved in this run.</source>
        <translation>Les statistiques de %1 sont endommagées et n’ont pas pu être mises de côté. Les statistiques repartent de zéro et ne sont pas enregistrées pendant cette session.</translation>
    </message>
    <message>
        <source>The statistics could not be saved to %1: %2

They are kept for as long as Corvelle runs.</source>
        <translation>Les statistiques n’ont pas pu être enregistrées dans %1 : %2

Elles sont conservées tant que Corvelle fonctionne.</translation>
    </message>
</context>
<context>
    <name>corvelle::StatisticsWindow</name>
    <message>
        <source>Games played:</source>
        <translation>Parties jouées :</translation>
    </message>
    <message>
        <source>Rounds cleared:</source>
        <translation>Manches gagnées :</translation>
    </message>
    <message>
        <source>Best game score:</source>
        <translation>Meilleure partie :</translation>
    </message>
    <message>
        <source>Best round:</source>
        <translation>Meilleure manche :</translation>
    </message>
    <message>
        <source>Longest run:</source>
        <translation>Plus longue série :</translation>
    </message>
    <message>
        <source>Mean score:</source>
        <translation>Score moyen :</translation>
    </message>
    <message>
        <source>Mean share of best:</source>
        <translation>Part moyenne du max. :</translation>
    </message>
    <message>
        <source>Hints used:</source>
        <translation>Indices utilisés :</translation>
    </message>
    <message>
        <source>Current deal:</source>
        <translation>Donne en cours :</translation>
    </message>
    <message>
        <source>Deal of the day:</source>
        <translation>Donne du jour :</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>%1, best %2</source>
        <translation>%1, meilleur %2</translation>
    </message>
    <message>
        <source>of %1 possible</source>
        <translation>sur %1 possibles</translation>
    </message>
    <message>
        <source>best not known</source>
        <translation>meilleur inconnu</translation>
    </message>
    <message>
        <source>Deal %1, round %2: %3 points, %4%5</source>
        <translation>Donne %1, manche %2 : %3 points, %4%5</translation>
    </message>
    <message>
        <source>, cleared</source>
        <translation>, gagnée</translation>
    </message>
    <message>
        <source>, game over</source>
        <translation>, partie terminée</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Last 20 games: score and best possible</source>
        <translation>20 dernières parties : score et maximum</translation>
    </message>
    <message>
        <source>Bar: score   Outline: best possible   ?: best unknown</source>
        <translation>Barre : score   Contour : maximum   ? : inconnu</translation>
    </message>
    <message>
        <source>Last rounds</source>
        <translation>Dernières manches</translation>
    </message>
    <message>
        <source>Back to Corvelle</source>
        <translation>Retour à Corvelle</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%1 sur %2 (%3)</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cartes</translation>
    </message>
</context>
<context>
    <name>corvelle::TablePicture</name>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>1 card to draw</source>
        <translation>1 carte à piocher</translation>
    </message>
    <message>
        <source>%1 cards to draw</source>
        <translation>%1 cartes à piocher</translation>
    </message>
    <message>
        <source>Free cards: %1. Discard pile: %2. %3.</source>
        <translation>Cartes libres : %1. Défausse : %2. %3.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
</context>
<context>
    <name>corvelle::WildCardWindow</name>
    <message>
        <source>Select up to six (6) aditional wildcards</source>
        <translation>Choisissez jusqu’à six (6) jokers de plus</translation>
    </message>
    <message>
        <source>Cheat Mode Options Select Window</source>
        <translation>Mode triche : choix des jokers</translation>
    </message>
    <message>
        <source>Continue Playing</source>
        <translation>Continuer</translation>
    </message>
</context>
</TS>
