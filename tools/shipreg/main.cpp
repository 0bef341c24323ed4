// zenka_shipreg: writes the world's ship register, src/traffic/maritime/data/ships.txt.
//
//   zenka_shipreg > ships.txt
//
// The register is drawn once, deterministically, from a small generator of its own (so the same
// program always writes the same file, whatever the standard library): a merchant fleet of the
// 1970s - 1990s by flag, each ship with a call sign of its flag's international series and a name
// in its flag's manner, and the ship types of the traffic (cargo, ore, tanker...). The ships
// whose stored telegrams the traffic keys stand at fixed places.

#include <array>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kShips = 1856;

// A 64-bit linear congruential generator: the same numbers on every platform.
struct Draw {
    std::uint64_t state = 0x5A454E4B41ull; // "ZENKA"
    unsigned operator()(unsigned n) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<unsigned>((state >> 33) % n);
    }
    template <typename T> const T& pick(const std::vector<T>& v) { return v[(*this)(v.size())]; }
};

using Words = std::vector<std::string>;

// How the ships of a flag are named: a pattern of the flag, filled from word lists.
enum class Style {
    Greek,
    Convenience,
    Soviet,
    Polish,
    EastGerman,
    German,
    Norwegian,
    Swedish,
    Danish,
    Finnish,
    Dutch,
    Japanese,
    British,
    American,
    Italian,
    French,
    Spanish,
    Portuguese,
    Chinese,
    Korean,
    Indian,
    Turkish,
    Arabic,
    Balkan,
    Cuban,
    Latin
};

// A flag: the first two characters of its call signs (one of `series`), how many letters follow
// them, whether a figure may close the call, its share of the fleet and its naming.
struct Flag {
    Words series;
    int letters;
    bool figure;
    int weight;
    Style style;
};

const std::vector<Flag>& flags() {
    static const std::vector<Flag> f = {
        {{"EL", "A8", "D5", "5L"}, 2, true, 150, Style::Convenience},             // Liberia
        {{"3E", "3F", "HO", "HP", "H3", "H8"}, 2, true, 150, Style::Convenience}, // Panama
        {{"5B", "C4", "P3", "H2"}, 2, true, 80, Style::Greek},                    // Cyprus
        {{"9H"}, 2, true, 40, Style::Greek},                                      // Malta
        {{"C6"}, 2, true, 30, Style::Convenience},                                // Bahamas
        {{"SV", "SW", "SX", "SY", "SZ"}, 2, false, 150, Style::Greek},            // Greece
        {{"UA", "UB", "UF", "UH", "UI", "UK", "UL", "UM", "UP", "UR", "UT", "UU", "UW", "UY", "UZ",
          "EM", "ER", "ES", "EW"},
         2,
         false,
         170,
         Style::Soviet},                                             // USSR
        {{"SP", "SQ"}, 2, false, 55, Style::Polish},                 // Poland
        {{"Y2", "Y3", "Y4", "Y5"}, 2, false, 35, Style::EastGerman}, // GDR
        {{"DA", "DC", "DD", "DE", "DF", "DG", "DH", "DI", "DL", "DN", "DQ"},
         2,
         false,
         70,
         Style::German}, // FRG
        {{"LA", "LB", "LC", "LD", "LE", "LF", "LG", "LH", "LI", "LJ", "LK", "LL", "LM", "LN"},
         2,
         true,
         90,
         Style::Norwegian}, // Norway
        {{"SA", "SB", "SC", "SD", "SE", "SF", "SG", "SH", "SI", "SJ", "SK", "SL", "SM"},
         2,
         false,
         40,
         Style::Swedish},                                                   // Sweden
        {{"OU", "OV", "OW", "OX", "OY", "OZ"}, 2, true, 40, Style::Danish}, // Denmark
        {{"OF", "OG", "OH", "OI", "OJ"}, 2, false, 20, Style::Finnish},     // Finland
        {{"PA", "PB", "PC", "PD", "PE", "PF", "PG", "PH", "PI"}, 2, false, 40, Style::Dutch},
        {{"JA", "JB", "JD", "JG", "JH", "JI", "JJ", "JK", "JL", "JM", "JN", "JP", "JQ", "JR", "JS",
          "7J", "7K", "8J", "8K"},
         2,
         false,
         120,
         Style::Japanese}, // Japan
        {{"GA", "GB", "GC", "GD", "GF", "GJ", "GK", "GL", "GN", "GP", "GQ",
          "GR", "GS", "GT", "GU", "GV", "GW", "GX", "GY", "GZ", "MA", "MB",
          "MJ", "ML", "MN", "MQ", "MS", "MT", "MU", "MW", "MZ"},
         2,
         false,
         90,
         Style::British}, // Britain
        {{"KA", "KB", "KC", "KD", "KE", "KF", "KG", "KH", "KI", "KJ", "KK", "KL",
          "KM", "KN", "KO", "KP", "KR", "KS", "KT", "KU", "KV", "KW", "KX", "KY",
          "KZ", "WA", "WB", "WC", "WD", "WE", "WF", "WG", "WH", "WI", "WJ", "WK",
          "WL", "WM", "WN", "WP", "WR", "WS", "WT", "WU", "WX", "WZ"},
         2,
         false,
         60,
         Style::American}, // United States
        {{"IA", "IB", "IC", "ID", "IE", "IF", "IG", "IH", "II", "IK", "IL",
          "IN", "IO", "IP", "IQ", "IR", "IS", "IT", "IU", "IV", "IX", "IZ"},
         2,
         false,
         45,
         Style::Italian}, // Italy
        {{"FA", "FB", "FC", "FH", "FI", "FM", "FN", "FO", "FP", "FQ", "FS", "FU", "FW", "FZ"},
         2,
         false,
         35,
         Style::French}, // France
        {{"EA", "EB", "EC", "ED", "EE", "EF", "EG", "EH"}, 2, false, 35, Style::Spanish},
        {{"CS", "CT", "CU"}, 2, false, 15, Style::Portuguese},              // Portugal
        {{"PP", "PQ", "PR", "PS", "PT", "PU"}, 2, false, 25, Style::Latin}, // Brazil
        {{"BO", "BP", "BQ", "BR", "BS", "BT", "BV", "BX", "BY", "BZ"},
         2,
         false,
         45,
         Style::Chinese},                                                          // China
        {{"VR"}, 2, false, 15, Style::Chinese},                                    // Hong Kong
        {{"DS", "DT", "HL", "6K", "6L", "6M", "6N"}, 2, false, 35, Style::Korean}, // Korea
        {{"9V", "S6"}, 2, true, 20, Style::Convenience},                           // Singapore
        {{"VT", "VU", "VV", "VW", "AT"}, 2, false, 30, Style::Indian},             // India
        {{"AP", "AQ"}, 2, false, 10, Style::Arabic},                               // Pakistan
        {{"TA", "TB", "TC"}, 2, false, 35, Style::Turkish},                        // Turkey
        {{"5A"}, 2, false, 15, Style::Arabic},                                     // Libya
        {{"SS", "SU"}, 2, false, 15, Style::Arabic},                               // Egypt
        {{"HN", "YI"}, 2, false, 12, Style::Arabic},                               // Iraq
        {{"HZ", "7Z"}, 2, false, 12, Style::Arabic},                               // Saudi Arabia
        {{"9K"}, 2, false, 12, Style::Arabic},                                     // Kuwait
        {{"7T"}, 2, false, 12, Style::Arabic},                                     // Algeria
        {{"EP", "EQ", "9B"}, 2, false, 15, Style::Arabic},                         // Iran
        {{"YU", "YT", "4N", "4O"}, 2, false, 35, Style::Balkan},                   // Yugoslavia
        {{"YO", "YP", "YQ", "YR"}, 2, false, 25, Style::Balkan},                   // Romania
        {{"LZ"}, 2, false, 25, Style::Balkan},                                     // Bulgaria
        {{"CO", "CM", "CL"}, 2, false, 15, Style::Cuban},                          // Cuba
        {{"LO", "LP", "LQ", "LR", "LS", "LT", "LU", "LW"}, 2, false, 15, Style::Latin}, // Argentina
        {{"3A", "3B", "4X", "4Z", "9G", "5N", "4R", "9M", "DU", "DZ"},
         2,
         false,
         30,
         Style::Convenience}, // others
    };
    return f;
}

// The word lists the names are made of.
const Words kGreekSaints = {
    "AGIOS NIKOLAOS",  "AGHIA MARINA",   "AGIOS GEORGIOS",  "AGIOS DIMITRIOS",
    "AGIA EIRINI",     "AGIOS SPYRIDON", "AGIOS FANOURIOS", "AGIA SOFIA",
    "AGIOS NEKTARIOS", "AGIOS IOANNIS",  "AGIA ANNA",       "PANAGIA TINOU",
    "AGIOS MARKOS",    "AGIA TRIAS",     "AGIOS ANDREAS",   "AGIOS KONSTANTINOS"};
const Words kGreekNames = {"ARISTOTELIS",   "ELENI",      "MARIA",     "ATHINA",    "KRITI",
                           "EVANGELISTRIA", "ANDROS",     "THEOFILOS", "DESPINA",   "KATERINA",
                           "IOANNA",        "PAVLOS",     "STAVROS",   "VASSILIKI", "ALEXANDROS",
                           "FILIPPOS",      "ARGONAFTIS", "MYKONOS",   "NAXOS",     "KEFALONIA",
                           "CHIOS",         "LEFKAS",     "IRINI",     "ZOI",       "ANTONIS",
                           "NIKOS",         "GIANNIS",    "DIMITRA",   "SOFIA",     "ANASTASIA"};
const Words kGreekTitles = {"KAPETAN", "KAPTAN", "NISSOS", "ASTERI", "EFTYCHIA"};
const Words kEnglishA = {"OCEAN",  "GOLDEN",  "PACIFIC", "ATLANTIC", "WORLD",  "SEA",    "STAR",
                         "ORIENT", "SILVER",  "BLUE",    "GLOBAL",   "GRAND",  "ROYAL",  "NEW",
                         "SUN",    "EASTERN", "UNITED",  "CORAL",    "TROPIC", "CRYSTAL"};
const Words kEnglishB = {"GLORY",    "STAR",     "PRIDE",   "CHAMPION", "LION",
                         "VENTURE",  "PIONEER",  "TRADER",  "SPIRIT",   "HOPE",
                         "PRINCESS", "EXPLORER", "EAGLE",   "WAVE",     "VICTORY",
                         "FORTUNE",  "HARMONY",  "DOLPHIN", "MARINER",  "PHOENIX"};
const Words kSovietTitles = {"AKADEMIK", "KAPITAN", "PROFESSOR", "GEROI", "INZHENER", "MARSHAL"};
const Words kRussianSurnames = {
    "KRYLOV",   "FEDOROV",  "KURCHATOV",  "ZAVARITSKIY", "SHIRSHOV",   "KOROLEV",   "BELOUSOV",
    "GOTSKIY",  "LYUTIKOV", "MELEKHOV",   "DUBININ",     "KHLEBNIKOV", "VAVILOV",   "PANFILOV",
    "SOROKIN",  "GAVRILOV", "BONDARENKO", "SMIRNOV",     "ORLOV",      "KOSTIN",    "LEBEDEV",
    "KIRILLOV", "TARASOV",  "YAKOVLEV",   "GUBKIN",      "VERNADSKIY", "ZELINSKIY", "POPOV"};
const Words kSovietPlaces = {"VOLGOGRAD",
                             "NIKOLAYEV",
                             "KHERSON",
                             "NOVOROSSIYSK",
                             "BATUMI",
                             "KERCH",
                             "IZMAIL",
                             "RENI",
                             "ZHDANOV",
                             "TUAPSE",
                             "SOVETSKAYA GAVAN",
                             "NAKHODKA",
                             "KHOLMSK",
                             "MAGADAN",
                             "KLAIPEDA",
                             "VENTSPILS",
                             "LIEPAJA",
                             "PYARNU",
                             "VYBORG",
                             "KANDALAKSHA",
                             "ONEGA",
                             "SALEKHARD",
                             "TIKSI",
                             "PEVEK",
                             "ANADYR"};
const Words kSovietHeroes = {"IVAN FRANKO",       "TARAS SHEVCHENKO",
                             "MIKHAIL LERMONTOV", "ALEKSANDR PUSHKIN",
                             "LEV TOLSTOY",       "MAKSIM GORKIY",
                             "FEDOR SHALYAPIN",   "VALENTINA TERESHKOVA",
                             "YURIY GAGARIN",     "SERGEY KIROV",
                             "PETR VELIKIY",      "DMITRIY DONSKOY",
                             "PAVEL CHEBOTAREV",  "VLADIMIR ILYICH",
                             "KOMSOMOLETS",       "PARIZHSKAYA KOMMUNA",
                             "DRUZHBA NARODOV",   "MIR",
                             "PROGRESS",          "ZARYA",
                             "SPUTNIK",           "VOSTOK"};
const Words kPolish = {"ZIEMIA GDANSKA",
                       "ZIEMIA SZCZECINSKA",
                       "ZIEMIA CHELMINSKA",
                       "POMORZE",
                       "KOPALNIA WUJEK",
                       "KOPALNIA SOSNOWIEC",
                       "HUTA KATOWICE",
                       "HUTA ZYGMUNT",
                       "JAN MATEJKO",
                       "FRYDERYK CHOPIN",
                       "STEFAN BATORY",
                       "MIKOLAJ KOPERNIK",
                       "ADAM MICKIEWICZ",
                       "JAROSLAW DABROWSKI",
                       "KAPITAN LEDOCHOWSKI",
                       "KAPITAN KOSKO",
                       "GENERAL BEM",
                       "WIELICZKA",
                       "KOSZALIN",
                       "TORUN",
                       "BYDGOSZCZ",
                       "LEGNICA",
                       "OPOLE",
                       "KALISZ",
                       "ZAWICHOST",
                       "TYCHY"};
const Words kEastGerman = {"FRITZ HECKERT",
                           "THEODOR KOERNER",
                           "ERNST THAELMANN",
                           "ROSTOCK",
                           "STRALSUND",
                           "WISMAR",
                           "GREIFSWALD",
                           "POSEIDON",
                           "NEUBRANDENBURG",
                           "JOHANNES R BECHER",
                           "BERTOLT BRECHT",
                           "ANNA SEGHERS",
                           "ARKONA",
                           "SASSNITZ",
                           "FRIEDRICH ENGELS",
                           "KARL MARX",
                           "VOELKERFREUNDSCHAFT",
                           "EISENHUETTENSTADT",
                           "SCHWEDT",
                           "HALLE",
                           "LEUNA",
                           "BUNA"};
const Words kGermanPlaces = {"BREMEN",    "HAMBURG",   "EMDEN",     "LUEBECK",    "KIEL",
                             "CUXHAVEN",  "FLENSBURG", "LEER",      "HUSUM",      "BRAKE",
                             "NORDENHAM", "STADE",     "SAN DIEGO", "FINISTERRE", "ORTEGAL",
                             "FRIO",      "BLANCO",    "DOMINGO"};
const Words kGermanNames = {"HELGA",      "URSULA", "GRETE",  "INGRID",     "ANKE",
                            "MARGARETHE", "HEIKE",  "BIRGIT", "CHRISTIANE", "WIEBKE",
                            "FRAUKE",     "ELBE",   "WESER",  "TRAVE",      "HANSA",
                            "SANDER",     "ALSTER", "OSTE",   "JADE",       "EMS"};
const Words kNorse = {"BERGE", "HOEGH", "NORD", "TORM", "STAR",  "NOR",  "HAVE",
                      "FJELL", "VIK",   "BAL",  "TOR",  "VINGA", "SKAU", "LIS",
                      "RAN",   "VEGA",  "SOL",  "ODIN", "FREY",  "HEIM"};
const Words kNorseEnds = {"FJORD", "NES",  "STAD", "VIK", "DAL",  "BORG",    "HOLM", "LAND",
                          "SUND",  "TIND", "FOSS", "HAV", "BRIS", "STJERNE", "VEI"};
const Words kNordicNames = {"ANNA",    "KAREN",  "SOFIE",  "INGER",   "MARGRETHE",
                            "KIRSTEN", "ASTRID", "SIGRID", "HELENE",  "LAURA",
                            "EMMA",    "GERD",   "ELSE",   "RAGNHILD"};
const Words kSwedish = {"STENA", "TOR", "BIRKA", "GOTA", "VIKING", "SVEA", "BALTIC", "NORRLAND"};
const Words kFinnish = {"FINNPULP",   "FINNMERCHANT", "FINNHAWK",   "FINNJET",  "FINNBIRCH",
                        "FINNWOOD",   "FINNTRADER",   "FINNSAILOR", "FINNMAID", "FINNROSE",
                        "FINNARCTIS", "PORTHOS",      "KARHULA",    "KOTKA",    "OULU",
                        "RAUMA",      "TORNIO",       "KEMI"};
const Words kDutch = {"KEIZERS",   "PRINSEN", "HEEREN",      "LELIE",    "ROZEN",
                      "BLOEM",     "LINDEN",  "EGELANTIERS", "BROUWERS", "SINGEL",
                      "REGULIERS", "LOOIERS", "SPIEGEL"};
const Words kDutchNames = {
    "ZEELAND",          "FRIESLAND",      "DRENTHE",         "TEXEL",          "AMELAND",
    "VLIELAND",         "SCHIELAND",      "NEDLLOYD HOORN",  "NEDLLOYD DELFT", "NEDLLOYD ZAANDAM",
    "NEDLLOYD KATWIJK", "NEDLLOYD BAARN", "NEDLLOYD EVEREST"};
const Words kJapanese = {"NIPPON",    "HAKUSAN", "TOYOTA",  "NISSAN", "SHOWA",   "KOHO",
                         "TAIYO",     "FUJI",    "KASHIMA", "HAKONE", "ASAKA",   "SHINSEI",
                         "KOYO",      "ZUIHO",   "TENYO",   "KANSAI", "HOKUYO",  "SHOYO",
                         "KIRISHIMA", "AKAGI",   "ASO",     "MIKASA", "YAMATO",  "HAKUYO",
                         "TOKO",      "EIKO",    "SEIKO",   "MEIJI",  "TAISEI",  "SANKO",
                         "KYOKUYO",   "DAITO",   "AZUMA",   "HIKAWA", "HOKUSHIN"};
const Words kBritishCities = {
    "LONDON", "LIVERPOOL",   "GLASGOW",  "DURBAN", "EDINBURGH", "PLYMOUTH", "CARDIFF", "BRISTOL",
    "HULL",   "SOUTHAMPTON", "ABERDEEN", "DUNDEE", "LEEDS",     "YORK",     "CHESTER", "OXFORD"};
const Words kBritishWords = {"BRITISH", "ENGLAND",    "SCOTTISH", "WELSH",   "ULSTER",
                             "MANX",    "CALEDONIAN", "NORTHERN", "WESTERN", "ROYAL"};
const Words kBritishEnds = {"STAR",      "ENTERPRISE", "TRADER", "MERCHANT", "PRINCE", "VENTURE",
                            "ENDEAVOUR", "DRAGON",     "SKILL",  "RANGER",   "HUNTER", "SAILOR"};
const Words kAmericanSurnames = {"MONROE",  "TAYLOR", "POLK",    "GRANT",   "HOOVER", "JACKSON",
                                 "LINCOLN", "ADAMS",  "MADISON", "KENNEDY", "TRUMAN", "WILSON"};
const Words kAmericanWords = {"EXPORT",     "ALASKA",   "TEXAS",       "OREGON",
                              "CHALLENGER", "PATRIOT",  "LIBERTY",     "FREEDOM",
                              "CONSUMER",   "RESOLUTE", "INDEPENDENCE"};
const Words kItalian = {"CITTA DI GENOVA", "CITTA DI NAPOLI", "CITTA DI LIVORNO", "LEONARDO",
                        "RAFFAELLO",       "GALILEO",         "MICHELANGELO",     "DONIZETTI",
                        "VERDI",           "ROSSINI",         "PUCCINI",          "BELLINI",
                        "ANGELINA LAURO",  "ACHILLE LAURO",   "MARIA COSTA",      "LUCIA",
                        "GIOVANNA",        "FRANCESCA",       "ITALIA",           "SARDEGNA",
                        "SICILIA",         "CALABRIA",        "LIGURIA",          "STELLA MARIS",
                        "PORTOFINO",       "AMALFI"};
const Words kFrench = {"VILLE DE MARSEILLE",
                       "VILLE DE ROUEN",
                       "VILLE DE BORDEAUX",
                       "NORMANDIE",
                       "BRETAGNE",
                       "PROVENCE",
                       "LIBERTE",
                       "FRATERNITE",
                       "EGALITE",
                       "CHAMPLAIN",
                       "JACQUES CARTIER",
                       "PAUL GAUGUIN",
                       "ILE DE FRANCE",
                       "CAP BON",
                       "ANTILLES",
                       "FORT ROYAL",
                       "FORT DESAIX",
                       "PONTOISE",
                       "ARDECHE",
                       "GIRONDE",
                       "VENDEE"};
const Words kSpanish = {"CIUDAD DE CADIZ",   "CIUDAD DE SEVILLA", "CIUDAD DE VALENCIA",
                        "VIRGEN DEL CARMEN", "VIRGEN DEL MAR",    "SANTA MARIA",
                        "SANTA ISABEL",      "MONTE ANAGA",       "MONTE UDALA",
                        "MAR CANTABRICO",    "MAR EGEO",          "LUIS",
                        "CABO SAN ROQUE",    "CABO SAN VICENTE",  "GALICIA",
                        "ASTURIAS",          "NAVARRA",           "PUNTA BRAVA",
                        "PUNTA ALTA",        "CANARIAS",          "TENERIFE",
                        "LANZAROTE"};
const Words kPortuguese = {
    "FUNCHAL",   "INFANTE DOM HENRIQUE", "VERA CRUZ",   "SANTA MARIA", "ALCOBACA",
    "ALMEIDA",   "TORRES VEDRAS",        "BOA VISTA",   "GIL EANNES",  "LLOYD BAHIA",
    "LLOYD RIO", "LLOYD SANTOS",         "DOCEBAY",     "ITAPAGE",     "ITAPUCA",
    "ITATINGA",  "FROTA AMAZONICA",      "FROTA MANAUS"};
const Words kChinese = {"YU",  "HONG", "FU",    "AN",   "HUA",  "TAI",   "PING", "QING",  "LONG",
                        "JIN", "XIN",  "CHANG", "FENG", "MING", "GUANG", "SHAN", "ZHONG", "YONG"};
const Words kChineseEnds = {"HAI", "CHENG", "JIANG", "SHAN", "MEN", "KOU", "QI", "DAO"};
const Words kKorean = {"HANJIN", "PAN",     "HYUNDAI", "KOREA",  "SAMHO",
                       "DONGA",  "CHOYANG", "KOSMOS",  "DAEWOO", "SUNKYONG"};
const Words kKoreanEnds = {"PUSAN", "SEOUL",  "INCHON", "ULSAN",   "MASAN", "PIONEER", "NOBLE",
                           "GRACE", "BRIDGE", "STAR",   "SUCCESS", "VENUS", "EMERALD"};
const Words kIndian = {"STATE OF ORISSA", "STATE OF MADRAS", "STATE OF KERALA", "STATE OF BIHAR",
                       "VISHVA KALYAN",   "VISHVA ABHA",     "VISHVA MAMTA",    "VISHVA PRATIBHA",
                       "JALAGOPAL",       "JALAVIHAR",       "JALAPADMA",       "JALAJAWAHAR",
                       "LOK PRAGATI",     "LOK PRATAP",      "CHIDAMBARAM",     "HARSHAVARDHANA",
                       "AKBAR",           "NICOBAR"};
const Words kTurkish = {"AKDENIZ",      "KARADENIZ", "ANADOLU",  "ISTANBUL", "IZMIR",
                        "SAMSUN",       "TRABZON",   "MERSIN",   "BODRUM",   "KAPTAN ALI",
                        "KAPTAN HASAN", "AYDIN",     "ERDEMIR",  "GEMLIK",   "TUZLA",
                        "YAVUZ",        "FATIH",     "BARBAROS", "ORHAN"};
const Words kArabic = {"AL", "IBN", "AL", "BAHR", "NUR", "DAR"};
const Words kArabicWords = {"HASSAN",  "RASHID",  "KHALID", "ZAYED",    "FAISAL", "QADISIYAH",
                            "MANSOUR", "BATTUTA", "SINA",   "KHALDOUN", "MARWAN", "AQABA",
                            "GHAT",    "DERNA",   "TOBRUK", "SABHA",    "BASRA",  "FAO",
                            "TARIQ",   "SALAM",   "JEDDAH"};
const Words kBalkan = {"BOKA",   "ZELENGORA", "TREPCA",   "MOSTAR",    "KOTOR",  "BAR",
                       "ULCINJ", "BUDVA",     "MANGALIA", "CONSTANTA", "SULINA", "GALATI",
                       "BRAILA", "TULCEA",    "VITOSHA",  "RILA",      "PIRIN",  "STRANDZHA",
                       "SLIVEN", "PLOVDIV",   "RUSE",     "VIDIN",     "SOFIA",  "BALKAN",
                       "DUNAV",  "OHRID",     "VELEBIT",  "LOVCEN"};
const Words kCuban = {
    "CAPITAN SAN LUIS", "LAS VILLAS",    "SIERRA MAESTRA", "PLAYA GIRON", "CAMILO CIENFUEGOS",
    "JOSE MARTI",       "ANTONIO MACEO", "PINAR DEL RIO",  "MATANZAS",    "CAMAGUEY",
    "HOLGUIN",          "BAYAMO",        "GRANMA",         "MARTIRES"};
const Words kLatin = {"RIO", "SAN", "SANTA", "PUERTO", "LAGO", "CERRO", "MONTE", "LLOYD"};
const Words kLatinEnds = {"PARANA",  "URUGUAY",   "NEGRO",    "GRANDE",     "LUIS",  "CATALINA",
                          "DESEADO", "ARGENTINO", "BELGRANO", "CORRIENTES", "SALTA", "MENDOZA",
                          "ALEGRE",  "BAHIA",     "SANTOS",   "RECIFE",     "BELEM"};
const Words kRoman = {"II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X"};

std::string name_for(Style s, Draw& d) {
    switch (s) {
    case Style::Greek:
        switch (d(4)) {
        case 0:
            return d.pick(kGreekSaints);
        case 1:
            return d.pick(kGreekTitles) + " " + d.pick(kGreekNames);
        default:
            return d.pick(kGreekNames);
        }
    case Style::Convenience:
        switch (d(4)) {
        case 0:
            return name_for(Style::Greek, d);
        case 1:
            return d.pick(kJapanese) + " " + d.pick(kEnglishB);
        default:
            return d.pick(kEnglishA) + " " + d.pick(kEnglishB);
        }
    case Style::Soviet:
        switch (d(3)) {
        case 0:
            return d.pick(kSovietTitles) + " " + d.pick(kRussianSurnames);
        case 1:
            return d.pick(kSovietPlaces);
        default:
            return d.pick(kSovietHeroes);
        }
    case Style::Polish:
        return d.pick(kPolish);
    case Style::EastGerman:
        return d.pick(kEastGerman);
    case Style::German:
        switch (d(3)) {
        case 0:
            return "CAP " + d.pick(kGermanPlaces);
        case 1:
            return "STADT " + d.pick(kGermanPlaces);
        default:
            return d.pick(kGermanNames);
        }
    case Style::Norwegian:
        switch (d(3)) {
        case 0:
            return d.pick(kNorse) + d.pick(kNorseEnds);
        case 1:
            return "BERGE " + d.pick(kNorse) + d.pick(kNorseEnds);
        default:
            return d.pick(kNordicNames) + " " + d.pick(kNorse) + "VIK";
        }
    case Style::Swedish:
        return d(2) ? d.pick(kSwedish) + " " + d.pick(kNordicNames)
                    : d.pick(kNorse) + d.pick(kNorseEnds);
    case Style::Danish:
        return d(2) ? d.pick(kNordicNames) + " MAERSK" : "DANA " + d.pick(kNorseEnds);
    case Style::Finnish:
        return d.pick(kFinnish);
    case Style::Dutch:
        return d(2) ? d.pick(kDutch) + "GRACHT" : d.pick(kDutchNames);
    case Style::Japanese:
        return d.pick(kJapanese) + " MARU";
    case Style::British:
        switch (d(3)) {
        case 0:
            return "CITY OF " + d.pick(kBritishCities);
        case 1:
            return d.pick(kBritishWords) + " " + d.pick(kBritishEnds);
        default:
            return d.pick(kBritishCities) + " " + d.pick(kBritishEnds);
        }
    case Style::American:
        return d(2) ? "PRESIDENT " + d.pick(kAmericanSurnames)
                    : (d(2) ? "SEALAND " : "AMERICAN ") + d.pick(kAmericanWords);
    case Style::Italian:
        return d.pick(kItalian);
    case Style::French:
        return d.pick(kFrench);
    case Style::Spanish:
        return d.pick(kSpanish);
    case Style::Portuguese:
        return d.pick(kPortuguese);
    case Style::Chinese:
        return d.pick(kChinese) + " " + d.pick(kChineseEnds);
    case Style::Korean:
        return d.pick(kKorean) + " " + d.pick(kKoreanEnds);
    case Style::Indian:
        return d.pick(kIndian);
    case Style::Turkish:
        return d.pick(kTurkish);
    case Style::Arabic:
        return d.pick(kArabic) + " " + d.pick(kArabicWords);
    case Style::Balkan:
        return d.pick(kBalkan);
    case Style::Cuban:
        return d.pick(kCuban);
    case Style::Latin:
        return d.pick(kLatin) + " " + d.pick(kLatinEnds);
    }
    return "";
}

std::string call_for(const Flag& f, Draw& d) {
    std::string call = d.pick(f.series);
    for (int k = 0; k < f.letters; ++k)
        call += static_cast<char>('A' + d(26));
    if (f.figure && d(2)) call += static_cast<char>('2' + d(8));
    return call;
}

struct Ship {
    std::string call;
    std::string type = "-";
    std::string name;
    Style style = Style::Convenience;
};

// The ships whose stored telegrams the traffic keys, and the first ship of the register.
struct Pinned {
    const char* call;
    const char* name;
};
constexpr std::array<Pinned, 37> kStoredTelegrams = {{
    {"7THQ", "TABLAT"},
    {"9HDP5", "AGIOS GERASIMOS"},
    {"COGW", "PLAYA LARGA"},
    {"DHHT", "HELGA RUSS"},
    {"EMRN", "KAPITAN GUDIN"},
    {"ELBK7", "OCEAN LAUREL"},
    {"3EKZ3", "ORIENT ACE"},
    {"SVKM", "ARISTEIDIS"},
    {"SQLR", "ZIEMIA LUBELSKA"},
    {"LAGQ4", "BERGE SOLVEIG"},
    {"OXVB2", "ELLEN MAERSK"},
    {"JKPR", "TOYOHASHI MARU"},
    {"GBZD", "CITY OF DUNDEE"},
    {"KGTB", "PRESIDENT TYLER"},
    {"ICMV", "NICOLA DI BARI"},
    {"FNAW", "VILLE DE NANTES"},
    {"EBPT", "MONTE ESTELA"},
    {"TCKA", "KAPTAN YILMAZ"},
    {"UUAZ", "AKADEMIK SHOKALSKIY"},
    {"Y5LB", "WARNEMUENDE"},
    {"PDGT", "NEDLLOYD BORNEO"},
    {"SKRW", "STENA NORDICA"},
    {"5BLT2", "ANNA P"},
    {"C6KD4", "WESTERN SEALAND"},
    {"HPJS", "GOLDEN HARVEST"},
    {"YUTL", "DURMITOR"},
    {"LZCD", "SHIPKA"},
    {"5AWE", "GARYOUNIS"},
    {"9KRC", "AL MUBARAKIAH"},
    {"SUDA", "ABU SIMBEL"},
    {"VTQR", "STATE OF GUJARAT"},
    {"BOPK", "LIU HE KOU"},
    {"DSHM", "HANJIN JEDDAH"},
    {"PPXU", "LLOYD GENOVA"},
    {"OHNQ", "FINNCLIPPER"},
    {"YOPA", "PIATRA CRAIULUI"},
    {"SZLE", "EVIA"},
}};

// Ship types of the traffic with their counts, and which naming styles may carry each.
struct TypeCount {
    const char* code;
    int count;
    std::vector<Style> styles; // empty: any flag
};

std::vector<TypeCount> types() {
    using S = Style;
    return {
        {"motorcargo", 190, {}},
        {"ore",
         92,
         {S::Convenience, S::Greek, S::Norwegian, S::Japanese, S::British, S::German, S::Polish,
          S::Soviet, S::Chinese, S::Korean, S::Indian}},
        {"motortanker",
         51,
         {S::Convenience, S::Greek, S::Norwegian, S::Swedish, S::Danish, S::Japanese, S::British,
          S::Soviet, S::Arabic, S::Spanish, S::Italian}},
        {"steamcargo", 16, {S::American, S::British, S::Greek, S::Convenience, S::Soviet}},
        {"container",
         9,
         {S::German, S::Dutch, S::Danish, S::American, S::Japanese, S::British, S::Korean}},
        {"reefer",
         16,
         {S::Soviet, S::Convenience, S::Danish, S::Swedish, S::Cuban, S::Japanese, S::German}},
        {"steamtanker", 25, {S::American, S::British, S::Convenience, S::Greek, S::Spanish}},
        {"motorpassenger",
         13,
         {S::Soviet, S::Italian, S::Greek, S::Norwegian, S::Finnish, S::Swedish, S::EastGerman,
          S::Polish}},
        {"steampassenger",
         18,
         {S::Italian, S::British, S::Greek, S::Soviet, S::French, S::Portuguese, S::American}},
        {"trawler",
         23,
         {S::Soviet, S::Norwegian, S::Japanese, S::Polish, S::EastGerman, S::Spanish, S::Portuguese,
          S::Korean}},
    };
}

std::vector<Ship> register_of_ships() {
    Draw d;
    std::set<std::string> calls, names;
    std::vector<Ship> ships;
    ships.push_back({"2ETI8", "-", "PIXY MARZO", Style::British});
    for (const Pinned& p : kStoredTelegrams) {
        calls.insert(p.call);
        names.insert(p.name);
    }
    calls.insert("2ETI8");
    names.insert("PIXY MARZO");

    int total_weight = 0;
    for (const Flag& f : flags())
        total_weight += f.weight;
    const std::size_t drawn = kShips - 1 - kStoredTelegrams.size();
    while (ships.size() < drawn + 1) {
        int w = static_cast<int>(d(static_cast<unsigned>(total_weight)));
        const Flag* flag = &flags().front();
        for (const Flag& f : flags()) {
            if (w < f.weight) {
                flag = &f;
                break;
            }
            w -= f.weight;
        }
        std::string call = call_for(*flag, d);
        if (calls.count(call)) continue;
        std::string name = name_for(flag->style, d);
        for (std::size_t k = 0; names.count(name) && k < kRoman.size(); ++k)
            name = name_for(flag->style, d) + (d(2) ? ""
                                               : flag->style == Style::Japanese
                                                   ? " NO " + std::to_string(k + 2)
                                                   : " " + kRoman[k]);
        if (names.count(name)) continue;
        calls.insert(call);
        names.insert(name);
        ships.push_back({call, "-", name, flag->style});
    }
    // The stored-telegram ships at even places through the register.
    for (std::size_t k = 0; k < kStoredTelegrams.size(); ++k) {
        const std::size_t at = 25 + k * 49;
        ships.insert(
            ships.begin() + static_cast<long>(at),
            Ship{kStoredTelegrams[k].call, "-", kStoredTelegrams[k].name, Style::Convenience});
    }
    // Types: walk the register from a drawn start, giving each type its ships.
    for (const TypeCount& t : types()) {
        int left = t.count;
        std::size_t at = d(kShips);
        while (left > 0) {
            at = (at + 1 + d(40)) % ships.size();
            Ship& s = ships[at];
            if (at == 0 || s.type != "-") continue;
            bool fits = t.styles.empty();
            for (Style st : t.styles)
                fits = fits || st == s.style;
            if (!fits) continue;
            s.type = t.code;
            --left;
        }
    }
    return ships;
}

} // namespace

int main() {
    std::printf("# The world's ship register: one ship a line, its call sign, its type for the\n"
                "# traffic ('-' none of the listed types) and its name. Written by zenka_shipreg\n"
                "# (tools/shipreg); run it again rather than editing this file.\n"
                "#\n#CALL  TYPE            NAME\n");
    for (const Ship& s : register_of_ships())
        std::printf("%-6s %-15s %s\n", s.call.c_str(), s.type.c_str(), s.name.c_str());
    return 0;
}
