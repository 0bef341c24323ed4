// The radiotelegram tables: every text holds the placeholders its fill-ins take, and its word
// count is its check when each fill-in is one word.

#include "compose/air.h"
#include "platform/clock.h"
#include "traffic/maritime/register.h"
#include "traffic/maritime/telegram_fills.h"
#include "traffic/maritime/telegram_tables.h"
#include "traffic/toolkit/fill.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace zenka {
namespace {

// The slots a ship's telegram can take.
std::vector<int> drawable_slots() {
    std::vector<int> out;
    for (int s = 0; s <= 53; ++s)
        out.push_back(s);
    for (int s : {70, 80, 81, 82, 90, 91})
        out.push_back(s);
    return out;
}

ShipFacts one_word_facts() {
    ShipFacts f;
    f.V = "TABLAT";
    f.C = "7THQ";
    f.D = 14;
    f.M = 6;
    f.H = 9;
    f.P = "ANNABA";
    f.P2 = "ALGER";
    f.N = "BIRD";
    f.N2 = "BLINOV";
    f.O = "WREXHAM";
    f.d = 13;
    f.m = 6;
    f.h = 19;
    f.Mn = "JUN";
    return f;
}

// The words a check counts: those of word_count(), less the service indicator A that opens an
// advice of non-delivery.
int counted_words(std::string_view text) {
    return word_count(text) - (text.starts_with("A ") ? 1 : 0);
}

// Whether `text` begins as `format` reads, where "…" in the format stands for words left out.
bool begins_as(std::string_view text, std::string_view format) {
    static constexpr std::string_view gap = "\u2026";
    const std::size_t at = format.find(gap);
    if (at == std::string_view::npos) return text.starts_with(format);
    std::string_view head = format.substr(0, at), tail = format.substr(at + gap.size());
    while (head.ends_with(' '))
        head.remove_suffix(1);
    while (tail.starts_with(' '))
        tail.remove_prefix(1);
    if (!text.starts_with(head)) return false;
    if (!head.empty() && text.size() > head.size() && text[head.size()] != ' ') return false;
    if (tail.empty()) return true;
    for (std::size_t k = head.size(); k < text.size(); ++k)
        if ((k == 0 || text[k - 1] == ' ') && begins_as(text.substr(k), tail)) return true;
    return false;
}

TEST(TelegramTables, FilledSlots) {
    for (int s = 0; s < kQtcSlots; ++s) {
        const bool filled = (s <= 59) || s == 70 || (s >= 80 && s <= 82) || s == 90 || s == 91;
        EXPECT_EQ(!qtc_table(s).empty(), filled) << s;
        EXPECT_TRUE(qtc_ads(s) == 200 || qtc_ads(s) == 201) << s;
    }
    EXPECT_EQ(qtc_ck(38), 143);
    EXPECT_EQ(qtc_ck(51), 19);
    EXPECT_EQ(qtc_ck(52), 30);
    EXPECT_EQ(adr(kAdrCount - 1), "");
    EXPECT_EQ(adr(0), "KARDEN ISTANBUL");
    EXPECT_EQ(adr(kAdrCount - 2), "TLX 4280 EMDLIMASSOL CYPRUS");
}

TEST(TelegramTables, EveryTextTakesItsFillInsAndCountsItsCheck) {
    FixedClock clock(*parse_utc("2026-06-13T19:15:00Z"));
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        Air a(clock);
        a.random.seed = seed;
        for (int s : drawable_slots()) {
            const Fills fills = ship_text_fills(a, s, one_word_facts());
            const std::string_view text = qtc_table(s);
            EXPECT_EQ(placeholders(text), static_cast<int>(fills.size())) << s;
            EXPECT_EQ(counted_words(text), qtc_ck(s)) << s;
            const std::string filled = fill(text, fills);
            EXPECT_EQ(filled.find('%'), std::string::npos) << s << ": " << filled;
            EXPECT_EQ(counted_words(filled), qtc_ck(s)) << s << ": " << filled;
        }
    }
}

TEST(TelegramTables, CoastTelegramsTakeTheirFillIns) {
    FixedClock clock(*parse_utc("2026-06-13T19:15:00Z"));
    Air a(clock);
    CoastFacts f{"WREXHAM", 24,           13,    6,        19,     15,       "TABLAT",
                 "7THQ",    " FFPRADIO ", "FFP", "ANNABA", "BIRD", "BLINOV", "TOM"};
    int templates = 0;
    for (int s = 0; s < 150; ++s) {
        const std::string_view t = coast_qtc_template(s);
        if (t.empty()) continue;
        ++templates;
        const Fills fills = coast_text_fills(a, s, f);
        EXPECT_EQ(placeholders(t), static_cast<int>(fills.size())) << s;
        const std::string filled = fill(t, fills);
        EXPECT_EQ(filled.find('%'), std::string::npos) << s;
        EXPECT_NE(filled.find(" = "), std::string::npos) << s;
    }
    EXPECT_EQ(templates, 28);
}

// The ships' telegram texts as the format has them: slot, check, whether an address line goes
// before the text, and the first words.
struct ShipFormat {
    int slot, check;
    bool address;
    std::string_view begins;
};
constexpr ShipFormat kShipFormats[] = {
    {0, 10, true, "%s ISTANBUL ETA %d %02d30 SOUTH BOUND"},
    {1, 12, true, "%d/%02d00 POSN 4123N 1714E SPD 10"},
    {2, 11, false, "HARBOUR MASTER %s = VSL ETA"},
    {3, 62, false, "JOTUN PJANTS GOTEBORG SWEDEN"},
    {4, 18, true, "%d/%d 0200 BAD WEATHER DROP ANCHOR"},
    {5, 27, true, "M/V %s COMING FROM CONSTANTZA"},
    {6, 9, true, "VSL %s ETA %d/%d/ %02d00 %s"},
    {7, 65, true, "STOP CONC THE 6 EMPTY CONT"},
    {8, 18, true, "M/V %s / %s ETA %s"},
    {9, 10, false, "TO OPS / TECH GOD / FAITH"},
    {10, 15, false, "TLX 606/46094 CORAL ASHDOD ISRAEL"},
    {11, 25, true, "M/V %s ETA %s %d/%d AT %02d00 UTC"},
    {12, 11, true, "M/V %s PASSED GIBRALTAR STRAIT"},
    {13, 10, true, "CONFIRMING %d %02d.00 LT ARRIVAL"},
    {14, 75, true, "NEED ARRANGE BUNKER FUEL OIL %d0"},
    {15, 25, true, "%s %d FR ANNABA TO %s"},
    {16, 10, true, "%s 1348 N / 5052 E"},
    {17, 14, true, "%d %02d00 POSN 18,08,4N 17,39,4E"},
    {18, 24, false, "SANIMARE CIVITAVECCHIA IT"},
    {19, 58, true, "RY MSG DD MAY 15TH 1997 2023Z"},
    {20, 19, true, "5 DAYS N/R ETA %s %d/%d/97"},
    {21, 18, true, "M/V %s ANCHORED %s %d/%d %d00 GMT"},
    {22, 35, true, "since last message another a/c compressor"},
    {23, 16, true, "BUNKERS RQR/FROM %s IN ORDER VSL"},
    {24, 12, true, "M/V %s ETA %s %s %s %s00 HEAVY WEATHER"},
    {25, 9, false, "OCEAN ROUTE SAN FRANCISCO"},
    {26, 14, true, "M/V %s %s/%s %s00 STAND ANCHOR"},
    {27, 31, true, "%d %02d00 LEFT FEODOSIYA BOUND VOLOS"},
    {28, 31, true, "ATT N.S.L. OPS/DEP SLD %02d00 LT"},
    {29, 12, true, "PLS NOTE ETA %s %02d.%02d MIDNIGHT"},
    {30, 18, true, "ON ARRIVAL %s %d %s PLS"},
    {31, 15, true, "ETA  STRAIT  ISTANBUL"},
    {32, 12, true, "M/V %s/%s CONFIRM ETA %s"},
    {33, 71, true, "DEAR %s INFORM YOU THAT I"},
    {34, 21, false, "URGENT TLX 207066 PRISE WATER"},
    {35, 10, false, "MRS VUZEVOVA ZUVUV %s TF 834513"},
    {36, 9, false, "BRITISH CONSULATE STOCKHOLM"},
    {37, 15, false, "TLX 23435 TRANS PORTO TINON SINGAPORE"},
    {38, 143, true, "PLEASE ARRANGE ON ARRIVAL FOLLOWING ITEMS"},
    {39, 16, true, "YR MSG NOTED WITH TKS %s"},
    {40, 21, true, "1/1200 GMT %02d/%02d"},
    {41, 24, true, "PROSHU ZAKAZAT PRISLANKI"},
    {42, 17, true, "%d/%02d00 HRS LAT 19-12N LONG 85-44E"},
    {43, 44, true, "M/V %s/%s PLS BE INFORMED THAT"},
    {44, 8, false, "A %s = %d/%d %s %s ADDRESSEE  NOT ON BOARD"},
    {45, 9, false, "A %s = %d/%d %s %s ADDRESSEE  NO LONGER ON BOARD"},
    {46, 6, false, "A %s = %d/%d %s %s ADDRESSEE  UNKNOWN"},
    {47, 9, false, "A WREXHAM = %d/%d DELIVER TO"},
    {48, 15, true, "ON %d %s AT %02d00 HRS RCVD FO"},
    {49, 28, true, "M/V %s ETA %s %d %02d00GMT"},
    {50, 9, false, "AMERICAN EMBASSY OSLO"},
    {51, 19, true, "ETA PILOT STATION KRISTIANSANDS"},
    {52, 30, true, "MANY THANKS FOR YR MSG WISH"},
    {53, 28, false, "SANMARE ANCONA = %s %02d %02d"},
    {70, 22, false, "mutzi grauer bei brinitzer neuerwall 10 hamburg"},
    {80, 12, false, "bozena kaminska partyzantow 88/4 gdynia"},
    {81, 23, false, "POLSTEAM SHORTRAMP SZCZECIN TLX 425685"},
    {82, 7, true, "= lx = najlepsze choc spoznione zyczenia urodzin = witek"},
    {90, 27, false, "DENNAK TRAMP = %02d.00 GMT  4110 N 1032 E"},
    {91, 19, true, "%02d/%d %02d00 3435N 03154E"},
};

TEST(TelegramFormats, ShipTextsBeginWithTheFormatsWords) {
    for (const ShipFormat& f : kShipFormats) {
        EXPECT_TRUE(qtc_table(f.slot).starts_with(f.begins))
            << f.slot << ": " << qtc_table(f.slot) << " | " << f.begins;
        EXPECT_EQ(qtc_ck(f.slot), f.check) << f.slot;
        EXPECT_EQ(qtc_ads(f.slot), f.address ? 201 : 200) << f.slot;
    }
    EXPECT_EQ(std::size(kShipFormats), drawable_slots().size());
}

// The coast stations' telegrams: preamble, address and the first words of the text, each of the
// first three fields of the telegram (separated by " = ").
struct CoastFormat {
    int slot;
    std::string_view preamble, address, text;
};
constexpr CoastFormat kCoastFormats[] = {
    {0, "%s %u > 11/12 %u/%u %02u00 UTC", "MASTER", "CONFIRM SUPPLY"},
    {1, "NORDCHART ROTTERDAM \u2026 W18 \u2026 GMT", "M/V \u2026 ATTN MASTER",
     "RE SCIPRIAN NOTICES"},
    {2, "%s %u >9/7 %u/%u %02u%02u UTC", "PC MASTER", "PLS/ADV ARR DEP/MSGS"},
    {3, "%s %u > 8/7 %u 1910 GMT", "MASTER", "TELEPHONE MR"},
    {4, "%s %u > 16/13 %u %02u%02u", "PC MASTER", "PLS URGENTLY ADVISE YR POSITION"},
    {5, "%s %u > 22/25 %u %02u%02u", "MASTER", "DEAR CAPT. RCVD YR TLX"},
    {6, "%s %u >22 %u %02u%02u", "M/V", "VOY INSTRUCTION TO/SANYA"},
    {7, "GERMANY NR3/STS215 >26/24 \u2026", "%s %s", "DEAR CPT"},
    {8, "%s %u >42 %u %02u%02u", "MV", "DEAR CAPTAIN \u2026 TKS YR TODAY REPORT"},
    {9, "%s %u >21 %u %02u%02u LT", "MASTER OF M/V", "BERTHING POS NO. 3"},
    {10, "%s %u > 13/11 %u %02u%02u", "MV", "001 / CFRM  RCPT"},
    {11, "%s %u > 10/8 %u %02u%02u", "MASTER", "PLEASE ADVISE YOUR ARRIVAL"},
    {12, "%s %u > 7/5 %u %02u%02u LT", "ATTN", "PLEASE TELEPHONE URGENTLY HOME"},
    {13, "%s %u W16/14 %u %02u%02u", "MASTER OF M/V", "DEAR MASTER WE KINDLY ASK"},
    {14, "%s %u W23/21 %u %02u%02u GMT", "MASTER OF M/V", "CPT \u2026 PLS PROCEED FIVETY MILES"},
    {15, "%s %u > 31/29 %u %02u%02u LT", "MASTER OF M/V", "MASTER PLS PROCEED TO"},
    {16, "%s %u > 18/16 %u %02u%02u", "%s %s", "PLI ADV TUBES DIA"},
    {17, "P %s %u > 9 %u %02u%02u", "MR GEORGE \u2026 M/V", "ALL FINE TODAY LOVE"},
    {18, "%s %u > 16 %u %02u%02u", "CAPTAIN M/V", "LEAVING HERE ONE TODAY"},
    {19, "NR1 %s 45/43 %02d %02d%02d GMT", "MASTER", "HAVE ORDER TO DELIVER IFO 180"},
    {20, "%s %u > 25 %u %02u%02u", "CAPTAIN M/V", "WE WILL ARRANGE NEW EL MOTOR"},
    {21, "WREXHAM %u 8 %u %02u00", "A", "\u2026 58 SOUTH-ST WREXHAM ADDRESSEE UNKNOWN"},
    {22, "P %s %u 10 %u %02u%02u", "ANDREWS", "WELCOME HOME"},
    {23, "%s %u 19 %u %02u%02u", "MASTER OFFICERS AND CREW OF", "WISHING YOU ALL THE BEST"},
    {24, "%s %u 28 %u %02u%02u", "PC MASTER", "CPT - WE STILL DID NOT RCVD THE FREIGHT"},
    {121, "OSLO 1212 14 %d/%d %02d00", "HANS OLAFSEN", "PRINSEN KOM IDAG"},
    {131, "SLT AMSTERDAM 714 16/15 %02d %02d%02d", "SLT FAMILIE H J MEYER", "VEEL VOORSPOED"},
    {141, "KBH 141 23/12 %02d %02d%02d", "KAPTAJN HAMMERICH", "FELLES LUNCH ARRANGERET"},
};

TEST(TelegramFormats, CoastTelegramsHaveTheFormatsPreambleAddressAndText) {
    int templates = 0;
    for (int s = 0; s < 150; ++s)
        templates += !coast_qtc_template(s).empty();
    EXPECT_EQ(templates, static_cast<int>(std::size(kCoastFormats)));
    for (const CoastFormat& f : kCoastFormats) {
        const std::string_view t = coast_qtc_template(f.slot);
        std::vector<std::string_view> fields;
        for (std::size_t at = 0; fields.size() < 3;) {
            const std::size_t end = t.find(" = ", at);
            fields.push_back(t.substr(at, end == std::string_view::npos ? t.npos : end - at));
            if (end == std::string_view::npos) break;
            at = end + 3;
        }
        ASSERT_EQ(fields.size(), 3u) << f.slot << ": " << t;
        EXPECT_TRUE(
            begins_as(fields[0], f.preamble) &&
            (f.preamble.find("\u2026") != std::string_view::npos || fields[0] == f.preamble))
            << f.slot << ": " << fields[0];
        EXPECT_TRUE(begins_as(fields[1], f.address)) << f.slot << ": " << fields[1];
        EXPECT_TRUE(begins_as(fields[2], f.text)) << f.slot << ": " << fields[2];
    }
    // Two whole telegrams as the format writes them.
    EXPECT_EQ(coast_qtc_template(0), "%s %u > 11/12 %u/%u %02u00 UTC = MASTER %s/%s %s = CONFIRM "
                                     "SUPPLY %d0 MT FW %s STOP = %s");
    EXPECT_EQ(coast_qtc_template(121),
              "OSLO 1212 14 %d/%d %02d00 = HANS OLAFSEN %s/%s %s = PRINSEN "
              "KOM IDAG ALT VEL KJ!RLING HILSEN = DIN LINES");
}

TEST(TelegramFormats, StoredTelegramsOfTheFirstShips) {
    const std::string_view first[] = {"7THQ", "9HDP5", "COGW", "DHHT", "EMRN"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(qtc_700_cs(i), first[i]);
    EXPECT_EQ(qtc_700_tab(0),
              "NR 4 > 13 13/6 1915 UTC =  TLX 8124 NASHCO ANNABA ATT SVC SHIPPING = "
              "R/R TABLAT ETA ANNABA 14/15OO LT STOP = SLTS CDT");
}

TEST(TelegramFormats, TheGapMatcherFindsWhatIsMissing) {
    EXPECT_TRUE(begins_as("M/V %s %s ATTN MASTER X", "M/V \u2026 ATTN MASTER"));
    EXPECT_FALSE(begins_as("M/V %s %s ATTN CAPTAIN", "M/V \u2026 ATTN MASTER"));
    EXPECT_FALSE(begins_as("A %s=%d/%d", "A %s = %d/%d"));
    EXPECT_TRUE(begins_as("CPT - WE", "CPT - WE"));
    EXPECT_TRUE(begins_as("GERMANY X", "GERMANY \u2026"));
    EXPECT_TRUE(begins_as("CPT PLS GO", "CPT \u2026 PLS"));
    EXPECT_FALSE(begins_as("CPTS PLS GO", "CPT \u2026 PLS"));
    EXPECT_FALSE(begins_as("CPT PLEASE GO", "CPT \u2026 PLS"));
}

TEST(TelegramTables, StoredTelegramsBelongToRegisteredShips) {
    std::set<std::string_view> calls;
    for (int i = 0; i < kStoredCount; ++i) {
        EXPECT_TRUE(calls.insert(qtc_700_cs(i)).second);
        bool registered = false;
        for (int k = 0; k < kVslCount; ++k)
            registered = registered || vsl(k) == qtc_700_cs(i);
        EXPECT_TRUE(registered) << qtc_700_cs(i);
        EXPECT_EQ(placeholders(qtc_700_tab(i)), 0) << i;
        EXPECT_EQ(qtc_700_tab(i).substr(0, 3), "NR ") << i;
    }
}

TEST(TelegramFill, PlaceholdersAndWords) {
    EXPECT_EQ(fill("%s %u > %02u%02u %d0 %c", {"NR", 7, 5, 9, 12, '"'}), "NR 7 > 0509 120 \"");
    EXPECT_EQ(fill("%s %s", {"ONE"}), "ONE %s");
    EXPECT_EQ(placeholders("%s %02d.%02d 100%"), 3);
    EXPECT_EQ(word_count("  A  = B=C  =  D "), 3);
    EXPECT_EQ(word_count(""), 0);
}

TEST(TelegramFill, EtaAfterTheThirtieth) {
    const struct {
        int day, month, D, M;
    } cases[] = {{29, 5, 30, 5},   {30, 5, 1, 6},  {31, 5, 1, 6},  {28, 2, 29, 2},
                 {29, 12, 30, 12}, {30, 12, 1, 1}, {31, 12, 1, 1}, {1, 1, 2, 1}};
    for (const auto& c : cases) {
        int D = 0, M = 0;
        eta(c.day, c.month, D, M);
        EXPECT_EQ(D, c.D) << c.day << "/" << c.month;
        EXPECT_EQ(M, c.M) << c.day << "/" << c.month;
    }
}

} // namespace
} // namespace zenka
