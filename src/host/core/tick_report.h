#pragma once

#include <cstdint>

namespace bumblorbs {

// For soak measurements only (built with -DBUMBLORBS_REPORT_TICKS=ON): every
// `periodNs` of steady time, one line on stderr with the ticks run and the
// bounce count so far. The shipped program reports nothing.
class TickReport {
public:
    explicit TickReport(std::int64_t periodNs) : periodNs_(periodNs) {}
    void Ticked(std::int64_t nowNs, std::int64_t bounceCount);

private:
    std::int64_t periodNs_;
    std::int64_t nextNs_ = 0;
    std::int64_t ticks_ = 0;
};

inline constexpr std::int64_t TickReportPeriodNs = 30'000'000'000;

#ifdef BUMBLORBS_REPORT_TICKS
inline constexpr bool ReportTicks = true;
#else
inline constexpr bool ReportTicks = false;
#endif

}  // namespace bumblorbs
