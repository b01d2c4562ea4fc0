<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>%1 %2</source>
        <extracomment>The About box&apos;s title: &quot;About&quot; (%1), then the program&apos;s name (%2).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 kb memory free</source>
        <translation>%1 Ko de mémoire libre</translation>
    </message>
    <message>
        <source>Display driver - %1</source>
        <translation>Pilote d&apos;affichage - %1</translation>
    </message>
    <message>
        <source>%1 X %2 Resolution</source>
        <translation>Résolution %1 x %2</translation>
    </message>
    <message>
        <source>%1 Colors</source>
        <translation>%1 couleurs</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
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
        <source>Clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
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
        <translation>Vos scores ne seront pas conservés&#xa0;: %1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Your settings file was damaged: everything that could be read is kept</source>
        <translation>Votre fichier de réglages était endommagé&#xa0;: tout ce qui a pu être lu est conservé</translation>
    </message>
    <message>
        <source>Your scores could not be saved: %1</source>
        <translation>Vos scores n&apos;ont pas pu être enregistrés&#xa0;: %1</translation>
    </message>
    <message>
        <source>no memory for its %1 bytes</source>
        <translation>pas assez de mémoire pour ses %1 octets</translation>
    </message>
    <message>
        <source>it is larger than a bundle can be</source>
        <translation>le fichier dépasse la taille possible d&apos;une archive de ressources</translation>
    </message>
    <message>
        <source>%1 lies outside the data</source>
        <translation>%1 se trouve hors des données</translation>
    </message>
    <message>
        <source>it has no seal</source>
        <translation>le fichier n&apos;a pas de sceau</translation>
    </message>
    <message>
        <source>its seal does not fit its length</source>
        <translation>le sceau ne correspond pas à la longueur du fichier</translation>
    </message>
    <message>
        <source>its contents do not match its seal</source>
        <translation>le contenu ne correspond pas au sceau</translation>
    </message>
    <message>
        <source>its seal counts other files</source>
        <translation>le sceau compte d&apos;autres fichiers</translation>
    </message>
    <message>
        <source>the seal&apos;s size of %1 leaves the data</source>
        <translation>la taille de %1 indiquée par le sceau dépasse les données</translation>
    </message>
    <message>
        <source>The game resource library %1 is missing, unreadable or damaged. %2</source>
        <translation>La bibliothèque de ressources du jeu, %1, est absente, illisible ou endommagée. %2</translation>
    </message>
    <message>
        <source>%1 is damaged: %2 does not match its seal.</source>
        <translation>%1 est endommagé&#xa0;: %2 ne correspond pas au sceau.</translation>
    </message>
    <message>
        <source>Looked in: %1.%2</source>
        <translation>Emplacements consultés&#xa0;: %1.%2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>%1 is damaged: Qt cannot read it.</source>
        <translation>%1 est endommagé&#xa0;: Qt ne peut pas le lire.</translation>
    </message>
    <message>
        <source>/h: names an X11 window; skipped under Wayland</source>
        <translation>/h&#xa0;: désigne une fenêtre X11&#xa0;; ignoré sous Wayland</translation>
    </message>
    <message>
        <source>no graphical display found. Set DISPLAY to a running X server, or start it under a virtual one: xvfb-run quintaro</source>
        <translation>aucun affichage graphique trouvé. Faites pointer DISPLAY vers un serveur X en marche, ou lancez le jeu dans un serveur virtuel&#xa0;: xvfb-run quintaro</translation>
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
        <translation>Analyse de la main</translation>
    </message>
    <message>
        <source>No cards have been dealt in this game yet.</source>
        <translation>Aucune carte n&apos;a encore été distribuée dans cette partie.</translation>
    </message>
    <message>
        <source>Working out the chances of every draw...</source>
        <translation>Calcul des probabilités de chaque échange...</translation>
    </message>
    <message>
        <source>%1: dealt %2 at a bet of $%3.  ▶ marks your hold.</source>
        <extracomment>The game (%1), the five cards dealt (%2) and the bet in dollars (%3).</extracomment>
        <translation>%1&#xa0;: main distribuée %2 pour une mise de $%3. ▶ marque votre sélection.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Garder</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Espérance</translation>
    </message>
</context>
<context>
    <name>Hands</name>
    <message>
        <source>Nothing</source>
        <translation>Rien</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>Pair (Jacks or better)</source>
        <translation>Paire (valets ou mieux)</translation>
    </message>
    <message>
        <source>Pair (Kings or better)</source>
        <translation>Paire (rois ou mieux)</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Double paire</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Quinte flush</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Quinte flush royale</translation>
    </message>
    <message>
        <source>Five of a Kind</source>
        <translation>Cinq de même valeur</translation>
    </message>
    <message>
        <source>Four Wild Cards</source>
        <translation>Carré de deux</translation>
    </message>
    <message>
        <source>Royal Flush (No Wilds)</source>
        <translation>Quinte flush royale (sans joker)</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Hand</source>
        <translation>Main</translation>
    </message>
</context>
<context>
    <name>Help window</name>
    <message>
        <source>%1 Help</source>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>Discard all</source>
        <translation>Tout défausser</translation>
    </message>
    <message>
        <source>discard all</source>
        <translation>tout défausser</translation>
    </message>
    <message>
        <source>hold %1</source>
        <extracomment>The cards kept, as &quot;K♣ K♦&quot;.</extracomment>
        <translation>garder %1</translation>
    </message>
    <message>
        <source>Best: %1 (%2)</source>
        <extracomment>The best hold, as &quot;hold K♣ K♦&quot; (%1), and what it pays on average, as &quot;$1.53&quot; (%2).</extracomment>
        <translation>Meilleure sélection&#xa0;: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>Green Felt</source>
        <translation>Feutre vert</translation>
    </message>
    <message>
        <source>Blue Felt</source>
        <translation>Feutre bleu</translation>
    </message>
    <message>
        <source>Red Felt</source>
        <translation>Feutre rouge</translation>
    </message>
    <message>
        <source>Oak</source>
        <translation>Chêne</translation>
    </message>
    <message>
        <source>Walnut</source>
        <translation>Noyer</translation>
    </message>
    <message>
        <source>White Marble</source>
        <translation>Marbre blanc</translation>
    </message>
    <message>
        <source>Green Marble</source>
        <translation>Marbre vert</translation>
    </message>
    <message>
        <source>Slate</source>
        <translation>Ardoise</translation>
    </message>
    <message>
        <source>Leather</source>
        <translation>Cuir</translation>
    </message>
    <message>
        <source>Linen</source>
        <translation>Lin</translation>
    </message>
    <message>
        <source>Cork</source>
        <translation>Liège</translation>
    </message>
    <message>
        <source>Casino Carpet</source>
        <translation>Moquette de casino</translation>
    </message>
    <message>
        <source>Argyle</source>
        <translation>Losanges</translation>
    </message>
    <message>
        <source>Parquet</source>
        <translation>Parquet</translation>
    </message>
    <message>
        <source>Denim</source>
        <translation>Denim</translation>
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
        <translation>Paris bleu</translation>
    </message>
    <message>
        <source>Paris Red</source>
        <translation>Paris rouge</translation>
    </message>
    <message>
        <source>Lattice</source>
        <translation>Treillis</translation>
    </message>
    <message>
        <source>Aces Blue</source>
        <translation>As bleus</translation>
    </message>
    <message>
        <source>Aces Red</source>
        <translation>As rouges</translation>
    </message>
    <message>
        <source>Edelweiss</source>
        <translation>Edelweiss</translation>
    </message>
    <message>
        <source>Royal Crest</source>
        <translation>Armoiries royales</translation>
    </message>
    <message>
        <source>Green Vine</source>
        <translation>Vigne verte</translation>
    </message>
    <message>
        <source>Night Vine</source>
        <translation>Vigne de nuit</translation>
    </message>
    <message>
        <source>Damask</source>
        <translation>Damassé</translation>
    </message>
    <message>
        <source>Tristan</source>
        <translation>Tristan</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>Tartan</source>
        <translation>Tartan</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Light Grey</source>
        <translation>Gris clair</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Bleu clair</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Vert clair</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>Cyan clair</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Rouge clair</translation>
    </message>
    <message>
        <source>Light Magenta</source>
        <translation>Magenta clair</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Comment jouer</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Utiliser l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Pop-up Help</source>
        <translation>Aide conte&amp;xtuelle</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <extracomment>The program&apos;s name goes in after &quot;About &quot;; mark its place with %1: &quot;Ü&amp;ber %1...&quot;.</extracomment>
        <translation>À &amp;propos de %1...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Changing the options ends the game in progress. Do you want to continue?</source>
        <translation>Modifier les options met fin à la partie en cours. Voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Starting a new game ends the game in progress. Do you want to start a new game?</source>
        <translation>Commencer une nouvelle partie met fin à la partie en cours. Voulez-vous commencer une nouvelle partie&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to clear every name and score from this Hall of Fame?</source>
        <translation>Voulez-vous effacer tous les noms et scores de ce tableau d&apos;honneur&#xa0;?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Welcome</source>
        <translation>&amp;Bienvenue</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Table</translation>
    </message>
    <message>
        <source>&amp;Credits</source>
        <translation>&amp;Crédits</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Système</translation>
    </message>
    <message>
        <source>Card faces and backs are drawn from the free card decks of the KDE games: Paris, Dondorf, Nicu, Oxygen and others, under the GNU GPL.</source>
        <translation>Les faces et les dos des cartes sont tirés des jeux de cartes libres des jeux KDE&#xa0;: Paris, Dondorf, Nicu, Oxygen et d&apos;autres, sous licence GNU GPL.</translation>
    </message>
    <message>
        <source>The table pictures, backgrounds and sounds are made by the game&apos;s own tools when it is built.</source>
        <translation>Les images de la table, les arrière-plans et les sons sont créés par les outils du jeu lui-même lors de sa compilation.</translation>
    </message>
    <message>
        <source>Text is set in Liberation Sans. Built with Qt.</source>
        <translation>Texte composé en Liberation Sans. Réalisé avec Qt.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos de</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Tableau d&apos;honneur</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>So&amp;und Enabled</source>
        <translation>&amp;Activer les sons</translation>
    </message>
    <message>
        <source>&amp;Locate...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>É&amp;couter</translation>
    </message>
    <message>
        <source>Non&amp;e</source>
        <translation>Aucu&amp;n</translation>
    </message>
    <message>
        <source>HALL OF FAME</source>
        <translation>TABLEAU D'HONNEUR</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>Show &amp;High Scores...</source>
        <translation>Afficher les &amp;meilleurs scores...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>Show &amp;Strategy</source>
        <translation>Afficher la &amp;stratégie</translation>
    </message>
    <message>
        <source>&amp;Trainer</source>
        <translation>&amp;Entraînement</translation>
    </message>
    <message>
        <source>Hand &amp;Analysis...</source>
        <translation>&amp;Analyse de la main...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>S&amp;tatistiques...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>You are broke!</source>
        <translation>Vous n&apos;avez plus d&apos;argent&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Card Back Names</source>
        <translation>Noms des dos</translation>
    </message>
    <message>
        <source>Card Back Preview</source>
        <translation>Aperçu du dos</translation>
    </message>
    <message>
        <source>Face Names</source>
        <translation>Noms des faces</translation>
    </message>
    <message>
        <source>Face Preview</source>
        <translation>Aperçu des faces</translation>
    </message>
    <message>
        <source>Locate Sound for %1</source>
        <extracomment>%1 is the sound event, as the Extras page lists it.</extracomment>
        <translation>Choisir le son pour «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Sounds (*.wav)</source>
        <translation>Sons (*.wav)</translation>
    </message>
    <message>
        <source>Quintaro Options</source>
        <translation>Options de Quintaro</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Click the Options tab to bring up various game-specific options.</source>
        <translation>Cliquez sur l&apos;onglet Options pour afficher les différentes options du jeu.</translation>
    </message>
    <message>
        <source>&amp;Faces</source>
        <translation>&amp;Faces</translation>
    </message>
    <message>
        <source>Click the Faces tab to change the faces of the playing cards.</source>
        <translation>Cliquez sur l&apos;onglet Faces pour changer les faces des cartes.</translation>
    </message>
    <message>
        <source>&amp;Backs</source>
        <translation>&amp;Dos</translation>
    </message>
    <message>
        <source>Click the Backs tab to change the backs of the playing cards.</source>
        <translation>Cliquez sur l&apos;onglet Dos pour changer le dos des cartes.</translation>
    </message>
    <message>
        <source>&amp;Extras</source>
        <translation>Di&amp;vers</translation>
    </message>
    <message>
        <source>Click the Extras tab to change the background color or to change the sounds played by the game.</source>
        <translation>Cliquez sur l&apos;onglet Divers pour changer la couleur d&apos;arrière-plan ou les sons du jeu.</translation>
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
        <translation>Cliquez sur ce bouton radio pour passer au Straight Poker (valets ou mieux).</translation>
    </message>
    <message>
        <source>&amp;Jokers Wild</source>
        <translation>&amp;Jokers Wild</translation>
    </message>
    <message>
        <source>Click this radio button to change to a game of Jokers Wild Poker.  This game is easier than Straight Poker, but the payoffs are lower and more difficult.</source>
        <translation>Cliquez sur ce bouton radio pour passer au Jokers Wild Poker. Ce jeu est plus facile que le Straight Poker, mais les gains sont plus faibles et plus difficiles à obtenir.</translation>
    </message>
    <message>
        <source>&amp;Deuces Wild</source>
        <translation>Deuces &amp;Wild</translation>
    </message>
    <message>
        <source>Click this radio button to change to a game of Deuces Wild Poker.  This game is even easier to play than Jokers Wild Poker, but the payoffs are the lowest of all three games.</source>
        <translation>Cliquez sur ce bouton radio pour passer au Deuces Wild Poker. Ce jeu est encore plus facile que le Jokers Wild Poker, mais ses gains sont les plus faibles des trois jeux.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click OK to accept the changes you have made to the game options.  If you have a game in progress, the game will be restarted.</source>
        <translation>Cliquez sur OK pour valider les modifications apportées aux options du jeu. Si une partie est en cours, elle recommencera.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Click Cancel to cancel any changes to game options you may have made.  Click here if you do not wish to save any changes you have made to the game options.</source>
        <translation>Cliquez sur Annuler pour abandonner les modifications apportées aux options du jeu. Cliquez ici si vous ne voulez pas enregistrer vos modifications des options du jeu.</translation>
    </message>
</context>
<context>
    <name>Pop-up help</name>
    <message>
        <source>Quintaro is a simulation of a Las Vegas-style poker machine.  The payoffs for the various hands are shown at the top of the screen.  Click the columns to place your bet, and press the &apos;Deal&apos; button to start dealing your cards.  You are allowed one redeal after choosing which cards to discard.  Cards are discarded by clicking on the card face to flip the card over.  Click on the &apos;Redeal&apos; to get your new cards and to finish the round.

Press F1 for extended help.</source>
        <translation>Quintaro simule une machine de vidéo poker comme celles de Las Vegas. Les gains des différentes mains sont affichés en haut de l&apos;écran. Cliquez sur les colonnes pour placer votre mise, puis appuyez sur «&#xa0;Distribuer&#xa0;» pour recevoir vos cartes. Après avoir choisi les cartes à défausser, vous avez droit à un échange. Pour défausser une carte, cliquez sur sa face&#xa0;: elle se retourne. Cliquez sur «&#xa0;Changer&#xa0;» pour recevoir vos nouvelles cartes et terminer la donne.

Appuyez sur F1 pour l&apos;aide détaillée.</translation>
    </message>
    <message>
        <source>Click the deal button to deal or redeal your cards.</source>
        <translation>Cliquez sur «&#xa0;Distribuer&#xa0;» pour distribuer ou changer vos cartes.</translation>
    </message>
    <message>
        <source>Click here to toggle holding or discarding the first card in your poker hand.</source>
        <translation>Cliquez ici pour garder ou défausser tour à tour la première carte de votre main.</translation>
    </message>
    <message>
        <source>Click here to toggle holding or discarding the second card in your poker hand.</source>
        <translation>Cliquez ici pour garder ou défausser tour à tour la deuxième carte de votre main.</translation>
    </message>
    <message>
        <source>Click here to toggle holding or discarding the third card in your poker hand.</source>
        <translation>Cliquez ici pour garder ou défausser tour à tour la troisième carte de votre main.</translation>
    </message>
    <message>
        <source>Click here to toggle holding or discarding the fourth card in your poker hand.</source>
        <translation>Cliquez ici pour garder ou défausser tour à tour la quatrième carte de votre main.</translation>
    </message>
    <message>
        <source>Click here to toggle holding or discarding the fifth card in your poker hand.</source>
        <translation>Cliquez ici pour garder ou défausser tour à tour la cinquième carte de votre main.</translation>
    </message>
    <message>
        <source>These boxes show the payoffs for a bet of one dollar.  They correspond to the hands on the left.  Click here to bet this amount.  You cannot bet when a game is in progress.</source>
        <translation>Ces cases indiquent les gains pour une mise d&apos;un dollar. Elles correspondent aux mains à gauche. Cliquez ici pour miser ce montant. Vous ne pouvez pas miser pendant une partie en cours.</translation>
    </message>
    <message>
        <source>These boxes show the payoffs for a bet of two dollars.  They correspond to the hands on the left.  Click here to bet this amount.  You cannot bet when a game is in progress.</source>
        <translation>Ces cases indiquent les gains pour une mise de deux dollars. Elles correspondent aux mains à gauche. Cliquez ici pour miser ce montant. Vous ne pouvez pas miser pendant une partie en cours.</translation>
    </message>
    <message>
        <source>These boxes show the payoffs for a bet of three dollars.  They correspond to the hands on the left.  Click here to bet this amount.  You cannot bet when a game is in progress.</source>
        <translation>Ces cases indiquent les gains pour une mise de trois dollars. Elles correspondent aux mains à gauche. Cliquez ici pour miser ce montant. Vous ne pouvez pas miser pendant une partie en cours.</translation>
    </message>
    <message>
        <source>These boxes show the payoffs for a bet of four dollars.  They correspond to the hands on the left.  Click here to bet this amount.  You cannot bet when a game is in progress.</source>
        <translation>Ces cases indiquent les gains pour une mise de quatre dollars. Elles correspondent aux mains à gauche. Cliquez ici pour miser ce montant. Vous ne pouvez pas miser pendant une partie en cours.</translation>
    </message>
    <message>
        <source>These boxes show the payoffs for a bet of five dollars.  They correspond to the hands on the left.  Click here to bet this amount.  You cannot bet when a game is in progress.</source>
        <translation>Ces cases indiquent les gains pour une mise de cinq dollars. Elles correspondent aux mains à gauche. Cliquez ici pour miser ce montant. Vous ne pouvez pas miser pendant une partie en cours.</translation>
    </message>
    <message>
        <source>These boxes show the poker hands that pay for this particular game.</source>
        <translation>Ces cases indiquent les combinaisons payantes de ce jeu.</translation>
    </message>
    <message>
        <source>Starts a new game.  Choose this option if you have run out of money, or you want to restart the game under a different name.</source>
        <translation>Commence une nouvelle partie. Choisissez cette commande si vous n&apos;avez plus d&apos;argent ou si vous voulez recommencer sous un autre nom.</translation>
    </message>
    <message>
        <source>Show the table of high scores.  There are three different high score tables, one for each game (Straight, Jokers Wild, Deuces Wild).  The table displayed depends on the game being played, chosen from the Game Options dialog.</source>
        <translation>Affiche le tableau des meilleurs scores. Il existe trois tableaux, un pour chaque jeu (Straight, Jokers Wild, Deuces Wild). Le tableau affiché dépend du jeu en cours, choisi dans la boîte de dialogue Options du jeu.</translation>
    </message>
    <message>
        <source>Brings up the Game Options dialog.  This Game Options dialog will allow you change both the appearance and rules of the game.</source>
        <translation>Ouvre la boîte de dialogue Options du jeu, où vous pouvez changer l&apos;apparence comme les règles du jeu.</translation>
    </message>
    <message>
        <source>While this is checked, the strip under the pay table names the hold that pays most on average for the cards dealt, with its expected payoff at the current bet.</source>
        <translation>Lorsque cette commande est cochée, le bandeau sous la table des gains indique la sélection qui paie le plus en moyenne avec les cartes distribuées, avec son gain moyen pour la mise actuelle.</translation>
    </message>
    <message>
        <source>While this is checked, a Redeal whose hold is worth less on average than the best hold is held back once, and the strip under the pay table names the better hold; press Redeal again to keep yours.  After each hand the strip tells what best play would have paid, and the hand is counted in the statistics.</source>
        <translation>Lorsque cette commande est cochée, un échange dont la sélection vaut moins en moyenne que la meilleure sélection est retenu une fois, et le bandeau sous la table des gains indique la meilleure sélection&#xa0;; appuyez à nouveau sur «&#xa0;Changer&#xa0;» pour garder la vôtre. Après chaque main, le bandeau indique ce que le jeu optimal aurait payé, et la main est comptée dans les statistiques.</translation>
    </message>
    <message>
        <source>Opens a window beside the table that lists every way to hold the cards dealt, the best first, with what each pays on average at the current bet and its chance of each pay line.  Your own hold is marked, and the window follows every deal and every card you hold or discard.</source>
        <translation>Ouvre à côté de la table une fenêtre qui liste toutes les façons de garder les cartes distribuées, la meilleure en premier, avec ce que chacune paie en moyenne pour la mise actuelle et sa probabilité pour chaque ligne de la table des gains. Votre propre sélection est marquée, et la fenêtre suit chaque donne et chaque carte que vous gardez ou défaussez.</translation>
    </message>
    <message>
        <source>Shows, for each game, the hands played with the trainer on, for this session and for all time: the money bet and paid, the expected return of your holds and of best play, your mistakes and what they cost, and how often each pay line was hit.</source>
        <translation>Affiche, pour chaque jeu, les mains jouées avec l&apos;entraînement activé, pour cette session et au total&#xa0;: l&apos;argent misé et payé, le taux attendu de vos sélections et du jeu optimal, vos erreurs et leur coût, et combien de fois chaque ligne a été atteinte.</translation>
    </message>
    <message>
        <source>Quits the game.</source>
        <translation>Quitte le jeu.</translation>
    </message>
    <message>
        <source>Every way to hold the cards dealt, the best first: the cards kept, what the hold pays on average at the bet, and its chance of ending on each pay line.  The row of the cards you hold now is marked.  Between hands the last deal stays here.</source>
        <translation>Toutes les façons de garder les cartes distribuées, la meilleure en premier&#xa0;: les cartes gardées, ce que la sélection paie en moyenne pour la mise actuelle, et sa probabilité de finir sur chaque ligne de la table des gains. La ligne des cartes que vous gardez en ce moment est marquée. Entre deux mains, la dernière donne reste affichée ici.</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>%1 pay table</source>
        <translation>Table des gains du %1</translation>
    </message>
    <message>
        <source>A draw poker machine</source>
        <translation>Une machine de vidéo poker</translation>
    </message>
    <message>
        <source>A jester&apos;s cap</source>
        <translation>Un bonnet de bouffon</translation>
    </message>
    <message>
        <source>Five Card Draw: a royal flush of spades on a card table among stacks of chips</source>
        <translation>Five Card Draw&#xa0;: une quinte flush royale à pique sur une table de jeu, entre des piles de jetons</translation>
    </message>
    <message>
        <source>Face down</source>
        <translation>Face cachée</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <translation>Mise %1</translation>
    </message>
    <message>
        <source>No win. %1</source>
        <translation>Aucun gain. %1</translation>
    </message>
    <message>
        <source>%1. You win %2. %3</source>
        <extracomment>The hand (%1), what it won (%2) and the balance, as &quot;Balance $101&quot; (%3).</extracomment>
        <translation>%1. Vous gagnez %2. %3</translation>
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
        <translation>Identification</translation>
    </message>
    <message>
        <source>Welcome to the Casino!</source>
        <translation>Bienvenue au casino&#xa0;!</translation>
    </message>
    <message>
        <source>You will be provided with $100 to play.  Please enter your name below.</source>
        <translation>Vous recevez $100 pour jouer. Saisissez votre nom ci-dessous.</translation>
    </message>
    <message>
        <source>Enter your name here.  It will be used for the high score tables.</source>
        <translation>Saisissez votre nom ici. Il figurera dans les tableaux des meilleurs scores.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click OK when you have entered your name in the above field.</source>
        <translation>Cliquez sur OK une fois votre nom saisi dans le champ ci-dessus.</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>%1 Start</source>
        <translation>Démarrage de %1</translation>
    </message>
    <message>
        <source>%1 Exit</source>
        <translation>Fermeture de %1</translation>
    </message>
    <message>
        <source>Change Bet</source>
        <translation>Changer la mise</translation>
    </message>
    <message>
        <source>Deal Cards</source>
        <translation>Distribuer les cartes</translation>
    </message>
    <message>
        <source>Flip Card - Front</source>
        <translation>Retourner une carte – face</translation>
    </message>
    <message>
        <source>Flip Card - Back</source>
        <translation>Retourner une carte – dos</translation>
    </message>
    <message>
        <source>Jackpot</source>
        <translation>Jackpot</translation>
    </message>
    <message>
        <source>You are Broke</source>
        <translation>Plus d&apos;argent</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Réinitialiser...</translation>
    </message>
    <message>
        <source>Reset the statistics of %1?  The figures of this session and of all time are lost.</source>
        <translation>Réinitialiser les statistiques du %1&#xa0;? Les chiffres de cette session et du total seront perdus.</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Cette session</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Au total</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Mains jouées</translation>
    </message>
    <message>
        <source>Total bet</source>
        <translation>Total misé</translation>
    </message>
    <message>
        <source>Total paid</source>
        <translation>Total payé</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Taux de redistribution</translation>
    </message>
    <message>
        <source>Expected return of your holds</source>
        <translation>Taux attendu de vos sélections</translation>
    </message>
    <message>
        <source>Expected return of best play</source>
        <translation>Taux attendu du jeu optimal</translation>
    </message>
    <message>
        <source>Best play would have paid</source>
        <translation>Le jeu optimal aurait payé</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Cost of mistakes</source>
        <translation>Coût des erreurs</translation>
    </message>
    <message>
        <source>Cost in % of the total bet</source>
        <translation>Coût en % du total misé</translation>
    </message>
    <message>
        <source>Costliest mistake</source>
        <translation>Erreur la plus coûteuse</translation>
    </message>
    <message>
        <source>Hold taken</source>
        <translation>Sélection faite</translation>
    </message>
    <message>
        <source>Best hold</source>
        <translation>Meilleure sélection</translation>
    </message>
    <message>
        <source>Pay lines hit (yours / best play)</source>
        <translation>Lignes atteintes (vous / jeu optimal)</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Win</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Click a payline to change your bet</source>
        <translation>Cliquez sur une colonne pour changer de mise</translation>
    </message>
    <message>
        <source>Bet $1</source>
        <translation>Mise $1</translation>
    </message>
    <message>
        <source>Bet $2</source>
        <translation>Mise $2</translation>
    </message>
    <message>
        <source>Bet $3</source>
        <translation>Mise $3</translation>
    </message>
    <message>
        <source>Bet $4</source>
        <translation>Mise $4</translation>
    </message>
    <message>
        <source>Bet $5</source>
        <translation>Mise $5</translation>
    </message>
    <message>
        <source>Redeal</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Distribuer</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Garder</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Défausser</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Press &quot;Deal&quot; for a new game</source>
        <translation>Appuyez sur «&#xa0;Distribuer&#xa0;» pour rejouer</translation>
    </message>
</context>
<context>
    <name>Trainer</name>
    <message>
        <source>%1; yours %2</source>
        <extracomment>The best hold, as &quot;Best: hold K♣ K♦ ($1.53)&quot; (%1), and what the player&apos;s pays (%2).</extracomment>
        <translation>%1&#xa0;; la vôtre&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1. Redeal again to keep yours</source>
        <translation>%1. Appuyez à nouveau sur «&#xa0;Changer&#xa0;» pour garder la vôtre</translation>
    </message>
</context>
</TS>
