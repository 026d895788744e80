<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="fr">
<context>
    <name>FileTexts</name>
    <message>
        <source>Le fichier «&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: %2.</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Le fichier «&#xa0;%1&#xa0;» dépasse %2&#xa0;Mo, plus que Koord n&apos;en lit.</source>
        <translation>Die Datei „%1“ ist größer als %2 MB, mehr als Koord liest.</translation>
    </message>
    <message>
        <source>«&#xa0;%1&#xa0;» est un classeur de tableur, que Koord ne lit pas. Dans le tableur, enregistrez la feuille au format CSV (Enregistrer sous… &gt; CSV), puis ouvrez ce fichier CSV.</source>
        <translation>„%1“ ist eine Arbeitsmappe einer Tabellenkalkulation, die Koord nicht liest. Speichern Sie das Blatt in der Tabellenkalkulation im CSV-Format (Speichern unter… &gt; CSV) und öffnen Sie dann diese CSV-Datei.</translation>
    </message>
    <message>
        <source>«&#xa0;%1&#xa0;» n&apos;est pas un fichier texte (une image, un PDF…). Koord lit les fichiers texte et CSV&#xa0;: enregistrez les points au format CSV, puis ouvrez ce fichier CSV.</source>
        <translation>„%1“ ist keine Textdatei (ein Bild, ein PDF…). Koord liest Text- und CSV-Dateien: Speichern Sie die Punkte im CSV-Format und öffnen Sie dann diese CSV-Datei.</translation>
    </message>
    <message>
        <source>Le résultat n&apos;a pas pu être enregistré dans «&#xa0;%1&#xa0;»&#xa0;: %2. Le fichier qui s&apos;y trouvait n&apos;a pas été modifié.</source>
        <translation>Das Ergebnis konnte nicht in „%1“ gespeichert werden: %2. Die dort vorhandene Datei wurde nicht verändert.</translation>
    </message>
</context>
<context>
    <name>ImageTexts</name>
    <message>
        <source>Carte de distribution</source>
        <translation>Verbreitungskarte</translation>
    </message>
    <message>
        <source>Dessinée par Koord</source>
        <translation>Gezeichnet von Koord</translation>
    </message>
    <message>
        <source>L&apos;image «&#xa0;%1&#xa0;» n&apos;a pas pu être dessinée (mémoire insuffisante).</source>
        <translation>Das Bild „%1“ konnte nicht gezeichnet werden (nicht genug Speicher).</translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être enregistrée dans «&#xa0;%1&#xa0;»&#xa0;: %2. Le fichier qui s&apos;y trouvait n&apos;a pas été modifié.</source>
        <translation>Das Bild konnte nicht in „%1“ gespeichert werden: %2. Die dort vorhandene Datei wurde nicht verändert.</translation>
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
            <numerusform>%1 Zeile umgerechnet</numerusform>
            <numerusform>%1 Zeilen umgerechnet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne convertie</source>
        <translation>
            <numerusform>%1 Zeile umgerechnet</numerusform>
            <numerusform>%1 Zeilen umgerechnet</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 refusées</source>
        <translation>%1 abgelehnt</translation>
    </message>
    <message>
        <source>%1 refusée</source>
        <translation>%1 abgelehnt</translation>
    </message>
    <message numerus="yes">
        <source>Conversion arrêtée après %1 lignes</source>
        <translation>
            <numerusform>Umrechnung nach %1 Zeile abgebrochen</numerusform>
            <numerusform>Umrechnung nach %1 Zeilen abgebrochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Conversion arrêtée après %1 ligne</source>
        <translation>
            <numerusform>Umrechnung nach %1 Zeile abgebrochen</numerusform>
            <numerusform>Umrechnung nach %1 Zeilen abgebrochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, dont %1 refusées</source>
        <translation>
            <numerusform>, davon %1 abgelehnt</numerusform>
            <numerusform>, davon %1 abgelehnt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, dont %1 refusée</source>
        <translation>
            <numerusform>, davon %1 abgelehnt</numerusform>
            <numerusform>, davon %1 abgelehnt</numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion en cours… %1&#xa0;%</source>
        <translation>Umrechnung läuft… %1&#xa0;%</translation>
    </message>
    <message>
        <source>résultat en %1</source>
        <translation>Ergebnis in %1</translation>
    </message>
    <message>
        <source>coordonnées lues à partir du champ %1</source>
        <translation>Koordinaten ab Feld %1 gelesen</translation>
    </message>
    <message>
        <source>Résultat à refaire&#xa0;: les coordonnées ou les choix ont changé (Ctrl+Entrée)</source>
        <translation>Ergebnis veraltet: Die Koordinaten oder die Auswahl haben sich geändert (Strg+Eingabe)</translation>
    </message>
    <message>
        <source>%1 et %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 loin de la Belgique</source>
        <translation>
            <numerusform>%1 weit von Belgien entfernt</numerusform>
            <numerusform>%1 weit von Belgien entfernt</numerusform>
        </translation>
    </message>
    <message>
        <source>coordonnées lues dans les colonnes %1</source>
        <translation>Koordinaten aus den Spalten %1 gelesen</translation>
    </message>
    <message>
        <source>coordonnées lisibles aux champs %1 et %2&#xa0;: choisissez dans Options de lecture</source>
        <translation>Koordinaten in den Feldern %1 und %2 lesbar: Wählen Sie unter Leseoptionen</translation>
    </message>
</context>
<context>
    <name>koord::ui::ChoiceBinder</name>
    <message>
        <source>Détection automatique</source>
        <translation>Automatische Erkennung</translation>
    </message>
    <message>
        <source>Plusieurs systèmes…</source>
        <translation>Mehrere Systeme…</translation>
    </message>
    <message>
        <source>Selon le type</source>
        <translation>Je nach Typ</translation>
    </message>
    <message>
        <source>Un point par ligne, de tout type&#xa0;; par exemple
150000	170000
50,84041	4,36875
31UES963329
E4.35.22</source>
        <translation>Ein Punkt pro Zeile, beliebigen Typs; zum Beispiel
150000	170000
50,84041	4,36875
31UES963329
E4.35.22</translation>
    </message>
</context>
<context>
    <name>koord::ui::Form1</name>
    <message>
        <source>Ouvrir un fichier de points</source>
        <translation>Punktdatei öffnen</translation>
    </message>
    <message>
        <source>Texte (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>CSV pour tableur (*.csv)</source>
        <translation>CSV für Tabellenkalkulation (*.csv)</translation>
    </message>
    <message>
        <source>Enregistrer le résultat</source>
        <translation>Ergebnis speichern</translation>
    </message>
    <message>
        <source>Exécute la conversion (Ctrl+Entrée)</source>
        <translation>Führt die Umrechnung aus (Strg+Eingabe)</translation>
    </message>
    <message>
        <source>Affiche la carte de distribution (Ctrl+M)</source>
        <translation>Zeigt die Verbreitungskarte (Strg+M)</translation>
    </message>
    <message>
        <source>Aide (F1)</source>
        <translation>Hilfe (F1)</translation>
    </message>
    <message>
        <source>Quitter (Ctrl+Q)</source>
        <translation>Beenden (Strg+Q)</translation>
    </message>
    <message>
        <source>&amp;Effacer</source>
        <translation>Lös&amp;chen</translation>
    </message>
    <message>
        <source>Efface les coordonnées de départ (Ctrl+Z l&apos;annule)</source>
        <translation>Löscht die Ausgangskoordinaten (Strg+Z macht es rückgängig)</translation>
    </message>
    <message>
        <source>E&amp;ffacer</source>
        <translation>Lösc&amp;hen</translation>
    </message>
    <message>
        <source>Efface le résultat (Ctrl+Z l&apos;annule)</source>
        <translation>Löscht das Ergebnis (Strg+Z macht es rückgängig)</translation>
    </message>
    <message>
        <source>&amp;Copier</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copie tout le résultat dans le presse-papiers (Ctrl+Maj+C)</source>
        <translation>Kopiert das ganze Ergebnis in die Zwischenablage (Strg+Umschalt+C)</translation>
    </message>
    <message>
        <source>&amp;Ouvrir…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Remplace les coordonnées de départ par un fichier texte ou CSV (Ctrl+O)</source>
        <translation>Ersetzt die Ausgangskoordinaten durch eine Text- oder CSV-Datei (Strg+O)</translation>
    </message>
    <message>
        <source>Enre&amp;gistrer le résultat…</source>
        <translation>Ergebnis &amp;speichern…</translation>
    </message>
    <message>
        <source>Enregistre le résultat dans un fichier texte ou CSV (Ctrl+S)</source>
        <translation>Speichert das Ergebnis in einer Text- oder CSV-Datei (Strg+S)</translation>
    </message>
    <message>
        <source>Options de &amp;lecture</source>
        <translation>&amp;Leseoptionen</translation>
    </message>
    <message>
        <source>Options du &amp;résultat</source>
        <translation>&amp;Ergebnisoptionen</translation>
    </message>
    <message>
        <source>&amp;Voir la première ligne refusée</source>
        <translation>E&amp;rste abgelehnte Zeile zeigen</translation>
    </message>
    <message>
        <source>&amp;Arrêter</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>Arrête la conversion en cours (Échap)</source>
        <translation>Bricht die laufende Umrechnung ab (Esc)</translation>
    </message>
    <message>
        <source>Données de test (501 points)</source>
        <translation>Testdaten (501 Punkte)</translation>
    </message>
    <message>
        <source>Remplit la zone de départ de points tirés au hasard, dans le système de départ</source>
        <translation>Füllt das Eingabefeld mit zufälligen Punkten im Ausgangssystem</translation>
    </message>
    <message>
        <source>Copier tout le résultat</source>
        <translation>Ganzes Ergebnis kopieren</translation>
    </message>
    <message>
        <source>Ouvrir…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Enregistrer le résultat…</source>
        <translation>Ergebnis speichern…</translation>
    </message>
    <message>
        <source>Résultat enregistré dans %1</source>
        <translation>Ergebnis gespeichert in %1</translation>
    </message>
    <message>
        <source>resultat</source>
        <translation>ergebnis</translation>
    </message>
    <message>
        <source>Les coordonnées de &amp;départ sont en&#xa0;:</source>
        <translation>&amp;Ausgangskoordinaten in:</translation>
    </message>
    <message>
        <source>Les coordonnées de de&amp;stination sont en&#xa0;:</source>
        <translation>&amp;Zielkoordinaten in:</translation>
    </message>
    <message>
        <source>Dat&amp;um&#xa0;:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>Datu&amp;m&#xa0;:</source>
        <translation>Datu&amp;m:</translation>
    </message>
    <message>
        <source>&amp;Tapez ou collez les coordonnées à convertir dans la zone ci-dessous.</source>
        <translation>&amp;Umzurechnende Koordinaten im Feld unten eingeben oder einfügen.</translation>
    </message>
    <message>
        <source>À &amp;propos…</source>
        <translation>&amp;Info…</translation>
    </message>
    <message>
        <source>Sélectionne la première ligne refusée dans les deux zones&#xa0;; F8 mène à la suivante, Maj+F8 à la précédente</source>
        <translation>Markiert die erste abgelehnte Zeile in beiden Feldern; F8 geht zur nächsten, Umschalt+F8 zur vorigen</translation>
    </message>
    <message>
        <source>Langue&#xa0;:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Ligne refusée suivante</source>
        <translation>Nächste abgelehnte Zeile</translation>
    </message>
    <message>
        <source>Ligne refusée précédente</source>
        <translation>Vorige abgelehnte Zeile</translation>
    </message>
    <message>
        <source>Coordonnées de départ effacées&#xa0;: Ctrl+Z les rétablit.</source>
        <translation>Ausgangskoordinaten gelöscht: Strg+Z stellt sie wieder her.</translation>
    </message>
    <message>
        <source>Résultat effacé&#xa0;: Ctrl+Z le rétablit.</source>
        <translation>Ergebnis gelöscht: Strg+Z stellt es wieder her.</translation>
    </message>
    <message>
        <source>Rien à enregistrer&#xa0;: le résultat est vide.</source>
        <translation>Nichts zu speichern: Das Ergebnis ist leer.</translation>
    </message>
    <message>
        <source>Séparateur des champs et colonne des coordonnées (trouvés dans chaque texte, sauf choix), points loin de la Belgique, ligne de départ recopiée</source>
        <translation>Feldtrennzeichen und Spalte der Koordinaten (in jedem Text gefunden, sofern nicht gewählt), Punkte weit von Belgien, Eingabezeile wiederholen</translation>
    </message>
    <message>
        <source>Remplacer ou compléter le résultat, type lu, carrés IFBL avec points, carrés MGRS sans zone, décimales des mètres, séparateur décimal</source>
        <translation>Ergebnis ersetzen oder ergänzen, gelesener Typ, IFBL-Quadrate mit Punkten, MGRS-Quadrate ohne Zone, Dezimalstellen der Meter, Dezimalzeichen</translation>
    </message>
    <message>
        <source>Premier point lo&amp;in</source>
        <translation>Erster &amp;weit entfernter Punkt</translation>
    </message>
    <message>
        <source>Sélectionne dans les deux zones la première ligne dont le point est à plus de 100&#xa0;km de la Belgique</source>
        <translation>Wählt in beiden Feldern die erste Zeile aus, deren Punkt mehr als 100&#xa0;km von Belgien entfernt liegt</translation>
    </message>
    <message>
        <source>Classeur Excel (*.xlsx)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>Classeur OpenDocument (*.ods)</source>
        <translation>OpenDocument-Arbeitsmappe (*.ods)</translation>
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
        <translation>Alle Koordinatendateien (*.txt *.csv *.tsv *.tab *.xlsx *.ods *.gpx *.kml *.kmz *.geojson *.json *.gpkg *.shp)</translation>
    </message>
    <message>
        <source>Textes et CSV (*.txt *.csv *.tsv *.tab)</source>
        <translation>Text und CSV (*.txt *.csv *.tsv *.tab)</translation>
    </message>
    <message>
        <source>Classeurs (*.xlsx *.ods)</source>
        <translation>Arbeitsmappen (*.xlsx *.ods)</translation>
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
        <translation>Punkt-Layer (*.gpkg *.geojson *.json *.shp)</translation>
    </message>
    <message>
        <source>Tous les fichiers (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>« %1 » a plusieurs feuilles. Laquelle ouvrir&#xa0;?</source>
        <translation>„%1“ hat mehrere Blätter. Welches soll geöffnet werden?</translation>
    </message>
    <message>
        <source>« %1 » a plusieurs couches. Laquelle ouvrir&#xa0;?</source>
        <translation>„%1“ hat mehrere Layer. Welcher soll geöffnet werden?</translation>
    </message>
    <message>
        <source>« %1 » ne dit pas le système de ses points&#xa0;: choisissez au départ Lambert belge 1972, Lambert belge 2008 ou des degrés décimaux, puis ouvrez-le à nouveau.</source>
        <translation>„%1“ gibt das System seiner Punkte nicht an: Wählen Sie als Ausgangssystem Belgische Lambert-Projektion 1972, Belgische Lambert-Projektion 2008 oder Dezimalgrad und öffnen Sie die Datei erneut.</translation>
    </message>
    <message>
        <source>Le fichier est en %1. Utiliser ce système&#xa0;?</source>
        <translation>Die Datei ist im System %1. Dieses System verwenden?</translation>
    </message>
    <message>
        <source>%1 objets sans point, gardés comme lignes sans coordonnées (première, ligne %2&#xa0;: %3)</source>
        <translation>%1 Objekte ohne Punkt, als Zeilen ohne Koordinaten behalten (erstes in Zeile %2: %3)</translation>
    </message>
    <message>
        <source>%1 objet sans point, gardé comme ligne sans coordonnées (ligne %2&#xa0;: %3)</source>
        <translation>%1 Objekt ohne Punkt, als Zeile ohne Koordinaten behalten (Zeile %2: %3)</translation>
    </message>
    <message>
        <source>&#xa0;; %1 lignes refusées absentes, un GPX ne gardant que des points</source>
        <translation>; %1 abgelehnte Zeilen fehlen, da eine GPX-Datei nur Punkte enthält</translation>
    </message>
    <message>
        <source>&#xa0;; %1 ligne refusée absente, un GPX ne gardant que des points</source>
        <translation>; %1 abgelehnte Zeile fehlt, da eine GPX-Datei nur Punkte enthält</translation>
    </message>
</context>
<context>
    <name>koord::ui::HelpWindow</name>
    <message>
        <source>Aide de Koord</source>
        <translation>Hilfe zu Koord</translation>
    </message>
    <message>
        <source>Sommaire</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Précédent</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Suivant</source>
        <translation>Vorwärts</translation>
    </message>
</context>
<context>
    <name>koord::ui::InputOptionsMenu</name>
    <message>
        <source>Tabulation</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Point-virgule ( ; )</source>
        <translation>Semikolon ( ; )</translation>
    </message>
    <message>
        <source>Virgule ( , ), point décimal</source>
        <translation>Komma ( , ), Dezimalpunkt</translation>
    </message>
    <message>
        <source>Blancs et tabulations</source>
        <translation>Leerzeichen und Tabulatoren</translation>
    </message>
    <message>
        <source>&amp;Séparateur des champs</source>
        <translation>&amp;Feldtrennzeichen</translation>
    </message>
    <message>
        <source>&amp;Recopier la ligne de départ devant le résultat</source>
        <translation>&amp;Eingabezeile vor dem Ergebnis wiederholen</translation>
    </message>
    <message>
        <source>Automatique</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Les coordonnées commencent au &amp;champ</source>
        <translation>Die &amp;Koordinaten beginnen bei Feld</translation>
    </message>
    <message>
        <source>Automatique&#xa0;: d&apos;après l&apos;en-tête qui nomme les colonnes, sinon là où les coordonnées se lisent</source>
        <translation>Automatisch: nach der Kopfzeile, die die Spalten benennt, sonst dort, wo sich die Koordinaten lesen lassen</translation>
    </message>
    <message>
        <source>Refuser les points &amp;loin de la Belgique</source>
        <translation>Punkte weit von Belgien &amp;ablehnen</translation>
    </message>
    <message>
        <source>Un point à plus de 100&#xa0;km de la Belgique est refusé, avec sa distance, au lieu d&apos;être converti et signalé</source>
        <translation>Ein Punkt, der mehr als 100&#xa0;km von Belgien entfernt liegt, wird mit seiner Entfernung abgelehnt, statt umgerechnet und gemeldet zu werden</translation>
    </message>
</context>
<context>
    <name>koord::ui::OutputKindsDialog</name>
    <message>
        <source>Plusieurs systèmes</source>
        <translation>Mehrere Systeme</translation>
    </message>
    <message>
        <source>Cochez les systèmes du résultat, dans l&apos;ordre de leurs colonnes&#xa0;; le datum d&apos;arrivée vaut pour tous.</source>
        <translation>Kreuzen Sie die Systeme des Ergebnisses in der Reihenfolge ihrer Spalten an; das Zieldatum gilt für alle.</translation>
    </message>
    <message>
        <source>&amp;Monter</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Descendre</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Précision&#xa0;:</source>
        <translation>Genauigkeit:</translation>
    </message>
</context>
<context>
    <name>koord::ui::OutputOptionsMenu</name>
    <message>
        <source>&amp;Remplacer le résultat à chaque conversion</source>
        <translation>&amp;Ergebnis bei jeder Umrechnung ersetzen</translation>
    </message>
    <message>
        <source>Carrés IFBL avec &amp;points (E4.35.22)</source>
        <translation>IFBL-Quadrate mit &amp;Punkten (E4.35.22)</translation>
    </message>
    <message>
        <source>&amp;Transformation précise (0,2 m)</source>
        <translation>&amp;Genaue Transformation (0,2 m)</translation>
    </message>
    <message>
        <source>Entre BD72 et WGS84, la transformation officielle «&#xa0;BD72 to ETRS89 (2)&#xa0;» au lieu du décalage de Molodensky (1&#xa0;m environ)</source>
        <translation>Zwischen BD72 und WGS84 die amtliche Transformation „BD72 to ETRS89 (2)“ statt der Molodensky-Verschiebung (etwa 1 m)</translation>
    </message>
    <message>
        <source>Séparateur &amp;décimal</source>
        <translation>&amp;Dezimalzeichen</translation>
    </message>
    <message>
        <source>&amp;Virgule (50,84041)</source>
        <translation>&amp;Komma (50,84041)</translation>
    </message>
    <message>
        <source>&amp;Point (50.84041)</source>
        <translation>&amp;Punkt (50.84041)</translation>
    </message>
    <message>
        <source>Afficher le type &amp;lu</source>
        <translation>Gelesenen &amp;Typ zeigen</translation>
    </message>
    <message>
        <source>Écrit devant le résultat le type de coordonnées de chaque ligne (lambert, mgrs…), utile avec la détection automatique</source>
        <translation>Schreibt den Koordinatentyp jeder Zeile (lambert, mgrs…) vor das Ergebnis, nützlich mit der automatischen Erkennung</translation>
    </message>
    <message>
        <source>Carrés MGRS belges sans leur &amp;zone (ES9534)</source>
        <translation>Belgische MGRS-Quadrate ohne &amp;Zone (ES9534)</translation>
    </message>
    <message>
        <source>Comme les atlas belges les nomment&#xa0;: ES9534 au lieu de 31UES9534, pour les carrés de 100&#xa0;km de la Belgique</source>
        <translation>Wie belgische Atlanten sie nennen: ES9534 statt 31UES9534, für die 100-km-Quadrate Belgiens</translation>
    </message>
    <message>
        <source>Carrés en p&amp;olygones</source>
        <translation>Quadrate als Pol&amp;ygone</translation>
    </message>
    <message>
        <source>Un résultat IFBL ou MGRS enregistré en GeoPackage, GeoJSON, KML, GPX ou shapefile est le polygone de son carré plutôt que son point</source>
        <translation>Ein IFBL- oder MGRS-Ergebnis wird in GeoPackage, GeoJSON, KML, GPX oder Shapefile als Polygon seines Quadrats gespeichert statt als Punkt</translation>
    </message>
</context>
<context>
    <name>koord::ui::RunController</name>
    <message>
        <source>Continuer?</source>
        <translation>Fortfahren?</translation>
    </message>
</context>
<context>
    <name>koord::ui::frmAbout</name>
    <message>
        <source>L&apos;équipe Koord</source>
        <translation>Das Koord-Team</translation>
    </message>
    <message>
        <source>Projet Koord, 2026</source>
        <translation>Projekt Koord, 2026</translation>
    </message>
    <message>
        <source>Développé en C++ et Qt 6</source>
        <translation>Entwickelt in C++ und Qt 6</translation>
    </message>
    <message>
        <source>Contact&#xa0;: par le suivi des tickets du projet Koord</source>
        <translation>Kontakt: über das Ticketsystem des Koord-Projekts</translation>
    </message>
    <message>
        <source>Carte&#xa0;: Natural Earth (domaine public)</source>
        <translation>Karte: Natural Earth (gemeinfrei)</translation>
    </message>
    <message>
        <source>À propos de Koord</source>
        <translation>Über Koord</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>koord::ui::frmMap</name>
    <message>
        <source>Image PNG (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Dessin SVG (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>Enregistrer la carte</source>
        <translation>Karte speichern</translation>
    </message>
    <message>
        <source>carte.png</source>
        <translation>karte.png</translation>
    </message>
    <message>
        <source>&amp;Tout voir</source>
        <translation>&amp;Alles zeigen</translation>
    </message>
    <message>
        <source>Revient à toute la carte (Origine ou 0) ; la molette zoome, un glisser déplace la carte</source>
        <translation>Zurück zur ganzen Karte (Pos1 oder 0); das Mausrad zoomt, Ziehen verschiebt die Karte</translation>
    </message>
    <message>
        <source>&amp;Grille IFBL</source>
        <translation>IFBL-&amp;Gitter</translation>
    </message>
    <message>
        <source>&amp;Enregistrer l&apos;image…</source>
        <translation>Bild &amp;speichern…</translation>
    </message>
    <message>
        <source>Enregistre la carte en PNG ou en SVG (Ctrl+S)</source>
        <translation>Speichert die Karte als PNG oder SVG (Strg+S)</translation>
    </message>
    <message>
        <source>Carte enregistrée dans %1</source>
        <translation>Karte gespeichert in %1</translation>
    </message>
    <message>
        <source>Pointez un lieu pour lire ses coordonnées ; un clic les copie.</source>
        <translation>Zeigen Sie auf einen Ort, um seine Koordinaten zu lesen; ein Klick kopiert sie.</translation>
    </message>
    <message>
        <source>Koord — carte</source>
        <translation>Koord — Karte</translation>
    </message>
    <message>
        <source>Carrés IFBL de 32 x 20 km, de 4 x 4 km et de 1 x 1 km à mesure que l&apos;on s&apos;approche</source>
        <translation>IFBL-Quadrate von 32 x 20 km, aus der Nähe auch von 4 x 4 km und 1 x 1 km</translation>
    </message>
    <message>
        <source>Copié</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Ligne %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Ligne %1&#xa0;: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Conversion de coordonnées belges</source>
        <translation>Umrechnung belgischer Koordinaten</translation>
    </message>
</context>
</TS>
