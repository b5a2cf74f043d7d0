// dorvane-cli address: checks a device address with the driver its channel is bound to. A PLC
// address is read as the address entry dialog reads it: the number in --area, the area in front
// of the number ("4x1"), or the driver's area-less form (the Modbus reference 40001); a text that
// stands for two addresses is refused.

#include "cli/commands.h"

#include "core/plc/address_entry.h"
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

// The address the text stands for, or the message that refuses it.
bool resolve(const core::CPlcDrv &drv, std::int32_t kind, const AddressOptions &o,
             core::PlcAddress &address)
{
    if (drv.DeviceKind() != core::kDevicePlc) {
        address = {o.area, o.text};
        if (drv.ValidCheck(kind, o.area, address.number) == 0)
            return true;
        std::cerr << util::messageText(util::msg::kBadAddress) << "\n";
        return false;
    }
    const core::TypedAddress read = core::readTypedAddress(drv, kind, o.area, o.text);
    if (read.Accepted()) {
        address = read.readings.front();
        return true;
    }
    if (read.Ambiguous())
        std::cerr << core::ambiguousAddressMessage(drv, kind, o.text, read) << "\n";
    else
        std::cerr << util::messageText(util::msg::kBadAddress) << "\n";
    return false;
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
    core::PlcAddress address;
    if (!resolve(drv, kind, o, address))
        return 1;
    const std::string &number = address.number;
    const std::string reference = core::referenceNumber(drv, kind, address);
    core::DownAddr field{};
    std::uint16_t bit = 0;
    const std::int32_t built = drv.BuildDownAddr(kind, address.area, number, bit, field);
    std::string upArea, upNumber;
    std::uint16_t upBit = bit;
    drv.BuildUpAddr(kind, field, upArea, upNumber, upBit);
    if (ctx.json) {
        nlohmann::ordered_json j{{"channel", o.channel},
                                 {"kind", o.kind},
                                 {"area", address.area},
                                 {"normalised", number},
                                 {"reference", reference},
                                 {"downloadAddress", hexBytes(field)},
                                 {"bit", bit},
                                 {"buildResult", built},
                                 {"decodedArea", upArea},
                                 {"decodedNumber", upNumber}};
        std::cout << j.dump(2) << "\n";
    } else {
        std::cout << "normalised: " << address.area << number << "\n";
        if (!reference.empty())
            std::cout << "reference: " << reference << "\n";
        std::cout << "download address: " << hexBytes(field) << "\n"
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
    cmd->add_option("--area", opts->area,
                    "Area name as the driver lists it; may instead lead the text (4x1)");
    cmd->add_option("--ch1-type", opts->ch1Type, "PLC type of channel 1 (hexadecimal)")
            ->check(hexWordValidator());
    cmd->add_option("--ch2-type", opts->ch2Type, "PLC type of channel 2 (hexadecimal)")
            ->check(hexWordValidator());
    cmd->add_option("text", opts->text,
                    "The address as typed: a number in --area, an area and number (4x1), or a "
                    "Modbus reference number that brings its own area (40001, 400001); a text "
                    "that reads as two addresses is refused")
            ->required();
    cmd->callback([&ctx, opts] {
        if (const int rc = runAddress(ctx, *opts); rc != 0)
            throw Exit{rc};
    });
}

} // namespace cli
