#pragma once

// The logic of the PLC type dialog ("PLC 타입 변경"): one PLC choice per channel on copies of
// both channel records. OK asks before a changed type replaces the current one (52103); on Yes
// it stores the records, rebinds the driver slots, revalidates every device address of the
// project on a changed channel and applies the remote station numbers.

#include "core/app/app_config.h"
#include "core/model/dorvane_doc.h"
#include "core/presenters/channel_choice.h"
#include "core/presenters/function_prompt.h"

#include "util/message_ids.h"

namespace core {

class CPlcTypeDlg
{
public:
    static constexpr int kMsgConfirmChange = util::msg::kPlcTypeDiffers;

    CPlcTypeDlg(const CAppConfig &config, CFunctionPrompt &prompt, const CDorvaneDoc &doc);

    // Channel 1 or 2.
    CChannelChoice &Choice(int channel) { return channel == 2 ? m_ch2 : m_ch1; }
    const CChannelChoice &Choice(int channel) const { return channel == 2 ? m_ch2 : m_ch1; }

    // False when the user answered No: the project is left as it was.
    bool Ok(CDorvaneDoc &doc);
    // After Ok: the addresses (tags, function keys, list records and panel links) the new
    // drivers rejected and replaced by their default address; a tag counts once.
    std::size_t ResetCount() const { return m_resetCount; }

private:
    const CAppConfig &m_config;
    CFunctionPrompt &m_prompt;
    CChannelChoice m_ch1;
    CChannelChoice m_ch2;
    std::size_t m_resetCount = 0;
};

} // namespace core
