#include "DataCatalogue.h"
#include "DataSets.h"
#include "HandlerSupport.h"
#include "TradingData.h"

#include <algorithm>
#include <set>

// The demo: a small platform with three departments, five desks, a dozen
// administrators and about sixty customers, enough to fill every screen.
namespace korvant::sim {
namespace {

constexpr uint32_t AllPermissions = 0xFFFFF;

void addGroups(SimState& s) {
    s.groups = {
        {1, 0, "", "Korvant平台", "资产管理平台", 1, 0, 0, 0},
        {2, 1, "01", "华东投资部", "上海、杭州", 2, 300, 100001, 199999},
        {3, 1, "02", "华南投资部", "深圳、广州", 3, 300, 200001, 299999},
        {4, 1, "03", "华北投资部", "北京", 4, 200, 300001, 399999},
        {5, 2, "0101", "上海一组", "陆家嘴营业部", 5, 0, 0, 0},
        {6, 2, "0102", "杭州组", "", 6, 0, 0, 0},
        {7, 3, "0201", "深圳组", "福田营业部", 7, 0, 0, 0},
        {8, 3, "0202", "广州组", "", 8, 0, 0, 0},
        {9, 4, "0301", "北京组", "金融街营业部", 9, 0, 0, 0},
    };
    s.nextGroupId = 10;
}

void addAdministrators(SimState& s) {
    auto& a = s.administrators;
    a.push_back(makeAdministrator("admin", "admin", "系统管理员", 1, AllPermissions));
    a.push_back(makeAdministrator("risk", "risk123", "王芳", 1,
                                  0x200 | 0x400 | 0x1000 | 0x2000 | 0x4000 | 0x8000));
    a.push_back(makeAdministrator("finance", "fin123", "李娜", 1, 0x40 | 0x400));
    a.push_back(makeAdministrator("rates", "rate123", "刘洋", 1, 0x80 | 0x100));
    a.push_back(makeAdministrator("audit", "audit123", "马超", 1, 0x1000 | 0x2000));
    a.push_back(makeAdministrator("huadong", "hd123", "陈杰", 2, 0x7F | 0x400 | 0x70000));
    a.push_back(makeAdministrator("huanan", "hn123", "杨敏", 3, 0x7F | 0x400));
    a.push_back(makeAdministrator("huabei", "hb123", "赵磊", 4, 0x3F));
    a.push_back(makeAdministrator("sh01", "sh123", "黄丽", 5, 0x7 | 0x40));
    a.back().monitorFrom = 100001;
    a.back().monitorTo = 100100;
    a.push_back(makeAdministrator("hz01", "hz123", "周强", 6, 0x3));
    a.push_back(makeAdministrator("sz01", "sz123", "吴静", 7, 0x1 | 0x2 | 0x40));
    a.back().allowedIps = {ipv4(127, 0, 0, 1), ipv4(192, 168, 1, 20), 0, 0, 0};
    // Allowed from one office address only: a login from elsewhere is refused.
    a.push_back(makeAdministrator("gz01", "gz123", "徐涛", 8, 0x1));
    a.back().allowedIps = {ipv4(10, 1, 2, 3), 0, 0, 0, 0};
    a.push_back(makeAdministrator("bj01", "bj123", "孙婷", 9, 0x400 | 0x2000));
    a.back().multiLogin = 0;
}

void addMainAccounts(SimState& s) {
    // `limited` marks accounts with initial funds; their amounts are set when
    // the funds are balanced against the sub-accounts.
    auto add = [&](const char* account, int32_t group, double limited, double start,
                   double priority, double management, double custody) {
        MainAccount m;
        m.account = account;
        m.tradePassword = "888888";
        m.groupId = group;
        m.initialFunds = limited;
        m.startInvestment = start;
        m.priorityFunds = priority;
        m.fees = {management, custody, 0, 0, 0};
        s.mainAccounts.push_back(m);
    };
    add("880101", 2, 1, 5000000, 1000000, 1.5, 0.1);
    add("880102", 2, 0, 2000000, 0, 1.2, 0.08);
    add("880201", 3, 1, 3000000, 500000, 2, 0.1);
    add("880202", 3, 1, 1500000, 0, 1, 0.05);
    add("880301", 4, 0, 1000000, 0, 0, 0);
    s.links = {{"880101", 5, 0}, {"880102", 5, 0}, {"880101", 6, 0}, {"880201", 7, 0},
               {"880201", 8, 0}, {"880202", 8, 0}, {"880301", 9, 0}};
}

void addSubAccounts(SimState& s, Random& random) {
    struct Desk {
        int32_t group;
        int32_t firstNumber;
        int count;
    };
    static const std::vector<std::string> remarks = {
        "", "", "", "VIP客户", "量化策略", "套保账户", "机构客户", "程序化交易"};
    for (const Desk& desk : std::vector<Desk>{
             {5, 100101, 15}, {6, 100501, 12}, {7, 200101, 12}, {8, 200501, 11}, {9, 300101, 10}}) {
        std::vector<std::string> mains;
        for (const auto& l : s.links)
            if (l.groupId == desk.group) mains.push_back(l.mainAccount);
        for (int i = 0; i < desk.count; ++i) {
            SubAccount a;
            a.number = desk.firstNumber + i;
            a.password = std::to_string(random.between(100000, 999999));
            a.name = chineseName(random);
            a.groupId = desk.group;
            a.openingDate = randomDate(random, 2023, 2025);
            a.mainAccount = random.pick(mains);
            // Template 2 of each kind belongs to one department.
            bool east = desk.group == 5 || desk.group == 6;
            bool south = desk.group == 7 || desk.group == 8;
            a.marginTemplateId = south && random.chance(40) ? 2 : 1;
            a.feeTemplateId = east && random.chance(40) ? 2 : 1;
            a.startInvestment = random.between(5, 100) * 10000.0;
            a.priorityFunds = random.chance(30) ? a.startInvestment / 5 : 0;
            a.available = a.startInvestment * random.between(60, 100) / 100.0;
            a.positionMargin = a.startInvestment * random.between(0, 40) / 100.0;
            if (random.chance(15)) a.mac = "00E04C6A" + std::to_string(random.between(1000, 9999));
            a.remark = random.pick(remarks);
            a.optionFlags = random.chance(10) ? 1 : 0;
            s.subAccounts.push_back(a);
        }
    }
}

void addRiskRules(SimState& s, Random& random) {
    for (int32_t id = 1; id <= 12; ++id) s.riskRules.push_back(makeRiskRule(id, 1, random));
    s.riskRules.push_back(makeRiskRule(13, 2, random));
    s.riskRules.push_back(makeRiskRule(14, 3, random));
    // A named rule: its name replaced the summary.
    s.riskRules[2].summary = "主账号保证金预警";
}

// Rules of the platform's warehouse loaded onto the first sub-accounts, the
// first main account and two groups.
void loadRiskRules(SimState& s) {
    auto rules = [&s](std::initializer_list<int32_t> ids) {
        std::vector<RiskRule> out;
        for (int32_t id : ids)
            for (const RiskRule& rule : s.riskRules)
                if (rule.id == id) out.push_back(rule);
        return out;
    };
    for (std::size_t i = 0; i < 3 && i < s.subAccounts.size(); ++i)
        s.loadedRules[{0, std::to_string(s.subAccounts[i].number)}] =
            rules({static_cast<int32_t>(1 + i), 5, 9});
    if (!s.mainAccounts.empty()) s.loadedRules[{1, s.mainAccounts[0].account}] = rules({2, 7});
    s.loadedRules[{2, "01"}] = rules({3, 10});
    s.loadedRules[{2, "0101"}] = rules({4, 11, 12});
}

}  // namespace

void buildDemo(uint32_t seed, SimState& s) {
    Random random(seed);
    addGroups(s);
    addAdministrators(s);
    addMainAccounts(s);
    addSubAccounts(s, random);
    // One customer trades all day: its month's statement takes many chunks.
    s.busyAccounts[100101] = 40;
    const std::set<std::string> codes = {"cu", "al", "zn", "au", "ag", "rb", "hc", "ru", "a",
                                         "m",  "y",  "p",  "c",  "i",  "j",  "l",  "pp", "SR",
                                         "CF", "TA", "MA", "FG", "OI", "IF", "IC", "IH", "T"};
    std::vector<Product> shown;
    for (const auto& p : products())
        if (codes.count(p.code)) shown.push_back(p);
    addVarieties(s, shown, {2601, 2603, 2605, 2609});
    // Rebar trades a fifth delivery month, right after its other four.
    auto rb = std::find_if(s.varieties.rbegin(), s.varieties.rend(),
                           [](const ContractVariety& v) { return v.product == "rb"; });
    s.varieties.insert(rb.base(), {"rb2610", "rb", "SHFE"});
    // Templates belong to first-level groups; each department has its own.
    s.feeTemplates.push_back(makeFeeTemplate(1, "标准手续费", "01", random, 1.0));
    s.feeTemplates.push_back(makeFeeTemplate(2, "华东优惠手续费", "01", random, 0.8));
    s.marginTemplates.push_back(makeMarginTemplate(1, "标准保证金", "01", random, 1.0));
    s.marginTemplates.push_back(makeMarginTemplate(2, "华南高保证金", "02", random, 1.3));
    Random more(seed + 1);
    s.feeTemplates.push_back(makeFeeTemplate(3, "华南手续费", "02", more, 1.2));
    s.feeTemplates.push_back({4, "华北空白手续费", "03", {}, {}});
    s.marginTemplates.push_back(makeMarginTemplate(3, "华东保证金", "01", more, 1.0));
    s.marginTemplates.push_back({4, "华北空白保证金", "03", {}, {}});
    s.nextTemplateId = 5;
    addRiskRules(s, random);
    loadRiskRules(s);
    balanceFunds(s, random);
    addDepositHistory(s, random, 24);
    // A few orders a customer and day over the last four months: the
    // statements of the last full months show them.
    s.trading.seed = seed;
    s.trading.lastDay = today();
    s.trading.firstDay = s.trading.lastDay;
    for (int i = 0; i < 120; ++i) s.trading.firstDay = previousDay(s.trading.firstDay);
    s.trading.activePercent = 80;
    s.trading.maxOrders = 4;
}

}  // namespace korvant::sim
