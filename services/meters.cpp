#include "services/meters.h"

#include <cmath>
#include <cstdio>

namespace raketa {

double MeterWhole(float value) { return std::nearbyint(static_cast<double>(value)); }

std::string MeterFigure(float value) {
  const double whole = MeterWhole(value);
  if (std::isfinite(whole) && std::fabs(whole) <= 1e15) return std::to_string(static_cast<long long>(whole));
  // Beyond what a long long holds every single is whole already; the C
  // library writes it, and the infinities and NaN, as it always has.
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.0f", static_cast<double>(value));
  return buf;
}

}  // namespace raketa
