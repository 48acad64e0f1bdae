#include "ui/toolbar_icons.h"

#include <QPainter>
#include <QPixmap>

namespace kxui {

namespace {

struct IconLook {
  int command;
  const char* sign;
  QRgb colour;
};

constexpr QRgb kFiles = 0x2f6db5;
constexpr QRgb kAccounts = 0x2e8b57;
constexpr QRgb kOutput = 0x7b4fa0;
constexpr QRgb kCalculators = 0xc0641d;
constexpr QRgb kOther = 0x5a6470;

constexpr IconLook kLooks[] = {
    {1, "New", kFiles},        {2, "Open", kFiles},      {13, "Imp", kAccounts},
    {12, "Exp", kAccounts},    {8, "W", kAccounts},      {9, "R", kAccounts},
    {104, "?", kOther},        {401, "Prt", kOutput},    {3, "Save", kFiles},
    {11, "SG", kOutput},       {404, "PG", kOutput},     {501, "Gr", kOutput},
    {4, "As", kFiles},         {883, "AM", kCalculators}, {882, "RM", kCalculators},
    {881, "M", kCalculators},  {177, "Inf", kCalculators}, {884, "+-", kCalculators},
    {179, "TO", kCalculators}, {178, "Cmp", kOutput},    {180, "TI", kCalculators},
    {6, "i", kOther},          {886, "%", kCalculators}, {467, "CC", kCalculators},
    {904, "72T", kCalculators},
};

}  // namespace

QIcon ToolbarIcon(int command) {
  const IconLook* look = nullptr;
  for (const IconLook& candidate : kLooks) {
    if (candidate.command == command) look = &candidate;
  }
  constexpr int kSize = 32;
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(look != nullptr ? look->colour : kOther));
  painter.drawRoundedRect(QRectF(1, 1, kSize - 2, kSize - 2), 6, 6);
  QFont font;
  font.setBold(true);
  const QString sign = QString::fromLatin1(look != nullptr ? look->sign : "");
  font.setPixelSize(sign.size() <= 1 ? 18 : sign.size() == 2 ? 14 : 10);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, sign);
  return QIcon(pixmap);
}

}  // namespace kxui
