#pragma once

namespace bumblorbs {

// Seconds since local midnight, with the fraction, in single precision.
float LocalSecondsSinceMidnight();

}  // namespace bumblorbs
