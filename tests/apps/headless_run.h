// A headless word of a desktop program run with its output and error streams caught, and the
// pixel count that tells a drawn series from an empty picture.
#pragma once

#include <QImage>
#include <functional>
#include <ostream>
#include <string>

namespace apps_testing {

struct HeadlessOutcome {
  int code = 0;
  std::string out;
  std::string err;
};

// Runs `headless` with fresh output and error streams and returns what it wrote.
HeadlessOutcome CatchHeadless(const std::function<int(std::ostream&, std::ostream&)>& headless);

// Pixels of a colour.
int CountPixels(const QImage& image, QRgb colour);

}  // namespace apps_testing
