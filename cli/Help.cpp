#include "cli/Help.h"

namespace koord::cli {
namespace {

constexpr std::string_view kFrench = R"help(Utilisation : koord-cli [OPTIONS] [FICHIER...]
Convertit des coordonnées belges, un point par ligne, les champs séparés
par une tabulation. Sans FICHIER, ou avec -, lit l'entrée standard.

Options :
  -f, --from TYPE         lambert | mgrs | ifbl | deg | lambert2008 | utm
                          (défaut : lambert)
  -t, --to TYPE           mêmes types, ou dms : degrés, minutes, secondes
                          (50°50'25.5"N) (défaut : mgrs)
      --datum-from CODE   BEL72 | WGS84 | EUR-M | NTF | ETRS89, en majuscules ou
                          non (défaut : BEL72 pour lambert et ifbl, ETRS89 pour
                          lambert2008, WGS84 pour deg, mgrs et utm)
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
      --decimals N        deg : 5, 6 ou 7 décimales (défaut : 5)
      --ifbl-dots         ifbl : codes avec points, E4.35.22 au lieu de E43522
      --decimal-mark C    deg et dms : . ou , dans les degrés écrits
                          (défaut : .)
      --separator S       ce qui sépare les champs : tab | ';' | ',' | blank
                          (blancs et tabulations) (défaut : tab) ; les
                          champs de sortie sont séparés de même
      --columns N         les coordonnées commencent au champ N (défaut : 1)
      --keep              chaque ligne de sortie reprend la ligne d'entrée,
                          puis le séparateur et le résultat
  -o, --output FICHIER    écrit dans FICHIER au lieu de la sortie standard ;
                          FICHIER n'est remplacé qu'à la fin d'une exécution
                          réussie, et reste intact sinon
      --map FICHIER.png   dessine les points sur la carte de Belgique dans
                          une image PNG au lieu de convertir
      --map-size LxH      taille de cette image en pixels (défaut : 1000x824)
      --map-grid          y dessine la grille IFBL (carrés de 32 x 20 km)
      --lang LANGUE       langue des messages et des raisons : fr | nl | en
                          (défaut : fr)
  -h, --help              affiche cette aide
  -V, --version           affiche la version

Champs d'entrée :
  lambert  X et Y en mètres ; une valeur sous 1000 est lue en kilomètres
  deg      latitude et longitude en degrés : 50.85, 50,85 N, S33.9, 4.35 W,
           50°51'06"N, 50°51.1'N, 50:51:06, 50d51m06s ; les lettres N, S, E,
           W (avant ou après) disent lequel est la latitude : 4.35E 50.85N
  lambert2008  X et Y en mètres (Lambert belge 2008, ETRS89)
  utm      zone et hémisphère, est, nord : 31N<TAB>596371<TAB>5632970
  mgrs     une référence, par exemple 31UES963329
  ifbl     un carré, par exemple E5.12.34
  Un nombre : chiffres, blancs permis (150 000), virgule ou point décimal
  une seule fois, signe et exposant permis (-1,5e3). Un champ peut être
  entre guillemets, comme en CSV. Avec --separator , le point décimal est
  le point.
  Refusés, avec leur raison : un champ vide (« Champ manquant »), un texte
  (« Nombre illisible : « abc » »), nan, inf, 1.2.3, 150000abc, un nombre
  trop grand, une lettre autre que N, S, E, W, un signe avec une lettre,
  deux latitudes, des minutes ou secondes de 60 ou plus.
  La première ligne d'un fichier sans chiffre dans ses champs de
  coordonnées est un en-tête : elle reçoit les noms des colonnes de sortie.
  Textes UTF-8 (avec ou sans marque d'ordre des octets) ou UTF-16 avec marque.

Les degrés, les nombres UTM et les références MGRS sont donnés dans le datum
d'arrivée ; Lambert 1972 et IFBL sont toujours en BEL72, Lambert 2008 en
ETRS89. Une référence MGRS ou un carré IFBL converti vers le même type est
raccourci à la précision demandée, jamais allongé. Un point hors du domaine
Lambert (X de 0 à 310 000 m, Y de 0 à 260 000 m) n'a pas de coordonnées
Lambert : sa ligne est refusée.

Une ligne de sortie par ligne d'entrée, champs séparés comme à l'entrée.
Une ligne refusée reçoit la raison du refus, répétée sur la sortie d'erreur
sous la forme « koord-cli: FICHIER:N: raison », N étant le numéro de la
ligne dans FICHIER (- pour l'entrée standard).

Variable d'environnement : KOORD_THREADS, le nombre de fils de conversion,
de 1 à 8 (défaut : un par cœur).
KOORD_LANG, la langue si --lang n'est pas donnée : fr, nl ou en.

Code de sortie : 0 tout est converti, 1 une ligne au moins est refusée,
2 erreur d'utilisation ou de fichier, 128 + N interrompu par le signal N.
)help";

constexpr std::string_view kDutch = R"help(Gebruik: koord-cli [OPTIES] [BESTAND...]
Zet Belgische coördinaten om, één punt per regel, de velden gescheiden
door een tab. Zonder BESTAND, of met -, wordt de standaardinvoer gelezen.

Opties:
  -f, --from TYPE         lambert | mgrs | ifbl | deg | lambert2008 | utm
                          (standaard: lambert)
  -t, --to TYPE           dezelfde types, of dms: graden, minuten, seconden
                          (50°50'25.5"N) (standaard: mgrs)
      --datum-from CODE   BEL72 | WGS84 | EUR-M | NTF | ETRS89, in hoofdletters
                          of niet (standaard: BEL72 voor lambert en ifbl,
                          ETRS89 voor lambert2008, WGS84 voor deg, mgrs en utm)
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
      --decimals N        deg: 5, 6 of 7 decimalen (standaard: 5)
      --ifbl-dots         ifbl: hokcodes met punten, E4.35.22 in plaats van
                          E43522
      --decimal-mark C    deg en dms: . of , in de geschreven graden
                          (standaard: .)
      --separator S       wat de velden scheidt: tab | ';' | ',' | blank
                          (spaties en tabs) (standaard: tab); de
                          uitvoervelden worden op dezelfde manier gescheiden
      --columns N         de coördinaten beginnen bij veld N (standaard: 1)
      --keep              elke uitvoerregel herneemt de invoerregel, gevolgd
                          door het scheidingsteken en het resultaat
  -o, --output BESTAND    schrijft naar BESTAND in plaats van naar de
                          standaarduitvoer; BESTAND wordt pas vervangen aan
                          het einde van een geslaagde uitvoering, en blijft
                          anders ongewijzigd
      --map BESTAND.png   tekent de punten op de kaart van België in een
                          PNG-afbeelding in plaats van om te zetten
      --map-size BxH      grootte van die afbeelding in pixels
                          (standaard: 1000x824)
      --map-grid          tekent er het IFBL-raster op (hokken van 32 x 20 km)
      --lang TAAL         taal van de berichten en redenen: fr | nl | en
                          (standaard: fr)
  -h, --help              toont deze hulp
  -V, --version           toont de versie

Invoervelden:
  lambert  X en Y in meter; een waarde onder 1000 wordt in kilometer gelezen
  deg      breedtegraad en lengtegraad in graden: 50.85, 50,85 N, S33.9,
           4.35 W, 50°51'06"N, 50°51.1'N, 50:51:06, 50d51m06s; de letters
           N, S, E, W (ervoor of erna) geven aan welke de breedtegraad is:
           4.35E 50.85N
  lambert2008  X en Y in meter (Belgische Lambert 2008, ETRS89)
  utm      zone en halfrond, oost, noord: 31N<TAB>596371<TAB>5632970
  mgrs     een referentie, bijvoorbeeld 31UES963329
  ifbl     een IFBL-hok, bijvoorbeeld E5.12.34
  Een getal: cijfers, spaties toegestaan (150 000), één decimale komma of
  punt, teken en exponent toegestaan (-1,5e3). Een veld mag tussen
  aanhalingstekens staan, zoals in CSV. Met --separator , is het
  decimaalteken de punt.
  Geweigerd, met hun reden: een leeg veld (Ontbrekend veld), een tekst
  (Onleesbaar getal: “abc”), nan, inf, 1.2.3, 150000abc, een te groot
  getal, een andere letter dan N, S, E, W, een teken met een letter,
  twee breedtegraden, minuten of seconden van 60 of meer.
  De eerste regel van een bestand zonder cijfer in zijn coördinaatvelden
  is een kopregel: die krijgt de namen van de uitvoerkolommen.
  Teksten in UTF-8 (met of zonder bytevolgordemarkering) of in UTF-16 met
  markering.

De graden, de UTM-getallen en de MGRS-referenties staan in het doeldatum;
Lambert 72 en IFBL zijn altijd in BEL72, Lambert 2008 in ETRS89. Een
MGRS-referentie of een IFBL-hok omgezet naar hetzelfde type wordt ingekort
tot de gevraagde precisie, nooit verlengd. Een punt buiten het bereik van
Lambert 72 (X van 0 tot 310 000 m, Y van 0 tot 260 000 m) heeft geen
Lambert-coördinaten: zijn regel wordt geweigerd.

Eén uitvoerregel per invoerregel, de velden gescheiden zoals in de invoer.
Een geweigerde regel krijgt de reden van de weigering, herhaald op de
foutuitvoer in de vorm "koord-cli: BESTAND:N: reden", waarbij N het nummer
van de regel in BESTAND is (- voor de standaardinvoer).

Omgevingsvariabelen: KOORD_THREADS, het aantal omzettingsthreads, van 1
tot 8 (standaard: één per kern); KOORD_LANG, de taal als --lang niet
gegeven is: fr, nl of en.

Afsluitcode: 0 alles is omgezet, 1 minstens één regel is geweigerd,
2 gebruiks- of bestandsfout, 128 + N onderbroken door signaal N.
)help";

constexpr std::string_view kEnglish = R"help(Usage: koord-cli [OPTIONS] [FILE...]
Converts Belgian coordinates, one point per line, the fields separated
by a tab. Without FILE, or with -, reads standard input.

Options:
  -f, --from TYPE         lambert | mgrs | ifbl | deg | lambert2008 | utm
                          (default: lambert)
  -t, --to TYPE           the same types, or dms: degrees, minutes, seconds
                          (50°50'25.5"N) (default: mgrs)
      --datum-from CODE   BEL72 | WGS84 | EUR-M | NTF | ETRS89, in any case
                          (default: BEL72 for lambert and ifbl, ETRS89 for
                          lambert2008, WGS84 for deg, mgrs and utm)
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
      --decimals N        deg: 5, 6 or 7 decimals (default: 5)
      --ifbl-dots         ifbl: codes with dots, E4.35.22 instead of E43522
      --decimal-mark C    deg and dms: . or , in the degrees written
                          (default: .)
      --separator S       what separates the fields: tab | ';' | ',' | blank
                          (spaces and tabs) (default: tab); the output
                          fields are separated the same way
      --columns N         the coordinates start at field N (default: 1)
      --keep              each output line repeats the input line, then
                          the separator and the result
  -o, --output FILE       writes to FILE instead of standard output; FILE is
                          replaced only at the end of a successful run, and
                          left untouched otherwise
      --map FILE.png      draws the points on the map of Belgium in a PNG
                          image instead of converting
      --map-size WxH      size of that image in pixels (default: 1000x824)
      --map-grid          draws the IFBL grid on it (squares of 32 x 20 km)
      --lang LANGUAGE     language of the messages and reasons: fr | nl | en
                          (default: fr)
  -h, --help              shows this help
  -V, --version           shows the version

Input fields:
  lambert  X and Y in metres; a value under 1000 is read as kilometres
  deg      latitude and longitude in degrees: 50.85, 50,85 N, S33.9, 4.35 W,
           50°51'06"N, 50°51.1'N, 50:51:06, 50d51m06s; the letters N, S, E,
           W (before or after) tell which is the latitude: 4.35E 50.85N
  lambert2008  X and Y in metres (Belgian Lambert 2008, ETRS89)
  utm      zone and hemisphere, easting, northing: 31N<TAB>596371<TAB>5632970
  mgrs     a reference, for example 31UES963329
  ifbl     a square, for example E5.12.34
  A number: digits, blanks allowed (150 000), a decimal comma or point
  once, sign and exponent allowed (-1,5e3). A field may be in double
  quotes, as in CSV. With --separator , the decimal mark is the point.
  Refused, with their reason: an empty field (Missing field), a text
  (Unreadable number: “abc”), nan, inf, 1.2.3, 150000abc, a number too
  large, a letter other than N, S, E, W, a sign with a letter, two
  latitudes, minutes or seconds of 60 or more.
  The first line of a file without a digit in its coordinate fields is a
  header: it gets the names of the output columns.
  UTF-8 text (with or without a byte order mark) or UTF-16 with one.

Degrees, UTM numbers and MGRS references are given in the output datum;
Lambert 1972 and IFBL are always on BEL72, Lambert 2008 on ETRS89. An MGRS
reference or an IFBL square converted to the same type is shortened to the
precision asked for, never lengthened. A point outside the Lambert domain
(X from 0 to 310,000 m, Y from 0 to 260,000 m) has no Lambert
coordinates: its line is refused.

One output line per input line, fields separated as in the input. A
refused line gets the reason for its refusal, repeated on standard error
as "koord-cli: FILE:N: reason", N being the number of the line in FILE
(- for standard input).

Environment variables: KOORD_THREADS, the number of converting threads,
1 to 8 (default: one per core); KOORD_LANG, the language when --lang is
not given: fr, nl or en.

Exit status: 0 everything converted, 1 at least one line refused,
2 usage or file error, 128 + N interrupted by signal N.
)help";

}  // namespace

std::string_view HelpText(Language language) {
  return Translated{kFrench, kDutch, kEnglish}.In(language);
}

}  // namespace koord::cli
