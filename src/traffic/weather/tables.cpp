// The weather tables. Index numbers are the leading figures of the stations' WMO index
// (the figure codes add the last two), or the whole station number where the code sends it
// as a group of its own.

#include "traffic/weather/tables.h"

namespace zenka {

const std::array<std::string_view, 16> wind_dir = {"N",   "S",   "E",   "W",   "NE",  "NW",
                                                   "SE",  "SW",  "ENE", "ESE", "SSW", "NNE",
                                                   "SSE", "NNW", "WSW", "WNW"};
const std::array<std::string_view, 2> clouds = {"BC", "OCR"};
const std::array<std::string_view, 8> apia_obs_stn = {
    "APIA", "SUVA", "NUKUALOFA", "NORFOLK ISLAND", "FILA", "AWANUI", "NUMEA", "VAVAU"};

// Finland, block 02.
const std::array<std::string_view, 15> fin_obs_stn = {"480", "481", "482", "483", "484",
                                                      "485", "486", "487", "488", "489",
                                                      "490", "491", "492", "493", "494"};
// The Soviet Baltic, Arctic and Black Sea coasts, blocks 22 - 34.
const std::array<std::string_view, 39> rus_obs_stn = {
    "800", "802", "805", "807", "810", "813", "815", "817", "820", "823", "825", "829", "830",
    "835", "837", "840", "845", "847", "850", "853", "855", "857", "860", "862", "865", "867",
    "870", "875", "877", "880", "885", "887", "890", "893", "895", "900", "950", "980", "000"};
// The Ukrainian and Black Sea stations of the five-group code.
const std::array<std::string_view, 26> ucr_obs_stn = {
    "01", "02", "05", "07", "10", "12", "15", "18", "21", "24", "27", "30",  "33",
    "37", "40", "45", "50", "56", "60", "66", "70", "77", "85", "92", "103", "114"};
// Greece, block 16.
const std::array<std::string_view, 15> sxa_obs_stn = {"625", "627", "641", "648", "650",
                                                      "665", "667", "684", "689", "716",
                                                      "723", "732", "738", "746", "754"};
// Uruguay, block 86.
const std::array<std::string_view, 17> urug_obs_stn = {"300", "315", "330", "350", "360", "370",
                                                       "430", "440", "450", "460", "490", "500",
                                                       "530", "545", "560", "565", "580"};
// Hungary's Budapest.
const std::array<std::string_view, 1> egb_obs_stn = {"027"};

const std::array<std::string_view, 9> rome_obs_stn = {"MEL", "PAL", "CAP", "CIR", "SER",
                                                      "FUC", "GOR", "POZ", "PLN"};
const std::array<std::string_view, 7> derna_obs_stn = {"DRN", "BEN", "TOB", "BRD",
                                                       "APL", "SOL", "GIA"};
const std::array<std::string_view, 6> rhodes_obs_stn = {"ROP", "LER", "COO", "SCA", "CAS", "SIM"};
const std::array<std::string_view, 11> vittoria_obs_stn = {"UST", "TRA", "PAN", "LAM", "MAZ", "AGR",
                                                           "LIC", "POR", "SIR", "AUG", "CTA"};
const std::array<std::string_view, 9> taranto_obs_stn = {"BRI", "OTR", "LEU", "GAL", "TAR",
                                                         "CRO", "CAV", "SPA", "MOL"};
const std::array<std::string_view, 5> maddalena_obs_stn = {"MAD", "CAR", "CAG", "ASI", "TER"};
const std::array<std::string_view, 8> ancona_obs_stn = {"VEN", "TRI", "POL", "ANC",
                                                        "PES", "VIE", "BAR", "ORT"};

const std::array<std::string_view, 6> palau_obs_stn = {"PALAU", "SAIPAN", "PONAPE",
                                                       "TRUK",  "JALUIT", "YAP"};

} // namespace zenka
