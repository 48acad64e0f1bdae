// Report titles, fonts and the window, display and print settings stored with a scenario
// (PageSettings is also the whole of "prefinf.dat").
#pragma once

#include "core/layout.h"

namespace core {

inline constexpr int kDefaultMarginLeft = 1000;  // thousandths of an inch
inline constexpr int kDefaultMarginTop = 1000;
inline constexpr int kDefaultMarginRight = 500;
inline constexpr int kDefaultMarginBottom = 1000;
inline constexpr int kDefaultPrintOption = 1;

#pragma pack(push, 1)
struct ReportTitles {
  char title[3][60];
  int16_t printTitle[3];  // 1: title n is printed
  uint8_t unused186[60];
};

// The windowing system's logical-font record.
struct FontDescription {
  int32_t height;
  int32_t width;
  int32_t escapement;
  int32_t orientation;
  int32_t weight;
  uint8_t italic;
  uint8_t underline;
  uint8_t strikeOut;
  uint8_t charSet;
  uint8_t outPrecision;
  uint8_t clipPrecision;
  uint8_t quality;
  uint8_t pitchAndFamily;
  char faceName[32];
};

struct PageSettings {
  int32_t windowLeft;
  int32_t windowTop;
  int32_t reportColumns;
  int32_t colorBanding;
  int32_t reportBanding;
  int32_t hideMakerFolder;
  int32_t reportBoxes;
  int32_t defaultFonts;
  int32_t defaultFontsCopy;
  int32_t resultsDisplayOption;
  int32_t fontOption;
  uint8_t unused44[80];
  int32_t windowWidth;
  int32_t windowHeight;
  int32_t marginLeft;
  int32_t marginTop;
  int32_t marginRight;
  int32_t marginBottom;
  int32_t printOption;
};
#pragma pack(pop)

static_assert(sizeof(ReportTitles) == 246);
KX_OFFSET(ReportTitles, title, 0);
KX_OFFSET(ReportTitles, printTitle, 180);
KX_OFFSET(ReportTitles, unused186, 186);

static_assert(sizeof(FontDescription) == 60);
KX_OFFSET(FontDescription, weight, 16);
KX_OFFSET(FontDescription, italic, 20);
KX_OFFSET(FontDescription, pitchAndFamily, 27);
KX_OFFSET(FontDescription, faceName, 28);

static_assert(sizeof(PageSettings) == 152);
KX_OFFSET(PageSettings, windowLeft, 0);
KX_OFFSET(PageSettings, windowTop, 4);
KX_OFFSET(PageSettings, reportColumns, 8);
KX_OFFSET(PageSettings, colorBanding, 12);
KX_OFFSET(PageSettings, reportBanding, 16);
KX_OFFSET(PageSettings, hideMakerFolder, 20);
KX_OFFSET(PageSettings, reportBoxes, 24);
KX_OFFSET(PageSettings, defaultFonts, 28);
KX_OFFSET(PageSettings, defaultFontsCopy, 32);
KX_OFFSET(PageSettings, resultsDisplayOption, 36);
KX_OFFSET(PageSettings, fontOption, 40);
KX_OFFSET(PageSettings, unused44, 44);
KX_OFFSET(PageSettings, windowWidth, 124);
KX_OFFSET(PageSettings, windowHeight, 128);
KX_OFFSET(PageSettings, marginLeft, 132);
KX_OFFSET(PageSettings, marginTop, 136);
KX_OFFSET(PageSettings, marginRight, 140);
KX_OFFSET(PageSettings, marginBottom, 144);
KX_OFFSET(PageSettings, printOption, 148);

}  // namespace core
