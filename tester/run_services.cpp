#include "tester/run_services.h"

#include <cstdlib>

namespace vornet {

int64_t RunServices::Now() { return static_cast<int64_t>(std::time(nullptr)); }

std::tm RunServices::LocalTime(int64_t calendarTime) {
  const std::time_t time = static_cast<std::time_t>(calendarTime);
  std::tm local{};
  localtime_r(&time, &local);
  return local;
}

void RunServices::Seed(unsigned seed) { std::srand(seed); }

int RunServices::Random() { return std::rand(); }

}  // namespace vornet
