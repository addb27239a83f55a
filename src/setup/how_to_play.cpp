#include "setup/how_to_play.h"

#include "setup/help_examples.h"

namespace tallowen {

namespace {

std::vector<HelpSection> sections() {
    return {
        {"The aim", R"(
<p>Two players take turns on a square field: player 1 plays the orange pieces in these pictures,
player 2 the blue ones (each player chooses a figure and a colour in the setup window). A move
makes your pieces more and the other player's fewer.</p>
<p><img src="example:original"></p>
<p>The game ends when no empty cell is left. The player with more pieces wins.</p>)",
         aimExamples()},

        {"Grow and jump", R"(
<p>Click one of your pieces: it is selected, and the cells it can reach are marked. Click a marked
cell to move there.</p>
<p><img src="example:targets"></p>
<p>A cell next to the piece (framed in white) <b>grows</b>: the piece stays and a new one appears.
A cell two steps away (framed in your colour) <b>jumps</b>: the piece leaves its cell. Only empty
cells can be entered. Click the selected piece again, or any other cell, to choose anew.</p>
<table><tr><td align="center"><img src="example:grown"><br>grown from c3 to d3</td>
<td width="16"></td><td align="center"><img src="example:jumped"><br>jumped from c3 to e3</td></tr></table>)",
         growJumpExamples()},

        {"Star and Cross", R"(
<p>Every piece of the other player next to the cell you move to becomes yours, whether you grew or
jumped. What counts as "next to" is the movement chosen in the setup window.</p>
<p><img src="example:before-conversion"><br>Orange grows from b3 to c3.</p>
<table><tr><td align="center"><img src="example:star-conversion"><br><b>Star</b>: all eight
neighbours count; four pieces change sides.</td><td width="16"></td>
<td align="center"><img src="example:cross-conversion"><br><b>Cross</b>: only the four cells above,
below, left and right count; two change sides.</td></tr></table>
<p>Under "Star" a piece grows to its eight neighbours and jumps to the sixteen cells of the ring
around them. Under "Cross" it grows up, down, left and right, and jumps to the four diagonal
neighbours and to the four cells two steps away in a straight line:</p>
<p><img src="example:cross-targets"></p>)",
         conversionExamples()},

        {"Holes", R"(
<p>Black cells are holes: no piece ever stands there. A piece cannot enter a hole, but it can
jump over one.</p>
<p><img src="example:holes"></p>
<p>Holes never change during a game. You draw them yourself in the field editor.</p>)",
         holeExamples()},

        {"No move left", R"(
<p>A player who cannot move when it is their turn hands <b>every</b> empty cell to the other
player, and the game is over at once.</p>
<table><tr><td align="center"><img src="example:boxed-in"><br>Blue's only move is the jump to
c3.</td><td width="16"></td><td align="center"><img src="example:filled"><br>Orange grows there:
Blue cannot move, and every empty cell becomes Orange's.</td></tr></table>
<p>So shutting the other player in can win a game that looked lost, and a player with few
pieces left should keep a way out.</p>)",
         noMoveExamples()},

        {"The end and the score", R"(
<p>The panel under the board counts each player's pieces; the number on the bar tells by how many
the leader leads ("TIE!" when the counts are equal).</p>
<p>When the field is full the game is over: the winner, the player with more pieces, shows on
the board, or "TIE!". Every game with a winner is stored; " Game  results" in the setup window
lists them and each player's record.</p>
<p>Press <b>R</b> or click the result panel to review the finished game (see "Hints and the
review").</p>)",
         {}},

        {"The clocks", R"(
<p>In the setup window each person can be given a thinking time ("Game time:"): "90 minut",
"60 minut", "30 minut" or "10 minut"; "Neomezeně" means no limit. A person's clock runs during
their turns and stands still while the game window is minimized.</p>
<p>When a clock runs out, it flashes at 0:00:00 and the board no longer takes that person's
clicks. The computer then makes that side's moves, always choosing the weakest move, and if the
other side is a person, it plays for them too, at the strength of "PC Professional", so the game
plays itself to its end.</p>)",
         {}},

        {"Undo", R"(
<p>The "Undo" button in the title bar, and the key <b>Z</b>, take back the last two moves: your
opponent's answer and your own move, so that it is your turn again. In the right-click menu,
"Zpět" takes back one move and "Tah zpět" two.</p>
<p>Undo needs two moves made; before that, and once the game is over, the button shows "Can't
undo".</p>)",
         {}},

        {"The computer", R"(
<p>Each player can be a person or the computer ("PC" in the setup window), at one of four
strengths:</p>
<ul>
<li><b>PC Beginner</b> counts only half of what a move gains, so it often cannot tell a good move
from a better one.</li>
<li><b>PC Professional</b> takes a move that gains the most at once.</li>
<li><b>PC Genius</b> also subtracts the best answer its opponent would have.</li>
<li><b>PC Master</b> searches many moves ahead, for about a second a move, while the window goes
on.</li>
</ul>
<p>The computer's pieces wear a face that tells its strength:</p>
<p><img src="example:faces"><br>a person, PC Beginner, PC Professional, PC Genius or PC Master</p>)",
         {}},

        {"Mouse and keyboard", R"(
<p><b>Mouse.</b> Click a piece, then a marked cell. Right-click the game window for its menu:
"Restart hry" and "Nová hra" (each confirmed under "Opravdu?") restart the game or go back to
the setup window, "Zpět" and "Tah zpět" undo, "Hudba" shows or hides the music window,
"O programu" shows the about window, and "Konec" ends the program (confirmed with "Really exit!").
The small button under the board's right corner makes the window smaller or bigger. Drag the
window by its title bar.</p>
<p><b>Keyboard</b> (on the board):</p>
<table cellspacing="0" cellpadding="2">
<tr><td>Arrow keys, keypad 1 to 9</td><td>move the pointer a quarter cell</td></tr>
<tr><td>Space, Insert, keypad 5, keypad 0</td><td>press where the pointer stands</td></tr>
<tr><td>Z</td><td>undo your last move</td></tr>
<tr><td>H</td><td>show or hide the music window</td></tr>
<tr><td>T</td><td>a hint: PC Master's move for you</td></tr>
<tr><td>R</td><td>review the finished game</td></tr>
<tr><td>F1</td><td>this help, in every window</td></tr>
</table>)",
         {}},

        {"Hints and the review", R"(
<p><b>Hint.</b> On your turn, press <b>T</b> or the bulb button in the title bar: PC Master looks
for your best move (for at most a second) and marks its piece and its target cell, until you
press on the board or for three seconds. The hint changes nothing: your clock runs on, and the
move is yours to make.</p>
<p><b>Review.</b> When a game is over, press <b>R</b> or click the result panel. The review window
lists every move, for example "12. Eva c3→e5, +3": Eva's twelfth move took the piece on c3
(column c, row 3 from the top) to e5 and gained her three pieces. Below, PC Master's valuation of
the game after every move is drawn as a line, up when player 1 leads and down when player 2
does, at the edge once it sees the game won; it fills in while the window is open. The three
moves that lost their player the most are marked "the turning point". Choose a move in the list
or on the plot to see the board as it stood, and step through the game with the arrow keys.
"Copy moves" puts the game on the clipboard as a <tt>tallowen-engine play</tt> command.</p>)",
         {}},

        {"The field editor", R"(
<p>In the setup window, "Editor" adds, edits and deletes your own fields.</p>
<ul>
<li>A <b>left click</b> (or a drag with the left button) paints a cell with the brush shown as
the pointer; a <b>right click</b> changes the brush: empty cell, player 1's piece, player 2's
piece, hole, and round again.</li>
<li>With <b>"Mirror"</b> ticked, the cell opposite the one you paint, through the field's centre,
gets the other player's piece (a hole or an empty cell is mirrored as it is): both players start
alike.</li>
<li>The arrows beside the number change the field's size, from 6 to 15 cells a side.</li>
<li><b>"SAVE"</b> stores the field under its name. It refuses a field without an empty cell
("There is no free field.") or without a piece of either player ("There is no field of player
1.", "There is no field of player 2."): such a game could not be played.</li>
</ul>)",
         {}},
    };
}

}  // namespace

const std::vector<HelpSection>& howToPlay() {
    static const std::vector<HelpSection> pages = sections();
    return pages;
}

}  // namespace tallowen
