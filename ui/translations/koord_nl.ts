<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="fr">
<context>
    <name>FileTexts</name>
    <message>
        <source>Le fichier « %1 » ne peut pas être lu : %2.</source>
        <translation>Het bestand “%1” kan niet gelezen worden: %2.</translation>
    </message>
    <message>
        <source>Le fichier « %1 » dépasse %2 Mo, plus que Koord n&apos;en lit.</source>
        <translation>Het bestand “%1” is groter dan %2 MB, meer dan Koord leest.</translation>
    </message>
    <message>
        <source>« %1 » est un classeur de tableur, que Koord ne lit pas. Dans le tableur, enregistrez la feuille au format CSV (Enregistrer sous… &gt; CSV), puis ouvrez ce fichier CSV.</source>
        <translation>“%1” is een rekenbladbestand, dat Koord niet leest. Sla het blad in het rekenbladprogramma op als CSV (Opslaan als… &gt; CSV) en open dan dat CSV-bestand.</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un fichier texte (une image, un PDF…). Koord lit les fichiers texte et CSV : enregistrez les points au format CSV, puis ouvrez ce fichier CSV.</source>
        <translation>“%1” is geen tekstbestand (een afbeelding, een pdf…). Koord leest tekst- en CSV-bestanden: sla de punten op als CSV en open dan dat CSV-bestand.</translation>
    </message>
    <message>
        <source>Le résultat n&apos;a pas pu être enregistré dans « %1 » : %2. Le fichier qui s&apos;y trouvait n&apos;a pas été modifié.</source>
        <translation>Het resultaat kon niet opgeslagen worden in “%1”: %2. Het bestand dat er stond, is niet gewijzigd.</translation>
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
        <source>L&apos;image « %1 » n&apos;a pas pu être dessinée (mémoire insuffisante).</source>
        <translation>De afbeelding “%1” kon niet getekend worden (onvoldoende geheugen).</translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être enregistrée dans « %1 » : %2. Le fichier qui s&apos;y trouvait n&apos;a pas été modifié.</source>
        <translation>De afbeelding kon niet opgeslagen worden in “%1”: %2. Het bestand dat er stond, is niet gewijzigd.</translation>
    </message>
</context>
<context>
    <name>ListTexts</name>
    <message>
        <source>Lambert belge 1972</source>
        <translation>Belgische Lambert 72</translation>
    </message>
    <message>
        <source>UTM alphanumérique (MGRS)</source>
        <translation>Alfanumerieke UTM (MGRS)</translation>
    </message>
    <message>
        <source>IFBL</source>
        <translation>IFBL-hokken</translation>
    </message>
    <message>
        <source>Degrés décimaux Greenwich</source>
        <translation>Decimale graden Greenwich</translation>
    </message>
    <message>
        <source>Lambert belge 2008</source>
        <translation>Belgische Lambert 2008</translation>
    </message>
    <message>
        <source>UTM (zone, est, nord)</source>
        <translation>UTM (zone, oost, noord)</translation>
    </message>
    <message>
        <source>Degrés, minutes, secondes</source>
        <translation>Graden, minuten, seconden</translation>
    </message>
    <message>
        <source>5 décimales (1 m)</source>
        <translation>5 decimalen (1 m)</translation>
    </message>
    <message>
        <source>6 décimales (10 cm)</source>
        <translation>6 decimalen (10 cm)</translation>
    </message>
    <message>
        <source>7 décimales (1 cm)</source>
        <translation>7 decimalen (1 cm)</translation>
    </message>
    <message>
        <source>Zone de chaque point</source>
        <translation>Zone van elk punt</translation>
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
        <translation>UTM-zo&amp;ne:</translation>
    </message>
    <message>
        <source>Précisio&amp;n désirée:</source>
        <translation>Gewe&amp;nste precisie:</translation>
    </message>
    <message>
        <source>Un point par ligne : X, tabulation, Y (en mètres ou en km)
par exemple
150000	170000
150,5	170</source>
        <translation>Eén punt per regel: X, tab, Y (in meter of in km)
bijvoorbeeld
150000	170000
150,5	170</translation>
    </message>
    <message>
        <source>Une référence MGRS par ligne, par exemple
31UES9637232970</source>
        <translation>Eén MGRS-referentie per regel, bijvoorbeeld
31UES9637232970</translation>
    </message>
    <message>
        <source>Un carré IFBL par ligne, par exemple
E4
E4.35
E4.35.22</source>
        <translation>Eén IFBL-hok per regel, bijvoorbeeld
E4
E4.35
E4.35.22</translation>
    </message>
    <message>
        <source>Un point par ligne : latitude, tabulation, longitude
par exemple
50,84041	4,36875
50°50&apos;25,5&quot;N	4°22&apos;07,5&quot;E</source>
        <translation>Eén punt per regel: breedte, tab, lengte
bijvoorbeeld
50,84041	4,36875
50°50&apos;25,5&quot;N	4°22&apos;07,5&quot;E</translation>
    </message>
    <message>
        <source>Un point par ligne : X, tabulation, Y (en mètres)
par exemple
649999	670000</source>
        <translation>Eén punt per regel: X, tab, Y (in meter)
bijvoorbeeld
649999	670000</translation>
    </message>
    <message>
        <source>Un point par ligne : zone, tabulation, est, tabulation, nord
par exemple
31N	596371	5632970</source>
        <translation>Eén punt per regel: zone, tab, oost, tab, noord
bijvoorbeeld
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
    <message>
        <source>Conversion en cours… %1 %</source>
        <translation>Bezig met omzetten… %1 %</translation>
    </message>
</context>
<context>
    <name>koord::ui::Form1</name>
    <message>
        <source>Ouvrir un fichier de points</source>
        <translation>Een puntenbestand openen</translation>
    </message>
    <message>
        <source>Textes et CSV (*.txt *.csv *.tsv *.tab);;Tous les fichiers (*)</source>
        <translation>Tekst en CSV (*.txt *.csv *.tsv *.tab);;Alle bestanden (*)</translation>
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
        <source>resultat.txt</source>
        <translation>resultaat.txt</translation>
    </message>
    <message>
        <source>Les coodonnées de &amp;départs sont en :</source>
        <translation>&amp;Broncoördinaten zijn in:</translation>
    </message>
    <message>
        <source>Les coodonnées de de&amp;stination sont en :</source>
        <translation>&amp;Doelcoördinaten zijn in:</translation>
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
        <translation>&amp;Typ of plak de om te zetten coördinaten in het vak hieronder.</translation>
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
        <source>A &amp;propos...</source>
        <translation>&amp;Over...</translation>
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
        <source>Séparateur des champs, colonne des coordonnées, ligne de départ recopiée</source>
        <translation>Veldscheidingsteken, kolom van de coördinaten, invoerregel herhalen</translation>
    </message>
    <message>
        <source>Options du &amp;résultat</source>
        <translation>&amp;Resultaatopties</translation>
    </message>
    <message>
        <source>Remplacer ou compléter le résultat, carrés IFBL avec points</source>
        <translation>Resultaat vervangen of aanvullen, IFBL-hokken met punten</translation>
    </message>
    <message>
        <source>&amp;Voir la première ligne refusée</source>
        <translation>&amp;Eerste geweigerde regel tonen</translation>
    </message>
    <message>
        <source>Sélectionne la première ligne refusée dans les deux zones</source>
        <translation>Selecteert de eerste geweigerde regel in beide vakken</translation>
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
        <source>Langue :</source>
        <translation>Taal:</translation>
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
        <source>Coordonnées de départ effacées : Ctrl+Z les rétablit.</source>
        <translation>Broncoördinaten gewist: Ctrl+Z zet ze terug.</translation>
    </message>
    <message>
        <source>Résultat effacé : Ctrl+Z le rétablit.</source>
        <translation>Resultaat gewist: Ctrl+Z zet het terug.</translation>
    </message>
    <message>
        <source>Rien à enregistrer : le résultat est vide.</source>
        <translation>Niets op te slaan: het resultaat is leeg.</translation>
    </message>
    <message>
        <source>Résultat enregistré dans %1</source>
        <translation>Resultaat opgeslagen in %1</translation>
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
        <source>Selon la première ligne</source>
        <translation>Volgens de eerste regel</translation>
    </message>
    <message>
        <source>&amp;Séparateur des champs</source>
        <translation>&amp;Veldscheidingsteken</translation>
    </message>
    <message>
        <source>Les coordonnées commencent au champ</source>
        <translation>De coördinaten beginnen bij veld</translation>
    </message>
    <message>
        <source>&amp;Recopier la ligne de départ devant le résultat</source>
        <translation>&amp;Invoerregel vóór het resultaat herhalen</translation>
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
        <source>Entre BD72 et WGS84, la transformation officielle « BD72 to ETRS89 (2) » au lieu du décalage de Molodensky (1 m environ)</source>
        <translation>Tussen BD72 en WGS84 de officiële transformatie “BD72 to ETRS89 (2)” in plaats van de Molodensky-verschuiving (ongeveer 1 m)</translation>
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
        <source>Contact : par le suivi des tickets du projet Koord</source>
        <translation>Contact: via de issuetracker van het Koord-project</translation>
    </message>
    <message>
        <source>Développé en C++ et Qt 6</source>
        <translation>Ontwikkeld in C++ en Qt 6</translation>
    </message>
    <message>
        <source>Carte : Natural Earth (domaine public)</source>
        <translation>Kaart: Natural Earth (publiek domein)</translation>
    </message>
    <message>
        <source>Auteur du programme</source>
        <translation>Maker van het programma</translation>
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
        <source>Carrés IFBL de 32 x 20 km, et de 4 x 4 km de près</source>
        <translation>IFBL-hokken van 32 x 20 km, en van dichtbij van 4 x 4 km</translation>
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
        <source>Coordonnées copiées : %1</source>
        <translation>Coördinaten gekopieerd: %1</translation>
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
