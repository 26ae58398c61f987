<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Kalvero</name>
    <message>
        <source>Load a new Puzzle File</source>
        <translation>Neue Rätseldatei laden</translation>
    </message>
    <message>
        <source>Previous Puzzle, rightclick for first puzzle</source>
        <translation>Vorheriges Rätsel; Rechtsklick: erstes Rätsel</translation>
    </message>
    <message>
        <source>Random Puzzle, rightclick to display a specific puzzle</source>
        <translation>Zufälliges Rätsel; Rechtsklick: ein bestimmtes Rätsel anzeigen</translation>
    </message>
    <message>
        <source>Next Puzzle, rightclick for last puzzle</source>
        <translation>Nächstes Rätsel; Rechtsklick: letztes Rätsel</translation>
    </message>
    <message>
        <source>Create a new puzzle; right click to set options and create multiple puzzles</source>
        <translation>Neues Rätsel erstellen; Rechtsklick: Erstellungsoptionen festlegen und mehrere Rätsel erstellen</translation>
    </message>
    <message>
        <source>Display pencil marks; rightclick to clear</source>
        <translation>Bleistiftnotizen anzeigen; Rechtsklick: löschen</translation>
    </message>
    <message>
        <source>Undo last manual placement; rightclick to reset all</source>
        <translation>Letzten eigenen Eintrag rückgängig machen; Rechtsklick: alles zurücksetzen</translation>
    </message>
    <message>
        <source>Reset puzzle</source>
        <translation>Rätsel zurücksetzen</translation>
    </message>
    <message>
        <source>Check if puzzle solved</source>
        <translation>Prüfen, ob das Rätsel gelöst ist</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Lösung anzeigen</translation>
    </message>
    <message>
        <source>Set difficulty level for a new puzzle</source>
        <translation>Stufe für ein neues Rätsel wählen</translation>
    </message>
    <message>
        <source>Pencil value</source>
        <translation>Bleistiftnotizen</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Accessible name of the play-time label.</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Options menu: opens the options window.</extracomment>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Menu entry that only closes its menu.</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Rätsel</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Append</source>
        <extracomment>Puzzle menu: adds the shown puzzle to the current puzzle file.</extracomment>
        <translation>Anhängen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>%1 does not appear to have any puzzles...
Please check data format</source>
        <translation>%1 scheint keine Rätsel zu enthalten ...
Bitte prüfen Sie das Datenformat</translation>
    </message>
    <message>
        <source>Reading a puzzle ...</source>
        <translation>Rätsel wird gelesen ...</translation>
    </message>
    <message>
        <source>Puzzle %1 could not be read</source>
        <translation>Rätsel %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Puzzle read</source>
        <translation>Rätsel gelesen</translation>
    </message>
    <message>
        <source>Error in reading File:
%1
Please check data format</source>
        <translation>Fehler beim Lesen der Datei:
%1
Bitte prüfen Sie das Datenformat</translation>
    </message>
    <message>
        <source>Puzzle %1 could not be read: puzzle %2 is shown</source>
        <translation>Rätsel %1 konnte nicht gelesen werden: Rätsel %2 wird angezeigt</translation>
    </message>
    <message>
        <source>p# %1 of %2</source>
        <extracomment>The puzzle&apos;s number in its file and the file&apos;s count of puzzles.</extracomment>
        <translation>Nr. %1 von %2</translation>
    </message>
    <message>
        <source>Click Create for a new puzzle ...</source>
        <translation>Für ein neues Rätsel auf Erstellen klicken ...</translation>
    </message>
    <message>
        <source>Colour Scheme: %1 not found</source>
        <translation>Farbschema %1 nicht gefunden</translation>
    </message>
    <message>
        <source>Creating puzzle (%1) ...</source>
        <translation>Rätsel wird erstellt (%1) ...</translation>
    </message>
    <message>
        <source>Creating puzzle#%1 (%2)</source>
        <translation>Rätsel Nr.%1 wird erstellt (%2)</translation>
    </message>
    <message>
        <source>Creation cancelled</source>
        <translation>Erstellen abgebrochen</translation>
    </message>
    <message>
        <source>Verifying ...</source>
        <translation>Wird überprüft ...</translation>
    </message>
    <message>
        <source>Puzzle created (%1)</source>
        <translation>Rätsel erstellt (%1)</translation>
    </message>
    <message>
        <source>Created puzzle#%1</source>
        <translation>Rätsel Nr.%1 erstellt</translation>
    </message>
    <message>
        <source>Create%1 puzzles</source>
        <translation>Sollen%1 Rätsel erstellt werden?</translation>
    </message>
    <message>
        <source>%1 puzzles created and saved to:<byte value="xd"/>
%2<byte value="xd"/>
Total puzzles in this file=%3</source>
        <translation>%1 Rätsel erstellt und gespeichert in:<byte value="xd"/>
%2<byte value="xd"/>
Rätsel in dieser Datei insgesamt=%3</translation>
    </message>
    <message>
        <source>Could not create a puzzle with%1 blanks in%2 Tries</source>
        <translation>In%2 Versuchen ließ sich kein Rätsel mit%1 leeren Zellen erstellen</translation>
    </message>
    <message>
        <source>needs no step</source>
        <translation>erfordert keinen Schritt</translation>
    </message>
    <message>
        <source>needs only singles</source>
        <translation>erfordert nur Singles</translation>
    </message>
    <message>
        <source>needs the sum areas</source>
        <translation>erfordert die Summenbereiche</translation>
    </message>
    <message>
        <source>needs a naked pair</source>
        <translation>erfordert ein nacktes Paar</translation>
    </message>
    <message>
        <source>needs a line-box reduction</source>
        <translation>erfordert eine Linien-Block-Reduktion</translation>
    </message>
    <message>
        <source>needs locked candidates</source>
        <translation>erfordert gesperrte Kandidaten</translation>
    </message>
    <message>
        <source>needs a hidden pair</source>
        <translation>erfordert ein verstecktes Paar</translation>
    </message>
    <message>
        <source>needs a naked triple</source>
        <translation>erfordert ein nacktes Tripel</translation>
    </message>
    <message>
        <source>needs a hidden triple</source>
        <translation>erfordert ein verstecktes Tripel</translation>
    </message>
    <message>
        <source>needs a naked quad</source>
        <translation>erfordert ein nacktes Quadrupel</translation>
    </message>
    <message>
        <source>needs a hidden quad</source>
        <translation>erfordert ein verstecktes Quadrupel</translation>
    </message>
    <message>
        <source>needs a two-line pattern</source>
        <translation>erfordert ein Muster über zwei Linien</translation>
    </message>
    <message>
        <source>needs a three-line pattern</source>
        <translation>erfordert ein Muster über drei Linien</translation>
    </message>
    <message>
        <source>Not graded: the stored solution disagrees with the clues</source>
        <translation>Nicht bewertet: Die gespeicherte Lösung passt nicht zu den Summen</translation>
    </message>
    <message>
        <source>needs more than the hints know</source>
        <translation>erfordert mehr, als die Tipps beherrschen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 puzzles with %2 given cells are very rare; creating one may take minutes</source>
        <translation>Rätsel vom Grad %1 mit %2 vorgegebenen Zellen sind sehr selten; das Erstellen kann Minuten dauern</translation>
    </message>
    <message>
        <source>Gentle</source>
        <translation>Sanft</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Tough</source>
        <translation>Zäh</translation>
    </message>
    <message>
        <source>Fiendish</source>
        <translation>Teuflisch</translation>
    </message>
    <message>
        <source>the top-left box</source>
        <translation>Block oben links</translation>
    </message>
    <message>
        <source>the top-middle box</source>
        <translation>Block oben Mitte</translation>
    </message>
    <message>
        <source>the top-right box</source>
        <translation>Block oben rechts</translation>
    </message>
    <message>
        <source>the middle-left box</source>
        <translation>Block Mitte links</translation>
    </message>
    <message>
        <source>the centre box</source>
        <translation>Block Mitte</translation>
    </message>
    <message>
        <source>the middle-right box</source>
        <translation>Block Mitte rechts</translation>
    </message>
    <message>
        <source>the bottom-left box</source>
        <translation>Block unten links</translation>
    </message>
    <message>
        <source>the bottom-middle box</source>
        <translation>Block unten Mitte</translation>
    </message>
    <message>
        <source>the bottom-right box</source>
        <translation>Block unten rechts</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>the cells in columns %1</source>
        <translation>die Zellen in den Spalten %1</translation>
    </message>
    <message>
        <source>the cells in rows %1</source>
        <translation>die Zellen in den Zeilen %1</translation>
    </message>
    <message>
        <source>the cells at %1</source>
        <translation>die Zellen in %1</translation>
    </message>
    <message>
        <source>Look at %1</source>
        <translation>Sehen Sie sich %1 an</translation>
    </message>
    <message>
        <source>In %1, the %2 can only go in %3, so no other cell of %3 can be %2</source>
        <translation>In %1 kann die %2 nur in %3 stehen, also kann keine andere Zelle von %3 eine %2 enthalten</translation>
    </message>
    <message>
        <source>In rows %1, the %2 can only go in columns %3, so no other cell of columns %3 can be %2</source>
        <translation>In den Zeilen %1 kann die %2 nur in den Spalten %3 stehen, also kann keine andere Zelle der Spalten %3 eine %2 enthalten</translation>
    </message>
    <message>
        <source>In columns %1, the %2 can only go in rows %3, so no other cell of rows %3 can be %2</source>
        <translation>In den Spalten %1 kann die %2 nur in den Zeilen %3 stehen, also kann keine andere Zelle der Zeilen %3 eine %2 enthalten</translation>
    </message>
    <message>
        <source>The %1 in %2 is wrong</source>
        <translation>Die %1 in %2 ist falsch</translation>
    </message>
    <message>
        <source>%1 can only be %2: no other digit is left among its marks</source>
        <translation>In %1 kann nur die %2 stehen: Unter den Bleistiftnotizen dieser Zelle bleibt keine andere Ziffer übrig</translation>
    </message>
    <message>
        <source>%1 can only be %2: every other digit is already in its row, column or box</source>
        <translation>In %1 kann nur die %2 stehen: Alle anderen Ziffern stehen schon in derselben Zeile, Spalte oder im selben Block</translation>
    </message>
    <message>
        <source>%1 can only be %2: the steps above leave it no other digit</source>
        <translation>In %1 kann nur die %2 stehen: Die Schritte oben lassen dort keine andere Ziffer übrig</translation>
    </message>
    <message>
        <source>In %1, the %2 can only go in %3</source>
        <translation>In %1 kann die %2 nur in %3 stehen</translation>
    </message>
    <message>
        <source>In %1, %2 can only hold %3, so no other cell of %1 can be %4</source>
        <translation>In %1 können %2 nur %3 enthalten, also ist in keiner anderen Zelle von %1 eine %4 möglich</translation>
    </message>
    <message>
        <source>In %1, the digits %2 can only go in %3, so those cells cannot hold any other digit</source>
        <translation>In %1 kommen für die Ziffern %2 nur %3 in Frage, also können diese Zellen keine andere Ziffer enthalten</translation>
    </message>
    <message>
        <source>clue %1 left of row %2</source>
        <translation>Summe %1 links von Zeile %2</translation>
    </message>
    <message>
        <source>clue %1 above column %2</source>
        <translation>Summe %1 über Spalte %2</translation>
    </message>
    <message>
        <source>clue %1 right of row %2</source>
        <translation>Summe %1 rechts von Zeile %2</translation>
    </message>
    <message>
        <source>clue %1 below column %2</source>
        <translation>Summe %1 unter Spalte %2</translation>
    </message>
    <message>
        <source>the top cell cannot be %1</source>
        <translation>die obere Zelle nicht %1 sein kann</translation>
    </message>
    <message>
        <source>the middle cell cannot be %1</source>
        <translation>die mittlere Zelle nicht %1 sein kann</translation>
    </message>
    <message>
        <source>the bottom cell cannot be %1</source>
        <translation>die untere Zelle nicht %1 sein kann</translation>
    </message>
    <message>
        <source>the left cell cannot be %1</source>
        <translation>die linke Zelle nicht %1 sein kann</translation>
    </message>
    <message>
        <source>the right cell cannot be %1</source>
        <translation>die rechte Zelle nicht %1 sein kann</translation>
    </message>
    <message>
        <source>%1 fits</source>
        <translation>%1 passt</translation>
    </message>
    <message>
        <source>%1 fit</source>
        <translation>%1 passen</translation>
    </message>
    <message>
        <source>%1: only %2, so %3</source>
        <translation>%1: Nur %2, sodass %3</translation>
    </message>
    <message>
        <source>Very Easy</source>
        <translation>Sehr leicht</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Kalvero-%1: p#%2 (%3) file - %4</source>
        <extracomment>Header of a printed puzzle: %1 web address, %2 puzzle number (with a leading blank), %3 level, %4 puzzle file</extracomment>
        <translation>Kalvero-%1: Nr.%2 (%3) Datei - %4</translation>
    </message>
    <message>
        <source>Specify print range</source>
        <translation>Druckbereich angeben</translation>
    </message>
    <message>
        <source>Print range not correct</source>
        <translation>Druckbereich ungültig</translation>
    </message>
    <message>
        <source>Print to PDF file</source>
        <translation>In PDF-Datei drucken</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>PDF file (no printer installed)</source>
        <translation>PDF-Datei (kein Drucker installiert)</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <source>Select a printer</source>
        <translation>Drucker auswählen</translation>
    </message>
    <message>
        <source>Could not print to %1</source>
        <extracomment>%1 is the printer or the PDF file</extracomment>
        <translation>Ausgabe an %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Puzzle printed</source>
        <translation>Rätsel gedruckt</translation>
    </message>
    <message>
        <source>%1 puzzles printed</source>
        <extracomment>%1 is the number of puzzles, written with a leading blank</extracomment>
        <translation>%1 Rätsel gedruckt</translation>
    </message>
    <message>
        <source>Kalvero-%1 (%2)</source>
        <extracomment>Solution picture, first line: %1 web address, %2 level</extracomment>
        <translation>Kalvero-%1 (%2)</translation>
    </message>
    <message>
        <source>p#%1 file - %2</source>
        <extracomment>Solution picture, second line: %1 puzzle number (with a leading blank), %2 puzzle file</extracomment>
        <translation>Nr.%1 Datei - %2</translation>
    </message>
    <message>
        <source>All user values will be cleared, proceed?</source>
        <translation>Alle Ihre Einträge werden gelöscht. Fortfahren?</translation>
    </message>
    <message>
        <source>Puzzle %1 could not be read again: nothing was reset</source>
        <translation>Rätsel %1 konnte nicht erneut gelesen werden: Nichts wurde zurückgesetzt</translation>
    </message>
    <message>
        <source>Puzzle reset</source>
        <translation>Rätsel zurückgesetzt</translation>
    </message>
    <message>
        <source>Solution ...</source>
        <translation>Lösung ...</translation>
    </message>
    <message>
        <source>This puzzle&apos;s clues and its stored solution disagree</source>
        <translation>Die Summen dieses Rätsels passen nicht zu seiner gespeicherten Lösung</translation>
    </message>
    <message>
        <source>The board is full: press Check</source>
        <translation>Das Spielfeld ist voll: Drücken Sie Prüfen</translation>
    </message>
    <message>
        <source>No further step found</source>
        <translation>Kein weiterer Schritt gefunden</translation>
    </message>
    <message>
        <source>Complete the puzzle first</source>
        <translation>Vervollständigen Sie zuerst das Rätsel</translation>
    </message>
    <message>
        <source>Solution not correct</source>
        <translation>Lösung nicht korrekt</translation>
    </message>
    <message>
        <source>All done!</source>
        <translation>Geschafft!</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Kalvero is a 9 x 9 digit-placement puzzle whose clues are the 36 sums of the three-cell blocks around the edge of the grid, together with a few given cells.

Play the puzzles of a puzzle file, create new ones at three levels, one at a time or many at once, keep pencil marks, check your work, print puzzles and copy them to the clipboard as pictures.

File &gt; Help explains the rules and every command.</source>
        <extracomment>&quot;File &gt; Help&quot; names the File menu and its Help command, as the menus call them.</extracomment>
        <translation>Kalvero ist ein 9 x 9-Ziffernrätsel, dessen Hinweiszahlen die 36 Summen aus je drei Zellen am Rand des Gitters sind; dazu kommen einige vorgegebene Zellen.

Spielen Sie die Rätsel einer Rätseldatei, erstellen Sie neue in drei Stufen, einzeln oder viele auf einmal, machen Sie Bleistiftnotizen, prüfen Sie Ihre Lösung, drucken Sie Rätsel und kopieren Sie sie als Bilder in die Zwischenablage.

Datei &gt; Hilfe erklärt die Regeln und jeden Befehl.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Grid Colour</source>
        <translation>Gitterfarbe</translation>
    </message>
    <message>
        <source>Numbers Colour</source>
        <translation>Zahlenfarbe</translation>
    </message>
    <message>
        <source>Pencilmark Colour</source>
        <translation>Bleistiftfarbe</translation>
    </message>
    <message>
        <source>Show Pencil Marks as Tooltip</source>
        <translation>Bleistiftnotizen als Tooltip anzeigen</translation>
    </message>
    <message>
        <source>Show Sum Areas as Tooltip</source>
        <translation>Summenbereiche als Tooltip anzeigen</translation>
    </message>
    <message>
        <source>Highlight the same digit</source>
        <translation>Gleiche Ziffer hervorheben</translation>
    </message>
    <message>
        <source>Also its row, column and box</source>
        <extracomment>Follows &quot;Highlight the same digit&quot;: also highlight the row, column and box of that digit</extracomment>
        <translation>Auch Zeile, Spalte und Block</translation>
    </message>
    <message>
        <source>Show mistakes as you go</source>
        <translation>Fehler sofort anzeigen</translation>
    </message>
    <message>
        <source>Show the timer</source>
        <translation>Uhr anzeigen</translation>
    </message>
    <message>
        <source>Enter Puzzle Number to display
1 to%1</source>
        <translation>Nummer des anzuzeigenden Rätsels eingeben
1 bis%1</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>kalvero::AboutForm</name>
    <message>
        <source>About Kalvero</source>
        <translation>Über Kalvero</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kalvero::BoardView</name>
    <message>
        <source>Board</source>
        <extracomment>Accessible name of the puzzle board</extracomment>
        <translation>Spielfeld</translation>
    </message>
</context>
<context>
    <name>kalvero::ColPik</name>
    <message>
        <source>Selected Colour</source>
        <translation>Gewählte Farbe</translation>
    </message>
</context>
<context>
    <name>kalvero::CreateOptionsForm</name>
    <message>
        <source>Kalvero Create Options</source>
        <translation>Kalvero – Erstellungsoptionen</translation>
    </message>
    <message>
        <source>Create</source>
        <extracomment>Button that starts creating the puzzles</extracomment>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Fixed Cells</source>
        <translation>Vorgegebene Zellen</translation>
    </message>
    <message>
        <source>Random</source>
        <extracomment>Pattern choice: the fixed cells are placed at random</extracomment>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source># of Fixed Cells</source>
        <translation>Anzahl der Zellen</translation>
    </message>
    <message>
        <source>Number of fixed cells</source>
        <translation>Anzahl der vorgegebenen Zellen</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>Button that fills the grid with the chosen pattern of fixed cells</extracomment>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source># of Puzzles</source>
        <translation>Anzahl Rätsel</translation>
    </message>
    <message>
        <source>Number of puzzles</source>
        <translation>Anzahl der Rätsel</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Schwierigkeitsgrad</translation>
    </message>
    <message>
        <source>Any</source>
        <extracomment>Grade list entry: puzzles of any grade</extracomment>
        <translation>Beliebig</translation>
    </message>
    <message>
        <source>Puzzle Output File</source>
        <translation>Ausgabedatei</translation>
    </message>
    <message>
        <source>Puzzle output file</source>
        <translation>Ausgabedatei für die Rätsel</translation>
    </message>
    <message>
        <source>Choose output file</source>
        <translation>Ausgabedatei wählen</translation>
    </message>
    <message>
        <source>Fixed cells must be %1 to %2</source>
        <translation>Die Anzahl der vorgegebenen Zellen muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>There must be at least one fixed cell</source>
        <translation>Es muss mindestens eine vorgegebene Zelle geben</translation>
    </message>
    <message>
        <source>Set number of puzzles to create</source>
        <translation>Geben Sie an, wie viele Rätsel erstellt werden sollen</translation>
    </message>
    <message>
        <source>Specify the puzzle output file name</source>
        <translation>Geben Sie den Namen der Ausgabedatei an</translation>
    </message>
</context>
<context>
    <name>kalvero::CreationController</name>
    <message>
        <source>Creating a %1 %2 puzzle … %3 tried (very rare: may take minutes)</source>
        <extracomment>%1 the grade, %2 the level, %3 how many puzzles have been rated.</extracomment>
        <translation>Rätsel wird erstellt (%2, %1) … %3 versucht (sehr selten: kann Minuten dauern)</translation>
    </message>
    <message>
        <source>Creating a %1 %2 puzzle … %3 tried</source>
        <translation>Rätsel wird erstellt (%2, %1) … %3 versucht</translation>
    </message>
    <message>
        <source>Creation cancelled</source>
        <translation>Erstellen abgebrochen</translation>
    </message>
    <message>
        <source>Could not write the temporary puzzle file:
%1</source>
        <translation>Die temporäre Rätseldatei konnte nicht geschrieben werden:
%1</translation>
    </message>
    <message>
        <source>Could not save the grade in:
%1</source>
        <translation>Der Schwierigkeitsgrad konnte nicht gespeichert werden in:
%1</translation>
    </message>
    <message>
        <source>Fixed cells not set</source>
        <translation>Keine vorgegebenen Zellen festgelegt</translation>
    </message>
    <message>
        <source>Puzzles tried: %1</source>
        <translation>Versuchte Rätsel: %1</translation>
    </message>
    <message>
        <source>Creation cancelled after %1 puzzles</source>
        <translation>Erstellen abgebrochen: %1 Rätsel erstellt</translation>
    </message>
    <message>
        <source>Could not write the puzzle file:
%1</source>
        <translation>Die Rätseldatei konnte nicht geschrieben werden:
%1</translation>
    </message>
</context>
<context>
    <name>kalvero::FNDialog</name>
    <message>
        <source>Kalvero Files</source>
        <translation>Kalvero-Dateien</translation>
    </message>
</context>
<context>
    <name>kalvero::FileCommands</name>
    <message>
        <source>File not found:
%1</source>
        <translation>Datei nicht gefunden:
%1</translation>
    </message>
    <message>
        <source>Not a regular file:
%1</source>
        <translation>Keine reguläre Datei:
%1</translation>
    </message>
    <message>
        <source>Could not write the puzzle file:
%1</source>
        <translation>Die Rätseldatei konnte nicht geschrieben werden:
%1</translation>
    </message>
    <message>
        <source>%1 not found</source>
        <translation>%1 nicht gefunden</translation>
    </message>
    <message>
        <source>Puzzle# %1 added to file: %2</source>
        <translation>Rätsel Nr. %1 an Datei angehängt: %2</translation>
    </message>
    <message>
        <source>Puzzle# %1 added to file:
%2</source>
        <translation>Rätsel Nr. %1 an Datei angehängt:
%2</translation>
    </message>
    <message>
        <source>Remove current puzzle from file: %1?</source>
        <translation>Aktuelles Rätsel aus der Datei entfernen: %1?</translation>
    </message>
    <message>
        <source>Puzzle deleted
No puzzle of the file could be read</source>
        <translation>Rätsel gelöscht
Kein Rätsel der Datei konnte gelesen werden</translation>
    </message>
    <message>
        <source>Puzzle deleted
Puzzle %1 could not be read: puzzle %2 is shown</source>
        <translation>Rätsel gelöscht
Rätsel %1 konnte nicht gelesen werden: Rätsel %2 wird angezeigt</translation>
    </message>
    <message>
        <source>Puzzle deleted</source>
        <translation>Rätsel gelöscht</translation>
    </message>
</context>
<context>
    <name>kalvero::HelpWindow</name>
    <message>
        <source>Kalvero Help</source>
        <translation>Kalvero-Hilfe</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
</context>
<context>
    <name>kalvero::MainWindow</name>
    <message>
        <source>Kalvero</source>
        <extracomment>The program&apos;s name, the main window&apos;s title.</extracomment>
        <translation>Kalvero</translation>
    </message>
    <message>
        <source>Current options saved</source>
        <translation>Aktuelle Optionen gespeichert</translation>
    </message>
    <message>
        <source>Configuration file not found ...
A new file will be created</source>
        <translation>Konfigurationsdatei nicht gefunden ...
Eine neue Datei wird angelegt</translation>
    </message>
    <message>
        <source>The configuration file could not be read:
%1
The default settings are used</source>
        <translation>Die Konfigurationsdatei konnte nicht gelesen werden:
%1
Es werden die Standardeinstellungen verwendet</translation>
    </message>
    <message>
        <source>The configuration file could not be read and was kept as:
%1
A new file will be created</source>
        <translation>Die Konfigurationsdatei konnte nicht gelesen werden und wurde aufbewahrt als:
%1
Eine neue Datei wird angelegt</translation>
    </message>
    <message>
        <source>Could not read the configuration file:
%1
%2
The default settings are used</source>
        <extracomment>%1 the file, %2 the system&apos;s reason.</extracomment>
        <translation>Die Konfigurationsdatei konnte nicht gelesen werden:
%1
%2
Es werden die Standardeinstellungen verwendet</translation>
    </message>
    <message>
        <source>Could not write the configuration file:
%1</source>
        <translation>Die Konfigurationsdatei konnte nicht geschrieben werden:
%1</translation>
    </message>
    <message>
        <source>Settings cannot be saved ...
Neither the program folder nor the data folder can be written</source>
        <translation>Die Einstellungen können nicht gespeichert werden ...
Weder der Programmordner noch der Datenordner ist beschreibbar</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>Beenden?</translation>
    </message>
    <message>
        <source>Could not keep the unfinished entries in:
%1</source>
        <translation>Die unfertigen Einträge konnten nicht gespeichert werden in:
%1</translation>
    </message>
</context>
<context>
    <name>kalvero::MsgForm</name>
    <message>
        <source>Enter</source>
        <extracomment>Input box button that accepts the typed text</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>Input box button that puts the suggested text back into the field</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>kalvero::OptionsForm</name>
    <message>
        <source>Kalvero options</source>
        <translation>Kalvero – Optionen</translation>
    </message>
    <message>
        <source>Colour Scheme</source>
        <translation>Farbschema</translation>
    </message>
    <message>
        <source>Select Colour</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Click to set Grid Colour; select colour first</source>
        <translation>Klicken, um die gewählte Farbe hier zuzuweisen; zuerst eine Farbe wählen</translation>
    </message>
    <message>
        <source>Printer Line Size</source>
        <translation>Linienstärke beim Drucken</translation>
    </message>
    <message>
        <source>Darken the button colour; rightclick to brighten it</source>
        <translation>Schaltflächenfarbe abdunkeln; Rechtsklick: aufhellen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Colour Scheme: %1</source>
        <translation>Farbschema: %1</translation>
    </message>
    <message>
        <source>Color Scheme: %1 not found</source>
        <translation>Farbschema %1 nicht gefunden</translation>
    </message>
</context>
<context>
    <name>kalvero::OutputCommands</name>
    <message>
        <source>Print current puzzle and its solution?</source>
        <translation>Aktuelles Rätsel mit Lösung drucken?</translation>
    </message>
    <message>
        <source>Could not save the highlights in:
%1</source>
        <translation>Die Hervorhebungen konnten nicht gespeichert werden in:
%1</translation>
    </message>
</context>
<context>
    <name>kalvero::PatternGrid</name>
    <message>
        <source>Fixed cells pattern</source>
        <translation>Muster der vorgegebenen Zellen</translation>
    </message>
</context>
<context>
    <name>kalvero::PlayController</name>
    <message>
        <source>Unfinished entries restored</source>
        <translation>Unfertige Einträge wiederhergestellt</translation>
    </message>
    <message>
        <source>Solved in %1 with hints or the solution shown: not counted for the best times</source>
        <translation>Gelöst in %1, aber mit Tipps oder angezeigter Lösung: zählt nicht für die Bestzeiten</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 the grade, %2 the level: &quot;Tough Hard&quot;.</extracomment>
        <translation>%2 (%1)</translation>
    </message>
    <message>
        <source>Solved in %1; the best for %2 puzzles is %3</source>
        <extracomment>%1 the time taken, %2 the grade and level, %3 the best time.</extracomment>
        <translation>Gelöst in %1; die Bestzeit für Rätsel „%2“ ist %3</translation>
    </message>
    <message>
        <source>Solved in %1 — a new best for %2 puzzles (the best times could not be saved)</source>
        <translation>Gelöst in %1 — neue Bestzeit für Rätsel „%2“ (die Bestzeiten konnten nicht gespeichert werden)</translation>
    </message>
    <message>
        <source>Solved in %1 — a new best for %2 puzzles</source>
        <translation>Gelöst in %1 — neue Bestzeit für Rätsel „%2“</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>The selected cell for screen readers: its row, its column and its digit.</extracomment>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
</context>
<context>
    <name>kalvero::PrntForm</name>
    <message>
        <source>Print Puzzles</source>
        <translation>Rätsel drucken</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Rätsel</translation>
    </message>
    <message>
        <source>Current Puzzle</source>
        <translation>Aktuelles Rätsel</translation>
    </message>
    <message>
        <source>Range</source>
        <extracomment>Print choice: a range of puzzles of the file, such as 5-10</extracomment>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Enter range like 5-10</source>
        <translation>Bereich eingeben, z. B. 5-10</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Current printer</source>
        <translation>Aktueller Drucker</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>Button that prints the chosen puzzles</extracomment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select a printer</source>
        <translation>Drucker auswählen</translation>
    </message>
</context>
</TS>
