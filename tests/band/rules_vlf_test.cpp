#include "support/band_pass.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

class Rules_vlf : public test::BandPass {};

} // namespace
} // namespace zenka
