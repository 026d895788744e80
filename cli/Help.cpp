#include "cli/Help.h"

namespace koord::cli {
namespace {

constexpr std::string_view kFrench = R"help(Utilisation : koord-cli [OPTIONS] [FICHIER...]
Convertit des coordonnées belges, un point par ligne. Sans FICHIER, ou avec
-, lit l'entrée standard.

Options :
  -f, --from TYPE         lambert | mgrs | ifbl | deg | lambert2008 | utm, ou
                          auto : le type de chaque ligne (défaut : lambert)
  -t, --to TYPES          mêmes types, ou dms : degrés, minutes, secondes
                          (50°50'25.5"N) ; une liste écrit plusieurs
                          systèmes côte à côte : -t lambert,deg,mgrs,ifbl
                          (défaut : mgrs)
      --datum-from CODE   BEL72 | WGS84 | EUR-M | NTF | ETRS89, en majuscules ou
                          non (défaut : BEL72 pour lambert et ifbl, ETRS89 pour
                          lambert2008, WGS84 pour deg, mgrs et utm) ; lambert,
                          ifbl et lambert2008 n'en ont pas d'autre
      --datum-to CODE     mêmes codes, mêmes défauts selon --to
      --precise           BD72 et WGS84 par la transformation officielle
                          « BD72 to ETRS89 (2) » (0,2 m) au lieu du décalage
                          de Molodensky (1 m environ) ; elle sert toujours
                          entre BD72 et ETRS89, et pour Lambert 2008
      --zone N            utm : la zone des résultats, de 1 à 60, au lieu de
                          celle de chaque point (par exemple 31 pour tout un
                          jeu de données belge)
  -p, --precision P       mgrs : 1 | 10 | 100 | 1000 | 10000 mètres (défaut : 100)
                          ifbl : 1x1 | 4x4 | 32x20 km (défaut : 1x1)
                          sans -p, une référence ou un carré converti vers
                          son propre type garde sa précision ; avec
                          plusieurs sorties, une liste : -p 100,4x4
      --decimals N        deg : 5, 6 ou 7 décimales (défaut : 5) ;
                          lambert, lambert2008 et utm : de 0 à 3 (défaut : 0,
                          le mètre le plus proche)
      --ifbl-dots         ifbl : codes avec points, E4.35.22 au lieu de E43522
      --mgrs-short        mgrs : les carrés de la Belgique sans leur zone,
                          ES9534 au lieu de 31UES9534
      --show-kind         écrit d'abord le type lu (lambert, mgrs...)
      --decimal-mark C    deg, dms, lambert, lambert2008, utm : . ou , dans
                          les nombres écrits (défaut : .)
      --separator S       ce qui sépare les champs : auto | tab | ';' | ',' |
                          blank (blancs et tabulations) (défaut : auto) ; les
                          champs de sortie sont séparés de même (blank : tab)
      --columns N         les coordonnées commencent au champ N (défaut :
                          trouvées dans chaque fichier, voir plus bas)
      --keep              chaque ligne de sortie reprend la ligne d'entrée,
                          puis le séparateur et le résultat ; la sortie
                          garde la marque d'ordre des octets et les fins de
                          ligne de l'entrée (CRLF reste CRLF)
      --near-belgium      refuse les points à plus de 100 km de la Belgique,
                          avec leur distance, au lieu de les signaler
  -o, --output FICHIER    écrit dans FICHIER au lieu de la sortie standard ;
                          FICHIER n'est remplacé qu'à la fin d'une exécution
                          réussie, et reste intact sinon ; en .xlsx, .ods,
                          .gpkg, .shp, .geojson, .kml, .kmz ou .gpx, c'est un
                          fichier de ce format (voir plus bas)
      --format F          le format de -o : csv | xlsx | ods | gpkg | shp |
                          geojson | kml | kmz | gpx ; csv écrit le CSV des
                          tableurs (sinon un .csv est du texte, comme ici)
      --squares           ifbl, mgrs : écrit dans le fichier le carré de
                          chaque résultat, au lieu de son centre
      --sheet NOM         la feuille lue des classeurs (défaut : la première)
      --layer NOM         la couche lue des fichiers qui en ont plusieurs
      --map FICHIER       dessine les points sur la carte de Belgique, en
                          PNG (.png) ou en SVG (.svg), au lieu de convertir
      --map-size LxH      taille de cette image en pixels (défaut : 1000x824)
      --map-grid          y dessine la grille IFBL (carrés de 32 x 20 km)
      --lang LANGUE       langue des messages et des raisons : fr | nl | en
                          (défaut : fr)
  -h, --help              affiche cette aide
  -V, --version           affiche la version

Champs d'entrée :
  lambert  X et Y en mètres ; une valeur sous 1000 est lue en kilomètres
  deg      latitude et longitude en degrés : 50.85, 50,85 N, 50.85° N,
           S33.9, 4.35 W, 50°51'06"N, 50°51’06”N, 50°51.1'N, 50:51:06,
           50 51 06, 50d51m06s, N50 51.100 (degrés et minutes des GPS) ;
           les lettres N, S, E, W (avant ou après) disent lequel est la
           latitude : 4.35E 50.85N. Les deux dans un seul champ, comme les
           sites de cartes les copient : 50.846667, 4.352500 ;
           N50 51.100 E004 21.167
  lambert2008  X et Y en mètres (Lambert belge 2008, ETRS89), ou en km
  utm      zone et hémisphère ou bande, est, nord : 31N 596371 5632970,
           31U 596371 5632970 (bandes C à M au sud, P à X au nord)
  mgrs     une référence, par exemple 31UES963329 ou 31U ES 963 329 ; les
           carrés de 100 km de la Belgique aussi sans leur zone, comme les
           atlas les nomment : ES95, ES9534, ES 95 34, FS 1456
  ifbl     un carré, par exemple E5.12.34
  Un nombre : chiffres, blancs permis (150 000), virgule ou point décimal
  une seule fois, signe et exposant permis (-1,5e3). Un champ peut être
  entre guillemets, comme en CSV. Entre des champs séparés par des
  virgules, le point décimal est le point.

Lecture des lignes (--separator auto, sans --columns) : la première ligne
de chaque fichier qui nomme ses colonnes (X, Y, Lat, Lon, Latitude,
Longitude, E, N, Est, Nord, Breedte, Lengte, MGRS, IFBL, UTM, avec ou sans
unité : « X (m) », « Lat (WGS84) », « X_BL72 ») est un en-tête qui place
les coordonnées. Sinon la première ligne qui se lit décide : tabulation si
elle en a une, sinon point-virgule, sinon blancs s'ils la coupent juste
en ses champs, sinon virgules ; les coordonnées sont aux colonnes où elle
se lit, près de la Belgique si elle se lit à plusieurs (deux lectures
près de la Belgique : les lignes sont refusées, à vous de choisir
--columns). Une première ligne qui ne se lit pas est un en-tête si aucun
de ses champs de coordonnées n'est une valeur et que l'un d'eux a une
lettre. Une ligne de champs vides (;;) est une ligne vide.
Avec des blancs ou des virgules, qui peuvent aussi se trouver dans une
valeur, chaque champ doit être compté : « 150 000 170 000 » donne « 4
champs séparés par des blancs pour 2 coordonnées » ; la tabulation et le
point-virgule permettent des colonnes après les coordonnées.
Refusés, avec leur raison : un champ vide (« Champ manquant : Y »), un
texte (« Nombre illisible : « abc » »), nan, inf, 1.2.3, 150000abc, un
nombre trop grand, une lettre autre que N, S, E, W, un signe avec une
lettre, deux latitudes, des minutes ou secondes de 60 ou plus.
Textes UTF-8 (avec ou sans marque d'ordre des octets), UTF-16 avec marque,
ou Windows-1252 (CSV des tableurs français) pour les lignes qui ne sont
pas de l'UTF-8.

Avec -f auto, chaque ligne est lue dans le seul type dont la forme convient
et dont le point tombe en Belgique ou à moins de 20 km : un carré IFBL
(E4.35.22), une référence MGRS (avec ou sans zone pour les carrés belges),
des nombres UTM (31N ou 31U, est, nord), Lambert 2008 (X et Y de 500 000 à
800 000), Lambert 1972 (en mètres ou en km), des degrés sous toutes leurs
formes. 50.85 4.35 sont des degrés (lus en km Lambert, le point serait en
France) ; 150.000 170.000 sont des km Lambert. Une ligne qu'aucun type ne lit
près de la Belgique est refusée en nommant les lectures trop lointaines
(« lambert à 148 km ») ; si deux types la lisent, choisissez le type. Les
degrés, MGRS et UTM sont lus en WGS84, sauf --datum-from ; les carrés MGRS
des anciennes cartes topographiques sont en European 1950 (--datum-from
EUR-M).

Fichiers d'autres programmes (GDAL) : un classeur (.xlsx, .ods) se lit
comme un CSV, sa première ligne est un en-tête ou un point. Une couche de
points (.gpkg, .shp, .geojson, .kml, .kmz, .gpx : points, puis points de
route et de trace) donne ses points dans son système (EPSG 31370, 3812,
4326, 4258, 4313, 4230, 4275, UTM 326zz, 258zz, 230zz), qui fixe -f et
--datum-from ; une géométrie autre qu'un point est refusée à sa place. Avec
-o FICHIER d'un de ces formats, chaque ligne y devient un enregistrement :
les colonnes de l'entrée (celles de son en-tête ; sans en-tête, la ligne
entière dans koord_ligne), celles du résultat, et koord_refus, la raison
d'un refus. Le point est dans le système du résultat (en WGS84 pour KML et
GPX) ; un GPX ne garde pas les lignes refusées, qu'il compte sur la sortie
d'erreur.

Les degrés, les nombres UTM et les références MGRS sont donnés dans le datum
d'arrivée ; Lambert 1972 et IFBL sont toujours en BEL72, Lambert 2008 en
ETRS89. Les mètres sont arrondis au plus proche (--decimals), les degrés
aussi, les secondes au dixième. Une référence MGRS ou un carré IFBL
converti vers le même type est raccourci à la précision demandée, jamais
allongé. Un point hors du domaine Lambert (X de 0 à 310 000 m, Y de 0 à
260 000 m) n'a pas de coordonnées Lambert : sa ligne est refusée.

Une ligne de sortie par ligne d'entrée. Une ligne refusée reçoit la raison
du refus, répétée sur la sortie d'erreur sous la forme « koord-cli:
FICHIER:N: raison », N étant le numéro de la ligne dans FICHIER (- pour
l'entrée standard). Les points à plus de 100 km de la Belgique sont
convertis mais comptés à la fin sur la sortie d'erreur : « koord-cli: 3
points à plus de 100 km de la Belgique (premier : points.txt:12) ».

Variables d'environnement : KOORD_THREADS, le nombre de fils de
conversion, de 1 à 64 ou au nombre de cœurs (défaut : un par cœur, 8 au
plus) ; KOORD_LANG, la langue si --lang n'est pas donnée : fr, nl ou en.

Code de sortie : 0 tout est converti, 1 une ligne au moins est refusée,
2 erreur d'utilisation ou de fichier, 128 + N interrompu par le signal N.
)help";

constexpr std::string_view kDutch = R"help(Gebruik: koord-cli [OPTIES] [BESTAND...]
Zet Belgische coördinaten om, één punt per regel. Zonder BESTAND, of met
-, wordt de standaardinvoer gelezen.

Opties:
  -f, --from TYPE         lambert | mgrs | ifbl | deg | lambert2008 | utm, of
                          auto: het type van elke regel (standaard: lambert)
  -t, --to TYPES          dezelfde types, of dms: graden, minuten, seconden
                          (50°50'25.5"N); een lijst schrijft meer systemen
                          naast elkaar: -t lambert,deg,mgrs,ifbl
                          (standaard: mgrs)
      --datum-from CODE   BEL72 | WGS84 | EUR-M | NTF | ETRS89, in hoofdletters
                          of niet (standaard: BEL72 voor lambert en ifbl,
                          ETRS89 voor lambert2008, WGS84 voor deg, mgrs en
                          utm); lambert, ifbl en lambert2008 hebben geen ander
      --datum-to CODE     dezelfde codes, dezelfde standaardwaarden volgens --to
      --precise           BD72 en WGS84 via de officiële transformatie
                          "BD72 to ETRS89 (2)" (0,2 m) in plaats van de
                          Molodensky-verschuiving (ongeveer 1 m); die dient
                          altijd tussen BD72 en ETRS89, en voor Lambert 2008
      --zone N            utm: de zone van de resultaten, van 1 tot 60, in
                          plaats van die van elk punt (bijvoorbeeld 31 voor
                          een hele Belgische dataset)
  -p, --precision P       mgrs: 1 | 10 | 100 | 1000 | 10000 meter (standaard: 100)
                          ifbl: 1x1 | 4x4 | 32x20 km (standaard: 1x1)
                          zonder -p houdt een referentie of een hok dat naar
                          hetzelfde type wordt omgezet zijn precisie; met
                          meer uitvoertypes een lijst: -p 100,4x4
      --decimals N        deg: 5, 6 of 7 decimalen (standaard: 5);
                          lambert, lambert2008 en utm: van 0 tot 3
                          (standaard: 0, de dichtstbijzijnde meter)
      --ifbl-dots         ifbl: hokcodes met punten, E4.35.22 in plaats van
                          E43522
      --mgrs-short        mgrs: de hokken van België zonder hun zone,
                          ES9534 in plaats van 31UES9534
      --show-kind         schrijft eerst het gelezen type (lambert, mgrs...)
      --decimal-mark C    deg, dms, lambert, lambert2008, utm: . of , in de
                          geschreven getallen (standaard: .)
      --separator S       wat de velden scheidt: auto | tab | ';' | ',' |
                          blank (spaties en tabs) (standaard: auto); de
                          uitvoervelden worden op dezelfde manier gescheiden
                          (blank: tab)
      --columns N         de coördinaten beginnen bij veld N (standaard: in
                          elk bestand gevonden, zie verder)
      --keep              elke uitvoerregel herneemt de invoerregel, gevolgd
                          door het scheidingsteken en het resultaat; de
                          uitvoer houdt de bytevolgordemarkering en de
                          regeleinden van de invoer (CRLF blijft CRLF)
      --near-belgium      weigert punten op meer dan 100 km van België, met
                          hun afstand, in plaats van ze te melden
  -o, --output BESTAND    schrijft naar BESTAND in plaats van naar de
                          standaarduitvoer; BESTAND wordt pas vervangen aan
                          het einde van een geslaagde uitvoering, en blijft
                          anders ongewijzigd; als .xlsx, .ods, .gpkg, .shp,
                          .geojson, .kml, .kmz of .gpx is het een bestand in
                          dat formaat (zie verder)
      --format F          het formaat van -o: csv | xlsx | ods | gpkg | shp |
                          geojson | kml | kmz | gpx; csv schrijft de CSV van
                          rekenbladen (anders is een .csv tekst, zoals hier)
      --squares           ifbl, mgrs: schrijft het hok van elk resultaat in
                          het bestand, in plaats van zijn middelpunt
      --sheet NAAM        het gelezen blad van werkmappen (standaard: het
                          eerste)
      --layer NAAM        de gelezen laag van bestanden met meerdere lagen
      --map BESTAND       tekent de punten op de kaart van België, als PNG
                          (.png) of SVG (.svg), in plaats van om te zetten
      --map-size BxH      grootte van die afbeelding in pixels
                          (standaard: 1000x824)
      --map-grid          tekent er het IFBL-raster op (hokken van 32 x 20 km)
      --lang TAAL         taal van de berichten en redenen: fr | nl | en
                          (standaard: fr)
  -h, --help              toont deze hulp
  -V, --version           toont de versie

Invoervelden:
  lambert  X en Y in meter; een waarde onder 1000 wordt in kilometer gelezen
  deg      breedte en lengte in graden: 50.85, 50,85 N, 50.85° N, S33.9,
           4.35 W, 50°51'06"N, 50°51’06”N, 50°51.1'N, 50:51:06, 50 51 06,
           50d51m06s, N50 51.100 (graden en minuten van gps-toestellen);
           de letters N, S, E, W (ervoor of erna) geven aan welke de
           breedte is: 4.35E 50.85N. Beide in één veld, zoals kaartsites ze
           kopiëren: 50.846667, 4.352500; N50 51.100 E004 21.167
  lambert2008  X en Y in meter (Belgische Lambert 2008, ETRS89), of in km
  utm      zone en halfrond of band, oost, noord: 31N 596371 5632970,
           31U 596371 5632970 (banden C tot M ten zuiden, P tot X ten
           noorden)
  mgrs     een referentie, bijvoorbeeld 31UES963329 of 31U ES 963 329; de
           hokken van 100 km van België ook zonder hun zone, zoals atlassen
           ze noemen: ES95, ES9534, ES 95 34, FS 1456
  ifbl     een IFBL-hok, bijvoorbeeld E5.12.34
  Een getal: cijfers, spaties toegestaan (150 000), één decimale komma of
  punt, teken en exponent toegestaan (-1,5e3). Een veld mag tussen
  aanhalingstekens staan, zoals in CSV. Tussen velden gescheiden door
  komma's is het decimaalteken de punt.

Lezen van de regels (--separator auto, zonder --columns): de eerste regel
van elk bestand die zijn kolommen benoemt (X, Y, Lat, Lon, Latitude,
Longitude, E, N, Oost, Noord, Breedte, Lengte, MGRS, IFBL, UTM, met of
zonder eenheid: "X (m)", "Lat (WGS84)", "X_BL72") is een kopregel die de
coördinaten plaatst. Anders beslist de eerste regel die leesbaar is: tab
als hij er een heeft, anders puntkomma, anders spaties als die hem precies
in zijn velden snijden, anders komma's; de coördinaten staan in de
kolommen waar hij leesbaar is, dicht bij België als hij op meer plaatsen
leesbaar is (twee lezingen dicht bij België: de regels worden geweigerd,
kies dan --columns). Een eerste regel die niet leesbaar is, is een
kopregel als geen van zijn coördinaatvelden een waarde is en er één een
letter heeft. Een regel van lege velden (;;) is een lege regel.
Met spaties of komma's, die ook in een waarde kunnen staan, moet elk veld
geteld zijn: "150 000 170 000" geeft "4 velden gescheiden door spaties
voor 2 coördinaten"; tab en puntkomma laten kolommen na de coördinaten
toe.
Geweigerd, met hun reden: een leeg veld (Ontbrekend veld: Y), een tekst
(Onleesbaar getal: “abc”), nan, inf, 1.2.3, 150000abc, een te groot
getal, een andere letter dan N, S, E, W, een teken met een letter,
twee breedtegraden, minuten of seconden van 60 of meer.
Teksten in UTF-8 (met of zonder bytevolgordemarkering), in UTF-16 met
markering, of in Windows-1252 (CSV van Franse rekenbladen) voor regels
die geen UTF-8 zijn.

Met -f auto wordt elke regel gelezen als het enige type waarvan de vorm
past en waarvan het punt in België of op minder dan 20 km ligt: een
IFBL-hok (E4.35.22), een MGRS-referentie (met of zonder zone voor de
Belgische hokken), UTM-getallen (31N of 31U, oost, noord), Lambert 2008 (X
en Y van 500 000 tot 800 000), Lambert 72 (in meter of km), graden in al
hun vormen. 50.85 4.35 zijn graden (als Lambert-km zou het punt in
Frankrijk liggen); 150.000 170.000 zijn Lambert-km. Een regel die geen
type dicht bij België leest, wordt geweigerd met de lezingen die te ver
liggen ("lambert op 148 km"); leest meer dan één type hem, kies dan het
type. Graden, MGRS en UTM worden in WGS84 gelezen, tenzij --datum-from; de
MGRS-hokken van oude topografische kaarten zijn in European 1950
(--datum-from EUR-M).

Bestanden van andere programma's (GDAL): een werkmap (.xlsx, .ods) wordt
gelezen als een CSV, zijn eerste rij is een kop of een punt. Een puntenlaag
(.gpkg, .shp, .geojson, .kml, .kmz, .gpx: punten, dan route- en
trackpunten) geeft zijn punten in zijn stelsel (EPSG 31370, 3812, 4326,
4258, 4313, 4230, 4275, UTM 326zz, 258zz, 230zz), dat -f en --datum-from
vastlegt; een andere geometrie dan een punt wordt op haar plaats
geweigerd. Met -o BESTAND in een van die formaten wordt elke regel er een
record: de kolommen van de invoer (die van zijn kop; zonder kop de hele
regel in koord_ligne), die van het resultaat, en koord_refus, de reden van
een weigering. Het punt staat in het stelsel van het resultaat (in WGS84
voor KML en GPX); een GPX bewaart geweigerde regels niet en telt ze op de
standaardfout.

De graden, de UTM-getallen en de MGRS-referenties staan in het doeldatum;
Lambert 72 en IFBL zijn altijd in BEL72, Lambert 2008 in ETRS89. Meters
worden afgerond op het dichtstbijzijnde (--decimals), graden ook,
seconden op het tiende. Een MGRS-referentie of een IFBL-hok omgezet naar
hetzelfde type wordt ingekort tot de gevraagde precisie, nooit verlengd.
Een punt buiten het bereik van Lambert 72 (X van 0 tot 310 000 m, Y van 0
tot 260 000 m) heeft geen Lambert-coördinaten: zijn regel wordt geweigerd.

Eén uitvoerregel per invoerregel. Een geweigerde regel krijgt de reden van
de weigering, herhaald op de foutuitvoer in de vorm "koord-cli:
BESTAND:N: reden", waarbij N het nummer van de regel in BESTAND is (- voor
de standaardinvoer). Punten op meer dan 100 km van België worden omgezet
maar op het einde geteld op de foutuitvoer: "koord-cli: 3 punten op meer
dan 100 km van België (eerste: punten.txt:12)".

Omgevingsvariabelen: KOORD_THREADS, het aantal omzettingsthreads, van 1
tot 64 of tot het aantal kernen (standaard: één per kern, hoogstens 8);
KOORD_LANG, de taal als --lang niet gegeven is: fr, nl of en.

Afsluitcode: 0 alles is omgezet, 1 minstens één regel is geweigerd,
2 gebruiks- of bestandsfout, 128 + N onderbroken door signaal N.
)help";

constexpr std::string_view kEnglish = R"help(Usage: koord-cli [OPTIONS] [FILE...]
Converts Belgian coordinates, one point per line. Without FILE, or with -,
reads standard input.

Options:
  -f, --from TYPE         lambert | mgrs | ifbl | deg | lambert2008 | utm, or
                          auto: each line's own type (default: lambert)
  -t, --to TYPES          the same types, or dms: degrees, minutes, seconds
                          (50°50'25.5"N); a list writes several systems side
                          by side: -t lambert,deg,mgrs,ifbl (default: mgrs)
      --datum-from CODE   BEL72 | WGS84 | EUR-M | NTF | ETRS89, in any case
                          (default: BEL72 for lambert and ifbl, ETRS89 for
                          lambert2008, WGS84 for deg, mgrs and utm); lambert,
                          ifbl and lambert2008 have no other
      --datum-to CODE     the same codes, the same defaults by --to
      --precise           BD72 and WGS84 through the official transformation
                          "BD72 to ETRS89 (2)" (0.2 m) instead of the
                          Molodensky shift (about 1 m); it is always used
                          between BD72 and ETRS89, and for Lambert 2008
      --zone N            utm: the zone of the results, 1 to 60, instead of
                          each point's own (for example 31 for a whole
                          Belgian data set)
  -p, --precision P       mgrs: 1 | 10 | 100 | 1000 | 10000 metres (default: 100)
                          ifbl: 1x1 | 4x4 | 32x20 km (default: 1x1)
                          without -p, a reference or a square converted to
                          its own type keeps its precision; with several
                          outputs, a list: -p 100,4x4
      --decimals N        deg: 5, 6 or 7 decimals (default: 5);
                          lambert, lambert2008 and utm: 0 to 3 (default: 0,
                          the nearest metre)
      --ifbl-dots         ifbl: codes with dots, E4.35.22 instead of E43522
      --mgrs-short        mgrs: Belgium's squares without their zone,
                          ES9534 instead of 31UES9534
      --show-kind         writes first the type read (lambert, mgrs...)
      --decimal-mark C    deg, dms, lambert, lambert2008, utm: . or , in the
                          numbers written (default: .)
      --separator S       what separates the fields: auto | tab | ';' | ',' |
                          blank (spaces and tabs) (default: auto); the output
                          fields are separated the same way (blank: tab)
      --columns N         the coordinates start at field N (default: found
                          in each file, see below)
      --keep              each output line repeats the input line, then the
                          separator and the result; the output keeps the
                          input's byte order mark and line ends (CRLF stays
                          CRLF)
      --near-belgium      refuses points more than 100 km from Belgium, with
                          their distance, instead of reporting them
  -o, --output FILE       writes to FILE instead of standard output; FILE is
                          replaced only at the end of a successful run, and
                          left untouched otherwise; as .xlsx, .ods, .gpkg,
                          .shp, .geojson, .kml, .kmz or .gpx, it is a file of
                          that format (see below)
      --format F          the format of -o: csv | xlsx | ods | gpkg | shp |
                          geojson | kml | kmz | gpx; csv writes the CSV of
                          spreadsheets (otherwise a .csv is text, as here)
      --squares           ifbl, mgrs: writes each result's square in the
                          file, instead of its centre
      --sheet NAME        the sheet read from workbooks (default: the first)
      --layer NAME        the layer read from files that have several
      --map FILE          draws the points on the map of Belgium, as PNG
                          (.png) or SVG (.svg), instead of converting
      --map-size WxH      size of that image in pixels (default: 1000x824)
      --map-grid          draws the IFBL grid on it (squares of 32 x 20 km)
      --lang LANGUAGE     language of the messages and reasons: fr | nl | en
                          (default: fr)
  -h, --help              shows this help
  -V, --version           shows the version

Input fields:
  lambert  X and Y in metres; a value under 1000 is read as kilometres
  deg      latitude and longitude in degrees: 50.85, 50,85 N, 50.85° N,
           S33.9, 4.35 W, 50°51'06"N, 50°51’06”N, 50°51.1'N, 50:51:06,
           50 51 06, 50d51m06s, N50 51.100 (GPS degrees and minutes); the
           letters N, S, E, W (before or after) tell which is the latitude:
           4.35E 50.85N. Both in one field, as map sites copy them:
           50.846667, 4.352500; N50 51.100 E004 21.167
  lambert2008  X and Y in metres (Belgian Lambert 2008, ETRS89), or in km
  utm      zone and hemisphere or band, easting, northing: 31N 596371
           5632970, 31U 596371 5632970 (bands C to M south, P to X north)
  mgrs     a reference, for example 31UES963329 or 31U ES 963 329; Belgium's
           100 km squares also without their zone, as atlases name them:
           ES95, ES9534, ES 95 34, FS 1456
  ifbl     a square, for example E5.12.34
  A number: digits, blanks allowed (150 000), a decimal comma or point
  once, sign and exponent allowed (-1,5e3). A field may be in double
  quotes, as in CSV. Between fields separated by commas, the decimal mark
  is the point.

Reading the lines (--separator auto, no --columns): the first line of each
file that names its columns (X, Y, Lat, Lon, Latitude, Longitude, E, N,
Easting, Northing, Breedte, Lengte, MGRS, IFBL, UTM, with or without a
unit: "X (m)", "Lat (WGS84)", "X_BL72") is a header that places the
coordinates. Otherwise the first line that reads decides: a tab if it
holds one, else a semicolon, else blanks when they cut it into exactly its
fields, else commas; the coordinates are in the columns where it reads,
near Belgium when it reads in several (two readings near Belgium: the
lines are refused, choose --columns). A first line that does not read is a
header when none of its coordinate fields holds a value and one holds a
letter. A line of empty fields (;;) is an empty line.
With blanks or commas, which may also stand inside a value, every field
must be accounted for: "150 000 170 000" gives "4 fields separated by
blanks for 2 coordinates"; tabs and semicolons allow columns after the
coordinates.
Refused, with their reason: an empty field (Missing field: Y), a text
(Unreadable number: “abc”), nan, inf, 1.2.3, 150000abc, a number too
large, a letter other than N, S, E, W, a sign with a letter, two
latitudes, minutes or seconds of 60 or more.
UTF-8 text (with or without a byte order mark), UTF-16 with one, or
Windows-1252 (the CSV of French spreadsheets) for lines that are not
UTF-8.

With -f auto, each line is read as the one type whose form fits and whose
point lies in Belgium or less than 20 km from it: an IFBL square
(E4.35.22), an MGRS reference (with or without the zone for Belgian
squares), UTM numbers (31N or 31U, easting, northing), Lambert 2008 (X and
Y from 500,000 to 800,000), Lambert 1972 (in metres or km), degrees in all
their forms. 50.85 4.35 are degrees (read as Lambert km the point would
lie in France); 150.000 170.000 are Lambert km. A line that no type reads
near Belgium is refused, naming the readings that lie too far ("lambert
at 148 km"); if two types read it, choose the type. Degrees, MGRS and UTM
are read on WGS84 unless --datum-from; the MGRS squares of old
topographic maps are on European 1950 (--datum-from EUR-M).

Files of other programs (GDAL): a workbook (.xlsx, .ods) is read as a
CSV, its first row a header or a point. A point layer (.gpkg, .shp,
.geojson, .kml, .kmz, .gpx: waypoints, then route and track points) gives
its points in its system (EPSG 31370, 3812, 4326, 4258, 4313, 4230, 4275,
UTM 326zz, 258zz, 230zz), which sets -f and --datum-from; a geometry other
than a point is refused in its place. With -o FILE in one of these
formats, each line becomes a record there: the input's columns (its
header's; without a header, the whole line in koord_ligne), the result's,
and koord_refus, the reason of a refusal. The point is in the result's
system (in WGS84 for KML and GPX); a GPX keeps no refused lines, and
counts them on standard error.

Degrees, UTM numbers and MGRS references are given in the output datum;
Lambert 1972 and IFBL are always on BEL72, Lambert 2008 on ETRS89. Metres
are rounded to the nearest (--decimals), degrees too, seconds to the
tenth. An MGRS reference or an IFBL square converted to the same type is
shortened to the precision asked for, never lengthened. A point outside
the Lambert domain (X from 0 to 310,000 m, Y from 0 to 260,000 m) has no
Lambert coordinates: its line is refused.

One output line per input line. A refused line gets the reason for its
refusal, repeated on standard error as "koord-cli: FILE:N: reason", N
being the number of the line in FILE (- for standard input). Points more
than 100 km from Belgium are converted but counted at the end on standard
error: "koord-cli: 3 points more than 100 km from Belgium (first:
points.txt:12)".

Environment variables: KOORD_THREADS, the number of converting threads,
1 to 64 or to the number of cores (default: one per core, at most 8);
KOORD_LANG, the language when --lang is not given: fr, nl or en.

Exit status: 0 everything converted, 1 at least one line refused,
2 usage or file error, 128 + N interrupted by signal N.
)help";

}  // namespace

std::string_view HelpText(Language language) {
  return Translated{kFrench, kDutch, kEnglish}.In(language);
}

}  // namespace koord::cli
