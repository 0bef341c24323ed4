#pragma once
// Scoring a listener's copy of an emission: the characters the emission keyed (its Morse
// characters in order, without the in-band switches, the tuning character and the pauses)
// aligned against what the listener typed by the least number of edits, each character
// marked right, wrong, missed or extra, and the character error rate.
//
// Characters are compared as they sound: two that key the same elements are the same
// (a figure 0 keyed as T by a cut-zero station may be copied as T or as 0). Word gaps are
// not counted. Procedure signs may be typed as the traffic writes them ("+", "=") or by
// name in angle brackets ("<AR>", "<BT>", "<SK>", "<SOS>"), and any sign by its elements
// ("<.-.-..>").

#include "synth/emission.h"

#include <string>
#include <string_view>
#include <vector>

namespace zenka {

// One Morse character: the elements it keys ("." and "-") and how it is written for the
// listener ("A", "+", "<SOS>").
struct MorseChar {
    std::string code;
    std::string shown;
    std::string also; // elements of another writing that counts as right (a cut zero's 0)
    bool word_start = false; // keyed after a word gap

    // Whether a typed character `typed` copies this keyed one.
    bool copied_by(const MorseChar& typed) const {
        return typed.code == code || (!also.empty() && typed.code == also);
    }

    friend bool operator==(const MorseChar&, const MorseChar&) = default;
};

// The characters an emission keys, in order. `text` is a slot's text as composed (with
// its switches and pauses); `params` its emission parameters (kana keying, cut zero).
std::vector<MorseChar> keyed_characters(std::string_view text, const EmissionParams& params);

// The characters of a typed copy; blanks and characters that key nothing are left out.
// Lower case is read as the keyer reads it under `params`: the kana (wabun) signs with
// kana keying on, else the capitals.
std::vector<MorseChar> copied_characters(std::string_view copy, const EmissionParams& params = {});

struct CopyMark {
    enum class Kind { right, wrong, missed, extra };
    Kind kind = Kind::right;
    std::string sent;   // what was keyed (empty for an extra character)
    std::string copied; // what was typed (empty for a missed one)
    bool word_start = false; // the keyed character came after a word gap

    friend bool operator==(const CopyMark&, const CopyMark&) = default;
};

struct CopyScore {
    std::vector<CopyMark> marks; // in the order of the emission
    int sent = 0;                // characters keyed
    int right = 0, wrong = 0, missed = 0, extra = 0;

    // (wrong + missed + extra) / sent; 0 for a copy of nothing keyed that adds nothing.
    double error_rate() const;
    // The copy marked for reading: right characters as they are, "[X>Y]" wrong (X sent, Y
    // typed), "(X)" missed, "{Y}" extra; a blank where the emission keyed a word gap.
    std::string marked() const;
};

// Aligns the copy against what was keyed.
CopyScore score_copy(const std::vector<MorseChar>& sent, const std::vector<MorseChar>& copied);

} // namespace zenka
