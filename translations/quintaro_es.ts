<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>%1 %2</source>
        <extracomment>The About box&apos;s title: &quot;About&quot; (%1), then the program&apos;s name (%2).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kb memory free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display driver - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 X %2 Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Ace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>King</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>The rank and the suit of a card: &quot;Seven of Clubs&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Your scores will not be kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings file was damaged: everything that could be read is kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your scores could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no memory for its %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than a bundle can be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lies outside the data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no seal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its seal does not fit its length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its contents do not match its seal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its seal counts other files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the seal&apos;s size of %1 leaves the data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game resource library %1 is missing, unreadable or damaged. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged: %2 does not match its seal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looked in: %1.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged: Qt cannot read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/h: names an X11 window; skipped under Wayland</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Games</name>
    <message>
        <source>Straight Poker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jokers Wild Poker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deuces Wild Poker</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Hands</name>
    <message>
        <source>Nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair (Jacks or better)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair (Kings or better)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five of a Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four Wild Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Royal Flush (No Wilds)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Hand</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help window</name>
    <message>
        <source>%1 Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>Green Felt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue Felt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red Felt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Walnut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White Marble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green Marble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leather</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cork</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Casino Carpet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Argyle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parquet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Denim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dondorf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nicu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oxygen Air</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paris Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paris Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lattice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aces Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aces Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edelweiss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Royal Crest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green Vine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night Vine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Damask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tristan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tartan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pop-up Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <extracomment>The program&apos;s name goes in after &quot;About &quot;; mark its place with %1: &quot;Ü&amp;ber %1...&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing the options ends the game in progress. Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting a new game ends the game in progress. Do you want to start a new game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to clear every name and score from this Hall of Fame?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Welcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card faces and backs are drawn from the free card decks of the KDE games: Paris, Dondorf, Nicu, Oxygen and others, under the GNU GPL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table pictures, backgrounds and sounds are made by the game&apos;s own tools when it is built.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text is set in Liberation Sans. Built with Qt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So&amp;und Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Locate...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non&amp;e</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;High Scores...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Strategy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Trainer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand &amp;Analysis...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>You are broke!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Card Back Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Back Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locate Sound for %1</source>
        <extracomment>%1 is the sound event, as the Extras page lists it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds (*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintaro Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the Options tab to bring up various game-specific options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Faces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the Faces tab to change the faces of the playing cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Backs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the Backs tab to change the backs of the playing cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Extras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the Extras tab to change the background color or to change the sounds played by the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game To Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Straight Poker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this radio button to change to a game of straight (jacks or better) poker.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Jokers Wild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this radio button to change to a game of Jokers Wild Poker.  This game is easier than Straight Poker, but the payoffs are lower and more difficult.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Deuces Wild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this radio button to change to a game of Deuces Wild Poker.  This game is even easier to play than Jokers Wild Poker, but the payoffs are the lowest of all three games.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click OK to accept the changes you have made to the game options.  If you have a game in progress, the game will be restarted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Cancel to cancel any changes to game options you may have made.  Click here if you do not wish to save any changes you have made to the game options.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pop-up help</name>
    <message>
        <source>Quintaro is a simulation of a Las Vegas-style poker machine.  The payoffs for the various hands are shown at the top of the screen.  Click the columns to place your bet, and press the &apos;Deal&apos; button to start dealing your cards.  You are allowed one redeal after choosing which cards to discard.  Cards are discarded by clicking on the card face to flip the card over.  Click on the &apos;Redeal&apos; to get your new cards and to finish the round.

Press F1 for extended help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the deal button to deal or redeal your cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to toggle holding or discarding the first card in your poker hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to toggle holding or discarding the second card in your poker hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to toggle holding or discarding the third card in your poker hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to toggle holding or discarding the fourth card in your poker hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to toggle holding or discarding the fifth card in your poker hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These boxes show the payoffs for a bet of one dollar.  They correspond to the hands on the left.  Click here to bet this amount.  You cannot bet when a game is in progress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These boxes show the payoffs for a bet of two dollars.  They correspond to the hands on the left.  Click here to bet this amount.  You cannot bet when a game is in progress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These boxes show the payoffs for a bet of three dollars.  They correspond to the hands on the left.  Click here to bet this amount.  You cannot bet when a game is in progress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These boxes show the payoffs for a bet of four dollars.  They correspond to the hands on the left.  Click here to bet this amount.  You cannot bet when a game is in progress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These boxes show the payoffs for a bet of five dollars.  They correspond to the hands on the left.  Click here to bet this amount.  You cannot bet when a game is in progress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These boxes show the poker hands that pay for this particular game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts a new game.  Choose this option if you have run out of money, or you want to restart the game under a different name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the table of high scores.  There are three different high score tables, one for each game (Straight, Jokers Wild, Deuces Wild).  The table displayed depends on the game being played, chosen from the Game Options dialog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brings up the Game Options dialog.  This Game Options dialog will allow you change both the appearance and rules of the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this is checked, the strip under the pay table names the hold that pays most on average for the cards dealt, with its expected payoff at the current bet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this is checked, a Redeal whose hold is worth less on average than the best hold is held back once, and the strip under the pay table names the better hold; press Redeal again to keep yours.  After each hand the strip tells what best play would have paid, and the hand is counted in the statistics.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a window beside the table that lists every way to hold the cards dealt, the best first, with what each pays on average at the current bet and its chance of each pay line.  Your own hold is marked, and the window follows every deal and every card you hold or discard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows, for each game, the hands played with the trainer on, for this session and for all time: the money bet and paid, the expected return of your holds and of best play, your mistakes and what they cost, and how often each pay line was hit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quits the game.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>%1 pay table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A draw poker machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A jester&apos;s cap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five Card Draw: a royal flush of spades on a card table among stacks of chips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sign in</name>
    <message>
        <source>Please Sign In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to the Casino!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will be provided with $100 to play.  Please enter your name below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your name here.  It will be used for the high score tables.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click OK when you have entered your name in the above field.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>%1 Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip Card - Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip Card - Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jackpot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are Broke</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a payline to change your bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet $1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet $2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet $3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet $4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet $5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redeal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press &quot;Deal&quot; for a new game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
