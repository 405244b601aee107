#include "registry/catalogue.h"

#include "registry/error.h"

#include <algorithm>
#include <cctype>

namespace ventaro::catalogue {

using platform::kCurrentUser;
using platform::kLocalMachine;

// Keys, with every spelling in use.
const Key W1{"W1", kLocalMachine, "System\\CurrentControlSet\\Services\\VxD\\MSTCP", ""};
const Key W2{"W2", kLocalMachine, "System\\CurrentControlSet\\Services\\VxD\\MSTCP\\Parameters", ""};
const Key W3{"W3", kLocalMachine, "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\cachesize", ""};
const Key W4{"W4", kLocalMachine, "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\maxconnect", ""};
const Key W5{"W5", kLocalMachine, "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\maxsockets", ""};
const Key W6{"W6", kLocalMachine, "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000", ""};
const Key W7{"W7", kLocalMachine, "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0001", ""};
const Key W8{"W8", kLocalMachine, "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0002", ""};
const Key W9{"W9", kLocalMachine, "System\\CurrentControlSet\\Services\\Class\\Net\\0000", ""};
const Key W10{"W10", kLocalMachine, "System\\CurrentControlSet\\Services\\Class\\Net\\0001", ""};
const Key W11{"W11", kLocalMachine, "System\\CurrentControlSet\\Services\\VxD\\COMBUFF", ""};
const Key W12{"W12", kLocalMachine, "System\\CurrentControlSet\\Services\\VxD\\VCACHE", ""};
const Key W13{"W13", kCurrentUser, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings"};
const Key W14{"W14", kLocalMachine, "System\\CurrentControlSet\\Services\\Class\\NetTrans", ""};

const Key N1{"N1", kLocalMachine, "System\\CurrentControlSet\\Services\\Tcpip\\Parameters",
    "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters"};
const Key N2{"N2", kLocalMachine, "System\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\interface", ""};
const Key N3{"N3", kLocalMachine, "System\\CurrentControlSet\\Services\\Netbt\\Parameters", ""};
const Key N4{"N4", kLocalMachine, W3.path, ""};
const Key N5{"N5", kLocalMachine, W4.path, ""};
const Key N6{"N6", kLocalMachine, W5.path, ""};
const Key N7{"N7", kLocalMachine, W9.path, ""};
const Key N8{"N8", kLocalMachine, W11.path, ""};
const Key N9{"N9", kLocalMachine, W12.path, ""};
const Key N10{"N10", kCurrentUser, W13.path, ""};
// Created by the NT writer before it writes; holds no values of its own.
const Key N11{"N11", kLocalMachine, "SYSTEM\\CurrentControlSet\\Services\\Tcpip",
    "System\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces"};

namespace {

constexpr auto Win9x = Family::Win9x;
constexpr auto NT = Family::NT;

const Key* const kKeys[] = {&W1, &W2, &W3, &W4, &W5, &W6, &W7, &W8, &W9, &W10, &W11, &W12, &W13, &W14, &N1, &N2, &N3,
    &N4, &N5, &N6, &N7, &N8, &N9, &N10, &N11};

// clang-format off
const TuningValue kValues[] = {
    {V::W1_DefaultTTL, Win9x, &W1, "DefaultTTL", "time to live, hops", "Edit1", Read::Yes, Apply::String, Defaults::String},
    {V::W1_PMTUDiscovery, Win9x, &W1, "PMTUDiscovery", "path MTU auto discovery, 0 or 1", "CheckBox2", Read::Yes, Apply::Dword, Defaults::String},
    {V::W1_PMTUBlackHoleDetect, Win9x, &W1, "PMTUBlackHoleDetect", "path MTU black hole detection, 0 or 1", "CheckBox1", Read::Yes, Apply::Dword, Defaults::String},
    {V::W1_BSDUrgent, Win9x, &W1, "BSDUrgent", "BSD urgent data, 0 or 1", "glCheckBox6", Read::Yes, Apply::Dword, Defaults::Deleted98Only},
    {V::W1_DefaultRcvWindow, Win9x, &W1, "DefaultRcvWindow", "receive window, bytes", "Edit4", Read::Yes, Apply::Dword, Defaults::String},
    {V::W1_SessionKeepAlive, Win9x, &W1, "SessionKeepAlive", "session keep-alive, seconds", "Edit5", Read::Yes, Apply::Dword, Defaults::String},
    {V::W1_Tcp1323Opts, Win9x, &W1, "Tcp1323Opts", "large window scaling, 0 or 1", "CheckBox7", Read::Yes, Apply::Dword, Defaults::Deleted},
    {V::W1_SackOpts, Win9x, &W1, "SackOpts", "selective acknowledgements, 0 or 1", "CheckBox4", Read::Yes, Apply::Dword, Defaults::String},
    {V::W2_MaxDupAcks, Win9x, &W2, "MaxDupAcks", "duplicate acknowledgements, count", "CheckBox5", Read::Yes, Apply::Dword, Defaults::Dword},
    {V::W2_Tcp1323Opts, Win9x, &W2, "Tcp1323Opts", "large window scaling, 0 or 1", "CheckBox7", Read::No, Apply::Dword, Defaults::Deleted},
    {V::W2_SackOpts, Win9x, &W2, "SackOpts", "selective acknowledgements, 0 or 1", "CheckBox4", Read::No, Apply::Dword, Defaults::Deleted98Only},
    // The first name lacks the w of Window; both are written and both deleted.
    {V::W2_GlobalMaxTcpWindoSize, Win9x, &W2, "GlobalMaxTcpWindoSize", "receive window, bytes", "Edit4", Read::No, Apply::DwordExcept95, Defaults::Deleted98Only},
    {V::W2_GlobalMaxTcpWindowSize, Win9x, &W2, "GlobalMaxTcpWindowSize", "receive window, bytes", "Edit4", Read::No, Apply::DwordExcept95, Defaults::Deleted98Only},
    {V::W3_Default, Win9x, &W3, "", "NDI cache size, count", "Edit3", Read::Yes, Apply::String, Defaults::String},
    {V::W4_min, Win9x, &W4, "min", "NDI connection limit, lower", "glCheckBox8", Read::Pair, Apply::StringWhenChecked, Defaults::String},
    {V::W4_max, Win9x, &W4, "max", "NDI connection limit, upper", "glCheckBox8", Read::Pair, Apply::StringWhenChecked, Defaults::String},
    {V::W5_min, Win9x, &W5, "min", "NDI socket limit, lower", "glCheckBox9", Read::Pair, Apply::StringWhenChecked, Defaults::String},
    {V::W5_max, Win9x, &W5, "max", "NDI socket limit, upper", "glCheckBox9", Read::Pair, Apply::StringWhenChecked, Defaults::String},
    {V::W6_MaxMTU, Win9x, &W6, "MaxMTU", "maximum transmission unit, bytes", "Edit2", Read::Yes, Apply::String, Defaults::Deleted},
    {V::W6_MaxMSS, Win9x, &W6, "MaxMSS", "maximum segment size, bytes (MTU less 40)", "Edit2", Read::No, Apply::String, Defaults::Deleted},
    {V::W6_IPMTU, Win9x, &W6, "IPMTU", "maximum transmission unit, bytes", "Edit2", Read::No, Apply::String, Defaults::String},
    {V::W7_MaxMTU, Win9x, &W7, "MaxMTU", "maximum transmission unit, bytes", "Edit2", Read::No, Apply::String, Defaults::Deleted},
    {V::W7_MaxMSS, Win9x, &W7, "MaxMSS", "maximum segment size, bytes", "Edit2", Read::No, Apply::String, Defaults::Deleted},
    {V::W7_IPMTU, Win9x, &W7, "IPMTU", "maximum transmission unit, bytes", "Edit2", Read::No, Apply::String, Defaults::Deleted},
    {V::W8_MaxMTU, Win9x, &W8, "MaxMTU", "maximum transmission unit, bytes", "Edit2", Read::No, Apply::String, Defaults::Deleted},
    {V::W8_MaxMSS, Win9x, &W8, "MaxMSS", "maximum segment size, bytes", "Edit2", Read::No, Apply::String, Defaults::Deleted},
    {V::W8_IPMTU, Win9x, &W8, "IPMTU", "maximum transmission unit, bytes", "Edit2", Read::No, Apply::String, Defaults::Deleted},
    {V::W9_MaxMTU, Win9x, &W9, "MaxMTU", "maximum transmission unit, bytes", "Edit2", Read::No, Apply::String, Defaults::Deleted},
    {V::W9_MaxMSS, Win9x, &W9, "MaxMSS", "maximum segment size, bytes", "Edit2", Read::No, Apply::String, Defaults::Deleted},
    {V::W9_IPMTU, Win9x, &W9, "IPMTU", "maximum transmission unit, bytes", "Edit2", Read::No, Apply::String, Defaults::Deleted},
    // One byte, and backwards: 0 means the SlowNet option is on.
    {V::W9_SLOWNET, Win9x, &W9, "SLOWNET", "slow-network option, one byte, 0 = on", "CheckBox3", Read::Yes, Apply::Binary, Defaults::Binary},
    {V::W10_MaxMTU, Win9x, &W10, "MaxMTU", "maximum transmission unit, bytes", "Edit2", Read::No, Apply::String, Defaults::Deleted},
    {V::W10_MaxMSS, Win9x, &W10, "MaxMSS", "maximum segment size, bytes", "Edit2", Read::No, Apply::String, Defaults::Deleted},
    {V::W10_IPMTU, Win9x, &W10, "IPMTU", "maximum transmission unit, bytes", "Edit2", Read::No, Apply::String, Defaults::Deleted},
    {V::W11_Start, Win9x, &W11, "Start", "start byte of COMBUFF, 1 = on", "CheckBox8", Read::Yes, Apply::Binary, Defaults::Binary},
    {V::W12_Start, Win9x, &W12, "Start", "start byte of VCACHE, 1 = on", "CheckBox9", Read::Yes, Apply::Binary, Defaults::Binary},
    {V::W13_MaxConnectionsPerServer, Win9x, &W13, "MaxConnectionsPerServer", "Internet Explorer connections per server", "Edit6", Read::Yes, Apply::Dword, Defaults::Deleted},
    {V::W13_MaxConnectionsPer1_0Server, Win9x, &W13, "MaxConnectionsPer1_0Server", "Internet Explorer connections per HTTP 1.0 server", "Edit7", Read::Yes, Apply::Dword, Defaults::Deleted},
    // Values of these names held directly in the key, not its subkeys.
    {V::W14_0001, Win9x, &W14, "0001", "stray binding value", "", Read::No, Apply::None, Defaults::Deleted},
    {V::W14_0002, Win9x, &W14, "0002", "stray binding value", "", Read::No, Apply::None, Defaults::Deleted},

    {V::N1_DefaultTTL, NT, &N1, "DefaultTTL", "time to live, hops", "Edit1", Read::Yes, Apply::Dword, Defaults::Dword},
    {V::N1_EnablePMTUDiscovery, NT, &N1, "EnablePMTUDiscovery", "path MTU auto discovery, 0 or 1", "CheckBox2", Read::Yes, Apply::Dword, Defaults::Dword},
    {V::N1_EnablePMTUBHDetect, NT, &N1, "EnablePMTUBHDetect", "path MTU black hole detection, 0 or 1", "CheckBox1", Read::Yes, Apply::Dword, Defaults::Dword},
    {V::N1_TcpUseRFC1122UrgentPointer, NT, &N1, "TcpUseRFC1122UrgentPointer", "urgent-pointer handling, 0 or 1", "glCheckBox6", Read::Yes, Apply::Dword, Defaults::Dword},
    {V::N1_SackOpts, NT, &N1, "SackOpts", "selective acknowledgements, 0 or 1", "CheckBox4", Read::Yes, Apply::Dword, Defaults::Dword},
    {V::N1_Tcp1323Opts, NT, &N1, "Tcp1323Opts", "large window scaling, 0 or 1", "CheckBox7", Read::Yes, Apply::Dword, Defaults::Deleted},
    {V::N1_TcpMaxDupAcks, NT, &N1, "TcpMaxDupAcks", "duplicate acknowledgements, count", "CheckBox5", Read::Yes, Apply::Dword, Defaults::Dword},
    {V::N1_TcpWindowSize, NT, &N1, "TcpWindowSize", "receive window, bytes", "Edit4", Read::Yes, Apply::Dword, Defaults::Dword},
    {V::N1_GlobalMaxTcpWindowSize, NT, &N1, "GlobalMaxTcpWindowSize", "receive window, bytes", "Edit4", Read::No, Apply::Dword, Defaults::Deleted},
    // One subkey literally named "interface", whatever adapters the machine has.
    {V::N2_MTU, NT, &N2, "MTU", "maximum transmission unit, bytes", "Edit2", Read::Yes, Apply::Dword, Defaults::Deleted},
    {V::N2_TcpWindowSize, NT, &N2, "TcpWindowSize", "receive window, bytes", "Edit4", Read::No, Apply::Dword, Defaults::Dword},
    {V::N3_SessionKeepAlive, NT, &N3, "SessionKeepAlive", "session keep-alive, milliseconds", "Edit5", Read::Yes, Apply::Dword, Defaults::Dword},
    {V::N4_Default, NT, &N4, "", "NDI cache size, count", "Edit3", Read::Yes, Apply::None, Defaults::None},
    {V::N5_min, NT, &N5, "min", "NDI connection limit, lower", "glCheckBox8", Read::Pair, Apply::DwordWhenChecked, Defaults::None},
    {V::N5_max, NT, &N5, "max", "NDI connection limit, upper", "glCheckBox8", Read::Pair, Apply::DwordWhenChecked, Defaults::None},
    {V::N6_min, NT, &N6, "min", "NDI socket limit, lower", "glCheckBox9", Read::Pair, Apply::DwordWhenChecked, Defaults::None},
    {V::N6_max, NT, &N6, "max", "NDI socket limit, upper", "glCheckBox9", Read::Pair, Apply::DwordWhenChecked, Defaults::None},
    {V::N7_SLOWNET, NT, &N7, "SLOWNET", "slow-network option, one byte, 0 = on", "CheckBox3", Read::Yes, Apply::Binary, Defaults::Binary},
    {V::N8_Start, NT, &N8, "Start", "start byte of COMBUFF, 1 = on", "CheckBox8", Read::Yes, Apply::Binary, Defaults::Binary},
    {V::N9_Start, NT, &N9, "Start", "start byte of VCACHE, 1 = on", "CheckBox9", Read::Yes, Apply::Binary, Defaults::Binary},
    {V::N10_MaxConnectionsPerServer, NT, &N10, "MaxConnectionsPerServer", "Internet Explorer connections per server", "Edit6", Read::Yes, Apply::Dword, Defaults::Deleted},
    {V::N10_MaxConnectionsPer1_0Server, NT, &N10, "MaxConnectionsPer1_0Server", "Internet Explorer connections per HTTP 1.0 server", "Edit7", Read::Yes, Apply::Dword, Defaults::Deleted},
};
// clang-format on

bool SameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::string FromRoot(std::string_view path)
{
    std::string rooted(1, '\\');
    rooted += path;
    return rooted;
}

std::string ParentPath(const Key& key, bool fromRoot)
{
    const auto parent = key.path.substr(0, key.path.rfind('\\'));
    return fromRoot ? FromRoot(parent) : std::string(parent);
}

std::string_view Section(const Key& key) { return key.path.substr(key.path.rfind('\\') + 1); }

std::span<const Key* const> Keys() { return kKeys; }

std::span<const TuningValue> Values() { return kValues; }

static_assert(std::size(kValues) == static_cast<std::size_t>(V::Count));

const TuningValue& Row(V id)
{
    const auto& row = kValues[static_cast<std::size_t>(id)];
    if (row.id != id)
        throw Error("The tuning-value table is out of order");
    return row;
}

const TuningValue* Find(const Key& key, std::string_view name)
{
    for (const auto& v : kValues)
        if (v.key == &key && SameText(v.name, name))
            return &v;
    return nullptr;
}

} // namespace ventaro::catalogue
