// Ships' names in the manner of their flags: the word lists they are made of and the patterns.

#include "names.h"

namespace shipreg {
namespace {

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

} // namespace

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

} // namespace shipreg
