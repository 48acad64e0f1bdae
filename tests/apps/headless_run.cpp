#include "tests/apps/headless_run.h"

#include <sstream>

namespace apps_testing {

HeadlessOutcome CatchHeadless(const std::function<int(std::ostream&, std::ostream&)>& headless) {
  std::ostringstream out, err;
  const int code = headless(out, err);
  return {code, out.str(), err.str()};
}

int CountPixels(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour ? 1 : 0;
  }
  return count;
}

}  // namespace apps_testing
