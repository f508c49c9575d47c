// Text crossing between the engine (Windows-1251 bytes) and Qt (Unicode).
#pragma once

#include <QString>

#include <optional>
#include <string>

#include "engine/cp1251.h"

namespace sob {

inline QString fromCp1251(const std::string& text) { return QString::fromStdString(cp1251::toUtf8(text)); }

// Nothing when the text holds a character Windows-1251 cannot hold.
inline std::optional<std::string> toCp1251(const QString& text) { return cp1251::fromUtf8(text.toStdString()); }

}  // namespace sob
