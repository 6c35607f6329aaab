#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/desk/DeskChange.h"
#include "app/desk/ListRequery.h"
#include "app/port/FrontEndPort.h"
#include "local/StatusList.h"
#include "model/AccountCaches.h"
#include "model/ReferenceData.h"
#include "model/Session.h"
#include "protocol/AnswerRouter.h"
#include "protocol/ServerConnection.h"

// The application context that each front end owns for the whole run: the
// one server connection, the answer router with its handlers, the session,
// the caches, the status list and the action dispatcher. Every operation of
// the core takes a Desk; what a window shows lives above it, in the desk's
// view.
namespace korvant {

class AccountListPages;
class ActionDispatcher;
class DepositRecordsPage;
struct AccountListSorting;
struct ReportPages;
struct ReportTreeState;
struct ReportsPages;
struct RiskArea;
struct TemplateViews;

// What the shared mechanisms and each area keep for the desk's whole run.
// A member is made on first use by the accessor of the folder that owns its
// type (keptState), so a front end holds only what it uses.
struct DeskStates {
    std::shared_ptr<ReportPages> reportPages;                // app/pages
    std::shared_ptr<ReportTreeState> reportTree;             // app/lists
    std::shared_ptr<AccountListPages> accountListPages;      // app/lists
    std::shared_ptr<AccountListSorting> accountListSorting;  // app/lists
    std::shared_ptr<DepositRecordsPage> depositRecords;      // accounts/deposits
    std::shared_ptr<TemplateViews> templateViews;            // templates
    std::shared_ptr<RiskArea> risk;                          // risk
    std::shared_ptr<ReportsPages> reports;                   // reports
};

// The member `slot` of DeskStates, made on first use.
template <class T>
T& keptState(std::shared_ptr<T>& slot) {
    if (!slot) slot = std::make_shared<T>();
    return *slot;
}

class Desk {
public:
    // `dir` is the folder of Server.ini, ServerInfo.Dat and riskdetail.ini.
    Desk(FrontEndPort& port, std::string dir = ".");
    ~Desk();
    Desk(const Desk&) = delete;
    Desk& operator=(const Desk&) = delete;

    FrontEndPort& port() { return *port_; }
    ServerConnection& connection() { return connection_; }
    AnswerRouter& router() { return router_; }
    Session& session() { return session_; }
    ReferenceData& reference() { return reference_; }
    AccountCaches& accounts() { return accounts_; }
    StatusList& statusList() { return statusList_; }
    ActionDispatcher& dispatcher() { return *dispatcher_; }
    const FrontEndPort& port() const { return *port_; }
    const ServerConnection& connection() const { return connection_; }
    const AnswerRouter& router() const { return router_; }
    const Session& session() const { return session_; }
    const ReferenceData& reference() const { return reference_; }
    const AccountCaches& accounts() const { return accounts_; }
    const StatusList& statusList() const { return statusList_; }
    const ActionDispatcher& dispatcher() const { return *dispatcher_; }
    const std::string& dir() const { return dir_; }
    // Path of a file in the desk's folder.
    std::string filePath(const std::string& name) const;

    // The operation in progress, as the wait for the server names it (e.g.
    // "添加子账号"); empty when none was named. Set through OperationName.
    const std::string& operation() const { return operation_; }

    // What a change of an account list's records queries again
    // (requeryAccountList): the main window's list where a window shows
    // one; none by default.
    using ListRequeryHook = std::function<bool(AccountList, ListRequery)>;
    const ListRequeryHook& listRequery() const { return listRequery_; }
    void setListRequery(ListRequeryHook hook) { listRequery_ = std::move(hook); }

    // Observers of state changes (the GUI redraws). Returns an id for
    // `unsubscribe`.
    using Observer = std::function<void(DeskChange)>;
    int subscribe(Observer observer);
    void unsubscribe(int id);
    void notify(DeskChange change);

    DeskStates& states() { return states_; }
    const DeskStates& states() const { return states_; }

private:
    FrontEndPort* port_;
    std::string dir_;
    ServerConnection connection_;
    AnswerRouter router_;
    Session session_;
    ReferenceData reference_;
    AccountCaches accounts_;
    StatusList statusList_;
    std::unique_ptr<ActionDispatcher> dispatcher_;
    ListRequeryHook listRequery_;
    std::map<int, Observer> observers_;
    int nextObserver_ = 1;
    DeskStates states_;
    std::string operation_;
    friend class OperationName;
};

// Names the operation in progress for as long as it lives.
class OperationName {
public:
    OperationName(Desk& desk, std::string name) : desk_(desk), previous_(desk.operation_) {
        if (!name.empty()) desk_.operation_ = std::move(name);
    }
    ~OperationName() { desk_.operation_ = std::move(previous_); }
    OperationName(const OperationName&) = delete;
    OperationName& operator=(const OperationName&) = delete;

private:
    Desk& desk_;
    std::string previous_;
};

// The handler of command-0 answers: a non-zero status shows the server's
// text (caption "提示", error icon); status 0 shows nothing.
void registerServerMessageHandler(AnswerRouter& router, FrontEndPort& port);

}  // namespace korvant
