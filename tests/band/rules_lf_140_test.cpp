#include "support/band_pass.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

class Rules_lf_140 : public test::BandPass {};

} // namespace
} // namespace zenka
