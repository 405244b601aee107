#pragma once

namespace ventaro {

// How a connection type reaches the panel: one of three preset columns of
// receive windows, or the user's own values.
enum class OptimizationMethod { AutomaticMode1, AutomaticMode2, AutomaticMode3, CustomMode };

} // namespace ventaro
