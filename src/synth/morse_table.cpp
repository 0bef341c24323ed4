#include "synth/morse_table.h"

#include <string_view>

namespace zenka {
namespace {

struct Code {
    unsigned char ch;
    std::string_view elements; // "." dot, "-" dash
};

// Letters and figures: International Morse code.
constexpr Code kInternational[] = {
    {'A', ".-"},    {'B', "-..."},  {'C', "-.-."},  {'D', "-.."},   {'E', "."},     {'F', "..-."},
    {'G', "--."},   {'H', "...."},  {'I', ".."},    {'J', ".---"},  {'K', "-.-"},   {'L', ".-.."},
    {'M', "--"},    {'N', "-."},    {'O', "---"},   {'P', ".--."},  {'Q', "--.-"},  {'R', ".-."},
    {'S', "..."},   {'T', "-"},     {'U', "..-"},   {'V', "...-"},  {'W', ".--"},   {'X', "-..-"},
    {'Y', "-.--"},  {'Z', "--.."},  {'0', "-----"}, {'1', ".----"}, {'2', "..---"}, {'3', "...--"},
    {'4', "....-"}, {'5', "....."}, {'6', "-...."}, {'7', "--..."}, {'8', "---.."}, {'9', "----."},
};

// Control codes, punctuation and procedure signs as the traffic texts use them
// ("+" AR, "]" SK, "=" BT, "^" SN, "<" KA, "*" AS, ...).
constexpr Code kSigns[] = {
    {0x05, "-------"},  {0x06, "-------"},   {0x07, ".........-"}, {0x08, "-...-."},
    {0x09, "-...-..."}, {0x0A, ".."},        {0x0B, "..--."},      {0x0C, "-...-.-."},
    {0x0D, "----..-"},  {0x0E, ".-..-."},    {0x0F, "-..---"},     {0x10, "-------"},
    {0x11, "-------"},  {0x12, "...---..."}, {0x13, "....-."},     {0x14, "--.--"},
    {0x15, ".-..-"},    {0x16, ".-.-.."},    {0x17, ".--.-"},      {0x18, "....--"},
    {0x19, "..-..-"},   {0x1A, ".--.-."},    {0x1B, "...-..-"},    {0x1C, "......."},
    {0x1D, "...---"},   {0x1E, ".-...-"},    {0x1F, ".-..-..-."},  {'!', ".-.-"},
    {'"', "........"},  {'#', "----"},       {'$', "---."},        {'%', "..-.."},
    {'&', "..-.-"},     {'\'', ".----."},    {'(', "-.--."},       {')', "-.--.-"},
    {'*', ".-..."},     {'+', ".-.-."},      {',', "--..--"},      {'-', "-....-"},
    {'.', ".-.-.-"},    {'/', "-..-."},      {':', "---..."},      {';', "-.-.-."},
    {'<', "-.-.-"},     {'=', "-...-"},      {'>', "-.-.-.-"},     {'?', "..--.."},
    {'@', "..--"},      {'[', "-...-.-"},    {'\\', "..-.."},      {']', "...-.-"},
    {'^', "...-."},     {'_', "..--.-"},     {'`', "..-.."},
};

// Kana (wabun) signs on the lower-case codes, used only when kana keying is on.
constexpr Code kKana[] = {
    {'a', "--.--"}, {'b', "-..-."}, {'c', "-...-"}, {'d', "..-.-"}, {'e', "-..--"}, {'f', "--..-"},
    {'g', "--.--"}, {'h', ".-"},    {'i', "..-"},   {'j', "-.---"}, {'k', ".-..."}, {'l', ".-..-"},
    {'m', "-.-.."}, {'n', "...-"},  {'o', "-.--"},  {'p', "----"},  {'q', "-.-.-"}, {'r', "--.-."},
    {'s', "---.-"}, {'t', ".---."}, {'u', "---."},  {'v', "-."},    {'w', "..-."},  {'x', ".--."},
    {'y', ".-.--"}, {'z', "..-.."}, {'{', ".-."},   {'|', "-.-."},  {'}', "...."},  {'~', "--.-"},
    {0x7F, "..--"},
};

constexpr std::uint32_t encode(std::string_view elements) {
    std::uint32_t bits = 1;
    for (const char e : elements)
        bits = (bits << 1) | (e == '-' ? 1u : 0u);
    return bits;
}

constexpr std::array<std::uint32_t, 128> build() {
    std::array<std::uint32_t, 128> table{};
    for (const Code& c : kInternational)
        table[c.ch] = encode(c.elements);
    for (const Code& c : kSigns)
        table[c.ch] = encode(c.elements);
    for (const Code& c : kKana)
        table[c.ch] = encode(c.elements);
    return table;
}

} // namespace

constinit const std::array<std::uint32_t, 128> cw_table = build();

} // namespace zenka
