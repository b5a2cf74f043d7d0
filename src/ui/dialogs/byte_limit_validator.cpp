#include "ui/dialogs/byte_limit_validator.h"

#include "util/code_page.h"

namespace ui {

CByteLimitValidator::CByteLimitValidator(std::uint16_t panelLang, std::size_t maxBytes,
                                         QObject *parent)
    : QValidator(parent)
    , m_lang(panelLang)
    , m_maxBytes(maxBytes)
{ }

QValidator::State CByteLimitValidator::validate(QString &input, int &) const
{
    const std::size_t bytes = util::fromUtf8Lossy(input.toStdString(), m_lang).size();
    return bytes <= m_maxBytes ? Acceptable : Invalid;
}

} // namespace ui
