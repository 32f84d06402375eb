#pragma once
#include "app/number_format.h"

#include <QDate>
#include <QString>

#include <optional>
#include <string>

namespace fiscalia {

class Date;

// Conversions between the engine's UTF-8 texts and Qt's.
inline QString qs(const std::string& text) { return QString::fromStdString(text); }
inline std::string ss(const QString& text) { return text.toStdString(); }

// The separators of the current locale (QLocale(), which tests may pin).
NumberSymbols localeNumberSymbols();

// The system's short date form with a two-digit year widened to four digits.
QString shortDateFormat();
QString toShortDate(const QDate& date);
QString toShortDate(const Date& date);
// Reads a date typed by the user: the short date form first, then the
// locale's long and ISO forms and a few common spellings with month names.
std::optional<QDate> parseUserDate(const QString& text);

QDate toQDate(const Date& date);
Date fromQDate(const QDate& date);

} // namespace fiscalia
