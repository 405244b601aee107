#include "registry/reader.h"

#include "registry/catalogue.h"
#include "registry/convert.h"
#include "registry/ini_file.h"
#include "registry/panel_access.h"
#include "registry/registry.h"
#include "system/windows_version.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace ventaro {

using namespace catalogue;
using platform::kCurrentUser;
using platform::kLocalMachine;

namespace {

// One read: a TRegIniFile on which each key is opened after the previous one
// was closed, and the rules that turn what it finds into panel state.
class Reader {
public:
    Reader(platform::Platform& platform, SettingsPanel& panel)
        : platform_(platform)
        , panel_(panel)
        , reg_(platform.registry)
    {
        reg_.SetRootKey(kLocalMachine);
    }

    void Open(const Key& key, bool readOnly = true)
    {
        reg_.CloseKey();
        reg_.SetRootKey(key.root);
        if (readOnly)
            reg_.OpenKeyReadOnly(std::string(key.path));
        else
            reg_.OpenKey(std::string(key.path), true);
        key_ = &key;
    }

    RegDataType Type(V value) { return reg_.GetDataType(ValueName(value)); }

    std::string String(V value) { return reg_.ReadString("", ValueName(value), "0"); }

    std::uint32_t Integer(V value)
    {
        return static_cast<std::uint32_t>(
            ReadRegistryInteger(platform_.registry, key_->root, std::string(key_->path), ValueName(value)));
    }

    // A field takes a string as it stands and an integer as unsigned decimal;
    // anything else leaves it alone.
    void TextRule(V value)
    {
        const auto& row = Row(value);
        switch (Type(value)) {
        case RegDataType::String:
            SetFieldText(panel_, row.control, String(value));
            break;
        case RegDataType::Integer:
            SetFieldText(panel_, row.control, std::to_string(Integer(value)));
            break;
        default:
            break;
        }
    }

    // An option is checked when the value is one of the accepted numbers,
    // given as text or as an integer; a missing value leaves it alone.
    void FlagRule(V value, std::initializer_list<std::uint32_t> on)
    {
        const auto& row = Row(value);
        const auto accepted = [&](std::uint32_t n) { return std::find(on.begin(), on.end(), n) != on.end(); };
        switch (Type(value)) {
        case RegDataType::String: {
            const std::string text = String(value);
            bool checked = false;
            for (const auto n : on)
                checked = checked || text == std::to_string(n);
            SetChecked(panel_, row.control, checked);
            break;
        }
        case RegDataType::Integer:
            SetChecked(panel_, row.control, accepted(Integer(value)));
            break;
        default:
            break;
        }
    }

    // NT form: a string converts (0 when it cannot), an integer is taken,
    // anything else is 0.
    std::uint32_t Number(V value)
    {
        switch (Type(value)) {
        case RegDataType::String:
            return Low32(TryStrToInt64(String(value)).value_or(0));
        case RegDataType::Integer:
            return Integer(value);
        default:
            return 0;
        }
    }

    // The min and max of an NDI parameter key check their option when both
    // hold the expected values in the same form.
    void PairRule(V min, V max, std::uint32_t expectedMin, std::uint32_t expectedMax)
    {
        const auto& control = Row(min).control;
        const auto minType = Type(min);
        const auto maxType = Type(max);
        if (minType != maxType)
            return;
        if (minType == RegDataType::String)
            SetChecked(panel_, control,
                String(min) == std::to_string(expectedMin) && String(max) == std::to_string(expectedMax));
        else if (minType == RegDataType::Integer)
            SetChecked(panel_, control, Integer(min) == expectedMin && Integer(max) == expectedMax);
    }

    // One byte; the preset stands when the value is missing or empty.
    std::uint8_t Byte(V value, std::uint8_t preset)
    {
        std::uint8_t byte = preset;
        if (Type(value) == RegDataType::Binary)
            reg_.ReadBinaryData(ValueName(value), &byte, 1);
        return byte;
    }

    // Each port line decides in turn, so COM4: has the last word.
    void PortsRule()
    {
        TIniFile ini(platform_.profile, WinIniPath(platform_.profile));
        for (const auto entry : {kPortEntries[0], kPortEntries[1], kPortEntries[2], kPortEntries[3]})
            SetChecked(panel_, "CheckBox6",
                ini.ReadString(std::string(kPortsSection), std::string(entry), "Error") == kOptimizedPortLine);
    }

private:
    platform::Platform& platform_;
    SettingsPanel& panel_;
    TRegIniFile reg_;
    const Key* key_ = nullptr;
};

// Milliseconds to seconds, a half going to the even neighbour.
std::uint32_t MillisecondsToSeconds(std::uint32_t ms)
{
    std::uint32_t seconds = ms / 1000;
    const std::uint32_t rest = ms % 1000;
    if (rest > 500 || (rest == 500 && seconds % 2 == 1))
        ++seconds;
    return seconds;
}

} // namespace

void ReadCurrentSettings(platform::Platform& platform, SettingsPanel& panel)
{
    if (Dispatch(ClassifyWindowsVersion(platform.version)).family == Family::NT)
        ReadCurrentSettingsNT(platform, panel);
    else
        ReadCurrentSettingsWin9x(platform, panel);
}

void ReadCurrentSettingsWin9x(platform::Platform& platform, SettingsPanel& panel)
{
    Reader r(platform, panel);
    r.Open(W1);
    r.FlagRule(V::W1_PMTUDiscovery, {1});
    r.FlagRule(V::W1_PMTUBlackHoleDetect, {1});
    r.FlagRule(V::W1_BSDUrgent, {1});
    r.TextRule(V::W1_DefaultRcvWindow);
    r.TextRule(V::W1_SessionKeepAlive);
    r.FlagRule(V::W1_Tcp1323Opts, {1});
    r.FlagRule(V::W1_SackOpts, {1});
    r.Open(W2);
    r.FlagRule(V::W2_MaxDupAcks, {2, 3});
    r.Open(W1);
    r.TextRule(V::W1_DefaultTTL);
    r.Open(W6);
    r.TextRule(V::W6_MaxMTU);
    r.Open(W3);
    if (const auto type = r.Type(V::W3_Default); type == RegDataType::String || type == RegDataType::Integer)
        r.TextRule(V::W3_Default);
    else
        SetFieldText(panel, Row(V::W3_Default).control, "");
    r.Open(W4);
    r.PairRule(V::W4_min, V::W4_max, 2, 128);
    r.Open(W5);
    r.PairRule(V::W5_min, V::W5_max, 32, 1020);
    r.Open(W9);
    SetChecked(panel, Row(V::W9_SLOWNET).control, r.Byte(V::W9_SLOWNET, 1) == 0);
    r.Open(W11);
    SetChecked(panel, Row(V::W11_Start).control, r.Byte(V::W11_Start, 0) == 1);
    r.Open(W12);
    SetChecked(panel, Row(V::W12_Start).control, r.Byte(V::W12_Start, 0) == 1);
    for (const auto field : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "ComboBox1"})
        DisableKeepingColour(panel, field);
    r.PortsRule();
    r.Open(W13);
    r.TextRule(V::W13_MaxConnectionsPerServer);
    r.TextRule(V::W13_MaxConnectionsPer1_0Server);
}

void ReadCurrentSettingsNT(platform::Platform& platform, SettingsPanel& panel)
{
    Reader r(platform, panel);
    const auto number = [&](V value) {
        r.Open(*Row(value).key);
        return r.Number(value);
    };
    const auto flag = [&](V value, std::initializer_list<std::uint32_t> on) {
        const auto n = number(value);
        SetChecked(panel, Row(value).control, std::find(on.begin(), on.end(), n) != on.end());
    };
    const auto text = [&](V value) { SetFieldText(panel, Row(value).control, std::to_string(number(value))); };

    flag(V::N1_EnablePMTUDiscovery, {1});
    flag(V::N1_EnablePMTUBHDetect, {1});
    text(V::N4_Default);
    text(V::N1_DefaultTTL);
    flag(V::N1_TcpUseRFC1122UrgentPointer, {1});
    flag(V::N1_SackOpts, {1});
    flag(V::N1_Tcp1323Opts, {1});
    flag(V::N1_TcpMaxDupAcks, {2, 3});
    text(V::N1_TcpWindowSize);
    text(V::N2_MTU);
    SetFieldText(panel, Row(V::N3_SessionKeepAlive).control,
        std::to_string(MillisecondsToSeconds(number(V::N3_SessionKeepAlive))));
    r.Open(N10);
    r.TextRule(V::N10_MaxConnectionsPerServer);
    r.TextRule(V::N10_MaxConnectionsPer1_0Server);
    // These two keys are opened with creation allowed, as they always were.
    r.Open(N7, false);
    SetChecked(panel, Row(V::N7_SLOWNET).control, r.Byte(V::N7_SLOWNET, 1) == 0);
    r.Open(N8, false);
    SetChecked(panel, Row(V::N8_Start).control, r.Byte(V::N8_Start, 0) == 1);
    r.Open(N9);
    SetChecked(panel, Row(V::N9_Start).control, r.Byte(V::N9_Start, 0) == 1);
    r.Open(N5);
    r.PairRule(V::N5_min, V::N5_max, 2, 128);
    r.Open(N6);
    r.PairRule(V::N6_min, V::N6_max, 32, 1020);
    r.PortsRule();
}

} // namespace ventaro
