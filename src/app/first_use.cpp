#include "app/first_use.h"

#include "registry/registry.h"

namespace ventaro {

void ShowFirstUseNoticeOnce(platform::RegistryApi& registry, const std::function<void()>& showNotice)
{
    TRegIniFile reg(registry);
    reg.SetRootKey(platform::kCurrentUser);
    reg.OpenKey("\\SOFTWARE", false);
    if (reg.ReadString("Ventaro", "FirstUse", "1") != "1")
        return;

    // The flag is written however the showing ends; an error then goes on up.
    struct MarkShown {
        TRegIniFile& reg;
        ~MarkShown()
        {
            try {
                reg.WriteString("Ventaro", "FirstUse", "0");
            } catch (const std::exception&) {
                // Without rights to write the flag the notice shows again next time.
            }
            reg.CloseKey();
        }
    } markShown{reg};
    showNotice();
}

} // namespace ventaro
