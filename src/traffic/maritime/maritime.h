#pragma once
// The maritime family: coast stations and ships, radiotelegrams, 500 kHz calling and distress
// working, the LF ship channels. Generators are free functions over the context, `void name(Air& a,
// ...)`; they keep no state of their own. Their tables stand beside them in this folder.

#include <string>
#include <string_view>

namespace zenka {

class Air;

// --- The working ship and its manners ---
// Chooses the working ship (ship_call, ship_name, vsl_nr) and a coast station of `coast` (coast_nr).
void get_vsl(Air& a);
// str2: the greeting fitting both stations ("ZDR", "HEJ", "SLM" or the time of day).
void international_hello(Air& a, std::string_view coast, std::string_view ship);
// The working ship's keying by its nationality, working `coast`.
void fleet_style(Air& a, std::string_view coast);
// The working ship's type: 1 motor cargo, 2 ore, 3 motor tanker, 4 steam cargo, 5 container,
// 6 refrigerated cargo, 7 steam tanker, 8 motor passenger, 9 steam passenger, 10 trawler; 0 none.
int find_specialistic_vsl(Air& a);
// One of 34 farewells, `call` in those that name a station.
void maritime_bye(Air& a, std::string_view call);
// The index of `call` among the first `n` ships of the register, -1 when absent.
int find_base_vsl(std::string_view call, int n);

// --- Radiotelegrams ---
// The working ship's telegram to `coast`, its farewell; closes the slot.
void vsl_qtc(Air& a, std::string_view coast);
// A coast station's telegram to a ship it chooses. Leaves the slot open.
void coast_qtc(Air& a, std::string_view coast, std::string_view place);
// The same telegram to the working ship (ship_call, ship_name), for a station that has called it.
void coast_qtc_to_vsl(Air& a, std::string_view coast, std::string_view place);
// The receiving operator's side of a telegram whose sender is not heard.
void _rcvg_qtc(Air& a);
// A ship receiving a telegram; closes the slot.
void vsl_rcvg_qtc(Air& a);
// A coast station receiving a telegram; closes the slot.
void coast_rcvg_qtc(Air& a);

// --- Medium-frequency working ---
void coast_station_mf(Air& a, std::string_view coast, std::string_view place);
void coast_station_mf_bug(Air& a, std::string_view coast, std::string_view place);
void vsl_clg_coast_mf(Air& a, int silent);
void small_coast_station(Air& a, std::string_view coast, int mode);
// A traffic list: form 1 calls twice, 2 name/call, 3 calls; a ship in 4 x rarity is listed.
void tfc_list(Air& a, int form, int rarity, std::string_view coast);
// The announcement of a traffic list, twice, left open for the list that follows.
void tfc_anmt(Air& a, std::string_view text);
void nav_wng_anm(Air& a, std::string_view coast);

// --- The other ships' and stations' working ---
void amver(Air& a, int coast_index, int ship_index);
void vsl2vsl_tfc(Air& a);
void obs_tfc(Air& a, std::string_view coast, std::string_view place);
void rcvg_obs_msg(Air& a, std::string_view coast);
void obs_special_tfc_mf(Air& a);
void bathy_tfc(Air& a);
void tesac_tfc(Air& a);
void tempship_tfc(Air& a);
void pilotship_tfc(Air& a);
void russian_vsl(Air& a);
void uscg(Air& a, std::string_view coast);
void port_radio(Air& a, std::string_view coast);
void marine_tuning(Air& a);
void old_vsl_qtc(Air& a);
void marine_qte(Air& a, int kind, std::string_view station);

// --- 500 kHz calling and distress working ---
// A working frequency as the calling procedure names it, on the half-kHz raster: whole kHz, and
// the half when the tenths digit is not 0 (4545 and 4543 -> 4545, 4540 -> 4540).
int half_khz(int tenths);
// One calling exchange of a ship and a coast station on 500 kHz; `silent` 1 keys it faintly.
void vsl_coast_tfc_500k(Air& a, int silent);
// Scripted chats of operators on the calling frequency; some scripts send nothing.
void opchat(Air& a);
// The auto-alarm signal, twelve dashes of four seconds, left in the open slot.
void autoalarm(Air& a);
// Distress scenarios, each after the auto-alarm; each marks the pass (anm_500).
void sos1(Air& a);
void sos2(Air& a);
void sos3(Air& a);

// --- Short items of the MF calling and working frequencies ---
void navigational_tfc(Air& a);
void coast_clg_vsl(Air& a);
// A ship calling a port station, listening on `n` kHz.
void port_wave(Air& a, int n);
// A ship filing its weather observation with a coast station listening on `n` kHz.
void obs_tfc_mf(Air& a, int n);
// A ship asking `coast` for a bearing.
void qte_coast(Air& a, std::string_view coast);
void bandxonly(Air& a);
void svvv500(Air& a);
void qsp(Air& a);
void control_stn(Air& a, std::string_view coast);
void vsl500cq(Air& a);
void selective_call(Air& a);

// --- Long-wave working ---
// The single stations (coast_station_lf, chilean_old_nw, phillipine_old_coast, live_stock,
// swedish_ice_report, meteo_warszawa) key in the voice their rule sets; the conversations draw
// their own voices.
void coast_station_lf(Air& a, std::string_view coast, std::string_view place);
void vsl_lf_channel(Air& a);
void intership_lf(Air& a);
void calling_143_khz(Air& a);
// A long-wave traffic list: its own announcement, then the list of tfc_list.
void tfc_list_lf(Air& a, int form, int rarity, std::string_view coast);
void ufc(Air& a, std::string_view coast);
void great_lakes_old(Air& a, std::string_view coast);
void alaska_packers(Air& a);
void alaska_packers_cst(Air& a);
void alaska_packers_vsl(Air& a);
void chilean_old_nw(Air& a, std::string_view coast);
void phillipine_old_coast(Air& a, std::string_view coast);
// Market reports: `market` KANSAS, OMAHA, CHICAGO, CINCINNATI, ST, GRAIN, FRUITS or LIVE.
void live_stock(Air& a, std::string_view station, std::string_view market);
void swedish_ice_report(Air& a);
void meteo_warszawa(Air& a);
void polish_ptt(Air& a, std::string_view from, std::string_view from_place, std::string_view to,
                std::string_view to_place);

} // namespace zenka
