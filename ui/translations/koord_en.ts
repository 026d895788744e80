<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>FileTexts</name>
    <message>
        <source>Le fichier «&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: %2.</source>
        <translation>The file “%1” cannot be read: %2.</translation>
    </message>
    <message>
        <source>Le fichier «&#xa0;%1&#xa0;» dépasse %2&#xa0;Mo, plus que Koord n&apos;en lit.</source>
        <translation>The file “%1” is larger than %2 MB, more than Koord reads.</translation>
    </message>
    <message>
        <source>«&#xa0;%1&#xa0;» est un classeur de tableur, que Koord ne lit pas. Dans le tableur, enregistrez la feuille au format CSV (Enregistrer sous… &gt; CSV), puis ouvrez ce fichier CSV.</source>
        <translation>“%1” is a spreadsheet workbook, which Koord does not read. In the spreadsheet, save the sheet as CSV (Save As… &gt; CSV), then open that CSV file.</translation>
    </message>
    <message>
        <source>Le résultat n&apos;a pas pu être enregistré dans «&#xa0;%1&#xa0;»&#xa0;: %2. Le fichier qui s&apos;y trouvait n&apos;a pas été modifié.</source>
        <translation>The result could not be saved to “%1”: %2. The file that was there has not been changed.</translation>
    </message>
    <message>
        <source>«&#xa0;%1&#xa0;» n&apos;est pas un fichier texte (une image, un PDF…). Koord lit les fichiers texte et CSV&#xa0;: enregistrez les points au format CSV, puis ouvrez ce fichier CSV.</source>
        <translation>“%1” is not a text file (an image, a PDF…). Koord reads text and CSV files: save the points as CSV, then open that CSV file.</translation>
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
        <source>L&apos;image «&#xa0;%1&#xa0;» n&apos;a pas pu être dessinée (mémoire insuffisante).</source>
        <translation>The image “%1” could not be drawn (not enough memory).</translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être enregistrée dans «&#xa0;%1&#xa0;»&#xa0;: %2. Le fichier qui s&apos;y trouvait n&apos;a pas été modifié.</source>
        <translation>The image could not be saved to “%1”: %2. The file that was there has not been changed.</translation>
    </message>
</context>
<context>
    <name>ReadOutTexts</name>
    <message>
        <source>Lambert 1972&#xa0;: X=%1 Y=%2
WGS84&#xa0;: %3
MGRS&#xa0;: %4
IFBL&#xa0;: %5</source>
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
    <message numerus="yes">
        <source>Conversion arrêtée après %1 lignes</source>
        <translation>
            <numerusform>Conversion stopped after %1 line</numerusform>
            <numerusform>Conversion stopped after %1 lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Conversion arrêtée après %1 ligne</source>
        <translation>
            <numerusform>Conversion stopped after %1 line</numerusform>
            <numerusform>Conversion stopped after %1 lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, dont %1 refusées</source>
        <translation>
            <numerusform>, %1 of them refused</numerusform>
            <numerusform>, %1 of them refused</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, dont %1 refusée</source>
        <translation>
            <numerusform>, %1 of them refused</numerusform>
            <numerusform>, %1 of them refused</numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion en cours… %1&#xa0;%</source>
        <translation>Converting… %1%</translation>
    </message>
    <message>
        <source>résultat en %1</source>
        <translation>result in %1</translation>
    </message>
    <message>
        <source>coordonnées lues à partir du champ %1</source>
        <translation>coordinates read from field %1</translation>
    </message>
    <message>
        <source>Résultat à refaire&#xa0;: les coordonnées ou les choix ont changé (Ctrl+Entrée)</source>
        <translation>Result out of date: the coordinates or the choices have changed (Ctrl+Enter)</translation>
    </message>
    <message>
        <source>%1 et %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 loin de la Belgique</source>
        <translation>
            <numerusform>%1 far from Belgium</numerusform>
            <numerusform>%1 far from Belgium</numerusform>
        </translation>
    </message>
    <message>
        <source>coordonnées lues dans les colonnes %1</source>
        <translation>coordinates read from columns %1</translation>
    </message>
    <message>
        <source>coordonnées lisibles aux champs %1 et %2&#xa0;: choisissez dans Options de lecture</source>
        <translation>coordinates readable at fields %1 and %2: choose in Reading options</translation>
    </message>
</context>
<context>
    <name>koord::ui::ChoiceBinder</name>
    <message>
        <source>Détection automatique</source>
        <translation>Automatic detection</translation>
    </message>
    <message>
        <source>Plusieurs systèmes…</source>
        <translation>Several systems…</translation>
    </message>
    <message>
        <source>Selon le type</source>
        <translation>By kind</translation>
    </message>
    <message>
        <source>Un point par ligne, de tout type&#xa0;; par exemple
150000	170000
50,84041	4,36875
31UES963329
E4.35.22</source>
        <translation>One point per line, of any kind; for example
150000	170000
50.84041	4.36875
31UES963329
E4.35.22</translation>
    </message>
</context>
<context>
    <name>koord::ui::Form1</name>
    <message>
        <source>Ouvrir un fichier de points</source>
        <translation>Open a file of points</translation>
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
        <source>Options du &amp;résultat</source>
        <translation>Result opt&amp;ions</translation>
    </message>
    <message>
        <source>&amp;Voir la première ligne refusée</source>
        <translation>S&amp;how first refused line</translation>
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
        <source>Résultat enregistré dans %1</source>
        <translation>Result saved to %1</translation>
    </message>
    <message>
        <source>resultat</source>
        <translation>result</translation>
    </message>
    <message>
        <source>Les coordonnées de &amp;départ sont en&#xa0;:</source>
        <translation>&amp;Source coordinates are in:</translation>
    </message>
    <message>
        <source>Les coordonnées de de&amp;stination sont en&#xa0;:</source>
        <translation>&amp;Destination coordinates are in:</translation>
    </message>
    <message>
        <source>Dat&amp;um&#xa0;:</source>
        <translation>Dat&amp;um:</translation>
    </message>
    <message>
        <source>Datu&amp;m&#xa0;:</source>
        <translation>Datu&amp;m:</translation>
    </message>
    <message>
        <source>&amp;Tapez ou collez les coordonnées à convertir dans la zone ci-dessous.</source>
        <translation>&amp;Type or paste the coordinates to convert in the box below.</translation>
    </message>
    <message>
        <source>À &amp;propos…</source>
        <translation>&amp;About…</translation>
    </message>
    <message>
        <source>Sélectionne la première ligne refusée dans les deux zones&#xa0;; F8 mène à la suivante, Maj+F8 à la précédente</source>
        <translation>Selects the first refused line in both boxes; F8 goes to the next one, Shift+F8 to the one before</translation>
    </message>
    <message>
        <source>Langue&#xa0;:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Ligne refusée suivante</source>
        <translation>Next refused line</translation>
    </message>
    <message>
        <source>Ligne refusée précédente</source>
        <translation>Previous refused line</translation>
    </message>
    <message>
        <source>Coordonnées de départ effacées&#xa0;: Ctrl+Z les rétablit.</source>
        <translation>Source coordinates cleared: Ctrl+Z brings them back.</translation>
    </message>
    <message>
        <source>Résultat effacé&#xa0;: Ctrl+Z le rétablit.</source>
        <translation>Result cleared: Ctrl+Z brings it back.</translation>
    </message>
    <message>
        <source>Rien à enregistrer&#xa0;: le résultat est vide.</source>
        <translation>Nothing to save: the result is empty.</translation>
    </message>
    <message>
        <source>Remplacer ou compléter le résultat, type lu, carrés IFBL avec points, carrés MGRS sans zone, décimales des mètres, séparateur décimal</source>
        <translation>Replace or add to the result, kind read, IFBL squares with dots, MGRS squares without zone, metre decimals, decimal mark</translation>
    </message>
    <message>
        <source>Sélectionne dans les deux zones la première ligne dont le point est à plus de 100&#xa0;km de la Belgique</source>
        <translation>Selects in both boxes the first line whose point lies more than 100 km from Belgium</translation>
    </message>
    <message>
        <source>Séparateur des champs et colonne des coordonnées (trouvés dans chaque texte, sauf choix), points loin de la Belgique, ligne de départ recopiée</source>
        <translation>Field separator and coordinate column (found in each text unless chosen), points far from Belgium, input line repeated</translation>
    </message>
    <message>
        <source>Premier point lo&amp;in</source>
        <translation>First &amp;far point</translation>
    </message>
    <message>
        <source>Classeur Excel (*.xlsx)</source>
        <translation>Excel workbook (*.xlsx)</translation>
    </message>
    <message>
        <source>Classeur OpenDocument (*.ods)</source>
        <translation>OpenDocument workbook (*.ods)</translation>
    </message>
    <message>
        <source>GeoPackage (*.gpkg)</source>
        <translation>GeoPackage (*.gpkg)</translation>
    </message>
    <message>
        <source>GeoJSON (*.geojson)</source>
        <translation>GeoJSON (*.geojson)</translation>
    </message>
    <message>
        <source>KML (*.kml)</source>
        <translation>KML (*.kml)</translation>
    </message>
    <message>
        <source>GPX (*.gpx)</source>
        <translation>GPX (*.gpx)</translation>
    </message>
    <message>
        <source>Shapefile (*.shp)</source>
        <translation>Shapefile (*.shp)</translation>
    </message>
    <message>
        <source>Tous les fichiers de coordonnées (*.txt *.csv *.tsv *.tab *.xlsx *.ods *.gpx *.kml *.kmz *.geojson *.json *.gpkg *.shp)</source>
        <translation>All coordinate files (*.txt *.csv *.tsv *.tab *.xlsx *.ods *.gpx *.kml *.kmz *.geojson *.json *.gpkg *.shp)</translation>
    </message>
    <message>
        <source>Textes et CSV (*.txt *.csv *.tsv *.tab)</source>
        <translation>Text and CSV (*.txt *.csv *.tsv *.tab)</translation>
    </message>
    <message>
        <source>Classeurs (*.xlsx *.ods)</source>
        <translation>Workbooks (*.xlsx *.ods)</translation>
    </message>
    <message>
        <source>GPS (*.gpx)</source>
        <translation>GPS (*.gpx)</translation>
    </message>
    <message>
        <source>KML (*.kml *.kmz)</source>
        <translation>KML (*.kml *.kmz)</translation>
    </message>
    <message>
        <source>Couches de points (*.gpkg *.geojson *.json *.shp)</source>
        <translation>Point layers (*.gpkg *.geojson *.json *.shp)</translation>
    </message>
    <message>
        <source>Tous les fichiers (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>« %1 » a plusieurs feuilles. Laquelle ouvrir&#xa0;?</source>
        <translation>“%1” has several sheets. Which one to open?</translation>
    </message>
    <message>
        <source>« %1 » a plusieurs couches. Laquelle ouvrir&#xa0;?</source>
        <translation>“%1” has several layers. Which one to open?</translation>
    </message>
    <message>
        <source>Le fichier est en %1. Utiliser ce système&#xa0;?</source>
        <translation>The file is in %1. Use this system?</translation>
    </message>
    <message>
        <source>%1 objets sans point, gardés comme lignes sans coordonnées (première, ligne %2&#xa0;: %3)</source>
        <translation>%1 features without a point, kept as lines without coordinates (first, line %2: %3)</translation>
    </message>
    <message>
        <source>%1 objet sans point, gardé comme ligne sans coordonnées (ligne %2&#xa0;: %3)</source>
        <translation>%1 feature without a point, kept as a line without coordinates (line %2: %3)</translation>
    </message>
    <message>
        <source>&#xa0;; %1 lignes refusées absentes, un GPX ne gardant que des points</source>
        <translation>; %1 refused lines left out, a GPX keeping points only</translation>
    </message>
    <message>
        <source>&#xa0;; %1 ligne refusée absente, un GPX ne gardant que des points</source>
        <translation>; %1 refused line left out, a GPX keeping points only</translation>
    </message>
    <message>
        <source>« %1 » ne dit pas le système de ses points&#xa0;: choisissez au départ Lambert belge 1972, Lambert belge 2008 ou des degrés décimaux, puis ouvrez-le à nouveau.</source>
        <translation>“%1” does not say the system of its points: choose Belgian Lambert 1972, Belgian Lambert 2008 or decimal degrees as the input, then open it again.</translation>
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
        <source>&amp;Séparateur des champs</source>
        <translation>&amp;Field separator</translation>
    </message>
    <message>
        <source>&amp;Recopier la ligne de départ devant le résultat</source>
        <translation>&amp;Repeat the input line before the result</translation>
    </message>
    <message>
        <source>Automatique</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Les coordonnées commencent au &amp;champ</source>
        <translation>&amp;Coordinates start at field</translation>
    </message>
    <message>
        <source>Automatique&#xa0;: d&apos;après l&apos;en-tête qui nomme les colonnes, sinon là où les coordonnées se lisent</source>
        <translation>Automatic: from a header that names the columns, else where the coordinates read</translation>
    </message>
    <message>
        <source>Refuser les points &amp;loin de la Belgique</source>
        <translation>Refuse points f&amp;ar from Belgium</translation>
    </message>
    <message>
        <source>Un point à plus de 100&#xa0;km de la Belgique est refusé, avec sa distance, au lieu d&apos;être converti et signalé</source>
        <translation>A point more than 100 km from Belgium is refused, with its distance, instead of being converted and flagged</translation>
    </message>
</context>
<context>
    <name>koord::ui::OutputKindsDialog</name>
    <message>
        <source>Plusieurs systèmes</source>
        <translation>Several systems</translation>
    </message>
    <message>
        <source>Cochez les systèmes du résultat, dans l&apos;ordre de leurs colonnes&#xa0;; le datum d&apos;arrivée vaut pour tous.</source>
        <translation>Check the systems of the result, in the order of their columns; the destination datum applies to all.</translation>
    </message>
    <message>
        <source>&amp;Monter</source>
        <translation>Move &amp;up</translation>
    </message>
    <message>
        <source>&amp;Descendre</source>
        <translation>Move &amp;down</translation>
    </message>
    <message>
        <source>Précision&#xa0;:</source>
        <translation>Precision:</translation>
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
        <source>Séparateur &amp;décimal</source>
        <translation>&amp;Decimal mark</translation>
    </message>
    <message>
        <source>&amp;Virgule (50,84041)</source>
        <translation>&amp;Comma (50,84041)</translation>
    </message>
    <message>
        <source>&amp;Point (50.84041)</source>
        <translation>&amp;Point (50.84041)</translation>
    </message>
    <message>
        <source>Entre BD72 et WGS84, la transformation officielle «&#xa0;BD72 to ETRS89 (2)&#xa0;» au lieu du décalage de Molodensky (1&#xa0;m environ)</source>
        <translation>Between BD72 and WGS84, the official transformation “BD72 to ETRS89 (2)” instead of the Molodensky shift (about 1 m)</translation>
    </message>
    <message>
        <source>Afficher le type &amp;lu</source>
        <translation>Show the &amp;kind read</translation>
    </message>
    <message>
        <source>Écrit devant le résultat le type de coordonnées de chaque ligne (lambert, mgrs…), utile avec la détection automatique</source>
        <translation>Writes the coordinate kind of each line (lambert, mgrs…) before the result, useful with automatic detection</translation>
    </message>
    <message>
        <source>Carrés MGRS belges sans leur &amp;zone (ES9534)</source>
        <translation>Belgian MGRS squares without their &amp;zone (ES9534)</translation>
    </message>
    <message>
        <source>Comme les atlas belges les nomment&#xa0;: ES9534 au lieu de 31UES9534, pour les carrés de 100&#xa0;km de la Belgique</source>
        <translation>As Belgian atlases name them: ES9534 instead of 31UES9534, for the 100 km squares of Belgium</translation>
    </message>
    <message>
        <source>Carrés en p&amp;olygones</source>
        <translation>S&amp;quares as polygons</translation>
    </message>
    <message>
        <source>Un résultat IFBL ou MGRS enregistré en GeoPackage, GeoJSON, KML, GPX ou shapefile est le polygone de son carré plutôt que son point</source>
        <translation>An IFBL or MGRS result saved as GeoPackage, GeoJSON, KML, GPX or shapefile is its square&apos;s polygon rather than its point</translation>
    </message>
</context>
<context>
    <name>koord::ui::RunController</name>
    <message>
        <source>Continuer?</source>
        <translation>Continue?</translation>
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
        <source>Développé en C++ et Qt 6</source>
        <translation>Written in C++ and Qt 6</translation>
    </message>
    <message>
        <source>Contact&#xa0;: par le suivi des tickets du projet Koord</source>
        <translation>Contact: through the issue tracker of the Koord project</translation>
    </message>
    <message>
        <source>À propos de Koord</source>
        <translation>About Koord</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Carte&#xa0;: Natural Earth (domaine public)</source>
        <translation>Map: Natural Earth (public domain)</translation>
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
        <source>Koord — carte</source>
        <translation>Koord — map</translation>
    </message>
    <message>
        <source>Carrés IFBL de 32 x 20 km, de 4 x 4 km et de 1 x 1 km à mesure que l&apos;on s&apos;approche</source>
        <translation>IFBL squares of 32 x 20 km, and closer in of 4 x 4 km and 1 x 1 km</translation>
    </message>
    <message>
        <source>Copié</source>
        <translation>Copied</translation>
    </message>
    <message>
        <source>Ligne %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>Ligne %1&#xa0;: %2</source>
        <translation>Line %1: %2</translation>
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
