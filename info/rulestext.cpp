// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/rulestext.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>

namespace corvelle {

namespace {

// The six sections of the rules, each its heading and its paragraphs, a blank line between
// them; each section is translated as a whole.
constexpr std::array<const char*, 6> Sections{
    QT_TRANSLATE_NOOP("corvelle::RulesText",
                      "Playing the Game:\n\n"
                      "The object of Corvelle is to move every card dealt to the table "
                      "onto the discard pile. Each deal lays 35 cards face up in seven "
                      "columns, turns up one card as the first card of the discard "
                      "pile and leaves the other 18 cards face down in the draw "
                      "pile.\n\n"
                      "Click a table card to move it onto the discard pile. Only a "
                      "card that nothing covers can be moved, that is the bottom card "
                      "of a column, and only when its rank is one above or one below "
                      "the rank of the card on top of the discard pile. Suit and "
                      "colour do not matter: a 7 goes on a 6 or an 8 of any suit, "
                      "never on another 7. An Ace and a King also count as neighbours "
                      "unless you switch that off.\n\n"
                      "The two jokers are wild: a joker can be played on any card, and "
                      "any card can be played on a joker.\n\n"
                      "When no table card fits, click the discard pile to turn up the "
                      "next card of the draw pile and play on from it.\n\n"
                      "Clearing the whole table wins the round: the deck is shuffled "
                      "again and a new hand is dealt automatically, and your score "
                      "keeps growing from round to round until the game ends."),
    QT_TRANSLATE_NOOP("corvelle::RulesText",
                      "Winning and Losing:\n\n"
                      "Each time you clear the table, a new hand is dealt for you at "
                      "once and the game goes on.\n\n"
                      "The game ends when the draw pile is used up and no free table "
                      "card can be played on the discard pile. A box saying \"Sorry "
                      "Game Over!\" then appears in the lower right corner of the "
                      "window, and you click \"Try Again\" to start a new game (or "
                      "\"Quit\" to stop). Until a new game is dealt, \"Undo Last Card "
                      "Move\" can still take back your last move and let you play on "
                      "from there.\n\n"
                      "If your final score is good enough for the Hall of Fame, you "
                      "are first asked for your name. Your score is then entered, a "
                      "new game is dealt, and the Hall of Fame window opens, unless "
                      "you have chosen \"Dont Show High Scores\" under \"High Score "
                      "PopUp\" in the \"Options\" menu."),
    QT_TRANSLATE_NOOP("corvelle::RulesText",
                      "Customizing the Game:\n\n"
                      "Every setting in the \"Options\" menu except the cheat options "
                      "is saved and remembered the next time you play.\n\n"
                      "\"Play Mode\": with \"Ace King - King Ace\" (the default) an "
                      "Ace may be played on a King and a King on an Ace; with \"No Ace "
                      "King - King Ace\" they are not neighbours.\n\n"
                      "\"Card Drawing Method\": with \"Discard Pile Only\" (the "
                      "default) you draw by clicking the discard pile; \"Discard Pile "
                      "& Draw Pile\" lets a click on the draw pile draw as well, and "
                      "\"Discard Pile & Background\" a click on the bare table.\n\n"
                      "\"Scoring\": \"On\" (the default) counts points; \"Off\" hides "
                      "the score, and cards played, draws and undos no longer change "
                      "it; only the bonus for a won round is still added, and a new "
                      "game does not set it back to 0.\n\n"
                      "\"Shuffling\": the deck is shuffled 1, 2 or 3 times before each "
                      "deal.\n\n"
                      "Cheat mode is switched on through \"Cheat Options\", \"Select "
                      "Wild Cards\": tick up to 6 additional wild cards and click "
                      "\"Continue Playing\". If you tick none, cheats are switched "
                      "off. \"Disable Cheats\" switches all cheats off without undoing "
                      "anything that has already happened and without forgetting your "
                      "cards; \"Cheats Enabled\" switches the same cards back on. Your "
                      "wild cards last through new games until you close Corvelle; "
                      "they are never saved.\n\n"
                      "NOTE: Once one of your chosen wild cards has been played from "
                      "the table while cheats were on, a high score in that game is "
                      "marked as a cheat, even if you disable cheats afterwards. Only "
                      "undoing that very move while cheats are still on, or starting a "
                      "new game, takes the mark away."),
    QT_TRANSLATE_NOOP("corvelle::RulesText",
                      "Cheat Mode:\n\n"
                      "Cheat mode lets you choose up to 6 more wild cards besides the "
                      "two jokers. While cheats are on, each of them plays exactly "
                      "like a joker.\n\n"
                      "For fairness, an asterisk (\" *\") is added to the name you "
                      "enter for a high score in a game where you played one of your "
                      "chosen wild cards from the table.\n\n"
                      "Scoring works the same as in normal play. The extra wild cards "
                      "simply make for longer games and a different way of playing."),
    QT_TRANSLATE_NOOP("corvelle::RulesText",
                      "Scoring:\n\n"
                      "With scoring on, each card you move to the discard pile adds "
                      "the anty to your score. The anty starts at 5 points and grows "
                      "by 5 with every card moved, so a run of cards scores 5, 10, 15, "
                      "20 points and so on. Drawing a card (by clicking the discard "
                      "pile) ends the run and sets the anty back to 5. A new round "
                      "does not end a run.\n\n"
                      "Winning a round adds 5 points for each card still left in the "
                      "draw pile.\n\n"
                      "When a game ends with a score higher than one of the five in "
                      "the Hall of Fame, you are asked for your name. The high scores "
                      "are shown by \"High Scores\" in the \"Game\" menu, and \"Clear "
                      "High Scores\" in the \"Scores\" menu of that window resets "
                      "them.\n\n"
                      "Your score also changes when you undo a move, as the next "
                      "section explains."),
    QT_TRANSLATE_NOOP("corvelle::RulesText",
                      "Undo Penalization:\n\n"
                      "\"Undo Last Card Move\" takes back your last card movement, a "
                      "table card played or a card drawn. Only one movement can be "
                      "taken back, and the move that clears the table cannot be "
                      "undone.\n\n"
                      "With scoring on, each undo costs 10 points and sets the anty "
                      "back to 5 points; a score below 10 points drops to 0. After "
                      "undoing a table card the run goes on from the lowered anty, so "
                      "the next card you play scores 10 points."),
};

} // namespace

QString rulesText() {
    QStringList sections;
    for (const char* section : Sections) {
        sections.append(QCoreApplication::translate("corvelle::RulesText", section));
    }
    return sections.join(QStringLiteral("\n\n")) + QStringLiteral("\n");
}

} // namespace corvelle
