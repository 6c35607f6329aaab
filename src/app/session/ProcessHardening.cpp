#include "app/session/ProcessHardening.h"

#include <sys/prctl.h>

#include "local/TemporaryFiles.h"

namespace korvant {

bool hardenProcess() {
    removeTemporaryFilesOnSignals();
    return prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) == 0;
}

}  // namespace korvant
