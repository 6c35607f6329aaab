#include "app/desk/Desk.h"

#include <vector>

#include "app/actions/ActionDispatcher.h"
#include "model/CacheHandlers.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {

void registerServerMessageHandler(AnswerRouter& router, FrontEndPort& port) {
    router.setHandler(cmd::Result, [&port](const uint8_t* packet, int length) {
        if (length < 5) return;
        ResultPacket result = ResultPacket::parse(packet, length);
        if (result.status != 0) port.showMessage({result.text, "提示", MessageIcon::Error});
    });
}

Desk::Desk(FrontEndPort& port, std::string dir)
    : port_(&port),
      dir_(dir.empty() ? std::string(".") : std::move(dir)),
      dispatcher_(std::make_unique<ActionDispatcher>()) {
    registerCacheHandlers(router_, session_, reference_, accounts_);
    registerServerMessageHandler(router_, port);
    // The front end keeps its own work going while the one exchange waits.
    connection_.setWaitHook(
        [this](const ServerWait& wait) { return port_->waitForServer(wait, operation_); });
}

Desk::~Desk() {
    // The handlers hold references into this object.
    for (int command = 0; command < 256; ++command)
        router_.clearHandler(static_cast<uint8_t>(command));
}

std::string Desk::filePath(const std::string& name) const {
    if (dir_.empty() || dir_ == ".") return name;
    return dir_.back() == '/' ? dir_ + name : dir_ + "/" + name;
}

int Desk::subscribe(Observer observer) {
    int id = nextObserver_++;
    observers_[id] = std::move(observer);
    return id;
}

void Desk::unsubscribe(int id) {
    observers_.erase(id);
}

void Desk::notify(DeskChange change) {
    // Observers may unsubscribe while being told.
    std::vector<Observer> current;
    for (auto& [id, observer] : observers_) current.push_back(observer);
    for (auto& observer : current)
        if (observer) observer(change);
}

}  // namespace korvant
