#pragma once

// Keeps an edit's text within a byte limit of the panel's code page, as the panel stores it: a
// keystroke or a paste that would pass the limit is refused, so the text can never be longer.

#include <QValidator>

#include <cstddef>
#include <cstdint>

namespace ui {

class CByteLimitValidator : public QValidator
{
    Q_OBJECT
public:
    CByteLimitValidator(std::uint16_t panelLang, std::size_t maxBytes, QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;

private:
    std::uint16_t m_lang;
    std::size_t m_maxBytes;
};

} // namespace ui
