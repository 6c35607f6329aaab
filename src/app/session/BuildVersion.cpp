#include "app/session/BuildVersion.h"

#ifndef KORVANT_VERSION
#error "KORVANT_VERSION is set by the build"
#endif

namespace korvant {

const char* buildVersion() {
    return KORVANT_VERSION;
}

}  // namespace korvant
