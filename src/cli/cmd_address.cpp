// dorvane-cli address: checks a device address with the driver its channel is bound to.

#include "cli/commands.h"

#include "core/plc/plc_slots.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <iostream>

namespace cli {

namespace {

struct AddressOptions
{
    int channel = 0;
    std::string kind = "word";
    std::string area;
    std::string text;
    std::string ch1Type = "1"; // the PLC types of a new project
    std::string ch2Type = "0";
};

std::int32_t kindCode(const std::string &kind)
{
    return kind == "bit" ? core::kAddrBit : kind == "dword" ? core::kAddrDWord : core::kAddrWord;
}

std::string hexBytes(const core::DownAddr &a)
{
    std::string out;
    char byte[4];
    for (auto b : a) {
        std::snprintf(byte, sizeof byte, "%02X", b);
        out += byte;
    }
    return out;
}

int runAddress(CliContext &ctx, const AddressOptions &o)
{
    ctx.loadConfig();
    core::CPlcSlots slots;
    for (int ch = 1; ch <= 2; ++ch) {
        // The option validators have let only 1 to 4 hexadecimal digits through.
        const auto type = parseHexWord(ch == 1 ? o.ch1Type : o.ch2Type).value_or(0);
        slots.BindChannel(ch, ctx.config().plcList(ch), type, 0, ctx.config().protocolsDir());
    }
    const auto &drv = slots.slot(o.channel);
    const std::int32_t kind = kindCode(o.kind);
    std::string number = o.text;
    if (drv.ValidCheck(kind, o.area, number) != 0) {
        std::cerr << util::messageText(util::msg::kBadAddress) << "\n";
        return 1;
    }
    core::DownAddr field{};
    std::uint16_t bit = 0;
    const std::int32_t built = drv.BuildDownAddr(kind, o.area, number, bit, field);
    std::string upArea, upNumber;
    std::uint16_t upBit = bit;
    drv.BuildUpAddr(kind, field, upArea, upNumber, upBit);
    if (ctx.json) {
        nlohmann::ordered_json j{{"channel", o.channel},
                                 {"kind", o.kind},
                                 {"area", o.area},
                                 {"normalised", number},
                                 {"downloadAddress", hexBytes(field)},
                                 {"bit", bit},
                                 {"buildResult", built},
                                 {"decodedArea", upArea},
                                 {"decodedNumber", upNumber}};
        std::cout << j.dump(2) << "\n";
    } else {
        std::cout << "normalised: " << o.area << number << "\n"
                  << "download address: " << hexBytes(field) << "\n"
                  << "bit: " << bit << "\n"
                  << "decoded: " << upArea << upNumber << "\n";
    }
    return 0;
}

} // namespace

void addAddressCommand(CLI::App &app, CliContext &ctx)
{
    auto opts = std::make_shared<AddressOptions>();
    auto *cmd = app.add_subcommand("address", "Check a device address with the channel's driver");
    cmd->add_option("--channel", opts->channel, "0 panel memory, 1 or 2 a PLC channel")
            ->required()
            ->check(CLI::Range(0, 2));
    cmd->add_option("--kind", opts->kind, "bit, word or dword")
            ->check(CLI::IsMember({"bit", "word", "dword"}));
    cmd->add_option("--area", opts->area, "Area name as the driver lists it");
    cmd->add_option("--ch1-type", opts->ch1Type, "PLC type of channel 1 (hexadecimal)")
            ->check(hexWordValidator());
    cmd->add_option("--ch2-type", opts->ch2Type, "PLC type of channel 2 (hexadecimal)")
            ->check(hexWordValidator());
    cmd->add_option("text", opts->text, "The address as typed")->required();
    cmd->callback([&ctx, opts] {
        if (const int rc = runAddress(ctx, *opts); rc != 0)
            throw Exit{rc};
    });
}

} // namespace cli
