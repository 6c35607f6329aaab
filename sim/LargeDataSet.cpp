#include <algorithm>
#include <cstdio>

#include "DataCatalogue.h"
#include "DataSets.h"

// The benchmark data set: 50 departments of 10 desks, 100 customers per
// desk, 50 main accounts per department, 1 000 administrators, 3 000
// varieties, 500 templates of each kind and 2 000 risk rules; `scale` times
// the customers per desk (numbered d*1000000 + k*10000 + c then). Customers
// trade from 2020 to 2027 on about half of the weekdays.
namespace korvant::sim {
namespace {

constexpr int Departments = 50;
constexpr int DesksPerDepartment = 10;
constexpr int CustomersPerDesk = 100;
constexpr int MainAccountsPerDepartment = 50;
constexpr int LinksPerDesk = 5;
constexpr int Administrators = 1000;
constexpr int Varieties = 3000;
constexpr int TemplatesOfEachKind = 500;
constexpr int RiskRules = 2000;
constexpr int Deposits = 5000;

std::string twoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n % 100);
    return text;
}

}  // namespace

void buildLarge(uint32_t seed, SimState& s, int scale) {
    scale = std::clamp(scale, 1, 64);
    const int customersPerDesk = CustomersPerDesk * scale;
    // Numbers of the form d*100000 + k*1000 + c leave room for 999 customers a desk.
    const int32_t departmentStep = scale == 1 ? 100000 : 1000000;
    const int32_t deskStep = scale == 1 ? 1000 : 10000;
    Random random(seed);
    static const std::vector<std::string> cities = {
        "上海", "北京", "深圳", "广州", "杭州", "南京",   "苏州", "成都", "武汉",
        "重庆", "天津", "西安", "长沙", "郑州", "青岛",   "大连", "宁波", "厦门",
        "福州", "济南", "合肥", "昆明", "沈阳", "哈尔滨", "长春"};
    s.groups.push_back({1, 0, "", "Korvant平台", "资产管理平台", 1, 0, 0, 0});
    int32_t nextId = 2;
    std::vector<int32_t> departments, desks;
    for (int d = 1; d <= Departments; ++d) {
        Group dept{
            nextId++,
            1,
            twoDigits(d),
            cities[static_cast<std::size_t>(d - 1) % cities.size()] + "投资部" + twoDigits(d),
            "",
            0,
            DesksPerDepartment * customersPerDesk * 2,
            d * departmentStep + 1,
            d * departmentStep + departmentStep - 1};
        dept.reference = dept.id;
        s.groups.push_back(dept);
        departments.push_back(dept.id);
    }
    for (int d = 1; d <= Departments; ++d) {
        const Group parent = s.groups[static_cast<std::size_t>(d)];
        for (int k = 1; k <= DesksPerDepartment; ++k) {
            Group desk{nextId++,
                       parent.id,
                       parent.code + twoDigits(k),
                       parent.name + "第" + std::to_string(k) + "组",
                       "",
                       0,
                       0,
                       0,
                       0};
            desk.reference = desk.id;
            s.groups.push_back(desk);
            desks.push_back(desk.id);
        }
    }
    s.nextGroupId = nextId;

    s.administrators.push_back(makeAdministrator("admin", "admin", "系统管理员", 1, 0xFFFFF));
    for (int i = 1; i < Administrators; ++i) {
        int32_t group = i <= Departments ? departments[static_cast<std::size_t>(i - 1)]
                                         : desks[static_cast<std::size_t>(i) % desks.size()];
        char account[16];
        std::snprintf(account, sizeof account, "op%04d", i);
        Administrator a =
            makeAdministrator(account, "pw" + std::to_string(1000 + i), chineseName(random), group,
                              static_cast<uint32_t>(random.below(0x100000)));
        s.administrators.push_back(a);
    }

    for (int d = 1; d <= Departments; ++d) {
        for (int k = 1; k <= MainAccountsPerDepartment; ++k) {
            MainAccount m;
            char account[16];
            std::snprintf(account, sizeof account, "88%02d%03d", d, k);
            m.account = account;
            m.tradePassword = "888888";
            m.groupId = departments[static_cast<std::size_t>(d - 1)];
            m.initialFunds = random.chance(80) ? 1 : 0;  // limited; amounts balanced below
            m.startInvestment = random.between(10, 500) * 10000.0;
            m.priorityFunds = random.chance(30) ? m.startInvestment / 4 : 0;
            m.fees = {random.between(0, 20) / 10.0, random.between(0, 10) / 100.0, 0, 0, 0};
            s.mainAccounts.push_back(m);
        }
    }

    s.subAccounts.reserve(
        static_cast<std::size_t>(Departments * DesksPerDepartment * customersPerDesk));
    for (int d = 1; d <= Departments; ++d) {
        for (int k = 1; k <= DesksPerDepartment; ++k) {
            int32_t desk = desks[static_cast<std::size_t>((d - 1) * DesksPerDepartment + k - 1)];
            std::vector<std::string> linked;
            for (int l = 0; l < LinksPerDesk; ++l) {
                int which = ((k - 1) * LinksPerDesk + l) % MainAccountsPerDepartment;
                const MainAccount& m = s.mainAccounts[static_cast<std::size_t>(
                    (d - 1) * MainAccountsPerDepartment + which)];
                s.links.push_back({m.account, desk, 0});
                linked.push_back(m.account);
            }
            for (int c = 1; c <= customersPerDesk; ++c) {
                SubAccount a;
                a.number = d * departmentStep + k * deskStep + c;
                a.password = std::to_string(random.between(100000, 999999));
                a.name = chineseName(random);
                a.groupId = desk;
                a.openingDate = randomDate(random, 2020, 2025);
                a.mainAccount = random.pick(linked);
                a.marginTemplateId = random.between(1, TemplatesOfEachKind);
                a.feeTemplateId = random.between(1, TemplatesOfEachKind);
                a.startInvestment = random.between(1, 200) * 10000.0;
                a.available = a.startInvestment * random.between(50, 100) / 100.0;
                a.positionMargin = a.startInvestment * random.between(0, 50) / 100.0;
                s.subAccounts.push_back(std::move(a));
            }
        }
    }

    // The busiest customer: a month's statement of well over 1 MB.
    s.busyAccounts[departmentStep + deskStep + 1] = 450;
    addVarietiesUpTo(s, Varieties);
    for (int i = 1; i <= TemplatesOfEachKind; ++i) {
        std::string owner = twoDigits((i % Departments) + 1);
        s.feeTemplates.push_back(
            makeFeeTemplate(i, "手续费模板" + std::to_string(i), owner, random, 1.0));
        s.marginTemplates.push_back(
            makeMarginTemplate(i, "保证金模板" + std::to_string(i), owner, random, 1.0));
    }
    s.nextTemplateId = TemplatesOfEachKind + 1;
    for (int i = 1; i <= RiskRules; ++i) {
        int32_t owner =
            i % 4 == 0 ? departments[static_cast<std::size_t>(i / 4) % departments.size()] : 1;
        s.riskRules.push_back(makeRiskRule(i, owner, random));
    }
    balanceFunds(s, random);
    addDepositHistory(s, random, Deposits);
    s.trading.seed = seed;
    s.trading.firstDay = 20200101;
    s.trading.lastDay = 20271231;
    s.trading.activePercent = 50;
    s.trading.maxOrders = 2;
}

}  // namespace korvant::sim
