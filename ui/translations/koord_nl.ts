<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="fr">
<context>
    <name>FileTexts</name>
    <message>
        <source>Le fichier «&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: %2.</source>
        <translation>Het bestand “%1” kan niet gelezen worden: %2.</translation>
    </message>
    <message>
        <source>Le fichier «&#xa0;%1&#xa0;» dépasse %2&#xa0;Mo, plus que Koord n&apos;en lit.</source>
        <translation>Het bestand “%1” is groter dan %2 MB, meer dan Koord leest.</translation>
    </message>
    <message>
        <source>«&#xa0;%1&#xa0;» est un classeur de tableur, que Koord ne lit pas. Dans le tableur, enregistrez la feuille au format CSV (Enregistrer sous… &gt; CSV), puis ouvrez ce fichier CSV.</source>
        <translation>“%1” is een rekenbladbestand, dat Koord niet leest. Sla het blad in het rekenbladprogramma op als CSV (Opslaan als… &gt; CSV) en open dan dat CSV-bestand.</translation>
    </message>
    <message>
        <source>Le résultat n&apos;a pas pu être enregistré dans «&#xa0;%1&#xa0;»&#xa0;: %2. Le fichier qui s&apos;y trouvait n&apos;a pas été modifié.</source>
        <translation>Het resultaat kon niet opgeslagen worden in “%1”: %2. Het bestand dat er stond, is niet gewijzigd.</translation>
    </message>
    <message>
        <source>«&#xa0;%1&#xa0;» n&apos;est pas un fichier texte (une image, un PDF…). Koord lit les fichiers texte et CSV&#xa0;: enregistrez les points au format CSV, puis ouvrez ce fichier CSV.</source>
        <translation>“%1” is geen tekstbestand (een afbeelding, een pdf…). Koord leest tekst- en CSV-bestanden: sla de punten op als CSV en open dan dat CSV-bestand.</translation>
    </message>
</context>
<context>
    <name>ImageTexts</name>
    <message>
        <source>Carte de distribution</source>
        <translation>Verspreidingskaart</translation>
    </message>
    <message>
        <source>Dessinée par Koord</source>
        <translation>Getekend door Koord</translation>
    </message>
    <message>
        <source>L&apos;image «&#xa0;%1&#xa0;» n&apos;a pas pu être dessinée (mémoire insuffisante).</source>
        <translation>De afbeelding “%1” kon niet getekend worden (onvoldoende geheugen).</translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être enregistrée dans «&#xa0;%1&#xa0;»&#xa0;: %2. Le fichier qui s&apos;y trouvait n&apos;a pas été modifié.</source>
        <translation>De afbeelding kon niet opgeslagen worden in “%1”: %2. Het bestand dat er stond, is niet gewijzigd.</translation>
    </message>
</context>
<context>
    <name>ReadOutTexts</name>
    <message>
        <source>Lambert 1972&#xa0;: X=%1 Y=%2
WGS84&#xa0;: %3
MGRS&#xa0;: %4
IFBL&#xa0;: %5</source>
        <translation>Lambert 72: X=%1 Y=%2
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
            <numerusform>%1 regel omgezet</numerusform>
            <numerusform>%1 regels omgezet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne convertie</source>
        <translation>
            <numerusform>%1 regel omgezet</numerusform>
            <numerusform>%1 regels omgezet</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 refusées</source>
        <translation>%1 geweigerd</translation>
    </message>
    <message>
        <source>%1 refusée</source>
        <translation>%1 geweigerd</translation>
    </message>
    <message numerus="yes">
        <source>Conversion arrêtée après %1 lignes</source>
        <translation>
            <numerusform>Omzetten gestopt na %1 regel</numerusform>
            <numerusform>Omzetten gestopt na %1 regels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Conversion arrêtée après %1 ligne</source>
        <translation>
            <numerusform>Omzetten gestopt na %1 regel</numerusform>
            <numerusform>Omzetten gestopt na %1 regels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, dont %1 refusées</source>
        <translation>
            <numerusform>, waarvan %1 geweigerd</numerusform>
            <numerusform>, waarvan %1 geweigerd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, dont %1 refusée</source>
        <translation>
            <numerusform>, waarvan %1 geweigerd</numerusform>
            <numerusform>, waarvan %1 geweigerd</numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion en cours… %1&#xa0;%</source>
        <translation>Bezig met omzetten… %1 %</translation>
    </message>
    <message>
        <source>résultat en %1</source>
        <translation>resultaat in %1</translation>
    </message>
    <message>
        <source>coordonnées lues à partir du champ %1</source>
        <translation>coördinaten gelezen vanaf veld %1</translation>
    </message>
    <message>
        <source>Résultat à refaire&#xa0;: les coordonnées ou les choix ont changé (Ctrl+Entrée)</source>
        <translation>Resultaat verouderd: de coördinaten of de keuzes zijn gewijzigd (Ctrl+Enter)</translation>
    </message>
    <message>
        <source>%1 et %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 loin de la Belgique</source>
        <translation>
            <numerusform>%1 ver van België</numerusform>
            <numerusform>%1 ver van België</numerusform>
        </translation>
    </message>
    <message>
        <source>coordonnées lues dans les colonnes %1</source>
        <translation>coördinaten gelezen uit de kolommen %1</translation>
    </message>
    <message>
        <source>coordonnées lisibles aux champs %1 et %2&#xa0;: choisissez dans Options de lecture</source>
        <translation>coördinaten leesbaar in de velden %1 en %2: kies in Leesopties</translation>
    </message>
</context>
<context>
    <name>koord::ui::ChoiceBinder</name>
    <message>
        <source>Détection automatique</source>
        <translation>Automatische herkenning</translation>
    </message>
    <message>
        <source>Plusieurs systèmes…</source>
        <translation>Meerdere systemen…</translation>
    </message>
    <message>
        <source>Selon le type</source>
        <translation>Volgens het type</translation>
    </message>
    <message>
        <source>Un point par ligne, de tout type&#xa0;; par exemple
150000	170000
50,84041	4,36875
31UES963329
E4.35.22</source>
        <translation>Eén punt per regel, van elk type; bijvoorbeeld
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
        <translation>Een puntenbestand openen</translation>
    </message>
    <message>
        <source>Texte (*.txt)</source>
        <translation>Tekst (*.txt)</translation>
    </message>
    <message>
        <source>CSV pour tableur (*.csv)</source>
        <translation>CSV voor rekenblad (*.csv)</translation>
    </message>
    <message>
        <source>Enregistrer le résultat</source>
        <translation>Resultaat opslaan</translation>
    </message>
    <message>
        <source>Exécute la conversion (Ctrl+Entrée)</source>
        <translation>Voert de omzetting uit (Ctrl+Enter)</translation>
    </message>
    <message>
        <source>Affiche la carte de distribution (Ctrl+M)</source>
        <translation>Toont de verspreidingskaart (Ctrl+M)</translation>
    </message>
    <message>
        <source>Aide (F1)</source>
        <translation>Help (F1)</translation>
    </message>
    <message>
        <source>Quitter (Ctrl+Q)</source>
        <translation>Afsluiten (Ctrl+Q)</translation>
    </message>
    <message>
        <source>&amp;Effacer</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>Efface les coordonnées de départ (Ctrl+Z l&apos;annule)</source>
        <translation>Wist de broncoördinaten (Ctrl+Z maakt het ongedaan)</translation>
    </message>
    <message>
        <source>E&amp;ffacer</source>
        <translation>W&amp;issen</translation>
    </message>
    <message>
        <source>Efface le résultat (Ctrl+Z l&apos;annule)</source>
        <translation>Wist het resultaat (Ctrl+Z maakt het ongedaan)</translation>
    </message>
    <message>
        <source>&amp;Copier</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Copie tout le résultat dans le presse-papiers (Ctrl+Maj+C)</source>
        <translation>Kopieert het hele resultaat naar het klembord (Ctrl+Shift+C)</translation>
    </message>
    <message>
        <source>&amp;Ouvrir…</source>
        <translation>O&amp;penen…</translation>
    </message>
    <message>
        <source>Remplace les coordonnées de départ par un fichier texte ou CSV (Ctrl+O)</source>
        <translation>Vervangt de broncoördinaten door een tekst- of CSV-bestand (Ctrl+O)</translation>
    </message>
    <message>
        <source>Enre&amp;gistrer le résultat…</source>
        <translation>Resultaat opsl&amp;aan…</translation>
    </message>
    <message>
        <source>Enregistre le résultat dans un fichier texte ou CSV (Ctrl+S)</source>
        <translation>Slaat het resultaat op in een tekst- of CSV-bestand (Ctrl+S)</translation>
    </message>
    <message>
        <source>Options de &amp;lecture</source>
        <translation>&amp;Leesopties</translation>
    </message>
    <message>
        <source>Options du &amp;résultat</source>
        <translation>&amp;Resultaatopties</translation>
    </message>
    <message>
        <source>&amp;Voir la première ligne refusée</source>
        <translation>&amp;Eerste geweigerde regel tonen</translation>
    </message>
    <message>
        <source>&amp;Arrêter</source>
        <translation>&amp;Stoppen</translation>
    </message>
    <message>
        <source>Arrête la conversion en cours (Échap)</source>
        <translation>Breekt de lopende omzetting af (Esc)</translation>
    </message>
    <message>
        <source>Données de test (501 points)</source>
        <translation>Testgegevens (501 punten)</translation>
    </message>
    <message>
        <source>Remplit la zone de départ de points tirés au hasard, dans le système de départ</source>
        <translation>Vult het bronvak met willekeurige punten, in het bronstelsel</translation>
    </message>
    <message>
        <source>Copier tout le résultat</source>
        <translation>Hele resultaat kopiëren</translation>
    </message>
    <message>
        <source>Ouvrir…</source>
        <translation>Openen…</translation>
    </message>
    <message>
        <source>Enregistrer le résultat…</source>
        <translation>Resultaat opslaan…</translation>
    </message>
    <message>
        <source>Résultat enregistré dans %1</source>
        <translation>Resultaat opgeslagen in %1</translation>
    </message>
    <message>
        <source>resultat</source>
        <translation>resultaat</translation>
    </message>
    <message>
        <source>Les coordonnées de &amp;départ sont en&#xa0;:</source>
        <translation>&amp;Broncoördinaten zijn in:</translation>
    </message>
    <message>
        <source>Les coordonnées de de&amp;stination sont en&#xa0;:</source>
        <translation>&amp;Doelcoördinaten zijn in:</translation>
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
        <translation>&amp;Typ of plak de om te zetten coördinaten in het vak hieronder.</translation>
    </message>
    <message>
        <source>À &amp;propos…</source>
        <translation>&amp;Over…</translation>
    </message>
    <message>
        <source>Sélectionne la première ligne refusée dans les deux zones&#xa0;; F8 mène à la suivante, Maj+F8 à la précédente</source>
        <translation>Selecteert de eerste geweigerde regel in beide vakken; F8 gaat naar de volgende, Shift+F8 naar de vorige</translation>
    </message>
    <message>
        <source>Langue&#xa0;:</source>
        <translation>Taal:</translation>
    </message>
    <message>
        <source>Ligne refusée suivante</source>
        <translation>Volgende geweigerde regel</translation>
    </message>
    <message>
        <source>Ligne refusée précédente</source>
        <translation>Vorige geweigerde regel</translation>
    </message>
    <message>
        <source>Coordonnées de départ effacées&#xa0;: Ctrl+Z les rétablit.</source>
        <translation>Broncoördinaten gewist: Ctrl+Z zet ze terug.</translation>
    </message>
    <message>
        <source>Résultat effacé&#xa0;: Ctrl+Z le rétablit.</source>
        <translation>Resultaat gewist: Ctrl+Z zet het terug.</translation>
    </message>
    <message>
        <source>Rien à enregistrer&#xa0;: le résultat est vide.</source>
        <translation>Niets op te slaan: het resultaat is leeg.</translation>
    </message>
    <message>
        <source>Remplacer ou compléter le résultat, type lu, carrés IFBL avec points, carrés MGRS sans zone, décimales des mètres, séparateur décimal</source>
        <translation>Resultaat vervangen of aanvullen, gelezen type, IFBL-hokken met punten, MGRS-hokken zonder zone, decimalen van de meters, decimaalteken</translation>
    </message>
    <message>
        <source>Sélectionne dans les deux zones la première ligne dont le point est à plus de 100&#xa0;km de la Belgique</source>
        <translation>Selecteert in beide vakken de eerste regel waarvan het punt meer dan 100 km van België ligt</translation>
    </message>
    <message>
        <source>Séparateur des champs et colonne des coordonnées (trouvés dans chaque texte, sauf choix), points loin de la Belgique, ligne de départ recopiée</source>
        <translation>Veldscheidingsteken en kolom van de coördinaten (in elke tekst gevonden, tenzij gekozen), punten ver van België, invoerregel herhalen</translation>
    </message>
    <message>
        <source>Premier point lo&amp;in</source>
        <translation>Eerste &amp;verre punt</translation>
    </message>
    <message>
        <source>Classeur Excel (*.xlsx)</source>
        <translation>Excel-werkmap (*.xlsx)</translation>
    </message>
    <message>
        <source>Classeur OpenDocument (*.ods)</source>
        <translation>OpenDocument-werkmap (*.ods)</translation>
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
        <translation>Alle coördinatenbestanden (*.txt *.csv *.tsv *.tab *.xlsx *.ods *.gpx *.kml *.kmz *.geojson *.json *.gpkg *.shp)</translation>
    </message>
    <message>
        <source>Textes et CSV (*.txt *.csv *.tsv *.tab)</source>
        <translation>Tekst en CSV (*.txt *.csv *.tsv *.tab)</translation>
    </message>
    <message>
        <source>Classeurs (*.xlsx *.ods)</source>
        <translation>Werkmappen (*.xlsx *.ods)</translation>
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
        <translation>Puntlagen (*.gpkg *.geojson *.json *.shp)</translation>
    </message>
    <message>
        <source>Tous les fichiers (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>« %1 » a plusieurs feuilles. Laquelle ouvrir&#xa0;?</source>
        <translation>“%1” heeft meerdere bladen. Welk openen?</translation>
    </message>
    <message>
        <source>« %1 » a plusieurs couches. Laquelle ouvrir&#xa0;?</source>
        <translation>“%1” heeft meerdere lagen. Welke openen?</translation>
    </message>
    <message>
        <source>Le fichier est en %1. Utiliser ce système&#xa0;?</source>
        <translation>Het bestand staat in %1. Dit stelsel gebruiken?</translation>
    </message>
    <message>
        <source>%1 objets sans point, gardés comme lignes sans coordonnées (première, ligne %2&#xa0;: %3)</source>
        <translation>%1 objecten zonder punt, behouden als regels zonder coördinaten (eerste, regel %2: %3)</translation>
    </message>
    <message>
        <source>%1 objet sans point, gardé comme ligne sans coordonnées (ligne %2&#xa0;: %3)</source>
        <translation>%1 object zonder punt, behouden als regel zonder coördinaten (regel %2: %3)</translation>
    </message>
    <message>
        <source>&#xa0;; %1 lignes refusées absentes, un GPX ne gardant que des points</source>
        <translation>; %1 geweigerde regels ontbreken, een GPX bewaart alleen punten</translation>
    </message>
    <message>
        <source>&#xa0;; %1 ligne refusée absente, un GPX ne gardant que des points</source>
        <translation>; %1 geweigerde regel ontbreekt, een GPX bewaart alleen punten</translation>
    </message>
    <message>
        <source>« %1 » ne dit pas le système de ses points&#xa0;: choisissez au départ Lambert belge 1972, Lambert belge 2008 ou des degrés décimaux, puis ouvrez-le à nouveau.</source>
        <translation>“%1” zegt niet in welk stelsel zijn punten staan: kies als invoer Belgische Lambert 72, Belgische Lambert 2008 of decimale graden en open het opnieuw.</translation>
    </message>
</context>
<context>
    <name>koord::ui::HelpWindow</name>
    <message>
        <source>Aide de Koord</source>
        <translation>Help bij Koord</translation>
    </message>
    <message>
        <source>Sommaire</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Précédent</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>Suivant</source>
        <translation>Volgende</translation>
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
        <translation>Puntkomma ( ; )</translation>
    </message>
    <message>
        <source>Virgule ( , ), point décimal</source>
        <translation>Komma ( , ), decimale punt</translation>
    </message>
    <message>
        <source>Blancs et tabulations</source>
        <translation>Spaties en tabs</translation>
    </message>
    <message>
        <source>&amp;Séparateur des champs</source>
        <translation>&amp;Veldscheidingsteken</translation>
    </message>
    <message>
        <source>&amp;Recopier la ligne de départ devant le résultat</source>
        <translation>&amp;Invoerregel vóór het resultaat herhalen</translation>
    </message>
    <message>
        <source>Automatique</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Les coordonnées commencent au &amp;champ</source>
        <translation>De coördinaten beginnen bij v&amp;eld</translation>
    </message>
    <message>
        <source>Automatique&#xa0;: d&apos;après l&apos;en-tête qui nomme les colonnes, sinon là où les coordonnées se lisent</source>
        <translation>Automatisch: volgens de kopregel die de kolommen noemt, anders waar de coördinaten leesbaar zijn</translation>
    </message>
    <message>
        <source>Refuser les points &amp;loin de la Belgique</source>
        <translation>Punten ver van België &amp;weigeren</translation>
    </message>
    <message>
        <source>Un point à plus de 100&#xa0;km de la Belgique est refusé, avec sa distance, au lieu d&apos;être converti et signalé</source>
        <translation>Een punt op meer dan 100 km van België wordt geweigerd, met zijn afstand, in plaats van omgezet en gemeld</translation>
    </message>
</context>
<context>
    <name>koord::ui::OutputKindsDialog</name>
    <message>
        <source>Plusieurs systèmes</source>
        <translation>Meerdere systemen</translation>
    </message>
    <message>
        <source>Cochez les systèmes du résultat, dans l&apos;ordre de leurs colonnes&#xa0;; le datum d&apos;arrivée vaut pour tous.</source>
        <translation>Vink de systemen van het resultaat aan, in de volgorde van hun kolommen; het doeldatum geldt voor alle.</translation>
    </message>
    <message>
        <source>&amp;Monter</source>
        <translation>&amp;Omhoog</translation>
    </message>
    <message>
        <source>&amp;Descendre</source>
        <translation>Omlaa&amp;g</translation>
    </message>
    <message>
        <source>Précision&#xa0;:</source>
        <translation>Precisie:</translation>
    </message>
</context>
<context>
    <name>koord::ui::OutputOptionsMenu</name>
    <message>
        <source>&amp;Remplacer le résultat à chaque conversion</source>
        <translation>&amp;Resultaat bij elke omzetting vervangen</translation>
    </message>
    <message>
        <source>Carrés IFBL avec &amp;points (E4.35.22)</source>
        <translation>IFBL-hokken met &amp;punten (E4.35.22)</translation>
    </message>
    <message>
        <source>&amp;Transformation précise (0,2 m)</source>
        <translation>&amp;Nauwkeurige transformatie (0,2 m)</translation>
    </message>
    <message>
        <source>Séparateur &amp;décimal</source>
        <translation>&amp;Decimaalteken</translation>
    </message>
    <message>
        <source>&amp;Virgule (50,84041)</source>
        <translation>&amp;Komma (50,84041)</translation>
    </message>
    <message>
        <source>&amp;Point (50.84041)</source>
        <translation>&amp;Punt (50.84041)</translation>
    </message>
    <message>
        <source>Entre BD72 et WGS84, la transformation officielle «&#xa0;BD72 to ETRS89 (2)&#xa0;» au lieu du décalage de Molodensky (1&#xa0;m environ)</source>
        <translation>Tussen BD72 en WGS84 de officiële transformatie “BD72 to ETRS89 (2)” in plaats van de Molodensky-verschuiving (ongeveer 1 m)</translation>
    </message>
    <message>
        <source>Afficher le type &amp;lu</source>
        <translation>Gelezen &amp;type tonen</translation>
    </message>
    <message>
        <source>Écrit devant le résultat le type de coordonnées de chaque ligne (lambert, mgrs…), utile avec la détection automatique</source>
        <translation>Schrijft vóór het resultaat het coördinatentype van elke regel (lambert, mgrs…), nuttig bij automatische herkenning</translation>
    </message>
    <message>
        <source>Carrés MGRS belges sans leur &amp;zone (ES9534)</source>
        <translation>Belgische MGRS-hokken zonder &amp;zone (ES9534)</translation>
    </message>
    <message>
        <source>Comme les atlas belges les nomment&#xa0;: ES9534 au lieu de 31UES9534, pour les carrés de 100&#xa0;km de la Belgique</source>
        <translation>Zoals Belgische atlassen ze noemen: ES9534 in plaats van 31UES9534, voor de hokken van 100 km van België</translation>
    </message>
    <message>
        <source>Carrés en p&amp;olygones</source>
        <translation>Hokken als &amp;veelhoeken</translation>
    </message>
    <message>
        <source>Un résultat IFBL ou MGRS enregistré en GeoPackage, GeoJSON, KML, GPX ou shapefile est le polygone de son carré plutôt que son point</source>
        <translation>Een IFBL- of MGRS-resultaat dat als GeoPackage, GeoJSON, KML, GPX of shapefile wordt opgeslagen, is de veelhoek van zijn hok in plaats van zijn punt</translation>
    </message>
</context>
<context>
    <name>koord::ui::RunController</name>
    <message>
        <source>Continuer?</source>
        <translation>Doorgaan?</translation>
    </message>
</context>
<context>
    <name>koord::ui::frmAbout</name>
    <message>
        <source>L&apos;équipe Koord</source>
        <translation>Het Koord-team</translation>
    </message>
    <message>
        <source>Projet Koord, 2026</source>
        <translation>Project Koord, 2026</translation>
    </message>
    <message>
        <source>Développé en C++ et Qt 6</source>
        <translation>Ontwikkeld in C++ en Qt 6</translation>
    </message>
    <message>
        <source>Contact&#xa0;: par le suivi des tickets du projet Koord</source>
        <translation>Contact: via de issuetracker van het Koord-project</translation>
    </message>
    <message>
        <source>À propos de Koord</source>
        <translation>Over Koord</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Carte&#xa0;: Natural Earth (domaine public)</source>
        <translation>Kaart: Natural Earth (publiek domein)</translation>
    </message>
</context>
<context>
    <name>koord::ui::frmMap</name>
    <message>
        <source>Image PNG (*.png)</source>
        <translation>PNG-afbeelding (*.png)</translation>
    </message>
    <message>
        <source>Dessin SVG (*.svg)</source>
        <translation>SVG-tekening (*.svg)</translation>
    </message>
    <message>
        <source>Enregistrer la carte</source>
        <translation>Kaart opslaan</translation>
    </message>
    <message>
        <source>carte.png</source>
        <translation>kaart.png</translation>
    </message>
    <message>
        <source>&amp;Tout voir</source>
        <translation>&amp;Alles tonen</translation>
    </message>
    <message>
        <source>Revient à toute la carte (Origine ou 0) ; la molette zoome, un glisser déplace la carte</source>
        <translation>Terug naar de hele kaart (Home of 0); het wieltje zoomt, slepen verschuift de kaart</translation>
    </message>
    <message>
        <source>&amp;Grille IFBL</source>
        <translation>IFBL-&amp;raster</translation>
    </message>
    <message>
        <source>&amp;Enregistrer l&apos;image…</source>
        <translation>Af&amp;beelding…</translation>
    </message>
    <message>
        <source>Enregistre la carte en PNG ou en SVG (Ctrl+S)</source>
        <translation>Slaat de kaart op als PNG of SVG (Ctrl+S)</translation>
    </message>
    <message>
        <source>Carte enregistrée dans %1</source>
        <translation>Kaart opgeslagen in %1</translation>
    </message>
    <message>
        <source>Pointez un lieu pour lire ses coordonnées ; un clic les copie.</source>
        <translation>Wijs een plaats aan om de coördinaten te lezen; een klik kopieert ze.</translation>
    </message>
    <message>
        <source>Koord — carte</source>
        <translation>Koord — kaart</translation>
    </message>
    <message>
        <source>Carrés IFBL de 32 x 20 km, de 4 x 4 km et de 1 x 1 km à mesure que l&apos;on s&apos;approche</source>
        <translation>IFBL-hokken van 32 x 20 km, en van dichterbij ook van 4 x 4 km en 1 x 1 km</translation>
    </message>
    <message>
        <source>Copié</source>
        <translation>Gekopieerd</translation>
    </message>
    <message>
        <source>Ligne %1</source>
        <translation>Regel %1</translation>
    </message>
    <message>
        <source>Ligne %1&#xa0;: %2</source>
        <translation>Regel %1: %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Conversion de coordonnées belges</source>
        <translation>Omzetting van Belgische coördinaten</translation>
    </message>
</context>
</TS>
