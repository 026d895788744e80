// Hostile input through the built koord-cli, one case per row: the exact
// standard output and the exit status, and a message on standard error
// exactly when some line was refused. Defaults: Lambert 1972 in, MGRS at
// 100 m on WGS84 out; Lambert (150000, 170000) is 31UES963329 there.

#include <cstddef>
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

// Exit statuses of koord-cli.
constexpr int kAllConverted = 0;
constexpr int kSomeRefused = 1;

constexpr std::size_t kTenMegabytes = 10 * 1024 * 1024;
constexpr std::size_t kManyLines = 100000;
// More digits than any double holds.
constexpr std::size_t kTooManyDigits = 400;

const std::string kReference = "31UES963329";
const std::string kBom = "\xEF\xBB\xBF";

struct Case {
  std::string name;
  std::string args;
  std::string input;
  std::string output;
  int status;
};

// Names the case in failure messages instead of dumping its bytes.
void PrintTo(const Case& c, std::ostream* out) {
  *out << c.name;
}

std::string Repeat(const std::string& text, std::size_t times) {
  std::string all;
  all.reserve(text.size() * times);
  for (std::size_t i = 0; i < times; ++i) all += text;
  return all;
}

std::vector<Case> Cases() {
  using std::string;
  const string nul(1, '\0');
  // Lines of text without digits are headers at the start of a file: the
  // hostile lines below come after a point where they would be.
  const string point = "150\t170\n";
  const string pointOut = "150000\t170000\n";
  const string replacement = "\xEF\xBF\xBD";  // U+FFFD, for bytes that are no text
  return {
      {"ten_megabyte_line", "", string(kTenMegabytes, '7') + "\n", "Ligne trop longue\n",
       kSomeRefused},
      {"ten_megabyte_line_then_a_point", "", string(kTenMegabytes, ' ') + "x\n150000\t170000\n",
       "Ligne trop longue\n" + kReference + "\n", kSomeRefused},
      {"hundred_thousand_empty_lines", "", string(kManyLines, '\n'), string(kManyLines, '\n'),
       kAllConverted},
      {"hundred_thousand_empty_crlf_lines", "", Repeat("\r\n", kManyLines),
       string(kManyLines, '\n'), kAllConverted},
      {"nul_bytes_are_no_digits", "", "150000" + nul + "\t170000" + nul + nul + "\n",
       "Nombre illisible : « 150000" + replacement + " »\n", kSomeRefused},
      {"nul_bytes_only", "", point + nul + nul + nul + "\n",
       kReference + "\nNombre illisible : « " + replacement + replacement + replacement + " »\n",
       kSomeRefused},
      // A line that is not UTF-8 is Windows-1252: FF FE are ÿþ.
      {"invalid_utf8_fields_hold_no_number", "-t lambert", point + "\xFF\xFE\t\xC3\x28\n",
       pointOut + "Nombre illisible : « \xC3\xBF\xC3\xBE »\n", kSomeRefused},
      {"invalid_utf8_in_mgrs", "-f mgrs",
       "31UES963329\n\xFF\xFE"
       "31UES963329\n",
       "31UES963329\nCoordonnées MGRS erronées (\xC3\xBF\xC3\xBE"
       "31UES963329)\n",
       kSomeRefused},
      {"utf8_letter_in_ifbl", "-f ifbl -t lambert",
       "E\xC3\xA9"
       "5\n",
       "Coordonnée IFBL incorrecte\n", kSomeRefused},
      {"byte_order_mark_skipped", "", kBom + "150000\t170000\n", kReference + "\n", kAllConverted},
      {"byte_order_mark_alone", "", kBom, "", kAllConverted},
      // Files joined end to end: a mark inside the text is a blank.
      {"byte_order_mark_inside_is_a_blank", "-t lambert", "150\t170\n" + kBom + "151\t171\n",
       "150000\t170000\n151000\t171000\n", kAllConverted},
      {"utf16_little_endian", "-t lambert",
       string("\xFF\xFE"
              "1\0"
              "5\0"
              "0\0"
              "\t\0"
              "1\0"
              "7\0"
              "0\0"
              "\n\0",
              18),
       pointOut, kAllConverted},
      {"utf16_big_endian", "-t lambert",
       string("\xFE\xFF"
              "\0"
              "1\0"
              "5\0"
              "0\0\t\0"
              "1\0"
              "7\0"
              "0\0\r\0\n",
              20),
       pointOut, kAllConverted},
      {"huge_number", "", "1e999\t170000\n", "Nombre trop grand : « 1e999 »\n", kSomeRefused},
      {"huge_negative_number", "", "150000\t-1e999\n", "Nombre trop grand : « -1e999 »\n",
       kSomeRefused},
      {"huge_number_in_degrees", "-f deg", "1e999\t4\n", "Nombre trop grand : « 1e999 »\n",
       kSomeRefused},
      {"tiny_number_is_zero", "-t lambert", "1e-999\t170\n", "0\t170000\n", kAllConverted},
      {"nan_is_no_number", "-t lambert", "nan\t170\n", "Nombre illisible : « nan »\n",
       kSomeRefused},
      {"inf_is_no_number", "-t lambert", "150\tinf\n", "Nombre illisible : « inf »\n",
       kSomeRefused},
      {"nan_degrees_are_no_number", "-f deg -t deg --datum-from wgs84", "50\t4\nNaN\t-Inf\n",
       "50.00000\t004.00000\nNombre illisible : « NaN »\n", kSomeRefused},
      {"four_hundred_digits", "", string(kTooManyDigits, '9') + "\t170000\n",
       "Nombre trop grand : « " + string(30, '9') + "\xE2\x80\xA6 »\n", kSomeRefused},
      {"four_hundred_digit_fraction", "-t lambert",
       "150000." + string(kTooManyDigits, '9') + "\t170\n", "150001\t170000\n", kAllConverted},
      {"hexadecimal_is_no_number", "-t lambert", "0x10\t170\n", "Nombre illisible : « 0x10 »\n",
       kSomeRefused},
      {"only_tabs", "", "\t\t\t\n\t\n", "\n\n", kAllConverted},
      {"one_field_missing", "", "150000\n", "Champ manquant : Y\n", kSomeRefused},
      {"first_field_empty", "-t lambert", point + "\tx\n", pointOut + "Champ manquant : X\n",
       kSomeRefused},
      {"degree_field_missing", "-f deg", "50.5\n", "Champ manquant : Longitude\n", kSomeRefused},
      {"mgrs_of_seven_blanks", "-f mgrs", "       \n", "\n", kAllConverted},
      // The first line, a reference alone, makes the text cut at blanks.
      {"mgrs_of_seven_blanks_then_a_field", "-f mgrs", "31UES963329\n       \tx\n",
       kReference + "\nCoordonnées MGRS erronées (X)\n", kSomeRefused},
      {"ifbl_letter_for_column", "-f ifbl -t lambert", "EA37\n", "Coordonnée IFBL incorrecte\n",
       kSomeRefused},
      {"ifbl_letters_for_square", "-f ifbl -t lambert", "E537XY\n", "Coordonnée IFBL incorrecte\n",
       kSomeRefused},
      {"ifbl_good_code_still_converts", "-f ifbl -t lambert", "e5 37 11\n", "186512\t169680\n",
       kAllConverted},
      {"mgrs_zone_00", "-f mgrs", "00UES963329\n", "Coordonnées MGRS erronées (00UES963329)\n",
       kSomeRefused},
      {"mgrs_zone_99", "-f mgrs", "99UES963329\n", "Coordonnées MGRS erronées (99UES963329)\n",
       kSomeRefused},
      // Y is a polar band, north of the UTM latitudes.
      {"mgrs_polar_band_y", "-f mgrs -t deg", "32YNA12\n", "Coordonnées MGRS erronées (32YNA12)\n",
       kSomeRefused},
      // Letters that MGRS never uses name no square: read as some other
      // letter they would give a point elsewhere.
      {"mgrs_polar_band_b", "-f mgrs -t deg", "40BEL00\n", "Coordonnées MGRS erronées (40BEL00)\n",
       kSomeRefused},
      {"mgrs_band_i", "-f mgrs -t deg", "31IES16\n", "Coordonnées MGRS erronées (31IES16)\n",
       kSomeRefused},
      {"mgrs_row_o", "-f mgrs -t deg", "31UEO16\n", "Coordonnées MGRS erronées (31UEO16)\n",
       kSomeRefused},
      {"mgrs_row_w", "-f mgrs -t deg", "31UEW90\n", "Coordonnées MGRS erronées (31UEW90)\n",
       kSomeRefused},
      {"mixed_line_ends", "-t lambert", "150\t170\r\n151\t171\n152\t172\r153\t173\r\r\n154\t174",
       "150000\t170000\n151000\t171000\n152000\t172000\n153000\t173000\n\n154000\t174000\n",
       kAllConverted},
      {"lone_cr_at_the_end", "-t lambert", "150\t170\r", "150000\t170000\n", kAllConverted},
  };
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Where two texts part, for a readable failure on megabytes of output.
std::string Difference(const std::string& actual, const std::string& expected) {
  std::size_t i = 0;
  while (i < actual.size() && i < expected.size() && actual[i] == expected[i]) ++i;
  const auto around = [i](const std::string& s) { return s.substr(i, 60); };
  return "first difference at byte " + std::to_string(i) + " of " + std::to_string(actual.size()) +
         " (expected " + std::to_string(expected.size()) + "): actual \"" + around(actual) +
         "\", expected \"" + around(expected) + "\"";
}

class HostileInput : public ::testing::TestWithParam<Case> {};

TEST_P(HostileInput, GivesItsOutputAndStatus) {
  const Case& c = GetParam();
  const fs::path work = fs::path(KOORD_CLI_WORK) / c.name;
  fs::create_directories(work);
  {
    std::ofstream in(work / "in.txt", std::ios::binary);
    in.write(c.input.data(), static_cast<std::streamsize>(c.input.size()));
  }
  const std::string command = std::string("'") + KOORD_CLI + "' " + c.args + " < '" +
                              (work / "in.txt").string() + "' > '" + (work / "out.txt").string() +
                              "' 2> '" + (work / "err.txt").string() + "'";
  const int raw = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(raw)) << "koord-cli did not exit normally";
  const std::string output = ReadFile(work / "out.txt");
  const std::string error = ReadFile(work / "err.txt");
  EXPECT_EQ(WEXITSTATUS(raw), c.status) << error.substr(0, 500);
  EXPECT_TRUE(output == c.output) << Difference(output, c.output);
  if (c.status == kAllConverted) {
    EXPECT_EQ(error, "");
  } else {
    EXPECT_EQ(error.rfind("koord-cli: -:", 0), 0u) << error.substr(0, 500);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, HostileInput, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<Case>& test) {
                           return test.param.name;
                         });

}  // namespace
