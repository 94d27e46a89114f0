#pragma once
// The caption of the bookmark manager's message boxes.
#include <string_view>

namespace brantlow {

inline constexpr std::string_view kAppTitle = "BrantlowURL 1.58";

}  // namespace brantlow
