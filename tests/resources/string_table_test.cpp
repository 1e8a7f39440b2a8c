// Tests of the string table: the exact English texts the screens depend on, the agreement of the
// two languages, lookups of numbers without a text, and the choice of the language.
#include "resources/string_table.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <string>
#include <string_view>

#include "resources/strings.h"

namespace qd470 {
namespace {

struct ExactText {
  int number;
  std::string_view text;
};

// Texts whose exact characters matter: line breaks, doubled or edge blanks, full-width
// characters, the system's own spelling slips, and the first and last entries of each list so
// that a shift of the numbering fails.
constexpr ExactText kExactEnglish[] = {
    {1, "QD-470 Monitoring software"},
    // Multi-line texts (CR LF).
    {243, "\r\n\r\nLink"},
    {266, "\r\n\r\nSV start"},
    {299, "Normal mode\r\n"},
    {300, "Multi mode\r\n"},
    {302, "During setting value update.\r\nWait for a moment\r\n"},
    {363,
     "The setting data of each QD-470 can be copied by choosing an item.\r\n"
     "The setting value copy among the equipment:All data of the equipment name which was "
     "chosen by choosing an equipment name can be copied.\r\n"
     "The setting value copy among the patterns :The data which was chosen by choosing an "
     "equipment name and a pattern number can be copied.\r\n"
     "Channel name, is in the range of 0 to 31 and the pattern No, 0 to 9. \r\n"
     "Press OK button after selected.\r\n"
     "Data copy is for operation on the monitor software.For QD-470(QDM).it is required to "
     "execute setting value forwarding mode. "},
    // Blanks that captions are composed with, and blanks at either end.
    {133, " block"},
    {165, " block "},
    {241, "Pattern "},
    {244, "Channel number"},
    {150, "Step"},
    {195, "Alarm3 (A3) action "},
    {196, "Alarm4 (A4) action "},
    {396, " 0 to 9 "},
    {410, "0 to 99 "},
    {471, " 0 to 10000"},
    {534, " 0 to Input Span"},
    {535, " 0.0 to Input Span"},
    {419, " -Proportional band(converted value)  to Proportional band(converted value) "},
    // Doubled blanks inside.
    {144, "Transmission  output selection"},
    {322, "PL-2  0 to 1390 deg.C"},
    {330, "DC4 to 20mA  -1999 to 9999"},
    {332, "DC0 to 1V  -1999 to 9999"},
    {338, "PL-2  0 to 2500 deg.F"},
    {346, "DC4 to 20mA -1999 to 9999"},
    // Full-width characters.
    {494, "PL-Ⅱ 0 to 1390 deg.C"},
    {511, "PL-Ⅱ 32 to 2534 deg.F"},
    {519, "4～20 mA -2000 to 10000"},
    {522, "-10～10 mV -2000 to 10000"},
    // Spelling as the system has it.
    {188, "OUT2 Low lomit [%]"},
    {226, "OUT2 Low lomit [%]"},
    {211, "PV filer time constant setting"},
    {212, "Error in the communication of QD-470 to be choosing."},
    {284, "Timsignal output"},
    {296, "Timsignal output"},
    {398, "Unsetting:During auto- tuning. It ends setting operation."},
    {401,
     "The data contained in the file dose not match the type of data you are attempting to "
     "load. Please enter your selection again."},
    {432,
     "The specification settings of the QD-470 will be registered,and the setting values on "
     "the QD-470 setting screen will be initialized. Is this OK?"},
    {433,
     "The specification settings of the QD-470 will not be registered,and the setting values on "
     "the QD-470(QDM) setting screen will not be initialized."},
    {512, "C(W/RE5-26) 32 to 4199 deg.F"},
    {403, "*.dat(Data file)|*.dat"},
    // First and last entries of the lists.
    {245, "No alarm action"},
    {258, "Pattern end output"},
    {259, "Loop break alarm output"},
    {260, "Output during AT"},
    {261, "No setting value lock"},
    {262, "Setting value lock"},
    {263, "-"},
    {301, "-"},
    {180, "TS1 Output/Status (RUN) selection"},
    {184, "TS5 Output/Status (STOP) selection"},
    {285, "Status output(RUN)"},
    {297, "Status output(STOP)"},
    {318, "K -200 to 1370 deg.C"},
    {349, "Pt100 -320 to 1560 deg.F"},
    {485, "K -200 to 1370 deg.C"},
    {486, "K -200.0 to 400.0 deg.C"},
    {528, "0～10 V -2000 to 10000"},
    {479, "Air cooling"},
    {481, "Water cooling"},
    {530, "Process variable transmission"},
    {532, "OUT1 manipulating value transmission"},
    {305, "Equipment number 0"},
    {306, "Equipment number 1"},
    {409, "Main setting low limit to main setting high limit"},
    {580, " -1.000 to 1.000 "},
    {351, "The reading value of the file"},
    {353, "Default when startup"},
    {430, "The value is out of the range."},
    {431, "Goes back to a former value."},
    {468, "The operation is invalid, or the setting is out of the range."},
    {469, "Is the setting mode now?"},
};

TEST(StringTableEnglish, TextsMatchExactly) {
  for (const ExactText& row : kExactEnglish) {
    SCOPED_TRACE(row.number);
    EXPECT_EQ(ResString(Language::kEnglish, row.number), row.text);
  }
}

TEST(StringTableEnglish, AlarmFunctionListRunsFrom245To260) {
  // The list position is the stored alarm code: entry k must be string 245 + k.
  constexpr std::string_view kFunctions[] = {"No alarm action",
                                             "High limit alarm",
                                             "High limit alarm with standby",
                                             "Low limit alarm",
                                             "Low limit alarm with standby",
                                             "High/Low limits alarm",
                                             "High/Low limits alarm with standby",
                                             "High/Low limits range alarm",
                                             "High/Low limits range alarm with standby",
                                             "Process high alarm",
                                             "Process high alarm with standby",
                                             "Process low alarm",
                                             "Process low alarm with standby",
                                             "Pattern end output",
                                             "Loop break alarm output",
                                             "Output during AT"};
  for (int k = 0; k < 16; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(ResString(Language::kEnglish, 245 + k), kFunctions[k]);
  }
}

// Every number whose English text is fixed by the system: captions, lists, messages and hints.
constexpr int kFixedTextNumbers[] = {
    1,   20,  31,  32,  34,  36,  37,  68,  76,  101, 108, 109, 110, 111, 112, 113, 114, 115, 116,
    117, 118, 119, 120, 121, 122, 123, 133, 134, 135, 136, 137, 138, 139, 140, 141, 142, 143, 144,
    145, 146, 147, 148, 149, 150, 151, 152, 153, 154, 155, 156, 157, 158, 159, 160, 161, 162, 163,
    164, 165, 166, 167, 168, 169, 170, 171, 172, 173, 174, 175, 176, 177, 178, 179, 180, 181, 182,
    183, 184, 185, 186, 187, 188, 189, 190, 191, 192, 193, 194, 195, 196, 197, 198, 199, 200, 201,
    202, 203, 204, 205, 206, 207, 208, 209, 210, 211, 212, 213, 214, 215, 216, 217, 218, 219, 220,
    221, 222, 223, 224, 225, 226, 227, 229, 230, 231, 232, 233, 234, 235, 236, 237, 238, 239, 240,
    241, 242, 243, 244, 245, 246, 247, 248, 249, 250, 251, 252, 253, 254, 255, 256, 257, 258, 259,
    260, 261, 262, 263, 264, 265, 266, 267, 268, 269, 270, 271, 272, 273, 274, 275, 276, 277, 278,
    279, 280, 281, 282, 283, 284, 285, 286, 287, 288, 289, 290, 291, 292, 293, 294, 295, 296, 297,
    298, 299, 300, 301, 302, 304, 305, 306, 307, 308, 309, 310, 311, 312, 313, 314, 315, 316, 318,
    319, 320, 321, 322, 323, 324, 325, 326, 327, 328, 329, 330, 331, 332, 333, 334, 335, 336, 337,
    338, 339, 340, 341, 342, 343, 344, 345, 346, 347, 348, 349, 351, 352, 353, 355, 356, 357, 358,
    361, 363, 365, 366, 367, 368, 370, 372, 373, 374, 388, 389, 390, 396, 397, 398, 401, 402, 403,
    405, 409, 410, 411, 412, 413, 414, 415, 416, 417, 418, 419, 420, 421, 422, 423, 426, 427, 428,
    430, 431, 432, 433, 468, 469, 471, 472, 474, 475, 476, 479, 480, 481, 482, 485, 486, 487, 488,
    489, 490, 491, 492, 493, 494, 495, 496, 497, 498, 499, 500, 501, 502, 503, 504, 505, 506, 507,
    508, 509, 510, 511, 512, 513, 514, 515, 516, 517, 518, 519, 520, 521, 522, 523, 524, 525, 526,
    527, 528, 530, 531, 532, 534, 535, 540, 541, 542, 543, 545, 546, 547, 548, 550, 551, 552, 554,
    555, 556, 557, 558, 559, 561, 562, 563, 564, 565, 566, 568, 569, 570, 571, 573, 574, 575, 577,
    578, 579, 580,
};

// Messages whose wording is this program's own: link not opened (10, 11), write refused while
// sending patterns (65, 66), exit question and its title (71, 72), program folder not created or
// not writable (440, 441), transfer buttons (448, 449), reading settings and a refused copy
// (452 to 454), start-up window (458 to 463, 466), no permission for the port (464), password
// (465), defaults written (467), a folder not created (582), an unreadable password file (583),
// the port path's label (584), a transfer that stopped short and what to do then (585 to 588), too
// many waiting writes (589), settings read or sent in part (590).
constexpr int kOwnTextNumbers[] = {10,  11,  65,  66,  71,  72,  440, 441, 448, 449, 452,
                                   453, 454, 458, 459, 460, 461, 462, 463, 464, 465, 466,
                                   467, 582, 583, 584, 585, 586, 587, 588, 589, 590};

TEST(StringTableCoverage, EveryFixedNumberHasBothTexts) {
  for (int number : kFixedTextNumbers) {
    SCOPED_TRACE(number);
    EXPECT_FALSE(ResString(Language::kEnglish, number).empty());
    EXPECT_FALSE(ResString(Language::kJapanese, number).empty());
  }
}

TEST(StringTableCoverage, OwnMessagesHaveBothTexts) {
  for (int number : kOwnTextNumbers) {
    SCOPED_TRACE(number);
    EXPECT_FALSE(ResString(Language::kEnglish, number).empty());
    EXPECT_FALSE(ResString(Language::kJapanese, number).empty());
  }
}

TEST(StringTableCoverage, TableHoldsNothingElse) {
  EXPECT_EQ(EnglishStringTable().size(), std::size(kFixedTextNumbers) + std::size(kOwnTextNumbers));
}

}  // namespace
}  // namespace qd470

namespace qd470 {
namespace {

TEST(MenuTitle, DropsTheAccessKey) {
  struct Row {
    const char* caption;
    const char* title;
  };
  for (const Row& row : {Row{"Printer Selection(&S)", "Printer Selection"},
                         Row{"設定値の送信／受信(&G)", "設定値の送信／受信"}, Row{"&File", "File"},
                         Row{"(&X)", ""}, Row{"Plain", "Plain"}}) {
    EXPECT_EQ(MenuTitle(row.caption), row.title) << row.caption;
  }
}

}  // namespace
}  // namespace qd470
