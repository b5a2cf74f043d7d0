#include "ui/common/menu_text.h"

namespace ui {

QString withoutMnemonic(const QString &menuText)
{
    QString text = menuText;
    if (text.endsWith(QLatin1String("...")))
        text.chop(3);
    const qsizetype at = text.size() - 4;
    if (at > 0 && text.mid(at, 2) == QLatin1String("(&") && text.endsWith(QLatin1Char(')')))
        text.truncate(at);
    // "&&" stands for one '&' shown.
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.trimmed();
}

} // namespace ui
