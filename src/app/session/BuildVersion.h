#pragma once

// The version of this build ("1.4.21"), set by the build from the project's
// version.
namespace korvant {

const char* buildVersion();

}  // namespace korvant
