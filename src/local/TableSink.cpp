#include "local/TableSink.h"

#include "protocol/Gbk.h"

namespace korvant {

void TableSink::wireText(WireText value) {
    readPlainText(value.field, value.width, decoded_);
    text(decoded_);
}

}  // namespace korvant
