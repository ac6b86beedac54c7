#pragma once

#include "scene/interior.h"

namespace bumblorbs {

// An interior whose size is set by hand, for running the scene without a
// window: the simulator, benchmarks and tests.
class FixedInterior final : public Interior {
public:
    explicit FixedInterior(TwipSize size = {9780, 10650}) : Current(size) {}
    TwipSize Size() const override { return Current; }

    TwipSize Current;
};

}  // namespace bumblorbs
