<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Kalvero</name>
    <message>
        <source>Load a new Puzzle File</source>
        <translation>Charger un autre fichier de grilles</translation>
    </message>
    <message>
        <source>Previous Puzzle, rightclick for first puzzle</source>
        <translation>Grille précédente&#xa0;; clic droit&#xa0;: première grille</translation>
    </message>
    <message>
        <source>Random Puzzle, rightclick to display a specific puzzle</source>
        <translation>Grille au hasard&#xa0;; clic droit&#xa0;: afficher une grille précise</translation>
    </message>
    <message>
        <source>Next Puzzle, rightclick for last puzzle</source>
        <translation>Grille suivante&#xa0;; clic droit&#xa0;: dernière grille</translation>
    </message>
    <message>
        <source>Create a new puzzle; right click to set options and create multiple puzzles</source>
        <translation>Créer une nouvelle grille&#xa0;; clic droit&#xa0;: options de création et création de plusieurs grilles</translation>
    </message>
    <message>
        <source>Display pencil marks; rightclick to clear</source>
        <translation>Afficher les annotations&#xa0;; clic droit&#xa0;: les effacer</translation>
    </message>
    <message>
        <source>Undo last manual placement; rightclick to reset all</source>
        <translation>Annuler la dernière saisie&#xa0;; clic droit&#xa0;: tout réinitialiser</translation>
    </message>
    <message>
        <source>Reset puzzle</source>
        <translation>Réinitialiser la grille</translation>
    </message>
    <message>
        <source>Check if puzzle solved</source>
        <translation>Vérifier si la grille est résolue</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Afficher la solution</translation>
    </message>
    <message>
        <source>Set difficulty level for a new puzzle</source>
        <translation>Choisir le niveau d&apos;une nouvelle grille</translation>
    </message>
    <message>
        <source>Pencil value</source>
        <translation>Annotations de la case</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Accessible name of the play-time label.</extracomment>
        <translation>Temps</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Options menu: opens the options window.</extracomment>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Menu entry that only closes its menu.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Append</source>
        <extracomment>Puzzle menu: adds the shown puzzle to the current puzzle file.</extracomment>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>%1 does not appear to have any puzzles...
Please check data format</source>
        <translation>%1 ne semble contenir aucune grille…
Vérifiez le format des données</translation>
    </message>
    <message>
        <source>Reading a puzzle ...</source>
        <translation>Lecture d&apos;une grille…</translation>
    </message>
    <message>
        <source>Puzzle %1 could not be read</source>
        <translation>Impossible de lire la grille %1</translation>
    </message>
    <message>
        <source>Puzzle read</source>
        <translation>Grille lue</translation>
    </message>
    <message>
        <source>Error in reading File:
%1
Please check data format</source>
        <translation>Erreur de lecture du fichier&#xa0;:
%1
Vérifiez le format des données</translation>
    </message>
    <message>
        <source>Puzzle %1 could not be read: puzzle %2 is shown</source>
        <translation>Impossible de lire la grille %1&#xa0;: la grille %2 est affichée</translation>
    </message>
    <message>
        <source>p# %1 of %2</source>
        <extracomment>The puzzle&apos;s number in its file and the file&apos;s count of puzzles.</extracomment>
        <translation>n°&#xa0;%1 sur %2</translation>
    </message>
    <message>
        <source>Click Create for a new puzzle ...</source>
        <translation>Cliquez sur Créer pour une nouvelle grille…</translation>
    </message>
    <message>
        <source>Colour Scheme: %1 not found</source>
        <translation>Jeu de couleurs introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Creating puzzle (%1) ...</source>
        <translation>Création d&apos;une grille (%1)…</translation>
    </message>
    <message>
        <source>Creating puzzle#%1 (%2)</source>
        <translation>Création de la grille n°%1 (%2)</translation>
    </message>
    <message>
        <source>Creation cancelled</source>
        <translation>Création annulée</translation>
    </message>
    <message>
        <source>Verifying ...</source>
        <translation>Vérification…</translation>
    </message>
    <message>
        <source>Puzzle created (%1)</source>
        <translation>Grille créée (%1)</translation>
    </message>
    <message>
        <source>Created puzzle#%1</source>
        <translation>Grille n°%1 créée</translation>
    </message>
    <message>
        <source>Create%1 puzzles</source>
        <translation>Créer%1 grilles&#xa0;?</translation>
    </message>
    <message>
        <source>%1 puzzles created and saved to:<byte value="xd"/>
%2<byte value="xd"/>
Total puzzles in this file=%3</source>
        <translation>%1 grilles créées et enregistrées dans&#xa0;:<byte value="xd"/>
%2<byte value="xd"/>
Nombre total de grilles dans ce fichier&#xa0;:%3</translation>
    </message>
    <message>
        <source>Could not create a puzzle with%1 blanks in%2 Tries</source>
        <translation>Impossible de créer une grille avec%1 cases vides en%2 essais</translation>
    </message>
    <message>
        <source>needs no step</source>
        <translation>ne nécessite aucune étape</translation>
    </message>
    <message>
        <source>needs only singles</source>
        <translation>ne nécessite que des singletons</translation>
    </message>
    <message>
        <source>needs the sum areas</source>
        <translation>nécessite les zones de somme</translation>
    </message>
    <message>
        <source>needs a naked pair</source>
        <translation>nécessite une paire nue</translation>
    </message>
    <message>
        <source>needs a line-box reduction</source>
        <translation>nécessite une réduction ligne-bloc</translation>
    </message>
    <message>
        <source>needs locked candidates</source>
        <translation>nécessite des candidats verrouillés</translation>
    </message>
    <message>
        <source>needs a hidden pair</source>
        <translation>nécessite une paire cachée</translation>
    </message>
    <message>
        <source>needs a naked triple</source>
        <translation>nécessite un triplet nu</translation>
    </message>
    <message>
        <source>needs a hidden triple</source>
        <translation>nécessite un triplet caché</translation>
    </message>
    <message>
        <source>needs a naked quad</source>
        <translation>nécessite un quadruplet nu</translation>
    </message>
    <message>
        <source>needs a hidden quad</source>
        <translation>nécessite un quadruplet caché</translation>
    </message>
    <message>
        <source>needs a two-line pattern</source>
        <translation>nécessite un motif à deux lignes</translation>
    </message>
    <message>
        <source>needs a three-line pattern</source>
        <translation>nécessite un motif à trois lignes</translation>
    </message>
    <message>
        <source>Not graded: the stored solution disagrees with the clues</source>
        <translation>Degré inconnu&#xa0;: la solution enregistrée ne concorde pas avec les indices</translation>
    </message>
    <message>
        <source>needs more than the hints know</source>
        <translation>dépasse les connaissances des conseils</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 puzzles with %2 given cells are very rare; creating one may take minutes</source>
        <translation>Les grilles de degré %1 à %2 cases données sont très rares&#xa0;; en créer une peut prendre plusieurs minutes</translation>
    </message>
    <message>
        <source>Gentle</source>
        <translation>Doux</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Modéré</translation>
    </message>
    <message>
        <source>Tough</source>
        <translation>Coriace</translation>
    </message>
    <message>
        <source>Fiendish</source>
        <translation>Diabolique</translation>
    </message>
    <message>
        <source>the top-left box</source>
        <translation>le bloc en haut à gauche</translation>
    </message>
    <message>
        <source>the top-middle box</source>
        <translation>le bloc central du haut</translation>
    </message>
    <message>
        <source>the top-right box</source>
        <translation>le bloc en haut à droite</translation>
    </message>
    <message>
        <source>the middle-left box</source>
        <translation>le bloc central de gauche</translation>
    </message>
    <message>
        <source>the centre box</source>
        <translation>le bloc central</translation>
    </message>
    <message>
        <source>the middle-right box</source>
        <translation>le bloc central de droite</translation>
    </message>
    <message>
        <source>the bottom-left box</source>
        <translation>le bloc en bas à gauche</translation>
    </message>
    <message>
        <source>the bottom-middle box</source>
        <translation>le bloc central du bas</translation>
    </message>
    <message>
        <source>the bottom-right box</source>
        <translation>le bloc en bas à droite</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>la ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>la ligne %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>la colonne %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>the cells in columns %1</source>
        <translation>les cases des colonnes %1</translation>
    </message>
    <message>
        <source>the cells in rows %1</source>
        <translation>les cases des lignes %1</translation>
    </message>
    <message>
        <source>the cells at %1</source>
        <translation>les cases situées à %1</translation>
    </message>
    <message>
        <source>Look at %1</source>
        <translation>Regardez %1</translation>
    </message>
    <message>
        <source>In %1, the %2 can only go in %3, so no other cell of %3 can be %2</source>
        <translation>Dans %1, le %2 ne peut aller que dans %3&#xa0;; il est donc exclu partout ailleurs dans %3</translation>
    </message>
    <message>
        <source>In rows %1, the %2 can only go in columns %3, so no other cell of columns %3 can be %2</source>
        <translation>Dans les lignes %1, le %2 ne peut aller que dans les colonnes %3&#xa0;; il est donc exclu partout ailleurs dans les colonnes %3</translation>
    </message>
    <message>
        <source>In columns %1, the %2 can only go in rows %3, so no other cell of rows %3 can be %2</source>
        <translation>Dans les colonnes %1, le %2 ne peut aller que dans les lignes %3&#xa0;; il est donc exclu partout ailleurs dans les lignes %3</translation>
    </message>
    <message>
        <source>The %1 in %2 is wrong</source>
        <translation>Le %1 placé à %2 est faux</translation>
    </message>
    <message>
        <source>%1 can only be %2: no other digit is left among its marks</source>
        <translation>À %1, seul le %2 est possible&#xa0;: il ne reste aucun autre chiffre parmi les annotations de cette case</translation>
    </message>
    <message>
        <source>%1 can only be %2: every other digit is already in its row, column or box</source>
        <translation>À %1, seul le %2 est possible&#xa0;: tous les autres chiffres figurent déjà dans la ligne, la colonne ou le bloc de cette case</translation>
    </message>
    <message>
        <source>%1 can only be %2: the steps above leave it no other digit</source>
        <translation>À %1, seul le %2 est possible&#xa0;: les étapes ci-dessus ne laissent aucun autre chiffre à cette case</translation>
    </message>
    <message>
        <source>In %1, the %2 can only go in %3</source>
        <translation>Dans %1, le %2 ne peut aller que dans %3</translation>
    </message>
    <message>
        <source>In %1, %2 can only hold %3, so no other cell of %1 can be %4</source>
        <translation>Dans %1, %2 ne peuvent contenir que %3&#xa0;; ailleurs dans %1, aucune case ne peut donc contenir %4</translation>
    </message>
    <message>
        <source>In %1, the digits %2 can only go in %3, so those cells cannot hold any other digit</source>
        <translation>Dans %1, les chiffres %2 ne peuvent aller que dans %3&#xa0;; ces cases ne peuvent donc contenir aucun autre chiffre</translation>
    </message>
    <message>
        <source>clue %1 left of row %2</source>
        <translation>l&apos;indice %1 à gauche de la ligne %2</translation>
    </message>
    <message>
        <source>clue %1 above column %2</source>
        <translation>l&apos;indice %1 au-dessus de la colonne %2</translation>
    </message>
    <message>
        <source>clue %1 right of row %2</source>
        <translation>l&apos;indice %1 à droite de la ligne %2</translation>
    </message>
    <message>
        <source>clue %1 below column %2</source>
        <translation>l&apos;indice %1 au-dessous de la colonne %2</translation>
    </message>
    <message>
        <source>the top cell cannot be %1</source>
        <translation>la case du haut ne peut pas contenir %1</translation>
    </message>
    <message>
        <source>the middle cell cannot be %1</source>
        <translation>la case du milieu ne peut pas contenir %1</translation>
    </message>
    <message>
        <source>the bottom cell cannot be %1</source>
        <translation>la case du bas ne peut pas contenir %1</translation>
    </message>
    <message>
        <source>the left cell cannot be %1</source>
        <translation>la case de gauche ne peut pas contenir %1</translation>
    </message>
    <message>
        <source>the right cell cannot be %1</source>
        <translation>la case de droite ne peut pas contenir %1</translation>
    </message>
    <message>
        <source>%1 fits</source>
        <translation>seul le triplet %1 convient</translation>
    </message>
    <message>
        <source>%1 fit</source>
        <translation>seuls les triplets %1 conviennent</translation>
    </message>
    <message>
        <source>%1: only %2, so %3</source>
        <translation>%1&#xa0;: %2, donc %3</translation>
    </message>
    <message>
        <source>Very Easy</source>
        <translation>Très facile</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Kalvero-%1: p#%2 (%3) file - %4</source>
        <extracomment>Header of a printed puzzle: %1 web address, %2 puzzle number (with a leading blank), %3 level, %4 puzzle file</extracomment>
        <translation>Kalvero-%1&#xa0;: n°%2 (%3) fichier - %4</translation>
    </message>
    <message>
        <source>Specify print range</source>
        <translation>Indiquez la plage à imprimer</translation>
    </message>
    <message>
        <source>Print range not correct</source>
        <translation>Plage d&apos;impression incorrecte</translation>
    </message>
    <message>
        <source>Print to PDF file</source>
        <translation>Imprimer dans un fichier PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF file (no printer installed)</source>
        <translation>Fichier PDF (aucune imprimante installée)</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Fichier PDF</translation>
    </message>
    <message>
        <source>Select a printer</source>
        <translation>Choisir une imprimante</translation>
    </message>
    <message>
        <source>Could not print to %1</source>
        <extracomment>%1 is the printer or the PDF file</extracomment>
        <translation>Impossible d&apos;imprimer vers %1</translation>
    </message>
    <message>
        <source>Puzzle printed</source>
        <translation>Grille imprimée</translation>
    </message>
    <message>
        <source>%1 puzzles printed</source>
        <extracomment>%1 is the number of puzzles, written with a leading blank</extracomment>
        <translation>%1 grilles imprimées</translation>
    </message>
    <message>
        <source>Kalvero-%1 (%2)</source>
        <extracomment>Solution picture, first line: %1 web address, %2 level</extracomment>
        <translation>Kalvero-%1 (%2)</translation>
    </message>
    <message>
        <source>p#%1 file - %2</source>
        <extracomment>Solution picture, second line: %1 puzzle number (with a leading blank), %2 puzzle file</extracomment>
        <translation>n°%1 fichier - %2</translation>
    </message>
    <message>
        <source>All user values will be cleared, proceed?</source>
        <translation>Toutes vos saisies seront effacées. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Puzzle %1 could not be read again: nothing was reset</source>
        <translation>Impossible de relire la grille %1&#xa0;: rien n&apos;a été réinitialisé</translation>
    </message>
    <message>
        <source>Puzzle reset</source>
        <translation>Grille réinitialisée</translation>
    </message>
    <message>
        <source>Solution ...</source>
        <translation>Solution…</translation>
    </message>
    <message>
        <source>This puzzle&apos;s clues and its stored solution disagree</source>
        <translation>Les indices de cette grille et sa solution enregistrée ne concordent pas</translation>
    </message>
    <message>
        <source>The board is full: press Check</source>
        <translation>Le plateau est rempli&#xa0;: appuyez sur Vérifier</translation>
    </message>
    <message>
        <source>No further step found</source>
        <translation>Aucune autre étape trouvée</translation>
    </message>
    <message>
        <source>Complete the puzzle first</source>
        <translation>Complétez d&apos;abord la grille</translation>
    </message>
    <message>
        <source>Solution not correct</source>
        <translation>Solution incorrecte</translation>
    </message>
    <message>
        <source>All done!</source>
        <translation>Terminé&#xa0;!</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Kalvero is a 9 x 9 digit-placement puzzle whose clues are the 36 sums of the three-cell blocks around the edge of the grid, together with a few given cells.

Play the puzzles of a puzzle file, create new ones at three levels, one at a time or many at once, keep pencil marks, check your work, print puzzles and copy them to the clipboard as pictures.

File &gt; Help explains the rules and every command.</source>
        <extracomment>&quot;File &gt; Help&quot; names the File menu and its Help command, as the menus call them.</extracomment>
        <translation>Kalvero est un puzzle de placement de chiffres sur une grille de 9 x 9, dont les indices sont les 36 sommes des groupes de trois cases situés au bord de la grille, complétées par quelques cases données.

Jouez les grilles d&apos;un fichier de grilles, créez-en de nouvelles à trois niveaux, une par une ou plusieurs à la fois, prenez des annotations, vérifiez votre travail, imprimez des grilles et copiez-les dans le presse-papiers sous forme d&apos;images.

Fichier &gt; Aide explique les règles et toutes les commandes.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Grid Colour</source>
        <translation>Couleur de la grille</translation>
    </message>
    <message>
        <source>Numbers Colour</source>
        <translation>Couleur des nombres</translation>
    </message>
    <message>
        <source>Pencilmark Colour</source>
        <translation>Couleur des annotations</translation>
    </message>
    <message>
        <source>Show Pencil Marks as Tooltip</source>
        <translation>Afficher les annotations en infobulle</translation>
    </message>
    <message>
        <source>Show Sum Areas as Tooltip</source>
        <translation>Afficher les zones de somme en infobulle</translation>
    </message>
    <message>
        <source>Highlight the same digit</source>
        <translation>Mettre en évidence le même chiffre</translation>
    </message>
    <message>
        <source>Also its row, column and box</source>
        <extracomment>Follows &quot;Highlight the same digit&quot;: also highlight the row, column and box of that digit</extracomment>
        <translation>Ainsi que sa ligne, sa colonne et son bloc</translation>
    </message>
    <message>
        <source>Show mistakes as you go</source>
        <translation>Signaler les erreurs en cours de jeu</translation>
    </message>
    <message>
        <source>Show the timer</source>
        <translation>Afficher l&apos;horloge</translation>
    </message>
    <message>
        <source>Enter Puzzle Number to display
1 to%1</source>
        <translation>Numéro de la grille à afficher
1 à%1</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
</context>
<context>
    <name>kalvero::AboutForm</name>
    <message>
        <source>About Kalvero</source>
        <translation>À propos de Kalvero</translation>
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
        <translation>Plateau</translation>
    </message>
</context>
<context>
    <name>kalvero::ColPik</name>
    <message>
        <source>Selected Colour</source>
        <translation>Couleur choisie</translation>
    </message>
</context>
<context>
    <name>kalvero::CreateOptionsForm</name>
    <message>
        <source>Kalvero Create Options</source>
        <translation>Options de création de Kalvero</translation>
    </message>
    <message>
        <source>Create</source>
        <extracomment>Button that starts creating the puzzles</extracomment>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Fixed Cells</source>
        <translation>Cases données</translation>
    </message>
    <message>
        <source>Random</source>
        <extracomment>Pattern choice: the fixed cells are placed at random</extracomment>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source># of Fixed Cells</source>
        <translation>Nombre de cases</translation>
    </message>
    <message>
        <source>Number of fixed cells</source>
        <translation>Nombre de cases données</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>Button that fills the grid with the chosen pattern of fixed cells</extracomment>
        <translation>Placer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source># of Puzzles</source>
        <translation>Nombre de grilles</translation>
    </message>
    <message>
        <source>Number of puzzles</source>
        <translation>Nombre de grilles</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Degré</translation>
    </message>
    <message>
        <source>Any</source>
        <extracomment>Grade list entry: puzzles of any grade</extracomment>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Puzzle Output File</source>
        <translation>Fichier de destination</translation>
    </message>
    <message>
        <source>Puzzle output file</source>
        <translation>Fichier de destination des grilles</translation>
    </message>
    <message>
        <source>Choose output file</source>
        <translation>Choisir le fichier de destination</translation>
    </message>
    <message>
        <source>Fixed cells must be %1 to %2</source>
        <translation>Le nombre de cases données doit être compris entre %1 et %2</translation>
    </message>
    <message>
        <source>There must be at least one fixed cell</source>
        <translation>Il faut au moins une case donnée</translation>
    </message>
    <message>
        <source>Set number of puzzles to create</source>
        <translation>Indiquez le nombre de grilles à créer</translation>
    </message>
    <message>
        <source>Specify the puzzle output file name</source>
        <translation>Indiquez le nom du fichier de destination</translation>
    </message>
</context>
<context>
    <name>kalvero::CreationController</name>
    <message>
        <source>Creating a %1 %2 puzzle … %3 tried (very rare: may take minutes)</source>
        <extracomment>%1 the grade, %2 the level, %3 how many puzzles have been rated.</extracomment>
        <translation>Création d&apos;une grille %2 (%1) … %3 essayées (très rare&#xa0;: peut prendre plusieurs minutes)</translation>
    </message>
    <message>
        <source>Creating a %1 %2 puzzle … %3 tried</source>
        <translation>Création d&apos;une grille %2 (%1) … %3 essayées</translation>
    </message>
    <message>
        <source>Creation cancelled</source>
        <translation>Création annulée</translation>
    </message>
    <message>
        <source>Could not write the temporary puzzle file:
%1</source>
        <translation>Impossible d&apos;écrire le fichier de grilles temporaire&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Could not save the grade in:
%1</source>
        <translation>Impossible d&apos;enregistrer le degré dans&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Fixed cells not set</source>
        <translation>Cases données non définies</translation>
    </message>
    <message>
        <source>Puzzles tried: %1</source>
        <translation>Grilles essayées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Creation cancelled after %1 puzzles</source>
        <translation>Création annulée après %1 grilles</translation>
    </message>
    <message>
        <source>Could not write the puzzle file:
%1</source>
        <translation>Impossible d&apos;écrire le fichier de grilles&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>kalvero::FNDialog</name>
    <message>
        <source>Kalvero Files</source>
        <translation>Fichiers Kalvero</translation>
    </message>
</context>
<context>
    <name>kalvero::FileCommands</name>
    <message>
        <source>File not found:
%1</source>
        <translation>Fichier introuvable&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Not a regular file:
%1</source>
        <translation>Ce n&apos;est pas un fichier ordinaire&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Could not write the puzzle file:
%1</source>
        <translation>Impossible d&apos;écrire le fichier de grilles&#xa0;:
%1</translation>
    </message>
    <message>
        <source>%1 not found</source>
        <translation>%1 introuvable</translation>
    </message>
    <message>
        <source>Puzzle# %1 added to file: %2</source>
        <translation>Grille n°&#xa0;%1 ajoutée au fichier&#xa0;: %2</translation>
    </message>
    <message>
        <source>Puzzle# %1 added to file:
%2</source>
        <translation>Grille n°&#xa0;%1 ajoutée au fichier&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Remove current puzzle from file: %1?</source>
        <translation>Retirer la grille courante du fichier %1&#xa0;?</translation>
    </message>
    <message>
        <source>Puzzle deleted
No puzzle of the file could be read</source>
        <translation>Grille supprimée
Aucune grille du fichier n&apos;a pu être lue</translation>
    </message>
    <message>
        <source>Puzzle deleted
Puzzle %1 could not be read: puzzle %2 is shown</source>
        <translation>Grille supprimée
Impossible de lire la grille %1&#xa0;: la grille %2 est affichée</translation>
    </message>
    <message>
        <source>Puzzle deleted</source>
        <translation>Grille supprimée</translation>
    </message>
</context>
<context>
    <name>kalvero::HelpWindow</name>
    <message>
        <source>Kalvero Help</source>
        <translation>Aide de Kalvero</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
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
        <translation>Options actuelles enregistrées</translation>
    </message>
    <message>
        <source>Configuration file not found ...
A new file will be created</source>
        <translation>Fichier de configuration introuvable…
Un nouveau fichier sera créé</translation>
    </message>
    <message>
        <source>The configuration file could not be read:
%1
The default settings are used</source>
        <translation>Impossible de lire le fichier de configuration&#xa0;:
%1
Les réglages par défaut sont utilisés</translation>
    </message>
    <message>
        <source>The configuration file could not be read and was kept as:
%1
A new file will be created</source>
        <translation>Le fichier de configuration n&apos;a pas pu être lu&#xa0;; il a été conservé sous&#xa0;:
%1
Un nouveau fichier sera créé</translation>
    </message>
    <message>
        <source>Could not read the configuration file:
%1
%2
The default settings are used</source>
        <extracomment>%1 the file, %2 the system&apos;s reason.</extracomment>
        <translation>Impossible de lire le fichier de configuration&#xa0;:
%1
%2
Les réglages par défaut sont utilisés</translation>
    </message>
    <message>
        <source>Could not write the configuration file:
%1</source>
        <translation>Impossible d&apos;écrire le fichier de configuration&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Settings cannot be saved ...
Neither the program folder nor the data folder can be written</source>
        <translation>Impossible d&apos;enregistrer les réglages…
Ni le dossier du programme ni le dossier de données ne sont accessibles en écriture</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>Quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Could not keep the unfinished entries in:
%1</source>
        <translation>Impossible de conserver les saisies inachevées dans&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>kalvero::MsgForm</name>
    <message>
        <source>Enter</source>
        <extracomment>Input box button that accepts the typed text</extracomment>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>Input box button that puts the suggested text back into the field</extracomment>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kalvero::OptionsForm</name>
    <message>
        <source>Kalvero options</source>
        <translation>Options de Kalvero</translation>
    </message>
    <message>
        <source>Colour Scheme</source>
        <translation>Jeu de couleurs</translation>
    </message>
    <message>
        <source>Select Colour</source>
        <translation>Choisir une couleur</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Click to set Grid Colour; select colour first</source>
        <translation>Cliquez pour attribuer la couleur&#xa0;; choisissez d&apos;abord une couleur</translation>
    </message>
    <message>
        <source>Printer Line Size</source>
        <translation>Épaisseur des traits à l&apos;impression</translation>
    </message>
    <message>
        <source>Darken the button colour; rightclick to brighten it</source>
        <translation>Assombrir la couleur des boutons&#xa0;; clic droit&#xa0;: l&apos;éclaircir</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Colour Scheme: %1</source>
        <translation>Jeu de couleurs&#xa0;: %1</translation>
    </message>
    <message>
        <source>Color Scheme: %1 not found</source>
        <translation>Jeu de couleurs introuvable&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>kalvero::OutputCommands</name>
    <message>
        <source>Print current puzzle and its solution?</source>
        <translation>Imprimer la grille courante et sa solution&#xa0;?</translation>
    </message>
    <message>
        <source>Could not save the highlights in:
%1</source>
        <translation>Impossible d&apos;enregistrer les mises en évidence dans&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>kalvero::PatternGrid</name>
    <message>
        <source>Fixed cells pattern</source>
        <translation>Motif des cases données</translation>
    </message>
</context>
<context>
    <name>kalvero::PlayController</name>
    <message>
        <source>Unfinished entries restored</source>
        <translation>Saisies inachevées restaurées</translation>
    </message>
    <message>
        <source>Solved in %1 with hints or the solution shown: not counted for the best times</source>
        <translation>Résolue en %1 avec des conseils ou la solution affichée&#xa0;: temps non retenu pour les records</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 the grade, %2 the level: &quot;Tough Hard&quot;.</extracomment>
        <translation>%2 (%1)</translation>
    </message>
    <message>
        <source>Solved in %1; the best for %2 puzzles is %3</source>
        <extracomment>%1 the time taken, %2 the grade and level, %3 the best time.</extracomment>
        <translation>Résolue en %1&#xa0;; le record pour les grilles %2 est de %3</translation>
    </message>
    <message>
        <source>Solved in %1 — a new best for %2 puzzles (the best times could not be saved)</source>
        <translation>Résolue en %1 — nouveau record pour les grilles %2 (les meilleurs temps n&apos;ont pas pu être enregistrés)</translation>
    </message>
    <message>
        <source>Solved in %1 — a new best for %2 puzzles</source>
        <translation>Résolue en %1 — nouveau record pour les grilles %2</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>The selected cell for screen readers: its row, its column and its digit.</extracomment>
        <translation>ligne %1, colonne %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>kalvero::PrntForm</name>
    <message>
        <source>Print Puzzles</source>
        <translation>Imprimer des grilles</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Grilles</translation>
    </message>
    <message>
        <source>Current Puzzle</source>
        <translation>Grille courante</translation>
    </message>
    <message>
        <source>Range</source>
        <extracomment>Print choice: a range of puzzles of the file, such as 5-10</extracomment>
        <translation>Plage</translation>
    </message>
    <message>
        <source>Enter range like 5-10</source>
        <translation>Saisissez une plage, par exemple 5-10</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Imprimantes</translation>
    </message>
    <message>
        <source>Current printer</source>
        <translation>Imprimante actuelle</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>Button that prints the chosen puzzles</extracomment>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Select a printer</source>
        <translation>Choisir une imprimante</translation>
    </message>
</context>
</TS>
