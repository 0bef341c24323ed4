#pragma once
// The aeronautical tables: aircraft registrations, flying boats, aerodromes, the ground stations
// of the airways and of the direction-finding service, and the call suffixes of Norway. The
// generators draw from the leading entries of each, as many as each one names.

#include <array>
#include <string_view>

namespace zenka {

// Aircraft registrations, five letters, of the European and Australian airways.
inline constexpr std::array<std::string_view, 134> acft = {
    "DAGAR", "DAJIE", "DANAB", "DAKEM", "DAUBC", "DARDL", "DASBQ", "DAGBC", "DANNC", "DAHCR",
    "DANBS", "DADHU", "DAUSB", "DASSM", "DABHB", "DAREJ", "DANER", "DADSJ", "DARVF", "DADSS",
    "DAUGL", "DADRW", "DACSB", "DATGP", "DAVRN", "DAYKO", "DASOL", "DAJHZ", "DAFWY", "DAHCS",
    "DAJQP", "DAKXO", "DAJTC", "GADQN", "GAFYK", "GAEPN", "GABVC", "GAYRS", "GAZKK", "GAWLT",
    "GAPSZ", "GAOCC", "GAIPW", "GAVCB", "GAXWJ", "GAUSV", "GAOJW", "GAMVL", "GAAOL", "GAFTD",
    "GAPBG", "GAYJE", "GAXHM", "FAMPC", "FAFOM", "FARIE", "FANRI", "FAWNL", "FAVMH", "FAECF",
    "FAEHV", "FAHAP", "FASFI", "FAJAE", "FANRL", "FATSK", "FAEWQ", "FATUV", "FAXBO", "PHAYV",
    "PHAZR", "PHAMM", "PHADP", "PHAUM", "PHABG", "PHACG", "PHAOF", "IADKT", "IABDA", "IASER",
    "IADLT", "IAACG", "IATME", "IAUIL", "IATLP", "IADDP", "IAOPP", "OOAJC", "OOAED", "OOAXK",
    "OOAXI", "OOAPW", "OOAFQ", "OKAAG", "OKAQL", "OKAEW", "OKARA", "OKAYQ", "OKAJU", "SPACW",
    "SPAIQ", "SPALF", "SPALY", "SPAHR", "SPARY", "SEAQK", "SEAUH", "SEATZ", "SEAZY", "SEAGZ",
    "SEAHM", "OYDXZ", "OYDHG", "OYDQP", "OYDLX", "LNABD", "LNAZI", "LNAPI", "LNAGW", "HBITL",
    "HBIOZ", "HBIXL", "HBILC", "HBIHD", "HBIHP", "OEAGK", "VHUMF", "VHUNA", "VHULT", "VHUXY",
    "VHUTH", "VHUPA", "VHURB", "VHUSF",
};

// Flying boats of the Empire routes.
inline constexpr std::array<std::string_view, 20> acft_flying_boats = {
    "GADHL", "GADHM", "GADUT", "GADUU", "GADUV", "GADUW", "GADUX", "GADUY", "GADUZ", "GADVA",
    "GADVB", "GADVC", "GADVD", "GADVE", "GAETV", "GAETW", "GAETX", "GAETY", "GAETZ", "GAEUA",
};

// German flying boats of the South Atlantic service.
inline constexpr std::array<std::string_view, 14> acft_flying_boats2 = {
    "DAANE", "DABYM", "DAFAR", "DAGAT", "DAROX", "DAPEZ", "DALYS",
    "DAHOK", "DAMOR", "DABUS", "DASOK", "DAKAR", "DAZEP", "DAWUL",
};

// Aerodromes by their two-letter abbreviation, for departure reports.
inline constexpr std::array<std::string_view, 45> aerodromes = {
    "AM", "AS", "BN", "BR", "BS", "BX", "CO", "DM", "DR", "DU", "ER", "ES", "FR", "GL", "HA",
    "HH", "HN", "KB", "KL", "KO", "LE", "LP", "LZ", "MA", "MU", "MZ", "NU", "OS", "PA", "PR",
    "RO", "SB", "SH", "ST", "SZ", "TR", "TW", "WE", "WI", "WZ", "ZU", "BD", "KS", "NB", "GW",
};

// Ground stations of the Australian airways.
inline constexpr std::array<std::string_view, 44> aust_gnd = {
    "VZDN", "VZML", "VZPH", "VZSY", "VZBR", "VZAD", "VZCB", "VZHB", "VZLN", "VZAL", "VZCL",
    "VZKA", "VZBK", "VZMR", "VZWG", "VZNW", "VZBH", "VZCH", "VZCN", "VZTV", "VZRH", "VZMK",
    "VZBN", "VZGT", "VZDY", "VZKW", "VZWY", "VZMI", "VZOD", "VZLR", "VZKB", "VZMB", "VZTH",
    "VZPD", "VZEP", "VZFR", "VZNS", "VZCT", "VZGR", "VZCM", "VZBD", "VZMT", "VZWA", "VZSN",
};

// Flying-boat bases of the Australian airways.
inline constexpr std::array<std::string_view, 7> aust_gnd_fb = {
    "VZBZ", "VZDZ", "VZRZ", "VZSZ", "VZTZ", "VZGZ", "VZKZ",
};

// Airports of the Australian airways.
inline constexpr std::array<std::string_view, 32> aust_iata = {
    "CBR", "KPS", "MVL", "SYD", "MEL", "ADL", "PER", "BNE", "DRW", "HBA", "LST",
    "TSV", "CNS", "ROK", "MKY", "BNK", "ARM", "TMW", "WGA", "ABX", "MQL", "CWT",
    "GTN", "DBO", "ASP", "KGI", "ALH", "GET", "PHE", "BME", "ONS", "LRE",
};

// Suffixes of the Norwegian ground stations, after "L".
inline constexpr std::array<std::string_view, 30> nor = {
    "IA", "IK", "IL", "IB", "IC", "ID", "IE", "IF", "IG", "IH", "IJ", "IM", "IN", "IO", "IP",
    "IQ", "IR", "IS", "IT", "IU", "IV", "IW", "IX", "IY", "IZ", "JA", "JB", "JC", "JD", "JE",
};

// Ground stations called on 333 kHz.
inline constexpr std::array<std::string_view, 53> calling_333 = {
    "AWC", "DDA", "DDB", "DDF", "DDG", "DDK", "DDL", "DDM", "DDN", "DDP", "DDT",
    "DDU", "DDV", "DDW", "DDX", "DIA", "DIB", "DIC", "DIF", "DIG", "DIH", "DIJ",
    "DIM", "DIN", "DIO", "DIQ", "DIR", "DIS", "DIW", "DIZ", "FNB", "FNC", "FND",
    "FNL", "FNS", "FNW", "FOA", "FOR", "HBW", "HBX", "HBY", "HBZ", "ILE", "ILS",
    "ILY", "OKE", "OKM", "OXS", "SAT", "TXD", "TXE", "YRD", "YRF",
};

// Ground stations called on 327 kHz.
inline constexpr std::array<std::string_view, 10> calling_327 = {
    "DIA", "DIB", "DIC", "DIF", "DIG", "DIH", "DIN", "DIO", "DIQ", "DIR",
};

// Direction-finding stations of the 375 kHz service.
inline constexpr std::array<std::string_view, 105> gonio_375_sx = {
    "CTC", "CTE", "CTH", "LNR", "LNO", "IKS", "DDF", "IKP", "EAT", "GKD", "LNJ", "GFC",
    "HBZ", "OHU", "FFT", "SAO", "EAX", "SPU", "GKT", "CTQ", "FNB", "FFG", "DIT", "CTY",
    "LNK", "LNS", "DDQ", "DIU", "OXP", "CTV", "FNO", "EAI", "SER", "FNW", "OSK", "DIQ",
    "OXA", "FNS", "FOM", "FOJ", "SAC", "CTG", "DDB", "ILM", "OHM", "SEC", "OKU", "DDY",
    "YRI", "OZC", "OXK", "CTN", "FOE", "DIW", "FOA", "FFO", "ILF", "YRR", "DDO", "IKG",
    "ESY", "GFN", "EAM", "SEG", "CTI", "OKJ", "GKM", "OKD", "FFE", "OSA", "SPK", "OXM",
    "FNC", "FNG", "DIA", "SPL", "PHT", "LNE", "OKP", "OKE", "SAF", "EAE", "OXH", "SPH",
    "ESG", "GKX", "EAR", "DDV", "SAP", "SPC", "SEB", "FOD", "FFQ", "OSH", "ESW", "SAI",
    "SET", "ILJ", "IKF", "ESC", "GFH", "ILR", "OSG", "DDX", "OSN",
};

// Ground stations taking bearings on 333 kHz.
inline constexpr std::array<std::string_view, 2> aero_333kcs = {"VRT", "VTE"};

} // namespace zenka
