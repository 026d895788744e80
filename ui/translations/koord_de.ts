<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="fr">
<context>
    <name>FileTexts</name>
    <message>
        <source>Le fichier « %1 » ne peut pas être lu : %2.</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Le fichier « %1 » dépasse %2 Mo, plus que Koord n&apos;en lit.</source>
        <translation>Die Datei „%1“ ist größer als %2 MB, mehr als Koord liest.</translation>
    </message>
    <message>
        <source>« %1 » est un classeur de tableur, que Koord ne lit pas. Dans le tableur, enregistrez la feuille au format CSV (Enregistrer sous… &gt; CSV), puis ouvrez ce fichier CSV.</source>
        <translation>„%1“ ist eine Arbeitsmappe einer Tabellenkalkulation, die Koord nicht liest. Speichern Sie das Blatt in der Tabellenkalkulation im CSV-Format (Speichern unter… &gt; CSV) und öffnen Sie dann diese CSV-Datei.</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un fichier texte (une image, un PDF…). Koord lit les fichiers texte et CSV : enregistrez les points au format CSV, puis ouvrez ce fichier CSV.</source>
        <translation>„%1“ ist keine Textdatei (ein Bild, ein PDF…). Koord liest Text- und CSV-Dateien: Speichern Sie die Punkte im CSV-Format und öffnen Sie dann diese CSV-Datei.</translation>
    </message>
    <message>
        <source>Le résultat n&apos;a pas pu être enregistré dans « %1 » : %2. Le fichier qui s&apos;y trouvait n&apos;a pas été modifié.</source>
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
        <source>L&apos;image « %1 » n&apos;a pas pu être dessinée (mémoire insuffisante).</source>
        <translation>Das Bild „%1“ konnte nicht gezeichnet werden (nicht genug Speicher).</translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être enregistrée dans « %1 » : %2. Le fichier qui s&apos;y trouvait n&apos;a pas été modifié.</source>
        <translation>Das Bild konnte nicht in „%1“ gespeichert werden: %2. Die dort vorhandene Datei wurde nicht verändert.</translation>
    </message>
</context>
<context>
    <name>ListTexts</name>
    <message>
        <source>Lambert belge 1972</source>
        <translation>Belgische Lambert-Projektion 1972</translation>
    </message>
    <message>
        <source>UTM alphanumérique (MGRS)</source>
        <translation>UTM-Gitter (MGRS)</translation>
    </message>
    <message>
        <source>IFBL</source>
        <translation>IFBL-Quadrate</translation>
    </message>
    <message>
        <source>Degrés décimaux Greenwich</source>
        <translation>Dezimalgrad (Greenwich)</translation>
    </message>
    <message>
        <source>Lambert belge 2008</source>
        <translation>Belgische Lambert-Projektion 2008</translation>
    </message>
    <message>
        <source>UTM (zone, est, nord)</source>
        <translation>UTM (Zone, Ostwert, Nordwert)</translation>
    </message>
    <message>
        <source>Degrés, minutes, secondes</source>
        <translation>Grad, Minuten, Sekunden</translation>
    </message>
    <message>
        <source>5 décimales (1 m)</source>
        <translation>5 Dezimalstellen (1 m)</translation>
    </message>
    <message>
        <source>6 décimales (10 cm)</source>
        <translation>6 Dezimalstellen (10 cm)</translation>
    </message>
    <message>
        <source>7 décimales (1 cm)</source>
        <translation>7 Dezimalstellen (1 cm)</translation>
    </message>
    <message>
        <source>Zone de chaque point</source>
        <translation>Zone jedes Punktes</translation>
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
        <translation>UTM-Zo&amp;ne:</translation>
    </message>
    <message>
        <source>Précisio&amp;n désirée:</source>
        <translation>Ge&amp;nauigkeit:</translation>
    </message>
    <message>
        <source>Un point par ligne : X, tabulation, Y (en mètres ou en km)
par exemple
150000	170000
150,5	170</source>
        <translation>Ein Punkt pro Zeile: X, Tabulator, Y (in Metern oder in km)
zum Beispiel
150000	170000
150,5	170</translation>
    </message>
    <message>
        <source>Une référence MGRS par ligne, par exemple
31UES9637232970</source>
        <translation>Eine MGRS-Referenz pro Zeile, zum Beispiel
31UES9637232970</translation>
    </message>
    <message>
        <source>Un carré IFBL par ligne, par exemple
E4
E4.35
E4.35.22</source>
        <translation>Ein IFBL-Quadrat pro Zeile, zum Beispiel
E4
E4.35
E4.35.22</translation>
    </message>
    <message>
        <source>Un point par ligne : latitude, tabulation, longitude
par exemple
50,84041	4,36875
50°50&apos;25,5&quot;N	4°22&apos;07,5&quot;E</source>
        <translation>Ein Punkt pro Zeile: Breite, Tabulator, Länge
zum Beispiel
50,84041	4,36875
50°50&apos;25,5&quot;N	4°22&apos;07,5&quot;E</translation>
    </message>
    <message>
        <source>Un point par ligne : X, tabulation, Y (en mètres)
par exemple
649999	670000</source>
        <translation>Ein Punkt pro Zeile: X, Tabulator, Y (in Metern)
zum Beispiel
649999	670000</translation>
    </message>
    <message>
        <source>Un point par ligne : zone, tabulation, est, tabulation, nord
par exemple
31N	596371	5632970</source>
        <translation>Ein Punkt pro Zeile: Zone, Tabulator, Ostwert, Tabulator, Nordwert
zum Beispiel
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
    <message>
        <source>Conversion en cours… %1 %</source>
        <translation>Umrechnung läuft… %1 %</translation>
    </message>
</context>
<context>
    <name>koord::ui::Form1</name>
    <message>
        <source>Ouvrir un fichier de points</source>
        <translation>Punktdatei öffnen</translation>
    </message>
    <message>
        <source>Textes et CSV (*.txt *.csv *.tsv *.tab);;Tous les fichiers (*)</source>
        <translation>Text und CSV (*.txt *.csv *.tsv *.tab);;Alle Dateien (*)</translation>
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
        <source>resultat.txt</source>
        <translation>ergebnis.txt</translation>
    </message>
    <message>
        <source>Les coodonnées de &amp;départs sont en :</source>
        <translation>&amp;Ausgangskoordinaten in:</translation>
    </message>
    <message>
        <source>Les coodonnées de de&amp;stination sont en :</source>
        <translation>&amp;Zielkoordinaten in:</translation>
    </message>
    <message>
        <source>Dat&amp;um:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>Datu&amp;m:</source>
        <translation>Datu&amp;m:</translation>
    </message>
    <message>
        <source>&amp;Tapez ou coller les coordonnées à transformer dans la zone ci-dessous.</source>
        <translation>&amp;Umzurechnende Koordinaten im Feld unten eingeben oder einfügen.</translation>
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
        <source>A &amp;propos...</source>
        <translation>&amp;Info...</translation>
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
        <source>Séparateur des champs, colonne des coordonnées, ligne de départ recopiée</source>
        <translation>Feldtrennzeichen, Spalte der Koordinaten, Eingabezeile wiederholen</translation>
    </message>
    <message>
        <source>Options du &amp;résultat</source>
        <translation>&amp;Ergebnisoptionen</translation>
    </message>
    <message>
        <source>Remplacer ou compléter le résultat, carrés IFBL avec points</source>
        <translation>Ergebnis ersetzen oder ergänzen, IFBL-Quadrate mit Punkten</translation>
    </message>
    <message>
        <source>&amp;Voir la première ligne refusée</source>
        <translation>E&amp;rste abgelehnte Zeile zeigen</translation>
    </message>
    <message>
        <source>Sélectionne la première ligne refusée dans les deux zones</source>
        <translation>Markiert die erste abgelehnte Zeile in beiden Feldern</translation>
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
        <source>Langue :</source>
        <translation>Sprache:</translation>
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
        <source>Coordonnées de départ effacées : Ctrl+Z les rétablit.</source>
        <translation>Ausgangskoordinaten gelöscht: Strg+Z stellt sie wieder her.</translation>
    </message>
    <message>
        <source>Résultat effacé : Ctrl+Z le rétablit.</source>
        <translation>Ergebnis gelöscht: Strg+Z stellt es wieder her.</translation>
    </message>
    <message>
        <source>Rien à enregistrer : le résultat est vide.</source>
        <translation>Nichts zu speichern: Das Ergebnis ist leer.</translation>
    </message>
    <message>
        <source>Résultat enregistré dans %1</source>
        <translation>Ergebnis gespeichert in %1</translation>
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
        <source>Les coordonnées commencent au champ</source>
        <translation>Die Koordinaten beginnen bei Feld</translation>
    </message>
    <message>
        <source>&amp;Recopier la ligne de départ devant le résultat</source>
        <translation>&amp;Eingabezeile vor dem Ergebnis wiederholen</translation>
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
        <source>Entre BD72 et WGS84, la transformation officielle « BD72 to ETRS89 (2) » au lieu du décalage de Molodensky (1 m environ)</source>
        <translation>Zwischen BD72 und WGS84 die amtliche Transformation „BD72 to ETRS89 (2)“ statt der Molodensky-Verschiebung (etwa 1 m)</translation>
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
        <source>Contact : par le suivi des tickets du projet Koord</source>
        <translation>Kontakt: über das Ticketsystem des Koord-Projekts</translation>
    </message>
    <message>
        <source>Développé en C++ et Qt 6</source>
        <translation>Entwickelt in C++ und Qt 6</translation>
    </message>
    <message>
        <source>Carte : Natural Earth (domaine public)</source>
        <translation>Karte: Natural Earth (gemeinfrei)</translation>
    </message>
    <message>
        <source>Auteur du programme</source>
        <translation>Autor des Programms</translation>
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
        <source>Carrés IFBL de 32 x 20 km, et de 4 x 4 km de près</source>
        <translation>IFBL-Quadrate von 32 x 20 km, aus der Nähe auch von 4 x 4 km</translation>
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
        <source>Coordonnées copiées : %1</source>
        <translation>Koordinaten kopiert: %1</translation>
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
