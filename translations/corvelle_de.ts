<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>corvelle::AboutWindow</name>
    <message>
        <source>About Corvelle</source>
        <translation>Über Corvelle</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder neuer.</translation>
    </message>
    <message>
        <source>Continue Playing</source>
        <translation>Weiterspielen</translation>
    </message>
</context>
<context>
    <name>corvelle::CardPicture</name>
    <message>
        <source>Draw pile, 1 card</source>
        <translation>Nachziehstapel, 1 Karte</translation>
    </message>
    <message>
        <source>Draw pile, %1 cards</source>
        <translation>Nachziehstapel, %1 Karten</translation>
    </message>
    <message>
        <source>Discard pile, %1</source>
        <translation>Ablagestapel, %1</translation>
    </message>
    <message>
        <source>Covered</source>
        <translation>Verdeckt</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
</context>
<context>
    <name>corvelle::CardPictureLoad</name>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (fehlt)</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <translation>%1 (beschädigt)</translation>
    </message>
    <message>
        <source>Corvelle cannot start because some of its card pictures are missing or damaged.

Picture folder: %1

%2</source>
        <translation>Corvelle kann nicht starten, weil einige Kartenbilder fehlen oder beschädigt sind.

Bilderordner: %1

%2</translation>
    </message>
</context>
<context>
    <name>corvelle::CardWords</name>
    <message>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Black Joker</source>
        <translation>Schwarzer Joker</translation>
    </message>
    <message>
        <source>Red Joker</source>
        <translation>Roter Joker</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card: %1 its rank (&quot;Seven&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%2 %1</translation>
    </message>
</context>
<context>
    <name>corvelle::ClearableTables</name>
    <message>
        <source>No way of playing deal %1 clears its table: it is dealt as asked, though only clearable tables are dealt otherwise.</source>
        <translation>Partie %1 lässt sich auf keine Weise abräumen: Sie wird wie gewünscht ausgeteilt, obwohl sonst nur abräumbare Tische ausgeteilt werden.</translation>
    </message>
</context>
<context>
    <name>corvelle::EngineText</name>
    <message>
        <source>Sorry no more cards left to deal!</source>
        <translation>Leider sind keine Karten mehr zum Ziehen übrig!</translation>
    </message>
    <message>
        <source>The current game is over, please start a new game to continue playing</source>
        <translation>Das Spiel ist vorbei. Bitte starten Sie ein neues Spiel, um weiterzuspielen.</translation>
    </message>
    <message>
        <source>Sorry, but you may only undo a card movement after it has been completed!</source>
        <translation>Ein Kartenzug kann erst zurückgenommen werden, wenn er ausgeführt wurde!</translation>
    </message>
    <message>
        <source>the table or the column grid disagrees with the deck</source>
        <translation>der Tisch oder die Spalten passen nicht zum Kartenstapel</translation>
    </message>
    <message>
        <source>the played marks disagree with the table</source>
        <translation>die Markierungen gespielter Karten passen nicht zum Tisch</translation>
    </message>
    <message>
        <source>a card lies below a played card of its column</source>
        <translation>eine Karte liegt unter einer gespielten Karte ihrer Spalte</translation>
    </message>
    <message>
        <source>the count of table cards disagrees with the table</source>
        <translation>die Zahl der Karten auf dem Tisch passt nicht zum Tisch</translation>
    </message>
    <message>
        <source>the undo record holds a value out of range</source>
        <translation>der Rücknahmeeintrag enthält einen ungültigen Wert</translation>
    </message>
    <message>
        <source>the undo record points to no card last played</source>
        <translation>der Rücknahmeeintrag verweist auf keine zuletzt gespielte Karte</translation>
    </message>
    <message>
        <source>the undo record points to no card last drawn</source>
        <translation>der Rücknahmeeintrag verweist auf keine zuletzt gezogene Karte</translation>
    </message>
    <message>
        <source>an undo is offered for nothing</source>
        <translation>eine Rücknahme wird angeboten, obwohl es nichts zurückzunehmen gibt</translation>
    </message>
    <message>
        <source>a wild card is chosen that cannot be chosen</source>
        <translation>ein Joker ist gewählt, der nicht gewählt werden kann</translation>
    </message>
    <message>
        <source>the count of wild cards disagrees with the choice</source>
        <translation>die Zahl der Joker passt nicht zur Auswahl</translation>
    </message>
    <message>
        <source>the count of wild cards played is impossible</source>
        <translation>die Zahl der gespielten Joker ist unmöglich</translation>
    </message>
    <message>
        <source>the score or the peak score is out of range</source>
        <translation>die Punktzahl oder die Höchstpunktzahl ist ungültig</translation>
    </message>
    <message>
        <source>the anty or its phase is out of range</source>
        <translation>der Einsatz oder seine Phase ist ungültig</translation>
    </message>
    <message>
        <source>the run is shorter than no card</source>
        <translation>die Serie ist kürzer als keine Karte</translation>
    </message>
    <message>
        <source>the score to beat is no number</source>
        <translation>die zu schlagende Punktzahl ist keine Zahl</translation>
    </message>
    <message>
        <source>the deal number or the round is out of range</source>
        <translation>die Partienummer oder die Runde ist ungültig</translation>
    </message>
    <message>
        <source>the options are no choice of the menus</source>
        <translation>die Optionen entsprechen keiner Auswahl der Menüs</translation>
    </message>
    <message>
        <source>the deck is not a permutation of the 54 cards</source>
        <translation>der Kartenstapel ist keine Anordnung der 54 Karten</translation>
    </message>
    <message>
        <source>the deck is not the one its deal number and round give</source>
        <translation>der Kartenstapel ist nicht der, den Partienummer und Runde ergeben</translation>
    </message>
    <message>
        <source>the draw pile disagrees with the deck position</source>
        <translation>der Nachziehstapel passt nicht zur Position im Kartenstapel</translation>
    </message>
    <message>
        <source>the discard top was never turned up</source>
        <translation>die oberste Karte des Ablagestapels wurde nie aufgedeckt</translation>
    </message>
    <message>
        <source>the game is over with cards left to draw</source>
        <translation>das Spiel ist vorbei, obwohl noch Karten zum Ziehen übrig sind</translation>
    </message>
</context>
<context>
    <name>corvelle::HallOfFameWindow</name>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Ruhmeshalle</translation>
    </message>
    <message>
        <source>Back to Corvelle</source>
        <translation>Zurück zu Corvelle</translation>
    </message>
    <message>
        <source>Exit Corvelle</source>
        <translation>Corvelle beenden</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Clear High Scores</source>
        <translation>Bestenliste löschen</translation>
    </message>
    <message>
        <source>Place %1: %2</source>
        <translation>Platz %1: %2</translation>
    </message>
    <message>
        <source>Place %1: %2, %3</source>
        <translation>Platz %1: %2, %3</translation>
    </message>
    <message>
        <source>Name, place %1</source>
        <translation>Name, Platz %1</translation>
    </message>
</context>
<context>
    <name>corvelle::HighScores</name>
    <message>
        <source>The high scores could not be saved to %1: %2

They are kept for as long as Corvelle runs, and the file keeps its previous content.</source>
        <translation>Die Bestenliste konnte nicht in %1 gespeichert werden: %2

Sie bleibt erhalten, solange Corvelle läuft, und die Datei behält ihren bisherigen Inhalt.</translation>
    </message>
    <message>
        <source>Corvelle cannot save high scores in %1, so it has taken them over and keeps them in %2 from now on.</source>
        <translation>Corvelle kann die Bestenliste nicht in %1 speichern. Sie wurde deshalb übernommen und wird von nun an in %2 geführt.</translation>
    </message>
    <message>
        <source>The old high scores in %1 could not be read: %2</source>
        <translation>Die alte Bestenliste in %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The old high score file %1 could not be removed. Please remove it, or its scores will be taken over again.</source>
        <translation>Die alte Bestenlisten-Datei %1 konnte nicht entfernt werden. Bitte entfernen Sie sie, sonst werden ihre Einträge erneut übernommen.</translation>
    </message>
    <message>
        <source>The high scores in %1 could not be copied to %2, so they are not replaced by the old high scores of %3.</source>
        <translation>Die Bestenliste in %1 konnte nicht nach %2 kopiert werden und wird daher nicht durch die alte Bestenliste aus %3 ersetzt.</translation>
    </message>
    <message>
        <source>The old high scores of %1 replace the Hall of Fame. The Hall of Fame they replace is kept in %2.</source>
        <translation>Die alte Bestenliste aus %1 ersetzt die Ruhmeshalle. Die bisherige Ruhmeshalle wird in %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>The high scores in %1 could not be read: %2

The Hall of Fame starts empty, and the file is kept as %3 before it is replaced.</source>
        <translation>Die Bestenliste in %1 konnte nicht gelesen werden: %2

Die Ruhmeshalle beginnt leer, und die Datei wird als %3 aufbewahrt, bevor sie ersetzt wird.</translation>
    </message>
    <message>
        <source>The high score file %1 is damaged. The entries that could be read are kept, the others are free places, and the file is copied to %2 before it is replaced.</source>
        <translation>Die Bestenlisten-Datei %1 ist beschädigt. Die lesbaren Einträge bleiben erhalten, die übrigen Plätze sind frei, und die Datei wird nach %2 kopiert, bevor sie ersetzt wird.</translation>
    </message>
    <message>
        <source>An error has occured in the highscore rearanging routine, please inform me via email if you have gotten this error!</source>
        <translation>Beim Umsortieren der Bestenliste ist ein Fehler aufgetreten. Bitte melden Sie diesen Fehler per E-Mail!</translation>
    </message>
    <message>
        <source>The damaged high score file %1 could not be kept as %2, so it is not replaced. The high scores are kept for as long as Corvelle runs.</source>
        <translation>Die beschädigte Bestenlisten-Datei %1 konnte nicht als %2 aufbewahrt werden und wird daher nicht ersetzt. Die Bestenliste bleibt erhalten, solange Corvelle läuft.</translation>
    </message>
</context>
<context>
    <name>corvelle::KeptGame</name>
    <message>
        <source>The game in progress could not be kept in %1: %2</source>
        <translation>Das laufende Spiel konnte nicht in %1 aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>die Datei ist beschädigt</translation>
    </message>
    <message>
        <source>The kept game in %1 cannot be resumed: %2.%3</source>
        <translation>Das aufbewahrte Spiel in %1 kann nicht fortgesetzt werden: %2.%3</translation>
    </message>
    <message>
        <source> It is kept as %1.</source>
        <translation> Es wird als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The kept game in %1 cannot be resumed: it could not be taken off the disk (%2), so it stays kept.</source>
        <translation>Das aufbewahrte Spiel in %1 kann nicht fortgesetzt werden: Es konnte nicht von der Festplatte genommen werden (%2) und bleibt daher aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>corvelle::MainWindow</name>
    <message>
        <source>&amp;Normal Cards (100%)</source>
        <translation>&amp;Normale Karten (100 %)</translation>
    </message>
    <message>
        <source>&amp;Bigger Cards (125%)</source>
        <translation>&amp;Größere Karten (125 %)</translation>
    </message>
    <message>
        <source>&amp;Large Cards (150%)</source>
        <translation>G&amp;roße Karten (150 %)</translation>
    </message>
    <message>
        <source>&amp;Very Large Cards (175%)</source>
        <translation>&amp;Sehr große Karten (175 %)</translation>
    </message>
    <message>
        <source>&amp;Huge Cards (200%)</source>
        <translation>Ri&amp;esige Karten (200 %)</translation>
    </message>
    <message>
        <source>Card table</source>
        <translation>Kartentisch</translation>
    </message>
    <message>
        <source>Left and Right choose a card, Enter plays it, Space draws</source>
        <translation>Links und Rechts wählen eine Karte, Eingabe spielt sie, Leertaste zieht</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>Highest Score:</source>
        <translation>Rekord:</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Sorry Game Over!</source>
        <translation>Spiel vorbei!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Nochmal</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Undo Last Card Move</source>
        <translation>Letzten Zug zurücknehmen</translation>
    </message>
    <message>
        <source>These card faces cannot be shown because some of their pictures are missing or damaged, so the cards keep the faces they have.

Picture folder: %1

%2</source>
        <translation>Diese Kartenbilder können nicht gezeigt werden, weil einige ihrer Bilder fehlen oder beschädigt sind. Die Karten behalten daher ihr bisheriges Aussehen.

Bilderordner: %1

%2</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;NewGame</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Cheat Options</source>
        <translation>Schummeloptionen</translation>
    </message>
    <message>
        <source>Select Wild Cards</source>
        <translation>Joker auswählen</translation>
    </message>
    <message>
        <source>Cheats Enabled</source>
        <translation>Schummeln an</translation>
    </message>
    <message>
        <source>Disable Cheats</source>
        <translation>Schummeln aus</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Card &amp;Faces</source>
        <translation>&amp;Kartenbild</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Klassisch</translation>
    </message>
    <message>
        <source>&amp;Large Print</source>
        <translation>&amp;Großdruck</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About Corvelle</source>
        <translation>Über Corvelle</translation>
    </message>
    <message>
        <source>Game Rules</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>Hint: play the %1</source>
        <translation>Tipp: %1 spielen</translation>
    </message>
    <message>
        <source>Hint: draw</source>
        <translation>Tipp: ziehen</translation>
    </message>
    <message>
        <source>Hint: no move can add to your score now</source>
        <translation>Tipp: Kein Zug kann Ihre Punktzahl jetzt noch erhöhen</translation>
    </message>
    <message>
        <source>The game is over</source>
        <translation>Das Spiel ist vorbei</translation>
    </message>
    <message>
        <source>No card is chosen: Left and Right choose one</source>
        <translation>Keine Karte gewählt: Links und Rechts wählen eine</translation>
    </message>
    <message>
        <source>The %1 does not fit on the %2</source>
        <translation>%1 passt nicht auf %2</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Punkte %1</translation>
    </message>
    <message>
        <source>Highest score %1</source>
        <translation>Rekord %1</translation>
    </message>
</context>
<context>
    <name>corvelle::MoveAnnouncer</name>
    <message>
        <source>round won, new round dealt</source>
        <translation>Runde gewonnen, neue Runde ausgeteilt</translation>
    </message>
    <message>
        <source>new game dealt</source>
        <translation>neues Spiel ausgeteilt</translation>
    </message>
    <message>
        <source>%1 on the discard pile</source>
        <translation>%1 auf dem Ablagestapel</translation>
    </message>
    <message>
        <source>undo, %1 back on the table, %2 on the discard pile</source>
        <translation>zurückgenommen, %1 wieder auf dem Tisch, %2 auf dem Ablagestapel</translation>
    </message>
    <message>
        <source>undo, draw taken back, %1 on the discard pile</source>
        <translation>zurückgenommen, Ziehen rückgängig, %1 auf dem Ablagestapel</translation>
    </message>
    <message>
        <source>drew the %1</source>
        <translation>%1 gezogen</translation>
    </message>
    <message>
        <source>%1 played</source>
        <translation>%1 gespielt</translation>
    </message>
    <message>
        <source>game over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>Punkte %1</translation>
    </message>
</context>
<context>
    <name>corvelle::NameRequest</name>
    <message>
        <source>Please enter your name for the High Scores Hall of Fame.</source>
        <translation>Bitte geben Sie Ihren Namen für die Ruhmeshalle ein.</translation>
    </message>
    <message>
        <source>High Scores: Hall of Fame</source>
        <translation>Bestenliste: Ruhmeshalle</translation>
    </message>
</context>
<context>
    <name>corvelle::OptionStore</name>
    <message>
        <source>The settings file %1 is not a file. Corvelle plays with the options in memory and cannot save them.</source>
        <translation>Die Einstellungsdatei %1 ist keine Datei. Corvelle spielt mit den Optionen im Speicher und kann sie nicht sichern.</translation>
    </message>
</context>
<context>
    <name>corvelle::OptionTable</name>
    <message>
        <source>Card Drawing Method</source>
        <translation>Ziehmethode</translation>
    </message>
    <message>
        <source>High Score PopUp</source>
        <translation>Bestenliste anzeigen</translation>
    </message>
    <message>
        <source>Play Mode</source>
        <translation>Spielmodus</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Punktwertung</translation>
    </message>
    <message>
        <source>Shuffling</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <source>Discard Pile Only</source>
        <translation>Nur Ablagestapel</translation>
    </message>
    <message>
        <source>Discard Pile &amp;&amp; Draw Pile</source>
        <translation>Ablagestapel &amp;&amp; Nachziehstapel</translation>
    </message>
    <message>
        <source>Discard Pile &amp;&amp; Background</source>
        <translation>Ablagestapel &amp;&amp; Hintergrund</translation>
    </message>
    <message>
        <source>Show High Scores</source>
        <translation>Bestenliste zeigen</translation>
    </message>
    <message>
        <source>Dont Show High Scores</source>
        <translation>Bestenliste nicht zeigen</translation>
    </message>
    <message>
        <source>Ace King - King Ace</source>
        <translation>Ass auf König - König auf Ass</translation>
    </message>
    <message>
        <source>No Ace King - King Ace</source>
        <translation>Kein Ass auf König - König auf Ass</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>corvelle::PlayMenu</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Restart This Deal</source>
        <translation>Diese Partie neu st&amp;arten</translation>
    </message>
    <message>
        <source>Play &amp;Deal Number...</source>
        <translation>Partie &amp;Nummer spielen...</translation>
    </message>
    <message>
        <source>Deal of the Da&amp;y</source>
        <translation>Partie des Ta&amp;ges</translation>
    </message>
    <message>
        <source>Resume &amp;Last Game</source>
        <translation>&amp;Letztes Spiel fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>R&amp;eset Statistics</source>
        <translation>Statistik &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Re&amp;view Last Round</source>
        <translation>&amp;Vorige Runde auswerten</translation>
    </message>
    <message>
        <source>Review &amp;This Round</source>
        <translation>&amp;Diese Runde auswerten</translation>
    </message>
    <message>
        <source>Show Review at Round E&amp;nd</source>
        <translation>Auswertung am &amp;Rundenende zeigen</translation>
    </message>
    <message>
        <source>Please enter the number of the deal to play (1 to %1).</source>
        <translation>Bitte geben Sie die Nummer der Partie ein (1 bis %1).</translation>
    </message>
    <message>
        <source>Play Deal Number</source>
        <translation>Partie Nummer spielen</translation>
    </message>
    <message>
        <source>There is no deal %1: deals are numbered from 1 to %2.</source>
        <translation>Es gibt keine Partie %1: Die Partien sind von 1 bis %2 nummeriert.</translation>
    </message>
    <message>
        <source>Reset the statistics? Every game and round recorded so far is forgotten.</source>
        <translation>Statistik zurücksetzen? Alle bisher erfassten Spiele und Runden werden vergessen.</translation>
    </message>
    <message>
        <source>Only &amp;Clearable Tables</source>
        <translation>Nur abräumbare T&amp;ische</translation>
    </message>
</context>
<context>
    <name>corvelle::ReviewWindow</name>
    <message>
        <source>Round Review</source>
        <translation>Rundenauswertung</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>What you did</source>
        <translation>Ihr Zug</translation>
    </message>
    <message>
        <source>In reach</source>
        <translation>Erreichbar</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Steps of the round</source>
        <translation>Schritte der Runde</translation>
    </message>
    <message>
        <source>What was in reach along the round</source>
        <translation>Was im Lauf der Runde erreichbar war</translation>
    </message>
    <message>
        <source>Show Best Line</source>
        <translation>Besten Weg zeigen</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Back to Corvelle</source>
        <translation>Zurück zu Corvelle</translation>
    </message>
    <message>
        <source>Deal of the day, deal %1, round %2</source>
        <translation>Partie des Tages, Partie %1, Runde %2</translation>
    </message>
    <message>
        <source>Deal %1, round %2</source>
        <translation>Partie %1, Runde %2</translation>
    </message>
    <message>
        <source>Working out the best of every position...</source>
        <translation>Das Beste jeder Stellung wird ermittelt...</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>mindestens %1</translation>
    </message>
    <message>
        <source>You scored %1 of a possible %2</source>
        <translation>Sie haben %1 von möglichen %2 erzielt</translation>
    </message>
    <message>
        <source>You scored %1 so far, of a possible %2</source>
        <translation>Sie haben bisher %1 von möglichen %2 erzielt</translation>
    </message>
    <message>
        <source> (from where the kept game was resumed)</source>
        <translation> (ab der Fortsetzung des aufbewahrten Spiels)</translation>
    </message>
    <message>
        <source>+%1</source>
        <translation>+%1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Round won</source>
        <translation>Runde gewonnen</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>The round was won.</source>
        <translation>Die Runde wurde gewonnen.</translation>
    </message>
    <message>
        <source>The game was over.</source>
        <translation>Das Spiel war vorbei.</translation>
    </message>
    <message>
        <source>played the %1</source>
        <translation>%1 gespielt</translation>
    </message>
    <message>
        <source>drew the %1</source>
        <translation>%1 gezogen</translation>
    </message>
    <message>
        <source>drew: no cards left</source>
        <translation>gezogen: keine Karten mehr</translation>
    </message>
    <message>
        <source>took back the last move</source>
        <translation>letzten Zug zurückgenommen</translation>
    </message>
    <message>
        <source>drew</source>
        <translation>gezogen</translation>
    </message>
    <message>
        <source>took back</source>
        <translation>zurückgenommen</translation>
    </message>
    <message>
        <source>%1: %2 points fewer in reach</source>
        <translation>%1: %2 Punkte weniger erreichbar</translation>
    </message>
    <message>
        <source>drawing</source>
        <translation>Ziehen</translation>
    </message>
    <message>
        <source>playing the %1</source>
        <translation>%1 zu spielen</translation>
    </message>
    <message>
        <source>%1: %2 would have kept %3 more points in reach</source>
        <translation>%1: %2 hätte %3 Punkte mehr erreichbar gehalten</translation>
    </message>
    <message>
        <source>No move here can add to the score.</source>
        <translation>Kein Zug kann hier die Punktzahl erhöhen.</translation>
    </message>
    <message>
        <source>Best move here: draw</source>
        <translation>Bester Zug hier: ziehen</translation>
    </message>
    <message>
        <source>Best move here: play the %1</source>
        <translation>Bester Zug hier: %1 spielen</translation>
    </message>
    <message>
        <source>Working out the best line...</source>
        <translation>Der beste Weg wird ermittelt...</translation>
    </message>
    <message>
        <source>the end of the line</source>
        <translation>Ende des Weges</translation>
    </message>
    <message>
        <source>draw</source>
        <translation>ziehen</translation>
    </message>
    <message>
        <source>play the %1</source>
        <translation>%1 spielen</translation>
    </message>
    <message>
        <source>Best line, move %1 of %2: %3</source>
        <translation>Bester Weg, Zug %1 von %2: %3</translation>
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
        <translation>Das Spiel:

Ziel von Corvelle ist es, jede auf den Tisch ausgeteilte Karte auf den Ablagestapel zu bringen. Jedes Austeilen legt 35 Karten offen in sieben Spalten aus, deckt eine Karte als erste Karte des Ablagestapels auf und lässt die übrigen 18 Karten verdeckt im Nachziehstapel.

Klicken Sie auf eine Karte auf dem Tisch, um sie auf den Ablagestapel zu legen. Nur eine Karte, die von keiner anderen verdeckt wird, kann gelegt werden, also die unterste Karte einer Spalte, und nur dann, wenn ihr Rang um eins höher oder niedriger ist als der Rang der obersten Karte des Ablagestapels. Farbe (Pik, Kreuz, Karo, Herz) und Rot oder Schwarz spielen keine Rolle: Eine 7 passt auf eine 6 oder eine 8 jeder Farbe, nie aber auf eine andere 7. Auch Ass und König gelten als Nachbarn, sofern Sie das nicht abschalten.

Die beiden Joker sind frei einsetzbar: Ein Joker kann auf jede Karte gelegt werden, und jede Karte kann auf einen Joker gelegt werden.

Passt keine Karte vom Tisch, klicken Sie auf den Ablagestapel, um die nächste Karte des Nachziehstapels aufzudecken, und spielen Sie darauf weiter.

Wer den ganzen Tisch abräumt, gewinnt die Runde: Die Karten werden neu gemischt, ein neues Blatt wird automatisch ausgeteilt, und Ihre Punktzahl wächst von Runde zu Runde weiter, bis das Spiel endet.</translation>
    </message>
    <message>
        <source>Winning and Losing:

Each time you clear the table, a new hand is dealt for you at once and the game goes on.

The game ends when the draw pile is used up and no free table card can be played on the discard pile. A box saying &quot;Sorry Game Over!&quot; then appears in the lower right corner of the window, and you click &quot;Try Again&quot; to start a new game (or &quot;Quit&quot; to stop). Until a new game is dealt, &quot;Undo Last Card Move&quot; can still take back your last move and let you play on from there.

If your final score is good enough for the Hall of Fame, you are first asked for your name. Your score is then entered, a new game is dealt, and the Hall of Fame window opens, unless you have chosen &quot;Dont Show High Scores&quot; under &quot;High Score PopUp&quot; in the &quot;Options&quot; menu.</source>
        <translation>Gewinnen und Verlieren:

Jedes Mal, wenn Sie den Tisch abräumen, wird sofort ein neues Blatt für Sie ausgeteilt, und das Spiel geht weiter.

Das Spiel endet, wenn der Nachziehstapel aufgebraucht ist und keine freie Karte vom Tisch mehr auf den Ablagestapel passt. Dann erscheint unten rechts im Fenster ein Kasten mit „Spiel vorbei!“, und Sie klicken auf „Nochmal“, um ein neues Spiel zu beginnen (oder auf „Beenden“, um aufzuhören). Bis ein neues Spiel ausgeteilt ist, kann „Letzten Zug zurücknehmen“ Ihren letzten Zug noch zurücknehmen und Sie von dort aus weiterspielen lassen.

Reicht Ihre Endpunktzahl für die Ruhmeshalle, werden Sie zuerst nach Ihrem Namen gefragt. Dann wird Ihre Punktzahl eingetragen, ein neues Spiel ausgeteilt und das Fenster der Ruhmeshalle geöffnet, sofern Sie nicht im Menü „Optionen“ unter „Bestenliste anzeigen“ die Einstellung „Bestenliste nicht zeigen“ gewählt haben.</translation>
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
        <translation>Das Spiel anpassen:

Jede Einstellung im Menü „Optionen“ außer den Schummeloptionen wird gespeichert und beim nächsten Spielen wieder verwendet.

„Spielmodus“: Mit „Ass auf König - König auf Ass“ (die Voreinstellung) darf ein Ass auf einen König und ein König auf ein Ass gelegt werden; mit „Kein Ass auf König - König auf Ass“ sind sie keine Nachbarn.

„Ziehmethode“: Mit „Nur Ablagestapel“ (die Voreinstellung) ziehen Sie mit einem Klick auf den Ablagestapel; mit „Ablagestapel &amp; Nachziehstapel“ zieht auch ein Klick auf den Nachziehstapel, mit „Ablagestapel &amp; Hintergrund“ ein Klick auf den freien Tisch.

„Punktwertung“: „An“ (die Voreinstellung) zählt Punkte; „Aus“ blendet die Punktzahl aus, und gespielte Karten, Ziehen und Zurücknehmen ändern sie nicht mehr; nur der Bonus für eine gewonnene Runde wird weiterhin gutgeschrieben, und ein neues Spiel setzt sie nicht auf 0 zurück.

„Mischen“: Die Karten werden vor jedem Austeilen 1-, 2- oder 3-mal gemischt.

Den Schummelmodus schalten Sie über „Schummeloptionen“, „Joker auswählen“ ein: Kreuzen Sie bis zu 6 zusätzliche Joker an und klicken Sie auf „Weiterspielen“. Kreuzen Sie keine an, ist das Schummeln ausgeschaltet. „Schummeln aus“ schaltet alles Schummeln ab, ohne etwas bereits Geschehenes rückgängig zu machen und ohne Ihre Karten zu vergessen; „Schummeln an“ schaltet dieselben Karten wieder ein. Ihre Joker bleiben über neue Spiele hinweg erhalten, bis Sie Corvelle schließen; sie werden nie gespeichert.

HINWEIS: Sobald eine Ihrer gewählten Karten bei eingeschaltetem Schummeln vom Tisch gespielt wurde, wird eine Bestleistung in diesem Spiel als geschummelt markiert, auch wenn Sie das Schummeln danach abschalten. Nur das Zurücknehmen genau dieses Zuges, solange das Schummeln noch an ist, oder ein neues Spiel entfernt die Markierung.</translation>
    </message>
    <message>
        <source>Cheat Mode:

Cheat mode lets you choose up to 6 more wild cards besides the two jokers. While cheats are on, each of them plays exactly like a joker.

For fairness, an asterisk (&quot; *&quot;) is added to the name you enter for a high score in a game where you played one of your chosen wild cards from the table.

Scoring works the same as in normal play. The extra wild cards simply make for longer games and a different way of playing.</source>
        <translation>Schummelmodus:

Im Schummelmodus können Sie zusätzlich zu den beiden Jokern bis zu 6 weitere Karten als Joker wählen. Solange das Schummeln an ist, spielt sich jede von ihnen genau wie ein Joker.

Der Fairness halber wird an den Namen, den Sie für einen Eintrag in der Bestenliste eingeben, ein Sternchen („ *“) angehängt, wenn Sie in diesem Spiel eine Ihrer gewählten Karten vom Tisch gespielt haben.

Die Punkte werden wie im normalen Spiel gezählt. Die zusätzlichen Joker sorgen einfach für längere Spiele und eine andere Spielweise.</translation>
    </message>
    <message>
        <source>Scoring:

With scoring on, each card you move to the discard pile adds the anty to your score. The anty starts at 5 points and grows by 5 with every card moved, so a run of cards scores 5, 10, 15, 20 points and so on. Drawing a card (by clicking the discard pile) ends the run and sets the anty back to 5. A new round does not end a run.

Winning a round adds 5 points for each card still left in the draw pile.

When a game ends with a score higher than one of the five in the Hall of Fame, you are asked for your name. The high scores are shown by &quot;High Scores&quot; in the &quot;Game&quot; menu, and &quot;Clear High Scores&quot; in the &quot;Scores&quot; menu of that window resets them.

Your score also changes when you undo a move, as the next section explains.</source>
        <translation>Punktwertung:

Bei eingeschalteter Punktwertung bringt jede Karte, die Sie auf den Ablagestapel legen, den aktuellen Einsatz als Punkte. Der Einsatz beginnt bei 5 Punkten und steigt mit jeder gelegten Karte um 5, sodass eine Serie von Karten 5, 10, 15, 20 Punkte und so weiter bringt. Das Ziehen einer Karte (per Klick auf den Ablagestapel) beendet die Serie und setzt den Einsatz auf 5 zurück. Eine neue Runde beendet keine Serie.

Eine gewonnene Runde bringt 5 Punkte für jede Karte, die noch im Nachziehstapel liegt.

Endet ein Spiel mit einer Punktzahl, die höher ist als eine der fünf in der Ruhmeshalle, werden Sie nach Ihrem Namen gefragt. Die Bestenliste zeigt „Bestenliste“ im Menü „Spiel“, und „Bestenliste löschen“ im Menü „Punkte“ dieses Fensters setzt sie zurück.

Ihre Punktzahl ändert sich auch, wenn Sie einen Zug zurücknehmen, wie der nächste Abschnitt erklärt.</translation>
    </message>
    <message>
        <source>Undo Penalization:

&quot;Undo Last Card Move&quot; takes back your last card movement, a table card played or a card drawn. Only one movement can be taken back, and the move that clears the table cannot be undone.

With scoring on, each undo costs 10 points and sets the anty back to 5 points; a score below 10 points drops to 0. After undoing a table card the run goes on from the lowered anty, so the next card you play scores 10 points.</source>
        <translation>Strafe für das Zurücknehmen:

„Letzten Zug zurücknehmen“ nimmt Ihren letzten Kartenzug zurück, eine gespielte Karte vom Tisch oder eine gezogene Karte. Nur ein Zug kann zurückgenommen werden, und der Zug, der den Tisch abräumt, kann nicht zurückgenommen werden.

Bei eingeschalteter Punktwertung kostet jedes Zurücknehmen 10 Punkte und setzt den Einsatz auf 5 Punkte zurück; eine Punktzahl unter 10 Punkten fällt auf 0. Nach dem Zurücknehmen einer Karte vom Tisch geht die Serie mit dem gesenkten Einsatz weiter, sodass die nächste gespielte Karte 10 Punkte bringt.</translation>
    </message>
</context>
<context>
    <name>corvelle::RulesWindow</name>
    <message>
        <source>Game Rules</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>Back to Corvelle</source>
        <translation>Zurück zu Corvelle</translation>
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
        <translation>das Schreiben des neuen Inhalts ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>giving the new file the old one&apos;s permissions failed</source>
        <translation>die neue Datei konnte die Rechte der alten nicht erhalten</translation>
    </message>
    <message>
        <source>writing the new content to the disk failed</source>
        <translation>das Schreiben des neuen Inhalts auf die Festplatte ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>closing the new file failed</source>
        <translation>das Schließen der neuen Datei ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>the file was replaced, but its folder could not be opened to sync it</source>
        <translation>die Datei wurde ersetzt, aber ihr Ordner konnte zum Synchronisieren nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the file was replaced, but its folder could not be synced</source>
        <translation>die Datei wurde ersetzt, aber ihr Ordner konnte nicht synchronisiert werden</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>ein FIFO</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>es ist %1</translation>
    </message>
    <message>
        <source>the new file could not be created beside it</source>
        <translation>die neue Datei konnte nicht daneben angelegt werden</translation>
    </message>
    <message>
        <source>the new file could not take the old one&apos;s place</source>
        <translation>die neue Datei konnte die alte nicht ersetzen</translation>
    </message>
</context>
<context>
    <name>corvelle::ScoreChart</name>
    <message>
        <source>Scores of the last games</source>
        <translation>Punkte der letzten Spiele</translation>
    </message>
    <message>
        <source>No game yet</source>
        <translation>Noch kein Spiel</translation>
    </message>
    <message>
        <source>%1 of %2 possible</source>
        <translation>%1 von %2 möglichen</translation>
    </message>
    <message>
        <source>%1 (best unknown)</source>
        <translation>%1 (Bestwert unbekannt)</translation>
    </message>
    <message>
        <source>%1 games, oldest first: %2</source>
        <translation>%1 Spiele, älteste zuerst: %2</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>Noch keine Spiele</translation>
    </message>
    <message>
        <source>latest</source>
        <translation>neuestes</translation>
    </message>
</context>
<context>
    <name>corvelle::SecondaryWindow</name>
    <message>
        <source>Exit Corvelle</source>
        <translation>Spiel beenden</translation>
    </message>
</context>
<context>
    <name>corvelle::SolverCommands</name>
    <message>
        <source>at least %1</source>
        <translation>mindestens %1</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;Best Possible Score</source>
        <translation>&amp;Bestmögliche Punktzahl</translation>
    </message>
    <message>
        <source>not worked out yet</source>
        <translation>noch nicht ermittelt</translation>
    </message>
    <message>
        <source>The most this round can give:

from its start: %1 points
from here: %2 more points</source>
        <translation>Das Höchste, was diese Runde bringen kann:

vom Beginn an: %1 Punkte
von hier aus: %2 weitere Punkte</translation>
    </message>
    <message>
        <source>&amp;Hint (thinking...)</source>
        <translation>&amp;Tipp (denke nach...)</translation>
    </message>
</context>
<context>
    <name>corvelle::Statistics</name>
    <message>
        <source>The statistics in %1 are damaged. They are kept as %2, and the statistics start again.</source>
        <translation>Die Statistik in %1 ist beschädigt. Sie wird als %2 aufbewahrt, und die Statistik beginnt neu.</translation>
    </message>
    <message>
        <source>The statistics in %1 are damaged and could not be kept aside. The statistics start again and are not saved in this run.</source>
        <translation>Die Statistik in %1 ist beschädigt und konnte nicht beiseitegelegt werden. Die Statistik beginnt neu und wird in dieser Sitzung nicht gespeichert.</translation>
    </message>
    <message>
        <source>The statistics could not be saved to %1: %2

They are kept for as long as Corvelle runs.</source>
        <translation>Die Statistik konnte nicht in %1 gespeichert werden: %2

Sie bleibt erhalten, solange Corvelle läuft.</translation>
    </message>
</context>
<context>
    <name>corvelle::StatisticsWindow</name>
    <message>
        <source>Games played:</source>
        <translation>Gespielte Spiele:</translation>
    </message>
    <message>
        <source>Rounds cleared:</source>
        <translation>Abgeräumte Runden:</translation>
    </message>
    <message>
        <source>Best game score:</source>
        <translation>Bestes Spiel:</translation>
    </message>
    <message>
        <source>Best round:</source>
        <translation>Beste Runde:</translation>
    </message>
    <message>
        <source>Longest run:</source>
        <translation>Längste Serie:</translation>
    </message>
    <message>
        <source>Mean score:</source>
        <translation>Mittlere Punktzahl:</translation>
    </message>
    <message>
        <source>Mean share of best:</source>
        <translation>Mittel vom Bestwert:</translation>
    </message>
    <message>
        <source>Hints used:</source>
        <translation>Genutzte Tipps:</translation>
    </message>
    <message>
        <source>Current deal:</source>
        <translation>Aktuelle Partie:</translation>
    </message>
    <message>
        <source>Deal of the day:</source>
        <translation>Partie des Tages:</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>%1, best %2</source>
        <translation>%1, Bestwert %2</translation>
    </message>
    <message>
        <source>of %1 possible</source>
        <translation>von %1 möglichen</translation>
    </message>
    <message>
        <source>best not known</source>
        <translation>Bestwert unbekannt</translation>
    </message>
    <message>
        <source>Deal %1, round %2: %3 points, %4%5</source>
        <translation>Partie %1, Runde %2: %3 Punkte, %4%5</translation>
    </message>
    <message>
        <source>, cleared</source>
        <translation>, abgeräumt</translation>
    </message>
    <message>
        <source>, game over</source>
        <translation>, Spiel vorbei</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Last 20 games: score and best possible</source>
        <translation>Letzte 20 Spiele: Punkte und Bestmögliches</translation>
    </message>
    <message>
        <source>Bar: score   Outline: best possible   ?: best unknown</source>
        <translation>Balken: Punkte   Rahmen: bestmöglich   ?: unbekannt</translation>
    </message>
    <message>
        <source>Last rounds</source>
        <translation>Letzte Runden</translation>
    </message>
    <message>
        <source>Back to Corvelle</source>
        <translation>Zurück zu Corvelle</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%1 von %2 (%3)</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 Karten</translation>
    </message>
</context>
<context>
    <name>corvelle::TablePicture</name>
    <message>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>1 card to draw</source>
        <translation>1 Karte zum Ziehen</translation>
    </message>
    <message>
        <source>%1 cards to draw</source>
        <translation>%1 Karten zum Ziehen</translation>
    </message>
    <message>
        <source>Free cards: %1. Discard pile: %2. %3.</source>
        <translation>Freie Karten: %1. Ablagestapel: %2. %3.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
</context>
<context>
    <name>corvelle::WildCardWindow</name>
    <message>
        <source>Select up to six (6) aditional wildcards</source>
        <translation>Bis zu sechs (6) zusätzliche Joker wählen</translation>
    </message>
    <message>
        <source>Cheat Mode Options Select Window</source>
        <translation>Schummelmodus: Joker auswählen</translation>
    </message>
    <message>
        <source>Continue Playing</source>
        <translation>Weiterspielen</translation>
    </message>
</context>
</TS>
