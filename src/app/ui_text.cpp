#include "app/ui_text.h"

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
    QStringList formats{shortDateFormat(), locale.dateFormat(QLocale::ShortFormat),
                        locale.dateFormat(QLocale::LongFormat), QStringLiteral("yyyy-MM-dd"),
                        QStringLiteral("d MMMM yyyy"), QStringLiteral("d MMM yyyy"),
                        QStringLiteral("MMMM d yyyy"), QStringLiteral("MMM d yyyy"),
                        QStringLiteral("MMMM d, yyyy"), QStringLiteral("MMM d, yyyy")};
    for (const QString& format : formats) {
        const QDate date = locale.toDate(text, format);
        if (date.isValid())
            return date;
        const QDate english = QLocale::c().toDate(text, format);
        if (english.isValid())
            return english;
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
