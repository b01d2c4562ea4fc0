<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>%1 %2</source>
        <extracomment>The About box&apos;s title: &quot;About&quot; (%1), then the program&apos;s name (%2).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 kb memory free</source>
        <translation>%1 KB Speicher frei</translation>
    </message>
    <message>
        <source>Display driver - %1</source>
        <translation>Grafiktreiber - %1</translation>
    </message>
    <message>
        <source>%1 X %2 Resolution</source>
        <translation>Auflösung %1 x %2</translation>
    </message>
    <message>
        <source>%1 Colors</source>
        <translation>%1 Farben</translation>
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
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>The rank and the suit of a card: &quot;Seven of Clubs&quot;.</extracomment>
        <translation>%2-%1</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Your scores will not be kept: %1</source>
        <translation>Ihre Ergebnisse werden nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>Your settings file was damaged: everything that could be read is kept</source>
        <translation>Ihre Einstellungsdatei war beschädigt: Alles, was sich lesen ließ, bleibt erhalten</translation>
    </message>
    <message>
        <source>Your scores could not be saved: %1</source>
        <translation>Ihre Ergebnisse konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>no memory for its %1 bytes</source>
        <translation>nicht genug Speicher für die %1 Bytes der Datei</translation>
    </message>
    <message>
        <source>it is larger than a bundle can be</source>
        <translation>die Datei ist größer, als eine Ressourcendatei sein kann</translation>
    </message>
    <message>
        <source>%1 lies outside the data</source>
        <translation>%1 liegt außerhalb der Daten</translation>
    </message>
    <message>
        <source>it has no seal</source>
        <translation>die Datei hat kein Siegel</translation>
    </message>
    <message>
        <source>its seal does not fit its length</source>
        <translation>das Siegel passt nicht zur Länge der Datei</translation>
    </message>
    <message>
        <source>its contents do not match its seal</source>
        <translation>der Inhalt stimmt nicht mit dem Siegel überein</translation>
    </message>
    <message>
        <source>its seal counts other files</source>
        <translation>das Siegel zählt andere Dateien</translation>
    </message>
    <message>
        <source>the seal&apos;s size of %1 leaves the data</source>
        <translation>die Größe von %1 im Siegel reicht über die Daten hinaus</translation>
    </message>
    <message>
        <source>The game resource library %1 is missing, unreadable or damaged. %2</source>
        <translation>Die Ressourcenbibliothek des Spiels, %1, fehlt, ist nicht lesbar oder beschädigt. %2</translation>
    </message>
    <message>
        <source>%1 is damaged: %2 does not match its seal.</source>
        <translation>%1 ist beschädigt: %2 stimmt nicht mit dem Siegel überein.</translation>
    </message>
    <message>
        <source>Looked in: %1.%2</source>
        <translation>Gesucht in: %1.%2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is damaged: Qt cannot read it.</source>
        <translation>%1 ist beschädigt: Qt kann die Datei nicht lesen.</translation>
    </message>
    <message>
        <source>/h: names an X11 window; skipped under Wayland</source>
        <translation>/h: bezeichnet ein X11-Fenster; unter Wayland ignoriert</translation>
    </message>
    <message>
        <source>no graphical display found. Set DISPLAY to a running X server, or start it under a virtual one: xvfb-run quintaro</source>
        <translation>keine grafische Anzeige gefunden. Setzen Sie DISPLAY auf einen laufenden X-Server, oder starten Sie das Spiel in einem virtuellen: xvfb-run quintaro</translation>
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
        <translation>Handanalyse</translation>
    </message>
    <message>
        <source>No cards have been dealt in this game yet.</source>
        <translation>In diesem Spiel wurden noch keine Karten gegeben.</translation>
    </message>
    <message>
        <source>Working out the chances of every draw...</source>
        <translation>Die Chancen jedes möglichen Tauschs werden berechnet...</translation>
    </message>
    <message>
        <source>%1: dealt %2 at a bet of $%3.  ▶ marks your hold.</source>
        <extracomment>The game (%1), the five cards dealt (%2) and the bet in dollars (%3).</extracomment>
        <translation>%1: Gegeben wurden %2 bei einem Einsatz von $%3. ▶ markiert Ihre Auswahl.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Erwartungswert</translation>
    </message>
</context>
<context>
    <name>Hands</name>
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Paar</translation>
    </message>
    <message>
        <source>Pair (Jacks or better)</source>
        <translation>Paar (Buben oder besser)</translation>
    </message>
    <message>
        <source>Pair (Kings or better)</source>
        <translation>Paar (Könige oder besser)</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Zwei Paare</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Vierling</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>Five of a Kind</source>
        <translation>Fünfling</translation>
    </message>
    <message>
        <source>Four Wild Cards</source>
        <translation>Vier Zweien</translation>
    </message>
    <message>
        <source>Royal Flush (No Wilds)</source>
        <translation>Royal Flush (ohne Joker)</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
</context>
<context>
    <name>Help window</name>
    <message>
        <source>%1 Help</source>
        <translation>%1-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>Discard all</source>
        <translation>Alle abwerfen</translation>
    </message>
    <message>
        <source>discard all</source>
        <translation>alle abwerfen</translation>
    </message>
    <message>
        <source>hold %1</source>
        <extracomment>The cards kept, as &quot;K♣ K♦&quot;.</extracomment>
        <translation>%1 halten</translation>
    </message>
    <message>
        <source>Best: %1 (%2)</source>
        <extracomment>The best hold, as &quot;hold K♣ K♦&quot; (%1), and what it pays on average, as &quot;$1.53&quot; (%2).</extracomment>
        <translation>Am besten: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>Green Felt</source>
        <translation>Grüner Filz</translation>
    </message>
    <message>
        <source>Blue Felt</source>
        <translation>Blauer Filz</translation>
    </message>
    <message>
        <source>Red Felt</source>
        <translation>Roter Filz</translation>
    </message>
    <message>
        <source>Oak</source>
        <translation>Eiche</translation>
    </message>
    <message>
        <source>Walnut</source>
        <translation>Nussbaum</translation>
    </message>
    <message>
        <source>White Marble</source>
        <translation>Weißer Marmor</translation>
    </message>
    <message>
        <source>Green Marble</source>
        <translation>Grüner Marmor</translation>
    </message>
    <message>
        <source>Slate</source>
        <translation>Schiefer</translation>
    </message>
    <message>
        <source>Leather</source>
        <translation>Leder</translation>
    </message>
    <message>
        <source>Linen</source>
        <translation>Leinen</translation>
    </message>
    <message>
        <source>Cork</source>
        <translation>Kork</translation>
    </message>
    <message>
        <source>Casino Carpet</source>
        <translation>Casino-Teppich</translation>
    </message>
    <message>
        <source>Argyle</source>
        <translation>Argyle</translation>
    </message>
    <message>
        <source>Parquet</source>
        <translation>Parkett</translation>
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
        <translation>Paris Blau</translation>
    </message>
    <message>
        <source>Paris Red</source>
        <translation>Paris Rot</translation>
    </message>
    <message>
        <source>Lattice</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Aces Blue</source>
        <translation>Asse Blau</translation>
    </message>
    <message>
        <source>Aces Red</source>
        <translation>Asse Rot</translation>
    </message>
    <message>
        <source>Edelweiss</source>
        <translation>Edelweiß</translation>
    </message>
    <message>
        <source>Royal Crest</source>
        <translation>Königswappen</translation>
    </message>
    <message>
        <source>Green Vine</source>
        <translation>Grüne Ranken</translation>
    </message>
    <message>
        <source>Night Vine</source>
        <translation>Nachtranken</translation>
    </message>
    <message>
        <source>Damask</source>
        <translation>Damast</translation>
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
        <translation>Schottenkaro</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Light Grey</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>Hellcyan</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Hellrot</translation>
    </message>
    <message>
        <source>Light Magenta</source>
        <translation>Hellmagenta</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>Hilfe &amp;verwenden</translation>
    </message>
    <message>
        <source>&amp;Pop-up Help</source>
        <translation>&amp;Pop-up-Hilfe</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <extracomment>The program&apos;s name goes in after &quot;About &quot;; mark its place with %1: &quot;Ü&amp;ber %1...&quot;.</extracomment>
        <translation>Ü&amp;ber %1...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Changing the options ends the game in progress. Do you want to continue?</source>
        <translation>Wenn Sie die Optionen ändern, endet das laufende Spiel. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Starting a new game ends the game in progress. Do you want to start a new game?</source>
        <translation>Ein neues Spiel beendet das laufende Spiel. Möchten Sie ein neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>Do you want to clear every name and score from this Hall of Fame?</source>
        <translation>Möchten Sie alle Namen und Ergebnisse aus dieser Ruhmeshalle löschen?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Welcome</source>
        <translation>&amp;Willkommen</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tisch</translation>
    </message>
    <message>
        <source>&amp;Credits</source>
        <translation>&amp;Mitwirkende</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;System</translation>
    </message>
    <message>
        <source>Card faces and backs are drawn from the free card decks of the KDE games: Paris, Dondorf, Nicu, Oxygen and others, under the GNU GPL.</source>
        <translation>Die Vorder- und Rückseiten der Karten stammen aus den freien Kartenblättern der KDE-Spiele: Paris, Dondorf, Nicu, Oxygen und weiteren, unter der GNU GPL.</translation>
    </message>
    <message>
        <source>The table pictures, backgrounds and sounds are made by the game&apos;s own tools when it is built.</source>
        <translation>Die Bilder des Tisches, die Hintergründe und die Klänge erzeugt das Spiel beim Kompilieren mit eigenen Werkzeugen.</translation>
    </message>
    <message>
        <source>Text is set in Liberation Sans. Built with Qt.</source>
        <translation>Die Schrift ist Liberation Sans. Erstellt mit Qt.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Ruhmeshalle</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>So&amp;und Enabled</source>
        <translation>&amp;Klänge abspielen</translation>
    </message>
    <message>
        <source>&amp;Locate...</source>
        <translation>Su&amp;chen...</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>Non&amp;e</source>
        <translation>Kei&amp;ner</translation>
    </message>
    <message>
        <source>HALL OF FAME</source>
        <translation>RUHMESHALLE</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Show &amp;High Scores...</source>
        <translation>Bestenliste &amp;anzeigen...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>Show &amp;Strategy</source>
        <translation>&amp;Strategie anzeigen</translation>
    </message>
    <message>
        <source>&amp;Trainer</source>
        <translation>&amp;Trainer</translation>
    </message>
    <message>
        <source>Hand &amp;Analysis...</source>
        <translation>&amp;Handanalyse...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>Stat&amp;istik...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>You are broke!</source>
        <translation>Sie sind pleite!</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Card Back Names</source>
        <translation>Namen der Rückseiten</translation>
    </message>
    <message>
        <source>Card Back Preview</source>
        <translation>Vorschau der Rückseite</translation>
    </message>
    <message>
        <source>Face Names</source>
        <translation>Namen der Vorderseiten</translation>
    </message>
    <message>
        <source>Face Preview</source>
        <translation>Vorschau der Vorderseite</translation>
    </message>
    <message>
        <source>Locate Sound for %1</source>
        <extracomment>%1 is the sound event, as the Extras page lists it.</extracomment>
        <translation>Klang für „%1“ suchen</translation>
    </message>
    <message>
        <source>Sounds (*.wav)</source>
        <translation>Klänge (*.wav)</translation>
    </message>
    <message>
        <source>Quintaro Options</source>
        <translation>Quintaro-Optionen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Click the Options tab to bring up various game-specific options.</source>
        <translation>Klicken Sie auf den Reiter „Optionen“, um verschiedene Einstellungen des Spiels zu ändern.</translation>
    </message>
    <message>
        <source>&amp;Faces</source>
        <translation>&amp;Vorderseiten</translation>
    </message>
    <message>
        <source>Click the Faces tab to change the faces of the playing cards.</source>
        <translation>Klicken Sie auf den Reiter „Vorderseiten“, um die Vorderseiten der Spielkarten zu ändern.</translation>
    </message>
    <message>
        <source>&amp;Backs</source>
        <translation>&amp;Rückseiten</translation>
    </message>
    <message>
        <source>Click the Backs tab to change the backs of the playing cards.</source>
        <translation>Klicken Sie auf den Reiter „Rückseiten“, um die Rückseiten der Spielkarten zu ändern.</translation>
    </message>
    <message>
        <source>&amp;Extras</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>Click the Extras tab to change the background color or to change the sounds played by the game.</source>
        <translation>Klicken Sie auf den Reiter „Extras“, um die Hintergrundfarbe oder die Klänge des Spiels zu ändern.</translation>
    </message>
    <message>
        <source>Game To Play</source>
        <translation>Spielvariante</translation>
    </message>
    <message>
        <source>&amp;Straight Poker</source>
        <translation>&amp;Straight Poker</translation>
    </message>
    <message>
        <source>Click this radio button to change to a game of straight (jacks or better) poker.</source>
        <translation>Klicken Sie auf dieses Optionsfeld, um zu Straight Poker (Buben oder besser) zu wechseln.</translation>
    </message>
    <message>
        <source>&amp;Jokers Wild</source>
        <translation>&amp;Jokers Wild</translation>
    </message>
    <message>
        <source>Click this radio button to change to a game of Jokers Wild Poker.  This game is easier than Straight Poker, but the payoffs are lower and more difficult.</source>
        <translation>Klicken Sie auf dieses Optionsfeld, um zu Jokers Wild Poker zu wechseln. Dieses Spiel ist leichter als Straight Poker, aber die Gewinne sind niedriger und schwerer zu erreichen.</translation>
    </message>
    <message>
        <source>&amp;Deuces Wild</source>
        <translation>&amp;Deuces Wild</translation>
    </message>
    <message>
        <source>Click this radio button to change to a game of Deuces Wild Poker.  This game is even easier to play than Jokers Wild Poker, but the payoffs are the lowest of all three games.</source>
        <translation>Klicken Sie auf dieses Optionsfeld, um zu Deuces Wild Poker zu wechseln. Dieses Spiel ist noch leichter als Jokers Wild Poker, aber seine Gewinne sind die niedrigsten aller drei Spiele.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click OK to accept the changes you have made to the game options.  If you have a game in progress, the game will be restarted.</source>
        <translation>Klicken Sie auf „OK“, um Ihre Änderungen an den Spieloptionen zu übernehmen. Ein laufendes Spiel wird dabei neu begonnen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Click Cancel to cancel any changes to game options you may have made.  Click here if you do not wish to save any changes you have made to the game options.</source>
        <translation>Klicken Sie auf „Abbrechen“, um Ihre Änderungen an den Spieloptionen zu verwerfen. Klicken Sie hier, wenn Sie Ihre Änderungen an den Spieloptionen nicht speichern möchten.</translation>
    </message>
</context>
<context>
    <name>Pop-up help</name>
    <message>
        <source>Quintaro is a simulation of a Las Vegas-style poker machine.  The payoffs for the various hands are shown at the top of the screen.  Click the columns to place your bet, and press the &apos;Deal&apos; button to start dealing your cards.  You are allowed one redeal after choosing which cards to discard.  Cards are discarded by clicking on the card face to flip the card over.  Click on the &apos;Redeal&apos; to get your new cards and to finish the round.

Press F1 for extended help.</source>
        <translation>Quintaro ist die Nachbildung eines Pokerautomaten, wie er in Las Vegas steht. Die Gewinne der einzelnen Hände stehen oben auf dem Bildschirm. Klicken Sie auf die Spalten, um Ihren Einsatz zu wählen, und drücken Sie „Geben“, um Ihre Karten zu erhalten. Nachdem Sie gewählt haben, welche Karten Sie abwerfen, dürfen Sie einmal tauschen. Sie werfen eine Karte ab, indem Sie auf sie klicken, sodass sie sich umdreht. Klicken Sie auf „Tauschen“, um Ihre neuen Karten zu erhalten und die Runde zu beenden.

Drücken Sie F1 für die ausführliche Hilfe.</translation>
    </message>
    <message>
        <source>Click the deal button to deal or redeal your cards.</source>
        <translation>Klicken Sie auf „Geben“, um Ihre Karten zu geben oder zu tauschen.</translation>
    </message>
    <message>
        <source>Click here to toggle holding or discarding the first card in your poker hand.</source>
        <translation>Klicken Sie hier, um die erste Karte Ihrer Hand zwischen Halten und Abwerfen umzuschalten.</translation>
    </message>
    <message>
        <source>Click here to toggle holding or discarding the second card in your poker hand.</source>
        <translation>Klicken Sie hier, um die zweite Karte Ihrer Hand zwischen Halten und Abwerfen umzuschalten.</translation>
    </message>
    <message>
        <source>Click here to toggle holding or discarding the third card in your poker hand.</source>
        <translation>Klicken Sie hier, um die dritte Karte Ihrer Hand zwischen Halten und Abwerfen umzuschalten.</translation>
    </message>
    <message>
        <source>Click here to toggle holding or discarding the fourth card in your poker hand.</source>
        <translation>Klicken Sie hier, um die vierte Karte Ihrer Hand zwischen Halten und Abwerfen umzuschalten.</translation>
    </message>
    <message>
        <source>Click here to toggle holding or discarding the fifth card in your poker hand.</source>
        <translation>Klicken Sie hier, um die fünfte Karte Ihrer Hand zwischen Halten und Abwerfen umzuschalten.</translation>
    </message>
    <message>
        <source>These boxes show the payoffs for a bet of one dollar.  They correspond to the hands on the left.  Click here to bet this amount.  You cannot bet when a game is in progress.</source>
        <translation>Diese Felder zeigen die Gewinne bei einem Einsatz von einem Dollar. Sie gehören zu den Händen links daneben. Klicken Sie hier, um diesen Betrag zu setzen. Solange ein Spiel läuft, können Sie nicht setzen.</translation>
    </message>
    <message>
        <source>These boxes show the payoffs for a bet of two dollars.  They correspond to the hands on the left.  Click here to bet this amount.  You cannot bet when a game is in progress.</source>
        <translation>Diese Felder zeigen die Gewinne bei einem Einsatz von zwei Dollar. Sie gehören zu den Händen links daneben. Klicken Sie hier, um diesen Betrag zu setzen. Solange ein Spiel läuft, können Sie nicht setzen.</translation>
    </message>
    <message>
        <source>These boxes show the payoffs for a bet of three dollars.  They correspond to the hands on the left.  Click here to bet this amount.  You cannot bet when a game is in progress.</source>
        <translation>Diese Felder zeigen die Gewinne bei einem Einsatz von drei Dollar. Sie gehören zu den Händen links daneben. Klicken Sie hier, um diesen Betrag zu setzen. Solange ein Spiel läuft, können Sie nicht setzen.</translation>
    </message>
    <message>
        <source>These boxes show the payoffs for a bet of four dollars.  They correspond to the hands on the left.  Click here to bet this amount.  You cannot bet when a game is in progress.</source>
        <translation>Diese Felder zeigen die Gewinne bei einem Einsatz von vier Dollar. Sie gehören zu den Händen links daneben. Klicken Sie hier, um diesen Betrag zu setzen. Solange ein Spiel läuft, können Sie nicht setzen.</translation>
    </message>
    <message>
        <source>These boxes show the payoffs for a bet of five dollars.  They correspond to the hands on the left.  Click here to bet this amount.  You cannot bet when a game is in progress.</source>
        <translation>Diese Felder zeigen die Gewinne bei einem Einsatz von fünf Dollar. Sie gehören zu den Händen links daneben. Klicken Sie hier, um diesen Betrag zu setzen. Solange ein Spiel läuft, können Sie nicht setzen.</translation>
    </message>
    <message>
        <source>These boxes show the poker hands that pay for this particular game.</source>
        <translation>Diese Felder zeigen die Gewinnhände dieser Spielvariante.</translation>
    </message>
    <message>
        <source>Starts a new game.  Choose this option if you have run out of money, or you want to restart the game under a different name.</source>
        <translation>Beginnt ein neues Spiel. Wählen Sie diesen Befehl, wenn Sie pleite sind oder unter einem anderen Namen neu beginnen möchten.</translation>
    </message>
    <message>
        <source>Show the table of high scores.  There are three different high score tables, one for each game (Straight, Jokers Wild, Deuces Wild).  The table displayed depends on the game being played, chosen from the Game Options dialog.</source>
        <translation>Zeigt die Bestenliste. Es gibt drei Bestenlisten, eine für jedes Spiel (Straight, Jokers Wild, Deuces Wild). Welche davon erscheint, hängt von der Spielvariante ab, die Sie im Dialog „Spieloptionen“ wählen.</translation>
    </message>
    <message>
        <source>Brings up the Game Options dialog.  This Game Options dialog will allow you change both the appearance and rules of the game.</source>
        <translation>Öffnet den Dialog „Spieloptionen“. Dort können Sie sowohl das Aussehen als auch die Regeln des Spiels ändern.</translation>
    </message>
    <message>
        <source>While this is checked, the strip under the pay table names the hold that pays most on average for the cards dealt, with its expected payoff at the current bet.</source>
        <translation>Solange dieser Eintrag ein Häkchen hat, nennt die Leiste unter der Gewinntabelle die Auswahl, die bei den gegebenen Karten im Durchschnitt am meisten zahlt, mit ihrem durchschnittlichen Gewinn beim aktuellen Einsatz.</translation>
    </message>
    <message>
        <source>While this is checked, a Redeal whose hold is worth less on average than the best hold is held back once, and the strip under the pay table names the better hold; press Redeal again to keep yours.  After each hand the strip tells what best play would have paid, and the hand is counted in the statistics.</source>
        <translation>Solange dieser Eintrag ein Häkchen hat, wird ein Tausch, dessen Auswahl im Durchschnitt weniger wert ist als die beste Auswahl, einmal zurückgehalten, und die Leiste unter der Gewinntabelle nennt die bessere Auswahl; drücken Sie erneut „Tauschen“, um Ihre zu behalten. Nach jeder Hand zeigt die Leiste, was optimales Spiel gezahlt hätte, und die Hand wird in der Statistik gezählt.</translation>
    </message>
    <message>
        <source>Opens a window beside the table that lists every way to hold the cards dealt, the best first, with what each pays on average at the current bet and its chance of each pay line.  Your own hold is marked, and the window follows every deal and every card you hold or discard.</source>
        <translation>Öffnet neben dem Tisch ein Fenster, das jede mögliche Auswahl aus den gegebenen Karten auflistet, die beste zuerst, jeweils mit dem, was sie beim aktuellen Einsatz im Durchschnitt zahlt, und ihrer Wahrscheinlichkeit für jede Zeile der Gewinntabelle. Ihre eigene Auswahl ist markiert, und das Fenster folgt jedem Geben und jeder Karte, die Sie halten oder abwerfen.</translation>
    </message>
    <message>
        <source>Shows, for each game, the hands played with the trainer on, for this session and for all time: the money bet and paid, the expected return of your holds and of best play, your mistakes and what they cost, and how often each pay line was hit.</source>
        <translation>Zeigt für jedes Spiel die Hände, die mit eingeschaltetem Trainer gespielt wurden, für diese Sitzung und insgesamt: Einsatz und Auszahlung, die erwartete Quote Ihrer Auswahl und des optimalen Spiels, Ihre Fehler und deren Kosten und wie oft jede Zeile getroffen wurde.</translation>
    </message>
    <message>
        <source>Quits the game.</source>
        <translation>Beendet das Spiel.</translation>
    </message>
    <message>
        <source>Every way to hold the cards dealt, the best first: the cards kept, what the hold pays on average at the bet, and its chance of ending on each pay line.  The row of the cards you hold now is marked.  Between hands the last deal stays here.</source>
        <translation>Jede mögliche Auswahl aus den gegebenen Karten, die beste zuerst: die gehaltenen Karten, was die Auswahl beim aktuellen Einsatz im Durchschnitt zahlt, und ihre Wahrscheinlichkeit für jede Zeile der Gewinntabelle. Die Zeile mit den Karten, die Sie gerade halten, ist markiert. Zwischen zwei Händen bleiben hier die zuletzt gegebenen Karten stehen.</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>%1 pay table</source>
        <translation>Gewinntabelle für %1</translation>
    </message>
    <message>
        <source>A draw poker machine</source>
        <translation>Ein Videopokerautomat</translation>
    </message>
    <message>
        <source>A jester&apos;s cap</source>
        <translation>Eine Narrenkappe</translation>
    </message>
    <message>
        <source>Five Card Draw: a royal flush of spades on a card table among stacks of chips</source>
        <translation>Five Card Draw: ein Royal Flush in Pik auf einem Spieltisch zwischen Stapeln von Chips</translation>
    </message>
    <message>
        <source>Face down</source>
        <translation>Verdeckt</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <translation>Einsatz %1</translation>
    </message>
    <message>
        <source>No win. %1</source>
        <translation>Kein Gewinn. %1</translation>
    </message>
    <message>
        <source>%1. You win %2. %3</source>
        <extracomment>The hand (%1), what it won (%2) and the balance, as &quot;Balance $101&quot; (%3).</extracomment>
        <translation>%1. Sie gewinnen %2. %3</translation>
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
        <translation>Bitte anmelden</translation>
    </message>
    <message>
        <source>Welcome to the Casino!</source>
        <translation>Willkommen im Casino!</translation>
    </message>
    <message>
        <source>You will be provided with $100 to play.  Please enter your name below.</source>
        <translation>Sie erhalten $100 zum Spielen. Bitte geben Sie unten Ihren Namen ein.</translation>
    </message>
    <message>
        <source>Enter your name here.  It will be used for the high score tables.</source>
        <translation>Geben Sie hier Ihren Namen ein. Er erscheint in den Bestenlisten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click OK when you have entered your name in the above field.</source>
        <translation>Klicken Sie auf „OK“, wenn Sie Ihren Namen oben eingegeben haben.</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>%1 Start</source>
        <translation>%1 starten</translation>
    </message>
    <message>
        <source>%1 Exit</source>
        <translation>%1 beenden</translation>
    </message>
    <message>
        <source>Change Bet</source>
        <translation>Einsatz ändern</translation>
    </message>
    <message>
        <source>Deal Cards</source>
        <translation>Karten geben</translation>
    </message>
    <message>
        <source>Flip Card - Front</source>
        <translation>Karte umdrehen – Vorderseite</translation>
    </message>
    <message>
        <source>Flip Card - Back</source>
        <translation>Karte umdrehen – Rückseite</translation>
    </message>
    <message>
        <source>Jackpot</source>
        <translation>Jackpot</translation>
    </message>
    <message>
        <source>You are Broke</source>
        <translation>Pleite</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Zurücksetzen...</translation>
    </message>
    <message>
        <source>Reset the statistics of %1?  The figures of this session and of all time are lost.</source>
        <translation>Statistik für %1 zurücksetzen? Die Werte dieser Sitzung und die Gesamtwerte gehen verloren.</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Diese Sitzung</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Gespielte Hände</translation>
    </message>
    <message>
        <source>Total bet</source>
        <translation>Gesamteinsatz</translation>
    </message>
    <message>
        <source>Total paid</source>
        <translation>Gesamtauszahlung</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Auszahlungsquote</translation>
    </message>
    <message>
        <source>Expected return of your holds</source>
        <translation>Erwartete Quote Ihrer Auswahl</translation>
    </message>
    <message>
        <source>Expected return of best play</source>
        <translation>Erwartete Quote des optimalen Spiels</translation>
    </message>
    <message>
        <source>Best play would have paid</source>
        <translation>Optimales Spiel hätte gezahlt</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Cost of mistakes</source>
        <translation>Kosten der Fehler</translation>
    </message>
    <message>
        <source>Cost in % of the total bet</source>
        <translation>Kosten in % des Gesamteinsatzes</translation>
    </message>
    <message>
        <source>Costliest mistake</source>
        <translation>Teuerster Fehler</translation>
    </message>
    <message>
        <source>Hold taken</source>
        <translation>Ihre Auswahl</translation>
    </message>
    <message>
        <source>Best hold</source>
        <translation>Beste Auswahl</translation>
    </message>
    <message>
        <source>Pay lines hit (yours / best play)</source>
        <translation>Getroffene Zeilen (Sie / optimales Spiel)</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Win</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Click a payline to change your bet</source>
        <translation>Spalte anklicken, um den Einsatz zu ändern</translation>
    </message>
    <message>
        <source>Bet $1</source>
        <translation>Einsatz $1</translation>
    </message>
    <message>
        <source>Bet $2</source>
        <translation>Einsatz $2</translation>
    </message>
    <message>
        <source>Bet $3</source>
        <translation>Einsatz $3</translation>
    </message>
    <message>
        <source>Bet $4</source>
        <translation>Einsatz $4</translation>
    </message>
    <message>
        <source>Bet $5</source>
        <translation>Einsatz $5</translation>
    </message>
    <message>
        <source>Redeal</source>
        <translation>Tauschen</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Geben</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abwerfen</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Press &quot;Deal&quot; for a new game</source>
        <translation>Drücken Sie „Geben“ für ein neues Spiel</translation>
    </message>
</context>
<context>
    <name>Trainer</name>
    <message>
        <source>%1; yours %2</source>
        <extracomment>The best hold, as &quot;Best: hold K♣ K♦ ($1.53)&quot; (%1), and what the player&apos;s pays (%2).</extracomment>
        <translation>%1; Ihre: %2</translation>
    </message>
    <message>
        <source>%1. Redeal again to keep yours</source>
        <translation>%1. Erneut „Tauschen“, um Ihre zu behalten</translation>
    </message>
</context>
</TS>
