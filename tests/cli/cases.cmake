# The cases of koord-cli, run by run_case.cmake:
#   koord_cli_case(<name> [ARGS <arg>...] [INPUT <text>]
#                  OUT <text> | OUT_REGEX <regex>  [ERR <text>] EXIT <status>
#                  [OUTFILE <text>] [THREADS <KOORD_THREADS>] [LANG <KOORD_LANG>])
# Lambert (150000, 170000) is 31UES963329 at 100 m on WGS84; IFBL square
# E435 at 4 x 4 km; 50.85 N 4.3505 E on WGS84 is 31UES9506734013.

koord_cli_case(default_lambert_to_mgrs
  INPUT "150000\t170000\n"
  OUT "31UES963329\n"
  EXIT 0)

koord_cli_case(kilometres_and_decimal_comma
  ARGS -t lambert
  INPUT "150000\t170000\n150,5\t170\n310\t260\n1000\t1000\n"
  OUT "150000\t170000\n150500\t170000\n310000\t260000\n1000\t1000\n"
  ERR "koord-cli: 1 point à plus de 100 km de la Belgique (-:4)\n"
  EXIT 0)

koord_cli_case(refused_lines_get_their_reason
  INPUT "150000\t170000\n400\t170\n150000\nabc\t1e999\n150000\t170000\n"
  OUT "31UES963329\nHors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)\nChamp manquant : Y\nNombre illisible : « abc »\n31UES963329\n"
  ERR "koord-cli: -:2: Hors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)\nkoord-cli: -:3: Champ manquant : Y\nkoord-cli: -:4: Nombre illisible : « abc »\n"
  EXIT 1)

koord_cli_case(blank_lines_stay_empty
  ARGS -t lambert
  INPUT "150\t170\n\n \t\n151\t171\n"
  OUT "150000\t170000\n\n\n151000\t171000\n"
  EXIT 0)

koord_cli_case(missing_final_line_break
  ARGS -t lambert
  INPUT "150\t170\n151\t171 "
  OUT "150000\t170000\n151000\t171000\n"
  EXIT 0)

koord_cli_case(final_blank_rest_is_no_line
  ARGS -t lambert
  INPUT "150\t170\n \t"
  OUT "150000\t170000\n"
  EXIT 0)

koord_cli_case(crlf_and_lone_cr_input
  ARGS -t lambert
  INPUT "150\t170\r\n151\t171\r\n152\t172\r153\t173\r\n"
  OUT "150000\t170000\n151000\t171000\n152000\t172000\n153000\t173000\n"
  EXIT 0)

koord_cli_case(empty_input
  INPUT ""
  OUT ""
  EXIT 0)

koord_cli_case(degrees_with_decimal_comma
  ARGS -f deg --datum-from wgs84 -t deg --decimal-mark ,
  INPUT "50.5\t4.25\n-0,000001\t-4,25\n"
  OUT "50,50000\t004,25000\n00,00000\t-004,25000\n"
  ERR "koord-cli: 1 point à plus de 100 km de la Belgique (-:2)\n"
  EXIT 0)

koord_cli_case(mgrs_at_one_metre
  ARGS -f deg --datum-from WGS84 -p 1
  INPUT "50.85\t4.3505\n85\t4.35\n"
  OUT "31UES9506734013\nHors des latitudes UTM (80° S à 84° N)\n"
  ERR "koord-cli: -:2: Hors des latitudes UTM (80° S à 84° N)\n"
  EXIT 1)

koord_cli_case(mgrs_input_in_lower_case
  ARGS --from mgrs --datum-from wgs84 --to mgrs -p 1
  INPUT "31ues9506734013\n"
  OUT "31UES9506734013\n"
  EXIT 0)

# Degrees and MGRS references are read on WGS84 unless told otherwise; the
# reference is read as its corner point, half a metre south-west of 50.85 N
# 4.3505 E.
koord_cli_case(degrees_default_to_wgs84
  ARGS -f deg -t deg
  INPUT "50.85\t4.35\n"
  OUT "50.85000\t004.35000\n"
  EXIT 0)

koord_cli_case(degrees_to_mgrs_on_wgs84_by_default
  ARGS -f deg
  INPUT "50.85\t4.3505\n"
  OUT "31UES950340\n"
  EXIT 0)

koord_cli_case(mgrs_defaults_to_wgs84
  ARGS -f mgrs -t deg
  INPUT "31UES9506734013\n"
  OUT "50.85000\t004.35049\n"
  EXIT 0)

# The precision asked for applies when input and output kinds are equal.
koord_cli_case(mgrs_to_mgrs_at_the_precision_asked_for
  ARGS -f mgrs -t mgrs -p 1000
  INPUT "31UES9506734013\n31UES95\n"
  OUT "31UES9534\n31UES95\n"
  EXIT 0)

koord_cli_case(ifbl_to_ifbl_at_the_precision_asked_for
  ARGS -f ifbl -t ifbl -p 4x4
  INPUT "E51234\nE5\n"
  OUT "E512\nE5\n"
  EXIT 0)

koord_cli_case(lambert_output_only_in_its_domain
  ARGS -f deg -t lambert
  INPUT "4.35\t50.85\n"
  OUT "Hors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)\n"
  ERR "koord-cli: -:1: Hors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)\n"
  EXIT 1)

koord_cli_case(ifbl_at_four_kilometres
  ARGS -t ifbl -p 4x4
  INPUT "150000\t170000\n"
  OUT "E435\n"
  EXIT 0)

koord_cli_case(ifbl_input_to_lambert
  ARGS -f ifbl -t lambert
  INPUT "e5.37.11\nI5\n"
  OUT "186512\t169680\nCoordonnée IFBL incorrecte\n"
  ERR "koord-cli: -:2: Coordonnée IFBL incorrecte\n"
  EXIT 1)

# Each file numbers its own lines and is named as given; "-" is standard
# input, here the same text.
koord_cli_case(files_named_and_numbered_each
  ARGS -t lambert -o @OUT@ in.txt - ./in.txt
  INPUT "150\t170\n400\t170\n\n151\t171\nx"
  OUT ""
  ERR "koord-cli: in.txt:2: Hors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)\nkoord-cli: in.txt:5: Nombre illisible : « x »\nkoord-cli: -:2: Hors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)\nkoord-cli: -:5: Nombre illisible : « x »\nkoord-cli: ./in.txt:2: Hors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)\nkoord-cli: ./in.txt:5: Nombre illisible : « x »\n"
  OUTFILE "150000\t170000\nHors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)\n\n151000\t171000\nNombre illisible : « x »\n150000\t170000\nHors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)\n\n151000\t171000\nNombre illisible : « x »\n150000\t170000\nHors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)\n\n151000\t171000\nNombre illisible : « x »\n"
  EXIT 1)

koord_cli_case(output_over_input_refused
  ARGS -o @IN@ @IN@
  INPUT "150\t170\n"
  ERR "koord-cli: le fichier de sortie « @WORK@/in.txt » est aussi le fichier d'entrée « @WORK@/in.txt »\nVoir koord-cli --help.\n"
  EXIT 2)

koord_cli_case(missing_file
  ARGS absent.txt
  ERR "koord-cli: impossible d'ouvrir « absent.txt » : fichier introuvable\n"
  EXIT 2)

# Every input is opened before anything is converted: no output at all.
koord_cli_case(missing_file_after_a_good_one
  ARGS @IN@ absent.txt
  INPUT "150000\t170000\n400\t170\n"
  OUT ""
  ERR "koord-cli: impossible d'ouvrir « absent.txt » : fichier introuvable\n"
  EXIT 2)

koord_cli_case(folder_as_input
  ARGS .
  ERR "koord-cli: impossible de lire « . » : c'est un dossier\n"
  EXIT 2)

koord_cli_case(unknown_option
  ARGS -x
  ERR "koord-cli: option inconnue : -x\nVoir koord-cli --help.\n"
  EXIT 2)

koord_cli_case(option_without_value
  ARGS --from
  ERR "koord-cli: valeur manquante pour l'option --from\nVoir koord-cli --help.\n"
  EXIT 2)

koord_cli_case(unknown_kind
  ARGS -t dd
  ERR "koord-cli: type de coordonnées inconnu : « dd » (lambert, mgrs, ifbl, deg, lambert2008, utm ou dms)\nVoir koord-cli --help.\n"
  EXIT 2)

koord_cli_case(unknown_datum
  ARGS --datum-to ED50
  ERR "koord-cli: datum inconnu : « ED50 » (BEL72, WGS84, EUR-M, NTF ou ETRS89)\nVoir koord-cli --help.\n"
  EXIT 2)

koord_cli_case(unknown_precision
  ARGS -p 5
  ERR "koord-cli: précision MGRS inconnue : « 5 » (1, 10, 100, 1000 ou 10000)\nVoir koord-cli --help.\n"
  EXIT 2)

koord_cli_case(precision_without_grid_output
  ARGS -t deg -p 10
  ERR "koord-cli: --precision ne vaut que pour --to mgrs ou --to ifbl\nVoir koord-cli --help.\n"
  EXIT 2)

koord_cli_case(bad_decimal_mark
  ARGS -t deg --decimal-mark x
  ERR "koord-cli: séparateur décimal inconnu : « x » (. ou ,)\nVoir koord-cli --help.\n"
  EXIT 2)

koord_cli_case(decimal_mark_without_degree_output
  ARGS --decimal-mark ,
  ERR "koord-cli: --decimal-mark ne vaut que pour --to deg, --to dms, --to lambert, --to lambert2008 ou --to utm\nVoir koord-cli --help.\n"
  EXIT 2)

koord_cli_case(option_given_twice
  ARGS -t deg --to mgrs
  ERR "koord-cli: option donnée plus d'une fois : --to\nVoir koord-cli --help.\n"
  EXIT 2)

koord_cli_case(output_given_twice
  ARGS -o a.txt --output=b.txt
  ERR "koord-cli: option donnée plus d'une fois : --output\nVoir koord-cli --help.\n"
  EXIT 2)

koord_cli_case(threads_not_a_number
  THREADS "deux"
  INPUT "150000\t170000\n"
  ERR "koord-cli: KOORD_THREADS incorrect : « deux » (un nombre de 1 à 64)\nVoir koord-cli --help.\n"
  EXIT 2)

koord_cli_case(threads_out_of_range
  THREADS "65"
  INPUT "150000\t170000\n"
  ERR "koord-cli: KOORD_THREADS incorrect : « 65 » (un nombre de 1 à 64)\nVoir koord-cli --help.\n"
  EXIT 2)

# More threads than cores, as a machine that is not this one may have.
koord_cli_case(threads_up_to_sixty_four
  THREADS "64"
  INPUT "150000\t170000\n"
  OUT "31UES963329\n"
  EXIT 0)

# The map renderer comes with the desktop program.
if(TARGET koordmap)
  koord_cli_case(map_writes_a_png_and_nothing_else
    ARGS -f deg --map carte.png --map-size 250x206
    INPUT "50.85\t4.35\n95\t4\n"
    OUT ""
    ERR "koord-cli: -:2: Coordonnées DEG incorrectes\n"
    EXIT 1)
  # The grid's codes need fonts, without a display and without a word.
  koord_cli_case(map_with_the_ifbl_grid
    ARGS --map carte.png --map-grid
    INPUT "150000\t170000\n"
    OUT ""
    EXIT 0)
endif()

koord_cli_case(bad_map_size
  ARGS --map carte.png --map-size 5000x10
  ERR "koord-cli: taille de carte incorrecte : 5000x10 (attendu LxH, de 1 à 4096 pixels)\nVoir koord-cli --help.\n"
  EXIT 2)

koord_cli_case(version
  ARGS -V
  OUT "koord-cli @VERSION@\n"
  EXIT 0)

koord_cli_case(help
  ARGS --help
  OUT_REGEX "^Utilisation : koord-cli \\[OPTIONS\\] \\[FICHIER\\.\\.\\.\\]\n.*--datum-from CODE.*Code de sortie"
  EXIT 0)

# Lambert 2008 (cs2cs EPSG:31370 -> EPSG:3812: 649999.687 670000.412) and
# UTM numbers (cs2cs EPSG:4326 -> EPSG:32632: 172733.292 5643453.428).
koord_cli_case(lambert2008_and_back
  ARGS -t lambert2008
  INPUT "X\tY\n150000\t170000\n"
  OUT "X\tY\n650000\t670000\n"
  EXIT 0)

koord_cli_case(utm_in_a_zone_given
  ARGS -f deg -t utm --zone 32
  INPUT "50.85\t4.35\n"
  OUT "32N\t172733\t5643453\n"
  EXIT 0)

koord_cli_case(precise_changes_the_bd72_shift
  ARGS -f deg --datum-from BEL72 -t deg --precise
  INPUT "50.85\t4.35\n"
  OUT "50.84946\t004.35127\n"
  EXIT 0)

koord_cli_case(zone_only_for_utm
  ARGS -t deg --zone 31
  ERR "koord-cli: --zone ne vaut que pour --to utm\nVoir koord-cli --help.\n"
  EXIT 2)

koord_cli_case(zone_out_of_range
  ARGS -t utm --zone 61
  ERR "koord-cli: zone UTM incorrecte : « 61 » (de 1 à 60)\nVoir koord-cli --help.\n"
  EXIT 2)

koord_cli_case(degrees_minutes_seconds_output
  ARGS -t dms --decimal-mark ,
  INPUT "X\tY\n150000\t170000\n"
  OUT "Latitude\tLongitude\n50°50'25,5\"N\t4°22'07,5\"E\n"
  EXIT 0)

koord_cli_case(dms_is_no_input_kind
  ARGS -f dms
  ERR "koord-cli: « dms » n'est qu'un type de sortie ; -f deg lit aussi les degrés, minutes, secondes\nVoir koord-cli --help.\n"
  EXIT 2)

# The centre of E5 is near 50.823 N 4.766 E: the case checks the decimals.
koord_cli_case(seven_decimals
  ARGS -f ifbl -t deg --decimals 7
  INPUT "E5\n"
  OUT_REGEX "^50\\.82[0-9][0-9][0-9][0-9][0-9]\t004\\.76[0-9][0-9][0-9][0-9][0-9]\n$"
  EXIT 0)

koord_cli_case(dotted_ifbl_codes
  ARGS -t ifbl -p 4x4 --ifbl-dots
  INPUT "150000\t170000\n"
  OUT "E4.35\n"
  EXIT 0)

koord_cli_case(decimals_only_for_degrees_and_metres
  ARGS -t mgrs --decimals 6
  ERR "koord-cli: --decimals ne vaut que pour --to deg, --to lambert, --to lambert2008 ou --to utm\nVoir koord-cli --help.\n"
  EXIT 2)

# Dutch, English and German: reasons, header names and messages in the
# language chosen, --lang over KOORD_LANG; the data in a reason stays as
# given. An unknown language is reported in French.
koord_cli_case(dutch_reasons_and_header
  ARGS --lang nl -t deg
  INPUT "X\tY\n150000\t170000\nabc\t1\n150\n"
  OUT "Breedtegraad\tLengtegraad\n50.84041\t004.36875\nOnleesbaar getal: “abc”\nOntbrekend veld: Y\n"
  ERR "koord-cli: -:3: Onleesbaar getal: “abc”\nkoord-cli: -:4: Ontbrekend veld: Y\n"
  EXIT 1)

koord_cli_case(english_from_the_environment
  ARGS -f mgrs -t lambert
  LANG en
  INPUT "31U\n"
  OUT "Invalid MGRS coordinates (31U)\n"
  ERR "koord-cli: -:1: Invalid MGRS coordinates (31U)\n"
  EXIT 1)

koord_cli_case(language_option_over_environment
  ARGS --lang nl --zone 3
  LANG en
  ERR "koord-cli: --zone geldt alleen voor --to utm\nZie koord-cli --help.\n"
  EXIT 2)

koord_cli_case(parse_error_already_in_the_language
  ARGS --lang=en --from
  ERR "koord-cli: missing value for option --from\nSee koord-cli --help.\n"
  EXIT 2)

koord_cli_case(unknown_language_option
  ARGS --lang es
  LANG en
  ERR "koord-cli: --lang incorrect : « es » (fr, nl, en ou de)\nVoir koord-cli --help.\n"
  EXIT 2)

koord_cli_case(unknown_language_environment
  LANG xx
  ERR "koord-cli: KOORD_LANG incorrect : « xx » (fr, nl, en ou de)\nVoir koord-cli --help.\n"
  EXIT 2)

koord_cli_case(help_in_english
  ARGS --help
  LANG en
  OUT_REGEX "^Usage: koord-cli \\[OPTIONS\\] \\[FILE\\.\\.\\.\\]\n.*--lang LANGUAGE.*Exit status"
  EXIT 0)

# German: its quotes „…“, thousands apart by a blank as in French, its
# header names read back, and the messages of koord-cli itself.
koord_cli_case(german_reasons_and_header
  ARGS --lang de -t deg
  INPUT "X\tY\n150000\t170000\nabc\t1\n150\n400000\t170000\n"
  OUT "Breite\tLänge\n50.84041\t004.36875\nUnlesbare Zahl: „abc“\nFehlendes Feld: Y\nAußerhalb des Bereichs von Lambert 1972 (X von 0 bis 310 000 m, Y von 0 bis 260 000 m)\n"
  ERR "koord-cli: -:3: Unlesbare Zahl: „abc“\nkoord-cli: -:4: Fehlendes Feld: Y\nkoord-cli: -:5: Außerhalb des Bereichs von Lambert 1972 (X von 0 bis 310 000 m, Y von 0 bis 260 000 m)\n"
  EXIT 1)

koord_cli_case(german_from_the_environment
  ARGS -f mgrs -t lambert
  LANG de
  INPUT "31U\n"
  OUT "Fehlerhafte MGRS-Koordinaten (31U)\n"
  ERR "koord-cli: -:1: Fehlerhafte MGRS-Koordinaten (31U)\n"
  EXIT 1)

koord_cli_case(german_header_read_back
  ARGS --lang de -f utm -t utm
  INPUT "Nr;Zone;Ostwert;Nordwert\n1;31N;596371;5632970\n"
  OUT "Zone;Ostwert;Nordwert\n31N;596371;5632970\n"
  EXIT 0)

koord_cli_case(german_reading_too_far
  ARGS --lang de -f auto -t lambert
  INPUT "1 2\n"
  OUT "Keine Lesart nahe Belgien: lambert 148 km entfernt\n"
  ERR "koord-cli: -:1: Keine Lesart nahe Belgien: lambert 148 km entfernt\n"
  EXIT 1)

koord_cli_case(german_far_points_counted
  ARGS --lang de -t lambert
  INPUT "150000\t170000\n1000\t1000\n1000\t1000\n"
  OUT "150000\t170000\n1000\t1000\n1000\t1000\n"
  ERR "koord-cli: 2 Punkte mehr als 100 km von Belgien entfernt (erster: -:2)\n"
  EXIT 0)

koord_cli_case(german_usage_errors
  ARGS --lang de -t lambert,foo
  ERR "koord-cli: unbekannter Koordinatentyp: „foo“ (lambert, mgrs, ifbl, deg, lambert2008, utm oder dms)\nSiehe koord-cli --help.\n"
  EXIT 2)

koord_cli_case(german_option_over_environment
  ARGS --lang=de --zone 3
  LANG nl
  ERR "koord-cli: --zone gilt nur für --to utm\nSiehe koord-cli --help.\n"
  EXIT 2)

koord_cli_case(help_in_german
  ARGS --help
  LANG de
  OUT_REGEX "^Aufruf: koord-cli \\[OPTIONEN\\] \\[DATEI\\.\\.\\.\\]\n.*--lang SPRACHE.*Exit-Status"
  EXIT 0)

# Nothing silently wrong: each way a plausible wrong point once passed, and
# what it gives now. PROJ (EPSG:4326 to EPSG:31370) puts 50.846667 N
# 4.3525 E at 148855.42 170696.00, 50.851667 N 4.352783 E at 148875.47
# 171252.20 and 50.85167 N 4.35 E at 148679.49 171252.58: Koord's
# Molodensky shift gives the same metres.
koord_cli_case(blanks_inside_numbers_with_blank_separator_are_counted
  ARGS --separator blank -t lambert
  INPUT "150 000 170 000\n"
  OUT "4 champs séparés par des blancs pour 2 coordonnées ; séparez les colonnes par une tabulation ou un point-virgule\n"
  ERR "koord-cli: -:1: 4 champs séparés par des blancs pour 2 coordonnées ; séparez les colonnes par une tabulation ou un point-virgule\n"
  EXIT 1)

koord_cli_case(reference_cut_at_blanks_is_read_whole
  ARGS --separator blank --columns 2 -f mgrs
  INPUT "P2 31UES 96372 32971\n"
  OUT "31UES9637232971\n"
  EXIT 0)

koord_cli_case(decimal_commas_with_comma_separator_are_counted
  ARGS --separator , -t lambert
  INPUT "150000,5,170000,5\n"
  OUT "4 champs séparés par des virgules pour 2 coordonnées ; séparez les colonnes par une tabulation ou un point-virgule\n"
  ERR "koord-cli: -:1: 4 champs séparés par des virgules pour 2 coordonnées ; séparez les colonnes par une tabulation ou un point-virgule\n"
  EXIT 1)

koord_cli_case(far_points_are_counted_at_the_end
  ARGS -f deg -t deg
  INPUT "50.85\t4.35\n50\t50\t48.4\t4\t21\t8.7\n31\t-20\n"
  OUT "50.85000\t004.35000\n50.00000\t050.00000\n31.00000\t-020.00000\n"
  ERR "koord-cli: 2 points à plus de 100 km de la Belgique (premier : -:2)\n"
  EXIT 0)

koord_cli_case(far_points_refused_near_belgium
  ARGS -f utm -t deg --near-belgium
  INPUT "31N\t596372\t5632971\n31N\t596.372\t5632971\n"
  OUT "50.84041\t004.36875\nLoin de la Belgique : 467 km\n"
  ERR "koord-cli: -:2: Loin de la Belgique : 467 km\n"
  EXIT 1)

koord_cli_case(metres_rounded_to_the_nearest
  ARGS -f deg -t lambert --precise
  INPUT "50.8404113 4.3687521\n"
  OUT "150000\t170000\n"
  EXIT 0)

koord_cli_case(metre_decimals_and_mark
  ARGS -t lambert2008 --decimals 2 --decimal-mark ,
  INPUT "150000\t170000\n"
  OUT "649999,69\t670000,41\n"
  EXIT 0)

koord_cli_case(lambert_2008_round_trip_returns_the_start
  ARGS -f lambert2008 -t lambert
  INPUT "650000\t670000\n"
  OUT "150000\t170000\n"
  EXIT 0)

koord_cli_case(dms_rounded_once_from_the_angle
  ARGS -f deg -t dms
  INPUT "51.069985466\t4\n"
  OUT "51°04'11.9\"N\t4°00'00.0\"E\n"
  EXIT 0)

koord_cli_case(headers_with_digits_name_their_columns
  ARGS -f deg -t lambert
  INPUT "Lat (WGS84);Lon (WGS84)\n50.85;4.35\n"
  OUT "X;Y\n148679;171067\n"
  EXIT 0)

koord_cli_case(header_names_the_columns_among_others
  ARGS --keep
  INPUT "Id\tX_BL72\tY_BL72\tEspèce\nP01\t150000\t170000\tQuercus robur\n"
  OUT "Id\tX_BL72\tY_BL72\tEspèce\tMGRS\nP01\t150000\t170000\tQuercus robur\t31UES963329\n"
  EXIT 0)

koord_cli_case(numbered_lines_read_from_their_coordinates
  ARGS -t lambert
  INPUT "1\t150000\t170000\n2\t151000\t171000\n"
  OUT "150000\t170000\n151000\t171000\n"
  EXIT 0)

koord_cli_case(reference_keeps_its_precision_without_p
  ARGS -f mgrs -t mgrs
  INPUT "31UES9637232971\n31UES96\n"
  OUT "31UES9637232971\n31UES96\n"
  EXIT 0)

koord_cli_case(forms_people_paste
  ARGS -f deg -t lambert
  INPUT "50.846667, 4.352500\nN50 51.100 E004 21.167\n50°51’06”N, 4°21’10”E\n50.85167° N, 4.35 E\n"
  OUT "148855\t170696\n148875\t171252\n148875\t171252\n148679\t171252\n"
  EXIT 0)

koord_cli_case(utm_zone_with_its_band
  ARGS -f utm -t lambert
  INPUT "31U 596372 5632971\n"
  OUT "150000\t170000\n"
  EXIT 0)

# The same numbers with the band south of it: the band given is checked,
# where a hemisphere letter only chooses the false northing.
koord_cli_case(utm_outside_its_band_refused
  ARGS -f utm -t lambert
  INPUT "31T 596372 5632971\n31N 596372 5632971\n"
  OUT "Nord hors de la bande de latitude T\n150000\t170000\n"
  ERR "koord-cli: -:1: Nord hors de la bande de latitude T\n"
  EXIT 1)

koord_cli_case(empty_records_are_empty_lines
  ARGS -t lambert
  INPUT "150000;170000\n;;\n"
  OUT "150000;170000\n\n"
  EXIT 0)

koord_cli_case(datum_of_a_single_datum_kind_refused
  ARGS -f lambert --datum-from WGS84
  ERR "koord-cli: --datum-from WGS84 : les coordonnées Lambert 72 sont toujours en BEL72\nVoir koord-cli --help.\n"
  EXIT 2)

koord_cli_case(map_with_an_output_kind_refused
  ARGS --map carte.png -t deg
  ERR "koord-cli: --map et --to ne vont pas ensemble\nVoir koord-cli --help.\n"
  EXIT 2)

koord_cli_case(map_with_keep_refused
  ARGS --map carte.png --keep
  ERR "koord-cli: --map et --keep ne vont pas ensemble\nVoir koord-cli --help.\n"
  EXIT 2)

koord_cli_case(map_of_another_format_refused
  ARGS --map carte.jpg
  ERR "koord-cli: la carte s'écrit en .png ou en .svg : « carte.jpg »\nVoir koord-cli --help.\n"
  EXIT 2)
