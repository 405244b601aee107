#include "registry/defaults.h"

#include "registry/catalogue.h"
#include "registry/catalogue_writer.h"
#include "registry/panel_access.h"
#include "system/restart.h"
#include "system/windows_version.h"

#include <cstdint>
#include <initializer_list>
#include <string>

namespace ventaro {

using namespace catalogue;

namespace {

constexpr const char* kRestartQuestion
    = "Windows Default settings have been restored. Before using the new settings you "
      "must restart your computer. Do you wish to reboot now? ";

void AskRestart(platform::Platform& platform, RestartMethod method)
{
    if (platform.dialogs.Show(platform::DialogKind::Confirmation, kRestartQuestion) == platform::DialogResult::Yes)
        Restart(platform, method);
}

// The Windows 95 and 98 forms share their steps; only the 98 form removes
// what Windows 98 added (BSDUrgent, the global window sizes, SackOpts of W2).
void RestoreDefaultsWin9x(platform::Platform& platform, bool windows98)
{
    CatalogueWriter r(platform);
    r.CreateKey(FromRoot(W2.path));
    r.Open(ParentPath(W1, true));
    r.Strings({{V::W1_DefaultRcvWindow, "8192"}, {V::W1_DefaultTTL, "32"}, {V::W1_SessionKeepAlive, "3600"},
        {V::W1_PMTUDiscovery, "1"}, {V::W1_PMTUBlackHoleDetect, "1"}, {V::W1_SackOpts, "0"}});
    if (windows98) {
        r.Open(std::string(W1.path));
        r.Delete({V::W1_BSDUrgent});
    }
    r.Integer(V::W2_MaxDupAcks, 3, FromRoot(W2.path));
    r.Open(std::string(W2.path));
    r.Delete({V::W2_Tcp1323Opts});
    if (windows98)
        r.Delete({V::W2_GlobalMaxTcpWindoSize, V::W2_GlobalMaxTcpWindowSize, V::W2_SackOpts});
    r.Open(std::string(W1.path));
    r.Delete({V::W1_Tcp1323Opts});
    r.Open(ParentPath(W3, false));
    r.Strings({{V::W3_Default, "0"}, {V::W4_min, "1"}, {V::W4_max, "64"}, {V::W5_min, "2"}, {V::W5_max, "255"}});
    r.Open(ParentPath(W6, false));
    r.Strings({{V::W6_IPMTU, "1500"}});
    r.Open(std::string(W6.path));
    r.Delete({V::W6_MaxMTU, V::W6_MaxMSS});
    r.Open(std::string(W10.path));
    r.Delete({V::W10_MaxMTU, V::W10_MaxMSS, V::W10_IPMTU});
    r.Open(std::string(W7.path));
    r.Delete({V::W7_MaxMTU, V::W7_MaxMSS, V::W7_IPMTU});
    // Values named like the binding subkeys, held directly in their parent.
    r.DeleteDirectValues(W14, {V::W14_0001, V::W14_0002});
    r.Open(std::string(W8.path));
    r.Delete({V::W8_MaxMTU, V::W8_MaxMSS, V::W8_IPMTU});
    r.Open(std::string(W9.path));
    r.Delete({V::W9_MaxMTU, V::W9_MaxMSS, V::W9_IPMTU});
    r.Byte(V::W9_SLOWNET, 1);
    r.Byte(V::W12_Start, 0);
    r.Byte(V::W11_Start, 0);
    r.DeleteUserValues(W13.otherForm, {V::W13_MaxConnectionsPerServer, V::W13_MaxConnectionsPer1_0Server});
    WritePortLines(platform.profile, kDefaultPortLine);
    AskRestart(platform, windows98 ? RestartMethod::Windows98 : RestartMethod::Windows95);
}

} // namespace

void RestoreDefaultsWin95(platform::Platform& platform) { RestoreDefaultsWin9x(platform, false); }

void RestoreDefaultsWin98(platform::Platform& platform) { RestoreDefaultsWin9x(platform, true); }

void RestoreDefaultsNT(platform::Platform& platform, SettingsPanel& panel)
{
    CatalogueWriter r(platform);
    r.Integer(V::N1_DefaultTTL, 128, N1.otherForm);
    r.Integer(V::N1_EnablePMTUDiscovery, 1);
    r.Integer(V::N1_EnablePMTUBHDetect, 0);
    r.Open(std::string(N1.path));
    r.Delete({V::N1_Tcp1323Opts, V::N1_GlobalMaxTcpWindowSize});
    r.Integer(V::N1_SackOpts, 1);
    r.Integer(V::N1_TcpWindowSize, 65535);
    r.CreateKey(N2.path);
    r.Integer(V::N2_TcpWindowSize, 65535);
    r.Integer(V::N3_SessionKeepAlive, 3600000);
    r.Integer(V::N1_TcpUseRFC1122UrgentPointer, 0);
    r.Integer(V::N1_TcpMaxDupAcks, 2);
    r.Open(std::string(N2.path));
    r.Delete({V::N2_MTU});
    r.Byte(V::N7_SLOWNET, 1, FromRoot(N7.path));
    r.Byte(V::N9_Start, 1);
    r.Byte(V::N8_Start, 1);
    r.DeleteUserValues(N10.path, {V::N10_MaxConnectionsPerServer, V::N10_MaxConnectionsPer1_0Server});
    if (IsChecked(panel, "CheckBox6"))
        WritePortLines(platform.profile, kDefaultPortLine);
    AskRestart(platform, RestartMethod::NT);
}

void RestoreWindowsDefaults(platform::Platform& platform, SettingsPanel& panel)
{
    switch (Dispatch(ClassifyWindowsVersion(platform.version)).restoreForm) {
    case RestoreForm::Win95:
        RestoreDefaultsWin95(platform);
        break;
    case RestoreForm::Win98:
        RestoreDefaultsWin98(platform);
        break;
    case RestoreForm::NT:
        RestoreDefaultsNT(platform, panel);
        break;
    }
}

} // namespace ventaro
