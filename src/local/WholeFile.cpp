#include "local/WholeFile.h"

#include "local/StreamedFile.h"

namespace korvant {

bool writeWholeFile(const std::string& path, std::string_view bytes, std::string* error, int mode,
                    bool flush) {
    StreamedFile file(path, mode);
    if (file.append(bytes) && file.commit(true, flush)) return true;
    if (error != nullptr) *error = file.error();
    return false;
}

}  // namespace korvant
