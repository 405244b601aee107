#pragma once

#include "platform/registry_api.h"
#include "system/windows_version.h"

#include <span>
#include <string>
#include <string_view>

namespace ventaro::catalogue {

// One registry key that Ventaro tunes. Every spelling of it that the
// operations use is written here once; the rest is derived.
struct Key {
    std::string_view label; // W1..W14, N1..N11
    platform::RegKey root;
    std::string_view path;      // as the readers open it
    std::string_view otherForm; // another spelling some operation uses, or empty
};

// The parent of a key as the INI-style writes open it, and the key's own
// name below that parent (its section).
std::string ParentPath(const Key& key, bool fromRoot);
std::string_view Section(const Key& key);
// The key's path with a leading backslash, taken from the root.
std::string FromRoot(std::string_view path);

enum class Read { No, Yes, Pair };
enum class Apply { None, String, Dword, DwordExcept95, Binary, StringWhenChecked, DwordWhenChecked };
enum class Defaults { None, String, Dword, Binary, Deleted, Deleted98Only };

// Every catalogued value, named after its key and value name.
enum class V {
    W1_DefaultTTL,
    W1_PMTUDiscovery,
    W1_PMTUBlackHoleDetect,
    W1_BSDUrgent,
    W1_DefaultRcvWindow,
    W1_SessionKeepAlive,
    W1_Tcp1323Opts,
    W1_SackOpts,
    W2_MaxDupAcks,
    W2_Tcp1323Opts,
    W2_SackOpts,
    W2_GlobalMaxTcpWindoSize,
    W2_GlobalMaxTcpWindowSize,
    W3_Default,
    W4_min,
    W4_max,
    W5_min,
    W5_max,
    W6_MaxMTU,
    W6_MaxMSS,
    W6_IPMTU,
    W7_MaxMTU,
    W7_MaxMSS,
    W7_IPMTU,
    W8_MaxMTU,
    W8_MaxMSS,
    W8_IPMTU,
    W9_MaxMTU,
    W9_MaxMSS,
    W9_IPMTU,
    W9_SLOWNET,
    W10_MaxMTU,
    W10_MaxMSS,
    W10_IPMTU,
    W11_Start,
    W12_Start,
    W13_MaxConnectionsPerServer,
    W13_MaxConnectionsPer1_0Server,
    W14_0001,
    W14_0002,
    N1_DefaultTTL,
    N1_EnablePMTUDiscovery,
    N1_EnablePMTUBHDetect,
    N1_TcpUseRFC1122UrgentPointer,
    N1_SackOpts,
    N1_Tcp1323Opts,
    N1_TcpMaxDupAcks,
    N1_TcpWindowSize,
    N1_GlobalMaxTcpWindowSize,
    N2_MTU,
    N2_TcpWindowSize,
    N3_SessionKeepAlive,
    N4_Default,
    N5_min,
    N5_max,
    N6_min,
    N6_max,
    N7_SLOWNET,
    N8_Start,
    N9_Start,
    N10_MaxConnectionsPerServer,
    N10_MaxConnectionsPer1_0Server,
    Count
};

// One row of the catalogue: where a value lives and what each operation does with it.
struct TuningValue {
    V id;
    Family family;
    const Key* key;
    std::string_view name; // empty: the key's default value
    std::string_view meaning;
    std::string_view control; // the panel control that carries it, or empty
    Read read;
    Apply apply;
    Defaults defaults;
};

// Win9x family keys.
extern const Key W1, W2, W3, W4, W5, W6, W7, W8, W9, W10, W11, W12, W13, W14;
// NT family keys.
extern const Key N1, N2, N3, N4, N5, N6, N7, N8, N9, N10, N11;

std::span<const Key* const> Keys();
std::span<const TuningValue> Values();

const TuningValue& Row(V id);
// The value name of a row, as the registry calls take it.
inline std::string ValueName(V id) { return std::string(Row(id).name); }
// The row of a key and value name (names without regard to case), or null.
const TuningValue* Find(const Key& key, std::string_view name);

// The serial-port lines of Win.ini.
inline constexpr std::string_view kPortsSection = "Ports";
inline constexpr std::string_view kPortEntries[] = {"COM1:", "COM2:", "COM3:", "COM4:", "COM5:"};
inline constexpr std::string_view kOptimizedPortLine = "921600,n,8,1,p";
inline constexpr std::string_view kDefaultPortLine = "9600,n,8,1,x";

} // namespace ventaro::catalogue
