// The profile window's list items, shared with the sheet text.
#pragma once

#include <QString>
#include <array>

// Items of the sex list, index = the record's `Sex`.
inline const std::array<QString, 2> SexNames = {QStringLiteral("男"), QStringLiteral("女")};
