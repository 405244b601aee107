#pragma once

#include "platform/registry_api.h"

#include <functional>

namespace ventaro {

// Shows the first-use notice once per user: when HKCU\SOFTWARE\Ventaro
// value FirstUse is exactly "1" or absent. After the notice (or an error
// while showing it) the flag is written as "0"; that write is allowed to
// fail quietly, so the notice simply shows again next time.
void ShowFirstUseNoticeOnce(platform::RegistryApi& registry, const std::function<void()>& showNotice);

} // namespace ventaro
