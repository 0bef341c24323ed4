#pragma once
// The weather tables: wind directions, cloud words and the observing-station lists the
// catalogue passes to the bulletins.

#include <array>
#include <string_view>

namespace zenka {

extern const std::array<std::string_view, 16> wind_dir;
extern const std::array<std::string_view, 2> clouds;
extern const std::array<std::string_view, 8> apia_obs_stn;

// Station index numbers for the figure codes.
extern const std::array<std::string_view, 15> fin_obs_stn;
extern const std::array<std::string_view, 39> rus_obs_stn;
extern const std::array<std::string_view, 26> ucr_obs_stn;
extern const std::array<std::string_view, 15> sxa_obs_stn;
extern const std::array<std::string_view, 17> urug_obs_stn;
extern const std::array<std::string_view, 1> egb_obs_stn;

// Three-letter place codes of the Italian marine bulletins.
extern const std::array<std::string_view, 9> rome_obs_stn;
extern const std::array<std::string_view, 7> derna_obs_stn;
extern const std::array<std::string_view, 6> rhodes_obs_stn;
extern const std::array<std::string_view, 11> vittoria_obs_stn;
extern const std::array<std::string_view, 9> taranto_obs_stn;
extern const std::array<std::string_view, 5> maddalena_obs_stn;
extern const std::array<std::string_view, 8> ancona_obs_stn;

// Place names of the Pacific plain-language bulletin.
extern const std::array<std::string_view, 6> palau_obs_stn;

} // namespace zenka
