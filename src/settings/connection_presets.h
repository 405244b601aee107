#pragma once

#include "settings/connection_type.h"
#include "settings/settings_panel.h"

#include <array>
#include <string_view>

namespace ventaro {

using OptionMember = controls::TglCheckBox SettingsPanel::*;

// A value field's preset text and the option the preset checks beside it.
struct PresetValue {
    std::string_view text;
    OptionMember option;
};

// The twelve stand-alone options, on when checked.
struct StandAloneOptions {
    bool blackHoleDetect;
    bool autoDiscovery;
    bool slowNet;
    bool sack;
    bool maxDupAcks;
    bool comPorts;
    bool largeWindowScaling;
    bool comBuffer;
    bool vcache;
    bool bsdUrgentData;
    bool maxConnect;
    bool maxSockets;
};

// What one connection type prescribes. The values are texts for the fields;
// only the receive window depends on the automatic mode.
struct ConnectionPreset {
    ConnectionType type;
    PresetValue mtu;
    std::array<std::string_view, 3> receiveWindows; // automatic modes 1, 2 and 3
    OptionMember receiveWindowOption;
    PresetValue ttl;
    PresetValue ndiCacheSize;
    PresetValue keepAlive;
    std::string_view maxConnectionsPerServer;
    std::string_view maxConnectionsPer1_0Server;
    StandAloneOptions options;
};

// The preset of one connection type.
const ConnectionPreset& PresetFor(ConnectionType type);

} // namespace ventaro
