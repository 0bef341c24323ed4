#include "support/band_pass.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

class Rules_marine : public test::BandPass {};

} // namespace
} // namespace zenka
