#include "app/QtText.h"

#include "app/date.h"

#include <QLocale>
#include <QStringList>

namespace fiscalia {

NumberSymbols localeNumberSymbols()
{
    const QLocale locale;
    NumberSymbols symbols;
    symbols.decimal = ss(locale.decimalPoint());
    symbols.group = ss(locale.groupSeparator());
    return symbols;
}

QString shortDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")) && format.contains(QLatin1String("yy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString toShortDate(const QDate& date)
{
    return QLocale().toString(date, shortDateFormat());
}

QString toShortDate(const Date& date)
{
    return toShortDate(toQDate(date));
}

std::optional<QDate> parseUserDate(const QString& typed)
{
    const QString text = typed.simplified();
    if (text.isEmpty())
        return std::nullopt;
    const QLocale locale;
    const QStringList formats{shortDateFormat(), locale.dateFormat(QLocale::ShortFormat),
                              locale.dateFormat(QLocale::LongFormat), QStringLiteral("yyyy-MM-dd"),
                              QStringLiteral("d MMMM yyyy"), QStringLiteral("d MMM yyyy"),
                              QStringLiteral("MMMM d yyyy"), QStringLiteral("MMM d yyyy"),
                              QStringLiteral("MMMM d, yyyy"), QStringLiteral("MMM d, yyyy")};
    // A year typed with two digits is taken as 2000..2069 or 1970..1999.
    auto widen = [](QDate date) {
        if (date.year() >= 0 && date.year() < 100)
            date = date.addYears(date.year() < 70 ? 2000 : 1900);
        return date;
    };
    for (const QString& format : formats) {
        for (const QLocale& reader : {locale, QLocale::c()}) {
            QDate date = reader.toDate(text, format);
            if (!date.isValid())
                continue;
            if (format.contains(QLatin1String("yy")) && !format.contains(QLatin1String("yyyy"))
                && date.year() < 1970)
                date = date.addYears(100); // "yy" reads 00..69 as 1900..1969
            date = widen(date);
            if (date.year() >= 1 && date.year() <= 9999)
                return date;
        }
    }
    return std::nullopt;
}

QDate toQDate(const Date& date)
{
    return QDate(date.year(), date.month(), date.day());
}

Date fromQDate(const QDate& date)
{
    const auto day = Date::fromYmd(date.year(), date.month(), date.day());
    return day ? *day : Date();
}

} // namespace fiscalia
