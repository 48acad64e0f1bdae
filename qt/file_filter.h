// The choosers' filters: "Account Files (*.ACC)", several separated by "|", as Qt's
// ";;"-separated name filters.
#pragma once

#include <QString>
#include <string>

namespace kxqt {

QString QtNameFilters(const std::string& filter);

}  // namespace kxqt
