#include "ui/common/menu_text.h"

namespace ui {

QString dropMnemonic(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('(') && i + 3 < text.size() && text[i + 1] == QLatin1Char('&')
            && text[i + 2] != QLatin1Char('&') && text[i + 3] == QLatin1Char(')')) {
            i += 3; // "(&X)"
            continue;
        }
        if (c == QLatin1Char('&')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&'))
                out += text[++i];
            continue;
        }
        out += c;
    }
    return out;
}

QString withoutMnemonic(const QString &menuText)
{
    QString text = dropMnemonic(menuText);
    if (text.endsWith(QLatin1String("...")))
        text.chop(3);
    return text.trimmed();
}

} // namespace ui
