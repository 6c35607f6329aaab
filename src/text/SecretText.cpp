#include "text/SecretText.h"

#include <string.h>

namespace korvant {

void wipeSecret(std::string& text) {
    text.resize(text.capacity());
    explicit_bzero(text.data(), text.size());
    text.clear();
}

}  // namespace korvant
