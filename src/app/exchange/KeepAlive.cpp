#include "app/exchange/KeepAlive.h"

#include "app/desk/Desk.h"
#include "protocol/ServerConnection.h"

namespace korvant {

void keepAlive(Desk& desk) {
    sendKeepAlive(desk.connection());
}

void disconnect(Desk& desk) {
    desk.connection().close();
}

}  // namespace korvant
