<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>FileTexts</name>
    <message>
        <source>Le fichier « %1 » ne peut pas être lu : %2.</source>
        <translation>The file “%1” cannot be read: %2.</translation>
    </message>
    <message>
        <source>Le fichier « %1 » dépasse %2 Mo, plus que Koord n&apos;en lit.</source>
        <translation>The file “%1” is larger than %2 MB, more than Koord reads.</translation>
    </message>
    <message>
        <source>« %1 » est un classeur de tableur, que Koord ne lit pas. Dans le tableur, enregistrez la feuille au format CSV (Enregistrer sous… &gt; CSV), puis ouvrez ce fichier CSV.</source>
        <translation>“%1” is a spreadsheet workbook, which Koord does not read. In the spreadsheet, save the sheet as CSV (Save As… &gt; CSV), then open that CSV file.</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un fichier texte (une image, un PDF…). Koord lit les fichiers texte et CSV : enregistrez les points au format CSV, puis ouvrez ce fichier CSV.</source>
        <translation>“%1” is not a text file (an image, a PDF…). Koord reads text and CSV files: save the points as CSV, then open that CSV file.</translation>
    </message>
    <message>
        <source>Le résultat n&apos;a pas pu être enregistré dans « %1 » : %2. Le fichier qui s&apos;y trouvait n&apos;a pas été modifié.</source>
        <translation>The result could not be saved to “%1”: %2. The file that was there has not been changed.</translation>
    </message>
</context>
<context>
    <name>ImageTexts</name>
    <message>
        <source>Carte de distribution</source>
        <translation>Distribution map</translation>
    </message>
    <message>
        <source>Dessinée par Koord</source>
        <translation>Drawn by Koord</translation>
    </message>
    <message>
        <source>L&apos;image « %1 » n&apos;a pas pu être dessinée (mémoire insuffisante).</source>
        <translation>The image “%1” could not be drawn (not enough memory).</translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être enregistrée dans « %1 » : %2. Le fichier qui s&apos;y trouvait n&apos;a pas été modifié.</source>
        <translation>The image could not be saved to “%1”: %2. The file that was there has not been changed.</translation>
    </message>
</context>
<context>
    <name>ListTexts</name>
    <message>
        <source>Lambert belge 1972</source>
        <translation>Belgian Lambert 1972</translation>
    </message>
    <message>
        <source>UTM alphanumérique (MGRS)</source>
        <translation>Alphanumeric UTM (MGRS)</translation>
    </message>
    <message>
        <source>IFBL</source>
        <translation>IFBL squares</translation>
    </message>
    <message>
        <source>Degrés décimaux Greenwich</source>
        <translation>Decimal degrees (Greenwich)</translation>
    </message>
    <message>
        <source>Lambert belge 2008</source>
        <translation>Belgian Lambert 2008</translation>
    </message>
    <message>
        <source>UTM (zone, est, nord)</source>
        <translation>UTM (zone, easting, northing)</translation>
    </message>
    <message>
        <source>Degrés, minutes, secondes</source>
        <translation>Degrees, minutes, seconds</translation>
    </message>
    <message>
        <source>5 décimales (1 m)</source>
        <translation>5 decimals (1 m)</translation>
    </message>
    <message>
        <source>6 décimales (10 cm)</source>
        <translation>6 decimals (10 cm)</translation>
    </message>
    <message>
        <source>7 décimales (1 cm)</source>
        <translation>7 decimals (1 cm)</translation>
    </message>
    <message>
        <source>Zone de chaque point</source>
        <translation>Zone of each point</translation>
    </message>
    <message>
        <source>Zone 31</source>
        <translation>Zone 31</translation>
    </message>
    <message>
        <source>Zone 32</source>
        <translation>Zone 32</translation>
    </message>
    <message>
        <source>Zo&amp;ne UTM:</source>
        <translation>UTM zo&amp;ne:</translation>
    </message>
    <message>
        <source>Précisio&amp;n désirée:</source>
        <translation>Desired precisio&amp;n:</translation>
    </message>
    <message>
        <source>Un point par ligne : X, tabulation, Y (en mètres ou en km)
par exemple
150000	170000
150,5	170</source>
        <translation>One point per line: X, tab, Y (in metres or in km)
for example
150000	170000
150.5	170</translation>
    </message>
    <message>
        <source>Une référence MGRS par ligne, par exemple
31UES9637232970</source>
        <translation>One MGRS reference per line, for example
31UES9637232970</translation>
    </message>
    <message>
        <source>Un carré IFBL par ligne, par exemple
E4
E4.35
E4.35.22</source>
        <translation>One IFBL square per line, for example
E4
E4.35
E4.35.22</translation>
    </message>
    <message>
        <source>Un point par ligne : latitude, tabulation, longitude
par exemple
50,84041	4,36875
50°50&apos;25,5&quot;N	4°22&apos;07,5&quot;E</source>
        <translation>One point per line: latitude, tab, longitude
for example
50.84041	4.36875
50°50&apos;25.5&quot;N	4°22&apos;07.5&quot;E</translation>
    </message>
    <message>
        <source>Un point par ligne : X, tabulation, Y (en mètres)
par exemple
649999	670000</source>
        <translation>One point per line: X, tab, Y (in metres)
for example
649999	670000</translation>
    </message>
    <message>
        <source>Un point par ligne : zone, tabulation, est, tabulation, nord
par exemple
31N	596371	5632970</source>
        <translation>One point per line: zone, tab, easting, tab, northing
for example
31N	596371	5632970</translation>
    </message>
</context>
<context>
    <name>ReadOutTexts</name>
    <message>
        <source>Lambert 1972 : X=%1 Y=%2
WGS84 : %3
MGRS : %4
IFBL : %5</source>
        <translation>Lambert 1972: X=%1 Y=%2
WGS84: %3
MGRS: %4
IFBL: %5</translation>
    </message>
</context>
<context>
    <name>RunTexts</name>
    <message numerus="yes">
        <source>%1 lignes converties</source>
        <translation>
            <numerusform>%1 line converted</numerusform>
            <numerusform>%1 lines converted</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne convertie</source>
        <translation>
            <numerusform>%1 line converted</numerusform>
            <numerusform>%1 lines converted</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 refusées</source>
        <translation>%1 refused</translation>
    </message>
    <message>
        <source>%1 refusée</source>
        <translation>%1 refused</translation>
    </message>
    <message>
        <source>Conversion en cours… %1 %</source>
        <translation>Converting… %1%</translation>
    </message>
</context>
<context>
    <name>koord::ui::Form1</name>
    <message>
        <source>Ouvrir un fichier de points</source>
        <translation>Open a file of points</translation>
    </message>
    <message>
        <source>Textes et CSV (*.txt *.csv *.tsv *.tab);;Tous les fichiers (*)</source>
        <translation>Text and CSV (*.txt *.csv *.tsv *.tab);;All files (*)</translation>
    </message>
    <message>
        <source>Texte (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>CSV pour tableur (*.csv)</source>
        <translation>CSV for spreadsheets (*.csv)</translation>
    </message>
    <message>
        <source>Enregistrer le résultat</source>
        <translation>Save the result</translation>
    </message>
    <message>
        <source>resultat.txt</source>
        <translation>result.txt</translation>
    </message>
    <message>
        <source>Les coodonnées de &amp;départs sont en :</source>
        <translation>&amp;Source coordinates are in:</translation>
    </message>
    <message>
        <source>Les coodonnées de de&amp;stination sont en :</source>
        <translation>&amp;Destination coordinates are in:</translation>
    </message>
    <message>
        <source>Dat&amp;um:</source>
        <translation>Dat&amp;um:</translation>
    </message>
    <message>
        <source>Datu&amp;m:</source>
        <translation>Datu&amp;m:</translation>
    </message>
    <message>
        <source>&amp;Tapez ou coller les coordonnées à transformer dans la zone ci-dessous.</source>
        <translation>&amp;Type or paste the coordinates to convert in the box below.</translation>
    </message>
    <message>
        <source>Exécute la conversion (Ctrl+Entrée)</source>
        <translation>Runs the conversion (Ctrl+Enter)</translation>
    </message>
    <message>
        <source>Affiche la carte de distribution (Ctrl+M)</source>
        <translation>Shows the distribution map (Ctrl+M)</translation>
    </message>
    <message>
        <source>Aide (F1)</source>
        <translation>Help (F1)</translation>
    </message>
    <message>
        <source>Quitter (Ctrl+Q)</source>
        <translation>Quit (Ctrl+Q)</translation>
    </message>
    <message>
        <source>&amp;Effacer</source>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <source>Efface les coordonnées de départ (Ctrl+Z l&apos;annule)</source>
        <translation>Clears the source coordinates (Ctrl+Z undoes it)</translation>
    </message>
    <message>
        <source>E&amp;ffacer</source>
        <translation>Cl&amp;ear</translation>
    </message>
    <message>
        <source>Efface le résultat (Ctrl+Z l&apos;annule)</source>
        <translation>Clears the result (Ctrl+Z undoes it)</translation>
    </message>
    <message>
        <source>A &amp;propos...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>&amp;Copier</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Copie tout le résultat dans le presse-papiers (Ctrl+Maj+C)</source>
        <translation>Copies the whole result to the clipboard (Ctrl+Shift+C)</translation>
    </message>
    <message>
        <source>&amp;Ouvrir…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>Remplace les coordonnées de départ par un fichier texte ou CSV (Ctrl+O)</source>
        <translation>Replaces the source coordinates with a text or CSV file (Ctrl+O)</translation>
    </message>
    <message>
        <source>Enre&amp;gistrer le résultat…</source>
        <translation>Sa&amp;ve result…</translation>
    </message>
    <message>
        <source>Enregistre le résultat dans un fichier texte ou CSV (Ctrl+S)</source>
        <translation>Saves the result to a text or CSV file (Ctrl+S)</translation>
    </message>
    <message>
        <source>Options de &amp;lecture</source>
        <translation>&amp;Reading options</translation>
    </message>
    <message>
        <source>Séparateur des champs, colonne des coordonnées, ligne de départ recopiée</source>
        <translation>Field separator, column of the coordinates, input line repeated</translation>
    </message>
    <message>
        <source>Options du &amp;résultat</source>
        <translation>Result opt&amp;ions</translation>
    </message>
    <message>
        <source>Remplacer ou compléter le résultat, carrés IFBL avec points</source>
        <translation>Replace or extend the result, IFBL squares with dots</translation>
    </message>
    <message>
        <source>&amp;Voir la première ligne refusée</source>
        <translation>S&amp;how first refused line</translation>
    </message>
    <message>
        <source>Sélectionne la première ligne refusée dans les deux zones</source>
        <translation>Selects the first refused line in both boxes</translation>
    </message>
    <message>
        <source>&amp;Arrêter</source>
        <translation>Sto&amp;p</translation>
    </message>
    <message>
        <source>Arrête la conversion en cours (Échap)</source>
        <translation>Stops the running conversion (Esc)</translation>
    </message>
    <message>
        <source>Langue :</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Données de test (501 points)</source>
        <translation>Test data (501 points)</translation>
    </message>
    <message>
        <source>Remplit la zone de départ de points tirés au hasard, dans le système de départ</source>
        <translation>Fills the source box with random points, in the source system</translation>
    </message>
    <message>
        <source>Copier tout le résultat</source>
        <translation>Copy the whole result</translation>
    </message>
    <message>
        <source>Ouvrir…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Enregistrer le résultat…</source>
        <translation>Save result…</translation>
    </message>
    <message>
        <source>Coordonnées de départ effacées : Ctrl+Z les rétablit.</source>
        <translation>Source coordinates cleared: Ctrl+Z brings them back.</translation>
    </message>
    <message>
        <source>Résultat effacé : Ctrl+Z le rétablit.</source>
        <translation>Result cleared: Ctrl+Z brings it back.</translation>
    </message>
    <message>
        <source>Rien à enregistrer : le résultat est vide.</source>
        <translation>Nothing to save: the result is empty.</translation>
    </message>
    <message>
        <source>Résultat enregistré dans %1</source>
        <translation>Result saved to %1</translation>
    </message>
</context>
<context>
    <name>koord::ui::HelpWindow</name>
    <message>
        <source>Aide de Koord</source>
        <translation>Koord help</translation>
    </message>
    <message>
        <source>Sommaire</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Précédent</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Suivant</source>
        <translation>Forward</translation>
    </message>
</context>
<context>
    <name>koord::ui::InputOptionsMenu</name>
    <message>
        <source>Tabulation</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Point-virgule ( ; )</source>
        <translation>Semicolon ( ; )</translation>
    </message>
    <message>
        <source>Virgule ( , ), point décimal</source>
        <translation>Comma ( , ), decimal point</translation>
    </message>
    <message>
        <source>Blancs et tabulations</source>
        <translation>Spaces and tabs</translation>
    </message>
    <message>
        <source>Selon la première ligne</source>
        <translation>From the first line</translation>
    </message>
    <message>
        <source>&amp;Séparateur des champs</source>
        <translation>&amp;Field separator</translation>
    </message>
    <message>
        <source>Les coordonnées commencent au champ</source>
        <translation>Coordinates start at field</translation>
    </message>
    <message>
        <source>&amp;Recopier la ligne de départ devant le résultat</source>
        <translation>&amp;Repeat the input line before the result</translation>
    </message>
</context>
<context>
    <name>koord::ui::OutputOptionsMenu</name>
    <message>
        <source>&amp;Remplacer le résultat à chaque conversion</source>
        <translation>&amp;Replace the result at each conversion</translation>
    </message>
    <message>
        <source>Carrés IFBL avec &amp;points (E4.35.22)</source>
        <translation>IFBL squares with &amp;dots (E4.35.22)</translation>
    </message>
    <message>
        <source>&amp;Transformation précise (0,2 m)</source>
        <translation>Precise &amp;transformation (0.2 m)</translation>
    </message>
    <message>
        <source>Entre BD72 et WGS84, la transformation officielle « BD72 to ETRS89 (2) » au lieu du décalage de Molodensky (1 m environ)</source>
        <translation>Between BD72 and WGS84, the official transformation “BD72 to ETRS89 (2)” instead of the Molodensky shift (about 1 m)</translation>
    </message>
</context>
<context>
    <name>koord::ui::frmAbout</name>
    <message>
        <source>L&apos;équipe Koord</source>
        <translation>The Koord team</translation>
    </message>
    <message>
        <source>Projet Koord, 2026</source>
        <translation>Koord project, 2026</translation>
    </message>
    <message>
        <source>Contact : par le suivi des tickets du projet Koord</source>
        <translation>Contact: through the issue tracker of the Koord project</translation>
    </message>
    <message>
        <source>Développé en C++ et Qt 6</source>
        <translation>Written in C++ and Qt 6</translation>
    </message>
    <message>
        <source>Carte : Natural Earth (domaine public)</source>
        <translation>Map: Natural Earth (public domain)</translation>
    </message>
    <message>
        <source>Auteur du programme</source>
        <translation>Author of the program</translation>
    </message>
</context>
<context>
    <name>koord::ui::frmMap</name>
    <message>
        <source>Image PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Dessin SVG (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>Enregistrer la carte</source>
        <translation>Save the map</translation>
    </message>
    <message>
        <source>carte.png</source>
        <translation>map.png</translation>
    </message>
    <message>
        <source>&amp;Tout voir</source>
        <translation>&amp;Show all</translation>
    </message>
    <message>
        <source>Revient à toute la carte (Origine ou 0) ; la molette zoome, un glisser déplace la carte</source>
        <translation>Back to the whole map (Home or 0); the wheel zooms, dragging moves the map</translation>
    </message>
    <message>
        <source>&amp;Grille IFBL</source>
        <translation>IFBL &amp;grid</translation>
    </message>
    <message>
        <source>Carrés IFBL de 32 x 20 km, et de 4 x 4 km de près</source>
        <translation>IFBL squares of 32 x 20 km, and of 4 x 4 km close up</translation>
    </message>
    <message>
        <source>&amp;Enregistrer l&apos;image…</source>
        <translation>&amp;Image…</translation>
    </message>
    <message>
        <source>Enregistre la carte en PNG ou en SVG (Ctrl+S)</source>
        <translation>Saves the map as PNG or SVG (Ctrl+S)</translation>
    </message>
    <message>
        <source>Carte enregistrée dans %1</source>
        <translation>Map saved to %1</translation>
    </message>
    <message>
        <source>Pointez un lieu pour lire ses coordonnées ; un clic les copie.</source>
        <translation>Point at a place to read its coordinates; a click copies them.</translation>
    </message>
    <message>
        <source>Coordonnées copiées : %1</source>
        <translation>Coordinates copied: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Conversion de coordonnées belges</source>
        <translation>Conversion of Belgian coordinates</translation>
    </message>
</context>
</TS>
