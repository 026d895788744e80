// koord-cli on what spreadsheets and field notebooks give: a header, an
// identifier column and columns after the coordinates, semicolon- and
// comma-separated CSV with quoted fields, UTF-16 files, one header per
// file. Each case compares the whole output, the messages and the status.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <ostream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Case {
  std::string name;
  std::string args;
  std::vector<std::string> files;  // the inputs, in order
  std::string out;
  std::string err;
  int status;
};

void PrintTo(const Case& c, std::ostream* out) {
  *out << c.name;
}

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Lambert (150000, 170000) is 31UES963329 at 100 m on WGS84, and 50.85 N
// 4.35 E (WGS84) is Lambert 148679 171066 (PROJ, EPSG:4326 to EPSG:31370:
// 148679.45 171066.81; Koord rounds to the nearest metre).
std::vector<Case> Cases() {
  const std::string utf16 = std::string(
      "\xFF\xFE"
      "X\0;\0Y\0\n\0"
      "1\0"
      "5\0"
      "0\0;\0"
      "1\0"
      "7\0"
      "0\0\n\0",
      26);
  return {
      {"semicolons_header_id_and_extra_columns_kept",
       "--separator ';' --columns 2 --keep",
       {"Id;X;Y;Espèce\n"
        "P1;150000;170000;Quercus robur\n"
        "P2;\"150 000,5\";\"170 000\";\"Fagus; sylvatica\"\n"
        "P3;;170000;Acer\n"
        "P4;abc;170000;Ilex\n"},
       "Id;X;Y;Espèce;MGRS\n"
       "P1;150000;170000;Quercus robur;31UES963329\n"
       "P2;\"150 000,5\";\"170 000\";\"Fagus; sylvatica\";31UES963329\n"
       "P3;;170000;Acer;Champ manquant : X\n"
       "P4;abc;170000;Ilex;Nombre illisible : « abc »\n",
       "koord-cli: in0.txt:4: Champ manquant : X\n"
       "koord-cli: in0.txt:5: Nombre illisible : « abc »\n",
       1},
      {"commas_with_quoted_decimal_commas",
       "--separator , --columns 2 -f deg --datum-from WGS84 -t lambert",
       {"Nom,Lat,Lon\nA,50.85N,4.35E\nB,\"50,85\",\"4,35\"\n"},
       "X,Y\n148679,171067\n148679,171067\n",
       "",
       0},
      {"degrees_and_minutes_in_csv",
       "--separator ';' -f deg --datum-from WGS84 -t lambert",
       {"\"50°51'00\"\"N\";\"4°21'00\"\"E\"\n"},
       "148679;171067\n",
       "",
       0},
      {"blanks_between_fields",
       "--separator blank -t lambert",
       {"  X    Y\n150000   170000\n"},
       "X\tY\n150000\t170000\n",
       "",
       0},
      {"a_header_per_file",
       "-t lambert",
       {"X\tY\n150\t170\n", "\nX\tY\n151\t171\n"},
       "X\tY\n150000\t170000\n\nX\tY\n151000\t171000\n",
       "",
       0},
      {"a_digitless_line_later_is_refused",
       "-t lambert",
       {"150\t170\nX\tY\n"},
       "150000\t170000\nNombre illisible : « X »\n",
       "koord-cli: in0.txt:2: Nombre illisible : « X »\n",
       1},
      {"utf16_with_a_header", "--separator ';' -t lambert", {utf16}, "X;Y\n150000;170000\n", "", 0},
      // A first line whose coordinate fields are empty is no header.
      {"empty_coordinates_make_no_header",
       "--separator ';' --columns 2 --keep",
       {"P1;;\nP2;150000;170000\n"},
       "P1;;;Champ manquant : X\nP2;150000;170000;31UES963329\n",
       "koord-cli: in0.txt:1: Champ manquant : X\n",
       1},
      // French Excel's "CSV (séparateur : point-virgule)": Windows-1252, a
      // degree sign of one byte; the reason quotes the right characters.
      {"windows_1252_lines_are_read",
       "-f deg -t lambert",
       {"50\xB0"
        "51'06\"N;4\xB0"
        "21'10\"E\n"
        "Lat\xE9;4\n"},
       "148875;171252\nNombre illisible : « Lat\xC3\xA9 »\n",
       "koord-cli: in0.txt:2: Nombre illisible : « Lat\xC3\xA9 »\n",
       1},
      // Kept, such lines go back in Windows-1252, the reason's guillemets too.
      {"windows_1252_lines_kept_stay_windows_1252",
       "--keep -t lambert2008",
       {"Esp\xE8"
        "ce;X;Y\nH\xEAtre;150000;170000\nCh\xEAne;Lat\xE9;4\n"},
       "Esp\xE8"
       "ce;X;Y;X;Y\nH\xEAtre;150000;170000;650000;670000\n"
       "Ch\xEAne;Lat\xE9;4;Nombre illisible : \xAB Lat\xE9 \xBB\n",
       "koord-cli: in0.txt:3: Nombre illisible : « Lat\xC3\xA9 »\n",
       1},
      // Kept lines keep the input's byte-order mark and its line ends, so
      // that a spreadsheet reopens the output with its accents.
      {"kept_lines_keep_the_mark_and_line_ends",
       "--keep -t lambert2008",
       {"\xEF\xBB\xBF"
        "X;Y\r\n150000;170000\r\n"},
       "\xEF\xBB\xBF"
       "X;Y;X;Y\r\n150000;170000;650000;670000\r\n",
       "",
       0},
      // A text that opens with an empty CR LF line keeps CR LF throughout
      // (it was read as a lone CR, and every line went out with CR alone).
      {"a_first_empty_line_keeps_its_crlf",
       "--keep -t lambert2008",
       {"\r\nX;Y\r\n150000;170000\r\n"},
       "\r\nX;Y;X;Y\r\n150000;170000;650000;670000\r\n",
       "",
       0},
      {"columns_beyond_the_line",
       "--columns 2 -t lambert",
       {"1\t150\t170\n1\t150\n"},
       "150000\t170000\nChamp manquant : Y\n",
       "koord-cli: in0.txt:2: Champ manquant : Y\n",
       1},
  };
}

class Spreadsheet : public ::testing::TestWithParam<Case> {};

TEST_P(Spreadsheet, GivesItsOutputMessagesAndStatus) {
  const Case& c = GetParam();
  const fs::path work = fs::path(KOORD_CLI_WORK) / c.name;
  fs::create_directories(work);
  std::string names;
  for (std::size_t i = 0; i < c.files.size(); ++i) {
    const std::string name = "in" + std::to_string(i) + ".txt";
    std::ofstream(work / name, std::ios::binary) << c.files[i];
    names += " " + name;
  }
  // Run in the folder, so that messages name the files as given here.
  const std::string command =
      "cd '" + work.string() + "' && " + KOORD_CLI + " " + c.args + names + " > out 2> err";
  const int raw = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(Read(work / "out"), c.out);
  EXPECT_EQ(Read(work / "err"), c.err);
  EXPECT_EQ(WEXITSTATUS(raw), c.status);
}

INSTANTIATE_TEST_SUITE_P(Table, Spreadsheet, ::testing::ValuesIn(Cases()),
                         [](const auto& test) { return test.param.name; });

struct UsageCase {
  std::string args;
  std::string message;
};

TEST(SpreadsheetOptions, WrongValuesAreUsageErrors) {
  const UsageCase cases[] = {
      {"--columns 0", "numéro de colonne incorrect : « 0 » (de 1 à 1000)"},
      {"--columns abc", "numéro de colonne incorrect : « abc » (de 1 à 1000)"},
      {"--separator x", "séparateur inconnu : « x » (tab, « ; », « , », blank ou auto)"},
      {"--separator , --decimal-mark , -t deg",
       "--decimal-mark , et --separator , ne vont pas ensemble"},
  };
  const fs::path work = fs::path(KOORD_CLI_WORK) / "usage";
  fs::create_directories(work);
  for (const UsageCase& c : cases) {
    SCOPED_TRACE(c.args);
    const std::string command =
        std::string(KOORD_CLI) + " " + c.args + " < /dev/null 2> '" + (work / "err").string() + "'";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 2);
    EXPECT_EQ(Read(work / "err"), "koord-cli: " + c.message + "\nVoir koord-cli --help.\n");
  }
}

}  // namespace
