#include "registry/applier.h"

#include "registry/catalogue.h"
#include "registry/catalogue_writer.h"
#include "registry/convert.h"
#include "registry/panel_access.h"
#include "settings/connection_type.h"
#include "settings/settings_panel.h"
#include "system/restart.h"
#include "system/windows_version.h"

#include <cstdint>
#include <initializer_list>
#include <string>

namespace ventaro {

using namespace catalogue;

namespace {

// Converts every listed field in the writer's order; the first that does not
// convert raises "'<text>' is not a valid integer value" before any write.
void CheckFields(SettingsPanel& panel, std::initializer_list<const char*> fields)
{
    for (const char* field : fields)
        StrToInt64(FieldText(panel, field));
}

std::int32_t Number(SettingsPanel& panel, std::string_view field)
{
    return static_cast<std::int32_t>(Low32(StrToInt64(FieldText(panel, field))));
}

std::int32_t Flag(SettingsPanel& panel, std::string_view option) { return IsChecked(panel, option) ? 1 : 0; }

} // namespace

void ApplySettingsWin9x(platform::Platform& platform, SettingsPanel& panel)
{
    // Edit1 and Edit3 are written as text, but only whole numbers make sense there.
    CheckFields(panel, {"Edit1", "Edit4", "Edit5", "Edit3", "Edit2", "Edit6", "Edit7"});

    CatalogueWriter w(platform);
    w.CreateKey(FromRoot(W2.path));
    w.Open(ParentPath(W1, true));
    w.String(V::W1_DefaultTTL, FieldText(panel, "Edit1"));
    w.Integer(V::W1_PMTUDiscovery, Flag(panel, "CheckBox2"));
    w.Integer(V::W1_PMTUBlackHoleDetect, Flag(panel, "CheckBox1"));
    w.Integer(V::W1_Tcp1323Opts, Flag(panel, "CheckBox7"));
    w.Integer(V::W1_SackOpts, Flag(panel, "CheckBox4"));
    w.Integer(V::W1_DefaultRcvWindow, Number(panel, "Edit4"));
    w.Integer(V::W1_SessionKeepAlive, Number(panel, "Edit5"));
    w.Integer(V::W1_BSDUrgent, Flag(panel, "glCheckBox6"));
    w.Integer(V::W2_MaxDupAcks, IsChecked(panel, "CheckBox5") ? 2 : 0);
    w.Integer(V::W2_Tcp1323Opts, Flag(panel, "CheckBox7"));
    w.Integer(V::W2_SackOpts, Flag(panel, "CheckBox4"));

    w.Open(ParentPath(W3, true));
    w.String(V::W3_Default, FieldText(panel, "Edit3"));
    if (IsChecked(panel, "glCheckBox8")) {
        w.String(V::W4_min, "2");
        w.String(V::W4_max, "128");
    }
    if (IsChecked(panel, "glCheckBox9")) {
        w.String(V::W5_min, "32");
        w.String(V::W5_max, "1020");
    }

    const std::string mtu = FieldText(panel, "Edit2");
    w.Open(ParentPath(W6, true));
    w.String(V::W6_MaxMTU, mtu);
    const std::string mss = std::to_string(static_cast<std::int32_t>(Low32(StrToInt64(mtu)) - 40u));
    w.String(V::W6_MaxMSS, mss);
    w.String(V::W6_IPMTU, mtu);
    w.String(V::W7_MaxMTU, mtu);
    w.String(V::W7_MaxMSS, mss);
    w.String(V::W7_IPMTU, mtu);
    w.String(V::W8_MaxMTU, mtu);
    w.String(V::W8_MaxMSS, mss);
    w.String(V::W8_IPMTU, mtu);
    w.Open(ParentPath(W9, true));
    w.String(V::W9_MaxMTU, mtu);
    w.String(V::W9_IPMTU, mtu);
    w.String(V::W9_MaxMSS, mss);
    w.String(V::W10_MaxMTU, mtu);
    w.String(V::W10_IPMTU, mtu);
    w.String(V::W10_MaxMSS, mss);

    // SLOWNET runs backwards: 0 means the option is on.
    w.Byte(V::W9_SLOWNET, IsChecked(panel, "CheckBox3") ? 0 : 1, FromRoot(W9.path));
    w.Byte(V::W12_Start, IsChecked(panel, "CheckBox9") ? 1 : 0);
    w.Byte(V::W11_Start, IsChecked(panel, "CheckBox8") ? 1 : 0);
    if (Dispatch(ClassifyWindowsVersion(platform.version)).writesGlobalReceiveWindows) {
        w.Integer(V::W2_GlobalMaxTcpWindoSize, Number(panel, "Edit4"));
        w.Integer(V::W2_GlobalMaxTcpWindowSize, Number(panel, "Edit4"));
    }
    w.Integer(V::W13_MaxConnectionsPerServer, Number(panel, "Edit6"));
    w.Integer(V::W13_MaxConnectionsPer1_0Server, Number(panel, "Edit7"));
    if (IsChecked(panel, "CheckBox6"))
        WritePortLines(platform.profile, kOptimizedPortLine);
}

void ApplySettingsNT(platform::Platform& platform, SettingsPanel& panel)
{
    CheckFields(panel, {"Edit1", "Edit4", "Edit5", "Edit2", "Edit6", "Edit7"});

    CatalogueWriter w(platform);
    for (const auto path :
        {N11.path, N1.otherForm, N11.otherForm, N2.path, N6.path, N5.path, N8.path, N9.path, N7.path, N3.path})
        w.CreateKey(path);
    w.Integer(V::N1_DefaultTTL, Number(panel, "Edit1"), N1.otherForm);
    w.Integer(V::N1_EnablePMTUDiscovery, Flag(panel, "CheckBox2"));
    w.Integer(V::N1_EnablePMTUBHDetect, Flag(panel, "CheckBox1"));
    w.Integer(V::N1_Tcp1323Opts, Flag(panel, "CheckBox7"));
    w.Integer(V::N1_SackOpts, Flag(panel, "CheckBox4"));
    w.Integer(V::N1_TcpWindowSize, Number(panel, "Edit4"));
    w.Integer(V::N2_TcpWindowSize, Number(panel, "Edit4"));
    w.Integer(V::N1_GlobalMaxTcpWindowSize, Number(panel, "Edit4"));
    // Seconds on the panel, milliseconds in the registry; 32-bit like the value.
    w.Integer(V::N3_SessionKeepAlive, static_cast<std::int32_t>(Low32(StrToInt64(FieldText(panel, "Edit5"))) * 1000u));
    w.Integer(V::N1_TcpUseRFC1122UrgentPointer, Flag(panel, "glCheckBox6"));
    w.Integer(V::N1_TcpMaxDupAcks, IsChecked(panel, "CheckBox5") ? 2 : 0);
    w.Integer(V::N2_MTU, Number(panel, "Edit2"));
    if (IsChecked(panel, "glCheckBox8")) {
        w.Integer(V::N5_min, 2);
        w.Integer(V::N5_max, 128);
    }
    if (IsChecked(panel, "glCheckBox9")) {
        w.Integer(V::N6_min, 32);
        w.Integer(V::N6_max, 1020);
    }
    w.Byte(V::N7_SLOWNET, IsChecked(panel, "CheckBox3") ? 0 : 1);
    w.Byte(V::N9_Start, IsChecked(panel, "CheckBox9") ? 1 : 0);
    w.Byte(V::N8_Start, IsChecked(panel, "CheckBox8") ? 1 : 0);
    w.Integer(V::N10_MaxConnectionsPerServer, Number(panel, "Edit6"));
    w.Integer(V::N10_MaxConnectionsPer1_0Server, Number(panel, "Edit7"));
    if (IsChecked(panel, "CheckBox6"))
        WritePortLines(platform.profile, kOptimizedPortLine);
}

void Optimize(platform::Platform& platform, SettingsPanel& panel)
{
    const auto connection = panel.CheckedConnectionType();
    if (!connection) {
        platform.dialogs.Show(platform::DialogKind::Information, "You must choose a connection type first.");
        return;
    }
    if (Dispatch(ClassifyWindowsVersion(platform.version)).family == Family::NT)
        ApplySettingsNT(platform, panel);
    else
        ApplySettingsWin9x(platform, panel);
    PromptRestart(platform, RestartPromptName(*connection));
}

} // namespace ventaro
